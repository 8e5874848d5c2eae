// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The preview's mock browser draws its texts in the places the skin gives them: a text longer than
// its place is condensed rather than cut.

#include <QString>

class QWidget;

// Condenses the widget's font until `text` takes at most `room` pixels (the widget's width when
// negative), down to extra-condensed.
void condenseToFit(QWidget *widget, const QString &text, int room = -1);

// The grid preview's cards: each text stays inside its card, and a caption line ends before the
// last value drawn over it ("Length :" before "3:12").
void fitGridTexts(QWidget *gridPage);
