// SPDX-License-Identifier: GPL-3.0-or-later
#include "scheme.h"

#include "platform/systemerror.h"
#include "schemeyaml.h"
#include "support/atomicwrite.h"
#include "support/regularfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextCodec>

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

ReadResult parseYaml(const QString &text)
{
    static const QRegularExpression role(QStringLiteral("^base([0-9a-fA-F]{2})$"));
    const schemeyaml::Document document = schemeyaml::read(text);
    ReadResult result;
    if (!document.error.isEmpty()) {
        result.error = document.error;
        return result;
    }
    QVector<QColor> byRole(base24Count);
    for (const schemeyaml::Entry &entry : document.entries) {
        const auto roleMatch = role.match(entry.key);
        if (roleMatch.hasMatch()) {
            const int index = roleMatch.captured(1).toInt(nullptr, 16);
            if (index >= base24Count) {
                result.error = lineError(
                    entry.line, tr("%1 is not a colour of a base16 or base24 scheme.").arg(entry.key));
                return result;
            }
            if (byRole[index].isValid()) {
                result.error = lineError(entry.line, tr("%1 is given twice.").arg(roleName(index)));
                return result;
            }
            byRole[index] = hexColour(entry.value);
            if (!byRole[index].isValid()) {
                result.error = lineError(
                    entry.line, tr("\"%1\" is not a colour; a colour is six hex digits such as 1d1f21.")
                                    .arg(entry.value));
                return result;
            }
        } else if (entry.key == QLatin1String("scheme") || entry.key == QLatin1String("name")) {
            result.scheme.name = entry.value;
        } else if (entry.key == QLatin1String("author")) {
            result.scheme.author = entry.value;
        }
        // Other keys (slug, variant, system, description, a "palette:" heading) say nothing of
        // the colours.
    }
    result.error = rolesComplete(byRole, document.lines, result.scheme);
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

// A surrogate without its other half.
bool hasHalfCharacter(const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (text.at(i).isSurrogate())
            return true;
    }
    return false;
}

// The text as YAML tells its encoding: by a byte order mark, or else by where the NUL bytes of
// the first character (ASCII in any scheme) fall. UTF-16 and UTF-32 are read only when valid;
// UTF-8 is taken as it comes, a byte that is not UTF-8 read as U+FFFD.
QString decode(const QByteArray &content, QString &text)
{
    struct Form
    {
        QByteArray start; // '?' stands for any byte but NUL
        int orderMark;    // the bytes of the start that are a byte order mark
        const char *codec;
    };
    static const Form forms[] = {
        {QByteArray("\0\0\xfe\xff", 4), 4, "UTF-32BE"}, {QByteArray("\0\0\0?", 4), 0, "UTF-32BE"},
        {QByteArray("\xff\xfe\0\0", 4), 4, "UTF-32LE"}, {QByteArray("?\0\0\0", 4), 0, "UTF-32LE"},
        {QByteArray("\xfe\xff"), 2, "UTF-16BE"},        {QByteArray("\0?", 2), 0, "UTF-16BE"},
        {QByteArray("\xff\xfe"), 2, "UTF-16LE"},        {QByteArray("?\0", 2), 0, "UTF-16LE"},
    };
    const auto matches = [&content](const QByteArray &start) {
        if (content.size() < start.size())
            return false;
        for (int i = 0; i < start.size(); ++i)
            if (start[i] == '?' ? content[i] == '\0' : content[i] != start[i])
                return false;
        return true;
    };
    for (const Form &form : forms) {
        if (!matches(form.start))
            continue;
        QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
        text = QTextCodec::codecForName(form.codec)
                   ->toUnicode(content.constData() + form.orderMark, content.size() - form.orderMark, &state);
        if (state.invalidChars > 0 || state.remainingChars > 0 || hasHalfCharacter(text))
            return tr("The file is not valid %1 text.").arg(QLatin1String(form.codec));
        return {};
    }
    // Decoded whole: a NUL would end the text early, and a binary file read as empty.
    text = QString::fromUtf8(content.constData(), content.size());
    if (text.startsWith(QChar(0xfeff)))
        text.remove(0, 1);
    return {};
}

} // namespace

ReadResult parse(const QByteArray &content)
{
    QString text;
    if (const QString error = decode(content, text); !error.isEmpty())
        return {error, {}};
    // Line ends of every system: CR LF, LF and CR alone.
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.trimmed().isEmpty())
        return {tr("The file is empty."), {}};
    ReadResult result;
    if (text.section(QLatin1Char('\n'), 0, 0).trimmed() == QLatin1String("GIMP Palette")) {
        QStringList lines = text.split(QLatin1Char('\n'));
        if (lines.last().isEmpty()) // the end of the last line, not a line of its own
            lines.removeLast();
        result = parsePalette(lines);
    } else {
        result = parseYaml(text);
    }
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
        return {tr("Cannot read \"%1\": %2").arg(path, platform::systemErrorText(file.errorString())), {}};
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
    QString text = QStringLiteral("scheme: %1\nauthor: %2\n")
                       .arg(schemeyaml::quoted(scheme.name), schemeyaml::quoted(scheme.author));
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

Result<void> write(const QString &path, const Scheme &scheme)
{
    const bool palette = QFileInfo(path).suffix().toLower() == QLatin1String("gpl");
    return writeFileAtomically(path, palette ? paletteText(scheme) : base16Text(scheme));
}

} // namespace scheme
