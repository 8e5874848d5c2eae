// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Encodes images as PNG: 8-bit RGBA (RGB for an image without alpha channel), compressed in
// bands of rows at once. Each band is deflated on its own and the bands are joined into one
// zlib stream, so the band size, and with it every byte of the file, follows from the image
// alone: the same image gives the same file on any number of processor cores.

#include "skin/images/pngchunks.h"

#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QVector>

namespace pngwriter {

enum class Filter { None = 0, Sub = 1, Up = 2, Paeth = 4 };

// One way to code a band: a filter for every row, then deflate at a level.
struct Coding
{
    Filter filter;
    int level;
    bool runsOnly; // zlib's run-length strategy: repeats of the previous byte only
};

struct Settings
{
    // Each band is coded the first way, and the other ways too when that already shrank it to
    // under `retryBelow` of its size; the smallest result is kept. Chosen by measurement
    // (bench/png_bench.cpp): Paeth-filtered rows coded as runs suit photos and noise, within a
    // few percent of the image library's files in a fraction of its time, but come out up to
    // twice as large on flat panels and icons, where unfiltered rows at level 3 are smallest.
    // Those shrink to a tenth or less either way, while trying photos and noise again only
    // costs time.
    QVector<Coding> codings{{Filter::Paeth, 1, true}, {Filter::None, 3, false}};
    double retryBelow = 0.2;
};

// Rows per band for rows of this many filtered bytes (the filter byte included).
int bandRows(qint64 rowBytes);

enum class Outcome { Written, CannotWrite, CannotEncode /* a null image, or out of memory */ };

// RGBA rows of the same width already coded, to come before the image's own: the start of a
// zlib stream of their filtered bytes, its header and then deflate blocks that end on a byte
// boundary without a final block.
struct Above
{
    int rows = 0;
    int width = 0;
    QByteArray stream;
    quint32 adler = 1; // of the filtered bytes
};

// The length and CRC-32 of a file written.
struct Written
{
    qint64 length = 0;
    quint32 crc = 0;
};

// Writes the PNG file to `out` as its bands are made, on helper threads, one per core. With
// `above`, the file holds those rows and then the image's, in RGBA. With `described`, those
// chunks follow the header; the file says 96 dots per inch unless they give a pixel size. With
// `written`, it gets the file's length and CRC-32, had from the chunks' own CRCs as they are
// written rather than by reading the file again.
Outcome write(const QImage &image, QIODevice &out, const Settings &settings = {},
              const Above *above = nullptr, const pngchunks::Described *described = nullptr,
              Written *written = nullptr);

// The PNG file in memory; empty on failure.
QByteArray encode(const QImage &image, const Settings &settings = {});

} // namespace pngwriter
