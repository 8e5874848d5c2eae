// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/layout/sourcescan.h"

#include "skin/archive/workpaths.h"
#include "skin/images/imagelimits.h"
#include "skin/layout/layoutfile.h"
#include "skin/layout/xmlrewriter.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace sourcescan {
namespace {

bool isWindow(const xmltokens::Document &document, const xmltokens::Element &element)
{
    return document.name(element).compare(QLatin1String("window"), Qt::CaseInsensitive) == 0;
}

std::optional<CustomSheet> parseDeclaration(const xmltokens::Element &element, const QString &imageName)
{
    const auto number = [&element](const char *name) {
        return xmltokens::Document::attribute(element, QLatin1String(name)).toInt(); // 0 when absent
    };
    CustomSheet sheet{imageName, number("x"), number("y"), {number("iconsize"), number("nb"), number("nbx")}};
    const iconsheets::Layout &l = sheet.layout;
    if (l.iconSize <= 0 || l.count <= 0 || l.perRow <= 0 || l.iconSize > imagelimits::maxSide ||
        l.perRow > imagelimits::maxSide)
        return std::nullopt;
    // In 64 bits: the declared numbers are chosen by whoever made the archive.
    const qint64 width = qint64(l.iconSize) * l.perRow;
    const qint64 height = qint64(l.iconSize) * l.count / l.perRow;
    if (width > imagelimits::maxSide || height > imagelimits::maxSide ||
        width * height > imagelimits::maxPixels)
        return std::nullopt;
    return sheet;
}

// The images the elements of a whole element's text name, decoded.
QStringList imagesNamed(const QString &element)
{
    QStringList images;
    QXmlStreamReader reader(element);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement &&
            reader.attributes().hasAttribute(QLatin1String("image")))
            images << reader.attributes().value(QLatin1String("image")).toString();
    }
    return images;
}

} // namespace

QStringList scannedElements()
{
    return {QStringLiteral("skin"), QStringLiteral("window"), QStringLiteral("customicons")};
}

QList<Layout> readLayouts(const QString &folder, const QStringList &keepAttributesOf)
{
    QList<Layout> layouts;
    for (const QString &name : layoutfile::layoutNames(folder)) {
        const layoutfile::LayoutFile file = layoutfile::read(archive::workPath(folder, name));
        if (file.problem.isEmpty())
            layouts << Layout{QFileInfo(name).completeBaseName(),
                              xmltokens::read(file.text, keepAttributesOf)};
    }
    return layouts;
}

Windows windows(const QList<Layout> &layouts)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    Windows found;
    for (const Layout &layout : layouts) {
        const xmltokens::Document &document = layout.document;
        int windowEnd = 0; // the end of the window last taken: windows inside it come with it
        for (const xmltokens::Element &element : document.elements) {
            if (element.start < windowEnd || !isWindow(document, element))
                continue;
            if (!element.closed) {
                ++found.unfinished;
                windowEnd = document.text.size();
                continue;
            }
            windowEnd = element.end;
            // From the start of its line: the window keeps its indentation.
            const int indent = xmltokens::indentStart(document.text, element.start);
            const int from = indent < 0 ? element.start : indent;
            found.lines += document.text.mid(from, element.end - from).split(lineEnd);
            if (element.attributes.hasAttribute(QLatin1String("name")))
                found.names << xmltokens::Document::attribute(element, QLatin1String("name"));
            found.images += imagesNamed(document.text.mid(element.start, element.end - element.start));
        }
    }
    return found;
}

std::optional<CustomSheet> findDeclaration(const QList<Layout> &layouts)
{
    for (const Layout &layout : layouts) {
        const xmltokens::Document &document = layout.document;
        QVector<QString> images(document.elements.size()); // the skin image each element lies in
        for (int i = 0; i < document.elements.size(); ++i) {
            const xmltokens::Element &element = document.elements.at(i);
            const QStringRef name = document.name(element);
            images[i] = name.compare(QLatin1String("skin"), Qt::CaseInsensitive) == 0
                            ? skinImageName(element, layout.baseName)
                        : element.parent >= 0 ? images.at(element.parent)
                                              : layout.baseName + QLatin1String(".png");
            if (name == QLatin1String("customicons") || name == QLatin1String("Customicons")) {
                if (auto sheet = parseDeclaration(element, images.at(i)))
                    return sheet;
            }
        }
    }
    return std::nullopt;
}

} // namespace sourcescan
