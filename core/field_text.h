#pragma once
// What a text field holds: the texts a design file can carry back unchanged.
#include "sheet.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvora {

// A field without a length of its own takes what a line edit takes.
inline constexpr int UnlimitedFieldLength = 32767;

// The most UTF-16 code units the field takes (its own limit, else a line edit's).
std::size_t fieldLimit(const ControlSpec& spec);
// Length as a line edit counts it: UTF-16 code units of valid UTF-8.
std::size_t utf16Length(std::string_view utf8);
bool hasControlCharacter(std::string_view text);

// `text` as the field keeps it when it is pasted or typed there: bytes that are
// no UTF-8 become U+FFFD, each control character (a tab, a line break) a
// blank, and what passes the field's length is cut off at a whole character.
std::string fieldText(const ControlSpec& spec, std::string_view text);

} // namespace kelvora
