#pragma once
#include "design.h"

#include <string_view>
#include <vector>

namespace kelvora {

// Every design of the program, in tab order, then the RF output pi network
// (a window of its own, opened from the valve modulator tab).
const std::vector<Design>& designs();
// The design with that command-line name or tab name, or null.
const Design* findDesign(std::string_view name);
// The procedure of that name and the design it belongs to, or nulls.
std::pair<const Design*, const Procedure*> findProcedure(std::string_view name);

} // namespace kelvora
