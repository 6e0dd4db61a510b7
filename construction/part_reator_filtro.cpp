// The filter reactor as a wound part: one winding carrying the supply's DC on
// an E/I core gapped for its inductance.
#include "reator_filtro.h"
#include "wound_part.h"

namespace kelvora::construction {

namespace {

// A reactor the tab refuses (no inductance) has no section to judge.
const ComputedTrial<ReatorFiltroInputs, ReatorFiltroResult> Trial = {
    [](Sheet& sheet, DesignResults&) { return readReatorFiltroInputs(sheet); },
    &ReatorFiltroInputs::RFBn, &ReatorFiltroInputs::RFEn, &DesignResults::reatorFiltro,
    computeReatorFiltro,
    [](const ReatorFiltroResult& r) { return !r.refused && r.core == CoreVerdict::Fits; }};

} // namespace

WoundPart reatorFiltroPart()
{
    WoundPart p;
    p.type = PartType::Choke;
    p.caption = "Reator de Filtro";
    p.core = {"CBRFBn", "CBRFEn", "LRFNAval", false};
    p.ownerUser = "EUserNameRF";
    p.ownerApplication = "EApplicationRF";
    p.inputsInUse = [](const Sheet&, const DesignResults&) {
        return std::vector<std::string>{"ERFIr", "ERFLr", "CBRFBn", "CBRFEn"};
    };
    // The tab's own verdicts: L I^2 off the charts the method's empirical
    // laws were read from, or a current outside the limits for this inductance.
    p.ownRefusal = [](const DesignResults& s) -> std::optional<ShownText> {
        const ReatorFiltroResult& r = s.reatorFiltro;
        if (!r.refused && r.energy != EnergyVerdict::Inside)
            return say(KELVORA_WORDS("Error", "O produto LI^2 está fora dos ábacos do método (a "
                                              "aba indica Falha): corrija a indutância ou a "
                                              "corrente."));
        if (!r.refused && !r.IrOnCharts)
            return say(KELVORA_WORDS("Error", "A corrente Ir está fora dos limites para a "
                                              "indutância informada: corrija a corrente ou a "
                                              "indutância."));
        return std::nullopt;
    };
    // An inductance of zero or less is refused by the tab without an
    // exception: the rest of the record is then from an earlier run.
    p.recordUnusable = [](const DesignResults& s) { return !(s.reatorFiltro.Lr > 0); };
    p.run = [](const Sheet& tab, const DesignResults& s, bool tabError,
               const ConstructionSettings& set, const Settings& cfg) {
        const ReatorFiltroInput in = reatorFiltroInput(tab, s.reatorFiltro, tabError);
        return PartRun{analyseReatorFiltro(in, set, cfg), Core{in.a, in.b}, 0};
    };
    p.trial = [](const Sheet& tab, const DesignResults& s, const Settings& cfg) {
        return makeTrial(Trial, tab, s, cfg);
    };
    return p;
}

} // namespace kelvora::construction
