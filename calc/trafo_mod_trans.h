#pragma once
// Class-B (AB) transistor modulator stage: load, currents, bias chain, drive.
#include "calc_error.h"
#include "numbers.h"
#include "sheet.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvora {

std::vector<ControlSpec> trafoModTransControls();

// The tab's inputs as typed: every one is read strictly.
struct TrafoModTransInputs {
    std::string Po, Fm, Vcc, Ro, Rd, Ic0pct, Bmin, Bmax_tr, BQ3;
};
TrafoModTransInputs readTrafoModTransInputs(const Sheet& tab);

// Everything the stage's calculation computes (W, V, A, ohms, %).
struct TrafoModTransResult {
    float Po = 0, Fm = 0, Vcc = 0, Ro = 0, Rd = 0, Bmin = 0, Bmax_tr = 0, BQ3 = 0;
    int Ic0pct = 0;
    float Rc = 0, Vcm = 0, Icm = 0, Idc = 0, Pin = 0, Nteor = 0, Pdiss = 0, Vcemax = 0;
    float Ic0 = 0, Ib = 0, I2 = 0, Id = 0, I1 = 0, R1 = 0, PR1 = 0, Rbe = 0, Pdrv = 0;
    float Re = 0, Nprat = 0, RBmin = 0, RBmax = 0, Pdrvmin = 0, Pdrvmax = 0;
    float M2N2min = 0, M2N2max = 0;
    int reached = 0;                // how many of the results (in output order) the run computed
    std::optional<CalcError> error; // the next one failed with it
};

// The calculation proper; `last` is the record of the previous run.
TrafoModTransResult computeTrafoModTrans(const TrafoModTransInputs& in, const Settings& cfg,
                                         const TrafoModTransResult& last);
// Writes a result into the tab.
void presentTrafoModTrans(const TrafoModTransResult& r, Sheet& tab, const Settings& cfg);
// Read, compute, present; throws the run's error after presenting what it reached.
void CalculaTrafoModTrans(Sheet& tab, TrafoModTransResult& r, const Settings& cfg);

// The result controls, in the tab's output order.
std::vector<std::string> trafoModTransOutputs();

} // namespace kelvora
