#pragma once
// The construction's verdicts in one line, for the design's tab: what the
// build says, without opening the Construção window.
#include "construction.h"

#include <string>
#include <vector>

namespace kelvora::construction {

struct Summary {
    std::string text;   // "Construção: não cabe, indução alta"
    bool good = true;   // every verdict passes
    std::string detail; // every verdict's full text, a line each
    // The same as messages: the short forms of the failing verdicts (none:
    // "tudo ok"), and the detail's lines (the error of an analysis that could
    // not run).
    bool ran = true;
    std::vector<Words> shortForms;
    std::vector<ShownText> details;
    std::vector<std::string> detailTexts; // their Portuguese (shown where a line has no message)
};

// The failing verdicts when there are any, else "tudo ok"; an analysis that
// could not run says so.
Summary summarise(const Analysis& a);
// The summary's line and its detail, each message translated by `tr`.
std::string summaryLine(const Summary& s, const Translator& tr);
std::string summaryDetail(const Summary& s, const Translator& tr);

} // namespace kelvora::construction
