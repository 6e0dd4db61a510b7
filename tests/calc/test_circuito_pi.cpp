#include "circuito_pi.h"
#include "designs.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <map>
#include <string>

using namespace kelvora;

// Texts: ohms and pF with one decimal, uH with two, volts whole.

namespace {

struct Tank {
    Sheet tab{circuitoPiControls()};
    Settings cfg;
    Tank() { PiBandaFrequencia(tab, cfg); }
    PiBandTable operator()() { return CalculaCircuitoPI(tab, cfg); }
    // Plate supply giving the plate load R1 = Eb / (2 Ib) in class C.
    void plateLoad(const char* Eb, const char* Ib)
    {
        tab["EPiEb"].text = Eb;
        tab["EPiIb"].text = Ib;
    }
};

void expectPair(const Sheet& tab, const char* name, ColourPair pair)
{
    SCOPED_TRACE(name);
    EXPECT_EQ(tab[name].background, pair.background);
    EXPECT_EQ(tab[name].font, pair.font);
}

const char* const NetworkLabels[] = {"LPiRv", "LPiXC1", "LPiXL", "LPiXC2",
                                     "LPiC1", "LPiL",   "LPiC2"};

// No component value anywhere: the network's labels and every band cell empty.
void expectNoComponents(const Sheet& tab)
{
    for (const char* name : NetworkLabels)
        EXPECT_EQ(tab[name].text, "") << name;
    for (const PiBand& b : piBands())
        for (const char* q : {"C1", "L", "C2"})
            EXPECT_EQ(tab[piBandCell(q, b)].text, "") << piBandCell(q, b);
}

// The handbook's own form of Rv, to hold the rearranged one against.
double handbookRv(double R1, double R2, double Q)
{
    const double D = R1 - R2;
    if (D == 0)
        return R1 / (Q * Q / 4 + 1);
    const double a = D * D / (Q * Q);
    const double u = ((R1 + R2) - std::sqrt((R1 + R2) * (R1 + R2) - a * (Q * Q + 4))) / a;
    return 1 / u;
}

bool nonNumber(std::string t)
{
    for (char& c : t)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return t.find("inf") != std::string::npos || t.find("nan") != std::string::npos;
}

} // namespace

TEST(PiNetwork, PublishedCheckValueTwoThousandToFiftyOhmsAtSevenMegahertz)
{
    // R1 = 2000, R2 = 50, Q = 10: D = 1950, D^2/Q^2 = 38025,
    // (R1 + R2)^2 - 38025 * 104 = 4202500 - 3954600 = 247900, root 497.896;
    // 1/Rv = (2050 - 497.896) / 38025 = 0.0408181, Rv = 24.499 ohms.
    // Q1 = sqrt(2000/24.499 - 1) = 8.9798, Q2 = sqrt(50/24.499 - 1) = 1.0202 (sum 10).
    // XC1 = 2000/8.9798 = 222.72, XL = 24.499 * 10 = 244.99, XC2 = 50/1.0202 = 49.008.
    // At 7 MHz, w = 43.982e6: C1 = 1/(w 222.72) = 102.08 pF, L = 244.99/w = 5.570 uH,
    // C2 = 1/(w 49.008) = 463.93 pF.
    const std::optional<PiNetwork> n = piNetwork(2000, 50, 10);
    ASSERT_TRUE(n);
    EXPECT_NEAR(n->Rv, 24.499, 0.001);
    EXPECT_NEAR(n->Q1 + n->Q2, 10, 1e-12);
    EXPECT_NEAR(n->XC1, 222.72, 0.01);
    EXPECT_NEAR(n->XL, 244.99, 0.01);
    EXPECT_NEAR(n->XC2, 49.008, 0.001);
    const PiParts p = piParts(*n, 7.0);
    EXPECT_NEAR(p.C1, 102.08, 0.01);
    EXPECT_NEAR(p.L, 5.570, 0.001);
    EXPECT_NEAR(p.C2, 463.93, 0.01);

    // The same through the window's fields: 400 V at 100 mA in class C is
    // R1 = 400 / (2 * 0.1) = 2000 ohms.
    Tank run;
    run.plateLoad("400", "100");
    run.tab["EPiQ"].text = "10";
    run.tab["EPiFreq"].text = "7";
    run();
    const std::map<std::string, std::string> expected = {
        {"LPiR1", "2000,0 ohms"}, {"LPiRv", "24,5 ohms"},  {"LPiXC1", "222,7 ohms"},
        {"LPiXL", "245,0 ohms"},  {"LPiXC2", "49,0 ohms"}, {"LPiC1", "102,1 pF"},
        {"LPiL", "5,57 µH"},      {"LPiC2", "463,9 pF"},   {"LPiVC1", "800 V"},
    };
    for (const auto& [name, text] : expected)
        EXPECT_EQ(run.tab[name].text, text) << name;
    // sqrt(2000/50 - 1) = 6.245: the next hundredth above it.
    EXPECT_EQ(run.tab["LPiAval"].text,
              "Q adequado (mínimo para esta relação de impedâncias: 6,25)");
    expectPair(run.tab, "LPiAval", GoodPair);
    EXPECT_EQ(run.tab["CBPiBanda"].itemIndex, -1); // 7 MHz is no band's frequency of the list
}

