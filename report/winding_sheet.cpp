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
    Writer(char separator, const Translator& tr) : sep_(separator), tr_(tr) {}

    std::string num(double v, int decimals) const { return fixed(v, 15, decimals, sep_); }
    // A message in the sheet's language.
    std::string t(Words w, std::vector<std::string> args = {}) const
    {
        return tr_(say(w, std::move(args)));
    }
    std::string t(const ShownText& m) const { return tr_(m); }
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
    const Translator& tr_;
    std::string out_;
};

// An analysis's text: its message in the sheet's language, or the text as it
// is where it has none.
std::string shown(const Writer& w, const ShownText& m, const std::string& text)
{
    return m.empty() ? text : w.t(m);
}

bool isLoad(std::string_view name) { return name.rfind("CBCoRet", 0) == 0; }

// The setting as the analysis used it: the typed text, or the default that
// stood in for it; a list's item in the sheet's language.
std::string settingText(const Writer& w, const Sheet& settings, const char* name)
{
    const Control& c = settings[name];
    const ControlSpec& spec = settings.spec(name);
    if (spec.kind == Kind::List) {
        const std::string& item = c.itemIndex >= 0 && c.itemIndex < int(spec.items.size())
                                      ? spec.items[std::size_t(c.itemIndex)]
                                      : spec.text;
        return w.t(Words{"Item", item.c_str()});
    }
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
std::string layersText(const Writer& w, double turnsD, double perLayerD, double layersD)
{
    const long turns = std::lround(turnsD), perLayer = std::lround(perLayerD);
    const long layers = std::lround(layersD);
    std::string t = std::to_string(layers);
    if (const long last = turns - (layers - 1) * perLayer; layers > 1 && last != perLayer)
        t = w.t(KELVORA_WORDS("Sheet", "%1 (a última com %2 espiras)"), {t, std::to_string(last)});
    return t;
}

void writeWinding(Writer& w, int index, const Winding& wd, const Sheet& settings)
{
    w.line("  " + std::to_string(index) + ". " + shown(w, wd.nameWords, wd.name));
    if (wd.turns <= 0) {
        w.line("     " + w.t(KELVORA_WORDS("Sheet", "Espiras: 0 (não se enrola)")));
        return;
    }
    const long turns = std::lround(wd.turns);
    const long perLayer = std::lround(wd.turnsPerLayer);
    const long layers = std::lround(wd.layers);
    const bool legs = wd.legs.size() == 2;
    auto legTurns = [&](int k) {
        return std::to_string(std::lround(wd.legs[std::size_t(k)].turns));
    };
    std::string turnsLine;
    if (legs && wd.legs[0].turns == wd.legs[1].turns)
        turnsLine = w.t(KELVORA_WORDS("Sheet", "Espiras: %1 no total, %2 na bobina de cada perna"),
                        {std::to_string(turns), legTurns(0)});
    else if (legs)
        turnsLine = w.t(KELVORA_WORDS("Sheet", "Espiras: %1 no total, %2 na bobina da perna 1 e "
                                               "%3 na da perna 2"),
                        {std::to_string(turns), legTurns(0), legTurns(1)});
    else
        turnsLine = w.t(KELVORA_WORDS("Sheet", "Espiras: %1"), {std::to_string(turns)});
    if (wd.turnsTab)
        turnsLine = w.t(KELVORA_WORDS("Sheet", "%1 (a aba calculou %2)"),
                        {turnsLine, w.num(*wd.turnsTab, 1)});
    w.line("     " + turnsLine);
    w.line("     "
           + w.t(KELVORA_WORDS("Sheet", "Fio: AWG %1, esmalte grau %2 (Ø nu %3 mm, Ø total %4 mm)"),
                 {std::to_string(wd.awg), settingText(w, settings, "CBCoGrauFio"),
                  w.num(wd.dBareMm, 3), w.num(wd.dOverMm, 3)}));
    w.line("     "
           + w.t(KELVORA_WORDS("Sheet", "Espiras por camada: %1"), {std::to_string(perLayer)}));
    if (!legs) {
        w.line("     "
               + w.t(KELVORA_WORDS("Sheet", "Camadas: %1"),
                     {layersText(w, wd.turns, wd.turnsPerLayer, wd.layers)}));
    } else {
        const std::string one =
            layersText(w, wd.legs[0].turns, wd.turnsPerLayer, wd.legs[0].layers);
        const std::string two =
            layersText(w, wd.legs[1].turns, wd.turnsPerLayer, wd.legs[1].layers);
        if (one == two)
            w.line("     " + w.t(KELVORA_WORDS("Sheet", "Camadas em cada bobina: %1"), {one}));
        else
            w.line("     "
                   + w.t(KELVORA_WORDS("Sheet", "Camadas: %1 na perna 1; %2 na perna 2"),
                         {one, two}));
    }
    if (layers > 1)
        w.line("     "
               + w.t(KELVORA_WORDS("Sheet", "Entre as camadas: isolação de %1 mm"),
                     {settingText(w, settings, "ECoIsolCamada")}));
    w.line("     "
           + w.t(KELVORA_WORDS("Sheet", "Depois do enrolamento: isolação de %1 mm"),
                 {settingText(w, settings, "ECoIsolEnrol")}));
    const std::vector<std::string> build = {w.num(wd.buildMm, 2), w.num(wd.lengthM, 2),
                                            w.num(wd.r20Ohm, 3)};
    w.line("     "
           + (legs ? w.t(KELVORA_WORDS("Sheet", "Altura: %1 mm (perna 1); fio: %2 m (as duas "
                                                "metades); R a 20 °C: %3 ohms"),
                         build)
                   : w.t(KELVORA_WORDS("Sheet", "Altura: %1 mm; fio: %2 m; R a 20 °C: %3 ohms"),
                         build)));
    std::string electrical = w.t(KELVORA_WORDS("Sheet", "Corrente: %1 A rms (%2 A/mm²)"),
                                 {w.num(wd.iRmsA, 3), w.num(wd.jAmm2, 2)});
    if (wd.simulatedCurrent)
        electrical = w.t(KELVORA_WORDS("Sheet", "%1 (da simulação do retificador)"), {electrical});
    electrical = w.t(KELVORA_WORDS("Sheet", "%1; perda: %2 W"), {electrical, w.num(wd.pcuW, 2)});
    if (wd.vNl && wd.vFl) {
        electrical = w.t(KELVORA_WORDS("Sheet", "%1; tensão em vazio %2 V, em carga %3 V"),
                         {electrical, w.num(*wd.vNl, 1), w.num(*wd.vFl, 1)});
        if (wd.regulationPct)
            electrical = w.t(KELVORA_WORDS("Sheet", "%1 (regulação %2 %)"),
                             {electrical, w.num(*wd.regulationPct, 1)});
    }
    w.line("     " + electrical);
}

// How the U/I's two coils are wound and joined, so that the halves of each
// winding add: the flux runs up one leg and down the other, so two coils wound
// alike must carry their current in opposite senses. One paragraph, its lines
// as the sheet breaks them.
void writeLegConnection(Writer& w)
{
    w.heading(w.t(KELVORA_WORDS("Sheet", "Ligação das duas bobinas (núcleo U/I)")));
    const std::string text = w.t(KELVORA_WORDS(
        "Sheet",
        "  Cada perna leva uma bobina com metade das espiras de cada enrolamento, na ordem\n"
        "  acima. Enrole as duas bobinas no mesmo sentido, começando pela mesma aba, e\n"
        "  ponha-as nas pernas na mesma posição. Ligue as metades de cada enrolamento em\n"
        "  série: o fim da metade da perna 1 ao fim da metade da perna 2; os dois começos\n"
        "  são os terminais do enrolamento. Assim os fluxos das duas pernas se somam.\n"
        "  Confira antes do uso: ligue o primário pela primeira vez através de uma lâmpada\n"
        "  em série. Com uma metade do primário invertida a lâmpada acende forte; com uma\n"
        "  metade de um secundário invertida ele dá quase zero volt."));
    w.line(text);
}

// How the halves of a "Duplo" primary are joined, and where the centre tap of
// a secondary for a centre-tapped rectifier is.
void writeJoints(Writer& w, const Analysis& a, const Sheet& settings)
{
    std::vector<std::string> lines;
    const auto halves = std::count_if(a.windings.begin(), a.windings.end(), [](const Winding& x) {
        return x.role == WindingRole::PrimaryHalf;
    });
    if (a.part == PartType::MainsTransformer && halves == 2)
        lines.push_back(w.t(KELVORA_WORDS(
            "Sheet", "Primário 1 e Primário 2: enrole as duas metades no mesmo sentido.\n"
                     "    Em paralelo (início do 1 com início do 2, fim do 1 com fim do 2) para "
                     "a tensão de uma metade;\n"
                     "    em série (fim do 1 com início do 2) para o dobro dela.")));
    for (int k = 1; k <= 6 && a.part == PartType::MainsTransformer; ++k) {
        const std::string_view load = settingKey(settings, ("CBCoRet" + std::to_string(k)).c_str());
        const auto s = std::find_if(a.windings.begin(), a.windings.end(), [k](const Winding& x) {
            return x.role == WindingRole::Secondary && x.number == k;
        });
        if (load.rfind("full-wave-ct", 0) != 0 || s == a.windings.end() || !(s->turns > 0))
            continue;
        const long n = std::lround(s->turns), first = (n + 1) / 2;
        const std::vector<std::string> args = {std::to_string(k), std::to_string(first),
                                               std::to_string(first), std::to_string(n - first)};
        lines.push_back(
            first == n - first
                ? w.t(KELVORA_WORDS("Sheet", "Secundário %1: derivação central ao fim da espira "
                                             "%2 (metades de %3 espiras); a derivação vai ao "
                                             "retorno da fonte, as pontas aos retificadores."),
                      args)
                : w.t(KELVORA_WORDS("Sheet", "Secundário %1: derivação central ao fim da espira "
                                             "%2 (metades de %3 e %4 espiras); a derivação vai "
                                             "ao retorno da fonte, as pontas aos retificadores."),
                      args));
    }
    if (lines.empty())
        return;
    w.heading(w.t(KELVORA_WORDS("Sheet", "Ligações")));
    for (const std::string& l : lines)
        w.line("  " + l);
}

// The fuse to fit, the current to expect with no load, and the insulation
// test and distances between the primary and each secondary.
void writeMains(Writer& w, const MainsChecks& m, const Analysis& a, char separator)
{
    w.heading(w.t(KELVORA_WORDS("Sheet", "Rede e isolação")));
    const std::string fuse = w.t(fuseWords(m, separator));
    w.line("  "
           + (m.halves ? w.t(KELVORA_WORDS("Sheet", "%1 (primários em paralelo)"), {fuse}) : fuse));
    if (m.halves)
        w.line("  "
               + (m.fuseSeriesA
                      ? w.t(KELVORA_WORDS("Sheet", "Com os primários em série: %1 A retardado"),
                            {general(*m.fuseSeriesA, separator)})
                      : w.t(KELVORA_WORDS("Sheet",
                                          "Com os primários em série: acima de 16 A retardado"))));
    w.line("  "
           + w.t(KELVORA_WORDS("Sheet", "Corrente em vazio esperada: %1 A em %2 V; %3 A na rede "
                                        "alta (+%4 %)"),
                 {w.num(m.iMagA, 3), w.num(a.primaryVolts, 1), w.num(m.iMagHighA, 3),
                  w.num(m.tolerancePct, 1)}));
    for (std::size_t i = 0; i < m.notes.size(); ++i)
        w.line("  "
               + w.t(KELVORA_WORDS("Construction", "Nota: %1"),
                     {i < m.noteWords.size() ? w.t(m.noteWords[i]) : m.notes[i]}));
    if (m.insulation.empty())
        return;
    const std::string norm = w.t(Words{"kelvora", Iec61558Note});
    w.line("  "
           + (m.reinforced ? w.t(KELVORA_WORDS("Sheet", "Isolação reforçada: %1"), {norm})
                           : w.t(KELVORA_WORDS("Sheet", "Isolação básica: %1"), {norm})));
    for (const InsulationRow& r : m.insulation) {
        const std::string name = shown(w, r.secondaryWords, r.secondary);
        w.line("  "
               + w.t(KELVORA_WORDS("Sheet", "%1 (tensão de trabalho %2 V):"),
                     {name, w.num(r.workingV, 1)}));
        if (r.aboveTable) {
            w.line("     " + w.t(KELVORA_WORDS("Sheet", "Acima da tabela: confira na norma")));
            continue;
        }
        w.line("     "
               + w.t(KELVORA_WORDS("Sheet", "Ensaio: %1 V por um minuto entre o primário e o %2"),
                     {w.num(r.testV, 0), name}));
        w.line("     "
               + w.t(KELVORA_WORDS("Sheet",
                                   "Distâncias mínimas: %1 mm no ar, %2 mm de escoamento"),
                     {w.num(r.clearanceMm, 1), w.num(r.creepageMm, 1)}));
        if (r.throughMm)
            w.line("     "
                   + w.t(KELVORA_WORDS("Sheet",
                                       "Isolação entre eles: ao menos %1 mm (camadas finas)"),
                         {w.num(*r.throughMm, 2)}));
    }
}

void writeFigures(Writer& w, const Analysis& a)
{
    w.heading(w.t(KELVORA_WORDS("Sheet", "Resultados")));
    w.line("  "
           + w.t(KELVORA_WORDS("Sheet", "Altura da bobina: %1 mm; ocupação da janela: %2 %"),
                 {w.num(a.buildMm, 2), w.num(a.fillPct, 1)}));
    // Only the power transformer's iron loss is modelled.
    const std::string copper = w.num(a.pcuW, 2);
    w.line("  "
           + (a.part == PartType::MainsTransformer
                  ? w.t(KELVORA_WORDS("Sheet", "Perda no ferro: %1 W; perda no cobre: %2 W"),
                        {w.num(a.pfeW, 2), copper})
                  : w.t(KELVORA_WORDS("Sheet",
                                      "Perda no ferro: não calculada; perda no cobre: %1 W"),
                        {copper})));
    w.line("  "
           + w.t(KELVORA_WORDS("Sheet", "Dissipação: %1 W/cm² em %2 cm²"),
                 {w.num(a.psiWcm2, 4), w.num(a.areaCm2, 1)}));
    w.line("  "
           + w.t(KELVORA_WORDS("Sheet", "Elevação de temperatura: %1 K; cobre a %2 °C"),
                 {w.num(a.dtK, 1), w.num(a.tHotC, 1)}));
    switch (a.part) {
    case PartType::MainsTransformer:
        w.line("  "
               + w.t(KELVORA_WORDS("Sheet", "Indução real: %1 Gauss; rendimento: %2 %"),
                     {w.num(a.bPeakGauss, 0), w.num(a.efficiencyPct, 1)}));
        break;
    case PartType::DcTransformer:
        w.line("  " + w.t(KELVORA_WORDS("Sheet", "Entreferro magnético: %1 mm"), {w.num(a.gapMm, 3)}));
        w.line("  "
               + w.t(KELVORA_WORDS("Sheet",
                                   "Indutância do primário: %1 H; reatância em Fmin: %2 ohms"),
                     {w.num(a.lpH, 2), w.num(a.xpOhm, 0)}));
        w.line("  "
               + w.t(KELVORA_WORDS("Sheet", "Indução CA: %1 Gauss; indução CC: %2 Gauss"),
                     {w.num(a.bAcGauss, 0), w.num(a.bDcGauss, 0)}));
        break;
    case PartType::Choke:
        w.line("  " + w.t(KELVORA_WORDS("Sheet", "Entreferro magnético: %1 mm"), {w.num(a.gapMm, 3)}));
        w.line("  "
               + w.t(KELVORA_WORDS("Sheet", "Indutância: %1 H; indução CC: %2 Gauss"),
                     {w.num(a.lH, 2), w.num(a.bDcGauss, 0)}));
        break;
    }
    w.line("  "
           + w.t(KELVORA_WORDS("Sheet", "Pesos: ferro %1 g, cobre %2 g, total %3 g"),
                 {w.num(a.mFeG, 0), w.num(a.mCuG, 0), w.num(a.mTotalG, 0)}));
    w.heading(w.t(KELVORA_WORDS("Sheet", "Avaliação")));
    for (const Verdict& v : a.verdicts) {
        // The sheet's code page has no "≥".
        std::string text = shown(w, v.words, v.text);
        if (const auto at = text.find("≥"); at != std::string::npos)
            text.replace(at, std::string_view("≥").size(), ">=");
        w.line(std::string("  [") + (v.good ? "ok" : "!!") + "] " + text);
    }
}

} // namespace

