// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/archive/workpaths.h"

#include <QStringList>
#include <cstring>

namespace archive {
namespace {

constexpr char upperMark = '^';
constexpr char byteMark = '%';

bool keptAsItIs(char c)
{
    // Not "~": Windows may give a long name a short one like "skin~1.xml", which a work name
    // of that spelling would open.
    static const char signs[] = " !#$&'()+,-.;=@[]_`{}";
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || (c != '\0' && std::strchr(signs, c));
}

QString escaped(uchar byte)
{
    return QLatin1Char(byteMark) + QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0'));
}

// Device names: with any extension, in any case, and with spaces after them, Windows opens the
// device instead.
bool reservedOnWindows(const QString &name)
{
    QString stem = name.section(QLatin1Char('.'), 0, 0);
    while (stem.endsWith(QLatin1Char(' ')))
        stem.chop(1);
    static const QStringList devices{QStringLiteral("con"),    QStringLiteral("prn"),
                                     QStringLiteral("aux"),    QStringLiteral("nul"),
                                     QStringLiteral("conin$"), QStringLiteral("conout$")};
    if (devices.contains(stem))
        return true;
    return stem.size() == 4 &&
           (stem.startsWith(QLatin1String("com")) || stem.startsWith(QLatin1String("lpt"))) &&
           stem.at(3).isDigit();
}

QString partName(const QString &part)
{
    QString name;
    for (const char c : part.toUtf8()) {
        if (c >= 'A' && c <= 'Z') {
            name += QLatin1Char(upperMark);
            name += QLatin1Char(char(c - 'A' + 'a'));
        } else if (keptAsItIs(c)) {
            name += QLatin1Char(c);
        } else {
            name += escaped(uchar(c));
        }
    }
    if (reservedOnWindows(name))
        name.replace(0, 1, escaped(uchar(name.at(0).toLatin1())));
    // Windows drops a dot or space that ends a name.
    if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        name.replace(name.size() - 1, 1, escaped(uchar(name.back().toLatin1())));
    return name;
}

} // namespace

QString workName(const QString &path)
{
    QStringList parts = path.split(QLatin1Char('/'));
    for (QString &part : parts)
        part = partName(part);
    return parts.join(QLatin1Char('/'));
}

QString entryPath(const QString &workName)
{
    QByteArray path;
    const QByteArray name = workName.toLatin1();
    for (int i = 0; i < name.size(); ++i) {
        const char c = name.at(i);
        if (c == upperMark && i + 1 < name.size() && name.at(i + 1) >= 'a' && name.at(i + 1) <= 'z') {
            path += char(name.at(++i) - 'a' + 'A');
        } else if (c == byteMark && i + 2 < name.size()) {
            bool ok = false;
            path += char(name.mid(i + 1, 2).toInt(&ok, 16));
            if (!ok)
                return {};
            i += 2;
        } else if (c == '/' || keptAsItIs(c)) {
            path += c;
        } else {
            return {};
        }
    }
    const QString decoded = QString::fromUtf8(path);
    // Only the spelling workName() gives: no other file of the folder passes for an entry.
    return archive::workName(decoded) == workName ? decoded : QString();
}

} // namespace archive