TEST(PiNetwork, DefaultsAreTheValveModulatorsRfStageInClassCOnForty)
{
    // 460 V, 160 mA, K = 2: R1 = 460 / 0.32 = 1437.5 ohms; Q 12 into 50 ohms:
    // Rv = (1487.5 + 2 sqrt(71875 - (1387.5/12)^2)) / 148 = 13.319 ohms,
    // Q1 = 10.3405, Q2 = 1.6595; XC1 = 139.02, XL = 159.83, XC2 = 30.13 ohms;
    // at 7.1 MHz C1 = 161.25 pF, L = 3.583 uH, C2 = 743.99 pF; 2 Eb = 920 V.
    Tank run;
    EXPECT_EQ(run.tab["EPiEb"].text, "460");
    EXPECT_EQ(run.tab["EPiIb"].text, "160");
    EXPECT_EQ(run.tab["EPiFreq"].text, "7,1");
    EXPECT_EQ(run.tab["CBPiClasse"].itemIndex, 3);
    run();
    const std::map<std::string, std::string> expected = {
        {"LPiR1", "1437,5 ohms"},
        {"LPiRv", "13,3 ohms"},
        {"LPiXC1", "139,0 ohms"},
        {"LPiXL", "159,8 ohms"},
        {"LPiXC2", "30,1 ohms"},
        {"LPiC1", "161,2 pF"},
        {"LPiL", "3,58 µH"},
        {"LPiC2", "744,0 pF"},
        {"LPiVC1", "920 V"},
        {"LPiAval", "Q adequado (mínimo para esta relação de impedâncias: 5,27)"},
    };
    for (const auto& [name, text] : expected)
        EXPECT_EQ(run.tab[name].text, text) << name;
    EXPECT_EQ(run.tab["CBPiBanda"].itemIndex, 2);
    EXPECT_EQ(run.tab["CBPiBanda"].text, "40 m");
    for (const char* field : {"EPiEb", "EPiIb", "EPiQ", "EPiR2", "EPiFreq"})
        EXPECT_EQ(run.tab[field].background, Colour::Window) << field;
}

TEST(PiNetwork, BandTableGivesEveryBandFromTheSameNetwork)
{
    // The reactances stay, the parts scale with 1/f: C1 = 161.248 pF at 7.1 MHz
    // is 161.248 * 7.1 / 1.85 = 618.85 pF on 160 m and 161.248 * 7.1 / 28.5 =
    // 40.17 pF on 10 m; L = 3.5828 uH gives 13.75 and 0.89 uH; C2 = 743.99 pF
    // gives 2855.3 and 185.3 pF.
    Tank run;
    run.tab["EPiFreq"].text = "14,2"; // the table does not follow the frequency typed
    run();
    struct Row {
        const char* band;
        const char* C1;
        const char* L;
        const char* C2;
    } rows[] = {
        {"160m", "618,8 pF", "13,75 µH", "2855,3 pF"}, {"80m", "318,0 pF", "7,07 µH", "1467,3 pF"},
        {"40m", "161,2 pF", "3,58 µH", "744,0 pF"},    {"20m", "80,6 pF", "1,79 µH", "372,0 pF"},
        {"15m", "54,0 pF", "1,20 µH", "249,2 pF"},     {"10m", "40,2 pF", "0,89 µH", "185,3 pF"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.band);
        EXPECT_EQ(run.tab[std::string("LPiC1_") + r.band].text, r.C1);
        EXPECT_EQ(run.tab[std::string("LPiL_") + r.band].text, r.L);
        EXPECT_EQ(run.tab[std::string("LPiC2_") + r.band].text, r.C2);
    }
    // The frequency typed is 20 m's: the list shows it, the labels are its row.
    EXPECT_EQ(run.tab["CBPiBanda"].itemIndex, 3);
    EXPECT_EQ(run.tab["LPiC1"].text, "80,6 pF");
    EXPECT_EQ(run.tab["LPiL"].text, "1,79 µH");
}

