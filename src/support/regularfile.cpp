// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace regularfile {

QString problem(const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists() || file.isFile())
        return {};
    const QString shown = QDir::toNativeSeparators(path);
    return file.isDir()
               ? QCoreApplication::translate("regularfile", "\"%1\" is a folder, not a file").arg(shown)
               : QCoreApplication::translate("regularfile",
                                             "\"%1\" is not a regular file but a device, a pipe or a socket")
                     .arg(shown);
}

} // namespace regularfile
