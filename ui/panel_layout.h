#pragma once
// Where the winding panels of the power transformer's schematic stand: plain
// C++ on the tab's sheet, so kelvora-cli places them as the window does.
#include "sheet.h"

#include <vector>

namespace kelvora {

// Heights of the winding panels in the " Transformador  " schematic, in
// pixels of the group; the tops the layout gives them follow an 80-pixel
// pitch, so a secondary panel is one pitch high and the primaries fit the gaps.
inline constexpr int PanelHeightPrim = 96;     // PPrim1, PPrim2
inline constexpr int PanelHeightPrimTap = 216; // PPrim3: two sections of the tapped winding
inline constexpr int PanelHeightSec = 80;      // PSec1-PSec6

// The panels' and core lines' places before any arrangement: the primaries
// down the left, the secondaries at the pitch, the core lines at full height.
void placeWindingPanels(std::vector<ControlSpec>& controls);

// Tops of the secondary panels, the core lines' height and the tapped
// primary's top for NumSec (secondaries minus one) and TipoPri (CNumPri's index).
void arrangeWindingPanels(Sheet& tab, int NumSec, int TipoPri);

} // namespace kelvora
