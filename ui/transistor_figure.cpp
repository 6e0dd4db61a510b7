#include "transistor_figure.h"

#include "schematic.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace kelvora {

namespace {

using namespace schematic;

constexpr int BodyRadius = 16; // transistor envelope
constexpr int LeadReach = 22;  // from a transistor's centre to the end of its leads

// A filled arrowhead at `tip`, pointing along (dx, dy): the direction of a current.
void arrowhead(QPainter& p, QPointF tip, qreal dx, qreal dy)
{
    const qreal len = std::hypot(dx, dy);
    dx /= len;
    dy /= len;
    const qreal l = 7, w = 3.5;
    QPolygonF head;
    head << tip << QPointF(tip.x() - l * dx - w * dy, tip.y() - l * dy + w * dx)
         << QPointF(tip.x() - l * dx + w * dy, tip.y() - l * dy - w * dx);
    p.save();
    p.setBrush(p.pen().color());
    p.drawPolygon(head);
    p.restore();
}

// A resistor along a vertical lead, drawn as a box.
void resistor(QPainter& p, int x, int y0, int y1)
{
    p.save();
    p.setBrush(Qt::white);
    p.drawRect(QRect(x - 5, y0, 10, y1 - y0));
    p.restore();
}

// A diode conducting downwards (anode at y0), 12 px tall.
void diode(QPainter& p, int x, int y0)
{
    QPolygon tri;
    tri << QPoint(x - 7, y0) << QPoint(x + 7, y0) << QPoint(x, y0 + 12);
    p.save();
    p.setBrush(Qt::black);
    p.drawPolygon(tri);
    p.restore();
    p.drawLine(x - 7, y0 + 12, x + 7, y0 + 12);
}

// An NPN transistor: base from the left (`side` +1) or the right (-1),
// collector up (`vdir` -1) or down (+1), emitter opposite with its arrow.
void npn(QPainter& p, QPoint c, int side, int vdir)
{
    p.save();
    p.setBrush(QColor(0xf4, 0xf4, 0xee));
    p.drawEllipse(QPointF(c), BodyRadius, BodyRadius);
    p.restore();
    const int bar = c.x() - side * 5;
    const int lead = c.x() + side * 6;
    QPen thick = p.pen();
    thick.setWidthF(2.6);
    p.save();
    p.setPen(thick);
    p.drawLine(bar, c.y() - 9, bar, c.y() + 9);
    p.restore();
    p.drawLine(c.x() - side * LeadReach, c.y(), bar, c.y());
    wire(p, {{bar, c.y() + vdir * 4}, {lead, c.y() + vdir * 12}, {lead, c.y() + vdir * LeadReach}});
    wire(p, {{bar, c.y() - vdir * 4}, {lead, c.y() - vdir * 12}, {lead, c.y() - vdir * LeadReach}});
    arrowhead(p, QPointF(lead - side * 1.5, c.y() - vdir * 11), side * 11, -vdir * 8);
}

// Where the parts sit in the 495 x 330 drawing space.
constexpr QPoint Q1{274, 50}, Q2{274, 280}, Q3{170, 130};
constexpr int DriverPrimaryX = 64, DriverCoreX = 82, DriverSecondaryX = 102;
constexpr int CentreTap = 165;
constexpr int BiasX = 210; // R1 and the diodes
constexpr int OutputPrimaryX = 400, OutputCoreX = 418, OutputSecondaryX = 440;
constexpr int OutTerminalX = 478;
constexpr int q3Lead = Q3.x() - 6;                // Q3's collector and emitter
constexpr int biasSupplyX = (q3Lead + BiasX) / 2; // the bias chain's supply
constexpr int lead = Q1.x() + 6;                  // Q1's and Q2's collectors and emitters

constexpr int CaptionPixels = 11;
constexpr int Clear = 5; // from a symbol's outline to the ink of its caption

enum class Style { Name, Current, Plain }; // component names bold, currents italic, notes plain

// A caption's ink is put against `at`: AlignLeft puts its left edge there, AlignRight its
// right edge, AlignHCenter its middle; vertically the same with the capital height.
// `line` counts lines down from `at` for the captions written on two lines.
struct Place {
    const char* text;
    Style style;
    QPointF at;
    Qt::Alignment align;
    int line = 0;
};

constexpr Qt::Alignment LeftMid = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment RightMid = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment Centre = Qt::AlignHCenter | Qt::AlignVCenter;
constexpr Qt::Alignment Above = Qt::AlignHCenter | Qt::AlignBottom;
constexpr Qt::Alignment Below = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment TopLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment TopRight = Qt::AlignRight | Qt::AlignTop;

// Current arrows are 7 long and 3.5 to each side of their wire (arrowhead()); a current's
// caption keeps clear of the arrow, a component's caption of its outline.
const Place Places[] = {
    {"Q1", Style::Name, {Q1.x() + BodyRadius + Clear, Q1.y()}, LeftMid},
    {"Q2", Style::Name, {Q2.x() + BodyRadius + Clear, Q2.y()}, LeftMid},
    {"Q3", Style::Name, {Q3.x() - BodyRadius - Clear, Q3.y()}, RightMid},
    {"Re", Style::Name, {lead + 5 + Clear, 102}, LeftMid},
    {"Re", Style::Name, {lead + 5 + Clear, 228}, LeftMid},
    {"R1", Style::Name, {BiasX + 5 + Clear, 108}, LeftMid},
    {"D1", Style::Name, {BiasX + 7 + Clear, 156}, LeftMid},
    {"D2", Style::Name, {BiasX + 7 + Clear, 180}, LeftMid},
    {"Vcc", Style::Name, {biasSupplyX + 3.5 + Clear, 72}, LeftMid},
    {"Vcc", Style::Name, {360, CentreTap - 3.5 - Clear}, Above},
    {"Rd", Style::Name, {20, CentreTap}, Centre},
    {"m2", Style::Name, {DriverPrimaryX - Clear, 152}, RightMid},
    {"n2", Style::Name, {DriverSecondaryX + Clear, (Q1.y() + CentreTap - 10) / 2.0}, LeftMid},
    {"n2", Style::Name, {DriverSecondaryX + Clear, (CentreTap + 10 + Q2.y()) / 2.0}, LeftMid},
    {"Ro", Style::Name, {OutTerminalX - 8, CentreTap}, Centre},
    {"Ib", Style::Current, {216.5, Q1.y() - 3.5 - Clear}, Above},
    {"Ib", Style::Current, {216.5, Q2.y() + 3.5 + Clear}, Below},
    {"Ic0", Style::Current, {343.5, 16 + 3.5 + Clear}, Below},
    {"I1", Style::Current, {BiasX + 3.5 + Clear, 87.5}, LeftMid},
    {"I2", Style::Current, {BiasX - 3.5 - Clear, Q3.y() + 3.5 + Clear}, TopRight},
    {"Id", Style::Current, {BiasX + 3.5 + Clear, 141}, LeftMid}, // clear of D1 below
    {QT_TRANSLATE_NOOP("kelvora", "Transf."), Style::Plain, {24, 240}, TopLeft},
    {QT_TRANSLATE_NOOP("kelvora", "driver"), Style::Plain, {24, 240}, TopLeft, 1},
    {QT_TRANSLATE_NOOP("kelvora", "Transf. de"), Style::Plain, {OutputCoreX - 4, 280}, TopLeft},
    {QT_TRANSLATE_NOOP("kelvora", "modulação"), Style::Plain, {OutputCoreX - 4, 280}, TopLeft, 1},
};

} // namespace

