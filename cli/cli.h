#pragma once
// kelvora-cli: the designs without a window.
#include <iosfwd>
#include <string>
#include <vector>

namespace kelvora {

// Runs the command line (arguments without the program name). Returns the
// exit status: 0 done, 1 the calculation failed or a report or `out` could not
// be written, 2 usage error.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace kelvora
