// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/writefailure.h"

#include "platform/folders.h"
#include "platform/systemerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QStringList>

QString writeFailure(QFileDevice &file)
{
    if (file.error() == QFileDevice::NoError && file.isWritable())
        file.write("", 1);
    return platform::systemErrorText(file.errorString());
}

Result<void> makeFolder(const QString &path)
{
    // Part by part, so that the part that cannot be made gives the system's reason.
    const QStringList names = QDir::cleanPath(path).split(QLatin1Char('/'));
    QString part;
    for (int i = 0; i < names.size(); ++i) {
        part += (i > 0 ? QStringLiteral("/") : QString()) + names.at(i);
        // The root, a drive ("C:") and every folder already there.
        if (part.isEmpty() || QFileInfo(part).isDir())
            continue;
        const QString reason = platform::makeOneFolder(part);
        if (reason.isEmpty())
            continue;
        return Failure{QCoreApplication::translate("writefailure", "Cannot create the folder \"%1\": %2")
                           .arg(QDir::toNativeSeparators(part), reason)};
    }
    return {};
}