std::string windingSheetText(std::string_view caption, const Analysis& analysis,
                             const SheetCore& core, const Sheet& settings, int activeSecondaries,
                             const Settings& cfg, const Translator& tr)
{
    Writer w(cfg.decimalSeparator, tr);
    const std::string name(caption);
    const std::string title = w.t(KELVORA_WORDS("Sheet", "Folha de enrolamento - %1"),
                                  {w.t(Words{"kelvora", name.c_str()})});
    w.line(title);
    std::size_t chars = 0; // characters, not UTF-8 bytes
    for (unsigned char c : title)
        chars += (c & 0xC0) != 0x80;
    w.line(std::string(chars, '='));

    w.heading(w.t(KELVORA_WORDS("Sheet", "Núcleo")));
    const LaminationGeometry g = geometryOf(core);
    const std::string window = w.t(KELVORA_WORDS("Sheet", "Janela: %1 x %2 mm"),
                                   {w.num(g.windowWidth, 2), w.num(g.windowHeight, 2)});
    if (core.family == CoreFamily::UI) {
        w.line("  "
               + w.t(KELVORA_WORDS("Sheet", "Lâminas U/I: largura das pernas (Bn) %1 mm, "
                                            "empilhamento (En) %2 mm"),
                     {w.num(core.a, 2), w.num(core.b, 2)}));
        w.line("  "
               + (core.c == core.a && core.h == 3 * core.a
                      ? w.t(KELVORA_WORDS("Sheet", "%1 (proporção sem retalho)"), {window})
                      : window));
        w.line("  "
               + w.t(KELVORA_WORDS("Sheet",
                                   "Uma bobina em cada perna, cada uma com metade de cada "
                                   "enrolamento")));
    } else {
        w.line("  "
               + w.t(KELVORA_WORDS("Sheet", "Lâminas E/I sem retalho: perna central (Bn) %1 mm, "
                                            "empilhamento (En) %2 mm"),
                     {w.num(core.a, 2), w.num(core.b, 2)}));
        w.line("  " + window);
    }

    w.heading(w.t(KELVORA_WORDS("Sheet", "Ajustes da construção")));
    for (const ConstrucaoSettingText& t : construcaoSettingTexts()) {
        if (!settingApplies(t, analysis.part, core.family, activeSecondaries, settings))
            continue;
        std::string value = settingText(w, settings, t.name);
        const bool scrapless = isUIWindow(t.name) && value.empty();
        std::string l = "  " + w.t(Words{"kelvora::TFConstrucao", t.caption}) + " "
                        + (scrapless ? w.t(KELVORA_WORDS("Sheet", "vazio (proporção sem retalho)"))
                                     : value);
        if (*t.unit && !scrapless)
            l += std::string(" ") + t.unit;
        w.line(l);
    }

    if (analysis.error) {
        w.heading(w.t(KELVORA_WORDS("Sheet", "Erro")));
        w.line("  " + shown(w, analysis.errorWords, *analysis.error));
        return w.take();
    }
    w.heading(w.t(KELVORA_WORDS("Sheet", "Enrolamentos, do carretel para fora")));
    int index = 1;
    for (const Winding& wd : analysis.windings)
        writeWinding(w, index++, wd, settings);
    if (core.family == CoreFamily::UI)
        writeLegConnection(w);
    writeJoints(w, analysis, settings);
    if (analysis.part != PartType::MainsTransformer) {
        w.heading(w.t(KELVORA_WORDS("Sheet", "Montagem do núcleo")));
        w.line("  " + w.t(stackingWords(analysis, cfg.decimalSeparator)));
    }
    if (!analysis.notes.empty()) {
        w.heading(w.t(KELVORA_WORDS("Sheet", "Notas")));
        for (std::size_t i = 0; i < analysis.notes.size(); ++i)
            w.line("  "
                   + (i < analysis.noteWords.size() ? w.t(analysis.noteWords[i])
                                                    : analysis.notes[i]));
    }
    if (analysis.mains)
        writeMains(w, *analysis.mains, analysis, cfg.decimalSeparator);
    writeFigures(w, analysis);
    return w.take();
}

WindingSheetCaptions windingSheetCaptions(const Translator& tr)
{
    return {tr(say(KELVORA_WORDS("Sheet", "Corte da janela (em escala)"))),
            tr(say(KELVORA_WORDS("Sheet", "Ocupação da janela: %1 %"))),
            tr(say(KELVORA_WORDS("Sheet", "Núcleo U/I (medidas em mm)"))),
            tr(say(KELVORA_WORDS("Sheet", "Lâmina (medidas em mm)"))),
            tr(say(KELVORA_WORDS("Sheet", "Folha de enrolamento")))};
}

std::optional<std::string> windingSheetRefusal(const construction::Analysis& analysis,
                                               const Translator& tr)
{
    if (!analysis.error)
        return std::nullopt;
    const std::string why = analysis.errorWords.empty() ? *analysis.error : tr(analysis.errorWords);
    return tr(say(KELVORA_WORDS("Sheet", "A folha de enrolamento não foi gravada: a análise da "
                                         "construção terminou com erro (%1)"),
                  {why}));
}

} // namespace kelvora
