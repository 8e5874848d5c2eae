#include "skinfixtures.h"

#include "style/tablefile.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

namespace fixtures {

bool writeZip(const QString &path, const QList<ZipEntry> &entries)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate))
        return false;
    for (const ZipEntry &entry : entries) {
        QuaZipNewInfo info(entry.name);
        info.externalAttr = entry.unixMode << 16;
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, info) || file.write(entry.data) != entry.data.size())
            return false;
        file.close();
    }
    zip.close();
    return zip.getZipError() == 0;
}

QMap<QString, QByteArray> readZip(const QString &path)
{
    QMap<QString, QByteArray> files;
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip))
        return files;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFile file(&zip);
        if (file.open(QIODevice::ReadOnly))
            files.insert(file.getActualFileName(), file.readAll());
    }
    return files;
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

QStringList skinLayout(const QString &image, const QStringList &extraLines)
{
    return QStringList{
               QStringLiteral("<skin name=\"Fixture\" image=\"%1\" width=\"400\" height=\"300\">").arg(image),
               QStringLiteral("\t<browser>"),
               QStringLiteral("\t\t<pos x=\"0\" y=\"100\"/>"),
               QStringLiteral("\t\t<size width=\"400\" height=\"200\"/>"),
               QStringLiteral("\t\t<colors background=\"#123456\"/>"),
               QStringLiteral("\t</browser>")} +
           extraLines + QStringList{QStringLiteral("</skin>")};
}

Style defaultStyle()
{
    StyleTable table;
    tablefile::read(tablefile::defaultTablePath, table);
    return tablefile::derive(table);
}

QString sampleSkin()
{
    return qEnvironmentVariable("PANELCRAFT_SOURCE_DIR") + QStringLiteral("/examples/sample-skin.zip");
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

} // namespace fixtures
