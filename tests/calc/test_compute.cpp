// The designs' calculations alone: typed inputs to a typed result, with the
// verdicts as enums and, for a failed step, the error and how far it came.
#include "reator_filtro.h"
#include "trafo_alim.h"
#include "trafo_mod.h"
#include "trafo_mod_trans.h"

#include <gtest/gtest.h>

using namespace kelvora;

namespace {

TrafoAlimInputs alimDefaults() { return readTrafoAlimInputs(Sheet(trafoAlimControls())); }

} // namespace

TEST(ComputeTrafoAlim, CoreVerdictFollowsSectionThenCentreLeg)
{
    // Defaults: Pas = 2 x 400 V x 0.1 A + 5 V x 5 A = 105 VA; Pap = 105 / 0.85
    // = 123.53 VA; Snu = 7 sqrt(123.53 / 60) = 10.044 cm^2, side 31.69 mm.
    TrafoAlimResult last;
    last.NumSec = 2; // three secondaries, as TAEnrolamentos records CNumSec's default
    TrafoAlimInputs in = alimDefaults();
    const Settings cfg; // ',' and Sigma 3
    TrafoAlimResult r = computeTrafoAlim(in, cfg, last);
    EXPECT_FALSE(r.error);
    EXPECT_EQ(r.reached, 18);
    EXPECT_EQ(r.Pas, 105.0f);
    EXPECT_NEAR(r.Snu, 10.044, 0.001);
    EXPECT_EQ(r.core, CoreVerdict::Fits); // 32 x 32 mm: 10.24 cm^2, leg 32 >= 31.69
    in.Bn = "31";                         // 9.92 cm^2 < 10.044
    EXPECT_EQ(computeTrafoAlim(in, cfg, last).core, CoreVerdict::SmallSection);
    in.Bn = "31,5"; // 10.08 cm^2 is enough, but the leg is narrower than 31.69 mm
    EXPECT_EQ(computeTrafoAlim(in, cfg, last).core, CoreVerdict::NarrowLeg);
}

TEST(ComputeTrafoAlim, ReadsAndCorrectionsAreRecordedForTheFields)
{
    TrafoAlimInputs in = alimDefaults();
    in.Fo = "0";      // below 1 Hz: taken as 1 Hz
    in.Is[2] = "abc"; // not a number: 1 mA stands in
    in.Vp4 = "100";   // shorter than the 125 V tap: taken as the tap
    const TrafoAlimResult r = computeTrafoAlim(in, Settings{}, TrafoAlimResult{});
    EXPECT_EQ(r.Fo, 1.0f);
    EXPECT_EQ(r.reads.FoClamped, -1);
    EXPECT_FALSE(r.reads.Fo);
    EXPECT_TRUE(r.reads.Is[2]);
    EXPECT_FLOAT_EQ(r.Is[2], 0.001f);
    EXPECT_TRUE(r.reads.tapRaised);
    EXPECT_EQ(r.Vp[4], 125.0f);
}

TEST(ComputeTrafoAlim, AFailedStepKeepsTheLastRecordBeyondIt)
{
    const TrafoAlimResult good = computeTrafoAlim(alimDefaults(), Settings{}, TrafoAlimResult{});
    TrafoAlimInputs in = alimDefaults();
    in.n = "x"; // the efficiency list's text is read strictly at step 3
    const TrafoAlimResult r = computeTrafoAlim(in, Settings{}, good);
    ASSERT_TRUE(r.error);
    EXPECT_STREQ(r.error->what(), "'x' não é um valor numérico válido");
    EXPECT_EQ(r.reached, 2);
    EXPECT_EQ(r.Snu, good.Snu); // never reached: the last run's value stays
    // A bad current density fails at the first winding it sizes (step 15).
    const TrafoAlimResult sigma = computeTrafoAlim(alimDefaults(), Settings{',', "0"}, good);
    ASSERT_TRUE(sigma.error);
    EXPECT_EQ(sigma.reached, 14);
}

