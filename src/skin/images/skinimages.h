// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The skin images a build changes: measured from the archive before any layout is rewritten,
// then painted once each, however many layouts share them.

#include "skin/images/codedrows.h"
#include "support/result.h"

#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

class Style;
namespace archive {
class Unpacker;
}

// What the build knows of a skin image a layout names.
struct ImageFacts
{
    QString path;    // the skin's file of that name; empty when there is none
    QSize size;      // from the header; empty when the image cannot be used
    QString problem; // why it cannot be used
    // The height an earlier build recorded before it grew the image; 0 when none did.
    int originalHeight = 0;
    // The rows the layouts' browsers point into, as that build recorded them; 0 when it did not.
    int browserRows = 0;
    bool usable() const { return !size.isEmpty(); }
    // The part of the image that is the skin's own picture.
    int pictureHeight() const
    {
        return originalHeight > 0 && originalHeight < size.height() ? originalHeight : qMax(0, size.height());
    }
    // What a build that keeps the browsers keeps of the image: the picture and the rows an earlier
    // build painted for them. Without a record, the browsers may point anywhere: all of it.
    int browserHeight() const
    {
        return browserRows > 0 && browserRows <= size.height() ? qMax(browserRows, pictureHeight())
                                                               : qMax(0, size.height());
    }
};
// By the name as the layouts resolve it.
using ImageTable = QHash<QString, ImageFacts>;

// An image to repaint: its top `picture` rows kept, the sheet below them and the plugin-zone
// controls at `pluginRow` when given.
struct ImageJob
{
    QString path;
    QSize picture;
    std::optional<int> pluginRow;
};

namespace skinimages {

// By the skin's file name: the images whose coded rows a grown file can carry over.
using CodedImages = QHash<QString, codedrows::Found>;

struct Measured
{
    ImageTable table;
    CodedImages coded;
    Result<void> read; // fails when an image is over the limits or cannot be unpacked: the build stops
};

// Reads the size of each named image in `skin` (names matched ignoring case, as the host does)
// from its header. With `decoded`, each is unpacked into `folder` and read whole, to find damage
// behind its header; without, only an image that is no PNG is unpacked, and the rest are read no
// further than their header (the repack checks them whole). `recorded` holds, by name, the
// original height and browser rows an earlier build recorded for an image it grew; the rows found
// to carry over are those a build keeps, which keeps the browsers when `keepsBrowsers`.
Measured measure(const QStringList &names, const ImageTable &recorded, bool keepsBrowsers,
                 archive::Unpacker &skin, const QString &folder, bool decoded);

// Why the image cannot be used, as a sentence; empty when it can.
QString problem(const QString &name, const ImageFacts &facts);

// Paints each job's image from `from` into the same path under `to`, several at once (one per
// core, as many as the system gives threads), with the same result as one after another. A
// failure is the first in the jobs' order; `written`, when given, gets each file's length and
// CRC-32 in the jobs' order.
Result<void> paint(const QVector<ImageJob> &jobs, const CodedImages &coded, const QImage &sheet,
                   const Style &style, const QString &from, const QString &to,
                   QVector<pngwriter::Written> *written = nullptr);

} // namespace skinimages
