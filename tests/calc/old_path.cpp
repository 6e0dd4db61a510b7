// The calculations as they stood before each design was split into compute
// and present: kept here only to prove the split changed no character.
#include "checked.h"
#include "calc_error.h"
#include "numbers.h"
#include "sheet.h"
#include "units.h"
#include "old_path.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace kelvora::oldpath {

float SAWG(float current, CalcState& s, const Settings& cfg)
{
    s.Sigma = strictInt(cfg.sigmaText);
    // I/Sigma is the copper section in mm^2; 1/2100 mm^2 is about the section
    // of AWG 50, and the AWG table loses ten gauges per decade of section.
    long double x = 50 - 10 * log10c(quot(2100 * static_cast<long double>(current), s.Sigma));
    if (!(x > 0))
        x = 0;
    if (x > 45)
        x = 45;
    return store(std::floor(x));
}

float Smm2(float current, CalcState& s, const Settings& cfg)
{
    s.Sigma = strictInt(cfg.sigmaText);
    return store(quot(current, s.Sigma));
}


namespace p0 {
namespace {


std::string k(const char* prefix, int i) { return prefix + std::to_string(i); }

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
std::string oldGauge(float awg, const Settings& cfg) { return general(awg, cfg) + " AWG"; }
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
        tab[k("LSs", i)].text = oldGauge(s.AWGs[i], cfg);
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
        tab["LSprim1"].text = oldGauge(s.AWGprim[1], cfg);
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
        tab["LSprim1"].text = oldGauge(s.AWGprim[1], cfg);
        tab["LSprim2"].text = oldGauge(s.AWGprim[2], cfg);
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
        tab["LSprim3"].text = oldGauge(s.AWGprim[3], cfg);
        tab["LSprim4"].text = oldGauge(s.AWGprim[4], cfg);
        break;
    default:
        return;
    }
}

} // namespace p0

namespace p1 {
namespace {


using LD = long double;

std::string ohms(long double v, const Settings& cfg) { return fixed(v, 8, 1, cfg) + " ohms"; }
std::string turns(long double v, const Settings& cfg) { return fixed(v, 8, 1, cfg) + " esp"; }
std::string gauss(long double v, const Settings& cfg) { return fixed(v, 6, 1, cfg) + " Gauss"; }
std::string watts(long double v, const Settings& cfg) { return fixed(v, 4, 1, cfg) + " W"; }
std::string oldGauge(float awg, const Settings& cfg) { return general(awg, cfg) + " AWG"; }

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
    tab["LSfp1"].text = oldGauge(m.Sfp, cfg);
    tab["LSfp2"].text = tab["LSfp1"].text;
    tab["LSfs"].text = oldGauge(m.Sfs, cfg);

    // 18. Reactor coupling: the reactor's reactance at Fmin must reach Zrf
    //     (H), the capacitor's must stay at a fifth of it (uF); it carries
    //     the RF plate current.
    const LD twoPiF = 2 * LD(Pi) * m.Fmin;
    tab["LRMInd"].text = fixed(quot(m.Zrf, twoPiF), 6, 1, cfg) + " H (mín)";
    tab["LRMCorr"].text = fixed(m.Ibrf, 6, 1, cfg) + " mA";
    tab["LCMod"].text = fixed(quot(5000000, twoPiF * m.Zrf), 6, 1, cfg) + " uF (mín)";
}

} // namespace p1

namespace p2 {
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

} // namespace p2

namespace p3 {
namespace {


using LD = long double;

const char* const Outputs[] = {
    "LRFIlim", "LRFLI2",  "LRFNI",  "LRFNesp", "LRFLI2Aval", "LRFSnAval", "ERFBnc", "ERFEnc",
    "LRFSn",   "LRFSne",  "LRFLmag", "LRFLmage", "LRFAe",     "LRFAee",    "LRFNAval",
};

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
    tab["LRFIlim"].text = "A indutância (Lr) deve ser maior que zero.";
    tab["LRFLI2Aval"].text = "Falha: indutância nula ou negativa.";
    tab["LRFSnAval"].text = "Digite uma indutância maior que zero.";
    for (const char* name : {"LRFIlim", "LRFLI2Aval", "LRFSnAval"})
        paint(tab[name], BadPair);
}

} // namespace

