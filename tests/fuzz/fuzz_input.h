#pragma once
// What the fuzzers share: the fuzzer's bytes as typed texts and choices for a
// sheet's input controls, and the test for a number printed as "inf" or "nan".
#include "sheet.h"

#include <cctype>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace kelvora::fuzz {

// Reads the fuzzer's bytes in order; past the end everything is zero.
struct Bytes {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    std::uint8_t next() { return at < size ? data[at++] : 0; }
};

// Typed text: number-like characters most of the time, any byte otherwise.
// The letters of "inf" and "nan" never appear, so finding them in an output
// means the program produced them.
inline std::string typed(Bytes& in, int maxLength)
{
    static const char alphabet[] = "0123456789,.-+eE %/xyzOo0";
    std::size_t n = in.next() % 24;
    if (maxLength > 0 && n > std::size_t(maxLength))
        n = maxLength;
    std::string s;
    for (std::size_t k = 0; k < n; ++k) {
        std::uint8_t b = in.next();
        char c = (b & 0x80) ? char(b & 0x7f) : alphabet[b % (sizeof alphabet - 1)];
        switch (c) {
        case 'i':
        case 'n':
        case 'f':
        case 'a':
        case 'I':
        case 'N':
        case 'F':
        case 'A':
        case 0:
            c = '7';
            break;
        default:
            break;
        }
        s += c;
    }
    return s;
}

// Types a text into, or chooses an item of, each input control of the sheet;
// one radio button of each group is checked.
inline void fill(Sheet& sheet, const std::vector<ControlSpec>& specs, Bytes& in)
{
    std::map<std::string, std::vector<std::string>> groups;
    for (const ControlSpec& spec : specs) {
        if (!spec.input)
            continue;
        Control& c = sheet[spec.name];
        switch (spec.kind) {
        case Kind::Edit:
            if (!spec.readOnly)
                c.text = typed(in, spec.maxLength);
            break;
        case Kind::Combo: {
            const std::uint8_t choice = in.next();
            if (!spec.items.empty() && (choice & 1)) {
                c.itemIndex = int(choice / 2 % spec.items.size());
                c.text = spec.items[c.itemIndex];
            } else {
                c.text = typed(in, spec.maxLength);
                c.itemIndex = -1;
                for (std::size_t i = 0; i < spec.items.size(); ++i)
                    if (spec.items[i] == c.text)
                        c.itemIndex = int(i);
            }
            break;
        }
        case Kind::List:
            if (!spec.items.empty()) {
                c.itemIndex = int(in.next() % spec.items.size());
                c.text = spec.items[c.itemIndex];
            }
            break;
        case Kind::Radio:
            groups[spec.group].push_back(spec.name);
            break;
        default:
            break;
        }
    }
    for (const auto& [group, radios] : groups) {
        const std::size_t chosen = in.next() % radios.size();
        for (std::size_t i = 0; i < radios.size(); ++i)
            sheet[radios[i]].checked = i == chosen;
    }
}

// "inf", "nan" or "infinity" in any case as a word of its own (a number
// printed as "-inf" or "1,5NAN" counts; "informada" does not). Bytes of 0x80
// and above are parts of accented letters.
inline bool letter(unsigned char c) { return std::isalpha(c) || c >= 0x80; }
inline bool nonNumber(const std::string& t)
{
    auto at = [&](std::size_t i, const char* w) {
        for (std::size_t k = 0; w[k]; ++k)
            if (i + k >= t.size() || std::tolower(static_cast<unsigned char>(t[i + k])) != w[k])
                return false;
        return true;
    };
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (i > 0 && letter(t[i - 1]))
            continue;
        std::size_t end = 0;
        if (at(i, "infinity"))
            end = i + 8;
        else if (at(i, "inf") || at(i, "nan"))
            end = i + 3;
        if (end && (end >= t.size() || !letter(t[end])))
            return true;
    }
    return false;
}

} // namespace kelvora::fuzz
