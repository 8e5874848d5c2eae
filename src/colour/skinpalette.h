// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The colours a skin is made of: up to 16 representative colours of the images its layouts
// name, each with the share of the picture area it stands for.

#include <QColor>
#include <QImage>
#include <QString>
#include <QVector>
#include <vector>

namespace skinpalette {

constexpr int maxColours = 16;
// Images are read scaled down to at most this many pixels a side: a palette needs no more, and a
// large skin image is never held whole in memory.
constexpr int sampleSide = 256;

struct Swatch
{
    QColor colour;
    double weight; // share of the counted area, 0..1; the swatches of a palette add up to 1
};

// Pixels counted by colour, each weighted by its opacity and the area it stands for.
class Histogram
{
public:
    Histogram();
    // `pixelArea`: how many pixels of the original picture each pixel of `image` stands for.
    void add(const QImage &image, double pixelArea);
    // The colours clustered in OKLab, heaviest first; same counts give the same palette.
    QVector<Swatch> palette(int count = maxColours) const;

private:
    struct Bin
    {
        double weight = 0;
        double r = 0, g = 0, b = 0; // weighted sums of the 0..1 channels
    };
    std::vector<Bin> m_bins; // by colour with 5 bits a channel
};

struct Result
{
    QString error; // empty when a palette was found
    QVector<Swatch> swatches;
};

// Reads the images the skin's top-level layouts name from the archive (checked as for a build)
// and returns their palette.
Result readSkin(const QString &zipPath);

} // namespace skinpalette
