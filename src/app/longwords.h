// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Texts naming files a user chose: a name longer than the line it is shown on is shortened in its
// middle, so that its start and its extension stay readable.

#include <QString>

class QFontMetrics;

// `text` with each word wider than `width` pixels (a long file name or path; words are what spaces
// separate) shortened in its middle to fit; the other words as they are.
QString shortenLongWords(const QString &text, const QFontMetrics &metrics, int width);
