#include "archive.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QVector>
#include <optional>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>
#include <quazip/quazipnewinfo.h>

namespace archive {
namespace {

constexpr qint64 chunkSize = 256 * 1024;

struct Entry
{
    QString path; // relative to the folder, with "/" separators
    bool folder;
};

// The entry's path inside the folder, or nothing when it would leave the folder.
std::optional<QString> safeRelativePath(QString name)
{
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (name.startsWith(QLatin1Char('/')))
        return std::nullopt;
    QStringList parts;
    for (const QString &part : name.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        // ':' would name a drive or an alternate data stream on some systems.
        if (part == QLatin1String("..") || part.contains(QLatin1Char(':')))
            return std::nullopt;
        if (part != QLatin1String("."))
            parts << part;
    }
    return parts.join(QLatin1Char('/'));
}

bool isLink(const QuaZipFileInfo64 &info)
{
    constexpr quint32 typeMask = 0170000;
    constexpr quint32 linkType = 0120000;
    return info.isSymbolicLink() || ((info.externalAttr >> 16) & typeMask) == linkType;
}

QString quoted(const QString &path)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

QString cannotWrite(const QString &path, const QString &why)
{
    return QStringLiteral("Cannot write %1: %2").arg(quoted(path), why);
}

class Extraction
{
public:
    Extraction(const QString &zipPath, const QString &folder, const Limits &limits)
        : m_zip(zipPath), m_name(quoted(QFileInfo(zipPath).fileName())), m_folder(folder), m_limits(limits)
    {
    }

    QString run();

private:
    QString checkEntries();
    QString writeEntries();
    QString writeFile(const QString &target, qint64 &written);
    bool insideFolder(const QString &path) const;
    QString outside(const QString &entry) const
    {
        return QStringLiteral("%1 was refused: its entry \"%2\" would be written outside the folder it is "
                              "unpacked into")
            .arg(m_name, entry);
    }
    QString damaged() const { return QStringLiteral("%1 is damaged and cannot be unpacked").arg(m_name); }
    QString tooLarge() const
    {
        const QString limit =
            QLocale::c().formattedDataSize(m_limits.maxUnpackedBytes, 0, QLocale::DataSizeTraditionalFormat);
        return QStringLiteral("%1 was refused: it unpacks to more than %2").arg(m_name, limit);
    }
    void removeWritten();

