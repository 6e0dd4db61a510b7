#include "reator_filtro_report.h"

#include "report_file.h"
#include "report_format.h"

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

// The tab as the user left it, then shown.
struct Reactor {
    Sheet tab{reatorFiltroControls()};
    ReatorFiltroResult s;
    Settings cfg;

    explicit Reactor(const Typed& typed = {}, char separator = ',')
    {
        cfg.decimalSeparator = separator;
        for (const auto& [name, text] : typed)
            tab[name].text = text;
        CalcReatorFiltro(tab, s, cfg);
    }
    std::string text() const { return reportReatorFiltro(tab, s, cfg); }
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

TEST(ReatorFiltroReport, BytesMatchTheHandCheckedFiles)
{
    struct Case {
        const char* file;
        Typed typed;
        char separator = ',';
    } cases[] = {
        {"reator_filtro_defaults.txt", {}},
        {"reator_filtro_defaults_ponto.txt", {}, '.'},
        // 10 H at 40 mA on a small core: below the charts.
        {"reator_filtro_avaliacoes_ruins.txt", {{"ERFIr", "40"}, {"CBRFBn", "15"}}},
        // No inductance: the refusal, and no figure that could pass for a result.
        {"reator_filtro_sem_indutancia.txt", {{"ERFLr", "0"}}},
        {"reator_filtro_nome_incomum.txt",
         {{"EUserNameRF", "Zoë 100% ✓ %s"}, {"EApplicationRF", "Choque 8 H — 2×5U4 Ω"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const Reactor r(c.typed, c.separator);
        EXPECT_EQ(encodeReport(r.text()), golden(c.file));
    }
}

// Defaults 10 H, 200 mA, 36 x 36 mm: LI^2 = 0.2^2 x 10 = 0.4 H*A^2;
// Sn = 22.943 x 0.4^0.6596 = 12.535 cm^2, its side 35.4 mm; NI = 726.83 x
// 0.4^0.3293 = 537.5, over 0.2 A 2687.6 turns; path 6.5 x 3.5405 cm = 230.1 mm
// for the needed section and 6.5 x sqrt(12.96) = 234.0 mm for the chosen one;
// the gap 0.15 % of each, 0.345 and 0.351 mm.
TEST(ReatorFiltroReport, ResultRowsWithTheStartUpInputs)
{
    const Reactor r;
    EXPECT_EQ(r.line(17), "Produto da indutância pelo quadrado da corrente (LI^2) = 0,400 H*A^2");
    EXPECT_EQ(r.line(22), "Produto do número de espiras pela corrente (NI) = 537,5 A*espiras");
    EXPECT_EQ(r.line(23), "Número de espiras no enrolamento (Nesp) = 2687,6 espiras");
    EXPECT_EQ(r.line(29), "Comprimento do circuito magnético calculado (Lmag) = 230,1 mm");
    EXPECT_EQ(r.line(30), "Comprimento do circuito magnético selecionado (Lmage) = 234,0 mm");
    EXPECT_EQ(r.line(31), "Entreferro em cada junta (espaçador), seção calculada (Ae) = 0,345 mm");
    EXPECT_EQ(r.line(32),
              "Entreferro em cada junta (espaçador), seção selecionada (Aee) = 0,351 mm");
    EXPECT_EQ(r.line(33), "Avaliação do núcleo escolhido: Seção escolhida atende à aplicação!");
}

TEST(ReatorFiltroReport, SaysWhenTheCurrentIsOffTheCharts)
{
    // 10 H: Imin = sqrt(0.02 / 10) A = 44.7 mA, so 40 mA is below it.
    EXPECT_EQ(Reactor(Typed{{"ERFIr", "40"}}).line(10),
              "Limites da corrente para a indutância informada: 45 mA < Ir <1000 mA "
              "(Ir fora dos limites)");
    EXPECT_EQ(Reactor().line(10),
              "Limites da corrente para a indutância informada: 45 mA < Ir <1000 mA");
}

TEST(ReatorFiltroReport, ReadsTheStateAndTheVerdictsWithoutRecalculating)
{
    Reactor r;
    r.tab["ERFLr"].text = "20";
    r.tab["LRFNAval"].text = "Núcleo X";
    r.s.core = CoreVerdict::NarrowLeg;
    EXPECT_EQ(r.line(8), "Indutância nominal requerida (Lr) = 10 H");
    EXPECT_EQ(r.line(33), "Avaliação do núcleo escolhido: Largura da perna central pequena");
    const std::string text = r.text();
    EXPECT_EQ(text.substr(text.size() - ReportFooter.size()), ReportFooter);
}
