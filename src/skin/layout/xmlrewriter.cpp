#include "skin/layout/xmlrewriter.h"

#include "skin/layout/browserblock.h"
#include "skin/layout/buildmarks.h"
#include "skin/layout/fontrewrite.h"
#include "skin/layout/linetext.h"
#include "skin/layout/sourcescan.h"
#include "skin/pluginzone.h"

namespace {

bool has(const QString &markup, const char *tag)
{
    return markup.contains(QLatin1String(tag), Qt::CaseInsensitive);
}

class Rewriter
{
public:
    Rewriter(const QStringList &lines, const QString &xmlBaseName, const RewriteContext &context)
        : m_originalHeights(lines), m_baseName(xmlBaseName), m_context(context), m_options(context.options),
          m_sheet(iconsheets::appendedLayout(context.options.iconSet, context.customSheet)),
          m_windows(sourcescan::windowElements(context.windowFiles))
    {
    }

    void take(const QString &line);
    RewrittenXml result() const { return m_result; }
    bool failed() const { return !m_result.error.isEmpty(); }

private:
    void readSkinLine(const QString &line);
    bool rewriteBrowserLine(const QString &line, const QString &markup);
    void closeSkin();
    // Made once per row: a crafted file may close its browser many thousand times.
    QStringList contentBlock()
    {
        if (m_block.isEmpty() || m_blockRow != m_result.pluginRow) {
            m_block = browserblock::contentBlock(m_context.style, m_result.pluginRow);
            m_blockRow = m_result.pluginRow;
        }
        return m_block;
    }
    void write(const QString &line)
    {
        m_written += line.size() + 1;
        if (m_written > maxOutputCharacters)
            m_result.error = QStringLiteral("would grow beyond %1 MB").arg(maxOutputCharacters >> 20);
        else
            m_result.lines << line;
    }
    void write(const QStringList &lines)
    {
        for (const QString &line : lines)
            write(line);
    }

    const buildmarks::OriginalHeights m_originalHeights;
    const QString m_baseName;
    const RewriteContext &m_context;
    const SkinBuildOptions &m_options;
    const std::optional<iconsheets::Layout> m_sheet;
    const QStringList m_windows;
    linetext::CommentMask m_comments;
    RewrittenXml m_result;
    qint64 m_written = 0;
    QStringList m_block;
    int m_blockRow = 0;
    bool m_imageUsable = false; // the last <skin line named an image that can be painted
    int m_imageHeight = 0;
    bool m_insideBrowser = false;
    int m_browserDepth = 0;       // elements open inside the browser at the line's start
    bool m_skippingAdded = false; // between the marks of what an earlier build added
};

void Rewriter::take(const QString &line)
{
    // Tags are looked for outside comments only; the line itself is written as it is.
    const QString markup = m_comments.apply(line);
    // What an earlier build added is left out: this build adds what it is asked for again.
    if (m_skippingAdded || buildmarks::isBegin(line)) {
        m_skippingAdded = !buildmarks::isEnd(line);
        return;
    }
    if (has(markup, "<skin"))
        readSkinLine(markup);
    // Coordinates pointing into an image that cannot be painted would show garbage.
    const bool consumed = m_options.changeColours && m_imageUsable && rewriteBrowserLine(line, markup);
    if (has(markup, "</skin"))
        closeSkin();

    if (consumed || markup.contains(QLatin1String("<customicons")))
        return;
    // Inside the skin's browser only its own position and size survive the new block (the
    // block's nested ones, from an earlier build, do not).
    if (m_insideBrowser) {
        const bool kept = m_browserDepth == 0 &&
                          (markup.contains(QLatin1String("<pos")) || markup.contains(QLatin1String("<size")));
        m_browserDepth = qMax(0, m_browserDepth + linetext::depthChange(markup));
        if (!kept)
            return;
    }
    write(m_options.globalFont
              ? fontrewrite::rewriteLine(line, m_options.globalFontName, m_options.globalSize)
              : line);
}

void Rewriter::readSkinLine(const QString &line)
{
    m_result.imageName = linetext::skinImageName(line, m_baseName);
    const int actual = m_context.imageHeight ? m_context.imageHeight(m_result.imageName) : 0;
    const int grownFrom = m_originalHeights.of(m_result.imageName);
    m_result.grownFrom = grownFrom > 0 && grownFrom < actual ? grownFrom : 0;
    const int height = m_result.grownFrom > 0 ? m_result.grownFrom : actual;
    m_imageUsable = height > 0;
    m_imageHeight = height;
    m_result.iconRow = height + pluginzone::sheetGap;
    m_result.pluginRow =
        pluginzone::row(height, m_sheet ? std::optional<int>(m_sheet->height()) : std::nullopt);
}

// Returns whether the line was written whole here.
bool Rewriter::rewriteBrowserLine(const QString &line, const QString &markup)
{
    if (markup.contains(QLatin1String("<browser")) && !markup.contains(QLatin1String("<browserinfo"))) {
        QString opening = browserblock::rewriteOpeningLine(line, m_options.lineHeight);
        const int tag = opening.indexOf(QLatin1String("<browser"));
        if (linetext::tagClosesItself(opening, tag)) {
            // "<browser ... />" has nothing to keep: open it for the block and close it again.
            opening.remove(opening.indexOf(QLatin1Char('>'), tag) - 1, 1);
            write(opening);
            write(contentBlock());
            write(QStringLiteral("</browser>"));
            return true;
        }
        write(opening);
        m_insideBrowser = true;
        m_browserDepth = 0;
        return true; // tagLines() left nothing else on the opening line
    }
    if (markup.contains(QLatin1String("</browser")) && !markup.contains(QLatin1String("</browserinfo"))) {
        write(contentBlock());
        m_insideBrowser = false;
    }
    return false;
}

void Rewriter::closeSkin()
{
    const bool grows = m_imageUsable && (m_sheet || m_options.changeColours);
    const bool adds = (m_sheet && m_imageUsable) || m_options.floatBrowser || !m_windows.isEmpty();
    if (grows || adds)
        write(buildmarks::begin(grows ? m_result.imageName : QString(), m_imageHeight, m_context.addedFiles));
    if (m_sheet && m_imageUsable) {
        write(QStringLiteral("<customicons x=\"0\" y=\"%1\" iconsize=\"%2\" nb=\"%3\" nbx=\"%4\" />")
                  .arg(m_result.iconRow)
                  .arg(m_sheet->iconSize)
                  .arg(m_sheet->count)
                  .arg(m_sheet->perRow));
    }
    if (m_options.floatBrowser) {
        write(browserblock::floatingWindow(m_context.style, m_options.changeColours, m_options.lineHeight));
        m_result.wroteFloatingWindow = true;
    }
    write(m_windows);
    if (grows || adds)
        write(buildmarks::end());
}

} // namespace

RewrittenXml rewriteSkinXml(const QStringList &lines, const QString &xmlBaseName,
                            const RewriteContext &context)
{
    Rewriter rewriter(lines, xmlBaseName, context);
    for (const QString &line : linetext::tagLines(lines)) {
        rewriter.take(line);
        if (rewriter.failed())
            break;
    }
    return rewriter.result();
}
