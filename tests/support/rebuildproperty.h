#pragma once

// A rebuild takes out only what the earlier build added: a skin is built, its output changed as
// a user might (marks left alone, nested or moved, images replaced, added files renamed, changed
// or named again), and built again. No entry of the changed skin may go that the earlier build
// did not add, and no row of a picture either; every image written opens in a strict reader. A
// skin built again unchanged equals the original built with the second build's options (but for
// the marks, and the rows an earlier build added below a picture the rebuild adds nothing to), and
// with the same options it is the same archive, byte for byte.

#include <QByteArray>
#include <QString>

namespace fixtures {

// Runs the scenario `choices` picks in `folder`; returns which property broke, or empty.
QString rebuildScenario(const QByteArray &choices, const QString &folder);

} // namespace fixtures
