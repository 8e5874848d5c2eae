// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliarguments.h"
#include "platform/console.h"
#include "skin/outputname.h"
#include "style/lineheight.h"
#include "style/tablefile.h"
#include "support/commandlinehelp.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <utility>

namespace {

struct IconChoice
{
    const char *name;
    IconSet set;
};
const IconChoice iconChoices[] = {
    {"default", IconSet::Default},
    {"alternative", IconSet::Alternative},
    {"white", IconSet::White},
};

QString outputOption(const QCommandLineParser &parser, const QString &documentsFolder, const QString &skin,
                     QString &output)
{
    if (parser.isSet(QStringLiteral("output"))) {
        output = parser.value(QStringLiteral("output"));
        return {};
    }
    QString error;
    output = outputname::outputPath(outputname::skinsFolder(documentsFolder), outputname::suggestedName(skin),
                                    skin, &error);
    return error.isEmpty() ? error : Cli::tr("%1; give an output file with --output").arg(error);
}

// A source archive that is not there is named with its option: "not a zip file" would not say which.
QString sourceOption(const QCommandLineParser &parser, const QString &name)
{
    const QString file = parser.value(name);
    if (parser.isSet(name) && !QFileInfo(file).isFile())
        return Cli::tr("--%1: there is no file \"%2\"").arg(name, QDir::toNativeSeparators(file));
    return {};
}

QString iconOption(const QCommandLineParser &parser, SkinBuildOptions &options)
{
    if (parser.isSet(QStringLiteral("icons-from"))) {
        if (parser.isSet(QStringLiteral("icons")))
            return Cli::tr("--icons and --icons-from cannot be combined");
        options.iconSet = IconSet::FromOtherSkin;
        options.iconSkinFile = parser.value(QStringLiteral("icons-from"));
        return {};
    }
    const QString name = parser.value(QStringLiteral("icons"));
    for (const IconChoice &choice : iconChoices) {
        if (name == QLatin1String(choice.name)) {
            options.iconSet = choice.set;
            return {};
        }
    }
    return Cli::tr("--icons takes default, alternative or white, not \"%1\"").arg(name);
}

} // namespace

