// SPDX-License-Identifier: GPL-3.0-or-later
#include "tooltiplist.h"

#include "style/stylekeys.h"

#include <QCoreApplication>
#include <QHash>

namespace {

struct Tooltip
{
    const char *objectName;
    const char *text;
};
// Widgets without an entry show no tooltip.
const Tooltip tooltipTable[] = {
    {"chooseSkinButton",
     QT_TRANSLATE_NOOP("Tooltips",
                       "It's the first step you need to do to modify a skin. Click this button to get a File "
                       "Dialog Window and select the Turnwise Skin you wish to modify")},
    {"defaultIconsButton",
     QT_TRANSLATE_NOOP("Tooltips", "Select this option to have the Default Browser Icons in your skin")},
    {"skinheadersFontPick", QT_TRANSLATE_NOOP("Tooltips", "Test here what you see")},
    {"alternativeIconsButton",
     QT_TRANSLATE_NOOP("Tooltips", "Select this option to use the Alternative Browser Icons (found in "
                                   "several custom Turnwise Skins) in your modified Skin")},
    {"whiteIconsButton",
     QT_TRANSLATE_NOOP("Tooltips", "Select this option to use the White Browser Icons (inverted colors for "
                                   "White Browsers) in your modified Skin")},
    {"otherSkinIconsButton",
     QT_TRANSLATE_NOOP("Tooltips", "Select this option to import Custom Browser Icons from another skin")},
    {"chooseIconSkinButton",
     QT_TRANSLATE_NOOP("Tooltips",
                       "Opens a File Dialog Window to select a skin from which you want to import Custom "
                       "Browser Icons. Available only when the 'From another Skin' option is selected")},
    {"noCustomIconsSign",
     QT_TRANSLATE_NOOP("Tooltips", "The selected skin does not include custom Browser Icons")},
    {"iconSkinName",
     QT_TRANSLATE_NOOP(
         "Tooltips",
         "Displays the selected skin from which the Custom Browser Icons will be imported from.")},
    {"floatingBrowserBox",
     QT_TRANSLATE_NOOP("Tooltips", "When enabled, an additional Browser will be added in a floating Window")},
    {"importWindowsBox",
     QT_TRANSLATE_NOOP(
         "Tooltips",
         "When enabled, the floating Windows of another Skin will be added to the modified Skin")},
    {"chooseWindowSkinButton",
     QT_TRANSLATE_NOOP("Tooltips", "Select a skin and add its floating windows to the modified skin")},
    {"windowsHint", QT_TRANSLATE_NOOP("Tooltips", "Assign a keyboard or custom button as show_window "
                                                  "'WindowName' to open/close the floating window(s)")},
    {"globalFontBox",
     QT_TRANSLATE_NOOP("Tooltips", "Enable to alter the size and the fonts of the modified skin")},
    {"globalFontButton",
     QT_TRANSLATE_NOOP("Tooltips", "Choose a Font to use for the modified skin. Will affect Browser if the "
                                   "'Change Browser Colors and Fonts' option is disabled")},
    {"globalSizeHint",
     QT_TRANSLATE_NOOP(
         "Tooltips", "Enter a % value. Example: Value 110 will increase font size by 10%. Example: Value 95 "
                     "will decrease font size by 5%. Leave blank for the Font to retain its current size")},
    {"resetAllButton",
     QT_TRANSLATE_NOOP("Tooltips", "Click to reset all Browser Colors and Fonts to their default values")},
    {"changeColoursBox",
     QT_TRANSLATE_NOOP("Tooltips", "Enable to view the Browser Colors and Fonts and apply the changes to the "
                                   "Browser of the modified skin.")},
    {"showPreviewBox", QT_TRANSLATE_NOOP("Tooltips", "Show/Hide the Browser Preview")},
    {"backgroundcolorTransparent",
     QT_TRANSLATE_NOOP("Tooltips", "Click to make the background of the Browser transparent.The background "
                                   "graphics of the skin png will be visible")},
    {"backgroundcolorPick",
     QT_TRANSLATE_NOOP("Tooltips", "Select a color for the background of the Browser")},
    {"backgroundcolorReset", QT_TRANSLATE_NOOP("Tooltips", "Reset Background color to its default value")},
    {"listOverPick",
     QT_TRANSLATE_NOOP("Tooltips",
                       "Select a color for the background of the Browser lines when mouse is over")},
    {"listOverReset",
     QT_TRANSLATE_NOOP("Tooltips",
                       "Reset the background color of lines (when mouse is over), to its default value")},
    {"listStripesPick",
     QT_TRANSLATE_NOOP("Tooltips", "Select a color as background for the alternate Browser lines")},
    {"listStripesTransparent",
     QT_TRANSLATE_NOOP("Tooltips", "Make the alternate Browser lines transparent (no Stripes)")},
    {"listStripesReset",
     QT_TRANSLATE_NOOP("Tooltips",
                       "Reset the background color of the alternate Browser lines, to its default value")},
    {"createSkinButton",
     QT_TRANSLATE_NOOP("Tooltips", "Write the modified skin: the selected skin with the options and the "
                                   "Browser Colors and Fonts chosen here")},
    {"stopButton", QT_TRANSLATE_NOOP("Tooltips", "Stop creating the skin: nothing is written (Esc)")},
    {"saveAsField",
     QT_TRANSLATE_NOOP("Tooltips", "The name of the modified skin. Leave blank to save with the same name")},
    {"findColour",
     QT_TRANSLATE_NOOP("Tooltips", "Type a part of a row's name or a color value to find the row (Ctrl+F)")},
    {"findResults", QT_TRANSLATE_NOOP("Tooltips", "Choose a row to show it on its page")},
    {"settingsPages",
     QT_TRANSLATE_NOOP("Tooltips", "The Browser Colors and Fonts, one page for each part of the Browser")},
    {"globalSizeField", QT_TRANSLATE_NOOP("Tooltips", "The size of the skin's fonts, in percent")},
    {"lineHeightField", QT_TRANSLATE_NOOP("Tooltips", "The height of the Browser lines, in percent")},
    {"resetLineHeightButton", QT_TRANSLATE_NOOP("Tooltips", "Reset the line height to its default value")},
    {"listOverstripesPick",
     QT_TRANSLATE_NOOP("Tooltips",
                       "Select a color as background for the alternate Browser lines, when mouse is over")},
};

// Widgets outside the key table's rows whose tooltip the program sets and clears.
const char *const otherTooltipWidgets[] = {
    "chooseSkinButton",
    "defaultIconsButton",
    "alternativeIconsButton",
    "whiteIconsButton",
    "otherSkinIconsButton",
    "chooseIconSkinButton",
    "noCustomIconsSign",
    "iconSkinName",
    "floatingBrowserBox",
    "importWindowsBox",
    "chooseWindowSkinButton",
    "windowsHint",
    "globalFontBox",
    "globalFontButton",
    "globalSizeHint",
    "resetAllButton",
    "changeColoursBox",
    "showPreviewBox",
    "resetLineHeightButton",
    "lineHeightHelp",
    "createSkinButton",
    // shown only while a skin is being created
    "stopButton",
    "windowScanResult",
    "saveAsField",
    "findColour",
    "globalSizeField",
    "lineHeightField",
    "findResults",
    "settingsPages",
};

// The buttons of the key table's rows by object name, with what a button without a text of its
// own says it does to its row ("%1" names the row). Worked out once: a few hundred names.
struct RowButton
{
    int index; // in stylekeys::colourKeys, or stylekeys::fontGroups for a font row
    bool font;
    const char *text; // translated in the context "Tooltips"
};
const QHash<QString, RowButton> &rowButtons()
{
    static const QHash<QString, RowButton> buttons = [] {
        using stylekeys::FontPart;
        using stylekeys::RowPart;
        using stylekeys::widgetName;
        QHash<QString, RowButton> all;
        for (int key = 0; key < stylekeys::colourKeyCount; ++key) {
            const stylekeys::ColourKey &row = stylekeys::colourKeys[key];
            all.insert(widgetName(row, RowPart::Pick),
                       {key, false, QT_TRANSLATE_NOOP("Tooltips", "Select a color for %1")});
            all.insert(widgetName(row, RowPart::Reset),
                       {key, false, QT_TRANSLATE_NOOP("Tooltips", "Reset %1 to the default color")});
            if (row.transparent)
                all.insert(widgetName(row, RowPart::Transparent),
                           {key, false, QT_TRANSLATE_NOOP("Tooltips", "Make %1 transparent")});
        }
        for (int group = 0; group < stylekeys::fontGroupCount; ++group) {
            const stylekeys::FontGroupKey &row = stylekeys::fontGroups[group];
            all.insert(widgetName(row, FontPart::Pick),
                       {group, true, QT_TRANSLATE_NOOP("Tooltips", "Select a font for %1")});
            all.insert(widgetName(row, FontPart::Reset),
                       {group, true, QT_TRANSLATE_NOOP("Tooltips", "Reset %1 to the default font")});
        }
        return all;
    }();
    return buttons;
}
} // namespace

