// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/archive/archive.h"
#include "skin/archive/archiveentry.h"
#include "skin/archive/checkedentry.h"
#include "skin/archive/headerpatches.h"
#include "skin/archive/streamchecks.h"
#include "skin/archive/workpaths.h"

#include "platform/stoprequests.h"
#include "platform/systemerror.h"
#include "support/writefailure.h"
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QSet>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>
#include <quazip/quazipnewinfo.h>
#include <zlib.h>

namespace archive {
namespace {

constexpr qint64 chunkSize = 256 * 1024;

QStringList filesBelow(const QString &folder)
{
    QStringList files;
    const QDir root(folder);
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    // Only the build writes here, each file under its entry's work name.
    while (it.hasNext()) {
        if (const QString path = entryPath(root.relativeFilePath(it.next())); !path.isEmpty())
            files << path;
    }
    files.sort();
    return files;
}

bool copyAll(QIODevice &in, QIODevice &out)
{
    QByteArray buffer(int(chunkSize), Qt::Uninitialized);
    qint64 n;
    while ((n = in.read(buffer.data(), chunkSize)) > 0) {
        if (out.write(buffer.constData(), n) != n)
            return false;
    }
    return n == 0;
}

// The compression level the archive library reads from an entry's flags, and writes back into
// them: a copy keeps the source's flags.
int levelOf(int flags)
{
    switch (flags & 0x06) {
    case 6:
        return 1;
    case 4:
        return 2;
    case 2:
        return 9;
    }
    return 6;
}

// The extra field without its zip64 block: the copy is written with 32-bit sizes, and a stale
// zip64 block would contradict them.
QByteArray withoutZip64(const QByteArray &extra)
{
    QByteArray kept;
    for (int at = 0; at + 4 <= extra.size();) {
        const auto byte = [&extra](int i) { return quint16(quint8(extra.at(i))); };
        const quint16 id = quint16(byte(at) | byte(at + 1) << 8);
        const int size = byte(at + 2) | byte(at + 3) << 8;
        const int end = qMin(extra.size(), at + 4 + size);
        if (id != 0x0001)
            kept += extra.mid(at, end - at);
        at = end;
    }
    return kept;
}

class Repack
{
public:
    Repack(const QString &sourceZip, const QVector<CheckedEntry> &entries, const QString &changedFolder,
           const QString &zipPath, const QSet<QString> &dropped, const Limits &limits)
        : m_source(sourceZip), m_sourceFile(sourceZip), m_entries(entries), m_folder(changedFolder),
          m_folderFiles(filesBelow(changedFolder)), m_file(zipPath), m_target(zipPath), m_dropped(dropped),
          m_limits(limits)
    {
    }

    Result<void> run();

private:
    Result<void> beyondLimits() const;
    Result<void> copyEntries();
    Result<void> addFile(const QString &path, const QuaZipNewInfo &info);
    QuaZipNewInfo asStored(QuaZipNewInfo info, const CheckedEntry &entry);
    Result<void> copyRaw(const CheckedEntry &entry, const QuaZipFileInfo64 &info);
    bool isChanged(const QString &path) const { return m_changed.contains(path); }
    QVector<StoredEntry> entriesToCheck() const;
    // A file the build adds is dated like the newest entry of the skin, for the same reason; a
    // skin without a date gives it the earliest date a zip entry can hold, never the clock's.
    QuaZipNewInfo addedEntry(const QString &path) const
    {
        QuaZipNewInfo info(path, workPath(m_folder, path));
        info.dateTime = m_newestTime.isValid() ? m_newestTime : QDateTime(QDate(1980, 1, 1), QTime(0, 0));
        return info;
    }
    Failure failed(const QString &why) const { return {cannotWrite(m_target, why)}; }
    Failure sourceUnreadable() const
    {
        return {
            QCoreApplication::translate("archiverepack", "%1 could not be read again while it was repacked")
                .arg(quoted(m_source.getZipName()))};
    }

