#include "winding_sheet.h"

#include "shown_text.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace kelvora {

using namespace construction;

const std::vector<ConstrucaoSettingText>& construcaoSettingTexts()
{
    static const std::vector<ConstrucaoSettingText> texts = [] {
        std::vector<ConstrucaoSettingText> v = {
            {"CBCoProjeto", KELVORA_SHOWN("kelvora::TFConstrucao", "Espiras enroladas:"), "",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Para o núcleo escolhido: espiras (e entreferros) "
                           "projetadas para o núcleo da aba. "
                           "Espiras da aba: as espiras que a aba calculou.")},
            {"CBCoAco", KELVORA_SHOWN("kelvora::TFConstrucao", "Aço das lâminas:"), "",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Grau do aço (perda garantida a 1,5 T e 50 Hz). "
                           "M800-50A para lâminas antigas "
                           "ou de origem desconhecida.")},
            {"ECoEmpil", KELVORA_SHOWN("kelvora::TFConstrucao", "Fator de empilhamento:"), "",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Fração da altura da pilha que é ferro (ks). Usual 0,90 "
                           "a 0,97; válido de 0,5 a 1.")},
            {"ECoFatorPerdas",
             KELVORA_SHOWN("kelvora::TFConstrucao", "Fator de construção das perdas:"), "",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Aumento da perda no ferro pelo corte e pela montagem "
                           "(kbf). Usual 1,1 a 1,5; "
                           "válido de 1 a 3.")},
            {"CBCoGrauFio", KELVORA_SHOWN("kelvora::TFConstrucao", "Grau do esmalte do fio:"), "",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "1: esmalte simples; 2: esmalte duplo (o mais comum). "
                           "Decide o diâmetro total "
                           "do fio.")},
            {"ECoParede", KELVORA_SHOWN("kelvora::TFConstrucao", "Parede do carretel:"), "mm",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Espessura do tubo do carretel sobre a perna central. "
                           "Usual 0,5 a 2 mm; válido de "
                           "0 a 10 mm.")},
            {"ECoAba", KELVORA_SHOWN("kelvora::TFConstrucao", "Aba do carretel:"), "mm",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Espessura de cada aba do carretel. Usual 0,5 a 2 mm; "
                           "válido de 0 a 10 mm.")},
            {"ECoMargem", KELVORA_SHOWN("kelvora::TFConstrucao", "Margem em cada ponta da camada:"),
             "mm",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Espaço sem fio em cada ponta de cada camada, para a "
                           "isolação. Usual 0 a 3 mm; "
                           "válido de 0 a 20 mm.")},
            {"ECoIsolCamada", KELVORA_SHOWN("kelvora::TFConstrucao", "Isolação entre camadas:"),
             "mm",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Espessura do papel ou da fita entre duas camadas. "
                           "Usual 0,03 a 0,1 mm; válido de "
                           "0 a 2 mm.")},
            {"ECoIsolEnrol",
             KELVORA_SHOWN("kelvora::TFConstrucao", "Isolação sobre cada enrolamento:"), "mm",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Espessura da fita posta sobre cada enrolamento. Usual "
                           "0,1 a 0,5 mm; válido de "
                           "0 a 5 mm.")},
            {"ECoFatorEnrol", KELVORA_SHOWN("kelvora::TFConstrucao", "Fator de enrolamento:"), "",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Passo de uma espira sobre o diâmetro do fio (klay). "
                           "Usual 1,05 a 1,15; válido "
                           "de 1 a 2.")},
            {"ECoAbaulamento", KELVORA_SHOWN("kelvora::TFConstrucao", "Fator de abaulamento:"), "",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Quanto a bobina fica mais grossa que a soma das "
                           "camadas (kb). Usual 1,05 a 1,2; "
                           "válido de 1 a 2.")},
            {"ECoFolga", KELVORA_SHOWN("kelvora::TFConstrucao", "Folga entre bobina e núcleo:"),
             "mm",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Espaço livre entre a bobina pronta e o núcleo. Usual "
                           "0,5 a 1 mm; válido de "
                           "0 a 10 mm.")},
            {"ECoTamb", KELVORA_SHOWN("kelvora::TFConstrucao", "Temperatura ambiente:"), "°C",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Temperatura do ar em volta da peça. Usual 25 a 40 °C; "
                           "válido de -40 a 100 °C.")},
            {"CBCoClasse", KELVORA_SHOWN("kelvora::TFConstrucao", "Classe de isolação:"), "",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Temperatura máxima do ponto mais quente que a isolação suporta.")},
            {"ECoMur", KELVORA_SHOWN("kelvora::TFConstrucao", "Permeabilidade relativa do aço:"),
             "",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Permeabilidade relativa do aço nas induções de "
                           "trabalho. Usual 2000 a 8000; "
                           "válido de 100 a 100000.")},
            {"CBCoCorrRet", KELVORA_SHOWN("kelvora::TFConstrucao", "Corrente dos retificadores:"),
             "",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Da simulação: um secundário simulado na janela Fonte "
                           "leva a corrente rms que a "
                           "simulação do retificador dá; do fator fixo: a corrente "
                           "da carga pelo fator do "
                           "tipo de carga.")},
            {"ECoBdcMax", KELVORA_SHOWN("kelvora::TFConstrucao", "Indução CC máxima do reator:"),
             "Gauss",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Maior indução de corrente contínua de um reator sem "
                           "saturar. Usual 10000 a "
                           "14000 Gauss; válido de 1000 a 20000 Gauss.")},
            {"ECoUIJanela", KELVORA_SHOWN("kelvora::TFConstrucao", "Largura da janela do U/I (c):"),
             "mm",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Largura da janela entre as duas pernas do U. Vazio: "
                           "proporção sem retalho, em "
                           "que o I sai da janela do U (c = a, a largura da "
                           "perna); válido de 1 a 1000 mm.")},
            {"ECoUIAltura", KELVORA_SHOWN("kelvora::TFConstrucao", "Altura da janela do U/I (h):"),
             "mm",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Altura da janela, do fundo do U ao I. Vazio: proporção "
                           "sem retalho, em que o I "
                           "sai da janela do U (h = 3a); válido de 1 a 1000 mm.")},
            {"ECoBdcProjeto",
             KELVORA_SHOWN("kelvora::TFConstrucao", "Indução CC de projeto do reator:"), "Gauss",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Indução de corrente contínua para a qual o reator é "
                           "projetado, abaixo da máxima "
                           "para deixar lugar à ondulação. Usual 6000 a 9000 "
                           "Gauss; válido de 1000 a 20000 "
                           "Gauss.")},
            {"ECoRegMax", KELVORA_SHOWN("kelvora::TFConstrucao", "Regulação máxima:"), "%",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Maior regulação aceita num secundário. Transformadores pequenos: 4 a "
                           "12 % na alta "
                           "tensão, até 15 % nos filamentos; válido de 0 a 100 %.")},
            {"ECoTolRede", KELVORA_SHOWN("kelvora::TFConstrucao", "Tolerância da rede:"), "%",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Quanto a tensão da rede pode subir acima da nominal (EN 50160: 10 %; "
                           "no Brasil, "
                           "133 V em 127 V e 231 V em 220 V). Válido de 0 a 30 %.")},
            {"ECoJunta",
             KELVORA_SHOWN("kelvora::TFConstrucao", "Entreferro equivalente de cada junta:"), "mm",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Folga de ar que cada junta E-I equivale. Lâminas topo "
                           "a topo: 0,013 a 0,025 mm; "
                           "intercaladas: menos. Válido de 0 a 1 mm.")},
            {"ECoImagMax", KELVORA_SHOWN("kelvora::TFConstrucao", "Corrente em vazio máxima:"), "%",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Maior corrente em vazio na rede alta, em % da corrente "
                           "do primário a plena carga. "
                           "Válido de 1 a 100 %.")},
            {"CBCoIsolacao",
             KELVORA_SHOWN("kelvora::TFConstrucao", "Isolação entre primário e secundários:"), "",
             KELVORA_SHOWN("kelvora::TFConstrucao",
                           "Básica, ou reforçada (dupla) quando o secundário é "
                           "acessível ao usuário.")},
        };
        static const char* const loads[6][2] = {
            {"CBCoRet1", KELVORA_SHOWN("kelvora::TFConstrucao", "Carga do secundário 1:")},
            {"CBCoRet2", KELVORA_SHOWN("kelvora::TFConstrucao", "Carga do secundário 2:")},
            {"CBCoRet3", KELVORA_SHOWN("kelvora::TFConstrucao", "Carga do secundário 3:")},
            {"CBCoRet4", KELVORA_SHOWN("kelvora::TFConstrucao", "Carga do secundário 4:")},
            {"CBCoRet5", KELVORA_SHOWN("kelvora::TFConstrucao", "Carga do secundário 5:")},
            {"CBCoRet6", KELVORA_SHOWN("kelvora::TFConstrucao", "Carga do secundário 6:")},
        };
        for (const auto& l : loads)
            v.push_back(
                {l[0], l[1], "",
                 KELVORA_SHOWN("kelvora::TFConstrucao", "O que o secundário alimenta. Com "
                                                        "retificador, a corrente digitada na "
                                                        "aba é a corrente contínua da carga.")});
        // The builder's gauges are edited in the windings table, not in the group.
        return v;
    }();
    return texts;
}

