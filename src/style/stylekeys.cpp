#include "stylekeys.h"

#include <QHash>

namespace stylekeys {

// One row per key, in table-file order; the fields are described in stylekeys.h.
// clang-format off
// key | alpha | pick | swatch | value | reset | transparency | page | group | y | caption | resetText
const ColourKey colourKeys[colourKeyCount] = {
    {"backgroundcolor",            true,  "backcolorbutton",                     "backcolorline",                      "label_117",                         "resetbackcolor",                     "background_transp",      Page::Background, 1, 10,  "Background",            "Reset"},
    {"seperatorline",              false, "seperatorcolorbutton",                "seperatorcolorline",                 "label_12",                          "resetseperatorcolor",                "",                       Page::Separator,  1, 10,  "Line",                  "Reset"},
    {"toolbar_background",         false, "toolbarbackcolorbutton",              "toolbarbackcolorline",               "label_17",                          "resettoolbarback",                   "",                       Page::Toolbar,    1, 10,  "Background",            "Reset"},
    {"toolbar_text",               false, "toolbartextbutton",                   "toolbartext_line",                   "label_18",                          "resettoolbartextbutton",             "",                       Page::Toolbar,    1, 40,  "Text",                  "Reset"},
    {"toolbar_icon",               false, "toolbariconbutton",                   "toolbaricon_line",                   "label_19",                          "resettoolbariconbutton",             "",                       Page::Toolbar,    1, 70,  "Icon Background",       "Reset"},
    {"toolbar_border",             false, "toolbarborderbutton",                 "toolbarborder_line",                 "label_20",                          "resettoolbarborderbutton",           "",                       Page::Toolbar,    1, 100, "Border",                "Reset"},
    {"column_background",          false, "columnbackbutton",                    "columnback_line",                    "label_23",                          "resetcolumnbackbutton",              "",                       Page::Columns,    1, 10,  "Background",            "Reset"},
    {"column_text",                false, "columntextbutton",                    "columntext_line",                    "label_24",                          "resetcolumntextbutton",              "",                       Page::Columns,    1, 40,  "Text",                  "Reset"},
    {"scrollbar_back",             false, "scrollbarcolorbutton",                "scrollbarback_line",                 "label_28",                          "resetscrollbarbackbutton",           "",                       Page::Scrollbar,  1, 10,  "Background",            "Reset"},
    {"scrollbar_button",           false, "scrollbarbutonbutton",                "scrollbarbutton_line",               "label_26",                          "resetscrollbarbuttonbutton",         "",                       Page::Scrollbar,  1, 40,  "Button",                "Reset"},
    {"info_background",            false, "infobackgrounbutton",                 "infobackground_line",                "infobackground_lb",                 "resetinfobackground",                "",                       Page::Info,       1, 10,  "Background",            "Reset"},
    {"info_stripes",               false, "infostripesbutton",                   "infostripes_line",                   "infostripes_lb",                    "resetinfostripes",                   "",                       Page::Info,       1, 40,  "Stripes",               "Reset"},
    {"info_text",                  false, "infotextbutton",                      "infotext_line",                      "infotext_lb",                       "resetinfotext",                      "",                       Page::Info,       1, 70,  "Text",                  "Reset"},
    {"info_label",                 false, "infolabelbutton",                     "infolabel_line",                     "infolabel_lb",                      "resetinfolabel",                     "",                       Page::Info,       2, 10,  "Label",                 "Reset"},
    {"info_artist",                false, "infoartistbutton",                    "infoartist_line",                    "infoartist_lb",                     "resetinfoartist",                    "",                       Page::Info,       2, 40,  "Artist",                "Reset"},
    {"info_title",                 false, "infotitlebutton",                     "infotitle_line",                     "infotitle_lb",                      "resetinfotitle",                     "",                       Page::Info,       2, 70,  "Title",                 "Reset"},
    {"list_background",            false, "listbackgroundbutton",                "listbackground_line",                "label_11",                          "resetlistbackground",                "list_background_transp", Page::Columns,    1, 70,  "Border",                "Reset"},
    {"list_stripes",               true,  "liststripesbutton",                   "liststripes_line",                   "label_36",                          "resetliststripes",                   "list_stripes_transp_2",  Page::Lists,      1, 40,  "Stripes",               "Reset"},
    {"list_over",                  false, "listoverbutton",                      "listover_line",                      "label_38",                          "resetlistover",                      "list_over_transp",       Page::Lists,      1, 10,  "Over",                  "Reset"},
    {"list_overstripes",           false, "listoverstripebutton",                "listoverstripe_line",                "label_37",                          "resetlistoverstripe",                "",                       Page::Lists,      1, 70,  "Stripes Over",          "Reset"},
    {"list_selected",              false, "listselectedbutton",                  "listselected_line",                  "label_41",                          "resetlistselected",                  "",                       Page::Lists,      1, 130, "Selected",              "Reset"},
    {"list_focus",                 false, "listfocusbutton",                     "listfocus_line",                     "label_43",                          "resetlistfocus",                     "",                       Page::Lists,      1, 100, "Focus",                 "Reset"},
    {"list_text",                  false, "listtextbutton",                      "listtext_line",                      "label_42",                          "resetlisttext",                      "",                       Page::Lists,      2, 10,  "Text",                  "Reset"},
    {"list_overtext",              false, "listovertextbutton",                  "listovertext_line",                  "label_88",                          "resetlistovertext",                  "",                       Page::Lists,      2, 70,  "Text Over",             "Reset"},
    {"list_selectedtext",          false, "listselectedtextbutton",              "listselectedtext_line",              "label_93",                          "resetlistselectedtext",              "",                       Page::Lists,      2, 100, "Text Selected",         "Reset"},
    {"list_focustext",             false, "listtextfocusbutton",                 "listtextfocus_line",                 "label_50",                          "resetlisttextfocus",                 "",                       Page::Lists,      2, 40,  "Text Focus",            "Reset"},
    {"list_automix",               false, "listautomixbutton",                   "listautomix_line",                   "label_49",                          "resetlistautomix",                   "",                       Page::Lists,      2, 130, "Automix",               "Reset"},
    {"list_livefeedback",          false, "listfeedbackbutton",                  "listfeedback_line",                  "label_58",                          "resetlistfeedback",                  "",                       Page::Lists,      3, 40,  "Live Feedback",         "Reset"},
    {"list_download",              false, "listdownloadbutton",                  "listdownload_list",                  "label_47",                          "resetlistdownload",                  "",                       Page::Lists,      3, 10,  "Download",              "Reset"},
    {"list_scan",                  false, "listscanbutton",                      "listscan_line",                      "label_59",                          "resetlistscan",                      "",                       Page::Lists,      3, 70,  "Scan",                  "Reset"},
    {"list_button",                false, "listbuttonbutton",                    "listbutton_line",                    "label_52",                          "resetlistbutton",                    "",                       Page::Lists,      3, 100, "Button",                "Reset"},
    {"list_buttonactive",          false, "listbuttonactivebutton",              "listactivebutton_line",              "label_62",                          "resetlistactivebutton",              "",                       Page::Lists,      3, 130, "Button Active",         "Reset"},
    {"list_insert",                false, "listinsertbutton",                    "listinsert_line",                    "label_63",                          "resetlistinsert",                    "",                       Page::Lists,      1, 160, "Insert",                "Default"},
    {"search_background",          false, "search_back_but",                     "search_back_color",                  "search_back_value",                 "reset_search_back",                  "",                       Page::Search,     1, 10,  "Background",            "Reset"},
    {"search_border",              false, "search_border_but",                   "search_border_color",                "search_border_value",               "reset_search_border",                "",                       Page::Search,     1, 40,  "Border",                "Reset"},
    {"search_selected",            false, "search_select_but",                   "search_selected_color",              "search_selected_value",             "reset_search_select",                "",                       Page::Search,     1, 70,  "Selected",              "Reset"},
    {"search_text",                false, "search_text_but",                     "search_text_color",                  "search_text_value",                 "reset_search_text",                  "",                       Page::Search,     1, 100, "Text",                  "Reset"},
    {"search_cursor",              false, "search_cursor_but",                   "search_cursor_color",                "search_cursor_value",               "reset_search_cursor",                "",                       Page::Search,     1, 130, "Cursor",                "Reset"},
    {"grids_background",           false, "gridbackgroundbutton",                "gridbackground_line",                "gridbackground_lb",                 "resetgridbackground",                "",                       Page::Grids,      1, 10,  "Background",            "Reset"},
    {"grids_over",                 false, "gridoverbutton",                      "gridover_line",                      "gridover_lb",                       "resetgridover",                      "",                       Page::Grids,      1, 40,  "Over",                  "Reset"},
    {"grids_selected",             false, "gridselectedbutton",                  "gridselected_line",                  "gridselected_lb",                   "resetgridselected",                  "",                       Page::Grids,      1, 70,  "Selected",              "Reset"},
    {"grids_focus",                false, "gridfocusbutton",                     "gridfocus_line",                     "gridfocus_lb",                      "resetgridfocus",                     "",                       Page::Grids,      1, 100, "Focus",                 "Reset"},
    {"grids_text",                 false, "gridtextbutton",                      "gridtext_line",                      "gridtext_lb",                       "resetgridtext",                      "",                       Page::Grids,      1, 130, "Text",                  "Reset"},
    {"grids_overtext",             false, "gridovertextbutton",                  "gridovertext_line",                  "gridovertext_lb",                   "resetgridovertext",                  "",                       Page::Grids,      2, 10,  "Text Over",             "Reset"},
    {"grids_selectedtext",         false, "gridselectedtextbutton",              "gridselectedtext_line",              "gridselectedtext_lb",               "resetgridselectedtext",              "",                       Page::Grids,      2, 40,  "Text Selected",         "Reset"},
    {"grids_focustext",            false, "gridfocustextbutton",                 "gridfocustext_line",                 "gridfocustext_lb",                  "resetgridfocustext",                 "",                       Page::Grids,      2, 70,  "Text Focus",            "Reset"},
    {"grids_stripes",              false, "gridstripesbutton",                   "gridstripes_line",                   "gridstripes_lb",                    "resetgridstripes",                   "",                       Page::Grids,      2, 100, "Stripes",               "Reset"},
    {"grids_overstripes",          false, "gridoverstripesbutton",               "gridoverstripes_line",               "gridoverstripes_lb",                "resetgridoverstripes",               "",                       Page::Grids,      2, 130, "Stripes Over",          "Reset"},
    {"grids_selectedstripes",      false, "gridselectedstripesbutton",           "gridselectedstripes_line",           "gridselectedstripes_lb",            "resetgridselectedstripes",           "",                       Page::Grids,      3, 10,  "Stripes Selected",      "Reset"},
    {"grids_focusstripes",         false, "gridfocusstripesbutton",              "gridfocusedstripes_line",            "gridfocusstripes_lb",               "resetgridfocusstripes",              "",                       Page::Grids,      3, 40,  "Stripes Focus",         "Reset"},
    {"grids_label",                false, "gridlabelbutton",                     "gridlabel_line",                     "gridlabel_lb",                      "resetgridlabel",                     "",                       Page::Grids,      3, 70,  "Label",                 "Reset"},
    {"prelisten_background",       false, "prelisten_back_but",                  "prelisten_back_color",               "prelisten_back_value",              "reset_prelisten_back",               "",                       Page::Prelisten,  1, 10,  "Background",            "Reset"},
    {"prelisten_border",           false, "prelisten_border_but",                "prelisten_border_color",             "prelisten_border_value",            "reset_prelisten_border",             "",                       Page::Prelisten,  1, 40,  "Border",                "Reset"},
    {"prelisten_selected",         false, "prelisten_selected_button",           "prelisten_selected_color",           "prelisten_selected_value",          "reset_prelisten_selected",           "",                       Page::Prelisten,  1, 70,  "Selected",              "Reset"},
    {"prelisten_cursor",           false, "prelisten_cursor_button",             "prelisten_cursor_color",             "prelisten_cursor_value",            "reset_prelisten_cursor",             "",                       Page::Prelisten,  1, 100, "Cursor",                "Reset"},
    {"prelisten_button",           false, "prelisten_button_but",                "prelisten_button_color",             "prelisten_button_value",            "reset_prelisten_button",             "",                       Page::Prelisten,  2, 10,  "Button",                "Reset"},
    {"prelisten_buttonbackground", false, "prelisten_butback_but",               "prelisten_butonback_color",          "prelisten_butback_value",           "reset_prelisten_butback",            "",                       Page::Prelisten,  2, 40,  "Button Background",     "Reset"},
    {"prelisten_buttonselected",   false, "prelisten_butsel_color",              "prelisten_buttonselect_color",       "prelisten_butsel_value",            "reset_prelisten_butsel",             "",                       Page::Prelisten,  2, 70,  "Button Selected",       "Reset"},
    {"fx_back",                    false, "plugin_back_button",                  "plugin_back_color",                  "plugin_back_name",                  "plugin_back_reset",                  "",                       Page::Plugin,     1, 10,  "Background",            "Reset"},
    {"fx_titleback",               false, "plugin_backtitle_button",             "plugin_backtitle_color",             "plugin_backtitle_name",             "plugin_backtitle_reset",             "",                       Page::Plugin,     1, 40,  "Title Background",      "Reset"},
    {"fx_buttonfill_start",        false, "plugin_buttonfillstart_button",       "plugin_buttonfillstart_color",       "plugin_buttonfillstart_name",       "plugin_buttonfillstart_reset",       "",                       Page::Plugin,     2, 100, "Button Fill Start",     "Reset"},
    {"fx_buttonfill_end",          false, "plugin_buttonfillend_button",         "plugin_buttonfillend_color",         "plugin_buttonfillend_name",         "plugin_buttonfillend_reset",         "",                       Page::Plugin,     2, 130, "Button Fill End",       "Start"},
    {"fx_buttonborder",            false, "plugin_buttonborder_button",          "plugin_buttonborder_color",          "plugin_buttonborder_name",          "plugin_buttonborder_reset",          "",                       Page::Plugin,     2, 160, "Button Border",         "Reset"},
    {"fx_selectbuttonfill_start",  false, "plugin_selectbuttonfillstart_button", "plugin_selectbuttonfillstart_color", "plugin_selectbuttonfillstart_name", "plugin_selectbuttonfillstart_reset", "",                       Page::Plugin,     3, 100, "But.Fill Select Start", "Reset"},
    {"fx_selectbuttonfill_end",    false, "plugin_selectbuttonfillend_button",   "plugin_selectbuttonfillend_color",   "plugin_selectbuttonfillend_name",   "plugin_selectbuttonfillend_reset",   "",                       Page::Plugin,     3, 130, "But.Fill Select End",   "Start"},
    {"fx_selectbuttonborder",      false, "plugin_selectbuttonborder_button",    "plugin_selectbuttonborder_color",    "plugin_selectbuttonborder_name",    "plugin_selectbuttonborder_reset",    "",                       Page::Plugin,     3, 160, "But.Border Select",     "Reset"},
    {"fx_overbuttonfill_start",    false, "plugin_overbuttonfillstart_button",   "plugin_overbuttonfillstart_color",   "plugin_overbuttonfillrstart_name",  "plugin_overbuttonfillstart_reset",   "",                       Page::Plugin,     3, 10,  "But.Fill Over Start",   "Reset"},
    {"fx_overbuttonfill_end",      false, "plugin_overbuttonfillend_button",     "plugin_overbuttonfillend_color",     "plugin_overbuttonfillend_name",     "plugin_overbuttonfillend_reset",     "",                       Page::Plugin,     3, 40,  "But.Fill Over End",     "Start"},
    {"fx_overbuttonborder",        false, "plugin_overbuttonborder_button",      "plugin_overbuttonborder_color",      "plugin_overbuttonborder_name",      "plugin_overbuttonborder_reset",      "",                       Page::Plugin,     3, 70,  "But.Border Over",       "Reset"},
    {"fx_knobback_start",          false, "plugin_knobfillstart_button",         "plugin_knobfillstart_color",         "plugin_knobfillstart_name",         "plugin_knobfillstart_reset",         "",                       Page::Plugin,     1, 130, "Knob Fill Start",       "Reset"},
    {"fx_knobback_end",            false, "plugin_knobfillend_button",           "plugin_knobfillend_color",           "plugin_knobfillend_name",           "plugin_knobfillend_reset",           "",                       Page::Plugin,     1, 160, "Knob Fill End",         "Start"},
    {"fx_knobborder",              false, "plugin_knobborder_button",            "plugin_knobborder_color",            "plugin_knobborder_name",            "plugin_knobborder_reset",            "",                       Page::Plugin,     2, 10,  "Knob Ring Fill",        "Reset"},
    {"fx_knobborderout",           false, "plugin_knobborderout_button",         "plugin_knobborderout_color",         "plugin_knobborderout_name",         "plugin_knobborderout_reset",         "",                       Page::Plugin,     2, 40,  "Knob Ring Border",      "Reset"},
    {"fx_knobfader",               false, "plugin_knobfader_button",             "plugin_knobfader_color",             "plugin_knobfader_name",             "plugin_knobfader_reset",             "",                       Page::Plugin,     2, 70,  "Knob Fader",            "Reset"},
    {"fx_titletext",               false, "plugin_titletext_button",             "plugin_titletext_color",             "plugin_titletext_name",             "plugin_titletext_reset",             "",                       Page::PluginText, 1, 40,  "Title Text",            "Reset"},
    {"fx_text",                    false, "plugin_text_button",                  "plugin_text_color",                  "plugin_text_name",                  "plugin_text_reset",                  "",                       Page::PluginText, 1, 10,  "Knob Text",             "Reset"},
    {"fx_button_text",             false, "plugin_textbutton_button",            "plugin_textbutton_color",            "plugin_textbutton_name",            "plugin_textbutton_reset",            "",                       Page::PluginText, 1, 70,  "Button Text",           "Reset"},
    {"fx_buttonover_text",         false, "plugin_textbuttonover_button",        "plugin_textbuttonover_color",        "plugin_textbuttonover_name",        "plugin_textbuttonover_reset",        "",                       Page::PluginText, 1, 100, "Button Text Over",      "Reset"},
    {"fx_buttonselect_text",       false, "plugin_textbuttonselect_button",      "plugin_textbuttonselect_color",      "plugin_textbuttonselect_name",      "plugin_textbuttonselect_reset",      "",                       Page::PluginText, 1, 130, "Button Text Select",    "Reset"},
};

// prefix | page | x | y | caption | fontButton | resetButton | nameLabel | sizeLabel | weightLabel
const FontGroupKey fontGroups[fontGroupCount] = {
    {"skin",         Page::Fonts,      10,  10,  "Browser",       "fontbutton",              "resetfont",             "font_label",            "fontsize_label",           "fontweight_label"},
    {"skinheaders",  Page::Fonts,      10,  70,  "Headers",       "fontheadersbutton",       "resetfontheaders",      "fontheaders_label",     "fontheaderssize_label",    "fontheadersweight_label"},
    {"skinsearch",   Page::Fonts,      10,  40,  "Search",        "fontsearchbutton",        "resetfontsearch",       "fontsearch_label",      "fontsearchsize_label",     "fontsearchweight_label"},
    {"skingrid",     Page::Fonts,      10,  100, "Grid Titles",   "fontgridtitlesbutton",    "resetfontgridtites",    "fontgridtitles_label",  "fontgridtitlessize_label", "fontgridtitlesweight_label"},
    {"plugin",       Page::PluginText, 350, 10,  "Title",         "pluginfont_button",       "resetpluginfont",       "pluginfont_name",       "pluginfont_size",          "pluginfont_weight"},
    {"pluginknob",   Page::PluginText, 350, 40,  "Knob & String", "pluginfontknob_button",   "resetpluginknobfont",   "pluginknobfont_name",   "pluginknobfont_size",      "pluginknobfont_weight"},
    {"pluginbutton", Page::PluginText, 350, 70,  "Button",        "pluginbuttonfont_button", "resetpluginbuttonfont", "pluginbuttonfont_name", "pluginbuttonfont_size",    "pluginbuttonfont_weight"},
    {"toolbar",      Page::Fonts,      10,  130, "Toolbar",       "toolbarfont_button",      "resettoolbarfont",      "toolbartitles_label",   "toolbarsize_label",        "toolbarweight_label"},
};
// clang-format on
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
