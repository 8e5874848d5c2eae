// SPDX-License-Identifier: GPL-3.0-or-later
#include "skinpalette.h"

#include "colourspace.h"
#include "skin/archive/archive.h"
#include "skin/archive/archiveentry.h"
#include "skin/archive/workpaths.h"
#include "skin/images/imagelimits.h"
#include "skin/layout/layoutfile.h"
#include "skin/layout/xmlrewriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <limits>

namespace skinpalette {
namespace {

constexpr int binBits = 5;
constexpr int lloydRounds = 24;
// Clusters closer than this in OKLab are one colour to the eye and are joined.
constexpr double sameColour = 0.03;

using colourspace::Oklab;

double distance2(const Oklab &x, const Oklab &y)
{
    return (x.L - y.L) * (x.L - y.L) + (x.a - y.a) * (x.a - y.a) + (x.b - y.b) * (x.b - y.b);
}

struct Point
{
    Oklab lab;
    double weight;
};

struct Cluster
{
    Oklab centre;
    double weight;
};

// Farthest-first seeds weighted by each colour's area (deterministic, unlike random seeding),
// then weighted Lloyd rounds.
QVector<Cluster> cluster(const QVector<Point> &points, int count)
{
    QVector<Cluster> clusters;
    std::vector<double> nearest(std::size_t(points.size()), std::numeric_limits<double>::max());
    while (clusters.size() < count) {
        int best = -1;
        double bestScore = 0;
        for (int i = 0; i < points.size(); ++i) {
            if (!clusters.isEmpty())
                nearest[std::size_t(i)] =
                    std::min(nearest[std::size_t(i)], distance2(points[i].lab, clusters.last().centre));
            const double score = points[i].weight * (clusters.isEmpty() ? 1.0 : nearest[std::size_t(i)]);
            if (score > bestScore) {
                best = i;
                bestScore = score;
            }
        }
        if (best < 0)
            break; // every colour is a seed already
        clusters << Cluster{points[best].lab, 0};
    }
    QVector<int> owner(points.size());
    for (int round = 0; round < lloydRounds; ++round) {
        QVector<Cluster> sums(clusters.size(), Cluster{{0, 0, 0}, 0});
        for (int i = 0; i < points.size(); ++i) {
            int closest = 0;
            for (int c = 1; c < clusters.size(); ++c)
                if (distance2(points[i].lab, clusters[c].centre) <
                    distance2(points[i].lab, clusters[closest].centre))
                    closest = c;
            owner[i] = closest;
            Cluster &sum = sums[closest];
            sum.centre = {sum.centre.L + points[i].lab.L * points[i].weight,
                          sum.centre.a + points[i].lab.a * points[i].weight,
                          sum.centre.b + points[i].lab.b * points[i].weight};
            sum.weight += points[i].weight;
        }
        for (int c = 0; c < clusters.size(); ++c) {
            const double w = sums[c].weight;
            clusters[c] = w > 0
                              ? Cluster{{sums[c].centre.L / w, sums[c].centre.a / w, sums[c].centre.b / w}, w}
                              : Cluster{clusters[c].centre, 0};
        }
    }
    return clusters;
}

// Joins the closest pair while it is closer than `sameColour`.
void joinAlike(QVector<Cluster> &clusters)
{
    for (;;) {
        int first = -1, second = -1;
        double closest = sameColour * sameColour;
        for (int i = 0; i < clusters.size(); ++i)
            for (int j = i + 1; j < clusters.size(); ++j)
                if (distance2(clusters[i].centre, clusters[j].centre) < closest) {
                    closest = distance2(clusters[i].centre, clusters[j].centre);
                    first = i;
                    second = j;
                }
        if (first < 0)
            return;
        Cluster &a = clusters[first];
        const Cluster &b = clusters[second];
        const double w = a.weight + b.weight;
        a.centre = {(a.centre.L * a.weight + b.centre.L * b.weight) / w,
                    (a.centre.a * a.weight + b.centre.a * b.weight) / w,
                    (a.centre.b * a.weight + b.centre.b * b.weight) / w};
        a.weight = w;
        clusters.remove(second);
    }
}

QString tr(const char *text)
{
    return QCoreApplication::translate("skinpalette", text);
}

} // namespace

Histogram::Histogram() : m_bins(std::size_t(1) << (3 * binBits)) {}

void Histogram::add(const QImage &image, double pixelArea)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = line[x];
            if (qAlpha(p) == 0)
                continue;
            const int key = (qRed(p) >> (8 - binBits)) << (2 * binBits) |
                            (qGreen(p) >> (8 - binBits)) << binBits | qBlue(p) >> (8 - binBits);
            Bin &bin = m_bins[std::size_t(key)];
            const double w = pixelArea * qAlpha(p) / 255.0;
            bin.weight += w;
            bin.r += w * qRed(p) / 255.0;
            bin.g += w * qGreen(p) / 255.0;
            bin.b += w * qBlue(p) / 255.0;
        }
    }
}

