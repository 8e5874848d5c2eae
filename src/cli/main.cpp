// SPDX-License-Identifier: GPL-3.0-or-later
// panelcraft-cli: the "Create Skin" pipeline without a window, for batches and scripts.

#include "cliarguments.h"
#include "clistyle.h"
#include "skin/skinbuilder.h"
#include "support/resources.h"
#include "support/translations.h"

#include "platform/console.h"
#include "platform/stoprequests.h"
#include "platform/systemerror.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

enum ExitCode { Success = 0, BuildFailed = 1, UsageError = 2 };

// Standard error as the program's own messages use it.
FILE *messages = stderr;

void printError(const QString &text)
{
    platform::writeLine(messages, QStringLiteral("panelcraft-cli: ") + text);
}

// Warnings about the profile and the build alike.
void printWarning(const QString &text)
{
    printError(Cli::tr("warning: %1").arg(text));
}

// Qt's own warnings still reach the user, except the image library's, passed on through Qt.
void qtMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (!message.startsWith(QLatin1String("libpng")))
        platform::writeLine(messages, message);
}

// Started as `panelcraft-cli --remove-after <process id> <folder>...`, the program waits until that
// process has ended and removes the folders.
constexpr char removeAfter[] = "--remove-after";

int removeWhenEnded(int argc, char *argv[])
{
    platform::ignoreTerminalStops();
    const QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(2);
    const qint64 process = arguments.value(0).toLongLong();
    while (platform::processRunning(process))
        QThread::msleep(2);
    for (const QString &folder : arguments.mid(1))
        QDir(folder).removeRecursively();
    return Success;
}

// An interrupted run must not leave its work folders behind (a big skin unpacks to hundreds of
// megabytes), and ends only once they are gone: a script may look right after it. The build's
// threads go on until the process ends and may make a folder again meanwhile, so a copy of this
// program, started first, removes what is left once this one is gone. Before the application
// object exists, no thread of the run makes anything, and there is no copy to start.
void removeOnStop(QStringList folders)
{
    folders.removeAll(QString()); // a folder that could not be made: QDir("") is the current one
    const QString program =
        QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
    const qint64 self = QCoreApplication::applicationPid();
    platform::whenStopped([folders, program, self] {
        if (!program.isEmpty()) {
            QProcess helper;
            helper.setProgram(program);
            helper.setArguments(QStringList{QLatin1String(removeAfter), QString::number(self)} + folders);
            helper.setStandardInputFile(QProcess::nullDevice());
            helper.setStandardOutputFile(QProcess::nullDevice());
            helper.setStandardErrorFile(QProcess::nullDevice());
            helper.startDetached();
        }
        const auto removed = [&folders] {
            return std::all_of(folders.cbegin(), folders.cend(),
                               [](const QString &folder) { return QDir(folder).removeRecursively(); });
        };
        // Two seconds: what takes longer is left to the copy.
        for (const QDeadlineTimer deadline(2000); !removed() && !deadline.hasExpired();)
            QThread::msleep(1);
    });
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 2 && std::strcmp(argv[1], removeAfter) == 0)
        return removeWhenEnded(argc, argv);
    platform::holdStopRequests();
    platform::failOversizedWrites();
#ifndef Q_OS_WIN
    // Painting needs a GUI platform, but never a display. Windows' own platform needs none: it is
    // the one a Windows copy carries.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    // Batch runs (cron, build servers) often have no runtime folder; give Qt a private one
    // rather than a warning on every run.
    QTemporaryDir runtimeFolder;
    removeOnStop({runtimeFolder.path()});
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeFolder.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder.path()));
    QGuiApplication app(argc, argv);
    // The image library writes its complaints about odd images straight to standard error: the
    // build's own messages say what matters.
    messages = platform::setAsideStandardError();
    qInstallMessageHandler(qtMessage);
    QCoreApplication::setApplicationName(QStringLiteral("panelcraft-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PANELCRAFT_VERSION));
    initPanelcraftResources();
    loadTranslations();

    CliRequest request;
    const QString usage =
        parseArguments(QCoreApplication::arguments(),
                       QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), request);
    if (request.helpShown)
        return Success;
    Style style;
    QStringList profileWarnings;
    const QString styleError = usage.isEmpty() ? loadStyle(request, style, profileWarnings) : QString();
    if (!usage.isEmpty() || !styleError.isEmpty()) {
        printError(usage.isEmpty() ? styleError : usage);
        platform::writeLine(messages, Cli::tr("Try 'panelcraft-cli --help'."));
        return UsageError;
    }

    for (const QString &warning : profileWarnings)
        printWarning(warning);
    if (!request.exportScheme.isEmpty()) {
        // As for an archive: a run that reports being stopped has written nothing.
        platform::letStopRequestsGo();
        const Result<void> written = exportScheme(request, style);
        if (!written)
            printError(written.error());
        else
            platform::writeLine(stdout, QDir::toNativeSeparators(request.exportScheme));
        return written ? Success : BuildFailed;
    }

    // A fresh folder per run: runs never meet each other or the window's work folders.
    QTemporaryDir workspace;
    if (!workspace.isValid()) {
        printError(Cli::tr("Cannot create a temporary folder: %1")
                       .arg(platform::systemErrorText(workspace.errorString())));
        return BuildFailed;
    }
    removeOnStop({workspace.path(), runtimeFolder.path()});
    BuildProgress progress;
    if (!request.quiet) {
        progress = [](BuildStep step, const QString &file) {
            platform::writeLine(messages, buildStepText(step, QDir::toNativeSeparators(file)));
        };
    }
    const BuildResult result = SkinBuilder::build(request.options, style, workspace.path(), progress);
    platform::letStopRequestsGo();
    if (!result.ok) {
        printError(result.message);
        return BuildFailed;
    }
    for (const QString &warning : result.warnings)
        printWarning(warning);
    platform::writeLine(stdout, QDir::toNativeSeparators(result.outputPath));
    return Success;
}
