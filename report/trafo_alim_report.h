#pragma once
#include "numbers.h"
#include "report_format.h"
#include "sheet.h"
#include "trafo_alim.h"

#include <string>

namespace kelvora {

// The report text (UTF-8, "\n" line ends) from the state of the last run.
std::string reportTrafoAlim(const Sheet& tab, const TrafoAlimResult& s, const Settings& cfg);

} // namespace kelvora
