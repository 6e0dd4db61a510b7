#include "trafo_alim.h"

#include "checked.h"
#include "conductor.h"
#include "shown_text.h"

#include <algorithm>
#include <array>
#include <string>

namespace kelvora {

namespace {

std::string k(const char* prefix, int i) { return prefix + std::to_string(i); }

// The numbered controls' names, "EVs1" ... "EVs6", spelled once: the
// calculation names them on every keystroke.
class Numbered {
public:
    explicit Numbered(const char* prefix)
    {
        for (int i = 1; i <= 6; ++i)
            names_[i] = k(prefix, i);
    }
    const std::string& operator[](int i) const { return names_[i]; }

private:
    std::array<std::string, 7> names_;
};

struct WindingNames {
    Numbered EVs{"EVs"}, EIs{"EIs"}, PSec{"PSec"}, LNs{"LNs"}, LSs{"LSs"}, EVp{"EVp"},
        LIprim{"LIprim"}, LNprim{"LNprim"}, LSprim{"LSprim"};
};

const WindingNames& names()
{
    static const WindingNames n;
    return n;
}

ControlSpec panel(std::string name, bool visible)
{
    return ControlSpec{.name = std::move(name), .kind = Kind::Panel, .visible = visible};
}

using LD = long double;

// Primary voltage fields: a value of 0 or below would give no current at all,
// and above 10 kV the tab is no longer a mains transformer.
float primaryVoltage(const std::string& text, bool& substituted, bool& clamped, const Settings& cfg)
{
    const float typed = readTolerant(text, 1, substituted, cfg);
    float v = typed;
    if (!(v > 0))
        v = 1;
    if (v > 10000)
        v = 10000;
    clamped = v != typed;
    return v;
}

ShownText turns(float n, const Settings& cfg) { return turnsWords(n, 6, 1, cfg); }
std::string amperes(float i, const Settings& cfg) { return fixedUnit(i, 3, 2, " A", cfg); }

// The primary panels each winding type shows.
void showPrimaries(Sheet& tab, int tipoPri)
{
    if (tipoPri < 0 || tipoPri > 2)
        return;
    tab["PPrim1"].visible = tipoPri != 2;
    tab["PPrim2"].visible = tipoPri == 1;
    tab["PPrim3"].visible = tipoPri == 2;
}

// The steps of the calculation, in order; each completed step is recorded in
// r.reached, so that the presentation shows exactly what a failed run reached.
void calculate(const TrafoAlimInputs& in, const Settings& cfg, TrafoAlimResult& r)
{
    TrafoAlimResult::Reads& rd = r.reads;
    const Sigma sigma(cfg.sigmaText);

    // 1. Chosen core, mm.
    r.Bn = readTolerant(in.Bn, 0, rd.Bn, cfg);
    r.En = readTolerant(in.En, 0, rd.En, cfg);
    r.reached = 1;

    // 2. Frequency, Hz: at least 1 Hz (the section formula divides by it), below
    // 500 kHz; a clamped value is written back so the user sees what is used.
    r.Fo = readTolerant(in.Fo, 1, rd.Fo, cfg);
    rd.FoClamped = 0;
    if (r.Fo < 1) {
        r.Fo = 1;
        rd.FoClamped = -1;
    } else if (r.Fo >= 500000) {
        r.Fo = 500000;
        rd.FoClamped = 1;
    }
    r.reached = 2;

    // 3. Flux density (gauss) and efficiency (%) come from lists: strict reads.
    r.Bmax = readingField("CBTaBmax", [&] { return strictFloat(in.Bmax, cfg.decimalSeparator); });
    r.n = readingField("CBTaEff", [&] { return strictFloat(in.n, cfg.decimalSeparator); });
    r.reached = 3;

    // 4. Secondaries; currents typed in mA, kept in A, never below 1 mA so
    // that the gauge's logarithm stays defined.
    for (int i = 1; i <= 6; ++i)
        r.Vs[i] = readTolerant(in.Vs[i], 0, rd.Vs[i], cfg);
    for (int i = 1; i <= 6; ++i) {
        float mA = readTolerant(in.Is[i], 1, rd.Is[i], cfg);
        rd.IsNegative[i] = mA < 0;
        rd.IsRaised[i] = !rd.Is[i] && mA < 1;
        if (!(mA > 1))
            mA = 1;
        r.Is[i] = store(LD(mA) * 0.001);
    }
    const int active = std::clamp(r.NumSec + 1, 0, 6);
    r.reached = 4;

    // 5. Secondary apparent power, VA.
    LD pas = 0;
    for (int i = 1; i <= active; ++i)
        pas += LD(r.Vs[i]) * r.Is[i];
    r.Pas = store(pas);
    r.reached = 5;

    // 6. The primary also supplies the losses.
    r.Pap = store(quot(LD(r.Pas) * 100, r.n));
    r.reached = 6;

    // 7. Lamination shape: E/I cores need more iron than U/I for the same
    // power. With neither chosen the last shape stays.
    if (in.nucleoE)
        r.Kcore = 7;
    else if (in.nucleoU)
        r.Kcore = 5;
    r.reached = 7;

    // 8. Needed section, cm^2: the classic empirical rule K * sqrt(P / f).
    r.Snu = store(root(quot(r.Pap, r.Fo), "Pap/Fo") * r.Kcore);
    r.reached = 8;

    // 9. Side of the square section, cm (shown in mm).
    r.Bnc = store(root(r.Snu, "Snu"));
    r.reached = 9;

    // 10. Chosen section, mm x mm to cm^2.
    r.Sns = store(LD(r.Bn) * r.En * 0.01);
    r.reached = 10;

    // 11. Verdict on the chosen core.
    r.core = judgeCore(r.Sns, r.Snu, LD(r.Bnc) * 10, r.Bn);
    r.reached = 11;

    // 12. Primary volts per turn: 4.44 f S B with S in cm^2 and B in gauss
    // (1e-8 turns maxwells into webers).
    r.Vep = store(LD(r.Fo) * 4.44e-8 * r.Snu * r.Bmax);
    r.reached = 12;

    // 13. Secondary loss factor: regulation falls slowly with power, but a
    // secondary never gets less than 1 % extra turns.
    r.Vsec = storeScaledPower(1.1518, r.Pas, -0.017);
    if (!(r.Vsec >= 1.01))
        r.Vsec = store(1.01);
    r.reached = 13;

    // 14. Secondary volts per turn.
    r.Ves = store(quot(r.Vep, r.Vsec));
    r.reached = 14;

    // 15. Active secondaries; turns are left fractional for the winder to round.
    for (int i = 1; i <= active; ++i) {
        r.Ss[i] = Smm2(r.Is[i], sigma);
        r.AWGs[i] = SAWG(r.Is[i], sigma);
        r.Ns[i] = store(quot(r.Vs[i], r.Ves));
    }
    r.reached = 16; // 16 writes the labels, all six: hidden ones keep their last values

    // 17. Primary voltages; the second half of a double primary is the first's
    // twin. The full winding cannot be shorter than its tap.
    r.Vp[1] = primaryVoltage(in.Vp1, rd.Vp[1], rd.VpClamped[1], cfg);
    r.Vp[2] = readTolerant(in.Vp1, 1, rd.Vp[2], cfg);
    r.Vp[3] = primaryVoltage(in.Vp3, rd.Vp[3], rd.VpClamped[3], cfg);
    r.Vp[4] = primaryVoltage(in.Vp4, rd.Vp[4], rd.VpClamped[4], cfg);
    rd.tapRaised = !(r.Vp[4] >= r.Vp[3]);
    if (rd.tapRaised)
        r.Vp[4] = r.Vp[3];
    r.reached = 17;

    // 18. Primary windings by type.
    switch (r.TipoPri) {
    case 0:
        r.Iprim[1] = store(quot(r.Pap, r.Vp[1]));
        r.Nprim[1] = store(quot(r.Vp[1], r.Vep));
        r.Sprim[1] = Smm2(r.Iprim[1], sigma);
        r.AWGprim[1] = SAWG(r.Iprim[1], sigma);
        break;
    case 1:
        // Two equal halves, in parallel for the lower mains voltage: each carries half.
        r.Iprim[1] = store(quot(r.Pap, r.Vp[1]) * 0.5);
        r.Iprim[2] = r.Iprim[1];
        r.Nprim[1] = store(quot(r.Vp[1], r.Vep));
        r.Nprim[2] = r.Nprim[1];
        r.Sprim[1] = Smm2(r.Iprim[1], sigma);
        r.AWGprim[1] = SAWG(r.Iprim[1], sigma);
        r.Sprim[2] = r.Sprim[1];
        r.AWGprim[2] = r.AWGprim[1];
        break;
    case 2:
        // One winding tapped: the common end to the tap carries the current of
        // the lower mains voltage, the rest only that of the higher one.
        r.Iprim[3] = store(quot(r.Pap, r.Vp[3]));
        r.Iprim[4] = store(quot(r.Pap, r.Vp[4]));
        r.Nprim[3] = store(quot(r.Vp[3], r.Vep));
        r.Nprim[4] = store(quot(r.Vp[4], r.Vep) - r.Nprim[3]);
        r.Sprim[3] = Smm2(r.Iprim[3], sigma);
        r.AWGprim[3] = SAWG(r.Iprim[3], sigma);
        r.Sprim[4] = Smm2(r.Iprim[4], sigma);
        r.AWGprim[4] = SAWG(r.Iprim[4], sigma);
        break;
    default:
        return;
    }
    r.reached = 18;
}

// The labels of one primary winding.
void showPrimary(Sheet& tab, const TrafoAlimResult& r, int i, const Settings& cfg)
{
    tab[names().LIprim[i]].text = amperes(r.Iprim[i], cfg);
    write(tab[names().LNprim[i]], turns(r.Nprim[i], cfg));
    tab[names().LSprim[i]].text = gauge(r.AWGprim[i], cfg);
}

} // namespace

std::vector<ControlSpec> trafoAlimControls()
{
    std::vector<ControlSpec> v;
    // Core and operating point.
    v.push_back(inputEdit("EBn1", "32", 0));
    v.push_back(inputEdit("EEn1", "32", 0));
    v.push_back({.name = "RBNucleoE",
                 .kind = Kind::Radio,
                 .checked = true,
                 .input = true,
                 .group = "Nucleo"});
    v.push_back({.name = "RBNucleoU", .kind = Kind::Radio, .input = true, .group = "Nucleo"});
    v.push_back(inputEdit("EFo", "60", 6));
    std::vector<std::string> bmax;
    for (int g = 15000; g >= 5000; g -= 1000)
        bmax.push_back(std::to_string(g));
    v.push_back(
        {.name = "CBTaBmax", .kind = Kind::Combo, .text = "10000", .items = bmax, .input = true});
    v.push_back({.name = "CBTaEff",
                 .kind = Kind::Combo,
                 .text = "85",
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
    v.push_back({.name = "CNumPri",
                 .kind = Kind::List,
                 .text = "Simples",
                 .items = {KELVORA_SHOWN("Item", "Simples"), KELVORA_SHOWN("Item", "Duplo"),
                           KELVORA_SHOWN("Item", "Derivação")},
                 .keys = {"single", "dual", "tapped"},
                 .input = true});
    v.push_back({.name = "CNumSec",
                 .kind = Kind::List,
                 .text = "3",
                 .items = {"1", "2", "3", "4", "5", "6"},
                 .keys = {"1", "2", "3", "4", "5", "6"},
                 .input = true});
    v.push_back(panel("PPrim1", true));
    v.push_back(panel("PPrim2", false));
    v.push_back(panel("PPrim3", false));
    for (int i = 1; i <= 6; ++i)
        v.push_back(panel(k("PSec", i), i == 1));
    v.push_back({.name = "LinhaNucleo1", .kind = Kind::Shape});
    v.push_back({.name = "LinhaNucleo2", .kind = Kind::Shape});

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
    v.push_back(inputWords("EUserNameTA",
                           KELVORA_SHOWN("Initial", "Digite aqui o nome do utilizador do programa"),
                           80));
    v.push_back(inputWords(
        "EApplicationTA",
        KELVORA_SHOWN("Initial", "Digite aqui o nome do tranformador ou tipo de aplicação"), 80));
    return v;
}

TrafoAlimInputs readTrafoAlimInputs(const Sheet& tab)
{
    TrafoAlimInputs in;
    in.Bn = tab["EBn1"].text;
    in.En = tab["EEn1"].text;
    in.Fo = tab["EFo"].text;
    in.Bmax = tab["CBTaBmax"].text;
    in.n = tab["CBTaEff"].text;
    for (int i = 1; i <= 6; ++i) {
        in.Vs[i] = tab[names().EVs[i]].text;
        in.Is[i] = tab[names().EIs[i]].text;
    }
    in.Vp1 = tab["EVp1"].text;
    in.Vp3 = tab["EVp3"].text;
    in.Vp4 = tab["EVp4"].text;
    in.nucleoE = tab["RBNucleoE"].checked;
    in.nucleoU = tab["RBNucleoU"].checked;
    return in;
}

void TAEnrolamentos(Sheet& tab, TrafoAlimResult& r)
{
    // 1. The two choices the calculation and the report go by.
    r.NumSec = tab["CNumSec"].itemIndex;
    r.TipoPri = tab["CNumPri"].itemIndex;

    // 2. Every secondary hidden, then those in use shown.
    for (int i = 1; i <= 6; ++i)
        tab[names().PSec[i]].visible = i <= std::min(r.NumSec + 1, 6);

    // 3. Primary panels.
    showPrimaries(tab, r.TipoPri);
}

TrafoAlimResult computeTrafoAlim(const TrafoAlimInputs& in, const Settings& cfg,
                                 const TrafoAlimResult& last)
{
    return runSteps(calculate, in, cfg, last);
}

void presentTrafoAlim(const TrafoAlimResult& r, Sheet& tab, const Settings& cfg)
{
    const TrafoAlimResult::Reads& rd = r.reads;
    if (r.reached < 1)
        return;
    showRead(tab["EBn1"], rd.Bn, r.Bn, cfg);
    showRead(tab["EEn1"], rd.En, r.En, cfg);
    if (r.reached < 2)
        return;
    showRead(tab["EFo"], rd.Fo, r.Fo, cfg, rd.FoClamped != 0);
    if (rd.FoClamped) {
        tab["EFo"].background = Colour::Red;
        tab["EFo"].text = rd.FoClamped < 0 ? "1" : "500000";
    }
    tab["LFo"].text = general(r.Fo, cfg);
    if (r.reached < 4)
        return;
    // A negative voltage or current is a number, but no winding: the
    // arithmetic goes on as typed (negative turns, the current taken as
    // 1 mA) and the field is marked as a bad input.
    for (int i = 1; i <= 6; ++i) {
        Control& v = tab[names().EVs[i]];
        showRead(v, rd.Vs[i], r.Vs[i], cfg);
        if (!rd.Vs[i] && r.Vs[i] < 0)
            showBadInput(v, say(KELVORA_WORDS("Note", "valor negativo: a tensão de um "
                                                      "secundário é maior que zero")));
    }
    for (int i = 1; i <= 6; ++i) {
        Control& c = tab[names().EIs[i]];
        showRead(c, rd.Is[i], 1, cfg, rd.IsRaised[i]);
        if (rd.IsNegative[i])
            showBadInput(c, say(KELVORA_WORDS("Note", "valor negativo: a corrente de um "
                                                      "secundário é maior que zero")));
    }
    if (r.reached < 5)
        return;
    tab["LPas"].text = fixed(r.Pas, 3, 2, cfg);
    if (r.reached < 6)
        return;
    tab["LPap"].text = fixed(r.Pap, 3, 2, cfg);
    // 7. One lamination shape at a time: E/I wins when both are checked.
    if (tab["RBNucleoE"].checked)
        tab["RBNucleoU"].checked = false;
    if (tab["RBNucleoU"].checked)
        tab["RBNucleoE"].checked = false;
    if (r.reached < 8)
        return;
    tab["LSnu"].text = fixed(r.Snu, 4, 2, cfg);
    if (r.reached < 9)
        return;
    tab["EEnc"].text = fixed(LD(r.Bnc) * 10, 4, 2, cfg);
    tab["EBnc"].text = tab["EEnc"].text;
    if (r.reached < 10)
        return;
    tab["LSns"].text = fixed(r.Sns, 4, 2, cfg);
    if (r.reached < 11)
        return;
    presentCoreVerdict(tab, r.core, "LAlimAval", "EBn1", "EEn1");
    if (r.reached < 12)
        return;
    tab["LVep"].text = fixed(r.Vep, 4, 3, cfg);
    if (r.reached < 13)
        return;
    tab["LVsec"].text = fixed(r.Vsec, 4, 3, cfg);
    if (r.reached < 14)
        return;
    tab["LVes"].text = fixed(r.Ves, 4, 3, cfg);
    if (r.reached < 16)
        return;
    for (int i = 1; i <= 6; ++i) {
        write(tab[names().LNs[i]], turns(r.Ns[i], cfg));
        tab[names().LSs[i]].text = gauge(r.AWGs[i], cfg);
    }
    if (r.reached < 17)
        return;
    for (int i : {1, 3, 4})
        showRead(tab[names().EVp[i]], rd.Vp[i], r.Vp[i], cfg, rd.VpClamped[i]);
    tab["EVp2"].text = tab["EVp1"].text;
    showRead(tab["EVp2"], rd.Vp[2], r.Vp[2], cfg);
    tab["EVp4"].background = rd.tapRaised ? Colour::Red : Colour::Window;
    if (rd.tapRaised)
        writeReadNote(tab["EVp4"], say(KELVORA_WORDS("Note", "menor que a derivação: usado %1"),
                                       {shortest(r.Vp[4], cfg)}));
    // 18. The primaries' panels are shown before their windings are worked out.
    showPrimaries(tab, r.TipoPri);
    if (r.reached < 18)
        return;
    if (r.TipoPri == 0) {
        showPrimary(tab, r, 1, cfg);
    } else if (r.TipoPri == 1) {
        showPrimary(tab, r, 1, cfg);
        showPrimary(tab, r, 2, cfg);
    } else if (r.TipoPri == 2) {
        showPrimary(tab, r, 3, cfg);
        showPrimary(tab, r, 4, cfg);
    }
}

void CalculaTrafoAlim(Sheet& tab, TrafoAlimResult& r, const Settings& cfg)
{
    calculateOnTab(tab, r, cfg, readTrafoAlimInputs, computeTrafoAlim, presentTrafoAlim);
}

std::vector<std::string> trafoAlimOutputs()
{
    std::vector<std::string> v = {"LFo",  "LPas",      "LPap", "LSnu", "LSns", "EEnc",
                                  "EBnc", "LAlimAval", "LVep", "LVes", "LVsec"};
    for (const char* prefix : {"LNs", "LSs"})
        for (int i = 1; i <= 6; ++i)
            v.push_back(k(prefix, i));
    for (const char* prefix : {"LIprim", "LNprim", "LSprim"})
        for (int i = 1; i <= 4; ++i)
            v.push_back(k(prefix, i));
    return v;
}

} // namespace kelvora
