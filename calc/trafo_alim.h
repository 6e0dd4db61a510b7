#pragma once
// Power transformer: core section, volts per turn, turns and gauges of every
// winding, for a mains transformer with up to six secondaries.
#include "calc_error.h"
#include "numbers.h"
#include "sheet.h"
#include "units.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvora {

// Every control of the tab that the calculation, the window or the command
// line touches. The winding panels and core lines of the schematic are listed
// with the windings in use (visible) only: where they stand is the layout's
// (placeWindingPanels).
std::vector<ControlSpec> trafoAlimControls();

// The tab's inputs as typed: core (mm), frequency (Hz), the two list choices,
// secondaries (V, mA; 1..6 used) and primaries (V; EVp2 follows EVp1).
struct TrafoAlimInputs {
    std::string Bn, En, Fo, Bmax, n;
    std::string Vs[7], Is[7];
    std::string Vp1, Vp3, Vp4;
    bool nucleoE = true, nucleoU = false; // RBNucleoE, RBNucleoU
};
TrafoAlimInputs readTrafoAlimInputs(const Sheet& tab);

// Everything the design computes, in single precision, with the two winding
// choices TAEnrolamentos records. A run starts from the record of the last
// one: the windings not in use keep their values (their hidden labels show
// them), and a run that fails keeps the results it did not reach.
struct TrafoAlimResult {
    int NumSec = 0;  // number of secondaries minus one (CNumSec's item index)
    int TipoPri = 0; // CNumPri: 0 Simples, 1 Duplo, 2 Derivação
    float Bn = 0, En = 0, Fo = 0, Bmax = 0, n = 0;
    float Vs[7] = {}, Is[7] = {};
    float Pas = 0, Pap = 0, Kcore = 0, Snu = 0, Bnc = 0, Sns = 0;
    float Vep = 0, Ves = 0, Vsec = 0;
    float Ns[7] = {}, AWGs[7] = {}, Ss[7] = {};
    float Vp[5] = {};
    float Iprim[5] = {}, Nprim[5] = {}, AWGprim[5] = {}, Sprim[5] = {};
    CoreVerdict core = CoreVerdict::Fits;

    // How the run read its fields: which texts were not numbers, and the
    // values it had to correct.
    struct Reads {
        bool Bn = false, En = false, Fo = false;
        bool Vs[7] = {}, Is[7] = {}, Vp[5] = {};
        int FoClamped = 0;      // -1 raised to 1 Hz, +1 lowered to 500 kHz
        bool IsRaised[7] = {};  // a current below 1 mA taken as 1 mA
        bool IsNegative[7] = {};
        bool VpClamped[5] = {}; // a primary voltage taken as 1 V or 10 kV
        bool tapRaised = false; // EVp4 below EVp3: the full winding taken as the tap
    } reads;
    int reached = 0;                // the last step the run completed
    std::optional<CalcError> error; // the step after `reached` failed with it
};

// Records the CNumPri/CNumSec choices and shows the winding panels in use.
void TAEnrolamentos(Sheet& tab, TrafoAlimResult& r);
// The calculation proper; `last` is the record of the previous run.
TrafoAlimResult computeTrafoAlim(const TrafoAlimInputs& in, const Settings& cfg,
                                 const TrafoAlimResult& last);
// Writes a result into the tab: texts, colours, the primaries' panels.
void presentTrafoAlim(const TrafoAlimResult& r, Sheet& tab, const Settings& cfg);
// Read, compute, present; throws the run's error after presenting what it reached.
void CalculaTrafoAlim(Sheet& tab, TrafoAlimResult& r, const Settings& cfg);

// The result controls, in the tab's output order.
std::vector<std::string> trafoAlimOutputs();

} // namespace kelvora
