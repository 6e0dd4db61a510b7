// A design is built only from inputs the tab used as typed: a text that was
// no number (the fallback stood in), a number no part can be built from, and
// a choke off the method's charts give no construction, no core advice and
// no winding sheet, each saying why.
#include "construction.h"

#include <algorithm>
#include <string>
#include <vector>

namespace kelvora::construction {

namespace {

// The inputs of the tab the design rests on now (a hidden secondary or a
// primary of another type is none of them).
std::vector<std::string> inputsInUse(std::string_view tab, const Sheet& sheet,
                                     const DesignResults& s)
{
    std::vector<std::string> v;
    if (tab == "TTrafoAlim" || tab == "trafo-alimentacao") {
        v = {"EBn1", "EEn1", "EFo"};
        const int active = std::clamp(s.trafoAlim.NumSec + 1, 0, 6);
        for (int i = 1; i <= active; ++i) {
            v.push_back("EVs" + std::to_string(i));
            v.push_back("EIs" + std::to_string(i));
        }
        if (s.trafoAlim.TipoPri == 2)
            v.insert(v.end(), {"EVp3", "EVp4"});
        else
            v.push_back("EVp1");
    } else if (tab == "TModValvul" || tab == "modulador-valvulado") {
        v = {"EPaMod", "EFmin", "EEbmod", "EIb0mod", "EIb1mod", "EZmod", "EIbrf", "EEbrf", "EBmax"};
    } else if (tab == "TReatorFiltro" || tab == "reator-filtro") {
        v = {"ERFIr", "ERFLr", "CBRFBn", "CBRFEn"};
    }
    std::erase_if(v, [&](const std::string& name) { return !sheet.has(name); });
    return v;
}

} // namespace

std::optional<std::string> inputRefusal(std::string_view tab, const Sheet& sheet,
                                        const DesignResults& s)
{
    std::string list;
    for (const std::string& name : inputsInUse(tab, sheet, s)) {
        const Control& c = sheet[name];
        if (!c.substituted && !c.badInput)
            continue;
        list += (list.empty() ? "" : "; ") + name + " (" + c.readNote + ")";
    }
    if (!list.empty())
        return "O projeto se apoia em entradas inválidas ou substituídas: " + list
               + ". Corrija-as na aba.";
    if (tab == "TReatorFiltro" || tab == "reator-filtro") {
        // The tab's own verdicts: L I^2 off the charts the method's empirical
        // laws were read from, or a current outside the limits for this inductance.
        const ReatorFiltroResult& r = s.reatorFiltro;
        if (!r.refused && r.energy != EnergyVerdict::Inside)
            return std::string("O produto LI^2 está fora dos ábacos do método (a aba indica "
                               "Falha): corrija a indutância ou a corrente.");
        if (!r.refused && !r.IrOnCharts)
            return std::string("A corrente Ir está fora dos limites para a indutância "
                               "informada: corrija a corrente ou a indutância.");
    }
    return std::nullopt;
}

} // namespace kelvora::construction