QStringList tooltipWidgets()
{
    // Every button of an editor row; rows without a text in the tooltip table show none.
    QStringList names = rowButtons().keys();
    for (const char *name : otherTooltipWidgets)
        names << QLatin1String(name);
    return names;
}

bool hasTooltip(const QString &objectName)
{
    static const QSet<QString> names = [] {
        const QStringList all = tooltipWidgets();
        return QSet<QString>(all.cbegin(), all.cend());
    }();
    return names.contains(objectName);
}

QMap<QString, QString> tooltipTexts(const std::function<QString(int index, bool font)> &rowName,
                                    const QSet<QString> &wanted)
{
    QMap<QString, QString> texts;
    for (const Tooltip &tooltip : tooltipTable)
        if (wanted.contains(QLatin1String(tooltip.objectName)))
            texts.insert(QLatin1String(tooltip.objectName),
                         QCoreApplication::translate("Tooltips", tooltip.text));
    // Rows' buttons without a text of their own say what they do to the row they are on, each
    // row named once for all of its buttons.
    QHash<std::pair<int, bool>, QString> rows;
    for (const QString &name : wanted) {
        const auto button = rowButtons().constFind(name);
        if (button == rowButtons().cend() || texts.contains(name))
            continue;
        QString &row = rows[{button->index, button->font}];
        if (row.isNull())
            row = rowName(button->index, button->font);
        texts.insert(name, QCoreApplication::translate("Tooltips", button->text).arg(row));
    }
    return texts;
}
