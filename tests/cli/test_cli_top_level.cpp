// kelvora-cli's main runs its body through runToTheTop: whatever escapes it
// is one Portuguese line on standard error and a failing exit status, never
// an abort. Input alone cannot make runCli throw (it answers every fault
// itself), so the guard is exercised here with bodies that do.
#include "top_level.h"

#include <gtest/gtest.h>

#include <new>
#include <sstream>
#include <stdexcept>

using kelvora::runToTheTop;

TEST(CliTopLevel, TheBodysOwnStatusPassesThroughAndNothingIsWritten)
{
    for (int status : {0, 1, 2}) {
        std::ostringstream err;
        EXPECT_EQ(runToTheTop([&] { return status; }, err), status);
        EXPECT_EQ(err.str(), "");
    }
}

TEST(CliTopLevel, AnExceptionReachingTheTopIsExit1AndOneLine)
{
    std::ostringstream err;
    EXPECT_EQ(runToTheTop([]() -> int { throw std::runtime_error("folha sem núcleo"); }, err), 1);
    EXPECT_EQ(err.str(), "kelvora-cli: erro interno: folha sem núcleo\n");

    err.str("");
    EXPECT_EQ(runToTheTop([]() -> int { throw std::bad_alloc(); }, err), 1);
    EXPECT_EQ(err.str(), "kelvora-cli: erro interno: std::bad_alloc\n");

    // Not even a std::exception: no text to quote, still no abort.
    err.str("");
    EXPECT_EQ(runToTheTop([]() -> int { throw 42; }, err), 1);
    EXPECT_EQ(err.str(), "kelvora-cli: erro interno\n");
}
