// SPDX-License-Identifier: GPL-3.0-or-later
// Times reading a skin's palette and prints it, with the style drawn from it:
//   panelcraft-bench-palette <skin.zip>...
// For each skin: the time to read the palette (best of three), its colours and weights, and the
// drawn style's lowest text contrast and closest pair of states (CIEDE2000, any eye).

#include "colour/colourvision.h"
#include "colour/stylefrompalette.h"
#include "style/contrast.h"
#include "style/tablefile.h"
#include "support/resources.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextStream>
#include <limits>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    initPanelcraftResources();
    QTextStream out(stdout);
    StyleTable table;
    tablefile::read(tablefile::defaultTablePath, table);
    const Style base = tablefile::derive(table);
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        skinpalette::Result result;
        qint64 best = std::numeric_limits<qint64>::max();
        for (int run = 0; run < 3; ++run) {
            QElapsedTimer timer;
            timer.start();
            result = skinpalette::readSkin(path);
            best = std::min(best, timer.elapsed());
        }
        out << path << ": " << best << " ms";
        if (!result.error.isEmpty()) {
            out << ", " << result.error << "\n";
            continue;
        }
        out << ", " << result.swatches.size() << " colours:";
        for (const skinpalette::Swatch &s : result.swatches)
            out << ' ' << s.colour.name() << ' ' << QString::number(s.weight * 100, 'f', 1) << '%';
        const Style style = stylefrompalette::generate(result.swatches, std::nullopt, base);
        double lowest = 21, closest = 1000;
        for (const contrast::TextOnGrounds &row : contrast::table())
            for (int b : row.backgrounds)
                lowest = std::min(lowest, contrast::ratio(style.colours[std::size_t(row.text)],
                                                          style.colours[std::size_t(b)]));
        for (const auto &[a, b] : colourvision::pairsToTellApart())
            closest = std::min(closest, colourvision::leastDifference(style.colours[std::size_t(a)],
                                                                      style.colours[std::size_t(b)]));
        out << "\n  drawn style: lowest contrast " << QString::number(lowest, 'f', 2) << ":1, closest states "
            << QString::number(closest, 'f', 1) << ", hints " << colourvision::confusions(style).size()
            << "\n";
    }
    return 0;
}
