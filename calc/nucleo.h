#pragma once
// The dimensions written on the lamination drawing.
#include "numbers.h"

#include <string>
#include <utility>
#include <vector>

namespace kelvora {

// Label name and text for Label1-Label19, in the order VisNucleo writes them,
// from the stack height En and centre-leg width Bn (mm) of a standard
// scrapless E/I lamination: every dimension is a multiple of Bn.
std::vector<std::pair<std::string, std::string>> VisNucleoLabels(float En, float Bn,
                                                                 const Settings& cfg);

} // namespace kelvora
