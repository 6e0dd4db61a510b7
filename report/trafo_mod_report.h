#pragma once
#include "numbers.h"
#include "sheet.h"
#include "trafo_mod.h"

#include <string>

namespace kelvora {

// The report text (UTF-8, "\n" line ends) from the state of the last run.
std::string reportTrafoMod(const Sheet& tab, const TrafoModResult& m, const Settings& cfg);

} // namespace kelvora
