#pragma once
#include "calc_state.h"
#include "numbers.h"
#include "report_format.h"
#include "sheet.h"

#include <string>

namespace kelvora {

// The report text (UTF-8, "\n" line ends) from the state of the last run.
std::string reportTrafoAlim(const Sheet& tab, const CalcState& s, const Settings& cfg);

} // namespace kelvora
