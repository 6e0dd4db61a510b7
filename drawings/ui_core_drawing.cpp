#include "ui_core_drawing.h"

#include "lamination_drawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace kelvora {

using namespace construction;

namespace {

const QColor outline(20, 20, 20);
const QColor dimension = QColor::fromRgb(lamination::dimensionInk);
const QColor faceU(214, 220, 227);
const QColor faceI(236, 240, 244);
const QColor faceSide(180, 189, 200);

// Room round the views for the dimensions, px.
constexpr qreal TopBand = 34, BottomBand = 40, LeftBand = 64, Between = 96, RightBand = 16;
constexpr qreal DimOffset = 18; // from the object to its dimension line
constexpr qreal ArrowLength = 7, ExtOver = 4; // the arrow heads' length

// A dimension from a to b with its arrows, inside or (when too short) outside.
void dimensionLine(QPainter& p, QPointF a, QPointF b)
{
    const QLineF ab(a, b);
    if (ab.length() <= 0)
        return;
    if (ab.length() > 2 * ArrowLength + 4) {
        p.drawLine(a, b);
        dimensionArrowHead(p, a, b);
        dimensionArrowHead(p, b, a);
        return;
    }
    const QPointF d = (b - a) / ab.length();
    const QPointF tailA = a - d * (ArrowLength + 6), tailB = b + d * (ArrowLength + 6);
    p.drawLine(tailA, tailB);
    dimensionArrowHead(p, a, tailA);
    dimensionArrowHead(p, b, tailB);
}

// Extension line from the object to a little past its dimension line.
void extension(QPainter& p, QPointF from, QPointF to)
{
    const QLineF l(from, to);
    if (l.length() <= 0)
        return;
    const QPointF d = (to - from) / l.length();
    p.drawLine(from + d * 3, to + d * ExtOver);
}

// The text in an opaque box centred on `at`.
void label(QPainter& p, QPointF at, const std::string& text)
{
    const QString t = QString::fromStdString(text);
    const QFontMetricsF fm(p.font());
    const QSizeF size(fm.horizontalAdvance(t) + 6, fm.height() + 1);
    const QRectF box(at - QPointF(size.width() / 2, size.height() / 2), size);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(box);
    p.setPen(Qt::black);
    p.drawText(box, Qt::AlignCenter, t);
    p.restore();
}

// Width of a label's text, px.
qreal textWidth(QPainter& p, const std::string& text)
{
    return QFontMetricsF(p.font()).horizontalAdvance(QString::fromStdString(text)) + 6;
}

} // namespace

std::vector<UIDimension> uiCoreDimensions(const Core& k, const Settings& cfg)
{
    const LaminationGeometry g = geometryOf(k);
    const std::string a = general(k.a, cfg);
    return {
        {"LUILargura", general(g.outlineWidth, cfg)},
        {"LUIPerna1", a},
        {"LUIJanela", general(k.c, cfg)},
        {"LUIPerna2", a},
        {"LUIAltura", general(g.outlineHeight, cfg)},
        {"LUIBarra", a},
        {"LUIAlturaJanela", general(k.h, cfg)},
        {"LUIBase", a},
        {"LUIEmpilhamento", general(k.b, cfg)},
    };
}

