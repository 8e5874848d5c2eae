#pragma once

// The global font option: font names on <font> and <text> lines, text sizes on <text> lines.

#include <QString>

namespace fontrewrite {

// `family` empty keeps the names; `sizePercent` empty, "100" or not a positive number keeps
// the sizes. A size that is not a number is kept as it is.
QString rewriteLine(const QString &line, const QString &family, const QString &sizePercent);

// round(size × percent / 100) with halves going up, as the host reads whole sizes.
qint64 scaledSize(double size, double percent);

} // namespace fontrewrite
