#pragma once

// Texts laid out for a narrower font than the platform's are condensed rather than cut.

#include <QString>

class QLabel;
class QWidget;

// Condenses the label's font until `text` takes at most `room` pixels (the label's width when
// negative), down to extra-condensed.
void condenseToFit(QLabel *label, const QString &text, int room = -1);

// The grid preview's cards: each text stays inside its card, and a caption line ends before the
// last value drawn over it ("Length :" before "3:12").
void fitGridTexts(QWidget *gridPage);
