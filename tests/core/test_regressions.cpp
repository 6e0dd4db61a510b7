// Inputs the fuzzers and the random typing turned up, kept as plain cases.
#include "calc_error.h"
#include "numbers.h"

#include <gtest/gtest.h>

#include <string>

using namespace kelvora;

TEST(Regressions, ReadersRejectEmbeddedNulBytesAlike)
{
    // A NUL inside pasted text ends neither reader early: "1\0" is not "1".
    for (const std::string& text : {std::string("1\0", 2),
                                    std::string("\0"
                                                "1",
                                                2),
                                    std::string(",5\0e2", 5)}) {
        SCOPED_TRACE(testing::PrintToString(text));
        EXPECT_FALSE(parseFloat(text, ',').has_value());
        EXPECT_THROW(strictFloat(text, ','), CalcError);
        EXPECT_THROW(strictInt(text), CalcError);
    }
}
