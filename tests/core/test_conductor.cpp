#include "calc_error.h"
#include "calc_state.h"
#include "conductor.h"

#include <gtest/gtest.h>

using namespace kelvora;

TEST(ConductorSizing, GaugeIsTheFloorOfTheAwgFit)
{
    CalcState s;
    Settings cfg; // Sigma "3"
    // 50 - 10 log10(700) = 21.55...
    EXPECT_EQ(SAWG(1.0f, s, cfg), 21.0f);
    EXPECT_EQ(s.Sigma, 3);
    EXPECT_EQ(SAWG(0.1f, s, cfg), 31.0f);
    cfg.sigmaText = "2";
    EXPECT_EQ(SAWG(1.0f, s, cfg), 19.0f); // 50 - 10 log10(1050) = 19.8
    EXPECT_EQ(s.Sigma, 2);
}

TEST(ConductorSizing, ExactDecadesGiveWholeGaugesOnEveryProcessor)
{
    CalcState s;
    Settings cfg;
    cfg.sigmaText = "21";
    // 2100 * 10 / 21 = 1000: 50 - 10 * 3 = 20 exactly. An x87 log10 that is one
    // unit high in the last place gives 19.999... and the floor AWG 19.
    EXPECT_EQ(SAWG(10.0f, s, cfg), 20.0f);
    // 2100 * 100 / 21 = 10^4: 50 - 40 = AWG 10; 2100 * 1 / 21 = 100: AWG 30.
    EXPECT_EQ(SAWG(100.0f, s, cfg), 10.0f);
    EXPECT_EQ(SAWG(1.0f, s, cfg), 30.0f);
}

TEST(ConductorSizing, GaugeIsClampedTo0And45)
{
    CalcState s;
    Settings cfg;
    EXPECT_EQ(SAWG(1e6f, s, cfg), 0.0f);
    EXPECT_EQ(SAWG(1e-6f, s, cfg), 45.0f);
}

TEST(ConductorSizing, SectionIsCurrentOverSigma)
{
    CalcState s;
    Settings cfg;
    EXPECT_FLOAT_EQ(Smm2(0.3f, s, cfg), 0.1f);
    cfg.sigmaText = "5";
    EXPECT_FLOAT_EQ(Smm2(1.0f, s, cfg), 0.2f);
}

TEST(ConductorSizing, BadSigmaAndZeroCurrentRaise)
{
    CalcState s;
    Settings cfg;
    cfg.sigmaText = "abc";
    EXPECT_THROW(SAWG(1.0f, s, cfg), CalcError);
    EXPECT_THROW(Smm2(1.0f, s, cfg), CalcError);
    cfg.sigmaText = "0";
    EXPECT_THROW(SAWG(1.0f, s, cfg), CalcError);
    EXPECT_THROW(Smm2(1.0f, s, cfg), CalcError);
    cfg.sigmaText = "3";
    EXPECT_THROW(SAWG(0.0f, s, cfg), CalcError);
}
