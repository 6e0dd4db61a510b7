#include "calc_error.h"
#include "checked.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <random>

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

namespace {
// The extended-precision path storeScaledPower must agree with to the bit.
float extendedScaledPower(long double c, float x, double y) { return store(c * power(x, y)); }

// A positive single from 32 random bits: every binade is as likely as any.
float anyPositiveSingle(std::uint32_t bits)
{
    float f;
    bits &= 0x7fffffffu;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}
} // namespace

// The three power laws the designs take (the transformer's loss factor, the
// reactor's two chart fits), and two made to sit on rounding boundaries.
TEST(CheckedArithmetic, ScaledPowerStoresTheSameSingleAsTheExtendedPower)
{
    struct Law {
        long double c;
        double y;
    };
    const Law laws[] = {{1.1518, -0.017}, {22.943, 0.6596}, {726.83, 0.3293}};
    std::mt19937 random(20261208);
    for (const Law& law : laws) {
        // Across the whole range of singles: zero, subnormals, overflow.
        for (int i = 0; i < 200000; ++i) {
            const float x = anyPositiveSingle(random());
            float expected = 0;
            bool faults = false;
            try {
                expected = extendedScaledPower(law.c, x, law.y);
            } catch (const CalcError&) {
                faults = true;
            }
            if (faults || std::isnan(x)) {
                EXPECT_THROW(storeScaledPower(law.c, x, law.y), CalcError) << x;
                continue;
            }
            ASSERT_EQ(storeScaledPower(law.c, x, law.y), expected) << x << "^" << law.y;
        }
        // Densely through the range the designs meet (1 mVA ... 10 MVA, L I^2
        // from 1e-4 to 1e4 H A^2): every 997th single.
        std::uint32_t bits, last;
        const float from = 1e-4f, to = 1e7f;
        std::memcpy(&bits, &from, sizeof bits);
        std::memcpy(&last, &to, sizeof last);
        for (; bits < last; bits += 997) {
            const float x = anyPositiveSingle(bits);
            ASSERT_EQ(storeScaledPower(law.c, x, law.y), extendedScaledPower(law.c, x, law.y)) << x;
        }
    }
    // c x^1 with c exactly half-way between 1 and the next single: the double
    // product is on the boundary itself, where only the extended path (ties to
    // even) may decide: 1.
    const long double tie = 1.0L + 0x1p-24L;
    EXPECT_EQ(storeScaledPower(tie, 1.0f, 1.0), 1.0f);
    // A hair above the boundary rounds up, a hair below rounds down.
    EXPECT_EQ(storeScaledPower(tie + 0x1p-60L, 1.0f, 1.0), 1.0f + 0x1p-23f);
    EXPECT_EQ(storeScaledPower(tie - 0x1p-60L, 1.0f, 1.0), 1.0f);
    // Faults as the extended path raises them.
    EXPECT_THROW(storeScaledPower(1.1518, 0.0f, -0.017), CalcError);  // 0^-y: division by zero
    EXPECT_THROW(storeScaledPower(1.1518, -1.0f, -0.017), CalcError); // negative base
    EXPECT_THROW(storeScaledPower(1e30L, 1e30f, 1.0), CalcError);     // beyond a single
    EXPECT_EQ(storeScaledPower(22.943, 0.0f, 0.6596), 0.0f);
}
