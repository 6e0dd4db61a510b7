#pragma once
// Runs kelvora-cli in-process and keeps what it printed.
#include "cli.h"

#include <sstream>
#include <string>
#include <vector>

namespace kelvora::test {

struct CliRun {
    int code;
    std::string out, err;
};

inline CliRun cliRun(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int code = runCli(args, out, err);
    return {code, out.str(), err.str()};
}

} // namespace kelvora::test
