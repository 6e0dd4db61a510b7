#include "trafo_mod.h"

#include "calc_error.h"
#include "checked.h"
#include "conductor.h"
#include "trafo_mod_report.h"

#include <string>

namespace kelvora {

namespace {

using LD = long double;

// A verdict label: white text until the first run paints it.
ControlSpec verdict(const char* name)
{
    return ControlSpec{.name = name, .font = Colour::White};
}

ControlSpec radio(const char* name, bool checked)
{
    return ControlSpec{.name = name, .kind = Kind::Radio, .checked = checked, .input = true,
                       .group = "TipoAnalise"};
}

std::string ohms(long double v, const Settings& cfg) { return fixed(v, 8, 1, cfg) + " ohms"; }
std::string turns(long double v, const Settings& cfg) { return fixed(v, 8, 1, cfg) + " esp"; }
std::string gauss(long double v, const Settings& cfg) { return fixed(v, 6, 1, cfg) + " Gauss"; }
std::string watts(long double v, const Settings& cfg) { return fixed(v, 4, 1, cfg) + " W"; }
std::string gauge(float awg, const Settings& cfg) { return general(awg, cfg) + " AWG"; }

// The gauge rule takes the logarithm of the current: a current that is not
// positive would only give a bare "invalid operation", so name the field.
float gaugeOf(float current, const char* what, CalcState& s, const Settings& cfg)
{
    if (!(current > 0))
        throw CalcError(std::string("Erro de cálculo: ") + what
                        + " deve ser maior que zero (bitola do condutor).");
    return SAWG(current, s, cfg);
}

// Which coupling shows which parts of the diagram.
void showCoupling(Sheet& tab, bool reactor)
{
    tab["ImgConvTM"].visible = !reactor;
    for (const char* name : {"ImgReatorTM", "LCapAcopl1", "LCapAcopl2", "LReatMod1",
                             "LReatMod2", "LCMod", "LRMInd", "LRMCorr"})
        tab[name].visible = reactor;
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
    v.push_back({.name = "CBTMEn", .kind = Kind::Combo, .text = "32",
                 .items = {"12", "15", "19", "21", "23", "25", "27", "30", "32",
                           "36", "38", "40", "44", "48", "50", "55", "60", "65",
                           "70", "80", "90", "100", "110", "120", "130", "140"},
                 .input = true});
    // 50 mm stands twice in the list of lamination sizes.
    v.push_back({.name = "CBTMBn", .kind = Kind::Combo, .text = "40",
                 .items = {"15", "19", "22", "25", "28", "32", "35", "36", "38", "40", "44",
                           "50", "50", "60", "80", "100"},
                 .input = true});
    v.push_back(radio("RBNormal", false));
    v.push_back(radio("RBConserv", true));
    v.push_back(radio("RBMuitoCons", false));

    // Coupling of the modulator to the RF stage, and the diagram it switches.
    v.push_back({.name = "CBSelTM", .kind = Kind::Combo, .text = "Convencional",
                 .items = {"Convencional", "Reator (RCA)"}, .input = true});
    v.push_back({.name = "ImgConvTM", .kind = Kind::Image});
    v.push_back({.name = "ImgReatorTM", .kind = Kind::Image, .visible = false});
    v.push_back({.name = "LCapAcopl1", .text = "Capacitor de", .visible = false});
    v.push_back({.name = "LCapAcopl2", .text = "Acoplamento", .visible = false});
    v.push_back({.name = "LReatMod1", .text = "Reator de", .visible = false});
    v.push_back({.name = "LReatMod2", .text = "Modulação", .visible = false});
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
    v.push_back({.name = "EUserNameTM", .kind = Kind::Edit, .text = "Nome do usuário",
                 .input = true});
    v.push_back({.name = "EApplicationTM", .kind = Kind::Edit,
                 .text = "Nome do transformador ou aplicação", .input = true});
    return v;
}

void SelConfigTM(Sheet& tab, CalcState& s)
{
    s.SelConfigTM = tab["CBSelTM"].itemIndex;
    if (s.SelConfigTM == 0)
        showCoupling(tab, false);
    else if (s.SelConfigTM == 1)
        showCoupling(tab, true);
}

void CalculaTrafoMod(Sheet& tab, CalcState& s, const Settings& cfg)
{
    TrafoModRecord& m = s.mod;

    // 1. Chosen lamination: centre-leg width and stack height, whole mm.
    const int bn = strictInt(tab["CBTMBn"].text);
    const int en = strictInt(tab["CBTMEn"].text);
    m.Bn = static_cast<float>(bn);
    m.En = static_cast<float>(en);

    // 2. The edit fields; a modulator of no power is taken as 1 W.
    m.PaMod = readTolerant(tab, "EPaMod", 1, cfg);
    m.Fmin = readTolerant(tab, "EFmin", 1, cfg);
    m.Ebmod = readTolerant(tab, "EEbmod", 0, cfg);
    m.Ib0mod = readTolerant(tab, "EIb0mod", 1, cfg);
    m.Ib1mod = readTolerant(tab, "EIb1mod", 1, cfg);
    m.Zmod = readTolerant(tab, "EZmod", 1, cfg);
    m.Ibrf = readTolerant(tab, "EIbrf", 1, cfg);
    m.Ebrf = readTolerant(tab, "EEbrf", 1, cfg);
    m.Bmax = readTolerant(tab, "EBmax", 1, cfg);
    if (!(m.PaMod > 0))
        m.PaMod = 1;

    // 3. Each valve works into half the plate-to-plate load.
    tab["LZpl1"].text = ohms(LD(m.Zmod) * 0.5, cfg);
    tab["LZpl2"].text = tab["LZpl1"].text;

    // 4. Empirical core section of an audio transformer, cm^2 for W and Hz:
    //    the lower the frequency, the more iron for the same power.
    m.Sn = store(root(quot(m.PaMod, m.Fmin),
                      "a freqüência mínima de áudio (Fmin)") * 15);
    tab["LSn"].text = fixed(m.Sn, 4, 2, cfg);

    // 5. Side of the square section (cm), shown in mm beside both combos.
    m.Bnc = store(root(m.Sn));
    tab["ETMEnc"].text = fixed(LD(m.Bnc) * 10, 4, 2, cfg);
    tab["ETMBnc"].text = tab["ETMEnc"].text;

    // 6. Section of the chosen stack, mm x mm to cm^2.
    m.Sne = store(LD(m.Bn) * m.En * 0.01);
    tab["LSne"].text = fixed(m.Sne, 4, 2, cfg);

    // 7. Core verdict.
    Control& aval = tab["LTMAval"];
    if (m.Sne < m.Sn) {
        aval.text = "Seção escolhida menor que a mínima";
        paint(aval, BadPair);
        paint(tab["CBTMBn"], BadPair);
        paint(tab["CBTMEn"], BadPair);
    } else if (LD(m.Bnc) * 10 > m.Bn) {
        aval.text = "Largura da perna central pequena";
        paint(aval, BadPair);
        paint(tab["CBTMBn"], BadPair);
        paint(tab["CBTMEn"], GoodPair);
    } else {
        aval.text = "Seção escolhida atende à aplicação!";
        paint(aval, GoodPair);
        paint(tab["CBTMBn"], GoodPair);
        paint(tab["CBTMEn"], GoodPair);
    }

    // 8. Mean magnetic path of a standard E/I stack, about 6.5 centre-leg
    //    widths (cm), and an air gap of half a percent of it (mm).
    m.Lm = store(6.5 * LD(m.Bn) * 0.1);
    m.Ae = store(0.1 * LD(m.Lm) * 0.5);
    tab["LAe"].text = fixed(m.Ae, 4, 2, cfg) + " mm";

    // 9. DC input of the RF stage (V x mA); full modulation takes half of it in audio.
    m.PccRF = store(0.001 * LD(m.Ebrf) * m.Ibrf);
    tab["LPccRF"].text = watts(m.PccRF, cfg);
    tab["LPMinMod"].text = watts(LD(m.PccRF) * 0.5, cfg);

    // 10. What the modulator has beyond that.
    m.Pextra = store(LD(m.PaMod) - LD(m.PccRF) * 0.5);
    m.PextraPct = store(quot(m.Pextra, m.PaMod) * 100);
    tab["LPextra"].text = fixed(m.Pextra, 4, 1, cfg) + " W / " + fixed(m.PextraPct, 3, 0, cfg)
                          + " %";

    // 11. Power verdict; its colours replace the validity colours of the three fields.
    Control& paval = tab["LTMPAval"];
    ColourPair fields = GoodPair;
    if (!(m.PextraPct >= 0)) {
        paval.text = "Potência Insuficiente no Modulador (Pextra<0%)!";
        paint(paval, BadPair);
        fields = BadPair;
    } else if (tab["RBConserv"].checked && m.PextraPct < 25) {
        paval.text = "Potência Baixa no Modulador (Pextra<25%)!";
        paint(paval, WarnPair);
        fields = BadPair;
    } else if (tab["RBMuitoCons"].checked && m.PextraPct < 50) {
        paval.text = "Potência Baixa no Modulador (Pextra<50%)!";
        paint(paval, WarnPair);
        fields = BadPair;
    } else {
        paval.text = "Potência Suficiente no Modulador (Pextra>" + fixed(m.PextraPct, 4, 1, cfg)
                     + "%)!";
        paint(paval, GoodPair);
    }
    for (const char* name : {"EPaMod", "EEbrf", "EIbrf"})
        paint(tab[name], fields);

    // 12. The RF stage is a resistive load: plate volts over plate amperes.
    m.Zrf = store(quot(LD(m.Ebrf) * 1000, m.Ibrf));
    tab["LZrf"].text = ohms(m.Zrf, cfg);
    tab["LZrf2"].text = tab["LZrf"].text;

    // 13. Impedance ratio, and the turns ratio as its square root.
    m.Kz = store(quot(m.Zmod, m.Zrf));
    m.Kn = store(root(m.Kz, m.Zmod < 0 ? "a impedância placa a placa do modulador (Zmod)"
                                       : "a impedância da etapa de RF (EbRF / IbRF)"));
    tab["LKz"].text = fixed(m.Kz, 4, 2, cfg);
    tab["LKn"].text = fixed(m.Kn, 4, 2, cfg);

    // 14. Turns from the EMF equation V = 4.44 f N B S 1e-8 (gauss, cm^2):
    //     0.315 = 1.4 / 4.44, the plate-to-plate swing at full signal being
    //     about 1.4 Ebmod rms.
    m.Np = store(quot(LD(m.Ebmod) * 0.315 * 100000000, LD(m.Bmax) * m.Fmin * m.Sne));
    m.Ns = store(quot(m.Np, m.Kn));
    tab["LNp1"].text = turns(LD(m.Np) * 0.5, cfg);
    tab["LNp2"].text = turns(LD(m.Np) * 0.5, cfg);
    tab["LNs"].text = turns(m.Ns, cfg);

    // 15. DC premagnetisation, 500 gauss cm per ampere-turn for the gapped
    //     stack. The rest currents of the two halves cancel; the rise to full
    //     signal flows in one half (Np/2). The secondary carries the whole
    //     RF plate current.
    m.Bcp = store(quot(LD(m.Np) * 500 * (LD(m.Ib1mod) - m.Ib0mod), LD(m.Lm) * 2000));
    m.Bcs = store(quot(LD(m.Ns) * 500 * m.Ibrf, LD(m.Lm) * 1000));
    m.Bc = store(LD(m.Bcp) + m.Bcs);
    tab["LBcp"].text = gauss(m.Bcp, cfg);
    tab["LBcs"].text = gauss(m.Bcs, cfg);
    tab["LBc"].text = gauss(m.Bc, cfg);

    // 16. DC flux verdict, the primary reported first; EBmax takes its colours.
    Control& bcAval = tab["LTMBcAval"];
    ColourPair bc = BadPair;
    if (m.Bcp > m.Bmax) {
        bcAval.text = "Excesso de Indução CC no Primário!";
    } else if (m.Bcs > m.Bmax) {
        bcAval.text = "Excesso de Indução CC no Secundário!";
    } else if (m.Bc > m.Bmax) {
        bcAval.text = "Excesso de Indução CC Total";
    } else {
        bcAval.text = "Indução CC dentro dos limites de Bmax!";
        bc = GoodPair;
    }
    paint(bcAval, bc);
    paint(tab["EBmax"], bc);

    // 17. Copper for the full-signal plate current and the RF plate current (A).
    const float ip = static_cast<float>(LD(m.Ib1mod) * 0.001);
    const float is = static_cast<float>(LD(m.Ibrf) * 0.001);
    m.Sfpmm2 = Smm2(ip, s, cfg);
    m.Sfsmm2 = Smm2(is, s, cfg);
    m.Sfp = gaugeOf(ip, "a corrente máxima do modulador (I1mod)", s, cfg);
    m.Sfs = gaugeOf(is, "a corrente da etapa de RF (IbRF)", s, cfg);
    tab["LSfp1"].text = gauge(m.Sfp, cfg);
    tab["LSfp2"].text = tab["LSfp1"].text;
    tab["LSfs"].text = gauge(m.Sfs, cfg);

    // 18. Reactor coupling: the reactor's reactance at Fmin must reach Zrf
    //     (H), the capacitor's must stay at a fifth of it (uF); it carries
    //     the RF plate current.
    const LD twoPiF = 2 * LD(Pi) * m.Fmin;
    tab["LRMInd"].text = fixed(quot(m.Zrf, twoPiF), 6, 1, cfg) + " H (mín)";
    tab["LRMCorr"].text = fixed(m.Ibrf, 6, 1, cfg) + " mA";
    tab["LCMod"].text = fixed(quot(5000000, twoPiF * m.Zrf), 6, 1, cfg) + " uF (mín)";
}

Design trafoModDesign()
{
    Design d;
    d.name = "modulador-valvulado";
    d.tab = "TModValvul";
    d.controls = trafoModControls();
    d.outputs = {"LZpl1",  "LZpl2", "LSn",   "ETMEnc", "ETMBnc",    "LSne",   "LTMAval",
                 "LAe",    "LPccRF", "LPMinMod", "LPextra", "LTMPAval", "LZrf", "LZrf2",
                 "LKz",    "LKn",   "LNp1",  "LNp2",   "LNs",       "LBcp",   "LBcs",
                 "LBc",    "LTMBcAval", "LSfp1", "LSfp2", "LSfs",   "LRMInd", "LRMCorr",
                 "LCMod"};
    d.show = [](Sheet& tab, CalcState& s, const Settings& cfg) {
        SelConfigTM(tab, s);
        CalculaTrafoMod(tab, s, cfg);
    };
    d.report = reportTrafoMod;
    d.core = [](const CalcState& s) { return std::pair<float, float>{s.mod.En, s.mod.Bn}; };
    return d;
}

} // namespace kelvora
