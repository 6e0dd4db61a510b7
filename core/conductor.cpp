#include "conductor.h"

#include "calc_state.h"
#include "checked.h"

#include <cmath>

namespace kelvora {

float SAWG(float current, CalcState& s, const Settings& cfg)
{
    s.Sigma = strictInt(cfg.sigmaText);
    // I/Sigma is the copper section in mm^2; 1/2100 mm^2 is about the section
    // of AWG 50, and the AWG table loses ten gauges per decade of section.
    long double x = 50 - 10 * log10c(quot(2100 * static_cast<long double>(current), s.Sigma));
    if (!(x > 0))
        x = 0;
    if (x > 45)
        x = 45;
    return store(std::floor(x));
}

float Smm2(float current, CalcState& s, const Settings& cfg)
{
    s.Sigma = strictInt(cfg.sigmaText);
    return store(quot(current, s.Sigma));
}

} // namespace kelvora
