// panelcraft-cli: the "Create Skin" pipeline without a window, for batches and scripts.

#include "cliarguments.h"
#include "clistyle.h"
#include "skin/skinbuilder.h"
#include "style/resources.h"
#include "style/translations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <pthread.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

enum ExitCode { Success = 0, BuildFailed = 1, UsageError = 2 };

// Standard error as the program's own messages use it. The image library writes its complaints
// about odd images straight to the process's standard error, which is therefore sent nowhere:
// the build's own messages say what matters.
FILE *messages = stderr;

void silenceImageLibrary()
{
    const int own = dup(STDERR_FILENO);
    const int nowhere = open("/dev/null", O_WRONLY);
    if (own >= 0 && nowhere >= 0 && dup2(nowhere, STDERR_FILENO) >= 0) {
        messages = fdopen(own, "w");
        std::setvbuf(messages, nullptr, _IONBF, 0);
    }
    if (nowhere >= 0)
        close(nowhere);
}

void printError(const QString &text)
{
    std::fprintf(messages, "panelcraft-cli: %s\n", qPrintable(text));
}

// Qt's own warnings still reach the user, except the image library's, passed on through Qt.
void qtMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (!message.startsWith(QLatin1String("libpng")))
        std::fprintf(messages, "%s\n", qPrintable(message));
}

constexpr int stopSignals[] = {SIGINT, SIGTERM, SIGHUP};

sigset_t stopSignalSet()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : stopSignals)
        sigaddset(&set, signal);
    return set;
}

// An interrupted run must not leave its work folders behind (a big skin unpacks to hundreds of
// megabytes). The signals are held for the whole process and taken by one waiting thread, where
// removing folders is safe, unlike in a signal handler. The build's threads go on until the
// process ends and may make a folder again meanwhile, so a child process takes what is left
// once this one is gone.
void removeOnStop(const QStringList &folders)
{
    std::vector<QByteArray> arguments{"rm", "-rf", "--"};
    for (const QString &folder : folders)
        arguments.push_back(QFile::encodeName(folder));
    const auto waitForStop = [folders, arguments]() mutable {
        std::vector<char *> argv;
        for (QByteArray &argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        const sigset_t set = stopSignalSet();
        int signal = 0;
        sigwait(&set, &signal);
        for (const QString &folder : folders)
            QDir(folder).removeRecursively();
        const pid_t parent = getpid();
        if (fork() == 0) {
            // Only async-signal-safe calls from here on.
            for (int fd = 0; fd < 3; ++fd)
                close(fd);
            while (getppid() == parent)
                usleep(2000);
            execv("/bin/rm", argv.data());
            _exit(127);
        }
        std::_Exit(128 + signal);
    };
    try {
        std::thread(waitForStop).detach();
    } catch (const std::system_error &) {
        // No thread can be made (a process limit): a stop then ends the run at once, leaving the
        // work folders, rather than being held and never taken.
        const sigset_t set = stopSignalSet();
        pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // Before any thread starts, so that every thread inherits the mask.
    const sigset_t stop = stopSignalSet();
    pthread_sigmask(SIG_BLOCK, &stop, nullptr);
    // Over a file-size limit a write should fail with its reason, not end the process.
    std::signal(SIGXFSZ, SIG_IGN);
    // Painting needs a GUI platform, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Batch runs (cron, build servers) often have no runtime folder; give Qt a private one
    // rather than a warning on every run.
    QTemporaryDir runtimeFolder;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeFolder.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder.path()));
    QGuiApplication app(argc, argv);
    silenceImageLibrary();
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
        std::fprintf(messages, "%s\n", qPrintable(Cli::tr("Try 'panelcraft-cli --help'.")));
        return UsageError;
    }

    for (const QString &warning : profileWarnings)
        printError(QStringLiteral("warning: ") + warning);
    if (!request.exportScheme.isEmpty()) {
        const QString error = exportScheme(request, style);
        if (!error.isEmpty())
            printError(error);
        else
            std::printf("%s\n", qPrintable(QDir::toNativeSeparators(request.exportScheme)));
        return error.isEmpty() ? Success : BuildFailed;
    }

    // A fresh folder per run: runs never meet each other or the window's work folders.
    QTemporaryDir workspace;
    if (!workspace.isValid()) {
        printError(Cli::tr("Cannot create a temporary folder: %1").arg(workspace.errorString()));
        return BuildFailed;
    }
    removeOnStop({workspace.path(), runtimeFolder.path()});
    BuildProgress progress;
    if (!request.quiet) {
        progress = [](BuildStep step, const QString &file) {
            const QString text = buildStepText(step);
            std::fprintf(
                messages, "%s\n",
                qPrintable(file.isEmpty() ? text : text + QLatin1Char(' ') + QDir::toNativeSeparators(file)));
        };
    }
    const BuildResult result = SkinBuilder::build(request.options, style, workspace.path(), progress);
    if (!result.ok) {
        printError(result.message);
        return BuildFailed;
    }
    for (const QString &warning : result.warnings)
        printError(Cli::tr("warning: %1").arg(warning));
    std::printf("%s\n", qPrintable(QDir::toNativeSeparators(result.outputPath)));
    return Success;
}
