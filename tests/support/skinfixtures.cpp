// SPDX-License-Identifier: GPL-3.0-or-later
#include "skinfixtures.h"

#include "strictpng.h"

#include "style/stylekeys.h"
#include "style/tablefile.h"
#include "support/resources.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDataStream>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTextCodec>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>
#include <quazip/unzip.h>

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

// Every test and fuzz program reads the compiled-in tables, images and translations.
Q_COREAPP_STARTUP_FUNCTION(initPanelcraftResources)

namespace fixtures {
namespace {

// A name stored without the UTF-8 flag reads as its bytes, one character each (Latin-1, which
// every Qt has): a test sees exactly the bytes a build wrote.
QTextCodec *bytesAsText()
{
    return QTextCodec::codecForMib(4);
}

bool openZip(QuaZip &zip)
{
    zip.setFileNameCodec(bytesAsText());
    return zip.open(QuaZip::mdUnzip);
}

} // namespace

bool writeZip(const QString &path, const QList<ZipEntry> &entries)
{
    QuaZip zip(path);
    zip.setFileNameCodec(bytesAsText());
    // The flag is the archive's: one entry without it makes them all so.
    zip.setUtf8Enabled(
        std::all_of(entries.begin(), entries.end(), [](const ZipEntry &e) { return e.utf8Name; }));
    if (!zip.open(QuaZip::mdCreate))
        return false;
    for (const ZipEntry &entry : entries) {
        QuaZipNewInfo info(entry.name);
        info.externalAttr = entry.unixMode << 16;
        info.extraLocal = info.extraGlobal = entry.extra;
        info.comment = entry.comment;
        QuaZipFile file(&zip);
        const bool raw = !entry.stored.isEmpty();
        info.uncompressedSize = ulong(entry.data.size());
        const auto crc = quint32(
            crc32(0, reinterpret_cast<const Bytef *>(entry.data.constData()), uInt(entry.data.size())));
        const QByteArray &bytes = raw ? entry.stored : entry.data;
        if (!file.open(QIODevice::WriteOnly, info, entry.password, raw ? crc : 0,
                       raw ? entry.method : Z_DEFLATED, entry.level, raw) ||
            file.write(bytes) != bytes.size())
            return false;
        file.close();
    }
    zip.close();
    return zip.getZipError() == 0;
}

QMap<QString, QByteArray> readZip(const QString &path, bool stored)
{
    QMap<QString, QByteArray> files;
    QuaZip zip(path);
    for (bool more = openZip(zip) && zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFile file(&zip);
        if (file.open(QIODevice::ReadOnly, nullptr, nullptr, stored))
            files.insert(file.getActualFileName(), file.readAll());
    }
    return files;
}

QStringList zipNames(const QString &path)
{
    QStringList names; // the library's own list ends at an empty name
    QuaZip zip(path);
    for (bool more = openZip(zip) && zip.goToFirstFile(); more; more = zip.goToNextFile())
        names << zip.getCurrentFileName();
    return names;
}

QList<QPair<QByteArray, bool>> storedNames(const QString &path)
{
    QList<QPair<QByteArray, bool>> names;
    QByteArray name(0x10000, Qt::Uninitialized);
    QuaZip zip(path);
    for (bool more = openZip(zip) && zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        unz_file_info64 record{};
        if (unzGetCurrentFileInfo64(zip.getUnzFile(), &record, name.data(), uLong(name.size()), nullptr, 0,
                                    nullptr, 0) != UNZ_OK)
            break;
        names << qMakePair(name.left(int(record.size_filename)), (record.flag & 0x800) != 0);
    }
    return names;
}

QImage imageIn(const QMap<QString, QByteArray> &files, const QString &name)
{
    const QString problem = files.contains(name) ? strictPngProblem(files.value(name)) : QString();
    if (!problem.isEmpty()) {
        qWarning("%s would not open in a strict reader: %s", qPrintable(name), qPrintable(problem));
        return {};
    }
    return QImage::fromData(files.value(name), "PNG");
}

QByteArray png(int width, int height, const QColor &colour)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray pngDeclaring(quint32 width, quint32 height)
{
    QByteArray header("IHDR");
    QDataStream(&header, QIODevice::Append) << width << height << quint32(0x08060000) << quint8(0);
    QByteArray png("\x89PNG\r\n\x1a\n");
    QDataStream out(&png, QIODevice::Append);
    out << quint32(13);
    out.writeRawData(header.constData(), header.size());
    out << quint32(crc32(0, reinterpret_cast<const Bytef *>(header.constData()), uInt(header.size())));
    // An empty data chunk and the end: readers measure the image without complaint.
    png += QByteArray::fromHex("000000004944415435af061e"
                               "0000000049454e44ae426082");
    return png;
}

QByteArray noise(int bytes)
{
    QByteArray data(bytes, Qt::Uninitialized);
    QRandomGenerator(12).fillRange(reinterpret_cast<quint32 *>(data.data()), bytes / 4);
    return data;
}

QByteArray xml(const QStringList &lines)
{
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

QStringList lines(const QByteArray &text)
{
    QStringList result = QString::fromUtf8(text).split(QLatin1Char('\n'));
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}

Style defaultStyle()
{
    StyleTable table;
    tablefile::read(tablefile::defaultTablePath, table);
    return tablefile::derive(table);
}

Style distinctStyle()
{
    Style style;
    for (int i = 0; i < stylekeys::colourKeyCount; ++i) {
        const auto &key = stylekeys::colourKeys[i];
        style.colours[std::size_t(i)] =
            QColor(0x10 + i, 0x5a, 0xc3, key.alpha || key.transparent ? 0x80 : 0xff);
    }
    for (int i = 0; i < stylekeys::fontGroupCount; ++i)
        style.fonts[std::size_t(i)] = {QLatin1String("Family & ") +
                                           QLatin1String(stylekeys::fontGroups[i].prefix),
                                       QStringLiteral("Weight%1").arg(i), 40 + 3 * i};
    return style;
}

bool refusedByWindows(const QString &name)
{
    static const QRegularExpression refused("^(con|prn|aux|nul|com\\d|lpt\\d|conin\\$|conout\\$) *(\\..*)?$|"
                                            "[<>:\"\\\\|?*~]|[. ]$",
                                            QRegularExpression::CaseInsensitiveOption);
    return refused.match(name).hasMatch();
}

QString sourcePath(const QString &relative)
{
    return qEnvironmentVariable("PANELCRAFT_SOURCE_DIR") + QLatin1Char('/') + relative;
}

QString sampleSkin()
{
    return sourcePath(QStringLiteral("examples/sample-skin.zip"));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

QStringList entriesBelow(const QString &folder, QDir::Filters filters)
{
    QStringList found;
    QDirIterator it(folder, filters | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(folder).relativeFilePath(it.next());
    found.sort();
    return found;
}

QMap<QString, QByteArray> filesBelow(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : entriesBelow(folder, QDir::Files))
        files.insert(name, readFile(QDir(folder).filePath(name)));
    return files;
}

int pixelsWhere(const QImage &image, const std::function<bool(QRgb)> &counted)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += counted(image.pixel(x, y));
    return count;
}

bool nearlyEqual(const QImage &a, const QImage &b, int maxStep, double maxShare)
{
    if (a.size() != b.size())
        return false;
    qint64 off = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int step = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                       std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            if (step > maxStep)
                return false;
            off += step > 0;
        }
    }
    return off <= maxShare * double(a.width()) * a.height();
}

