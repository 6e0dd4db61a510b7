#pragma once
#include "design.h"

#include <optional>
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

// The construction analysis of the design's wound part from its tab's sheet
// and the record its last calculation left; none for a design without one.
std::optional<construction::Analysis> analyseDesign(const Design& d, const Sheet& tab,
                                                    const DesignResults& s, bool tabError,
                                                    const construction::ConstructionSettings& set,
                                                    const Settings& cfg);

// The design one of whose tab's buttons or labels (DesignWidgets) is named so, or null.
const Design* designWithWidget(std::string_view objectName);

// The designs the other windows are tied to: the supply window rectifies the
// power transformer's secondaries and may filter through the reactor; the pi
// network (a window of its own) takes the valve modulator's RF stage.
const Design& powerTransformer();
const Design& valveModulator();
const Design& filterReactor();
const Design& piNetwork();

// The calculations opening a design file runs, in order, until one fails:
// the modulators before the power transformer (whose tab shows their
// supply), then the reactor.
const std::vector<std::string>& openingRecalculation();

} // namespace kelvora
