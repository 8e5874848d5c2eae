#include "tooltiplist.h"

#include "style/keyvaluefile.h"
#include "style/stylekeys.h"

namespace {
// Widgets outside the key table's rows whose tooltip the program sets and clears.
const char *const otherTooltipWidgets[] = {
    "skinfileselect",       "radioButton",           "radioButton_2",
    "radioButton_4",        "radioButton_3",         "iconselect",
    "floatlabel_7",         "iconselect_name",       "checkBox",
    "checkBox_window",      "windowfileselect",      "floatlabel_3",
    "checkBox_globalfont",  "globalfontbutton",      "floatlabel_4",
    "pushButton",           "checkBox_changecolors", "checkBox_changecolors_2",
    "resetfontgridtites_2", "floatlabel_5",          "dothejob",
    "floatlabel_2",
};
} // namespace

QStringList tooltipWidgets()
{
    // Every button of an editor row; rows without a text in the tooltip table show none.
    QStringList names;
    for (const stylekeys::ColourKey &key : stylekeys::colourKeys) {
        names << QLatin1String(key.pick) << QLatin1String(key.reset);
        if (*key.transparency != '\0')
            names << QLatin1String(key.transparency);
    }
    for (const stylekeys::FontGroupKey &group : stylekeys::fontGroups)
        names << QLatin1String(group.fontButton) << QLatin1String(group.resetButton);
    for (const char *name : otherTooltipWidgets)
        names << QLatin1String(name);
    return names;
}

QMap<QString, QString> readTooltipTable(const QString &path)
{
    QMap<QString, QString> table;
    readKeyValueFile(path, table, ValueEnd::LineEnd); // a tooltip text may itself hold "="
    return table;
}
