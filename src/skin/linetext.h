#pragma once

// Small text rules shared by the line-based skin XML handling. The skin XML is never
// parsed: lines are matched with case-sensitive substring tests.

#include <QString>

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

// Text made safe for an XML attribute value written between double quotes.
QString escapeAttribute(const QString &text);

// True when the name is one plain file name: no folder part, not "." or "..".
bool isPlainFileName(const QString &name);

// Whether the tag opened by `tagStart` (an index of "<") closes itself ("... />").
bool tagClosesItself(const QString &line, int tagStart);

// The skin image named by a `<skin` line, or `xmlBaseName` + ".png" when the line has no
// (or an empty) image attribute. The last image attribute on the line wins. A value that
// names no png keeps its name up to the last dot and gets ".png". The result comes from an
// untrusted file: check it with isPlainFileName before building a path from it.
QString skinImageName(const QString &skinLine, const QString &xmlBaseName);

} // namespace linetext
