#pragma once
// The construction analysis as kelvora-cli writes it: a JSON object and a
// readable Portuguese table.
#include "construction.h"

#include <nlohmann/json.hpp>

#include <string>

namespace kelvora::construction {

// The "construcao" object: windings, totals, the design's figures and the
// verdicts, or only {"error": message}.
nlohmann::ordered_json construcaoJson(const Analysis& a);
// The same as a readable Portuguese table, numbers with the separator of `cfg`.
std::string construcaoTable(const Analysis& a, const Settings& cfg);

} // namespace kelvora::construction
