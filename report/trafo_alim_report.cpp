#include "trafo_alim_report.h"

#include "report_format.h"

#include <algorithm>

namespace kelvora {

std::string reportTrafoAlim(const Sheet& tab, const TrafoAlimResult& s, const Settings& cfg)
{
    auto g = [&](float v, const char* unit) { return general(v, cfg) + unit; };
    auto f = [&](float v, int p, int d, const char* unit) { return fixed(v, p, d, cfg) + unit; };
    const int N = std::clamp(s.NumSec + 1, 0, 6);

    std::string r;
    r += "Transformadores de alimentação para fontes\n";
    r += "Calculado utilizando programa Kelvora Versão 3.0\n\n";
    r += subst("Nome do usuário: %s\n", {tab["EUserNameTA"].text});
    r += subst("Aplicação do transformador: %s\n\n", {tab["EApplicationTA"].text});

    r += "Dados de entrada - Tensões e correntes dos enrolamentos:\n";
    switch (s.TipoPri) {
    case 0:
        r += "Tipo do primário: simples\n";
        r += subst("Tensão do primário (Vp) = %s\n", {g(s.Vp[1], " V")});
        break;
    case 1:
        r += "Tipo do primário: duplo\n";
        r += subst("Tensão do primário (Vp) = %s\n", {g(s.Vp[1], " V")});
        break;
    case 2:
        r += "Tipo do primário: em derivação\n";
        r += subst("Tensão do menor do primário (Vp1) = %s\n", {g(s.Vp[3], " V")});
        r += subst("Tensão do maior do primário (Vp2) = %s\n", {g(s.Vp[4], " V")});
        break;
    default:
        break;
    }
    r += subst("Frequência de operação (Fo) = %s\n", {g(s.Fo, " Hz")});
    r += subst("Eficiência adotada (n) = %s\n", {g(s.n, " %")});
    r += subst("Densidade máxima no núcleo (Bmax) = %s\n", {g(s.Bmax, " Gauss")});
    for (int k = 1; k <= N; ++k) {
        const std::string n = std::to_string(k);
        r += subst("Tensão do secundário %s (Vs%s) = %s\n", {n, n, f(s.Vs[k], 5, 1, " V")});
        // The current line's "(Vs" label is how the report has always read.
        r += subst("Corrente do secundário %s (Vs%s) = %s\n", {n, n, f(s.Is[k], 7, 5, " A")});
    }

    r += "\nDados de entrada - Seção do núcleo:\n";
    if (s.Kcore == 7)
        r += "Lâminas do núcleo em formato E/I\n";
    else if (s.Kcore == 5)
        r += "Lâminas do núcleo em formato U/I ou U/U\n";
    r += subst("Largura da perna central (Bn) = %s\n", {g(s.Bn, " mm")});
    r += subst("Altura do empilhamento (En) = %s\n", {g(s.En, " mm")});

    r += "\nResultados - Cálculos do núcleo:\n";
    r += subst("Seção calculada (Snu) = %s\n", {f(s.Snu, 4, 2, " cm^2")});
    r += subst("Seção selecionada (Sns) = %s\n", {f(s.Sns, 4, 2, " cm^2")});
    r += subst("Avaliação do núcleo escolhido: %s\n", {verdictLabel(s.core).text});

    r += "\nDemais resultados do cálculo:\n";
    r += subst("Tensão específica no cecundário = %s\n", {f(s.Ves, 5, 3, " Volts/Espira")});
    r += subst("Tensão específica no primário = %s\n", {f(s.Vep, 5, 3, " Volts/Espira")});
    r += subst("Potência aparente no cecundário = %s\n", {f(s.Pas, 4, 2, " W")});
    r += subst("Potência aparente no primário = %s\n", {f(s.Pap, 4, 2, " W")});
    r += subst("Fator de perdas no secundário = %s\n", {f(s.Vsec, 5, 3, "")});

    r += "\nResultados - Cálculos do enrolamento:\n";
    // Primary sections: a second winding (Duplo) or the tapped pair (Derivação).
    auto primary = [&](const char* turnsFormat, const char* wireFormat, int i) {
        r += subst(turnsFormat, {f(s.Nprim[i], 6, 1, " espiras")});
        r += subst(wireFormat, {general(s.AWGprim[i], cfg), fixed(s.Sprim[i], 2, 4, cfg)});
    };
    const char* const turns1 = "Número de espiras do primário 1 (Nprim1) = %s\n";
    const char* const wire1 = "Bitola do condutor do primário 1 (Sprim1) = %s AWG / %s mm^2\n";
    const char* const turns2 = "Número de espiras do primário 2 (Nprim2) = %s\n";
    const char* const wire2 = "Bitola do condutor do primário 2 (Sprim2) = %s AWG / %s mm^2\n";
    switch (s.TipoPri) {
    case 0:
        primary("Número de espiras do primário (Nprim) = %s\n",
                "Bitola do condutor do primário (Sprim) = %s AWG / %s mm^2\n", 1);
        break;
    case 1:
        primary(turns1, wire1, 1);
        primary(turns2, wire2, 2);
        break;
    case 2:
        primary(turns1, wire1, 3);
        primary(turns2, wire2, 4);
        break;
    default:
        break;
    }
    for (int k = 1; k <= N; ++k) {
        const std::string n = std::to_string(k);
        r += subst("Número de espiras do secundário %s (Ns%s) = %s\n",
                   {n, n, f(s.Ns[k], 6, 1, " espiras")});
        r += subst("Bitola do condutor do secundário %s (Ss%s) = %s AWG / %s mm^2\n",
                   {n, n, general(s.AWGs[k], cfg), fixed(s.Ss[k], 2, 6, cfg)});
    }
    r += ReportFooter;
    return r;
}

} // namespace kelvora
