#include "skin/archive/archive.h"

#include "skin/archive/archiveentry.h"
#include "skin/archive/checkedentry.h"
#include "skin/archive/writefailure.h"
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTextCodec>
#include <QVector>
#include <quazip/quazip.h>
#include <quazip/quazipfileinfo.h>
#include <quazip/unzip.h>

namespace archive {
namespace {

constexpr int utf8NameFlag = 0x800;

bool isLink(const QuaZipFileInfo64 &info)
{
    constexpr quint32 typeMask = 0170000;
    constexpr quint32 linkType = 0120000;
    return info.isSymbolicLink() || ((info.externalAttr >> 16) & typeMask) == linkType;
}

bool validUtf8(const QByteArray &bytes)
{
    QTextCodec::ConverterState state;
    QTextCodec::codecForMib(106)->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}

// A name that is not text, for a message: bytes outside printable ASCII as \xNN.
QString printableBytes(const QByteArray &bytes)
{
    QString out;
    for (const char c : bytes) {
        const auto byte = quint8(c);
        out += byte >= 0x20 && byte < 0x7f ? QString(QLatin1Char(c))
                                           : QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
    }
    return out;
}

int u16(const QByteArray &bytes, int at)
{
    return int(quint8(bytes.at(at))) | int(quint8(bytes.at(at + 1))) << 8;
}

quint32 u32(const QByteArray &bytes, int at)
{
    return quint32(u16(bytes, at)) | quint32(u16(bytes, at + 2)) << 16;
}

QString methodName(int method)
{
    constexpr int bzip2 = 12;
    return method == bzip2 ? QStringLiteral("bzip2") : QStringLiteral("LZMA");
}

} // namespace

class Unpacker::Extraction
{
public:
    Extraction(const QString &zipPath, const QString &folder, const Limits &limits)
        : m_zip(zipPath), m_file(zipPath), m_name(quoted(QFileInfo(zipPath).fileName())), m_folder(folder),
          m_limits(limits)
    {
    }
    ~Extraction() { m_zip.close(); }

