#pragma once
// Core adviser: tries every catalogue lamination and stack on a design, with
// the tab's own calculation and the construction analysis, and ranks the
// cores that pass every check by weight.
#include "construction.h"
#include "lamination.h"
#include "wound_part.h"

#include <nlohmann/json.hpp>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora::construction {

// A width or stack as written into those fields ("19,05", "23,8125", "32").
std::string coreText(double mm, const Settings& cfg);

// What can reject a core, in the order a core is judged.
enum class Check {
    TabCalculation, // the tab's calculation ended in an error
    Core,           // the tab's verdict on the chosen section
    Construction,   // the construction analysis ended in an error
    Fit,
    Temperature,
    Flux,
    Inductance,
    Reactance,
    Regulation, // its verdicts
    NoLoad,
    Insulation, // the power transformer's mains verdicts
};
inline constexpr int CheckCount = 11;
// The check in words, for "the check that failed most often" (context "Adviser").
const char* checkName(Check c);

struct Suggestion {
    const Lamination* lamination = nullptr;
    double a = 0, b = 0; // mm, as written into the tab
    double mTotalG = 0, fillPct = 0, dtK = 0;
    // Power transformer: the highest regulation of its secondaries (none
    // when a secondary collapses). Reactor: L; modulator: the primary's L.
    std::optional<double> worstRegulationPct;
    double lH = 0;
};

struct Advice {
    PartType part = PartType::MainsTransformer;
    std::optional<std::string> error; // the tab itself cannot be analysed: no search
    ShownText errorWords;             // the same, as a message
    // The lightest passing stack of each lamination first (lightest first,
    // ties: the cooler first), then the other passing stacks in that order.
    std::vector<Suggestion> ranked;
    int tried = 0;                    // laminations x stacks tried
    // When nothing passes: how many cores each check rejected (a core counts
    // once for every check it fails) and the one that rejected the most.
    std::array<int, CheckCount> failures{};
    std::optional<Check> mostFailed;
};

// Runs the search on a copy of the tab's sheet and state (both stay as they
// are). `tabError`: the tab's last calculation ended in an error.
Advice adviseCore(const WoundPart& part, const Sheet& tab, const DesignResults& s, bool tabError,
                  const ConstructionSettings& set, const Settings& cfg);

// "Nenhum núcleo do catálogo passa ...", the tab's error, or empty when
// there are suggestions.
// Its messages translated by `tr` (Portuguese by default).
std::string adviceMessage(const Advice& a, const Translator& tr = portuguese);

// The columns the window and kelvora-cli show: "Lâmina", "a × b (mm)",
// "Ocupação (%)", "ΔT (K)", then "Pior regulação (%)" (power transformer),
// "Lp (H)" (modulator) or "L (H)" (reactor), and "Massa (g)".
std::vector<std::string> suggestionHeader(PartType part);
std::vector<std::string> suggestionRow(const Suggestion& s, PartType part, const Settings& cfg);

// kelvora-cli: the "sugestoes" array, and a readable Portuguese table of
// the best ten (numbers with the separator of `cfg`).
nlohmann::ordered_json sugestoesJson(const Advice& a);
std::string sugestoesTable(const Advice& a, const Settings& cfg);

} // namespace kelvora::construction
