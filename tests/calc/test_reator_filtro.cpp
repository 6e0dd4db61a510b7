#include "reator_filtro.h"

#include "calc_error.h"
#include <gtest/gtest.h>

#include <map>

using namespace kelvora;

namespace {
struct Choke {
    Sheet tab{reatorFiltroControls()};
    ReatorFiltroResult s;
    Settings cfg;
    void operator()() { CalcReatorFiltro(tab, s, cfg); }
};
void expectPair(const Sheet& tab, const char* name, ColourPair pair)
{
    SCOPED_TRACE(name);
    EXPECT_EQ(tab[name].background, pair.background);
    EXPECT_EQ(tab[name].font, pair.font);
}
} // namespace

TEST(FilterReactor, DefaultsGiveTheseExactLabelsAndColours)
{
    Choke run;
    run();
    const std::map<std::string, std::string> expected = {
        {"LRFIlim", "45 mA < Ir <1000 mA"},
        {"LRFLI2", "0,400 H*A^2"},
        {"LRFSn", "12,5"},
        {"LRFNI", "537,5"},
        {"LRFNesp", "2687,6"},
        {"ERFBnc", "35,4"},
        {"ERFEnc", "35,4"},
        {"LRFSne", "13,0"},
        {"LRFNAval", "Seção escolhida atende à aplicação!"},
        {"LRFLI2Aval", "Produto LI^2<10H*A^2 OK!"},
        {"LRFSnAval", "Seção quadrada OK (Sn<100cm^2)!"},
        // Path and gap in mm, from the state's cm: sqrt(12.5358 cm^2) x 6.5 =
        // 23.014 cm = 230.1 mm, its gap 23.014 x 0.0015 = 0.03452 cm = 0.345 mm;
        // the chosen 36 x 36 mm: sqrt(12.96) x 6.5 = 23.4 cm = 234.0 mm, gap 0.351 mm.
        {"LRFLmag", "230,1"},
        {"LRFLmage", "234,0"},
        {"LRFAe", "0,345"},
        {"LRFAee", "0,351"},
    };
    for (const auto& [name, text] : expected) {
        SCOPED_TRACE(name);
        EXPECT_EQ(run.tab[name].text, text);
    }
    for (const char* name : {"LRFIlim", "LRFLI2Aval", "LRFSnAval", "ERFIr", "ERFLr", "LRFLI2",
                             "LRFNAval", "CBRFBn", "CBRFEn"})
        expectPair(run.tab, name, GoodPair);
    EXPECT_FLOAT_EQ(run.s.LI2, 0.4f);
    EXPECT_FLOAT_EQ(run.s.RFSne, 12.96f);
    // The state keeps cm: the core drawing and any later reader expect them.
    EXPECT_NEAR(run.s.RFLmag, 23.014, 0.001);
    EXPECT_NEAR(run.s.RFAe, 0.03452, 0.00001);
    EXPECT_FLOAT_EQ(run.s.RFLmage, 23.4f);
    EXPECT_NEAR(run.s.RFAee, 0.0351, 0.00001);
}

TEST(FilterReactor, TooLittleEnergyFailsBothVerdicts)
{
    Choke run;
    run.tab["ERFIr"].text = "40"; // 10 H at 40 mA: 0.016 H*A^2
    run();
    EXPECT_EQ(run.tab["LRFLI2"].text, "0,016 H*A^2");
    EXPECT_EQ(run.tab["LRFLI2Aval"].text, "Falha: LI^2 < 0,02H*A^2");
    EXPECT_EQ(run.tab["LRFSnAval"].text, "Aumente a corrente ou indutância.");
    for (const char* name : {"LRFIlim", "LRFLI2Aval", "LRFSnAval", "ERFIr", "ERFLr", "LRFLI2"})
        expectPair(run.tab, name, BadPair);
}

TEST(FilterReactor, TooMuchEnergyAsksForLess)
{
    Choke run;
    run.tab["ERFIr"].text = "2000"; // 10 H at 2 A: 40 H*A^2
    run();
    EXPECT_EQ(run.tab["LRFIlim"].text, "45 mA < Ir <1000 mA");
    EXPECT_EQ(run.tab["LRFLI2Aval"].text, "Falha: Sn > 100cm^2 ou LI^2 > 10H*A^2");
    EXPECT_EQ(run.tab["LRFSnAval"].text, "Reduza corrente ou indutância.");
    expectPair(run.tab, "LRFIlim", BadPair);
    expectPair(run.tab, "ERFIr", BadPair);
    EXPECT_EQ(run.tab["LRFNAval"].text, "Seção escolhida menor que a mínima");
    expectPair(run.tab, "CBRFBn", BadPair);
    expectPair(run.tab, "CBRFEn", BadPair);
}

