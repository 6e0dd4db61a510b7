// kelvora-cli after a calculation error, with bytes that are not UTF-8, with
// --help in any place, and with a standard output that cannot be written.
#include "cli_run.h"
#include "designs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cerrno>
#include <ostream>
#include <streambuf>

using namespace kelvora;
using kelvora::test::CliRun;
using kelvora::test::cliRun;
using ::testing::HasSubstr;

namespace {

const std::string Fffd = "\xEF\xBF\xBD"; // U+FFFD REPLACEMENT CHARACTER in UTF-8

// A standard output on a full disk: every write fails with ENOSPC.
class FullDisk : public std::streambuf {
protected:
    int_type overflow(int_type) override
    {
        errno = ENOSPC;
        return traits_type::eof();
    }
    std::streamsize xsputn(const char*, std::streamsize) override
    {
        errno = ENOSPC;
        return 0;
    }
};

CliRun runOnFullDisk(const std::vector<std::string>& args)
{
    FullDisk disk;
    std::ostream out(&disk);
    std::ostringstream err;
    const int code = runCli(args, out, err);
    return {code, "", err.str()};
}

} // namespace

// The failed run's results are empty in the system colours, its verdicts
// among them (they start white on the tab): as the window shows them.
TEST(CliFaults, ResultsTheFailedRunDidNotReachAreEmptyInTheSystemColours)
{
    const CliRun r = cliRun({"modulador-valvulado", "EFmin=0", "--json", "--decimal-separator=,"});
    EXPECT_EQ(r.code, 1);
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_THAT(j["error"].get<std::string>(), HasSubstr("divisão por zero"));
    EXPECT_EQ(j["controls"]["LZpl1"]["text"], "1800,0 ohms"); // written before the fault
    for (const char* name : {"LTMAval", "LTMPAval", "LTMBcAval", "LSn", "LNp1"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(j["controls"][name]["text"], "");
        EXPECT_EQ(j["controls"][name]["background"], "window");
        EXPECT_EQ(j["controls"][name]["font"], "windowtext");
    }
}

// The core drawing still shows the core the failed run stored (Bn and En
// are read before the efficiency divides by zero).
TEST(CliFaults, JsonCarriesTheCoreAlsoAfterAnError)
{
    const CliRun r = cliRun({"trafo-alimentacao", "CBTaEff=0", "EBn1=40", "EEn1=25", "--json",
                             "--decimal-separator=,"});
    EXPECT_EQ(r.code, 1);
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_FALSE(j["error"].is_null());
    ASSERT_TRUE(j.contains("nucleo"));
    EXPECT_EQ(j["nucleo"]["Label7"], "40");  // Bn
    EXPECT_EQ(j["nucleo"]["Label4"], "25");  // En
    EXPECT_EQ(j["nucleo"]["Label1"], "120"); // 3 Bn
    EXPECT_EQ(j["nucleo"].size(), 19u);
    // A design without a core drawing has none, error or not.
    const CliRun t = cliRun({"modulador-transistorizado", "EPo=0", "--json"});
    EXPECT_EQ(t.code, 1);
    EXPECT_FALSE(nlohmann::json::parse(t.out).contains("nucleo"));
}

TEST(CliFaults, BytesThatAreNotUtf8NeverAbort)
{
    // In a text field: replaced in the JSON, "?" in the report.
    CliRun r = cliRun({"trafo-alimentacao",
                       "EUserNameTA=a\xff"
                       "b\xc3",
                       "--json"});
    EXPECT_EQ(r.code, 0);
    auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["controls"]["EUserNameTA"]["text"], "a" + Fffd + "b" + Fffd);
    r = cliRun({"trafo-alimentacao",
                "EUserNameTA=a\xff"
                "b",
                "--report=-"});
    EXPECT_EQ(r.code, 0);
    EXPECT_THAT(r.out, HasSubstr("\r\nNome do usu\xe1rio: a?b\r\n"));

    // In a number: the strict read's message quotes it, still parseable JSON.
    r = cliRun({"trafo-alimentacao", "CBTaEff=\xfe", "--json"});
    EXPECT_EQ(r.code, 1);
    j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["error"], "'" + Fffd + "' não é um valor numérico válido");
    EXPECT_EQ(j["controls"]["CBTaEff"]["text"], Fffd);
    EXPECT_THAT(r.err, HasSubstr("não é um valor numérico válido"));

    // In every design's every input.
    for (const Design& d : designs())
        for (const ControlSpec& c : d.controls) {
            if (!c.input || (c.kind != Kind::Edit && c.kind != Kind::Combo))
                continue;
            SCOPED_TRACE(d.name + " " + c.name);
            const CliRun x = cliRun({d.name, c.name + "=\x80", "--json"});
            EXPECT_LE(x.code, 1);
            EXPECT_TRUE(nlohmann::json::accept(x.out));
        }
}

TEST(CliFaults, HelpIsAcceptedAfterTheDesignNameAndNamesEveryExitCode)
{
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--help"},
                                                 {"trafo-alimentacao", "--help"},
                                                 {"reator-filtro", "ERFLr=5", "-h"}}) {
        SCOPED_TRACE(args.back());
        const CliRun r = cliRun(args);
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(r.err, "");
        EXPECT_THAT(r.out, HasSubstr("Uso: kelvora-cli PROJETO"));
        EXPECT_THAT(r.out, HasSubstr("1 quando um erro de cálculo o interrompeu ou um arquivo "
                                     "(ou a saída\npadrão) não pôde ser gravado, 2 para erro de "
                                     "uso."));
    }
}

TEST(CliFaults, AStandardOutputThatCannotBeWrittenIsExit1WithAMessage)
{
    const std::vector<std::vector<std::string>> cases = {
        {"trafo-alimentacao"},
        {"trafo-alimentacao", "--json"},
        {"modulador-valvulado", "--report=-"},
        {"reator-filtro", "--help"},
        {"--version"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args.back());
        const CliRun r = runOnFullDisk(args);
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.err, "kelvora-cli: não foi possível escrever na saída padrão (disco cheio)\n");
    }
    // A calculation error is still said, and the output failure after it.
    const CliRun r = runOnFullDisk({"trafo-alimentacao", "CBTaEff=0"});
    EXPECT_EQ(r.code, 1);
    EXPECT_THAT(r.err, HasSubstr("divis"));
    EXPECT_THAT(r.err, HasSubstr("não foi possível escrever na saída padrão (disco cheio)"));
}
