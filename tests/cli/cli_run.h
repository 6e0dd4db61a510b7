#pragma once
// Runs kelvora-cli in-process and keeps what it printed.
#include "cli.h"

#include <sstream>
#include <string>
#include <utility>
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

// The same, into the caller's strings; returns the exit code.
inline int cli(const std::vector<std::string>& args, std::string& out, std::string& err)
{
    CliRun r = cliRun(args);
    out = std::move(r.out);
    err = std::move(r.err);
    return r.code;
}

} // namespace kelvora::test
