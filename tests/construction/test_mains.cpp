#include "construction.h"
#include "tab_turns.h"
#include "construction_output.h"
#include "mains.h"
#include "steel_curves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace kelvora;
using namespace kelvora::construction;

namespace {

ConstructionSettings tabTurns() { return tabTurnsSettings(); }

const Settings Comma{};
constexpr double Mu0 = 4e-7 * std::numbers::pi;
constexpr int M330_35A = 1, M800_50A = 4;

// The single-secondary transformer of test_construction.cpp: 100 V on 400
// turns, 31 V open circuit, a 32 x 32 mm stack of M800-50A at 50 Hz,
// I_p = 0.9 A; B = 1.157613 T, l_e = 6 x 32 = 192 mm.
TrafoAlimInput oneSecondary()
{
    TrafoAlimInput in;
    in.a = 32;
    in.b = 32;
    in.fo = 50;
    in.bmax = 12000;
    in.efficiency = 100;
    in.tipoPri = 0;
    in.numSec = 1;
    in.vp[1] = 100;
    in.nprim[1] = 400;
    in.awgPrim[1] = 22;
    in.vs[1] = 30;
    in.is[1] = 3;
    in.ns[1] = 124;
    in.awgs[1] = 18;
    return in;
}

const Verdict* find(const Analysis& a, VerdictKind k)
{
    for (const Verdict& v : a.verdicts)
        if (v.kind == k)
            return &v;
    return nullptr;
}

} // namespace

TEST(SteelCurve, LogarithmOfHIsLinearBetweenThePoints)
{
    // M800-50A, 1.25 T: halfway between 1.2 T (219 A/m) and 1.3 T (263 A/m),
    // ln H halfway: H = sqrt(219 x 263) = 239.9937 A/m (not the 241 of a straight line).
    const PeakField h = peakField(M800_50A, 1.25);
    EXPECT_NEAR(h.hAm, 239.99375, 1e-4);
    EXPECT_FALSE(h.beyondCurve);
    // On a point: the point. 1.7 T is still on the curve.
    EXPECT_NEAR(peakField(M800_50A, 1.5).hAm, 645, 1e-9);
    EXPECT_NEAR(peakField(M800_50A, 1.7).hAm, 3999, 1e-9);
    EXPECT_FALSE(peakField(M800_50A, 1.7).beyondCurve);
    // M330-35A takes the M330-50A curve: 1337 A/m at 1.5 T.
    EXPECT_NEAR(peakField(M330_35A, 1.5).hAm, 1337, 1e-9);
}

TEST(SteelCurve, BeyondTheCurveAndBelowIt)
{
    // 1.8 T on M800-50A: the 1.6-1.7 T slope once more, 3999 x 3999/1630 = 9811.04 A/m.
    const PeakField h = peakField(M800_50A, 1.8);
    EXPECT_NEAR(h.hAm, 9811.0436, 1e-3);
    EXPECT_TRUE(h.beyondCurve);
    // Below 0.5 T proportional: 0.3 T is 0.6 x 133 = 79.8 A/m.
    EXPECT_NEAR(peakField(M800_50A, 0.3).hAm, 79.8, 1e-9);
    EXPECT_EQ(peakField(M800_50A, 0).hAm, 0);
    // Far into saturation the straight line would pass the field air needs:
    // held at B / mu0 (5 T: 3.979e6 A/m, where the line gives 4e13).
    EXPECT_NEAR(peakField(M800_50A, 5).hAm, 5 / Mu0, 1e-3);
    EXPECT_TRUE(std::isfinite(peakField(M800_50A, 1e6).hAm));
}

