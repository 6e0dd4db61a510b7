#pragma once
// The coil's cross-section in one window of a scrapless E/I lamination, to
// scale: a part of the centre leg, the window (a/2 wide, 1.5 a high) with the
// yokes and the outer leg round it, the bobbin tube and flanges, each winding
// as a band of its layers with the insulation between them, the clearance to
// the core and the room left free. A winding that ends beyond the room it has
// is drawn in the bad colour, running past the window's edge. A U/I core's
// window shows both coils side by side, each on its leg, the clearance
// between them.
#include "construction.h"

#include <QColor>
#include <QRect>
#include <QRectF>
#include <QVector>

#include <utility>
#include <vector>

class QPainter;

namespace kelvora {

// What the drawing needs: the analysis (without an error) and the settings
// it was made with, and the centre-leg width a (mm).
struct CrossSectionContent {
    const construction::Analysis* analysis = nullptr;
    construction::ConstructionSettings settings;
    double a = 0;
};

// The cross-section centred in `area`, as large as fits, as what is painted:
// axis-parallel rectangles in whole pixels.
struct CrossSectionPicture {
    bool drawn = false;                                   // false: nothing to draw
    QRect core, window, clearance;                        // iron, the window's paper, the clearance
    std::vector<std::pair<QColor, QVector<QRect>>> fills; // in painting order
    QVector<QRect> copperLines, ironLines;                // outlines, painted last
    bool operator==(const CrossSectionPicture&) const = default;
};
CrossSectionPicture crossSectionPicture(const QRectF& area, const CrossSectionContent& c);
void paintCrossSection(QPainter& p, const CrossSectionPicture& picture);
// Paints the cross-section centred in `area`, as large as fits.
void paintCrossSection(QPainter& p, const QRectF& area, const CrossSectionContent& c);

// The winding's band as drawn, in mm from the centre leg's face (radial, with
// the bulge factor) and whether it ends beyond the room it has; `leg` 0 or 1
// picks the coil of a U/I core (an E/I has only coil 0).
struct Band {
    double from, to;
    bool outside;
};
std::vector<Band> windingBands(const CrossSectionContent& c, int leg = 0);

} // namespace kelvora