TransistorFigure::TransistorFigure(QWidget* parent) : Picture(parent)
{
    setObjectName(QStringLiteral("Image7"));
    resize(DrawingWidth, DrawingHeight);
}

QSize TransistorFigure::sizeHint() const { return {DrawingWidth, DrawingHeight}; }

void TransistorFigure::fitDrawing(QPainter& p, QSize size)
{
    const qreal scale = std::min(qreal(size.width()) / DrawingWidth,
                                 qreal(size.height()) / DrawingHeight);
    p.translate((size.width() - DrawingWidth * scale) / 2,
                (size.height() - DrawingHeight * scale) / 2);
    p.scale(scale, scale);
}

void TransistorFigure::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    fitDrawing(p, size());
    paintCircuit(p);
    p.setPen(Qt::black);
    for (const Caption& c : captions()) {
        p.setFont(c.font);
        p.drawText(c.origin, c.text);
    }
}

void TransistorFigure::paintCircuit(QPainter& p)
{
    p.save();
    QPen pen(Qt::black, 1.4);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);

    // Driver transformer: primary m2 from the driver (Rd), centre-tapped
    // secondary n2 to the two bases.
    terminal(p, {20, 110});
    terminal(p, {20, 220});
    p.drawLine(24, 110, DriverPrimaryX, 110);
    p.drawLine(24, 220, DriverPrimaryX, 220);
    verticalCoil(p, DriverPrimaryX, 110, 220, 5, +1);
    p.drawLine(DriverCoreX, 40, DriverCoreX, 290);
    p.drawLine(DriverCoreX + 4, 40, DriverCoreX + 4, 290);
    verticalCoil(p, DriverSecondaryX, Q1.y(), CentreTap - 10, 4, -1);
    p.drawLine(DriverSecondaryX, CentreTap - 10, DriverSecondaryX, CentreTap + 10);
    verticalCoil(p, DriverSecondaryX, CentreTap + 10, Q2.y(), 4, -1);
    junction(p, {DriverSecondaryX, CentreTap});
    p.drawLine(DriverSecondaryX, Q1.y(), Q1.x() - LeadReach, Q1.y());
    p.drawLine(DriverSecondaryX, Q2.y(), Q2.x() - LeadReach, Q2.y());

    // Bias: R1 and the two diodes hold Q3's base 1.4 V up; Q3 follows and
    // feeds the bases' standing current through the secondary's centre tap.
    npn(p, Q3, -1, -1);
    wire(p, {{q3Lead, Q3.y() + LeadReach}, {q3Lead, CentreTap}, {DriverSecondaryX, CentreTap}});
    wire(p, {{q3Lead, Q3.y() - LeadReach}, {q3Lead, 84}, {BiasX, 84}, {BiasX, 94}});
    p.drawLine(biasSupplyX, 84, biasSupplyX, 78);
    terminal(p, {biasSupplyX, 75});
    resistor(p, BiasX, 94, 122);
    p.drawLine(BiasX, 122, BiasX, 150);
    p.drawLine(Q3.x() + LeadReach, Q3.y(), BiasX, Q3.y());
    junction(p, {BiasX, Q3.y()});
    diode(p, BiasX, 150);
    p.drawLine(BiasX, 162, BiasX, 174);
    diode(p, BiasX, 174);
    p.drawLine(BiasX, 186, BiasX, 198);
    ground(p, {BiasX, 198});

    // The push-pull pair with its emitter resistors to ground.
    npn(p, Q1, +1, -1);
    npn(p, Q2, +1, +1);
    p.drawLine(lead, Q1.y() + LeadReach, lead, 82);
    resistor(p, lead, 82, 122);
    p.drawLine(lead, 122, lead, 208);
    resistor(p, lead, 208, 248);
    p.drawLine(lead, 248, lead, Q2.y() - LeadReach);
    junction(p, {lead, CentreTap});
    wire(p, {{lead, CentreTap}, {310, CentreTap}, {310, 176}});
    ground(p, {310, 176});

    // Modulation transformer: collectors to the ends of the primary, Vcc
    // into its centre tap, the secondary towards the load Ro.
    wire(p, {{lead, Q1.y() - LeadReach}, {lead, 16}, {OutputPrimaryX, 16}, {OutputPrimaryX, 70}});
    wire(p,
         {{lead, Q2.y() + LeadReach}, {lead, 314}, {OutputPrimaryX, 314}, {OutputPrimaryX, 260}});
    verticalCoil(p, OutputPrimaryX, 70, CentreTap - 5, 4, +1);
    p.drawLine(OutputPrimaryX, CentreTap - 5, OutputPrimaryX, CentreTap + 5);
    verticalCoil(p, OutputPrimaryX, CentreTap + 5, 260, 4, +1);
    junction(p, {OutputPrimaryX, CentreTap});
    p.drawLine(OutputPrimaryX, CentreTap, 364, CentreTap);
    terminal(p, {360, CentreTap});
    p.drawLine(OutputCoreX, 60, OutputCoreX, 270);
    p.drawLine(OutputCoreX + 4, 60, OutputCoreX + 4, 270);
    verticalCoil(p, OutputSecondaryX, 100, 230, 6, -1);
    p.drawLine(OutputSecondaryX, 100, OutTerminalX - 4, 100);
    p.drawLine(OutputSecondaryX, 230, OutTerminalX - 4, 230);
    terminal(p, {OutTerminalX, 100});
    terminal(p, {OutTerminalX, 230});

    // Currents the results name, in their conventional direction.
    arrowhead(p, {220, qreal(Q1.y())}, 1, 0);
    arrowhead(p, {220, qreal(Q2.y())}, 1, 0);
    arrowhead(p, {340, 16}, -1, 0);
    arrowhead(p, {qreal(BiasX), 91}, 0, 1);
    arrowhead(p, {197, qreal(Q3.y())}, -1, 0);
    arrowhead(p, {qreal(BiasX), 146}, 0, 1);
    p.restore();
}

