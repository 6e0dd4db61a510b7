#pragma once
#include "numbers.h"
#include "report_format.h"
#include "sheet.h"
#include "trafo_alim.h"

#include <string>

namespace kelvora {

// The report text (UTF-8, "\n" line ends) from the record of the last run,
// verdicts included; only the user's name and the application come from the tab.
std::string reportTrafoAlim(const Sheet& tab, const TrafoAlimResult& s, const Settings& cfg);

} // namespace kelvora
