// SPDX-License-Identifier: GPL-3.0-or-later
// How long the editor takes to follow the user: loading a table, the full refresh, one colour edit.
// Runs the real main window offscreen on temporary folders.

#include "app/dialogs.h"
#include "app/mainwindow.h"
#include "app/startup.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QTabWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

MainWindow &window()
{
    static QTemporaryDir folder;
    static MainWindow w({folder.path(), folder.path(), folder.path()});
    return w;
}

void click(const char *name)
{
    window().findChild<QAbstractButton *>(QLatin1String(name))->click();
}

void loadTable(benchmark::State &state)
{
    for (auto _ : state)
        window().findChild<QAction *>(QStringLiteral("actionDefaultTable"))->trigger();
}
BENCHMARK(loadTable)->Unit(benchmark::kMicrosecond);

// The "Reset" button: reload the active table, then theme, editor rows and the whole preview.
void fullRefresh(benchmark::State &state)
{
    for (auto _ : state)
        click("resetAllButton");
}
BENCHMARK(fullRefresh)->Unit(benchmark::kMicrosecond);

// Default and White alternately: every swatch, label and preview sheet changes.
void switchTable(benchmark::State &state)
{
    bool white = false;
    for (auto _ : state)
        window()
            .findChild<QAction *>((white = !white) ? "actionWhiteTable" : "actionDefaultTable")
            ->trigger();
}
BENCHMARK(switchTable)->Unit(benchmark::kMicrosecond);

// The parts of the full refresh, one by one.
void refreshStep(benchmark::State &state, const char *slot)
{
    for (auto _ : state)
        QMetaObject::invokeMethod(&window(), slot);
}
BENCHMARK_CAPTURE(refreshStep, initcolors, "initcolors")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(refreshStep, initgui, "initgui")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(refreshStep, updatebrowsercolors, "updatebrowsercolors")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(refreshStep, updategrids, "updategrids")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(refreshStep, updateplugin, "updateplugin")->Unit(benchmark::kMicrosecond);

void applyTheme(benchmark::State &state)
{
    for (auto _ : state)
        window().applyTheme(ThemeChoice::Dark);
}
BENCHMARK(applyTheme)->Unit(benchmark::kMicrosecond);

// One colour edit through its row: a list colour restyles the four list widgets, the background
// four widgets, the lists and the grid page, a plugin colour repaints the knob picture.
void colourEdit(benchmark::State &state, const char *pickButton)
{
    bool flip = false;
    for (auto _ : state) {
        Dialogs::setNextColor(QColor((flip = !flip) ? "#102030" : "#302010"));
        click(pickButton);
    }
}
BENCHMARK_CAPTURE(colourEdit, list, "listTextPick")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(colourEdit, background, "backgroundcolorPick")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(colourEdit, plugin, "fxKnobborderPick")->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    prepareApplicationAttributes();
    QApplication app(argc, argv);
    prepareApplication();
    Dialogs::setTesting(true);
    window().show();
    click("showPreviewBox"); // the preview, which every edit restyles
    // Each settings page gets its rows when first shown.
    auto *pages = window().findChild<QTabWidget *>(QStringLiteral("settingsPages"));
    for (int page = 0; page < pages->count(); ++page)
        pages->setCurrentIndex(page);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
