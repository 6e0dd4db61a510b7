#include "calc_error.h"
#include "checked.h"
#include "conductor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

using namespace kelvora;

TEST(ConductorSizing, GaugeIsTheFloorOfTheAwgFit)
{
    // 50 - 10 log10(700) = 21.55...
    EXPECT_EQ(SAWG(1.0f, Sigma("3")), 21.0f);
    EXPECT_EQ(Sigma("3").value(), 3);
    // 50 - 10 log10(70) = 31.55...
    EXPECT_EQ(SAWG(0.1f, Sigma("3")), 31.0f);
    EXPECT_EQ(SAWG(1.0f, Sigma("2")), 19.0f); // 50 - 10 log10(1050) = 19.8
}

TEST(ConductorSizing, ExactDecadesGiveWholeGaugesOnEveryProcessor)
{
    const Sigma sigma("21");
    // 2100 * 10 / 21 = 1000: 50 - 10 * 3 = 20 exactly. An x87 log10 that is one
    // unit high in the last place gives 19.999... and the floor AWG 19.
    EXPECT_EQ(SAWG(10.0f, sigma), 20.0f);
    // 2100 * 100 / 21 = 10^4: 50 - 40 = AWG 10; 2100 * 1 / 21 = 100: AWG 30.
    EXPECT_EQ(SAWG(100.0f, sigma), 10.0f);
    EXPECT_EQ(SAWG(1.0f, sigma), 30.0f);
}

TEST(ConductorSizing, GaugeIsClampedTo0And45)
{
    const Sigma sigma("3");
    EXPECT_EQ(SAWG(1e6f, sigma), 0.0f);
    EXPECT_EQ(SAWG(1e-6f, sigma), 45.0f);
}

TEST(ConductorSizing, SectionIsCurrentOverSigma)
{
    EXPECT_FLOAT_EQ(Smm2(0.3f, Sigma("3")), 0.1f);
    EXPECT_FLOAT_EQ(Smm2(1.0f, Sigma("5")), 0.2f);
}

// A bad density is read once without a fault: the fault comes at each sizing
// that needs it, with the strict read's own message.
TEST(ConductorSizing, BadSigmaRaisesAtEverySizingNotWhenRead)
{
    const Sigma text("abc");
    try {
        SAWG(1.0f, text);
        FAIL() << "a text density sized a wire";
    } catch (const CalcError& e) {
        EXPECT_STREQ(e.what(), "'abc' não é um número inteiro válido");
    }
    EXPECT_THROW(Smm2(1.0f, text), CalcError);
    EXPECT_THROW(text.value(), CalcError);
    const Sigma zero("0");
    EXPECT_EQ(zero.value(), 0);
    EXPECT_THROW(SAWG(1.0f, zero), CalcError);
    EXPECT_THROW(Smm2(1.0f, zero), CalcError);
    EXPECT_THROW(SAWG(0.0f, Sigma("3")), CalcError);
}

// The gauge takes its logarithm in double where that cannot move the floor;
// the extended logarithm must give the same gauge everywhere, on both sides
// of every whole gauge and at the exact decades.
TEST(ConductorSizing, GaugeAgreesWithTheExtendedLogarithm)
{
    auto extended = [](float current, int sigma) {
        long double x = 50 - 10 * log10c(quot(2100 * static_cast<long double>(current), sigma));
        if (!(x > 0))
            x = 0;
        if (x > 45)
            x = 45;
        return store(std::floor(x));
    };
    std::mt19937 random(8122026);
    std::uniform_real_distribution<double> decades(-7, 7);
    for (int sigma : {1, 2, 3, 4, 5, 7, 21, 1000}) {
        const Sigma s(std::to_string(sigma));
        for (int i = 0; i < 50000; ++i) {
            const float current = static_cast<float>(std::pow(10.0, decades(random)));
            ASSERT_EQ(SAWG(current, s), extended(current, sigma)) << current << " A, " << sigma;
        }
        // The currents at each gauge's boundary, 10^((50 - g) / 10) * sigma / 2100,
        // and the singles either side of them.
        for (int g = -5; g <= 50; ++g) {
            float at = static_cast<float>(std::pow(10.0L, (50 - g) / 10.0L) * sigma / 2100);
            for (float current : {std::nextafter(at, 0.0f), at, std::nextafter(at, 1e30f)})
                ASSERT_EQ(SAWG(current, s), extended(current, sigma))
                    << current << " A, " << sigma << ", gauge " << g;
        }
    }
}
