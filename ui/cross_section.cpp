#include "cross_section.h"

#include "colour.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace kelvora {

using namespace construction;

namespace {

const QColor iron(150, 160, 172);
const QColor ironEdge(90, 98, 110);
const QColor bobbin(214, 186, 128);
const QColor insulation(250, 240, 190);
const QColor copper[2] = {QColor(196, 112, 52), QColor(160, 84, 36)};
const QColor copperEdge(110, 56, 20);
const QColor paper(255, 255, 255);
const QColor bad = QColor::fromRgb(rgb(BadPair.background));
const QColor badInsulation(255, 190, 190);

// A band drawn past its room is judged with a little slack, so that rounding
// does not paint a winding that just fits.
constexpr double FitSlack = 1e-9;

double room(const CrossSectionContent& c) { return c.a / 2 - c.settings.clearance; }

} // namespace

std::vector<Band> windingBands(const CrossSectionContent& c)
{
    std::vector<Band> bands;
    if (!c.analysis)
        return bands;
    // Radial sizes carry the bulge factor, so the coil's outer edge stands where
    // the fill figure puts it.
    const double kb = c.settings.bulge;
    double x = kb * c.settings.tube;
    for (const Winding& w : c.analysis->windings) {
        const double to = x + kb * w.buildMm;
        bands.push_back({x, to, to > room(c) + FitSlack});
        x = to;
    }
    return bands;
}

void paintCrossSection(QPainter& p, const QRectF& area, const CrossSectionContent& c)
{
    if (!c.analysis || c.analysis->error || !(c.a > 0))
        return;
    const ConstructionSettings& s = c.settings;
    const double a = c.a, h = 1.5 * a, leg = a / 4;
    const std::vector<Band> bands = windingBands(c);
    const double coilEdge = bands.empty() ? s.bulge * s.tube : bands.back().to;

    // Extent in mm: a quarter of the centre leg and of the outer leg, the
    // yokes a quarter of a thick, and a coil that runs farther than the outer leg.
    const double left = -leg, right = std::max(a / 2 + leg, coilEdge + leg / 2);
    const double top = -leg, bottom = h + leg;
    const double scale = std::min(area.width() / (right - left), area.height() / (bottom - top));
    if (!(scale > 0))
        return;

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(area.center());
    p.scale(scale, scale);
    p.translate(-(left + right) / 2, -(top + bottom) / 2);
    QPen edge(ironEdge, 0);
    edge.setCosmetic(true);

    // Iron round the window, then the window itself.
    QPainterPath core;
    core.addRect(QRectF(left, top, a / 2 + leg - left, bottom - top));
    QPainterPath window;
    window.addRect(QRectF(0, 0, a / 2, h));
    p.setPen(edge);
    p.setBrush(iron);
    p.drawPath(core.subtracted(window));
    p.setBrush(paper);
    p.drawRect(QRectF(0, 0, a / 2, h));

    // The clearance kept free next to the core.
    if (s.clearance > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(QBrush(ironEdge, Qt::BDiagPattern));
        p.drawRect(QRectF(room(c), 0, std::min(s.clearance, a / 2), h));
    }

    // Bobbin: the tube on the leg and a flange at each end.
    const double kb = s.bulge;
    const double flangeReach = std::max(room(c), coilEdge);
    p.setPen(edge);
    p.setBrush(bobbin);
    p.drawRect(QRectF(0, 0, kb * s.tube, h));
    p.drawRect(QRectF(0, 0, flangeReach, s.flange));
    p.drawRect(QRectF(0, h - s.flange, flangeReach, s.flange));

    // Each winding: its band of insulation with the layers of copper on it,
    // wound from the top flange plus the margin downwards.
    const double firstTurn = s.flange + s.margin;
    QPen layerEdge(copperEdge, 0);
    layerEdge.setCosmetic(true);
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const Winding& w = c.analysis->windings[i];
        const Band& b = bands[i];
        if (w.turns <= 0 || w.layers <= 0 || w.turnsPerLayer <= 0)
            continue;
        p.setPen(edge);
        p.setBrush(b.outside ? badInsulation : insulation);
        p.drawRect(QRectF(b.from, s.flange, b.to - b.from, h - 2 * s.flange));
        const double pitch = kb * (w.dOverMm + s.interlayer);
        // Layers closer than 3 px read as one block: no outline between them.
        p.setPen(pitch * scale >= 3 ? layerEdge : QPen(Qt::NoPen));
        p.setBrush(b.outside ? bad : copper[i % 2]);
        const int layers = int(std::lround(w.layers));
        const double perLayer = w.turnsPerLayer;
        for (int j = 0; j < layers; ++j) {
            const double turns = j + 1 < layers ? perLayer : w.turns - perLayer * (layers - 1);
            p.drawRect(QRectF(b.from + j * pitch, firstTurn, kb * w.dOverMm,
                              turns * w.dOverMm * s.lay));
        }
    }
    // The window's edges over the coil, so that a coil running past them shows it.
    QPen windowEdge(ironEdge, 1.5);
    windowEdge.setCosmetic(true);
    p.setPen(windowEdge);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0, 0, a / 2, h));
    p.restore();
}

CrossSectionView::CrossSectionView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PBCoCorte"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(160, 200);
}

void CrossSectionView::setContent(const Analysis& analysis, const ConstructionSettings& settings,
                                  double a)
{
    analysis_ = analysis;
    content_ = {&analysis_, settings, a};
    update();
}

void CrossSectionView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    paintCrossSection(p, QRectF(rect()).adjusted(4, 4, -4, -4), content_);
}

} // namespace kelvora
