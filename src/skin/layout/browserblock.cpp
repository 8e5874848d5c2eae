// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/layout/browserblock.h"

#include "skin/images/pluginzone.h"
#include "skin/layout/xmltokens.h"
#include "style/lineheight.h"
#include "style/placeholders.h"
#include "style/style.h"

#include <QHash>
#include <utility>

namespace browserblock {
namespace {

// ${name} is a style key (colour, or <group>fontname/fontsize/fontweight), Y (the row), or a
// position from pluginzone.h; the host evaluates the coordinate expressions itself.
const char *const contentTemplate[] = {
    "\t<colors background=\"${backgroundcolor}\">",
    "\t\t<separators line=\"${seperatorline}\"/>",
    "\t\t<toolbars background=\"${toolbar_background}\" text=\"${toolbar_text}\" "
    "iconbackground=\"${toolbar_icon}\" "
    "border=\"${toolbar_border}\" />",
    "\t\t<columns background=\"${column_background}\" text=\"${column_text}\" />",
    "\t\t<scrollbars background=\"${scrollbar_back}\" button=\"${scrollbar_button}\" />",
    "\t\t<info background=\"${info_background}\" stripes=\"${info_stripes}\" text=\"${info_text}\" "
    "label=\"${info_label}\" artist=\"${info_artist}\" title=\"${info_title}\" />",
    "\t\t<lists background=\"${list_background}\" stripes=\"${list_stripes}\" over=\"${list_over}\" "
    "overstripes=\"${list_overstripes}\" selected=\"${list_selected}\" focus=\"${list_focus}\" "
    "text=\"${list_text}\" "
    "overtext=\"${list_overtext}\" selectedtext=\"${list_selectedtext}\" focustext=\"${list_focustext}\" "
    "automix=\"${list_automix}\" livefeedback=\"${list_livefeedback}\" download=\"${list_download}\" "
    "scan=\"${list_scan}\" button=\"${list_button}\" buttonactive=\"${list_buttonactive}\" "
    "insert=\"${list_insert}\" />",
    "\t\t<search background=\"${search_background}\" border=\"${search_border}\" "
    "selected=\"${search_selected}\" "
    "text=\"${search_text}\" cursor=\"${search_cursor}\" />",
    "\t\t<grids background=\"${grids_background}\" over=\"${grids_over}\" selected=\"${grids_selected}\" "
    "focus=\"${grids_focus}\" text=\"${grids_text}\" overtext=\"${grids_overtext}\" "
    "selectedtext=\"${grids_selectedtext}\" focustext=\"${grids_focustext}\" stripes=\"${grids_stripes}\" "
    "overstripes=\"${grids_overstripes}\" selectedstripes=\"${grids_selectedstripes}\" "
    "focusstripes=\"${grids_focusstripes}\" label=\"${grids_label}\" />",
    "\t\t<prelisten background=\"${prelisten_background}\" border=\"${prelisten_border}\" "
    "selected=\"${prelisten_selected}\" cursor=\"${prelisten_cursor}\" button=\"${prelisten_button}\" "
    "buttonbackground=\"${prelisten_buttonbackground}\" buttonselected=\"${prelisten_buttonselected}\" />",
    "\t</colors>",
    "\t<font name=\"${skinfontname}\" size=\"${skinfontsize}\" weight=\"${skinfontweight}\"/>",
    "\t<fontsearch font=\"${skinsearchfontname}\" size=\"${skinsearchfontsize}\" "
    "weight=\"${skinsearchfontweight}\"/>",
    "\t<fontheader font=\"${skinheadersfontname}\" size=\"${skinheadersfontsize}\" "
    "weight=\"${skinheadersfontweight}\"/>",
    "\t<fontgridtitle font=\"${skingridfontname}\" size=\"${skingridfontsize}\" "
    "weight=\"${skingridfontweight}\"/>",
    "\t<fonttoolbar font=\"${toolbarfontname}\" size=\"${toolbarfontsize}\" "
    "weight=\"${toolbarfontweight}\"/>",
    "\t<pluginzone>",
    "\t\t<text font=\"${pluginknobfontname}\" align=\"center\" size=\"${pluginknobfontsize}\" "
    "weight=\"${pluginknobfontweight}\"/>",
    "\t\t<font name=\"${pluginfontname}\" size=\"${pluginfontsize}\" />",
    "\t\t<slider orientation=\"round\">",
    "\t\t\t<size width=\"${knobframe}\" height=\"${knobframe}\"/>",
    "\t\t\t<off x=\"${knobx}\" y=\"${Y}-${knobinset}\"/>",
    "\t\t\t<on x=\"${knobx}\" y=\"${Y}-${knobinset}\"/>",
    "\t\t\t<mousemask x=\"${knobx}\" y=\"${Y}-${knobinset}\"/>",
    "\t\t\t<fader anglemin=\"-140\" anglemax=\"+140\">",
    "\t\t\t\t<size width=\"${knobframe}\" height=\"${knobframe}\"/>",
    "\t\t\t\t<pos x=\"${knobx}+${step}\" y=\"${Y}-${knobinset}\"/>",
    "\t\t\t</fader>",
    "\t\t\t<fill>",
    "\t\t\t\t<on x=\"${knobx}+${step}+${step}\" y=\"${Y}-${knobinset}\"/>",
    "\t\t\t</fill>",
    "\t\t</slider>",
    "\t\t<button>",
    "\t\t\t<size width=\"${buttonframewidth}\" height=\"${buttonframeheight}\"/>",
    "\t\t\t<up x=\"${buttonx}-${buttoninset}\" y=\"${Y}-${buttoninset}\"/>",
    "\t\t\t<over x=\"${buttonx}-${buttoninset}+${step}\" y=\"${Y}-${buttoninset}\"/>",
    "\t\t\t<selected x=\"${buttonx}-${buttoninset}+${step}+${step}\" y=\"${Y}-${buttoninset}\"/>",
    "\t\t\t<down x=\"${buttonx}-${buttoninset}+${step}+${step}\" y=\"${Y}-${buttoninset}\"/>",
    "\t\t\t<text font=\"${pluginbuttonfontname}\" size=\"${pluginbuttonfontsize}\" "
    "weight=\"${pluginbuttonfontweight}\" align=\"center\" color=\"${fx_button_text}\" />",
    "\t\t\t<textover font=\"${pluginbuttonfontname}\" size=\"${pluginbuttonfontsize}\" "
    "weight=\"${pluginbuttonfontweight}\" align=\"center\" color=\"${fx_buttonover_text}\" />",
    "\t\t\t<textdown font=\"${pluginbuttonfontname}\" size=\"${pluginbuttonfontsize}\" "
    "weight=\"${pluginbuttonfontweight}\" align=\"center\" color=\"${fx_buttonselect_text}\" />",
    "\t\t\t<textselected font=\"${pluginbuttonfontname}\" size=\"${pluginbuttonfontsize}\" "
    "weight=\"${pluginbuttonfontweight}\" align=\"center\" color=\"${fx_buttonselect_text}\" />",
    "\t\t</button>",
    "\t\t<colors>",
    "\t\t<plugin background=\"${fx_back}\" text=\"${fx_text}\" title=\"${fx_titleback}\" "
    "titletext=\"${fx_titletext}\" />",
    "\t\t</colors>",
    "\t\t</pluginzone>",
};

QHash<QString, QString> placeholderValues(const Style &style, int pluginRow)
{
    QHash<QString, QString> values;
    for (const auto &key : stylekeys::colourKeys)
        values.insert(QLatin1String(key.key), style.colourName(QLatin1String(key.key)));
    for (int i = 0; i < stylekeys::fontGroupCount; ++i) {
        const auto &group = stylekeys::fontGroups[i];
        const FontSpec &font = style.fonts[std::size_t(i)];
        // Font names come from profiles and dialogs: keep the XML well-formed whatever they hold.
        values.insert(stylekeys::nameKey(group), xmltokens::escapeAttribute(font.family));
        values.insert(stylekeys::sizeKey(group), QString::number(font.size));
        values.insert(stylekeys::weightKey(group), xmltokens::escapeAttribute(font.weight));
    }
    const std::pair<const char *, int> positions[] = {
        {"Y", pluginRow},
        {"step", pluginzone::frameStep},
        {"knobx", pluginzone::knobX},
        {"knobinset", pluginzone::knobInset},
        {"knobframe", pluginzone::knobFrame},
        {"buttonx", pluginzone::buttonX},
        {"buttoninset", pluginzone::buttonInset},
        {"buttonframewidth", pluginzone::buttonWidth + 2 * pluginzone::buttonInset},
        {"buttonframeheight", pluginzone::buttonHeight + 2 * pluginzone::buttonInset},
    };
    for (const auto &[name, value] : positions)
        values.insert(QLatin1String(name), QString::number(value));
    return values;
}

} // namespace

QStringList contentBlock(const Style &style, int pluginRow)
{
    const QHash<QString, QString> values = placeholderValues(style, pluginRow);
    QStringList lines;
    const auto lookup = [&values](const QString &name) { return values.value(name); };
    for (const char *pattern : contentTemplate)
        lines << placeholders::fill(QString::fromLatin1(pattern), lookup);
    return lines;
}

QStringList floatingWindow(const Style &style, bool changeColours, int lineHeight, const QString &image)
{
    const bool ownLineHeight = changeColours && lineHeight != lineheight::standard && lineHeight != 0;
    QStringList lines{
        QStringLiteral(
            "<window name=\"browserfloat\" breakline=\"21\" posx=\"100\" posy=\"100\" width=\"800\" "
            "height=\"200\" image=\"%1\" shown=\"true\" >")
            .arg(xmltokens::escapeAttribute(image)),
        ownLineHeight ? QStringLiteral("<browser lineheight=\"%1%\" >").arg(lineHeight)
                      : QStringLiteral("<browser>"),
        QStringLiteral("\t<size width=\"800-10\" height=\"200-20-10\"/>"),
        QStringLiteral("\t<pos x=\"5\" y=\"20\"/>"),
    };
    if (changeColours)
        lines << contentBlock(style, pluginzone::floatingRow);
    lines << QStringLiteral("</browser>")
          << QStringLiteral("\t<button action=\"show_window &apos;browserfloat&apos;\">")
          << QStringLiteral("\t\t<pos x=\"780\" y=\"2\"/>")
          << QStringLiteral("\t\t<size width=\"17\" height=\"16\"/>") << QStringLiteral("\t</button>")
          << QStringLiteral("</window>");
    return lines;
}

} // namespace browserblock
