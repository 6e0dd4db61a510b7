#include "cli_run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sstream>

using namespace kelvora;
using ::testing::HasSubstr;

namespace {

using kelvora::test::CliRun;

CliRun run(std::vector<std::string> args)
{
    args.insert(args.begin(), "trafo-alimentacao");
    return kelvora::test::cliRun(args);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QByteArray golden(const char* name)
{
    return readFile(QStringLiteral(KELVORA_GOLDEN_DIR "/") + QString::fromLatin1(name));
}

} // namespace

TEST(CliTrafoAlim, DefaultOutputIsOneLinePerResultInTheTabsOrder)
{
    const CliRun r = run({"--decimal-separator=,"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "LFo\t60\nLPas\t105,00\nLPap\t124,00\nLSnu\t10,04\nLSns\t10,24\n"
              "EEnc\t31,69\nEBnc\t31,69\nLAlimAval\tSeção escolhida atende à aplicação!\n"
              "LVep\t0,268\nLVes\t0,251\nLVsec\t1,064\n"
              "LNs1\t1590,9 Esp\nLNs2\t1590,9 Esp\nLNs3\t19,9 Esp\n"
              "LNs4\t0,0 Esp\nLNs5\t0,0 Esp\nLNs6\t0,0 Esp\n"
              "LSs1\t31 AWG\nLSs2\t31 AWG\nLSs3\t14 AWG\nLSs4\t0 AWG\nLSs5\t0 AWG\nLSs6\t0 AWG\n"
              "LIprim1\t0,99 A\nLIprim2\t\nLIprim3\t\nLIprim4\t\n"
              "LNprim1\t467,2 Esp\nLNprim2\t\nLNprim3\t\nLNprim4\t\n"
              "LSprim1\t21 AWG\nLSprim2\t\nLSprim3\t\nLSprim4\t\n");

    const CliRun point = run({"--decimal-separator=."});
    EXPECT_THAT(point.out, HasSubstr("LPap\t124.00\nLSnu\t10.04\n"));
}

TEST(CliTrafoAlim, JsonCarriesVerdictColoursAndTheArrangement)
{
    struct Case {
        std::vector<std::string> args;
        const char *verdictBg, *verdictFont, *bnBg, *enBg;
    } cases[] = {
        {{}, "#00ff00", "#000000", "#00ff00", "#00ff00"},
        {{"EBn1=30", "EEn1=40"}, "#ff0000", "#ffffff", "#ff0000", "#00ff00"},
        {{"EBn1=20"}, "#ff0000", "#ffffff", "#ff0000", "#ff0000"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        args.push_back("--json");
        args.push_back("--decimal-separator=,");
        const CliRun r = run(args);
        SCOPED_TRACE(r.out);
        ASSERT_EQ(r.code, 0);
        const auto j = nlohmann::json::parse(r.out);
        EXPECT_TRUE(j["error"].is_null());
        const auto& ctl = j["controls"];
        EXPECT_EQ(ctl["LAlimAval"]["background"], c.verdictBg);
        EXPECT_EQ(ctl["LAlimAval"]["font"], c.verdictFont);
        EXPECT_EQ(ctl["EBn1"]["background"], c.bnBg);
        EXPECT_EQ(ctl["EEn1"]["background"], c.enBg);
        EXPECT_EQ(ctl["PSec3"]["visible"], true);
        EXPECT_EQ(ctl["PSec3"]["top"], 192);
        EXPECT_EQ(ctl["PSec4"]["visible"], false);
        EXPECT_EQ(ctl["LinhaNucleo1"]["height"], 240);
    }
    // A clamped frequency comes back red with the text actually used.
    const CliRun r = run({"EFo=0", "--json"});
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["controls"]["EFo"]["text"], "1");
    EXPECT_EQ(j["controls"]["EFo"]["background"], "#ff0000");
}

TEST(CliTrafoAlim, ListAndRadioAssignmentsActAsTheUsersChoice)
{
    const CliRun r = run(
        {"CNumSec=4", "CNumPri=Duplo", "RBNucleoU=1", "--json", "--decimal-separator=,"});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto ctl = nlohmann::json::parse(r.out)["controls"];
    EXPECT_EQ(ctl["RBNucleoE"]["checked"], false);
    EXPECT_EQ(ctl["RBNucleoU"]["checked"], true);
    for (const char* shown : {"PSec1", "PSec2", "PSec3", "PSec4", "PPrim1", "PPrim2"})
        EXPECT_EQ(ctl[shown]["visible"], true) << shown;
    for (const char* hidden : {"PSec5", "PSec6", "PPrim3"})
        EXPECT_EQ(ctl[hidden]["visible"], false) << hidden;
    EXPECT_EQ(ctl["LinhaNucleo2"]["height"], 320);
    EXPECT_EQ(ctl["LPas"]["text"], "165,00");
    EXPECT_EQ(ctl["LSnu"]["text"], "8,99");      // 5 sqrt(194,12 / 60)
    EXPECT_EQ(ctl["LIprim2"]["text"], "0,78 A"); // half of 194,12 VA / 125 V
    EXPECT_EQ(ctl["CNumPri"]["itemIndex"], 1);
}

TEST(CliTrafoAlim, ValuesTheListsDoNotHoldAreUsageErrors)
{
    struct Case {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"CNumSec=7"}, "valor que a lista CNumSec não tem: 7"},
        {{"CNumSec=03"}, "valor que a lista CNumSec não tem: 03"},
        {{"CNumPri=Derivacao"}, "valor que a lista CNumPri não tem: Derivacao"},
        {{"RBNucleoU=0"}, "um botão de opção é selecionado com =1: RBNucleoU"},
        {{"EFo=1234567"}, "texto longo demais para EFo (no máximo 6 caracteres)"},
        {{"LPas=3"}, "controle de entrada desconhecido neste projeto: LPas"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const CliRun r = run(c.args);
        EXPECT_EQ(r.code, 2);
        EXPECT_THAT(r.err, HasSubstr(c.message));
        EXPECT_EQ(r.out, "");
    }
}

TEST(CliTrafoAlim, CalculationErrorExitsWith1AfterTheLabelsWrittenSoFar)
{
    const CliRun r = run({"CBTaBmax=abc", "EFo=50", "--decimal-separator=,"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "kelvora-cli: 'abc' não é um valor numérico válido\n");
    EXPECT_THAT(r.out, HasSubstr("LFo\t50\nLPas\t\n"));
}

// A field that holds no number is read as its fallback, as the window does;
// the results still come, with a warning naming each such field in the tab's
// order, and the exit is 0.
TEST(CliTrafoAlim, FieldsThatAreNoNumberAreNamedInAWarning)
{
    CliRun r = run({"EIs1=abc", "EVs2=1.5", "--decimal-separator=,"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err,
              "kelvora-cli: aviso: EIs1 = \"abc\": texto não numérico; o cálculo usou 1\n"
              "kelvora-cli: aviso: EVs2 = \"1.5\": texto não numérico; o cálculo usou 0\n");
    // 1 mA and 0 V in their place: 400 V x 0.001 A + 0 V + 5 V x 5 A = 25.40 VA.
    EXPECT_THAT(r.out, HasSubstr("LPas\t25,40\n"));
    // Every field a number: no warning.
    r = run({"EIs1=250", "--decimal-separator=,"});
    EXPECT_EQ(r.err, "");
}

TEST(CliTrafoAlim, ReportToAFileAndToStandardOutput)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Trafo_alimentacao.txt");
    CliRun r = run({"--decimal-separator=,", "--report=" + path.toStdString()});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("LPas\t105,00\n"));
    EXPECT_EQ(readFile(path), golden("trafo_alim_defaults.txt"));

    r = run({"CNumPri=Duplo", "--decimal-separator=,", "--report=-"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(QByteArray::fromStdString(r.out), golden("trafo_alim_duplo.txt"));
}

TEST(CliTrafoAlim, ReportThatCannotBeWrittenExits1AndKeepsTheOldFile)
{
    QTemporaryDir dir;
    // The replacement is written beside the old file under a longer temporary
    // name; with a name near the system's limit that cannot be created.
    const QString existing = dir.filePath(QString(250, u'r'));
    {
        QFile f(existing);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("relatorio anterior");
    }
    for (const QString& path : {existing, dir.filePath("nao/existe.txt"), dir.path()}) {
        SCOPED_TRACE(path.toStdString());
        const CliRun r = run({"--report=" + path.toStdString()});
        EXPECT_EQ(r.code, 1);
        EXPECT_THAT(r.err, HasSubstr("Não foi possível gravar o relatório no arquivo \""
                                     + path.toStdString() + "\""));
    }
    EXPECT_EQ(readFile(existing), QByteArray("relatorio anterior"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}