TEST(PiNetwork, BandListFillsTheFrequencyInTheLocalesForm)
{
    const char* expected[] = {"1,85", "3,6", "7,1", "14,2", "21,2", "28,5"};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        Tank run;
        run.tab["CBPiBanda"].itemIndex = i;
        PiBandaFrequencia(run.tab, run.cfg);
        EXPECT_EQ(run.tab["EPiFreq"].text, expected[i]);
        run();
        EXPECT_EQ(run.tab["CBPiBanda"].itemIndex, i);
    }
    Tank point;
    point.cfg.decimalSeparator = '.';
    point.tab["CBPiBanda"].itemIndex = 0;
    PiBandaFrequencia(point.tab, point.cfg);
    EXPECT_EQ(point.tab["EPiFreq"].text, "1.85");
}

TEST(PiNetwork, EqualResistancesMakeASymmetricNetwork)
{
    // D = 0: Rv = R1 / (Q^2/4 + 1) = 1000 / 26 = 38.46 ohms, Q1 = Q2 = 5,
    // XC1 = XC2 = 1000 / 5 = 200 ohms, XL = 384.6 ohms; at 7.1 MHz
    // C1 = C2 = 1 / (2 pi 7.1e6 200) = 112.08 pF, L = 384.6 / (2 pi 7.1e6) = 8.62 uH.
    const std::optional<PiNetwork> n = piNetwork(1000, 1000, 10);
    ASSERT_TRUE(n);
    EXPECT_DOUBLE_EQ(n->Rv, 1000.0 / 26);
    EXPECT_DOUBLE_EQ(n->Q1, 5);
    EXPECT_DOUBLE_EQ(n->Q2, 5);
    Tank run;
    run.plateLoad("200", "100"); // 200 / (2 * 0.1) = 1000 ohms
    run.tab["EPiR2"].text = "1000";
    run.tab["EPiQ"].text = "10";
    run();
    EXPECT_EQ(run.tab["LPiRv"].text, "38,5 ohms");
    EXPECT_EQ(run.tab["LPiXC1"].text, "200,0 ohms");
    EXPECT_EQ(run.tab["LPiXC2"].text, "200,0 ohms");
    EXPECT_EQ(run.tab["LPiC1"].text, "112,1 pF");
    EXPECT_EQ(run.tab["LPiC2"].text, "112,1 pF");
    EXPECT_EQ(run.tab["LPiL"].text, "8,62 µH");
    // Any Q above zero will do.
    EXPECT_EQ(run.tab["LPiAval"].text,
              "Q adequado (mínimo para esta relação de impedâncias: 0,01)");
}

TEST(PiNetwork, RearrangedVirtualResistanceIsTheHandbooksAndTheNetworkMirrors)
{
    struct {
        double R1, R2, Q;
    } cases[] = {{2000, 50, 10}, {1437.5, 50, 12}, {5000, 75, 15},  {1000, 1000, 3},
                 {300, 50, 2.3}, {50, 2000, 10},   {2000, 50, 200}, {1e6, 50, 1000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.R1) + " " + std::to_string(c.R2) + " " + std::to_string(c.Q));
        const std::optional<PiNetwork> n = piNetwork(c.R1, c.R2, c.Q);
        ASSERT_TRUE(n);
        EXPECT_NEAR(n->Rv, handbookRv(c.R1, c.R2, c.Q), 1e-9 * n->Rv);
        EXPECT_NEAR(n->Q1 + n->Q2, c.Q, 1e-9 * c.Q);
    }
    // Swapping the loads swaps the capacitors.
    const PiParts a = piParts(*piNetwork(2000, 50, 10), 7);
    const PiParts b = piParts(*piNetwork(50, 2000, 10), 7);
    EXPECT_NEAR(a.C1, b.C2, 1e-9);
    EXPECT_NEAR(a.C2, b.C1, 1e-9);
    EXPECT_NEAR(a.L, b.L, 1e-12);
}

