#pragma once
#include "numbers.h"
#include "reator_filtro.h"
#include "sheet.h"

#include <string>

namespace kelvora {

// The filter choke's report text (UTF-8, "\n" line ends) from the state of
// the last run: its inputs, its results and the tab's verdicts.
std::string reportReatorFiltro(const Sheet& tab, const ReatorFiltroResult& r, const Settings& cfg);

} // namespace kelvora
