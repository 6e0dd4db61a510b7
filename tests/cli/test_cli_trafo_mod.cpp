#include "cli_run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <iterator>
#include <sstream>

using namespace kelvora;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

using kelvora::test::CliRun;

CliRun run(std::vector<std::string> args)
{
    args.insert(args.begin(), "modulador-valvulado");
    return kelvora::test::cliRun(args);
}

std::string goldenBytes(const char* name)
{
    std::ifstream in(std::string(KELVORA_GOLDEN_DIR "/") + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(CliTrafoMod, PrintsEveryResultInTheTabsOrder)
{
    const CliRun r = run({"--decimal-separator=,"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_THAT(r.out, StartsWith("LZpl1\t1800,0 ohms\nLZpl2\t1800,0 ohms\nLSn\t10,61\n"
                                  "ETMEnc\t32,57\nETMBnc\t32,57\nLSne\t12,80\n"));
    EXPECT_THAT(r.out, HasSubstr("\nLPccRF\t73,6 W\nLPMinMod\t36,8 W\nLPextra\t13,2 W / 26 %\n"
                                 "LTMPAval\tPotência Suficiente no Modulador (Pextra>26,4%)!\n"));
    EXPECT_THAT(r.out, HasSubstr("\nLSfp1\t28 AWG\nLSfp2\t28 AWG\nLSfs\t29 AWG\n"
                                 "LRMInd\t4,6 H (mín)\nLRMCorr\t160,0 mA\n"
                                 "LCMod\t2,8 uF (mín)\n"));
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 29);
}

TEST(CliTrafoMod, AssignmentsActAsTypingAndChoosing)
{
    struct {
        std::vector<std::string> args;
        const char* line;
    } cases[] = {
        {{"RBMuitoCons=1"}, "LTMPAval\tPotência Baixa no Modulador (Pextra<50%)!\n"},
        {{"EPaMod=45"}, "LTMPAval\tPotência Baixa no Modulador (Pextra<25%)!\n"},
        {{"EPaMod=45", "RBNormal=1"},
         "LTMPAval\tPotência Suficiente no Modulador (Pextra>18,2%)!\n"},
        {{"CBTMBn=25", "CBTMEn=60"}, "LTMAval\tLargura da perna central pequena\n"},
        {{"EBmax=4000"}, "LTMBcAval\tExcesso de Indução CC no Secundário!\n"},
        {{"CBSigma=2"}, "LSfp1\t26 AWG\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        std::vector<std::string> args = c.args;
        args.push_back("--decimal-separator=,");
        const CliRun r = run(args);
        EXPECT_EQ(r.code, 0);
        EXPECT_THAT(r.out, HasSubstr(c.line));
    }
}

TEST(CliTrafoMod, JsonShowsColoursAndTheReactorCoupling)
{
    const CliRun r = run({"CBSelTM=Reator (RCA)", "EPaMod=45", "--json", "--decimal-separator=."});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_TRUE(j["error"].is_null());
    const auto& c = j["controls"];
    EXPECT_EQ(c["CBSelTM"]["itemIndex"], 1);
    EXPECT_EQ(c["ImgConvTM"]["visible"], false);
    for (const char* name : {"ImgReatorTM", "LCapAcopl1", "LReatMod2", "LCMod", "LRMInd"})
        EXPECT_EQ(c[name]["visible"], true) << name;
    EXPECT_EQ(c["LRMInd"]["text"], "4.6 H (mín)");
    EXPECT_EQ(c["LTMPAval"]["background"], "#ffff00");
    EXPECT_EQ(c["LTMPAval"]["font"], "#000000");
    EXPECT_EQ(c["EPaMod"]["background"], "#ff0000");
    EXPECT_EQ(c["EFmin"]["background"], "window");
    EXPECT_EQ(c["RBConserv"]["checked"], true);
    EXPECT_TRUE(j.contains("nucleo"));
}

TEST(CliTrafoMod, ACalculationErrorExitsWith1AfterTheResultsItReached)
{
    {
        SCOPED_TRACE("core size that is not whole");
        const CliRun r = run({"CBTMBn=4,5", "--decimal-separator=,"});
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.err, "kelvora-cli: '4,5' não é um número inteiro válido\n");
        EXPECT_THAT(r.out, StartsWith("LZpl1\t\n"));
    }
    {
        SCOPED_TRACE("negative lowest frequency");
        const CliRun r = run({"EFmin=-100", "--decimal-separator=,"});
        EXPECT_EQ(r.code, 1);
        EXPECT_THAT(r.err, HasSubstr("(Fmin) deve ser maior que zero"));
        EXPECT_THAT(r.out, StartsWith("LZpl1\t1800,0 ohms\nLZpl2\t1800,0 ohms\nLSn\t\n"));
    }
}

TEST(CliTrafoMod, FieldLengthsAreThoseOfTheTab)
{
    const CliRun longer = run({"EPaMod=12345"});
    EXPECT_EQ(longer.code, 2);
    EXPECT_THAT(longer.err, HasSubstr("no máximo 4 caracteres"));
    const CliRun name = run({"EUserNameTM=" + std::string(200, 'x'), "--decimal-separator=,"});
    EXPECT_EQ(name.code, 0) << name.err;
    const CliRun output = run({"LSn=3"});
    EXPECT_EQ(output.code, 2);
}

TEST(CliTrafoMod, ReportToStandardOutputIsTheFileBytes)
{
    const CliRun r = run({"--report=-", "--decimal-separator=,"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, goldenBytes("trafo_mod_defaults.txt"));
}
