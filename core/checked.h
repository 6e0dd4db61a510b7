#pragma once
// Checked arithmetic. The designs compute in long double (80-bit on x86-64)
// and keep single-precision state; a fault ends the calculation with a
// CalcError instead of letting "INF" or "NAN" reach a label.
namespace kelvora {

// a / b; a zero divisor is a fault.
long double quot(long double a, long double b);
// Square root; a negative argument is a fault. `what` names the quantity
// in the message when the caller knows it.
long double root(long double x, const char* what = nullptr);
// Base-10 logarithm; zero or negative is a fault.
long double log10c(long double x);
// x ^ y; a negative base, zero to a negative power, or an overflow is a fault.
long double power(long double x, long double y);
// Rounds to single precision for the state; a value beyond float's range is a fault.
float store(long double v);
// The same check for a value that is only shown (formatted from long double).
long double finite(long double v);

} // namespace kelvora
