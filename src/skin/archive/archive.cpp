#include "skin/archive/archive.h"

#include "skin/archive/archiveentry.h"
#include "skin/archive/writefailure.h"
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QVector>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>

namespace archive {
namespace {

constexpr qint64 chunkSize = 256 * 1024;

struct Entry
{
    QString path; // relative to the folder, with "/" separators
    bool folder;
    quint64 size; // as the directory declares it
};

bool isLink(const QuaZipFileInfo64 &info)
{
    constexpr quint32 typeMask = 0170000;
    constexpr quint32 linkType = 0120000;
    return info.isSymbolicLink() || ((info.externalAttr >> 16) & typeMask) == linkType;
}

} // namespace

class Unpacker::Extraction
{
public:
    Extraction(const QString &zipPath, const QString &folder, const Limits &limits)
        : m_zip(zipPath), m_name(quoted(QFileInfo(zipPath).fileName())), m_folder(folder), m_limits(limits)
    {
    }
    ~Extraction() { m_zip.close(); }

    QString check();
    QString unpack(const std::function<bool(const QString &path)> &wanted);
    QStringList files() const;
    bool holds(const QString &path) const { return m_present.contains(path); }

private:
    QString checkDirectory();
    QString checkEntries();
    QString writeEntries(const std::function<bool(const QString &path)> &wanted);
    QString writeFile(const QString &target, quint64 size);
    bool insideFolder(const QString &path) const;
    QString refused(const QString &entry, const char *why) const
    {
        return QStringLiteral("%1 was refused: its entry \"%2\" %3")
            .arg(m_name, printable(entry), QLatin1String(why));
    }
    QString outside(const QString &entry) const
    {
        return refused(entry, "would be written outside the folder it is unpacked into");
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
    QSet<QString> m_present; // files and folders a full unpacking makes
    bool m_checked = false;
    qint64 m_written = 0;
    QStringList m_writtenFiles;
    QStringList m_madeFolders;
};

QString Unpacker::Extraction::check()
{
    QString error = checkDirectory();
    if (!error.isEmpty())
        return error;
    if (!openForReading(m_zip)) {
        // The archive library cannot open a zip without entries; name it for what it is.
        QFile file(m_zip.getZipName());
        if (file.open(QIODevice::ReadOnly) && file.read(4) == QByteArray("PK\x05\x06", 4))
            return QStringLiteral("%1 holds no files").arg(m_name);
        return QStringLiteral("%1 is not a zip file or cannot be read").arg(m_name);
    }
    error = checkEntries();
    m_checked = error.isEmpty();
    if (!m_checked)
        m_zip.close();
    return error;
}

// The archive library reads an entry's extra field a few bytes at a time, and trusts its
// length: a few kilobytes whose entries declare long extra fields took seconds to list. No zip
// tool writes an entry that runs past the end of the central directory, or an extra block that
// runs past its field, so such an archive is refused first. What this cannot make sense of
// (no end record, a zip64 one, a record that is not an entry) is left to the library to judge.
QString Unpacker::Extraction::checkDirectory()
{
    QFile file(m_zip.getZipName());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const auto u16 = [](const QByteArray &bytes, int at) {
        return int(quint8(bytes.at(at))) | int(quint8(bytes.at(at + 1))) << 8;
    };
    const auto u32 = [&u16](const QByteArray &bytes, int at) {
        return quint32(u16(bytes, at)) | quint32(u16(bytes, at + 2)) << 16;
    };
    const qint64 tailStart = qMax(qint64(0), file.size() - (0xffff + 22));
    if (!file.seek(tailStart))
        return {};
    const QByteArray tail = file.readAll();
    const int end = tail.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0 || end + 22 > tail.size())
        return {};
    const int count = u16(tail, end + 10);
    const quint32 size = u32(tail, end + 12);
    const qint64 endAt = tailStart + end;
    const bool zip64 = count == 0xffff || size == 0xffffffffu || u32(tail, end + 16) == 0xffffffffu ||
                       (end >= 20 && tail.mid(end - 20, 4) == QByteArray("PK\x06\x07", 4));
    if (zip64 || size > endAt)
        return {};
    const QString inconsistent =
        damaged() + QStringLiteral(": the extra fields of its entries are inconsistent");
    qint64 at = endAt - size;
    for (int i = 0; i < count; ++i) {
        if (!file.seek(at))
            return {};
        const QByteArray header = file.read(46);
        if (header.size() < 46 || !header.startsWith(QByteArray("PK\x01\x02", 4)))
            return {};
        const int nameLength = u16(header, 28);
        const int extraLength = u16(header, 30);
        const qint64 next = at + 46 + nameLength + extraLength + u16(header, 32);
        if (next > endAt || !file.seek(at + 46 + nameLength))
            return inconsistent;
        const QByteArray extra = file.read(extraLength);
        for (int block = 0; block + 4 <= extra.size(); block += 4 + u16(extra, block + 2)) {
            if (block + 4 + u16(extra, block + 2) > extra.size())
                return inconsistent;
        }
        at = next;
    }
    return {};
}

QString Unpacker::Extraction::unpack(const std::function<bool(const QString &path)> &wanted)
{
    if (!m_checked)
        return damaged();
    const QString error = writeEntries(wanted);
    if (!error.isEmpty())
        removeWritten();
    return error;
}

QStringList Unpacker::Extraction::files() const
{
    QStringList files;
    for (const Entry &entry : m_entries) {
        if (!entry.folder && !entry.path.isEmpty())
            files << entry.path;
    }
    return files;
}

// Everything is checked before the first byte is written, so a refused archive leaves nothing.
QString Unpacker::Extraction::checkEntries()
{
    // Declared sizes are untrusted 64-bit numbers: summed unsigned, and each checked before it is added.
    quint64 declared = 0;
    const auto limit = quint64(m_limits.maxUnpackedBytes);
    for (bool more = m_zip.goToFirstFile(); more; more = m_zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        if (!m_zip.getCurrentFileInfo(&info))
            break;
        if (m_entries.size() >= m_limits.maxEntries)
            return QStringLiteral("%1 was refused: it holds more than %2 entries")
                .arg(m_name)
                .arg(m_limits.maxEntries);
        if (hasControlCharacter(info.name))
            return refused(info.name, "has a control character in its name");
        if (isLink(info))
            return refused(info.name, "is a symbolic link");
        if (info.isEncrypted())
            return QStringLiteral(
                       "%1 is password-protected; Panelcraft can only read skins without a password")
                .arg(m_name);
        const auto path = safeRelativePath(info.name);
        if (!path)
            return outside(info.name);
        if (info.uncompressedSize > limit || declared > limit - info.uncompressedSize)
            return tooLarge();
        declared += info.uncompressedSize;
        m_entries.append({*path,
                          info.name.endsWith(QLatin1Char('/')) || info.name.endsWith(QLatin1Char('\\')),
                          info.uncompressedSize});
        for (QString part = *path; !part.isEmpty(); part = part.section(QLatin1Char('/'), 0, -2))
            m_present.insert(part);
    }
    if (m_zip.getZipError() != UNZ_OK)
        return damaged();
    if (m_entries.isEmpty())
        return QStringLiteral("%1 holds no files").arg(m_name);
    return {};
}

QString Unpacker::Extraction::writeEntries(const std::function<bool(const QString &path)> &wanted)
{
    const QDir folder(m_folder);
    int index = 0;
    for (bool more = m_zip.goToFirstFile(); more && index < m_entries.size();
         more = m_zip.goToNextFile(), ++index) {
        const Entry &entry = m_entries.at(index);
        if (entry.path.isEmpty() || (wanted && !wanted(entry.path)))
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
        const QString error = writeFile(target, entry.size);
        if (!error.isEmpty())
            return error;
    }
    return {};
}

QString Unpacker::Extraction::writeFile(const QString &target, quint64 size)
{
    QuaZipFile in(&m_zip);
    if (!in.open(QIODevice::ReadOnly))
        return damaged();
    QFile out(target);
    // Unbuffered, so a short write (a full disk) is seen at once, with the system's reason.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return cannotWrite(target, out.errorString());
    m_writtenFiles << target;
    QByteArray buffer(int(chunkSize), Qt::Uninitialized);
    quint64 entryBytes = 0;
    for (qint64 n; (n = in.read(buffer.data(), chunkSize)) > 0;) {
        // Counted as written, whatever the directory claims.
        m_written += n;
        entryBytes += quint64(n);
        if (m_written > m_limits.maxUnpackedBytes)
            return tooLarge();
        if (out.write(buffer.constData(), n) != n)
            return cannotWrite(target, writeFailure(out));
    }
    const bool readFailed = in.getZipError() != UNZ_OK;
    in.close();
    // The archive library checks the CRC only when the data reached the declared size: a
    // stream that ends short would pass unnoticed.
    if (readFailed || in.getZipError() != UNZ_OK || entryBytes != size)
        return damaged();
    out.close();
    if (out.error() != QFileDevice::NoError)
        return cannotWrite(target, writeFailure(out));
    return {};
}

// Guards against a link planted in the folder by something other than this archive.
bool Unpacker::Extraction::insideFolder(const QString &path) const
{
    const QString root = QFileInfo(m_folder).canonicalFilePath();
    const QString real = QFileInfo(path).canonicalFilePath();
    return !root.isEmpty() && (real == root || real.startsWith(root + QLatin1Char('/')));
}

void Unpacker::Extraction::removeWritten()
{
    for (const QString &file : qAsConst(m_writtenFiles))
        QFile::remove(file);
    for (const QString &made : qAsConst(m_madeFolders))
        QDir(made).removeRecursively();
    m_writtenFiles.clear();
    m_madeFolders.clear();
}

Unpacker::Unpacker(const QString &zipPath, const QString &folder, const Limits &limits)
    : m_extraction(std::make_unique<Extraction>(zipPath, folder, limits))
{
}

Unpacker::~Unpacker() = default;

QString Unpacker::check()
{
    return m_extraction->check();
}

QStringList Unpacker::files() const
{
    return m_extraction->files();
}

bool Unpacker::holds(const QString &path) const
{
    return m_extraction->holds(path);
}

QString Unpacker::unpack(const std::function<bool(const QString &path)> &wanted)
{
    return m_extraction->unpack(wanted);
}

QString extract(const QString &zipPath, const QString &folder, const Limits &limits)
{
    Unpacker unpacker(zipPath, folder, limits);
    QString error = unpacker.check();
    return error.isEmpty() ? unpacker.unpack() : error;
}

} // namespace archive
