// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include "support/resources.h"
#include "support/translations.h"

#include <QApplication>
#include <QFont>
#include <QFontInfo>
#include <QIcon>

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
    QFont font = QApplication::font();
    font.setPixelSize(11);
    // The platform may name a family that is not installed and stands for another: every font
    // derived from this one (bold, italic, larger) would be looked for under that name first, and
    // each miss asks the system for substitutes, costly at start-up. The face it stands for is
    // named instead.
    font.setFamily(QFontInfo(font).family());
    QApplication::setFont(font);
}
