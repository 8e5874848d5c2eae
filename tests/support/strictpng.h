// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Strict PNG readers stop at a chunk with a wrong checksum and inflate the image data row by
// row with no more window than its zlib header declares; a lenient decoder reads both.

#include <QByteArray>
#include <QString>

namespace fixtures {

// Why a strict reader would refuse the PNG file; empty when it opens.
QString strictPngProblem(const QByteArray &file);

} // namespace fixtures
