// SPDX-License-Identifier: GPL-3.0-or-later
#include "stylefrompalette.h"

#include "colourspace.h"
#include "floors.h"
#include "style/contrast.h"

#include <algorithm>
#include <cmath>

namespace stylefrompalette {
namespace {

using floors::readable;

using colourspace::Oklab;

constexpr double pi = 3.14159265358979323846;
// A colour this far from grey reads as a hue rather than a tinted grey.
constexpr double saturated = 0.06;
// Grounds stay on their side of the middle so that one text colour reads on all of them:
// at these lightnesses white text (dark styles) or black text (light ones) stays above 4.5:1
// on a grey, and the grounds' chroma is kept low enough for that to hold on their hues.
constexpr double darkGroundsUpTo = 0.55;
constexpr double lightGroundsDownTo = 0.60;

enum class Tone {
    Base,   // the skin's dominant tone, lightly tinted
    Panel,  // its second tone, for the toolbar, columns, info and other panels
    Accent, // the accent at a ground's chroma
    Second, // a hue beside the accent, for the automix rows
};

// A ground (or line) as a lightness step from the browser background, toward the middle.
struct Ground
{
    const char *key;
    Tone tone;
    double step;
};
// clang-format off
const Ground grounds[] = {
    {"backgroundcolor", Tone::Base, 0},       {"list_stripes", Tone::Base, 0.035},
    {"list_over", Tone::Base, 0.04},          {"list_overstripes", Tone::Base, 0.075},
    {"list_automix", Tone::Second, 0.06},     {"list_button", Tone::Base, 0.12},
    {"grids_stripes", Tone::Base, 0},         {"grids_background", Tone::Base, 0.035},
    {"grids_over", Tone::Base, 0.04},         {"grids_overstripes", Tone::Base, 0.075},
    {"toolbar_background", Tone::Panel, 0.06}, {"toolbar_icon", Tone::Panel, 0.02},
    {"column_background", Tone::Panel, 0.09}, {"scrollbar_back", Tone::Panel, 0.06},
    {"info_background", Tone::Panel, 0.06},   {"info_stripes", Tone::Panel, 0.03},
    {"search_background", Tone::Panel, 0},    {"prelisten_background", Tone::Panel, 0},
    {"prelisten_buttonbackground", Tone::Panel, 0.15},
    {"fx_back", Tone::Panel, 0},              {"fx_titleback", Tone::Panel, 0.10},
    {"fx_buttonfill_start", Tone::Base, 0.14}, {"fx_buttonfill_end", Tone::Base, 0.02},
    {"fx_overbuttonfill_start", Tone::Base, 0.22}, {"fx_overbuttonfill_end", Tone::Base, 0.08},
    {"fx_knobback_start", Tone::Base, 0.14},  {"fx_knobback_end", Tone::Base, 0},
    // lines and borders
    {"seperatorline", Tone::Base, 0.28},      {"list_background", Tone::Base, 0.22},
    {"toolbar_border", Tone::Panel, 0.25},    {"search_border", Tone::Panel, 0.28},
    {"prelisten_border", Tone::Panel, 0.28},  {"fx_buttonborder", Tone::Base, 0.22},
    {"fx_overbuttonborder", Tone::Base, 0.30}, {"fx_knobborderout", Tone::Base, 0.25},
};
// clang-format on

// Rows in the accent itself, bright enough to stand out on the grounds.
const char *const accentKeys[] = {"list_insert",      "list_buttonactive", "search_cursor",
                                  "prelisten_cursor", "fx_knobborder",     "fx_selectbuttonborder"};
// Rows drawn as the selected state's ground.
const char *const selectedKeys[] = {
    "list_selected",      "grids_selected",           "search_selected",
    "prelisten_selected", "prelisten_buttonselected", "fx_selectbuttonfill_start"};
// Texts tinted with the accent rather than the base tone.
const char *const accentTexts[] = {"info_title", "info_artist", "fx_titletext"};

struct Tones
{
    bool dark;
    double background; // lightness of the browser background
    Oklab base, panel, accent, second;

