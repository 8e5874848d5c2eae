// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/archive/archive.h"

#include "platform/systemerror.h"
#include "skin/archive/archiveentry.h"
#include "skin/archive/checkedentry.h"
#include "skin/archive/directoryrecords.h"
#include "skin/archive/entryplaces.h"
#include "skin/archive/workpaths.h"
#include "support/helperthreads.h"
#include "support/writefailure.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMutex>
#include <QVector>
#include <algorithm>
#include <atomic>
#include <new>
#include <quazip/quazip.h>
#include <quazip/quazipfileinfo.h>
#include <quazip/unzip.h>
#include <zlib.h>

namespace archive {
namespace {

bool isLink(const QuaZipFileInfo64 &info)
{
    constexpr quint32 typeMask = 0170000;
    constexpr quint32 linkType = 0120000;
    return info.isSymbolicLink() || ((info.externalAttr >> 16) & typeMask) == linkType;
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

QString methodName(int method)
{
    return method == bzip2Method ? QStringLiteral("bzip2") : QStringLiteral("LZMA");
}

} // namespace

class Unpacker::Extraction
{
    Q_DECLARE_TR_FUNCTIONS(Unpacker)

public:
    Extraction(const QString &zipPath, const QString &folder, const Limits &limits)
        : m_zip(zipPath), m_file(zipPath), m_name(quoted(QFileInfo(zipPath).fileName())), m_folder(folder),
          m_limits(limits)
    {
    }
    ~Extraction() { m_zip.close(); }

    Result<void> check();
    Result<void> unpack(const std::function<bool(const QString &path)> &wanted);
    QStringList files() const;
    QByteArray peek(const QString &path, qint64 bytes);
    bool holds(const QString &path) const { return m_places.holds(path); }
    Result<void> repack(const QString &changedFolder, const QString &zipPath, const QSet<QString> &dropped);

private:
    Result<void> checkEntries();
    Result<void> checkEntry(const QuaZipFileInfo64 &info, const unz_file_info64 &record,
                            const QByteArray &rawName);
    Result<void> writeEntries(const std::function<bool(const QString &path)> &wanted);
    Result<void> writeFile(QIODevice &archive, const QString &target, CheckedEntry &entry);
    bool insideFolder(const QString &path) const;
    // `message` names the archive as %1 and the entry as %2.
    QString refused(const QString &entry, const QString &message) const
    {
        return message.arg(m_name, printable(entry));
    }
    QString outside(const QString &entry) const
    {
        return refused(entry, tr("%1 was refused: its entry \"%2\" would be written outside the folder it "
                                 "is unpacked into"));
    }
    QString clash(const QString &entry, const EntryPlaces::Taken &taken) const;
    QString damaged() const { return tr("%1 is damaged and cannot be unpacked").arg(m_name); }
    QString tooLarge() const
    {
        const QString limit =
            QLocale().formattedDataSize(m_limits.maxUnpackedBytes, 0, QLocale::DataSizeTraditionalFormat);
        return tr("%1 was refused: it unpacks to more than %2").arg(m_name, limit);
    }
    void removeWritten();

