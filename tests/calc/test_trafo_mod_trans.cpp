#include "calc_error.h"
#include "trafo_mod_trans.h"

#include <gtest/gtest.h>

#include <map>

using namespace kelvora;

namespace {
struct Stage {
    Sheet tab{trafoModTransControls()};
    TrafoModTransResult s;
    Settings cfg;
    void operator()() { CalculaTrafoModTrans(tab, s, cfg); }
};
} // namespace

TEST(TransistorModulator, DefaultsGiveTheseExactLabels)
{
    Stage run;
    run();
    const std::map<std::string, std::string> expected = {
        {"LRc", "9,00 ohms"},      {"LVcm", "30,00 V"},      {"LIcm", "3,33 A"},
        {"LIdc", "2,12 A"},        {"LPi", "63,66 W"},       {"LNteor", "78,54 %"},
        {"LPdiss", "10,13 W"},     {"LVcemax", "60,00 V"},   {"LIc0", "66,67 mA"},
        {"LIb", "109,44 mA"},      {"LI2", "5,47 mA"},       {"LId", "54,72 mA"},
        {"LI1", "60,19 mA"},       {"LR1", "475,16 ohms"},   {"LPR1", "1,72 W"},
        {"LPdrv", "58,33 mW"},     {"LRe", "0,90 ohms"},     {"LNprat", "71,40 %"},
        {"LRBmin", "23,10 ohms"},  {"LRBmax", "41,10 ohms"}, {"LPdrvmin", "320,83 mW"},
        {"LPdrvmax", "142,71 mW"}, {"LM2N2min", "0,59"},     {"LM2N2max", "0,44"},
    };
    for (const auto& [name, text] : expected) {
        SCOPED_TRACE(name);
        EXPECT_EQ(run.tab[name].text, text);
    }
    EXPECT_FLOAT_EQ(run.s.Rc, 9.0f);
    EXPECT_FLOAT_EQ(run.s.Re, 0.9f);
    EXPECT_EQ(run.s.Ic0pct, 2);
    // Strict reads never colour a field.
    EXPECT_EQ(run.tab["EPo"].background, Colour::Window);
}

TEST(TransistorModulator, FmAndRoChangeNoResult)
{
    Stage base;
    base();
    Stage other;
    other.tab["EFm"].text = "20";
    other.tab["ERo"].text = "8";
    other();
    for (const std::string& name : trafoModTransOutputs()) {
        SCOPED_TRACE(name);
        EXPECT_EQ(other.tab[name].text, base.tab[name].text);
    }
    EXPECT_FLOAT_EQ(other.s.Fm, 20.0f);
}

TEST(TransistorModulator, QuiescentPercentageAndPointSeparator)
{
    Stage run;
    run.cfg.decimalSeparator = '.';
    run.tab["CBIc0"].text = "10";
    run.tab["EVcc"].text = "24.5";
    run();
    EXPECT_EQ(run.tab["LRc"].text, "6.00 ohms"); // 24.5^2 / 100 = 6.0025
    EXPECT_EQ(run.tab["LVcemax"].text, "49.00 V");
}

TEST(TransistorModulator, AConversionErrorNamesTheTextAndWritesNothing)
{
    for (const char* field :
         {"EPo", "EFm", "EVcc", "ERo", "ERd", "EBetaQ1Q2min", "EBetaQ1Q2max", "EBetaQ3"}) {
        SCOPED_TRACE(field);
        Stage run;
        run.tab["LRc"].text = "antigo";
        run.tab[field].text = "5a";
        try {
            run();
            FAIL() << "no error";
        } catch (const CalcError& e) {
            EXPECT_STREQ(e.what(), "'5a' não é um valor numérico válido");
        }
        EXPECT_EQ(run.tab["LRc"].text, "antigo");
        EXPECT_EQ(run.tab[field].background, Colour::Window);
    }
    Stage run;
    run.tab["CBIc0"].text = "2,5";
    EXPECT_THROW(run(), CalcError);
}

TEST(TransistorModulator, ZeroPowerGainOrSupplyIsAnArithmeticError)
{
    struct {
        const char* field;
        const char* firstUnwritten;
    } cases[] = {{"EPo", "LRc"}, {"EVcc", "LIcm"}, {"EBetaQ1Q2min", "LIb"}, {"EBetaQ3", "LI2"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        Stage run;
        run.tab[c.firstUnwritten].text = "antigo";
        run.tab[c.field].text = "0";
        EXPECT_THROW(run(), CalcError);
        // The run stops at the fault: that label keeps its old text.
        EXPECT_EQ(run.tab[c.firstUnwritten].text, "antigo");
    }
    // Labels written before the fault keep their new text.
    Stage run;
    run.tab["EBetaQ3"].text = "0";
    EXPECT_THROW(run(), CalcError);
    EXPECT_EQ(run.tab["LRc"].text, "9,00 ohms");
    EXPECT_EQ(run.tab["LIb"].text, "109,44 mA");
}
