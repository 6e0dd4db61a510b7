#pragma once
// Filter choke with an air gap, by the energy-product (L I^2) method.
#include "calc_error.h"
#include "numbers.h"
#include "sheet.h"
#include "units.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvora {

std::vector<ControlSpec> reatorFiltroControls();

// The tab's inputs as typed: inductance (H), current (mA), core (mm).
struct ReatorFiltroInputs {
    std::string Lr, Ir, RFBn, RFEn;
};
ReatorFiltroInputs readReatorFiltroInputs(const Sheet& tab);

// Everything the design computes: sections in cm^2, path and gap in cm
// (shown in mm), the side of the needed section in mm.
struct ReatorFiltroResult {
    float Lr = 0, Ir = 0, RFBn = 0, RFEn = 0, LI2 = 0, RFSn = 0, RFNI = 0, RFNesp = 0;
    float RFBnc = 0, RFSne = 0, RFLmag = 0, RFAe = 0, RFLmage = 0, RFAee = 0;
    long double IrMin = 0, IrMax = 0; // mA: the currents that keep L I^2 on the charts
    bool IrOnCharts = true;           // Ir between them
    bool refused = false;             // Lr not above zero: no design
    EnergyVerdict energy = EnergyVerdict::Inside;
    CoreVerdict core = CoreVerdict::Fits;

    // Which edit texts were not numbers (the fallback stood in).
    struct Reads {
        bool Ir = false, Lr = false, RFBn = false, RFEn = false;
        bool IrRaised = false; // a current not above 0 mA taken as 1 mA
    } reads;
    int reached = 0;                // the last step the run completed
    std::optional<CalcError> error; // the step after `reached` failed with it
};

// The calculation proper; `last` is the record of the previous run.
ReatorFiltroResult computeReatorFiltro(const ReatorFiltroInputs& in, const Settings& cfg,
                                       const ReatorFiltroResult& last);
// The currents that keep L I^2 on the charts, as LRFIlim shows them; for a
// choke without inductance, the request for one.
std::string currentLimitsText(const ReatorFiltroResult& r, const Settings& cfg);
// Writes a result into the tab.
void presentReatorFiltro(const ReatorFiltroResult& r, Sheet& tab, const Settings& cfg);
// Read, compute, present; throws the run's error after presenting what it reached.
void CalcReatorFiltro(Sheet& tab, ReatorFiltroResult& r, const Settings& cfg);

// The result controls, in the tab's output order.
std::vector<std::string> reatorFiltroOutputs();

} // namespace kelvora
