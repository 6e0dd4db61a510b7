#include "calc_error.h"
#include "trafo_mod.h"

#include "designs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <tuple>

using namespace kelvora;
using ::testing::HasSubstr;

namespace {

using Texts = std::map<std::string, std::string>;

struct Mod {
    Sheet tab{trafoModControls()};
    TrafoModResult s;
    Settings cfg;

    explicit Mod(char separator = ',') { cfg.decimalSeparator = separator; }
    Mod& set(const Texts& texts)
    {
        for (const auto& [name, text] : texts)
            tab[name].text = text;
        return *this;
    }
    Mod& choose(const char* radio)
    {
        for (const char* r : {"RBNormal", "RBConserv", "RBMuitoCons"})
            tab[r].checked = std::string(r) == radio;
        return *this;
    }
    void show()
    {
        SelConfigTM(tab, s);
        CalculaTrafoMod(tab, s, cfg);
    }
    // Every output label as it reads now.
    Texts outputs() const
    {
        Texts t;
        for (const std::string& name : (*findDesign("modulador-valvulado")).outputs)
            t[name] = tab[name].text;
        return t;
    }
};

void expectColours(const Control& c, ColourPair pair, const char* what)
{
    SCOPED_TRACE(what);
    EXPECT_EQ(c.background, pair.background);
    EXPECT_EQ(c.font, pair.font);
}

void expectTexts(const Mod& m, const Texts& expected)
{
    for (const auto& [name, text] : expected)
        EXPECT_EQ(m.tab[name].text, text) << name;
}

// The message of the calculation error a run ends with, or "" if it finishes.
std::string errorOf(Mod& m)
{
    try {
        m.show();
    } catch (const CalcError& e) {
        return e.what();
    }
    return {};
}

// Every number and verdict of the record (not how far the run came).
auto numbers(const TrafoModResult& m)
{
    return std::tie(m.SelConfigTM, m.PaMod, m.PccRF, m.Pextra, m.Fmin, m.Ebmod, m.PextraPct,
                    m.Ib0mod, m.Ib1mod, m.Zmod, m.Ebrf, m.Ibrf, m.Bn, m.En, m.Bmax, m.Sn, m.Bnc,
                    m.Sne, m.Lm, m.Ae, m.Zrf, m.Kn, m.Kz, m.Np, m.Ns, m.Bc, m.Bcp, m.Bcs, m.Sfp,
                    m.Sfpmm2, m.Sfs, m.Sfsmm2, m.Lreator, m.Cacopl, m.core, m.power, m.dcFlux);
}

bool sameRecord(const TrafoModResult& a, const TrafoModResult& b)
{
    return numbers(a) == numbers(b);
}

} // namespace

TEST(TrafoModDesign, NameTabOutputsAndCore)
{
    const Design d = (*findDesign("modulador-valvulado"));
    EXPECT_EQ(d.name, "modulador-valvulado");
    EXPECT_EQ(d.tab, "TModValvul");
    EXPECT_EQ(d.outputs,
              (std::vector<std::string>{"LZpl1",   "LZpl2",    "LSn",       "ETMEnc", "ETMBnc",
                                        "LSne",    "LTMAval",  "LAe",       "LPccRF", "LPMinMod",
                                        "LPextra", "LTMPAval", "LZrf",      "LZrf2",  "LKz",
                                        "LKn",     "LNp1",     "LNp2",      "LNs",    "LBcp",
                                        "LBcs",    "LBc",      "LTMBcAval", "LSfp1",  "LSfp2",
                                        "LSfs",    "LRMInd",   "LRMCorr",   "LCMod"}));
    ASSERT_TRUE(d.report);
    DesignResults s;
    s.trafoMod.En = 36;
    s.trafoMod.Bn = 44;
    EXPECT_EQ(d.core(s), (std::pair<float, float>{36, 44}));
}

