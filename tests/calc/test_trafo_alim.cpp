#include "trafo_alim.h"

#include "calc_error.h"
#include "designs.h"
#include "panel_layout.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

using namespace kelvora;

namespace {

// What CNumPri and CNumSec run in the window and in kelvora-cli: the two
// choices recorded, then the winding panels put in their places.
void enrolamentos(Sheet& tab, TrafoAlimResult& s)
{
    TAEnrolamentos(tab, s);
    arrangeWindingPanels(tab, s.NumSec, s.TipoPri);
}

struct TrafoAlim {
    // The tab as the window and kelvora-cli make it: the layout places its panels.
    Sheet tab{findDesign("trafo-alimentacao")->controls};
    TrafoAlimResult s;
    Settings cfg;

    explicit TrafoAlim(char separator = ',') { cfg.decimalSeparator = separator; }
    // What choosing CNumPri / CNumSec does: arrange the panels, then recalculate.
    void choose(const char* list, int index)
    {
        tab[list].itemIndex = index;
        tab[list].text = tab.spec(list).items.at(index);
        enrolamentos(tab, s);
        CalculaTrafoAlim(tab, s, cfg);
    }
    void type(const char* name, const char* text)
    {
        tab[name].text = text;
        CalculaTrafoAlim(tab, s, cfg);
    }
    void start()
    {
        enrolamentos(tab, s);
        CalculaTrafoAlim(tab, s, cfg);
    }
    const std::string& text(const char* name) { return tab[name].text; }
};

void expectPair(const Control& c, ColourPair pair)
{
    EXPECT_EQ(c.background, pair.background);
    EXPECT_EQ(c.font, pair.font);
}

std::string n(const char* prefix, int i) { return prefix + std::to_string(i); }

} // namespace

TEST(TrafoAlim, DefaultsGiveTheHandWorkedDesignToTheCharacter)
{
    TrafoAlim t;
    t.start();
    const std::pair<const char*, const char*> expected[] = {
        {"LFo", "60"},         {"LPas", "105,00"},       {"LPap", "124,00"},
        {"LSnu", "10,04"},     {"LSns", "10,24"},        {"EEnc", "31,69"},
        {"EBnc", "31,69"},     {"LVep", "0,268"},        {"LVes", "0,251"},
        {"LVsec", "1,064"},    {"LNs1", "1590,9 Esp"},   {"LNs2", "1590,9 Esp"},
        {"LNs3", "19,9 Esp"},  {"LNs4", "0,0 Esp"},      {"LSs1", "31 AWG"},
        {"LSs2", "31 AWG"},    {"LSs3", "14 AWG"},       {"LSs4", "0 AWG"},
        {"LIprim1", "0,99 A"}, {"LNprim1", "467,2 Esp"}, {"LSprim1", "21 AWG"},
        {"LIprim2", ""},       {"LNprim3", ""},
    };
    for (const auto& [name, text] : expected) {
        SCOPED_TRACE(name);
        EXPECT_EQ(t.text(name), text);
    }
    EXPECT_EQ(t.text("LAlimAval"), "Seção escolhida atende à aplicação!");
    expectPair(t.tab["LAlimAval"], GoodPair);
    expectPair(t.tab["EBn1"], GoodPair);
    expectPair(t.tab["EEn1"], GoodPair);
    EXPECT_EQ(t.s.Pas, 105.0f);
    EXPECT_EQ(t.s.Kcore, 7.0f);
    EXPECT_NEAR(t.s.Snu, 10.044, 0.001);
    EXPECT_EQ(t.s.Sns, 10.24f);
    // Only the three active secondaries were sized.
    EXPECT_EQ(t.s.Ns[4], 0.0f);
}

