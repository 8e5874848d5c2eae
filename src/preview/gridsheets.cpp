#include "gridsheets.h"

namespace preview {

namespace {

struct GridCard
{
    const char *back;
    std::initializer_list<const char *> captions; // the card's text lines
    std::initializer_list<const char *> strikeTexts;
    std::initializer_list<const char *> strikeBacks;
    const char *backgroundKey;
    const char *textKey;
    const char *stripesKey;
};

const GridCard cards[] = {
    {"grid_tracknormal_back",
     {"label_104", "label_105", "label_114"},
     {"grid_strike_text1", "grid_strike_text2"},
     {"grid_strike_back", "grid_strike_back2"},
     "grids_background",
     "grids_text",
     "grids_stripes"},
    {"grid_tracknormal_back_2",
     {"label_111", "label_107", "label_118"},
     {"grid_strike_text1_2", "grid_strike_text2_2"},
     {"grid_strike_back_2", "grid_strike_back2_2"},
     "grids_over",
     "grids_overtext",
     "grids_overstripes"},
    {"grid_tracknormal_back_3",
     {"label_121", "label_112", "label_120"},
     {"grid_strike_text1_3", "grid_strike_text2_3"},
     {"grid_strike_back_3", "grid_strike_back2_3"},
     "grids_selected",
     "grids_selectedtext",
     "grids_selectedstripes"},
    {"grid_tracknormal_back_4",
     {"label_122", "label_124", "label_125"},
     {"grid_strike_text1_4", "grid_strike_text2_4"},
     {"grid_strike_back_4", "grid_strike_back2_4"},
     "grids_focus",
     "grids_focustext",
     "grids_focusstripes"},
};

// ${background}, ${text} and ${stripes} read the card's own keys; the strike-line captions share
// grids_label on every card.
const QLatin1String cardBack("background-color:${background}");
const QLatin1String cardCaption("font: normal ${font}; background-color:transparent; color :${text}");
constexpr int captionDrop = 8; // the 20 px grid font shows at 12 px, like the lists
const QLatin1String strikeText("color: ${text}; background-color: transparent");
const QLatin1String strikeBack("color: ${grids_label}; background-color: ${stripes}");

Lookup cardColours(const Style &style, const GridCard &card)
{
    const Lookup colours = colourNames(style);
    return [colours, &card](const QString &name) {
        if (name == QLatin1String("background"))
            return colours(QLatin1String(card.backgroundKey));
        if (name == QLatin1String("text"))
            return colours(QLatin1String(card.textKey));
        if (name == QLatin1String("stripes"))
            return colours(QLatin1String(card.stripesKey));
        return colours(name);
    };
}

} // namespace

Sheets gridSheets(const Style &style)
{
    Sheets sheets;
    appendSheets(sheets, {"gridbackgroun_label"}, QStringLiteral("background-color: ${backgroundcolor}"),
                 colourNames(style));
    for (const GridCard &card : cards) {
        const Lookup colours = cardColours(style, card);
        appendSheets(sheets, {card.back}, cardBack, colours);
        appendSheets(sheets, card.captions, cardCaption, withFont(style, "skingrid", captionDrop, colours));
        appendSheets(sheets, card.strikeTexts, strikeText, colours);
        appendSheets(sheets, card.strikeBacks, strikeBack, colours);
    }
    return sheets;
}

} // namespace preview
