#include "reator_filtro.h"

#include "checked.h"
#include "shown_text.h"

#include <string>

namespace kelvora {

namespace {

using LD = long double;

const char* const Outputs[] = {
    "LRFIlim", "LRFLI2", "LRFNI",   "LRFNesp",  "LRFLI2Aval", "LRFSnAval", "ERFBnc",   "ERFEnc",
    "LRFSn",   "LRFSne", "LRFLmag", "LRFLmage", "LRFAe",      "LRFAee",    "LRFNAval",
};

const Words NoInductanceLimits = KELVORA_WORDS("Verdict",
                                               "A indutância (Lr) deve ser maior que zero.");

// A choke without inductance has no design: say so where the limits and the
// energy verdict stand and leave nothing else that could pass for a result.
void refuseInductance(Sheet& tab)
{
    for (const char* name : Outputs) {
        tab[name].text.clear();
        tab[name].background = Colour::Window;
        tab[name].font = Colour::WindowText;
    }
    for (const char* name : {"CBRFBn", "CBRFEn"})
        tab[name].font = Colour::WindowText;
    tab["ERFIr"].font = Colour::WindowText;
    tab["ERFLr"].background = Colour::Red;
    tab["ERFLr"].font = Colour::WindowText;
    write(tab["LRFIlim"], say(NoInductanceLimits));
    write(tab["LRFLI2Aval"], verdictLabel(EnergyVerdict::NoInductance).words);
    write(tab["LRFSnAval"], sectionLabel(EnergyVerdict::NoInductance).words);
    for (const char* name : {"LRFIlim", "LRFLI2Aval", "LRFSnAval"})
        paint(tab[name], BadPair);
}

// The steps of the calculation, in order; each completed step is recorded in
// s.reached, so that the presentation shows exactly what a failed run reached.
void calculate(const ReatorFiltroInputs& in, const Settings& cfg, ReatorFiltroResult& s)
{
    ReatorFiltroResult::Reads& rd = s.reads;

    // 1. Current (mA), inductance (H) and the chosen core (mm).
    s.Ir = readTolerant(in.Ir, 1, rd.Ir, cfg);
    s.Lr = readTolerant(in.Lr, 1, rd.Lr, cfg);
    s.RFBn = readTolerant(in.RFBn, 1, rd.RFBn, cfg);
    s.RFEn = readTolerant(in.RFEn, 1, rd.RFEn, cfg);
    rd.IrRaised = !rd.Ir && !(s.Ir > 0);
    if (!(s.Ir > 0))
        s.Ir = 1;
    s.refused = !(s.Lr > 0);
    s.reached = 1;
    if (s.refused) {
        s.Lr = 0;
        return;
    }

    // 2. The method's charts span 0.02 to 10 H*A^2: the currents that keep
    // L I^2 inside them for this inductance. Constants are double literals,
    // widened: 0.02 is a hair above 1/50, so 0.5 H at 200 mA is just outside.
    s.IrMax = root(quot(10.0, s.Lr)) * 1000;
    s.IrMin = root(quot(0.02, s.Lr)) * 1000;
    s.IrOnCharts = !(s.Ir < s.IrMin || s.Ir > s.IrMax);
    s.reached = 2;

    // 3. Stored energy (twice it): L I^2 with I in A.
    const LD amps = LD(s.Ir) * 0.001;
    s.LI2 = store(amps * amps * s.Lr);
    s.reached = 3;

    // 4. Square core section (cm^2) read off the energy chart as a power law.
    s.RFSn = storeScaledPower(22.943, s.LI2, 0.6596);
    s.reached = 4;

    // 5. Is the design inside the charts?
    if (s.LI2 < 0.02)
        s.energy = EnergyVerdict::BelowCharts;
    else if (s.LI2 > 10)
        s.energy = EnergyVerdict::AboveCharts;
    else
        s.energy = EnergyVerdict::Inside;
    s.reached = 5;

    // 6. Ampere-turns from the same chart, and the turns at the working current.
    s.RFNI = storeScaledPower(726.83, s.LI2, 0.3293);
    s.reached = 6;
    s.RFNesp = store(quot(s.RFNI, amps));
    s.reached = 7;

    // 7. Side of the needed square section (mm) and the chosen section (cm^2).
    s.RFBnc = store(root(s.RFSn) * 10);
    s.reached = 8;
    s.RFSne = store(LD(s.RFBn) * s.RFEn * 0.01);
    s.reached = 9;

    // 8. Verdict on the chosen core.
    s.core = judgeCore(s.RFSne, s.RFSn, s.RFBnc, s.RFBn);
    s.reached = 10;

    // 9-10. Magnetic path about 6.5 times the side of the section; the gap
    // takes 0.3 % of it, split between the two legs' joints. The side is in
    // cm (the root of cm^2), so path and gap are kept in cm and shown in mm:
    // a builder cuts the spacer from the label.
    s.RFLmag = store(root(s.RFSn) * 6.5);
    s.RFAe = store(LD(s.RFLmag) * 0.003 * 0.5);
    s.reached = 11;
    s.RFLmage = store(rootOf(s.RFSne, KELVORA_WORDS("Error", "Erro de cálculo: a seção escolhida "
                                                             "(Bn x En) deve ser maior que zero "
                                                             "(raiz quadrada de número negativo)."))
                      * 6.5);
    s.RFAee = store(LD(s.RFLmage) * 0.003 * 0.5);
    s.reached = 12;
}

} // namespace

std::vector<ControlSpec> reatorFiltroControls()
{
    std::vector<ControlSpec> v = {
        {.name = "ERFLr", .kind = Kind::Edit, .text = "10", .maxLength = 5, .input = true},
        {.name = "ERFIr", .kind = Kind::Edit, .text = "200", .maxLength = 4, .input = true},
        {.name = "CBRFBn",
         .kind = Kind::Combo,
         .text = "36",
         .items = centreLegWidths(),
         .input = true},
        {.name = "CBRFEn",
         .kind = Kind::Combo,
         .text = "36",
         .items = stackHeights(),
         .input = true},
    };
    for (const char* name : Outputs) {
        const std::string n = name;
        const bool edit = n == "ERFBnc" || n == "ERFEnc";
        v.push_back({.name = name, .kind = edit ? Kind::Edit : Kind::Label, .readOnly = edit});
    }
    // Report fields.
    v.push_back(inputWords("EUserNameRF",
                           KELVORA_SHOWN("Initial", "Digite aqui o nome do utilizador do programa"),
                           80));
    v.push_back(inputWords(
        "EApplicationRF",
        KELVORA_SHOWN("Initial", "Digite aqui o nome do reator ou tipo de aplicação"), 80));
    return v;
}

ReatorFiltroInputs readReatorFiltroInputs(const Sheet& tab)
{
    return {tab["ERFLr"].text, tab["ERFIr"].text, tab["CBRFBn"].text, tab["CBRFEn"].text};
}

ReatorFiltroResult computeReatorFiltro(const ReatorFiltroInputs& in, const Settings& cfg,
                                       const ReatorFiltroResult& last)
{
    return runSteps(calculate, in, cfg, last);
}

std::string currentLimitsText(const ReatorFiltroResult& s, const Settings& cfg)
{
    if (s.refused)
        return NoInductanceLimits.source;
    return fixed(s.IrMin, 6, 0, cfg) + " mA < Ir <" + fixed(s.IrMax, 6, 0, cfg) + " mA";
}

void presentReatorFiltro(const ReatorFiltroResult& s, Sheet& tab, const Settings& cfg)
{
    const ReatorFiltroResult::Reads& rd = s.reads;
    if (s.reached < 1)
        return;
    showRead(tab["ERFIr"], rd.Ir, s.Ir, cfg, rd.IrRaised);
    showRead(tab["ERFLr"], rd.Lr, s.Lr, cfg);
    showRead(tab["CBRFBn"], rd.RFBn, s.RFBn, cfg);
    showRead(tab["CBRFEn"], rd.RFEn, s.RFEn, cfg);
    if (s.refused) {
        refuseInductance(tab);
        return;
    }
    if (s.reached < 2)
        return;
    Control& lim = tab["LRFIlim"];
    lim.text = currentLimitsText(s, cfg);
    if (!s.IrOnCharts) {
        tab["ERFIr"].background = Colour::Red;
        paint(lim, BadPair);
    } else {
        paint(lim, GoodPair);
    }
    if (s.reached < 3)
        return;
    tab["LRFLI2"].text = fixed(s.LI2, 6, 3, cfg) + " H*A^2";
    if (s.reached < 4)
        return;
    tab["LRFSn"].text = fixed(s.RFSn, 4, 1, cfg);
    if (s.reached < 5)
        return;
    write(tab["LRFLI2Aval"], verdictLabel(s.energy).words);
    write(tab["LRFSnAval"], sectionLabel(s.energy).words);
    for (const char* name : {"LRFLI2Aval", "LRFSnAval", "ERFIr", "ERFLr", "LRFLI2"})
        paint(tab[name], verdictLabel(s.energy).colours);
    if (s.reached < 6)
        return;
    tab["LRFNI"].text = fixed(s.RFNI, 5, 1, cfg);
    if (s.reached < 7)
        return;
    tab["LRFNesp"].text = fixed(s.RFNesp, 5, 1, cfg);
    if (s.reached < 8)
        return;
    tab["ERFBnc"].text = fixed(s.RFBnc, 5, 1, cfg);
    tab["ERFEnc"].text = tab["ERFBnc"].text;
    if (s.reached < 9)
        return;
    tab["LRFSne"].text = fixed(s.RFSne, 5, 1, cfg);
    if (s.reached < 10)
        return;
    presentCoreVerdict(tab, s.core, "LRFNAval", "CBRFBn", "CBRFEn");
    if (s.reached < 11)
        return;
    tab["LRFLmag"].text = fixed(LD(s.RFLmag) * 10, 5, 1, cfg);
    tab["LRFAe"].text = fixed(LD(s.RFAe) * 10, 6, 3, cfg);
    if (s.reached < 12)
        return;
    tab["LRFLmage"].text = fixed(LD(s.RFLmage) * 10, 5, 1, cfg);
    tab["LRFAee"].text = fixed(LD(s.RFAee) * 10, 6, 3, cfg);
}

void CalcReatorFiltro(Sheet& tab, ReatorFiltroResult& r, const Settings& cfg)
{
    calculateOnTab(tab, r, cfg, readReatorFiltroInputs, computeReatorFiltro, presentReatorFiltro);
}

std::vector<std::string> reatorFiltroOutputs() { return {std::begin(Outputs), std::end(Outputs)}; }

} // namespace kelvora
