#include "startup.h"
#include "theme.h"

#include "style/resources.h"
#include "style/translations.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPalette>

void prepareApplicationAttributes()
{
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true);
}

void prepareApplication()
{
    // The name fixes the user's config folder (settings of an installed copy) whatever the
    // executable is called; the desktop file name lets the desktop match the window to its entry.
    QCoreApplication::setApplicationName(QStringLiteral("panelcraft"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PANELCRAFT_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("panelcraft"));
    // Found once the package has put the icon into the hicolor theme; a build copy has none.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("panelcraft")));
    initPanelcraftResources();
    loadTranslations();
    // The platform's hint colour in fields is too faint to read (about 4:1 on white); no style
    // sheet rule reaches it, so the application's palette carries it into both themes.
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::PlaceholderText, placeholderColour(palette));
    QApplication::setPalette(palette);
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);
}