TEST(TrafoModControls, InputsStartWithTheirDefaultsAndLimits)
{
    const Sheet tab(trafoModControls());
    struct {
        const char* name;
        const char* text;
        int maxLength;
    } edits[] = {{"EPaMod", "50", 4},
                 {"EFmin", "100", 4},
                 {"EEbmod", "360", 4},
                 {"EIb0mod", "120", 5},
                 {"EIb1mod", "205", 5},
                 {"EZmod", "3600", 5},
                 {"EEbrf", "460", 4},
                 {"EIbrf", "160", 5},
                 {"EBmax", "10000", 5},
                 {"EUserNameTM", "Nome do usuário", 0},
                 {"EApplicationTM", "Nome do transformador ou aplicação", 0}};
    for (const auto& e : edits) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(tab[e.name].text, e.text);
        EXPECT_EQ(tab.spec(e.name).kind, Kind::Edit);
        EXPECT_EQ(tab.spec(e.name).maxLength, e.maxLength);
        EXPECT_TRUE(tab.spec(e.name).input);
    }

    const ControlSpec& en = tab.spec("CBTMEn");
    EXPECT_EQ(en.kind, Kind::Combo);
    EXPECT_EQ(en.items.size(), 26u);
    EXPECT_EQ(en.items.front(), "12");
    EXPECT_EQ(en.items.back(), "140");
    EXPECT_EQ(tab["CBTMEn"].text, "32");
    EXPECT_EQ(tab["CBTMEn"].itemIndex, 8);
    const ControlSpec& bn = tab.spec("CBTMBn");
    EXPECT_EQ(bn.kind, Kind::Combo);
    EXPECT_EQ(bn.items,
              (std::vector<std::string>{"15", "19", "22", "25", "28", "32", "35", "36", "38", "40",
                                        "44", "50", "50", "60", "80", "100"}));
    EXPECT_EQ(tab["CBTMBn"].text, "40");

    const ControlSpec& sel = tab.spec("CBSelTM");
    EXPECT_EQ(sel.kind, Kind::Combo);
    EXPECT_EQ(sel.items, (std::vector<std::string>{"Convencional", "Reator (RCA)"}));
    EXPECT_EQ(tab["CBSelTM"].text, "Convencional");
    EXPECT_EQ(tab["CBSelTM"].itemIndex, 0);

    EXPECT_FALSE(tab["RBNormal"].checked);
    EXPECT_TRUE(tab["RBConserv"].checked);
    EXPECT_FALSE(tab["RBMuitoCons"].checked);
    EXPECT_EQ(tab.spec("RBNormal").group, tab.spec("RBMuitoCons").group);
    EXPECT_EQ(tab.spec("RBConserv").group, tab.spec("RBMuitoCons").group);
}

