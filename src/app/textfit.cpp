// SPDX-License-Identifier: GPL-3.0-or-later
#include "textfit.h"

#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QWidget>
#include <algorithm>

namespace {
constexpr int mostCondensed = QFont::ExtraCondensed;
constexpr int condenseStep = 5;
// Where the font engine cannot stretch a face, letters are set closer instead, down to this.
constexpr int tightestSpacing = 85;
constexpr int cardMargin = 4;

int advance(const QFont &font, const QString &text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

// How far a grid label may reach (its card's edge), and how much of that its text may take (on a
// caption line, up to the last value drawn over it).
struct Room
{
    int edge = QWIDGETSIZE_MAX;
    int text = QWIDGETSIZE_MAX;
};

Room roomFor(const QLabel *label, const QList<QLabel *> &labels)
{
    const QRect own = label->geometry();
    Room room;
    int lastValue = -1;
    for (const QLabel *other : labels) {
        const QRect rect = other->geometry();
        if (other == label)
            continue;
        const bool cardBehind = rect.contains(own.topLeft()) && rect.width() > own.width();
        if (cardBehind)
            room.edge = std::min(room.edge, rect.right() - own.x() - cardMargin);
        const bool valueOnLine = rect.y() == own.y() && rect.x() > own.x() && rect.right() <= own.right();
        if (valueOnLine)
            lastValue = std::max(lastValue, rect.x() - own.x());
    }
    room.text = lastValue < 0 ? room.edge : std::min(lastValue, room.edge);
    return room;
}

void fitInto(QLabel *label, const Room &room)
{
    condenseToFit(label, label->text(), room.text);
    // Wide enough for the text where the card has room, and never past the card's edge.
    const int width = std::min(std::max(label->width(), advance(label->font(), label->text())), room.edge);
    if (width != label->width())
        label->resize(width, label->height());
}
// Laying a text out is the costly part of measuring it. The letters' own widths, summed, are
// cheap (each is looked up once) and, with a little room for kerning, never less than the laid-out
// width: a text within that needs no layout at all. Only a text that may not fit is laid out.
bool surelyFits(const QFont &font, const QString &text, int room)
{
    constexpr int kerningSlack = 2;
    const QFontMetrics metrics(font);
    int width = kerningSlack;
    for (const QChar c : text) {
        if (c.isHighSurrogate() || c.isLowSurrogate() || c.category() == QChar::Mark_NonSpacing)
            return false; // laid out together with its neighbours: no sum says how wide
        width += metrics.horizontalAdvance(c);
        if (width > room)
            return false;
    }
    return true;
}

// As the widget lays its text out, which may differ from the screen's metrics by a pixel.
int drawnWidth(const QFont &font, QWidget *widget, const QString &text)
{
    return QFontMetrics(font, widget).horizontalAdvance(text);
}
} // namespace

void condenseToFit(QWidget *widget, const QString &text, int room)
{
    if (room < 0)
        room = widget->width();
    QFont font = widget->font();
    if (surelyFits(font, text, room))
        return;
    // Every row of a page condenses the same texts into the same places: each is measured once.
    static QHash<QString, QFont> fitted;
    const QString place = font.key() + QLatin1Char('|') + QString::number(room) + QLatin1Char('|') + text +
                          QLatin1Char('|') + QLatin1String(widget->metaObject()->className());
    if (const auto known = fitted.constFind(place); known != fitted.cend()) {
        if (*known != widget->font())
            widget->setFont(*known);
        return;
    }
    const auto tooWide = [&] { return drawnWidth(font, widget, text) > room; };
    // Each width tried is a font of its own for the system to find. A face narrows in proportion
    // to its stretch, so the search starts one step above where the text would just fit.
    int stretch = QFont::Unstretched;
    const bool unstretched = font.stretch() == QFont::AnyStretch || font.stretch() == QFont::Unstretched;
    if (const int width = drawnWidth(font, widget, text); width > room && unstretched) {
        const int proportional = QFont::Unstretched * room / width;
        while (stretch > proportional + condenseStep && stretch > mostCondensed)
            stretch -= condenseStep;
        if (stretch != QFont::Unstretched)
            font.setStretch(stretch);
    }
    while (stretch > mostCondensed && tooWide()) {
        stretch -= condenseStep;
        font.setStretch(stretch);
    }
    for (int spacing = 100; spacing > tightestSpacing && tooWide();) {
        spacing -= 1;
        font.setLetterSpacing(QFont::PercentageSpacing, spacing);
    }
    fitted.insert(place, font);
    if (font != widget->font())
        widget->setFont(font);
}

void fitGridTexts(QWidget *gridPage)
{
    const QList<QLabel *> labels = gridPage->findChildren<QLabel *>();
    for (QLabel *label : labels)
        if (!label->text().isEmpty() && label->textFormat() != Qt::RichText &&
            !label->text().startsWith(QLatin1Char('<')))
            fitInto(label, roomFor(label, labels));
}