namespace {

class Writer {
public:
    explicit Writer(char separator) : sep_(separator) {}

    std::string num(double v, int decimals) const { return fixed(v, 15, decimals, sep_); }
    void line(std::string_view s = {})
    {
        out_ += s;
        out_ += '\n';
    }
    void heading(std::string_view title)
    {
        line();
        line(title);
    }
    std::string take() { return std::move(out_); }

private:
    char sep_;
    std::string out_;
};

bool isLoad(std::string_view name) { return name.rfind("CBCoRet", 0) == 0; }

// The setting as the analysis used it: the typed text, or the default that stood in for it.
std::string settingText(const Sheet& settings, const char* name)
{
    const Control& c = settings[name];
    const ControlSpec& spec = settings.spec(name);
    if (spec.kind == Kind::List)
        return c.itemIndex >= 0 && c.itemIndex < int(spec.items.size()) ? spec.items[c.itemIndex]
                                                                        : spec.text;
    if (c.substituted)
        return spec.text;
    const auto first = c.text.find_first_not_of(' ');
    const auto last = c.text.find_last_not_of(' ');
    return first == std::string::npos ? spec.text : c.text.substr(first, last - first + 1);
}

// The stable key of a list setting's item (of its default when none is chosen).
std::string_view settingKey(const Sheet& settings, const char* name)
{
    const Control& c = settings[name];
    const ControlSpec& spec = settings.spec(name);
    const bool chosen = c.itemIndex >= 0 && c.itemIndex < int(spec.items.size());
    return itemKey(spec, chosen ? c.itemIndex : itemIndexOf(spec, spec.text));
}

bool settingApplies(const ConstrucaoSettingText& t, PartType part, CoreFamily family,
                    int activeSecondaries, const Sheet& settings)
{
    const std::string_view name = t.name;
    if (isLoad(name))
        return part == PartType::MainsTransformer && name.back() - '0' <= activeSecondaries;
    if (name == "ECoMur")
        return part != PartType::MainsTransformer;
    if (name == "ECoBdcMax")
        return part == PartType::Choke;
    if (name == "ECoUIJanela" || name == "ECoUIAltura")
        return family == CoreFamily::UI;
    if (name == "ECoBdcProjeto")
        return part == PartType::Choke && settingKey(settings, "CBCoProjeto") != "tab-turns";
    if (name == "ECoRegMax")
        return part == PartType::MainsTransformer;
    if (name == "ECoTolRede" || name == "ECoJunta" || name == "ECoImagMax"
        || name == "CBCoIsolacao")
        return part == PartType::MainsTransformer;
    if (name == "CBCoCorrRet") // each winding's line says where its current came from
        return false;
    return true;
}

bool isUIWindow(std::string_view name) { return name == "ECoUIJanela" || name == "ECoUIAltura"; }

// "4 (a última com 23 espiras)": the layers of one coil's share of a winding.
std::string layersText(double turnsD, double perLayerD, double layersD)
{
    const long turns = std::lround(turnsD), perLayer = std::lround(perLayerD);
    const long layers = std::lround(layersD);
    std::string t = std::to_string(layers);
    if (const long last = turns - (layers - 1) * perLayer; layers > 1 && last != perLayer)
        t += " (a última com " + std::to_string(last) + " espiras)";
    return t;
}

void writeWinding(Writer& w, int index, const Winding& wd, const Sheet& settings)
{
    w.line("  " + std::to_string(index) + ". " + wd.name);
    if (wd.turns <= 0) {
        w.line("     Espiras: 0 (não se enrola)");
        return;
    }
    const long turns = std::lround(wd.turns);
    const long perLayer = std::lround(wd.turnsPerLayer);
    const long layers = std::lround(wd.layers);
    const bool legs = wd.legs.size() == 2;
    auto legTurns = [&](int k) {
        return std::to_string(std::lround(wd.legs[std::size_t(k)].turns));
    };
    std::string turnsLine = "     Espiras: " + std::to_string(turns);
    if (legs && wd.legs[0].turns == wd.legs[1].turns)
        turnsLine += " no total, " + legTurns(0) + " na bobina de cada perna";
    else if (legs)
        turnsLine += " no total, " + legTurns(0) + " na bobina da perna 1 e " + legTurns(1)
                     + " na da perna 2";
    if (wd.turnsTab)
        turnsLine += " (a aba calculou " + w.num(*wd.turnsTab, 1) + ")";
    w.line(turnsLine);
    w.line("     Fio: AWG " + std::to_string(wd.awg) + ", esmalte grau "
           + settingText(settings, "CBCoGrauFio") + " (Ø nu " + w.num(wd.dBareMm, 3)
           + " mm, Ø total " + w.num(wd.dOverMm, 3) + " mm)");
    w.line("     Espiras por camada: " + std::to_string(perLayer));
    if (!legs) {
        w.line("     Camadas: " + layersText(wd.turns, wd.turnsPerLayer, wd.layers));
    } else {
        const std::string one = layersText(wd.legs[0].turns, wd.turnsPerLayer, wd.legs[0].layers);
        const std::string two = layersText(wd.legs[1].turns, wd.turnsPerLayer, wd.legs[1].layers);
        if (one == two)
            w.line("     Camadas em cada bobina: " + one);
        else
            w.line("     Camadas: " + one + " na perna 1; " + two + " na perna 2");
    }
    if (layers > 1)
        w.line("     Entre as camadas: isolação de " + settingText(settings, "ECoIsolCamada")
               + " mm");
    w.line("     Depois do enrolamento: isolação de " + settingText(settings, "ECoIsolEnrol")
           + " mm");
    w.line("     Altura: " + w.num(wd.buildMm, 2) + (legs ? " mm (perna 1)" : " mm")
           + "; fio: " + w.num(wd.lengthM, 2) + (legs ? " m (as duas metades)" : " m")
           + "; R a 20 °C: " + w.num(wd.r20Ohm, 3) + " ohms");
    std::string electrical = "     Corrente: " + w.num(wd.iRmsA, 3) + " A rms ("
                             + w.num(wd.jAmm2, 2) + " A/mm²)"
                             + (wd.simulatedCurrent ? " (da simulação do retificador)" : "")
                             + "; perda: " + w.num(wd.pcuW, 2) + " W";
    if (wd.vNl && wd.vFl) {
        electrical += "; tensão em vazio " + w.num(*wd.vNl, 1) + " V, em carga " + w.num(*wd.vFl, 1)
                      + " V";
        if (wd.regulationPct)
            electrical += " (regulação " + w.num(*wd.regulationPct, 1) + " %)";
    }
    w.line(electrical);
}

// How the U/I's two coils are wound and joined, so that the halves of each
// winding add: the flux runs up one leg and down the other, so two coils wound
// alike must carry their current in opposite senses.
void writeLegConnection(Writer& w)
{
    w.heading("Ligação das duas bobinas (núcleo U/I)");
    for (const char* l : {
             "  Cada perna leva uma bobina com metade das espiras de cada enrolamento, na ordem",
             "  acima. Enrole as duas bobinas no mesmo sentido, começando pela mesma aba, e",
             "  ponha-as nas pernas na mesma posição. Ligue as metades de cada enrolamento em",
             "  série: o fim da metade da perna 1 ao fim da metade da perna 2; os dois começos",
             "  são os terminais do enrolamento. Assim os fluxos das duas pernas se somam.",
             "  Confira antes do uso: ligue o primário pela primeira vez através de uma lâmpada",
             "  em série. Com uma metade do primário invertida a lâmpada acende forte; com uma",
             "  metade de um secundário invertida ele dá quase zero volt.",
         })
        w.line(l);
}

// How the halves of a "Duplo" primary are joined, and where the centre tap of
// a secondary for a centre-tapped rectifier is.
void writeJoints(Writer& w, const Analysis& a, const Sheet& settings)
{
    std::vector<std::string> lines;
    const auto halves = std::count_if(a.windings.begin(), a.windings.end(), [](const Winding& x) {
        return x.role == WindingRole::PrimaryHalf;
    });
    if (a.part == PartType::MainsTransformer && halves == 2) {
        lines.push_back("Primário 1 e Primário 2: enrole as duas metades no mesmo sentido.");
        lines.push_back("  Em paralelo (início do 1 com início do 2, fim do 1 com fim do 2) para a "
                        "tensão de uma metade;");
        lines.push_back("  em série (fim do 1 com início do 2) para o dobro dela.");
    }
    for (int k = 1; k <= 6 && a.part == PartType::MainsTransformer; ++k) {
        const std::string_view load = settingKey(settings, ("CBCoRet" + std::to_string(k)).c_str());
        const auto s = std::find_if(a.windings.begin(), a.windings.end(), [k](const Winding& x) {
            return x.role == WindingRole::Secondary && x.number == k;
        });
        if (load.rfind("full-wave-ct", 0) != 0 || s == a.windings.end() || !(s->turns > 0))
            continue;
        const long n = std::lround(s->turns), first = (n + 1) / 2;
        std::string l = "Secundário " + std::to_string(k) + ": derivação central ao fim da espira "
                        + std::to_string(first) + " (metades de " + std::to_string(first);
        l += first == n - first ? " espiras)" : " e " + std::to_string(n - first) + " espiras)";
        lines.push_back(l + "; a derivação vai ao retorno da fonte, as pontas aos retificadores.");
    }
    if (lines.empty())
        return;
    w.heading("Ligações");
    for (const std::string& l : lines)
        w.line("  " + l);
}

// The fuse to fit, the current to expect with no load, and the insulation
// test and distances between the primary and each secondary.
void writeMains(Writer& w, const MainsChecks& m, const Analysis& a, char separator)
{
    w.heading("Rede e isolação");
    w.line("  " + fuseText(m, separator) + (m.halves ? " (primários em paralelo)" : ""));
    if (m.halves) {
        const std::string series = m.fuseSeriesA ? general(*m.fuseSeriesA, separator) + " A"
                                                 : "acima de 16 A";
        w.line("  Com os primários em série: " + series + " retardado");
    }
    w.line("  Corrente em vazio esperada: " + w.num(m.iMagA, 3) + " A em "
           + w.num(a.primaryVolts, 1) + " V; " + w.num(m.iMagHighA, 3) + " A na rede alta (+"
           + w.num(m.tolerancePct, 1) + " %)");
    for (const std::string& note : m.notes)
        w.line("  Nota: " + note);
    if (m.insulation.empty())
        return;
    w.line(std::string("  Isolação ") + (m.reinforced ? "reforçada" : "básica") + ": "
           + Iec61558Note);
    for (const InsulationRow& r : m.insulation) {
        w.line("  " + r.secondary + " (tensão de trabalho " + w.num(r.workingV, 1) + " V):");
        if (r.aboveTable) {
            w.line("     Acima da tabela: confira na norma");
            continue;
        }
        w.line("     Ensaio: " + w.num(r.testV, 0) + " V por um minuto entre o primário e o "
               + r.secondary);
        w.line("     Distâncias mínimas: " + w.num(r.clearanceMm, 1) + " mm no ar, "
               + w.num(r.creepageMm, 1) + " mm de escoamento");
        if (r.throughMm)
            w.line("     Isolação entre eles: ao menos " + w.num(*r.throughMm, 2)
                   + " mm (camadas finas)");
    }
}

void writeFigures(Writer& w, const Analysis& a)
{
    w.heading("Resultados");
    w.line("  Altura da bobina: " + w.num(a.buildMm, 2)
           + " mm; ocupação da janela: " + w.num(a.fillPct, 1) + " %");
    // Only the power transformer's iron loss is modelled.
    const std::string pfe = a.part == PartType::MainsTransformer ? w.num(a.pfeW, 2) + " W"
                                                                 : std::string("não calculada");
    w.line("  Perda no ferro: " + pfe + "; perda no cobre: " + w.num(a.pcuW, 2) + " W");
    w.line("  Dissipação: " + w.num(a.psiWcm2, 4) + " W/cm² em " + w.num(a.areaCm2, 1) + " cm²");
    w.line("  Elevação de temperatura: " + w.num(a.dtK, 1) + " K; cobre a " + w.num(a.tHotC, 1)
           + " °C");
    switch (a.part) {
    case PartType::MainsTransformer:
        w.line("  Indução real: " + w.num(a.bPeakGauss, 0)
               + " Gauss; rendimento: " + w.num(a.efficiencyPct, 1) + " %");
        break;
    case PartType::DcTransformer:
        w.line("  Entreferro magnético: " + w.num(a.gapMm, 3) + " mm");
        w.line("  Indutância do primário: " + w.num(a.lpH, 2)
               + " H; reatância em Fmin: " + w.num(a.xpOhm, 0) + " ohms");
        w.line("  Indução CA: " + w.num(a.bAcGauss, 0)
               + " Gauss; indução CC: " + w.num(a.bDcGauss, 0) + " Gauss");
        break;
    case PartType::Choke:
        w.line("  Entreferro magnético: " + w.num(a.gapMm, 3) + " mm");
        w.line("  Indutância: " + w.num(a.lH, 2) + " H; indução CC: " + w.num(a.bDcGauss, 0)
               + " Gauss");
        break;
    }
    w.line("  Pesos: ferro " + w.num(a.mFeG, 0) + " g, cobre " + w.num(a.mCuG, 0) + " g, total "
           + w.num(a.mTotalG, 0) + " g");
    w.heading("Avaliação");
    for (const Verdict& v : a.verdicts) {
        // The sheet's code page has no "≥".
        std::string text = v.text;
        if (const auto at = text.find("≥"); at != std::string::npos)
            text.replace(at, std::string_view("≥").size(), ">=");
        w.line(std::string("  [") + (v.good ? "ok" : "!!") + "] " + text);
    }
}

} // namespace