    QuaZip m_zip;
    const QString m_name;
    const QString m_folder;
    const Limits m_limits;
    QVector<Entry> m_entries;
    QStringList m_writtenFiles;
    QStringList m_madeFolders;
};

QString Extraction::run()
{
    if (!m_zip.open(QuaZip::mdUnzip))
        return QStringLiteral("%1 is not a zip file or cannot be read").arg(m_name);
    QString error = checkEntries();
    if (error.isEmpty())
        error = writeEntries();
    m_zip.close();
    if (!error.isEmpty())
        removeWritten();
    return error;
}

// Everything is checked before the first byte is written, so a refused archive leaves nothing.
QString Extraction::checkEntries()
{
    qint64 declared = 0;
    for (bool more = m_zip.goToFirstFile(); more; more = m_zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        if (!m_zip.getCurrentFileInfo(&info))
            break;
        if (m_entries.size() >= m_limits.maxEntries)
            return QStringLiteral("%1 was refused: it holds more than %2 entries")
                .arg(m_name)
                .arg(m_limits.maxEntries);
        if (isLink(info))
            return QStringLiteral("%1 was refused: its entry \"%2\" is a symbolic link")
                .arg(m_name, info.name);
        const auto path = safeRelativePath(info.name);
        if (!path)
            return outside(info.name);
        declared += qint64(info.uncompressedSize);
        if (declared > m_limits.maxUnpackedBytes)
            return tooLarge();
        m_entries.append(
            {*path, info.name.endsWith(QLatin1Char('/')) || info.name.endsWith(QLatin1Char('\\'))});
    }
    if (m_zip.getZipError() != UNZ_OK)
        return damaged();
    return {};
}

QString Extraction::writeEntries()
{
    const QDir folder(m_folder);
    qint64 written = 0;
    int index = 0;
    for (bool more = m_zip.goToFirstFile(); more && index < m_entries.size();
         more = m_zip.goToNextFile(), ++index) {
        const Entry &entry = m_entries.at(index);
        if (entry.path.isEmpty())
            continue;
        const QString target = folder.filePath(entry.path);
        const QString parent = entry.folder ? target : QFileInfo(target).path();
        if (!QFileInfo::exists(parent)) {
            QString highest = parent;
            for (QString up = QFileInfo(parent).path(); !QFileInfo::exists(up); up = QFileInfo(up).path())
                highest = up;
            if (!folder.mkpath(parent))
                return QStringLiteral("Cannot create the folder %1").arg(quoted(parent));
            m_madeFolders << highest;
        }
        if (!insideFolder(parent))
            return outside(entry.path);
        if (entry.folder)
            continue;
        const QString error = writeFile(target, written);
        if (!error.isEmpty())
            return error;
    }
    return {};
}

QString Extraction::writeFile(const QString &target, qint64 &written)
{
    QuaZipFile in(&m_zip);
    if (!in.open(QIODevice::ReadOnly))
        return damaged();
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return cannotWrite(target, out.errorString());
    m_writtenFiles << target;
    QByteArray buffer(int(chunkSize), Qt::Uninitialized);
    for (qint64 n; (n = in.read(buffer.data(), chunkSize)) > 0;) {
        // Counted as written, whatever the directory claims.
        written += n;
        if (written > m_limits.maxUnpackedBytes)
            return tooLarge();
        if (out.write(buffer.constData(), n) != n)
            return cannotWrite(target, out.errorString());
    }
    const bool readFailed = in.getZipError() != UNZ_OK;
    in.close();
    if (readFailed || in.getZipError() != UNZ_OK)
        return damaged();
    out.close();
    if (out.error() != QFileDevice::NoError)
        return cannotWrite(target, out.errorString());
    return {};
}

// Guards against a link planted in the folder by something other than this archive.
bool Extraction::insideFolder(const QString &path) const
{
    const QString root = QFileInfo(m_folder).canonicalFilePath();
    const QString real = QFileInfo(path).canonicalFilePath();
    return !root.isEmpty() && (real == root || real.startsWith(root + QLatin1Char('/')));
}

void Extraction::removeWritten()
{
    for (const QString &file : qAsConst(m_writtenFiles))
        QFile::remove(file);
    for (const QString &made : qAsConst(m_madeFolders))
        QDir(made).removeRecursively();
}

QStringList filesBelow(const QString &folder)
{
    QStringList files;
    const QDir root(folder);
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << root.relativeFilePath(it.next());
    files.sort();
    return files;
}

QString addFile(QuaZip &zip, const QString &folder, const QString &name)
{
    const QString source = QDir(folder).filePath(name);
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("Cannot read %1: %2").arg(quoted(source), in.errorString());
    const QString failed = QStringLiteral("Cannot add %1 to the archive").arg(quoted(name));
    QuaZipFile out(&zip);
    if (!out.open(QIODevice::WriteOnly, QuaZipNewInfo(name, source)))
        return failed;
    QByteArray buffer(int(chunkSize), Qt::Uninitialized);
    for (qint64 n; (n = in.read(buffer.data(), chunkSize)) > 0;) {
        if (out.write(buffer.constData(), n) != n)
            return failed;
    }
    out.close();
    if (in.error() != QFileDevice::NoError || out.getZipError() != ZIP_OK)
        return failed;
    return {};
}

} // namespace

QString extract(const QString &zipPath, const QString &folder, const Limits &limits)
{
    return Extraction(zipPath, folder, limits).run();
}

QString pack(const QString &folder, const QString &zipPath)
{
    const auto failed = [&zipPath](const QString &why) { return cannotWrite(zipPath, why); };
    QSaveFile file(zipPath);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    QuaZip zip(&file);
    zip.setAutoClose(false); // committed below, only when everything went in
    zip.setUtf8Enabled(true);
    if (!zip.open(QuaZip::mdCreate))
        return failed(QStringLiteral("the archive could not be started"));
    for (const QString &name : filesBelow(folder)) {
        const QString error = addFile(zip, folder, name);
        if (!error.isEmpty()) {
            zip.close();
            file.cancelWriting();
            return error;
        }
    }
    zip.close();
    if (zip.getZipError() != ZIP_OK)
        return failed(QStringLiteral("the archive could not be finished"));
    if (!file.commit())
        return failed(file.errorString());
    return {};
}

} // namespace archive
