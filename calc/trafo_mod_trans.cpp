#include "trafo_mod_trans.h"

#include "checked.h"

#include <string>

namespace kelvora {

namespace {

using LD = long double;

// Every result of the tab: fixed (6, 2) and its unit.
void show(Sheet& tab, const char* name, long double v, const char* unit, const Settings& cfg)
{
    tab[name].text = fixed(v, 6, 2, cfg) + unit;
}

float readStrict(const Sheet& tab, const char* name, const Settings& cfg)
{
    return strictFloat(tab[name].text, cfg.decimalSeparator);
}

const char* const Outputs[] = {
    "LRc",   "LVcm",  "LIcm", "LIdc",  "LPi",    "LNteor", "LPdiss",   "LVcemax",
    "LIc0",  "LIb",   "LI2",  "LId",   "LI1",    "LR1",    "LPR1",     "LPdrv",
    "LRe",   "LNprat", "LRBmin", "LRBmax", "LPdrvmin", "LPdrvmax", "LM2N2min", "LM2N2max",
};

} // namespace

std::vector<ControlSpec> trafoModTransControls()
{
    std::vector<ControlSpec> v = {
        inputEdit("EPo", "50"),
        inputEdit("EFm", "100"),
        inputEdit("EVcc", "30"),
        inputEdit("ERo", "2500"),
        inputEdit("ERd", "8"),
        {.name = "CBIc0", .kind = Kind::Combo, .text = "2",
         .items = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, .input = true},
        inputEdit("EBetaQ1Q2min", "20"),
        inputEdit("EBetaQ1Q2max", "40"),
        inputEdit("EBetaQ3", "20"),
    };
    for (const char* name : Outputs)
        v.push_back({.name = name});
    return v;
}

void CalculaTrafoModTrans(Sheet& tab, CalcState& s, const Settings& cfg)
{
    // Every input is a strict read: a text that does not convert ends the run.
    s.Po = readStrict(tab, "EPo", cfg);
    s.Fm = readStrict(tab, "EFm", cfg);
    s.Vcc = readStrict(tab, "EVcc", cfg);
    s.Ro = readStrict(tab, "ERo", cfg);
    s.Rd = readStrict(tab, "ERd", cfg);
    s.Ic0pct = strictInt(tab["CBIc0"].text);
    s.Bmin = readStrict(tab, "EBetaQ1Q2min", cfg);
    s.Bmax_tr = readStrict(tab, "EBetaQ1Q2max", cfg);
    s.BQ3 = readStrict(tab, "EBetaQ3", cfg);
    const LD pi = Pi;

    // 1-3. Collector load per half for the audio power at full swing, its
    // peak voltage (the whole supply) and peak current.
    s.Rc = store(quot(LD(s.Vcc) * s.Vcc, 2 * LD(s.Po)));
    show(tab, "LRc", s.Rc, " ohms", cfg);
    s.Vcm = store(root(2 * LD(s.Rc) * s.Po, "a potência de áudio (Po)"));
    show(tab, "LVcm", s.Vcm, " V", cfg);
    s.Icm = store(quot(s.Vcm, s.Rc));
    show(tab, "LIcm", s.Icm, " A", cfg);

    // 4-8. Class B: the mean of two half sines is 2 Icm / pi.
    s.Idc = store(2 * LD(s.Icm) / pi);
    show(tab, "LIdc", s.Idc, " A", cfg);
    s.Pin = store(LD(s.Idc) * s.Vcc);
    show(tab, "LPi", s.Pin, " W", cfg);
    s.Nteor = store(quot(100 * LD(s.Po), s.Pin));
    show(tab, "LNteor", s.Nteor, " %", cfg);
    s.Pdiss = store(quot(LD(s.Vcc) * s.Vcc, pi * pi * s.Rc));
    show(tab, "LPdiss", s.Pdiss, " W", cfg);
    // The off transistor sees the supply plus the other half's swing.
    s.Vcemax = store(LD(s.Vcc) + s.Vcm);
    show(tab, "LVcemax", s.Vcemax, " V", cfg);

    // 9-15. Quiescent current, base drive and the bias chain (R1 and two diodes).
    s.Ic0 = store(LD(s.Ic0pct) * s.Icm * 0.01);
    show(tab, "LIc0", LD(s.Ic0) * 1000, " mA", cfg);
    s.Ib = store(quot(LD(s.Idc) + s.Ic0, s.Bmin));
    show(tab, "LIb", LD(s.Ib) * 1000, " mA", cfg);
    s.I2 = store(quot(s.Ib, s.BQ3));
    show(tab, "LI2", LD(s.I2) * 1000, " mA", cfg);
    // Ten times the base current through the diodes keeps the bias stiff.
    s.Id = store(10 * LD(s.I2));
    show(tab, "LId", LD(s.Id) * 1000, " mA", cfg);
    s.I1 = store(LD(s.I2) + s.Id);
    show(tab, "LI1", LD(s.I1) * 1000, " mA", cfg);
    // 1.4 V: the drop of the two bias diodes.
    s.R1 = store(quot(LD(s.Vcc) - 1.4, s.I1));
    show(tab, "LR1", s.R1, " ohms", cfg);
    s.PR1 = store((LD(s.Vcc) - 1.4) * s.I1);
    show(tab, "LPR1", s.PR1, " W", cfg);

    // 16. Drive: 0.7 V base-emitter at the peak base current.
    const LD ibPeak = quot(s.Icm, s.Bmin);
    s.Rbe = store(quot(0.7, ibPeak));
    s.Pdrv = store(ibPeak * ibPeak * s.Rbe * 0.5);
    show(tab, "LPdrv", LD(s.Pdrv) * 1000, " mW", cfg);

    // 17-18. Emitter resistors of a tenth of the load stabilise the bias,
    // at the cost of efficiency.
    s.Re = store(0.1 * LD(s.Rc));
    show(tab, "LRe", s.Re, " ohms", cfg);
    s.Nprat = store(quot(s.Rc, LD(s.Rc) + s.Re) * s.Nteor);
    show(tab, "LNprat", s.Nprat, " %", cfg);

    // 19-21. Base input resistance for the spread of current gain, the drive
    // it needs, and the driver transformer's turns ratio to match Rd.
    s.RBmin = store((LD(s.Bmin) + 1) * s.Re + s.Rbe);
    show(tab, "LRBmin", s.RBmin, " ohms", cfg);
    s.RBmax = store((LD(s.Bmax_tr) + 1) * s.Re + s.Rbe);
    show(tab, "LRBmax", s.RBmax, " ohms", cfg);
    s.Pdrvmin = store(ibPeak * ibPeak * s.RBmin * 0.5);
    show(tab, "LPdrvmin", LD(s.Pdrvmin) * 1000, " mW", cfg);
    const LD ibPeakMax = quot(s.Icm, s.Bmax_tr);
    s.Pdrvmax = store(ibPeakMax * ibPeakMax * s.RBmax * 0.5);
    show(tab, "LPdrvmax", LD(s.Pdrvmax) * 1000, " mW", cfg);
    s.M2N2min = store(root(quot(s.Rd, s.RBmin), "a relação Rd / RB (beta mínimo)"));
    show(tab, "LM2N2min", s.M2N2min, "", cfg);
    s.M2N2max = store(root(quot(s.Rd, s.RBmax), "a relação Rd / RB (beta máximo)"));
    show(tab, "LM2N2max", s.M2N2max, "", cfg);
}

Design trafoModTransDesign()
{
    Design d;
    d.name = "modulador-transistorizado";
    d.tab = "TModTransis";
    d.controls = trafoModTransControls();
    d.outputs.assign(std::begin(Outputs), std::end(Outputs));
    d.show = CalculaTrafoModTrans;
    return d;
}

} // namespace kelvora
