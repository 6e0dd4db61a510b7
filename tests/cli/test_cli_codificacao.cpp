// kelvora-cli --codificacao: the same report and sheet in Windows-1252 with
// CR LF (the default) or in UTF-8 with LF; and the choke's report.
#include "cli_run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

using namespace kelvora;
using kelvora::test::CliRun;
using kelvora::test::cliRun;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

std::string goldenBytes(const char* name)
{
    QFile f(QStringLiteral(KELVORA_GOLDEN_DIR "/") + QString::fromLatin1(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "<missing golden file>";
}

} // namespace

TEST(CliCodificacao, TheSameReportInEitherEncoding)
{
    const std::vector<std::string> typed = {"trafo-alimentacao", "--decimal-separator=,",
                                            "EUserNameTA=Zoë ✓", "--report=-"};
    CliRun cp1252 = cliRun(typed);
    std::vector<std::string> args = typed;
    args.push_back("--codificacao=utf-8");
    CliRun utf8 = cliRun(args);
    ASSERT_EQ(cp1252.code, 0) << cp1252.err;
    ASSERT_EQ(utf8.code, 0) << utf8.err;
    EXPECT_THAT(cp1252.out, HasSubstr("Transformadores de alimenta\xe7\xe3o para fontes\r\n"));
    EXPECT_THAT(cp1252.out, HasSubstr("\r\nNome do usu\xe1rio: Zo\xeb ?\r\n"));
    EXPECT_THAT(utf8.out, HasSubstr("Transformadores de alimentação para fontes\n"));
    EXPECT_THAT(utf8.out, HasSubstr("\nNome do usuário: Zoë ✓\n"));
    EXPECT_THAT(utf8.out, Not(HasSubstr("\r")));
    // The same lines: only the code page and the line ends differ.
    EXPECT_EQ(std::count(cp1252.out.begin(), cp1252.out.end(), '\n'),
              std::count(utf8.out.begin(), utf8.out.end(), '\n'));

    args.back() = "--codificacao=windows-1252";
    EXPECT_EQ(cliRun(args).out, cp1252.out);
    args.back() = "--codificacao=latin1";
    const CliRun bad = cliRun(args);
    EXPECT_EQ(bad.code, 2);
    EXPECT_THAT(bad.err, HasSubstr("a codificação deve ser windows-1252 ou utf-8"));
}

TEST(CliCodificacao, TheWindingSheetCarriesTheNamesTypedOnTheTab)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("folha.txt"));
    const CliRun r = cliRun({"reator-filtro", "--decimal-separator=,", "EUserNameRF=Zoë",
                             "EApplicationRF=Choque da fonte de 500 V", "--codificacao=utf-8",
                             "--folha=" + path.toStdString()});
    ASSERT_EQ(r.code, 0) << r.err;
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_THAT(f.readAll().toStdString(),
                ::testing::StartsWith("Folha de enrolamento - Reator de Filtro\n"
                                      "=======================================\n"
                                      "Nome do usuário: Zoë\n"
                                      "Aplicação: Choque da fonte de 500 V\n\nNúcleo\n"));
}

TEST(CliCodificacao, TheChokeHasAReportToo)
{
    const CliRun r = cliRun({"reator-filtro", "--decimal-separator=,", "--report=-"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, goldenBytes("reator_filtro_defaults.txt"));
}

// The README's list of control names is the registry's own, as --controles writes it.
TEST(CliControles, TheReadmeListsTheControlsOfTheRegistry)
{
    const CliRun r = cliRun({"--controles"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("trafo-alimentacao (TTrafoAlim)\n  EBn1=32\n"));
    EXPECT_THAT(r.out, HasSubstr("  CNumSec: 1 | 2 | 3 | 4 | 5 | 6  (início: 3)\n"));
    EXPECT_THAT(r.out, HasSubstr("reator-filtro (TReatorFiltro)\n  ERFLr=10\n"));
    QFile f(QStringLiteral(KELVORA_SOURCE_DIR "/README.md"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const std::string readme = f.readAll().toStdString();
    const std::string head = "<!-- kelvora-cli --controles -->\n```text\n";
    const std::size_t from = readme.find(head);
    const std::size_t to = readme.find("```\n<!-- fim de kelvora-cli --controles -->");
    ASSERT_NE(from, std::string::npos);
    ASSERT_NE(to, std::string::npos);
    // The block ends with the list's last line; the list's closing blank line is not kept.
    std::string listed = r.out;
    while (!listed.empty() && listed.back() == '\n')
        listed.pop_back();
    EXPECT_EQ(readme.substr(from + head.size(), to - from - head.size()), listed + "\n")
        << "README.md: replace the block with the output of kelvora-cli --controles";
}

// Lists name their items' keys beside the texts; a list of numbers has none to name.
TEST(CliControles, ListsNameTheKeysOfTheirItems)
{
    const CliRun r = cliRun({"--controles"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("  CNumPri: Simples | Duplo | Derivação  (início: Simples)"
                                 "  (chaves: single, dual, tapped)\n"));
    EXPECT_THAT(r.out, HasSubstr("  CBSelTM=Convencional  (chaves: conventional, reactor)\n"));
}
