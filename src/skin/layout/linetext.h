#pragma once

// Small text rules shared by the line-based skin XML handling. The skin XML is never
// parsed: lines are matched with case-sensitive substring tests.

#include <QString>
#include <QStringList>

namespace linetext {

// The text between the first `opener` and the next double quote (or the line's end);
// `found` tells whether the opener occurs at all.
QString valueAfter(const QString &line, const QString &opener, bool *found = nullptr);

// Replaces the value after every `opener` (up to the next double quote) with what
// `replace` returns for the old value.
template <typename Replace>
QString replaceValues(const QString &line, const QString &opener, Replace replace, bool firstOnly = false)
{
    QString out;
    int from = 0;
    for (int at = line.indexOf(opener); at >= 0; at = line.indexOf(opener, from)) {
        const int start = at + opener.size();
        int end = line.indexOf(QLatin1Char('"'), start);
        if (end < 0)
            end = line.size();
        out += line.midRef(from, start - from);
        out += replace(line.mid(start, end - start));
        from = end;
        if (firstOnly)
            break;
    }
    out += line.midRef(from);
    return out;
}

// Follows <!-- --> comments across the lines of a file and blanks them, so that a tag named in
// a comment is not taken for one.
class CommentMask
{
public:
    // The line with every character inside a comment, a processing instruction or a CDATA
    // section replaced by a space.
    QString apply(const QString &line);

private:
    QString m_close; // what ends the construct the previous line left open; empty outside one
};

// Puts each tag the rewriter acts on (<skin>, <browser>, <customicons>, <window> and their
// closing tags) at the start of a line, and each <skin and <browser opening tag whole on one
// line with nothing after it. Line rules then work on files written on one line, with CR line
// ends or with a tag split over lines. Lines without such tags stay as they are.
QStringList tagLines(const QStringList &lines);

// Where the value of the attribute `name` sits in a tag's text: either quote, spaces around
// "=", the name matched whole. `start` is -1 when the attribute is not there.
struct AttributeValue
{
    int start = -1;
    int length = 0;
};
AttributeValue findAttribute(const QString &tag, const QString &name);

// How many elements the line opens minus how many it closes (self-closing ones count nothing).
// Tags spread over several lines are not followed.
int depthChange(const QString &markup);

// Text made safe for an XML attribute value written between double quotes.
QString escapeAttribute(const QString &text);

// Whether the tag opened by `tagStart` (an index of "<") closes itself ("... />").
bool tagClosesItself(const QString &line, int tagStart);

// The skin image named by a `<skin` line, or `xmlBaseName` + ".png" when the line has no
// (or an empty) image attribute. A value that
// names no png keeps its name up to the last dot and gets ".png". The result comes from an
// untrusted file: check it with archive::safeRelativePath before building a path from it.
QString skinImageName(const QString &skinLine, const QString &xmlBaseName);

} // namespace linetext
