#pragma once
// Mains checks of a power transformer, run on its construction analysis: the
// flux at the high line, the magnetising (no-load) current from the steel's
// curve and the E-I joints, the no-load loss, the primary fuse and the
// insulation test between the primary and each secondary (IEC 61558-1).
#include "shown_text.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvora::construction {

struct Analysis;
struct ConstructionSettings;

// The insulation between the primary and one secondary.
struct InsulationRow {
    std::string secondary;           // the winding's name
    ShownText secondaryWords;        // the same, as a message
    double workingV = 0;             // U_w: primary plus secondary at the high line, V rms
    bool aboveTable = false;         // U_w above 1000 V: the table gives nothing
    double testV = 0;                // dielectric test for one minute, V rms
    double clearanceMm = 0;          // through air
    double creepageMm = 0;           // along the surface
    std::optional<double> throughMm; // reinforced: thin-layer insulation, mm
};

struct MainsChecks {
    double tolerancePct = 0; // ECoTolRede
    double bGauss = 0, bHighGauss = 0;
    double iMagA = 0, iMagHighA = 0; // rms magnetising current at each flux
    // In % of the full-load primary current; none when it is zero.
    std::optional<double> iMagPct, iMagHighPct;
    double p0W = 0, p0HighW = 0; // no-load (iron) loss at each flux
    std::optional<double> fuseA; // none when 1.5 I_p is beyond the series
    // Two primary halves: the fuse when they are in series on twice the voltage.
    std::optional<double> fuseSeriesA;
    bool halves = false;
    bool reinforced = false;
    std::vector<InsulationRow> insulation;
    std::vector<std::string> notes; // "indução acima da curva do aço"
    std::vector<ShownText> noteWords; // the same, as messages
};

// The note the screen and the sheet put beside the insulation figures.
// The window shows it in the chosen language; the winding sheet in Portuguese.
inline constexpr const char* Iec61558Note =
    KELVORA_SHOWN("kelvora", "IEC 61558-1 (valores de referência; confira na norma)");

// ------------------------------------------------------------------- data

// The least time-lag fuse of the IEC 60127 series rated at least `amps`;
// none above its largest (16 A).
std::optional<double> fuseFor(double amps);

// The insulation figures of IEC 61558-1 for a working voltage: overvoltage
// category II, pollution degree 2, material group IIIa, the row of the least
// voltage at or above it; aboveTable beyond 1000 V.
InsulationRow insulationFor(double workingV, bool reinforced);

// ------------------------------------------------------------- the checks

// Rms magnetising current (A) of the analysed transformer fed at `volts`
// (the flux scales with the voltage): (H(B) l_e + B 2 g_j / mu0) / (N_p sqrt 2).
double magnetisingCurrent(const Analysis& a, const ConstructionSettings& set, double volts);
// The iron's and the two joints' share of the peak ampere-turns at peak flux b (T).
struct AmpereTurns {
    double iron = 0, joints = 0;
    bool beyondCurve = false;
};
AmpereTurns magnetisingAmpereTurns(const Analysis& a, const ConstructionSettings& set, double b);

// The checks of a power transformer's analysis (no error, primary figures set).
MainsChecks checkMains(const Analysis& a, const ConstructionSettings& set);
// Runs checkMains into a.mains and adds its verdicts: "no_load" (when the
// full-load current is not zero) and, with reinforced insulation, "insulation".
void addMainsChecks(Analysis& a, const ConstructionSettings& set, char decimalSeparator);

// Whether every figure is a finite number.
bool finiteFigures(const MainsChecks& m);

// The no-load current against the mains voltage, for the plot.
struct NoLoadPoint {
    double volts = 0, amps = 0;
    bool operator==(const NoLoadPoint&) const = default;
};
// From 80 % to 120 % of the nominal voltage (further, to the high line, when
// the tolerance is larger) in steps of 1 %.
std::vector<NoLoadPoint> noLoadCurve(const Analysis& a, const ConstructionSettings& set);

// "Fusível do primário: X A retardado".
std::string fuseText(const MainsChecks& m, char decimalSeparator);
ShownText fuseWords(const MainsChecks& m, char decimalSeparator);

} // namespace kelvora::construction
