#include "trafo_mod_report.h"

#include "report_format.h"

namespace kelvora {

std::string reportTrafoMod(const Sheet& tab, const TrafoModResult& m, const Settings& cfg)
{
    using LD = long double;
    const auto g = [&](float v, const char* unit) { return general(v, cfg) + unit; };
    const auto f = [&](long double v, int p, int d, const char* unit) {
        return fixed(v, p, d, cfg) + unit;
    };
    const std::string side = fixed(LD(m.Bnc) * 10, 4, 2, cfg);

    std::string r;
    r += "Transformadores de modulação em Push-Pull classe B\n";
    r += "Calculado utilizando programa Kelvora versão 3.0\n\n";
    r += subst("Nome do usuário: %s\n", {tab["EUserNameTM"].text});
    r += subst("Aplicação do transformador: %s\n\n", {tab["EApplicationTM"].text});

    r += "Dados de entrada - Etapa moduladora:\n";
    r += subst("Potência de áudio (PaMod) = %s\n", {g(m.PaMod, " W")});
    r += subst("Frequência mínima de Áudio (Fmin) = %s\n", {g(m.Fmin, " Hz")});
    r += subst("Tensão de placa do modulador (Ebmod) = %s\n", {g(m.Ebmod, " V")});
    r += subst("Corrente mínima do modulador (Ib0mod) = %s\n", {g(m.Ib0mod, " mA")});
    r += subst("Corrente máxima do modulador (Ib1mod) = %s\n", {g(m.Ib1mod, " mA")});
    r += subst("Impedância placa a placa do modulador (Zmod) = %s\n", {g(m.Zmod, " ohms")});

    r += "\nDados de entrada - Etapa de RF:\n";
    r += subst("Tensão de placa da etapa de RF (Ebrf) = %s\n", {g(m.Ebrf, " V")});
    r += subst("Corrente de placa da etapa de RF (Ibrf) = %s\n", {g(m.Ibrf, " mA")});
    r += subst("Impedância de placa da etapa de RF (Zrf) = %s\n", {f(m.Zrf, 4, 2, " ohms")});

    r += "\nDados de seção do núcleo:\n";
    r += subst("Largura da perna central (Bn) = %s\n", {g(m.Bn, " mm")});
    r += subst("Altura do empilhamento (En) = %s\n", {g(m.En, " mm")});
    r += subst("Densidade máxima permitida (Bmax) = %s\n", {g(m.Bmax, " Gauss")});

    r += "\nResultados - Cálculos da indução CC:\n";
    r += subst("Indução corrente contínua no primário (Bcp) = %s\n", {f(m.Bcp, 4, 2, " Gauss")});
    r += subst("Indução corrente contínua no secundário (Bcs) = %s\n", {f(m.Bcs, 4, 2, " Gauss")});
    r += subst("Indução corrente contínua total (Bc) = %s\n", {f(m.Bc, 4, 2, " Gauss")});
    r += subst("Avaliação da indução: %s\n", {verdictLabel(m.dcFlux).text});

    r += "\nResultados - Cálculos do núcleo:\n";
    r += subst("Seção calculada (Sn) = %s\n", {f(m.Sn, 4, 2, " cm^2")});
    r += subst("Seção quadrada Ideal (Snq) = %s\n", {side + " x " + side + " mm"});
    r += subst("Largura selecionada da perna central (Bn) = %s\n", {f(m.Bn, 4, 2, " mm")});
    r += subst("Altura selecionada do empilhamento (En) = %s\n", {f(m.En, 4, 2, " mm")});
    r += subst("Seção quadrada selecionada (Sne) = %s\n", {f(m.Sne, 4, 2, " cm^2")});
    r += subst("Altura do entreferro (Ae) = %s\n", {f(m.Ae, 4, 2, " mm")});
    r += subst("Avaliação do núcleo escolhido: %s\n", {verdictLabel(m.core).text});

    r += "\nAnálise da relação de potências - Modulador versus Entrada CC de RF:\n";
    r += subst("Potência de entrada corrente contínua da etapa de RF (PccRF) = %s\n",
               {f(m.PccRF, 4, 2, " W")});
    r += subst("Potência mínima de áudio para modular 100 porcento = %s\n",
               {f(LD(m.PccRF) * 0.5, 4, 2, " W")});
    r += subst("Sobra de potência na etapa moduladora = %s\n",
               {f(m.Pextra, 4, 1, " W / ") + f(m.PextraPct, 3, 0, " %")});
    r += subst("Avaliação do modulador = %s\n", {powerVerdictLabel(m, cfg).text});

    r += "\nResultados - Cálculos do enrolamento:\n";
    r += subst("Impedância do primário (placa a placa) (Zmod) = %s\n", {f(m.Zmod, 4, 2, " ohms")});
    r += subst("Impedância do secundário (Zrf) = %s\n", {f(m.Zrf, 4, 2, " ohms")});
    r += subst("Relação de impedâncias (Zmod/Zrf) = %s\n", {f(m.Kz, 4, 2, " : 1")});
    r += subst("Relação de espiras (Np/Ns) = %s\n", {f(m.Kn, 4, 2, " : 1")});
    r += subst("Número de espiras do primário (placa a placa) (Np) = %s\n",
               {f(m.Np, 6, 1, " espiras")});
    r += subst("Número de espiras de meio primário (Np/2) = %s\n",
               {f(LD(m.Np) * 0.5, 6, 1, " espiras")});
    r += subst("Número de espiras do secundário (Ns) = %s\n", {f(m.Ns, 6, 1, " espiras")});
    r += subst("Bitola do condutor do primário (Sfp) = %s AWG / %s mm^2\n",
               {general(m.Sfp, cfg), fixed(m.Sfpmm2, 2, 6, cfg)});
    r += subst("Bitola do condutor do secundário (Sfs) = %s AWG / %s mm^2\n",
               {general(m.Sfs, cfg), fixed(m.Sfsmm2, 2, 6, cfg)});

    r += ReportFooter;
    return r;
}

} // namespace kelvora
