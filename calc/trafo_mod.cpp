#include "trafo_mod.h"

#include "calc_error.h"
#include "checked.h"
#include "conductor.h"
#include "shown_text.h"

#include <string>
#include <string_view>
#include <tuple>

namespace kelvora {

namespace {

using LD = long double;

// A verdict label: white text until the first run paints it.
ControlSpec verdict(const char* name) { return ControlSpec{.name = name, .font = Colour::White}; }

ControlSpec radio(const char* name, bool checked)
{
    return ControlSpec{.name = name,
                       .kind = Kind::Radio,
                       .checked = checked,
                       .input = true,
                       .group = "TipoAnalise"};
}

std::string ohms(long double v, const Settings& cfg) { return fixedUnit(v, 8, 1, " ohms", cfg); }
ShownText turns(long double v, const Settings& cfg) { return turnsLowerWords(v, 8, 1, cfg); }
std::string gauss(long double v, const Settings& cfg) { return fixedUnit(v, 6, 1, " Gauss", cfg); }
std::string watts(long double v, const Settings& cfg) { return fixedUnit(v, 4, 1, " W", cfg); }

// The gauge rule takes the logarithm of the current: a current that is not
// positive would only give a bare "invalid operation", so `fault` names the field.
float gaugeOf(float current, Words fault, const Sigma& sigma)
{
    if (!(current > 0))
        throw CalcError(say(fault));
    return SAWG(current, sigma);
}

// Which coupling shows which parts of the diagram.
void showCoupling(Sheet& tab, bool reactor)
{
    tab["ImgConvTM"].visible = !reactor;
    for (const char* name : {"ImgReatorTM", "LCapAcopl1", "LCapAcopl2", "LReatMod1", "LReatMod2",
                             "LCMod", "LRMInd", "LRMCorr"})
        tab[name].visible = reactor;
}

// The steps of the calculation, in order; each completed step is recorded in
// m.reached, so that the presentation shows exactly what a failed run reached.
void calculate(const TrafoModInputs& in, const Settings& cfg, TrafoModResult& m)
{
    TrafoModResult::Reads& rd = m.reads;
    const Sigma sigma(cfg.sigmaText);

    // 1. Chosen lamination: centre-leg width and stack height, whole mm.
    //    Each is stored as soon as it is read: a stack that is no whole
    //    number leaves the width read before it in the record.
    m.Bn = static_cast<float>(readingField("CBTMBn", [&] { return strictInt(in.Bn); }));
    m.En = static_cast<float>(readingField("CBTMEn", [&] { return strictInt(in.En); }));
    m.reached = 1;

    // 2. The edit fields; a modulator of no power is taken as 1 W.
    m.PaMod = readTolerant(in.PaMod, 1, rd.PaMod, cfg);
    m.Fmin = readTolerant(in.Fmin, 1, rd.Fmin, cfg);
    m.Ebmod = readTolerant(in.Ebmod, 0, rd.Ebmod, cfg);
    m.Ib0mod = readTolerant(in.Ib0mod, 1, rd.Ib0mod, cfg);
    m.Ib1mod = readTolerant(in.Ib1mod, 1, rd.Ib1mod, cfg);
    m.Zmod = readTolerant(in.Zmod, 1, rd.Zmod, cfg);
    m.Ibrf = readTolerant(in.Ibrf, 1, rd.Ibrf, cfg);
    m.Ebrf = readTolerant(in.Ebrf, 1, rd.Ebrf, cfg);
    m.Bmax = readTolerant(in.Bmax, 1, rd.Bmax, cfg);
    rd.PaModRaised = !(m.PaMod > 0);
    if (rd.PaModRaised)
        m.PaMod = 1;
    // 3. Each valve works into half the plate-to-plate load (shown only).
    m.reached = 3;

    // 4. Empirical core section of an audio transformer, cm^2 for W and Hz:
    //    the lower the frequency, the more iron for the same power.
    m.Sn = store(rootOf(quot(m.PaMod, m.Fmin),
                        KELVORA_WORDS("Error", "Erro de cálculo: a freqüência mínima de áudio "
                                               "(Fmin) deve ser maior que zero "
                                               "(raiz quadrada de número negativo)."))
                 * 15);
    m.reached = 4;

    // 5. Side of the square section (cm), shown in mm beside both combos.
    m.Bnc = store(root(m.Sn));
    m.reached = 5;

    // 6. Section of the chosen stack, mm x mm to cm^2.
    m.Sne = store(LD(m.Bn) * m.En * 0.01);
    m.reached = 6;

    // 7. Core verdict.
    m.core = judgeCore(m.Sne, m.Sn, LD(m.Bnc) * 10, m.Bn);
    m.reached = 7;

    // 8. Mean magnetic path of a standard E/I stack, about 6.5 centre-leg
    //    widths (cm), and an air gap of half a percent of it (mm).
    m.Lm = store(6.5 * LD(m.Bn) * 0.1);
    m.Ae = store(0.1 * LD(m.Lm) * 0.5);
    m.reached = 8;

    // 9. DC input of the RF stage (V x mA); full modulation takes half of it in audio.
    m.PccRF = store(0.001 * LD(m.Ebrf) * m.Ibrf);
    m.reached = 9;

    // 10. What the modulator has beyond that.
    m.Pextra = store(LD(m.PaMod) - LD(m.PccRF) * 0.5);
    m.PextraPct = store(quot(m.Pextra, m.PaMod) * 100);
    m.reached = 10;

    // 11. Power verdict, against the margin the builder chose.
    if (!(m.PextraPct >= 0))
        m.power = ModPowerVerdict::Insufficient;
    else if (in.conservative && m.PextraPct < 25)
        m.power = ModPowerVerdict::LowForConservative;
    else if (in.veryConservative && m.PextraPct < 50)
        m.power = ModPowerVerdict::LowForVeryConservative;
    else
        m.power = ModPowerVerdict::Sufficient;
    m.reached = 11;

    // 12. The RF stage is a resistive load: plate volts over plate amperes.
    m.Zrf = store(quot(LD(m.Ebrf) * 1000, m.Ibrf));
    m.reached = 12;

    // 13. Impedance ratio, and the turns ratio as its square root.
    m.Kz = store(quot(m.Zmod, m.Zrf));
    m.Kn = store(rootOf(
        m.Kz, m.Zmod < 0 ? KELVORA_WORDS("Error", "Erro de cálculo: a impedância placa a placa do "
                                                  "modulador (Zmod) deve ser maior que zero "
                                                  "(raiz quadrada de número negativo).")
                         : KELVORA_WORDS("Error", "Erro de cálculo: a impedância da etapa de RF "
                                                  "(EbRF / IbRF) deve ser maior que zero "
                                                  "(raiz quadrada de número negativo).")));
    m.reached = 13;

    // 14. Turns from the EMF equation V = 4.44 f N B S 1e-8 (gauss, cm^2):
    //     0.315 = 1.4 / 4.44, the plate-to-plate swing at full signal being
    //     about 1.4 Ebmod rms.
    m.Np = store(quot(LD(m.Ebmod) * 0.315 * 100000000, LD(m.Bmax) * m.Fmin * m.Sne));
    m.Ns = store(quot(m.Np, m.Kn));
    m.reached = 14;

    // 15. DC premagnetisation, 500 gauss cm per ampere-turn for the gapped
    //     stack. The rest currents of the two halves cancel; the rise to full
    //     signal flows in one half (Np/2). The secondary carries the whole
    //     RF plate current.
    m.Bcp = store(quot(LD(m.Np) * 500 * (LD(m.Ib1mod) - m.Ib0mod), LD(m.Lm) * 2000));
    m.Bcs = store(quot(LD(m.Ns) * 500 * m.Ibrf, LD(m.Lm) * 1000));
    m.Bc = store(LD(m.Bcp) + m.Bcs);
    m.reached = 15;

    // 16. DC flux verdict, the primary reported first.
    if (m.Bcp > m.Bmax)
        m.dcFlux = DcFluxVerdict::PrimaryExcess;
    else if (m.Bcs > m.Bmax)
        m.dcFlux = DcFluxVerdict::SecondaryExcess;
    else if (m.Bc > m.Bmax)
        m.dcFlux = DcFluxVerdict::TotalExcess;
    else
        m.dcFlux = DcFluxVerdict::WithinBmax;
    m.reached = 16;

    // 17. Copper for the full-signal plate current and the RF plate current (A).
    const float ip = static_cast<float>(LD(m.Ib1mod) * 0.001);
    const float is = static_cast<float>(LD(m.Ibrf) * 0.001);
    m.Sfpmm2 = Smm2(ip, sigma);
    m.Sfsmm2 = Smm2(is, sigma);
    m.Sfp = gaugeOf(ip,
                    KELVORA_WORDS("Error", "Erro de cálculo: a corrente máxima do modulador "
                                           "(I1mod) deve ser maior que zero (bitola do condutor)."),
                    sigma);
    m.Sfs = gaugeOf(is,
                    KELVORA_WORDS("Error", "Erro de cálculo: a corrente da etapa de RF (IbRF) "
                                           "deve ser maior que zero (bitola do condutor)."),
                    sigma);
    m.reached = 17;

    // 18. Reactor coupling: the reactor's reactance at Fmin must reach Zrf
    //     (H), the capacitor's must stay at a fifth of it (uF); it carries
    //     the RF plate current.
    const LD twoPiF = 2 * LD(Pi) * m.Fmin;
    m.Lreator = quot(m.Zrf, twoPiF);
    m.reached = 18;
    m.Cacopl = quot(5000000, twoPiF * m.Zrf);
    m.reached = 19;
}

} // namespace

std::vector<ControlSpec> trafoModControls()
{
    std::vector<ControlSpec> v;
    // Inputs, in the order the calculation reads them after the two combos.
    v.push_back(inputEdit("EPaMod", "50", 4));
    v.push_back(inputEdit("EFmin", "100", 4));
    v.push_back(inputEdit("EEbmod", "360", 4));
    v.push_back(inputEdit("EIb0mod", "120", 5));
    v.push_back(inputEdit("EIb1mod", "205", 5));
    v.push_back(inputEdit("EZmod", "3600", 5));
    v.push_back(inputEdit("EIbrf", "160", 5));
    v.push_back(inputEdit("EEbrf", "460", 4));
    v.push_back(inputEdit("EBmax", "10000", 5));
    v.push_back({.name = "CBTMEn",
                 .kind = Kind::Combo,
                 .text = "32",
                 .items = stackHeights(),
                 .input = true});
    v.push_back({.name = "CBTMBn",
                 .kind = Kind::Combo,
                 .text = "40",
                 .items = centreLegWidths(),
                 .input = true});
    v.push_back(radio("RBNormal", false));
    v.push_back(radio("RBConserv", true));
    v.push_back(radio("RBMuitoCons", false));

    // Coupling of the modulator to the RF stage, and the diagram it switches.
    v.push_back(
        {.name = "CBSelTM",
         .kind = Kind::Combo,
         .text = "Convencional",
         .items = {KELVORA_SHOWN("Item", "Convencional"), KELVORA_SHOWN("Item", "Reator (RCA)")},
         .keys = {"conventional", "reactor"},
         .input = true});
    v.push_back({.name = "ImgConvTM", .kind = Kind::Image});
    v.push_back({.name = "ImgReatorTM", .kind = Kind::Image, .visible = false});
    v.push_back({.name = "LCapAcopl1",
                 .text = KELVORA_SHOWN("Initial", "Capacitor de"),
                 .visible = false,
                 .initialWords = true});
    v.push_back({.name = "LCapAcopl2",
                 .text = KELVORA_SHOWN("Initial", "Acoplamento"),
                 .visible = false,
                 .initialWords = true});
    v.push_back({.name = "LReatMod1",
                 .text = KELVORA_SHOWN("Initial", "Reator de"),
                 .visible = false,
                 .initialWords = true});
    v.push_back({.name = "LReatMod2",
                 .text = KELVORA_SHOWN("Initial", "Modulação"),
                 .visible = false,
                 .initialWords = true});
    v.push_back(resultLabel("LPosX", false));
    v.push_back(resultLabel("LPosY", false));

    // Results, in the tab's output order.
    v.push_back(resultLabel("LZpl1"));
    v.push_back(resultLabel("LZpl2"));
    v.push_back(resultLabel("LSn"));
    v.push_back({.name = "ETMEnc", .kind = Kind::Edit, .readOnly = true});
    v.push_back({.name = "ETMBnc", .kind = Kind::Edit, .readOnly = true});
    v.push_back(resultLabel("LSne"));
    v.push_back(verdict("LTMAval"));
    v.push_back(resultLabel("LAe"));
    v.push_back(resultLabel("LPccRF"));
    v.push_back(resultLabel("LPMinMod"));
    v.push_back(resultLabel("LPextra"));
    v.push_back(verdict("LTMPAval"));
    v.push_back(resultLabel("LZrf"));
    v.push_back(resultLabel("LZrf2"));
    v.push_back(resultLabel("LKz"));
    v.push_back(resultLabel("LKn"));
    v.push_back(resultLabel("LNp1"));
    v.push_back(resultLabel("LNp2"));
    v.push_back(resultLabel("LNs"));
    v.push_back(resultLabel("LBcp"));
    v.push_back(resultLabel("LBcs"));
    v.push_back(resultLabel("LBc"));
    v.push_back(verdict("LTMBcAval"));
    v.push_back(resultLabel("LSfp1"));
    v.push_back(resultLabel("LSfp2"));
    v.push_back(resultLabel("LSfs"));
    v.push_back(resultLabel("LRMInd", false));
    v.push_back(resultLabel("LRMCorr", false));
    v.push_back(resultLabel("LCMod", false));

    // Report fields.
    v.push_back(inputWords("EUserNameTM", KELVORA_SHOWN("Initial", "Nome do usuário")));
    v.push_back(inputWords("EApplicationTM",
                           KELVORA_SHOWN("Initial", "Nome do transformador ou aplicação")));
    return v;
}

TrafoModInputs readTrafoModInputs(const Sheet& tab)
{
    TrafoModInputs in;
    in.Bn = tab["CBTMBn"].text;
    in.En = tab["CBTMEn"].text;
    in.PaMod = tab["EPaMod"].text;
    in.Fmin = tab["EFmin"].text;
    in.Ebmod = tab["EEbmod"].text;
    in.Ib0mod = tab["EIb0mod"].text;
    in.Ib1mod = tab["EIb1mod"].text;
    in.Zmod = tab["EZmod"].text;
    in.Ibrf = tab["EIbrf"].text;
    in.Ebrf = tab["EEbrf"].text;
    in.Bmax = tab["EBmax"].text;
    in.conservative = tab["RBConserv"].checked;
    in.veryConservative = tab["RBMuitoCons"].checked;
    return in;
}

void SelConfigTM(Sheet& tab, TrafoModResult& r)
{
    r.SelConfigTM = tab["CBSelTM"].itemIndex;
    if (r.SelConfigTM == 0)
        showCoupling(tab, false);
    else if (r.SelConfigTM == 1)
        showCoupling(tab, true);
}

TrafoModResult computeTrafoMod(const TrafoModInputs& in, const Settings& cfg,
                               const TrafoModResult& last)
{
    return runSteps(calculate, in, cfg, last);
}

void presentTrafoMod(const TrafoModResult& m, Sheet& tab, const Settings& cfg)
{
    const TrafoModResult::Reads& rd = m.reads;
    if (m.reached < 3)
        return;
    for (auto [name, substituted, used] : {std::tuple{"EPaMod", rd.PaMod, m.PaMod},
                                           {"EFmin", rd.Fmin, m.Fmin},
                                           {"EEbmod", rd.Ebmod, m.Ebmod},
                                           {"EIb0mod", rd.Ib0mod, m.Ib0mod},
                                           {"EIb1mod", rd.Ib1mod, m.Ib1mod},
                                           {"EZmod", rd.Zmod, m.Zmod},
                                           {"EIbrf", rd.Ibrf, m.Ibrf},
                                           {"EEbrf", rd.Ebrf, m.Ebrf},
                                           {"EBmax", rd.Bmax, m.Bmax}})
        showRead(tab[name], substituted, used, cfg,
                 name == std::string_view("EPaMod") && rd.PaModRaised && !substituted);
    tab["LZpl1"].text = ohms(LD(m.Zmod) * 0.5, cfg);
    tab["LZpl2"].text = tab["LZpl1"].text;
    if (m.reached < 4)
        return;
    tab["LSn"].text = fixed(m.Sn, 4, 2, cfg);
    if (m.reached < 5)
        return;
    tab["ETMEnc"].text = fixed(LD(m.Bnc) * 10, 4, 2, cfg);
    tab["ETMBnc"].text = tab["ETMEnc"].text;
    if (m.reached < 6)
        return;
    tab["LSne"].text = fixed(m.Sne, 4, 2, cfg);
    if (m.reached < 7)
        return;
    presentCoreVerdict(tab, m.core, "LTMAval", "CBTMBn", "CBTMEn");
    if (m.reached < 8)
        return;
    tab["LAe"].text = fixed(m.Ae, 4, 2, cfg) + " mm";
    if (m.reached < 9)
        return;
    tab["LPccRF"].text = watts(m.PccRF, cfg);
    tab["LPMinMod"].text = watts(LD(m.PccRF) * 0.5, cfg);
    if (m.reached < 10)
        return;
    tab["LPextra"].text = fixed(m.Pextra, 4, 1, cfg) + " W / " + fixed(m.PextraPct, 3, 0, cfg)
                          + " %";
    if (m.reached < 11)
        return;

    // 11. The power verdict's colours replace the validity colours of the three fields.
    const VerdictLabel power = powerVerdictLabel(m, cfg);
    write(tab["LTMPAval"], power.words);
    paint(tab["LTMPAval"], power.colours);
    for (const char* name : {"EPaMod", "EEbrf", "EIbrf"})
        paint(tab[name], m.power == ModPowerVerdict::Sufficient ? GoodPair : BadPair);
    if (m.reached < 12)
        return;
    tab["LZrf"].text = ohms(m.Zrf, cfg);
    tab["LZrf2"].text = tab["LZrf"].text;
    if (m.reached < 13)
        return;
    tab["LKz"].text = fixed(m.Kz, 4, 2, cfg);
    tab["LKn"].text = fixed(m.Kn, 4, 2, cfg);
    if (m.reached < 14)
        return;
    write(tab["LNp1"], turns(LD(m.Np) * 0.5, cfg));
    write(tab["LNp2"], turns(LD(m.Np) * 0.5, cfg));
    write(tab["LNs"], turns(m.Ns, cfg));
    if (m.reached < 15)
        return;
    tab["LBcp"].text = gauss(m.Bcp, cfg);
    tab["LBcs"].text = gauss(m.Bcs, cfg);
    tab["LBc"].text = gauss(m.Bc, cfg);
    if (m.reached < 16)
        return;

    // 16. EBmax takes the DC flux verdict's colours.
    const VerdictLabel dcFlux = verdictLabel(m.dcFlux);
    write(tab["LTMBcAval"], dcFlux.words);
    paint(tab["LTMBcAval"], dcFlux.colours);
    paint(tab["EBmax"], dcFlux.colours);
    if (m.reached < 17)
        return;
    tab["LSfp1"].text = gauge(m.Sfp, cfg);
    tab["LSfp2"].text = tab["LSfp1"].text;
    tab["LSfs"].text = gauge(m.Sfs, cfg);
    if (m.reached < 18)
        return;
    write(tab["LRMInd"], fixedWords(KELVORA_WORDS("Result", "%1 H (mín)"), m.Lreator, 6, 1, cfg));
    tab["LRMCorr"].text = fixed(m.Ibrf, 6, 1, cfg) + " mA";
    if (m.reached < 19)
        return;
    write(tab["LCMod"], fixedWords(KELVORA_WORDS("Result", "%1 uF (mín)"), m.Cacopl, 6, 1, cfg));
}

VerdictLabel powerVerdictLabel(const TrafoModResult& m, const Settings& cfg)
{
    return verdictLabel(m.power, fixed(m.PextraPct, 4, 1, cfg));
}

void CalculaTrafoMod(Sheet& tab, TrafoModResult& r, const Settings& cfg)
{
    calculateOnTab(tab, r, cfg, readTrafoModInputs, computeTrafoMod, presentTrafoMod);
}

std::vector<std::string> trafoModOutputs()
{
    return {"LZpl1",  "LZpl2",    "LSn",     "ETMEnc",   "ETMBnc", "LSne",  "LTMAval",   "LAe",
            "LPccRF", "LPMinMod", "LPextra", "LTMPAval", "LZrf",   "LZrf2", "LKz",       "LKn",
            "LNp1",   "LNp2",     "LNs",     "LBcp",     "LBcs",   "LBc",   "LTMBcAval", "LSfp1",
            "LSfp2",  "LSfs",     "LRMInd",  "LRMCorr",  "LCMod"};
}

} // namespace kelvora
