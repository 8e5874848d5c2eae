// SPDX-License-Identifier: GPL-3.0-or-later
#include "browsersheets.h"

namespace preview {

namespace {

struct SheetRule
{
    std::initializer_list<const char *> widgets; // share one template
    const char *sheet;
    const char *fontGroup = nullptr; // ${font} reads this group, its size lowered by sizeDrop
    int sizeDrop = 0;
};

// The mock is drawn smaller than the host: its 20 px fonts show at 12 px, its 16 px ones at 12 too.
constexpr int listDrop = 8;
constexpr int barDrop = 4;

// In the order the window applies them.
const SheetRule browserRules[] = {
    {{"sidePanels"},
     "#sidePanels:pane {border:0px; border-color: transparent; background-color: transparent;}"},
    {{"toolbarBack", "searchBack"}, "background-color: ${toolbar_background}"},
    {{"samplerBack", "automixBack"},
     "font: normal ${font}; color: ${toolbar_text}; background-color: ${toolbar_background}",
     "toolbar",
     barDrop},
    {{"artistHeader", "titleHeader", "automixArtistHeader", "automixTitleHeader"},
     "font: normal ${font}; background-color: ${column_background}; color : ${column_text}",
     "skinheaders",
     barDrop},
    {{"folderScrollBack", "trackScrollBack", "browserBack"}, "background-color: ${backgroundcolor}"},
    {{"folderScrollDown", "folderScrollHandle", "folderScrollUp", "trackScrollDown", "trackScrollHandle",
      "trackScrollUp"},
     "color: ${scrollbar_button}; background-color: ${scrollbar_back}"},
    {{"fileCount"}, "font: normal ${font}; color:${toolbar_text}", "toolbar", barDrop},
    {{"folderSeparator", "sidePanelSeparator"}, "background-color:${seperatorline}"},
    {{"liveFeedbackLabel"}, "color :${list_livefeedback}"},
    {{"samplerBankName"},
     "color:${toolbar_text}; background-color:${toolbar_icon}; border: 1px solid ${toolbar_border}"},
    {{"samplerIcon", "automixIcon"}, "background-color:${toolbar_icon}"},
    {{"trackListBack", "automixListBack"}, "background-color:${list_background}"},
    {{"infoBack"}, "background-color:${info_background}"},
    // The info lines alternate between the background and the stripes colour.
    {{"infoCaption1", "infoCaption3"}, "color:${info_label}; background-color:${info_background}"},
    {{"infoCaption2", "infoCaption4"}, "color:${info_label}; background-color:${info_stripes}"},
    {{"infoValue1", "infoValue3"}, "color:${info_text}; background-color:${info_background}"},
    {{"infoValue2", "infoValue4"}, "color:${info_text}; background-color:${info_stripes}"},
    {{"infoTrackTitle"}, "color:${info_title}; background-color:${info_background}"},
    {{"infoTrackArtist"}, "color:${info_artist}; background-color:${info_background}"},
    {{"samplerButton1", "samplerButton2", "samplerButton3"},
     "#${widget} {color: rgb(200,200,200); background-color:${list_button};} "
     "#${widget}:pressed {background-color:${list_buttonactive};}"},
    {{"searchField"},
     "border: 1px solid ${search_border}; color: ${search_text}; "
     "selection-background-color: ${search_selected}; background: ${search_background}; font: normal ${font}",
     "skinsearch",
     listDrop},
    {{"prelistenButton"},
     "#${widget} {color: ${prelisten_button}; border: 1px solid ${prelisten_border}; "
     "background-color: ${prelisten_buttonbackground};} "
     "#${widget}:pressed {color: ${prelisten_button}; border: 1px solid ${prelisten_border}; "
     "background-color: ${prelisten_buttonselected};}"},
    {{"prelistenBack"}, "border: 1px solid ${prelisten_border}; background-color: ${prelisten_background}"},
    {{"prelistenPlayed"}, "border: 0px ; background-color: ${prelisten_selected}"},
    {{"prelistenLine"}, "background-color:${prelisten_cursor}"},
};

} // namespace

Sheets initguiSheets(const Style &style)
{
    const Lookup colours = colourNames(style);
    Sheets sheets;
    for (const SheetRule &rule : browserRules)
        appendSheets(sheets, rule.widgets, QLatin1String(rule.sheet),
                     withFont(style, rule.fontGroup, rule.sizeDrop, colours));
    return sheets;
}

} // namespace preview
