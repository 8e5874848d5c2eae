// SPDX-License-Identifier: GPL-3.0-or-later
#include "colourtext.h"

std::optional<QColor> colourFromText(const QString &text, bool alpha)
{
    const QString trimmed = text.trimmed();
    // QColor also reads #rgb and #rrrgggbbb; a skin's file holds only the two forms it writes.
    const bool hexForm = trimmed.startsWith(QLatin1Char('#'));
    if (hexForm && trimmed.size() != 7 && trimmed.size() != 9)
        return std::nullopt;
    if (trimmed.isEmpty() || !QColor::isValidColor(trimmed))
        return std::nullopt;
    const QColor colour(trimmed);
    if (!alpha && colour.alpha() != 255)
        return std::nullopt;
    return colour;
}
