// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/layout/xmltokens.h"

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <algorithm>

namespace xmltokens {
namespace {

bool isSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') ||
           c == QLatin1Char('\n');
}

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// The reader tells where each token ends; a token's text may begin with what came before it
// (white space, the "<" a text run stopped at). Markup is found back from its end: no "<" can
// stand inside a tag, not even in an attribute value, and no "<!--" inside a comment. The
// reader's offsets are trusted only where they land on the markup they name, so a reader that
// counted otherwise cannot make a splice cut through a tag.
int tagStart(const QString &text, int end, bool endTag)
{
    if (end < 3 || end > text.size() || text.at(end - 1) != QLatin1Char('>'))
        return -1;
    const int start = text.lastIndexOf(QLatin1Char('<'), end - 1);
    if (start < 0 || (text.at(start + 1) == QLatin1Char('/')) != endTag)
        return -1;
    return start;
}

} // namespace

bool Document::isInside(int inner, int outer) const
{
    for (int at = elements.at(inner).parent; at >= 0; at = elements.at(at).parent) {
        if (at == outer)
            return true;
    }
    return false;
}

Span Document::attributeValue(const Element &element, QLatin1String name) const
{
    const int end = element.tagEnd;
    int at = element.start + 1 + element.nameLength;
    const auto skipSpace = [&] {
        while (at < end && isSpace(text.at(at)))
            ++at;
    };
    // The tag was read as well-formed, so it is a plain list of name="value" (or 'value').
    while (true) {
        skipSpace();
        const int nameStart = at;
        while (at < end && !isSpace(text.at(at)) && text.at(at) != QLatin1Char('=') &&
               text.at(at) != QLatin1Char('/') && text.at(at) != QLatin1Char('>'))
            ++at;
        if (at == nameStart)
            return {};
        const QStringRef attributeName = text.midRef(nameStart, at - nameStart);
        skipSpace();
        if (at >= end || text.at(at) != QLatin1Char('='))
            return {};
        ++at;
        skipSpace();
        if (at >= end)
            return {};
        const QChar quote = text.at(at);
        const int close = text.indexOf(quote, at + 1);
        if (close < 0 || close >= end)
            return {};
        if (attributeName == name)
            return {at + 1, close};
        at = close + 1;
    }
}

QString Document::attribute(const Element &element, QLatin1String name)
{
    return element.attributes.value(name).toString();
}

Document read(const QString &text, const QStringList &keepAttributesOf)
{
    Document document;
    document.text = text;
    QXmlStreamReader reader(text);
    QVector<int> open;
    const auto fail = [&document](const QString &why) {
        if (document.error.isEmpty())
            document.error = why;
    };
    while (!reader.atEnd() && document.error.isEmpty()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        const int tokenEnd = int(reader.characterOffset());
        if (reader.hasError())
            break;
        switch (token) {
        case QXmlStreamReader::DTD:
            // Entities a layout declares itself would make the reader's offsets count text that
            // is not in the file.
            if (!reader.entityDeclarations().isEmpty())
                fail(QCoreApplication::translate("xmltokens", "declares entities of its own"));
            break;
        case QXmlStreamReader::StartElement: {
            const int start = tagStart(text, tokenEnd, false);
            if (start < 0) {
                fail(QCoreApplication::translate("xmltokens", "could not be read (line %1)")
                         .arg(reader.lineNumber()));
                break;
            }
            if (document.elements.size() >= maxElements) {
                fail(QCoreApplication::translate("xmltokens", "has more than %1 elements").arg(maxElements));
                document.refused = true;
                break;
            }
            Element element;
            element.start = start;
            element.tagEnd = element.closeStart = element.end = tokenEnd;
            element.parent = open.isEmpty() ? -1 : open.last();
            element.nameLength = reader.qualifiedName().size();
            if (keepAttributesOf.contains(reader.qualifiedName().toString(), Qt::CaseInsensitive))
                element.attributes = reader.attributes();
            open << document.elements.size();
            document.elements << element;
            break;
        }
        case QXmlStreamReader::EndElement: {
            Element &element = document.elements[open.takeLast()];
            element.closed = true;
            if (tokenEnd == element.tagEnd) // "<name/>": the start tag was the whole element
                break;
            const int start = tagStart(text, tokenEnd, true);
            if (start < element.tagEnd) {
                fail(QCoreApplication::translate("xmltokens", "could not be read (line %1)")
                         .arg(reader.lineNumber()));
                break;
            }
            element.closeStart = start;
            element.end = tokenEnd;
            break;
        }
        case QXmlStreamReader::Comment: {
            const int start = text.lastIndexOf(QLatin1String("<!--"), tokenEnd - 4);
            if (start < 0 || text.midRef(tokenEnd - 3, 3) != QLatin1String("-->")) {
                fail(QCoreApplication::translate("xmltokens", "could not be read (line %1)")
                         .arg(reader.lineNumber()));
                break;
            }
            document.comments << Comment{{start, tokenEnd}, open.isEmpty() ? -1 : open.last()};
            break;
        }
        default:
            break;
        }
    }
    if (reader.hasError())
        fail(QCoreApplication::translate("xmltokens", "is not well-formed XML (line %1: %2)")
                 .arg(reader.lineNumber())
                 .arg(reader.errorString()));
    return document;
}

Span wholeLines(const QString &text, Span span)
{
    int start = span.start;
    while (start > 0 && isSpace(text.at(start - 1)) && !isLineEnd(text.at(start - 1)))
        --start;
    int end = span.end;
    while (end < text.size() && isSpace(text.at(end)) && !isLineEnd(text.at(end)))
        ++end;
    const bool lineStart = indentStart(text, span.start) >= 0;
    const bool lineEnd = end == text.size() || isLineEnd(text.at(end));
    if (!lineStart || !lineEnd)
        return span;
    if (end < text.size())
        end += text.midRef(end, 2) == QLatin1String("\r\n") ? 2 : 1;
    return {start, end};
}

int indentStart(const QString &text, int at)
{
    int start = at;
    while (start > 0 && isSpace(text.at(start - 1)) && !isLineEnd(text.at(start - 1)))
        --start;
    return start == 0 || isLineEnd(text.at(start - 1)) ? start : -1;
}

QStringRef indentBefore(const QString &text, int at)
{
    const int start = indentStart(text, at);
    return start < 0 ? text.midRef(at, 0) : text.midRef(start, at - start);
}

QString splice(const QString &text, QVector<Splice> splices, qint64 limit, bool *tooLong)
{
    std::stable_sort(splices.begin(), splices.end(), [](const Splice &a, const Splice &b) {
        return a.span.start != b.span.start ? a.span.start < b.span.start : a.span.end < b.span.end;
    });
    QString out;
    int from = 0;
    const auto fits = [&](int more) { return qint64(out.size()) + more <= limit; };
    for (const Splice &change : qAsConst(splices)) {
        if (change.span.start < from)
            continue;
        if (!fits(change.span.start - from + change.text.size())) {
            *tooLong = true;
            return {};
        }
        out += text.midRef(from, change.span.start - from);
        out += change.text;
        from = change.span.end;
    }
    if (!fits(text.size() - from)) {
        *tooLong = true;
        return {};
    }
    out += text.midRef(from);
    return out;
}

QString lineEndOf(const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\n'))
            return QStringLiteral("\n");
        if (text.at(i) == QLatin1Char('\r'))
            return text.midRef(i, 2) == QLatin1String("\r\n") ? QStringLiteral("\r\n") : QStringLiteral("\r");
    }
    return QStringLiteral("\n");
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

} // namespace xmltokens
