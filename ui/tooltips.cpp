#include "tooltips.h"

#include "form_helpers.h"
#include "language.h"

#include <QCoreApplication>
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
        {"EFo", QT_TRANSLATE_NOOP("kelvora", "Frequência da rede, em Hz (50 ou 60). Frequência "
                                             "menor pede mais espiras e "
                                             "núcleo maior.")},
        {"CBTaBmax",
         QT_TRANSLATE_NOOP("kelvora", "Indução máxima de pico no núcleo, em gauss (10000 G = 1 T). "
                                      "Mais alta: menos "
                                      "espiras, mais perda no ferro e mais corrente em vazio.")},
        {"CBTaEff", QT_TRANSLATE_NOOP("kelvora", "Eficiência adotada, em %: a potência do primário "
                                                 "é a dos secundários "
                                                 "dividida por ela.")},
        {"EBn1", QT_TRANSLATE_NOOP("kelvora", "Largura da perna central da lâmina (Bn), em mm.")},
        {"EEn1", QT_TRANSLATE_NOOP("kelvora", "Altura do empilhamento das lâminas (En), em mm. Bn "
                                              "× En é a seção do núcleo.")},
        {"RBNucleoE",
         QT_TRANSLATE_NOOP("kelvora", "Lâminas em E e I: o enrolamento fica na perna central.")},
        {"RBNucleoU",
         QT_TRANSLATE_NOOP("kelvora", "Lâminas em U e I ou U e U: núcleo de duas colunas.")},
        {"CNumPri", QT_TRANSLATE_NOOP("kelvora", "Tipo do primário: simples; duplo (duas metades "
                                                 "iguais, em série para 220 V "
                                                 "ou em paralelo para 110 V); ou com derivação.")},
        {"CNumSec",
         QT_TRANSLATE_NOOP("kelvora", "Quantos secundários o transformador tem (1 a 6).")},
        {"EVp1", QT_TRANSLATE_NOOP("kelvora", "Tensão do primário, em V eficazes. No primário "
                                              "duplo, a de cada metade.")},
        {"EVp2", QT_TRANSLATE_NOOP("kelvora", "Tensão da segunda metade do primário duplo: a mesma "
                                              "da primeira.")},
        {"EVp3", QT_TRANSLATE_NOOP("kelvora", "Tensão do primário do início até a derivação, em V "
                                              "(por exemplo 110 V).")},
        {"EVp4",
         QT_TRANSLATE_NOOP("kelvora", "Tensão do primário inteiro, em V (por exemplo 220 V).")},
        {"EVprim0V", QT_TRANSLATE_NOOP("kelvora", "Início do primário com derivação: 0 V.")},
        {"EVs",
         QT_TRANSLATE_NOOP("kelvora", "Tensão do secundário %1 em carga, em V eficazes. Num "
                                      "enrolamento com derivação "
                                      "central, a do enrolamento inteiro (2 × 375 V: 750 V).")},
        {"EIs", QT_TRANSLATE_NOOP(
                    "kelvora",
                    "Corrente do secundário %1, em mA. Com retificador é a corrente contínua que a "
                    "carga tira (a janela Construção passa à corrente eficaz do fio pela carga "
                    "escolhida); com carga resistiva (filamentos) é a corrente eficaz.")},
        {"LNs", QT_TRANSLATE_NOOP("kelvora", "Espiras do secundário %1.")},
        {"LSs", QT_TRANSLATE_NOOP("kelvora", "Fio do secundário %1 (AWG), pela densidade de "
                                             "corrente Sigma da aba Ajustes.")},
        {"LIprim", QT_TRANSLATE_NOOP("kelvora", "Corrente do primário, em A eficazes.")},
        {"LNprim", QT_TRANSLATE_NOOP("kelvora", "Espiras do primário (com derivação: do início à "
                                                "derivação e da derivação ao "
                                                "fim).")},
        {"LSprim", QT_TRANSLATE_NOOP("kelvora", "Fio do primário (AWG), pela densidade de corrente "
                                                "Sigma da aba Ajustes.")},
        {"LFo", QT_TRANSLATE_NOOP("kelvora", "Frequência usada no cálculo, em Hz.")},
        {"LPas", QT_TRANSLATE_NOOP("kelvora", "Potência aparente dos secundários, em VA: soma de "
                                              "tensão × corrente.")},
        {"LPap", QT_TRANSLATE_NOOP("kelvora", "Potência aparente do primário, em VA: a dos "
                                              "secundários dividida pela "
                                              "eficiência.")},
        {"LSnu", QT_TRANSLATE_NOOP("kelvora", "Seção mínima do núcleo para esta potência e "
                                              "frequência, em cm².")},
        {"LSns", QT_TRANSLATE_NOOP("kelvora", "Seção do núcleo escolhido (Bn × En), em cm².")},
        {"EEnc", QT_TRANSLATE_NOOP("kelvora", "Lado da seção quadrada mínima, em mm (Bn = En).")},
        {"EBnc", QT_TRANSLATE_NOOP("kelvora", "Lado da seção quadrada mínima, em mm (Bn = En).")},
        {"LAlimAval",
         QT_TRANSLATE_NOOP("kelvora", "Se a seção escolhida basta para a potência. Não diz se o "
                                      "enrolamento cabe "
                                      "na janela: veja o resumo da construção ao lado.")},
        {"LVep", QT_TRANSLATE_NOOP("kelvora", "Tensão por espira do primário, em V/espira.")},
        {"LVes", QT_TRANSLATE_NOOP("kelvora", "Tensão por espira dos secundários, em V/espira: "
                                              "menor que a do primário, para "
                                              "cobrir a queda nos enrolamentos.")},
        {"LVsec", QT_TRANSLATE_NOOP("kelvora", "Fator de perdas no secundário: as espiras dos "
                                               "secundários são aumentadas nesse "
                                               "fator para que a tensão em carga seja a digitada "
                                               "(1,064: 6,4 % a mais).")},
        {"EUserNameTA", QT_TRANSLATE_NOOP("kelvora", "Entre com o nome do utilizador do programa")},
        {"EApplicationTA",
         QT_TRANSLATE_NOOP("kelvora", "Entre com o nome do tranformador ou tipo de aplicação")},

        // Valve modulator.
        {"EPaMod", QT_TRANSLATE_NOOP("kelvora", "Potência de áudio do modulador, em W.")},
        {"EFmin", QT_TRANSLATE_NOOP("kelvora", "Frequência mínima de áudio a reproduzir, em Hz: "
                                               "decide a indutância do "
                                               "primário.")},
        {"EEbmod", QT_TRANSLATE_NOOP("kelvora", "Tensão de placa do modulador, em V.")},
        {"EIb0mod", QT_TRANSLATE_NOOP("kelvora", "Corrente de placa do par modulador em repouso "
                                                 "(sem sinal), em mA.")},
        {"EIb1mod", QT_TRANSLATE_NOOP("kelvora", "Corrente de placa do par modulador com sinal "
                                                 "máximo, em mA.")},
        {"EZmod", QT_TRANSLATE_NOOP("kelvora", "Impedância de carga placa a placa (Zpp) do par "
                                               "modulador, em ohms, da folha "
                                               "de dados.")},
        {"EEbrf", QT_TRANSLATE_NOOP("kelvora", "Tensão de placa da etapa de RF modulada, em V.")},
        {"EIbrf",
         QT_TRANSLATE_NOOP("kelvora", "Corrente contínua de placa da etapa de RF, em mA.")},
        {"EBmax", QT_TRANSLATE_NOOP("kelvora", "Indução de corrente contínua máxima permitida no "
                                               "núcleo, em gauss.")},
        {"CBTMBn", QT_TRANSLATE_NOOP("kelvora", "Largura da perna central da lâmina (Bn), em mm.")},
        {"CBTMEn", QT_TRANSLATE_NOOP("kelvora", "Altura do empilhamento das lâminas (En), em mm.")},
        {"RBNormal", QT_TRANSLATE_NOOP("kelvora", "A potência de áudio deve ser pelo menos metade "
                                                  "da entrada CC da etapa de "
                                                  "RF, sem sobra.")},
        {"RBConserv", QT_TRANSLATE_NOOP("kelvora", "Pede mais de 25 % de sobra sobre a potência "
                                                   "mínima de modulação.")},
        {"RBMuitoCons", QT_TRANSLATE_NOOP("kelvora", "Pede mais de 50 % de sobra sobre a potência "
                                                     "mínima de modulação.")},
        {"CBSelTM", QT_TRANSLATE_NOOP("kelvora", "Acoplamento à etapa de RF: convencional (a "
                                                 "corrente contínua da RF passa "
                                                 "pelo secundário) ou reator e capacitor, RCA (a "
                                                 "corrente contínua passa pelo "
                                                 "reator, o áudio pelo capacitor).")},
        {"ImgConvTM",
         QT_TRANSLATE_NOOP("kelvora", "Diagrama do modulador acoplado por transformador.")},
        {"ImgReatorTM",
         QT_TRANSLATE_NOOP("kelvora", "Diagrama do modulador acoplado por reator e capacitor.")},
        {"LCapAcopl1", QT_TRANSLATE_NOOP("kelvora", "Capacitor de acoplamento: passa o áudio e "
                                                    "bloqueia a corrente contínua.")},
        {"LCapAcopl2", QT_TRANSLATE_NOOP("kelvora", "Capacitor de acoplamento: passa o áudio e "
                                                    "bloqueia a corrente contínua.")},
        {"LReatMod1", QT_TRANSLATE_NOOP("kelvora", "Reator de modulação: leva a corrente contínua "
                                                   "da etapa de RF.")},
        {"LReatMod2", QT_TRANSLATE_NOOP("kelvora", "Reator de modulação: leva a corrente contínua "
                                                   "da etapa de RF.")},
        {"LZpl1", QT_TRANSLATE_NOOP(
                      "kelvora",
                      "Impedância de Placa = Zpp/2: metade da impedância placa a placa, escrita em "
                      "cada metade do primário. Em classe B cada placa, quando conduz, vê Zpp/4: a "
                      "metade do primário tem metade das espiras e um quarto da impedância.")},
        {"LZpl2", QT_TRANSLATE_NOOP(
                      "kelvora",
                      "Impedância de Placa = Zpp/2: metade da impedância placa a placa, escrita em "
                      "cada metade do primário. Em classe B cada placa, quando conduz, vê Zpp/4: a "
                      "metade do primário tem metade das espiras e um quarto da impedância.")},
        {"LZrf", QT_TRANSLATE_NOOP("kelvora", "Impedância que a etapa de RF apresenta ao "
                                              "modulador: Ebrf / Ibrf, em ohms.")},
        {"LZrf2", QT_TRANSLATE_NOOP("kelvora", "Impedância que a etapa de RF apresenta ao "
                                               "modulador: Ebrf / Ibrf, em ohms.")},
        {"LSn", QT_TRANSLATE_NOOP("kelvora", "Seção mínima do núcleo, em cm².")},
        {"LSne", QT_TRANSLATE_NOOP("kelvora", "Seção do núcleo escolhido (Bn × En), em cm².")},
        {"ETMEnc", QT_TRANSLATE_NOOP("kelvora", "Lado da seção quadrada mínima, em mm (Bn = En).")},
        {"ETMBnc", QT_TRANSLATE_NOOP("kelvora", "Lado da seção quadrada mínima, em mm (Bn = En).")},
        {"LTMAval", QT_TRANSLATE_NOOP("kelvora", "Se o núcleo escolhido basta.")},
        {"LAe", QT_TRANSLATE_NOOP("kelvora", "Entreferro calculado, em mm: a espessura do "
                                             "espaçador em cada junta entre os E e "
                                             "os I (o fluxo atravessa duas juntas).")},
        {"LPccRF",
         QT_TRANSLATE_NOOP("kelvora", "Potência de entrada CC da etapa de RF: Ebrf × Ibrf, em W.")},
        {"LPMinMod", QT_TRANSLATE_NOOP("kelvora", "Potência mínima de áudio para modular 100 %: "
                                                  "metade da entrada CC da RF.")},
        {"LPextra", QT_TRANSLATE_NOOP("kelvora", "Sobra de potência do modulador sobre a mínima, "
                                                 "em W e em % de PaMod.")},
        {"LTMPAval", QT_TRANSLATE_NOOP("kelvora", "Se o modulador tem a potência pedida pelo tipo "
                                                  "de análise.")},
        {"LKz", QT_TRANSLATE_NOOP("kelvora", "Relação de impedâncias Zpp / Zrf.")},
        {"LKn", QT_TRANSLATE_NOOP("kelvora", "Relação de espiras Npp / Ns: a raiz da relação de "
                                             "impedâncias.")},
        {"LNp1", QT_TRANSLATE_NOOP("kelvora", "Espiras de uma metade do primário (Np/2).")},
        {"LNp2", QT_TRANSLATE_NOOP("kelvora", "Espiras de uma metade do primário (Np/2).")},
        {"LNs", QT_TRANSLATE_NOOP("kelvora", "Espiras do secundário.")},
        {"LSfp1", QT_TRANSLATE_NOOP("kelvora", "Fio do primário (AWG).")},
        {"LSfp2", QT_TRANSLATE_NOOP("kelvora", "Fio do primário (AWG).")},
        {"LSfs", QT_TRANSLATE_NOOP("kelvora", "Fio do secundário (AWG).")},
        {"LBcp", QT_TRANSLATE_NOOP("kelvora", "Indução de corrente contínua pela corrente de placa "
                                              "do modulador, em gauss.")},
        {"LBcs", QT_TRANSLATE_NOOP("kelvora", "Indução de corrente contínua pela corrente da etapa "
                                              "de RF no secundário, em "
                                              "gauss.")},
        {"LBc", QT_TRANSLATE_NOOP("kelvora", "Indução de corrente contínua total, em gauss: "
                                             "comparada com Bmax.")},
        {"LTMBcAval",
         QT_TRANSLATE_NOOP("kelvora", "Se a indução de corrente contínua fica abaixo de Bmax.")},
        {"LRMInd", QT_TRANSLATE_NOOP("kelvora", "Indutância mínima do reator de modulação "
                                                "(acoplamento RCA), em H.")},
        {"LRMCorr",
         QT_TRANSLATE_NOOP("kelvora", "Corrente contínua que o reator de modulação leva, em mA.")},
        {"LCMod",
         QT_TRANSLATE_NOOP("kelvora", "Capacitância mínima do capacitor de acoplamento, em µF.")},
        {"EUserNameTM", QT_TRANSLATE_NOOP("kelvora", "Entre com o nome do utilizador do programa")},
        {"EApplicationTM",
         QT_TRANSLATE_NOOP("kelvora", "Entre com o nome do transformador ou tipo de aplicação")},

        // Transistor modulator.
        {"EPo", QT_TRANSLATE_NOOP("kelvora", "Potência de áudio pedida ao modulador, em W.")},
        {"EFm", QT_TRANSLATE_NOOP("kelvora", "Frequência mínima de áudio, em Hz.")},
        {"EVcc", QT_TRANSLATE_NOOP("kelvora", "Tensão de alimentação dos coletores, em V.")},
        {"ERo", QT_TRANSLATE_NOOP("kelvora", "Impedância da carga, em ohms; \"Calcula Ro\" a tira "
                                             "de Po e Vcc.")},
        {"ERd", QT_TRANSLATE_NOOP("kelvora", "Impedância de saída do driver, em ohms.")},
        {"CBIc0", QT_TRANSLATE_NOOP("kelvora", "Corrente de repouso, em % da corrente máxima de "
                                               "coletor (Icm).")},
        {"EBetaQ1Q2min", QT_TRANSLATE_NOOP("kelvora", "Ganho de corrente mínimo (beta) de Q1 e Q2, "
                                                      "da folha de dados.")},
        {"EBetaQ1Q2max", QT_TRANSLATE_NOOP("kelvora", "Ganho de corrente máximo (beta) de Q1 e Q2, "
                                                      "da folha de dados.")},
        {"EBetaQ3", QT_TRANSLATE_NOOP("kelvora", "Ganho de corrente (beta) de Q3.")},
        {"LRc", QT_TRANSLATE_NOOP("kelvora", "Resistência de carga de coletor (Rc), em ohms.")},
        {"LVcm", QT_TRANSLATE_NOOP("kelvora", "Tensão máxima de coletor (Vcm), em V.")},
        {"LIcm", QT_TRANSLATE_NOOP("kelvora", "Corrente máxima de coletor (Icm), em A.")},
        {"LIdc",
         QT_TRANSLATE_NOOP("kelvora", "Corrente contínua total tirada da fonte (Idc), em A.")},
        {"LPi", QT_TRANSLATE_NOOP("kelvora", "Potência de entrada CC (Pi), em W.")},
        {"LNteor", QT_TRANSLATE_NOOP("kelvora", "Eficiência teórica do classe B (Nteor), em %.")},
        {"LPdiss",
         QT_TRANSLATE_NOOP("kelvora", "Potência que cada transistor Q1/Q2 dissipa, em W.")},
        {"LVcemax", QT_TRANSLATE_NOOP("kelvora", "Tensão coletor-emissor máxima em Q1/Q2, em V: "
                                                 "escolha transistores que a "
                                                 "suportem com folga.")},
        {"LIc0", QT_TRANSLATE_NOOP("kelvora", "Corrente de repouso (Ic0), em A.")},
        {"LIb", QT_TRANSLATE_NOOP("kelvora", "Corrente de base de Q1 e Q2 (Ib), em A.")},
        {"LI2", QT_TRANSLATE_NOOP("kelvora", "Corrente de base de Q3 (I2), em A.")},
        {"LId", QT_TRANSLATE_NOOP("kelvora", "Corrente nos diodos de polarização (Id), em A.")},
        {"LI1", QT_TRANSLATE_NOOP("kelvora", "Corrente no resistor R1 (I1), em A.")},
        {"LR1", QT_TRANSLATE_NOOP("kelvora", "Resistência de R1, em ohms.")},
        {"LPR1", QT_TRANSLATE_NOOP("kelvora", "Potência dissipada em R1, em W.")},
        {"LPdrv", QT_TRANSLATE_NOOP("kelvora", "Potência de excitação teórica (Pdrv), em W.")},
        {"LRe", QT_TRANSLATE_NOOP("kelvora", "Resistência de emissor, em ohms.")},
        {"LNprat", QT_TRANSLATE_NOOP("kelvora", "Eficiência real (Nprat), em %.")},
        {"LRBmin",
         QT_TRANSLATE_NOOP("kelvora", "Resistência de base para o beta mínimo, em ohms.")},
        {"LRBmax",
         QT_TRANSLATE_NOOP("kelvora", "Resistência de base para o beta máximo, em ohms.")},
        {"LPdrvmin",
         QT_TRANSLATE_NOOP("kelvora", "Potência de excitação para o beta mínimo, em W.")},
        {"LPdrvmax",
         QT_TRANSLATE_NOOP("kelvora", "Potência de excitação para o beta máximo, em W.")},
        {"LM2N2min", QT_TRANSLATE_NOOP("kelvora", "Relação de espiras do transformador driver "
                                                  "(m2/n2) para o beta mínimo.")},
        {"LM2N2max", QT_TRANSLATE_NOOP("kelvora", "Relação de espiras do transformador driver "
                                                  "(m2/n2) para o beta máximo.")},

        // Filter reactor.
        {"ERFLr", QT_TRANSLATE_NOOP("kelvora", "Indutância nominal pedida ao reator (Lr), em H, "
                                               "com a corrente de trabalho.")},
        {"ERFIr", QT_TRANSLATE_NOOP("kelvora", "Corrente contínua de trabalho do reator (Ir), em "
                                               "mA: a corrente da carga da "
                                               "fonte.")},
        {"CBRFBn", QT_TRANSLATE_NOOP("kelvora", "Largura da perna central da lâmina (Bn), em mm.")},
        {"CBRFEn", QT_TRANSLATE_NOOP("kelvora", "Altura do empilhamento das lâminas (En), em mm.")},
        {"LRFIlim", QT_TRANSLATE_NOOP("kelvora", "Correntes em que o método vale para esta "
                                                 "indutância (LI² entre 0,02 e "
                                                 "10 H·A²).")},
        {"LRFLI2",
         QT_TRANSLATE_NOOP("kelvora", "Energia do reator: indutância × corrente² (LI²), em H·A².")},
        {"LRFNI", QT_TRANSLATE_NOOP("kelvora", "Ampères-espira (NI) para o entreferro tirados do "
                                               "gráfico de energia.")},
        {"LRFNesp",
         QT_TRANSLATE_NOOP("kelvora", "Espiras do enrolamento: NI dividido pela corrente.")},
        {"LRFLI2Aval", QT_TRANSLATE_NOOP("kelvora", "Se LI² está dentro dos gráficos do método.")},
        {"LRFSnAval", QT_TRANSLATE_NOOP("kelvora", "Se a seção quadrada pedida fica dentro dos "
                                                   "gráficos (até 100 cm²).")},
        {"ERFBnc", QT_TRANSLATE_NOOP("kelvora", "Lado da seção quadrada pedida pela energia, em mm "
                                                "(Bn = En).")},
        {"ERFEnc", QT_TRANSLATE_NOOP("kelvora", "Lado da seção quadrada pedida pela energia, em mm "
                                                "(Bn = En).")},
        {"LRFSn", QT_TRANSLATE_NOOP("kelvora", "Seção quadrada pedida pela energia, em cm².")},
        {"LRFSne", QT_TRANSLATE_NOOP("kelvora", "Seção do núcleo escolhido (Bn × En), em cm².")},
        {"LRFLmag", QT_TRANSLATE_NOOP("kelvora", "Comprimento do circuito magnético da seção "
                                                 "calculada, em mm.")},
        {"LRFLmage", QT_TRANSLATE_NOOP("kelvora", "Comprimento do circuito magnético do núcleo "
                                                  "escolhido, em mm.")},
        {"LRFAe", QT_TRANSLATE_NOOP("kelvora", "Entreferro da seção calculada, em mm: a espessura "
                                               "do espaçador em cada junta "
                                               "entre os E e os I (a janela Construção mostra as "
                                               "duas juntas somadas).")},
        {"LRFAee", QT_TRANSLATE_NOOP("kelvora", "Entreferro do núcleo escolhido, em mm: a "
                                                "espessura do espaçador em cada junta "
                                                "entre os E e os I (a janela Construção mostra as "
                                                "duas juntas somadas).")},
        {"LRFNAval", QT_TRANSLATE_NOOP("kelvora", "Se o núcleo escolhido tem a seção e a largura "
                                                  "de perna que a energia pede.")},
        {"EUserNameRF", QT_TRANSLATE_NOOP("kelvora", "Entre com o nome do utilizador do programa")},
        {"EApplicationRF",
         QT_TRANSLATE_NOOP("kelvora", "Entre com o nome do reator ou tipo de aplicação")},
    };
    return t;
}

} // namespace

QString tooltipFor(const QString& control)
{
    const std::string name = control.toStdString();
    if (const auto it = texts().find(name); it != texts().end())
        return trNow(it->second);
    // "EIs3": the text of "EIs" with its number.
    static const QRegularExpression numbered(QStringLiteral("^([A-Za-z]+)([1-6])$"));
    if (const QRegularExpressionMatch m = numbered.match(control); m.hasMatch())
        if (const auto it = texts().find(m.captured(1).toStdString()); it != texts().end()) {
            const QString text = trNow(it->second);
            return text.contains(QLatin1String("%1")) ? text.arg(m.captured(2)) : text;
        }
    return {};
}

void applyTooltips(QWidget* root)
{
    for (QWidget* w : root->findChildren<QWidget*>())
        if (!w->objectName().isEmpty())
            if (const QString tip = tooltipFor(w->objectName()); !tip.isEmpty()) {
                w->setToolTip(tip);
                w->setProperty(kTableTooltip, true);
            }
}

void retranslateTooltips(QWidget* root)
{
    for (QWidget* w : root->findChildren<QWidget*>())
        if (w->property(kTableTooltip).toBool())
            w->setToolTip(tooltipFor(w->objectName()));
}

} // namespace kelvora