QString parseArguments(const QStringList &arguments, const QString &documentsFolder, CliRequest &request)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Cli::tr("Restyles the file browser of a Turnwise skin and writes it as a new skin archive.\n"
                "Prints the new archive's path; progress goes to standard error.\n"
                "Exit status: 0 written, 1 build failed, 2 usage error. See also: man panelcraft-cli"));
    // Qt's --help-all would promise the options of a window this program never shows: ours
    // answers it as --help, kept for old habits.
    const QCommandLineOption help = commandlinehelp::helpOption();
    QCommandLineOption helpAll(QStringLiteral("help-all"));
    helpAll.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({help, helpAll});
    const QCommandLineOption version = parser.addVersionOption();
    QList<QCommandLineOption> described{
        {{QStringLiteral("o"), QStringLiteral("output")},
         Cli::tr("Output archive (default: \"<name> (Browser edit).zip\" in the skins folder)."),
         Cli::tr("file")},
        {{QStringLiteral("p"), QStringLiteral("profile")},
         Cli::tr("Style table to apply; \"default\" or \"white\" for the built-in ones."),
         Cli::tr("file"),
         QStringLiteral("default")},
        {QStringLiteral("icons"), Cli::tr("Browser icons: default, alternative or white."), Cli::tr("set"),
         QStringLiteral("default")},
        {QStringLiteral("icons-from"), Cli::tr("Take the custom browser icons of another skin."),
         Cli::tr("zip")},
        {QStringLiteral("float-browser"), Cli::tr("Add the browser in a floating window.")},
        {QStringLiteral("windows-from"), Cli::tr("Add the floating windows of another skin."),
         Cli::tr("zip")},
        {QStringLiteral("global-font"), Cli::tr("Change the global skin font."), Cli::tr("family")},
        {QStringLiteral("global-size"), Cli::tr("Scale text sizes (1-999)."), Cli::tr("pct")},
        {QStringLiteral("line-height"),
         Cli::tr("Browser line height (%1-%2, default %3).")
             .arg(lineheight::smallest)
             .arg(lineheight::largest)
             .arg(lineheight::standard),
         Cli::tr("pct"), QString::number(lineheight::standard)},
        {QStringLiteral("scheme"),
         Cli::tr("Draw the style from a base16 or base24 scheme or a GIMP palette instead of a profile."),
         Cli::tr("file")},
        {QStringLiteral("export-scheme"),
         Cli::tr("Write the profile's colours as a base16 scheme (a GIMP palette when the name ends in .gpl) "
                 "and build nothing."),
         Cli::tr("file")},
        {QStringLiteral("keep-browser"),
         Cli::tr("Leave the browser's colours, fonts and plugin zone unchanged.")},
        {{QStringLiteral("q"), QStringLiteral("quiet")}, Cli::tr("No progress output.")},
    };
    for (QCommandLineOption &option : described)
        option.setDescription(commandlinehelp::keptTogether(option.description()));
    parser.addOptions(described);
    parser.addPositionalArgument(QStringLiteral("skin.zip"),
                                 commandlinehelp::keptTogether(Cli::tr("The skin to restyle.")));

    if (!parser.parse(arguments))
        return parser.errorText();
    const bool helpAsked = parser.isSet(help) || parser.isSet(helpAll);
    if (helpAsked || parser.isSet(version)) {
        platform::writeLine(stdout, helpAsked ? commandlinehelp::spacesBack(parser.helpText()).trimmed()
                                              : QCoreApplication::applicationName() + QLatin1Char(' ') +
                                                    QCoreApplication::applicationVersion());
        request.helpShown = true;
        return {};
    }
    const QStringList skins = parser.positionalArguments();
    const QString profile = parser.value(QStringLiteral("profile"));
    request.profile = profile == QLatin1String("default") ? tablefile::defaultTablePath
                      : profile == QLatin1String("white") ? tablefile::whiteTablePath
                                                          : profile;
    // A scheme stands for the whole style, as a profile does: both at once would leave one unused.
    if (parser.isSet(QStringLiteral("scheme")) && parser.isSet(QStringLiteral("profile")))
        return Cli::tr("--scheme and --profile cannot be combined");
    request.scheme = parser.value(QStringLiteral("scheme"));
    if (parser.isSet(QStringLiteral("export-scheme"))) {
        if (!skins.isEmpty() || parser.isSet(QStringLiteral("scheme")))
            return Cli::tr(
                "--export-scheme writes the scheme of a profile and takes no skin archive or --scheme");
        request.exportScheme = parser.value(QStringLiteral("export-scheme"));
        return {};
    }
    if (skins.size() != 1)
        return skins.isEmpty() ? Cli::tr("No skin archive was given")
                               : Cli::tr("Give exactly one skin archive");

    SkinBuildOptions &options = request.options;
    options.selectedSkinFile = skins.first();
    request.quiet = parser.isSet(QStringLiteral("quiet"));
    options.floatBrowser = parser.isSet(QStringLiteral("float-browser"));
    options.changeColours = !parser.isSet(QStringLiteral("keep-browser"));
    options.importWindows = parser.isSet(QStringLiteral("windows-from"));
    options.windowSkinFile = parser.value(QStringLiteral("windows-from"));
    options.globalFont =
        parser.isSet(QStringLiteral("global-font")) || parser.isSet(QStringLiteral("global-size"));
    options.globalFontName = parser.value(QStringLiteral("global-font"));
    options.lineHeight = percentageFromText(parser.value(QStringLiteral("line-height")));
    options.globalSize = parser.value(QStringLiteral("global-size"));

    for (const QString &error :
         {iconOption(parser, options), sourceOption(parser, QStringLiteral("icons-from")),
          sourceOption(parser, QStringLiteral("windows-from")),
          outputOption(parser, documentsFolder, options.selectedSkinFile, options.outputPath)}) {
        if (!error.isEmpty())
            return error;
    }
    // The builder's own check, named by the argument it is about.
    const auto problem = checkOptions(options);
    if (!problem || problem->field == OptionField::SelectedSkin)
        return problem ? problem->message : QString();
    const QString argument = problem->field == OptionField::LineHeight   ? QStringLiteral("line-height")
                             : problem->field == OptionField::GlobalSize ? QStringLiteral("global-size")
                                                                         : QStringLiteral("output");
    return QStringLiteral("--%1 \"%2\": %3").arg(argument, parser.value(argument), problem->message);
}
