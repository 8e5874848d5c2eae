// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the options ask of each layout; SkinBuildOptions holds these with the rest.

#include "style/lineheight.h"

#include <QString>

struct LayoutChoices
{
    bool floatBrowser = false;             // add a browser in the floating window "browserfloat"
    bool globalFont = false;               // rewrite font names and text sizes in the whole skin
    QString globalFontName;                // empty: names are kept, only sizes are scaled
    QString globalSize;                    // percentage text; empty or "100" keeps sizes
    bool changeColours = true;             // replace the browser's colours, fonts and plugin zone
    int lineHeight = lineheight::standard; // the browser's, in percent (checked by checkOptions)
};
