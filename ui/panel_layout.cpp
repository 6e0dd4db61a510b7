#include "panel_layout.h"

#include <string>

namespace kelvora {

void placeWindingPanels(std::vector<ControlSpec>& controls)
{
    auto place = [](ControlSpec& c, int top, int height) {
        c.top = top;
        c.height = height;
    };
    for (ControlSpec& c : controls) {
        const std::string& n = c.name;
        if (n == "PPrim1")
            place(c, 16, PanelHeightPrim);
        else if (n == "PPrim2")
            place(c, 176, PanelHeightPrim);
        else if (n == "PPrim3")
            place(c, 312, PanelHeightPrimTap);
        else if (n.size() == 5 && n.rfind("PSec", 0) == 0 && n[4] >= '1' && n[4] <= '6')
            place(c, 32 + 80 * (n[4] - '1'), PanelHeightSec);
        else if (n == "LinhaNucleo1")
            place(c, 28, 240);
        else if (n == "LinhaNucleo2")
            place(c, 28, 480);
    }
}

void arrangeWindingPanels(Sheet& tab, int NumSec, int TipoPri)
{
    const bool single = TipoPri == 0;
    const bool twoPrimaries = TipoPri == 1 || TipoPri == 2;

    // With one or two secondaries they sit beside the primaries; from three on
    // they stack at the 80-pixel pitch. The core lines span the taller side.
    int H = 80;
    switch (NumSec) {
    case 0:
        if (single) {
            tab["PSec1"].top = 32;
        } else if (twoPrimaries) {
            tab["PSec1"].top = 112;
            H = 240;
        }
        break;
    case 1:
        tab["PSec1"].top = 32;
        if (single) {
            tab["PSec2"].top = 112;
            H = 160;
        } else if (twoPrimaries) {
            tab["PSec2"].top = 192;
            H = 240;
        }
        break;
    case 2:
    case 3:
    case 4:
    case 5:
        tab["PSec1"].top = 32;
        tab["PSec2"].top = 112;
        H = 80 * (NumSec + 1);
        break;
    default:
        break;
    }
    tab["LinhaNucleo1"].height = H;
    tab["LinhaNucleo2"].height = H;

    // The tapped primary's two sections take the place of the other two panels.
    if (TipoPri == 2)
        tab["PPrim3"].top = 40;
}

} // namespace kelvora
