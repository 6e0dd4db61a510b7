#pragma once
// Where the winding panels of the power transformer's schematic stand: plain
// C++ on the tab's sheet, so kelvora-cli places them as the window does.
#include "sheet.h"

namespace kelvora {

// Tops of the secondary panels, the core lines' height and the tapped
// primary's top for NumSec (secondaries minus one) and TipoPri (CNumPri's index).
void arrangeWindingPanels(Sheet& tab, int NumSec, int TipoPri);

} // namespace kelvora
