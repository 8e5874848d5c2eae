// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/images/iconsheets.h"

#include "skin/archive/archiveentry.h"
#include "skin/archive/workpaths.h"
#include "skin/images/imagelimits.h"

#include <QDir>

namespace iconsheets {

QImage cut(const QString &folder, const QString &imageName, const QRect &area)
{
    const auto path = archive::safeRelativePath(imageName);
    if (!path || path->isEmpty())
        return {};
    QString problem;
    const QImage image = imagelimits::read(archive::workPath(folder, *path), &problem);
    if (image.isNull())
        return {};
    return image.copy(area);
}

} // namespace iconsheets
