// SPDX-License-Identifier: GPL-3.0-or-later
// The window's responsiveness, as a user feels it. Prints figures; asserts nothing.
//
//   panelcraft-bench-window startup            whole-process start-up to the first event-loop
//                                              pass, the window against an empty QMainWindow and
//                                              one showing a single text, wall time and (steadier
//                                              on a busy machine) CPU time; and, where valgrind is
//                                              installed, instructions, the steadiest of all
//   panelcraft-bench-window switches           a theme switch and the preview's first showing, each
//                                              until the window has been painted again
//   panelcraft-bench-window build <skin.zip>   the longest stretch without event processing
//                                              while "Create Skin" runs on that skin

#include "app/dialogs.h"
#include "app/mainwindow.h"
#include "app/startup.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sys/resource.h>
#include <vector>

namespace {

// One child process: shows a window and quits on the first pass of its event loop. The window is
// Panelcraft's, an empty QMainWindow, or one holding a single line of text: the first text a
// window lays out loads a face and the shaper, a floor no window with words gets under. `home` is
// a new empty folder for the window's settings and documents, which the parent removes.
int showAndQuit(int argc, char *argv[], const QString &kind, const QString &home)
{
    prepareApplicationAttributes();
    QApplication app(argc, argv);
    std::unique_ptr<QMainWindow> window;
    if (kind == QLatin1String("window")) {
        prepareApplication();
        window = std::make_unique<MainWindow>(AppPaths{home, home, home});
    } else {
        window = std::make_unique<QMainWindow>();
        if (kind == QLatin1String("label"))
            window->setCentralWidget(new QLabel(QStringLiteral("Choose a skin to start from")));
    }
    window->show();
    // Ends right there, for all alike: tearing the window down is no part of starting it.
    QTimer::singleShot(0, &app, [] { std::_Exit(0); });
    return app.exec();
}

// Child processes' user + system time so far, in milliseconds.
double childCpuMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval &t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct Medians
{
    double wall; // milliseconds from start to exit
    double cpu;  // the process's own CPU time, less disturbed by other load on the machine
};

// Each kind's median over `runs` processes. The kinds take turns, so a machine that slows down or
// speeds up on the way weighs on each alike.
std::vector<Medians> medianMilliseconds(const QString &program, const QStringList &kinds, int runs)
{
    std::vector<std::vector<double>> times(std::size_t(kinds.size())), cpuTimes(std::size_t(kinds.size()));
    for (int i = 0; i < runs; ++i) {
        for (int k = 0; k < kinds.size(); ++k) {
            QElapsedTimer clock;
            clock.start();
            const double cpuBefore = childCpuMilliseconds();
            QTemporaryDir home;
            QProcess child;
            child.start(program, {QStringLiteral("--child"), kinds.at(k), home.path()});
            child.waitForFinished(60000);
            times[std::size_t(k)].push_back(clock.nsecsElapsed() / 1e6);
            cpuTimes[std::size_t(k)].push_back(childCpuMilliseconds() - cpuBefore);
        }
    }
    const auto median = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    std::vector<Medians> medians;
    for (std::size_t k = 0; k < times.size(); ++k)
        medians.push_back({median(times[k]), median(cpuTimes[k])});
    return medians;
}

// The instructions a child process runs, counted by valgrind's callgrind; 0 without valgrind.
double instructions(const QString &program, const QString &kind)
{
    const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
    if (valgrind.isEmpty())
        return 0;
    QTemporaryDir home;
    QProcess child;
    child.start(valgrind,
                {QStringLiteral("--tool=callgrind"), QStringLiteral("--callgrind-out-file=/dev/null"),
                 program, QStringLiteral("--child"), kind, home.path()});
    child.waitForFinished(300000);
    // Helpers the process forks (the X11 GL integration's) report first: the process's own count
    // comes last.
    const QString report = QString::fromLocal8Bit(child.readAllStandardError());
    double count = 0;
    for (QRegularExpressionMatchIterator collected =
             QRegularExpression(QStringLiteral("Collected : (\\d+)")).globalMatch(report);
         collected.hasNext();)
        count = collected.next().captured(1).toDouble();
    return count;
}

int startup(const QString &program)
{
    const int runs = 41;
    const std::vector<Medians> medians = medianMilliseconds(
        program, {QStringLiteral("empty"), QStringLiteral("label"), QStringLiteral("window")}, runs);
    const Medians &empty = medians[0];
    std::printf("start-up to the first event-loop pass, median of %d processes each, taking turns "
                "(QT_QPA_PLATFORM=%s)\n",
                runs, qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("                           wall        CPU     ratio to empty (wall, CPU)\n");
    const auto row = [&](const char *what, const Medians &m) {
        std::printf("  %-22s %7.1f ms  %7.1f ms  %5.2f  %5.2f\n", what, m.wall, m.cpu, m.wall / empty.wall,
                    m.cpu / empty.cpu);
    };
    row("empty QMainWindow", empty);
    row("QMainWindow, one text", medians[1]);
    row("Panelcraft window", medians[2]);
    const double emptyCount = instructions(program, QStringLiteral("empty"));
    if (emptyCount == 0)
        return 0;
    std::printf("instructions, whole process (callgrind)    ratio to empty\n");
    for (const auto &[what, kind] :
         {std::pair("empty QMainWindow", "empty"), std::pair("QMainWindow, one text", "label"),
          std::pair("Panelcraft window", "window")}) {
        const double count =
            kind == QLatin1String("empty") ? emptyCount : instructions(program, QLatin1String(kind));
        std::printf("  %-22s %9.1f M            %5.2f\n", what, count / 1e6, count / emptyCount);
    }
    return 0;
}

// This process's user + system time so far, in milliseconds.
double ownCpuMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval &t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

int switches(int argc, char *argv[])
{
    prepareApplicationAttributes();
    QApplication app(argc, argv);
    prepareApplication();
    QTemporaryDir home;
    MainWindow window(AppPaths{home.path(), home.path(), home.path()});
    window.show();
    QCoreApplication::processEvents();
    const auto timed = [&](const char *what, const std::function<void()> &act) {
        QElapsedTimer clock;
        const double cpu = ownCpuMilliseconds();
        clock.start();
        act();
        window.repaint();
        QCoreApplication::processEvents();
        std::printf("  %-32s %7.1f ms wall  %7.1f ms CPU\n", what, clock.nsecsElapsed() / 1e6,
                    ownCpuMilliseconds() - cpu);
    };
    std::printf("after start-up (QT_QPA_PLATFORM=%s)\n", qgetenv("QT_QPA_PLATFORM").constData());
    timed("switch to the bright theme",
          [&] { window.findChild<QAction *>(QStringLiteral("actionBrightTheme"))->trigger(); });
    timed("switch back to the dark theme",
          [&] { window.findChild<QAction *>(QStringLiteral("actionDarkTheme"))->trigger(); });
    timed("show the preview the first time",
          [&] { window.findChild<QAbstractButton *>(QStringLiteral("showPreviewBox"))->click(); });
    return 0;
}

int build(int argc, char *argv[], const QString &skin)
{
    prepareApplicationAttributes();
    QApplication app(argc, argv);
    prepareApplication();
    QTemporaryDir home;
    MainWindow window(AppPaths{home.path(), home.path(), home.path()});
    window.show();
    Dialogs::setTesting(true);
    Dialogs::setNextFileName(skin);
    window.findChild<QAbstractButton *>(QStringLiteral("chooseSkinButton"))->click();

    qint64 longestGap = 0;
    int ticks = 0;
    QElapsedTimer clock;
    QElapsedTimer sinceTick;
    QTimer ticker;
    QString longestAfter; // the status shown when the longest gap ended: where the time went
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (sinceTick.nsecsElapsed() > longestGap) {
            longestGap = sinceTick.nsecsElapsed();
            longestAfter = window.findChild<QLabel *>(QStringLiteral("statusLabel"))->text();
        }
        sinceTick.restart();
        ++ticks;
        if (!window.isBusy())
            app.quit();
    });
    clock.start();
    sinceTick.start();
    window.findChild<QAbstractButton *>(QStringLiteral("createSkinButton"))->click();
    std::printf("the click itself took %.1f ms\n", clock.nsecsElapsed() / 1e6);
    ticker.start(1);
    app.exec();
    std::printf("Create Skin on %s: %.0f ms, %d event-loop passes of a 1 ms timer, longest gap %.1f ms "
                "(ending at \"%s\")\n",
                qPrintable(skin), clock.nsecsElapsed() / 1e6, ticks, longestGap / 1e6,
                qPrintable(longestAfter));
    const bool failed = Dialogs::requests().last().kind == Dialogs::Kind::Warning;
    if (failed)
        std::printf("the build failed: %s\n", qPrintable(Dialogs::requests().last().text));
    return failed ? 1 : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (args.size() == 3 && args[0] == QLatin1String("--child"))
        return showAndQuit(argc, argv, args[1], args[2]);
    if (args.size() == 1 && args[0] == QLatin1String("startup"))
        return startup(QString::fromLocal8Bit(argv[0]));
    if (args.size() == 1 && args[0] == QLatin1String("switches"))
        return switches(argc, argv);
    if (args.size() == 2 && args[0] == QLatin1String("build"))
        return build(argc, argv, args[1]);
    std::fprintf(stderr, "usage: %s startup | switches | build <skin.zip>\n", argv[0]);
    return 2;
}