TEST(MainsChecks, MagnetisingCurrentOfOneDesignByHand)
{
    // Nominal, B = 1.157613 T between 1.1 T (192) and 1.2 T (219):
    // H = 192 x (219/192)^0.57613 = 207.1205 A/m; iron 207.1205 x 0.192 = 39.76714 A;
    // two joints of 0.01 mm (the field's single precision, 0.00999999978 mm):
    // 1.157613 x 2e-5 / mu0 = 18.42399 A. I_peak = 58.19112 / 400 = 0.1454778 A,
    // rms 0.1028683 A, 11.4298 % of 0.9 A.
    const ConstructionSettings set = tabTurns();
    const Analysis r = analyseTrafoAlim(oneSecondary(), set, Comma);
    ASSERT_FALSE(r.error) << *r.error;
    const AmpereTurns f = magnetisingAmpereTurns(r, set, r.bPeakGauss / 1e4);
    EXPECT_NEAR(f.iron, 39.767135, 1e-5);
    EXPECT_NEAR(f.joints, 18.423986, 1e-5);
    ASSERT_TRUE(r.mains);
    const MainsChecks& m = *r.mains;
    EXPECT_NEAR(m.iMagA, 0.10286834, 1e-7);
    EXPECT_NEAR(*m.iMagPct, 11.429816, 1e-5);
    // High line +10 %: 1.273375 T, H = 219 x (263/219)^0.733745 = 250.4871 A/m, iron 48.09353,
    // joints 20.26639: rms 68.35991 / 400 / sqrt 2 = 0.1208444 A, 13.42716 % of 0.9 A.
    EXPECT_NEAR(m.bHighGauss, 12733.745, 1e-3);
    EXPECT_NEAR(m.iMagHighA, 0.12084439, 1e-7);
    EXPECT_NEAR(*m.iMagHighPct, 13.427155, 1e-5);
    // No-load loss: the analysis's iron loss, and 1.1^2 of it at the high line.
    EXPECT_NEAR(m.p0W, r.pfeW, 1e-12);
    EXPECT_NEAR(m.p0HighW, r.pfeW * 1.21, 1e-9);
    EXPECT_TRUE(m.notes.empty());

    // Butt-stacked E and I without a spacer, no joint: the iron alone.
    ConstructionSettings interleaved = tabTurns();
    interleaved.jointMm = 0;
    EXPECT_NEAR(checkMains(r, interleaved).iMagA, 39.767135 / 400 / std::sqrt(2.0), 1e-7);
}

TEST(MainsChecks, FuseOfTheSeriesAtAndJustAboveARating)
{
    EXPECT_EQ(fuseFor(1.0), 1.0);
    EXPECT_EQ(fuseFor(1.0001), 1.25);
    EXPECT_EQ(fuseFor(0.315), 0.315);
    EXPECT_EQ(fuseFor(0.3151), 0.4);
    EXPECT_EQ(fuseFor(0), 0.05);
    EXPECT_EQ(fuseFor(16), 16);
    EXPECT_FALSE(fuseFor(16.01));

    // 1.5 x 0.9 A = 1.35 A: the 1.6 A time-lag fuse.
    const Analysis r = analyseTrafoAlim(oneSecondary(), tabTurns(), Comma);
    EXPECT_EQ(r.mains->fuseA, 1.6);
    EXPECT_EQ(fuseText(*r.mains, ','), "Fusível do primário: 1,6 A retardado");
    EXPECT_EQ(fuseText(*r.mains, '.'), "Fusível do primário: 1.6 A retardado");
    EXPECT_FALSE(r.mains->halves);
    MainsChecks big;
    big.fuseA = fuseFor(1.5 * 11); // 16.5 A: beyond the series
    EXPECT_EQ(fuseText(big, ','), "Fusível do primário: acima de 16 A");
}

TEST(MainsChecks, InsulationRowAtTheBoundariesAndAboveTheTable)
{
    // 300 V is in the row "up to 300 V"; 301 V in the next.
    const InsulationRow at = insulationFor(300, false);
    EXPECT_EQ(at.testV, 1500);
    EXPECT_EQ(at.clearanceMm, 1.5);
    EXPECT_EQ(at.creepageMm, 3.0);
    EXPECT_FALSE(at.throughMm);
    const InsulationRow above = insulationFor(301, false);
    EXPECT_EQ(above.testV, 2100);
    EXPECT_EQ(above.clearanceMm, 3.0);
    EXPECT_EQ(above.creepageMm, 6.0);
    const InsulationRow r300 = insulationFor(300, true);
    EXPECT_EQ(r300.testV, 3000);
    EXPECT_EQ(r300.clearanceMm, 3.0);
    EXPECT_EQ(r300.creepageMm, 6.0);
    EXPECT_EQ(r300.throughMm, 0.3);
    const InsulationRow r301 = insulationFor(301, true);
    EXPECT_EQ(r301.testV, 4200);
    EXPECT_EQ(r301.clearanceMm, 5.5);
    EXPECT_EQ(r301.creepageMm, 12);
    EXPECT_EQ(r301.throughMm, 0.4);
    // Low voltages: the test voltage has its own rows, the distances start at 150 V.
    const InsulationRow low = insulationFor(40, false);
    EXPECT_EQ(low.testV, 250);
    EXPECT_EQ(low.clearanceMm, 0.5);
    EXPECT_EQ(low.creepageMm, 1.6);
    // 1000 V is the table's last row; beyond it, nothing.
    EXPECT_EQ(insulationFor(1000, true).testV, 5000);
    EXPECT_FALSE(insulationFor(1000, true).aboveTable);
    const InsulationRow over = insulationFor(1000.5, true);
    EXPECT_TRUE(over.aboveTable);
    EXPECT_EQ(over.testV, 0);
    EXPECT_FALSE(over.throughMm);
}

