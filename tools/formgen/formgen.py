#!/usr/bin/env python3
"""Writes src/ui/mainwindow.ui, the main window's Designer form.

The form is absolutely positioned and repetitive (four grid cards, help texts in one
rich-text notation), so it is kept here as a compact description and turned into the
.ui XML. The colour and font rows of the settings pages are not part of the form: the
application builds them from the key table (src/app/editorrows.cpp).

Usage: python3 tools/formgen/formgen.py > src/ui/mainwindow.ui
"""

import sys
import xml.etree.ElementTree as ET

RESOURCE_FILE = "../../resources/resources.qrc"
QUESTION = ":/new/images/myfiles/question.png"
WARNING = ":/myfiles/myfiles/Warning.png"
LOGO = ":/myfiles/quillologo.png"

# --- rich help texts -------------------------------------------------------------
# A help text is a list of spans; PARA starts a new paragraph. A plain string is a
# 9 pt span, span(text, bold, italic, default_size) anything else.

PARA = object()


def span(text, bold=False, italic=False, default_size=False):
    return (text, bold, italic, default_size)


def bold(text):
    return span(text, bold=True)


def bold_italic(text):
    return span(text, bold=True, italic=True)


def italic_default(text):
    return span(text, italic=True, default_size=True)


def html_escape(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;").replace('"', "&quot;")


def rich_help(parts):
    paragraphs = [[]]
    for part in parts:
        if part is PARA:
            paragraphs.append([])
            continue
        text, is_bold, is_italic, default_size = part if isinstance(part, tuple) else (part, False, False, False)
        style = "" if default_size else " font-size:9pt;"
        if is_bold:
            style += " font-weight:600;"
        if is_italic:
            style += " font-style:italic;"
        paragraphs[-1].append('<span style="%s">%s</span>' % (style, html_escape(text)))
    body = "".join("<p>%s</p>" % "".join(p) for p in paragraphs)
    return "<html><head/><body>%s</body></html>" % body


HELP = {
    "skinfileselect": ["It's the first step you need to do to modify a skin. ", PARA,
                       "Click this button to get a File Dialog Window and ", bold("select the Turnwise Skin"),
                       " you wish to modify"],
    "radioButton": ["Select this option to have the ", bold("Default Browser Icons "), "in your skin"],
    "radioButton_2": ["Select this option to use the ", bold_italic("Alternative"), bold(" Browser Icons"),
                      " (found in several custom Turnwise Skins) in your modified Skin"],
    "checkBox": ["When enabled, an additional Browser will be added in a ", bold("floating Window"), "."],
    "selectedfile": ["The selected Turnwise ", bold("Skin name"), " will appear here"],
    "pushButton": ["Click to ", bold("reset "), "all Browser Colors and Fonts to the default values"],
    "windowfileselect": ["Select a skin and ", bold("add its floating windows "), "to the modified skin"],
    "checkBox_window": ["When enabled, the ", bold("floating Windows"),
                        " of another Skin will be added to the modified Skin"],
    "globalfontbutton": ["Choose a Font to use for the modified skin.", PARA,
                         italic_default('Will affect Browser if the "Change Browser Colors and Fonts" '
                                        "option is disabled")],
    "checkBox_globalfont": ["Enable to alter the size and the fonts of the modified skin"],
    "checkBox_changecolors": ["Enable to", bold(" view "), "the Browser Colors and Fonts and ", bold("apply"),
                              " the changes to the Browser of the modified skin."],
    "radioButton_3": ["Select this option to import ", bold("Custom Browser Icons"), " from another skin"],
    "iconselect_name": ["Displays the selected skin from which the Custom Browser Icons will be imported from."],
    "iconselect": ["Opens a File Dialog Window to select a skin from which you want to import Custom "
                   "Browser Icons", PARA,
                   italic_default('Available only when the "From another Skin" option is selected')],
    "checkBox_changecolors_2": ["Show/Hide the ", bold("Browser Preview")],
    "radioButton_4": ["Select this option to use the ", bold_italic("White"), bold(" Browser Icons"),
                      " (inverted colors for White Browsers) in your modified Skin"],
}


def icon_preview(background, image):
    return ("<html><head><style>* {background-color:%s;}</style></head>"
            '<body><img src="%s" width="300"/></body></html>' % (background, image))


def logo(width):
    return '<html><head/><body><p align="center"><img src="%s" width="%d"/></p></body></html>' % (LOGO, width)


COVER_STYLE = "background-color: rgb(61, 61, 61);\nborder:1px solid;\nborder-color: rgb(190, 190, 190);"

# --- Designer XML helpers ---------------------------------------------------------


def prop(widget, name, kind, value=None, **attrs):
    p = ET.SubElement(widget, "property", name=name)
    v = ET.SubElement(p, kind, **attrs)
    if isinstance(value, dict):
        for key, sub in value.items():
            ET.SubElement(v, key).text = str(sub)
    elif value is not None:
        v.text = str(value)
    return p


def geometry(widget, rect):
    x, y, w, h = rect
    prop(widget, "geometry", "rect", {"x": x, "y": y, "width": w, "height": h})


def font(widget, point_size=None, family=None, bold_font=False, italic=False):
    fields = {}
    if family:
        fields["family"] = family
    if point_size:
        fields["pointsize"] = point_size
    if italic:
        fields["italic"] = "true"
    if bold_font:
        fields["weight"] = 75
        fields["bold"] = "true"
    prop(widget, "font", "font", fields)


def widget(cls, name, rect=None):
    w = ET.Element("widget", {"class": cls, "name": name})
    if rect:
        geometry(w, rect)
    return w


def decorate(w, name, text=None, tooltip=None, point_size=None, bold_font=False, italic=False, family=None):
    if point_size or bold_font or italic or family:
        font(w, point_size, family, bold_font, italic)
    if tooltip:
        prop(w, "toolTip", "string", tooltip)
    if name in HELP:
        prop(w, "whatsThis", "string", rich_help(HELP[name]))
    if text is not None:
        prop(w, "text", "string", text)


def label(name, rect, text="", box=False, centre=False, pixmap=None, style=None, word_wrap=False, **extra):
    w = widget("QLabel", name, rect)
    decorate(w, name, text=None if pixmap else text, **extra)
    if style:
        prop(w, "styleSheet", "string", style)
    if word_wrap:
        prop(w, "wordWrap", "bool", "true")
    if box:
        prop(w, "frameShape", "enum", "QFrame::Box")
    if pixmap:
        prop(w, "pixmap", "pixmap", pixmap, resource=RESOURCE_FILE)
    if centre:
        prop(w, "alignment", "set", "Qt::AlignCenter")
    return w


def cover(name, rect, logo_width):
    w = label(name, rect, logo(logo_width), centre=True, style=COVER_STYLE)
    prop(w, "wordWrap", "bool", "false")
    return w


def button(name, rect, text, **extra):
    w = widget("QPushButton", name, rect)
    decorate(w, name, text=text, **extra)
    return w


def check_box(name, rect, text):
    w = widget("QCheckBox", name, rect)
    decorate(w, name, text=text)
    return w


def radio(name, rect, text):
    w = widget("QRadioButton", name, rect)
    decorate(w, name, text=text)
    return w


def line_edit(name, rect, digits_only=False):
    w = widget("QLineEdit", name, rect)
    if digits_only:
        prop(w, "inputMethodHints", "set", "Qt::ImhDigitsOnly")
    return w


def line(name, rect):
    w = widget("Line", name, rect)
    horizontal = rect[2] > rect[3]
    prop(w, "orientation", "enum", "Qt::Horizontal" if horizontal else "Qt::Vertical")
    return w


def list_widget(name, rect, items, alternating=False, scroll_bars=True, current_row=None):
    w = widget("QListWidget", name, rect)
    if not scroll_bars:
        prop(w, "verticalScrollBarPolicy", "enum", "Qt::ScrollBarAlwaysOff")
        prop(w, "horizontalScrollBarPolicy", "enum", "Qt::ScrollBarAlwaysOff")
    prop(w, "alternatingRowColors", "bool", "true" if alternating else "false")
    prop(w, "sortingEnabled", "bool", "false")
    if current_row is not None:
        prop(w, "currentRow", "number", current_row)
    for text in items:
        item = ET.SubElement(w, "item")
        prop(item, "text", "string", text)
    return w


def page(name, title, children):
    w = widget("QWidget", name)
    attribute = ET.SubElement(w, "attribute", name="title")
    ET.SubElement(attribute, "string").text = title
    w.extend(children)
    return w


def tab_widget(name, rect, pages, current, south=False):
    w = widget("QTabWidget", name, rect)
    if south:
        prop(w, "tabPosition", "enum", "QTabWidget::South")
    prop(w, "currentIndex", "number", current)
    w.extend(pages)
    return w


# --- option area -------------------------------------------------------------------


def option_area():
    # Some captions are wider than first drawn so that wider platform fonts do not cut them;
    # label_79 wraps onto two lines where one is not enough.
    return [
        label("label", (21, 15, 111, 26), "Select a Skin"),
        label("selectedfile", (153, 17, 411, 26), box=True),
        button("skinfileselect", (580, 17, 91, 26), "Browse"),
        line("line_2", (10, 52, 990, 1)),
        label("label_2", (20, 63, 91, 16), "Browser Icons"),
        radio("radioButton", (152, 63, 71, 17), "Default"),
        radio("radioButton_2", (254, 63, 86, 17), "Alternative"),
        label("alticons", (340, 62, 21, 21), pixmap=QUESTION,
              tooltip=icon_preview("black", ":/myfiles/icons/ICONS.png")),
        radio("radioButton_4", (395, 63, 61, 17), "White"),
        label("floatlabel_8", (452, 62, 21, 21), pixmap=QUESTION,
              tooltip=icon_preview("white", ":/myfiles/icons/ICONSWHITE.png")),
        radio("radioButton_3", (510, 63, 135, 17), "From another Skin"),
        label("iconselect_name", (650, 59, 251, 24), box=True),
        label("floatlabel_7", (880, 60, 21, 21), pixmap=WARNING),
        button("iconselect", (910, 58, 91, 26), "Browse"),
        line("line", (10, 90, 990, 1)),
        label("label_3", (20, 100, 221, 16), "Add Browser in a floating Window"),
        check_box("checkBox", (243, 100, 71, 20), "Yes"),
        label("floatlabel", (320, 100, 681, 20)),
        line("line_8", (10, 128, 990, 1)),
        label("label_79", (20, 133, 221, 32), "Add a floating Window(s) from existing Skin", word_wrap=True),
        check_box("checkBox_window", (243, 139, 51, 20), "Yes"),
        label("label_80", (297, 140, 33, 16), "Skin :"),
        label("selectedwindow", (330, 137, 241, 24), box=True),
        button("windowfileselect", (580, 137, 91, 26), "Browse"),
        label("floatlabel_3", (680, 140, 21, 21), pixmap=QUESTION),
        label("floatlabel_2", (700, 130, 301, 41)),
        line("line_9", (10, 167, 990, 1)),
        label("label_81", (20, 178, 201, 16), "Change the global skin font"),
        check_box("checkBox_globalfont", (243, 177, 51, 20), "Yes"),
        button("globalfontbutton", (300, 175, 45, 23), "Font"),
        label("font_label_2", (350, 176, 221, 20)),
        label("label_82", (594, 176, 23, 20), "Size"),
        line_edit("globalsize", (620, 175, 51, 24), digits_only=True),
        label("label_83", (655, 177, 21, 20), "%"),
        label("floatlabel_4", (680, 177, 18, 21), pixmap=QUESTION),
        line("line_3", (10, 207, 990, 1)),
        label("label_4", (20, 215, 221, 16), "Change Browser Colors and Fonts"),
        check_box("checkBox_changecolors", (243, 215, 51, 20), "Yes"),
        label("label_126", (405, 215, 133, 16), "Show Browser Preview"),
        check_box("checkBox_changecolors_2", (540, 215, 51, 20), "Yes"),
        button("pushButton", (910, 214, 81, 26), "Reset"),
    ]


def bottom_band():
    return [
        line("line_7", (10, 664, 990, 1)),
        label("label_33", (30, 675, 81, 24), "Save as", point_size=10, bold_font=True),
        line_edit("skinfile", (110, 675, 311, 24)),
        label("label_34", (110, 700, 271, 24), "or leave blank to save with the same name", point_size=8, italic=True),
        button("dothejob", (470, 672, 121, 31), "Create Skin", family="Arial", point_size=12),
        label("statuslabel", (630, 685, 231, 20), centre=True, point_size=10, bold_font=True),
        label("label_67", (570, 710, 441, 20), "Turnwise Panelcraft %1", centre=True, point_size=8),
    ]


# --- settings pages ----------------------------------------------------------------
# Only what is not a colour or font row: the column dividers, the Plugin page's
# knob dividers, the line height field and the Lists page's caption-only rows.

PAGE_HEIGHT = 160


def dividers(page_name, xs, height=PAGE_HEIGHT):
    return [line("%s_divider_%d" % (page_name, i + 1), (x, 5, 3, height)) for i, x in enumerate(xs)]


def lists_page():
    # Caption-only rows kept below the visible area; their labels are greyed together
    # with the over-stripes row.
    return dividers("lists", [310, 640]) + [
        label("label_46", (10, 250, 90, 23), "OverText"),
        label("label_39", (198, 250, 55, 23)),
        label("label_48", (340, 250, 90, 23), "Selected Text"),
        label("label_54", (531, 250, 55, 23)),
    ]


def font_page():
    return dividers("font", [640]) + [
        label("label_85", (690, 10, 68, 20), "Line Height"),
        label("floatlabel_5", (760, 11, 18, 21), pixmap=QUESTION),
        line_edit("lineheight", (780, 10, 45, 23), digits_only=True),
        label("label_86", (810, 11, 16, 20), "%"),
        button("resetfontgridtites_2", (830, 10, 55, 23), "Default"),
    ]


def plugin_page():
    return dividers("plugin", [310, 640], height=180) + [
        line("plugin_divider_knob_1", (330, 96, 311, 1)),
        line("plugin_divider_knob_2", (660, 96, 311, 1)),
        line("plugin_divider_knob_3", (5, 126, 311, 1)),
    ]


def settings_tabs():
    pages = [
        ("tab_6", "Background", []),
        ("tab_7", "Lists", lists_page()),
        ("tab_8", "Grids", dividers("grids", [310, 640])),
        ("tab", "Info", dividers("info", [310])),
        ("tab_2", "Toolbar", []),
        ("tab_3", "Scrollbar", []),
        ("tab_4", "Columns", []),
        ("tab_10", "Search", []),
        ("tab_14", "Prelisten", dividers("prelisten", [310])),
        ("tab_5", "Separator", []),
        ("tab_9", "Font", font_page()),
        ("tab_18", "Plugin", plugin_page()),
        ("tab_20", "Plugin Text", dividers("plugintext", [310])),
    ]
    return tab_widget("tabWidget", (19, 240, 991, 215), [page(*p) for p in pages], current=1)


# --- preview: list view ------------------------------------------------------------

FILE_ITEM = "Artist" + " " * 40 + "Title" + " " * 23


def sampler_page():
    return page("tab_11", "Sampler", [
        label("sideview_back", (0, 0, 343, 31), " " * 10 + "SAMPLER", point_size=10),
        label("sideview_icon", (4, 3, 25, 25)),
        label("sampler_bank_name", (150, 3, 111, 25), "BANK NAME", box=True, centre=True),
    ] + [button("sampler_but%d" % (i + 1), (10 + 50 * i, 40, 51, 41), "\u266b", point_size=20) for i in range(3)])


def automix_page():
    return page("tab_12", "", [
        label("automix_back", (0, 0, 343, 31), " " * 10 + "AUTOMIX", point_size=10),
        label("automix_icon", (4, 3, 25, 25)),
        list_widget("listWidget_3", (0, 67, 343, 81), [FILE_ITEM] * 3, alternating=True, current_row=0),
        label("listback_color_2", (0, 30, 343, 20)),
        label("header_artist_2", (3, 31, 145, 18), "  Column Header"),
        label("header_title_2", (152, 31, 183, 18), "  Column Header"),
        list_widget("listWidget_4", (0, 50, 343, 17), ["Artist (playing in Automix)   Title" + " " * 23],
                    alternating=True, scroll_bars=False),
    ])


def info_page():
    captions = ["  Remix :", "  Year :", "  Album :", "  Genre :"]
    lines = [label("Info_Line%d" % (i + 1), (0, 60 + 20 * i, 328, 20), text) for i, text in enumerate(captions)]
    values = [label("Info_value%d" % (i + 1), (70, 60 + 20 * i, 61, 20), "Value") for i in range(4)]
    return page("tab_13", "Info", [
        label("info_background", (0, 0, 341, 151)),
        cover("label_7", (5, 5, 51, 51), 45),
    ] + lines + values + [
        label("info_tracktitle", (80, 22, 191, 20), "Track Title", point_size=10),
        label("info_trackartist", (80, 42, 181, 16), "Track Artist"),
        button("previewbutton", (80, 1, 21, 21), "\u25b6", point_size=16),
        label("previewbackground", (101, 1, 221, 21)),
        label("previewplayed", (102, 2, 101, 19)),
        line("prelisten_line", (204, 2, 2, 19)),
    ])


def plugin_zone_page():
    return page("tab_17", "Plugin", [
        label("plugin_frame", (0, 0, 341, 151)),
        label("plugin_fxtitle", (1, 1, 331, 20), "   Effect Name (deck x)"),
        label("plugin_background", (2, 21, 336, 123)),
        label("plugin_graphicsback", (10, 30, 200, 50)),
        label("plugin_parameter", (0, 70, 75, 18), "Parameter", centre=True),
        label("plugin_parameter_value", (0, 85, 75, 18), "Value x %", centre=True),
        label("plugin_string", (170, 43, 81, 18), "String", centre=True),
        button("plugin_fxbut", (90, 40, 55, 25), "FX.BUT"),
    ])


def list_view_page():
    side = tab_widget("tabWidget_2", (635, 0, 341, 171),
                      [sampler_page(), automix_page(), info_page(), plugin_zone_page()], current=3, south=True)
    return page("tab_15", "List View", [
        label("browser_backview", (1, 0, 981, 171)),
        label("toolbar_back", (0, 0, 31, 171)),
        side,
        list_widget("listWidget", (30, 0, 201, 171), ["Folder 1", "Folder 2", "Folder 3", "Folder 5"],
                    current_row=0),
        label("search_back", (252, 0, 380, 31)),
        label("scroll_back", (230, 1, 18, 171)),
        line("separator_line", (250, 0, 2, 171)),
        list_widget("listWidget_2", (252, 50, 358, 121), [FILE_ITEM] * 5, alternating=True, current_row=0),
        line("separator_line_2", (632, 0, 2, 168)),
        label("livefeedback_label", (260, 150, 341, 20), "Livefeedback recommends this track"),
        label("scroll_back_2", (610, 32, 20, 136)),
        label("listback_color", (252, 31, 358, 20)),
        label("file_count", (500, 5, 81, 21), "5 Files"),
        line_edit("searchbarbox", (290, 5, 191, 20)),
        label("scroll_but2", (230, 40, 18, 41)),
        label("scroll_but1", (230, 150, 18, 21), "\u25bc", centre=True),
        label("scroll_but3", (230, 1, 18, 21), "\u25b2", centre=True),
        label("scroll_but1_2", (612, 146, 18, 21), "\u25bc", centre=True),
        label("scroll_but2_2", (611, 70, 20, 35)),
        label("scroll_but3_2", (612, 31, 18, 21), "\u25b2", centre=True),
        label("header_artist", (254, 32, 151, 18), "  Column Header"),
        label("header_title", (408, 32, 200, 18), "  Column Header"),
    ])


# --- preview: grid view ------------------------------------------------------------

STRIKE_TEXT = "  BPM :" + " " * 32 + "Length :"

# One track card per look (normal, mouse over, selected without focus, selected with
# focus); the widgets' suffix follows the card, the labels' numbers do not.
CARDS = [
    # suffix, card (x, y), cover, artist, artist text, artist width, title, comment, (comment x, comment y)
    ("", (4, 0), "label_103", "label_104", "Track's Artist", 201, "label_105", "label_114", (158, 61)),
    ("_2", (4, 90), "label_110", "label_107", "Track's Artist   (when mouse is over)", 221, "label_111", "label_118",
     (162, 151)),
    ("_3", (366, 0), "label_119", "label_112", "Track's Artist (when selected but not focus)", 261, "label_121",
     "label_120", (520, 61)),
    ("_4", (366, 90), "label_123", "label_122", "Track's Artist (when selected and has focus)", 261, "label_125",
     "label_124", (524, 151)),
]


def card(suffix, place, cover_name, artist, artist_text, artist_width, title, comment, comment_place):
    x, y = place
    # The strike values sit 4 pixels further right on the right-hand cards.
    values_x = x + 126 if x < 100 else x + 130
    return [
        label("grid_tracknormal_back" + suffix, (x, y, 343, 81)),
        cover(cover_name, (x + 6, y + 8, 65, 65), 55),
        label(artist, (x + 86, y, artist_width, 20), artist_text, point_size=10),
        label(title, (x + 86, y + 19, artist_width, 20), "Track's Title", point_size=10),
        label("grid_strike_back" + suffix, (x + 84, y + 41, 251, 16), STRIKE_TEXT),
        label("grid_strike_text1" + suffix, (values_x, y + 41, 47, 16), "120.5"),
        label("grid_strike_text2" + suffix, (values_x + 137, y + 41, 47, 16), "3:12"),
        label("grid_strike_back2" + suffix, (x + 84, y + 61, 251, 16), "  Comment :"),
        label(comment, comment_place + (151, 16), "Track's comment"),
    ]


def grid_view_page():
    children = [label("gridbackgroun_label", (0, 0, 981, 171))]
    for c in CARDS:
        children += card(*c)
    return page("tab_16", "Grid View", children)


def preview_tabs():
    return tab_widget("tabWidget_3", (20, 457, 981, 198), [list_view_page(), grid_view_page()], current=0)


# --- menus and the window ------------------------------------------------------------

ACTIONS = [
    # (object name, text, checkable)
    ("actionSave", "Save", False),
    ("actionSave_as", "Save as", False),
    ("actionDelete", "Delete", False),
    ("actionDefault_2", "Default", True),
    ("actionWhiteBrowser", "White", True),
    ("actionCustom", "Custom ...", False),
    ("actionBlack", "Dark", True),
    ("actionWhite", "Bright", True),
    ("actionShow_Tooltips", "Show Tooltips", True),
    ("actionAbout", "About", False),
    ("actionWhats_This", "What's This?", False),
]


def menu(name, title, entries, submenus=()):
    w = widget("QMenu", name)
    prop(w, "title", "string", title)
    w.extend(submenus)
    for entry in entries:
        ET.SubElement(w, "addaction", name=entry)
    return w


def menu_bar():
    w = widget("QMenuBar", "menuBar", (0, 0, 1024, 21))
    open_menu = menu("menuOpen", "Open", ["actionDefault_2", "actionWhiteBrowser", "separator", "actionCustom"])
    w.append(menu("menuProfile", "Browser Profile",
                  ["menuOpen", "separator", "actionSave", "actionSave_as", "separator", "actionDelete"],
                  [open_menu]))
    w.append(menu("menuTheme", "Theme", ["actionBlack", "actionWhite"]))
    w.append(menu("menuHelp", "Help", ["actionShow_Tooltips", "actionAbout", "actionWhats_This"]))
    for name in ("menuProfile", "menuTheme", "menuHelp"):
        ET.SubElement(w, "addaction", name=name)
    return w


def action(name, text, checkable):
    w = ET.Element("action", name=name)
    if checkable:
        prop(w, "checkable", "bool", "true")
    prop(w, "text", "string", text)
    if name == "actionWhats_This":
        prop(w, "shortcut", "string", "Shift+F1")
    return w


def main_window():
    w = widget("QMainWindow", "MainWindow", (0, 0, 1024, 770))
    prop(w, "minimumSize", "size", {"width": 1024, "height": 360})
    prop(w, "maximumSize", "size", {"width": 1024, "height": 770})
    prop(w, "windowTitle", "string", "Panelcraft")
    central = widget("QWidget", "centralWidget")
    central.extend(option_area() + [settings_tabs(), preview_tabs()] + bottom_band())
    w.append(central)
    w.append(menu_bar())
    w.extend(action(*a) for a in ACTIONS)
    return w


def form():
    ui = ET.Element("ui", version="4.0")
    ET.SubElement(ui, "class").text = "MainWindow"
    ui.append(main_window())
    ET.SubElement(ui, "layoutdefault", spacing="6", margin="11")
    resources = ET.SubElement(ui, "resources")
    ET.SubElement(resources, "include", location=RESOURCE_FILE)
    ET.SubElement(ui, "connections")
    return ui


def main():
    tree = ET.ElementTree(form())
    ET.indent(tree, space=" ")
    sys.stdout.write('<?xml version="1.0" encoding="UTF-8"?>\n')
    tree.write(sys.stdout, encoding="unicode")
    sys.stdout.write("\n")


if __name__ == "__main__":
    main()