TEST(TrafoModControls, DiagramStartsInTheConventionalCouplingAndVerdictsInWhite)
{
    const Sheet tab(trafoModControls());
    EXPECT_EQ(tab.spec("ImgConvTM").kind, Kind::Image);
    EXPECT_EQ(tab.spec("ImgReatorTM").kind, Kind::Image);
    EXPECT_TRUE(tab["ImgConvTM"].visible);
    for (const char* name : {"ImgReatorTM", "LCapAcopl1", "LCapAcopl2", "LReatMod1", "LReatMod2",
                             "LCMod", "LRMInd", "LRMCorr", "LPosX", "LPosY"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(tab[name].visible);
    }
    EXPECT_EQ(tab["LCapAcopl1"].text, "Capacitor de");
    EXPECT_EQ(tab["LCapAcopl2"].text, "Acoplamento");
    EXPECT_EQ(tab["LReatMod1"].text, "Reator de");
    EXPECT_EQ(tab["LReatMod2"].text, "Modulação");
    for (const char* name : {"LTMAval", "LTMPAval", "LTMBcAval"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(tab[name].font, Colour::White);
    }
    EXPECT_EQ(tab["LSn"].font, Colour::WindowText);
    EXPECT_TRUE(tab.spec("ETMEnc").readOnly);
    EXPECT_TRUE(tab.spec("ETMBnc").readOnly);
}

TEST(CalculaTrafoMod, DefaultInputsGiveTheKnownDesign)
{
    Mod m;
    m.show();
    expectTexts(m, {{"LZpl1", "1800,0 ohms"},
                    {"LZpl2", "1800,0 ohms"},
                    {"LSn", "10,61"},
                    {"ETMEnc", "32,57"},
                    {"ETMBnc", "32,57"},
                    {"LSne", "12,80"},
                    {"LTMAval", "Seção escolhida atende à aplicação!"},
                    {"LAe", "1,30 mm"},
                    {"LPccRF", "73,6 W"},
                    {"LPMinMod", "36,8 W"},
                    {"LPextra", "13,2 W / 26 %"},
                    {"LTMPAval", "Potência Suficiente no Modulador (Pextra>26,4%)!"},
                    {"LZrf", "2875,0 ohms"},
                    {"LZrf2", "2875,0 ohms"},
                    {"LKz", "1,25"},
                    {"LKn", "1,12"},
                    {"LNp1", "443,0 esp"},
                    {"LNp2", "443,0 esp"},
                    {"LNs", "791,7 esp"},
                    {"LBcp", "724,1 Gauss"},
                    {"LBcs", "2436,1 Gauss"},
                    {"LBc", "3160,1 Gauss"},
                    {"LTMBcAval", "Indução CC dentro dos limites de Bmax!"},
                    {"LSfp1", "28 AWG"},
                    {"LSfp2", "28 AWG"},
                    {"LSfs", "29 AWG"},
                    {"LRMInd", "4,6 H (mín)"},
                    {"LRMCorr", "160,0 mA"},
                    {"LCMod", "2,8 uF (mín)"}});

    const TrafoModResult& r = m.s;
    EXPECT_EQ(r.Bn, 40);
    EXPECT_EQ(r.En, 32);
    EXPECT_FLOAT_EQ(r.PccRF, 73.6f);
    EXPECT_FLOAT_EQ(r.Pextra, 13.2f);
    EXPECT_FLOAT_EQ(r.PextraPct, 26.4f);
    EXPECT_EQ(r.Lm, 26);
    EXPECT_EQ(r.Zrf, 2875);
    EXPECT_EQ(r.Np, 885.9375f);
    EXPECT_FLOAT_EQ(r.Sfpmm2, 0.205f / 3);
    EXPECT_FLOAT_EQ(r.Sfsmm2, 0.16f / 3);

    expectColours(m.tab["LTMAval"], GoodPair, "core verdict");
    expectColours(m.tab["CBTMBn"], GoodPair, "CBTMBn");
    expectColours(m.tab["CBTMEn"], GoodPair, "CBTMEn");
    expectColours(m.tab["LTMPAval"], GoodPair, "power verdict");
    for (const char* f : {"EPaMod", "EEbrf", "EIbrf"})
        expectColours(m.tab[f], GoodPair, f);
    expectColours(m.tab["LTMBcAval"], GoodPair, "DC verdict");
    expectColours(m.tab["EBmax"], GoodPair, "EBmax");
    for (const char* f : {"EFmin", "EEbmod", "EIb0mod", "EIb1mod", "EZmod"})
        EXPECT_EQ(m.tab[f].background, Colour::Window) << f;
}

TEST(CalculaTrafoMod, AnotherDesignThroughEveryFormula)
{
    Mod m;
    m.set({{"EPaMod", "100"},
           {"EFmin", "50"},
           {"EEbmod", "1000"},
           {"EIb0mod", "50"},
           {"EIb1mod", "300"},
           {"EZmod", "8000"},
           {"EEbrf", "1250"},
           {"EIbrf", "200"},
           {"EBmax", "12000"},
           {"CBTMEn", "50"},
           {"CBTMBn", "50"}});
    m.show();
    // Ae is exactly 1.625: the half rounds away from zero.
    expectTexts(m, {{"LZpl1", "4000,0 ohms"},
                    {"LSn", "21,21"},
                    {"ETMEnc", "46,06"},
                    {"LSne", "25,00"},
                    {"LTMAval", "Seção escolhida atende à aplicação!"},
                    {"LAe", "1,63 mm"},
                    {"LPccRF", "250,0 W"},
                    {"LPMinMod", "125,0 W"},
                    {"LPextra", "-25,0 W / -25 %"},
                    {"LTMPAval", "Potência Insuficiente no Modulador (Pextra<0%)!"},
                    {"LZrf", "6250,0 ohms"},
                    {"LKz", "1,28"},
                    {"LKn", "1,13"},
                    {"LNp1", "1050,0 esp"},
                    {"LNs", "1856,2 esp"},
                    {"LBcp", "4038,5 Gauss"},
                    {"LBcs", "5711,2 Gauss"},
                    {"LBc", "9749,7 Gauss"},
                    {"LSfp1", "26 AWG"},
                    {"LSfs", "28 AWG"},
                    {"LRMInd", "19,9 H (mín)"},
                    {"LRMCorr", "200,0 mA"},
                    {"LCMod", "2,5 uF (mín)"}});
    expectColours(m.tab["LTMPAval"], BadPair, "power verdict");
    for (const char* f : {"EPaMod", "EEbrf", "EIbrf"})
        expectColours(m.tab[f], BadPair, f);
}

TEST(CalculaTrafoMod, AnalysisTypeDecidesHowMuchSparePowerIsEnough)
{
    const std::string enough = "Potência Suficiente no Modulador (Pextra>";
    struct {
        const char* radio;
        const char* paMod;
        std::string text;
        ColourPair verdict, fields;
    } cases[] = {
        // 26.4 % spare: enough unless 50 % is asked for.
        {"RBNormal", "50", enough + "26,4%)!", GoodPair, GoodPair},
        {"RBConserv", "50", enough + "26,4%)!", GoodPair, GoodPair},
        {"RBMuitoCons", "50", "Potência Baixa no Modulador (Pextra<50%)!", WarnPair, BadPair},
        // 45 W: 8.2 W or 18.2 % spare.
        {"RBNormal", "45", enough + "18,2%)!", GoodPair, GoodPair},
        {"RBConserv", "45", "Potência Baixa no Modulador (Pextra<25%)!", WarnPair, BadPair},
        {"RBMuitoCons", "45", "Potência Baixa no Modulador (Pextra<50%)!", WarnPair, BadPair},
        // 100 W: 63.2 % spare satisfies every analysis.
        {"RBMuitoCons", "100", enough + "63,2%)!", GoodPair, GoodPair},
        // 30 W cannot even modulate fully: the same red verdict for every analysis.
        {"RBNormal", "30", "Potência Insuficiente no Modulador (Pextra<0%)!", BadPair, BadPair},
        {"RBConserv", "30", "Potência Insuficiente no Modulador (Pextra<0%)!", BadPair, BadPair},
        {"RBMuitoCons", "30", "Potência Insuficiente no Modulador (Pextra<0%)!", BadPair, BadPair},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.radio) + " PaMod " + c.paMod);
        Mod m;
        m.set({{"EPaMod", c.paMod}}).choose(c.radio);
        m.show();
        EXPECT_EQ(m.tab["LTMPAval"].text, c.text);
        expectColours(m.tab["LTMPAval"], c.verdict, "LTMPAval");
        for (const char* f : {"EPaMod", "EEbrf", "EIbrf"})
            expectColours(m.tab[f], c.fields, f);
    }
}

