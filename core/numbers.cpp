#include "numbers.h"

#include "calc_error.h"
#include "sheet.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
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

// 10^0 ... 10^27: the powers of ten a 64-bit significand holds exactly.
constexpr long double kExact10[] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,
                                    1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
                                    1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L,
                                    1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};

// The common case of a normalised text, read exactly without the C
// library: at most 19 significant digits make an integer M that a 64-bit
// significand holds exactly, and 10^k up to 10^27 is exact too, so M * 10^k
// or M / 10^k is one correctly rounded operation: the very value strtold
// gives. Anything else is left to strtold.
std::optional<long double> readExactly(const std::string& s)
{
    static_assert(std::numeric_limits<long double>::digits >= 64,
                  "needs a 64-bit significand for 19-digit integers and 10^27");
    std::size_t i = 0;
    const bool negative = s[0] == '-';
    if (s[0] == '-' || s[0] == '+')
        ++i;
    std::uint64_t m = 0;
    int digits = 0, scale = 0;
    bool point = false;
    for (; i < s.size() && s[i] != 'e'; ++i) {
        if (s[i] == '.') {
            point = true;
            continue;
        }
        const int d = s[i] - '0';
        if (m == 0 && d == 0) { // leading zeros carry no digit
            scale -= point;
            continue;
        }
        if (++digits > 19)
            return std::nullopt;
        m = m * 10 + d;
        scale -= point;
    }
    if (i < s.size()) { // exponent: 'e', optional sign, digits
        ++i;
        const bool down = s[i] == '-';
        if (s[i] == '-' || s[i] == '+')
            ++i;
        int e = 0;
        for (; i < s.size(); ++i) {
            e = e * 10 + (s[i] - '0');
            if (e > 1000)
                return std::nullopt;
        }
        scale += down ? -e : e;
    }
    long double v = static_cast<long double>(m);
    if (m != 0) {
        if (scale > 27 || scale < -27)
            return std::nullopt;
        v = scale >= 0 ? v * kExact10[scale] : v / kExact10[-scale];
    }
    return negative ? -v : v;
}

} // namespace

// What nearly every field holds, read without building a normalised copy:
// blanks, up to 19 significant digits, at most one separator, no sign and no
// exponent. The value is readExactly's: M or M / 10^k in one rounding.
namespace {

std::optional<float> plainDecimal(std::string_view t, char separator)
{
    std::size_t i = 0, n = t.size();
    while (i < n && t[i] == ' ')
        ++i;
    while (n > i && t[n - 1] == ' ')
        --n;
    std::uint64_t m = 0;
    int digits = 0, anyDigit = 0, scale = 0;
    bool point = false;
    for (; i < n; ++i) {
        const char c = t[i];
        if (c == separator && !point) {
            point = true;
            continue;
        }
        if (!isDigit(c))
            return std::nullopt;
        anyDigit = 1;
        scale -= point;
        if (m == 0 && c == '0')
            continue;
        if (++digits > 19)
            return std::nullopt;
        m = m * 10 + std::uint64_t(c - '0');
    }
    if (!anyDigit || scale < -27)
        return std::nullopt;
    // m / 1 is m: a whole number needs no division (every 64-bit m is exact).
    const long double v = scale == 0 ? static_cast<long double>(m)
                                     : static_cast<long double>(m) / kExact10[-scale];
    const float f = static_cast<float>(v);
    if (std::isinf(f))
        return std::nullopt;
    return f;
}

} // namespace

std::optional<float> parseFloat(std::string_view text, char separator)
{
    if (std::optional<float> plain = plainDecimal(text, separator))
        return plain;
    std::optional<std::string> s = normalise(text, separator);
    if (!s)
        return std::nullopt;
    // Decimal to extended, then to single, as the state stores it.
    std::optional<long double> exact = readExactly(*s);
    const long double v = exact ? *exact : strtold_l(s->c_str(), nullptr, cLocale());
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
    bool substituted = false;
    const float v = readTolerant(c.text, fallback, substituted, cfg);
    showRead(c, substituted, v, cfg);
    return v;
}

float readTolerant(std::string_view text, float fallback, bool& substituted, const Settings& cfg)
{
    const std::optional<float> v = parseFloat(text, cfg.decimalSeparator);
    substituted = !v;
    return v ? *v : fallback;
}

