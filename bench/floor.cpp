// SPDX-License-Identifier: GPL-3.0-or-later
// The least image work any skin build must do: decode each changed image once and encode it
// once as PNG. run_bench.py adds unzip and zip -r, or zip --copy, of the same archive to make the
// floors that panelcraft-cli is compared with.

#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: panelcraft-bench-floor <image.png>...\n");
        return 2;
    }
    QTemporaryDir out;
    QElapsedTimer timer;
    qint64 decodeMs = 0;
    qint64 encodeMs = 0;
    for (int i = 1; i < argc; ++i) {
        timer.start();
        const QImage image(QString::fromLocal8Bit(argv[i]));
        decodeMs += timer.restart();
        if (image.isNull() || !image.save(out.filePath(QStringLiteral("%1.png").arg(i)), "PNG")) {
            std::fprintf(stderr, "cannot decode or encode %s\n", argv[i]);
            return 1;
        }
        encodeMs += timer.elapsed();
    }
    std::printf("decode %lld ms\nencode %lld ms\n", decodeMs, encodeMs);
    return 0;
}
