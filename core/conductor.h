#pragma once
// Conductor sizing: every winding's copper follows from its current and the
// program-wide current density Sigma (A/mm^2) chosen on the settings tab.
#include "calc_error.h"

#include <optional>
#include <string_view>

namespace kelvora {

// Sigma as one recalculation reads it from CBSigma's text: parsed once. A text
// that is not a whole number does not fail here but at the first sizing that
// needs it, so a calculation stops at the same step whether it sizes one
// winding or ten.
class Sigma {
public:
    explicit Sigma(std::string_view text);
    // The density; throws the read's CalcError for a text that did not convert.
    int value() const;

private:
    int value_ = 0;
    std::optional<CalcError> error_;
};

// Wire gauge (AWG 0-45, whole) for a current in A: 50 - 10 log10(2100 I / Sigma).
float SAWG(float current, const Sigma& sigma);
// Copper cross-section in mm^2 for a current in A: I / Sigma.
float Smm2(float current, const Sigma& sigma);

} // namespace kelvora