TEST(FilterReactor, NarrowCentreLegWithEnoughSection)
{
    Choke run;
    run.tab["CBRFBn"].text = "32";
    run.tab["CBRFEn"].text = "44";
    run();
    EXPECT_EQ(run.tab["LRFNAval"].text, "Largura da perna central pequena");
    expectPair(run.tab, "LRFNAval", BadPair);
    expectPair(run.tab, "CBRFBn", BadPair);
    expectPair(run.tab, "CBRFEn", GoodPair);
}

TEST(FilterReactor, NonPositiveCurrentIsUsedAs1mA)
{
    for (const char* text : {"0", "-50"}) {
        SCOPED_TRACE(text);
        Choke run;
        run.tab["ERFIr"].text = text;
        run();
        EXPECT_FLOAT_EQ(run.s.Ir, 1.0f);
        EXPECT_EQ(run.tab["LRFLI2"].text, "0,000 H*A^2");
        EXPECT_EQ(run.tab["LRFNesp"].text, "16403,0"); // 16.4 ampere-turns at 1 mA
    }
}

TEST(FilterReactor, BadTextTurnsRedAndFallsBackTo1)
{
    Choke run;
    run.tab["CBRFEn"].text = "3x";
    run();
    EXPECT_FLOAT_EQ(run.s.RFEn, 1.0f);
    EXPECT_EQ(run.tab["LRFSne"].text, "0,4"); // 36 x 1 mm
    expectPair(run.tab, "CBRFEn", BadPair);   // and the core verdict keeps it red
    Choke point;
    point.cfg.decimalSeparator = '.';
    point.tab["ERFLr"].text = "2.5";
    point();
    EXPECT_EQ(point.tab["LRFIlim"].text, "89 mA < Ir <2000 mA");
    EXPECT_EQ(point.tab["LRFLI2"].text, "0.100 H*A^2");
}

TEST(FilterReactor, ZeroOrNegativeInductanceExplainsAndEmptiesTheResults)
{
    for (const char* text : {"0", "-3", ""}) {
        SCOPED_TRACE(text);
        Choke run;
        run();
        run.tab["ERFLr"].text = text;
        if (std::string(text).empty()) {
            // Empty text falls back to 1 H: still a design.
            run();
            EXPECT_EQ(run.tab["LRFIlim"].text, "141 mA < Ir <3162 mA");
            continue;
        }
        ASSERT_NO_THROW(run());
        EXPECT_FLOAT_EQ(run.s.Lr, 0.0f);
        EXPECT_EQ(run.tab["ERFLr"].background, Colour::Red);
        EXPECT_EQ(run.tab["LRFIlim"].text, "A indutância (Lr) deve ser maior que zero.");
        EXPECT_EQ(run.tab["LRFLI2Aval"].text, "Falha: indutância nula ou negativa.");
        EXPECT_EQ(run.tab["LRFSnAval"].text, "Digite uma indutância maior que zero.");
        for (const char* name : {"LRFIlim", "LRFLI2Aval", "LRFSnAval"})
            expectPair(run.tab, name, BadPair);
        for (const char* name : {"LRFLI2", "LRFNI", "LRFNesp", "ERFBnc", "ERFEnc", "LRFSn",
                                 "LRFSne", "LRFLmag", "LRFLmage", "LRFAe", "LRFAee", "LRFNAval"}) {
            SCOPED_TRACE(name);
            EXPECT_EQ(run.tab[name].text, "");
            EXPECT_EQ(run.tab[name].background, Colour::Window);
        }
        // A valid inductance brings the design back.
        run.tab["ERFLr"].text = "10";
        run();
        EXPECT_EQ(run.tab["LRFLI2"].text, "0,400 H*A^2");
        EXPECT_EQ(run.tab["ERFLr"].background, Colour::Lime);
    }
}

TEST(FilterReactor, NegativeChosenSectionIsAnErrorNotNan)
{
    Choke run;
    run.tab["CBRFBn"].text = "-36";
    EXPECT_THROW(run(), CalcError);
    EXPECT_EQ(run.tab["LRFLmag"].text, "230,1"); // written before the fault
}

// The charts' lower limit is the double 0.02 widened (a hair above 1/50):
// for 0.5 H, Imin = sqrt(0.02 / 0.5) x 1000 = 200.000000000000002 mA, so
// 200 mA is just below it and the limits are red. With 0.02 written as a
// long double literal (a hair below 1/50) Imin fell to 200 and showed lime.
TEST(FilterReactor, CurrentAtTheLowerLimitIsOutsideWithTheWidenedConstant)
{
    Choke run;
    run.tab["ERFLr"].text = "0,5";
    run();
    EXPECT_EQ(run.tab["LRFIlim"].text, "200 mA < Ir <4472 mA");
    expectPair(run.tab, "LRFIlim", BadPair);
    EXPECT_EQ(run.tab["ERFIr"].background, Colour::Red);
    // 201 mA is inside.
    run.tab["ERFIr"].text = "201";
    run();
    expectPair(run.tab, "LRFIlim", GoodPair);
}
