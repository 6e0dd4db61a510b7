// The valve modulation transformer as a wound part: a push-pull primary
// carrying the stage's DC and the secondary into the RF stage, on a gapped
// E/I core (or E and I interleaved when the reactor coupling keeps the DC out).
#include "trafo_mod.h"
#include "wound_part.h"

namespace kelvora::construction {

namespace {

// The coupling recorded as showing the tab records it.
class Trial : public CoreTrial {
public:
    Trial(const Sheet& tab, const DesignResults& s, const Settings& cfg) : CoreTrial(tab, s), cfg_(cfg)
    {
        SelConfigTM(sheet_, base_.trafoMod);
        in_ = readTrafoModInputs(sheet_);
    }
    Outcome calculate(const std::string& bn, const std::string& en) override
    {
        in_.Bn = bn;
        in_.En = en;
        TrafoModResult& r = state_.trafoMod;
        r = computeTrafoMod(in_, cfg_, base_.trafoMod);
        return {r.error.has_value(), r.core == CoreVerdict::Fits};
    }

private:
    const Settings& cfg_;
    TrafoModInputs in_;
};

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
        return std::unique_ptr<CoreTrial>(std::make_unique<Trial>(tab, s, cfg));
    };
    return p;
}

} // namespace kelvora::construction
