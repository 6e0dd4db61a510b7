// Number-to-text formats under any finite long double and any precision.
//
// Properties checked, with E the decimal exponent of the value's 18-digit
// image (value = 0.d1d2... x 10^E) and p the precision after clamping to
// 2..18:
//  - no text ever reads "inf" or "nan", and only digits, the separator, a
//    leading '-' and one 'E' appear;
//  - fixed, not scientific: exactly d decimals, at most p integer digits, no
//    "-" on a zero, and the text read back as long double lies within half a
//    unit of its last significant digit of the value: the digit kept is the
//    coarser of the d-th decimal and the p-th significant digit, so
//    |text - v| <= 0.5 * max(10^-d, 10^(E-p)) (plus the 18-digit image error);
//  - fixed, scientific: only when the rounded integer part needs more than p
//    digits, with at most p mantissa digits, within half a unit of the p-th
//    significant digit;
//  - general: at most 15 significant digits, no trailing zero decimals, at
//    most 23 characters ("-d,ddddddddddddddE-4951"), within half a unit of
//    the 15th significant digit; scientific exactly when E > 15 or E < -3.
#include "numbers.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace kelvora;

namespace {

long double value;
std::string shown;

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "fuzz_format: %s: value %.21Lg text \"%s\"\n", what, value, shown.c_str());
    std::abort();
}

// The value's decimal exponent E, from its 18 correctly rounded digits.
int imageExponent(long double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17Le", v);
    return std::atoi(std::strchr(buf, 'e') + 1) + 1;
}

struct Parsed {
    bool negative = false;
    std::string intDigits, decDigits;
    bool scientific = false;
    bool expNegative = false;
    std::string expDigits;
    long double number = 0;
};

Parsed parse(const std::string& t, char sep)
{
    Parsed p;
    std::size_t i = 0;
    if (t.find("inf") != std::string::npos || t.find("nan") != std::string::npos
        || t.find("INF") != std::string::npos || t.find("NAN") != std::string::npos)
        fail("non-number text");
    if (i < t.size() && t[i] == '-') {
        p.negative = true;
        ++i;
    }
    auto digit = [&](std::size_t k) { return k < t.size() && t[k] >= '0' && t[k] <= '9'; };
    while (digit(i))
        p.intDigits += t[i++];
    if (p.intDigits.empty())
        fail("no integer digit");
    if (i < t.size() && t[i] == sep) {
        ++i;
        while (digit(i))
            p.decDigits += t[i++];
        if (p.decDigits.empty())
            fail("separator without decimals");
    }
    if (i < t.size() && t[i] == 'E') {
        p.scientific = true;
        ++i;
        if (i < t.size() && t[i] == '-') {
            p.expNegative = true;
            ++i;
        }
        while (digit(i))
            p.expDigits += t[i++];
        if (p.expDigits.empty())
            fail("exponent without digits");
    }
    if (i != t.size())
        fail("unexpected character");
    // Read back in the C notation, straight to long double (never via float).
    std::string c = (p.negative ? "-" : "") + p.intDigits;
    if (!p.decDigits.empty())
        c += "." + p.decDigits;
    if (p.scientific)
        c += std::string("e") + (p.expNegative ? "-" : "") + p.expDigits;
    p.number = std::strtold(c.c_str(), nullptr);
    return p;
}

void checkClose(long double back, long double unitExp, const char* what)
{
    // Half a unit of the last kept digit, the 18-digit image's own rounding,
    // the long double read-back and the subnormal grid.
    const long double half = 0.5L * std::pow(10.0L, unitExp);
    const long double tol = half * (1 + 1e-15L) + std::fabs(value) * 1e-17L
                            + std::fabs(back) * 1e-18L + 2 * LDBL_TRUE_MIN;
    if (!(std::fabs(back - value) <= tol))
        fail(what);
}

std::size_t significant(const Parsed& p)
{
    std::string all = p.intDigits + p.decDigits;
    const std::size_t first = all.find_first_not_of('0');
    return first == std::string::npos ? 0 : all.size() - first;
}

void checkFixed(long double v, int pIn, int d, char sep)
{
    const int p = pIn < 2 ? 2 : pIn > 18 ? 18 : pIn;
    const int dd = d < 0 ? 0 : d;
    shown = fixed(v, pIn, d, sep);
    const Parsed t = parse(shown, sep);
    const int E = v == 0 ? 0 : imageExponent(v);
    if (t.scientific) {
        if (std::stoi(t.expDigits) < p || t.expNegative)
            fail("fixed went scientific although the integer part fits");
        if (t.intDigits.size() != 1 || t.intDigits == "0"
            || t.intDigits.size() + t.decDigits.size() > std::size_t(p))
            fail("fixed scientific mantissa");
        const int shownE = std::stoi(t.expDigits) + 1;
        checkClose(t.number, shownE - p, "fixed scientific too far from the value");
        return;
    }
    if (t.decDigits.size() != std::size_t(dd))
        fail("fixed has the wrong number of decimals");
    if (t.intDigits.size() > std::size_t(p) || (t.intDigits.size() > 1 && t.intDigits[0] == '0'))
        fail("fixed integer part");
    if (t.negative && t.number == 0)
        fail("fixed shows a negative zero");
    if (t.number != 0 && t.negative != std::signbit(v))
        fail("fixed lost the sign");
    checkClose(t.number, std::max<long double>(-dd, E - p), "fixed too far from the value");
}

void checkGeneral(long double v, char sep)
{
    shown = general(v, sep);
    const Parsed t = parse(shown, sep);
    if (shown.size() > 23)
        fail("general longer than the 15-digit form");
    if (significant(t) > 15)
        fail("general has more than 15 significant digits");
    if (!t.decDigits.empty() && t.decDigits.back() == '0')
        fail("general keeps a trailing zero");
    if (t.number == 0) {
        if (shown != "0")
            fail("general zero");
        return;
    }
    const int E = imageExponent(v);
    if (t.scientific) {
        if (t.intDigits.size() != 1 || t.intDigits == "0")
            fail("general scientific mantissa");
        const int shownE = (t.expNegative ? -1 : 1) * std::stoi(t.expDigits) + 1;
        if (shownE <= 15 && shownE >= -3)
            fail("general went scientific inside the fixed range");
        checkClose(t.number, shownE - 15, "general too far from the value");
    } else {
        if (std::fabs(t.number) >= 1e15L || std::fabs(t.number) < 1e-4L)
            fail("general stayed fixed outside its range");
        checkClose(t.number, E - 15, "general too far from the value");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // mantissa (8), exponent (2), precision, decimals, flags
    if (size < 13)
        return 0;
    std::uint64_t mant;
    std::int16_t exp;
    std::memcpy(&mant, data, 8);
    std::memcpy(&exp, data + 8, 2);
    const int p = data[10] % 21;     // 0..20: below 2 and above 18 clamp
    const int d = data[11] % 13 - 1; // -1..11
    const std::uint8_t flags = data[12];
    const char sep = (flags & 1) ? '.' : ',';
    long double v = std::ldexp(static_cast<long double>(mant), exp % 16500 - 63);
    if (flags & 2)
        v = -v;
    if (flags & 4)
        v = static_cast<float>(v); // the state's own values are floats
    else if (flags & 8)
        v = static_cast<double>(v); // literal constants
    if (!std::isfinite(v))
        return 0;
    value = v;
    checkFixed(v, p, d, sep);
    checkGeneral(v, sep);
    return 0;
}
