#include "modulator_diagram.h"

#include "schematic.h"

#include <QPainter>
#include <QPainterPath>

namespace kelvora {

using namespace diagram;

namespace {

using namespace schematic;

// A triode on its side: cathode left, grid (dashed) in the middle, plate
// right; the plate lead leaves on the right, the grid lead towards `gridDir`
// (+1 down, -1 up), the cathode lead on the left.
void valve(QPainter& p, QPoint c, int gridDir)
{
    const int r = ValveRadius;
    p.save();
    p.setBrush(QColor(0xf4, 0xf4, 0xee));
    p.drawEllipse(QPointF(c), r, r);
    p.restore();
    // Plate and cathode.
    QPen thick = p.pen();
    thick.setWidthF(2.5);
    p.save();
    p.setPen(thick);
    p.drawLine(c.x() + 10, c.y() - 10, c.x() + 10, c.y() + 10);
    p.drawLine(c.x() - 11, c.y() - 7, c.x() - 11, c.y() + 7);
    p.restore();
    // Grid.
    QPen dashed = p.pen();
    dashed.setStyle(Qt::DashLine);
    p.save();
    p.setPen(dashed);
    p.drawLine(c.x(), c.y() - 13, c.x(), c.y() + 13);
    p.restore();
    p.drawLine(c.x() + 10, c.y(), c.x() + r, c.y());
    p.drawLine(c.x() - 11, c.y(), c.x() - r, c.y());
    p.drawLine(c.x(), c.y() + 13 * gridDir, c.x(), c.y() + r * gridDir);
}

} // namespace

ModulatorDiagram::ModulatorDiagram(QWidget* parent) : Picture(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    resize(Width, Height);
}

QSize ModulatorDiagram::sizeHint() const { return {Width, Height}; }

void ModulatorDiagram::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Keep the drawing's proportions inside whatever size the panel gives us.
    const qreal scale = std::min(qreal(width()) / Width, qreal(height()) / Height);
    p.translate((width() - Width * scale) / 2, (height() - Height * scale) / 2);
    p.scale(scale, scale);
    QPen pen(Qt::black, 1.4);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);

    // The push-pull pair, cathodes to ground, grids to the driver.
    valve(p, Valve1, +1);
    valve(p, Valve2, -1);
    const int r = ValveRadius;
    const int cathodeX = Valve1.x() - r - 16;
    wire(p, {{Valve1.x() - r, Valve1.y()}, {cathodeX, Valve1.y()}, {cathodeX, Height - 24}});
    wire(p, {{Valve2.x() - r, Valve2.y()}, {cathodeX, Valve2.y()}});
    junction(p, {cathodeX, Valve2.y()});
    ground(p, {cathodeX, Height - 24});
    wire(p, {{Valve1.x(), Valve1.y() + r}, {Valve1.x(), Valve1.y() + r + 18}});
    terminal(p, {Valve1.x(), Valve1.y() + r + 21});
    wire(p, {{Valve2.x(), Valve2.y() - r}, {Valve2.x(), Valve2.y() - r - 18}});
    terminal(p, {Valve2.x(), Valve2.y() - r - 21});

    // Plates to the ends of the primary; its centre tap to +B Mod.
    wire(p, {{Valve1.x() + r, Valve1.y()}, {PrimaryX, Valve1.y()}, {PrimaryX, PrimaryTop}});
    wire(p, {{Valve2.x() + r, Valve2.y()}, {PrimaryX, Valve2.y()}, {PrimaryX, PrimaryBottom}});
    verticalCoil(p, PrimaryX, PrimaryTop, CentreTap - 4, 4, +1);
    verticalCoil(p, PrimaryX, CentreTap + 4, PrimaryBottom, 4, +1);
    p.drawLine(PrimaryX, CentreTap - 4, PrimaryX, CentreTap + 4);
    p.drawLine(PrimaryX, CentreTap, 108, CentreTap);
    junction(p, {PrimaryX, CentreTap});
    terminal(p, {104, CentreTap});

    // Laminated core and secondary.
    p.drawLine(CoreX, Valve1.y(), CoreX, Valve2.y());
    p.drawLine(CoreX + 4, Valve1.y(), CoreX + 4, Valve2.y());
    verticalCoil(p, SecondaryX, SecondaryTop, SecondaryBottom, 6, -1);

    // RF choke on the line to the RF stage's plate.
    horizontalCoil(p, ChokeLeft, ChokeRight, SecondaryTop, 4);
    p.drawLine(ChokeRight, SecondaryTop, TerminalX - 4, SecondaryTop);
    terminal(p, {TerminalX, SecondaryTop});
    terminal(p, {TerminalX, SecondaryBottom});

    paintCoupling(p);
}

ConvModulatorDiagram::ConvModulatorDiagram(QWidget* parent) : ModulatorDiagram(parent)
{
    setObjectName(QStringLiteral("ImgConvTM"));
}

void ConvModulatorDiagram::paintCoupling(QPainter& p)
{
    // The secondary in series with the RF stage's supply: it carries Ibrf.
    p.drawLine(SecondaryX, SecondaryTop, ChokeLeft, SecondaryTop);
    p.drawLine(SecondaryX, SecondaryBottom, TerminalX - 4, SecondaryBottom);
}

ReactorModulatorDiagram::ReactorModulatorDiagram(QWidget* parent) : ModulatorDiagram(parent)
{
    setObjectName(QStringLiteral("ImgReatorTM"));
}

void ReactorModulatorDiagram::paintCoupling(QPainter& p)
{
    // Secondary -> coupling capacitor -> junction with the reactor.
    p.drawLine(SecondaryX, SecondaryTop, CapacitorX - 4, SecondaryTop);
    QPen plate = p.pen();
    plate.setWidthF(2.5);
    p.save();
    p.setPen(plate);
    p.drawLine(CapacitorX - 4, SecondaryTop - PlateHalf, CapacitorX - 4, SecondaryTop + PlateHalf);
    p.drawLine(CapacitorX + 4, SecondaryTop - PlateHalf, CapacitorX + 4, SecondaryTop + PlateHalf);
    p.restore();
    p.drawLine(CapacitorX + 4, SecondaryTop, ChokeLeft, SecondaryTop);
    junction(p, {ReactorX, SecondaryTop});

    // The reactor brings the RF stage's DC from +B; the secondary returns to ground.
    p.drawLine(ReactorX, SecondaryTop, ReactorX, ReactorTop);
    verticalCoil(p, ReactorX, ReactorTop, ReactorBottom, 5, +1);
    wire(p, {{ReactorX, ReactorBottom},
             {ReactorX, SecondaryBottom},
             {TerminalX - 4, SecondaryBottom}});
    // Iron core of the reactor.
    p.drawLine(ReactorX + 13, ReactorTop, ReactorX + 13, ReactorBottom);
    p.drawLine(ReactorCoreX, ReactorTop, ReactorCoreX, ReactorBottom);
    p.drawLine(SecondaryX, SecondaryBottom, SecondaryX, SecondaryBottom + 14);
    ground(p, {SecondaryX, SecondaryBottom + 14});
}

} // namespace kelvora