TEST(MainsChecks, WorkingVoltageOfEachSecondary)
{
    // (100 + 31) x 1.1 = 144.1 V: the 150 V row.
    const Analysis r = analyseTrafoAlim(oneSecondary(), tabTurns(), Comma);
    ASSERT_EQ(r.mains->insulation.size(), 1u);
    const InsulationRow& row = r.mains->insulation[0];
    EXPECT_EQ(row.secondary, "Secundário 1");
    EXPECT_NEAR(row.workingV, 144.1, 1e-9);
    EXPECT_EQ(row.testV, 1250);

    // Two primary halves may go in series on 200 V: (200 + 31) x 1.1 = 254.1 V,
    // and the fuse for that connection carries half the current (0.675 A: 0.8 A).
    TrafoAlimInput dual = oneSecondary();
    dual.tipoPri = 1;
    const Analysis d = analyseTrafoAlim(dual, tabTurns(), Comma);
    ASSERT_FALSE(d.error) << *d.error;
    EXPECT_NEAR(d.mains->insulation[0].workingV, 254.1, 1e-9);
    EXPECT_EQ(d.mains->insulation[0].testV, 1500);
    EXPECT_EQ(d.mains->fuseA, 1.6);
    EXPECT_EQ(d.mains->fuseSeriesA, 0.8);

    // A secondary with no turns is not wound and has nothing to insulate.
    TrafoAlimInput two = oneSecondary();
    two.numSec = 2;
    two.ns[2] = 0;
    two.vs[2] = 10;
    two.is[2] = 1;
    two.awgs[2] = 20;
    EXPECT_EQ(analyseTrafoAlim(two, tabTurns(), Comma).mains->insulation.size(), 1u);
}

TEST(MainsChecks, NoLoadVerdictBothWays)
{
    ConstructionSettings set = tabTurns();
    const Analysis good = analyseTrafoAlim(oneSecondary(), set, Comma);
    const Verdict* v = find(good, VerdictKind::NoLoad);
    ASSERT_TRUE(v);
    EXPECT_TRUE(v->good);
    EXPECT_EQ(v->text, "Corrente em vazio 0,121 A (13,4 % da nominal) na rede alta");
    EXPECT_STREQ(verdictKey(v->kind), "no_load");
    // Basic insulation has no verdict.
    EXPECT_FALSE(find(good, VerdictKind::Insulation));

    set.noLoadMaxPct = 13;
    const Analysis bad = analyseTrafoAlim(oneSecondary(), set, Settings{'.'});
    v = find(bad, VerdictKind::NoLoad);
    ASSERT_TRUE(v);
    EXPECT_FALSE(v->good);
    EXPECT_EQ(v->text, "Corrente em vazio 0.121 A (13.4 % da nominal) na rede alta: núcleo perto "
                       "da saturação");

    // A high line of 30 % takes 1.157613 T to 1.504897 T: past the knee of M800-50A.
    set = {};
    set.lineTolerancePct = 30;
    const Analysis knee = analyseTrafoAlim(oneSecondary(), set, Comma);
    EXPECT_FALSE(find(knee, VerdictKind::NoLoad)->good);
    EXPECT_TRUE(knee.mains->notes.empty());
    // Above 1.7 T at the high line: the steel's curve is extrapolated, and said.
    TrafoAlimInput hot = oneSecondary();
    hot.nprim[1] = 260; // 1.7810 T nominal
    EXPECT_EQ(analyseTrafoAlim(hot, tabTurns(), Comma).mains->notes,
              std::vector<std::string>{"indução acima da curva do aço"});
}

