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

QString entryName(const QByteArray &bytes, int flags)
{
    constexpr int utf8Flag = 0x800;
    return flags & utf8Flag ? QString::fromUtf8(bytes) : fromCodePage437(bytes);
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
