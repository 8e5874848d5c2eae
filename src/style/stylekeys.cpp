#include "stylekeys.h"

#include <QHash>

namespace stylekeys {

const ColourKey colourKeys[colourKeyCount] = {
    {"backgroundcolor", true, "backcolorbutton", "backcolorline", "label_117", "resetbackcolor", "background_transp", 0, 1, 10, "Background", "Reset", {"scroll_back", "scroll_back_2", "browser_backview", "gridbackgroun_label"}, RefreshLists | RefreshGrids},
    {"seperatorline", false, "seperatorcolorbutton", "seperatorcolorline", "label_12", "resetseperatorcolor", "", 9, 1, 10, "Line", "Reset", {"separator_line", "separator_line_2"}, RefreshNone},
    {"toolbar_background", false, "toolbarbackcolorbutton", "toolbarbackcolorline", "label_17", "resettoolbarback", "", 4, 1, 10, "Background", "Reset", {"toolbar_back", "search_back", "sideview_back", "automix_back"}, RefreshNone},
    {"toolbar_text", false, "toolbartextbutton", "toolbartext_line", "label_18", "resettoolbartextbutton", "", 4, 1, 40, "Text", "Reset", {"file_count", "sampler_bank_name", "sideview_back", "automix_back"}, RefreshNone},
    {"toolbar_icon", false, "toolbariconbutton", "toolbaricon_line", "label_19", "resettoolbariconbutton", "", 4, 1, 70, "Icon Background", "Reset", {"sampler_bank_name", "sideview_icon", "automix_icon"}, RefreshNone},
    {"toolbar_border", false, "toolbarborderbutton", "toolbarborder_line", "label_20", "resettoolbarborderbutton", "", 4, 1, 100, "Border", "Reset", {"sampler_bank_name"}, RefreshNone},
    {"column_background", false, "columnbackbutton", "columnback_line", "label_23", "resetcolumnbackbutton", "", 6, 1, 10, "Background", "Reset", {"header_artist", "header_title", "header_artist_2", "header_title_2"}, RefreshNone},
    {"column_text", false, "columntextbutton", "columntext_line", "label_24", "resetcolumntextbutton", "", 6, 1, 40, "Text", "Reset", {"header_artist", "header_title", "header_artist_2", "header_title_2"}, RefreshNone},
    {"scrollbar_back", false, "scrollbarcolorbutton", "scrollbarback_line", "label_28", "resetscrollbarbackbutton", "", 5, 1, 10, "Background", "Reset", {"scroll_but1", "scroll_but2", "scroll_but3", "scroll_but1_2", "scroll_but2_2", "scroll_but3_2"}, RefreshNone},
    {"scrollbar_button", false, "scrollbarbutonbutton", "scrollbarbutton_line", "label_26", "resetscrollbarbuttonbutton", "", 5, 1, 40, "Button", "Reset", {"scroll_but1", "scroll_but2", "scroll_but3", "scroll_but1_2", "scroll_but2_2", "scroll_but3_2"}, RefreshNone},
    {"info_background", false, "infobackgrounbutton", "infobackground_line", "infobackground_lb", "resetinfobackground", "", 3, 1, 10, "Background", "Reset", {"info_background", "Info_Line1", "Info_Line2", "Info_Line3", "Info_Line4", "Info_value1", "Info_value2", "Info_value3", "Info_value4", "info_tracktitle", "info_trackartist"}, RefreshNone},
    {"info_stripes", false, "infostripesbutton", "infostripes_line", "infostripes_lb", "resetinfostripes", "", 3, 1, 40, "Stripes", "Reset", {"Info_Line1", "Info_Line2", "Info_Line3", "Info_Line4", "Info_value1", "Info_value2", "Info_value3", "Info_value4"}, RefreshNone},
    {"info_text", false, "infotextbutton", "infotext_line", "infotext_lb", "resetinfotext", "", 3, 1, 70, "Text", "Reset", {"Info_value1", "Info_value2", "Info_value3", "Info_value4"}, RefreshNone},
    {"info_label", false, "infolabelbutton", "infolabel_line", "infolabel_lb", "resetinfolabel", "", 3, 2, 10, "Label", "Reset", {"Info_Line1", "Info_Line2", "Info_Line3", "Info_Line4"}, RefreshNone},
    {"info_artist", false, "infoartistbutton", "infoartist_line", "infoartist_lb", "resetinfoartist", "", 3, 2, 40, "Artist", "Reset", {"info_trackartist"}, RefreshNone},
    {"info_title", false, "infotitlebutton", "infotitle_line", "infotitle_lb", "resetinfotitle", "", 3, 2, 70, "Title", "Reset", {"info_tracktitle"}, RefreshNone},
    {"list_background", false, "listbackgroundbutton", "listbackground_line", "label_11", "resetlistbackground", "list_background_transp", 6, 1, 70, "Border", "Reset", {"listback_color", "listback_color_2"}, RefreshLists},
    {"list_stripes", true, "liststripesbutton", "liststripes_line", "label_36", "resetliststripes", "list_stripes_transp_2", 1, 1, 40, "Stripes", "Reset", {}, RefreshLists},
    {"list_over", false, "listoverbutton", "listover_line", "label_38", "resetlistover", "list_over_transp", 1, 1, 10, "Over", "Reset", {}, RefreshLists},
    {"list_overstripes", false, "listoverstripebutton", "listoverstripe_line", "label_37", "resetlistoverstripe", "", 1, 1, 70, "Stripes Over", "Reset", {}, RefreshLists},
    {"list_selected", false, "listselectedbutton", "listselected_line", "label_41", "resetlistselected", "", 1, 1, 130, "Selected", "Reset", {}, RefreshLists},
    {"list_focus", false, "listfocusbutton", "listfocus_line", "label_43", "resetlistfocus", "", 1, 1, 100, "Focus", "Reset", {}, RefreshLists},
    {"list_text", false, "listtextbutton", "listtext_line", "label_42", "resetlisttext", "", 1, 2, 10, "Text", "Reset", {}, RefreshLists},
    {"list_overtext", false, "listovertextbutton", "listovertext_line", "label_88", "resetlistovertext", "", 1, 2, 70, "Text Over", "Reset", {}, RefreshLists},
    {"list_selectedtext", false, "listselectedtextbutton", "listselectedtext_line", "label_93", "resetlistselectedtext", "", 1, 2, 100, "Text Selected", "Reset", {}, RefreshLists},
    {"list_focustext", false, "listtextfocusbutton", "listtextfocus_line", "label_50", "resetlisttextfocus", "", 1, 2, 40, "Text Focus", "Reset", {}, RefreshLists},
    {"list_automix", false, "listautomixbutton", "listautomix_line", "label_49", "resetlistautomix", "", 1, 2, 130, "Automix", "Reset", {}, RefreshLists},
    {"list_livefeedback", false, "listfeedbackbutton", "listfeedback_line", "label_58", "resetlistfeedback", "", 1, 3, 40, "Live Feedback", "Reset", {"livefeedback_label"}, RefreshNone},
    {"list_download", false, "listdownloadbutton", "listdownload_list", "label_47", "resetlistdownload", "", 1, 3, 10, "Download", "Reset", {}, RefreshNone},
    {"list_scan", false, "listscanbutton", "listscan_line", "label_59", "resetlistscan", "", 1, 3, 70, "Scan", "Reset", {}, RefreshNone},
    {"list_button", false, "listbuttonbutton", "listbutton_line", "label_52", "resetlistbutton", "", 1, 3, 100, "Button", "Reset", {"sampler_but1", "sampler_but2", "sampler_but3"}, RefreshNone},
    {"list_buttonactive", false, "listbuttonactivebutton", "listactivebutton_line", "label_62", "resetlistactivebutton", "", 1, 3, 130, "Button Active", "Reset", {"sampler_but1", "sampler_but2", "sampler_but3"}, RefreshNone},
    {"list_insert", false, "listinsertbutton", "listinsert_line", "label_63", "resetlistinsert", "", 1, 1, 220, "Insert", "Default", {}, RefreshNone},
    {"search_background", false, "search_back_but", "search_back_color", "search_back_value", "reset_search_back", "", 7, 1, 10, "Background", "Reset", {"searchbarbox"}, RefreshNone},
    {"search_border", false, "search_border_but", "search_border_color", "search_border_value", "reset_search_border", "", 7, 1, 40, "Border", "Reset", {"searchbarbox"}, RefreshNone},
    {"search_selected", false, "search_select_but", "search_selected_color", "search_selected_value", "reset_search_select", "", 7, 1, 70, "Selected", "Reset", {"searchbarbox"}, RefreshNone},
    {"search_text", false, "search_text_but", "search_text_color", "search_text_value", "reset_search_text", "", 7, 1, 100, "Text", "Reset", {"searchbarbox"}, RefreshNone},
    {"search_cursor", false, "search_cursor_but", "search_cursor_color", "search_cursor_value", "reset_search_cursor", "", 7, 1, 130, "Cursor", "Reset", {"searchbarbox"}, RefreshNone},
    {"grids_background", false, "gridbackgroundbutton", "gridbackground_line", "gridbackground_lb", "resetgridbackground", "", 2, 1, 10, "Background", "Reset", {}, RefreshGrids},
    {"grids_over", false, "gridoverbutton", "gridover_line", "gridover_lb", "resetgridover", "", 2, 1, 40, "Over", "Reset", {}, RefreshGrids},
    {"grids_selected", false, "gridselectedbutton", "gridselected_line", "gridselected_lb", "resetgridselected", "", 2, 1, 70, "Selected", "Reset", {}, RefreshGrids},
    {"grids_focus", false, "gridfocusbutton", "gridfocus_line", "gridfocus_lb", "resetgridfocus", "", 2, 1, 100, "Focus", "Reset", {}, RefreshGrids},
    {"grids_text", false, "gridtextbutton", "gridtext_line", "gridtext_lb", "resetgridtext", "", 2, 1, 130, "Text", "Reset", {}, RefreshGrids},
    {"grids_overtext", false, "gridovertextbutton", "gridovertext_line", "gridovertext_lb", "resetgridovertext", "", 2, 2, 10, "Text Over", "Reset", {}, RefreshGrids},
    {"grids_selectedtext", false, "gridselectedtextbutton", "gridselectedtext_line", "gridselectedtext_lb", "resetgridselectedtext", "", 2, 2, 40, "Text Selected", "Reset", {}, RefreshGrids},
    {"grids_focustext", false, "gridfocustextbutton", "gridfocustext_line", "gridfocustext_lb", "resetgridfocustext", "", 2, 2, 70, "Text Focus", "Reset", {}, RefreshGrids},
    {"grids_stripes", false, "gridstripesbutton", "gridstripes_line", "gridstripes_lb", "resetgridstripes", "", 2, 2, 100, "Stripes", "Reset", {}, RefreshGrids},
    {"grids_overstripes", false, "gridoverstripesbutton", "gridoverstripes_line", "gridoverstripes_lb", "resetgridoverstripes", "", 2, 2, 130, "Stripes Over", "Reset", {}, RefreshGrids},
    {"grids_selectedstripes", false, "gridselectedstripesbutton", "gridselectedstripes_line", "gridselectedstripes_lb", "resetgridselectedstripes", "", 2, 3, 10, "Stripes Selected", "Reset", {}, RefreshGrids},
    {"grids_focusstripes", false, "gridfocusstripesbutton", "gridfocusedstripes_line", "gridfocusstripes_lb", "resetgridfocusstripes", "", 2, 3, 40, "Stripes Focus", "Reset", {}, RefreshGrids},
    {"grids_label", false, "gridlabelbutton", "gridlabel_line", "gridlabel_lb", "resetgridlabel", "", 2, 3, 70, "Label", "Reset", {}, RefreshGrids},
    {"prelisten_background", false, "prelisten_back_but", "prelisten_back_color", "prelisten_back_value", "reset_prelisten_back", "", 8, 1, 10, "Background", "Reset", {"previewbackground"}, RefreshNone},
    {"prelisten_border", false, "prelisten_border_but", "prelisten_border_color", "prelisten_border_value", "reset_prelisten_border", "", 8, 1, 40, "Border", "Reset", {"previewbackground", "previewbutton"}, RefreshNone},
    {"prelisten_selected", false, "prelisten_selected_button", "prelisten_selected_color", "prelisten_selected_value", "reset_prelisten_selected", "", 8, 1, 70, "Selected", "Reset", {"previewbutton", "previewplayed"}, RefreshNone},
    {"prelisten_cursor", false, "prelisten_cursor_button", "prelisten_cursor_color", "prelisten_cursor_value", "reset_prelisten_cursor", "", 8, 1, 100, "Cursor", "Reset", {"prelisten_line"}, RefreshNone},
    {"prelisten_button", false, "prelisten_button_but", "prelisten_button_color", "prelisten_button_value", "reset_prelisten_button", "", 8, 2, 10, "Button", "Reset", {"previewbutton"}, RefreshNone},
    {"prelisten_buttonbackground", false, "prelisten_butback_but", "prelisten_butonback_color", "prelisten_butback_value", "reset_prelisten_butback", "", 8, 2, 40, "Button Background", "Reset", {"previewbutton"}, RefreshNone},
    {"prelisten_buttonselected", false, "prelisten_butsel_color", "prelisten_buttonselect_color", "prelisten_butsel_value", "reset_prelisten_butsel", "", 8, 2, 70, "Button Selected", "Reset", {"previewbutton"}, RefreshNone},
    {"fx_back", false, "plugin_back_button", "plugin_back_color", "plugin_back_name", "plugin_back_reset", "", 11, 1, 10, "Background", "Reset", {}, RefreshPlugin},
    {"fx_titleback", false, "plugin_backtitle_button", "plugin_backtitle_color", "plugin_backtitle_name", "plugin_backtitle_reset", "", 11, 1, 40, "Title Background", "Reset", {}, RefreshPlugin},
    {"fx_buttonfill_start", false, "plugin_buttonfillstart_button", "plugin_buttonfillstart_color", "plugin_buttonfillstart_name", "plugin_buttonfillstart_reset", "", 11, 2, 100, "Button Fill Start", "Reset", {}, RefreshPlugin},
    {"fx_buttonfill_end", false, "plugin_buttonfillend_button", "plugin_buttonfillend_color", "plugin_buttonfillend_name", "plugin_buttonfillend_reset", "", 11, 2, 130, "Button Fill End", "Start", {}, RefreshPlugin},
    {"fx_buttonborder", false, "plugin_buttonborder_button", "plugin_buttonborder_color", "plugin_buttonborder_name", "plugin_buttonborder_reset", "", 11, 2, 160, "Button Border", "Reset", {}, RefreshPlugin},
    {"fx_selectbuttonfill_start", false, "plugin_selectbuttonfillstart_button", "plugin_selectbuttonfillstart_color", "plugin_selectbuttonfillstart_name", "plugin_selectbuttonfillstart_reset", "", 11, 3, 100, "But.Fill Select Start", "Reset", {}, RefreshPlugin},
    {"fx_selectbuttonfill_end", false, "plugin_selectbuttonfillend_button", "plugin_selectbuttonfillend_color", "plugin_selectbuttonfillend_name", "plugin_selectbuttonfillend_reset", "", 11, 3, 130, "But.Fill Select End", "Start", {}, RefreshPlugin},
    {"fx_selectbuttonborder", false, "plugin_selectbuttonborder_button", "plugin_selectbuttonborder_color", "plugin_selectbuttonborder_name", "plugin_selectbuttonborder_reset", "", 11, 3, 160, "But.Border Select", "Reset", {}, RefreshPlugin},
    {"fx_overbuttonfill_start", false, "plugin_overbuttonfillstart_button", "plugin_overbuttonfillstart_color", "plugin_overbuttonfillrstart_name", "plugin_overbuttonfillstart_reset", "", 11, 3, 10, "But.Fill Over Start", "Reset", {}, RefreshPlugin},
    {"fx_overbuttonfill_end", false, "plugin_overbuttonfillend_button", "plugin_overbuttonfillend_color", "plugin_overbuttonfillend_name", "plugin_overbuttonfillend_reset", "", 11, 3, 40, "But.Fill Over End", "Start", {}, RefreshPlugin},
    {"fx_overbuttonborder", false, "plugin_overbuttonborder_button", "plugin_overbuttonborder_color", "plugin_overbuttonborder_name", "plugin_overbuttonborder_reset", "", 11, 3, 70, "But.Border Over", "Reset", {}, RefreshPlugin},
    {"fx_knobback_start", false, "plugin_knobfillstart_button", "plugin_knobfillstart_color", "plugin_knobfillstart_name", "plugin_knobfillstart_reset", "", 11, 1, 130, "Knob Fill Start", "Reset", {}, RefreshPlugin},
    {"fx_knobback_end", false, "plugin_knobfillend_button", "plugin_knobfillend_color", "plugin_knobfillend_name", "plugin_knobfillend_reset", "", 11, 1, 160, "Knob Fill End", "Start", {}, RefreshPlugin},
    {"fx_knobborder", false, "plugin_knobborder_button", "plugin_knobborder_color", "plugin_knobborder_name", "plugin_knobborder_reset", "", 11, 2, 10, "Knob Ring Fill", "Reset", {}, RefreshPlugin},
    {"fx_knobborderout", false, "plugin_knobborderout_button", "plugin_knobborderout_color", "plugin_knobborderout_name", "plugin_knobborderout_reset", "", 11, 2, 40, "Knob Ring Border", "Reset", {}, RefreshPlugin},
    {"fx_knobfader", false, "plugin_knobfader_button", "plugin_knobfader_color", "plugin_knobfader_name", "plugin_knobfader_reset", "", 11, 2, 70, "Knob Fader", "Reset", {}, RefreshPlugin},
    {"fx_titletext", false, "plugin_titletext_button", "plugin_titletext_color", "plugin_titletext_name", "plugin_titletext_reset", "", 12, 1, 40, "Title Text", "Reset", {}, RefreshPlugin},
    {"fx_text", false, "plugin_text_button", "plugin_text_color", "plugin_text_name", "plugin_text_reset", "", 12, 1, 10, "Knob Text", "Reset", {}, RefreshPlugin},
    {"fx_button_text", false, "plugin_textbutton_button", "plugin_textbutton_color", "plugin_textbutton_name", "plugin_textbutton_reset", "", 12, 1, 70, "Button Text", "Reset", {}, RefreshPlugin},
    {"fx_buttonover_text", false, "plugin_textbuttonover_button", "plugin_textbuttonover_color", "plugin_textbuttonover_name", "plugin_textbuttonover_reset", "", 12, 1, 100, "Button Text Over", "Reset", {}, RefreshPlugin},
    {"fx_buttonselect_text", false, "plugin_textbuttonselect_button", "plugin_textbuttonselect_color", "plugin_textbuttonselect_name", "plugin_textbuttonselect_reset", "", 12, 1, 130, "Button Text Select", "Reset", {}, RefreshPlugin},
};

const FontGroupKey fontGroups[fontGroupCount] = {
    {"skin", 10, 10, 10, "Browser", "fontbutton", "resetfont", "font_label", "fontsize_label", "fontweight_label", false},
    {"skinheaders", 10, 10, 70, "Headers", "fontheadersbutton", "resetfontheaders", "fontheaders_label",
     "fontheaderssize_label", "fontheadersweight_label", false},
    {"skinsearch", 10, 10, 40, "Search", "fontsearchbutton", "resetfontsearch", "fontsearch_label",
     "fontsearchsize_label", "fontsearchweight_label", false},
    {"skingrid", 10, 10, 100, "Grid Titles", "fontgridtitlesbutton", "resetfontgridtites", "fontgridtitles_label",
     "fontgridtitlessize_label", "fontgridtitlesweight_label", false},
    {"plugin", 12, 350, 10, "Title", "pluginfont_button", "resetpluginfont", "pluginfont_name", "pluginfont_size",
     "pluginfont_weight", true},
    {"pluginknob", 12, 350, 40, "Knob & String", "pluginfontknob_button", "resetpluginknobfont",
     "pluginknobfont_name", "pluginknobfont_size", "pluginknobfont_weight", true},
    {"pluginbutton", 12, 350, 70, "Button", "pluginbuttonfont_button", "resetpluginbuttonfont",
     "pluginbuttonfont_name", "pluginbuttonfont_size", "pluginbuttonfont_weight", true},
    {"toolbar", 10, 10, 130, "Toolbar", "toolbarfont_button", "resettoolbarfont", "toolbartitles_label",
     "toolbarsize_label", "toolbarweight_label", true},
};

namespace {
template <typename T, int N> QHash<QString, int> indexBy(const T (&table)[N], const char *T::*field)
{
    QHash<QString, int> index;
    for (int i = 0; i < N; ++i)
        index.insert(QLatin1String(table[i].*field), i);
    return index;
}
} // namespace

int colourIndex(const QString &key)
{
    static const QHash<QString, int> index = indexBy(colourKeys, &ColourKey::key);
    return index.value(key, -1);
}

int fontGroupIndex(const QString &prefix)
{
    static const QHash<QString, int> index = indexBy(fontGroups, &FontGroupKey::prefix);
    return index.value(prefix, -1);
}

const ColourKey &colourKey(const QString &key)
{
    const int i = colourIndex(key);
    Q_ASSERT_X(i >= 0, "colourKey", qPrintable(key));
    return colourKeys[i];
}

QString captionObjectName(const ColourKey &key)
{
    // The over-stripes caption is greyed together with its value label, under its old name.
    if (qstrcmp(key.key, "list_overstripes") == 0)
        return QStringLiteral("label_10");
    return QLatin1String(key.key) + QLatin1String("_caption");
}

} // namespace stylekeys
