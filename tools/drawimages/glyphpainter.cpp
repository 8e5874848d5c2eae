// SPDX-License-Identifier: GPL-3.0-or-later
#include "glyphpainter.h"

#include <QByteArrayList>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

constexpr qreal halfToneOpacity = 0.35;
constexpr qreal arrowHeadAngle = 38.0;
const QPointF gridCentre(32, 32);
constexpr int maxArguments = 7;

struct Command
{
    char letter;
    int argumentCount;
};

constexpr Command commands[] = {
    {'M', 2}, {'L', 2}, {'C', 6}, {'Q', 4}, {'Z', 0}, {'O', 3}, {'E', 4}, {'R', 5}, {'A', 6}, {'Y', 7},
    {'V', 5}, {'P', 5}, {'N', 6}, {'W', 1}, {'G', 1}, {'S', 0}, {'F', 0}, {'H', 0}, {'B', 0}, {'X', 0},
};

constexpr bool argumentsFit()
{
    for (const Command &c : commands) {
        if (c.argumentCount > maxArguments)
            return false;
    }
    return true;
}
static_assert(argumentsFit(), "a command takes more numbers than the interpreter holds");

int argumentCount(char letter)
{
    for (const Command &c : commands) {
        if (c.letter == letter)
            return c.argumentCount;
    }
    return -1;
}

QPointF polar(const QPointF &centre, qreal radius, qreal degrees)
{
    const qreal a = qDegreesToRadians(degrees);
    return centre + QPointF(radius * qCos(a), radius * qSin(a));
}

// An open chevron whose point lies at tip, for an arrow travelling in direction (a unit vector).
void addArrowHead(QPainterPath &path, const QPointF &tip, const QPointF &direction, qreal size)
{
    const qreal back = qAtan2(-direction.y(), -direction.x());
    const qreal spread = qDegreesToRadians(arrowHeadAngle);
    path.moveTo(tip + size * QPointF(qCos(back + spread), qSin(back + spread)));
    path.lineTo(tip);
    path.lineTo(tip + size * QPointF(qCos(back - spread), qSin(back - spread)));
}

class GlyphScript
{
public:
    GlyphScript(QPainter &target, const GlyphInk &glyphInk) : painter(target), ink(glyphInk) { resetPath(); }

    void run(const char *script)
    {
        const QByteArrayList tokens = QByteArray(script).simplified().split(' ');
        for (int i = 0; i < tokens.size();) {
            const QByteArray &word = tokens.at(i);
            const int count = word.size() == 1 ? argumentCount(word.at(0)) : -1;
            if (count < 0 || i + count >= tokens.size())
                qFatal("glyph script: '%s' is no command or lacks its numbers in \"%s\"", word.constData(),
                       script);
            qreal a[maxArguments] = {};
            for (int k = 0; k < count; ++k) {
                bool ok = false;
                a[k] = tokens.at(i + 1 + k).toDouble(&ok);
                if (!ok)
                    qFatal("glyph script: '%c' expects %d numbers in \"%s\"", word.at(0), count, script);
            }
            execute(word.at(0), a);
            i += 1 + count;
        }
        if (!path.isEmpty())
            qFatal("glyph script: shapes left unpainted in \"%s\"", script);
    }

private:
    QPainter &painter;
    GlyphInk ink;
    QPainterPath path;
    QTransform turn;
    qreal width = 4.5;

    QPointF at(qreal x, qreal y) const { return turn.map(QPointF(x, y)); }
    void add(const QPainterPath &shape) { path.addPath(turn.map(shape)); }
    void resetPath()
    {
        path = QPainterPath();
        path.setFillRule(Qt::WindingFill);
    }

