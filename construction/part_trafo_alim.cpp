// The power transformer as a wound part: a mains primary (one, two halves
// or tapped) and up to six loaded secondaries on an interleaved E/I core or
// a U/I core with a coil on each leg.
#include "trafo_alim.h"
#include "wound_part.h"

#include <algorithm>

namespace kelvora::construction {

namespace {

// The tab's inputs the design rests on now: the core, the frequency, the
// secondaries in use and the primary of its type.
std::vector<std::string> inputsInUse(const Sheet&, const DesignResults& s)
{
    std::vector<std::string> v = {"EBn1", "EEn1", "EFo"};
    const int active = std::clamp(s.trafoAlim.NumSec + 1, 0, 6);
    for (int i = 1; i <= active; ++i) {
        v.push_back("EVs" + std::to_string(i));
        v.push_back("EIs" + std::to_string(i));
    }
    if (s.trafoAlim.TipoPri == 2)
        v.insert(v.end(), {"EVp3", "EVp4"});
    else
        v.push_back("EVp1");
    return v;
}

// What showing the tab runs before its calculation: the winding choices
// recorded, one lamination shape kept (E/I wins when both are marked, as the
// tab's calculation decides).
const ComputedTrial<TrafoAlimInputs, TrafoAlimResult> Trial = {
    [](Sheet& sheet, DesignResults& base) {
        TAEnrolamentos(sheet, base.trafoAlim);
        if (sheet["RBNucleoE"].checked)
            sheet["RBNucleoU"].checked = false;
        return readTrafoAlimInputs(sheet);
    },
    &TrafoAlimInputs::Bn, &TrafoAlimInputs::En, &DesignResults::trafoAlim, computeTrafoAlim,
    [](const TrafoAlimResult& r) { return r.core == CoreVerdict::Fits; }};

} // namespace

WoundPart trafoAlimPart()
{
    WoundPart p;
    p.type = PartType::MainsTransformer;
    p.caption = "Trafo Alimentação";
    p.core = {"EBn1", "EEn1", "LAlimAval", false};
    p.ownerUser = "EUserNameTA";
    p.ownerApplication = "EApplicationTA";
    p.inputsInUse = inputsInUse;
    p.run = [](const Sheet& tab, const DesignResults& s, bool tabError,
               const ConstructionSettings& set, const Settings& cfg) {
        const TrafoAlimInput in = trafoAlimInput(tab, s.trafoAlim, tabError);
        return PartRun{analyseTrafoAlim(in, set, cfg), coreOf(in, set), in.numSec};
    };
    p.uiChosen = [](const Sheet& tab) {
        return tab["RBNucleoU"].checked && !tab["RBNucleoE"].checked;
    };
    p.trial = [](const Sheet& tab, const DesignResults& s, const Settings& cfg) {
        return makeTrial(Trial, tab, s, cfg);
    };
    return p;
}

} // namespace kelvora::construction
