// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The text written for the host's <browser> element: the 47-line content block and the
// floating browser window. The host evaluates the coordinate expressions ("10+50", "${Y}-3")
// itself, so they are written as expressions.

#include <QString>
#include <QStringList>

class Style;

namespace browserblock {

// The colours, fonts and plugin zone, with the plugin graphics at row `pluginRow`.
QStringList contentBlock(const Style &style, int pluginRow);

// The window "browserfloat" holding a second browser, toggled by show_window 'browserfloat', on
// the picture `image`.
QStringList floatingWindow(const Style &style, bool changeColours, int lineHeight, const QString &image);

} // namespace browserblock