void showRead(Control& c, bool substituted)
{
    c.background = substituted ? Colour::Red : Colour::Window;
    c.substituted = substituted;
    c.badInput = false;
    c.readNote.clear();
    c.readNoteWords = {};
}

std::string shortest(float v, const Settings& cfg)
{
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    std::string s(buf, ec == std::errc() ? end : buf);
    if (s.empty() || s.find_first_of("eni") != std::string::npos)
        return general(v, cfg); // a power of ten past the plain form: the general format
    for (char& ch : s)
        if (ch == '.')
            ch = cfg.decimalSeparator;
    return s;
}

void showRead(Control& c, bool substituted, float used, const Settings& cfg, bool clamped)
{
    showRead(c, substituted);
    if (substituted && std::isfinite(used))
        writeReadNote(c, say(KELVORA_WORDS("Note", "texto não numérico: usado %1"),
                             {shortest(used, cfg)}));
    else if (substituted)
        writeReadNote(c, say(KELVORA_WORDS("Note", "texto não numérico")));
    else if (clamped)
        writeReadNote(c,
                      say(KELVORA_WORDS("Note", "fora da faixa: usado %1"), {shortest(used, cfg)}));
}

void showBadInput(Control& c, ShownText why)
{
    c.background = Colour::Red;
    c.badInput = true;
    writeReadNote(c, std::move(why));
}

float strictFloat(std::string_view text, char separator)
{
    if (std::optional<float> v = parseFloat(text, separator))
        return *v;
    throw CalcError(
        say(KELVORA_WORDS("Error", "'%1' não é um valor numérico válido"), {std::string(text)}));
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
        throw CalcError(say(KELVORA_WORDS("Error", "'%1' não é um número inteiro válido"),
                            {std::string(text)}));
    return static_cast<int>(signedV);
}

// ---- number to text -------------------------------------------------------

namespace {

// GCC's and Clang's 128-bit integer, for the carry of a 64 x 64-bit product.
__extension__ typedef unsigned __int128 Wide;

// Unsigned big integer on the stack, just large enough for the exact
// decimal expansion of any long double (about 16 600 bits at the extremes).
class BigNat {
public:
    explicit BigNat(std::uint64_t v) : n_(v ? 1 : 0) { limb_[0] = v; }

    bool mul(std::uint64_t f)
    {
        Wide carry = 0;
        for (int i = 0; i < n_; ++i) {
            carry += static_cast<Wide>(limb_[i]) * f;
            limb_[i] = static_cast<std::uint64_t>(carry);
            carry >>= 64;
        }
        if (carry == 0)
            return true;
        if (n_ == kLimbs)
            return false;
        limb_[n_++] = static_cast<std::uint64_t>(carry);
        return true;
    }

    // Divides in place; returns whether the remainder was non-zero.
    bool div(std::uint64_t d)
    {
        Wide rem = 0;
        for (int i = n_ - 1; i >= 0; --i) {
            rem = (rem << 64) | limb_[i];
            limb_[i] = static_cast<std::uint64_t>(rem / d);
            rem %= d;
        }
        trim();
        return rem != 0;
    }

    bool shiftLeft(int bits)
    {
        const int words = bits / 64, rest = bits % 64;
        if (n_ == 0)
            return true;
        if (n_ + words + 1 > kLimbs)
            return false;
        limb_[n_ + words] = 0;
        for (int i = n_ - 1; i >= 0; --i) {
            const std::uint64_t w = limb_[i];
            if (rest)
                limb_[i + words + 1] |= w >> (64 - rest);
            limb_[i + words] = w << rest;
        }
        for (int i = 0; i < words; ++i)
            limb_[i] = 0;
        n_ += words + 1;
        trim();
        return true;
    }

    // Shifts right; returns whether any non-zero bit fell off.
    bool shiftRight(int bits)
    {
        const int words = bits / 64, rest = bits % 64;
        if (words >= n_) {
            const bool lost = n_ > 0;
            n_ = 0;
            return lost;
        }
        bool lost = false;
        for (int i = 0; i < words; ++i)
            lost |= limb_[i] != 0;
        if (rest)
            lost |= (limb_[words] << (64 - rest)) != 0;
        for (int i = words; i < n_; ++i) {
            std::uint64_t w = limb_[i] >> rest;
            if (rest && i + 1 < n_)
                w |= limb_[i + 1] << (64 - rest);
            limb_[i - words] = w;
        }
        n_ -= words;
        trim();
        return lost;
    }

