#pragma once

// Encodes images as PNG: 8-bit RGBA (RGB for an image without alpha channel), compressed in
// bands of rows at once. Each band is deflated on its own and the bands are joined into one
// zlib stream, so the band size, and with it every byte of the file, follows from the image
// alone: the same image gives the same file on any number of processor cores.

#include <QByteArray>
#include <QIODevice>
#include <QImage>

namespace pngwriter {

enum class Filter { None = 0, Sub = 1, Up = 2, Paeth = 4 };

struct Settings
{
    // Chosen by measurement (bench/png_bench.cpp) on grown skin images, a photo and a screen
    // shot: Paeth-filtered rows coded as runs come out at most a few percent larger than the
    // image library's files (smaller for the skin images) in a third of its time. Searching
    // for longer matches (any zlib level) cost more time and made photos larger.
    int level = 1;
    Filter filter = Filter::Paeth;
    bool runsOnly = true; // zlib's run-length strategy: repeats of the previous byte only
};

// Rows per band for rows of this many filtered bytes (the filter byte included).
int bandRows(qint64 rowBytes);

enum class Outcome { Written, CannotWrite, CannotEncode /* a null image, or out of memory */ };

// Writes the PNG file to `out` as its bands are made, on a private pool as wide as Qt's global one.
Outcome write(const QImage &image, QIODevice &out, const Settings &settings = {});

// The PNG file in memory; empty on failure.
QByteArray encode(const QImage &image, const Settings &settings = {});

} // namespace pngwriter
