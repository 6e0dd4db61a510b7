// kelvora-cli --folha and --folha-pdf: the winding sheet without a window.
#include "cli_run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>

#include <algorithm>
#include <QTemporaryDir>

using namespace kelvora;
using kelvora::test::CliRun;
using kelvora::test::cliRun;
using ::testing::HasSubstr;

namespace {

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QByteArray golden(const char* name)
{
    return readFile(QStringLiteral(KELVORA_GOLDEN_DIR "/") + QString::fromLatin1(name));
}

struct Folha {
    CliRun run;
    QByteArray bytes;
};

// Runs the power transformer with `args` and reads the sheet it wrote.
Folha folha(std::vector<std::string> args, const char* design = "trafo-alimentacao")
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("folha.txt"));
    args.insert(args.begin(), design);
    // The tab's own turns unless the test chooses: the goldens are worked on them.
    if (std::none_of(args.begin(), args.end(),
                     [](const std::string& a) { return a.rfind("CBCoProjeto=", 0) == 0; }))
        args.push_back("CBCoProjeto=Espiras da aba");
    args.push_back("--decimal-separator=,");
    args.push_back("--folha=" + path.toStdString());
    CliRun r = cliRun(args);
    return {r, QFile::exists(path) ? readFile(path) : QByteArray()};
}

} // namespace

TEST(CliFolha, WritesTheWindingSheetOfTheDefaultTransformerAndOfADerivacaoPrimary)
{
    // Windows-1252, CR LF: the same bytes the window's "Grava folha de enrolamento" writes.
    // Checked by hand in the golden file (a = 32 mm, h_w = 48 - 2 = 46 mm):
    //   Primário, 467 turns of AWG 21 (d_o 0.787): TPL = floor(46 / (0.787 * 1.1)) = 53,
    //   9 layers (8 x 53 + 43), build 9 * 0.787 + 8 * 0.05 + 0.2 = 7.683 -> "7,68 mm";
    //   Secundário 3, 19.9 -> 20 turns of AWG 14: d = 0.127 * 92^(22/39) = 1.628,
    //   TPL = floor(46 / (1.715 * 1.1)) = 24, one layer, build 1.715 + 0.2 = 1.915 -> "1,92 mm".
    // "Rede e isolação": 1.5 x 0.988 A = 1.48 A -> the 1.6 A fuse; Secundário 3 works at
    //   (125 + 125 x 20/467) x 1.1 = 143.4 V: the 150 V row, 1250 V test, 0.5 / 1.6 mm.
    const Folha simples = folha({});
    EXPECT_EQ(simples.run.code, 0) << simples.run.err;
    EXPECT_EQ(simples.bytes, golden("folha_trafo_alim.txt"));
    const Folha derivacao = folha({"CNumPri=Derivação"});
    EXPECT_EQ(derivacao.run.code, 0) << derivacao.run.err;
    EXPECT_EQ(derivacao.bytes, golden("folha_trafo_alim_derivacao.txt"));
}

TEST(CliFolha, RedeEIsolacaoWithReinforcedInsulationAndTwoPrimaryHalves)
{
    // Reinforced, 605.9 V: 5000 V for one minute, 8.0 mm in air, 20.0 mm creepage, 0.50 mm
    // through thin layers; the settings of the mains checks are listed with the others.
    const Folha r = folha({"CBCoIsolacao=Reforçada", "ECoTolRede=10"});
    ASSERT_EQ(r.run.code, 0) << r.run.err;
    const std::string text = r.bytes.toStdString();
    EXPECT_THAT(text, HasSubstr("\r\nRede e isola\xE7\xE3o\r\n"));
    EXPECT_THAT(text, HasSubstr("  Secund\xE1rio 1 (tens\xE3o de trabalho 605,9 V):\r\n"
                                "     Ensaio: 5000 V por um minuto entre o prim\xE1rio e o "
                                "Secund\xE1rio 1\r\n"
                                "     Dist\xE2ncias m\xEDnimas: 8,0 mm no ar, 20,0 mm de "
                                "escoamento\r\n"
                                "     Isola\xE7\xE3o entre eles: ao menos 0,50 mm (camadas finas)\r\n"));
    EXPECT_THAT(text, HasSubstr("Isola\xE7\xE3o entre prim\xE1rio e secund\xE1rios: Refor\xE7"
                                "ada\r\n"));
    EXPECT_THAT(text, HasSubstr("[!!] Isola\xE7\xE3o 0,20 mm menor que 0,50 mm exigidos"));
    // Two halves: in series on twice the voltage they draw half the current.
    const Folha d = folha({"CNumPri=Duplo"});
    EXPECT_THAT(d.bytes.toStdString(),
                HasSubstr("retardado (prim\xE1rios em paralelo)\r\n  Com os prim\xE1rios em "
                          "s\xE9rie: "));
    // The reactor has no mains: neither the part nor its settings.
    const Folha choke = folha({}, "reator-filtro");
    EXPECT_THAT(choke.bytes.toStdString(), ::testing::Not(HasSubstr("Rede e isola")));
    EXPECT_THAT(choke.bytes.toStdString(), ::testing::Not(HasSubstr("Toler\xE2ncia da rede")));
}

