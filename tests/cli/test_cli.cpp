#include "cli_run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

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
