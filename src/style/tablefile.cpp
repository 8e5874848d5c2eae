// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablefile.h"

#include "lineheight.h"
#include "support/atomicwrite.h"
#include "support/keyvaluefile.h"
#include "support/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace tablefile {

namespace {

bool isSizeKey(const QString &key)
{
    // Named once: every key of every table read is asked about.
    static const QSet<QString> sizeKeys = [] {
        QSet<QString> keys;
        for (const stylekeys::FontGroupKey &group : stylekeys::fontGroups)
            keys.insert(stylekeys::sizeKey(group));
        return keys;
    }();
    return sizeKeys.contains(key);
}

// Why a value cannot stand for its key; empty when it can. The reader puts U+FFFD where a line
// is not UTF-8: a name in another encoding would reach the skin as that mark.
QString valueProblem(const QString &key, const QString &value)
{
    static const QRegularExpression size(QStringLiteral("^[0-9]{1,3}$"));
    if (value.contains(QChar::ReplacementCharacter))
        return QCoreApplication::translate("tablefile", "is not UTF-8 text");
    if (stylekeys::colourIndex(key) >= 0 && !QColor::isValidColor(value))
        return QCoreApplication::translate("tablefile", "is not a colour");
    if (isSizeKey(key) && !(size.match(value).hasMatch() && value.toInt() >= 1))
        return QCoreApplication::translate("tablefile", "is not a whole size from 1 to 999");
    return {};
}

} // namespace

bool read(const QString &path, StyleTable &table)
{
    return readKeyValueFile(path, table);
}

QString readProfile(const QString &path, StyleTable &table, QStringList &warnings)
{
    if (const QString problem = regularfile::problem(path); !problem.isEmpty())
        return problem;
    StyleTable own;
    if (!read(path, own))
        return QCoreApplication::translate("tablefile", "Cannot read the profile \"%1\"")
            .arg(QDir::toNativeSeparators(path));
    for (auto it = own.cbegin(); it != own.cend(); ++it)
        if (std::any_of(it->begin(), it->end(), [](QChar c) { return c.unicode() < 0x20; }))
            return QCoreApplication::translate(
                       "tablefile", "The profile \"%1\" holds a control character in the value of \"%2\"")
                .arg(QDir::toNativeSeparators(path), it.key().trimmed());
    // Keys the profile lacks keep their defaults; the default table itself is read once.
    StyleTable merged;
    if (path != defaultTablePath)
        read(defaultTablePath, merged);
    for (auto it = own.cbegin(); it != own.cend(); ++it) {
        const QString problem = valueProblem(it.key(), it.value());
        if (problem.isEmpty())
            merged.insert(it.key(), it.value());
        else
            warnings << QCoreApplication::translate(
                            "tablefile", "The profile \"%1\": \"%2=%3\" %4; the default \"%5\" is kept")
                            .arg(QDir::toNativeSeparators(path), it.key(), it.value(), problem,
                                 merged.value(it.key()));
    }
    table = merged;
    return {};
}

QColor tableColour(const StyleTable &table, const QString &key)
{
    QColor c;
    c.setNamedColor(table.value(key));
    return c;
}

int tableSize(const StyleTable &table, const QString &key)
{
    return table.value(key).toInt(); // 0 when not a decimal number
}

FontSpec tableFont(const StyleTable &table, const stylekeys::FontGroupKey &group)
{
    return {table.value(stylekeys::nameKey(group)), table.value(stylekeys::weightKey(group)),
            tableSize(table, stylekeys::sizeKey(group))};
}

Style derive(const StyleTable &table)
{
    Style style;
    for (int i = 0; i < stylekeys::colourKeyCount; ++i)
        style.colours[std::size_t(i)] = tableColour(table, QLatin1String(stylekeys::colourKeys[i].key));
    for (int i = 0; i < stylekeys::fontGroupCount; ++i)
        style.fonts[std::size_t(i)] = tableFont(table, stylekeys::fontGroups[i]);
    return style;
}

int tableLineHeight(const StyleTable &table)
{
    bool number = false;
    const int percent = table.value(lineHeightKey).toInt(&number);
    return number && lineheight::inRange(percent) ? percent : lineheight::standard;
}

QByteArray profileText(const Style &style, int lineHeight)
{
    QString text;
    const auto line = [&text](const QString &key, const QString &value) {
        text += key + QLatin1Char('=') + value + QLatin1String("\r\n");
    };
    for (const auto &key : stylekeys::colourKeys)
        line(QLatin1String(key.key), style.colourName(QLatin1String(key.key)));
    for (int i = 0; i < stylekeys::fontGroupCount; ++i) {
        const auto &group = stylekeys::fontGroups[i];
        const FontSpec &font = style.fonts[std::size_t(i)];
        line(stylekeys::nameKey(group), font.family);
        line(stylekeys::sizeKey(group), QString::number(font.size));
        line(stylekeys::weightKey(group), font.weight);
    }
    line(lineHeightKey, lineHeight > 0 ? QString::number(lineHeight) : QString());
    return text.toUtf8();
}

Result<void> writeProfile(const QString &path, const Style &style, int lineHeight)
{
    return writeFileAtomically(path, profileText(style, lineHeight));
}

} // namespace tablefile
