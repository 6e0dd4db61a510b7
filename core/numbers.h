#pragma once
// Text to number and number to text, exact to the character. The decimal
// separator is a parameter: the window passes the user's locale's.
#include "shown_text.h"

#include <optional>
#include <string>
#include <string_view>

namespace kelvora {

class Sheet;
struct Control;

struct Settings {
    char decimalSeparator = ',';
    // Text of CBSigma on the settings tab (current density, A/mm^2),
    // read strictly by each conductor sizing call.
    std::string sigmaText = "3";
};

// Tolerant parse: blanks around, optional sign, digits with an optional
// separator, optional exponent. Returns nothing for anything else or for a
// value beyond float's range; never throws.
std::optional<float> parseFloat(std::string_view text, char separator);

// Edit field read: the value, or `fallback` with the field turned red and
// marked substituted.
float readTolerant(Sheet& tab, std::string_view name, float fallback, const Settings& cfg);

// The same read on a text already taken from its field: the value, or the
// fallback with `substituted` set.
float readTolerant(std::string_view text, float fallback, bool& substituted, const Settings& cfg);
// Shows a tolerant read on its field: red and marked when the fallback stood in.
void showRead(Control& c, bool substituted);
// The same, noting on the field the value the calculation used in place of
// its text: the fallback, or (`clamped`) the number a range rule made of it.
void showRead(Control& c, bool substituted, float used, const Settings& cfg,
              bool clamped = false);
// The shortest text that reads back as `v` ("0,95" for 0.95f, not its 15 digits).
std::string shortest(float v, const Settings& cfg);
// A number taken as typed that no part can be built from: red, noted, marked.
void showBadInput(Control& c, ShownText why);

// Strict reads: a text that does not convert raises a CalcError naming it.
float strictFloat(std::string_view text, char separator);
int strictInt(std::string_view text);

// Fixed format: precision p significant digits, d decimals (scientific when
// the integer part needs more than p digits).
std::string fixed(long double v, int p, int d, char separator);
// General format: up to 15 significant digits, trailing zeros dropped.
std::string general(long double v, char separator);

// The 18 significant digits both formats start from, correctly rounded, in
// the C library's "%.17Le" form ("-1.23456789012345678e+03").
std::string printfImage(long double v);

inline std::string fixed(long double v, int p, int d, const Settings& cfg)
{
    return fixed(v, p, d, cfg.decimalSeparator);
}
inline std::string general(long double v, const Settings& cfg)
{
    return general(v, cfg.decimalSeparator);
}

} // namespace kelvora
