// SPDX-License-Identifier: GPL-3.0-or-later
#include "unitinfield.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

void putUnitInField(QLabel *unit, QLineEdit *field)
{
    auto *inside = new QHBoxLayout(field);
    inside->setContentsMargins(0, 0, field->fontMetrics().horizontalAdvance(QLatin1Char(' ')), 0);
    inside->addStretch();
    inside->addWidget(unit);
    const int unitWidth = unit->sizeHint().width();
    field->setTextMargins(0, 0, unitWidth, 0);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 2 * unitWidth);
}
