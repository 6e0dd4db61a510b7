#include "circuito_pi.h"

#include "shown_text.h"
#include "trafo_mod.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <numbers>

namespace kelvora {

namespace {

// Ratio of the plate load to the plate supply's DC resistance Eb/Ib for each
// class of operation (ARRL Handbook, "RF Power Amplifiers": R1 = Eb / (K Ib)).
struct Classe {
    const char* name;
    const char* key; // stable name in design files and on the command line
    double K;
};
const Classe Classes[] = {{KELVORA_SHOWN("Item", "Classe A"), "a", 1.3},
                          {KELVORA_SHOWN("Item", "Classe AB"), "ab", 1.5},
                          {KELVORA_SHOWN("Item", "Classe B"), "b", 1.57},
                          {KELVORA_SHOWN("Item", "Classe C"), "c", 2.0}};
constexpr int ClasseC = 3;
constexpr int Banda40m = 2;

// The inputs the calculation reads, with the symbol a message names them by.
struct Input {
    const char* name;
    const char* symbol;
};
const Input Inputs[] = {
    {"EPiEb", "Eb"}, {"EPiIb", "Ib"}, {"EPiQ", "Q"}, {"EPiR2", "R2"}, {"EPiFreq", "f"}};

const char* const Results[] = {"LPiRv", "LPiXC1", "LPiXL", "LPiXC2", "LPiC1", "LPiL", "LPiC2"};

std::string ohms(double v, const Settings& cfg) { return fixed(v, 8, 1, cfg) + " ohms"; }

bool finitePositive(double v) { return std::isfinite(v) && v > 0; }

std::string textOf(const char* name)
{
    for (const ControlSpec& c : trafoModControls())
        if (c.name == name)
            return c.text;
    return {};
}

// The network's values and the band table left empty: nothing that could
// pass for a component value stays on the screen.
void clearNetwork(Sheet& tab)
{
    for (const char* name : Results)
        tab[name].text.clear();
    for (const PiBand& b : piBands())
        for (const char* q : {"C1", "L", "C2"})
            tab[piBandCell(q, b)].text.clear();
}

// Every band, none with parts.
PiBandTable emptyTable()
{
    PiBandTable t;
    for (const PiBand& b : piBands())
        t.rows.push_back({b, std::nullopt});
    return t;
}

void verdict(Sheet& tab, PiVerdict v, std::string_view detail = {})
{
    const VerdictLabel shown = verdictLabel(v, detail);
    write(tab["LPiAval"], shown.words);
    paint(tab["LPiAval"], shown.colours);
}

// The band list shows the band whose frequency is the one typed, else none.
void showBand(Sheet& tab, float MHz)
{
    Control& c = tab["CBPiBanda"];
    c.itemIndex = -1;
    c.text.clear();
    const std::vector<PiBand>& bands = piBands();
    for (std::size_t i = 0; i < bands.size(); ++i)
        if (static_cast<float>(bands[i].MHz) == MHz) {
            c.itemIndex = int(i);
            c.text = bands[i].name;
        }
}

} // namespace

double piMinimumQ(double R1, double R2)
{
    return std::sqrt(std::max(R1, R2) / std::min(R1, R2) - 1);
}

std::optional<PiNetwork> piNetwork(double R1, double R2, double Q)
{
    // Below the minimum Q the handbook formula's root belongs to Q = Q1 - Q2,
    // a network whose sections work against each other; at it, C2 (or C1)
    // vanishes and the pi is a single L section.
    if (!(R1 > 0 && R2 > 0 && Q > piMinimumQ(R1, R2)))
        return std::nullopt;
    // ARRL Handbook ("Pi network" design equations): with D = R1 - R2,
    //   1/Rv = [(R1 + R2) - sqrt((R1 + R2)^2 - (D^2/Q^2)(Q^2 + 4))] / (D^2/Q^2),
    // and Rv = R1 / (Q^2/4 + 1) when D = 0. Multiplying out the conjugate
    // gives the same value in a form that holds for D = 0 too and does not
    // lose its digits to cancellation when D^2/Q^2 is small:
    //   Rv = [(R1 + R2) + 2 sqrt(R1 R2 - D^2/Q^2)] / (Q^2 + 4).
    const double D = R1 - R2;
    const double DQ = D / Q;
    const double Rv = (R1 + R2 + 2 * std::sqrt(std::max(0.0, R1 * R2 - DQ * DQ))) / (Q * Q + 4);
    PiNetwork n{};
    n.Rv = Rv;
    n.Q1 = std::sqrt(std::max(0.0, R1 / Rv - 1));
    n.Q2 = std::sqrt(std::max(0.0, R2 / Rv - 1));
    n.XC1 = R1 / n.Q1;
    n.XC2 = R2 / n.Q2;
    n.XL = Rv * Q;
    for (double v : {n.Rv, n.Q1, n.Q2, n.XC1, n.XC2, n.XL})
        if (!finitePositive(v))
            return std::nullopt;
    return n;
}

PiParts piParts(const PiNetwork& n, double MHz)
{
    const double w = 2 * std::numbers::pi * MHz * 1e6;
    return {1e12 / (w * n.XC1), n.XL / w * 1e6, 1e12 / (w * n.XC2)};
}

const std::vector<PiBand>& piBands()
{
    static const std::vector<PiBand> bands = {
        {"160 m", "160m", 1.85}, {"80 m", "80m", 3.6},  {"40 m", "40m", 7.1},
        {"20 m", "20m", 14.2},   {"15 m", "15m", 21.2}, {"10 m", "10m", 28.5},
    };
    return bands;
}

std::string piBandCell(const char* quantity, const PiBand& band)
{
    return std::string("LPi") + quantity + "_" + band.suffix;
}

std::string picofaradsText(double pF, const Settings& cfg) { return fixed(pF, 8, 1, cfg) + " pF"; }
std::string microhenriesText(double uH, const Settings& cfg)
{
    return fixed(uH, 8, 2, cfg) + " µH";
}

std::vector<ControlSpec> circuitoPiControls()
{
    std::vector<std::string> classes, bands;
    std::vector<std::string> classKeys, bandKeys;
    for (const Classe& c : Classes) {
        classes.push_back(c.name);
        classKeys.push_back(c.key);
    }
    // A band's key is the suffix its table cells carry ("40m").
    for (const PiBand& b : piBands()) {
        bands.push_back(b.name);
        bandKeys.push_back(b.suffix);
    }
    // The frequency is written from the band list when the window first
    // calculates: its text needs the locale's decimal separator.
    std::vector<ControlSpec> v = {
        inputEdit("EPiEb", textOf("EEbrf"), 8),
        inputEdit("EPiIb", textOf("EIbrf"), 8),
        {.name = "CBPiClasse",
         .kind = Kind::List,
         .text = Classes[ClasseC].name,
         .items = classes,
         .keys = classKeys,
         .itemIndex = ClasseC,
         .input = true},
        inputEdit("EPiQ", "12", 8),
        inputEdit("EPiR2", "50", 8),
        inputEdit("EPiFreq", "", 8),
        {.name = "CBPiBanda",
         .kind = Kind::List,
         .text = piBands()[Banda40m].name,
         .items = bands,
         .keys = bandKeys,
         .itemIndex = Banda40m,
         .input = true},
    };
    for (const char* name : {"LPiR1", "LPiRv", "LPiXC1", "LPiXL", "LPiXC2", "LPiC1", "LPiL",
                             "LPiC2", "LPiVC1", "LPiAval"})
        v.push_back(resultLabel(name));
    for (const PiBand& b : piBands())
        for (const char* q : {"C1", "L", "C2"})
            v.push_back(resultLabel(piBandCell(q, b)));
    return v;
}

void PiBandaFrequencia(Sheet& tab, const Settings& cfg)
{
    const int i = tab["CBPiBanda"].itemIndex;
    if (i >= 0 && i < int(piBands().size()))
        tab["EPiFreq"].text = general(piBands()[std::size_t(i)].MHz, cfg);
}

PiBandTable CalculaCircuitoPI(Sheet& tab, const Settings& cfg)
{
    // 1. Inputs: plate supply (V, mA), Q, output load (ohms), frequency (MHz).
    //    Each must be a number above zero; a field that is not turns red.
    std::string bad;
    double in[std::size(Inputs)];
    for (std::size_t k = 0; k < std::size(Inputs); ++k) {
        const float v = readTolerant(tab, Inputs[k].name, std::numeric_limits<float>::quiet_NaN(),
                                     cfg);
        in[k] = v;
        if (!(v > 0)) {
            tab[Inputs[k].name].background = Colour::Red;
            bad += (bad.empty() ? "" : ", ") + std::string(Inputs[k].symbol);
        }
    }
    const auto [Eb, Ib, Q, R2, MHz] = in;
    showBand(tab, static_cast<float>(MHz));
    const int classe = tab["CBPiClasse"].itemIndex;
    const double K = Classes[classe >= 0 && classe < int(std::size(Classes)) ? classe : ClasseC].K;

    clearNetwork(tab);
    tab["LPiR1"].text.clear();
    tab["LPiVC1"].text.clear();

    // 2. Plate load, and the peak voltage on C1. C1 sits behind the plate
    //    blocking capacitor and sees the RF swing alone, about Eb at the
    //    carrier; at the crests of 100 % plate modulation the supply, and so
    //    the swing, doubles: C1 must stand 2 Eb.
    const double R1 = Eb / (K * Ib * 1e-3);
    if (Eb > 0)
        tab["LPiVC1"].text = fixed(2 * Eb, 8, 0, cfg) + " V";
    if (!bad.empty()) {
        if (finitePositive(R1))
            tab["LPiR1"].text = ohms(R1, cfg);
        verdict(tab, PiVerdict::NotAboveZero, bad);
        return emptyTable();
    }
    if (!finitePositive(R1)) {
        verdict(tab, PiVerdict::SupplyOutOfRange);
        return emptyTable();
    }
    tab["LPiR1"].text = ohms(R1, cfg);

    // 3. The least Q that still makes a pi network of R1 and R2, shown
    //    rounded up to the next hundredth above it, so that typing the number
    //    shown is always enough.
    const double Xmin = piMinimumQ(R1, R2);
    const double Xshown = (std::floor(Xmin * 100) + 1) / 100;
    const std::optional<PiNetwork> n = piNetwork(R1, R2, Q);
    if (!n) {
        if (std::isfinite(Xmin) && Q <= Xmin) {
            tab["EPiQ"].background = Colour::Red;
            verdict(tab, PiVerdict::QTooLow, fixed(Xshown, 8, 2, cfg));
        } else {
            verdict(tab, PiVerdict::OutOfRange);
        }
        return emptyTable();
    }

    // 4. The network, its parts at the frequency typed and in every band.
    const PiParts p = piParts(*n, MHz);
    PiBandTable table;
    for (const PiBand& b : piBands())
        table.rows.push_back({b, piParts(*n, b.MHz)});
    bool finite = finitePositive(p.C1) && finitePositive(p.L) && finitePositive(p.C2);
    for (const PiBandRow& row : table.rows)
        finite = finite && std::isfinite(row.parts->C1) && std::isfinite(row.parts->L)
                 && std::isfinite(row.parts->C2);
    if (!finite) {
        verdict(tab, PiVerdict::OutOfRange);
        return emptyTable();
    }
    tab["LPiRv"].text = ohms(n->Rv, cfg);
    tab["LPiXC1"].text = ohms(n->XC1, cfg);
    tab["LPiXL"].text = ohms(n->XL, cfg);
    tab["LPiXC2"].text = ohms(n->XC2, cfg);
    tab["LPiC1"].text = picofaradsText(p.C1, cfg);
    tab["LPiL"].text = microhenriesText(p.L, cfg);
    tab["LPiC2"].text = picofaradsText(p.C2, cfg);
    // The cells stay for kelvora-cli's listing of the results; the window shows the table.
    for (const PiBandRow& row : table.rows) {
        tab[piBandCell("C1", row.band)].text = picofaradsText(row.parts->C1, cfg);
        tab[piBandCell("L", row.band)].text = microhenriesText(row.parts->L, cfg);
        tab[piBandCell("C2", row.band)].text = picofaradsText(row.parts->C2, cfg);
    }
    verdict(tab, PiVerdict::QAdequate, fixed(Xshown, 8, 2, cfg));
    return table;
}

std::vector<std::string> circuitoPiOutputs()
{
    std::vector<std::string> v = {"LPiR1", "LPiRv", "LPiXC1", "LPiXL",  "LPiXC2",
                                  "LPiC1", "LPiL",  "LPiC2",  "LPiVC1", "LPiAval"};
    for (const PiBand& b : piBands())
        for (const char* q : {"C1", "L", "C2"})
            v.push_back(piBandCell(q, b));
    return v;
}

} // namespace kelvora
