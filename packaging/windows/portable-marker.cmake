# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack once the files are staged: the zip is the copy to unpack anywhere, so its marker
# beside the programs keeps the settings there (src/app/settingsfile.h). The installer has none.
if(CPACK_GENERATOR STREQUAL "ZIP")
  file(TOUCH "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/bin/panelcraft.portable")
endif()
