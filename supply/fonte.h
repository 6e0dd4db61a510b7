#pragma once
// The supply of one secondary of the designed power transformer: the controls
// of FFonte (kept per secondary), the source taken from the construction
// analysis, the circuit they describe, and the figures as JSON. Plain C++.
#include "construction.h"
#include "supply.h"

#include <nlohmann/json.hpp>

#include <functional>

#include <optional>
#include <string>
#include <vector>

namespace kelvora::fonte {

// The sheet that holds the chosen secondary (CBFoSecundario), and the sheet of
// each secondary's own controls ("FFonte1" ... "FFonte6").
inline constexpr const char* SelectorSheet = "FFonte";
std::string secondarySheet(int k);
std::vector<ControlSpec> selectorControls();
std::vector<ControlSpec> secondaryControls();
bool isSelectorControl(std::string_view name);
bool isSecondaryControl(std::string_view name);
// The secondary CBFoSecundario chooses, 1-6.
int chosenSecondary(const Sheet& selector);
// Whether a secondary has been simulated (its CBFoAtivo is "sim").
bool simulated(const Sheet& secondary);
void markSimulated(Sheet& secondary);

// Leakage inductance of a secondary referred to its turns (H), concentric
// over the primary: mu0 N^2 MLT (a + (b1 + b2)/3) / h (Reuben Lee, Electronic
// Transformers and Circuits; McLyman's handbook in SI). `secondary` indexes
// the analysis' windings; lengths of the build in mm.
double leakageInductance(const construction::Analysis& a, const construction::TrafoAlimInput& in,
                         const construction::ConstructionSettings& set, std::size_t secondary);

// The source of secondary k (1-6) at the mains voltage `mains` (V): its EMF,
// its resistance hot plus the primary's referred, its estimated leakage.
std::optional<supply::Source> sourceOf(const construction::Analysis& a,
                                       const construction::TrafoAlimInput& in,
                                       const construction::ConstructionSettings& set, int k,
                                       double mains);

// The filter reactor tab's choke: its inductance Lr (H) and its winding's hot
// resistance from that design's construction analysis (ohms).
struct Reactor {
    double henry = 0, dcr = 0;
};
std::optional<Reactor> reactorOf(const construction::ReatorFiltroInput& in,
                                 const construction::ConstructionSettings& set, const Settings& cfg);

struct Setup {
    std::optional<std::string> error;
    ShownText errorWords; // the error as a message, when it is one
    supply::Circuit circuit;
};

// The circuit the controls of a secondary describe on that source; edits that
// hold no number turn red and take their defaults, like the tabs' fields.
Setup readCircuit(Sheet& secondary, const construction::Analysis& a,
                  const construction::TrafoAlimInput& in,
                  const construction::ConstructionSettings& set, int k, const Settings& cfg,
                  const std::optional<Reactor>& reactor = std::nullopt);

struct Run {
    std::optional<std::string> error;
    ShownText errorWords; // the error as a message, when it is one
    supply::Circuit circuit;
    supply::Result result;
    std::vector<supply::SweepPoint> sweep;
};

// Reads, simulates and sweeps secondary k.
Run runSecondary(Sheet& secondary, const construction::Analysis& a,
                 const construction::TrafoAlimInput& in,
                 const construction::ConstructionSettings& set, int k, const Settings& cfg,
                 bool withSweep = true, const std::optional<Reactor>& reactor = std::nullopt);

nlohmann::ordered_json fonteJson(const Run& r);
// The same as readable lines NAME<TAB>text, numbers with the separator of
// `cfg`, the words in the language of `translate` (Portuguese by default).
// The name of a failed verdict's line ("Fonte: FALHA").
Words failedVerdictName();
std::string fonteTable(const Run& r, const Settings& cfg, const Translator& translate = portuguese);

// The construction analysis of the power transformer in which each simulated
// secondary carries its simulated rms current instead of the fixed factor's
// (when the setting CBCoCorrRet asks for it). `sheets(k)` gives secondary k's
// sheet of FFonte, or null.
construction::Analysis analyseWithSupply(construction::TrafoAlimInput in,
                                         const construction::ConstructionSettings& set,
                                         const std::function<Sheet*(int)>& sheets,
                                         const Settings& cfg,
                                         const std::optional<Reactor>& reactor = std::nullopt);

} // namespace kelvora::fonte