TEST(MainsChecks, ReinforcedInsulationVerdictBothWays)
{
    // 144.1 V reinforced: 0.15 mm through thin layers; the default 0.2 mm over each winding passes.
    ConstructionSettings set = tabTurns();
    set.insulation = 1;
    const Analysis good = analyseTrafoAlim(oneSecondary(), set, Comma);
    const Verdict* v = find(good, VerdictKind::Insulation);
    ASSERT_TRUE(v);
    EXPECT_TRUE(v->good);
    EXPECT_EQ(v->text, "Isolação reforçada: 0,20 mm ≥ 0,15 mm");
    EXPECT_EQ(good.mains->insulation[0].throughMm, 0.15);
    EXPECT_EQ(good.mains->insulation[0].testV, 2500);
    EXPECT_STREQ(verdictKey(v->kind), "insulation");

    set.wrap = 0.1f;
    const Analysis thin = analyseTrafoAlim(oneSecondary(), set, Comma);
    v = find(thin, VerdictKind::Insulation);
    ASSERT_TRUE(v);
    EXPECT_FALSE(v->good);
    EXPECT_EQ(v->text, "Isolação 0,10 mm menor que 0,15 mm exigidos (reforçada, 144,1 V)");
    // Exactly the thickness asked for, as the field holds it, passes.
    set.wrap = 0.15f;
    EXPECT_TRUE(find(analyseTrafoAlim(oneSecondary(), set, Comma), VerdictKind::Insulation)->good);

    // A secondary beyond the table cannot be judged from it.
    TrafoAlimInput hv = oneSecondary();
    hv.ns[1] = 4000; // 1000 V open circuit: (100 + 1000) x 1.1 = 1210 V
    hv.awgs[1] = 36;
    set.wrap = 0.2f;
    const Analysis high = analyseTrafoAlim(hv, set, Comma);
    ASSERT_FALSE(high.error) << *high.error;
    v = find(high, VerdictKind::Insulation);
    ASSERT_TRUE(v);
    EXPECT_FALSE(v->good);
    EXPECT_EQ(v->text, "Isolação reforçada para 1210,0 V: acima da tabela, confira na norma");
    // The verdicts are written again with another separator.
    const Verdict* thinInsulation = find(thin, VerdictKind::Insulation);
    EXPECT_EQ(verdictText(thinInsulation->which, thinInsulation->value, '.', thinInsulation->y,
                          thinInsulation->z),
              "Isolação 0.10 mm menor que 0.15 mm exigidos (reforçada, 144.1 V)");
}

TEST(MainsChecks, PlotPointsAreThoseOfTheAnalysis)
{
    const ConstructionSettings set = tabTurns();
    const Analysis r = analyseTrafoAlim(oneSecondary(), set, Comma);
    const std::vector<NoLoadPoint> curve = noLoadCurve(r, set);
    // 80 % to 120 % of 100 V in 1 % steps.
    ASSERT_EQ(curve.size(), 41u);
    EXPECT_DOUBLE_EQ(curve.front().volts, 80);
    EXPECT_DOUBLE_EQ(curve.back().volts, 120);
    EXPECT_DOUBLE_EQ(curve[20].volts, 100);
    EXPECT_DOUBLE_EQ(curve[20].amps, r.mains->iMagA);
    EXPECT_DOUBLE_EQ(curve[30].volts, 110);
    EXPECT_NEAR(curve[30].amps, r.mains->iMagHighA, 1e-12);
    for (std::size_t i = 1; i < curve.size(); ++i)
        EXPECT_GT(curve[i].amps, curve[i - 1].amps);

    // A high line beyond 120 % stays on the plot.
    ConstructionSettings wide;
    wide.lineTolerancePct = 25;
    EXPECT_DOUBLE_EQ(noLoadCurve(r, wide).back().volts, 125);
}

TEST(MainsChecks, JsonObject)
{
    ConstructionSettings set = tabTurns();
    set.insulation = 1;
    const Analysis r = analyseTrafoAlim(oneSecondary(), set, Comma);
    const nlohmann::ordered_json j = construcaoJson(r);
    const nlohmann::ordered_json& m = j["mains"];
    std::vector<std::string> keys;
    for (const auto& [k, v] : m.items())
        keys.push_back(k);
    EXPECT_EQ(keys, (std::vector<std::string>{"b_high_gauss", "i_mag_a", "i_mag_high_a",
                                              "i_mag_high_pct", "p0_w", "p0_high_w", "fuse_a",
                                              "insulation", "notes"}));
    EXPECT_EQ(m["fuse_a"], 1.6);
    EXPECT_EQ(m["insulation"][0]["secondary"], "Secundário 1");
    EXPECT_EQ(m["insulation"][0]["test_v"], 2500.0);
    EXPECT_EQ(m["insulation"][0]["dti_mm"], 0.15);
    EXPECT_EQ(j["verdicts"]["no_load"][1], true);
    EXPECT_EQ(j["verdicts"]["insulation"][0], "Isolação reforçada: 0,20 mm ≥ 0,15 mm");
    // Basic insulation: no distance through it, no verdict.
    const nlohmann::ordered_json basic = construcaoJson(analyseTrafoAlim(oneSecondary(), {}, Comma));
    EXPECT_TRUE(basic["mains"]["insulation"][0]["dti_mm"].is_null());
    EXPECT_FALSE(basic["verdicts"].contains("insulation"));
}
