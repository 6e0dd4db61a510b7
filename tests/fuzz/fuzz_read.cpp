// Text-to-number readers under arbitrary bytes. The first byte picks the
// decimal separator; the rest is the text as a user could type or paste it.
#include "calc_error.h"
#include "numbers.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

using namespace kelvora;

namespace {

[[noreturn]] void fail(const char* what, std::string_view text)
{
    std::fprintf(stderr, "fuzz_read: %s for text \"%.*s\"\n", what, int(text.size()), text.data());
    std::abort();
}

bool sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Integer syntax the strict integer read must accept: blanks before, an
// optional sign, decimal digits to the end, within 32 bits.
std::optional<long long> referenceInt(std::string_view t)
{
    std::size_t i = 0;
    while (i < t.size() && t[i] == ' ')
        ++i;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        negative = t[i++] == '-';
    if (i == t.size())
        return std::nullopt;
    long long v = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9')
            return std::nullopt;
        if (v <= 100000000000LL)
            v = v * 10 + (t[i] - '0');
    }
    v = negative ? -v : v;
    if (v > INT_MAX || v < INT_MIN)
        return std::nullopt;
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const char separator = (data[0] == '.' || (data[0] & 1)) ? '.' : ',';
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    std::optional<float> tolerant;
    try {
        tolerant = parseFloat(text, separator);
    } catch (...) {
        fail("parseFloat threw", text);
    }
    if (tolerant && !std::isfinite(*tolerant))
        fail("parseFloat gave a non-finite value", text);

    try {
        const float strict = strictFloat(text, separator);
        if (!tolerant)
            fail("strictFloat accepted what parseFloat rejects", text);
        if (!sameBits(strict, *tolerant))
            fail("strictFloat and parseFloat disagree", text);
    } catch (const CalcError& e) {
        if (tolerant)
            fail("strictFloat rejected what parseFloat accepts", text);
        // The message names the text the user typed (what() stops at a NUL,
        // which no field can hold).
        if (text.find('\0') == std::string::npos
            && std::string(e.what()).find("'" + text + "'") == std::string::npos)
            fail("strictFloat message does not name the text", text);
    } catch (...) {
        fail("strictFloat threw something other than CalcError", text);
    }

    const std::optional<long long> expected = referenceInt(text);
    try {
        const int v = strictInt(text);
        if (!expected || *expected != v)
            fail("strictInt accepted a text outside the integer syntax or misread it", text);
        // Every integer text is also a number text, read as the nearest float.
        if (!tolerant || *tolerant != static_cast<float>(static_cast<long double>(v)))
            fail("parseFloat misreads an integer text", text);
    } catch (const CalcError&) {
        if (expected)
            fail("strictInt rejected an integer text", text);
    } catch (...) {
        fail("strictInt threw something other than CalcError", text);
    }
    return 0;
}
