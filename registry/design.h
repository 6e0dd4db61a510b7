#pragma once
// A design as the window and the command line both drive it: its tab's
// controls, the procedures its handlers run, its report and its core.
#include "numbers.h"
#include "results.h"
#include "sheet.h"
#include "shown_text.h"
#include "wound_part.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kelvora {

using Run = std::function<void(Sheet&, DesignResults&, const Settings&)>;

// A step a handler runs on the design's tab: its calculation, or the
// arrangement of the tab for a choice (TAEnrolamentos, SelConfigTM).
struct Procedure {
    std::string name;         // e.g. "CalculaTrafoAlim"
    bool calculation = false; // a calculation: remembered as the tab's last run
    Run run;
};

// An event handler of the main window and what triggers it: "OnActivate" of
// the window, "OnShow TAB", "OnChange CONTROL" or "OnClick CONTROL". It runs
// procedures (of any design) in order; a failure ends it.
struct Handler {
    std::string name; // e.g. "TTrafoAlimShow"
    std::vector<std::string> triggers;
    std::vector<std::string> runs;
};

// The widgets of a design's tab the main window wires to it, by object name
// (empty: the tab has none).
struct DesignWidgets {
    std::string showCore;     // "Visualiza núcleo"
    std::string construction; // "Construção"
    std::string summary;      // the construction's one-line verdict beside it
    std::string saveReport;   // "Salva cálculos realizados"
};

// Where the report is saved: the file's proposed base name and the dialog's
// title (a KELVORA_SHOWN text of context "Design").
struct ReportFile {
    std::string stem, title;
};

struct Design {
    std::string name;                  // command-line name, e.g. "trafo-alimentacao"
    std::string tab;                   // tab control, e.g. "TTrafoAlim"
    std::vector<ControlSpec> controls; // every control of the tab, in order
    std::vector<std::string> outputs;  // result controls, in the tab's output order
    std::vector<Procedure> procedures;
    std::vector<Handler> handlers;
    // What showing the tab runs without a window (e.g. TAEnrolamentos, then CalculaTrafoAlim).
    Run show;
    // Report text (UTF-8, "\n" line ends) from the record of the last run; empty if none.
    std::function<std::string(const Sheet&, const DesignResults&, const Settings&)> report;
    // Stack height En and centre-leg width Bn the "Visualiza núcleo" button passes; empty if none.
    std::function<std::pair<float, float>(const DesignResults&)> core;
    // The iron it builds, for the construction analysis, the core adviser and
    // the winding sheet; none for a design without a wound part.
    std::optional<construction::WoundPart> part;
    DesignWidgets widgets;
    ReportFile reportFile;
};

} // namespace kelvora
