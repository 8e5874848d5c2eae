#include "skin/layout/buildmarks.h"

#include <QRegularExpression>

namespace buildmarks {
namespace {

const QRegularExpression &beginPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*<!-- panelcraft added(?: image=\"([^\"]*)\" height=\"(\\d{1,5})\")?"
                       "(?: grown=\"(\\d{1,12}:[0-9a-f]{8})\")?(?: files=\"([^\"]*)\")?( fonts=\"changed\")? "
                       "-->\\s*$"));
    return pattern;
}

// The name as it stands in the comment: escaped, and without "--", which ends a comment.
QString marked(const QString &text)
{
    return xmltokens::escapeAttribute(text).replace(QLatin1String("--"), QLatin1String("-&#45;"));
}

QString unmarked(QString text)
{
    // The ampersand last: its escape may stand in the others' text.
    for (const auto &[escaped, plain] : {std::pair{"-&#45;", "--"},
                                         {"&lt;", "<"},
                                         {"&gt;", ">"},
                                         {"&quot;", "\""},
                                         {"&apos;", "'"},
                                         {"&amp;", "&"}})
        text.replace(QLatin1String(escaped), QLatin1String(plain));
    return text;
}

} // namespace

QString begin(const Record &record)
{
    QString mark = QStringLiteral("<!-- panelcraft added");
    if (!record.image.isEmpty() && record.height > 0)
        mark += QStringLiteral(" image=\"%1\" height=\"%2\"").arg(marked(record.image)).arg(record.height);
    if (!record.image.isEmpty() && record.height > 0 && !record.grown.isEmpty())
        mark += QStringLiteral(" grown=\"%1\"").arg(record.grown);
    if (!record.files.isEmpty())
        mark += QStringLiteral(" files=\"%1\"").arg(marked(record.files.join(QLatin1Char('|'))));
    if (record.fontsChanged)
        mark += QStringLiteral(" fonts=\"changed\"");
    return mark + QStringLiteral(" -->");
}

QString end()
{
    return QStringLiteral("<!-- panelcraft end -->");
}

std::optional<Record> parse(const QString &comment)
{
    const auto match = beginPattern().match(comment);
    if (!match.hasMatch())
        return std::nullopt;
    Record record;
    record.image = unmarked(match.captured(1));
    record.height = match.captured(2).toInt();
    record.grown = match.captured(3);
    if (!match.captured(4).isEmpty())
        record.files = unmarked(match.captured(4)).split(QLatin1Char('|'));
    record.fontsChanged = !match.captured(5).isEmpty();
    return record;
}

bool isBegin(const QString &comment)
{
    return beginPattern().match(comment).hasMatch();
}

bool isEnd(const QString &comment)
{
    return comment == end();
}

QVector<Block> blocks(const xmltokens::Document &layout)
{
    QVector<Block> found;
    std::optional<Record> open; // the begin mark waiting for its end
    int openAt = -1;
    for (int i = 0; i < layout.comments.size(); ++i) {
        const xmltokens::Comment &comment = layout.comments.at(i);
        const QString text = layout.textOf(comment.span).toString();
        const bool inSkin =
            comment.parent >= 0 && layout.name(layout.elements.at(comment.parent))
                                           .compare(QLatin1String("skin"), Qt::CaseInsensitive) == 0;
        if (const auto record = parse(text)) {
            open = inSkin ? record : std::nullopt;
            openAt = i;
        } else if (isEnd(text)) {
            if (open && inSkin && layout.comments.at(openAt).parent == comment.parent)
                found << Block{xmltokens::wholeLines(
                                   layout.text, {layout.comments.at(openAt).span.start, comment.span.end}),
                               *open};
            open.reset();
        }
    }
    return found;
}

} // namespace buildmarks
