#include "cli_run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <sstream>

using namespace kelvora;
using ::testing::HasSubstr;

using kelvora::test::cli;

TEST(CliReactor, DefaultOutput)
{
    std::string out, err;
    ASSERT_EQ(cli({"reator-filtro", "--decimal-separator=,"}, out, err), 0);
    EXPECT_THAT(out, ::testing::StartsWith("LRFIlim\t45 mA < Ir <1000 mA\nLRFLI2\t0,400 H*A^2\n"));
    EXPECT_THAT(out, HasSubstr("\nLRFNAval\tSeção escolhida atende à aplicação!\n"));
}

TEST(CliReactor, JsonCarriesColoursAndTheCoreLabels)
{
    std::string out, err;
    ASSERT_EQ(cli({"reator-filtro", "ERFIr=40", "CBRFBn=50", "--json", "--decimal-separator=,"},
                  out, err),
              0);
    const auto j = nlohmann::json::parse(out);
    EXPECT_EQ(j["design"], "reator-filtro");
    EXPECT_TRUE(j["error"].is_null());
    EXPECT_EQ(j["controls"]["LRFIlim"]["background"], "#ff0000");
    EXPECT_EQ(j["controls"]["LRFIlim"]["font"], "#ffffff");
    EXPECT_EQ(j["controls"]["ERFLr"]["background"], "#ff0000");
    EXPECT_EQ(j["nucleo"]["Label7"], "50");  // Bn
    EXPECT_EQ(j["nucleo"]["Label4"], "36");  // En
    EXPECT_EQ(j["nucleo"]["Label1"], "150"); // 3 Bn
}

TEST(CliReactor, ZeroInductanceIsShownNotAnError)
{
    std::string out, err;
    EXPECT_EQ(cli({"reator-filtro", "ERFLr=0", "--decimal-separator=,"}, out, err), 0);
    EXPECT_THAT(out, HasSubstr("LRFIlim\tA indutância (Lr) deve ser maior que zero.\n"));
    EXPECT_THAT(out, HasSubstr("LRFLI2\t\n"));
    EXPECT_EQ(err, "");
}
