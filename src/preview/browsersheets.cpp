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
    {{"tabWidget_2"},
     "#tabWidget_2:pane {border:0px; border-color: transparent; background-color: transparent;}"},
    {{"toolbar_back", "search_back"}, "background-color: ${toolbar_background}"},
    {{"sideview_back", "automix_back"},
     "font: normal ${font}; color: ${toolbar_text}; background-color: ${toolbar_background}",
     "toolbar",
     barDrop},
    {{"header_artist", "header_title", "header_artist_2", "header_title_2"},
     "font: normal ${font}; background-color: ${column_background}; color : ${column_text}",
     "skinheaders",
     barDrop},
    {{"scroll_back", "scroll_back_2", "browser_backview"}, "background-color: ${backgroundcolor}"},
    {{"scroll_but1", "scroll_but2", "scroll_but3", "scroll_but1_2", "scroll_but2_2", "scroll_but3_2"},
     "color: ${scrollbar_button}; background-color: ${scrollbar_back}"},
    {{"file_count"}, "font: normal ${font}; color:${toolbar_text}", "toolbar", barDrop},
    {{"separator_line", "separator_line_2"}, "background-color:${seperatorline}"},
    {{"livefeedback_label"}, "color :${list_livefeedback}"},
    {{"sampler_bank_name"},
     "color:${toolbar_text}; background-color:${toolbar_icon}; border: 1px solid ${toolbar_border}"},
    {{"sideview_icon", "automix_icon"}, "background-color:${toolbar_icon}"},
    {{"listback_color", "listback_color_2"}, "background-color:${list_background}"},
    {{"info_background"}, "background-color:${info_background}"},
    // The info lines alternate between the background and the stripes colour.
    {{"Info_Line1", "Info_Line3"}, "color:${info_label}; background-color:${info_background}"},
    {{"Info_Line2", "Info_Line4"}, "color:${info_label}; background-color:${info_stripes}"},
    {{"Info_value1", "Info_value3"}, "color:${info_text}; background-color:${info_background}"},
    {{"Info_value2", "Info_value4"}, "color:${info_text}; background-color:${info_stripes}"},
    {{"info_tracktitle"}, "color:${info_title}; background-color:${info_background}"},
    {{"info_trackartist"}, "color:${info_artist}; background-color:${info_background}"},
    {{"sampler_but1", "sampler_but2", "sampler_but3"},
     "#${widget} {color: rgb(200,200,200); background-color:${list_button};} "
     "#${widget}:pressed {background-color:${list_buttonactive};}"},
    {{"searchbarbox"},
     "border: 1px solid ${search_border}; color: ${search_text}; "
     "selection-background-color: ${search_selected}; background: ${search_background}; font: normal ${font}",
     "skinsearch",
     listDrop},
    {{"previewbutton"},
     "#${widget} {color: ${prelisten_button}; border: 1px solid ${prelisten_border}; "
     "background-color: ${prelisten_buttonbackground};} "
     "#${widget}:pressed {color: ${prelisten_button}; border: 1px solid ${prelisten_border}; "
     "background-color: ${prelisten_buttonselected};}"},
    {{"previewbackground"},
     "border: 1px solid ${prelisten_border}; background-color: ${prelisten_background}"},
    {{"previewplayed"}, "border: 0px ; background-color: ${prelisten_selected}"},
    {{"prelisten_line"}, "background-color:${prelisten_cursor}"},
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
