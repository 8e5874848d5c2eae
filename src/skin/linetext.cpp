#include "linetext.h"

#include <QStringList>

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
        default:
            out += c;
        }
    }
    return out;
}

bool isPlainFileName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QLatin1Char(':'));
}

bool tagClosesItself(const QString &line, int tagStart)
{
    const int end = line.indexOf(QLatin1Char('>'), tagStart);
    return end > tagStart && line.at(end - 1) == QLatin1Char('/');
}

QString skinImageName(const QString &skinLine, const QString &xmlBaseName)
{
    const QString fallback = xmlBaseName + QLatin1String(".png");
    if (!skinLine.contains(QLatin1String(" image=\"")))
        return fallback;
    // Split at every "=": the piece after one holding "image" starts with the quoted value.
    const QStringList pieces = skinLine.split(QLatin1Char('='));
    QString value;
    for (int i = 0; i + 1 < pieces.size(); ++i) {
        if (pieces.at(i).contains(QLatin1String("image")))
            value = pieces.at(i + 1).section(QLatin1Char('"'), 1, 1);
    }
    if (value.isEmpty())
        return fallback;
    if (value.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return value;
    const int dot = value.lastIndexOf(QLatin1Char('.'));
    return (dot > 0 ? value.left(dot) : value) + QLatin1String(".png");
}

} // namespace linetext
