#include "cli_run.h"

#include "lamination.h"
#include "numbers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

using kelvora::test::CliRun;
using kelvora::test::cliRun;
using ::testing::HasSubstr;
using Json = nlohmann::ordered_json;

namespace {

// The search on the tab's own turns, whose figures these tests check.
Json sugestoes(std::vector<std::string> args)
{
    args.push_back("CBCoProjeto=Espiras da aba");
    args.push_back("--sugere-nucleo");
    args.push_back("--json");
    const CliRun r = cliRun(args);
    EXPECT_EQ(r.code, 0) << r.err;
    const Json j = Json::parse(r.out);
    EXPECT_TRUE(j.contains("sugestoes"));
    EXPECT_FALSE(j.contains("construcao")); // only with --construcao
    return j["sugestoes"];
}

double tongueOf(const std::string& name)
{
    for (const auto& l : kelvora::construction::laminations())
        if (l.name == name)
            return l.a;
    ADD_FAILURE() << "not a catalogue name: " << name;
    return 0;
}

} // namespace

TEST(CliSugereNucleo, RankedJsonParsesBack)
{
    const Json list = sugestoes(
        {"trafo-alimentacao", "CNumSec=6", "CBCoRet1=Ponte, entrada capacitiva"});
    ASSERT_TRUE(list.is_array());
    ASSERT_GT(list.size(), 10u);
    std::set<std::string> names;
    bool firstsDone = false;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Json& s = list[i];
        std::vector<std::string> keys;
        for (auto it = s.begin(); it != s.end(); ++it)
            keys.push_back(it.key());
        EXPECT_EQ(keys, (std::vector<std::string>{"nome", "a_mm", "b_mm", "m_total_g", "fill_pct",
                                                  "dt_k"}));
        // The name is the lamination of that tongue: "EI 75" is never a 19.05 mm core.
        EXPECT_EQ(tongueOf(s["nome"].get<std::string>()), s["a_mm"].get<double>()) << s.dump();
        EXPECT_GE(s["b_mm"].get<double>(), s["a_mm"].get<double>());
        EXPECT_LE(s["b_mm"].get<double>(), 2.5 * s["a_mm"].get<double>());
        EXPECT_LE(s["fill_pct"].get<double>(), 100);
        // Each lamination's lightest stack first, then the others; in each
        // part the lightest first, equal weights the cooler first.
        const bool repeat = !names.insert(s["nome"].get<std::string>()).second;
        if (repeat && !firstsDone) {
            firstsDone = true;
            continue;
        }
        EXPECT_FALSE(firstsDone && !repeat) << s.dump();
        if (i > 0) {
            const double m0 = list[i - 1]["m_total_g"], m1 = s["m_total_g"];
            EXPECT_TRUE(m0 < m1 || (m0 == m1 && list[i - 1]["dt_k"] <= s["dt_k"]));
        }
    }
    // The first is the one --construcao analyses as passing, weight for weight.
    const Json& best = list[0];
    const CliRun r = cliRun(
        {"trafo-alimentacao", "CNumSec=6", "CBCoRet1=Ponte, entrada capacitiva",
         "CBCoProjeto=Espiras da aba", "--decimal-separator=.", "EBn1=" + kelvora::general(best["a_mm"].get<double>(), '.'),
         "EEn1=" + kelvora::general(best["b_mm"].get<double>(), '.'), "--construcao", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    const Json j = Json::parse(r.out);
    EXPECT_EQ(j["controls"]["LAlimAval"]["text"], "Seção escolhida atende à aplicação!");
    EXPECT_EQ(j["construcao"]["m_total_g"], best["m_total_g"]);
    EXPECT_EQ(j["construcao"]["dt_k"], best["dt_k"]);
    for (const auto& [key, v] : j["construcao"]["verdicts"].items())
        EXPECT_TRUE(v[1].get<bool>()) << key;
}

TEST(CliSugereNucleo, ChokeAndModulator)
{
    // The default choke: EI-150 (1 1/2") at its own width is the lightest.
    const Json choke = sugestoes({"reator-filtro"});
    ASSERT_FALSE(choke.empty());
    EXPECT_EQ(choke[0]["nome"], "EI-150 (1 1/2\")");
    EXPECT_EQ(choke[0]["a_mm"], 38.1);
    EXPECT_EQ(choke[0]["b_mm"], 38.1);
    // Whole millimetres are written as integers: {"nome": "EI 120", "a_mm": 40, "b_mm": 40, ...}.
    bool metric = false;
    for (const Json& s : choke)
        if (s["nome"] == "EI 120" && s["b_mm"] == 40) {
            metric = true;
            EXPECT_EQ(s.dump().substr(0, 40), R"({"nome":"EI 120","a_mm":40,"b_mm":40,"m_)");
        }
    EXPECT_TRUE(metric);
    const Json mod = sugestoes(
        {"modulador-valvulado", "EBmax=3000", "EEbmod=800", "CBSelTM=Reator (RCA)"});
    EXPECT_FALSE(mod.empty());
    for (const Json& s : mod)
        EXPECT_EQ(s["nome"].get<std::string>().find('"'), std::string::npos) << s.dump();
}

TEST(CliSugereNucleo, NothingPassesGivesAnEmptyListAndSaysWhy)
{
    const std::vector<std::string> big = {"trafo-alimentacao", "CNumSec=1", "EVs1=400",
                                          "EIs1=10000", "EFo=50"};
    EXPECT_EQ(sugestoes(big).dump(), "[]");
    std::vector<std::string> args = big;
    args.push_back("CBCoProjeto=Espiras da aba");
    args.push_back("--sugere-nucleo");
    const CliRun r = cliRun(args);
    EXPECT_EQ(r.code, 0);
    EXPECT_THAT(r.out, HasSubstr("\nSugestões de núcleo\nNenhum núcleo do catálogo passa em "
                                 "todas as verificações. A que mais falhou: seção do núcleo na "
                                 "aba (1110 de 1110 núcleos).\n"));
}

TEST(CliSugereNucleo, TableErrorsAndUsage)
{
    CliRun r = cliRun({"reator-filtro", "CBCoProjeto=Espiras da aba", "--sugere-nucleo",
                       "--decimal-separator=,"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("\nSugestões de núcleo\n"));
    EXPECT_THAT(r.out, HasSubstr(" núcleos passam em todas as verificações; os mais leves:\n"
                                 "Lâmina              a × b (mm)  Ocupação (%)  ΔT (K)  L (H)  "
                                 "Massa (g)\nEI-150 (1 1/2\")    38,1 × 38,1  "));

    // U/I laminations: the scrapless U/I cores are searched, by their own names.
    r = cliRun({"trafo-alimentacao", "RBNucleoU=1", "--sugere-nucleo", "--decimal-separator=,"});
    EXPECT_EQ(r.code, 0);
    EXPECT_THAT(r.out, HasSubstr(" de 3094 núcleos passam em todas as verificações"));
    EXPECT_THAT(r.out, ::testing::ContainsRegex("\nUI a = [0-9]+ mm +[0-9]+ × [0-9]+ "));
    const auto ui = sugestoes({"trafo-alimentacao", "RBNucleoU=1"});
    ASSERT_FALSE(ui.empty());
    for (const auto& s : ui)
        ASSERT_EQ(s["nome"].get<std::string>().rfind("UI a = ", 0), 0u) << s.dump();

    // A tab without a construction analysis cannot be advised.
    r = cliRun({"modulador-transistorizado", "--sugere-nucleo"});
    EXPECT_EQ(r.code, 2);
    EXPECT_THAT(r.err, HasSubstr("não tem construção"));
    EXPECT_THAT(cliRun({"--help"}).out, HasSubstr("--sugere-nucleo"));
}
