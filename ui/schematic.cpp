#include "schematic.h"

#include <QPainterPath>
#include <QPolygon>

namespace kelvora::schematic {

// A winding drawn along a vertical axis, its turns bulging towards `side` (+1 right, -1 left).
void verticalCoil(QPainter& p, int x, int y0, int y1, int turns, int side)
{
    const qreal d = qreal(y1 - y0) / turns;
    QPainterPath path(QPointF(x, y0));
    for (int i = 0; i < turns; ++i)
        path.arcTo(QRectF(x - Bulge, y0 + i * d, 2 * Bulge, d), 90, side > 0 ? -180 : 180);
    p.drawPath(path);
}

// A winding along a horizontal line, turns bulging upwards.
void horizontalCoil(QPainter& p, int x0, int x1, int y, int turns)
{
    const qreal d = qreal(x1 - x0) / turns;
    QPainterPath path(QPointF(x0, y));
    for (int i = 0; i < turns; ++i)
        path.arcTo(QRectF(x0 + i * d, y - Bulge, d, 2 * Bulge), 180, -180);
    p.drawPath(path);
}

void wire(QPainter& p, std::initializer_list<QPoint> points)
{
    QPolygon poly;
    for (const QPoint& pt : points)
        poly << pt;
    p.drawPolyline(poly);
}

void terminal(QPainter& p, QPoint at)
{
    p.save();
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(at), 3.5, 3.5);
    p.restore();
}

void junction(QPainter& p, QPoint at)
{
    p.save();
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(at), 2.5, 2.5);
    p.restore();
}

void ground(QPainter& p, QPoint at)
{
    for (int i = 0; i < 3; ++i) {
        const int half = 9 - 3 * i;
        p.drawLine(at.x() - half, at.y() + 3 * i, at.x() + half, at.y() + 3 * i);
    }
}

} // namespace kelvora::schematic
