#pragma once
// The dimensioned drawing of a U/I core, to scale: the front view of the U
// with the I across its legs, and the stack seen from the side. The numbers
// stand on their dimension lines. The core window shows it for a U/I core and
// the winding sheet's drawing page paints the same.
#include "lamination.h"
#include "numbers.h"

#include <QRectF>

#include <string>
#include <vector>

class QPainter;

namespace kelvora {

// One dimension of the drawing: its name and its text, mm in the general
// number format.
struct UIDimension {
    std::string name;
    std::string text;
};
// In the order drawn: "LUILargura" c + 2a, the chain under the front view
// "LUIPerna1" a, "LUIJanela" c, "LUIPerna2" a; "LUIAltura" h + 2a at the left;
// the chain at the right "LUIBarra" a (the I), "LUIAlturaJanela" h, "LUIBase"
// a (the U's yoke); "LUIEmpilhamento" b under the side view.
std::vector<UIDimension> uiCoreDimensions(const construction::Core& core, const Settings& cfg);

// Paints the drawing centred in `area`, as large as fits.
void paintUICore(QPainter& p, const QRectF& area, const construction::Core& core,
                 const Settings& cfg);

} // namespace kelvora
