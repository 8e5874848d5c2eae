#include "skin/archive/archive.h"
#include "skin/archive/archiveentry.h"

#include "skin/archive/writefailure.h"
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
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
    while (it.hasNext())
        files << root.relativeFilePath(it.next());
    files.sort();
    return files;
}

// An entry copied as stored is never unpacked, so nothing else would check its data: it is
// inflated alongside the copy (nothing is kept) and its CRC and size compared, so a damaged
// skin stops the build as unpacking it did, instead of passing the damage on as a success.
class EntryCheck
{
public:
    EntryCheck(int method, quint32 crc, quint64 size) : m_crc(crc), m_size(size)
    {
        m_usable = method == 0 || (method == Z_DEFLATED && inflateInit2(&m_stream, -MAX_WBITS) == Z_OK);
        m_inflating = m_usable && method == Z_DEFLATED;
    }
    ~EntryCheck()
    {
        if (m_inflating)
            inflateEnd(&m_stream);
    }
    void add(const char *data, qint64 length)
    {
        if (!m_usable || m_produced == m_size)
            return;
        if (!m_inflating) {
            take(reinterpret_cast<const Bytef *>(data), length);
            return;
        }
        m_stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data));
        m_stream.avail_in = uInt(length);
        // Like unpacking, up to the declared size: what follows it is never read.
        while (m_stream.avail_in > 0 && m_produced < m_size) {
            m_stream.next_out = m_buffer;
            m_stream.avail_out = sizeof m_buffer;
            const int result = inflate(&m_stream, Z_NO_FLUSH);
            take(m_buffer, qint64(sizeof m_buffer - m_stream.avail_out));
            if (result == Z_STREAM_END)
                return;
            if (result != Z_OK) {
                m_usable = false;
                return;
            }
        }
    }
    bool passed() const { return m_usable && m_produced == m_size && m_sum == m_crc; }

private:
    void take(const Bytef *data, qint64 length)
    {
        length = qint64(qMin(quint64(length), m_size - m_produced));
        m_produced += quint64(length);
        m_sum = quint32(crc32(m_sum, data, uInt(length)));
    }

    const quint32 m_crc;
    const quint64 m_size;
    z_stream m_stream{};
    bool m_usable = false;
    bool m_inflating = false;
    quint64 m_produced = 0;
    quint32 m_sum = 0;
    Bytef m_buffer[64 * 1024];
};

bool copyAll(QIODevice &in, QIODevice &out, EntryCheck *check = nullptr)
{
    QByteArray buffer(int(chunkSize), Qt::Uninitialized);
    qint64 n;
    while ((n = in.read(buffer.data(), chunkSize)) > 0) {
        if (check)
            check->add(buffer.constData(), n);
        if (out.write(buffer.constData(), n) != n)
            return false;
    }
    return n == 0;
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
    Repack(const QString &sourceZip, const QString &changedFolder, const QString &zipPath,
           const QSet<QString> &dropped)
        : m_source(sourceZip), m_folder(changedFolder), m_file(zipPath), m_target(zipPath), m_written(dropped)
    {
    }

    QString run();

private:
    QString copyEntries();
    QString addFile(const QString &path, const QuaZipNewInfo &info);
    QString copyRaw(const QString &path, const QuaZipFileInfo64 &info);
    // A file the build adds is dated like the newest entry of the skin, for the same reason.
    QuaZipNewInfo addedEntry(const QString &path) const
    {
        QuaZipNewInfo info(path, QDir(m_folder).filePath(path));
        if (m_newestTime.isValid())
            info.dateTime = m_newestTime;
        return info;
    }
    QString failed(const QString &why) const { return cannotWrite(m_target, why); }
    QString sourceUnreadable() const
    {
        return QStringLiteral("%1 could not be read again while it was repacked")
            .arg(quoted(m_source.getZipName()));
    }

    QuaZip m_source;
    const QString m_folder;
    QSaveFile m_file;
    QuaZip m_zip{&m_file};
    const QString m_target;
    QSet<QString> m_written; // entries already in the new archive, or left out of it
    QDateTime m_newestTime;
};

