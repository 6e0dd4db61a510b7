// The registry of designs: what the window wires and kelvora-cli runs.
#include "designs.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace kelvora;

namespace {

std::vector<std::string> prefixed(const char* event, std::initializer_list<const char*> names)
{
    std::vector<std::string> v;
    for (const char* n : names)
        v.push_back(std::string(event) + " " + n);
    return v;
}

std::vector<std::string> join(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> v;
    for (const auto& p : parts)
        v.insert(v.end(), p.begin(), p.end());
    return v;
}

struct Wiring {
    std::vector<std::string> triggers;
    std::vector<std::string> runs;
};

// The main window's recalculation wiring: handler, what triggers it, what it runs.
const std::map<std::string, Wiring>& wiringTable()
{
    static const std::map<std::string, Wiring> t = {
        {"CBBnChange",
         {join({{"OnActivate"},
                prefixed("OnChange", {"EPo", "EFm", "ERo", "ERd", "EVcc", "CBIc0", "EBetaQ1Q2min",
                                      "EBetaQ3", "EBetaQ1Q2max"})}),
          {"CalculaTrafoMod", "CalculaTrafoModTrans", "CalculaTrafoAlim"}}},
        {"TInicioShow", {{"OnShow TInicio"}, {"TAEnrolamentos", "CalculaTrafoAlim"}}},
        {"TTrafoAlimShow",
         {join({{"OnShow TTrafoAlim"},
                prefixed("OnClick", {"RBNucleoE", "RBNucleoU"}),
                prefixed("OnChange",
                         {"EEn1", "EBn1",     "CBTaEff", "CBTaBmax", "EFo",  "EVp1", "EVp2", "EVp3",
                          "EVp4", "EVprim0V", "EVs1",    "EVs2",     "EVs3", "EVs4", "EVs5", "EVs6",
                          "EIs1", "EIs2",     "EIs3",    "EIs4",     "EIs5", "EIs6"})}),
          {"CalculaTrafoAlim"}}},
        {"CNumPriChange", {{"OnChange CNumPri"}, {"TAEnrolamentos", "CalculaTrafoAlim"}}},
        {"CNumSecChange", {{"OnChange CNumSec"}, {"TAEnrolamentos", "CalculaTrafoAlim"}}},
        {"TModValvulShow",
         {join({{"OnShow TModValvul"},
                prefixed("OnChange", {"EPaMod", "EFmin", "EIb0mod", "EIb1mod", "EZmod", "EEbmod",
                                      "EBmax", "CBTMEn", "CBTMBn", "EEbrf", "EIbrf"}),
                prefixed("OnClick", {"RBConserv", "RBNormal", "RBMuitoCons"})}),
          {"SelConfigTM", "CalculaTrafoMod"}}},
        {"CBSelTMChange", {{"OnChange CBSelTM"}, {"SelConfigTM"}}},
        {"TReatorFiltroShow",
         {join({{"OnShow TReatorFiltro"},
                prefixed("OnChange", {"CBRFEn", "CBRFBn", "ERFIr", "ERFLr"})}),
          {"CalcReatorFiltro"}}},
    };
    return t;
}

} // namespace

TEST(DesignRegistry, HandlersMatchTheWindowsWiringTable)
{
    std::map<std::string, Wiring> declared;
    for (const Design& d : designs())
        for (const Handler& h : d.handlers) {
            EXPECT_FALSE(declared.count(h.name)) << h.name << " declared twice";
            declared[h.name] = {h.triggers, h.runs};
        }
    ASSERT_EQ(declared.size(), wiringTable().size());
    for (const auto& [name, want] : wiringTable()) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(declared.count(name));
        const Wiring& got = declared[name];
        EXPECT_EQ(std::multiset<std::string>(got.triggers.begin(), got.triggers.end()),
                  std::multiset<std::string>(want.triggers.begin(), want.triggers.end()));
        EXPECT_EQ(got.runs, want.runs); // order matters: a failure skips the rest
    }
}

TEST(DesignRegistry, EveryTriggerNamesAControlOfItsTabAndEveryRunAProcedure)
{
    for (const Design& d : designs())
        for (const Handler& h : d.handlers) {
            SCOPED_TRACE(h.name);
            for (const std::string& run : h.runs) {
                const auto [owner, p] = findProcedure(run);
                ASSERT_TRUE(p) << run;
                EXPECT_EQ(p->name, run);
                EXPECT_EQ(p->calculation, run.rfind("Calc", 0) == 0) << run;
            }
            for (const std::string& t : h.triggers) {
                const std::size_t space = t.find(' ');
                if (space == std::string::npos) {
                    EXPECT_EQ(t, "OnActivate");
                    continue;
                }
                const std::string event = t.substr(0, space), control = t.substr(space + 1);
                if (event == "OnShow")
                    continue; // a tab page
                const Sheet tab(d.controls);
                ASSERT_TRUE(tab.has(control)) << control << " is not on " << d.tab;
                // EVp2 and EVprim0V are typed by the program, and still trigger.
                EXPECT_TRUE(tab.spec(control).input || tab.spec(control).readOnly) << control;
                EXPECT_EQ(event == "OnClick", tab.spec(control).kind == Kind::Radio) << t;
            }
        }
}

TEST(DesignRegistry, ShowRunsTheTabsOwnProceduresOnTheirRecord)
{
    // Showing a design's tab without a window writes into that design's
    // record only: the others stay as they were.
    for (const Design& d : designs()) {
        SCOPED_TRACE(d.name);
        Sheet tab(d.controls);
        DesignResults r;
        d.show(tab, r, Settings{});
        EXPECT_EQ(r.trafoAlim.reached > 0, d.name == "trafo-alimentacao");
        EXPECT_EQ(r.trafoMod.reached > 0, d.name == "modulador-valvulado");
        EXPECT_EQ(r.trafoModTrans.reached > 0, d.name == "modulador-transistorizado");
        EXPECT_EQ(r.reatorFiltro.reached > 0, d.name == "reator-filtro");
    }
}
