// panelcraft-cli: the "Create Skin" pipeline without a window, for batches and scripts.

#include "cliarguments.h"
#include "profilestyle.h"
#include "skin/skinbuilder.h"
#include "style/resources.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

namespace {

enum ExitCode { Success = 0, BuildFailed = 1, UsageError = 2 };

void printError(const QString &text)
{
    std::fprintf(stderr, "panelcraft-cli: %s\n", qPrintable(text));
}

} // namespace

int main(int argc, char *argv[])
{
    // Painting needs a GUI platform, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Batch runs (cron, build servers) often have no runtime folder; give Qt a private one
    // rather than a warning on every run.
    QTemporaryDir runtimeFolder;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeFolder.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder.path()));
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("panelcraft-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PANELCRAFT_VERSION));
    initPanelcraftResources();

    CliRequest request;
    const QString usage =
        parseArguments(QCoreApplication::arguments(),
                       QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), request);
    if (request.helpShown)
        return Success;
    Style style;
    const QString styleError = usage.isEmpty() ? styleForProfile(request.profile, style) : QString();
    if (!usage.isEmpty() || !styleError.isEmpty()) {
        printError(usage.isEmpty() ? styleError : usage);
        std::fputs("Try 'panelcraft-cli --help'.\n", stderr);
        return UsageError;
    }

    // A fresh folder per run: runs never meet each other or the window's work folders.
    QTemporaryDir workspace;
    if (!workspace.isValid()) {
        printError(QStringLiteral("Cannot create a temporary folder: %1").arg(workspace.errorString()));
        return BuildFailed;
    }
    BuildProgress progress;
    if (!request.quiet) {
        progress = [](BuildStep step, const QString &file) {
            const QString text = buildStepText(step);
            std::fprintf(
                stderr, "%s\n",
                qPrintable(file.isEmpty() ? text : text + QLatin1Char(' ') + QDir::toNativeSeparators(file)));
        };
    }
    const BuildResult result = SkinBuilder::build(request.options, style, workspace.path(), progress);
    if (!result.ok) {
        printError(result.message);
        return BuildFailed;
    }
    for (const QString &warning : result.warnings)
        printError(QStringLiteral("warning: ") + warning);
    std::printf("%s\n", qPrintable(QDir::toNativeSeparators(result.outputPath)));
    return Success;
}
