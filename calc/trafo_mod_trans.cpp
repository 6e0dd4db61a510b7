#include "trafo_mod_trans.h"

#include "checked.h"
#include "units.h"

#include <string>

namespace kelvora {

namespace {

using LD = long double;

// Every result of the tab, in output order: its label, its value, the factor
// to the unit shown (A to mA, W to mW) and the unit. Shown fixed (6, 2).
struct Shown {
    const char* label;
    float TrafoModTransResult::*value;
    int scale;
    const char* unit;
};
using R = TrafoModTransResult;
const Shown Results[] = {
    {"LRc", &R::Rc, 1, " ohms"},
    {"LVcm", &R::Vcm, 1, " V"},
    {"LIcm", &R::Icm, 1, " A"},
    {"LIdc", &R::Idc, 1, " A"},
    {"LPi", &R::Pin, 1, " W"},
    {"LNteor", &R::Nteor, 1, " %"},
    {"LPdiss", &R::Pdiss, 1, " W"},
    {"LVcemax", &R::Vcemax, 1, " V"},
    {"LIc0", &R::Ic0, 1000, " mA"},
    {"LIb", &R::Ib, 1000, " mA"},
    {"LI2", &R::I2, 1000, " mA"},
    {"LId", &R::Id, 1000, " mA"},
    {"LI1", &R::I1, 1000, " mA"},
    {"LR1", &R::R1, 1, " ohms"},
    {"LPR1", &R::PR1, 1, " W"},
    {"LPdrv", &R::Pdrv, 1000, " mW"},
    {"LRe", &R::Re, 1, " ohms"},
    {"LNprat", &R::Nprat, 1, " %"},
    {"LRBmin", &R::RBmin, 1, " ohms"},
    {"LRBmax", &R::RBmax, 1, " ohms"},
    {"LPdrvmin", &R::Pdrvmin, 1000, " mW"},
    {"LPdrvmax", &R::Pdrvmax, 1000, " mW"},
    {"LM2N2min", &R::M2N2min, 1, ""},
    {"LM2N2max", &R::M2N2max, 1, ""},
};

float strict(const std::string& text, const Settings& cfg)
{
    return strictFloat(text, cfg.decimalSeparator);
}

// The steps of the calculation; r.reached counts the results computed.
void calculate(const TrafoModTransInputs& in, const Settings& cfg, R& s)
{
    // Every input is a strict read: a text that does not convert ends the run.
    s.Po = readingField("EPo", [&] { return strict(in.Po, cfg); });
    s.Fm = readingField("EFm", [&] { return strict(in.Fm, cfg); });
    s.Vcc = readingField("EVcc", [&] { return strict(in.Vcc, cfg); });
    s.Ro = readingField("ERo", [&] { return strict(in.Ro, cfg); });
    s.Rd = readingField("ERd", [&] { return strict(in.Rd, cfg); });
    s.Ic0pct = readingField("CBIc0", [&] { return strictInt(in.Ic0pct); });
    s.Bmin = readingField("EBetaQ1Q2min", [&] { return strict(in.Bmin, cfg); });
    s.Bmax_tr = readingField("EBetaQ1Q2max", [&] { return strict(in.Bmax_tr, cfg); });
    s.BQ3 = readingField("EBetaQ3", [&] { return strict(in.BQ3, cfg); });
    const LD pi = Pi;
    int& done = s.reached;

    // 1-3. Collector load per half for the audio power at full swing, its
    // peak voltage (the whole supply) and peak current.
    s.Rc = store(quot(LD(s.Vcc) * s.Vcc, 2 * LD(s.Po)));
    ++done;
    s.Vcm = store(
        rootOf(2 * LD(s.Rc) * s.Po, KELVORA_WORDS("Error", "Erro de cálculo: a potência de áudio "
                                                           "(Po) deve ser maior que zero "
                                                           "(raiz quadrada de número negativo).")));
    ++done;
    s.Icm = store(quot(s.Vcm, s.Rc));
    ++done;

    // 4-8. Class B: the mean of two half sines is 2 Icm / pi.
    s.Idc = store(2 * LD(s.Icm) / pi);
    ++done;
    s.Pin = store(LD(s.Idc) * s.Vcc);
    ++done;
    s.Nteor = store(quot(100 * LD(s.Po), s.Pin));
    ++done;
    s.Pdiss = store(quot(LD(s.Vcc) * s.Vcc, pi * pi * s.Rc));
    ++done;
    // The off transistor sees the supply plus the other half's swing.
    s.Vcemax = store(LD(s.Vcc) + s.Vcm);
    ++done;

    // 9-15. Quiescent current, base drive and the bias chain (R1 and two diodes).
    s.Ic0 = store(LD(s.Ic0pct) * s.Icm * 0.01);
    ++done;
    s.Ib = store(quot(LD(s.Idc) + s.Ic0, s.Bmin));
    ++done;
    s.I2 = store(quot(s.Ib, s.BQ3));
    ++done;
    // Ten times the base current through the diodes keeps the bias stiff.
    s.Id = store(10 * LD(s.I2));
    ++done;
    s.I1 = store(LD(s.I2) + s.Id);
    ++done;
    // 1.4 V: the drop of the two bias diodes.
    s.R1 = store(quot(LD(s.Vcc) - 1.4, s.I1));
    ++done;
    s.PR1 = store((LD(s.Vcc) - 1.4) * s.I1);
    ++done;

    // 16. Drive: 0.7 V base-emitter at the peak base current.
    const LD ibPeak = quot(s.Icm, s.Bmin);
    s.Rbe = store(quot(0.7, ibPeak));
    s.Pdrv = store(ibPeak * ibPeak * s.Rbe * 0.5);
    ++done;

    // 17-18. Emitter resistors of a tenth of the load stabilise the bias,
    // at the cost of efficiency.
    s.Re = store(0.1 * LD(s.Rc));
    ++done;
    s.Nprat = store(quot(s.Rc, LD(s.Rc) + s.Re) * s.Nteor);
    ++done;

    // 19-21. Base input resistance for the spread of current gain, the drive
    // it needs, and the driver transformer's turns ratio to match Rd.
    s.RBmin = store((LD(s.Bmin) + 1) * s.Re + s.Rbe);
    ++done;
    s.RBmax = store((LD(s.Bmax_tr) + 1) * s.Re + s.Rbe);
    ++done;
    s.Pdrvmin = store(ibPeak * ibPeak * s.RBmin * 0.5);
    ++done;
    const LD ibPeakMax = quot(s.Icm, s.Bmax_tr);
    s.Pdrvmax = store(ibPeakMax * ibPeakMax * s.RBmax * 0.5);
    ++done;
    s.M2N2min = store(
        rootOf(quot(s.Rd, s.RBmin), KELVORA_WORDS("Error", "Erro de cálculo: a relação Rd / RB "
                                                           "(beta mínimo) deve ser maior que zero "
                                                           "(raiz quadrada de número negativo).")));
    ++done;
    s.M2N2max = store(
        rootOf(quot(s.Rd, s.RBmax), KELVORA_WORDS("Error", "Erro de cálculo: a relação Rd / RB "
                                                           "(beta máximo) deve ser maior que zero "
                                                           "(raiz quadrada de número negativo).")));
    ++done;
}


} // namespace

std::vector<ControlSpec> trafoModTransControls()
{
    std::vector<ControlSpec> v = {
        inputEdit("EPo", "50"),
        inputEdit("EFm", "100"),
        inputEdit("EVcc", "30"),
        inputEdit("ERo", "2500"),
        inputEdit("ERd", "8"),
        {.name = "CBIc0",
         .kind = Kind::Combo,
         .text = "2",
         .items = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
         .input = true},
        inputEdit("EBetaQ1Q2min", "20"),
        inputEdit("EBetaQ1Q2max", "40"),
        inputEdit("EBetaQ3", "20"),
    };
    for (const Shown& r : Results)
        v.push_back({.name = r.label});
    return v;
}

TrafoModTransInputs readTrafoModTransInputs(const Sheet& tab)
{
    return {tab["EPo"].text,          tab["EFm"].text,          tab["EVcc"].text,
            tab["ERo"].text,          tab["ERd"].text,          tab["CBIc0"].text,
            tab["EBetaQ1Q2min"].text, tab["EBetaQ1Q2max"].text, tab["EBetaQ3"].text};
}

TrafoModTransResult computeTrafoModTrans(const TrafoModTransInputs& in, const Settings& cfg,
                                         const TrafoModTransResult& last)
{
    return runSteps(calculate, in, cfg, last);
}

void presentTrafoModTrans(const TrafoModTransResult& r, Sheet& tab, const Settings& cfg)
{
    for (int i = 0; i < r.reached; ++i) {
        const Shown& s = Results[i];
        tab[s.label].text = fixedUnit(LD(r.*s.value) * s.scale, 6, 2, s.unit, cfg);
    }
}

void CalculaTrafoModTrans(Sheet& tab, TrafoModTransResult& r, const Settings& cfg)
{
    calculateOnTab(tab, r, cfg, readTrafoModTransInputs, computeTrafoModTrans,
                   presentTrafoModTrans);
}

std::vector<std::string> trafoModTransOutputs()
{
    std::vector<std::string> v;
    for (const Shown& s : Results)
        v.push_back(s.label);
    return v;
}

} // namespace kelvora