TEST(PiNetwork, TooLowQSaysWhichQAndShowsNoComponents)
{
    // R1 = 2000, R2 = 50: the least Q is sqrt(2000/50 - 1) = sqrt(39) = 6.245.
    EXPECT_NEAR(piMinimumQ(2000, 50), 6.2450, 1e-4);
    EXPECT_DOUBLE_EQ(piMinimumQ(50, 2000), piMinimumQ(2000, 50));
    EXPECT_FALSE(piNetwork(2000, 50, 6.24));
    EXPECT_TRUE(piNetwork(2000, 50, 6.25));

    Tank run;
    run.plateLoad("400", "100");
    for (const char* q : {"6,24", "3", "0,5"}) {
        SCOPED_TRACE(q);
        run.tab["EPiQ"].text = q;
        run();
        EXPECT_EQ(run.tab["LPiAval"].text,
                  "Q muito baixo para esta relação de impedâncias: use Q ≥ 6,25");
        expectPair(run.tab, "LPiAval", BadPair);
        EXPECT_EQ(run.tab["EPiQ"].background, Colour::Red);
        expectNoComponents(run.tab);
        // What does not depend on Q stays: the plate load and C1's voltage.
        EXPECT_EQ(run.tab["LPiR1"].text, "2000,0 ohms");
        EXPECT_EQ(run.tab["LPiVC1"].text, "800 V");
    }
    // Typing the Q the message asks for gives the network.
    run.tab["EPiQ"].text = "6,25";
    run();
    EXPECT_EQ(run.tab["EPiQ"].background, Colour::Window);
    expectPair(run.tab, "LPiAval", GoodPair);
    EXPECT_NE(run.tab["LPiC2"].text, "");

    // A least Q that is a whole hundredth: at Q = X the output capacitor
    // vanishes (the pi is a single L section), so the message asks for more.
    // R1 = 50 / (2 * 0.1) = 250 ohms into 50: X = sqrt(5 - 1) = 2.
    run.plateLoad("50", "100");
    run.tab["EPiQ"].text = "2";
    run();
    EXPECT_EQ(run.tab["LPiAval"].text,
              "Q muito baixo para esta relação de impedâncias: use Q ≥ 2,01");
    expectNoComponents(run.tab);
    run.tab["EPiQ"].text = "2,01";
    run();
    expectPair(run.tab, "LPiAval", GoodPair);
}

TEST(PiNetwork, ClassSetsThePlateLoad)
{
    // 460 V at 160 mA: R1 = 460 / (K * 0.16).
    const char* expected[] = {"2211,5 ohms",  // K 1.3:  460 / 0.208
                              "1916,7 ohms",  // K 1.5:  460 / 0.24
                              "1831,2 ohms",  // K 1.57: 460 / 0.2512
                              "1437,5 ohms"}; // K 2:    460 / 0.32
    const char* names[] = {"Classe A", "Classe AB", "Classe B", "Classe C"};
    const Sheet sheet(circuitoPiControls());
    const ControlSpec& spec = sheet.spec("CBPiClasse");
    ASSERT_EQ(spec.items.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(spec.items[std::size_t(i)], names[i]);
        Tank run;
        run.tab["CBPiClasse"].itemIndex = i;
        run();
        EXPECT_EQ(run.tab["LPiR1"].text, expected[i]);
    }
}