TEST(TrafoAlim, PointSeparatorReadsAndWritesWithAPoint)
{
    TrafoAlim t('.');
    t.tab["EVs3"].text = "6.3";
    t.start();
    EXPECT_EQ(t.tab["EVs3"].background, Colour::Window);
    EXPECT_FLOAT_EQ(t.s.Vs[3], 6.3f);
    EXPECT_EQ(t.text("LPas"), "112.00"); // 40 + 40 + 6.3 x 5 = 111.5
    EXPECT_EQ(t.text("LSnu"), "10.35");  // 7 sqrt(131,18 / 60)

    // A comma is not a decimal separator here: the field turns red, 0 V is used.
    t.type("EVs3", "6,3");
    EXPECT_EQ(t.tab["EVs3"].background, Colour::Red);
    EXPECT_EQ(t.s.Vs[3], 0.0f);
    EXPECT_EQ(t.text("LPas"), "80.00");
}

TEST(TrafoAlim, CoreVerdictHasThreeOutcomes)
{
    struct Case {
        const char *Bn, *En, *verdict;
        ColourPair aval, bn, en;
    } cases[] = {
        {"32", "32", "Seção escolhida atende à aplicação!", GoodPair, GoodPair, GoodPair},
        // 30 x 40 mm is 12 cm^2, enough iron, but the leg is narrower than the 31,69 mm square.
        {"30", "40", "Largura da perna central pequena", BadPair, BadPair, GoodPair},
        {"40", "20", "Seção escolhida menor que a mínima", BadPair, BadPair, BadPair},
        // Unreadable width counts as 0 mm: no section at all.
        {"abc", "32", "Seção escolhida menor que a mínima", BadPair, BadPair, BadPair},
        {"31,69", "40", "Largura da perna central pequena", BadPair, BadPair, GoodPair},
        {"31,7", "40", "Seção escolhida atende à aplicação!", GoodPair, GoodPair, GoodPair},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Bn) + " x " + c.En);
        TrafoAlim t;
        t.tab["EBn1"].text = c.Bn;
        t.tab["EEn1"].text = c.En;
        t.start();
        EXPECT_EQ(t.text("LAlimAval"), c.verdict);
        expectPair(t.tab["LAlimAval"], c.aval);
        expectPair(t.tab["EBn1"], c.bn);
        expectPair(t.tab["EEn1"], c.en);
    }
}