    QuaZip m_source;
    QFile m_sourceFile; // the stored data is read here, past the archive library
    const QVector<CheckedEntry> &m_entries;
    const QString m_folder;
    const QStringList m_folderFiles; // the changed entries and the added ones
    const QSet<QString> m_changed{m_folderFiles.begin(), m_folderFiles.end()};
    QSaveFile m_file;
    HeaderPatches m_device{m_file};
    QuaZip m_zip{&m_device};
    int m_entriesWritten = 0;
    const QString m_target;
    const QSet<QString> m_dropped;
    QSet<QString> m_written; // paths already in the new archive
    QDateTime m_newestTime;
    const Limits m_limits;
};

// The new skin is one to build on: it is held to the limits of a skin read, before it is written.
Result<void> Repack::beyondLimits() const
{
    int count = 0;
    quint64 bytes = 0;
    QSet<QString> inSkin;
    const auto sizeOf = [this](const QString &path) {
        return quint64(QFileInfo(workPath(m_folder, path)).size());
    };
    for (const CheckedEntry &entry : m_entries) {
        inSkin.insert(entry.path);
        if (!m_dropped.contains(entry.path)) {
            ++count;
            bytes += isChanged(entry.path) ? sizeOf(entry.path) : entry.stored.size;
        }
    }
    for (const QString &path : m_folderFiles) {
        if (!inSkin.contains(path) || m_dropped.contains(path)) {
            ++count;
            bytes += sizeOf(path);
        }
    }
    if (count > m_limits.maxEntries)
        return Failure{QCoreApplication::translate(
                           "archiverepack", "The new skin would hold %n entries; a skin may hold at most %1",
                           nullptr, count)
                           .arg(m_limits.maxEntries)};
    if (bytes > quint64(m_limits.maxUnpackedBytes))
        return Failure{
            QCoreApplication::translate("archiverepack", "The new skin would unpack to more than %1")
                .arg(QLocale().formattedDataSize(m_limits.maxUnpackedBytes, 0,
                                                 QLocale::DataSizeTraditionalFormat))};
    return {};
}

Result<void> Repack::run()
{
    if (Result<void> fits = beyondLimits(); !fits)
        return fits;
    // Unbuffered: each entry's bytes are read in one go or in large chunks, never read ahead.
    if (!openForReading(m_source) || !m_sourceFile.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return sourceUnreadable();
    // Unbuffered, so a short write (a full disk) is seen at once, with the system's reason.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        !m_device.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(writeFailure(m_file));
    m_zip.setAutoClose(false); // committed below, only when everything went in
    // Set before the archive is opened, the library flags every name UTF-8; asStored() has the flag
    // taken off again where an entry of the skin had none.
    m_zip.setUtf8Enabled(true);
    m_zip.setFileNameCodec(bytesAsText());
    m_zip.setCommentCodec(bytesAsText()); // as read: every byte of the comment comes back as it was
    if (!m_zip.open(QuaZip::mdCreate))
        return failed(QCoreApplication::translate("archiverepack", "the archive could not be started"));
    m_zip.setComment(m_source.getComment());
    Result<void> written = copyEntries();
    m_zip.setUtf8Enabled(true); // the names the build adds are written as UTF-8, flagged so
    for (const QString &path : m_folderFiles) {
        if (written && !m_written.contains(path))
            written = addFile(path, addedEntry(path));
    }
    // The comment has no UTF-8 flag: written as it was read, it keeps its bytes.
    m_zip.setUtf8Enabled(false);
    m_device.holdDirectory();
    m_zip.close();
    const bool directoryWritten = m_device.finish();
    m_source.close();
    // Windows replaces no file that is open, and the new archive may replace the skin it is made from.
    m_sourceFile.close();
    if (written && (m_zip.getZipError() != ZIP_OK || !directoryWritten)) {
        // The zip library seeks after a failed write, which clears the file's error: a probe
        // write brings the system's reason (a full disk) back.
        const QString why = writeFailure(m_file);
        written =
            failed(m_file.error() != QFileDevice::NoError
                       ? why
                       : QCoreApplication::translate("archiverepack", "the archive could not be finished"));
    }
    if (!written) {
        m_file.cancelWriting();
        return written;
    }
    // A stop from now on waits for the run to end: the archive is either in place with success
    // reported, or never in place.
    platform::letStopRequestsGo();
    if (!m_file.commit())
        return failed(writeFailure(m_file));
    return {};
}

// Entries copied as stored are never unpacked here; their data is checked alongside, as unpacking
// would check it. What unpacking never reads (a folder, a nameless entry) is not checked either.
QVector<StoredEntry> Repack::entriesToCheck() const
{
    QVector<StoredEntry> unchecked;
    for (const CheckedEntry &entry : m_entries) {
        if (!entry.unpacked && !entry.holdsNoFile() && canUnpack(entry.stored.method) &&
            !m_dropped.contains(entry.path) && !isChanged(entry.path))
            unchecked << entry.stored;
    }
    return unchecked;
}

Result<void> Repack::copyEntries()
{
    StreamChecks checks(m_source.getZipName(), entriesToCheck());
    int index = 0;
    for (bool more = m_source.goToFirstFile(); more; more = m_source.goToNextFile(), ++index) {
        QuaZipFileInfo64 info;
        if (index >= m_entries.size() || !m_source.getCurrentFileInfo(&info))
            return sourceUnreadable();
        const CheckedEntry &entry = m_entries.at(index);
        if (m_dropped.contains(entry.path))
            continue;
        m_newestTime = qMax(m_newestTime, info.dateTime);
        // A changed entry keeps its date: the same skin and choices give the same archive
        // byte for byte, whenever and from whichever front end it is built.
        Result<void> copied =
            isChanged(entry.path) ? addFile(entry.path, asStored(info, entry)) : copyRaw(entry, info);
        if (!copied)
            return copied;
    }
    if (m_source.getZipError() != UNZ_OK || index != m_entries.size())
        return sourceUnreadable();
    if (!checks.passed())
        return Failure{QCoreApplication::translate("archiverepack", "%1 is damaged and cannot be unpacked")
                           .arg(quoted(QFileInfo(m_source.getZipName()).fileName()))};
    return {};
}

Result<void> Repack::addFile(const QString &path, const QuaZipNewInfo &info)
{
    m_written.insert(path);
    const QString source = workPath(m_folder, path);
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return Failure{QCoreApplication::translate("archiverepack", "Cannot read %1: %2")
                           .arg(quoted(source), platform::systemErrorText(in.errorString()))};
    QuaZipNewInfo fresh(info);
    fresh.extraLocal.clear();
    fresh.extraGlobal.clear();
    // A PNG is deflated inside already: deflating it again gains well under one percent and
    // costs more time than the rest of packing together. Text deflates well.
    const bool png = path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    QuaZipFile out(&m_zip);
    if (!out.open(QIODevice::WriteOnly, fresh, nullptr, 0, png ? 0 : Z_DEFLATED,
                  png ? 0 : Z_DEFAULT_COMPRESSION))
        return failed(writeFailure(m_file));
    ++m_entriesWritten;
    if (!copyAll(in, out))
        return failed(writeFailure(m_file));
    out.close();
    if (out.getZipError() != ZIP_OK)
        return failed(writeFailure(m_file));
    return {};
}

// The entry about to be written keeps its name's bytes and its UTF-8 flag as they were. The
// library writes a name as UTF-8 when asked to, else as bytesAsText() gives it, which is the bytes
// as they were read.
QuaZipNewInfo Repack::asStored(QuaZipNewInfo info, const CheckedEntry &entry)
{
    const bool utf8 = entry.flags & utf8NameFlag;
    m_zip.setUtf8Enabled(utf8);
    info.name = utf8 ? entry.name : QString::fromLatin1(entry.storedName);
    if (!utf8)
        m_device.dropUtf8Flag(m_entriesWritten);
    return info;
}

Result<void> Repack::copyRaw(const CheckedEntry &entry, const QuaZipFileInfo64 &info)
{
    m_written.insert(entry.path);
    // A folder holds no bytes, whatever its entry declares: unpacking never reads any, so the
    // copy is stored empty and nothing is read or checked for it.
    const StoredEntry stored = entry.folder ? StoredEntry{entry.stored.dataOffset, 0, 0, 0, 0} : entry.stored;
    QuaZipNewInfo copy = asStored(info, entry);
    copy.uncompressedSize = ulong(stored.size);
    copy.extraLocal = withoutZip64(copy.extraLocal);
    copy.extraGlobal = withoutZip64(copy.extraGlobal);
    const bool patched = stored.method == lzmaMethod || stored.method == bzip2Method;
    if (patched)
        m_device.expect(m_entriesWritten, stored.method);
    QuaZipFile out(&m_zip);
    if (!out.open(QIODevice::WriteOnly, copy, nullptr, stored.crc, patched ? 0 : stored.method,
                  levelOf(entry.flags), true))
        return failed(writeFailure(m_file));
    ++m_entriesWritten;
    if (!m_sourceFile.seek(stored.dataOffset))
        return sourceUnreadable();
    QByteArray buffer(int(qMin(quint64(chunkSize), qMax(stored.storedSize, quint64(1)))), Qt::Uninitialized);
    for (quint64 left = stored.storedSize; left > 0;) {
        const qint64 n = m_sourceFile.read(buffer.data(), qint64(qMin(left, quint64(buffer.size()))));
        if (n <= 0)
            return sourceUnreadable();
        if (out.write(buffer.constData(), n) != n)
            return failed(writeFailure(m_file));
        left -= quint64(n);
    }
    out.close();
    const bool written =
        out.getZipError() == ZIP_OK && (!patched || m_device.patchLocalHeader(m_entriesWritten - 1));
    if (!written)
        return failed(writeFailure(m_file));
    return {};
}

} // namespace

Result<void> repackChecked(const QString &sourceZip, const QVector<CheckedEntry> &entries,
                           const QString &changedFolder, const QString &zipPath, const QSet<QString> &dropped,
                           const Limits &limits)
{
    return Repack(sourceZip, entries, changedFolder, zipPath, dropped, limits).run();
}

} // namespace archive
