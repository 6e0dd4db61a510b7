#include "cross_section.h"

#include "colour.h"
#include "lamination.h"

#include <QPainter>

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
const QColor clearanceTint(214, 220, 228);
const QColor bad = QColor::fromRgb(rgb(BadPair.background));
const QColor badInsulation(255, 190, 190);

// A band drawn past its room is judged with a little slack, so that rounding
// does not paint a winding that just fits.
constexpr double FitSlack = 1e-9;

// The core drawn: the analysis's own, or the scrapless E/I of the content's a.
Core coreOf(const CrossSectionContent& c)
{
    if (c.analysis && c.analysis->core.family == CoreFamily::UI && c.analysis->core.a > 0)
        return c.analysis->core;
    return eiCore(c.a, 0);
}

// The width one coil may take, from its leg's face.
double room(const CrossSectionContent& c)
{
    return geometryOf(coreOf(c)).coilWidth() - c.settings.clearance;
}

} // namespace

std::vector<Band> windingBands(const CrossSectionContent& c, int leg)
{
    std::vector<Band> bands;
    if (!c.analysis)
        return bands;
    // Radial sizes carry the bulge factor, so the coil's outer edge stands where
    // the fill figure puts it.
    const double kb = c.settings.bulge;
    double x = kb * c.settings.tube;
    for (const Winding& w : c.analysis->windings) {
        const double build = w.legs.size() == 2 ? w.legs[std::size_t(leg)].buildMm : w.buildMm;
        const double to = x + kb * build;
        bands.push_back({x, to, to > room(c) + FitSlack});
        x = to;
    }
    return bands;
}

