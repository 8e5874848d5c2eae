// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The global font option: font names on <font...> and <text...> elements, text sizes on <text...>.

#include "skin/layout/xmltokens.h"

#include <QString>
#include <QVector>

namespace fontrewrite {

// The changes to one element's start tag. `family` empty keeps the names; `sizePercent` empty,
// "100" or not a positive number keeps the sizes. A size that is not a number is kept as it is.
QVector<xmltokens::Splice> splices(const xmltokens::Document &layout, const xmltokens::Element &element,
                                   const QString &family, const QString &sizePercent);

// round(size × percent / 100) with halves going up, as the host reads whole sizes.
qint64 scaledSize(double size, double percent);

} // namespace fontrewrite
