#pragma once
// A design's wound part: all that the construction analysis, the core
// adviser, the winding sheet and the Construção window need from a design
// that builds iron. The registry of designs gives each such design one, so
// that none of them knows a design by its name: they ask the part what it
// is (its type, its core fields, its caption) and let it read its own
// result record.
#include "construction.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora::construction {

// The tab's fields for the centre-leg width Bn and the stack En, and the
// label of its core verdict.
struct CoreFields {
    std::string_view bn, en, verdict;
    bool wholeMm; // the fields take whole millimetres only (the modulator's lists)
};

// A part's analysis with what a winding sheet shows besides it.
struct PartRun {
    Analysis analysis;
    Core core;                 // the chosen core as the sheet describes it
    int activeSecondaries = 0; // mains transformer: the secondaries that have a load
};

// One core tried by the adviser: the design's own calculation, on a copy of
// the tab's sheet and record, with a catalogue core's width and stack in
// place of the typed ones. No text is formatted and no control written, so a
// core costs its arithmetic only; the construction analysis then reads the
// new record from state().
class CoreTrial {
public:
    CoreTrial(const Sheet& tab, const DesignResults& s) : sheet_(tab), base_(s), state_(s) {}
    virtual ~CoreTrial() = default;
    struct Outcome {
        bool failed = false;   // the calculation ended in an error
        bool coreGood = false; // the tab's own verdict on the section
    };
    // Calculates with width `bn` and stack `en`, as the fields would hold them.
    virtual Outcome calculate(const std::string& bn, const std::string& en) = 0;
    const Sheet& sheet() const { return sheet_; }
    const DesignResults& state() const { return state_; }

protected:
    Sheet sheet_;
    DesignResults base_;  // the record of the tab's last run: where each calculation starts
    DesignResults state_; // the record of the core just calculated
};

// The trial of a design whose calculation is `compute(inputs, cfg, last)`
// on its own record: `prepare` arranges the sheet copy as showing the tab
// would and reads the inputs once; each core writes its width and stack into
// `bn` and `en` and recalculates from the tab's last record. `coreGood` is
// the tab's own verdict on the section.
template <class Inputs, class Result>
struct ComputedTrial {
    Inputs (*prepare)(Sheet& sheet, DesignResults& base);
    std::string Inputs::*bn;
    std::string Inputs::*en;
    Result DesignResults::*record;
    Result (*compute)(const Inputs&, const Settings&, const Result&);
    bool (*coreGood)(const Result&);
};

template <class Inputs, class Result>
std::unique_ptr<CoreTrial> makeTrial(const ComputedTrial<Inputs, Result>& how, const Sheet& tab,
                                     const DesignResults& s, const Settings& cfg)
{
    class Trial : public CoreTrial {
    public:
        Trial(const ComputedTrial<Inputs, Result>& how, const Sheet& tab, const DesignResults& s,
              const Settings& cfg)
            : CoreTrial(tab, s), how_(how), cfg_(cfg), in_(how.prepare(sheet_, base_))
        {
        }
        Outcome calculate(const std::string& bn, const std::string& en) override
        {
            in_.*how_.bn = bn;
            in_.*how_.en = en;
            Result& r = state_.*how_.record;
            r = how_.compute(in_, cfg_, base_.*how_.record);
            return {r.error.has_value(), how_.coreGood(r)};
        }

    private:
        ComputedTrial<Inputs, Result> how_;
        const Settings& cfg_;
        Inputs in_;
    };
    return std::make_unique<Trial>(how, tab, s, cfg);
}

struct WoundPart {
    PartType type = PartType::MainsTransformer;
    // The part in words: the winding sheet's title ("Folha de enrolamento - " + caption).
    std::string caption;
    CoreFields core{};
    // The tab's user-name and application fields, which the winding sheet carries.
    std::string ownerUser, ownerApplication;
    // The tab's inputs the part rests on now (a hidden secondary is none of them).
    std::function<std::vector<std::string>(const Sheet&, const DesignResults&)> inputsInUse;
    // A refusal of the design's own, after its inputs stand (the reactor's
    // charts); may be empty.
    std::function<std::optional<ShownText>(const DesignResults&)> ownRefusal;
    // Whether the record is unusable though the tab's run did not fail (a
    // reactor of no inductance); may be empty.
    std::function<bool(const DesignResults&)> recordUnusable;
    // The analysis of the record the tab's last calculation left.
    std::function<PartRun(const Sheet&, const DesignResults&, bool tabError,
                          const ConstructionSettings&, const Settings&)>
        run;
    // The tab chose U/I laminations; may be empty (E/I only).
    std::function<bool(const Sheet&)> uiChosen;
    // The adviser's trial, started from the tab's sheet and record.
    std::function<std::unique_ptr<CoreTrial>(const Sheet&, const DesignResults&, const Settings&)>
        trial;
};

// Why the tab's inputs give no construction, core advice or winding sheet: a
// field used with a value other than its text (substituted) or a bad input
// (a negative voltage), named with what was used; then the part's own
// refusal. Nothing when the inputs stand.
std::optional<ShownText> inputRefusal(const WoundPart& part, const Sheet& sheet,
                                        const DesignResults& s);

// The analysis of the part from the tab's sheet and record; refused without
// being run when its inputs do not stand (and the tab's run did not fail).
Analysis analysePart(const WoundPart& part, const Sheet& sheet, const DesignResults& s,
                     bool tabError, const ConstructionSettings& set, const Settings& cfg);

// The same for a winding sheet: always run (the sheet describes the core and
// settings), with the refusal in place of its windings.
PartRun sheetRun(const WoundPart& part, const Sheet& sheet, const DesignResults& s, bool tabError,
                 const ConstructionSettings& set, const Settings& cfg);

// The parts of the power transformer, the valve modulator and the filter reactor.
WoundPart trafoAlimPart();
WoundPart trafoModPart();
WoundPart reatorFiltroPart();

} // namespace kelvora::construction
