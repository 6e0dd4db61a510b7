#include "reator_filtro.h"

#include "checked.h"

#include <string>

namespace kelvora {

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

std::vector<ControlSpec> reatorFiltroControls()
{
    std::vector<ControlSpec> v = {
        {.name = "ERFLr", .kind = Kind::Edit, .text = "10", .maxLength = 5, .input = true},
        {.name = "ERFIr", .kind = Kind::Edit, .text = "200", .maxLength = 4, .input = true},
        {.name = "CBRFBn", .kind = Kind::Combo, .text = "36",
         .items = {"15", "19", "22", "25", "28", "32", "35", "36", "38", "40", "44", "50", "50",
                   "60", "80", "100"},
         .input = true},
        {.name = "CBRFEn", .kind = Kind::Combo, .text = "36",
         .items = {"12", "15", "19", "21", "23", "25", "27", "30", "32", "36", "38", "40", "44",
                   "48", "50", "55", "60", "65", "70", "80", "90", "100", "110", "120", "130",
                   "140"},
         .input = true},
    };
    for (const char* name : Outputs) {
        const std::string n = name;
        const bool edit = n == "ERFBnc" || n == "ERFEnc";
        v.push_back({.name = name, .kind = edit ? Kind::Edit : Kind::Label, .readOnly = edit});
    }
    return v;
}

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

Design reatorFiltroDesign()
{
    Design d;
    d.name = "reator-filtro";
    d.tab = "TReatorFiltro";
    d.controls = reatorFiltroControls();
    d.outputs.assign(std::begin(Outputs), std::end(Outputs));
    d.show = CalcReatorFiltro;
    d.core = [](const CalcState& s) { return std::pair<float, float>{s.RFEn, s.RFBn}; };
    return d;
}

} // namespace kelvora