QVector<Swatch> Histogram::palette(int count) const
{
    QVector<Point> points;
    double total = 0;
    for (const Bin &bin : m_bins) {
        if (bin.weight <= 0)
            continue;
        points << Point{
            colourspace::oklab(QColor::fromRgbF(bin.r / bin.weight, bin.g / bin.weight, bin.b / bin.weight)),
            bin.weight};
        total += bin.weight;
    }
    QVector<Cluster> clusters = cluster(points, count);
    clusters.erase(
        std::remove_if(clusters.begin(), clusters.end(), [](const Cluster &c) { return c.weight <= 0; }),
        clusters.end());
    joinAlike(clusters);
    std::stable_sort(clusters.begin(), clusters.end(),
                     [](const Cluster &a, const Cluster &b) { return a.weight > b.weight; });
    QVector<Swatch> swatches;
    for (const Cluster &c : qAsConst(clusters))
        swatches << Swatch{colourspace::fromOklab(c.centre), c.weight / total};
    return swatches;
}

Result readSkin(const QString &zipPath)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        return {tr("No temporary folder could be made to read the skin."), {}};
    archive::Unpacker unpacker(zipPath, folder.path());
    if (const auto checked = unpacker.check(); !checked)
        return {checked.error(), {}};
    QHash<QString, QString> filesByLowerCase;
    for (const QString &path : unpacker.files())
        filesByLowerCase.insert(path.toLower(), path);
    // The layouts and the skin images they name, read and found as a build finds them.
    const auto layoutsUnpacked = unpacker.unpack([](const QString &path) {
        return !path.contains(QLatin1Char('/')) && path.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive);
    });
    if (!layoutsUnpacked)
        return {layoutsUnpacked.error(), {}};
    const QDir dir(folder.path());
    QStringList layoutNames = layoutfile::layoutNames(dir.path());
    layoutNames.sort(Qt::CaseInsensitive); // the same skin names its images in the same order
    QStringList images;
    for (const QString &layout : qAsConst(layoutNames)) {
        for (const QString &name : skinImageNames(archive::workPath(dir.path(), layout))) {
            const auto relative = archive::safeRelativePath(name);
            const QString path = relative ? filesByLowerCase.value(relative->toLower()) : QString();
            if (!path.isEmpty() && !images.contains(path))
                images << path;
        }
    }
    if (images.isEmpty())
        return {tr("The skin's layouts name no images to take colours from."), {}};
    const QSet<QString> wanted(images.begin(), images.end());
    if (const auto imagesUnpacked =
            unpacker.unpack([&wanted](const QString &path) { return wanted.contains(path); });
        !imagesUnpacked)
        return {imagesUnpacked.error(), {}};

    Histogram histogram;
    for (const QString &image : qAsConst(images)) {
        const QString path = archive::workPath(folder.path(), image);
        if (!imagelimits::chunksFit(path))
            continue;
        QImageReader reader(path);
        const QSize size = reader.size();
        if (!imagelimits::fits(size))
            continue; // unreadable or hostile: the other images still give a palette
        const QSize sample = size.boundedTo(size.scaled(sampleSide, sampleSide, Qt::KeepAspectRatio));
        reader.setScaledSize(sample.expandedTo(QSize(1, 1)));
        const QImage sampled = reader.read();
        if (!sampled.isNull())
            histogram.add(sampled, double(size.width()) * size.height() /
                                       (double(sampled.width()) * sampled.height()));
    }
    Result result{QString(), histogram.palette()};
    if (result.swatches.isEmpty())
        result.error = tr("The skin's images hold no visible pixels to take colours from.");
    return result;
}

} // namespace skinpalette
