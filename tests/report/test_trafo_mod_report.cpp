#include "trafo_mod_report.h"

#include "report_file.h"
#include "report_format.h"
#include "trafo_mod.h"

#include <gtest/gtest.h>

#include <QFile>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

using namespace kelvora;

namespace {

using Typed = std::vector<std::pair<std::string, std::string>>;

QByteArray golden(const char* name)
{
    QFile f(QStringLiteral(KELVORA_GOLDEN_DIR "/") + QString::fromLatin1(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing golden file>");
}

// The tab as the user left it: texts typed (a radio button by "1"), then shown.
struct Mod {
    Sheet tab{trafoModControls()};
    TrafoModResult s;
    Settings cfg;

    explicit Mod(const Typed& typed = {}, char separator = ',')
    {
        cfg.decimalSeparator = separator;
        for (const auto& [name, text] : typed) {
            if (tab.spec(name).kind == Kind::Radio) {
                for (const char* r : {"RBNormal", "RBConserv", "RBMuitoCons"})
                    tab[r].checked = name == r;
                continue;
            }
            tab[name].text = text;
        }
        SelConfigTM(tab, s);
        CalculaTrafoMod(tab, s, cfg);
    }
    std::string text() const { return reportTrafoMod(tab, s, cfg); }
    // Line n of the report, counted from 1 as the file shows it.
    std::string line(int n) const
    {
        std::istringstream in(text());
        std::string l;
        for (int i = 0; i < n && std::getline(in, l); ++i) {
        }
        return l;
    }
};

} // namespace

TEST(TrafoModReport, BytesMatchTheHandCheckedFiles)
{
    struct Case {
        const char* file;
        Typed typed;
        char separator = ',';
    } cases[] = {
        {"trafo_mod_defaults.txt", {}},
        {"trafo_mod_defaults_ponto.txt", {}, '.'},
        // Every verdict fails: too small a core, too little power, too much DC flux.
        {"trafo_mod_avaliacoes_ruins.txt",
         {{"CBTMBn", "25"}, {"CBTMEn", "25"}, {"EPaMod", "30"}, {"EBmax", "2000"}}},
        {"trafo_mod_outro_projeto.txt",
         {{"EPaMod", "100"},
          {"EFmin", "50"},
          {"EEbmod", "1000"},
          {"EIb0mod", "50"},
          {"EIb1mod", "300"},
          {"EZmod", "8000"},
          {"EEbrf", "1250"},
          {"EIbrf", "200"},
          {"EBmax", "12000"},
          {"CBTMEn", "50"},
          {"CBTMBn", "50"},
          {"RBMuitoCons", "1"}}},
        {"trafo_mod_nome_incomum.txt",
         {{"EUserNameTM", "Zoë 100% ✓ %s"}, {"EApplicationTM", "Modulador 50% — 2×811A Ω"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const Mod m(c.typed, c.separator);
        EXPECT_EQ(encodeReport(m.text()), golden(c.file));
    }
}

TEST(TrafoModReport, PowerRowsWithTheStartUpInputs)
{
    const Mod m;
    EXPECT_EQ(m.line(41), "Potência de entrada corrente contínua da etapa de RF (PccRF) = 73,60 W");
    EXPECT_EQ(m.line(42), "Potência mínima de áudio para modular 100 porcento = 36,80 W");
    EXPECT_EQ(m.line(43), "Sobra de potência na etapa moduladora = 13,2 W / 26 %");
    EXPECT_EQ(m.line(44), "Avaliação do modulador = Potência Suficiente no Modulador "
                          "(Pextra>26,4%)!");
}

TEST(TrafoModReport, IdealSquareSectionRepeatsTheSide)
{
    struct {
        Typed typed;
        const char* row;
    } cases[] = {
        {{}, "Seção quadrada Ideal (Snq) = 32,57 x 32,57 mm"},
        {{{"EPaMod", "100"}, {"EFmin", "50"}}, "Seção quadrada Ideal (Snq) = 46,06 x 46,06 mm"},
    };
    for (const auto& c : cases) {
        const Mod m(c.typed);
        SCOPED_TRACE(c.row);
        EXPECT_EQ(m.line(33), c.row);
    }
}

TEST(TrafoModReport, CoreSizesInGeneralAndInFixedFormat)
{
    const Mod m({{"CBTMBn", "44"}, {"CBTMEn", "36"}});
    EXPECT_EQ(m.line(21), "Largura da perna central (Bn) = 44 mm");
    EXPECT_EQ(m.line(22), "Altura do empilhamento (En) = 36 mm");
    EXPECT_EQ(m.line(34), "Largura selecionada da perna central (Bn) = 44,00 mm");
    EXPECT_EQ(m.line(35), "Altura selecionada do empilhamento (En) = 36,00 mm");
}

TEST(TrafoModReport, GaugeLinesWithWholeGaugesAndSixDecimals)
{
    const Mod m;
    EXPECT_EQ(m.line(54), "Bitola do condutor do primário (Sfp) = 28 AWG / 0,068000 mm^2");
    EXPECT_EQ(m.line(55), "Bitola do condutor do secundário (Sfs) = 29 AWG / 0,053000 mm^2");
}

TEST(TrafoModReport, TypedTextsAreWrittenLiterally)
{
    const Mod m({{"EUserNameTM", "100% %s %d"}, {"EApplicationTM", "%"}});
    EXPECT_EQ(m.line(4), "Nome do usuário: 100% %s %d");
    EXPECT_EQ(m.line(5), "Aplicação do transformador: %");
    // The slots after a typed "%s" still get their own values.
    EXPECT_EQ(m.line(8), "Potência de áudio (PaMod) = 50 W");
}

TEST(TrafoModReport, ReadsTheStateAndTheVerdictsWithoutRecalculating)
{
    Mod m;
    // Inputs typed after the last run do not reach the report...
    m.tab["EPaMod"].text = "80";
    m.tab["CBTMBn"].text = "60";
    // ...nor do label texts: the verdicts come from the record.
    m.tab["LTMAval"].text = "Núcleo X";
    m.tab["LTMBcAval"].text = "Indução Y";
    m.tab["LTMPAval"].text = "Potência Z";
    m.s.core = CoreVerdict::SmallSection;
    m.s.dcFlux = DcFluxVerdict::SecondaryExcess;
    m.s.power = ModPowerVerdict::LowForConservative;
    EXPECT_EQ(m.line(8), "Potência de áudio (PaMod) = 50 W");
    EXPECT_EQ(m.line(21), "Largura da perna central (Bn) = 40 mm");
    EXPECT_EQ(m.line(29), "Avaliação da indução: Excesso de Indução CC no Secundário!");
    EXPECT_EQ(m.line(38), "Avaliação do núcleo escolhido: Seção escolhida menor que a mínima");
    EXPECT_EQ(m.line(44), "Avaliação do modulador = Potência Baixa no Modulador (Pextra<25%)!");
}

TEST(TrafoModReport, EndsWithTheSharedFooterAfterTheLastGaugeLine)
{
    const std::string text = Mod().text();
    const std::string last = "Bitola do condutor do secundário (Sfs) = 29 AWG / 0,053000 mm^2\n";
    ASSERT_GT(text.size(), ReportFooter.size() + last.size());
    EXPECT_EQ(text.substr(text.size() - ReportFooter.size()), ReportFooter);
    EXPECT_EQ(text.substr(text.size() - ReportFooter.size() - last.size(), last.size()), last);
}
