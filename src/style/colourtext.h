// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A colour typed or pasted as text: "#rrggbb", "#aarrggbb" or a colour name Qt knows ("navy").

#include <QColor>
#include <QString>
#include <optional>

// The colour the text names, or nothing when it names none. A row that cannot be transparent
// (`alpha` false) refuses a colour that is not opaque, rather than dropping its alpha unseen.
std::optional<QColor> colourFromText(const QString &text, bool alpha);
