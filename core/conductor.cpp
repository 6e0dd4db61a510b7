#include "conductor.h"

#include "checked.h"
#include "numbers.h"

#include <algorithm>
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
    const long double q = quot(2100 * static_cast<long double>(current), s);
    // Only the whole gauge is kept. For any section a single current can give,
    // 10 log10 in double is within 1e-12 of the extended one, so wherever it
    // is farther than 1e-9 from a whole gauge both floor alike; near one
    // (exact decades among them) the extended logarithm decides.
    if (q > 0) {
        const double g = 50 - 10 * std::log10(static_cast<double>(q));
        const double whole = std::floor(g);
        if (g - whole > 1e-9 && whole + 1 - g > 1e-9)
            return static_cast<float>(std::clamp(whole, 0.0, 45.0));
    }
    long double x = 50 - 10 * log10c(q);
    if (!(x > 0))
        x = 0;
    if (x > 45)
        x = 45;
    return store(std::floor(x));
}

float Smm2(float current, const Sigma& sigma) { return store(quot(current, sigma.value())); }

} // namespace kelvora
