#include "settingsfile.h"

#include "style/atomicwrite.h"
#include "style/keyvaluefile.h"

#include <QDir>
#include <QFileInfo>

namespace settingsfile {

namespace {
const QString themeKey = QStringLiteral("themenumber");
const QString tooltipsKey = QStringLiteral("showtooltips");
const QString folderPrefix = QStringLiteral("folder_");
const QString recentPrefix = QStringLiteral("recent_"); // recent_1 is the newest
} // namespace

QString folder(const QString &programFolder, const QString &configFolder)
{
    const QFileInfo program(programFolder);
    return program.isDir() && program.isWritable() ? programFolder : configFolder;
}

AppSettings load(const QString &path)
{
    AppSettings settings;
    QMap<QString, QString> map;
    if (!readKeyValueFile(path, map))
        return settings;
    // A file holding neither key is not ours (or is damaged): keep the defaults rather than
    // silently switching tooltips off.
    if (!map.contains(themeKey) && !map.contains(tooltipsKey))
        return settings;
    settings.themenumber = map.value(themeKey).toInt();
    settings.showtooltips = map.value(tooltipsKey) == QLatin1String("1");
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        if (it.key().startsWith(folderPrefix) && !it.value().isEmpty())
            settings.folders.insert(it.key().mid(folderPrefix.size()), it.value());
    for (int i = 1; i <= recentProfileCount; ++i)
        if (const QString profile = map.value(recentPrefix + QString::number(i)); !profile.isEmpty())
            settings.recentProfiles.append(profile);
    return settings;
}

bool save(const QString &path, const AppSettings &settings)
{
    QString text = themeKey + QLatin1Char('=') + QString::number(settings.themenumber) + QLatin1Char('\n') +
                   tooltipsKey + QLatin1Char('=') +
                   (settings.showtooltips ? QLatin1Char('1') : QLatin1Char('0')) + QLatin1Char('\n');
    for (auto it = settings.folders.cbegin(); it != settings.folders.cend(); ++it)
        text += folderPrefix + it.key() + QLatin1Char('=') + it.value() + QLatin1Char('\n');
    for (int i = 0; i < settings.recentProfiles.size() && i < recentProfileCount; ++i)
        text += recentPrefix + QString::number(i + 1) + QLatin1Char('=') + settings.recentProfiles[i] +
                QLatin1Char('\n');
    // The config folder does not exist before the first save of an installed copy.
    QDir().mkpath(QFileInfo(path).absolutePath());
    return writeFileAtomically(path, text.toLocal8Bit()).isEmpty();
}

} // namespace settingsfile
