#pragma once
// Checked arithmetic. The designs compute in long double (80-bit on x86-64)
// and keep single-precision state; a fault ends the calculation with a
// CalcError instead of letting "INF" or "NAN" reach a label.
//
// The checks sit on every step of every calculation, so the good path is
// inline and only the faults, which throw, are out of line.
#include <cmath>

namespace kelvora {

namespace fault {
[[noreturn]] void divisionByZero();
// `what` names the quantity under a square root, or is null.
[[noreturn]] void invalidOperation(const char* what);
[[noreturn]] void overflow();
} // namespace fault

// The same check for a value that is only shown (formatted from long double).
inline long double finite(long double v)
{
    if (std::isnan(v)) [[unlikely]]
        fault::invalidOperation(nullptr);
    if (std::isinf(v)) [[unlikely]]
        fault::overflow();
    return v;
}

// a / b; a zero divisor is a fault.
inline long double quot(long double a, long double b)
{
    if (b == 0.0L) [[unlikely]]
        fault::divisionByZero();
    if (std::isnan(a) || std::isnan(b)) [[unlikely]]
        fault::invalidOperation(nullptr);
    return finite(a / b);
}

// Square root; a negative argument is a fault. `what` names the quantity
// in the message when the caller knows it.
inline long double root(long double x, const char* what = nullptr)
{
    if (std::isnan(x) || x < 0.0L) [[unlikely]]
        fault::invalidOperation(what);
    return std::sqrt(x);
}

// Rounds to single precision for the state; a value beyond float's range is a fault.
inline float store(long double v)
{
    finite(v);
    const float f = static_cast<float>(v);
    if (std::isinf(f)) [[unlikely]]
        fault::overflow();
    return f;
}

// Base-10 logarithm; zero or negative is a fault.
long double log10c(long double x);
// x ^ y; a negative base, zero to a negative power, or an overflow is a fault.
long double power(long double x, long double y);
// store(c * power(x, y)) to the last bit, without the extended-precision
// power whenever a double one provably rounds to the same single.
float storeScaledPower(long double c, float x, double y);

} // namespace kelvora
