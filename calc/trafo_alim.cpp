#include "trafo_alim.h"

#include "checked.h"
#include "conductor.h"
#include "trafo_alim_report.h"

#include <algorithm>
#include <string>

namespace kelvora {

namespace {

std::string k(const char* prefix, int i) { return prefix + std::to_string(i); }

ControlSpec panel(std::string name, int top, int height, bool visible)
{
    return ControlSpec{.name = std::move(name), .kind = Kind::Panel, .visible = visible,
                       .top = top, .height = height};
}

// Primary voltage fields: a value of 0 or below would give no current at all,
// and above 10 kV the tab is no longer a mains transformer.
float readPrimaryVoltage(Sheet& tab, const char* name, const Settings& cfg)
{
    float v = readTolerant(tab, name, 1, cfg);
    if (!(v > 0))
        v = 1;
    if (v > 10000)
        v = 10000;
    return v;
}

std::string turns(float n, const Settings& cfg) { return fixed(n, 6, 1, cfg) + " Esp"; }
std::string gauge(float awg, const Settings& cfg) { return general(awg, cfg) + " AWG"; }
std::string amperes(float i, const Settings& cfg) { return fixed(i, 3, 2, cfg) + " A"; }

void showPrimaries(Sheet& tab, int tipoPri)
{
    switch (tipoPri) {
    case 0:
        tab["PPrim1"].visible = true;
        tab["PPrim2"].visible = false;
        tab["PPrim3"].visible = false;
        break;
    case 1:
        tab["PPrim1"].visible = true;
        tab["PPrim2"].visible = true;
        tab["PPrim3"].visible = false;
        break;
    case 2:
        tab["PPrim1"].visible = false;
        tab["PPrim2"].visible = false;
        tab["PPrim3"].visible = true;
        tab["PPrim3"].top = 40;
        break;
    default:
        break;
    }
}

} // namespace

std::vector<ControlSpec> trafoAlimControls()
{
    std::vector<ControlSpec> v;
    // Core and operating point.
    v.push_back(inputEdit("EBn1", "32", 0));
    v.push_back(inputEdit("EEn1", "32", 0));
    v.push_back({.name = "RBNucleoE", .kind = Kind::Radio, .checked = true, .input = true,
                 .group = "Nucleo"});
    v.push_back({.name = "RBNucleoU", .kind = Kind::Radio, .input = true, .group = "Nucleo"});
    v.push_back(inputEdit("EFo", "60", 6));
    std::vector<std::string> bmax;
    for (int g = 15000; g >= 5000; g -= 1000)
        bmax.push_back(std::to_string(g));
    v.push_back({.name = "CBTaBmax", .kind = Kind::Combo, .text = "10000", .items = bmax,
                 .input = true});
    v.push_back({.name = "CBTaEff", .kind = Kind::Combo, .text = "85",
                 .items = {"100", "98", "95", "93", "90", "88", "85", "83", "80", "78"},
                 .input = true});

    // Secondaries.
    const char* vs[] = {"400", "400", "5", "12", "12", "12"};
    const char* is[] = {"100", "100", "5000", "5000", "5000", "5000"};
    for (int i = 1; i <= 6; ++i) {
        ControlSpec e = inputEdit("", vs[i - 1], 5);
        e.name = k("EVs", i);
        v.push_back(e);
        ControlSpec c = inputEdit("", is[i - 1], 6);
        c.name = k("EIs", i);
        v.push_back(c);
    }

    // Primaries.
    v.push_back(inputEdit("EVp1", "125", 4));
    v.push_back({.name = "EVp2", .kind = Kind::Edit, .text = "125", .readOnly = true});
    v.push_back(inputEdit("EVp3", "125", 4));
    v.push_back(inputEdit("EVp4", "220", 4));
    v.push_back({.name = "EVprim0V", .kind = Kind::Edit, .text = "0", .readOnly = true});

    // Winding configuration and the schematic it arranges.
    v.push_back({.name = "CNumPri", .kind = Kind::List, .text = "Simples",
                 .items = {"Simples", "Duplo", "Derivação"}, .input = true});
    v.push_back({.name = "CNumSec", .kind = Kind::List, .text = "3",
                 .items = {"1", "2", "3", "4", "5", "6"}, .input = true});
    v.push_back(panel("PPrim1", 16, PanelHeightPrim, true));
    v.push_back(panel("PPrim2", 176, PanelHeightPrim, false));
    v.push_back(panel("PPrim3", 312, PanelHeightPrimTap, false));
    for (int i = 1; i <= 6; ++i)
        v.push_back(panel(k("PSec", i), 32 + 80 * (i - 1), PanelHeightSec, i == 1));
    v.push_back({.name = "LinhaNucleo1", .kind = Kind::Shape, .top = 28, .height = 240});
    v.push_back({.name = "LinhaNucleo2", .kind = Kind::Shape, .top = 28, .height = 480});

    // Results.
    for (const char* name : {"LFo", "LPas", "LPap", "LSnu", "LSns"})
        v.push_back(resultLabel(name));
    v.push_back({.name = "EEnc", .kind = Kind::Edit, .readOnly = true});
    v.push_back({.name = "EBnc", .kind = Kind::Edit, .readOnly = true});
    for (const char* name : {"LAlimAval", "LVep", "LVes", "LVsec"})
        v.push_back(resultLabel(name));
    for (int i = 1; i <= 6; ++i)
        v.push_back(resultLabel(k("LNs", i)));
    for (int i = 1; i <= 6; ++i)
        v.push_back(resultLabel(k("LSs", i)));
    for (const char* prefix : {"LIprim", "LNprim", "LSprim"})
        for (int i = 1; i <= 4; ++i)
            v.push_back(resultLabel(k(prefix, i)));

    // Report fields.
    v.push_back(inputEdit("EUserNameTA", "Digite aqui o nome do utilizador do programa", 80));
    v.push_back(inputEdit("EApplicationTA", "Digite aqui o nome do tranformador ou tipo de aplicação",
                     80));
    return v;
}

void TAEnrolamentos(Sheet& tab, CalcState& s)
{
    // 1. The two choices the calculation and the report go by.
    s.NumSec = tab["CNumSec"].itemIndex;
    s.TipoPri = tab["CNumPri"].itemIndex;
    const bool single = s.TipoPri == 0;
    const bool twoPrimaries = s.TipoPri == 1 || s.TipoPri == 2;

    // 2. Every secondary hidden, then those in use shown.
    for (int i = 1; i <= 6; ++i)
        tab[k("PSec", i)].visible = false;
    for (int i = 1; i <= std::min(s.NumSec + 1, 6); ++i)
        tab[k("PSec", i)].visible = true;

    // 3. With one or two secondaries they sit beside the primaries; from three on
    // they stack at the 80-pixel pitch. The core lines span the taller side.
    int H = 80;
    switch (s.NumSec) {
    case 0:
        if (single) {
            tab["PSec1"].top = 32;
        } else if (twoPrimaries) {
            tab["PSec1"].top = 112;
            H = 240;
        }
        break;
    case 1:
        tab["PSec1"].top = 32;
        if (single) {
            tab["PSec2"].top = 112;
            H = 160;
        } else if (twoPrimaries) {
            tab["PSec2"].top = 192;
            H = 240;
        }
        break;
    case 2:
    case 3:
    case 4:
    case 5:
        tab["PSec1"].top = 32;
        tab["PSec2"].top = 112;
        H = 80 * (s.NumSec + 1);
        break;
    default:
        break;
    }

    // 4. Core lines.
    tab["LinhaNucleo1"].height = H;
    tab["LinhaNucleo2"].height = H;

    // 5. Primary panels.
    showPrimaries(tab, s.TipoPri);
}

void CalculaTrafoAlim(Sheet& tab, CalcState& s, const Settings& cfg)
{
    // 1. Chosen core, mm.
    s.Bn = readTolerant(tab, "EBn1", 0, cfg);
    s.En = readTolerant(tab, "EEn1", 0, cfg);

    // 2. Frequency, Hz: at least 1 Hz (the section formula divides by it), below
    // 500 kHz; a clamped value is written back so the user sees what is used.
    s.Fo = readTolerant(tab, "EFo", 1, cfg);
    if (s.Fo < 1) {
        s.Fo = 1;
        tab["EFo"].background = Colour::Red;
        tab["EFo"].text = "1";
    } else if (s.Fo >= 500000) {
        s.Fo = 500000;
        tab["EFo"].background = Colour::Red;
        tab["EFo"].text = "500000";
    }
    tab["LFo"].text = general(s.Fo, cfg);

    // 3. Flux density (gauss) and efficiency (%) come from lists: strict reads.
    s.Bmax = strictFloat(tab["CBTaBmax"].text, cfg.decimalSeparator);
    s.n = strictFloat(tab["CBTaEff"].text, cfg.decimalSeparator);

    // 4. Secondaries; currents typed in mA, kept in A, never below 1 mA so
    // that the gauge's logarithm stays defined.
    for (int i = 1; i <= 6; ++i)
        s.Vs[i] = readTolerant(tab, k("EVs", i), 0, cfg);
    for (int i = 1; i <= 6; ++i) {
        float mA = readTolerant(tab, k("EIs", i), 1, cfg);
        if (!(mA > 1))
            mA = 1;
        s.Is[i] = store(static_cast<long double>(mA) * 0.001);
    }
    const int active = std::clamp(s.NumSec + 1, 0, 6);

    // 5. Secondary apparent power, VA.
    long double pas = 0;
    for (int i = 1; i <= active; ++i)
        pas += static_cast<long double>(s.Vs[i]) * s.Is[i];
    s.Pas = store(pas);
    tab["LPas"].text = fixed(s.Pas, 3, 2, cfg);

    // 6. The primary also supplies the losses.
    s.Pap = store(quot(static_cast<long double>(s.Pas) * 100, s.n));
    tab["LPap"].text = fixed(s.Pap, 3, 2, cfg);

    // 7. Lamination shape: E/I cores need more iron than U/I for the same power.
    if (tab["RBNucleoE"].checked) {
        tab["RBNucleoU"].checked = false;
        s.Kcore = 7;
    }
    if (tab["RBNucleoU"].checked) {
        tab["RBNucleoE"].checked = false;
        s.Kcore = 5;
    }

    // 8. Needed section, cm^2: the classic empirical rule K * sqrt(P / f).
    s.Snu = store(root(quot(s.Pap, s.Fo), "Pap/Fo") * s.Kcore);
    tab["LSnu"].text = fixed(s.Snu, 4, 2, cfg);

    // 9. Side of the square section, cm, shown in mm.
    s.Bnc = store(root(s.Snu, "Snu"));
    const long double side = static_cast<long double>(s.Bnc) * 10;
    tab["EEnc"].text = fixed(side, 4, 2, cfg);
    tab["EBnc"].text = tab["EEnc"].text;

    // 10. Chosen section, mm x mm to cm^2.
    s.Sns = store(static_cast<long double>(s.Bn) * s.En * 0.01);
    tab["LSns"].text = fixed(s.Sns, 4, 2, cfg);

    // 11. Verdict on the chosen core.
    Control& aval = tab["LAlimAval"];
    if (s.Sns >= s.Snu) {
        if (!(side > s.Bn)) {
            aval.text = "Seção escolhida atende à aplicação!";
            paint(aval, GoodPair);
            paint(tab["EBn1"], GoodPair);
        } else {
            aval.text = "Largura da perna central pequena";
            paint(aval, BadPair);
            paint(tab["EBn1"], BadPair);
        }
        paint(tab["EEn1"], GoodPair);
    } else {
        aval.text = "Seção escolhida menor que a mínima";
        paint(aval, BadPair);
        paint(tab["EBn1"], BadPair);
        paint(tab["EEn1"], BadPair);
    }

    // 12. Primary volts per turn: 4.44 f S B with S in cm^2 and B in gauss
    // (1e-8 turns maxwells into webers).
    s.Vep = store(static_cast<long double>(s.Fo) * 4.44e-8 * s.Snu * s.Bmax);
    tab["LVep"].text = fixed(s.Vep, 4, 3, cfg);

    // 13. Secondary loss factor: regulation falls slowly with power, but a
    // secondary never gets less than 1 % extra turns.
    s.Vsec = store(1.1518 * power(s.Pas, -0.017));
    if (!(s.Vsec >= 1.01))
        s.Vsec = store(1.01);
    tab["LVsec"].text = fixed(s.Vsec, 4, 3, cfg);

    // 14. Secondary volts per turn.
    s.Ves = store(quot(s.Vep, s.Vsec));
    tab["LVes"].text = fixed(s.Ves, 4, 3, cfg);

    // 15. Active secondaries; turns are left fractional for the winder to round.
    for (int i = 1; i <= active; ++i) {
        s.Ss[i] = Smm2(s.Is[i], s, cfg);
        s.AWGs[i] = SAWG(s.Is[i], s, cfg);
        s.Ns[i] = store(quot(s.Vs[i], s.Ves));
    }

    // 16. All six labels; hidden ones keep their last values.
    for (int i = 1; i <= 6; ++i) {
        tab[k("LNs", i)].text = turns(s.Ns[i], cfg);
        tab[k("LSs", i)].text = gauge(s.AWGs[i], cfg);
    }

    // 17. Primary voltages; the second half of a double primary is the first's twin.
    s.Vp[1] = readPrimaryVoltage(tab, "EVp1", cfg);
    tab["EVp2"].text = tab["EVp1"].text;
    s.Vp[2] = readTolerant(tab, "EVp2", 1, cfg);
    s.Vp[3] = readPrimaryVoltage(tab, "EVp3", cfg);
    s.Vp[4] = readPrimaryVoltage(tab, "EVp4", cfg);
    // The full winding cannot be shorter than its tap.
    if (s.Vp[4] >= s.Vp[3]) {
        tab["EVp4"].background = Colour::Window;
    } else {
        s.Vp[4] = s.Vp[3];
        tab["EVp4"].background = Colour::Red;
    }

    // 18. Primary windings by type.
    switch (s.TipoPri) {
    case 0:
        showPrimaries(tab, 0);
        s.Iprim[1] = store(quot(s.Pap, s.Vp[1]));
        s.Nprim[1] = store(quot(s.Vp[1], s.Vep));
        s.Sprim[1] = Smm2(s.Iprim[1], s, cfg);
        s.AWGprim[1] = SAWG(s.Iprim[1], s, cfg);
        tab["LIprim1"].text = amperes(s.Iprim[1], cfg);
        tab["LNprim1"].text = turns(s.Nprim[1], cfg);
        tab["LSprim1"].text = gauge(s.AWGprim[1], cfg);
        break;
    case 1:
        // Two equal halves, in parallel for the lower mains voltage: each carries half.
        showPrimaries(tab, 1);
        s.Iprim[1] = store(quot(s.Pap, s.Vp[1]) * 0.5);
        s.Iprim[2] = s.Iprim[1];
        s.Nprim[1] = store(quot(s.Vp[1], s.Vep));
        s.Nprim[2] = s.Nprim[1];
        s.Sprim[1] = Smm2(s.Iprim[1], s, cfg);
        s.AWGprim[1] = SAWG(s.Iprim[1], s, cfg);
        s.Sprim[2] = s.Sprim[1];
        s.AWGprim[2] = s.AWGprim[1];
        tab["LIprim1"].text = amperes(s.Iprim[1], cfg);
        tab["LIprim2"].text = amperes(s.Iprim[2], cfg);
        tab["LNprim1"].text = turns(s.Nprim[1], cfg);
        tab["LNprim2"].text = turns(s.Nprim[2], cfg);
        tab["LSprim1"].text = gauge(s.AWGprim[1], cfg);
        tab["LSprim2"].text = gauge(s.AWGprim[2], cfg);
        break;
    case 2:
        // One winding tapped: the common end to the tap carries the current of
        // the lower mains voltage, the rest only that of the higher one.
        showPrimaries(tab, 2);
        s.Iprim[3] = store(quot(s.Pap, s.Vp[3]));
        s.Iprim[4] = store(quot(s.Pap, s.Vp[4]));
        s.Nprim[3] = store(quot(s.Vp[3], s.Vep));
        s.Nprim[4] = store(quot(s.Vp[4], s.Vep) - s.Nprim[3]);
        s.Sprim[3] = Smm2(s.Iprim[3], s, cfg);
        s.AWGprim[3] = SAWG(s.Iprim[3], s, cfg);
        s.Sprim[4] = Smm2(s.Iprim[4], s, cfg);
        s.AWGprim[4] = SAWG(s.Iprim[4], s, cfg);
        tab["LIprim3"].text = amperes(s.Iprim[3], cfg);
        tab["LIprim4"].text = amperes(s.Iprim[4], cfg);
        tab["LNprim3"].text = turns(s.Nprim[3], cfg);
        tab["LNprim4"].text = turns(s.Nprim[4], cfg);
        tab["LSprim3"].text = gauge(s.AWGprim[3], cfg);
        tab["LSprim4"].text = gauge(s.AWGprim[4], cfg);
        break;
    default:
        return;
    }
}

Design trafoAlimDesign()
{
    Design d;
    d.name = "trafo-alimentacao";
    d.tab = "TTrafoAlim";
    d.controls = trafoAlimControls();
    d.outputs = {"LFo", "LPas", "LPap", "LSnu", "LSns", "EEnc", "EBnc", "LAlimAval",
                 "LVep", "LVes", "LVsec"};
    for (const char* prefix : {"LNs", "LSs"})
        for (int i = 1; i <= 6; ++i)
            d.outputs.push_back(k(prefix, i));
    for (const char* prefix : {"LIprim", "LNprim", "LSprim"})
        for (int i = 1; i <= 4; ++i)
            d.outputs.push_back(k(prefix, i));
    d.show = [](Sheet& tab, CalcState& s, const Settings& cfg) {
        TAEnrolamentos(tab, s);
        CalculaTrafoAlim(tab, s, cfg);
    };
    d.report = reportTrafoAlim;
    d.core = [](const CalcState& s) { return std::pair<float, float>{s.En, s.Bn}; };
    return d;
}

} // namespace kelvora
