#pragma once
// The pi network that matches a valve RF stage's plate load to the antenna
// line: plate load from the plate supply, then C1, L and C2 for an operating Q.
#include "numbers.h"
#include "sheet.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvora {

// The two L sections of a pi network meeting at the virtual resistance Rv
// (ohms); Q1 and Q2 are their Qs (Q = Q1 + Q2), the reactances in ohms.
struct PiNetwork {
    double Rv, Q1, Q2, XC1, XL, XC2;
};

// The smallest operating Q for which a pi network matches R1 to R2: the Q of
// the single L section at Rv = min(R1, R2).
double piMinimumQ(double R1, double R2);
// The network for plate load R1, output load R2 (ohms) and operating Q;
// nothing when Q does not exceed piMinimumQ or a value leaves double's range.
std::optional<PiNetwork> piNetwork(double R1, double R2, double Q);

// Component values of a network at a frequency in MHz: C1 and C2 in pF, L in uH.
struct PiParts {
    double C1, L, C2;
};
PiParts piParts(const PiNetwork& n, double MHz);

// An amateur band of the frequency list and of the band table.
struct PiBand {
    const char* name;   // as listed, e.g. "40 m"
    const char* suffix; // of its table cells, e.g. "40m"
    double MHz;
};
const std::vector<PiBand>& piBands();
// The table cell of a quantity ("C1", "L", "C2") in a band: "LPiC1_40m".
std::string piBandCell(const char* quantity, const PiBand& band);

// The network's parts band by band, as the last calculation left them: one
// row per band of piBands(), in its order, without parts when it made no network.
struct PiBandRow {
    PiBand band;
    std::optional<PiParts> parts;
};
struct PiBandTable {
    std::vector<PiBandRow> rows;
};
// How the table and the parts fields write a capacitance (pF) and an inductance (uH).
std::string picofaradsText(double pF, const Settings& cfg);
std::string microhenriesText(double uH, const Settings& cfg);

std::vector<ControlSpec> circuitoPiControls();
// Writes into EPiFreq the frequency of the band chosen in CBPiBanda.
void PiBandaFrequencia(Sheet& tab, const Settings& cfg);
// Reads the inputs, writes R1, the network, its parts, the band table's
// cells, the peak voltage on C1 and the verdict, and returns the band table;
// never throws.
PiBandTable CalculaCircuitoPI(Sheet& tab, const Settings& cfg);

// The result controls, in the window's output order.
std::vector<std::string> circuitoPiOutputs();

} // namespace kelvora
