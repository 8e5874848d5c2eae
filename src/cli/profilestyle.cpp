#include "profilestyle.h"

#include "style/tablefile.h"

#include <QDir>

QString styleForProfile(const QString &profile, Style &style)
{
    StyleTable table;
    tablefile::read(tablefile::defaultTablePath, table);
    if (profile == QLatin1String("white")) {
        tablefile::read(tablefile::whiteTablePath, table);
    } else if (profile != QLatin1String("default") && !tablefile::read(profile, table)) {
        return QStringLiteral("Cannot read the profile \"%1\"").arg(QDir::toNativeSeparators(profile));
    }
    style = tablefile::derive(table);
    return {};
}
