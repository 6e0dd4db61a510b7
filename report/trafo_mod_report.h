#pragma once
#include "numbers.h"
#include "sheet.h"
#include "trafo_mod.h"

#include <string>

namespace kelvora {

// The report text (UTF-8, "\n" line ends) from the record of the last run,
// verdicts included; only the user's name and the application come from the tab.
std::string reportTrafoMod(const Sheet& tab, const TrafoModResult& m, const Settings& cfg);

} // namespace kelvora
