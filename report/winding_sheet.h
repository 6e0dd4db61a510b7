#pragma once
// The winding sheet: what the builder takes to the winding machine. The core,
// the construction settings, then winding by winding from the bobbin tube
// outwards the turns, the wire, the layers and the insulation to put on after
// it, then the figures of the analysis. Plain text (UTF-8, "\n"); the report
// encoder writes it as the other reports.
#include "construction.h"
#include "wound_part.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

// What the window shows beside each construction setting.
struct ConstrucaoSettingText {
    const char* name;    // control, e.g. "ECoEmpil"
    const char* caption; // "Fator de empilhamento:"
    const char* unit;    // "mm", "°C", ... or ""
    const char* tooltip; // meaning and usual range
};
// Every setting of construcaoControls(), in its order; CBCoRet1-6 share one
// entry each whose caption ends in the secondary's number.
const std::vector<ConstrucaoSettingText>& construcaoSettingTexts();

// The design's chosen core: leg width a and stack b (mm), and its family
// with the U/I window.
using SheetCore = construction::Core;

// A design's analysis with what the sheet shows besides it.
using SheetSubject = construction::PartRun;

// The whole sheet. `settings` is the window's settings sheet (texts as typed;
// a field whose read was substituted is listed with its default, as the analysis used it); the rectifier
// loads are listed for the power transformer's `activeSecondaries` only.
// `caption` names the part in the title ("Trafo Alimentação").
// `tr` gives each of its messages in the sheet's language: Portuguese by
// default, the catalogue's where the window or kelvora-cli --idioma=en asks;
// the numbers are the same in any language.
std::string windingSheetText(std::string_view caption, const construction::Analysis& analysis,
                             const SheetCore& core, const Sheet& settings, int activeSecondaries,
                             const Settings& cfg,
                             const Translator& tr = portuguese);

// The captions of the sheet's drawing page (PDF and printout) in the
// language of `tr`; `fill` keeps its "%1" for the window fill.
struct WindingSheetCaptions {
    std::string section, fill, uiCore, lamination;
    std::string title; // the document's (the PDF's title, the printer's job)
};
WindingSheetCaptions windingSheetCaptions(const Translator& tr = portuguese);

// A sheet is written only for an analysis that went through: one that ended
// in an error holds no windings to wind. The refusal (in the language of `tr`),
// or nothing.
std::optional<std::string> windingSheetRefusal(const construction::Analysis& analysis,
                                               const Translator& tr = portuguese);

} // namespace kelvora