TEST(TrafoAlim, FrequencyIsClampedAndTheClampIsWrittenBack)
{
    struct Case {
        const char* typed;
        float Fo;
        const char* textAfter;
        Colour background;
        const char* LFo;
    } cases[] = {
        {"0", 1, "1", Colour::Red, "1"},
        {"-50", 1, "1", Colour::Red, "1"},
        {"0,5", 1, "1", Colour::Red, "1"},
        {"600000", 500000, "500000", Colour::Red, "500000"},
        {"500000", 500000, "500000", Colour::Red, "500000"},
        {"499999", 499999, "499999", Colour::Window, "499999"},
        {"1", 1, "1", Colour::Window, "1"},
        {"50", 50, "50", Colour::Window, "50"},
        {"400,5", 400.5f, "400,5", Colour::Window, "400,5"},
        // Not a number: the fallback 1 Hz is used and the text stays for the user to fix.
        {"abc", 1, "abc", Colour::Red, "1"},
        {"", 1, "", Colour::Red, "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        TrafoAlim t;
        t.start();
        t.type("EFo", c.typed);
        EXPECT_EQ(t.s.Fo, c.Fo);
        EXPECT_EQ(t.text("EFo"), c.textAfter);
        EXPECT_EQ(t.tab["EFo"].background, c.background);
        EXPECT_EQ(t.text("LFo"), c.LFo);
    }
}

TEST(TrafoAlim, SecondaryCurrentsBelowOneMilliampereCountAsOne)
{
    for (const char* typed : {"0", "1", "0,5", "-20", "abc"}) {
        SCOPED_TRACE(typed);
        TrafoAlim t;
        t.tab["EIs1"].text = typed;
        t.start();
        EXPECT_FLOAT_EQ(t.s.Is[1], 0.001f);
        // 1 mA at 3 A/mm^2 is finer than the finest gauge in the table.
        EXPECT_EQ(t.text("LSs1"), "45 AWG");
        EXPECT_FLOAT_EQ(t.s.Ss[1], 0.001f / 3);
        // A negative current is taken as 1 mA too, but painted as a bad input.
        EXPECT_EQ(t.tab["EIs1"].background,
                  std::string(typed) == "abc" || std::string(typed) == "-20" ? Colour::Red
                                                                            : Colour::Window);
    }
    TrafoAlim t;
    t.tab["EIs1"].text = "150";
    t.start();
    EXPECT_FLOAT_EQ(t.s.Is[1], 0.15f);
    EXPECT_EQ(t.text("LSs1"), "29 AWG"); // 50 - 10 log10(2100 x 0,15 / 3) = 29,79
}

TEST(TrafoAlim, InactiveSecondariesAreReadButNotSummedAndKeepTheirLabels)
{
    TrafoAlim t;
    t.start();
    t.choose("CNumSec", 3); // four secondaries: 12 V x 5 A adds 60 VA
    EXPECT_EQ(t.text("LPas"), "165,00");
    const std::string ns4 = t.text("LNs4");
    EXPECT_EQ(ns4, "37,8 Esp"); // 12 V at 0,3176 V per turn (12,59 cm^2 for 165 VA)
    t.choose("CNumSec", 0);     // back to one: its label keeps the last value
    EXPECT_EQ(t.text("LPas"), "40,00");
    EXPECT_EQ(t.text("LSs4"), "14 AWG");
    EXPECT_FLOAT_EQ(t.s.Vs[4], 12.0f);
    EXPECT_FLOAT_EQ(t.s.Is[6], 5.0f);
}

TEST(TrafoAlim, ApparentPowerOfAThousandVoltAmperesOrMoreIsScientific)
{
    struct Case {
        const char* mA;
        const char* LPas;
    } cases[] = {{"2497", "999,00"}, {"2500", "1E03"}, {"2625", "1,05E03"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mA);
        TrafoAlim t;
        t.tab["CNumSec"].itemIndex = 0;
        t.tab["EIs1"].text = c.mA;
        t.start();
        EXPECT_EQ(t.text("LPas"), c.LPas);
    }
}

TEST(TrafoAlim, UShapedLaminationsNeedFiveSeventhsOfTheSection)
{
    TrafoAlim e;
    e.start();
    TrafoAlim u;
    u.tab["RBNucleoE"].checked = false;
    u.tab["RBNucleoU"].checked = true;
    u.start();
    EXPECT_EQ(u.s.Kcore, 5.0f);
    EXPECT_NEAR(u.s.Snu / e.s.Snu, 5.0 / 7.0, 1e-6);
    EXPECT_EQ(u.text("LSnu"), "7,17");
    EXPECT_FALSE(u.tab["RBNucleoE"].checked);

    // Both marked (never from the window, whose buttons exclude each other): E/I wins.
    TrafoAlim both;
    both.tab["RBNucleoU"].checked = true;
    both.start();
    EXPECT_EQ(both.s.Kcore, 7.0f);
    EXPECT_FALSE(both.tab["RBNucleoU"].checked);
}

TEST(TrafoAlim, PrimaryVoltageRules)
{
    struct Case {
        const char* typed;
        float Vp, Vp2; // the read-only twin has only the fallback, no range rule
        Colour background;
    } cases[] = {
        {"125", 125, 125, Colour::Window}, {"0", 1, 0, Colour::Window},
        {"-5", 1, -5, Colour::Window},     {"9999", 9999, 9999, Colour::Window},
        {"abc", 1, 1, Colour::Red},        {"12,6", 12.6f, 12.6f, Colour::Window},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        TrafoAlim t;
        t.tab["EVp1"].text = c.typed;
        t.start();
        EXPECT_EQ(t.s.Vp[1], c.Vp);
        EXPECT_EQ(t.tab["EVp1"].background, c.background);
        // The second half of a double primary always shows the first's text.
        EXPECT_EQ(t.text("EVp2"), c.typed);
        EXPECT_EQ(t.s.Vp[2], c.Vp2);
        EXPECT_EQ(t.tab["EVp2"].background, c.background);
    }
    // Above 10 kV (four characters reach it with an exponent): clamped, text kept.
    TrafoAlim t;
    t.tab["EVp3"].text = "2e4";
    t.tab["EVp4"].text = "1e5";
    t.start();
    EXPECT_EQ(t.s.Vp[3], 10000.0f);
    EXPECT_EQ(t.s.Vp[4], 10000.0f);
    EXPECT_EQ(t.text("EVp3"), "2e4");
    EXPECT_EQ(t.tab["EVp4"].background, Colour::Window);
}

TEST(TrafoAlim, FullWindingBelowItsTapIsRaisedToTheTap)
{
    TrafoAlim t;
    t.tab["EVp3"].text = "220";
    t.tab["EVp4"].text = "110";
    t.choose("CNumPri", 2);
    EXPECT_EQ(t.s.Vp[4], 220.0f);
    EXPECT_EQ(t.tab["EVp4"].background, Colour::Red);
    // Vp4/Vep less the stored Nprim3 leaves only the single-precision residue.
    EXPECT_NEAR(t.s.Nprim[4], 0.0f, 1e-3);
    EXPECT_EQ(t.text("LNprim4"), "0,0 Esp");
    EXPECT_EQ(t.text("LIprim3"), t.text("LIprim4"));

    t.type("EVp4", "240");
    EXPECT_EQ(t.tab["EVp4"].background, Colour::Window);
    EXPECT_EQ(t.s.Vp[4], 240.0f);
}

TEST(TrafoAlim, PrimaryTypesSizeTheirOwnSections)
{
    {
        SCOPED_TRACE("Duplo");
        TrafoAlim t;
        t.start();
        t.choose("CNumPri", 1);
        EXPECT_TRUE(t.tab["PPrim1"].visible);
        EXPECT_TRUE(t.tab["PPrim2"].visible);
        EXPECT_FALSE(t.tab["PPrim3"].visible);
        // Each half carries half of 123,53 VA / 125 V.
        EXPECT_EQ(t.text("LIprim1"), "0,49 A");
        EXPECT_EQ(t.text("LIprim2"), "0,49 A");
        EXPECT_EQ(t.text("LNprim1"), "467,2 Esp");
        EXPECT_EQ(t.text("LNprim2"), "467,2 Esp");
        EXPECT_EQ(t.text("LSprim1"), "24 AWG");
        EXPECT_EQ(t.text("LSprim2"), "24 AWG");
        EXPECT_EQ(t.s.Sprim[2], t.s.Sprim[1]);
        EXPECT_NEAR(t.s.Sprim[1], 123.5294 / 125 / 2 / 3, 1e-6);
    }
    {
        SCOPED_TRACE("Derivação");
        TrafoAlim t;
        t.tab["EVp3"].text = "110";
        t.start();
        t.choose("CNumPri", 2);
        EXPECT_FALSE(t.tab["PPrim1"].visible);
        EXPECT_FALSE(t.tab["PPrim2"].visible);
        EXPECT_TRUE(t.tab["PPrim3"].visible);
        EXPECT_EQ(t.tab["PPrim3"].top, 40);
        EXPECT_EQ(t.text("LIprim3"), "1,12 A"); // 123,53 / 110
        EXPECT_EQ(t.text("LIprim4"), "0,56 A"); // 123,53 / 220
        // 0,26757 V per turn: 411,1 turns up to the tap, as many again to 220 V.
        EXPECT_EQ(t.text("LNprim3"), "411,1 Esp");
        EXPECT_EQ(t.text("LNprim4"), "411,1 Esp");
        EXPECT_EQ(t.text("LSprim3"), "21 AWG"); // 50 - 10 log10(2100 x 1,123 / 3) = 21,04
        EXPECT_EQ(t.text("LSprim4"), "24 AWG"); // the same for 0,5615 A: 24,06
        EXPECT_NEAR(t.s.Nprim[3] + t.s.Nprim[4], 220 / t.s.Vep, 1e-3);
        // The simple primary's labels keep what they showed before.
        EXPECT_EQ(t.text("LIprim1"), "0,99 A");
    }
    {
        SCOPED_TRACE("no type chosen");
        TrafoAlim t;
        t.start();
        t.tab["CNumPri"].itemIndex = -1;
        t.tab["EVp1"].text = "220";
        enrolamentos(t.tab, t.s);
        CalculaTrafoAlim(t.tab, t.s, t.cfg);
        EXPECT_EQ(t.s.TipoPri, -1);
        EXPECT_TRUE(t.tab["PPrim1"].visible);
        EXPECT_EQ(t.text("LIprim1"), "0,99 A"); // not recalculated for 220 V
        EXPECT_EQ(t.s.Vp[1], 220.0f);
    }
}

TEST(TrafoAlim, StrictListsRaiseAndKeepWhatWasWrittenBefore)
{
    struct Case {
        const char* control;
        const char* text;
        const char* message;
        bool powerWritten; // the efficiency is used after LPas is written
    } cases[] = {
        {"CBTaBmax", "abc", "'abc' não é um valor numérico válido", false},
        {"CBTaBmax", "10000.5", "'10000.5' não é um valor numérico válido", false},
        {"CBTaEff", "", "'' não é um valor numérico válido", false},
        {"CBTaEff", "0", "divis", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.control) + "=" + c.text);
        TrafoAlim t;
        t.start();
        t.tab["EFo"].text = "50";
        t.tab["EIs1"].text = "200";
        t.tab[c.control].text = c.text;
        try {
            CalculaTrafoAlim(t.tab, t.s, t.cfg);
            ADD_FAILURE() << "no error";
        } catch (const CalcError& e) {
            EXPECT_THAT(e.what(), ::testing::HasSubstr(c.message));
        }
        EXPECT_EQ(t.text("LFo"), "50");
        EXPECT_EQ(t.text("LPas"), c.powerWritten ? "145,00" : "105,00");
        EXPECT_EQ(t.text("LPap"), "124,00");
        EXPECT_EQ(t.text("LSnu"), "10,04");
    }
    // A comma-decimal efficiency is a number in this locale.
    TrafoAlim t;
    t.tab["CBTaEff"].text = "85,5";
    EXPECT_NO_THROW(t.start());
    EXPECT_EQ(t.s.n, 85.5f);
}

