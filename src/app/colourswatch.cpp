// SPDX-License-Identifier: GPL-3.0-or-later
#include "colourswatch.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {
// A one-line field's room around its text, as the toolkit's fields keep it.
constexpr int verticalMargin = 1;
} // namespace

ColourSwatch::ColourSwatch(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed, QSizePolicy::LineEdit));
}

QStyleOptionFrame ColourSwatch::frameOption() const
{
    QStyleOptionFrame option;
    option.initFrom(this);
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    option.state |= QStyle::State_Sunken;
    return option;
}

QSize ColourSwatch::fieldSize(int textHeight) const
{
    const QStyleOptionFrame option = frameOption();
    return style()->sizeFromContents(
        QStyle::CT_LineEdit, &option,
        QSize(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 17, textHeight), this);
}

QSize ColourSwatch::sizeHint() const
{
    ensurePolished();
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    return fieldSize(qMax(fontMetrics().height(), qMax(14, iconSize - 2)) + 2 * verticalMargin);
}

QSize ColourSwatch::minimumSizeHint() const
{
    ensurePolished();
    return fieldSize(fontMetrics().height() + qMax(2 * verticalMargin, fontMetrics().leading()));
}

void ColourSwatch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QStyleOptionFrame option = frameOption();
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
}
