#include "winding_sheet.h"

#include <cmath>
#include <string_view>

namespace kelvora {

using namespace construction;

const std::vector<ConstrucaoSettingText>& construcaoSettingTexts()
{
    static const std::vector<ConstrucaoSettingText> texts = [] {
        std::vector<ConstrucaoSettingText> v = {
            {"CBCoAco", "Aço das lâminas:", "",
             "Grau do aço (perda garantida a 1,5 T e 50 Hz). M800-50A para lâminas antigas "
             "ou de origem desconhecida."},
            {"ECoEmpil", "Fator de empilhamento:", "",
             "Fração da altura da pilha que é ferro (ks). Usual 0,90 a 0,97; válido de 0,5 a 1."},
            {"ECoFatorPerdas", "Fator de construção das perdas:", "",
             "Aumento da perda no ferro pelo corte e pela montagem (kbf). Usual 1,1 a 1,5; "
             "válido de 1 a 3."},
            {"CBCoGrauFio", "Grau do esmalte do fio:", "",
             "1: esmalte simples; 2: esmalte duplo (o mais comum). Decide o diâmetro total "
             "do fio."},
            {"ECoParede", "Parede do carretel:", "mm",
             "Espessura do tubo do carretel sobre a perna central. Usual 0,5 a 2 mm; válido de "
             "0 a 10 mm."},
            {"ECoAba", "Aba do carretel:", "mm",
             "Espessura de cada aba do carretel. Usual 0,5 a 2 mm; válido de 0 a 10 mm."},
            {"ECoMargem", "Margem em cada ponta da camada:", "mm",
             "Espaço sem fio em cada ponta de cada camada, para a isolação. Usual 0 a 3 mm; "
             "válido de 0 a 20 mm."},
            {"ECoIsolCamada", "Isolação entre camadas:", "mm",
             "Espessura do papel ou da fita entre duas camadas. Usual 0,03 a 0,1 mm; válido de "
             "0 a 2 mm."},
            {"ECoIsolEnrol", "Isolação sobre cada enrolamento:", "mm",
             "Espessura da fita posta sobre cada enrolamento. Usual 0,1 a 0,5 mm; válido de "
             "0 a 5 mm."},
            {"ECoFatorEnrol", "Fator de enrolamento:", "",
             "Passo de uma espira sobre o diâmetro do fio (klay). Usual 1,05 a 1,15; válido "
             "de 1 a 2."},
            {"ECoAbaulamento", "Fator de abaulamento:", "",
             "Quanto a bobina fica mais grossa que a soma das camadas (kb). Usual 1,05 a 1,2; "
             "válido de 1 a 2."},
            {"ECoFolga", "Folga entre bobina e núcleo:", "mm",
             "Espaço livre entre a bobina pronta e o núcleo. Usual 0,5 a 1 mm; válido de "
             "0 a 10 mm."},
            {"ECoTamb", "Temperatura ambiente:", "°C",
             "Temperatura do ar em volta da peça. Usual 25 a 40 °C; válido de -40 a 100 °C."},
            {"CBCoClasse", "Classe de isolação:", "",
             "Temperatura máxima do ponto mais quente que a isolação suporta."},
            {"ECoMur", "Permeabilidade relativa do aço:", "",
             "Permeabilidade relativa do aço nas induções de trabalho. Usual 2000 a 8000; "
             "válido de 100 a 100000."},
            {"ECoBdcMax", "Indução CC máxima do reator:", "Gauss",
             "Maior indução de corrente contínua de um reator sem saturar. Usual 10000 a "
             "14000 Gauss; válido de 1000 a 20000 Gauss."},
        };
        static const char* const loads[6][2] = {
            {"CBCoRet1", "Carga do secundário 1:"}, {"CBCoRet2", "Carga do secundário 2:"},
            {"CBCoRet3", "Carga do secundário 3:"}, {"CBCoRet4", "Carga do secundário 4:"},
            {"CBCoRet5", "Carga do secundário 5:"}, {"CBCoRet6", "Carga do secundário 6:"},
        };
        for (const auto& l : loads)
            v.push_back({l[0], l[1], "",
                         "O que o secundário alimenta. Com retificador, a corrente digitada na "
                         "aba é a corrente contínua da carga."});
        return v;
    }();
    return texts;
}

const char* designCaption(DesignKind design)
{
    switch (design) {
    case DesignKind::TrafoAlim:
        return "Trafo Alimentação";
    case DesignKind::TrafoMod:
        return "Modulador Valvulado";
    case DesignKind::ReatorFiltro:
        return "Reator de Filtro";
    }
    return "";
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

// The setting as the analysis used it: the typed text, or the default of a red field.
std::string settingText(const Sheet& settings, const char* name)
{
    const Control& c = settings[name];
    const ControlSpec& spec = settings.spec(name);
    if (spec.kind == Kind::List)
        return c.itemIndex >= 0 && c.itemIndex < int(spec.items.size()) ? spec.items[c.itemIndex]
                                                                        : spec.text;
    if (c.background == Colour::Red)
        return spec.text;
    const auto first = c.text.find_first_not_of(' ');
    const auto last = c.text.find_last_not_of(' ');
    return first == std::string::npos ? spec.text : c.text.substr(first, last - first + 1);
}

bool settingApplies(const ConstrucaoSettingText& t, DesignKind design, int activeSecondaries)
{
    const std::string_view name = t.name;
    if (isLoad(name))
        return design == DesignKind::TrafoAlim && name.back() - '0' <= activeSecondaries;
    if (name == "ECoMur")
        return design != DesignKind::TrafoAlim;
    if (name == "ECoBdcMax")
        return design == DesignKind::ReatorFiltro;
    return true;
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
    w.line("     Espiras: " + std::to_string(turns));
    w.line("     Fio: AWG " + std::to_string(wd.awg) + ", esmalte grau "
           + settingText(settings, "CBCoGrauFio") + " (Ø nu " + w.num(wd.dBareMm, 3)
           + " mm, Ø total " + w.num(wd.dOverMm, 3) + " mm)");
    w.line("     Espiras por camada: " + std::to_string(perLayer));
    std::string layerLine = "     Camadas: " + std::to_string(layers);
    if (const long last = turns - (layers - 1) * perLayer; layers > 1 && last != perLayer)
        layerLine += " (a última com " + std::to_string(last) + " espiras)";
    w.line(layerLine);
    if (layers > 1)
        w.line("     Entre as camadas: isolação de " + settingText(settings, "ECoIsolCamada")
               + " mm");
    w.line("     Depois do enrolamento: isolação de " + settingText(settings, "ECoIsolEnrol")
           + " mm");
    w.line("     Altura: " + w.num(wd.buildMm, 2) + " mm; fio: " + w.num(wd.lengthM, 2)
           + " m; R a 20 °C: " + w.num(wd.r20Ohm, 3) + " ohms");
    std::string electrical = "     Corrente: " + w.num(wd.iRmsA, 3)
                             + " A rms; perda: " + w.num(wd.pcuW, 2) + " W";
    if (wd.vNl && wd.vFl) {
        electrical += "; tensão em vazio " + w.num(*wd.vNl, 1) + " V, em carga " + w.num(*wd.vFl, 1)
                      + " V";
        if (wd.regulationPct)
            electrical += " (regulação " + w.num(*wd.regulationPct, 1) + " %)";
    }
    w.line(electrical);
}

void writeFigures(Writer& w, const Analysis& a)
{
    w.heading("Resultados");
    w.line("  Altura da bobina: " + w.num(a.buildMm, 2)
           + " mm; ocupação da janela: " + w.num(a.fillPct, 1) + " %");
    w.line("  Perda no ferro: " + w.num(a.pfeW, 2) + " W; perda no cobre: " + w.num(a.pcuW, 2)
           + " W");
    w.line("  Dissipação: " + w.num(a.psiWcm2, 4) + " W/cm² em " + w.num(a.areaCm2, 1) + " cm²");
    w.line("  Elevação de temperatura: " + w.num(a.dtK, 1) + " K; cobre a " + w.num(a.tHotC, 1)
           + " °C");
    switch (a.design) {
    case DesignKind::TrafoAlim:
        w.line("  Indução real: " + w.num(a.bPeakGauss, 0)
               + " Gauss; rendimento: " + w.num(a.efficiencyPct, 1) + " %");
        break;
    case DesignKind::TrafoMod:
        w.line("  Entreferro magnético: " + w.num(a.gapMm, 3) + " mm");
        w.line("  Indutância do primário: " + w.num(a.lpH, 2)
               + " H; reatância em Fmin: " + w.num(a.xpOhm, 0) + " ohms");
        w.line("  Indução CA: " + w.num(a.bAcGauss, 0)
               + " Gauss; indução CC: " + w.num(a.bDcGauss, 0) + " Gauss");
        break;
    case DesignKind::ReatorFiltro:
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

std::optional<SheetSubject> analyseForSheet(std::string_view tab, const Sheet& tabSheet,
                                            const DesignResults& s, bool tabFailed,
                                            const ConstructionSettings& set, const Settings& cfg)
{
    SheetSubject out;
    if (tab == "TTrafoAlim" || tab == "trafo-alimentacao") {
        const TrafoAlimInput in = trafoAlimInput(tabSheet, s.trafoAlim, tabFailed);
        out.core = {in.a, in.b};
        out.activeSecondaries = in.numSec;
        out.analysis = analyseTrafoAlim(in, set, cfg);
    } else if (tab == "TModValvul" || tab == "modulador-valvulado") {
        const TrafoModInput in = trafoModInput(tabSheet, s.trafoMod, tabFailed);
        out.core = {in.a, in.b};
        out.analysis = analyseTrafoMod(in, set, cfg);
    } else if (tab == "TReatorFiltro" || tab == "reator-filtro") {
        const ReatorFiltroInput in = reatorFiltroInput(tabSheet, s.reatorFiltro, tabFailed);
        out.core = {in.a, in.b};
        out.analysis = analyseReatorFiltro(in, set, cfg);
    } else {
        return std::nullopt;
    }
    if (!tabFailed)
        if (auto refusal = inputRefusal(tab, tabSheet, s))
            out.analysis.error = std::move(refusal);
    return out;
}

std::string windingSheetText(const Analysis& analysis, const SheetCore& core, const Sheet& settings,
                             int activeSecondaries, const Settings& cfg)
{
    Writer w(cfg.decimalSeparator);
    const std::string title = std::string("Folha de enrolamento - ")
                              + designCaption(analysis.design);
    w.line(title);
    std::size_t chars = 0; // characters, not UTF-8 bytes
    for (unsigned char c : title)
        chars += (c & 0xC0) != 0x80;
    w.line(std::string(chars, '='));

    w.heading("Núcleo");
    w.line("  Lâminas E/I sem retalho: perna central (Bn) " + w.num(core.a, 2)
           + " mm, empilhamento (En) " + w.num(core.b, 2) + " mm");
    w.line("  Janela: " + w.num(core.a / 2, 2) + " x " + w.num(1.5 * core.a, 2) + " mm");

    w.heading("Ajustes da construção");
    for (const ConstrucaoSettingText& t : construcaoSettingTexts()) {
        if (!settingApplies(t, analysis.design, activeSecondaries))
            continue;
        std::string l = std::string("  ") + t.caption + " " + settingText(settings, t.name);
        if (*t.unit)
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
