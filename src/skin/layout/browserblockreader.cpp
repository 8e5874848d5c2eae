// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/layout/browserblockreader.h"

#include "skin/archive/archive.h"
#include "skin/archive/workpaths.h"
#include "skin/layout/browserblock.h"
#include "skin/layout/layoutfile.h"
#include "style/lineheight.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace browserblock {
namespace {

// Sizes written by the program are point sizes; anything beyond is not a font size.
constexpr int largestFontSize = 999;
// A layout file larger than this is no skin layout.
constexpr qint64 largestLayoutBytes = qint64(64) << 20;

// A style whose every value is a distinct marker, so the written block says where each key goes.
QHash<QString, QString> markerKeys(Style &style)
{
    QHash<QString, QString> keys;
    for (int i = 0; i < stylekeys::colourKeyCount; ++i) {
        const QString key = QLatin1String(stylekeys::colourKeys[i].key);
        style.colours[std::size_t(i)] = QColor(0x10, 0x20, i);
        keys.insert(style.colourName(key), key);
    }
    for (int i = 0; i < stylekeys::fontGroupCount; ++i) {
        const auto &group = stylekeys::fontGroups[i];
        const QString marker = QStringLiteral("marker%1").arg(i);
        style.fonts[std::size_t(i)] = {marker + QLatin1String("family"), marker + QLatin1String("weight"),
                                       largestFontSize + 1 + i};
        keys.insert(style.fonts[std::size_t(i)].family, stylekeys::nameKey(group));
        keys.insert(style.fonts[std::size_t(i)].weight, stylekeys::weightKey(group));
        keys.insert(QString::number(style.fonts[std::size_t(i)].size), stylekeys::sizeKey(group));
    }
    return keys;
}

// Walks the elements inside the first <browser>, calling visit(path, attributes) for each,
// where path is the element names below <browser> joined with "/". False when there is none.
template <typename Visit> bool walkBrowser(QXmlStreamReader &xml, QXmlStreamAttributes &browser, Visit visit)
{
    while (!xml.atEnd() &&
           !(xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("browser"))) {
    }
    if (xml.atEnd())
        return false;
    browser = xml.attributes();
    QStringList path;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            path << xml.name().toString();
            visit(path.join(QLatin1Char('/')), xml.attributes());
        } else if (token == QXmlStreamReader::EndElement) {
            if (path.isEmpty())
                return true;
            path.removeLast();
        }
    }
    return true;
}

// "colors/lists@over" -> "list_over", learnt from the writer's own block.
const QHash<QString, QString> &attributeKeys()
{
    static const QHash<QString, QString> keys = [] {
        Style style;
        const QHash<QString, QString> markers = markerKeys(style);
        const QString block = QLatin1String("<browser>") + contentBlock(style, 0).join(QLatin1Char('\n')) +
                              QLatin1String("</browser>");
        QHash<QString, QString> found;
        QXmlStreamReader xml(block);
        QXmlStreamAttributes browser;
        walkBrowser(xml, browser, [&](const QString &path, const QXmlStreamAttributes &attributes) {
            for (const QXmlStreamAttribute &attribute : attributes)
                if (markers.contains(attribute.value().toString()))
                    found.insert(path + QLatin1Char('@') + attribute.name(),
                                 markers.value(attribute.value().toString()));
        });
        return found;
    }();
    return keys;
}

} // namespace

Result<ReadValues> readBlock(const QByteArray &text)
{
    QXmlStreamReader xml(text);
    QXmlStreamAttributes browser;
    ReadValues read;
    const bool found =
        walkBrowser(xml, browser, [&read](const QString &path, const QXmlStreamAttributes &attributes) {
            for (const QXmlStreamAttribute &attribute : attributes) {
                const QString key = attributeKeys().value(path + QLatin1Char('@') + attribute.name());
                if (!key.isEmpty() && !read.values.contains(key))
                    read.values.insert(key, attribute.value().toString());
            }
        });
    if (xml.hasError() && !found)
        return Failure{QCoreApplication::translate("browserblockreader",
                                                   "The skin's layout could not be read: %1 (line %2)")
                           .arg(xml.errorString())
                           .arg(xml.lineNumber())};
    if (!found)
        return Failure{QCoreApplication::translate(
            "browserblockreader", "The skin's layout has no <browser> block to take colours from.")};
    QString lineHeight = browser.value(QLatin1String("lineheight")).toString();
    lineHeight.remove(QLatin1Char('%'));
    bool number = false;
    const int percent = lineHeight.trimmed().toInt(&number);
    // The editor's field takes only the line heights a skin can have.
    if (number && lineheight::inRange(percent))
        read.lineHeight = percent;
    return read;
}

Result<ReadValues> readSkinBlock(const QString &zipPath)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        return Failure{QCoreApplication::translate("browserblockreader",
                                                   "No temporary folder could be made to unpack the skin.")};
    if (Result<void> unpacked = archive::extract(zipPath, folder.path()); !unpacked)
        return Failure{unpacked.error()};
    const QStringList layouts = layoutfile::layoutNames(folder.path());
    if (layouts.isEmpty())
        return Failure{noXmlFilesMessage()};
    // A compact layout may have no browser at all: the colours are in the first layout that has one.
    QString firstError;
    for (const QString &name : layouts) {
        QFile layout(archive::workPath(folder.path(), name));
        Result<ReadValues> read =
            layout.size() > largestLayoutBytes || !layout.open(QIODevice::ReadOnly)
                ? Failure{QCoreApplication::translate("browserblockreader",
                                                      "The skin's layout %1 could not be read.")
                              .arg(name)}
                : readBlock(layout.readAll());
        if (read)
            return read;
        if (firstError.isEmpty())
            firstError = read.error();
    }
    return Failure{
        layouts.size() == 1
            ? firstError
            : QCoreApplication::translate(
                  "browserblockreader", "No layout of the skin has a <browser> block to take colours from.")};
}

Style applyBlock(const ReadValues &read, Style style)
{
    for (int i = 0; i < stylekeys::colourKeyCount; ++i) {
        const QString text = read.values.value(QLatin1String(stylekeys::colourKeys[i].key));
        if (QColor::isValidColor(text))
            style.colours[std::size_t(i)] = QColor(text);
    }
    for (int i = 0; i < stylekeys::fontGroupCount; ++i) {
        const auto &group = stylekeys::fontGroups[i];
        FontSpec &font = style.fonts[std::size_t(i)];
        font.family = read.values.value(stylekeys::nameKey(group), font.family);
        font.weight = read.values.value(stylekeys::weightKey(group), font.weight);
        bool number = false;
        const int size = read.values.value(stylekeys::sizeKey(group)).toInt(&number);
        if (number && size > 0 && size <= largestFontSize)
            font.size = size;
    }
    return style;
}

} // namespace browserblock