TEST(CliFolha, ListsTheSettingsAsTheAnalysisUsedThem)
{
    const Folha typed = folha(
        {"ECoTamb=25", "CBCoAco=M400-50A", "CBCoRet1=Ponte, entrada capacitiva"});
    EXPECT_THAT(typed.bytes.toStdString(), HasSubstr("Temperatura ambiente: 25 \xB0"
                                                     "C\r\n"));
    EXPECT_THAT(typed.bytes.toStdString(), HasSubstr("A\xE7o das l\xE2minas: M400-50A\r\n"));
    EXPECT_THAT(typed.bytes.toStdString(),
                HasSubstr("Carga do secund\xE1rio 1: Ponte, entrada capacitiva\r\n"));
    // Not a number: the field's default, as the red field gives it.
    const Folha red = folha({"ECoTamb=quente"});
    EXPECT_EQ(red.run.code, 0);
    EXPECT_THAT(red.bytes.toStdString(), HasSubstr("Temperatura ambiente: 40 \xB0"
                                                   "C\r\n"));
    // A number outside the setting's range is substituted by the default as well.
    const Folha far = folha({"ECoTamb=500"});
    EXPECT_THAT(far.bytes.toStdString(), HasSubstr("Temperatura ambiente: 40 \xB0"
                                                   "C\r\n"));
    // The reactor lists the choke's settings and no secondary loads.
    const Folha reator = folha({}, "reator-filtro");
    EXPECT_THAT(reator.bytes.toStdString(),
                HasSubstr("Indu\xE7\xE3o CC m\xE1xima do reator: 12000 Gauss"));
    EXPECT_THAT(reator.bytes.toStdString(), ::testing::Not(HasSubstr("Carga do secund")));
    // "≥" has no Windows-1252 byte: the sheet writes ">=" instead of a "?".
    EXPECT_THAT(reator.bytes.toStdString(), HasSubstr("Indut\xE2ncia calculada 15,0 H >= Lr\r\n"));
}

TEST(CliFolha, UsageErrorsAndFailures)
{
    const CliRun none = cliRun({"modulador-transistorizado", "--folha=x.txt"});
    EXPECT_EQ(none.code, 2);
    EXPECT_THAT(none.err, HasSubstr("não tem folha de enrolamento"));
    const CliRun empty = cliRun({"reator-filtro", "--folha-pdf="});
    EXPECT_EQ(empty.code, 2);
    EXPECT_THAT(empty.err, HasSubstr("--folha-pdf precisa de um nome de arquivo"));

    // A tab whose calculation fails writes no sheet and keeps its exit status.
    const Folha failed = folha({"CBTaBmax=abc"});
    EXPECT_EQ(failed.run.code, 1);
    EXPECT_TRUE(failed.bytes.isEmpty());

    const CliRun missing = cliRun({"trafo-alimentacao", "--folha=/nao/existe/folha.txt"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_THAT(missing.err, HasSubstr("a pasta não existe"));

    // This test program has no GUI application: the PDF says so instead of crashing.
    QTemporaryDir dir;
    const CliRun pdf = cliRun(
        {"reator-filtro", "--folha-pdf=" + dir.filePath("f.pdf").toStdString()});
    EXPECT_EQ(pdf.code, 1);
    EXPECT_THAT(pdf.err, HasSubstr("--folha-pdf precisa de uma aplicação gráfica"));
}
