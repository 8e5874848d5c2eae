// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/layout/buildmarks.h"

#include <QCryptographicHash>
#include <QRegularExpression>

namespace buildmarks {
namespace {

const QRegularExpression &beginPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*<!-- panelcraft added(?: image=\"([^\"]*)\" height=\"(\\d{1,5})\")?"
                       "(?: grown=\"(\\d{1,12}:[0-9a-f]{8})\")?(?: rows=\"(\\d{1,5})\")?"
                       "(?: files=\"([^\"]*)\")?( fonts=\"changed\")?(?: digest=\"([0-9a-f]{16})\")? "
                       "-->\\s*$"));
    return pattern;
}

// The name as it stands in the comment: escaped, without "--", which ends a comment, and in
// ASCII, which every encoding of a layout holds.
QString marked(const QString &text)
{
    const QString escaped =
        xmltokens::escapeAttribute(text).replace(QLatin1String("--"), QLatin1String("-&#45;"));
    QString ascii;
    for (const uint c : escaped.toUcs4())
        ascii += c < 0x80 ? QString(QChar(c)) : QStringLiteral("&#%1;").arg(c);
    return ascii;
}

QString unmarked(QString text)
{
    static const QRegularExpression reference(QStringLiteral("&#(\\d{1,7});"));
    for (auto match = reference.match(text); match.hasMatch();) {
        const uint c = match.captured(1).toUInt();
        const QString plain = c > 0 && c <= 0x10ffff ? QString::fromUcs4(&c, 1) : QString();
        text.replace(match.capturedStart(), match.capturedLength(), plain);
        match = reference.match(text, match.capturedStart() + plain.size());
    }
    // The ampersand last: its escape may stand in the others' text.
    for (const auto &[escaped, plain] :
         {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}})
        text.replace(QLatin1String(escaped), QLatin1String(plain));
    return text;
}

// Of the begin mark without its digest and the text between the marks, whatever its line ends.
QString digestOf(const QString &mark, QString between)
{
    between.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return QString::fromLatin1(
        QCryptographicHash::hash((mark + between).toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
}

// Whether a pair without a digest stands as a build wrote it: just before the end of its <skin>,
// holding only the lines a build adds there.
bool asBuilt(const xmltokens::Document &layout, int skin, const xmltokens::Span &content, int end)
{
    const xmltokens::Element &element = layout.elements.at(skin);
    if (!element.closed || !layout.text.midRef(end, element.closeStart - end).trimmed().isEmpty())
        return false;
    for (int i = skin + 1; i < layout.elements.size() && layout.elements.at(i).start < end; ++i) {
        const xmltokens::Element &inside = layout.elements.at(i);
        if (inside.parent != skin || inside.start < content.start)
            continue;
        const QStringRef name = layout.name(inside);
        if (name.compare(QLatin1String("window"), Qt::CaseInsensitive) != 0 &&
            name.compare(QLatin1String("customicons"), Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

} // namespace

QString begin(const Record &record)
{
    QString mark = QStringLiteral("<!-- panelcraft added");
    if (!record.image.isEmpty() && record.height > 0)
        mark += QStringLiteral(" image=\"%1\" height=\"%2\"").arg(marked(record.image)).arg(record.height);
    if (!record.image.isEmpty() && record.height > 0 && !record.grown.isEmpty())
        mark += QStringLiteral(" grown=\"%1\"").arg(record.grown);
    if (!record.image.isEmpty() && record.height > 0 && record.rows > 0)
        mark += QStringLiteral(" rows=\"%1\"").arg(record.rows);
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
    record.rows = match.captured(4).toInt();
    if (!match.captured(5).isEmpty())
        record.files = unmarked(match.captured(5)).split(QLatin1Char('|'));
    record.fontsChanged = !match.captured(6).isEmpty();
    return record;
}

QStringList pair(const Record &record, const QStringList &content)
{
    QString mark = begin(record);
    const QString between = content.isEmpty()
                                ? QStringLiteral("\n")
                                : QLatin1Char('\n') + content.join(QLatin1Char('\n')) + QLatin1Char('\n');
    mark.insert(mark.size() - 4, QStringLiteral(" digest=\"%1\"").arg(digestOf(mark, between)));
    return QStringList{mark} + content + QStringList{end()};
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
            if (open && inSkin && layout.comments.at(openAt).parent == comment.parent) {
                const xmltokens::Span begin = layout.comments.at(openAt).span;
                Block block{xmltokens::wholeLines(layout.text, {begin.start, comment.span.end}),
                            {begin.end, comment.span.start},
                            *open};
                static const QRegularExpression digest(QStringLiteral(" digest=\"([0-9a-f]{16})\""));
                QString mark = layout.textOf(begin).toString();
                const auto match = digest.match(mark);
                block.own = match.hasMatch()
                                ? digestOf(mark.remove(digest), layout.textOf(block.content).toString()) ==
                                      match.captured(1)
                                : asBuilt(layout, comment.parent, block.content, comment.span.end);
                found << block;
            }
            open.reset();
        }
    }
    return found;
}

QVector<Block> ownBlocks(const xmltokens::Document &layout)
{
    QVector<Block> own;
    for (const Block &block : blocks(layout)) {
        if (block.own)
            own << block;
    }
    return own;
}

} // namespace buildmarks
