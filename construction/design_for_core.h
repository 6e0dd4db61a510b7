#pragma once
// The design for the chosen core: the stage that turns a tab's result into
// the turns (and the gaps) a builder should wind on the core in hand, before
// the build and the analysis of construction.cpp judge them. Internal to the
// construction library.
#include "construction.h"

#include <optional>
#include <string>

namespace kelvora::construction::detail {

// The build and analysis of the turns and gaps the input holds (the tab's,
// or designed ones); `set` already checked.
Analysis windTrafoAlim(const TrafoAlimInput& in, const ConstructionSettings& set,
                       const Settings& cfg);
Analysis windTrafoMod(const TrafoModInput& in, const ConstructionSettings& set, const Settings& cfg);
Analysis windReatorFiltro(const ReatorFiltroInput& in, const ConstructionSettings& set,
                          const Settings& cfg);

// The windings designed for the chosen core, then analysed. Power
// transformer: turns per volt from the net section at Bmax, secondaries
// compensated for the analysed drops until no count changes. Modulator: the
// least even primary that holds Bmax and the bass. Reactor: exactly Lr at the
// design DC flux.
Analysis designTrafoAlim(const TrafoAlimInput& in, const ConstructionSettings& set,
                         const Settings& cfg);
Analysis designTrafoMod(const TrafoModInput& in, const ConstructionSettings& set,
                        const Settings& cfg);
Analysis designReatorFiltro(const ReatorFiltroInput& in, const ConstructionSettings& set,
                            const Settings& cfg);

// Writes the tab's own (unrounded) turns beside each winding.
void keepTabTurns(Analysis& r, const TrafoAlimInput& in);
void keepTabTurns(Analysis& r, const TrafoModInput& in);
void keepTabTurns(Analysis& r, const ReatorFiltroInput& in);

// Errors 1-4 of the analysis, which no design can get past.
std::optional<ShownText> coreRefusal(bool tabError, bool uCore, double a, double b,
                                     const ConstructionSettings& set);
// Net iron section (m^2) and mean magnetic path (m) of the scrapless E/I, a and b in mm.
double netSectionM2(double a, double b, const ConstructionSettings& set);
double pathM(double a);

} // namespace kelvora::construction::detail
