// SPDX-License-Identifier: GPL-3.0-or-later
#include "stylekeys.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>
#include <utility>

namespace stylekeys {

// One row per key, in table-file order; the fields are described in stylekeys.h. The captions and
// reset texts are translated where the rows are built, in the context "stylekeys".
// clang-format off
// key | alpha | transparent | page | group | y | caption | resetText
const ColourKey colourKeys[colourKeyCount] = {
    {"backgroundcolor",            true,  true,  Page::Background, 1, 10,  QT_TRANSLATE_NOOP("stylekeys", "Background"),            QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"seperatorline",              false, false, Page::Separator,  1, 10,  QT_TRANSLATE_NOOP("stylekeys", "Line"),                  QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"toolbar_background",         false, false, Page::Toolbar,    1, 10,  QT_TRANSLATE_NOOP("stylekeys", "Background"),            QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"toolbar_text",               false, false, Page::Toolbar,    1, 40,  QT_TRANSLATE_NOOP("stylekeys", "Text"),                  QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"toolbar_icon",               false, false, Page::Toolbar,    1, 70,  QT_TRANSLATE_NOOP("stylekeys", "Icon Background"),       QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"toolbar_border",             false, false, Page::Toolbar,    1, 100, QT_TRANSLATE_NOOP("stylekeys", "Border"),                QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"column_background",          false, false, Page::Columns,    1, 10,  QT_TRANSLATE_NOOP("stylekeys", "Background"),            QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"column_text",                false, false, Page::Columns,    1, 40,  QT_TRANSLATE_NOOP("stylekeys", "Text"),                  QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"scrollbar_back",             false, false, Page::Scrollbar,  1, 10,  QT_TRANSLATE_NOOP("stylekeys", "Background"),            QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"scrollbar_button",           false, false, Page::Scrollbar,  1, 40,  QT_TRANSLATE_NOOP("stylekeys", "Button"),                QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"info_background",            false, false, Page::Info,       1, 10,  QT_TRANSLATE_NOOP("stylekeys", "Background"),            QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"info_stripes",               false, false, Page::Info,       1, 40,  QT_TRANSLATE_NOOP("stylekeys", "Stripes"),               QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"info_text",                  false, false, Page::Info,       1, 70,  QT_TRANSLATE_NOOP("stylekeys", "Text"),                  QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"info_label",                 false, false, Page::Info,       2, 10,  QT_TRANSLATE_NOOP("stylekeys", "Label"),                 QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"info_artist",                false, false, Page::Info,       2, 40,  QT_TRANSLATE_NOOP("stylekeys", "Artist"),                QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"info_title",                 false, false, Page::Info,       2, 70,  QT_TRANSLATE_NOOP("stylekeys", "Title"),                 QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"list_background",            false, true,  Page::Columns,    1, 70,  QT_TRANSLATE_NOOP("stylekeys", "Border"),                QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"list_stripes",               true,  true,  Page::Lists,      1, 40,  QT_TRANSLATE_NOOP("stylekeys", "Stripes"),               QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"list_over",                  false, true,  Page::Lists,      1, 10,  QT_TRANSLATE_NOOP("stylekeys", "Over"),                  QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"list_overstripes",           false, false, Page::Lists,      1, 70,  QT_TRANSLATE_NOOP("stylekeys", "Stripes Over"),          QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"list_selected",              false, false, Page::Lists,      1, 130, QT_TRANSLATE_NOOP("stylekeys", "Selected"),              QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"list_focus",                 false, false, Page::Lists,      1, 100, QT_TRANSLATE_NOOP("stylekeys", "Focus"),                 QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"list_text",                  false, false, Page::Lists,      2, 10,  QT_TRANSLATE_NOOP("stylekeys", "Text"),                  QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"list_overtext",              false, false, Page::Lists,      2, 70,  QT_TRANSLATE_NOOP("stylekeys", "Text Over"),             QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"list_selectedtext",          false, false, Page::Lists,      2, 100, QT_TRANSLATE_NOOP("stylekeys", "Text Selected"),         QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"list_focustext",             false, false, Page::Lists,      2, 40,  QT_TRANSLATE_NOOP("stylekeys", "Text Focus"),            QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"list_automix",               false, false, Page::Lists,      2, 130, QT_TRANSLATE_NOOP("stylekeys", "Automix"),               QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"list_livefeedback",          false, false, Page::Lists,      3, 40,  QT_TRANSLATE_NOOP("stylekeys", "Live Feedback"),         QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"list_download",              false, false, Page::Lists,      3, 10,  QT_TRANSLATE_NOOP("stylekeys", "Download"),              QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"list_scan",                  false, false, Page::Lists,      3, 70,  QT_TRANSLATE_NOOP("stylekeys", "Scan"),                  QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"list_button",                false, false, Page::Lists,      3, 100, QT_TRANSLATE_NOOP("stylekeys", "Button"),                QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"list_buttonactive",          false, false, Page::Lists,      3, 130, QT_TRANSLATE_NOOP("stylekeys", "Button Active"),         QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"list_insert",                false, false, Page::Lists,      1, 160, QT_TRANSLATE_NOOP("stylekeys", "Insert"),                QT_TRANSLATE_NOOP("stylekeys", "Default")},
    {"search_background",          false, false, Page::Search,     1, 10,  QT_TRANSLATE_NOOP("stylekeys", "Background"),            QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"search_border",              false, false, Page::Search,     1, 40,  QT_TRANSLATE_NOOP("stylekeys", "Border"),                QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"search_selected",            false, false, Page::Search,     1, 70,  QT_TRANSLATE_NOOP("stylekeys", "Selected"),              QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"search_text",                false, false, Page::Search,     1, 100, QT_TRANSLATE_NOOP("stylekeys", "Text"),                  QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"search_cursor",              false, false, Page::Search,     1, 130, QT_TRANSLATE_NOOP("stylekeys", "Cursor"),                QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"grids_background",           false, false, Page::Grids,      1, 10,  QT_TRANSLATE_NOOP("stylekeys", "Background"),            QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"grids_over",                 false, false, Page::Grids,      1, 40,  QT_TRANSLATE_NOOP("stylekeys", "Over"),                  QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"grids_selected",             false, false, Page::Grids,      1, 70,  QT_TRANSLATE_NOOP("stylekeys", "Selected"),              QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"grids_focus",                false, false, Page::Grids,      1, 100, QT_TRANSLATE_NOOP("stylekeys", "Focus"),                 QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"grids_text",                 false, false, Page::Grids,      1, 130, QT_TRANSLATE_NOOP("stylekeys", "Text"),                  QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"grids_overtext",             false, false, Page::Grids,      2, 10,  QT_TRANSLATE_NOOP("stylekeys", "Text Over"),             QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"grids_selectedtext",         false, false, Page::Grids,      2, 40,  QT_TRANSLATE_NOOP("stylekeys", "Text Selected"),         QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"grids_focustext",            false, false, Page::Grids,      2, 70,  QT_TRANSLATE_NOOP("stylekeys", "Text Focus"),            QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"grids_stripes",              false, false, Page::Grids,      2, 100, QT_TRANSLATE_NOOP("stylekeys", "Stripes"),               QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"grids_overstripes",          false, false, Page::Grids,      2, 130, QT_TRANSLATE_NOOP("stylekeys", "Stripes Over"),          QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"grids_selectedstripes",      false, false, Page::Grids,      3, 10,  QT_TRANSLATE_NOOP("stylekeys", "Stripes Selected"),      QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"grids_focusstripes",         false, false, Page::Grids,      3, 40,  QT_TRANSLATE_NOOP("stylekeys", "Stripes Focus"),         QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"grids_label",                false, false, Page::Grids,      3, 70,  QT_TRANSLATE_NOOP("stylekeys", "Label"),                 QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"prelisten_background",       false, false, Page::Prelisten,  1, 10,  QT_TRANSLATE_NOOP("stylekeys", "Background"),            QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"prelisten_border",           false, false, Page::Prelisten,  1, 40,  QT_TRANSLATE_NOOP("stylekeys", "Border"),                QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"prelisten_selected",         false, false, Page::Prelisten,  1, 70,  QT_TRANSLATE_NOOP("stylekeys", "Selected"),              QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"prelisten_cursor",           false, false, Page::Prelisten,  1, 100, QT_TRANSLATE_NOOP("stylekeys", "Cursor"),                QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"prelisten_button",           false, false, Page::Prelisten,  2, 10,  QT_TRANSLATE_NOOP("stylekeys", "Button"),                QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"prelisten_buttonbackground", false, false, Page::Prelisten,  2, 40,  QT_TRANSLATE_NOOP("stylekeys", "Button Background"),     QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"prelisten_buttonselected",   false, false, Page::Prelisten,  2, 70,  QT_TRANSLATE_NOOP("stylekeys", "Button Selected"),       QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"fx_back",                    false, false, Page::Plugin,     1, 10,  QT_TRANSLATE_NOOP("stylekeys", "Background"),            QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"fx_titleback",               false, false, Page::Plugin,     1, 40,  QT_TRANSLATE_NOOP("stylekeys", "Title Background"),      QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"fx_buttonfill_start",        false, false, Page::Plugin,     2, 100, QT_TRANSLATE_NOOP("stylekeys", "Button Fill Start"),     QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"fx_buttonfill_end",          false, false, Page::Plugin,     2, 130, QT_TRANSLATE_NOOP("stylekeys", "Button Fill End"),       QT_TRANSLATE_NOOP("stylekeys", "Start")},
    {"fx_buttonborder",            false, false, Page::Plugin,     2, 160, QT_TRANSLATE_NOOP("stylekeys", "Button Border"),         QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"fx_selectbuttonfill_start",  false, false, Page::Plugin,     3, 100, QT_TRANSLATE_NOOP("stylekeys", "But.Fill Select Start"), QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"fx_selectbuttonfill_end",    false, false, Page::Plugin,     3, 130, QT_TRANSLATE_NOOP("stylekeys", "But.Fill Select End"),   QT_TRANSLATE_NOOP("stylekeys", "Start")},
    {"fx_selectbuttonborder",      false, false, Page::Plugin,     3, 160, QT_TRANSLATE_NOOP("stylekeys", "But.Border Select"),     QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"fx_overbuttonfill_start",    false, false, Page::Plugin,     3, 10,  QT_TRANSLATE_NOOP("stylekeys", "But.Fill Over Start"),   QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"fx_overbuttonfill_end",      false, false, Page::Plugin,     3, 40,  QT_TRANSLATE_NOOP("stylekeys", "But.Fill Over End"),     QT_TRANSLATE_NOOP("stylekeys", "Start")},
    {"fx_overbuttonborder",        false, false, Page::Plugin,     3, 70,  QT_TRANSLATE_NOOP("stylekeys", "But.Border Over"),       QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"fx_knobback_start",          false, false, Page::Plugin,     1, 130, QT_TRANSLATE_NOOP("stylekeys", "Knob Fill Start"),       QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"fx_knobback_end",            false, false, Page::Plugin,     1, 160, QT_TRANSLATE_NOOP("stylekeys", "Knob Fill End"),         QT_TRANSLATE_NOOP("stylekeys", "Start")},
    {"fx_knobborder",              false, false, Page::Plugin,     2, 10,  QT_TRANSLATE_NOOP("stylekeys", "Knob Ring Fill"),        QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"fx_knobborderout",           false, false, Page::Plugin,     2, 40,  QT_TRANSLATE_NOOP("stylekeys", "Knob Ring Border"),      QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"fx_knobfader",               false, false, Page::Plugin,     2, 70,  QT_TRANSLATE_NOOP("stylekeys", "Knob Fader"),            QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"fx_titletext",               false, false, Page::PluginText, 1, 40,  QT_TRANSLATE_NOOP("stylekeys", "Title Text"),            QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"fx_text",                    false, false, Page::PluginText, 1, 10,  QT_TRANSLATE_NOOP("stylekeys", "Knob Text"),             QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"fx_button_text",             false, false, Page::PluginText, 1, 70,  QT_TRANSLATE_NOOP("stylekeys", "Button Text"),           QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"fx_buttonover_text",         false, false, Page::PluginText, 1, 100, QT_TRANSLATE_NOOP("stylekeys", "Button Text Over"),      QT_TRANSLATE_NOOP("stylekeys", "Reset")},
    {"fx_buttonselect_text",       false, false, Page::PluginText, 1, 130, QT_TRANSLATE_NOOP("stylekeys", "Button Text Select"),    QT_TRANSLATE_NOOP("stylekeys", "Reset")},
};

// prefix | page | x | y | caption
const FontGroupKey fontGroups[fontGroupCount] = {
    {"skin",         Page::Fonts,      10,  10,  QT_TRANSLATE_NOOP("stylekeys", "Browser")},
    {"skinheaders",  Page::Fonts,      10,  70,  QT_TRANSLATE_NOOP("stylekeys", "Headers")},
    {"skinsearch",   Page::Fonts,      10,  40,  QT_TRANSLATE_NOOP("stylekeys", "Search")},
    {"skingrid",     Page::Fonts,      10,  100, QT_TRANSLATE_NOOP("stylekeys", "Grid Titles")},
    {"plugin",       Page::PluginText, 350, 10,  QT_TRANSLATE_NOOP("stylekeys", "Title")},
    {"pluginknob",   Page::PluginText, 350, 40,  QT_TRANSLATE_NOOP("stylekeys", "Knob & String")},
    {"pluginbutton", Page::PluginText, 350, 70,  QT_TRANSLATE_NOOP("stylekeys", "Button")},
    {"toolbar",      Page::Fonts,      10,  130, QT_TRANSLATE_NOOP("stylekeys", "Toolbar")},
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
    // Callers name keys in code, so an unknown one is a programming error; it must
    // stop every build, not read before the table in the ones without assertions.
    const int i = colourIndex(key);
    if (i < 0)
        qFatal("No colour key is called %s", qPrintable(key));
    return colourKeys[i];
}

namespace {
// "list_overstripes" -> "listOverstripes". Every row's widgets and tooltips ask for their names
// while the window starts: made in one pass, without splitting the key into words.
QString camelCase(const char *key)
{
    QString name;
    name.reserve(int(qstrlen(key)));
    bool wordStarts = false;
    for (const char *c = key; *c; ++c) {
        const QChar letter = QLatin1Char(*c);
        if (letter == QLatin1Char('_'))
            wordStarts = true;
        else
            name += std::exchange(wordStarts, false) ? letter.toUpper() : letter;
    }
    return name;
}

// The table's keys and prefixes in camel case, worked out once: rows, tooltips and screen-reader
// names ask for their widgets' names by the hundred as the window starts.
QString camelCaseOf(const char *key)
{
    static const QHash<const char *, QString> known = [] {
        QHash<const char *, QString> names;
        for (const ColourKey &colour : colourKeys)
            names.insert(colour.key, camelCase(colour.key));
        for (const FontGroupKey &group : fontGroups)
            names.insert(group.prefix, camelCase(group.prefix));
        return names;
    }();
    const auto name = known.constFind(key);
    return name != known.cend() ? *name : camelCase(key);
}
} // namespace

QString widgetName(const ColourKey &key, RowPart part)
{
    static const char *const parts[] = {"Caption", "Pick",        "Swatch",       "Value",
                                        "Reset",   "Transparent", "ContrastSign", "VisionSign"};
    return camelCaseOf(key.key) + QLatin1String(parts[int(part)]);
}

QString widgetName(const FontGroupKey &group, FontPart part)
{
    static const char *const parts[] = {"Caption", "Pick", "Reset", "Name", "Size", "Weight"};
    return camelCaseOf(group.prefix) + QLatin1String("Font") + QLatin1String(parts[int(part)]);
}

} // namespace stylekeys