void CalcReatorFiltro(Sheet& tab, CalcState& s, const Settings& cfg)
{
    // 1. Current (mA), inductance (H) and the chosen core (mm).
    s.Ir = readTolerant(tab, "ERFIr", 1, cfg);
    s.Lr = readTolerant(tab, "ERFLr", 1, cfg);
    s.RFBn = readTolerant(tab, "CBRFBn", 1, cfg);
    s.RFEn = readTolerant(tab, "CBRFEn", 1, cfg);
    if (!(s.Ir > 0))
        s.Ir = 1;
    if (!(s.Lr > 0)) {
        s.Lr = 0;
        refuseInductance(tab);
        return;
    }

    // 2. The method's charts span 0.02 to 10 H*A^2: the currents that keep
    // L I^2 inside them for this inductance. Constants are double literals,
    // widened: 0.02 is a hair above 1/50, so 0.5 H at 200 mA is just outside.
    const LD iMax = root(quot(10.0, s.Lr)) * 1000;
    const LD iMin = root(quot(0.02, s.Lr)) * 1000;
    Control& lim = tab["LRFIlim"];
    lim.text = fixed(iMin, 6, 0, cfg) + " mA < Ir <" + fixed(iMax, 6, 0, cfg) + " mA";
    if (s.Ir < iMin || s.Ir > iMax) {
        tab["ERFIr"].background = Colour::Red;
        paint(lim, BadPair);
    } else {
        paint(lim, GoodPair);
    }

    // 3. Stored energy (twice it): L I^2 with I in A.
    const LD amps = LD(s.Ir) * 0.001;
    s.LI2 = store(amps * amps * s.Lr);
    tab["LRFLI2"].text = fixed(s.LI2, 6, 3, cfg) + " H*A^2";

    // 4. Square core section (cm^2) read off the energy chart as a power law.
    s.RFSn = store(power(s.LI2, 0.6596) * 22.943);
    tab["LRFSn"].text = fixed(s.RFSn, 4, 1, cfg);

    // 5. Is the design inside the charts?
    ColourPair pair = GoodPair;
    if (s.LI2 < 0.02) {
        tab["LRFLI2Aval"].text = "Falha: LI^2 < 0,02H*A^2";
        tab["LRFSnAval"].text = "Aumente a corrente ou indutância.";
        pair = BadPair;
    } else if (s.LI2 > 10) {
        tab["LRFLI2Aval"].text = "Falha: Sn > 100cm^2 ou LI^2 > 10H*A^2";
        tab["LRFSnAval"].text = "Reduza corrente ou indutância.";
        pair = BadPair;
    } else {
        tab["LRFLI2Aval"].text = "Produto LI^2<10H*A^2 OK!";
        tab["LRFSnAval"].text = "Seção quadrada OK (Sn<100cm^2)!";
    }
    for (const char* name : {"LRFLI2Aval", "LRFSnAval", "ERFIr", "ERFLr", "LRFLI2"})
        paint(tab[name], pair);

    // 6. Ampere-turns from the same chart, and the turns at the working current.
    s.RFNI = store(power(s.LI2, 0.3293) * 726.83);
    tab["LRFNI"].text = fixed(s.RFNI, 5, 1, cfg);
    s.RFNesp = store(quot(s.RFNI, amps));
    tab["LRFNesp"].text = fixed(s.RFNesp, 5, 1, cfg);

    // 7. Side of the needed square section (mm) and the chosen section (cm^2).
    s.RFBnc = store(root(s.RFSn) * 10);
    tab["ERFBnc"].text = fixed(s.RFBnc, 5, 1, cfg);
    tab["ERFEnc"].text = tab["ERFBnc"].text;
    s.RFSne = store(LD(s.RFBn) * s.RFEn * 0.01);
    tab["LRFSne"].text = fixed(s.RFSne, 5, 1, cfg);

    // 8. Verdict on the chosen core.
    Control& aval = tab["LRFNAval"];
    if (s.RFSne >= s.RFSn) {
        if (s.RFBn >= s.RFBnc) {
            aval.text = "Seção escolhida atende à aplicação!";
            paint(aval, GoodPair);
            paint(tab["CBRFBn"], GoodPair);
        } else {
            aval.text = "Largura da perna central pequena";
            paint(aval, BadPair);
            paint(tab["CBRFBn"], BadPair);
        }
        paint(tab["CBRFEn"], GoodPair);
    } else {
        aval.text = "Seção escolhida menor que a mínima";
        paint(aval, BadPair);
        paint(tab["CBRFBn"], BadPair);
        paint(tab["CBRFEn"], BadPair);
    }

    // 9-10. Magnetic path about 6.5 times the side of the section; the gap
    // takes 0.3 % of it, split between the two legs' joints. The side is in
    // cm (the root of cm^2), so path and gap are kept in cm and shown in mm:
    // a builder cuts the spacer from the label.
    s.RFLmag = store(root(s.RFSn) * 6.5);
    s.RFAe = store(LD(s.RFLmag) * 0.003 * 0.5);
    tab["LRFLmag"].text = fixed(LD(s.RFLmag) * 10, 5, 1, cfg);
    tab["LRFAe"].text = fixed(LD(s.RFAe) * 10, 6, 3, cfg);
    s.RFLmage = store(root(s.RFSne, "a seção escolhida (Bn x En)") * 6.5);
    s.RFAee = store(LD(s.RFLmage) * 0.003 * 0.5);
    tab["LRFLmage"].text = fixed(LD(s.RFLmage) * 10, 5, 1, cfg);
    tab["LRFAee"].text = fixed(LD(s.RFAee) * 10, 6, 3, cfg);
}

} // namespace p3


} // namespace kelvora::oldpath
