// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A rebuild takes out only what the earlier build added: a skin is built, its output changed as
// a user might (marks left alone, nested or moved, images replaced, added files renamed, changed
// or named again), and built again. No entry of the changed skin may go that the earlier build
// did not add, and no row of a picture either; every image written opens in a strict reader. A
// skin built again unchanged, and each build of a chain of rebuilds on it, equals the original
// built afresh with that build's options: the same entries in the same order, the same bytes (of
// an image, the same pixels), unless it keeps a browser an earlier build restyled, whose rows
// below the picture stay. With the options of the build before, it holds the same entries in the
// same order, stored alike (the first rebuild is the same archive, byte for byte): nothing grows
// on every pass. Every layout, one left as it is included, names only images
// the skin holds, and an imported window shows its own image.
//
#include <QByteArray>
#include <QString>

namespace fixtures {

// Runs the scenario `choices` picks in `folder`; returns which property broke, or empty.
QString rebuildScenario(const QByteArray &choices, const QString &folder);

} // namespace fixtures