TEST(TrafoAlim, EveryPanelArrangementFollowsTheTable)
{
    struct Case {
        int secondaries, tipo;
        int sec1Top, sec2Top, H;
    } cases[] = {
        {1, 0, 32, 112, 80},  {1, 1, 112, 112, 240}, {1, 2, 112, 112, 240}, {2, 0, 32, 112, 160},
        {2, 1, 32, 192, 240}, {2, 2, 32, 192, 240},  {3, 0, 32, 112, 240},  {3, 1, 32, 112, 240},
        {3, 2, 32, 112, 240}, {4, 1, 32, 112, 320},  {5, 2, 32, 112, 400},  {6, 0, 32, 112, 480},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.secondaries) + " secondaries, type "
                     + std::to_string(c.tipo));
        TrafoAlim t;
        t.tab["CNumSec"].itemIndex = c.secondaries - 1;
        t.tab["CNumPri"].itemIndex = c.tipo;
        enrolamentos(t.tab, t.s);
        EXPECT_EQ(t.s.NumSec, c.secondaries - 1);
        EXPECT_EQ(t.s.TipoPri, c.tipo);
        EXPECT_EQ(t.tab["PSec1"].top, c.sec1Top);
        if (c.secondaries > 1) {
            EXPECT_EQ(t.tab["PSec2"].top, c.sec2Top);
        }
        for (int i = 3; i <= 6; ++i)
            EXPECT_EQ(t.tab[n("PSec", i)].top, 32 + 80 * (i - 1));
        EXPECT_EQ(t.tab["LinhaNucleo1"].height, c.H);
        EXPECT_EQ(t.tab["LinhaNucleo2"].height, c.H);
        EXPECT_EQ(t.tab["LinhaNucleo1"].top, 28);
        for (int i = 1; i <= 6; ++i)
            EXPECT_EQ(t.tab[n("PSec", i)].visible, i <= c.secondaries) << i;
        EXPECT_EQ(t.tab["PPrim1"].visible, c.tipo != 2);
        EXPECT_EQ(t.tab["PPrim2"].visible, c.tipo == 1);
        EXPECT_EQ(t.tab["PPrim3"].visible, c.tipo == 2);
    }
}

