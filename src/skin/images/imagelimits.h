// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Skin images come from untrusted archives. A few bytes of PNG can declare a picture of
// gigabytes, so every image is measured from its header before it is decoded.

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

namespace imagelimits {

constexpr int maxSide = 16384;
constexpr qint64 maxPixels = 100 * 1000 * 1000;

// Whether an image of this size may be decoded or made.
bool fits(const QSize &size);

// "W x H pixels; ..." for a size that does not fit.
QString tooLarge(const QSize &size);

struct Measured
{
    QSize size;           // valid only when the image can be used
    QString problem;      // why it cannot: missing, undecodable or too large
    bool refused = false; // too large: the archive is hostile or broken
};

// The size from the file's header, whatever format is behind its name.
Measured measure(const QString &path);

// Whether every chunk of the PNG file at `path` lies within the file; true for any other file.
// A PNG reader sets aside what a chunk declares before it reads it: a few bytes that claim
// gigabytes would have it ask for gigabytes. Only a file that passes is handed to one.
bool chunksFit(const QString &path);

// What measure() gives for a PNG file that starts with `head`; nothing when `head` is not the
// start of a PNG file or ends before its size can be read.
std::optional<Measured> measurePng(const QByteArray &head);

// The decoded image, or a null image with `problem` set (and `refused` for a size over the limits).
QImage read(const QString &path, QString *problem, bool *refused = nullptr);

} // namespace imagelimits
