#include "profilestyle.h"

#include "style/tablefile.h"

#include <QDir>

#include <algorithm>

QString styleForProfile(const QString &profile, Style &style)
{
    StyleTable table;
    tablefile::read(tablefile::defaultTablePath, table);
    if (profile == QLatin1String("white")) {
        tablefile::read(tablefile::whiteTablePath, table);
    } else if (profile != QLatin1String("default")) {
        StyleTable own;
        if (!tablefile::read(profile, own))
            return QStringLiteral("Cannot read the profile \"%1\"").arg(QDir::toNativeSeparators(profile));
        // Values go into the skin's XML, where a control character (NUL above all) has no place.
        for (auto it = own.cbegin(); it != own.cend(); ++it) {
            if (std::any_of(it->begin(), it->end(), [](QChar c) { return c.unicode() < 0x20; }))
                return QStringLiteral("The profile \"%1\" holds a control character in the value of \"%2\"")
                    .arg(QDir::toNativeSeparators(profile), it.key().trimmed());
            table.insert(it.key(), it.value());
        }
    }
    style = tablefile::derive(table);
    return {};
}
