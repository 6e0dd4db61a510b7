// The valve modulation transformer as a wound part: a push-pull primary
// carrying the stage's DC and the secondary into the RF stage, on a gapped
// E/I core (or E and I interleaved when the reactor coupling keeps the DC out).
#include "trafo_mod.h"
#include "wound_part.h"

namespace kelvora::construction {

namespace {

// The coupling recorded as showing the tab records it.
const ComputedTrial<TrafoModInputs, TrafoModResult> Trial = {
    [](Sheet& sheet, DesignResults& base) {
        SelConfigTM(sheet, base.trafoMod);
        return readTrafoModInputs(sheet);
    },
    &TrafoModInputs::Bn, &TrafoModInputs::En, &DesignResults::trafoMod, computeTrafoMod,
    [](const TrafoModResult& r) { return r.core == CoreVerdict::Fits; }};

} // namespace

WoundPart trafoModPart()
{
    WoundPart p;
    p.type = PartType::DcTransformer;
    p.caption = "Modulador Valvulado";
    // The lists are read as whole numbers, so the inch sizes cannot be typed there.
    p.core = {"CBTMBn", "CBTMEn", "LTMAval", true};
    p.ownerUser = "EUserNameTM";
    p.ownerApplication = "EApplicationTM";
    p.inputsInUse = [](const Sheet&, const DesignResults&) {
        return std::vector<std::string>{"EPaMod",  "EFmin", "EEbmod", "EIb0mod", "EIb1mod",
                                        "EZmod",   "EIbrf", "EEbrf",  "EBmax"};
    };
    p.run = [](const Sheet& tab, const DesignResults& s, bool tabError,
               const ConstructionSettings& set, const Settings& cfg) {
        const TrafoModInput in = trafoModInput(tab, s.trafoMod, tabError);
        return PartRun{analyseTrafoMod(in, set, cfg), Core{in.a, in.b}, 0};
    };
    p.trial = [](const Sheet& tab, const DesignResults& s, const Settings& cfg) {
        return makeTrial(Trial, tab, s, cfg);
    };
    return p;
}

} // namespace kelvora::construction
