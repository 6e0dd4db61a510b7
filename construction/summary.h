#pragma once
// The construction's verdicts in one line, for the design's tab: what the
// build says, without opening the Construção window.
#include "construction.h"

#include <string>

namespace kelvora::construction {

struct Summary {
    std::string text;   // "Construção: não cabe, indução alta"
    bool good = true;   // every verdict passes
    std::string detail; // every verdict's full text, a line each
};

// The failing verdicts when there are any, else "tudo ok"; an analysis that
// could not run says so.
Summary summarise(const Analysis& a);

} // namespace kelvora::construction
