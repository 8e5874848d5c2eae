#include "skin/layout/linetext.h"

#include <QRegularExpression>
#include <QStringList>
#include <utility>

namespace linetext {

QString valueAfter(const QString &line, const QString &opener, bool *found)
{
    const int at = line.indexOf(opener);
    if (found)
        *found = at >= 0;
    if (at < 0)
        return {};
    const int start = at + opener.size();
    const int end = line.indexOf(QLatin1Char('"'), start);
    return line.mid(start, end < 0 ? -1 : end - start);
}

QString CommentMask::apply(const QString &line)
{
    // Text inside these is no markup, however many lines it runs over.
    static const std::pair<QString, QString> kinds[] = {{QStringLiteral("<!--"), QStringLiteral("-->")},
                                                        {QStringLiteral("<?"), QStringLiteral("?>")},
                                                        {QStringLiteral("<![CDATA["), QStringLiteral("]]>")}};
    QString out = line;
    int at = 0;
    while (at < out.size()) {
        if (m_close.isEmpty()) {
            int start = -1;
            for (const auto &[open, close] : kinds) {
                const int found = out.indexOf(open, at);
                if (found >= 0 && (start < 0 || found < start)) {
                    start = found;
                    m_close = close;
                }
            }
            if (start < 0)
                break;
            at = start;
        }
        const int end = out.indexOf(m_close, at);
        const int stop = end < 0 ? out.size() : end + m_close.size();
        for (int i = at; i < stop; ++i)
            out[i] = QLatin1Char(' ');
        if (end >= 0)
            m_close.clear();
        at = stop;
    }
    return out;
}

QString escapeAttribute(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += QLatin1String("&quot;");
            break;
        case '\'':
            out += QLatin1String("&apos;");
            break;
        case '\t':
        case '\n':
        case '\r':
            // Kept as references: an attribute value's raw white space is normalised by readers.
            out += QStringLiteral("&#%1;").arg(c.unicode());
            break;
        default:
            // Other control characters cannot appear in XML at all, not even as references.
            if (c.unicode() >= 0x20)
                out += c;
        }
    }
    return out;
}

bool tagClosesItself(const QString &line, int tagStart)
{
    const int end = line.indexOf(QLatin1Char('>'), tagStart);
    return end > tagStart && line.at(end - 1) == QLatin1Char('/');
}

QString skinImageName(const QString &skinLine, const QString &xmlBaseName)
{
    const QString fallback = xmlBaseName + QLatin1String(".png");
    const AttributeValue image = findAttribute(skinLine, QStringLiteral("image"));
    const QString value = skinLine.mid(image.start, image.length);
    if (image.start < 0 || value.isEmpty())
        return fallback;
    if (value.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return value;
    const int dot = value.lastIndexOf(QLatin1Char('.'));
    return (dot > 0 ? value.left(dot) : value) + QLatin1String(".png");
}

AttributeValue findAttribute(const QString &tag, const QString &name)
{
    const auto skipSpace = [&tag](int at) {
        while (at < tag.size() && tag.at(at).isSpace())
            ++at;
        return at;
    };
    for (int at = tag.indexOf(name); at >= 0; at = tag.indexOf(name, at + 1)) {
        if (at > 0 && !tag.at(at - 1).isSpace())
            continue; // part of a longer name
        const int equals = skipSpace(at + name.size());
        if (equals >= tag.size() || tag.at(equals) != QLatin1Char('='))
            continue;
        const int open = skipSpace(equals + 1);
        if (open >= tag.size() || (tag.at(open) != QLatin1Char('"') && tag.at(open) != QLatin1Char('\'')))
            continue;
        const int close = tag.indexOf(tag.at(open), open + 1);
        if (close < 0)
            return {};
        return {open + 1, close - open - 1};
    }
    return {};
}

namespace {

// The end of the tag starting at `from` ('>' outside quotes), or -1 when it goes on past the text.
int tagEnd(const QString &text, int from)
{
    QChar quote;
    for (int i = from; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('>')) {
            return i;
        }
    }
    return -1;
}

} // namespace

int depthChange(const QString &markup)
{
    int change = 0;
    for (int at = markup.indexOf(QLatin1Char('<')); at >= 0; at = markup.indexOf(QLatin1Char('<'), at + 1)) {
        const QChar next = at + 1 < markup.size() ? markup.at(at + 1) : QChar();
        if (next == QLatin1Char('/'))
            --change;
        else if (next != QLatin1Char('!') && next != QLatin1Char('?') && tagEnd(markup, at) > 0 &&
                 !tagClosesItself(markup, at))
            ++change;
    }
    return change;
}

QStringList tagLines(const QStringList &lines)
{
    static const QRegularExpression keyTag(QStringLiteral("<(/?)(skin|browser|customicons|window)(?![\\w-])"),
                                           QRegularExpression::CaseInsensitiveOption);
    // A real opening tag spans a few lines; joining more would let a crafted file cost time by
    // the square of its length.
    constexpr int maxJoinedLines = 32;
    constexpr int maxJoinedCharacters = 16 * 1024;
    const auto blankFrom = [](const QString &text, int from) {
        for (int i = from; i < text.size(); ++i) {
            if (!text.at(i).isSpace())
                return false;
        }
        return true;
    };
    QStringList out;
    CommentMask comments;
    QString raw;  // a line, or lines joined while an opening tag goes on
    QString mask; // the same with comments blanked
    int joined = 0;
    for (const QString &line : lines) {
        raw += line;
        mask += comments.apply(line);
        int firstText = 0;
        while (firstText < mask.size() && mask.at(firstText).isSpace())
            ++firstText;
        QList<int> cuts;
        bool open = false;
        int tagDone = 0; // matches before this lie inside a tag already read
        for (auto it = keyTag.globalMatch(mask); it.hasNext();) {
            const auto match = it.next();
            const int start = match.capturedStart();
            if (start < tagDone)
                continue;
            if (start > firstText)
                cuts << start;
            const QString name = match.captured(2).toLower();
            if (!match.captured(1).isEmpty() ||
                (name != QLatin1String("skin") && name != QLatin1String("browser")))
                continue;
            const int end = tagEnd(mask, match.capturedEnd());
            open = end < 0;
            if (open)
                break;
            tagDone = end + 1;
            if (!blankFrom(mask, end + 1))
                cuts << end + 1;
        }
        if (open && ++joined < maxJoinedLines && raw.size() < maxJoinedCharacters) {
            raw += QLatin1Char(' ');
            mask += QLatin1Char(' ');
            continue;
        }
        int from = 0;
        for (const int cut : qAsConst(cuts)) {
            if (cut > from)
                out << raw.mid(from, cut - from);
            from = qMax(from, cut);
        }
        out << raw.mid(from);
        raw.clear();
        mask.clear();
        joined = 0;
    }
    if (!raw.isEmpty())
        out << raw.trimmed();
    return out;
}

} // namespace linetext