TEST(TrafoAlim, NoTwoVisiblePanelsOverlapWhateverTheOrderOfChoices)
{
    // Every pair of successive choices, so a panel left behind by the previous
    // arrangement is caught too.
    auto check = [](const Sheet& tab) {
        const char* sides[2][6] = {{"PPrim1", "PPrim2", "PPrim3"},
                                   {"PSec1", "PSec2", "PSec3", "PSec4", "PSec5", "PSec6"}};
        for (const auto& side : sides)
            for (const char* a : side)
                for (const char* b : side) {
                    if (!a || !b || std::string(a) >= b || !tab[a].visible || !tab[b].visible)
                        continue;
                    const int aEnd = tab[a].top + tab.spec(a).height;
                    const int bEnd = tab[b].top + tab.spec(b).height;
                    EXPECT_TRUE(aEnd <= tab[b].top || bEnd <= tab[a].top) << a << " / " << b;
                }
    };
    for (int from = 0; from < 18; ++from)
        for (int to = 0; to < 18; ++to) {
            SCOPED_TRACE(std::to_string(from) + " -> " + std::to_string(to));
            TrafoAlim t;
            t.tab["CNumSec"].itemIndex = from % 6;
            t.tab["CNumPri"].itemIndex = from / 6;
            enrolamentos(t.tab, t.s);
            t.tab["CNumSec"].itemIndex = to % 6;
            t.tab["CNumPri"].itemIndex = to / 6;
            enrolamentos(t.tab, t.s);
            check(t.tab);
        }
    // Two secondaries beside a double primary, then six: PSec2 comes back to 112.
    TrafoAlim t;
    t.tab["CNumSec"].itemIndex = 1;
    t.tab["CNumPri"].itemIndex = 1;
    enrolamentos(t.tab, t.s);
    EXPECT_EQ(t.tab["PSec2"].top, 192);
    t.tab["CNumSec"].itemIndex = 5;
    enrolamentos(t.tab, t.s);
    EXPECT_EQ(t.tab["PSec2"].top, 112);
}

