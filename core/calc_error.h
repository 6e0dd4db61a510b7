#pragma once
#include "shown_text.h"

#include <stdexcept>
#include <string>

namespace kelvora {

// The one exception a calculation throws: a strict read that failed or an
// arithmetic fault. what() is its Portuguese message; `words` the same as a
// message, which a window shows in its language.
class CalcError : public std::runtime_error {
public:
    // A message shown as it is, in any language.
    explicit CalcError(const std::string& message) : std::runtime_error(message) {}
    explicit CalcError(ShownText m) : std::runtime_error(portuguese(m)), words(std::move(m)) {}
    ShownText words;
    // The control whose text the failed read took ("CBTMBn"); empty when the
    // fault is the arithmetic's.
    std::string field;
};

// Runs a strict read of the control `field`: its error names the control.
template <class Read>
auto readingField(const char* field, Read&& read) -> decltype(read())
{
    try {
        return read();
    } catch (CalcError& e) {
        if (e.field.empty())
            e.field = field;
        throw;
    }
}

} // namespace kelvora
