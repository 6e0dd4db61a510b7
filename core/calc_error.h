#pragma once
#include <stdexcept>
#include <string>

namespace kelvora {

// The one exception a calculation throws: a strict read that failed or an
// arithmetic fault. Its message is Portuguese and shown to the user as is.
class CalcError : public std::runtime_error {
public:
    explicit CalcError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace kelvora