QString Repack::run()
{
    if (!openForReading(m_source))
        return sourceUnreadable();
    // Unbuffered, so a short write (a full disk) is seen at once, with the system's reason.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(writeFailure(m_file));
    m_zip.setAutoClose(false);  // committed below, only when everything went in
    m_zip.setUtf8Enabled(true); // takes effect only when set before the archive is opened
    if (!m_zip.open(QuaZip::mdCreate))
        return failed(QStringLiteral("the archive could not be started"));
    QString error = copyEntries();
    for (const QString &path : filesBelow(m_folder)) {
        if (error.isEmpty() && !m_written.contains(path))
            error = addFile(path, addedEntry(path));
    }
    m_zip.close();
    m_source.close();
    if (error.isEmpty() && m_zip.getZipError() != ZIP_OK) {
        // The zip library seeks after a failed write, which clears the file's error: a probe
        // write brings the system's reason (a full disk) back.
        const QString why = writeFailure(m_file);
        error = failed(m_file.error() != QFileDevice::NoError
                           ? why
                           : QStringLiteral("the archive could not be finished"));
    }
    if (!error.isEmpty()) {
        m_file.cancelWriting();
        return error;
    }
    if (!m_file.commit())
        return failed(writeFailure(m_file));
    return {};
}

QString Repack::copyEntries()
{
    for (bool more = m_source.goToFirstFile(); more; more = m_source.goToNextFile()) {
        QuaZipFileInfo64 info;
        if (!m_source.getCurrentFileInfo(&info))
            return sourceUnreadable();
        auto path = safeRelativePath(info.name);
        if (!path)
            return sourceUnreadable();
        if (path->isEmpty() || m_written.contains(*path))
            continue;
        if (info.name.endsWith(QLatin1Char('/')) || info.name.endsWith(QLatin1Char('\\')))
            *path += QLatin1Char('/'); // a folder entry stays one
        m_newestTime = qMax(m_newestTime, info.dateTime);
        // A changed entry keeps its date: the same skin and choices give the same archive
        // byte for byte, whenever and from whichever front end it is built.
        QuaZipNewInfo changed(info);
        changed.name = *path;
        const QString changedFile = QDir(m_folder).filePath(*path);
        const QString error =
            QFileInfo(changedFile).isFile() ? addFile(*path, changed) : copyRaw(*path, info);
        if (!error.isEmpty())
            return error;
    }
    return m_source.getZipError() == UNZ_OK ? QString() : sourceUnreadable();
}

QString Repack::addFile(const QString &path, const QuaZipNewInfo &info)
{
    m_written.insert(path);
    const QString source = QDir(m_folder).filePath(path);
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("Cannot read %1: %2").arg(quoted(source), in.errorString());
    QuaZipNewInfo fresh(info);
    fresh.extraLocal.clear();
    fresh.extraGlobal.clear();
    // A PNG is deflated inside already: deflating it again gains well under one percent and
    // costs more time than the rest of packing together. Text deflates well.
    const bool png = path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    QuaZipFile out(&m_zip);
    if (!out.open(QIODevice::WriteOnly, fresh, nullptr, 0, png ? 0 : Z_DEFLATED,
                  png ? 0 : Z_DEFAULT_COMPRESSION) ||
        !copyAll(in, out))
        return failed(writeFailure(m_file));
    out.close();
    return out.getZipError() == ZIP_OK ? QString() : failed(writeFailure(m_file));
}

QString Repack::copyRaw(const QString &path, const QuaZipFileInfo64 &info)
{
    m_written.insert(path);
    int method = 0;
    int level = 0;
    QuaZipFile in(&m_source);
    if (!in.open(QIODevice::ReadOnly, &method, &level, true))
        return sourceUnreadable();
    QuaZipNewInfo copy(info);
    copy.name = path;
    copy.uncompressedSize = ulong(info.uncompressedSize);
    copy.extraLocal = withoutZip64(copy.extraLocal);
    copy.extraGlobal = withoutZip64(copy.extraGlobal);
    QuaZipFile out(&m_zip);
    if (!out.open(QIODevice::WriteOnly, copy, nullptr, info.crc, method, level, true))
        return failed(writeFailure(m_file));
    EntryCheck check(method, info.crc, info.uncompressedSize);
    if (!copyAll(in, out, &check))
        return in.getZipError() != UNZ_OK ? sourceUnreadable() : failed(writeFailure(m_file));
    if (!check.passed())
        return QStringLiteral("%1 is damaged and cannot be unpacked")
            .arg(quoted(QFileInfo(m_source.getZipName()).fileName()));
    out.close();
    in.close();
    return out.getZipError() == ZIP_OK ? QString() : failed(writeFailure(m_file));
}

} // namespace

QString repack(const QString &sourceZip, const QString &changedFolder, const QString &zipPath,
               const QSet<QString> &dropped)
{
    return Repack(sourceZip, changedFolder, zipPath, dropped).run();
}

} // namespace archive
