#pragma once
// Push-pull class-B valve modulation transformer: core section, turns ratio,
// turns, DC flux densities, gauges and the power verdict (W, Hz, V, mA, mm, gauss).
#include "calc_error.h"
#include "numbers.h"
#include "sheet.h"
#include "units.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvora {

// Every control of the valve modulator tab that the calculation, the window
// or the command line touches, with its starting state.
std::vector<ControlSpec> trafoModControls();

// The tab's inputs as typed, and the safety margin chosen with the radios.
struct TrafoModInputs {
    std::string Bn, En; // CBTMBn, CBTMEn: whole mm
    std::string PaMod, Fmin, Ebmod, Ib0mod, Ib1mod, Zmod, Ibrf, Ebrf, Bmax;
    bool conservative = true, veryConservative = false; // RBConserv, RBMuitoCons
};
TrafoModInputs readTrafoModInputs(const Sheet& tab);

// Everything the design computes (mA, V, W, Hz, gauss, cm, mm as the tab
// shows them), with the coupling SelConfigTM records. A run starts from the
// record of the last one, so a failed run keeps what it did not reach.
struct TrafoModResult {
    int SelConfigTM = 0; // CBSelTM: 0 conventional, 1 reactor, -1 none
    float PaMod = 0, PccRF = 0, Pextra = 0, Fmin = 0, Ebmod = 0, PextraPct = 0;
    float Ib0mod = 0, Ib1mod = 0, Zmod = 0, Ebrf = 0, Ibrf = 0;
    float Bn = 0, En = 0, Bmax = 0;
    float Sn = 0, Bnc = 0, Sne = 0, Lm = 0, Ae = 0, Zrf = 0;
    float Kn = 0, Kz = 0, Np = 0, Ns = 0;
    float Bc = 0, Bcp = 0, Bcs = 0;
    float Sfp = 0, Sfpmm2 = 0, Sfs = 0, Sfsmm2 = 0;
    // Reactor coupling: the least inductance (H) and coupling capacitor (uF).
    long double Lreator = 0, Cacopl = 0;
    CoreVerdict core = CoreVerdict::Fits;
    ModPowerVerdict power = ModPowerVerdict::Sufficient;
    DcFluxVerdict dcFlux = DcFluxVerdict::WithinBmax;

    // Which edit texts were not numbers (the fallback stood in).
    struct Reads {
        bool PaMod = false, Fmin = false, Ebmod = false, Ib0mod = false, Ib1mod = false;
        bool Zmod = false, Ibrf = false, Ebrf = false, Bmax = false;
        bool PaModRaised = false; // a power not above 0 W taken as 1 W
    } reads;
    int reached = 0;                // the last step the run completed
    std::optional<CalcError> error; // the step after `reached` failed with it
};

// Applies the modulator coupling chosen in CBSelTM (0 transformer, 1 reactor
// and capacitor) to the diagram and records it; any other index changes nothing.
void SelConfigTM(Sheet& tab, TrafoModResult& r);
// The calculation proper; `last` is the record of the previous run.
TrafoModResult computeTrafoMod(const TrafoModInputs& in, const Settings& cfg,
                               const TrafoModResult& last);
// Writes a result into the tab: texts and verdict colours.
void presentTrafoMod(const TrafoModResult& r, Sheet& tab, const Settings& cfg);
// The power verdict's label, with the spare power as the tab writes it.
VerdictLabel powerVerdictLabel(const TrafoModResult& m, const Settings& cfg);
// Read, compute, present; throws the run's error after presenting what it reached.
void CalculaTrafoMod(Sheet& tab, TrafoModResult& r, const Settings& cfg);

// The result controls, in the tab's output order.
std::vector<std::string> trafoModOutputs();

} // namespace kelvora
