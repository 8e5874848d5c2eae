// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The names a screen reader reads for a panel's controls whose own text does not say what they do
// ("Browse" three times, "Default") and for fields without one; a control ticked or filled through
// a label is named by the label.

#include <QString>

#include <initializer_list>

class QWidget;

struct ControlName
{
    QWidget *control;
    const char *name; // translated in the context "ScreenReaderNames"
};

void nameForScreenReaders(QWidget *panel, std::initializer_list<ControlName> names);

// "&Save as" read as "Save as"; "&&" is a "&" of the text.
QString withoutMnemonic(QString text);
