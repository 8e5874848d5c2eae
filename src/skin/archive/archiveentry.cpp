// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/archive/archiveentry.h"

#include "skin/archive/codepage437.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <QTextCodec>
#include <quazip/quazip.h>

namespace archive {
namespace {

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

// The text UTF-8 `bytes` stand for, whole, or nothing when they are not UTF-8 that gives the same
// bytes again: the new archive writes the text back as the name.
std::optional<QString> fromUtf8(const QByteArray &bytes)
{
    constexpr int utf8 = 106; // its MIB number
    // Without IgnoreHeader a byte-order mark at the start would be dropped, as QString::fromUtf8 does.
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    const QString text = QTextCodec::codecForMib(utf8)->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars != 0 || state.remainingChars != 0 || text.toUtf8() != bytes)
        return std::nullopt;
    return text;
}

} // namespace

std::optional<QString> safeRelativePath(QString name)
{
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (name.startsWith(QLatin1Char('/')))
        return std::nullopt;
    QStringList parts;
    for (const QString &part : name.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        // ':' would name a drive or an alternate data stream on some systems.
        if (part == QLatin1String("..") || part.contains(QLatin1Char(':')))
            return std::nullopt;
        if (part != QLatin1String("."))
            parts << part;
    }
    return parts.join(QLatin1Char('/'));
}

std::optional<QString> entryName(const QByteArray &bytes, int flags)
{
    std::optional<QString> text = fromUtf8(bytes);
    if (!text && !(flags & utf8NameFlag))
        return fromCodePage437(bytes);
    return text;
}

QTextCodec *bytesAsText()
{
    constexpr int latin1 = 4; // its MIB number
    return QTextCodec::codecForMib(latin1);
}

bool openForReading(QuaZip &zip)
{
    zip.setFileNameCodec(bytesAsText());
    zip.setCommentCodec(bytesAsText());
    return zip.open(QuaZip::mdUnzip);
}

QString quoted(const QString &path)
{
    return QLatin1Char('"') + printable(QDir::toNativeSeparators(path)) + QLatin1Char('"');
}

QString cannotWrite(const QString &path, const QString &why)
{
    return QCoreApplication::translate("archiveentry", "Cannot write %1: %2").arg(quoted(path), why);
}

QString printable(const QString &name)
{
    QString out;
    out.reserve(name.size());
    for (const QChar c : name) {
        if (isControl(c))
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

bool hasControlCharacter(const QString &name)
{
    return std::any_of(name.begin(), name.end(), isControl);
}

} // namespace archive
