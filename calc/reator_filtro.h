#pragma once
#include "design.h"

#include <vector>

namespace kelvora {

std::vector<ControlSpec> reatorFiltroControls();
// Filter choke with an air gap, by the energy-product (L I^2) method.
void CalcReatorFiltro(Sheet& tab, CalcState& s, const Settings& cfg);

// The tab's design: controls, calculation, outputs, core.
Design reatorFiltroDesign();

} // namespace kelvora
