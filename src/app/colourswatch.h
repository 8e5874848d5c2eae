// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A colour row's swatch: the row's colour in a field's frame, the size of a one-line field. It
// only shows; the row's buttons and value are where the user acts. Drawn as a field is, without
// the text editing a field brings (its text layout, cursor, and a dozen connections made for each
// of a page's swatches).

#include <QWidget>

class QStyleOptionFrame;

class ColourSwatch : public QWidget
{
    Q_OBJECT // the themes give fields their palette by class name

        public : explicit ColourSwatch(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStyleOptionFrame frameOption() const; // as a field's frame is drawn and measured
    QSize fieldSize(int textHeight) const;
};
