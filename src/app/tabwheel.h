// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QTabWidget;

// The wheel over the tab bar of `tabs` scrolls the window's form, rather than switching pages under
// a pointer that was scrolling the form when the bar slid under it.
void passTabWheelToForm(QTabWidget *tabs);
