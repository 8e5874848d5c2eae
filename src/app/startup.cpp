// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include "platform/console.h"
#include "support/commandlinehelp.h"
#include "support/resources.h"
#include "support/translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFont>
#include <QIcon>
#include <cstring>

namespace {

// The name fixes the user's config folder (settings of an installed copy) whatever the
// executable is called.
void nameProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("panelcraft"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PANELCRAFT_VERSION));
}

bool asksForInformation(const char *argument)
{
    for (const char *request : {"--help", "-h", "-?", "--help-all", "--version", "-v"})
        if (std::strcmp(argument, request) == 0)
            return true;
    return false;
}

} // namespace

std::optional<int> answerInformationRequest(int argc, char *argv[])
{
    bool asked = false;
    // After "--" every argument is a file, whatever its name.
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
        asked = asked || asksForInformation(argv[i]);
    if (!asked)
        return std::nullopt;
    const QCoreApplication app(argc, argv);
    nameProgram();
    initPanelcraftResources();
    loadTranslations();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("startup", "Restyles the file browser of Turnwise skins in a window.\n"
                                               "See also: panelcraft-cli --help"));
    const QCommandLineOption help = commandlinehelp::helpOption();
    QCommandLineOption helpAll(QStringLiteral("help-all"));
    helpAll.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({help, helpAll});
    parser.addVersionOption();
    parser.addPositionalArgument(QCoreApplication::translate("startup", "files"),
                                 commandlinehelp::keptTogether(QCoreApplication::translate(
                                     "startup", "Skins (.zip), profiles (.pcp) or colour schemes to open.")),
                                 QCoreApplication::translate("startup", "[files...]"));
    // The window's other options are Qt's own (-style, -platform ...): not refused here.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.parse(QCoreApplication::arguments());
    platform::writeLine(stdout, parser.isSet(help) || parser.isSet(helpAll)
                                    ? commandlinehelp::spacesBack(parser.helpText()).trimmed()
                                    : QCoreApplication::applicationName() + QLatin1Char(' ') +
                                          QCoreApplication::applicationVersion());
    return 0;
}

void prepareApplicationAttributes()
{
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true);
}

void prepareApplication()
{
    nameProgram();
    // The desktop file name lets the desktop match the window to its entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("panelcraft"));
    initPanelcraftResources();
    // Windows takes a window's icon from the executable, macOS from the bundle, Wayland from the
    // desktop entry: X11 alone from the window. The program brings its own, since looking it up in
    // the desktop's icon theme walks the whole theme as the window maps (a tenth of starting), and
    // a build copy finds none there.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        QIcon icon;
        for (const int size : {16, 24, 32, 48, 64})
            icon.addFile(QStringLiteral(":/icons/panelcraft-%1.png").arg(size), QSize(size, size));
        QApplication::setWindowIcon(icon);
    }
    loadTranslations();
    QApplication::setFont(formFont());
}

QFont formFont()
{
    // The family stays as the platform names it, even where that name stands for another face:
    // asked for under two names, the one face the form uses would be loaded twice.
    QFont font = QApplication::font();
    font.setPixelSize(11);
    // The program's words are in scripts whose letters stand on their own: they are set letter
    // by letter, without the shaping engine's substitutions and pair kerning. Shaping each
    // caption, button and value anew was a tenth of the work of starting the window. Scripts that
    // need shaping still get it.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}
