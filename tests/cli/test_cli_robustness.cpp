// kelvora-cli where an attack found it wanting: what it writes can be read
// again, it never waits on a FIFO, a sheet of a failed analysis is no sheet,
// each warning names the value used, and each message names the right thing.
#include "cli_run.h"
#include "design_file_io.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <sys/stat.h>

using namespace kelvora;
using kelvora::test::CliRun;
using kelvora::test::cliRun;
using ::testing::HasSubstr;
using ::testing::Not;

// A field takes no text a design file could not carry back: such a text is a
// usage error, not a file that no longer opens.
TEST(CliRobustness, TextsTheReaderWouldRefuseAreNotTaken)
{
    QTemporaryDir tmp;
    const std::string saved = tmp.filePath("p.kelvora").toStdString();
    CliRun r = cliRun({"modulador-valvulado", "EUserNameTM=Ana\tMaria", "--salva-projeto=" + saved});
    EXPECT_EQ(r.code, 2);
    EXPECT_THAT(r.err, HasSubstr("o texto de EUserNameTM contém caracteres de controle"));
    r = cliRun({"modulador-valvulado", "EUserNameTM=" + std::string(32768, 'a'),
                "--salva-projeto=" + saved});
    EXPECT_EQ(r.code, 2);
    EXPECT_THAT(r.err, HasSubstr("texto longo demais para EUserNameTM (no máximo 32767"));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(saved)));
    // The longest text the field takes is saved and opens again.
    r = cliRun({"modulador-valvulado", "EUserNameTM=" + std::string(32767, 'a'),
                "--salva-projeto=" + saved});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(cliRun({"modulador-valvulado", "--projeto=" + saved}).code, 0);
}

// A FIFO never holds kelvora-cli: a design is read from regular files only,
// and an output FIFO without a reader is refused at once.
TEST(CliRobustness, AFifoIsRefusedInsteadOfWaitedFor)
{
    QTemporaryDir tmp;
    const std::string fifo = tmp.filePath("fifo").toStdString();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    CliRun r = cliRun({"reator-filtro", "--projeto=" + fifo});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, "kelvora-cli: Não foi possível abrir o projeto \"" + fifo
                         + "\": não é um arquivo comum.\n");
    for (const std::string option : {"--report=", "--salva-projeto=", "--folha="}) {
        SCOPED_TRACE(option);
        r = cliRun({"trafo-alimentacao", option + fifo});
        EXPECT_EQ(r.code, 1);
        EXPECT_THAT(r.err, HasSubstr("\"" + fifo + "\": nenhum programa está lendo o FIFO."));
    }
}

// Item by item the value the calculation used, also for a clamped value and
// a construction setting, and also for values from a design file.
TEST(CliRobustness, WarningsSayTheValueUsed)
{
    CliRun r = cliRun({"trafo-alimentacao", "EFo=0", "EBn1=x", "--decimal-separator=,"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "kelvora-cli: aviso: EBn1 = \"x\": texto não numérico; o cálculo usou 0\n"
                     "kelvora-cli: aviso: EFo = \"0\": fora da faixa; o cálculo usou 1\n");
    r = cliRun({"trafo-alimentacao", "ECoTamb=500", "ECoEmpil=abc", "--construcao",
                "--decimal-separator=,"});
    EXPECT_THAT(r.err, HasSubstr("kelvora-cli: aviso: ECoTamb = \"500\": fora da faixa de "));
    EXPECT_THAT(r.err, HasSubstr("; o cálculo usou 40\n"));
    EXPECT_THAT(r.err, HasSubstr("kelvora-cli: aviso: ECoEmpil = \"abc\": texto não numérico; "
                                 "o cálculo usou 0,95\n"));
    QTemporaryDir tmp;
    const std::string saved = tmp.filePath("p.kelvora").toStdString();
    ASSERT_EQ(cliRun({"modulador-valvulado", "EPaMod=-3", "--salva-projeto=" + saved}).code, 0);
    r = cliRun({"modulador-valvulado", "--projeto=" + saved, "--decimal-separator=,"});
    EXPECT_EQ(r.err, "kelvora-cli: aviso: EPaMod = \"-3\": fora da faixa; o cálculo usou 1\n");
}

// The width read before the stack failed stays in the record: the core
// drawing shows it.
TEST(CliRobustness, TheCoreKeepsTheWidthReadBeforeTheStackFailed)
{
    const CliRun r = cliRun({"modulador-valvulado", "CBTMBn=50", "CBTMEn=abc", "--json"});
    EXPECT_EQ(r.code, 1);
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["nucleo"]["Label7"], "50");  // Bn
    EXPECT_EQ(j["nucleo"]["Label1"], "150"); // 3 Bn
    // The stack that failed is painted red; the inputs the run did not reach
    // are in the system colours.
    EXPECT_EQ(j["controls"]["CBTMEn"]["background"], "#ff0000");
    EXPECT_EQ(j["controls"]["EPaMod"]["background"], "window");
}

