#include "designs.h"

#include "circuito_pi.h"
#include "panel_layout.h"
#include "reator_filtro_report.h"
#include "trafo_alim_report.h"
#include "trafo_mod_report.h"

namespace kelvora {

namespace {

// A design's calculation on its own record.
template <typename Result>
Procedure calculation(const char* name, Result DesignResults::*record,
                      void (*calc)(Sheet&, Result&, const Settings&))
{
    return {name, true, [record, calc](Sheet& tab, DesignResults& r, const Settings& cfg) {
                calc(tab, r.*record, cfg);
            }};
}

std::vector<std::string> onChange(std::initializer_list<const char*> names,
                                  const char* event = "OnChange ")
{
    std::vector<std::string> v;
    for (const char* n : names)
        v.push_back(std::string(event) + n);
    return v;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Design trafoAlim()
{
    Design d;
    d.name = "trafo-alimentacao";
    d.tab = "TTrafoAlim";
    d.controls = trafoAlimControls();
    placeWindingPanels(d.controls);
    d.outputs = trafoAlimOutputs();
    d.procedures = {
        {"TAEnrolamentos", false,
         [](Sheet& tab, DesignResults& r, const Settings&) {
             TAEnrolamentos(tab, r.trafoAlim);
             arrangeWindingPanels(tab, r.trafoAlim.NumSec, r.trafoAlim.TipoPri);
         }},
        calculation("CalculaTrafoAlim", &DesignResults::trafoAlim, &CalculaTrafoAlim),
    };
    const std::vector<std::string> enrolamentos = {"TAEnrolamentos", "CalculaTrafoAlim"};
    d.handlers = {
        {"TInicioShow", {"OnShow TInicio"}, enrolamentos},
        {"TTrafoAlimShow",
         std::vector<std::string>{"OnShow TTrafoAlim"}
             + onChange({"RBNucleoE", "RBNucleoU"}, "OnClick ")
             + onChange({"EEn1", "EBn1",     "CBTaEff", "CBTaBmax", "EFo",  "EVp1", "EVp2", "EVp3",
                         "EVp4", "EVprim0V", "EVs1",    "EVs2",     "EVs3", "EVs4", "EVs5", "EVs6",
                         "EIs1", "EIs2",     "EIs3",    "EIs4",     "EIs5", "EIs6"}),
         {"CalculaTrafoAlim"}},
        {"CNumPriChange", onChange({"CNumPri"}), enrolamentos},
        {"CNumSecChange", onChange({"CNumSec"}), enrolamentos},
    };
    d.show = [](Sheet& tab, DesignResults& r, const Settings& cfg) {
        TAEnrolamentos(tab, r.trafoAlim);
        arrangeWindingPanels(tab, r.trafoAlim.NumSec, r.trafoAlim.TipoPri);
        CalculaTrafoAlim(tab, r.trafoAlim, cfg);
    };
    d.report = [](const Sheet& tab, const DesignResults& r, const Settings& cfg) {
        return reportTrafoAlim(tab, r.trafoAlim, cfg);
    };
    d.core = [](const DesignResults& r) {
        return std::pair<float, float>{r.trafoAlim.En, r.trafoAlim.Bn};
    };
    d.part = construction::trafoAlimPart();
    d.widgets = {"BBVisNucleoTA", "BBConstrucaoTA", "LCoResumoTA", "BSalvaTA"};
    d.reportFile = {"Trafo_alimentacao",
                    KELVORA_SHOWN("Design",
                                  "Salva cálculos realizados - Transformador de Alimentação")};
    return d;
}

Design trafoMod()
{
    Design d;
    d.name = "modulador-valvulado";
    d.tab = "TModValvul";
    d.controls = trafoModControls();
    d.outputs = trafoModOutputs();
    d.procedures = {
        {"SelConfigTM", false,
         [](Sheet& tab, DesignResults& r, const Settings&) { SelConfigTM(tab, r.trafoMod); }},
        calculation("CalculaTrafoMod", &DesignResults::trafoMod, &CalculaTrafoMod),
    };
    d.handlers = {
        {"TModValvulShow",
         std::vector<std::string>{"OnShow TModValvul"}
             + onChange({"EPaMod", "EFmin", "EIb0mod", "EIb1mod", "EZmod", "EEbmod", "EBmax",
                         "CBTMEn", "CBTMBn", "EEbrf", "EIbrf"})
             + onChange({"RBConserv", "RBNormal", "RBMuitoCons"}, "OnClick "),
         {"SelConfigTM", "CalculaTrafoMod"}},
        {"CBSelTMChange", onChange({"CBSelTM"}), {"SelConfigTM"}},
    };
    d.show = [](Sheet& tab, DesignResults& r, const Settings& cfg) {
        SelConfigTM(tab, r.trafoMod);
        CalculaTrafoMod(tab, r.trafoMod, cfg);
    };
    d.report = [](const Sheet& tab, const DesignResults& r, const Settings& cfg) {
        return reportTrafoMod(tab, r.trafoMod, cfg);
    };
    d.core = [](const DesignResults& r) {
        return std::pair<float, float>{r.trafoMod.En, r.trafoMod.Bn};
    };
    d.part = construction::trafoModPart();
    d.widgets = {"BBVisNucleoTM", "BBConstrucaoTM", "LCoResumoTM", "BSalva_TM"};
    d.reportFile = {"Trafo_modulacao", KELVORA_SHOWN("Design", "Salva cálculos realizados")};
    return d;
}

Design trafoModTrans()
{
    Design d;
    d.name = "modulador-transistorizado";
    d.tab = "TModTransis";
    d.controls = trafoModTransControls();
    d.outputs = trafoModTransOutputs();
    d.procedures = {
        calculation("CalculaTrafoModTrans", &DesignResults::trafoModTrans, &CalculaTrafoModTrans)};
    // Activating the window recalculates the three designs it shows at once.
    d.handlers = {
        {"CBBnChange",
         std::vector<std::string>{"OnActivate"}
             + onChange({"EPo", "EFm", "ERo", "ERd", "EVcc", "CBIc0", "EBetaQ1Q2min", "EBetaQ3",
                         "EBetaQ1Q2max"}),
         {"CalculaTrafoMod", "CalculaTrafoModTrans", "CalculaTrafoAlim"}},
    };
    d.show = d.procedures[0].run;
    return d;
}

Design reatorFiltro()
{
    Design d;
    d.name = "reator-filtro";
    d.tab = "TReatorFiltro";
    d.controls = reatorFiltroControls();
    d.outputs = reatorFiltroOutputs();
    d.procedures = {
        calculation("CalcReatorFiltro", &DesignResults::reatorFiltro, &CalcReatorFiltro)};
    d.handlers = {
        {"TReatorFiltroShow",
         std::vector<std::string>{"OnShow TReatorFiltro"}
             + onChange({"CBRFEn", "CBRFBn", "ERFIr", "ERFLr"}),
         {"CalcReatorFiltro"}},
    };
    d.show = d.procedures[0].run;
    d.report = [](const Sheet& tab, const DesignResults& r, const Settings& cfg) {
        return reportReatorFiltro(tab, r.reatorFiltro, cfg);
    };
    d.core = [](const DesignResults& r) {
        return std::pair<float, float>{r.reatorFiltro.RFEn, r.reatorFiltro.RFBn};
    };
    d.part = construction::reatorFiltroPart();
    d.widgets = {"BBVisNucleoReator", "BBConstrucaoReator", "LCoResumoRF", "BSalvaRF"};
    d.reportFile = {"Reator_filtro",
                    KELVORA_SHOWN("Design", "Salva cálculos realizados - Reator de Filtro")};
    return d;
}

// The pi network has a window of its own, which runs its calculation itself.
Design circuitoPi()
{
    Design d;
    d.name = "circuito-pi";
    d.tab = "FCalcPI";
    d.controls = circuitoPiControls();
    d.outputs = circuitoPiOutputs();
    // Without a window the frequency starts from the band list, unless typed.
    d.show = [](Sheet& tab, DesignResults&, const Settings& cfg) {
        if (tab["EPiFreq"].text.empty())
            PiBandaFrequencia(tab, cfg);
        CalculaCircuitoPI(tab, cfg);
    };
    return d;
}

} // namespace

const std::vector<Design>& designs()
{
    static const std::vector<Design> all = {trafoAlim(), trafoMod(), trafoModTrans(),
                                            reatorFiltro(), circuitoPi()};
    return all;
}

const Design* findDesign(std::string_view name)
{
    for (const Design& d : designs())
        if (d.name == name || d.tab == name)
            return &d;
    return nullptr;
}

std::pair<const Design*, const Procedure*> findProcedure(std::string_view name)
{
    for (const Design& d : designs())
        for (const Procedure& p : d.procedures)
            if (p.name == name)
                return {&d, &p};
    return {nullptr, nullptr};
}

std::optional<construction::Analysis> analyseDesign(const Design& d, const Sheet& tab,
                                                    const DesignResults& s, bool tabError,
                                                    const construction::ConstructionSettings& set,
                                                    const Settings& cfg)
{
    if (!d.part)
        return std::nullopt;
    return construction::analysePart(*d.part, tab, s, tabError, set, cfg);
}

const Design* designWithWidget(std::string_view objectName)
{
    for (const Design& d : designs()) {
        const DesignWidgets& w = d.widgets;
        for (const std::string* name : {&w.showCore, &w.construction, &w.summary, &w.saveReport})
            if (!name->empty() && *name == objectName)
                return &d;
    }
    return nullptr;
}

const Design& powerTransformer() { return *findDesign("TTrafoAlim"); }
const Design& valveModulator() { return *findDesign("TModValvul"); }
const Design& filterReactor() { return *findDesign("TReatorFiltro"); }
const Design& piNetwork() { return *findDesign("FCalcPI"); }

const std::vector<std::string>& openingRecalculation()
{
    static const std::vector<std::string> order = {"CalculaTrafoMod", "CalculaTrafoModTrans",
                                                   "CalculaTrafoAlim", "CalcReatorFiltro"};
    return order;
}

} // namespace kelvora
