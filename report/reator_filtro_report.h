#pragma once
#include "numbers.h"
#include "reator_filtro.h"
#include "sheet.h"

#include <string>

namespace kelvora {

// The filter choke's report text (UTF-8, "\n" line ends) from the state of
// the last run: its inputs, its results and its verdicts; only what the user
// typed for the report (name, application) is taken from the tab.
std::string reportReatorFiltro(const Sheet& tab, const ReatorFiltroResult& r, const Settings& cfg);

} // namespace kelvora
