#include "numbers.h"

#include "calc_error.h"
#include "sheet.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace kelvora {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the syntax and rewrites the text for strtold in the C locale:
// '.' as separator and a bare exponent mark ("1e", "1e+") dropped.
std::optional<std::string> normalise(std::string_view t, char separator)
{
    std::size_t i = 0, n = t.size();
    while (i < n && t[i] == ' ')
        ++i;
    while (n > i && t[n - 1] == ' ')
        --n;
    std::string out;
    if (i < n && (t[i] == '+' || t[i] == '-'))
        out += t[i++];
    if (i == n)
        return std::nullopt; // nothing after the sign, or empty
    bool mantissaDigit = false;
    while (i < n && isDigit(t[i])) {
        out += t[i++];
        mantissaDigit = true;
    }
    if (i < n && t[i] == separator) {
        out += '.';
        ++i;
        while (i < n && isDigit(t[i])) {
            out += t[i++];
            mantissaDigit = true;
        }
    }
    // A lone separator reads as 0: at least one character followed the sign.
    if (!mantissaDigit)
        out += '0';
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        if (!mantissaDigit && out.find('.') == std::string::npos)
            return std::nullopt; // "E5": an exponent needs a mantissa
        ++i;
        std::string exp;
        if (i < n && (t[i] == '+' || t[i] == '-'))
            exp += t[i++];
        bool expDigit = false;
        while (i < n && isDigit(t[i])) {
            exp += t[i++];
            expDigit = true;
        }
        if (expDigit)
            out += 'e' + exp;
    }
    if (i != n)
        return std::nullopt;
    return out;
}

locale_t cLocale()
{
    static locale_t loc = newlocale(LC_ALL_MASK, "C", nullptr);
    return loc;
}

} // namespace

std::optional<float> parseFloat(std::string_view text, char separator)
{
    std::optional<std::string> s = normalise(text, separator);
    if (!s)
        return std::nullopt;
    errno = 0;
    // Decimal to extended, then to single, as the state stores it.
    const long double v = strtold_l(s->c_str(), nullptr, cLocale());
    if (!std::isfinite(v))
        return std::nullopt;
    const float f = static_cast<float>(v);
    if (std::isinf(f))
        return std::nullopt;
    return f;
}

float readTolerant(Sheet& tab, std::string_view name, float fallback, const Settings& cfg)
{
    Control& c = tab[name];
    if (std::optional<float> v = parseFloat(c.text, cfg.decimalSeparator)) {
        c.background = Colour::Window;
        return *v;
    }
    c.background = Colour::Red;
    return fallback;
}

float strictFloat(std::string_view text, char separator)
{
    if (std::optional<float> v = parseFloat(text, separator))
        return *v;
    throw CalcError("'" + std::string(text) + "' não é um valor numérico válido");
}

int strictInt(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long v = 0;
    bool digit = false;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        v = v * 10 + (text[i] - '0');
        digit = true;
        if (v > 2147483648LL)
            break;
    }
    const long long signedV = negative ? -v : v;
    if (!digit || i != text.size() || signedV > INT_MAX || signedV < INT_MIN)
        throw CalcError("'" + std::string(text) + "' não é um número inteiro válido");
    return static_cast<int>(signedV);
}

// ---- number to text -------------------------------------------------------

namespace {

// 0.d1d2d3... x 10^E, 18 significant digits correctly rounded.
struct DigitImage {
    bool negative = false;
    bool zero = true;
    std::string digits; // no leading zero unless zero
    int exponent = 0;
};

DigitImage imageOf(long double v)
{
    DigitImage im;
    if (v == 0.0L || !std::isfinite(v))
        return im;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17Le", v);
    // "-d.ddddddddddddddddde+XX"
    const char* p = buf;
    if (*p == '-') {
        im.negative = true;
        ++p;
    }
    im.digits += *p++;
    if (*p == '.')
        ++p;
    while (isDigit(*p))
        im.digits += *p++;
    if (*p == 'e')
        ++p;
    im.exponent = std::atoi(p) + 1;
    im.zero = false;
    return im;
}

// Rounds half away from zero to n significant digits (n may be 0 or below).
void roundTo(DigitImage& im, int n)
{
    if (im.zero)
        return;
    if (n < 0) {
        im = DigitImage{};
        return;
    }
    if (n >= static_cast<int>(im.digits.size()))
        return;
    const bool up = im.digits[n] >= '5';
    im.digits.resize(n);
    if (up) {
        int k = n - 1;
        while (k >= 0 && im.digits[k] == '9') {
            im.digits[k] = '0';
            --k;
        }
        if (k >= 0) {
            ++im.digits[k];
        } else {
            im.digits.insert(im.digits.begin(), '1');
            ++im.exponent;
        }
    }
    while (!im.digits.empty() && im.digits.back() == '0')
        im.digits.pop_back();
    if (im.digits.empty())
        im = DigitImage{};
}

std::string scientific(const DigitImage& im, char separator, int minExpDigits)
{
    std::string s = im.negative ? "-" : "";
    s += im.digits[0];
    if (im.digits.size() > 1) {
        s += separator;
        s.append(im.digits, 1, std::string::npos);
    }
    s += 'E';
    int e = im.exponent - 1;
    if (e < 0) {
        s += '-';
        e = -e;
    }
    std::string ed = std::to_string(e);
    if (static_cast<int>(ed.size()) < minExpDigits)
        ed.insert(0, minExpDigits - ed.size(), '0');
    return s + ed;
}

char digitAt(const DigitImage& im, int k)
{
    return k >= 0 && k < static_cast<int>(im.digits.size()) ? im.digits[k] : '0';
}

std::string generalOf(DigitImage im, int precision, char separator, int minExpDigits)
{
    roundTo(im, precision);
    if (im.zero)
        return "0";
    if (im.exponent > precision || im.exponent < -3)
        return scientific(im, separator, minExpDigits);
    std::string s = im.negative ? "-" : "";
    if (im.exponent <= 0) {
        s += '0';
    } else {
        for (int k = 0; k < im.exponent; ++k)
            s += digitAt(im, k);
    }
    const int decimals = static_cast<int>(im.digits.size()) - im.exponent;
    if (decimals > 0) {
        s += separator;
        for (int k = 0; k < decimals; ++k)
            s += digitAt(im, im.exponent + k);
    }
    return s;
}

} // namespace

std::string general(long double v, char separator)
{
    return generalOf(imageOf(v), 15, separator, 0);
}

std::string fixed(long double v, int p, int d, char separator)
{
    if (p < 2)
        p = 2;
    if (p > 18)
        p = 18;
    if (d < 0)
        d = 0;
    DigitImage im = imageOf(v);
    if (!im.zero) {
        const int at = std::min(p, im.exponent + d);
        roundTo(im, at);
    }
    if (!im.zero && im.exponent > p)
        return generalOf(im, p, separator, d <= 4 ? d : 0);
    std::string s = (im.negative && !im.zero) ? "-" : "";
    if (im.zero || im.exponent <= 0) {
        s += '0';
    } else {
        for (int k = 0; k < im.exponent; ++k)
            s += digitAt(im, k);
    }
    if (d > 0) {
        s += separator;
        for (int k = 0; k < d; ++k)
            s += im.zero ? '0' : digitAt(im, im.exponent + k);
    }
    return s;
}

} // namespace kelvora
