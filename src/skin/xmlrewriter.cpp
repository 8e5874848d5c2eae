#include "xmlrewriter.h"

#include "browserblock.h"
#include "fontrewrite.h"
#include "imagecompositor.h"
#include "linetext.h"

namespace {

bool containsEither(const QString &line, const char *first, const char *second)
{
    return line.contains(QLatin1String(first)) || line.contains(QLatin1String(second));
}

class Rewriter
{
public:
    Rewriter(const QString &xmlBaseName, const RewriteContext &context)
        : m_baseName(xmlBaseName), m_context(context), m_options(context.options),
          m_sheet(iconsheets::appendedLayout(context.options.iconSet, context.customSheet))
    {
    }

    void take(const QString &line);
    RewrittenXml result() const { return m_result; }

private:
    void readSkinLine(const QString &line);
    bool rewriteBrowserLine(const QString &line);
    void closeSkin();
    void importWindows();
    QStringList contentBlock() const
    {
        return browserblock::contentBlock(m_context.style, m_result.pluginRow);
    }
    void write(const QString &line) { m_result.lines << line; }
    void write(const QStringList &lines) { m_result.lines << lines; }

    const QString m_baseName;
    const RewriteContext &m_context;
    const SkinBuildOptions &m_options;
    const std::optional<iconsheets::Layout> m_sheet;
    RewrittenXml m_result;
    bool m_insideBrowser = false;
    bool m_copyingWindow = false;
};

void Rewriter::take(const QString &line)
{
    if (containsEither(line, "<skin", "<Skin"))
        readSkinLine(line);
    const bool consumed = m_options.changeColours && rewriteBrowserLine(line);
    if (containsEither(line, "</skin", "</Skin"))
        closeSkin();

    if (consumed || line.contains(QLatin1String("<customicons")))
        return;
    // Inside the skin's browser only its own position and size survive the new block.
    if (m_insideBrowser && !line.contains(QLatin1String("<pos")) && !line.contains(QLatin1String("<size")))
        return;
    write(m_options.globalFont
              ? fontrewrite::rewriteLine(line, m_options.globalFontName, m_options.globalSize)
              : line);
}

void Rewriter::readSkinLine(const QString &line)
{
    m_result.imageName = linetext::skinImageName(line, m_baseName);
    const int height = m_context.imageHeight ? m_context.imageHeight(m_result.imageName) : 0;
    m_result.iconRow = height + imagecompositor::sheetGap;
    m_result.pluginRow =
        height + (m_sheet ? imagecompositor::pluginRowBelowSheet : imagecompositor::pluginRowWithoutSheet);
}

// Returns whether the line was written whole here.
bool Rewriter::rewriteBrowserLine(const QString &line)
{
    if (line.contains(QLatin1String("<browser")) && !line.contains(QLatin1String("<browserinfo"))) {
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
    }
    if (line.contains(QLatin1String("</browser")) && !line.contains(QLatin1String("</browserinfo"))) {
        write(contentBlock());
        m_insideBrowser = false;
    }
    return false;
}

void Rewriter::closeSkin()
{
    if (m_sheet) {
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
    importWindows();
}

void Rewriter::importWindows()
{
    for (const QStringList &file : m_context.windowFiles) {
        for (const QString &line : file) {
            if (m_copyingWindow) {
                write(line);
            } else if (containsEither(line, "<window", "<Window")) {
                write(line);
                int tag = line.indexOf(QLatin1String("<window"));
                if (tag < 0)
                    tag = line.indexOf(QLatin1String("<Window"));
                m_copyingWindow = !linetext::tagClosesItself(line, tag);
            }
            if (containsEither(line, "</window", "</Window"))
                m_copyingWindow = false;
        }
    }
}

} // namespace

RewrittenXml rewriteSkinXml(const QStringList &lines, const QString &xmlBaseName,
                            const RewriteContext &context)
{
    Rewriter rewriter(xmlBaseName, context);
    for (const QString &line : lines)
        rewriter.take(line);
    return rewriter.result();
}
