#include "cli_run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <sstream>

using namespace kelvora;
using ::testing::HasSubstr;

using kelvora::test::cli;

TEST(CliTransistor, DefaultOutputIsOneLinePerResultInTableOrder)
{
    std::string out, err;
    ASSERT_EQ(cli({"modulador-transistorizado", "--decimal-separator=,"}, out, err), 0);
    EXPECT_THAT(out, ::testing::StartsWith("LRc\t9,00 ohms\nLVcm\t30,00 V\nLIcm\t3,33 A\n"));
    EXPECT_THAT(out, ::testing::EndsWith("LM2N2min\t0,59\nLM2N2max\t0,44\n"));
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 24);
    EXPECT_EQ(err, "");
}

TEST(CliTransistor, ConversionAndArithmeticErrorsExit1WithTheMessage)
{
    std::string out, err;
    EXPECT_EQ(cli({"modulador-transistorizado", "EPo=5a", "--decimal-separator=,"}, out, err), 1);
    EXPECT_THAT(err, HasSubstr("'5a' não é um valor numérico válido"));
    EXPECT_EQ(cli({"modulador-transistorizado", "EBetaQ3=0", "--json", "--decimal-separator=."},
                  out, err),
              1);
    const auto j = nlohmann::json::parse(out);
    EXPECT_THAT(j["error"].get<std::string>(), HasSubstr("divisão por zero"));
    // What was written before the fault is shown, what comes after is not.
    EXPECT_EQ(j["controls"]["LRc"]["text"], "9.00 ohms");
    EXPECT_EQ(j["controls"]["LI2"]["text"], "");
}

TEST(CliTransistor, HasNoReport)
{
    std::string out, err;
    EXPECT_EQ(cli({"modulador-transistorizado", "--report=-"}, out, err), 2);
    EXPECT_THAT(err, HasSubstr("não tem relatório"));
}
