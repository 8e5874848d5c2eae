// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Texts laid out for a narrower font than the platform's are condensed rather than cut.

#include <QString>

class QWidget;

// Condenses the widget's font until `text` takes at most `room` pixels (the widget's width when
// negative), down to extra-condensed.
void condenseToFit(QWidget *widget, const QString &text, int room = -1);

// The form's places are sized for the English texts; a longer translation is condensed to fit.
// Covers a label that neither wraps nor holds rich text, and a button; or every one below `root`.
void fitText(QWidget *widget);
void fitFormTexts(QWidget *root);

// The grid preview's cards: each text stays inside its card, and a caption line ends before the
// last value drawn over it ("Length :" before "3:12").
void fitGridTexts(QWidget *gridPage);
