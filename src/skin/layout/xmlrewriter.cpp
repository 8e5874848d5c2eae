// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/layout/xmlrewriter.h"

#include "skin/images/pluginzone.h"
#include "skin/layout/browserblock.h"
#include "skin/layout/buildmarks.h"
#include "skin/layout/fontrewrite.h"
#include "skin/layout/layoutfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using xmltokens::Document;
using xmltokens::Element;
using xmltokens::Span;
using xmltokens::Splice;

namespace {

bool isSkin(const QStringRef &name)
{
    return name.compare(QLatin1String("skin"), Qt::CaseInsensitive) == 0;
}

} // namespace

// A value that names no png keeps its name up to the last dot and gets ".png".
QString skinImageName(const Element &skin, const QString &xmlBaseName)
{
    QString value = Document::attribute(skin, QLatin1String("image"));
    if (value.isEmpty())
        return xmlBaseName + QLatin1String(".png");
    // "img/../main.png" is main.png; what still climbs out stays visible to the check.
    value = QDir::cleanPath(value.replace(QLatin1Char('\\'), QLatin1Char('/')));
    if (value.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return value;
    const int dot = value.lastIndexOf(QLatin1Char('.'));
    return (dot > 0 ? value.left(dot) : value) + QLatin1String(".png");
}

namespace {

// The index of the <skin> element each element lies in (itself for a <skin>); -1 outside any.
QVector<int> enclosingSkins(const Document &layout)
{
    QVector<int> skins(layout.elements.size(), -1);
    for (int i = 0; i < layout.elements.size(); ++i) {
        const Element &element = layout.elements.at(i);
        skins[i] = isSkin(layout.name(element)) ? i : element.parent >= 0 ? skins.at(element.parent) : -1;
    }
    return skins;
}

class Rewriter
{
public:
    Rewriter(const Document &layout, const QString &xmlBaseName, const RewriteContext &context)
        : m_layout(layout), m_text(layout.text), m_baseName(xmlBaseName), m_context(context),
          m_options(context.options), m_lineEnd(xmltokens::lineEndOf(layout.text))
    {
    }

    RewrittenXml run();

private:
    // Where a <skin> element's image puts the sheet and the plugin row.
    struct SkinImage
    {
        QString name;
        ImageFacts facts;
        int keptHeight = 0; // the rows of the image this build keeps: the sheet goes below them
        int iconRow = 0;
        int pluginRow = 0;
    };
    SkinImage imageOf(const Element &skin) const;
    void dropEarlierAdditions();
    void replaceBrowser(int index, const SkinImage &image);
    void addBeforeSkinEnd(const Element &skin, const SkinImage &image);
    bool dropped(int position);
    QStringList contentBlock(int pluginRow)
    {
        // Made once per row: a crafted file may hold many thousand browsers.
        if (m_block.isEmpty() || m_blockRow != pluginRow) {
            m_block = browserblock::contentBlock(m_context.style, pluginRow);
            m_blockRow = pluginRow;
        }
        return m_block;
    }
    QString lines(const QStringList &lines) const { return lines.join(m_lineEnd); }

    const Document &m_layout;
    const QString &m_text;
    const QString m_baseName;
    const RewriteContext &m_context;
    const LayoutChoices &m_options;
    const QString m_lineEnd;
    QVector<Splice> m_splices;
    QVector<Span> m_dropped; // what an earlier build added, in order
    int m_droppedAt = 0;
    RewrittenXml m_result;
    QStringList m_block;
    int m_blockRow = 0;
};

RewrittenXml Rewriter::run()
{
    dropEarlierAdditions();
    const QVector<int> skins = enclosingSkins(m_layout);
    QHash<int, SkinImage> images; // by the <skin> element's index
    int replacedUntil = 0;        // the end of the browser last replaced
    for (int i = 0; i < m_layout.elements.size(); ++i) {
        const Element &element = m_layout.elements.at(i);
        if (element.start < replacedUntil || dropped(element.start))
            continue;
        const QStringRef name = m_layout.name(element);
        if (skins.at(i) == i) {
            const SkinImage image = *images.insert(i, imageOf(element));
            m_result.imageName = image.name;
            m_result.iconRow = image.iconRow;
            m_result.pluginRow = image.pluginRow;
        }
        // Coordinates pointing into an image that cannot be painted would show garbage.
        if (name == QLatin1String("browser") && skins.at(i) >= 0 && m_options.changeColours &&
            images.value(skins.at(i)).facts.usable()) {
            replaceBrowser(i, images.value(skins.at(i)));
            replacedUntil = element.end;
            continue;
        }
        // The build's own sheet stands for the skin's; a document that is nothing but one keeps
        // its root, or the output would be no XML at all.
        if (name == QLatin1String("customicons") && element.parent >= 0) {
            m_splices << Splice{xmltokens::wholeLines(m_text, {element.start, element.end}), QString()};
            continue;
        }
        if (m_options.globalFont)
            m_splices +=
                fontrewrite::splices(m_layout, element, m_options.globalFontName, m_options.globalSize);
    }
    // Additions go in once every element is known: the ones before </skin> come last in the text.
    for (auto it = images.cbegin(); it != images.cend(); ++it)
        addBeforeSkinEnd(m_layout.elements.at(it.key()), it.value());
    bool tooLong = false;
    m_result.text = xmltokens::splice(m_text, m_splices, maxOutputCharacters, &tooLong);
    if (tooLong)
        m_result.error = QCoreApplication::translate("xmlrewriter", "would grow beyond %1 MB")
                             .arg(maxOutputCharacters >> 20);
    return m_result;
}

Rewriter::SkinImage Rewriter::imageOf(const Element &skin) const
{
    SkinImage image;
    image.name = skinImageName(skin, m_baseName);
    image.facts = m_context.images.value(image.name);
    // A kept browser may point into the rows an earlier build painted below the picture: with
    // it, they stay.
    const int height = !image.facts.usable()     ? 0
                       : m_options.changeColours ? image.facts.pictureHeight()
                                                 : image.facts.browserHeight();
    image.keptHeight = height;
    image.iconRow = height + pluginzone::sheetGap;
    image.pluginRow = pluginzone::row(height, m_context.sheet ? std::optional<int>(m_context.sheet->height())
                                                              : std::nullopt);
    return image;
}

// What an earlier build added sits between its marks: this build adds what it is asked for again.
// A block a user changed is theirs now and stays.
void Rewriter::dropEarlierAdditions()
{
    for (const buildmarks::Block &block : buildmarks::ownBlocks(m_layout)) {
        m_splices << Splice{block.lines, QString()};
        m_dropped << block.lines;
    }
}

// Asked with positions that only grow.
bool Rewriter::dropped(int position)
{
    while (m_droppedAt < m_dropped.size() && m_dropped.at(m_droppedAt).end <= position)
        ++m_droppedAt;
    return m_droppedAt < m_dropped.size() && position >= m_dropped.at(m_droppedAt).start;
}

// The browser keeps its own position and size; everything else inside it gives way to the block.
void Rewriter::replaceBrowser(int index, const SkinImage &image)
{
    const Element &browser = m_layout.elements.at(index);
    QString opening = m_text.mid(browser.start, browser.tagEnd - browser.start);
    const QString lineHeight = QString::number(m_options.lineHeight) + QLatin1Char('%');
    const Span value = m_layout.attributeValue(browser, QLatin1String("lineheight"));
    if (value.found())
        opening.replace(value.start - browser.start, value.size(), lineHeight);
    else
        opening.insert(1 + browser.nameLength, QStringLiteral(" lineheight=\"%1\" ").arg(lineHeight));
    const bool closesItself = browser.closesItself();
    if (closesItself) // open it for the block and close it again
        opening.remove(opening.size() - 2, 1);

    QString content;
    for (int i = index + 1; i < m_layout.elements.size() && m_layout.elements.at(i).start < browser.end;
         ++i) {
        const Element &child = m_layout.elements.at(i);
        const QStringRef name = m_layout.name(child);
        if (child.parent == index && (name == QLatin1String("pos") || name == QLatin1String("size")))
            content += m_lineEnd + xmltokens::indentBefore(m_text, child.start) +
                       m_text.midRef(child.start, child.end - child.start);
    }
    content += m_lineEnd + lines(contentBlock(image.pluginRow)) + m_lineEnd;
    const QString closing = closesItself
                                ? QStringLiteral("</browser>")
                                : xmltokens::indentBefore(m_text, browser.closeStart).toString() +
                                      m_text.midRef(browser.closeStart, browser.end - browser.closeStart);
    m_splices << Splice{{browser.start, browser.end}, opening + content + closing};
}

void Rewriter::addBeforeSkinEnd(const Element &skin, const SkinImage &image)
{
    const bool usable = image.facts.usable();
    const bool grows = usable && m_context.growsImages();
    const bool grownBefore = usable && image.facts.pictureHeight() < image.facts.size.height();
    // An image an earlier build grew is painted again, from what this build keeps, even to shrink it back.
    if (grows || (grownBefore && image.keptHeight < image.facts.size.height()))
        m_result.jobs << ImageJob{image.facts.path, QSize(image.facts.size.width(), image.keptHeight),
                                  m_options.changeColours ? std::optional<int>(image.pluginRow)
                                                          : std::nullopt};
    if (skin.closesItself() || !skin.closed)
        return; // nowhere to put anything
    const bool adds =
        (m_context.sheet && usable) || m_options.floatBrowser || !m_context.windowLines.isEmpty();
    // The original height stays recorded while the image is larger than its picture.
    const bool stillGrown = grows || (grownBefore && image.keptHeight > image.facts.pictureHeight());
    // Changed fonts stay recorded through every later build: scaled again, sizes would compound.
    const bool fontsChanged = m_options.globalFont || m_context.fontsChangedBefore;
    if (!stillGrown && !adds && !fontsChanged)
        return;
    buildmarks::Record record;
    if (stillGrown && usable) {
        record.image = image.name;
        record.height = image.facts.pictureHeight();
        record.grown = m_context.grownImages.value(image.facts.path);
        record.rows = m_options.changeColours ? image.pluginRow + pluginzone::rowHeight : image.keptHeight;
    }
    record.files = m_context.addedFiles;
    record.fontsChanged = fontsChanged;
    QStringList added;
    if (m_context.sheet && usable)
        added << QStringLiteral("<customicons x=\"0\" y=\"%1\" iconsize=\"%2\" nb=\"%3\" nbx=\"%4\" />")
                     .arg(image.iconRow)
                     .arg(m_context.sheet->iconSize)
                     .arg(m_context.sheet->count)
                     .arg(m_context.sheet->perRow);
    if (m_options.floatBrowser)
        added << browserblock::floatingWindow(m_context.style, m_options.changeColours, m_options.lineHeight,
                                              m_context.floatingImage);
    added = buildmarks::pair(record, added << m_context.windowLines);
    // On lines of their own before the one </skin> starts, as the rest of such a layout is written.
    const int lineStart = xmltokens::indentStart(m_text, skin.closeStart);
    if (lineStart >= 0)
        m_splices << Splice{{lineStart, lineStart}, lines(added) + m_lineEnd};
    else
        m_splices << Splice{{skin.closeStart, skin.closeStart}, m_lineEnd + lines(added) + m_lineEnd};
}

} // namespace

QStringList rewrittenElements()
{
    return {QStringLiteral("skin")};
}

QStringList skinImageNames(const Document &layout, const QString &xmlBaseName)
{
    QStringList names;
    for (const Element &element : layout.elements) {
        if (isSkin(layout.name(element)))
            names << skinImageName(element, xmlBaseName);
    }
    names.removeDuplicates();
    return names;
}

QStringList skinImageNames(const QString &path)
{
    const layoutfile::LayoutFile file = layoutfile::read(path);
    if (!file.problem.isEmpty())
        return {};
    const Document document = xmltokens::read(file.text, rewrittenElements());
    return document.error.isEmpty() ? skinImageNames(document, QFileInfo(path).completeBaseName())
                                    : QStringList();
}

RewrittenXml rewriteSkinXml(const Document &layout, const QString &xmlBaseName, const RewriteContext &context)
{
    return Rewriter(layout, xmlBaseName, context).run();
}
