#include "reator_filtro_report.h"

#include "report_format.h"
#include "version.h"

namespace kelvora {

std::string reportReatorFiltro(const Sheet& tab, const ReatorFiltroResult& s, const Settings& cfg)
{
    using LD = long double;
    const auto g = [&](float v, const char* unit) { return general(v, cfg) + unit; };
    const auto f = [&](long double v, int p, int d, const char* unit) {
        return fixed(v, p, d, cfg) + unit;
    };

    std::string r;
    r += "Reatores de filtro para fontes - Método gráfico do produto L.I^2\n";
    r += "Calculado utilizando programa Kelvora versão " + versionText() + "\n\n";
    r += subst("Nome do usuário: %s\n", {tab["EUserNameRF"].text});
    r += subst("Aplicação do reator: %s\n\n", {tab["EApplicationRF"].text});

    r += "Dados de entrada - Reator:\n";
    r += subst("Indutância nominal requerida (Lr) = %s\n", {g(s.Lr, " H")});
    r += subst("Corrente de trabalho em corrente contínua (Ir) = %s\n", {g(s.Ir, " mA")});
    // The tab shows a current off the charts in red; the file says it.
    r += subst("Limites da corrente para a indutância informada: %s\n",
               {currentLimitsText(s, cfg)
                + (s.refused || s.IrOnCharts ? "" : " (Ir fora dos limites)")});

    r += "\nDados de entrada - Seção do núcleo:\n";
    r += subst("Largura da perna central (Bn) = %s\n", {g(s.RFBn, " mm")});
    r += subst("Altura do empilhamento (En) = %s\n", {g(s.RFEn, " mm")});

    // Without an inductance there is no design: the verdicts say why, and
    // no figure stands where a result would be taken from.
    if (s.refused) {
        r += "\nResultados:\n";
        r += subst("Avaliação: %s\n", {verdictLabel(EnergyVerdict::NoInductance).text});
        r += subst("%s\n", {sectionLabel(EnergyVerdict::NoInductance).text});
        r += ReportFooter;
        return r;
    }

    r += "\nResultados - Energia armazenada:\n";
    r += subst("Produto da indutância pelo quadrado da corrente (LI^2) = %s\n",
               {f(s.LI2, 6, 3, " H*A^2")});
    r += subst("Avaliação da energia: %s\n", {verdictLabel(s.energy).text});
    r += subst("Avaliação da seção: %s\n", {sectionLabel(s.energy).text});

    r += "\nResultados - Cálculos do enrolamento:\n";
    r += subst("Produto do número de espiras pela corrente (NI) = %s\n",
               {f(s.RFNI, 5, 1, " A*espiras")});
    r += subst("Número de espiras no enrolamento (Nesp) = %s\n", {f(s.RFNesp, 5, 1, " espiras")});

    // Path and gap are held in cm and written in mm, as the tab shows them.
    const std::string side = fixed(s.RFBnc, 5, 1, cfg);
    r += "\nResultados - Cálculos do núcleo:\n";
    r += subst("Seção quadrada calculada (Sn) = %s\n", {f(s.RFSn, 4, 1, " cm^2")});
    r += subst("Seção quadrada Ideal (Snq) = %s\n", {side + " x " + side + " mm"});
    r += subst("Seção selecionada (Sne) = %s\n", {f(s.RFSne, 5, 1, " cm^2")});
    r += subst("Comprimento do circuito magnético calculado (Lmag) = %s\n",
               {f(LD(s.RFLmag) * 10, 5, 1, " mm")});
    r += subst("Comprimento do circuito magnético selecionado (Lmage) = %s\n",
               {f(LD(s.RFLmage) * 10, 5, 1, " mm")});
    // The gap of each of the two E-I joints the flux crosses: the spacer's thickness.
    r += subst("Entreferro em cada junta (espaçador), seção calculada (Ae) = %s\n",
               {f(LD(s.RFAe) * 10, 6, 3, " mm")});
    r += subst("Entreferro em cada junta (espaçador), seção selecionada (Aee) = %s\n",
               {f(LD(s.RFAee) * 10, 6, 3, " mm")});
    r += subst("Avaliação do núcleo escolhido: %s\n", {verdictLabel(s.core).text});

    r += ReportFooter;
    return r;
}

} // namespace kelvora