std::string windingSheetText(std::string_view caption, const Analysis& analysis,
                             const SheetCore& core, const Sheet& settings, int activeSecondaries,
                             const Settings& cfg)
{
    Writer w(cfg.decimalSeparator);
    const std::string title = std::string("Folha de enrolamento - ") + std::string(caption);
    w.line(title);
    std::size_t chars = 0; // characters, not UTF-8 bytes
    for (unsigned char c : title)
        chars += (c & 0xC0) != 0x80;
    w.line(std::string(chars, '='));

    w.heading("Núcleo");
    const LaminationGeometry g = geometryOf(core);
    if (core.family == CoreFamily::UI) {
        w.line("  Lâminas U/I: largura das pernas (Bn) " + w.num(core.a, 2)
               + " mm, empilhamento (En) " + w.num(core.b, 2) + " mm");
        std::string window = "  Janela: " + w.num(g.windowWidth, 2) + " x "
                             + w.num(g.windowHeight, 2) + " mm";
        if (core.c == core.a && core.h == 3 * core.a)
            window += " (proporção sem retalho)";
        w.line(window);
        w.line("  Uma bobina em cada perna, cada uma com metade de cada enrolamento");
    } else {
        w.line("  Lâminas E/I sem retalho: perna central (Bn) " + w.num(core.a, 2)
               + " mm, empilhamento (En) " + w.num(core.b, 2) + " mm");
        w.line("  Janela: " + w.num(g.windowWidth, 2) + " x " + w.num(g.windowHeight, 2) + " mm");
    }

    w.heading("Ajustes da construção");
    for (const ConstrucaoSettingText& t : construcaoSettingTexts()) {
        if (!settingApplies(t, analysis.part, core.family, activeSecondaries, settings))
            continue;
        std::string value = settingText(settings, t.name);
        const bool scrapless = isUIWindow(t.name) && value.empty();
        std::string l = std::string("  ") + t.caption + " "
                        + (scrapless ? "vazio (proporção sem retalho)" : value);
        if (*t.unit && !scrapless)
            l += std::string(" ") + t.unit;
        w.line(l);
    }

    if (analysis.error) {
        w.heading("Erro");
        w.line("  " + *analysis.error);
        return w.take();
    }
    w.heading("Enrolamentos, do carretel para fora");
    int index = 1;
    for (const Winding& wd : analysis.windings)
        writeWinding(w, index++, wd, settings);
    if (core.family == CoreFamily::UI)
        writeLegConnection(w);
    writeJoints(w, analysis, settings);
    if (analysis.part != PartType::MainsTransformer) {
        w.heading("Montagem do núcleo");
        w.line("  " + stackingText(analysis, cfg.decimalSeparator));
    }
    if (!analysis.notes.empty()) {
        w.heading("Notas");
        for (const std::string& note : analysis.notes)
            w.line("  " + note);
    }
    if (analysis.mains)
        writeMains(w, *analysis.mains, analysis, cfg.decimalSeparator);
    writeFigures(w, analysis);
    return w.take();
}

std::optional<std::string> windingSheetRefusal(const construction::Analysis& analysis)
{
    if (!analysis.error)
        return std::nullopt;
    return "A folha de enrolamento não foi gravada: a análise da construção terminou com erro ("
           + *analysis.error + ")";
}

} // namespace kelvora
