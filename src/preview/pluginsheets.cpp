// SPDX-License-Identifier: GPL-3.0-or-later
#include "pluginsheets.h"

namespace preview {

namespace {

struct PluginRule
{
    std::initializer_list<const char *> widgets;
    const char *fontGroup; // ${font} reads this group, its size lowered by sizeDrop
    int sizeDrop;
    const char *sheet;
};

// Only the button's normal rule sets a font; hover and pressed inherit it.
const PluginRule pluginRules[] = {
    {{"pluginFrame"}, nullptr, 0, "background-color: ${fx_titleback}"},
    {{"pluginBack"}, nullptr, 0, "background-color:${fx_back}"},
    {{"pluginTitle"},
     "plugin",
     8,
     "font: normal ${font} ; background-color :transparent; color:${fx_titletext}"},
    {{"pluginParameter", "pluginParameterValue"},
     "pluginknob",
     2,
     "font: normal ${font} ; background-color: transparent; color:${fx_text}"},
    {{"pluginString"},
     "pluginknob",
     2,
     "font:normal ${font} ; background-color: transparent; color:${fx_text}"},
    {{"pluginButton"},
     "pluginbutton",
     2,
     "#${widget} {font: normal ${font} ; color: ${fx_button_text}; border: 1px solid ${fx_buttonborder}; "
     "background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:0, y2:1, "
     "stop:0 ${fx_buttonfill_start}, stop:1 ${fx_buttonfill_end});}"
     "#${widget}:hover {color: ${fx_buttonover_text}; border: 1px solid ${fx_overbuttonborder}; "
     "background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:0, y2:1, "
     "stop:0 ${fx_overbuttonfill_start}, stop:1 ${fx_overbuttonfill_end}); }"
     "#${widget}:pressed {color: ${fx_buttonselect_text}; border: 1px solid ${fx_selectbuttonborder}; "
     "background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:0, y2:1, "
     "stop:0 ${fx_selectbuttonfill_start}, stop:1 ${fx_selectbuttonfill_end});}"},
};

} // namespace

Sheets pluginSheets(const Style &style)
{
    const Lookup colours = colourNames(style);
    Sheets sheets;
    for (const PluginRule &rule : pluginRules) {
        appendSheets(sheets, rule.widgets, QLatin1String(rule.sheet),
                     withFont(style, rule.fontGroup, rule.sizeDrop, colours));
    }
    return sheets;
}

} // namespace preview