TEST(ComputeTrafoMod, VerdictsAndTheStepADivisionStopsAt)
{
    TrafoModInputs in = readTrafoModInputs(Sheet(trafoModControls()));
    // PccRF = 460 V x 0.16 A = 73.6 W; half of it is 36.8 W of audio; the
    // modulator's 50 W leave 13.2 W = 26 %: enough for "conservative" (25 %).
    TrafoModResult r = computeTrafoMod(in, Settings{}, TrafoModResult{});
    ASSERT_FALSE(r.error);
    EXPECT_FLOAT_EQ(r.PccRF, 73.6f);
    EXPECT_EQ(r.power, ModPowerVerdict::Sufficient);
    in.conservative = false;
    in.veryConservative = true; // 26 % < 50 %
    EXPECT_EQ(computeTrafoMod(in, Settings{}, r).power, ModPowerVerdict::LowForVeryConservative);
    in.PaMod = "30"; // 30 - 36.8 < 0
    EXPECT_EQ(computeTrafoMod(in, Settings{}, r).power, ModPowerVerdict::Insufficient);

    in = readTrafoModInputs(Sheet(trafoModControls()));
    in.Fmin = "0"; // the core section divides by Fmin (step 4)
    const TrafoModResult failed = computeTrafoMod(in, Settings{}, r);
    ASSERT_TRUE(failed.error);
    EXPECT_EQ(failed.reached, 3);
    EXPECT_EQ(failed.Fmin, 0.0f);
    EXPECT_EQ(failed.Sn, r.Sn);
}

TEST(ComputeTrafoModTrans, CountsTheResultsItReached)
{
    TrafoModTransInputs in = readTrafoModTransInputs(Sheet(trafoModTransControls()));
    const TrafoModTransResult r = computeTrafoModTrans(in, Settings{}, TrafoModTransResult{});
    ASSERT_FALSE(r.error);
    EXPECT_EQ(r.reached, 24);
    EXPECT_FLOAT_EQ(r.Rc, 9.0f); // 30 V^2 / (2 x 50 W)
    in.Bmin = "0";               // Ib divides by the least current gain: the 10th result
    const TrafoModTransResult failed = computeTrafoModTrans(in, Settings{}, r);
    ASSERT_TRUE(failed.error);
    EXPECT_EQ(failed.reached, 9);
}

TEST(ComputeReatorFiltro, ChartLimitsEnergyAndRefusal)
{
    ReatorFiltroInputs in = readReatorFiltroInputs(Sheet(reatorFiltroControls()));
    // 10 H: Ir between 1000 sqrt(0.02 / 10) = 44.7 mA and 1000 sqrt(10 / 10) = 1000 mA.
    ReatorFiltroResult r = computeReatorFiltro(in, Settings{}, ReatorFiltroResult{});
    ASSERT_FALSE(r.error);
    EXPECT_NEAR(double(r.IrMin), 44.72, 0.01);
    EXPECT_NEAR(double(r.IrMax), 1000.0, 1e-9);
    EXPECT_TRUE(r.IrOnCharts);
    EXPECT_EQ(r.energy, EnergyVerdict::Inside); // 10 x 0.2^2 = 0.4 H*A^2
    in.Ir = "40";                               // 10 x 0.04^2 = 0.016 < 0.02
    r = computeReatorFiltro(in, Settings{}, r);
    EXPECT_FALSE(r.IrOnCharts);
    EXPECT_EQ(r.energy, EnergyVerdict::BelowCharts);
    in.Lr = "0";
    const ReatorFiltroResult refused = computeReatorFiltro(in, Settings{}, r);
    EXPECT_FALSE(refused.error);
    EXPECT_TRUE(refused.refused);
    EXPECT_EQ(refused.Lr, 0.0f);
    EXPECT_EQ(refused.reached, 1);
}