    double direction() const { return dark ? 1 : -1; }
    double groundL(double step) const
    {
        const double l = background + direction() * step;
        return dark ? std::clamp(l, 0.0, darkGroundsUpTo) : std::clamp(l, lightGroundsDownTo, 1.0);
    }
    QColor ground(Tone tone, double lightness) const
    {
        const Oklab &t = tone == Tone::Base     ? base
                         : tone == Tone::Panel  ? panel
                         : tone == Tone::Accent ? accent
                                                : second;
        const double chroma = std::min(t.chroma(), tone == Tone::Base || tone == Tone::Panel ? 0.035 : 0.10);
        return colourspace::fromOklab(Oklab::fromLch(lightness, chroma, t.hue()));
    }
};

Tones analyse(const QVector<skinpalette::Swatch> &palette, const std::optional<QColor> &chosenAccent)
{
    QVector<skinpalette::Swatch> swatches = palette;
    if (swatches.isEmpty())
        swatches << skinpalette::Swatch{QColor(0x30, 0x30, 0x30), 1};
    double weight = 0, lightness = 0;
    for (const auto &s : qAsConst(swatches)) {
        weight += s.weight;
        lightness += s.weight * colourspace::oklab(s.colour).L;
    }
    Tones tones{};
    tones.dark = weight <= 0 || lightness / weight < 0.6;
    tones.base = colourspace::oklab(swatches.first().colour);
    tones.panel = colourspace::oklab(swatches.value(1, swatches.first()).colour);
    tones.background =
        tones.dark ? std::clamp(tones.base.L, 0.14, 0.20) : std::clamp(tones.base.L, 0.93, 0.98);
    // The most prominent saturated colour; a grey skin gets a grey accent.
    tones.accent = Oklab{0.6, 0, 0};
    if (chosenAccent && chosenAccent->isValid()) {
        tones.accent = colourspace::oklab(*chosenAccent);
    } else {
        const auto found = std::find_if(swatches.cbegin(), swatches.cend(), [](const skinpalette::Swatch &s) {
            return colourspace::oklab(s.colour).chroma() >= saturated;
        });
        if (found != swatches.cend())
            tones.accent = colourspace::oklab(found->colour);
    }
    tones.second = Oklab::fromLch(tones.accent.L, tones.accent.chroma(), tones.accent.hue() + 2 * pi / 3);
    return tones;
}

// The colour `make` gives for a lightness in [low, high], nearest `start`, that stays apart from
// each of `others`; the one at `start` when none does.
template <typename Make>
QColor apartFrom(const QVector<QColor> &others, const Make &make, double start, double low, double high)
{
    return floors::nearestApart(others, make, start, low, high).value_or(make(std::clamp(start, low, high)));
}

// Two rows that must stand apart from `fixed` and from each other, in [low, high]: the first as
// `apartFrom` places it, then the second from the start `secondFrom` gives for the first's
// lightness. When that leaves the second no room, the two are chosen together, the least moved
// pair (greys at the last).
template <typename MakeFirst, typename MakeSecond, typename SecondFrom>
std::pair<QColor, QColor> apartTwo(const QVector<QColor> &fixed, const MakeFirst &makeFirst,
                                   double firstStart, const MakeSecond &makeSecond,
                                   const SecondFrom &secondFrom, double low, double high)
{
    const QColor first = apartFrom(fixed, makeFirst, firstStart, low, high);
    const double secondStart = secondFrom(colourspace::oklab(first).L);
    if (const auto second =
            floors::nearestApart(fixed + QVector<QColor>{first}, makeSecond, secondStart, low, high))
        return {first, *second};
    const auto inRange = [low, high](const QColor &c) {
        return floors::withLightness(c, std::clamp(colourspace::oklab(c).L, low, high));
    };
    return floors::apartPair(floors::choices({first}, inRange),
                             floors::choices({makeSecond(std::clamp(secondStart, low, high))}, inRange),
                             fixed);
}

void set(Style &style, const char *key, const QColor &c)
{
    style.colours[std::size_t(stylekeys::colourIndex(QLatin1String(key)))] = c;
}

QColor get(const Style &style, const char *key)
{
    return style.colours[std::size_t(stylekeys::colourIndex(QLatin1String(key)))];
}

Oklab withChroma(const Oklab &tint, double lightness, double chroma)
{
    return Oklab::fromLch(lightness, std::min(tint.chroma(), chroma), tint.hue());
}

} // namespace

Style generate(const QVector<skinpalette::Swatch> &palette, const std::optional<QColor> &accent, Style style)
{
    const Tones tones = analyse(palette, accent);
    const double d = tones.direction();
    for (const Ground &g : grounds)
        set(style, g.key, tones.ground(g.tone, tones.groundL(g.step)));

    // The states: focus and selected step on from over until each stands apart from the others.
    const QColor over = get(style, "list_over");
    const double overL = colourspace::oklab(over).L;
    const double low = tones.dark ? overL : lightGroundsDownTo, high = tones.dark ? darkGroundsUpTo : overL;
    const auto base = [&tones](double l) { return tones.ground(Tone::Base, l); };
    const auto accentGround = [&tones](double l) { return tones.ground(Tone::Accent, l); };
    const auto [focus, selected] = apartTwo(
        {over}, base, overL + d * 0.1, accentGround, [d](double focusL) { return focusL + d * 0.1; }, low,
        high);
    const double focusL = colourspace::oklab(focus).L;
    for (const char *key : {"list_focus", "grids_focus"})
        set(style, key, focus);
    for (const char *key : selectedKeys)
        set(style, key, selected);
    const double toward = -d * 0.035; // the stripes of a state lie between it and the background
    set(style, "grids_focusstripes", tones.ground(Tone::Base, focusL + toward));
    const double selectedL = colourspace::oklab(selected).L;
    set(style, "grids_selectedstripes", tones.ground(Tone::Accent, selectedL + toward));
    set(style, "fx_selectbuttonfill_end", tones.ground(Tone::Accent, selectedL + 3 * toward));

    // The accent at full strength, light enough (or dark enough) to stand out.
    const double accentL =
        tones.dark ? std::clamp(tones.accent.L, 0.65, 0.85) : std::clamp(tones.accent.L, 0.40, 0.55);
    const QColor vivid = colourspace::fromOklab(Oklab{accentL, tones.accent.a, tones.accent.b});
    for (const char *key : accentKeys)
        set(style, key, vivid);

    // Texts: the base tone (or the accent), as near grey as reads on every background.
    const QColor background = get(style, "backgroundcolor");
    for (const contrast::TextOnGrounds &row : contrast::table()) {
        QVector<QColor> on;
        for (int b : row.backgrounds)
            on << style.colours[std::size_t(b)];
        const bool tinted =
            std::any_of(std::begin(accentTexts), std::end(accentTexts), [&row](const char *key) {
                return stylekeys::colourIndex(QLatin1String(key)) == row.text;
            });
        const Oklab tint = tinted ? withChroma(tones.accent, tones.dark ? 0.85 : 0.35, 0.08)
                                  : withChroma(tones.base, tones.dark ? 0.93 : 0.22, 0.015);
        style.colours[std::size_t(row.text)] = readable(on, tint, tones.dark);
    }
    set(style, "fx_knobfader", get(style, "fx_text"));

    // The marks: three hues a third of the circle apart, and lightnesses apart as well, so that
    // they stay apart for every eye.
    const QColor feedback =
        readable({background}, withChroma(tones.second, tones.dark ? 0.72 : 0.40, 0.12), tones.dark);
    set(style, "list_livefeedback", feedback);
    // Short of white and black, where no hue is left.
    const double markLow = tones.dark ? 0.45 : 0.20, markHigh = tones.dark ? 0.90 : 0.65;
    const double feedbackL = colourspace::oklab(feedback).L;
    const auto mark = [](const Oklab &tint) {
        return [tint](double l) { return colourspace::fromOklab(withChroma(tint, l, 0.15)); };
    };
    const Oklab scanTint =
        Oklab::fromLch(0, std::max(0.10, tones.accent.chroma()), tones.accent.hue() - 2 * pi / 3);
    const auto [download, scan] = apartTwo(
        {feedback}, mark(tones.accent), feedbackL - d * 0.12, mark(scanTint),
        [feedbackL, d](double) { return feedbackL + d * 0.12; }, markLow, markHigh);
    set(style, "list_download", download);
    set(style, "list_scan", scan);
    return style;
}

} // namespace stylefrompalette
