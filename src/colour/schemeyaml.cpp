// SPDX-License-Identifier: GPL-3.0-or-later
#include "schemeyaml.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>

namespace schemeyaml {
namespace {

// Flow collections hold each other; a file nesting deeper than this is no scheme.
constexpr int maxDepth = 1000;

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool endsFlowItem(QChar c)
{
    return c == QLatin1Char(',') || c == QLatin1Char('[') || c == QLatin1Char(']') || c == QLatin1Char('{') ||
           c == QLatin1Char('}');
}

bool isHex(QChar c)
{
    return c.isDigit() || (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'));
}

// The escapes of a double-quoted scalar that stand for one character.
struct Escape
{
    char written;
    char16_t meant;
};
const Escape escapes[] = {
    {'0', 0x00}, {'a', 0x07},  {'b', 0x08}, {'t', 0x09}, {'\t', 0x09},  {'n', 0x0a},
    {'v', 0x0b}, {'f', 0x0c},  {'r', 0x0d}, {'e', 0x1b}, {' ', 0x20},   {'"', 0x22},
    {'/', 0x2f}, {'\\', 0x5c}, {'N', 0x85}, {'_', 0xa0}, {'L', 0x2028}, {'P', 0x2029},
};

enum class Context { Block, Flow };

class Reader
{
    Q_DECLARE_TR_FUNCTIONS(schemeyaml)

public:
    explicit Reader(const QString &text) : m_text(text) {}

    Document read()
    {
        readLines();
        return {m_entries, m_error,
                int(m_text.count(QLatin1Char('\n'))) + (m_text.endsWith(QLatin1Char('\n')) ? 0 : 1)};
    }

private:
    QChar at(int offset = 0) const
    {
        const int i = m_pos + offset;
        return i >= 0 && i < m_text.size() ? m_text.at(i) : QChar();
    }
    bool atEnd() const { return m_pos >= m_text.size(); }
    bool atLineEnd() const { return atEnd() || at() == QLatin1Char('\n'); }
    bool atLineStart() const { return m_pos == 0 || at(-1) == QLatin1Char('\n'); }
    bool separatedAt(int offset) const { return at(offset).isNull() || at(offset).isSpace(); }
    int column() const
    {
        return m_pos == 0 ? 0 : m_pos - m_text.lastIndexOf(QLatin1Char('\n'), m_pos - 1) - 1;
    }
    void skipBlanks()
    {
        while (isBlank(at()))
            ++m_pos;
    }
    void takeLineEnd()
    {
        if (!atEnd()) {
            ++m_pos;
            ++m_line;
        }
    }
    // Blanks and a comment up to the end of the line: whether nothing else is on it.
    bool restIsEmpty()
    {
        skipBlanks();
        if (at() == QLatin1Char('#') && (atLineStart() || isBlank(at(-1))))
            while (!atLineEnd())
                ++m_pos;
        return atLineEnd();
    }
    // In a flow collection, line ends only separate, as blanks and comments do.
    void skipFlowSpace()
    {
        while (restIsEmpty() && !atEnd())
            takeLineEnd();
    }
    bool colourAt(Context context) const
    {
        for (int i = 1; i <= 6; ++i)
            if (!isHex(at(i)))
                return false;
        return separatedAt(7) || (context == Context::Flow && endsFlowItem(at(7)));
    }
    bool markerAt(const char *marker) const
    {
        return atLineStart() && m_text.midRef(m_pos, 3) == QLatin1String(marker) && separatedAt(3);
    }

    bool fail(int line, const QString &why)
    {
        if (m_error.isEmpty())
            m_error = tr("Line %1: %2").arg(line).arg(why);
        return false;
    }
    bool notAScheme()
    {
        return fail(m_line, tr("this is neither a base16 or base24 scheme nor a GIMP palette."));
    }
    bool notClosed(int line, const QString &key)
    {
        if (!m_badEscape.isEmpty())
            return fail(line, tr("\"\\%1\" is no escape YAML knows.").arg(m_badEscape));
        return fail(line, key.isEmpty()
                              ? tr("a bracket or quote opened here is not closed, or more text follows it.")
                              : tr("the value of %1 is not closed or is followed by more text.").arg(key));
    }

    void readLines();
    bool readBlockLine();
    bool readKey(QString &key, Context context);
    bool readValue(const QString &key, int line, int keyColumn, Context context);
    bool readFlow(const QString &key, int line);
    bool readQuoted(QString &value);
    bool readEscape(QString &value);
    QString readPlain(Context context);
    QString readToken(Context context);
    QString readBlockScalar(int keyColumn);
    void foldLineEnds(QString &value);

    const QString m_text;
    int m_pos = 0;
    int m_line = 1;
    int m_depth = 0;
    QString m_error;
    QString m_badEscape; // the escape a double-quoted scalar stopped at
    QVector<Entry> m_entries;
    QHash<QString, QString> m_anchors;
    // A plain value in a block, which more indented lines without a key go on with.
    int m_plainEntry = -1;
    int m_plainColumn = 0;
};

void Reader::readLines()
{
    bool started = false; // past the directives
    while (!atEnd() && m_error.isEmpty()) {
        if (restIsEmpty()) {
            takeLineEnd();
            continue;
        }
        // The end of the document, or a second one, which no scheme needs.
        if (markerAt("...") || (markerAt("---") && !m_entries.isEmpty()))
            return;
        if (markerAt("---")) {
            m_pos += 3;
            started = true;
            if (restIsEmpty())
                continue;
        } else if (atLineStart() && at() == QLatin1Char('%') && !started) {
            while (!atLineEnd()) // a directive, such as %YAML 1.2
                ++m_pos;
            continue;
        }
        started = true;
        if (!readBlockLine())
            return;
    }
}

bool Reader::readBlockLine()
{
    // The items of a sequence under a key: only what they hold is read.
    bool item = false;
    while (at() == QLatin1Char('-') && separatedAt(1) && !m_entries.isEmpty()) {
        ++m_pos;
        skipBlanks();
        item = true;
    }
    if (restIsEmpty())
        return true;
    const int line = m_line;
    // A mapping in flow (JSON) is the document, or an item of a sequence, as a list is.
    if (at() == QLatin1Char('{') || (at() == QLatin1Char('[') && !m_entries.isEmpty())) {
        m_plainEntry = -1;
        return readFlow(QString(), line) && (restIsEmpty() || notAScheme());
    }
    const int keyColumn = column();
    const int start = m_pos;
    QString key;
    if (readKey(key, Context::Block) && at() == QLatin1Char(':')) {
        ++m_pos;
        return readValue(key, line, keyColumn, Context::Block);
    }
    m_pos = start;
    m_line = line;
    m_badEscape.clear();
    if (item)
        return readValue(QString(), line, keyColumn, Context::Block);
    if (m_plainEntry >= 0 && keyColumn > m_plainColumn) {
        m_entries[m_plainEntry].value += QLatin1Char(' ') + readPlain(Context::Block);
        return restIsEmpty() || notAScheme();
    }
    return notAScheme();
}

// A key, up to the ":" that follows it (not taken); false when there is none.
bool Reader::readKey(QString &key, Context context)
{
    if (at() == QLatin1Char('"') || at() == QLatin1Char('\'')) {
        if (!readQuoted(key))
            return false;
        context == Context::Flow ? skipFlowSpace() : skipBlanks();
        return true;
    }
    const int start = m_pos;
    while (!atLineEnd() && !(context == Context::Flow && endsFlowItem(at()))) {
        if (at() == QLatin1Char(':') && (separatedAt(1) || (context == Context::Flow && endsFlowItem(at(1)))))
            break;
        if (at() == QLatin1Char('#') && isBlank(at(-1)))
            return false;
        ++m_pos;
    }
    key = m_text.mid(start, m_pos - start).trimmed();
    return !key.isEmpty();
}

// The value after a key's ":" (or an item of a flow sequence, without a key), kept as an entry
// with the key. In a block the line ends with it.
bool Reader::readValue(const QString &key, int line, int keyColumn, Context context)
{
    const bool block = context == Context::Block;
    block ? skipBlanks() : skipFlowSpace();
    QString anchor;
    while (at() == QLatin1Char('&') || at() == QLatin1Char('!')) {
        const bool isAnchor = at() == QLatin1Char('&');
        ++m_pos;
        const QString token = readToken(context);
        if (isAnchor)
            anchor = token;
        block ? skipBlanks() : skipFlowSpace();
    }
    QString value;
    bool plain = false;
    const QChar c = at();
    if (c == QLatin1Char('#') && colourAt(context)) {
        value = readPlain(context);
    } else if (block && restIsEmpty()) {
        // Nothing, or a collection on the lines below.
    } else if (!block &&
               (c.isNull() || c == QLatin1Char(',') || c == QLatin1Char('}') || c == QLatin1Char(']'))) {
        // Nothing.
    } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
        if (!readQuoted(value))
            return notClosed(line, key);
    } else if (c == QLatin1Char('*')) {
        ++m_pos;
        const QString name = readToken(context);
        if (!m_anchors.contains(name))
            return fail(line, tr("the alias *%1 has no anchor before it.").arg(name));
        value = m_anchors.value(name);
    } else if (c == QLatin1Char('{') || c == QLatin1Char('[')) {
        if (!readFlow(key, line))
            return false;
    } else if (block && (c == QLatin1Char('|') || c == QLatin1Char('>'))) {
        value = readBlockScalar(keyColumn);
        if (!anchor.isEmpty())
            m_anchors.insert(anchor, value);
        m_entries.append({key, value, line});
        m_plainEntry = -1;
        return true;
    } else {
        value = readPlain(context);
        plain = !value.isEmpty();
    }
    if (!anchor.isEmpty())
        m_anchors.insert(anchor, value);
    if (!key.isNull())
        m_entries.append({key, value, line});
    m_plainEntry = block && plain && !key.isNull() ? m_entries.size() - 1 : -1;
    m_plainColumn = keyColumn;
    return !block || restIsEmpty() || notClosed(line, key);
}

// A flow mapping or sequence, its entries kept as a block's are.
bool Reader::readFlow(const QString &key, int line)
{
    const QChar close = at() == QLatin1Char('{') ? QLatin1Char('}') : QLatin1Char(']');
    if (++m_depth > maxDepth)
        return fail(line, tr("the file nests collections more than %1 deep.").arg(maxDepth));
    ++m_pos;
    for (;;) {
        skipFlowSpace();
        if (at() == close)
            break;
        const int itemLine = m_line;
        QString itemKey;
        if (close == QLatin1Char('}')) {
            if (!readKey(itemKey, Context::Flow))
                return notClosed(line, key);
            if (at() == QLatin1Char(':')) // else a key without a value
                ++m_pos;
        }
        if (!readValue(itemKey, itemLine, -1, Context::Flow))
            return false;
        skipFlowSpace();
        if (at() == QLatin1Char(','))
            ++m_pos;
        else if (at() != close)
            return notClosed(line, key);
    }
    ++m_pos;
    --m_depth;
    return true;
}

// A single- or double-quoted scalar, from its opening quote; false when it is not closed or
// holds an escape YAML does not know.
bool Reader::readQuoted(QString &value)
{
    const QChar quote = at();
    ++m_pos;
    value.clear();
    while (!atEnd()) {
        const QChar c = at();
        if (c == quote && quote == QLatin1Char('\'') && at(1) == quote) {
            value += quote;
            m_pos += 2;
        } else if (c == quote) {
            ++m_pos;
            return true;
        } else if (c == QLatin1Char('\\') && quote == QLatin1Char('"')) {
            if (!readEscape(value))
                return false;
        } else if (c == QLatin1Char('\n')) {
            foldLineEnds(value);
        } else {
            value += c;
            ++m_pos;
        }
    }
    return false;
}

bool Reader::readEscape(QString &value)
{
    const QChar c = at(1);
    m_pos += 2;
    if (c == QLatin1Char('\n')) { // the line goes on below, without a space
        --m_pos;
        takeLineEnd();
        skipBlanks();
        return true;
    }
    for (const Escape &escape : escapes) {
        if (c == QLatin1Char(escape.written)) {
            value += QChar(escape.meant);
            return true;
        }
    }
    const int digits = c == QLatin1Char('x') ? 2 : c == QLatin1Char('u') ? 4 : c == QLatin1Char('U') ? 8 : 0;
    const QString hex = m_text.mid(m_pos, digits);
    const uint code = hex.toUInt(nullptr, 16);
    // Half a character (a surrogate) is none either: readers refuse it.
    if (digits == 0 || hex.size() < digits || !std::all_of(hex.begin(), hex.end(), isHex) ||
        code > 0x10ffff || QChar::isSurrogate(code)) {
        m_badEscape = c + hex;
        return false;
    }
    m_pos += digits;
    value += code > 0xffff ? QString::fromUcs4(&code, 1) : QString(QChar(char16_t(code)));
    return true;
}

// At a line end in a quoted scalar: the blanks around it go, and it folds to a space, or to as
// many line ends as empty lines follow.
void Reader::foldLineEnds(QString &value)
{
    while (!value.isEmpty() && isBlank(value.back()))
        value.chop(1);
    int ends = 0;
    while (at() == QLatin1Char('\n')) {
        takeLineEnd();
        skipBlanks();
        ++ends;
    }
    value += ends == 1 ? QStringLiteral(" ") : QString(ends - 1, QLatin1Char('\n'));
}

QString Reader::readPlain(Context context)
{
    const int start = m_pos;
    if (at() == QLatin1Char('#') && colourAt(context)) {
        m_pos += 7;
        return m_text.mid(start, 7);
    }
    while (!atLineEnd() && !(at() == QLatin1Char('#') && isBlank(at(-1)))) {
        if (context == Context::Flow &&
            (endsFlowItem(at()) || (at() == QLatin1Char(':') && (separatedAt(1) || endsFlowItem(at(1))))))
            break;
        ++m_pos;
    }
    return m_text.mid(start, m_pos - start).trimmed();
}

// An anchor's, an alias's or a tag's name.
QString Reader::readToken(Context context)
{
    const int start = m_pos;
    while (!separatedAt(0) && !(context == Context::Flow && endsFlowItem(at())))
        ++m_pos;
    return m_text.mid(start, m_pos - start);
}

// A literal (|) or folded (>) scalar: the lines below that are indented more than its key.
QString Reader::readBlockScalar(int keyColumn)
{
    const bool literal = at() == QLatin1Char('|');
    while (!atLineEnd())
        ++m_pos; // its indicators and a comment
    takeLineEnd();
    QStringList lines;
    int indent = -1;
    while (!atEnd()) {
        const int lineStart = m_pos;
        skipBlanks();
        const bool empty = atLineEnd();
        if (!empty && column() <= keyColumn) {
            m_pos = lineStart;
            break;
        }
        if (!empty && indent < 0)
            indent = column();
        while (!atLineEnd())
            ++m_pos;
        lines << (empty ? QString() : m_text.mid(lineStart + indent, m_pos - lineStart - indent));
        takeLineEnd();
    }
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines.join(literal ? QLatin1Char('\n') : QLatin1Char(' '));
}

} // namespace

Document read(const QString &text)
{
    return Reader(text).read();
}

QString quoted(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
        } else if (c.isSurrogate()) {
            out += QChar::ReplacementCharacter; // half a character: no reader takes it, escaped or not
        } else if (u == '"' || u == '\\') {
            out += QLatin1Char('\\') + c;
        } else if (u < 0x20 || (u >= 0x7f && u <= 0x9f)) {
            out += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0'));
        } else if (u == 0x2028 || u == 0x2029 || u == 0xfeff || u >= 0xfffe) {
            // Line ends to older readers, a byte order mark, and what is no character.
            out += QStringLiteral("\\u%1").arg(uint(u), 4, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    return out + QLatin1Char('"');
}

} // namespace schemeyaml