TEST(CalculaTrafoMod, PowerVerdictReplacesTheReadColourOfItsFields)
{
    // An unreadable EEbrf is red from the read, then the verdict decides:
    // EbRF = 1 V leaves nearly all the power spare.
    Mod m;
    m.set({{"EEbrf", "abc"}});
    m.show();
    EXPECT_EQ(m.s.Ebrf, 1);
    EXPECT_EQ(m.tab["LPccRF"].text, "0,2 W");
    expectColours(m.tab["EEbrf"], GoodPair, "EEbrf");
}

TEST(CalculaTrafoMod, PaModNotAboveZeroIsTakenAsOneWatt)
{
    for (const char* text : {"0", "-5", "-0,5", "abc", ""}) {
        SCOPED_TRACE(text);
        // A tiny RF stage, so that 1 W is plenty and the verdict paints the field lime.
        Mod m;
        m.set({{"EPaMod", text}, {"EEbrf", "10"}, {"EIbrf", "10"}});
        m.show();
        EXPECT_EQ(m.s.PaMod, 1);
        EXPECT_EQ(m.tab["EPaMod"].text, text);
        EXPECT_EQ(m.tab["LSn"].text, "1,50"); // 15 * sqrt(1 / 100)
        EXPECT_EQ(m.tab["LPextra"].text, "0,9 W / 95 %");
        expectColours(m.tab["EPaMod"], GoodPair, "EPaMod");
    }
}

