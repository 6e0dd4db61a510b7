#include "tooltips.h"

#include <QRegularExpression>
#include <QWidget>

#include <unordered_map>

namespace kelvora {

namespace {

// Controls numbered 1 to 6 (a secondary, a primary part) share one text,
// with "%1" for the number.
const std::unordered_map<std::string, const char*>& texts()
{
    static const std::unordered_map<std::string, const char*> t = {
        // Power transformer: operating data, core.
        {"EFo", "Frequência da rede, em Hz (50 ou 60). Frequência menor pede mais espiras e "
                "núcleo maior."},
        {"CBTaBmax", "Indução máxima de pico no núcleo, em gauss (10000 G = 1 T). Mais alta: menos "
                     "espiras, mais perda no ferro e mais corrente em vazio."},
        {"CBTaEff", "Eficiência adotada, em %: a potência do primário é a dos secundários "
                    "dividida por ela."},
        {"EBn1", "Largura da perna central da lâmina (Bn), em mm."},
        {"EEn1", "Altura do empilhamento das lâminas (En), em mm. Bn × En é a seção do núcleo."},
        {"RBNucleoE", "Lâminas em E e I: o enrolamento fica na perna central."},
        {"RBNucleoU", "Lâminas em U e I ou U e U: núcleo de duas colunas."},
        {"CNumPri", "Tipo do primário: simples; duplo (duas metades iguais, em série para 220 V "
                    "ou em paralelo para 110 V); ou com derivação."},
        {"CNumSec", "Quantos secundários o transformador tem (1 a 6)."},
        {"EVp1", "Tensão do primário, em V eficazes. No primário duplo, a de cada metade."},
        {"EVp2", "Tensão da segunda metade do primário duplo: a mesma da primeira."},
        {"EVp3", "Tensão do primário do início até a derivação, em V (por exemplo 110 V)."},
        {"EVp4", "Tensão do primário inteiro, em V (por exemplo 220 V)."},
        {"EVprim0V", "Início do primário com derivação: 0 V."},
        {"EVs", "Tensão do secundário %1 em carga, em V eficazes. Num enrolamento com derivação "
                "central, a do enrolamento inteiro (2 × 375 V: 750 V)."},
        {"EIs", "Corrente do secundário %1, em mA. Com retificador é a corrente contínua que a "
                "carga tira (a janela Construção passa à corrente eficaz do fio pela carga "
                "escolhida); com carga resistiva (filamentos) é a corrente eficaz."},
        {"LNs", "Espiras do secundário %1."},
        {"LSs", "Fio do secundário %1 (AWG), pela densidade de corrente Sigma da aba Ajustes."},
        {"LIprim", "Corrente do primário, em A eficazes."},
        {"LNprim", "Espiras do primário (com derivação: do início à derivação e da derivação ao "
                   "fim)."},
        {"LSprim", "Fio do primário (AWG), pela densidade de corrente Sigma da aba Ajustes."},
        {"LFo", "Frequência usada no cálculo, em Hz."},
        {"LPas", "Potência aparente dos secundários, em VA: soma de tensão × corrente."},
        {"LPap", "Potência aparente do primário, em VA: a dos secundários dividida pela "
                 "eficiência."},
        {"LSnu", "Seção mínima do núcleo para esta potência e frequência, em cm²."},
        {"LSns", "Seção do núcleo escolhido (Bn × En), em cm²."},
        {"EEnc", "Lado da seção quadrada mínima, em mm (Bn = En)."},
        {"EBnc", "Lado da seção quadrada mínima, em mm (Bn = En)."},
        {"LAlimAval", "Se a seção escolhida basta para a potência. Não diz se o enrolamento cabe "
                      "na janela: veja o resumo da construção ao lado."},
        {"LVep", "Tensão por espira do primário, em V/espira."},
        {"LVes", "Tensão por espira dos secundários, em V/espira: menor que a do primário, para "
                 "cobrir a queda nos enrolamentos."},
        {"LVsec", "Fator de perdas no secundário: as espiras dos secundários são aumentadas nesse "
                  "fator para que a tensão em carga seja a digitada (1,064: 6,4 % a mais)."},
        {"EUserNameTA", "Entre com o nome do utilizador do programa"},
        {"EApplicationTA", "Entre com o nome do tranformador ou tipo de aplicação"},

        // Valve modulator.
        {"EPaMod", "Potência de áudio do modulador, em W."},
        {"EFmin", "Frequência mínima de áudio a reproduzir, em Hz: decide a indutância do "
                  "primário."},
        {"EEbmod", "Tensão de placa do modulador, em V."},
        {"EIb0mod", "Corrente de placa do par modulador em repouso (sem sinal), em mA."},
        {"EIb1mod", "Corrente de placa do par modulador com sinal máximo, em mA."},
        {"EZmod", "Impedância de carga placa a placa (Zpp) do par modulador, em ohms, da folha "
                  "de dados."},
        {"EEbrf", "Tensão de placa da etapa de RF modulada, em V."},
        {"EIbrf", "Corrente contínua de placa da etapa de RF, em mA."},
        {"EBmax", "Indução de corrente contínua máxima permitida no núcleo, em gauss."},
        {"CBTMBn", "Largura da perna central da lâmina (Bn), em mm."},
        {"CBTMEn", "Altura do empilhamento das lâminas (En), em mm."},
        {"RBNormal", "A potência de áudio deve ser pelo menos metade da entrada CC da etapa de "
                     "RF, sem sobra."},
        {"RBConserv", "Pede mais de 25 % de sobra sobre a potência mínima de modulação."},
        {"RBMuitoCons", "Pede mais de 50 % de sobra sobre a potência mínima de modulação."},
        {"CBSelTM", "Acoplamento à etapa de RF: convencional (a corrente contínua da RF passa "
                    "pelo secundário) ou reator e capacitor, RCA (a corrente contínua passa pelo "
                    "reator, o áudio pelo capacitor)."},
        {"ImgConvTM", "Diagrama do modulador acoplado por transformador."},
        {"ImgReatorTM", "Diagrama do modulador acoplado por reator e capacitor."},
        {"LCapAcopl1", "Capacitor de acoplamento: passa o áudio e bloqueia a corrente contínua."},
        {"LCapAcopl2", "Capacitor de acoplamento: passa o áudio e bloqueia a corrente contínua."},
        {"LReatMod1", "Reator de modulação: leva a corrente contínua da etapa de RF."},
        {"LReatMod2", "Reator de modulação: leva a corrente contínua da etapa de RF."},
        {"LZpl1", "Impedância de Placa = Zpp/2: metade da impedância placa a placa, escrita em "
                  "cada metade do primário. Em classe B cada placa, quando conduz, vê Zpp/4: a "
                  "metade do primário tem metade das espiras e um quarto da impedância."},
        {"LZpl2", "Impedância de Placa = Zpp/2: metade da impedância placa a placa, escrita em "
                  "cada metade do primário. Em classe B cada placa, quando conduz, vê Zpp/4: a "
                  "metade do primário tem metade das espiras e um quarto da impedância."},
        {"LZrf", "Impedância que a etapa de RF apresenta ao modulador: Ebrf / Ibrf, em ohms."},
        {"LZrf2", "Impedância que a etapa de RF apresenta ao modulador: Ebrf / Ibrf, em ohms."},
        {"LSn", "Seção mínima do núcleo, em cm²."},
        {"LSne", "Seção do núcleo escolhido (Bn × En), em cm²."},
        {"ETMEnc", "Lado da seção quadrada mínima, em mm (Bn = En)."},
        {"ETMBnc", "Lado da seção quadrada mínima, em mm (Bn = En)."},
        {"LTMAval", "Se o núcleo escolhido basta."},
        {"LAe", "Entreferro calculado, em mm: a espessura do espaçador em cada junta entre os E e "
                "os I (o fluxo atravessa duas juntas)."},
        {"LPccRF", "Potência de entrada CC da etapa de RF: Ebrf × Ibrf, em W."},
        {"LPMinMod", "Potência mínima de áudio para modular 100 %: metade da entrada CC da RF."},
        {"LPextra", "Sobra de potência do modulador sobre a mínima, em W e em % de PaMod."},
        {"LTMPAval", "Se o modulador tem a potência pedida pelo tipo de análise."},
        {"LKz", "Relação de impedâncias Zpp / Zrf."},
        {"LKn", "Relação de espiras Npp / Ns: a raiz da relação de impedâncias."},
        {"LNp1", "Espiras de uma metade do primário (Np/2)."},
        {"LNp2", "Espiras de uma metade do primário (Np/2)."},
        {"LNs", "Espiras do secundário."},
        {"LSfp1", "Fio do primário (AWG)."},
        {"LSfp2", "Fio do primário (AWG)."},
        {"LSfs", "Fio do secundário (AWG)."},
        {"LBcp", "Indução de corrente contínua pela corrente de placa do modulador, em gauss."},
        {"LBcs", "Indução de corrente contínua pela corrente da etapa de RF no secundário, em "
                 "gauss."},
        {"LBc", "Indução de corrente contínua total, em gauss: comparada com Bmax."},
        {"LTMBcAval", "Se a indução de corrente contínua fica abaixo de Bmax."},
        {"LRMInd", "Indutância mínima do reator de modulação (acoplamento RCA), em H."},
        {"LRMCorr", "Corrente contínua que o reator de modulação leva, em mA."},
        {"LCMod", "Capacitância mínima do capacitor de acoplamento, em µF."},
        {"EUserNameTM", "Entre com o nome do utilizador do programa"},
        {"EApplicationTM", "Entre com o nome do transformador ou tipo de aplicação"},

        // Transistor modulator.
        {"EPo", "Potência de áudio pedida ao modulador, em W."},
        {"EFm", "Frequência mínima de áudio, em Hz."},
        {"EVcc", "Tensão de alimentação dos coletores, em V."},
        {"ERo", "Impedância da carga, em ohms; \"Calcula Ro\" a tira de Po e Vcc."},
        {"ERd", "Impedância de saída do driver, em ohms."},
        {"CBIc0", "Corrente de repouso, em % da corrente máxima de coletor (Icm)."},
        {"EBetaQ1Q2min", "Ganho de corrente mínimo (beta) de Q1 e Q2, da folha de dados."},
        {"EBetaQ1Q2max", "Ganho de corrente máximo (beta) de Q1 e Q2, da folha de dados."},
        {"EBetaQ3", "Ganho de corrente (beta) de Q3."},
        {"LRc", "Resistência de carga de coletor (Rc), em ohms."},
        {"LVcm", "Tensão máxima de coletor (Vcm), em V."},
        {"LIcm", "Corrente máxima de coletor (Icm), em A."},
        {"LIdc", "Corrente contínua total tirada da fonte (Idc), em A."},
        {"LPi", "Potência de entrada CC (Pi), em W."},
        {"LNteor", "Eficiência teórica do classe B (Nteor), em %."},
        {"LPdiss", "Potência que cada transistor Q1/Q2 dissipa, em W."},
        {"LVcemax", "Tensão coletor-emissor máxima em Q1/Q2, em V: escolha transistores que a "
                    "suportem com folga."},
        {"LIc0", "Corrente de repouso (Ic0), em A."},
        {"LIb", "Corrente de base de Q1 e Q2 (Ib), em A."},
        {"LI2", "Corrente de base de Q3 (I2), em A."},
        {"LId", "Corrente nos diodos de polarização (Id), em A."},
        {"LI1", "Corrente no resistor R1 (I1), em A."},
        {"LR1", "Resistência de R1, em ohms."},
        {"LPR1", "Potência dissipada em R1, em W."},
        {"LPdrv", "Potência de excitação teórica (Pdrv), em W."},
        {"LRe", "Resistência de emissor, em ohms."},
        {"LNprat", "Eficiência real (Nprat), em %."},
        {"LRBmin", "Resistência de base para o beta mínimo, em ohms."},
        {"LRBmax", "Resistência de base para o beta máximo, em ohms."},
        {"LPdrvmin", "Potência de excitação para o beta mínimo, em W."},
        {"LPdrvmax", "Potência de excitação para o beta máximo, em W."},
        {"LM2N2min", "Relação de espiras do transformador driver (m2/n2) para o beta mínimo."},
        {"LM2N2max", "Relação de espiras do transformador driver (m2/n2) para o beta máximo."},

        // Filter reactor.
        {"ERFLr", "Indutância nominal pedida ao reator (Lr), em H, com a corrente de trabalho."},
        {"ERFIr", "Corrente contínua de trabalho do reator (Ir), em mA: a corrente da carga da "
                  "fonte."},
        {"CBRFBn", "Largura da perna central da lâmina (Bn), em mm."},
        {"CBRFEn", "Altura do empilhamento das lâminas (En), em mm."},
        {"LRFIlim", "Correntes em que o método vale para esta indutância (LI² entre 0,02 e "
                    "10 H·A²)."},
        {"LRFLI2", "Energia do reator: indutância × corrente² (LI²), em H·A²."},
        {"LRFNI", "Ampères-espira (NI) para o entreferro tirados do gráfico de energia."},
        {"LRFNesp", "Espiras do enrolamento: NI dividido pela corrente."},
        {"LRFLI2Aval", "Se LI² está dentro dos gráficos do método."},
        {"LRFSnAval", "Se a seção quadrada pedida fica dentro dos gráficos (até 100 cm²)."},
        {"ERFBnc", "Lado da seção quadrada pedida pela energia, em mm (Bn = En)."},
        {"ERFEnc", "Lado da seção quadrada pedida pela energia, em mm (Bn = En)."},
        {"LRFSn", "Seção quadrada pedida pela energia, em cm²."},
        {"LRFSne", "Seção do núcleo escolhido (Bn × En), em cm²."},
        {"LRFLmag", "Comprimento do circuito magnético da seção calculada, em mm."},
        {"LRFLmage", "Comprimento do circuito magnético do núcleo escolhido, em mm."},
        {"LRFAe", "Entreferro da seção calculada, em mm: a espessura do espaçador em cada junta "
                  "entre os E e os I (a janela Construção mostra as duas juntas somadas)."},
        {"LRFAee", "Entreferro do núcleo escolhido, em mm: a espessura do espaçador em cada junta "
                   "entre os E e os I (a janela Construção mostra as duas juntas somadas)."},
        {"LRFNAval", "Se o núcleo escolhido tem a seção e a largura de perna que a energia pede."},
        {"EUserNameRF", "Entre com o nome do utilizador do programa"},
        {"EApplicationRF", "Entre com o nome do reator ou tipo de aplicação"},
    };
    return t;
}

} // namespace

QString tooltipFor(const QString& control)
{
    const std::string name = control.toStdString();
    if (const auto it = texts().find(name); it != texts().end())
        return QString::fromUtf8(it->second);
    // "EIs3": the text of "EIs" with its number.
    static const QRegularExpression numbered(QStringLiteral("^([A-Za-z]+)([1-6])$"));
    if (const QRegularExpressionMatch m = numbered.match(control); m.hasMatch())
        if (const auto it = texts().find(m.captured(1).toStdString()); it != texts().end()) {
            const QString text = QString::fromUtf8(it->second);
            return text.contains(QLatin1String("%1")) ? text.arg(m.captured(2)) : text;
        }
    return {};
}

void applyTooltips(QWidget* root)
{
    for (QWidget* w : root->findChildren<QWidget*>())
        if (!w->objectName().isEmpty())
            if (const QString tip = tooltipFor(w->objectName()); !tip.isEmpty())
                w->setToolTip(tip);
}

} // namespace kelvora
