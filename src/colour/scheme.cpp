#include "scheme.h"

#include "style/atomicwrite.h"
#include "style/regularfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <optional>

namespace scheme {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("scheme", text);
}

QString lineError(int line, const QString &what)
{
    return tr("Line %1: %2").arg(line).arg(what);
}

QString roleName(int index)
{
    return QLatin1String("base") + QString::number(index, 16).rightJustified(2, QLatin1Char('0')).toUpper();
}

// The colour a YAML value names: six hex digits, with or without "#".
QColor hexColour(const QString &value)
{
    static const QRegularExpression hex(QStringLiteral("^#?([0-9a-fA-F]{6})$"));
    const auto match = hex.match(value);
    return match.hasMatch() ? QColor(QLatin1Char('#') + match.captured(1)) : QColor();
}

// A YAML scalar without its quotes or a trailing comment. An unquoted "#1d1f21" is a colour here,
// though YAML would read it as a comment: schemes are written both ways.
std::optional<QString> yamlValue(QString value)
{
    value = value.trimmed();
    if (value.startsWith(QLatin1Char('"')) || value.startsWith(QLatin1Char('\''))) {
        const int end = value.indexOf(value.at(0), 1);
        if (end < 0)
            return std::nullopt;
        const QString rest = value.mid(end + 1).trimmed();
        if (!rest.isEmpty() && !rest.startsWith(QLatin1Char('#')))
            return std::nullopt;
        return value.mid(1, end - 1);
    }
    static const QRegularExpression colourFirst(QStringLiteral("^#[0-9a-fA-F]{6}(?=\\s|$)"));
    const auto colour = colourFirst.match(value);
    if (colour.hasMatch())
        return colour.captured(0);
    if (value.startsWith(QLatin1Char('#')))
        return QString();
    const int comment = value.indexOf(QLatin1String(" #"));
    return (comment < 0 ? value : value.left(comment)).trimmed();
}

// The roles a set of colours fills: base16 when base00..base0F are all there, base24 when
// base10..base17 are too. Otherwise the first one missing, named with the last line read.
QString rolesComplete(const QVector<QColor> &byRole, int lastLine, Scheme &scheme)
{
    bool extended = false;
    for (int i = base16Count; i < base24Count; ++i)
        extended = extended || byRole[i].isValid();
    const int count = extended ? base24Count : base16Count;
    for (int i = 0; i < count; ++i) {
        if (!byRole[i].isValid())
            return lineError(lastLine, tr("the scheme ends without %1.").arg(roleName(i)));
    }
    scheme.kind = extended ? Kind::Base24 : Kind::Base16;
    scheme.colours = byRole.mid(0, count);
    return {};
}

ReadResult parseYaml(const QStringList &lines)
{
    static const QRegularExpression entry(QStringLiteral("^\\s*([A-Za-z0-9_-]+)\\s*:(.*)$"));
    static const QRegularExpression role(QStringLiteral("^base([0-9a-fA-F]{2})$"));
    ReadResult result;
    QVector<QColor> byRole(base24Count);
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        const int number = i + 1;
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')) || trimmed == QLatin1String("---"))
            continue;
        const auto match = entry.match(line);
        if (!match.hasMatch()) {
            result.error =
                lineError(number, tr("this is neither a base16 or base24 scheme nor a GIMP palette."));
            return result;
        }
        const QString key = match.captured(1);
        const auto value = yamlValue(match.captured(2));
        if (!value) {
            result.error =
                lineError(number, tr("the value of %1 is not closed or is followed by more text.").arg(key));
            return result;
        }
        const auto roleMatch = role.match(key);
        if (roleMatch.hasMatch()) {
            const int index = roleMatch.captured(1).toInt(nullptr, 16);
            if (index >= base24Count) {
                result.error =
                    lineError(number, tr("%1 is not a colour of a base16 or base24 scheme.").arg(key));
                return result;
            }
            if (byRole[index].isValid()) {
                result.error = lineError(number, tr("%1 is given twice.").arg(roleName(index)));
                return result;
            }
            byRole[index] = hexColour(*value);
            if (!byRole[index].isValid()) {
                result.error = lineError(
                    number,
                    tr("\"%1\" is not a colour; a colour is six hex digits such as 1d1f21.").arg(*value));
                return result;
            }
        } else if (key == QLatin1String("scheme") || key == QLatin1String("name")) {
            result.scheme.name = *value;
        } else if (key == QLatin1String("author")) {
            result.scheme.author = *value;
        }
        // Other keys (slug, variant, system, description, a "palette:" heading) say nothing of
        // the colours.
    }
    result.error = rolesComplete(byRole, lines.size(), result.scheme);
    return result;
}

