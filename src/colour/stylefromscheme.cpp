// SPDX-License-Identifier: GPL-3.0-or-later
#include "stylefromscheme.h"

#include "colourspace.h"
#include "floors.h"
#include "skinpalette.h"
#include "style/contrast.h"
#include "stylefrompalette.h"

#include <QImage>
#include <algorithm>

namespace stylefromscheme {
namespace {

using colourspace::Oklab;

enum Role {
    Ground = 0x0,
    Panel = 0x1,
    Selection = 0x2,
    Greyed = 0x3,
    DarkText = 0x4,
    Text = 0x5,
    LightText = 0x6,
    BrightText = 0x7,
    Red = 0x8,
    Orange = 0x9,
    Yellow = 0xa,
    Green = 0xb,
    Cyan = 0xc,
    Blue = 0xd,
    Magenta = 0xe,
    Brown = 0xf,
};

struct RoleRow
{
    const char *key;
    Role role;
};
// The first row of each role is the one an export reads the role from.
// clang-format off
const RoleRow roleRows[] = {
    {"backgroundcolor", Ground},        {"grids_stripes", Ground},            {"search_background", Ground},
    {"prelisten_background", Ground},
    {"toolbar_background", Panel},      {"column_background", Panel},         {"info_background", Panel},
    {"scrollbar_back", Panel},          {"fx_back", Panel},                   {"list_over", Panel},
    {"grids_over", Panel},
    {"list_selected", Selection},       {"grids_selected", Selection},        {"search_selected", Selection},
    {"prelisten_selected", Selection},  {"prelisten_buttonselected", Selection},
    {"fx_selectbuttonfill_start", Selection},
    {"info_label", Greyed},             {"grids_label", Greyed},              {"scrollbar_button", Greyed},
    {"toolbar_text", DarkText},         {"column_text", DarkText},
    {"list_text", Text},                {"list_overtext", Text},              {"grids_text", Text},
    {"grids_overtext", Text},           {"info_text", Text},                  {"search_text", Text},
    {"prelisten_button", Text},         {"fx_text", Text},                    {"fx_button_text", Text},
    {"fx_buttonover_text", Text},
    {"list_selectedtext", LightText},   {"grids_selectedtext", LightText},    {"fx_buttonselect_text", LightText},
    {"list_focustext", BrightText},     {"grids_focustext", BrightText},
    // Live means on air: red. A download that arrived is done: green. A scan is the cool,
    // analytic one: cyan. The accent of the whole browser is the scheme's blue.
    {"list_livefeedback", Red},         {"fx_knobfader", Orange},             {"list_buttonactive", Yellow},
    {"list_download", Green},           {"list_scan", Cyan},
    {"list_insert", Blue},              {"search_cursor", Blue},              {"prelisten_cursor", Blue},
    {"fx_knobborder", Blue},            {"fx_selectbuttonborder", Blue},      {"info_title", Blue},
    {"fx_titletext", Blue},
    {"info_artist", Magenta},           {"fx_knobborderout", Brown},
};
// clang-format on

// base24's brighter accents of the marks, tried beside the base16 one where a mark has to move.
int brighter(Role role)
{
    return role == Red ? 0x12 : role == Green ? 0x14 : role == Cyan ? 0x15 : -1;
}

std::size_t index(const char *key)
{
    return std::size_t(stylekeys::colourIndex(QLatin1String(key)));
}

QColor &at(Style &style, const char *key)
{
    return style.colours[index(key)];
}

QColor shifted(const QColor &c, double step)
{
    return floors::withLightness(c, colourspace::oklab(c).L + step);
}

// A ground that white text (dark styles) or black text (light ones) reads on, so that every text
// drawn on it can reach the floor: moved toward the dark (light) end only as far as that needs.
QColor groundForText(const QColor &ground, bool dark)
{
    const QColor text = dark ? QColor(Qt::white) : QColor(Qt::black);
    if (contrast::ratio(text, ground) >= floors::leastContrast)
        return ground;
    const double from = colourspace::oklab(ground).L;
    for (double l = from; l >= 0 && l <= 1; l += dark ? -0.005 : 0.005) {
        const QColor moved = floors::withLightness(ground, l);
        if (contrast::ratio(text, moved) >= floors::leastContrast)
            return moved;
    }
    return dark ? QColor(Qt::black) : QColor(Qt::white);
}

// A role's colour, and for the marks its brighter base24 variant.
QVector<QColor> sourcesOf(const scheme::Scheme &scheme, Role role)
{
    QVector<QColor> sources{scheme.colours[role]};
    if (brighter(role) >= 0 && brighter(role) < scheme.colours.size())
        sources << scheme.colours[brighter(role)];
    return sources;
}

Style fromPalette(const QVector<QColor> &colours, const Style &base)
{
    QImage image(colours.size(), 1, QImage::Format_ARGB32);
    for (int i = 0; i < colours.size(); ++i)
        image.setPixel(i, 0, colours[i].rgba());
    skinpalette::Histogram histogram;
    histogram.add(image, 1);
    return stylefrompalette::generate(histogram.palette(), std::nullopt, base);
}

} // namespace

Style generate(const scheme::Scheme &scheme, Style style)
{
    if (scheme.kind == scheme::Kind::Palette || scheme.colours.size() < scheme::base16Count)
        return fromPalette(scheme.colours, style);
    const auto role = [&scheme](Role r) { return scheme.colours[r]; };
    // The ground decides, not the text: a text too near its ground may sit on either side of it.
    const bool dark = contrast::ratio(Qt::white, role(Ground)) >= contrast::ratio(Qt::black, role(Ground));
    const double d = dark ? 1 : -1;

    // The rows no role names (lines, borders, stripes, the plugin zone's fills) as Style from
    // Selected Skin draws them from these grounds and this accent, then set at the scheme's own
    // ground lightness rather than the one that generator prefers.
    style = stylefrompalette::generate({{role(Ground), 0.6}, {role(Panel), 0.3}, {role(Blue), 0.1}},
                                       role(Blue), style);
    const double toGround =
        colourspace::oklab(role(Ground)).L - colourspace::oklab(at(style, "backgroundcolor")).L;
    for (QColor &c : style.colours)
        c = shifted(c, toGround);
    for (const RoleRow &row : roleRows)
        at(style, row.key) = role(row.role);

    const auto fitGround = [dark](const QColor &c) { return groundForText(c, dark); };
    const QVector<contrast::TextOnGrounds> texts = contrast::table();
    for (const contrast::TextOnGrounds &row : texts)
        for (int b : row.backgrounds)
            style.colours[std::size_t(b)] = fitGround(style.colours[std::size_t(b)]);

    // Over, selected and focus, in that order of how much the scheme says of them.
    const QColor over = at(style, "list_over");
    const auto [selected, focus] =
        floors::apartPair(floors::choices({at(style, "list_selected")}, fitGround),
                          floors::choices({at(style, "list_focus")}, fitGround), {over});
    for (const char *key : {"list_over", "grids_over"})
        at(style, key) = over;
    for (const char *key : {"list_focus", "grids_focus"})
        at(style, key) = focus;
    for (const RoleRow &row : roleRows)
        if (row.role == Selection)
            at(style, row.key) = selected;
    // The stripes of a state lie beside it, the over stripes a step further from the ground.
    for (const char *key : {"list_overstripes", "grids_overstripes"})
        at(style, key) = fitGround(shifted(over, d * 0.035));
    at(style, "grids_focusstripes") = fitGround(shifted(focus, -d * 0.035));
    at(style, "grids_selectedstripes") = fitGround(shifted(selected, -d * 0.035));
    at(style, "fx_selectbuttonfill_end") = fitGround(shifted(selected, -d * 0.105));

    for (const contrast::TextOnGrounds &row : texts) {
        QVector<QColor> on;
        for (int b : row.backgrounds)
            on << style.colours[std::size_t(b)];
        QColor &text = style.colours[std::size_t(row.text)];
        if (floors::worstContrast(text, on) < floors::leastContrast)
            text = floors::readable(on, colourspace::oklab(text), dark);
    }

    // The marks: Live Feedback is a text on the browser ground too; Download and Scan stand
    // apart from it and from each other.
    const QColor ground = at(style, "backgroundcolor");
    const auto asIs = [](const QColor &c) { return c; };
    const QVector<QColor> feedbacks = floors::choices(sourcesOf(scheme, Red), asIs);
    const auto readable = std::find_if(feedbacks.cbegin(), feedbacks.cend(), [&ground](const QColor &c) {
        return contrast::ratio(c, ground) >= floors::leastContrast;
    });
    // White or black among the greys always reads on a ground fitted for text.
    const QColor feedback = readable != feedbacks.cend() ? *readable : feedbacks.value(0);
    const auto [download, scan] =
        floors::apartPair(floors::choices(sourcesOf(scheme, Green), asIs),
                          floors::choices(sourcesOf(scheme, Cyan), asIs), {feedback});
    at(style, "list_livefeedback") = feedback;
    at(style, "list_download") = download;
    at(style, "list_scan") = scan;
    return style;
}

scheme::Scheme fromStyle(const Style &style, const QString &name)
{
    scheme::Scheme out;
    out.name = name;
    out.colours.resize(scheme::base16Count);
    for (const RoleRow &row : roleRows) {
        QColor &c = out.colours[row.role];
        if (!c.isValid())
            c = style.colours[index(row.key)].toRgb();
        c.setAlpha(255);
    }
    return out;
}

QVector<double> roleChanges(const scheme::Scheme &scheme, const Style &style)
{
    if (scheme.kind == scheme::Kind::Palette)
        return {};
    QVector<double> changes(scheme.colours.size(), 0.0);
    for (const RoleRow &row : roleRows) {
        if (row.role >= changes.size())
            continue;
        // A mark drawn from the brighter base24 accent moved from that one.
        const QColor drawn = style.colours[index(row.key)];
        double change = colourspace::ciede2000(scheme.colours[row.role], drawn);
        const int bright = brighter(row.role);
        if (bright >= 0 && bright < scheme.colours.size())
            change = std::min(change, colourspace::ciede2000(scheme.colours[bright], drawn));
        changes[row.role] = std::max(changes[row.role], change);
    }
    return changes;
}

} // namespace stylefromscheme
