#pragma once
// The designs' verdicts and how each is shown: one enum per verdict, and one
// map from each value to the text and the colours of its label. The tabs, the
// reports and whoever else names a verdict take its words from here.
#include "colour.h"
#include "shown_text.h"

#include <string>
#include <string_view>

namespace kelvora {

// Is the chosen core big enough? First its section against the needed one,
// then the side of the needed square section against its centre leg.
enum class CoreVerdict { Fits, NarrowLeg, SmallSection };
// Is there audio power to spare beyond half the RF stage's input?
enum class ModPowerVerdict { Sufficient, Insufficient, LowForConservative, LowForVeryConservative };
// Does the DC premagnetisation stay below Bmax? The primary is judged first.
enum class DcFluxVerdict { WithinBmax, PrimaryExcess, SecondaryExcess, TotalExcess };
// Is L I^2 inside the method's charts (0.02 to 10 H*A^2)? A choke without
// inductance is no design at all: NoInductance is how its labels say so.
enum class EnergyVerdict { Inside, BelowCharts, AboveCharts, NoInductance };
// Does the pi network's Q make a network of the plate load and the line?
// Before that: inputs not above zero, or values no network can be computed from.
enum class PiVerdict { QAdequate, NotAboveZero, SupplyOutOfRange, QTooLow, OutOfRange };

// A verdict label's text and colours. `text` is the Portuguese the reports
// write; `words` the same as a message, which the tabs show in their language.
struct VerdictLabel {
    std::string text;
    ColourPair colours;
    ShownText words;
};

VerdictLabel verdictLabel(CoreVerdict v);
VerdictLabel verdictLabel(DcFluxVerdict v);
// The sufficient power's text carries the spare power in percent, `pct` as the tab writes it.
VerdictLabel verdictLabel(ModPowerVerdict v, std::string_view pct);
// The choke's two energy labels: L I^2 against the charts, and what the section needs.
VerdictLabel verdictLabel(EnergyVerdict v);
VerdictLabel sectionLabel(EnergyVerdict v);
// `detail` completes the text: the symbols of the fields not above zero
// (NotAboveZero), or the least Q as the window writes it (QAdequate, QTooLow).
VerdictLabel verdictLabel(PiVerdict v, std::string_view detail = {});

} // namespace kelvora