TEST(CalculaTrafoMod, UnreadableFieldsTurnRedAndUseTheirFallbacks)
{
    struct {
        const char* field;
        float TrafoModResult::*member;
        float fallback;
    } cases[] = {
        {"EFmin", &TrafoModResult::Fmin, 1},     {"EEbmod", &TrafoModResult::Ebmod, 0},
        {"EIb0mod", &TrafoModResult::Ib0mod, 1}, {"EIb1mod", &TrafoModResult::Ib1mod, 1},
        {"EZmod", &TrafoModResult::Zmod, 1},     {"EBmax", &TrafoModResult::Bmax, 1},
        {"EIbrf", &TrafoModResult::Ibrf, 1},     {"EEbrf", &TrafoModResult::Ebrf, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        Mod m;
        m.set({{c.field, "12.5"}}); // a point where the comma belongs
        m.show();
        EXPECT_EQ(m.s.*c.member, c.fallback);
        // The fields no verdict repaints keep the read's colour.
        if (std::string(c.field) != "EBmax" && std::string(c.field) != "EIbrf"
            && std::string(c.field) != "EEbrf") {
            EXPECT_EQ(m.tab[c.field].background, Colour::Red);
        }
        // Typing a number again gives the window colour back.
        m.set({{c.field, "12,5"}});
        m.show();
        EXPECT_EQ(m.s.*c.member, 12.5f);
        if (std::string(c.field) == "EFmin") {
            EXPECT_EQ(m.tab["EFmin"].background, Colour::Window);
        }
    }
}

TEST(CalculaTrafoMod, EbmodFallsBackToZeroTurns)
{
    Mod m;
    m.set({{"EEbmod", "x"}});
    m.show();
    EXPECT_EQ(m.tab["LNp1"].text, "0,0 esp");
    EXPECT_EQ(m.tab["LBcp"].text, "0,0 Gauss");
    EXPECT_EQ(m.tab["EEbmod"].background, Colour::Red);
}

TEST(CalculaTrafoMod, CoreVerdictColoursTheCombosThatAreTooSmall)
{
    struct {
        const char *bn, *en, *text;
        ColourPair verdict, bnColour, enColour;
    } cases[] = {
        // 6.25 cm^2 against the 10.61 needed.
        {"25", "25", "Seção escolhida menor que a mínima", BadPair, BadPair, BadPair},
        // 15 cm^2 is enough, but the leg is narrower than the 32.57 mm square side.
        {"25", "60", "Largura da perna central pequena", BadPair, BadPair, GoodPair},
        {"32", "50", "Largura da perna central pequena", BadPair, BadPair, GoodPair},
        // 11.2 cm^2 on a leg wider than the 32.57 mm side.
        {"35", "32", "Seção escolhida atende à aplicação!", GoodPair, GoodPair, GoodPair},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.bn) + " x " + c.en);
        Mod m;
        m.set({{"CBTMBn", c.bn}, {"CBTMEn", c.en}});
        m.show();
        EXPECT_EQ(m.tab["LTMAval"].text, c.text);
        expectColours(m.tab["LTMAval"], c.verdict, "LTMAval");
        expectColours(m.tab["CBTMBn"], c.bnColour, "CBTMBn");
        expectColours(m.tab["CBTMEn"], c.enColour, "CBTMEn");
    }
}

TEST(CalculaTrafoMod, DcVerdictNamesThePrimaryBeforeTheSecondaryBeforeTheTotal)
{
    // Lowering Bmax raises the turns and so both DC densities.
    struct {
        const char* bmax;
        const char* text;
        ColourPair pair;
    } cases[] = {
        {"2000", "Excesso de Indução CC no Primário!", BadPair},      // Bcp 3620, Bcs 12180
        {"4000", "Excesso de Indução CC no Secundário!", BadPair},    // Bcp 1810, Bcs 6090
        {"5500", "Excesso de Indução CC Total", BadPair},             // 1317 + 4429 = 5746
        {"5700", "Indução CC dentro dos limites de Bmax!", GoodPair}, // 1270 + 4274 = 5544
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bmax);
        Mod m;
        m.set({{"EBmax", c.bmax}});
        m.show();
        EXPECT_EQ(m.tab["LTMBcAval"].text, c.text);
        expectColours(m.tab["LTMBcAval"], c.pair, "LTMBcAval");
        expectColours(m.tab["EBmax"], c.pair, "EBmax");
    }
    Mod m;
    m.set({{"EBmax", "4000"}});
    m.show();
    EXPECT_EQ(m.tab["LBcp"].text, "1810,2 Gauss");
    EXPECT_EQ(m.tab["LBcs"].text, "6090,1 Gauss");
}