QProcess *startCli(const QString &home, const QStringList &arguments, const QString &program,
                   const QString &language)
{
    auto *process = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
    env.insert(QStringLiteral("TMPDIR"), home + QStringLiteral("/tmp"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM")); // the CLI must manage without a display by itself
    env.insert(QStringLiteral("LANGUAGE"), language);
    process->setProcessEnvironment(env);
    process->setWorkingDirectory(home);
    process->setReadChannel(QProcess::StandardError);
    process->start(program.isEmpty() ? qEnvironmentVariable("PANELCRAFT_CLI") : program, arguments);
    return process;
}

// What the CLI writes to a pipe: on Windows UTF-8 lines ending in CR LF, elsewhere the locale's.
static QString cliText(const QByteArray &bytes)
{
#ifdef Q_OS_WIN
    return QString::fromUtf8(bytes).replace(QLatin1String("\r\n"), QLatin1String("\n"));
#else
    return QString::fromLocal8Bit(bytes);
#endif
}

CliRun runCli(const QString &home, const QStringList &arguments, const QString &program,
              const QString &language)
{
    const std::unique_ptr<QProcess> process(startCli(home, arguments, program, language));
    const bool ended = process->waitForFinished(120000) && process->exitStatus() == QProcess::NormalExit;
    QString err = cliText(process->readAllStandardError());
    if (!ended) // why, for the failure message: not started, crashed, or still running
        err += QStringLiteral("\n[the CLI did not end normally: %1; exit code %2]")
                   .arg(process->errorString())
                   .arg(process->exitCode());
    return {ended ? process->exitCode() : -1, cliText(process->readAllStandardOutput()), err};
}

} // namespace fixtures
