#include "skin/layout/buildmarks.h"

#include "skin/layout/xmltokens.h"

#include <QRegularExpression>
#include <algorithm>

namespace buildmarks {
namespace {

const QRegularExpression &beginPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*<!-- panelcraft added(?: image=\"([^\"]*)\" height=\"(\\d{1,5})\")?"
                       "(?: files=\"([^\"]*)\")?( fonts=\"changed\")? -->\\s*$"));
    return pattern;
}

// The name as it stands in the comment: escaped, and without "--", which ends a comment.
QString marked(const QString &imageName)
{
    return xmltokens::escapeAttribute(imageName).replace(QLatin1String("--"), QLatin1String("-&#45;"));
}

} // namespace

QString begin(const QString &imageName, int originalHeight, const QStringList &files, bool fontsChanged)
{
    QString mark = QStringLiteral("<!-- panelcraft added");
    if (!imageName.isEmpty() && originalHeight > 0)
        mark += QStringLiteral(" image=\"%1\" height=\"%2\"").arg(marked(imageName)).arg(originalHeight);
    if (!files.isEmpty())
        mark += QStringLiteral(" files=\"%1\"").arg(marked(files.join(QLatin1Char('|'))));
    if (fontsChanged)
        mark += QStringLiteral(" fonts=\"changed\"");
    return mark + QStringLiteral(" -->");
}

QString end()
{
    return QStringLiteral("<!-- panelcraft end -->");
}

bool isBegin(const QString &comment)
{
    return beginPattern().match(comment).hasMatch();
}

bool isEnd(const QString &comment)
{
    return comment == end();
}

OriginalHeights::OriginalHeights(const QStringList &beginMarks)
{
    for (const QString &mark : beginMarks) {
        const auto match = beginPattern().match(mark);
        if (match.hasMatch() && !match.captured(1).isEmpty() && !m_heights.contains(match.captured(1)))
            m_heights.insert(match.captured(1), match.captured(2).toInt());
    }
}

int OriginalHeights::of(const QString &imageName) const
{
    return m_heights.value(marked(imageName));
}

QStringList addedFiles(const QStringList &beginMarks)
{
    QStringList files;
    for (const QString &mark : beginMarks) {
        const auto match = beginPattern().match(mark);
        if (!match.captured(3).isEmpty())
            files += match.captured(3).split(QLatin1Char('|'));
    }
    // Back from the marked form; names a build wrote hold none of the other escapes' sources.
    return files.replaceInStrings(QStringLiteral("-&#45;"), QStringLiteral("--"))
        .replaceInStrings(QStringLiteral("&amp;"), QStringLiteral("&"));
}

bool fontsChanged(const QStringList &beginMarks)
{
    return std::any_of(beginMarks.cbegin(), beginMarks.cend(),
                       [](const QString &mark) { return !beginPattern().match(mark).captured(4).isEmpty(); });
}

} // namespace buildmarks
