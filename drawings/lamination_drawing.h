#pragma once
// The dimensioned drawing of a standard scrapless E/I lamination stack shown
// by the core window: front view of the E with its I bar and the stack seen
// from below, a pictorial view of the E stack lying with its legs to the
// right and one of the I stack. It carries no numbers; the window places its
// dimension labels on the dimension lines laid out here.
#include <QPointF>
#include <QRgb>

class QPainter;

namespace kelvora {

// Coordinates of the core window (the drawing's origin sits at `origin`).
// Scrapless E/I: with u = Bn/2 the E is 6u wide and 4u high, its windows
// u x 3u, outer legs and I bar u thick. Two E facing each other with their
// legs interleaved leave two I bars in their windows, so a strip is punched
// without waste, which is why every dimension is a multiple of Bn.
namespace lamination {
constexpr qreal u = 38;             // half the centre-leg width, px
constexpr QPointF origin{24, 64};   // top-left corner of the drawing
constexpr QPointF extent{729, 417}; // design size of the drawing

// Front view: E with its legs down, the I bar below it, the stack below that.
constexpr qreal frontLeft = 69, frontTop = 120.5;
constexpr qreal barTop = frontTop + 4 * u + 17; // I bar, shown apart
constexpr qreal stackTop = barTop + u + 17;     // stack seen from below
constexpr qreal stackDepth = 2 * u;             // drawn stack height
constexpr qreal leftDimX = 42;                  // vertical dimensions at the left
constexpr qreal topDimY = 86.5;                 // overall width
constexpr qreal chainY = 452;                   // legs and windows, under the stack
// The bottom chain's segments: outer leg, window, centre leg, window, outer leg.
constexpr qreal chainEdge[6] = {frontLeft,         frontLeft + u,     frontLeft + 2 * u,
                                frontLeft + 4 * u, frontLeft + 5 * u, frontLeft + 6 * u};
constexpr qreal chainMiddle(int i) { return (chainEdge[i] + chainEdge[i + 1]) / 2; }

// Pictorial views: the face nearer the reader is the farther one moved by
// `depth` (the stack height En, foreshortened along the receding axis).
constexpr QPointF depth{48, 22};
constexpr QPointF eFar{348, 108.5};      // far top corner of the E's yoke back
constexpr QPointF iFar{613, 108.5};      // far top-left corner of the I
constexpr qreal pictorialTopDimY = 70.5; // lengths along the top, above the far edge
constexpr qreal eLeftDimX = 323;         // E: overall width, beside the yoke back
constexpr qreal eLegDimX = 572;          // E: leg widths, beside the leg ends
constexpr qreal eBottomDimY = 374.5;     // E: length, under the near bottom edge
constexpr qreal iRightDimX = 723;        // I: length, beside its near edge
constexpr qreal depthDimRise = 32;       // En dimension above the top-right edge
// Ink of dimension lines, set apart from the object lines.
constexpr QRgb dimensionInk = qRgb(26, 61, 143);
} // namespace lamination

// Paints the drawing in the core window's coordinates (its top-left corner at
// `lamination::origin`, `lamination::extent` large) on any painter, a PDF's too.
void paintLamination(QPainter& p);

// The filled arrow head of a dimension line (7 px long, 4.8 px wide), its tip
// at `tip`, pointing away from `from`: the same on every drawing.
void dimensionArrowHead(QPainter& p, QPointF tip, QPointF from);

} // namespace kelvora
