#include "cli_run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

using namespace kelvora;
using ::testing::HasSubstr;

namespace {
using kelvora::test::CliRun;
CliRun run(const std::vector<std::string>& args) { return kelvora::test::cliRun(args); }
} // namespace

TEST(Cli, HelpAndVersion)
{
    CliRun r = run({"--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_THAT(r.out, HasSubstr("Uso: kelvora-cli PROJETO"));
    r = run({"--version"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "kelvora-cli 4.0 (beta)\n");
}

TEST(Cli, UsageErrorsExitWith2AndAPortugueseLinePlusTheUsage)
{
    struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{}, "falta o nome do projeto"},
        {{"fonte-chaveada"}, "projeto desconhecido: fonte-chaveada"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        CliRun r = run(c.args);
        EXPECT_EQ(r.code, 2);
        EXPECT_THAT(r.err, HasSubstr(c.message));
        EXPECT_THAT(r.err, HasSubstr("Uso: kelvora-cli"));
        EXPECT_EQ(r.out, "");
    }
}

// A list item typed as its key is that item: the run prints byte for byte what
// the item's text gives (the JSON shows the text), and the text is no default.
TEST(Cli, AListItemTypedAsItsKeyGivesWhatItsTextGives)
{
    const std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> cases = {
        {{"trafo-alimentacao", "CNumPri=Derivação", "CBCoAco=M400-50A",
          "CBCoRet1=Ponte, entrada capacitiva", "CBCoIsolacao=Reforçada", "--construcao", "--json"},
         {"trafo-alimentacao", "CNumPri=tapped", "CBCoAco=m400-50a", "CBCoRet1=bridge-capacitor",
          "CBCoIsolacao=reinforced", "--construcao", "--json"}},
        {{"modulador-valvulado", "CBSelTM=Reator (RCA)", "--json"},
         {"modulador-valvulado", "CBSelTM=reactor", "--json"}},
        {{"circuito-pi", "CBPiClasse=Classe AB", "CBPiBanda=20 m"},
         {"circuito-pi", "CBPiClasse=ab", "CBPiBanda=20m"}},
        {{"fonte", "CBFoRetificador=dobrador", "CBFoCarga=resistencia", "--json"},
         {"fonte", "CBFoRetificador=doubler", "CBFoCarga=resistance", "--json"}},
    };
    for (const auto& [texts, keys] : cases) {
        SCOPED_TRACE(keys[1]);
        const CliRun byText = run(texts);
        const CliRun byKey = run(keys);
        std::vector<std::string> options; // the design and its options, no assignment
        for (const std::string& a : texts)
            if (a.find('=') == std::string::npos)
                options.push_back(a);
        const CliRun byDefault = run(options);
        EXPECT_EQ(byKey.code, byText.code);
        EXPECT_EQ(byKey.out, byText.out);
        EXPECT_EQ(byKey.err, byText.err);
        EXPECT_NE(byText.out, byDefault.out);
    }
}
