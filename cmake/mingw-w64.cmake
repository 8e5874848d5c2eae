# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds Panelcraft for 64-bit Windows with Debian's mingw-w64 (posix threads), against the
# Qt and QuaZip that scripts/windows-toolchain builds. scripts/build-windows passes this file and
# PANELCRAFT_WINDOWS_PREFIXES (the Qt and QuaZip install folders).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
# Kept for try_compile, which reads the toolchain file again in a fresh project.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES PANELCRAFT_WINDOWS_PREFIXES)

# Libraries and headers come from the cross prefixes only; programs (moc, uic, rcc, lrelease)
# from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${PANELCRAFT_WINDOWS_PREFIXES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
