// SPDX-License-Identifier: GPL-3.0-or-later
// Time and size of the PNG writer's settings against the image library's own encoder, for the
// images given (best of three each). Prints one line per image and setting.
//
//     panelcraft-bench-png image.png...

#include "skin/images/pngwriter.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <cstdio>
#include <functional>

namespace {

// Best time of three, in milliseconds, and the size of what was made.
std::pair<double, qint64> measure(const std::function<QByteArray()> &encode)
{
    double best = 1e12;
    qint64 size = 0;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        const QByteArray png = encode();
        best = qMin(best, timer.nsecsElapsed() / 1e6);
        size = png.size();
    }
    return {best, size};
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: panelcraft-bench-png <image.png>...\n");
        return 2;
    }
    const std::pair<const char *, pngwriter::Filter> filters[] = {{"none", pngwriter::Filter::None},
                                                                  {"sub", pngwriter::Filter::Sub},
                                                                  {"up", pngwriter::Filter::Up},
                                                                  {"paeth", pngwriter::Filter::Paeth}};
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
        if (image.isNull()) {
            std::fprintf(stderr, "cannot decode %s\n", argv[i]);
            return 1;
        }
        std::printf("%s: %d x %d, file %lld bytes\n", argv[i], image.width(), image.height(),
                    QFileInfo(path).size());
        const auto qt = measure([&image] {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "PNG");
            return buffer.data();
        });
        std::printf("  %-22s %8.1f ms %10lld bytes\n", "QImage::save", qt.first, qt.second);
        const auto chosen = measure([&image] { return pngwriter::encode(image); });
        std::printf("  %-22s %8.1f ms %10lld bytes\n", "chosen", chosen.first, chosen.second);
        for (const int level : {-1, 1, 3, 6}) {
            for (const auto &[name, filter] : filters) {
                const pngwriter::Settings settings{{{filter, qMax(1, level), level < 0}}};
                const auto ours = measure([&] { return pngwriter::encode(image, settings); });
                const QString label =
                    level < 0 ? QStringLiteral("runs only, %1").arg(QLatin1String(name))
                              : QStringLiteral("level %1, %2").arg(level).arg(QLatin1String(name));
                std::printf("  %-22s %8.1f ms %10lld bytes\n", qPrintable(label), ours.first, ours.second);
            }
        }
    }
    return 0;
}
