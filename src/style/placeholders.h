// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Texts with ${name} placeholders: the preview's style sheets and the skin's browser block are
// both written from such templates.

#include <QString>
#include <functional>

namespace placeholders {

// The value of a placeholder name; a null text means "unknown name".
using Lookup = std::function<QString(const QString &name)>;

// Replaces every ${name} by lookup(name). An unknown name is left standing as ${name}, so a
// mistyped key shows in the text instead of silently becoming some value; a "${" without its
// closing brace is kept as it stands, with everything after it.
QString fill(const QString &text, const Lookup &lookup);

} // namespace placeholders