CrossSectionPicture crossSectionPicture(const QRectF& area, const CrossSectionContent& c)
{
    CrossSectionPicture pic;
    if (!c.analysis || c.analysis->error || !(c.a > 0))
        return pic;
    const ConstructionSettings& s = c.settings;
    const LaminationGeometry g = geometryOf(coreOf(c));
    const double a = c.a, h = g.windowHeight, width = g.windowWidth, leg = a / 4;
    // E/I: the centre leg's coil in one window. U/I: the whole window, leg 1's
    // coil on the left and leg 2's, its mirror image, on the right.
    const int coils = g.coils;
    std::vector<Band> bands[2];
    double coilEdge[2] = {s.bulge * s.tube, s.bulge * s.tube};
    for (int k = 0; k < coils; ++k) {
        bands[k] = windingBands(c, k);
        if (!bands[k].empty())
            coilEdge[k] = bands[k].back().to;
    }

    // Extent in mm: a quarter of each leg round the window, the yokes a
    // quarter of a thick, and an E/I coil that runs farther than the outer leg.
    const double left = -leg;
    const double right = coils == 2 ? width + leg : std::max(width + leg, coilEdge[0] + leg / 2);
    const double top = -leg, bottom = h + leg;
    const double scale = std::min(area.width() / (right - left), area.height() / (bottom - top));
    if (!(scale > 0))
        return pic;

    // Everything is an axis-parallel rectangle: each is rounded to whole pixels
    // and filled straight, which keeps it crisp at any scale and cheap enough to
    // repaint on every keystroke (a transformed rectangle goes through the
    // general rasteriser, fifty times slower).
    const QPointF origin = area.center() - scale * QPointF((left + right) / 2, (top + bottom) / 2);
    auto px = [&](double mmX, double mmY) {
        return QPoint(int(std::lround(origin.x() + scale * mmX)),
                      int(std::lround(origin.y() + scale * mmY)));
    };
    auto& fills = pic.fills;
    QVector<QRect>& ironLines = pic.ironLines;
    QVector<QRect>& copperLines = pic.copperLines;
    auto box = [&](double x, double y, double w, double hh, const QColor& fill,
                   QVector<QRect>* outline = nullptr, int line = 1) {
        const QRect r(px(x, y), px(x + w, y + hh) - QPoint(1, 1));
        if (r.width() <= 0 || r.height() <= 0)
            return;
        if (fill.isValid()) {
            if (fills.empty() || fills.back().first != fill)
                fills.emplace_back(fill, QVector<QRect>());
            fills.back().second.push_back(r);
        }
        if (outline)
            *outline << QRect(r.left(), r.top(), r.width(), line)
                     << QRect(r.left(), r.bottom() - line + 1, r.width(), line)
                     << QRect(r.left(), r.top(), line, r.height())
                     << QRect(r.right() - line + 1, r.top(), line, r.height());
    };

    // Iron round the window, the window's paper and the clearance kept free
    // next to the core (U/I: between the two coils), tinted.
    pic.drawn = true;
    pic.core = QRect(px(left, top), px(width + leg, bottom) - QPoint(1, 1));
    pic.window = QRect(px(0, 0), px(width, h) - QPoint(1, 1));
    // (A pattern brush would cost a hundred times the plain fill.)
    if (s.clearance > 0) {
        const double to = coils == 2 ? width - room(c) : room(c) + std::min(s.clearance, width);
        pic.clearance = QRect(px(room(c), 0), px(to, h) - QPoint(1, 1));
    }
    box(left, top, width + leg - left, bottom - top, QColor(), &ironLines);

    const double kb = s.bulge;
    const double firstTurn = s.flange + s.margin;
    for (int k = 0; k < coils; ++k) {
        // Leg 2's coil grows from the window's right edge leftwards.
        auto coilBox = [&](double x, double y, double w, double hh, const QColor& fill,
                           QVector<QRect>* outline = nullptr) {
            box(k == 0 ? x : width - x - w, y, w, hh, fill, outline);
        };
        // Bobbin: the tube on the leg and a flange at each end.
        const double flangeReach = std::max(room(c), coilEdge[k]);
        coilBox(0, 0, kb * s.tube, h, bobbin, &ironLines);
        coilBox(0, 0, flangeReach, s.flange, bobbin, &ironLines);
        coilBox(0, h - s.flange, flangeReach, s.flange, bobbin, &ironLines);

        // Each winding: its band of insulation with the layers of copper on it,
        // wound from the top flange plus the margin downwards.
        for (std::size_t i = 0; i < bands[k].size(); ++i) {
            const Winding& w = c.analysis->windings[i];
            const Band& b = bands[k][i];
            const bool split = w.legs.size() == 2;
            const double turnsHere = split ? w.legs[std::size_t(k)].turns : w.turns;
            const double layersHere = split ? w.legs[std::size_t(k)].layers : w.layers;
            if (turnsHere <= 0 || layersHere <= 0 || w.turnsPerLayer <= 0)
                continue;
            coilBox(b.from, s.flange, b.to - b.from, h - 2 * s.flange,
                    b.outside ? badInsulation : insulation, &ironLines);
            const double pitch = kb * (w.dOverMm + s.interlayer);
            // Layers closer than 3 px read as one block: no outline between them.
            QVector<QRect>* layerEdge = pitch * scale >= 3 ? &copperLines : nullptr;
            const QColor& fill = b.outside ? bad : copper[i % 2];
            const int layers = int(std::lround(layersHere));
            const double perLayer = w.turnsPerLayer;
            for (int j = 0; j < layers; ++j) {
                const double turns = j + 1 < layers ? perLayer
                                                    : turnsHere - perLayer * (layers - 1);
                coilBox(b.from + j * pitch, firstTurn, kb * w.dOverMm,
                        turns * w.dOverMm * s.lay, fill, layerEdge);
            }
        }
    }
    // The window's edges over the coil, so that a coil running past them shows it.
    box(0, 0, width, h, QColor(), &ironLines, 2);

    return pic;
}

void paintCrossSection(QPainter& p, const CrossSectionPicture& pic)
{
    if (!pic.drawn)
        return;
    p.fillRect(pic.core, iron);
    p.fillRect(pic.window, paper);
    if (pic.clearance.width() > 0)
        p.fillRect(pic.clearance, clearanceTint);
    p.save();
    p.setPen(Qt::NoPen);
    for (const auto& [colour, rects] : pic.fills) {
        p.setBrush(colour);
        p.drawRects(rects);
    }
    p.setBrush(copperEdge);
    p.drawRects(pic.copperLines);
    p.setBrush(ironEdge);
    p.drawRects(pic.ironLines);
    p.restore();
}

void paintCrossSection(QPainter& p, const QRectF& area, const CrossSectionContent& c)
{
    paintCrossSection(p, crossSectionPicture(area, c));
}

} // namespace kelvora
