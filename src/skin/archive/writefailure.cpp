#include "skin/archive/writefailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QStringList>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

QString writeFailure(QFileDevice &file)
{
    if (file.error() == QFileDevice::NoError && file.isWritable())
        file.write("", 1);
    return file.errorString();
}

QString makeFolder(const QString &path)
{
    // Part by part, so that the part that cannot be made gives the system's reason.
    const QStringList names = QDir::cleanPath(path).split(QLatin1Char('/'));
    QString part;
    for (int i = 0; i < names.size(); ++i) {
        part += (i > 0 ? QStringLiteral("/") : QString()) + names.at(i);
        if (part.isEmpty())
            continue; // the root
        if (::mkdir(QFile::encodeName(part).constData(), 0777) == 0 || QFileInfo(part).isDir())
            continue;
        return QCoreApplication::translate("writefailure", "Cannot create the folder \"%1\": %2")
            .arg(QDir::toNativeSeparators(part),
                 QString::fromLocal8Bit(std::strerror(errno == EEXIST ? ENOTDIR : errno)));
    }
    return {};
}
