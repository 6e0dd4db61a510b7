#pragma once
#include "design.h"

#include <vector>

namespace kelvora {

// Heights of the winding panels in the " Transformador  " schematic, in
// pixels of the group; the tops TAEnrolamentos gives them follow an 80-pixel
// pitch, so a secondary panel is one pitch high and the primaries fit the gaps.
inline constexpr int PanelHeightPrim = 96;     // PPrim1, PPrim2
inline constexpr int PanelHeightPrimTap = 216; // PPrim3: two sections of the tapped winding
inline constexpr int PanelHeightSec = 80;      // PSec1-PSec6

// Every control of the tab that the calculation, the window or the command line touches.
std::vector<ControlSpec> trafoAlimControls();

// Arranges the winding panels for CNumPri/CNumSec and records both choices.
void TAEnrolamentos(Sheet& tab, CalcState& s);
// Power transformer: core section, volts per turn, turns and gauges.
void CalculaTrafoAlim(Sheet& tab, CalcState& s, const Settings& cfg);

// The tab's design: controls, calculation, outputs (and report, core).
Design trafoAlimDesign();

} // namespace kelvora
