// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A layout's elements and comments as an XML reader finds them, each with the place it takes in
// the text, so that a rewrite can splice new text in and keep every other character as it was.

#include <QString>
#include <QStringList>
#include <QVector>
#include <QXmlStreamAttributes>

namespace xmltokens {

// A run of the text: [start, end).
struct Span
{
    int start = -1;
    int end = -1;
    bool found() const { return start >= 0; }
    int size() const { return end - start; }
};

struct Element
{
    int start = 0;      // the start tag's "<"
    int tagEnd = 0;     // just after the start tag's ">"
    int closeStart = 0; // the end tag's "<"; tagEnd for an element that closes itself
    int end = 0;        // just after the element
    int parent = -1;    // index in Document::elements; -1 for the root
    int nameLength = 0;
    QXmlStreamAttributes attributes; // decoded, for the names Document::read was asked to keep
    bool closed = false;             // its end was read; false only when the text breaks off inside it
    bool closesItself() const { return end == tagEnd; }
};

struct Comment
{
    Span span;
    int parent = -1;
};

// Real layouts hold thousands of elements; a crafted one could ask for millions.
constexpr int maxElements = 500000;

struct Document
{
    QString text;
    QVector<Element> elements; // in the order their start tags appear
    QVector<Comment> comments;
    QString error;        // why the text is not well-formed XML; empty when it is
    bool refused = false; // the error is a limit, not a fault of the markup

    QStringRef name(const Element &element) const
    {
        return text.midRef(element.start + 1, element.nameLength);
    }
    QStringRef textOf(const Span &span) const { return text.midRef(span.start, span.size()); }
    // Whether `inner` lies inside the element at `outer` (an index), at any depth.
    bool isInside(int inner, int outer) const;
    // Where the value of the attribute `name` stands in the element's start tag (between its quotes).
    Span attributeValue(const Element &element, QLatin1String name) const;
    // The attribute's decoded value; empty when absent or not kept.
    static QString attribute(const Element &element, QLatin1String name);
};

// Reads `text`. Elements whose names are in `keepAttributesOf` (compared ignoring case) keep
// their attributes. On an error the elements read up to it stay, the unfinished ones not closed.
Document read(const QString &text, const QStringList &keepAttributesOf = {});

// A change to a text: the span replaced by `text` (an insertion when the span is empty).
struct Splice
{
    Span span;
    QString text;
};

// `text` with the splices made. A splice that overlaps one starting before it is left out (it lies
// inside something already replaced). Returns an empty text and sets `tooLong` when the result
// would be longer than `limit` characters.
QString splice(const QString &text, QVector<Splice> splices, qint64 limit, bool *tooLong);

// `span` widened to whole lines: back over the white space before it on its line, and on past
// the white space and line end after it, when nothing else shares those lines.
Span wholeLines(const QString &text, Span span);

// Where the white space before `at` on its line starts, when nothing else is before it on the
// line; -1 otherwise.
int indentStart(const QString &text, int at);

// That white space; empty when anything else is before `at` on its line.
QStringRef indentBefore(const QString &text, int at);

// The text's first line end ("\n" when it has none).
QString lineEndOf(const QString &text);

// Text made safe for an XML attribute value written between double quotes.
QString escapeAttribute(const QString &text);

} // namespace xmltokens