// A sheet of an analysis that ended in an error is refused as a report is.
TEST(CliRobustness, NoSheetFromAFailedAnalysis)
{
    QTemporaryDir tmp;
    for (const std::string option : {"--folha=", "--folha-pdf="}) {
        SCOPED_TRACE(option);
        const std::string path = tmp.filePath("f").toStdString();
        const CliRun r = cliRun({"reator-filtro", "ERFIr=0", option + path});
        EXPECT_EQ(r.code, 1);
        EXPECT_THAT(r.err, HasSubstr("A folha de enrolamento não foi gravada: a análise da "
                                     "construção terminou com erro (O produto LI^2 está fora "));
        EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
    }
}

TEST(CliRobustness, StandardOutputCarriesOneThing)
{
    CliRun r = cliRun({"trafo-alimentacao", "--json", "--report=-"});
    EXPECT_EQ(r.code, 2);
    EXPECT_THAT(r.err, HasSubstr("só uma saída vai para a saída padrão"));
    EXPECT_EQ(r.out, "");
    // --folha=- writes the sheet there, as --report=- the report, in the sheet's bytes.
    r = cliRun({"reator-filtro", "--folha=-"});
    EXPECT_EQ(r.code, 0);
    EXPECT_THAT(r.out, HasSubstr("Folha de enrolamento - "));
    EXPECT_THAT(r.out, HasSubstr("\r\n"));
    EXPECT_THAT(r.out, Not(HasSubstr("LRFLI2\t")));
    r = cliRun({"reator-filtro", "--folha-pdf=-"});
    EXPECT_EQ(r.code, 2);
}

// A PDF is no report, a protected file no full disk, and a folder that is a
// file is said to be one.
TEST(CliRobustness, MessagesNameTheRightThing)
{
    QTemporaryDir tmp;
    const QString file = tmp.filePath("arquivo");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    CliRun r = cliRun({"trafo-alimentacao", "--folha=" + file.toStdString() + "/f.txt"});
    EXPECT_EQ(r.code, 1);
    EXPECT_THAT(r.err, HasSubstr("Não foi possível gravar a folha de enrolamento no arquivo"));
    EXPECT_THAT(r.err, HasSubstr(": \"" + file.toStdString() + "\" é um arquivo, não uma pasta"));
    if (geteuid() != 0) { // root writes any file
        QFile::setPermissions(file, QFileDevice::ReadOwner);
        r = cliRun({"trafo-alimentacao", "--report=" + file.toStdString()});
        EXPECT_THAT(r.err, HasSubstr("sem permissão de escrita no arquivo"));
        EXPECT_THAT(r.err, Not(HasSubstr("disco cheio")));
    }
}

// The power transformer's analysis with the rectifiers' simulated currents
// must not stand in for the refusal of a design on substituted inputs.
TEST(CliRobustness, APowerTransformerOnSubstitutedInputsIsRefused)
{
    const CliRun r = cliRun({"trafo-alimentacao", "EIs1=abc", "--construcao", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    const nlohmann::json c = nlohmann::json::parse(r.out)["construcao"];
    ASSERT_TRUE(c.contains("error")) << c.dump().substr(0, 200);
    EXPECT_THAT(c["error"].get<std::string>(),
                HasSubstr("entradas inválidas ou substituídas: EIs1 (texto não numérico: usado"));
}
