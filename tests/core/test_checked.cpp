#include "calc_error.h"
#include "checked.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <initializer_list>

using namespace kelvora;

TEST(CheckedArithmetic, FaultsRaiseACalcErrorInsteadOfInfOrNan)
{
    EXPECT_THROW(quot(1, 0), CalcError);
    EXPECT_THROW(quot(0, 0), CalcError);
    EXPECT_THROW(root(-1), CalcError);
    EXPECT_THROW(log10c(0), CalcError);
    EXPECT_THROW(log10c(-5), CalcError);
    EXPECT_THROW(power(-2, 0.5L), CalcError);
    EXPECT_THROW(power(0, -0.017L), CalcError);
    EXPECT_THROW(store(static_cast<long double>(FLT_MAX) * 2), CalcError);
    EXPECT_THROW(store(-1e39L), CalcError);
}

TEST(CheckedArithmetic, MessagesArePortugueseAndNameTheQuantityWhenKnown)
{
    try {
        quot(1, 0);
        FAIL();
    } catch (const CalcError& e) {
        EXPECT_NE(std::string(e.what()).find("divisão por zero"), std::string::npos);
    }
    try {
        root(-4, "Fmin");
        FAIL();
    } catch (const CalcError& e) {
        EXPECT_NE(std::string(e.what()).find("Fmin deve ser maior que zero"), std::string::npos);
    }
    try {
        store(1e300L);
        FAIL();
    } catch (const CalcError& e) {
        EXPECT_NE(std::string(e.what()).find("estouro"), std::string::npos);
    }
}

TEST(CheckedArithmetic, ValidOperationsKeepExtendedPrecision)
{
    EXPECT_EQ(root(16), 4.0L);
    EXPECT_EQ(quot(1, 3), 1.0L / 3.0L);
    EXPECT_EQ(log10c(1000), 3.0L);
    long double p = 1.0L;
    for (int k = 1; k <= 27; ++k) {
        p *= 10.0L;
        EXPECT_EQ(log10c(p), static_cast<long double>(k)) << "10^" << k;
    }
    // Anything else is the library's extended-precision logarithm.
    // (volatile: the compiler would fold a constant's logarithm itself).
    for (volatile long double x : {999.0L, 1e28L, 0.001L})
        EXPECT_EQ(log10c(x), std::log10(x));
    EXPECT_EQ(power(0, 0.5L), 0.0L);
    EXPECT_EQ(store(0.1L), 0.1f);
    EXPECT_EQ(store(static_cast<long double>(FLT_MAX)), FLT_MAX);
}