    QString check();
    QString unpack(const std::function<bool(const QString &path)> &wanted);
    QStringList files() const;
    bool holds(const QString &path) const { return m_present.contains(path); }
    QString repack(const QString &changedFolder, const QString &zipPath, const QSet<QString> &dropped);

private:
    QString checkDirectory();
    QString checkEntries();
    QString checkEntry(const QuaZipFileInfo64 &info, const unz_file_info64 &record,
                       const QByteArray &rawName);
    QString checkPlace(const CheckedEntry &entry);
    std::optional<qint64> dataOffsetFromRecords();
    QString writeEntries(const std::function<bool(const QString &path)> &wanted);
    QString writeFile(const QString &target, CheckedEntry &entry);
    bool insideFolder(const QString &path) const;
    QString refused(const QString &entry, const QString &why) const
    {
        return QStringLiteral("%1 was refused: its entry \"%2\" %3").arg(m_name, printable(entry), why);
    }
    QString outside(const QString &entry) const
    {
        return refused(entry, QStringLiteral("would be written outside the folder it is unpacked into"));
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
    QFile m_file; // the entries' data is read here, past the archive library
    const QString m_name;
    const QString m_folder;
    const Limits m_limits;
    QVector<CheckedEntry> m_entries;
    QSet<QString> m_present;              // files and folders a full unpacking makes
    QHash<QString, QString> m_namedPaths; // the path of each entry, to the entry's stored name
    QSet<QString> m_filePaths;
    qint64 m_prefixBytes = -1; // before the first entry; unknown in a zip64 archive
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
    if (!m_file.open(QIODevice::ReadOnly))
        return QStringLiteral("%1 is not a zip file or cannot be read").arg(m_name);
    error = checkEntries();
    m_checked = error.isEmpty();
    if (!m_checked) {
        m_zip.close();
        m_file.close();
    }
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
    m_prefixBytes = endAt - size - u32(tail, end + 16); // a self-extractor's program, or none
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
    for (const CheckedEntry &entry : m_entries) {
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
    QByteArray rawName(0x10000, Qt::Uninitialized);
    for (bool more = m_zip.goToFirstFile(); more; more = m_zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        unz_file_info64 record{};
        if (!m_zip.getCurrentFileInfo(&info) ||
            unzGetCurrentFileInfo64(m_zip.getUnzFile(), &record, rawName.data(), uLong(rawName.size()),
                                    nullptr, 0, nullptr, 0) != UNZ_OK)
            break;
        if (m_entries.size() >= m_limits.maxEntries)
            return QStringLiteral("%1 was refused: it holds more than %2 entries")
                .arg(m_name)
                .arg(m_limits.maxEntries);
        if (info.uncompressedSize > limit || declared > limit - info.uncompressedSize)
            return tooLarge();
        declared += info.uncompressedSize;
        const QString error = checkEntry(info, record, rawName.left(int(record.size_filename)));
        if (!error.isEmpty())
            return error;
    }
    if (m_zip.getZipError() != UNZ_OK)
        return damaged();
    if (m_entries.isEmpty())
        return QStringLiteral("%1 holds no files").arg(m_name);
    return {};
}

QString Unpacker::Extraction::checkEntry(const QuaZipFileInfo64 &info, const unz_file_info64 &record,
                                         const QByteArray &rawName)
{
    // Decoded, such names all read as one U+FFFD: two entries would become one.
    if ((record.flag & utf8NameFlag) && !validUtf8(rawName))
        return QStringLiteral("%1 was refused: its entry \"%2\" has a name that is not valid UTF-8")
            .arg(m_name, printableBytes(rawName));
    if (hasControlCharacter(info.name))
        return refused(info.name, QStringLiteral("has a control character in its name"));
    if (isLink(info))
        return refused(info.name, QStringLiteral("is a symbolic link"));
    if (info.isEncrypted())
        return QStringLiteral("%1 is password-protected; Panelcraft can only read skins without a password")
            .arg(m_name);
    const auto path = safeRelativePath(info.name);
    if (!path)
        return outside(info.name);
    CheckedEntry entry;
    entry.name = info.name;
    entry.path = *path;
    entry.folder = info.name.endsWith(QLatin1Char('/')) || info.name.endsWith(QLatin1Char('\\'));
    entry.flags = int(record.flag);
    entry.stored = {0, record.compressed_size, record.uncompressed_size, quint32(record.crc),
                    int(record.compression_method)};
    constexpr int bzip2 = 12;
    constexpr int lzma = 14;
    const int method = entry.stored.method;
    if (!canUnpack(method) && method != bzip2 && method != lzma)
        return refused(
            info.name,
            QStringLiteral("is compressed in a way Panelcraft cannot read (method %1)").arg(method));
    if (method == lzma) {
        const auto offset = dataOffsetFromRecords();
        if (!offset)
            return damaged();
        entry.stored.dataOffset = *offset;
    } else {
        // Opening it reads its local header and compares it with the directory: a damaged entry
        // is found here, before anything is unpacked or painted, whatever it holds.
        unzFile zip = m_zip.getUnzFile();
        const bool opened = unzOpenCurrentFile3(zip, nullptr, nullptr, 1, nullptr) == UNZ_OK;
        entry.stored.dataOffset = opened ? qint64(unzGetCurrentFileZStreamPos64(zip)) : 0;
        if (!opened || unzCloseCurrentFile(zip) != UNZ_OK)
            return damaged();
    }
    const QString error = checkPlace(entry);
    if (error.isEmpty())
        m_entries.append(entry);
    return error;
}

// The archive library will not open an LZMA entry at all, not even to pass its stored bytes
// through: they are found from its records here (in an archive without zip64 records).
std::optional<qint64> Unpacker::Extraction::dataOffsetFromRecords()
{
    constexpr int recordSize = 46;
    constexpr int localHeaderSize = 30;
    if (m_prefixBytes < 0 || !m_file.seek(qint64(unzGetOffset64(m_zip.getUnzFile())) + m_prefixBytes))
        return std::nullopt;
    const QByteArray record = m_file.read(recordSize);
    if (record.size() < recordSize || !record.startsWith(QByteArray("PK\x01\x02", 4)) ||
        u32(record, 42) == 0xffffffffu)
        return std::nullopt;
    const qint64 header = qint64(u32(record, 42)) + m_prefixBytes;
    if (!m_file.seek(header))
        return std::nullopt;
    const QByteArray local = m_file.read(localHeaderSize);
    if (local.size() < localHeaderSize || !local.startsWith(QByteArray("PK\x03\x04", 4)) ||
        u16(local, 8) != u16(record, 10) || u16(local, 26) != u16(record, 28))
        return std::nullopt;
    return header + localHeaderSize + u16(local, 26) + u16(local, 28);
}

// Every entry keeps a place of its own: unpacked, "./a" and "a", or "a//b" and "a/b", would
// land on one file, and one of them would be lost.
QString Unpacker::Extraction::checkPlace(const CheckedEntry &entry)
{
    if (entry.path.isEmpty())
        return {}; // never unpacked; copied under its stored name
    const auto named = m_namedPaths.constFind(entry.path);
    if (named != m_namedPaths.constEnd())
        return refused(
            entry.name,
            *named == entry.name
                ? QStringLiteral("appears twice")
                : QStringLiteral("would be unpacked onto the entry \"%1\"").arg(printable(*named)));
    if (!entry.folder && m_present.contains(entry.path))
        return refused(entry.name, QStringLiteral("would be unpacked onto a folder of the same name"));
    for (QString part = entry.path.section(QLatin1Char('/'), 0, -2); !part.isEmpty();
         part = part.section(QLatin1Char('/'), 0, -2)) {
        if (m_filePaths.contains(part))
            return refused(entry.name, QStringLiteral("would be unpacked into the file \"%1\"")
                                           .arg(printable(m_namedPaths.value(part))));
        m_present.insert(part);
    }
    m_namedPaths.insert(entry.path, entry.name);
    m_present.insert(entry.path);
    if (!entry.folder)
        m_filePaths.insert(entry.path);
    return {};
}

QString Unpacker::Extraction::writeEntries(const std::function<bool(const QString &path)> &wanted)
{
    const QDir folder(m_folder);
    for (CheckedEntry &entry : m_entries) {
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
        if (!canUnpack(entry.stored.method))
            return refused(entry.name, QStringLiteral("is compressed with %1, which Panelcraft cannot unpack")
                                           .arg(methodName(entry.stored.method)));
        const QString error = writeFile(target, entry);
        if (!error.isEmpty())
            return error;
    }
    return {};
}

QString Unpacker::Extraction::writeFile(const QString &target, CheckedEntry &entry)
{
    QFile out(target);
    // Unbuffered, so a short write (a full disk) is seen at once, with the system's reason.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return cannotWrite(target, out.errorString());
    m_writtenFiles << target;
    QString error;
    const StreamResult result = readEntry(m_file, entry.stored, [&](const char *data, qint64 length) {
        // Counted as written, whatever the directory claims.
        m_written += length;
        if (m_written > m_limits.maxUnpackedBytes)
            error = tooLarge();
        else if (out.write(data, length) != length)
            error = cannotWrite(target, writeFailure(out));
        return error.isEmpty();
    });
    if (result != StreamResult::Intact)
        return error.isEmpty() ? damaged() : error;
    out.close();
    if (out.error() != QFileDevice::NoError)
        return cannotWrite(target, writeFailure(out));
    entry.unpacked = true;
    return {};
}

QString Unpacker::Extraction::repack(const QString &changedFolder, const QString &zipPath,
                                     const QSet<QString> &dropped)
{
    if (!m_checked)
        return damaged();
    // The new archive may replace this one.
    m_zip.close();
    m_file.close();
    m_checked = false;
    return repackChecked(m_zip.getZipName(), m_entries, changedFolder, zipPath, dropped);
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

QString Unpacker::repack(const QString &changedFolder, const QString &zipPath, const QSet<QString> &dropped)
{
    return m_extraction->repack(changedFolder, zipPath, dropped);
}

QString extract(const QString &zipPath, const QString &folder, const Limits &limits)
{
    Unpacker unpacker(zipPath, folder, limits);
    QString error = unpacker.check();
    return error.isEmpty() ? unpacker.unpack() : error;
}

QString repack(const QString &sourceZip, const QString &changedFolder, const QString &zipPath,
               const QSet<QString> &dropped)
{
    Unpacker unpacker(sourceZip, QString());
    const QString error = unpacker.check();
    return error.isEmpty() ? unpacker.repack(changedFolder, zipPath, dropped) : error;
}

} // namespace archive
