#include "lamination_drawing.h"

#include <QLineF>
#include <QPainter>
#include <QPolygonF>

namespace kelvora {

using namespace lamination;

namespace {

const QColor outline(20, 20, 20);
const QColor dimension = QColor::fromRgb(dimensionInk);
const QColor sheetEdge(120, 130, 142); // edges of the single laminations
const QColor faceNear(214, 220, 227);
const QColor faceTop(236, 240, 244);
const QColor faceSide(180, 189, 200);
const QColor faceInner(224, 229, 234);

constexpr qreal arrowLength = 7, arrowHalfWidth = 2.4;
constexpr qreal extGap = 3, extOver = 4; // extension lines: gap at the object, overshoot


// Dimension line between two points with arrows at both ends. A dimension too
// short to hold its label between the arrows gets them from outside.
void dimensionLine(QPainter& p, QPointF a, QPointF b, bool arrowsOutside = false)
{
    if (!arrowsOutside) {
        p.drawLine(a, b);
        dimensionArrowHead(p, a, b);
        dimensionArrowHead(p, b, a);
        return;
    }
    const QLineF ab(a, b);
    const QPointF d = (b - a) / ab.length();
    const QPointF tailA = a - d * (arrowLength + 6), tailB = b + d * (arrowLength + 6);
    p.drawLine(tailA, b);
    p.drawLine(a, tailB);
    dimensionArrowHead(p, a, tailA);
    dimensionArrowHead(p, b, tailB);
}

// Extension line from an object point towards (and a little past) its dimension line.
void extension(QPainter& p, QPointF objectPoint, QPointF onDimension)
{
    const QLineF l(objectPoint, onDimension);
    const QPointF d = (onDimension - objectPoint) / l.length();
    p.drawLine(objectPoint + d * extGap, onDimension + d * extOver);
}

QPolygonF moved(const QPolygonF& poly, QPointF by)
{
    QPolygonF out = poly;
    out.translate(by);
    return out;
}

// The E outline with its yoke at x = 0 and legs towards +x, w across the legs.
QPolygonF eLyingOutline(QPointF at)
{
    const qreal L = 4 * u;
    QPolygonF e{{0, 0},     {L, 0},     {L, u},     {u, u},     {u, 2 * u}, {L, 2 * u},
                {L, 4 * u}, {u, 4 * u}, {u, 5 * u}, {L, 5 * u}, {L, 6 * u}, {0, 6 * u}};
    return moved(e, at);
}

// Parallelogram swept by the segment a-b along the receding axis.
QPolygonF swept(QPointF a, QPointF b) { return QPolygonF{a, b, b + depth, a + depth}; }

// A face of the stack: fill, the edges of its laminations (lines parallel to
// `along`, spread across the receding axis), outline.
void stackFace(QPainter& p, const QPolygonF& face, const QColor& fill, QPointF a, QPointF b,
               int sheets)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPolygon(face);
    p.setPen(QPen(sheetEdge, 0.6));
    for (int k = 1; k < sheets; ++k) {
        const QPointF off = depth * (qreal(k) / sheets);
        p.drawLine(a + off, b + off);
    }
    p.setPen(QPen(outline, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(face);
}

void solid(QPainter& p, const QPolygonF& poly, const QColor& fill)
{
    p.setPen(QPen(outline, 1.4));
    p.setBrush(fill);
    p.drawPolygon(poly);
}

void useDimensionPen(QPainter& p)
{
    p.setPen(QPen(dimension, 0.9));
    p.setBrush(dimension);
}

void frontView(QPainter& p)
{
    const qreal L = frontLeft, R = frontLeft + 6 * u, T = frontTop, B = frontTop + 4 * u;
    // E with its legs down: outer legs u, windows u x 3u, centre leg 2u.
    const QPolygonF e{{L, T},         {R, T},         {R, B},
                      {R - u, B},     {R - u, T + u}, {R - 2 * u, T + u},
                      {R - 2 * u, B}, {L + 2 * u, B}, {L + 2 * u, T + u},
                      {L + u, T + u}, {L + u, B},     {L, B}};
    solid(p, e, faceNear);
    solid(p, QPolygonF(QRectF(L, barTop, 6 * u, u)), faceNear);

    // The stack seen from below: the sheet edges run across it; the legs and
    // windows behind the I bar are hidden lines.
    const QRectF stack(L, stackTop, 6 * u, stackDepth);
    p.setPen(Qt::NoPen);
    p.setBrush(faceTop);
    p.drawRect(stack);
    p.setPen(QPen(sheetEdge, 0.6));
    const int sheets = 12;
    for (int k = 1; k < sheets; ++k) {
        const qreal y = stackTop + stackDepth * k / sheets;
        p.drawLine(QPointF(L, y), QPointF(R, y));
    }
    QPen hidden(outline, 0.9, Qt::DashLine);
    p.setPen(hidden);
    for (int i = 1; i < 5; ++i)
        p.drawLine(QPointF(chainEdge[i], stackTop), QPointF(chainEdge[i], stackTop + stackDepth));
    p.setPen(QPen(outline, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(stack);

    // Centre line of the centre leg through both views.
    p.setPen(QPen(sheetEdge, 0.7, Qt::DashDotLine));
    const qreal cx = (L + R) / 2;
    p.drawLine(QPointF(cx, T - 8), QPointF(cx, stackTop + stackDepth + 8));

    useDimensionPen(p);
    // Overall width along the top.
    extension(p, {L, T}, {L, topDimY});
    extension(p, {R, T}, {R, topDimY});
    dimensionLine(p, {L, topDimY}, {R, topDimY});
    // Height of the E, thickness of the I bar, stack height: at the left.
    for (qreal y : {T, B, barTop, barTop + u, stackTop, stackTop + stackDepth})
        extension(p, {L, y}, {leftDimX, y});
    dimensionLine(p, {leftDimX, T}, {leftDimX, B});
    dimensionLine(p, {leftDimX, barTop}, {leftDimX, barTop + u});
    dimensionLine(p, {leftDimX, stackTop}, {leftDimX, stackTop + stackDepth});
    // Legs and windows: a chain under the stack.
    for (qreal x : chainEdge)
        extension(p, {x, stackTop + stackDepth}, {x, chainY});
    for (int i = 0; i < 5; ++i)
        dimensionLine(p, {chainEdge[i], chainY}, {chainEdge[i + 1], chainY});
}

void eStack(QPainter& p)
{
    const qreal L = 4 * u;
    const QPointF f = eFar, n = eFar + depth;
    // Back to front, so nearer faces hide what lies behind them: the tops of
    // the centre and lower legs seen through the windows, the yoke's back,
    // the top, then the near face.
    for (qreal w : {2 * u, 5 * u}) {
        const QPointF a = f + QPointF(u, w), b = f + QPointF(L, w);
        stackFace(p, swept(a, b), faceInner, a, b, 6);
    }
    stackFace(p, swept(f, f + QPointF(0, 6 * u)), faceSide, f, f + QPointF(0, 6 * u), 6);
    stackFace(p, swept(f, f + QPointF(L, 0)), faceTop, f, f + QPointF(L, 0), 6);
    solid(p, eLyingOutline(n), faceNear);

    useDimensionPen(p);
    // Overall width of the E along the yoke's back.
    extension(p, f, {eLeftDimX, f.y()});
    extension(p, f + QPointF(0, 6 * u), {eLeftDimX, f.y() + 6 * u});
    dimensionLine(p, {eLeftDimX, f.y()}, {eLeftDimX, f.y() + 6 * u});
    // Length of the E (yoke plus window) along the far top edge.
    const QPointF farEnd = f + QPointF(L, 0);
    extension(p, f, {f.x(), pictorialTopDimY});
    extension(p, farEnd, {farEnd.x(), pictorialTopDimY});
    dimensionLine(p, {f.x(), pictorialTopDimY}, {farEnd.x(), pictorialTopDimY});
    // Stack height along the top-right edge, the label at its near end.
    const QPointF nearEnd = farEnd + depth;
    extension(p, nearEnd, nearEnd - QPointF(0, depthDimRise));
    dimensionLine(p, farEnd - QPointF(0, depthDimRise), nearEnd - QPointF(0, depthDimRise));
    // Widths of the three legs at their ends.
    for (qreal w : {0.0, u, 2 * u, 4 * u, 5 * u, 6 * u})
        extension(p, n + QPointF(L, w), {eLegDimX, n.y() + w});
    dimensionLine(p, {eLegDimX, n.y()}, {eLegDimX, n.y() + u});
    dimensionLine(p, {eLegDimX, n.y() + 2 * u}, {eLegDimX, n.y() + 4 * u});
    dimensionLine(p, {eLegDimX, n.y() + 5 * u}, {eLegDimX, n.y() + 6 * u});
    // Length again along the near bottom edge.
    const QPointF nb = n + QPointF(0, 6 * u);
    extension(p, nb, {nb.x(), eBottomDimY});
    extension(p, nb + QPointF(L, 0), {nb.x() + L, eBottomDimY});
    dimensionLine(p, {nb.x(), eBottomDimY}, {nb.x() + L, eBottomDimY});
}

void iStack(QPainter& p)
{
    const QPointF f = iFar, n = iFar + depth;
    stackFace(p, swept(f, f + QPointF(0, 6 * u)), faceSide, f, f + QPointF(0, 6 * u), 6);
    stackFace(p, swept(f, f + QPointF(u, 0)), faceTop, f, f + QPointF(u, 0), 6);
    solid(p, QPolygonF(QRectF(n.x(), n.y(), u, 6 * u)), faceNear);

    useDimensionPen(p);
    // Thickness of the bar along the far top edge.
    const QPointF farEnd = f + QPointF(u, 0);
    extension(p, f, {f.x(), pictorialTopDimY});
    extension(p, farEnd, {farEnd.x(), pictorialTopDimY});
    dimensionLine(p, {f.x(), pictorialTopDimY}, {farEnd.x(), pictorialTopDimY}, true);
    // Stack height along the top-right edge.
    const QPointF nearEnd = farEnd + depth;
    extension(p, nearEnd, nearEnd - QPointF(0, depthDimRise));
    dimensionLine(p, farEnd - QPointF(0, depthDimRise), nearEnd - QPointF(0, depthDimRise));
    // Length of the bar beside its near edge.
    const QPointF nr = n + QPointF(u, 0);
    extension(p, nr, {iRightDimX, nr.y()});
    extension(p, nr + QPointF(0, 6 * u), {iRightDimX, nr.y() + 6 * u});
    dimensionLine(p, {iRightDimX, nr.y()}, {iRightDimX, nr.y() + 6 * u});
}

} // namespace

void dimensionArrowHead(QPainter& p, QPointF tip, QPointF from)
{
    const QLineF axis(tip, from);
    if (axis.length() == 0)
        return;
    const QPointF d = (from - tip) / axis.length();
    const QPointF n(-d.y(), d.x());
    const QPointF base = tip + d * arrowLength;
    p.drawPolygon(QPolygonF{tip, base + n * arrowHalfWidth, base - n * arrowHalfWidth});
}

void paintLamination(QPainter& p)
{
    frontView(p);
    eStack(p);
    iStack(p);
}

} // namespace kelvora
