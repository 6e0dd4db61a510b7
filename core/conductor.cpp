#include "conductor.h"

#include "checked.h"
#include "numbers.h"

#include <cmath>

namespace kelvora {

Sigma::Sigma(std::string_view text)
{
    try {
        value_ = strictInt(text);
    } catch (const CalcError& e) {
        error_ = e;
    }
}

int Sigma::value() const
{
    if (error_)
        throw *error_;
    return value_;
}

float SAWG(float current, const Sigma& sigma)
{
    const int s = sigma.value();
    // I/Sigma is the copper section in mm^2; 1/2100 mm^2 is about the section
    // of AWG 50, and the AWG table loses ten gauges per decade of section.
    long double x = 50 - 10 * log10c(quot(2100 * static_cast<long double>(current), s));
    if (!(x > 0))
        x = 0;
    if (x > 45)
        x = 45;
    return store(std::floor(x));
}

float Smm2(float current, const Sigma& sigma) { return store(quot(current, sigma.value())); }

} // namespace kelvora
