#include "field_text.h"

namespace kelvora {

namespace {

const char* const ReplacementCharacter = "\xEF\xBF\xBD";

// Length of the valid UTF-8 sequence at s[i], or 0 when there is none
// (overlong forms, surrogates and code points past U+10FFFF are invalid).
std::size_t sequenceAt(std::string_view s, std::size_t i)
{
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80)
        return 1;
    std::size_t n = 0;
    unsigned lo = 0x80, hi = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        lo = c == 0xE0 ? 0xA0 : 0x80;
        hi = c == 0xED ? 0x9F : 0xBF;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        lo = c == 0xF0 ? 0x90 : 0x80;
        hi = c == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + n > s.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const unsigned char b = static_cast<unsigned char>(s[i + k]);
        if (b < (k == 1 ? lo : 0x80) || b > (k == 1 ? hi : 0xBF))
            return 0;
    }
    return n;
}

} // namespace

std::size_t fieldLimit(const ControlSpec& spec)
{
    return std::size_t(spec.maxLength > 0 ? spec.maxLength : UnlimitedFieldLength);
}

std::size_t utf16Length(std::string_view s)
{
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if ((c & 0xC0) == 0x80)
            continue;           // continuation byte
        n += c >= 0xF0 ? 2 : 1; // four-byte sequences need a surrogate pair
    }
    return n;
}

bool hasControlCharacter(std::string_view s)
{
    for (char ch : s) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == 0x7F)
            return true;
    }
    return false;
}

std::string fieldText(const ControlSpec& spec, std::string_view text)
{
    const std::size_t limit = fieldLimit(spec);
    std::string out;
    std::size_t units = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = sequenceAt(text, i);
        std::string_view piece = n ? text.substr(i, n) : std::string_view(ReplacementCharacter);
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (n == 1 && (c < 0x20 || c == 0x7F))
            piece = " ";
        const std::size_t width = n == 4 ? 2 : 1;
        if (units + width > limit)
            break;
        out += piece;
        units += width;
        i += n ? n : 1;
    }
    return out;
}

} // namespace kelvora
