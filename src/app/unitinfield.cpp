// SPDX-License-Identifier: GPL-3.0-or-later
#include "unitinfield.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

void putUnitInField(QLabel *unit, QLineEdit *field)
{
    // Inside the field the sign would take the field's text colour (a child takes its parent's
    // background role, and with it the matching text role), greyed with the field: its own colour
    // is its label colour.
    unit->setForegroundRole(QPalette::WindowText);
    auto *inside = new QHBoxLayout(field);
    inside->setContentsMargins(0, 0, field->fontMetrics().horizontalAdvance(QLatin1Char(' ')), 0);
    inside->addStretch();
    inside->addWidget(unit);
    const int unitWidth = unit->sizeHint().width();
    field->setTextMargins(0, 0, unitWidth, 0);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 2 * unitWidth);
}