QList<TransistorFigure::Caption> TransistorFigure::captions() const
{
    QFont base = font();
    base.setPixelSize(CaptionPixels);
    QFont name = base, current = base;
    name.setBold(true);
    current.setItalic(true);
    QList<Caption> out;
    for (const Place& c : Places) {
        const QFont& f = c.style == Style::Name ? name : c.style == Style::Current ? current : base;
        const QFontMetricsF fm(f, this);
        // The names and currents are symbols; the plain captions are words, in
        // the language chosen now.
        const QString text = QCoreApplication::translate("kelvora", c.text);
        const QRectF tight = fm.tightBoundingRect(text);
        // Captions that share a line share a baseline: the vertical anchor is the capital
        // height, while the horizontal one is the ink so gaps to a symbol are what one sees.
        const qreal cap = fm.capHeight();
        qreal x = c.at.x() - tight.left();
        if (c.align & Qt::AlignRight)
            x = c.at.x() - tight.right();
        else if (c.align & Qt::AlignHCenter)
            x = c.at.x() - tight.center().x();
        const qreal top = c.at.y() + c.line * fm.lineSpacing();
        qreal baseline = top + cap / 2;
        if (c.align & Qt::AlignTop)
            baseline = top + cap;
        else if (c.align & Qt::AlignBottom)
            baseline = top;
        const QPointF origin(x, baseline);
        out.append({text, f, origin, tight.translated(origin)});
    }
    return out;
}

} // namespace kelvora
