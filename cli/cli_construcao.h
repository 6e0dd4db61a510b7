#pragma once
// kelvora-cli's outputs of the construction analysis.
#include "construction.h"

#include <nlohmann/json.hpp>

#include <string>

namespace kelvora {

// The "construcao" object: windings, totals, the design's figures and the
// verdicts, or only {"error": message}.
nlohmann::ordered_json construcaoJson(const construction::Analysis& a);
// The same as a readable Portuguese table, numbers with the separator of `cfg`.
std::string construcaoTable(const construction::Analysis& a, const Settings& cfg);

} // namespace kelvora
