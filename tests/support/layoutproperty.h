// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What rewriting a well-formed layout promises, checked on its input and output by the rewriter's
// fuzz target, over the generated layouts among its seeds the suite replays.

#include <QStringList>

namespace layoutproperty {

// Why `output`, the rewrite of the well-formed `input`, breaks the promise; empty when it keeps
// it. The output is well-formed; every element outside the replaced browsers, the layout's own
// <customicons> and what the build added survives exactly once and in order: with `bytesKept`
// its start tag byte for byte, and the whole element when nothing inside it changes; each replaced
// browser holds its own <pos> and <size>, byte for byte, then `block` and nothing else. Browsers
// inside a <skin> are replaced when `browsersReplaced`. Inputs holding build marks are not checked.
QString broken(const QString &input, const QString &output, const QStringList &block, bool browsersReplaced,
               bool bytesKept);

} // namespace layoutproperty