    std::optional<std::uint64_t> value() const
    {
        if (n_ > 1)
            return std::nullopt;
        return n_ ? limb_[0] : 0;
    }

private:
    void trim()
    {
        while (n_ > 0 && limb_[n_ - 1] == 0)
            --n_;
    }

    static constexpr int kLimbs = 272;
    std::uint64_t limb_[kLimbs];
    int n_;
};

constexpr std::uint64_t kPow10[] = {1ULL,
                                    10ULL,
                                    100ULL,
                                    1000ULL,
                                    10000ULL,
                                    100000ULL,
                                    1000000ULL,
                                    10000000ULL,
                                    100000000ULL,
                                    1000000000ULL,
                                    10000000000ULL,
                                    100000000000ULL,
                                    1000000000000ULL,
                                    10000000000000ULL,
                                    100000000000000ULL,
                                    1000000000000000ULL,
                                    10000000000000000ULL,
                                    100000000000000000ULL,
                                    1000000000000000000ULL,
                                    10000000000000000000ULL};

// floor(m * 2^e * 10^k) and whether anything was cut off; nothing when the
// quotient does not fit 64 bits.
std::optional<std::uint64_t> scaled(std::uint64_t m, int e, int k, bool& inexact)
{
    BigNat x(m);
    inexact = false;
    for (int left = k; left > 0; left -= 19)
        if (!x.mul(kPow10[std::min(left, 19)]))
            return std::nullopt;
    if (e > 0 && !x.shiftLeft(e))
        return std::nullopt;
    if (e < 0)
        inexact |= x.shiftRight(-e);
    // floor(floor(a / b) / c) = floor(a / (b c)), and the whole division is
    // inexact exactly when one of its steps is.
    for (int left = -k; left > 0; left -= 19)
        inexact |= x.div(kPow10[std::min(left, 19)]);
    return x.value();
}

// 0.d1d2d3... x 10^E, 18 significant digits correctly rounded (to nearest,
// ties to even, as the C library prints "%.17Le").
struct DigitImage {
    bool negative = false;
    bool zero = true;
    char digits[20] = {}; // no leading zero unless zero
    int count = 0;
    int exponent = 0;
};

DigitImage imageOf(long double v)
{
    DigitImage im;
    if (v == 0.0L || !std::isfinite(v))
        return im;
    im.negative = std::signbit(v);
    static_assert(std::numeric_limits<long double>::digits <= 64,
                  "the digit generator takes the significand as one 64-bit word");
    // |v| = m * 2^e exactly, m with its top bit set.
    std::uint64_t m = 0;
    int e = 0;
    bool split = false;
#if defined(__x86_64__) || defined(__i386__)
    if constexpr (std::numeric_limits<long double>::digits == 64) {
        // x87 extended: the 64-bit significand with its integer bit, then
        // sign and a biased 15-bit exponent.
        std::uint16_t signExp = 0;
        std::memcpy(&m, &v, sizeof m);
        std::memcpy(&signExp, reinterpret_cast<const char*>(&v) + sizeof m, sizeof signExp);
        const int biased = signExp & 0x7fff;
        split = biased != 0 && (m >> 63) != 0;
        e = biased - 16383 - 63;
    }
#endif
    if (!split) { // subnormal, or another long double layout
        int e2 = 0;
        const long double f = std::frexp(std::fabs(v), &e2);
        m = static_cast<std::uint64_t>(std::ldexp(f, 64));
        e = e2 - 64;
    }
    // |v| lies in [2^(e+63), 2^(e+64)): its decimal exponent is this or one more.
    const int d = static_cast<int>(std::floor((e + 63) * 0.30102999566398119521));
    int k = 18 - d; // 10^18 <= |v| 10^k < 10^20
    bool inexact = false;
    std::uint64_t q = 0;
    bool found = false;
    for (int tries = 0; tries < 3 && !found; ++tries) {
        const std::optional<std::uint64_t> got = scaled(m, e, k, inexact);
        found = got && *got >= kPow10[18] && *got < kPow10[19];
        if (found)
            q = *got;
        else // 20 digits when d was one short (or 18 for an estimate off
             // the other way): aim again, 19 digits fit a 64-bit word.
            k += (got && *got < kPow10[18]) ? 1 : -1;
    }
    if (!found)
        return im; // cannot happen for a finite value
    // 19 digits to 18: to nearest, a tie to the even digit.
    std::uint64_t r = q / 10;
    const unsigned last = static_cast<unsigned>(q % 10);
    if (last > 5 || (last == 5 && (inexact || (r & 1))))
        ++r;
    int exponent = 19 - k; // |v| = 0.q x 10^(19 - k)
    if (r == kPow10[18]) {
        r = kPow10[17];
        ++exponent;
    }
    // Three independent groups of six digits, two digits at a time: a short
    // chain of divisions instead of eighteen in a row.
    const std::uint32_t groups[3] = {static_cast<std::uint32_t>(r / 1000000000000ULL),
                                     static_cast<std::uint32_t>(r / 1000000 % 1000000),
                                     static_cast<std::uint32_t>(r % 1000000)};
    for (int g = 0; g < 3; ++g) {
        std::uint32_t rest = groups[g];
        char* at = im.digits + 6 * g;
        for (int pair = 2; pair >= 0; --pair) {
            const std::uint32_t two = rest % 100;
            rest /= 100;
            at[2 * pair] = static_cast<char>('0' + two / 10);
            at[2 * pair + 1] = static_cast<char>('0' + two % 10);
        }
    }
    im.count = 18;
    im.exponent = exponent;
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
    if (n < im.count) {
        const bool up = im.digits[n] >= '5';
        im.count = n;
        if (up) {
            int k = n - 1;
            while (k >= 0 && im.digits[k] == '9') {
                im.digits[k] = '0';
                --k;
            }
            if (k >= 0) {
                ++im.digits[k];
            } else {
                // 99..9 carried into a new leading digit: 100..0 with one
                // more exponent, the zeros dropped below.
                im.digits[0] = '1';
                im.count = 1;
                ++im.exponent;
            }
        }
    }
    while (im.count > 0 && im.digits[im.count - 1] == '0')
        --im.count;
    if (im.count == 0)
        im = DigitImage{};
}

void appendInt(std::string& s, int v, int minDigits)
{
    char buf[12];
    int n = 0;
    do {
        buf[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v > 0);
    for (int k = n; k < minDigits; ++k)
        s += '0';
    while (n > 0)
        s += buf[--n];
}

std::string scientific(const DigitImage& im, char separator, int minExpDigits)
{
    std::string s;
    s.reserve(32);
    if (im.negative)
        s += '-';
    s += im.digits[0];
    if (im.count > 1) {
        s += separator;
        s.append(im.digits + 1, im.count - 1);
    }
    s += 'E';
    int e = im.exponent - 1;
    if (e < 0) {
        s += '-';
        e = -e;
    }
    appendInt(s, e, minExpDigits);
    return s;
}

char digitAt(const DigitImage& im, int k) { return k >= 0 && k < im.count ? im.digits[k] : '0'; }

std::string generalOf(DigitImage im, int precision, char separator, int minExpDigits)
{
    roundTo(im, precision);
    if (im.zero)
        return "0";
    if (im.exponent > precision || im.exponent < -3)
        return scientific(im, separator, minExpDigits);
    std::string s;
    s.reserve(32);
    if (im.negative)
        s += '-';
    if (im.exponent <= 0) {
        s += '0';
    } else {
        for (int k = 0; k < im.exponent; ++k)
            s += digitAt(im, k);
    }
    const int decimals = im.count - im.exponent;
    if (decimals > 0) {
        s += separator;
        for (int k = 0; k < decimals; ++k)
            s += digitAt(im, im.exponent + k);
    }
    return s;
}

} // namespace

std::string printfImage(long double v)
{
    const DigitImage im = imageOf(v);
    std::string s = std::signbit(v) ? "-" : "";
    if (im.zero)
        return s + "0.00000000000000000e+00";
    s += im.digits[0];
    s += '.';
    s.append(im.digits + 1, 17);
    int e = im.exponent - 1;
    s += e < 0 ? "e-" : "e+";
    appendInt(s, e < 0 ? -e : e, 2);
    return s;
}

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
    std::string s;
    s.reserve(32);
    if (im.negative && !im.zero)
        s += '-';
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
