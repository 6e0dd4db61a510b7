#pragma once
#include <stdexcept>
#include <string>

namespace kelvora {

// The one exception a calculation throws: a strict read that failed or an
// arithmetic fault. Its message is Portuguese and shown to the user as is.
class CalcError : public std::runtime_error {
public:
    explicit CalcError(const std::string& message) : std::runtime_error(message) {}
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
