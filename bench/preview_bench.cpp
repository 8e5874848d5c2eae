// SPDX-License-Identifier: GPL-3.0-or-later
// Prints how long the preview takes to recompute its sheets and knob picture for the default style:
// each builder alone (what one colour edit redoes) and all of them together (the full refresh).

#include "preview/previewsheets.h"
#include "style/tablefile.h"
#include "support/resources.h"

#include <benchmark/benchmark.h>

namespace {

const Style &defaultStyle()
{
    static const Style style = [] {
        initPanelcraftResources();
        StyleTable table;
        tablefile::read(tablefile::defaultTablePath, table);
        return tablefile::derive(table);
    }();
    return style;
}

void initgui(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(preview::initguiSheets(defaultStyle()));
}

void lists(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(preview::listSheets(defaultStyle(), 100, true, true));
}

void grids(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(preview::gridSheets(defaultStyle()));
}

void plugin(benchmark::State &state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(preview::pluginSheets(defaultStyle()));
        benchmark::DoNotOptimize(preview::knobImage(defaultStyle()));
    }
}

void fullRefresh(benchmark::State &state)
{
    const Style &style = defaultStyle();
    for (auto _ : state) {
        benchmark::DoNotOptimize(preview::initguiSheets(style));
        benchmark::DoNotOptimize(preview::listSheets(style, 100, true, true));
        benchmark::DoNotOptimize(preview::gridSheets(style));
        benchmark::DoNotOptimize(preview::pluginSheets(style));
        benchmark::DoNotOptimize(preview::knobImage(style));
    }
}

} // namespace

BENCHMARK(initgui);
BENCHMARK(lists);
BENCHMARK(grids);
BENCHMARK(plugin);
BENCHMARK(fullRefresh);

BENCHMARK_MAIN();
