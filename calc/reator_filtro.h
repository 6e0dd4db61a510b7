#pragma once
#include "design.h"

namespace kelvora {

// Filter choke with an air gap, by the energy-product method.
void CalcReatorFiltro(Sheet& tab, CalcState& s, const Settings& cfg);

// The tab's design: controls, calculation, outputs (and report, core).
Design reatorFiltroDesign();

} // namespace kelvora
