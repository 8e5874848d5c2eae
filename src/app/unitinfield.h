// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QLineEdit;

// Puts a unit sign ("%") inside the right end of a short number field, where the typed digits stop
// short of it, and makes the field as wide as three digits and the sign need.
void putUnitInField(QLabel *unit, QLineEdit *field);