    QPen pen() const
    {
        return QPen(ink.colour, width * ink.strokeScale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    }
    QColor halfTone() const
    {
        QColor c = ink.colour;
        c.setAlphaF(c.alphaF() * halfToneOpacity);
        return c;
    }

    void execute(char letter, const qreal *a)
    {
        switch (letter) {
        case 'M':
            path.moveTo(at(a[0], a[1]));
            break;
        case 'L':
            path.lineTo(at(a[0], a[1]));
            break;
        case 'C':
            path.cubicTo(at(a[0], a[1]), at(a[2], a[3]), at(a[4], a[5]));
            break;
        case 'Q':
            path.quadTo(at(a[0], a[1]), at(a[2], a[3]));
            break;
        case 'Z':
            path.closeSubpath();
            break;
        case 'O':
        case 'E': {
            QPainterPath shape;
            shape.addEllipse(QPointF(a[0], a[1]), a[2], letter == 'O' ? a[2] : a[3]);
            add(shape);
            break;
        }
        case 'R': {
            QPainterPath shape;
            shape.addRoundedRect(QRectF(a[0], a[1], a[2], a[3]), a[4], a[4]);
            add(shape);
            break;
        }
        case 'A':
        case 'Y':
            addArc(QRectF(a[0], a[1], a[2], a[3]), a[4], a[5], letter == 'Y' ? a[6] : 0);
            break;
        case 'V':
            addArrow(QPointF(a[0], a[1]), QPointF(a[2], a[3]), a[4]);
            break;
        case 'P':
            addStar(QPointF(a[0], a[1]), a[2], a[3], int(a[4]));
            break;
        case 'N':
            addTicks(QPointF(a[0], a[1]), a[2], a[3], int(a[4]), a[5]);
            break;
        case 'W':
            width = a[0];
            break;
        case 'G':
            turn = QTransform()
                       .translate(gridCentre.x(), gridCentre.y())
                       .rotate(a[0])
                       .translate(-gridCentre.x(), -gridCentre.y());
            break;
        default:
            paint(letter);
            resetPath();
            break;
        }
    }

    void addArc(const QRectF &box, qreal start, qreal sweep, qreal head)
    {
        QPainterPath shape;
        shape.arcMoveTo(box, start);
        shape.arcTo(box, start, sweep);
        if (head > 0) {
            // Travel direction at the arc's end: the ellipse's tangent, turned the way the arc runs.
            const qreal end = qDegreesToRadians(start + sweep);
            QPointF tangent(-box.width() / 2 * qSin(end), -box.height() / 2 * qCos(end));
            if (sweep < 0)
                tangent = -tangent;
            const qreal length = qSqrt(QPointF::dotProduct(tangent, tangent));
            addArrowHead(shape, shape.currentPosition(), tangent / length, head);
        }
        add(shape);
    }

    void addArrow(const QPointF &from, const QPointF &to, qreal head)
    {
        QPainterPath shape;
        shape.moveTo(from);
        shape.lineTo(to);
        const QPointF d = to - from;
        addArrowHead(shape, to, d / qSqrt(QPointF::dotProduct(d, d)), head);
        add(shape);
    }

    void addStar(const QPointF &centre, qreal outer, qreal inner, int points)
    {
        QPainterPath shape;
        for (int i = 0; i < 2 * points; ++i) {
            const QPointF p = polar(centre, i % 2 ? inner : outer, -90.0 + i * 180.0 / points);
            if (i == 0)
                shape.moveTo(p);
            else
                shape.lineTo(p);
        }
        shape.closeSubpath();
        add(shape);
    }

    void addTicks(const QPointF &centre, qreal from, qreal to, int count, qreal start)
    {
        QPainterPath shape;
        for (int i = 0; i < count; ++i) {
            const qreal angle = start + i * 360.0 / count;
            shape.moveTo(polar(centre, from, angle));
            shape.lineTo(polar(centre, to, angle));
        }
        add(shape);
    }

    void paint(char letter)
    {
        switch (letter) {
        case 'S':
            painter.strokePath(path, pen());
            break;
        case 'F':
            painter.fillPath(path, ink.colour);
            break;
        case 'H':
            painter.fillPath(path, halfTone());
            break;
        case 'B':
            painter.fillPath(path, halfTone());
            painter.strokePath(path, pen());
            break;
        case 'X': {
            painter.save();
            painter.setCompositionMode(QPainter::CompositionMode_Clear);
            painter.fillPath(path, Qt::black);
            painter.restore();
            break;
        }
        }
    }
};

} // namespace

void paintGlyph(QPainter &painter, const char *script, const GlyphInk &ink)
{
    GlyphScript(painter, ink).run(script);
}
