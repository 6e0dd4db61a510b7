#pragma once
// The settings tab: the current density Sigma used by every conductor sizing.
#include "numbers.h"
#include "sheet.h"

#include <vector>

namespace kelvora {

std::vector<ControlSpec> ajustesControls();
// Settings for a calculation: the separator and CBSigma's text as shown.
Settings settingsFrom(const Sheet& ajustes, char decimalSeparator);

} // namespace kelvora
