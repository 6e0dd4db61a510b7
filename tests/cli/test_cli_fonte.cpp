#include "cli_run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstdio>
#include <string>
#include <vector>

using kelvora::test::CliRun;
using kelvora::test::cliRun;
using ::testing::HasSubstr;
using Json = nlohmann::ordered_json;

namespace {

Json run(std::vector<std::string> args, int code = 0)
{
    args.insert(args.begin(), "fonte");
    args.push_back("--json");
    args.push_back("--decimal-separator=,");
    const CliRun r = cliRun(args);
    EXPECT_EQ(r.code, code) << r.err;
    return Json::parse(r.out);
}

TEST(CliFonte, GivesTheSupplyOfTheChosenSecondary)
{
    const Json j = run({"CBFoRetificador=ponte", "CBFoElem1=C", "EFoValor1=47", "EFoPerda1=0,5",
                        "CBFoElem2=L", "EFoValor2=10", "EFoPerda2=150", "CBFoElem3=C",
                        "EFoValor3=47"});
    EXPECT_EQ(j["design"], "fonte");
    const Json& f = j["fonte"];
    ASSERT_TRUE(f.contains("source")) << f.dump();
    for (const char* k : {"v_nl", "r_ohm", "l_leak_h"})
        EXPECT_GT(f["source"][k].get<double>(), 0) << k;
    ASSERT_EQ(f["nodes"].size(), 3u); // one per element, the last the load
    for (const Json& n : f["nodes"])
        for (const char* k : {"vdc", "ripple_pp_v", "ripple_rms_v"})
            EXPECT_TRUE(n[k].is_number()) << k;
    // The choke filters: far less ripple at the load than on the first capacitor.
    EXPECT_LT(f["nodes"][2]["ripple_pp_v"].get<double>(),
              0.05 * f["nodes"][0]["ripple_pp_v"].get<double>());
    for (const char* k : {"winding_rms_a", "diode_peak_a", "diode_rms_a", "piv_v", "surge_peak_a",
                          "t95_s"})
        EXPECT_GT(f[k].get<double>(), 0) << k;
    EXPECT_TRUE(f["verdicts"].contains("piv"));
    EXPECT_GE(f["sweep"].size(), 20u);
    EXPECT_TRUE(f["sweep"][0].contains("i_load_ma"));
}

TEST(CliFonte, UsageErrorsAsTheOtherDesigns)
{
    CliRun r = cliRun({"fonte", "CBFoRetificador=Ponte"});
    EXPECT_EQ(r.code, 2);
    EXPECT_THAT(r.err, HasSubstr("valor que a lista CBFoRetificador não tem: Ponte"));
    r = cliRun({"fonte", "CBFoSecundario=7"});
    EXPECT_EQ(r.code, 2);
    // The window's controls belong to fonte only.
    r = cliRun({"trafo-alimentacao", "CBFoRetificador=ponte"});
    EXPECT_EQ(r.code, 2);
    EXPECT_THAT(r.err, HasSubstr("controle de entrada desconhecido neste projeto: CBFoRetificador"));
    r = cliRun({"--help"});
    EXPECT_THAT(r.out, HasSubstr("circuito-pi, fonte"));
}

// A valve of the builder's own: k from its drop, its limits judged by name.
TEST(CliFonte, OwnValveTakesItsLawAndLimitsFromTheUser)
{
    const Json j = run({"CBFoRetificador=onda-completa-ct", "CBFoDiodo=válvula própria",
                        "EFoValvQueda=58", "EFoValvCorrente=225", "EFoValvPIV=100",
                        "EFoValvCmax=40", "EFoValor1=20"},
                       0);
    const Json& v = j["fonte"]["verdicts"];
    ASSERT_TRUE(v.contains("piv")) << v.dump();
    EXPECT_FALSE(v["piv"][1].get<bool>());
    EXPECT_THAT(v["piv"][0].get<std::string>(), HasSubstr("acima do máximo da válvula própria (100,0 V)"));
    EXPECT_TRUE(v["first_capacitor"][1].get<bool>());
    EXPECT_FALSE(v.contains("peak_current")); // not typed: not judged
    // The same law as the 5U4G's (58 V at 225 mA): the same figures.
    const Json u = run({"CBFoRetificador=onda-completa-ct", "CBFoDiodo=5U4G", "EFoValor1=20"});
    EXPECT_DOUBLE_EQ(j["fonte"]["nodes"][0]["vdc"].get<double>(),
                     u["fonte"]["nodes"][0]["vdc"].get<double>());
    const Json none = run({"CBFoDiodo=válvula própria"}, 1);
    EXPECT_EQ(none["fonte"]["error"], "A válvula própria precisa de k ou de uma queda a uma corrente.");
}

// "usar o reator da aba": the first L is the reactor tab's Lr (10 H by default)
// with its winding's hot resistance from that design's construction.
TEST(CliFonte, TheReactorOfTheTabIsTheFirstChoke)
{
    const CliRun rf = cliRun({"reator-filtro", "--construcao", "--json", "--decimal-separator=."});
    const Json r = Json::parse(rf.out);
    const std::string lr = r["controls"]["ERFLr"]["text"];
    const double dcr = r["construcao"]["windings"][0]["rhot_ohm"];
    const Json tab = run({"CBFoElem1=L", "EFoValor1=1", "CBFoReator=sim", "CBFoElem2=C",
                          "EFoValor2=47"});
    char typed[32];
    std::snprintf(typed, sizeof typed, "%.6f", dcr);
    std::string dcrText = typed;
    for (char& c : dcrText)
        if (c == '.')
            c = ',';
    const Json own = run({"CBFoElem1=L", "EFoValor1=" + lr, "EFoPerda1=" + dcrText, "CBFoElem2=C",
                          "EFoValor2=47"});
    EXPECT_NEAR(tab["fonte"]["nodes"][1]["vdc"].get<double>(),
                own["fonte"]["nodes"][1]["vdc"].get<double>(), 1e-3);
    EXPECT_NEAR(tab["fonte"]["power_w"][0].get<double>(), own["fonte"]["power_w"][0].get<double>(),
                1e-4);
    const Json none = run({"CBFoReator=sim"}, 1);
    EXPECT_EQ(none["fonte"]["error"], "Não há indutor no filtro para o reator da aba.");
}

TEST(CliFonte, AnInactiveSecondaryIsAnError)
{
    const Json j = run({"CBFoSecundario=5"}, 1);
    EXPECT_EQ(j["fonte"]["error"], "O secundário 5 não está ativo.");
    // The 5 A heater winding as a 5 A constant-current load of a bridge and 47 uF.
    const Json h = run({"CBFoSecundario=3"}, 1);
    EXPECT_EQ(h["fonte"]["error"], "A carga pede mais corrente do que a fonte fornece.");
}

// The construction with the simulated rms current of the winding against the
// fixed factor of its load (bridge, capacitor input: Is / 0.62).
TEST(CliFonte, TheConstructionTakesTheSimulatedCurrent)
{
    const std::vector<std::string> base = {"CBCoRet1=Ponte, entrada capacitiva", "--construcao"};
    std::vector<std::string> sim = base;
    const Json s = run(sim);
    std::vector<std::string> fixed = base;
    fixed.push_back("CBCoCorrRet=do fator fixo");
    const Json f = run(fixed);
    auto secondary = [](const Json& j) {
        for (const Json& w : j["construcao"]["windings"])
            if (w["name"] == "Secundário 1")
                return w;
        return Json();
    };
    const Json ws = secondary(s), wf = secondary(f);
    // Fixed factor: the tab's 100 mA over 0.62.
    EXPECT_NEAR(wf["i_rms_a"].get<double>(), 0.1 / 0.62, 1e-6);
    EXPECT_FALSE(wf.contains("i_rms_from"));
    EXPECT_DOUBLE_EQ(ws["i_rms_a"].get<double>(), s["fonte"]["winding_rms_a"].get<double>());
    EXPECT_EQ(ws["i_rms_from"], "simulação");
    EXPECT_NE(ws["pcu_w"].get<double>(), wf["pcu_w"].get<double>());
}

} // namespace
