// SPDX-License-Identifier: GPL-3.0-or-later
#include "contrast.h"

#include <cmath>
#include <initializer_list>

namespace contrast {
namespace {

// Each text colour of the browser and the backgrounds it is drawn on there.
struct TextOnBackgrounds
{
    const char *text;
    std::initializer_list<const char *> backgrounds;
};
const TextOnBackgrounds drawnOn[] = {
    {"list_text", {"backgroundcolor", "list_stripes", "list_automix"}},
    {"list_overtext", {"list_over", "list_overstripes"}},
    {"list_selectedtext", {"list_selected"}},
    {"list_focustext", {"list_focus"}},
    {"list_livefeedback", {"backgroundcolor"}},
    {"toolbar_text", {"toolbar_background", "toolbar_icon"}},
    {"column_text", {"column_background"}},
    {"scrollbar_button", {"scrollbar_back"}},
    {"info_text", {"info_background", "info_stripes"}},
    {"info_label", {"info_background", "info_stripes"}},
    {"info_artist", {"info_background"}},
    {"info_title", {"info_background"}},
    {"search_text", {"search_background"}},
    {"prelisten_button", {"prelisten_buttonbackground", "prelisten_buttonselected"}},
    {"grids_text", {"grids_background"}},
    {"grids_overtext", {"grids_over"}},
    {"grids_selectedtext", {"grids_selected"}},
    {"grids_focustext", {"grids_focus"}},
    {"grids_label", {"grids_stripes", "grids_overstripes", "grids_selectedstripes", "grids_focusstripes"}},
    {"fx_text", {"fx_back"}},
    {"fx_titletext", {"fx_titleback"}},
    {"fx_button_text", {"fx_buttonfill_start", "fx_buttonfill_end"}},
    {"fx_buttonover_text", {"fx_overbuttonfill_start", "fx_overbuttonfill_end"}},
    {"fx_buttonselect_text", {"fx_selectbuttonfill_start", "fx_selectbuttonfill_end"}},
};

double luminance(const QColor &c)
{
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    // Of the colour as it is written and shown, 8 bits a channel: a generated colour, held
    // finer, may read at 4.5:1 and fall short of it once rounded.
    return 0.2126 * channel(c.red() / 255.0) + 0.7152 * channel(c.green() / 255.0) +
           0.0722 * channel(c.blue() / 255.0);
}

QColor over(const QColor &top, const QColor &below)
{
    const double a = top.alphaF();
    return QColor::fromRgbF(top.redF() * a + below.redF() * (1 - a),
                            top.greenF() * a + below.greenF() * (1 - a),
                            top.blueF() * a + below.blueF() * (1 - a));
}

} // namespace

double ratio(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QVector<int> textKeys()
{
    QVector<int> keys;
    for (const TextOnGrounds &row : table())
        keys << row.text;
    return keys;
}

QVector<TextOnGrounds> table()
{
    QVector<TextOnGrounds> rows;
    for (const TextOnBackgrounds &row : drawnOn) {
        TextOnGrounds entry{stylekeys::colourIndex(QLatin1String(row.text)), {}};
        for (const char *name : row.backgrounds)
            entry.backgrounds << stylekeys::colourIndex(QLatin1String(name));
        rows << entry;
    }
    return rows;
}

QVector<Hint> hints(const Style &style)
{
    const QColor browser = style.colour(QStringLiteral("backgroundcolor"));
    QVector<Hint> found;
    for (const TextOnBackgrounds &row : drawnOn) {
        Hint worst{stylekeys::colourIndex(QLatin1String(row.text)), 22.0, QString()};
        for (const char *name : row.backgrounds) {
            const QColor background = style.colour(QLatin1String(name));
            const bool known = background.alpha() == 255 || browser.alpha() == 255;
            const double value = ratio(style.colours[std::size_t(worst.key)],
                                       background.alpha() == 255 ? background : over(background, browser));
            if (known && value < worst.ratio)
                worst = {worst.key, value, QLatin1String(name)};
        }
        if (!worst.background.isEmpty())
            found << worst;
    }
    return found;
}

} // namespace contrast