TEST(TrafoAlim, DesignDescribesTheTab)
{
    const Design d = *findDesign("trafo-alimentacao");
    EXPECT_EQ(d.name, "trafo-alimentacao");
    EXPECT_EQ(d.tab, "TTrafoAlim");
    ASSERT_GE(d.outputs.size(), 3u);
    EXPECT_EQ(d.outputs.front(), "LFo");
    EXPECT_EQ(d.outputs.back(), "LSprim4");
    Sheet tab(d.controls);
    for (const std::string& name : d.outputs)
        EXPECT_FALSE(tab.spec(name).input) << name;
    EXPECT_EQ(tab.spec("EFo").maxLength, 6);
    EXPECT_EQ(tab.spec("EUserNameTA").maxLength, 80);
    EXPECT_TRUE(tab.spec("EVp2").readOnly);
    EXPECT_EQ(tab.spec("CBTaBmax").items.size(), 11u);
    EXPECT_EQ(tab.spec("CBTaBmax").items.back(), "5000");
    EXPECT_EQ(tab["CNumSec"].itemIndex, 2);
    EXPECT_EQ(tab["CNumPri"].itemIndex, 0);
    EXPECT_FALSE(tab["PSec2"].visible);

    DesignResults s;
    d.show(tab, s, Settings{});
    EXPECT_EQ(tab["LPas"].text, "105,00");
    EXPECT_TRUE(tab["PSec3"].visible);
    s.trafoAlim.En = 40;
    s.trafoAlim.Bn = 25;
    EXPECT_EQ(d.core(s), (std::pair<float, float>{40, 25}));
    EXPECT_TRUE(d.report);
}