void paintUICore(QPainter& p, const QRectF& area, const Core& k, const Settings& cfg)
{
    const LaminationGeometry g = geometryOf(k);
    const double W = g.outlineWidth, H = g.outlineHeight;
    if (!(k.a > 0) || !(k.b > 0) || !(k.c > 0) || !(k.h > 0))
        return;
    const qreal s = std::min((area.width() - LeftBand - Between - RightBand) / (W + k.b),
                             (area.height() - TopBand - BottomBand) / H);
    if (!(s > 0))
        return;
    const std::vector<UIDimension> d = uiCoreDimensions(k, cfg);
    const qreal used = LeftBand + W * s + Between + k.b * s + RightBand;
    const qreal x0 = area.left() + (area.width() - used) / 2 + LeftBand;
    const qreal y0 = area.top() + (area.height() - TopBand - BottomBand - H * s) / 2 + TopBand;
    const qreal a = k.a * s, c = k.c * s, h = k.h * s, w = W * s, ht = H * s, b = k.b * s;
    const qreal sx = x0 + w + Between; // side view

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    p.setFont(f);

    // 1. The U (legs up) and the I across them, butt-jointed.
    p.setPen(QPen(outline, 1.2));
    p.setBrush(faceU);
    p.drawPolygon(QPolygonF{{x0, y0 + a},
                            {x0 + a, y0 + a},
                            {x0 + a, y0 + a + h},
                            {x0 + a + c, y0 + a + h},
                            {x0 + a + c, y0 + a},
                            {x0 + w, y0 + a},
                            {x0 + w, y0 + ht},
                            {x0, y0 + ht}});
    p.setBrush(faceI);
    p.drawRect(QRectF(x0, y0, w, a));
    // 2. The stack from the side: the I's stack above the U's.
    p.setBrush(faceSide);
    p.drawRect(QRectF(sx, y0 + a, b, ht - a));
    p.setBrush(faceI);
    p.drawRect(QRectF(sx, y0, b, a));

    // 3. Dimensions.
    p.setPen(QPen(dimension, 0.8));
    p.setBrush(dimension);
    // Overall width above the front view.
    const qreal top = y0 - DimOffset;
    extension(p, {x0, y0}, {x0, top});
    extension(p, {x0 + w, y0}, {x0 + w, top});
    dimensionLine(p, {x0, top}, {x0 + w, top});
    // Legs and window under it, from the window's lower corners.
    const qreal bottom = y0 + ht + DimOffset;
    const qreal chain[4] = {x0, x0 + a, x0 + a + c, x0 + w};
    extension(p, {x0, y0 + ht}, {x0, bottom});
    extension(p, {x0 + w, y0 + ht}, {x0 + w, bottom});
    extension(p, {x0 + a, y0 + a + h}, {x0 + a, bottom});
    extension(p, {x0 + a + c, y0 + a + h}, {x0 + a + c, bottom});
    for (int i = 0; i < 3; ++i)
        dimensionLine(p, {chain[i], bottom}, {chain[i + 1], bottom});
    // Overall height at the left.
    const qreal left = x0 - DimOffset - 8;
    extension(p, {x0, y0}, {left, y0});
    extension(p, {x0, y0 + ht}, {left, y0 + ht});
    dimensionLine(p, {left, y0}, {left, y0 + ht});
    // I bar, window height and the U's yoke at the right.
    const qreal right = x0 + w + DimOffset + 8;
    const qreal rise[4] = {y0, y0 + a, y0 + a + h, y0 + ht};
    extension(p, {x0 + w, y0}, {right, y0});
    extension(p, {x0 + w, y0 + a}, {right, y0 + a});
    extension(p, {x0 + a + c, y0 + a + h}, {right, y0 + a + h});
    extension(p, {x0 + w, y0 + ht}, {right, y0 + ht});
    for (int i = 0; i < 3; ++i)
        dimensionLine(p, {right, rise[i]}, {right, rise[i + 1]});
    // Stack under the side view.
    extension(p, {sx, y0 + ht}, {sx, bottom});
    extension(p, {sx + b, y0 + ht}, {sx + b, bottom});
    dimensionLine(p, {sx, bottom}, {sx + b, bottom});

    // 4. The numbers on their lines; a leg too narrow for its number carries
    // it below the line.
    label(p, {x0 + w / 2, top}, d[0].text);
    for (int i = 0; i < 3; ++i) {
        const qreal span = chain[i + 1] - chain[i];
        const std::string& t = d[std::size_t(1 + i)].text;
        const qreal below = textWidth(p, t) + 4 > span ? 13 : 0;
        label(p, {(chain[i] + chain[i + 1]) / 2, bottom + below}, t);
    }
    label(p, {left, y0 + ht / 2}, d[4].text);
    for (int i = 0; i < 3; ++i)
        label(p, {right, (rise[i] + rise[i + 1]) / 2}, d[std::size_t(5 + i)].text);
    label(p, {sx + b / 2, bottom + (textWidth(p, d[8].text) + 4 > b ? 13 : 0)}, d[8].text);
    p.restore();
}

} // namespace kelvora