ReadResult parsePalette(const QStringList &lines)
{
    static const QRegularExpression colourLine(
        QStringLiteral("^\\s*(\\d{1,3})\\s+(\\d{1,3})\\s+(\\d{1,3})(?:\\s+(.*))?$"));
    ReadResult result;
    result.scheme.kind = Kind::Palette;
    QVector<QColor> byRole(base24Count);
    int named = 0;
    for (int i = 1; i < lines.size(); ++i) {
        const int number = i + 1;
        const QString trimmed = lines[i].trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        if (trimmed.startsWith(QLatin1String("Name:"))) {
            result.scheme.name = trimmed.mid(5).trimmed();
            continue;
        }
        // A palette of colours with alpha ("Channels: RGBA") gives four numbers; the fourth is
        // read as the name, and the colours are taken opaque.
        if (trimmed.startsWith(QLatin1String("Columns:")) || trimmed.startsWith(QLatin1String("Channels:")))
            continue;
        const auto match = colourLine.match(lines[i]);
        const int red = match.captured(1).toInt(), green = match.captured(2).toInt(),
                  blue = match.captured(3).toInt();
        if (!match.hasMatch() || red > 255 || green > 255 || blue > 255) {
            result.error = lineError(
                number, tr("\"%1\" is not a colour line (red, green and blue from 0 to 255, then a name).")
                            .arg(trimmed.left(60)));
            return result;
        }
        if (result.scheme.colours.size() == maxPaletteColours) {
            result.error =
                lineError(number, tr("the palette holds more than %1 colours.").arg(maxPaletteColours));
            return result;
        }
        const QColor colour(red, green, blue);
        result.scheme.colours << colour;
        const QString name = match.captured(4).trimmed();
        for (int role = 0; role < base24Count; ++role) {
            if (name == roleName(role) && !byRole[role].isValid()) {
                byRole[role] = colour;
                ++named;
            }
        }
    }
    if (result.scheme.colours.isEmpty()) {
        result.error = lineError(lines.size(), tr("the palette holds no colours."));
        return result;
    }
    // A palette named by role throughout, as the export writes one, is read as the scheme it was.
    if (named == result.scheme.colours.size()) {
        Scheme roles = result.scheme;
        if (rolesComplete(byRole, lines.size(), roles).isEmpty())
            result.scheme = roles;
    }
    return result;
}

QString quoted(const QString &text)
{
    QString plain = text;
    plain.replace(QLatin1Char('"'), QLatin1Char('\'')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QLatin1Char('"') + plain + QLatin1Char('"');
}

} // namespace

ReadResult parse(const QByteArray &content)
{
    // Decoded whole: a NUL would end the text early, and a binary file read as empty.
    QString text = QString::fromUtf8(content.constData(), content.size());
    if (text.startsWith(QChar(0xfeff)))
        text.remove(0, 1);
    if (text.trimmed().isEmpty())
        return {tr("The file is empty."), {}};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty()) // the end of the last line, not a line of its own
        lines.removeLast();
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    ReadResult result =
        lines.first().trimmed() == QLatin1String("GIMP Palette") ? parsePalette(lines) : parseYaml(lines);
    if (!result.error.isEmpty())
        result.scheme = {};
    return result;
}

ReadResult read(const QString &path)
{
    if (const QString problem = regularfile::problem(path); !problem.isEmpty())
        return {problem, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {tr("Cannot read \"%1\": %2").arg(path, file.errorString()), {}};
    const QByteArray content = file.read(maxFileSize + 1);
    if (content.size() > maxFileSize)
        return {
            tr("The file is larger than %1 KB; a colour scheme is a few kilobytes.").arg(maxFileSize / 1024),
            {}};
    return parse(content);
}

bool looksLikeScheme(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("yaml") || suffix == QLatin1String("yml") ||
           suffix == QLatin1String("gpl");
}

QByteArray base16Text(const Scheme &scheme)
{
    QString text = QStringLiteral("scheme: %1\nauthor: %2\n").arg(quoted(scheme.name), quoted(scheme.author));
    for (int i = 0; i < base16Count && i < scheme.colours.size(); ++i)
        text += QStringLiteral("%1: \"%2\"\n").arg(roleName(i), scheme.colours[i].name().mid(1));
    return text.toUtf8();
}

QByteArray paletteText(const Scheme &scheme)
{
    QString text = QStringLiteral("GIMP Palette\nName: %1\nColumns: 8\n#\n").arg(scheme.name.simplified());
    for (int i = 0; i < scheme.colours.size(); ++i) {
        const QColor &c = scheme.colours[i];
        text += QStringLiteral("%1 %2 %3\t%4\n")
                    .arg(c.red(), 3)
                    .arg(c.green(), 3)
                    .arg(c.blue(), 3)
                    .arg(scheme.kind == Kind::Palette ? c.name() : roleName(i));
    }
    return text.toUtf8();
}

QString write(const QString &path, const Scheme &scheme)
{
    const bool palette = QFileInfo(path).suffix().toLower() == QLatin1String("gpl");
    return writeFileAtomically(path, palette ? paletteText(scheme) : base16Text(scheme));
}

} // namespace scheme
