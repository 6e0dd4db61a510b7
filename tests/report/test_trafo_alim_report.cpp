#include "trafo_alim_report.h"

#include "report_file.h"
#include "trafo_alim.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include <QFile>

#include <string>
#include <utility>
#include <vector>

using namespace kelvora;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

QByteArray golden(const char* name)
{
    QFile f(QStringLiteral(KELVORA_GOLDEN_DIR "/") + QString::fromLatin1(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing golden file>");
}

// The tab as the user left it: texts typed, lists chosen, then shown.
struct Typed {
    Sheet tab{trafoAlimControls()};
    TrafoAlimResult s;
    Settings cfg;

    Typed(std::vector<std::pair<std::string, std::string>> typed, char separator = ',')
    {
        cfg.decimalSeparator = separator;
        for (const auto& [name, text] : typed) {
            const ControlSpec& spec = tab.spec(name);
            if (spec.kind == Kind::List) {
                const auto it = std::find(spec.items.begin(), spec.items.end(), text);
                tab[name].itemIndex = int(it - spec.items.begin());
            } else if (spec.kind == Kind::Radio) {
                tab["RBNucleoE"].checked = tab["RBNucleoU"].checked = false;
                tab[name].checked = true;
                continue;
            }
            tab[name].text = text;
        }
        TAEnrolamentos(tab, s);
        CalculaTrafoAlim(tab, s, cfg);
    }
    std::string text() const { return reportTrafoAlim(tab, s, cfg); }
    QByteArray bytes() const { return encodeReport(text()); }
};

} // namespace

TEST(TrafoAlimReport, BytesMatchTheHandCheckedFiles)
{
    struct Case {
        const char* file;
        std::vector<std::pair<std::string, std::string>> typed;
        char separator = ',';
    } cases[] = {
        {"trafo_alim_defaults.txt", {}},
        {"trafo_alim_defaults_ponto.txt", {}, '.'},
        {"trafo_alim_duplo.txt", {{"CNumPri", "Duplo"}}},
        {"trafo_alim_derivacao.txt", {{"CNumPri", "Derivação"}, {"EVp3", "110"}, {"EVp4", "220"}}},
        {"trafo_alim_um_secundario.txt", {{"CNumSec", "1"}}},
        {"trafo_alim_seis_secundarios.txt", {{"CNumSec", "6"}}},
        {"trafo_alim_primario_12v6.txt", {{"EVp1", "12,6"}, {"EVs3", "12,6"}}},
        {"trafo_alim_corrente_150ma.txt", {{"EIs1", "150"}}},
        {"trafo_alim_nucleo_u.txt", {{"RBNucleoU", "1"}}},
        {"trafo_alim_nome_incomum.txt",
         {{"EUserNameTA", "Zoë Ñandú 100% ✓ %s"}, {"EApplicationTA", "Fonte 5% — 12 V / 3 Ω €"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const Typed r(c.typed, c.separator);
        EXPECT_EQ(r.bytes(), golden(c.file));
    }
}

TEST(TrafoAlimReport, NumberFormatsOfTheEdgeCases)
{
    const Typed r({{"EVp1", "12,6"}, {"EVs3", "12,6"}, {"EIs1", "150"}});
    const std::string t = r.text();
    // General format shows the single-precision value as held; fixed(5, 1) rounds it.
    EXPECT_THAT(t, HasSubstr("Tensão do primário (Vp) = 12,6000003814697 V\n"));
    EXPECT_THAT(t, HasSubstr("Tensão do secundário 3 (Vs3) = 12,6 V\n"));
    EXPECT_THAT(t, HasSubstr("Corrente do secundário 1 (Vs1) = 0,15000 A\n"));

    // A section of 0,06667 mm^2: four decimals for a primary, six for a secondary.
    Typed s({});
    s.s.Sprim[1] = 0.06667f;
    s.s.Ss[2] = 0.06667f;
    const std::string u = s.text();
    EXPECT_THAT(u, HasSubstr("(Sprim) = 21 AWG / 0,0670 mm^2\n"));
    EXPECT_THAT(u, HasSubstr("(Ss2) = 31 AWG / 0,067000 mm^2\n"));
}

TEST(TrafoAlimReport, LaminationLineOnlyForExactlyFiveOrSeven)
{
    const Typed r({});
    const std::string withLine = r.text();
    const std::string line = "Lâminas do núcleo em formato E/I\n";
    ASSERT_THAT(withLine, HasSubstr(line));
    for (float k : {6.0f, 7.0001f, 4.9999f, 0.0f}) {
        SCOPED_TRACE(k);
        Typed odd({});
        odd.s.Kcore = k;
        std::string expected = withLine;
        expected.erase(expected.find(line), line.size());
        EXPECT_EQ(odd.text(), expected);
    }
    Typed u({});
    u.s.Kcore = 5;
    EXPECT_THAT(u.text(), HasSubstr("\nLâminas do núcleo em formato U/I ou U/U\nLargura"));
}

TEST(TrafoAlimReport, ReadsTheStateAndRecalculatesNothing)
{
    Typed r({});
    // The report shows what the last run stored, even if the fields changed since.
    r.tab["EVp1"].text = "220";
    r.tab["CNumSec"].itemIndex = 5;
    EXPECT_EQ(r.bytes(), golden("trafo_alim_defaults.txt"));
    // ...and the verdict from the record, whatever its label holds.
    r.tab["LAlimAval"].text = "qualquer texto";
    r.s.core = CoreVerdict::NarrowLeg;
    EXPECT_THAT(r.text(),
                HasSubstr("Avaliação do núcleo escolhido: Largura da perna central pequena\n"));
}

TEST(TrafoAlimReport, NamesARedVerdictAsTheTabShowsIt)
{
    // 15 x 15 mm: 2.25 cm^2 against the 10.04 cm^2 the defaults need.
    const Typed r({{"EBn1", "15"}, {"EEn1", "15"}});
    ASSERT_EQ(r.s.core, CoreVerdict::SmallSection);
    EXPECT_EQ(r.tab["LAlimAval"].background, Colour::Red);
    EXPECT_THAT(r.text(),
                HasSubstr("Avaliação do núcleo escolhido: " + r.tab["LAlimAval"].text + "\n"));
}

TEST(TrafoAlimReport, SecondaryCountAndPrimaryTypeComeFromTheLastArrangement)
{
    Typed r({{"CNumSec", "2"}, {"EVp1", "125"}});
    const std::string t = r.text();
    EXPECT_THAT(t, HasSubstr("(Vs2) = 0,10000 A\n\nDados de entrada - Seção"));
    EXPECT_THAT(t, Not(HasSubstr("(Vs3)")));
    EXPECT_THAT(t, Not(HasSubstr("(Ns3)")));

    Typed odd({});
    odd.s.TipoPri = 3; // no primary lines at all for an unknown type
    const std::string o = odd.text();
    EXPECT_THAT(o, Not(HasSubstr("Tipo do primário")));
    EXPECT_THAT(o, Not(HasSubstr("(Nprim")));
    EXPECT_THAT(o, HasSubstr("enrolamento:\nNúmero de espiras do secundário 1 (Ns1)"));
    EXPECT_THAT(o, HasSubstr("fontes\nCalculado"));
}

TEST(TrafoAlimReport, EndsWithTheSharedFooter)
{
    const std::string t = Typed({}).text();
    const std::string footer(ReportFooter);
    ASSERT_GE(t.size(), footer.size());
    EXPECT_EQ(t.substr(t.size() - footer.size()), footer);
    EXPECT_THAT(t, HasSubstr("1,700000 mm^2\n" + footer));
}
