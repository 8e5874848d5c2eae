// SPDX-License-Identifier: GPL-3.0-or-later
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
    {"gridNormalBack",
     {"gridNormalArtist", "gridNormalTitle", "gridNormalComment"},
     {"gridNormalBpm", "gridNormalLength"},
     {"gridNormalStrip", "gridNormalCommentStrip"},
     "grids_background",
     "grids_text",
     "grids_stripes"},
    {"gridOverBack",
     {"gridOverTitle", "gridOverArtist", "gridOverComment"},
     {"gridOverBpm", "gridOverLength"},
     {"gridOverStrip", "gridOverCommentStrip"},
     "grids_over",
     "grids_overtext",
     "grids_overstripes"},
    {"gridSelectedBack",
     {"gridSelectedTitle", "gridSelectedArtist", "gridSelectedComment"},
     {"gridSelectedBpm", "gridSelectedLength"},
     {"gridSelectedStrip", "gridSelectedCommentStrip"},
     "grids_selected",
     "grids_selectedtext",
     "grids_selectedstripes"},
    {"gridFocusedBack",
     {"gridFocusedArtist", "gridFocusedComment", "gridFocusedTitle"},
     {"gridFocusedBpm", "gridFocusedLength"},
     {"gridFocusedStrip", "gridFocusedCommentStrip"},
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
    appendSheets(sheets, {"gridBack"}, QStringLiteral("background-color: ${backgroundcolor}"),
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