TEST(PiNetwork, BadTextsTurnRedAndAreNamedInsteadOfComputed)
{
    struct {
        std::map<std::string, std::string> typed;
        const char* message;
        bool plateLoadShown;
    } cases[] = {
        {{{"EPiEb", "abc"}}, "Digite um número maior que zero em: Eb", false},
        {{{"EPiIb", "0"}}, "Digite um número maior que zero em: Ib", false},
        {{{"EPiQ", "-3"}}, "Digite um número maior que zero em: Q", true},
        {{{"EPiR2", ""}}, "Digite um número maior que zero em: R2", true},
        {{{"EPiFreq", "7.1"}}, "Digite um número maior que zero em: f", true}, // comma locale
        {{{"EPiEb", "1e"}, {"EPiQ", "x"}, {"EPiFreq", "0"}},
         "Digite um número maior que zero em: Q, f",
         true},
        {{{"EPiIb", "-160"}, {"EPiR2", "5,0,"}},
         "Digite um número maior que zero em: Ib, R2",
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        Tank run;
        run(); // a good run first: its values must not stay
        for (const auto& [name, text] : c.typed)
            run.tab[name].text = text;
        run();
        EXPECT_EQ(run.tab["LPiAval"].text, c.message);
        expectPair(run.tab, "LPiAval", BadPair);
        for (const auto& [name, text] : c.typed) {
            if (name != "EPiEb" || text != "1e") { // "1e" reads as 1
                EXPECT_EQ(run.tab[name].background, Colour::Red) << name;
            }
        }
        expectNoComponents(run.tab);
        EXPECT_EQ(run.tab["LPiR1"].text.empty(), !c.plateLoadShown);
    }
    // Corrected, the field loses its red.
    Tank run;
    run.tab["EPiQ"].text = "doze";
    run();
    run.tab["EPiQ"].text = "12";
    run();
    EXPECT_EQ(run.tab["EPiQ"].background, Colour::Window);
    EXPECT_EQ(run.tab["LPiC1"].text, "161,2 pF");
}

TEST(PiNetwork, ExtremeInputsNeverShowNonNumbers)
{
    const char* values[] = {"3e38", "1e-38", "1e-45", "0,001", "1", "50", "7,1", "1e20"};
    for (const char* eb : values)
        for (const char* q : values)
            for (const char* f : {"1e-40", "7,1", "3e38"}) {
                Tank run;
                run.tab["EPiEb"].text = eb;
                run.tab["EPiIb"].text = values[(std::string(eb).size() + 3) % 8];
                run.tab["EPiQ"].text = q;
                run.tab["EPiR2"].text = values[std::string(q).size() % 8];
                run.tab["EPiFreq"].text = f;
                run();
                SCOPED_TRACE(std::string(eb) + " " + q + " " + f);
                EXPECT_FALSE(run.tab["LPiAval"].text.empty());
                for (const std::string& name : run.tab.names())
                    EXPECT_FALSE(nonNumber(run.tab[name].text))
                        << name << " shows " << run.tab[name].text;
            }
}

TEST(PiNetwork, DesignJoinsTheRegistryWithItsOutputs)
{
    const Design d = *findDesign("circuito-pi");
    EXPECT_EQ(d.name, "circuito-pi");
    EXPECT_EQ(d.tab, "FCalcPI");
    EXPECT_FALSE(d.report);
    EXPECT_FALSE(d.core);
    ASSERT_EQ(d.outputs.size(), 10u + 18u);
    EXPECT_EQ(d.outputs.front(), "LPiR1");
    EXPECT_EQ(d.outputs[9], "LPiAval");
    EXPECT_EQ(d.outputs.back(), "LPiC2_10m");
    // Without a window the frequency comes from the band list unless typed.
    Sheet tab(d.controls);
    DesignResults s;
    Settings cfg;
    cfg.decimalSeparator = '.';
    d.show(tab, s, cfg);
    EXPECT_EQ(tab["EPiFreq"].text, "7.1");
    EXPECT_EQ(tab["LPiC1"].text, "161.2 pF");
    tab["EPiFreq"].text = "3.6";
    tab["CBPiBanda"].itemIndex = 0;
    d.show(tab, s, cfg);
    EXPECT_EQ(tab["EPiFreq"].text, "3.6");
    EXPECT_EQ(tab["CBPiBanda"].itemIndex, 1);
}

TEST(CircuitoPI, ReturnsTheBandTableItsCellsShow)
{
    Tank t;
    const PiBandTable table = t();
    ASSERT_EQ(table.rows.size(), piBands().size());
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const PiBandRow& row = table.rows[i];
        SCOPED_TRACE(row.band.name);
        EXPECT_STREQ(row.band.name, piBands()[i].name);
        ASSERT_TRUE(row.parts);
        EXPECT_EQ(picofaradsText(row.parts->C1, t.cfg), t.tab[piBandCell("C1", row.band)].text);
        EXPECT_EQ(microhenriesText(row.parts->L, t.cfg), t.tab[piBandCell("L", row.band)].text);
        EXPECT_EQ(picofaradsText(row.parts->C2, t.cfg), t.tab[piBandCell("C2", row.band)].text);
    }
    // No network, no parts in any band.
    t.tab["EPiQ"].text = "0";
    const PiBandTable none = t();
    ASSERT_EQ(none.rows.size(), piBands().size());
    for (const PiBandRow& row : none.rows)
        EXPECT_FALSE(row.parts) << row.band.name;
}
