#pragma once
// The construction analysis as kelvora-cli writes it: a JSON object and a
// readable Portuguese table.
#include "construction.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace kelvora::construction {

// The "construcao" object: windings, totals, the design's figures and the
// verdicts, or only {"error": message}.
nlohmann::ordered_json construcaoJson(const Analysis& a);
// The same as a readable Portuguese table, numbers with the separator of `cfg`.
std::string construcaoTable(const Analysis& a, const Settings& cfg);
// The mains checks of a power transformer: the "mains" object, and the
// readable part "Rede" of the table.
nlohmann::ordered_json mainsJson(const MainsChecks& m);
std::string mainsTable(const MainsChecks& m, const Settings& cfg);
// A whole number (turns, layers, a whole millimetre) as a JSON integer while a
// double holds it exactly; any other as a JSON number with its fraction.
nlohmann::ordered_json jsonNumber(double v);
// Rows of texts in columns two spaces apart, the first column left-aligned
// and the others right-aligned, each line ending in "\n".
std::string alignedTable(const std::vector<std::vector<std::string>>& rows);

} // namespace kelvora::construction