TEST(CalculaTrafoMod, ACoreSizeThatIsNotAWholeNumberStopsBeforeAnythingChanges)
{
    struct {
        const char* combo;
        const char* text;
    } cases[] = {{"CBTMBn", "40,5"},
                 {"CBTMBn", "abc"},
                 {"CBTMEn", "3 2"},
                 {"CBTMEn", ""},
                 {"CBTMBn", "40.0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.combo) + " '" + c.text + "'");
        Mod m;
        m.show();
        const Sheet before = m.tab;
        const TrafoModResult record = m.s;
        // Other inputs change too; none of them may be read.
        m.set({{c.combo, c.text}, {"EFmin", "xyz"}, {"EPaMod", "70"}});
        EXPECT_EQ(errorOf(m), "'" + std::string(c.text) + "' não é um número inteiro válido");
        for (const std::string& name : m.tab.names()) {
            if (name == c.combo || name == "EFmin" || name == "EPaMod")
                continue;
            SCOPED_TRACE(name);
            EXPECT_EQ(m.tab[name].text, before[name].text);
            EXPECT_EQ(m.tab[name].background, before[name].background);
            EXPECT_EQ(m.tab[name].font, before[name].font);
            EXPECT_EQ(m.tab[name].visible, before[name].visible);
        }
        EXPECT_EQ(m.tab["EFmin"].background, Colour::Window);
        EXPECT_TRUE(sameRecord(m.s, record));
    }
}

TEST(CalculaTrafoMod, ZeroDivisorsEndTheRunWhereTheyAreMet)
{
    {
        SCOPED_TRACE("Fmin 0: the core section divides by it");
        Mod m;
        m.show();
        m.set({{"EFmin", "0"}, {"EZmod", "1800"}});
        EXPECT_THAT(errorOf(m), HasSubstr("divisão por zero"));
        EXPECT_EQ(m.tab["LZpl1"].text, "900,0 ohms"); // written before
        EXPECT_EQ(m.tab["LSn"].text, "10,61");        // not reached
        EXPECT_EQ(m.tab["LRMInd"].text, "4,6 H (mín)");
    }
    {
        SCOPED_TRACE("IbRF 0: the RF stage's impedance divides by it");
        Mod m;
        m.show();
        m.set({{"EIbrf", "0"}});
        EXPECT_THAT(errorOf(m), HasSubstr("divisão por zero"));
        EXPECT_EQ(m.tab["LPccRF"].text, "0,0 W");
        EXPECT_EQ(m.tab["LTMPAval"].text, "Potência Suficiente no Modulador (Pextra>100,0%)!");
        EXPECT_EQ(m.tab["LZrf"].text, "2875,0 ohms");
        EXPECT_EQ(m.tab["LNs"].text, "791,7 esp");
    }
    {
        SCOPED_TRACE("Zmod 0: no turns ratio");
        Mod m;
        m.set({{"EZmod", "0"}});
        EXPECT_THAT(errorOf(m), HasSubstr("divisão por zero"));
        EXPECT_EQ(m.tab["LKn"].text, "0,00");
        EXPECT_EQ(m.tab["LNs"].text, "");
    }
    {
        SCOPED_TRACE("Bmax 0: the turns divide by it");
        Mod m;
        m.set({{"EBmax", "0"}});
        EXPECT_THAT(errorOf(m), HasSubstr("divisão por zero"));
        EXPECT_EQ(m.tab["LKn"].text, "1,12");
        EXPECT_EQ(m.tab["LNp1"].text, "");
    }
}

TEST(CalculaTrafoMod, NegativeInputsUnderASquareRootNameTheField)
{
    struct {
        Texts inputs;
        const char* field;
        const char* firstUnwritten;
    } cases[] = {
        {{{"EFmin", "-100"}}, "(Fmin)", "LSn"},
        {{{"EZmod", "-3600"}}, "(Zmod)", "LKn"},
        {{{"EIbrf", "-160"}}, "(EbRF / IbRF)", "LKn"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        Mod m;
        m.set(c.inputs);
        const std::string error = errorOf(m);
        EXPECT_THAT(error, HasSubstr(c.field));
        EXPECT_THAT(error, HasSubstr("deve ser maior que zero"));
        EXPECT_EQ(m.tab[c.firstUnwritten].text, "");
        for (const std::string& name : (*findDesign("modulador-valvulado")).outputs) {
            EXPECT_EQ(m.tab[name].text.find("NAN"), std::string::npos) << name;
            EXPECT_EQ(m.tab[name].text.find("INF"), std::string::npos) << name;
        }
    }
}

TEST(CalculaTrafoMod, NonPositiveCurrentsForTheGaugeNameTheField)
{
    Mod m;
    m.set({{"EIb1mod", "0"}, {"EIb0mod", "0"}});
    EXPECT_THAT(errorOf(m), HasSubstr("(I1mod) deve ser maior que zero"));
    EXPECT_EQ(m.tab["LBc"].text, "2436,1 Gauss"); // reached: no primary DC at all
    EXPECT_EQ(m.tab["LSfp1"].text, "");
    EXPECT_FLOAT_EQ(m.s.Sfsmm2, 0.16f / 3); // the sections come before the gauges
}

TEST(CalculaTrafoMod, PointAsDecimalSeparator)
{
    Mod m('.');
    m.set({{"EPaMod", "50.0"}, {"EFmin", "100,0"}});
    m.show();
    EXPECT_EQ(m.s.Fmin, 1); // a comma does not read with a point locale
    EXPECT_EQ(m.tab["EFmin"].background, Colour::Red);
    m.set({{"EFmin", "100."}});
    m.show();
    expectTexts(m, {{"LPextra", "13.2 W / 26 %"},
                    {"LTMPAval", "Potência Suficiente no Modulador (Pextra>26.4%)!"},
                    {"LNp1", "443.0 esp"},
                    {"LSn", "10.61"},
                    {"LRMInd", "4.6 H (mín)"}});
}

TEST(SelConfigTM, SwitchesTheDiagramBothWaysAndIgnoresTypedText)
{
    const char* reactorParts[] = {"ImgReatorTM", "LCapAcopl1", "LCapAcopl2", "LReatMod1",
                                  "LReatMod2",   "LCMod",      "LRMInd",     "LRMCorr"};
    auto expectCoupling = [&](const Sheet& tab, bool reactor) {
        EXPECT_EQ(tab["ImgConvTM"].visible, !reactor);
        for (const char* name : reactorParts)
            EXPECT_EQ(tab[name].visible, reactor) << name;
        for (const char* name :
             {"LNp1", "LNp2", "LSfp1", "LSfp2", "LNs", "LSfs", "LZpl1", "LZpl2", "LZrf2"})
            EXPECT_TRUE(tab[name].visible) << name;
    };
    Sheet tab(trafoModControls());
    TrafoModResult s;
    s.SelConfigTM = 7;

    SelConfigTM(tab, s);
    EXPECT_EQ(s.SelConfigTM, 0);
    expectCoupling(tab, false);

    tab["CBSelTM"].text = "Reator (RCA)";
    tab["CBSelTM"].itemIndex = 1;
    SelConfigTM(tab, s);
    EXPECT_EQ(s.SelConfigTM, 1);
    expectCoupling(tab, true);

    // Typed text that matches no item: recorded, and the diagram stays.
    tab["CBSelTM"].text = "Reator";
    tab["CBSelTM"].itemIndex = -1;
    SelConfigTM(tab, s);
    EXPECT_EQ(s.SelConfigTM, -1);
    expectCoupling(tab, true);

    tab["CBSelTM"].text = "Convencional";
    tab["CBSelTM"].itemIndex = 0;
    SelConfigTM(tab, s);
    EXPECT_EQ(s.SelConfigTM, 0);
    expectCoupling(tab, false);

    tab["CBSelTM"].itemIndex = -1;
    SelConfigTM(tab, s);
    expectCoupling(tab, false);
}

TEST(SelConfigTM, ReactorRequirementsAreComputedInEitherCoupling)
{
    Mod m;
    m.set({{"EFmin", "50"}});
    m.show();
    EXPECT_FALSE(m.tab["LRMInd"].visible);
    EXPECT_EQ(m.tab["LRMInd"].text, "9,2 H (mín)"); // 2875 / (2 pi 50)
    EXPECT_EQ(m.tab["LCMod"].text, "5,5 uF (mín)");
}
