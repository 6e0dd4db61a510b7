#include "cli_run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

using namespace kelvora;
using ::testing::HasSubstr;
using ::testing::StartsWith;

using kelvora::test::cli;

TEST(CliPiNetwork, DefaultOutputListsTheNetworkThenTheBandTable)
{
    std::string out, err;
    ASSERT_EQ(cli({"circuito-pi", "--decimal-separator=,"}, out, err), 0);
    EXPECT_EQ(err, "");
    EXPECT_THAT(out, StartsWith("LPiR1\t1437,5 ohms\nLPiRv\t13,3 ohms\nLPiXC1\t139,0 ohms\n"
                                "LPiXL\t159,8 ohms\nLPiXC2\t30,1 ohms\nLPiC1\t161,2 pF\n"
                                "LPiL\t3,58 µH\nLPiC2\t744,0 pF\nLPiVC1\t920 V\n"
                                "LPiAval\tQ adequado (mínimo para esta relação de impedâncias: "
                                "5,27)\nLPiC1_160m\t618,8 pF\n"));
    EXPECT_THAT(out, HasSubstr("\nLPiC2_10m\t185,3 pF\n"));
}

TEST(CliPiNetwork, CheckValueAndTooLowQBothExitZero)
{
    std::string out, err;
    // 400 V at 100 mA in class C is 2000 ohms.
    ASSERT_EQ(cli({"circuito-pi", "EPiEb=400", "EPiIb=100", "EPiQ=10", "EPiFreq=7",
                   "--decimal-separator=."},
                  out, err),
              0);
    EXPECT_THAT(out, HasSubstr("LPiC1\t102.1 pF\nLPiL\t5.57 µH\nLPiC2\t463.9 pF\n"));
    // The message is a result, not an error.
    ASSERT_EQ(cli({"circuito-pi", "EPiEb=400", "EPiIb=100", "EPiQ=6", "--decimal-separator=."}, out,
                  err),
              0);
    EXPECT_EQ(err, "");
    EXPECT_THAT(out, HasSubstr("LPiC1\t\n"));
    EXPECT_THAT(out, HasSubstr("LPiAval\tQ muito baixo para esta relação de impedâncias: use Q ≥ "
                               "6.25\n"));
}

TEST(CliPiNetwork, ListsTakeTheirItemsAndTheBandFillsTheFrequency)
{
    std::string out, err;
    ASSERT_EQ(cli({"circuito-pi", "CBPiClasse=Classe A", "CBPiBanda=20 m", "--json",
                   "--decimal-separator=."},
                  out, err),
              0);
    const auto j = nlohmann::json::parse(out);
    EXPECT_EQ(j["design"], "circuito-pi");
    EXPECT_TRUE(j["error"].is_null());
    EXPECT_EQ(j["controls"]["EPiFreq"]["text"], "14.2");
    EXPECT_EQ(j["controls"]["CBPiBanda"]["itemIndex"], 3);
    EXPECT_EQ(j["controls"]["CBPiClasse"]["itemIndex"], 0);
    EXPECT_EQ(j["controls"]["LPiR1"]["text"], "2211.5 ohms"); // 460 / (1.3 * 0.16)
    EXPECT_EQ(j["controls"]["LPiAval"]["background"], "#00ff00");
    EXPECT_FALSE(j.contains("nucleo"));
    // A frequency typed wins over the band.
    ASSERT_EQ(cli({"circuito-pi", "CBPiBanda=80 m", "EPiFreq=3.5", "--json",
                   "--decimal-separator=."},
                  out, err),
              0);
    const auto k = nlohmann::json::parse(out);
    EXPECT_EQ(k["controls"]["EPiFreq"]["text"], "3.5");
    EXPECT_EQ(k["controls"]["CBPiBanda"]["itemIndex"], -1);
    // A bad text is shown red, with the message, and still exits 0.
    ASSERT_EQ(cli({"circuito-pi", "EPiR2=50 ohms", "--json", "--decimal-separator=."}, out, err),
              0);
    const auto m = nlohmann::json::parse(out);
    EXPECT_EQ(m["controls"]["EPiR2"]["background"], "#ff0000");
    EXPECT_EQ(m["controls"]["LPiAval"]["text"], "Digite um número maior que zero em: R2");
}
