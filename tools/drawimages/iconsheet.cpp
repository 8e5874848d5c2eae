// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"
#include "glyphpainter.h"
#include "glyphs.h"

#include <QPainter>
#include <QtMath>
#include <iterator>

namespace artwork {
namespace {

constexpr int cell = 64;
constexpr int columns = 16;

const QColor lightInk(0xe6, 0xe6, 0xe6);
const QColor darkInk(0x26, 0x26, 0x26);

// How a row presents its symbols. Every icon differs from every other by its symbol, its frame or
// the carrier its symbol is pinned to as a badge.
enum class Frame { None, Ring, Tile };

struct SheetRow
{
    Frame frame;
    const char *carrier; // glyph that wears the symbols as badges, or nullptr
    std::array<const char *, columns> symbols;
};

using namespace glyph;

const SheetRow rows[] = {
    {Frame::None,
     nullptr,
     {folder, folderOpen, playlist, note, disc, search, star, history, sampler, video, karaoke, network,
      cloud, computer, drive, headphones}},
    {Frame::None,
     nullptr,
     {arrowUp, arrowDown, arrowLeft, arrowRight, plus, minus, sort, filter, heart, gear, home, tag, user,
      globe, list, grid}},
    {Frame::None,
     nullptr,
     {trash, lock, refresh, download, upload, link, bookmark, calendar, equalizer, speaker, shuffle, repeat,
      eye, check, cross, bolt}},
    {Frame::None,
     folder,
     {note, disc, star, history, video, karaoke, cloud, network, search, plus, minus, heart, lock, check,
      sampler, user}},
    {Frame::None,
     list,
     {star, history, plus, minus, check, cross, heart, lock, search, cloud, network, refresh, shuffle, bolt,
      eye, user}},
    {Frame::None,
     page,
     {note, video, disc, karaoke, sampler, cloud, lock, star, history, search, link, tag, arrowDown, arrowUp,
      check, cross}},
    {Frame::Ring,
     nullptr,
     {arrowUp, arrowDown, arrowLeft, arrowRight, plus, minus, check, cross, note, star, heart, bolt, search,
      user, home, sort}},
    {Frame::Tile,
     nullptr,
     {folder, playlist, note, disc, search, star, history, sampler, video, karaoke, network, cloud, computer,
      drive, headphones, crate}},
    {Frame::None,
     crate,
     {note, star, plus, minus, history, heart, lock, check, cloud, search, bolt, disc, video, karaoke, info,
      record}},
};
static_assert(std::size(rows) * columns == 144, "the sheets hold 144 icons");

QImage emptyCell()
{
    QImage image(cell, cell, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QRectF centredGrid(qreal scale)
{
    const qreal side = cell * scale;
    return QRectF((cell - side) / 2, (cell - side) / 2, side, side);
}

// A glyph with its 64 grid fitted onto box. Strokes shrink more slowly than the glyph so that
// small glyphs keep their weight.
QImage glyphLayer(const char *script, const QRectF &box, const QColor &ink)
{
    QImage layer = emptyCell();
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.topLeft());
    const qreal scale = box.width() / cell;
    p.scale(scale, scale);
    paintGlyph(p, script, {ink, 1 / qSqrt(scale)});
    return layer;
}

// The carrier glyph with the symbol knocked out of a disc in its lower right corner; a gap
// around the disc keeps the two apart.
QImage badged(const char *carrier, const char *symbol, const QRectF &box, const QColor &ink)
{
    const qreal s = box.width() / cell;
    const QPointF centre = box.topLeft() + QPointF(47, 47) * s;
    QImage layer = glyphLayer(carrier, box, ink);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.drawEllipse(centre, 18 * s, 18 * s);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setBrush(ink);
    p.drawEllipse(centre, 15 * s, 15 * s);
    const qreal side = 25 * s;
    const QRectF badgeBox(centre - QPointF(side, side) / 2, QSizeF(side, side));
    p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    p.drawImage(0, 0, glyphLayer(symbol, badgeBox, ink));
    return layer;
}

QImage content(const SheetRow &row, const char *symbol, const QRectF &box, const QColor &ink)
{
    return row.carrier ? badged(row.carrier, symbol, box, ink) : glyphLayer(symbol, box, ink);
}

QImage icon(const SheetRow &row, const char *symbol, const QColor &ink)
{
    if (row.frame == Frame::None)
        return content(row, symbol, centredGrid(1.0), ink);

    QImage image = emptyCell();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (row.frame == Frame::Ring) {
        p.setPen(QPen(ink, 4));
        p.drawEllipse(QPointF(32, 32), 27, 27);
        p.drawImage(0, 0, content(row, symbol, centredGrid(0.6), ink));
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawRoundedRect(QRectF(5, 5, 54, 54), 12, 12);
        p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
        p.drawImage(0, 0, content(row, symbol, centredGrid(0.7), ink));
    }
    return image;
}

QImage iconSheet(int width, int height, const QColor &ink)
{
    QImage sheet(width, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::transparent);
    QPainter p(&sheet);
    int y = 0;
    for (const SheetRow &row : rows) {
        for (int column = 0; column < columns; ++column)
            p.drawImage(column * cell, y, icon(row, row.symbols[std::size_t(column)], ink));
        y += cell;
    }
    return sheet;
}

} // namespace

QImage alternativeIconSheet()
{
    return iconSheet(1144, 590, lightInk);
}

QImage whiteIconSheet()
{
    return iconSheet(1026, 580, darkInk);
}

} // namespace artwork
