#pragma once
// A design as the window and the command line both drive it: its tab's
// controls, what showing the tab runs, its result order and its report.
#include "calc_state.h"
#include "numbers.h"
#include "sheet.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace kelvora {

struct Design {
    std::string name;                    // command-line name, e.g. "trafo-alimentacao"
    std::string tab;                     // tab control, e.g. "TTrafoAlim"
    std::vector<ControlSpec> controls;   // every control of the tab, in order
    std::vector<std::string> outputs;    // result controls, in the tab's output order
    // What showing the tab runs (e.g. TAEnrolamentos, then CalculaTrafoAlim).
    std::function<void(Sheet&, CalcState&, const Settings&)> show;
    // Report text (UTF-8, "\n" line ends) from the state left by the last run; empty if none.
    std::function<std::string(const Sheet&, const CalcState&, const Settings&)> report;
    // Stack height En and centre-leg width Bn the "Visualiza núcleo" button passes; empty if none.
    std::function<std::pair<float, float>(const CalcState&)> core;
};

} // namespace kelvora