    QuaZip m_zip;
    QFile m_file; // the entries' data is read here, past the archive library
    const QString m_name;
    const QString m_folder;
    const Limits m_limits;
    QVector<CheckedEntry> m_entries;
    EntryPlaces m_places;
    qint64 m_prefixBytes = -1; // before the archive proper; -1: unknown
    qint64 m_fileSize = 0;
    bool m_checked = false;
    std::atomic<qint64> m_written{0};
    QMutex m_writtenLock; // files are unpacked several at once
    QStringList m_writtenFiles;
    QStringList m_madeFolders;
};

Result<void> Unpacker::Extraction::check()
{
    if (!m_file.open(QIODevice::ReadOnly))
        return Failure{tr("%1 is not a zip file or cannot be read").arg(m_name)};
    m_fileSize = m_file.size();
    const DirectoryRecords records = readDirectoryRecords(m_file);
    if (records.inconsistent)
        return Failure{
            tr("%1 is damaged and cannot be unpacked: the extra fields of its entries are inconsistent")
                .arg(m_name)};
    m_prefixBytes = records.prefixBytes;
    if (!openForReading(m_zip)) {
        // The archive library cannot open a zip without entries; name it for what it is.
        if (m_file.seek(0) && m_file.read(4) == QByteArray("PK\x05\x06", 4))
            return Failure{tr("%1 holds no files").arg(m_name)};
        return Failure{tr("%1 is not a zip file or cannot be read").arg(m_name)};
    }
    Result<void> checked = checkEntries();
    m_checked = bool(checked);
    if (!m_checked) {
        m_zip.close();
        m_file.close();
    }
    return checked;
}

Result<void> Unpacker::Extraction::unpack(const std::function<bool(const QString &path)> &wanted)
{
    if (!m_checked)
        return Failure{damaged()};
    Result<void> written = writeEntries(wanted);
    if (!written)
        removeWritten();
    return written;
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

QByteArray Unpacker::Extraction::peek(const QString &path, qint64 bytes)
{
    const auto entry = std::find_if(m_entries.cbegin(), m_entries.cend(),
                                    [&path](const CheckedEntry &e) { return !e.folder && e.path == path; });
    QByteArray head;
    if (!m_checked || entry == m_entries.cend() || !canUnpack(entry->stored.method))
        return head;
    readEntry(m_file, entry->stored, [&](const char *data, qint64 length) {
        head.append(data, int(qMin(length, bytes - head.size())));
        return head.size() < bytes;
    });
    return head;
}

// Everything is checked before the first byte is written, so a refused archive leaves nothing.
Result<void> Unpacker::Extraction::checkEntries()
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
            return Failure{
                tr("%1 was refused: it holds more than %2 entries").arg(m_name).arg(m_limits.maxEntries)};
        if (info.uncompressedSize > limit || declared > limit - info.uncompressedSize)
            return Failure{tooLarge()};
        declared += info.uncompressedSize;
        if (Result<void> checked = checkEntry(info, record, rawName.left(int(record.size_filename)));
            !checked)
            return checked;
    }
    if (m_zip.getZipError() != UNZ_OK)
        return Failure{damaged()};
    if (m_entries.isEmpty())
        return Failure{tr("%1 holds no files").arg(m_name)};
    return {};
}

Result<void> Unpacker::Extraction::checkEntry(const QuaZipFileInfo64 &info, const unz_file_info64 &record,
                                              const QByteArray &rawName)
{
    // Decoded, such names all read as one U+FFFD: two entries would become one.
    const std::optional<QString> decoded = entryName(rawName, int(record.flag));
    if (!decoded)
        return Failure{tr("%1 was refused: its entry \"%2\" has a name that is not valid UTF-8")
                           .arg(m_name, printableBytes(rawName))};
    const QString &name = *decoded;
    if (hasControlCharacter(name))
        return Failure{
            refused(name, tr("%1 was refused: its entry \"%2\" has a control character in its name"))};
    if (isLink(info))
        return Failure{refused(name, tr("%1 was refused: its entry \"%2\" is a symbolic link"))};
    if (info.isEncrypted())
        return Failure{
            tr("%1 is password-protected; Panelcraft can only read skins without a password").arg(m_name)};
    const auto path = safeRelativePath(name);
    if (!path)
        return Failure{outside(name)};
    CheckedEntry entry;
    entry.name = name;
    entry.storedName = rawName;
    entry.path = *path;
    entry.folder = name.endsWith(QLatin1Char('/')) || name.endsWith(QLatin1Char('\\'));
    entry.flags = int(record.flag);
    entry.stored = {0, record.compressed_size, record.uncompressed_size, quint32(record.crc),
                    int(record.compression_method)};
    const int method = entry.stored.method;
    if (!canUnpack(method) && method != bzip2Method && method != lzmaMethod)
        return Failure{tr("%1 was refused: its entry \"%2\" is compressed in a way Panelcraft cannot read "
                          "(method %3)")
                           .arg(m_name, printable(name))
                           .arg(method)};
    // The local header must say what the directory says, the whole name included: a damaged
    // entry is found here, before anything is unpacked or painted, whatever it holds. (Where the
    // records cannot be read so, in a zip64 archive, the archive library's own comparison stands.)
    const auto offset =
        dataOffsetFromRecords(m_file, qint64(unzGetOffset64(m_zip.getUnzFile())), m_prefixBytes);
    if (method == lzmaMethod) {
        // The archive library will not open it at all, not even to pass its bytes through.
        if (!offset)
            return Failure{damaged()};
        entry.stored.dataOffset = *offset;
    } else {
        unzFile zip = m_zip.getUnzFile();
        const bool opened = unzOpenCurrentFile3(zip, nullptr, nullptr, 1, nullptr) == UNZ_OK;
        entry.stored.dataOffset = opened ? qint64(unzGetCurrentFileZStreamPos64(zip)) : 0;
        if (!opened || unzCloseCurrentFile(zip) != UNZ_OK ||
            (m_prefixBytes >= 0 && offset != entry.stored.dataOffset))
            return Failure{damaged()};
    }
    // A stored length running past the archive's end is no length at all: a deflated stream that
    // ends whole before then is taken at its own length, which a copy then writes, and an entry
    // unpacking reads nothing of keeps nothing.
    const quint64 room = quint64(qMax(qint64(0), m_fileSize - entry.stored.dataOffset));
    if (entry.stored.storedSize > room && entry.holdsNoFile()) {
        entry.stored = StoredEntry{entry.stored.dataOffset, 0, 0, 0, 0};
    } else if (entry.stored.storedSize > room && method == Z_DEFLATED) {
        const std::optional<quint64> length = deflatedLength(
            m_file, StoredEntry{entry.stored.dataOffset, room, entry.stored.size, entry.stored.crc, method});
        if (!length)
            return Failure{damaged()};
        entry.stored.storedSize = *length;
    }
    const EntryPlaces::Taken taken = m_places.take(entry.name, entry.path, entry.folder);
    if (taken.clash != EntryPlaces::Clash::None)
        return Failure{clash(entry.name, taken)};
    m_entries.append(entry);
    return {};
}

QString Unpacker::Extraction::clash(const QString &entry, const EntryPlaces::Taken &taken) const
{
    switch (taken.clash) {
    case EntryPlaces::Clash::Twice:
        return refused(entry, tr("%1 was refused: its entry \"%2\" appears twice"));
    case EntryPlaces::Clash::OntoEntry:
        return tr("%1 was refused: its entry \"%2\" would be unpacked onto the entry \"%3\"")
            .arg(m_name, printable(entry), printable(taken.other));
    case EntryPlaces::Clash::OntoFolder:
        return refused(entry, tr("%1 was refused: its entry \"%2\" would be unpacked onto a folder of the "
                                 "same name"));
    case EntryPlaces::Clash::IntoFile:
        return tr("%1 was refused: its entry \"%2\" would be unpacked into the file \"%3\"")
            .arg(m_name, printable(entry), printable(taken.other));
    case EntryPlaces::Clash::None:
        break;
    }
    return {};
}

Result<void> Unpacker::Extraction::writeEntries(const std::function<bool(const QString &path)> &wanted)
{
    QVector<QPair<QString, CheckedEntry *>> files; // each with where it goes
    for (CheckedEntry &entry : m_entries) {
        if (entry.path.isEmpty() || (wanted && !wanted(entry.path)))
            continue;
        const QString target = workPath(m_folder, entry.path);
        const QString parent = entry.folder ? target : QFileInfo(target).path();
        if (!QFileInfo::exists(parent)) {
            QString highest = parent;
            for (QString up = QFileInfo(parent).path(); !QFileInfo::exists(up); up = QFileInfo(up).path())
                highest = up;
            m_madeFolders << highest;
            if (Result<void> made = makeFolder(parent); !made)
                return made;
        }
        if (!insideFolder(parent))
            return Failure{outside(entry.path)};
        if (entry.folder)
            continue;
        if (!canUnpack(entry.stored.method))
            return Failure{tr("%1 was refused: its entry \"%2\" is compressed with %3, which Panelcraft "
                              "cannot unpack")
                               .arg(m_name, printable(entry.name), methodName(entry.stored.method))};
        files << qMakePair(target, &entry);
    }
    // Each file is unpacked on its own, so several can be at once; the first failure in the
    // archive's order is the one told.
    QVector<Result<void>> results(files.size());
    SharedLoop loop(files.size());
    loop.run([&] {
        QFile archive(m_file.fileName());
        const bool open = archive.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        for (int i; (i = loop.take()) >= 0;) {
            results[i] =
                open ? writeFile(archive, files.at(i).first, *files.at(i).second) : Failure{damaged()};
            if (!results.at(i))
                loop.stop();
        }
    });
    const auto failed =
        std::find_if(results.cbegin(), results.cend(), [](const Result<void> &r) { return !r; });
    return failed == results.cend() ? Result<void>() : *failed;
}

Result<void> Unpacker::Extraction::writeFile(QIODevice &archive, const QString &target, CheckedEntry &entry)
{
    QFile out(target);
    // Unbuffered, so a short write (a full disk) is seen at once, with the system's reason.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return Failure{cannotWrite(target, platform::systemErrorText(out.errorString()))};
    {
        const QMutexLocker locker(&m_writtenLock);
        m_writtenFiles << target;
    }
    QString error;
    const StreamResult result = readEntry(archive, entry.stored, [&](const char *data, qint64 length) {
        // Counted as written, whatever the directory claims.
        if ((m_written += length) > m_limits.maxUnpackedBytes)
            error = tooLarge();
        else if (out.write(data, length) != length)
            error = cannotWrite(target, writeFailure(out));
        return error.isEmpty();
    });
    if (result != StreamResult::Intact)
        return Failure{error.isEmpty() ? damaged() : error};
    out.close();
    if (out.error() != QFileDevice::NoError)
        return Failure{cannotWrite(target, writeFailure(out))};
    entry.unpacked = true;
    return {};
}

Result<void> Unpacker::Extraction::repack(const QString &changedFolder, const QString &zipPath,
                                          const QSet<QString> &dropped)
{
    if (!m_checked)
        return Failure{damaged()};
    // The new archive may replace this one.
    m_zip.close();
    m_file.close();
    m_checked = false;
    return repackChecked(m_zip.getZipName(), m_entries, changedFolder, zipPath, dropped, m_limits);
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

Result<void> Unpacker::check()
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

Result<void> Unpacker::unpack(const std::function<bool(const QString &path)> &wanted)
{
    return m_extraction->unpack(wanted);
}

QByteArray Unpacker::peek(const QString &path, qint64 bytes)
{
    return m_extraction->peek(path, bytes);
}

Result<void> Unpacker::repack(const QString &changedFolder, const QString &zipPath,
                              const QSet<QString> &dropped)
{
    return m_extraction->repack(changedFolder, zipPath, dropped);
}

Result<void> extract(const QString &zipPath, const QString &folder, const Limits &limits)
{
    Unpacker unpacker(zipPath, folder, limits);
    Result<void> checked = unpacker.check();
    return checked ? unpacker.unpack() : checked;
}

Result<void> repack(const QString &sourceZip, const QString &changedFolder, const QString &zipPath,
                    const QSet<QString> &dropped)
{
    Unpacker unpacker(sourceZip, QString());
    Result<void> checked = unpacker.check();
    return checked ? unpacker.repack(changedFolder, zipPath, dropped) : checked;
}

} // namespace archive
