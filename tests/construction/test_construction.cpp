#include "construction.h"
#include "tab_turns.h"
#include "construction_data.h"

#include "calc_error.h"
#include "reator_filtro.h"
#include "trafo_alim.h"
#include "trafo_mod.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kelvora;
using namespace kelvora::construction;

namespace {

const ConstructionSettings TabTurns = tabTurnsSettings();

const Settings Comma{};
constexpr double Pound = 453.59237; // g

// A single-secondary power transformer worked by hand below: 100 V on 400
// turns of AWG 22, 31 V open circuit on 124 turns of AWG 18 at 3 A, a
// 32 x 32 mm stack at 50 Hz; efficiency 100 % so that Pap' = Vs Is = 30 V x
// 3 A = 90 VA and I_p = 0.9 A.
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

// A small choke: 200 turns at 0.12 A on a 20 x 20 mm stack. Sigma 3 A/mm^2
// sizes 0.12 A at 50 - 10 log10(2100 x 0.12 / 3) = 30.76, AWG 30.
ReatorFiltroInput smallChoke()
{
    ReatorFiltroInput in;
    in.a = 20;
    in.b = 20;
    in.lr = 1;
    in.ir = 0.12;
    in.nesp = 200;
    in.gapCm = 0.05;
    return in;
}

} // namespace

TEST(ConstructionWire, BareDiameterFollowsTheAwgGeometricRule)
{
    // AWG 20: 0.127 x 92^(16/39) = 0.127 x 6.39229 = 0.81182 mm.
    EXPECT_NEAR(awgBareDiameter(20), 0.81182, 1e-5);
    // AWG 36 is the rule's anchor, 0.127 mm (5 mil); AWG 0 is 92^(36/39) of it, 8.2515 mm.
    EXPECT_DOUBLE_EQ(awgBareDiameter(36), 0.127);
    EXPECT_NEAR(awgBareDiameter(0), 8.2515, 1e-4);
}

TEST(ConstructionWire, OverallDiameterFromTheTableAndBeyondIt)
{
    EXPECT_DOUBLE_EQ(awgOverallDiameter(20, 2), 0.879);
    EXPECT_DOUBLE_EQ(awgOverallDiameter(20, 1), 0.851);
    EXPECT_DOUBLE_EQ(awgOverallDiameter(10, 1), 2.634);
    EXPECT_DOUBLE_EQ(awgOverallDiameter(40, 2), 0.102);
    // AWG 8 keeps AWG 10's enamel: 3.26364 + (2.677 - 2.58819) = 3.35245 mm.
    EXPECT_NEAR(awgOverallDiameter(8, 2), 3.35245, 1e-5);
    // AWG 44 keeps AWG 40's: d44 = 0.127 x 92^(-8/39) = 0.050 mm, + (0.094 - 0.0799).
    EXPECT_NEAR(awgOverallDiameter(44, 1), awgBareDiameter(44) + 0.094 - awgBareDiameter(40),
                1e-12);
    EXPECT_GT(awgOverallDiameter(44, 1), awgBareDiameter(44));
}

TEST(ConstructionData, TablesHoldTheirItemsInOrder)
{
    ASSERT_EQ(steelGrades().size(), 5u);
    EXPECT_STREQ(steelGrades()[2].name, "M400-50A");
    EXPECT_DOUBLE_EQ(steelGrades()[4].p15, 8.0);
    ASSERT_EQ(loads().size(), 6u);
    EXPECT_STREQ(loads()[3].name, "Ponte, entrada capacitiva");
    EXPECT_DOUBLE_EQ(loads()[3].k, 0.62);
    EXPECT_DOUBLE_EQ(loads()[2].k, 1.54);
    ASSERT_EQ(insulationClasses().size(), 5u);
    EXPECT_STREQ(insulationClasses()[4].name, "H (180 °C)");
}

TEST(ConstructionBuild, SmallWindingLayerByLayer)
{
    // h_w = 1.5 x 20 - 2 x 1 - 0 = 28 mm; AWG 30 grade 2 is 0.302 mm over the
    // enamel, 0.302 x 1.1 = 0.3322 mm a turn, 28 / 0.3322 = 84.29: 84 a layer.
    // 200 turns: 84 + 84 + 32, three layers.
    // Build 3 x 0.302 + 2 x 0.05 + 0.2 = 1.206 mm.
    // Layer centres above the tube 0.151, 0.503, 0.855 mm; a turn there is
    // 2 (20 + 20) + 8 (1 + r): 89.208, 92.024, 94.840 mm.
    // Wire 84 x 89.208 + 84 x 92.024 + 32 x 94.840 = 18258.37 mm.
    // AWG 30 bare 0.254639 mm, 0.0509260 mm^2: R20 = 18.25837 / 58 / 0.0509260 = 6.18151 ohm;
    // copper 8.89 x 1825.837 cm x 0.000509260 cm^2 = 8.2662 g.
    // Coil 1 + 1.206 = 2.206 mm; fill 1.1 x 2.206 / (10 - 0.5) = 25.54 %.
    const Analysis r = analyseReatorFiltro(smallChoke(), TabTurns, Comma);
    ASSERT_FALSE(r.error) << *r.error;
    ASSERT_EQ(r.windings.size(), 1u);
    const Winding& w = r.windings[0];
    EXPECT_EQ(w.name, "Enrolamento");
    EXPECT_EQ(w.turns, 200);
    EXPECT_EQ(w.awg, 30);
    EXPECT_DOUBLE_EQ(w.dOverMm, 0.302);
    EXPECT_EQ(w.turnsPerLayer, 84);
    EXPECT_EQ(w.layers, 3);
    EXPECT_NEAR(w.buildMm, 1.206, 1e-6);
    EXPECT_NEAR(w.lengthM, 18.25837, 1e-5);
    EXPECT_NEAR(w.r20Ohm, 6.18151, 1e-5);
    EXPECT_NEAR(w.massG, 8.2662, 1e-4);
    EXPECT_NEAR(r.buildMm, 2.206, 1e-6);
    EXPECT_NEAR(r.fillPct, 25.543, 1e-3);
    EXPECT_TRUE(r.fits);
}

TEST(ConstructionIron, MassOfAStackAndPublishedScraplessLaminations)
{
    // 25.4 x 25.4 mm at k_s 0.95: 7.65 x 0.95 x 6 x 2.54^3 = 714.56 g.
    ReatorFiltroInput in = smallChoke();
    in.a = 25.4;
    in.b = 25.4;
    Analysis r = analyseReatorFiltro(in, TabTurns, Comma);
    ASSERT_FALSE(r.error) << *r.error;
    EXPECT_NEAR(r.mFeG, 714.56, 0.01);

    // Iron of published US scrapless E/I stacks (centre leg x stack, inches).
    struct {
        const char* name;
        double a, b, pounds;
    } published[] = {
        {"EI-100", 25.4, 25.4, 1.55},
        {"EI-150", 38.1, 38.1, 5.35},
        {"EI-175", 44.45, 50.8, 9.84},
    };
    for (const auto& p : published) {
        SCOPED_TRACE(p.name);
        in.a = p.a;
        in.b = p.b;
        r = analyseReatorFiltro(in, TabTurns, Comma);
        ASSERT_FALSE(r.error) << *r.error;
        const double grams = p.pounds * Pound;
        EXPECT_NEAR(r.mFeG, grams, 0.03 * grams);
    }
}

TEST(ConstructionThermal, McLymanRise)
{
    // 450 x 0.03^0.826 = 450 x exp(0.826 x ln 0.03) = 450 x 0.055221 = 24.85 K.
    EXPECT_NEAR(temperatureRise(0.03), 24.849, 1e-3);
    EXPECT_EQ(temperatureRise(0), 0);
    // 0.1 W/cm^2: 450 x 0.1^0.826 = 450 x 0.149279 = 67.18 K.
    EXPECT_NEAR(temperatureRise(0.1), 67.176, 1e-3);
}

TEST(ConstructionThermal, FivePassesConvergeOnTheHotCopper)
{
    // The one-secondary transformer, h_w = 46 mm: 400 turns AWG 22 (0.701 mm,
    // 46 / 0.7711 = 59 a layer, 7 layers, build 7 x 0.701 + 6 x 0.05 + 0.2 = 5.407 mm,
    // turns of 138.804 ... 174.852 mm, 62496.9 mm, R20 3.31005 ohm), then
    // 124 turns AWG 18 (1.095 mm, 38 a layer, 4 layers, build 4.730 mm, turns
    // of 183.636 ... 211.116 mm, 24089.9 mm, R20 0.504641 ohm).
    // Outer surface: W = 9.6, H = 8, D = 3.2 + 2 x 1.1 x 1.1137 cm = 5.65014 cm;
    // 2 (WH + WD + HD) = 352.485 cm^2.
    // Iron 1428.85 g at 1.1576 T: 8 x (1.1576/1.5)^2 x 1.4289 x 1.2 = 8.1696 W.
    // Passes (T used -> copper W -> rise K):
    //   40     -> 7.79063 -> 34.9128
    //   74.913 -> 8.78166 -> 36.6941
    //   76.694 -> 8.83223 -> 36.7844
    //   76.784 -> 8.83479 -> 36.7890
    //   76.789 -> 8.83492 -> 36.78926  (the last step moves 0.0002 K)
    const Analysis r = analyseTrafoAlim(oneSecondary(), TabTurns, Comma);
    ASSERT_FALSE(r.error) << *r.error;
    EXPECT_NEAR(r.areaCm2, 352.4849, 1e-3);
    EXPECT_NEAR(r.pfeW, 8.16962, 1e-4);
    EXPECT_NEAR(r.pcuW, 8.834921, 1e-5);
    EXPECT_NEAR(r.dtK, 36.789261, 1e-5);
    EXPECT_NEAR(r.tHotC, 76.789261, 1e-5);
    EXPECT_NEAR(r.psiWcm2, 0.0482419, 1e-6);
    // The resistances are those of the fifth pass's temperature, 76.7890 °C.
    EXPECT_NEAR(r.windings[0].r20Ohm, 3.310047, 1e-5);
    EXPECT_NEAR(r.windings[0].rHotOhm, 3.310047 * (1 + 0.00393 * 56.789029), 1e-5);
    // 40 + 36.78 + 10 = 86.8 °C is inside class A (105 °C). Fit, temperature,
    // flux, regulation, then the mains checks' no-load current.
    ASSERT_EQ(r.verdicts.size(), 5u);
    EXPECT_EQ(r.verdicts[1].text, "Elevação de temperatura 36,8 K: dentro da classe");
    EXPECT_TRUE(r.verdicts[1].good);

    // At 60 °C ambient the hot spot (about 107 °C) is beyond class A, inside class E.
    ConstructionSettings hot = TabTurns;
    hot.ambient = 60;
    EXPECT_FALSE(analyseTrafoAlim(oneSecondary(), hot, Comma).verdicts[1].good);
    hot.insulationClass = 1;
    EXPECT_TRUE(analyseTrafoAlim(oneSecondary(), hot, Comma).verdicts[1].good);
}

TEST(ConstructionTrafoAlim, RegulationOfOneSecondaryByHand)
{
    // Hot resistances: primary 3.310047 x (1 + 0.00393 x 56.7890) = 4.048786 ohm,
    // secondary 0.504641 x 1.223181 = 0.617267 ohm.
    // Primary drop 0.9 A x 4.048786 = 3.64391 V, delta = 0.0364391.
    // V_nl = 100 x 124 / 400 = 31 V; V_fl = 31 x (1 - 0.0364391) - 3 x 0.617267 = 28.01859 V.
    // Regulation (31 - 28.01859) / 28.01859 = 10.6408 %.
    // P_out = 28.01859 x 3 = 84.0558 W; efficiency 84.0558 / (84.0558 + 8.83492 + 8.16962) = 83.174 %.
    // Peak flux 100 / (4.44 x 50 x 400 x 0.95 x 32 x 32 x 1e-6) = 1.15761 T = 11576.1 G.
    const Analysis r = analyseTrafoAlim(oneSecondary(), TabTurns, Comma);
    ASSERT_FALSE(r.error) << *r.error;
    ASSERT_EQ(r.windings.size(), 2u);
    EXPECT_EQ(r.windings[0].name, "Primário");
    EXPECT_EQ(r.windings[1].name, "Secundário 1");
    EXPECT_FALSE(r.windings[0].vNl);
    EXPECT_FALSE(r.windings[0].regulationPct);
    const Winding& s = r.windings[1];
    EXPECT_NEAR(r.windings[0].iRmsA, 0.9, 1e-12);
    ASSERT_TRUE(s.vNl && s.vFl && s.regulationPct);
    EXPECT_DOUBLE_EQ(*s.vNl, 31);
    EXPECT_NEAR(*s.vFl, 28.018587, 1e-5);
    EXPECT_NEAR(*s.regulationPct, 10.64084, 1e-4);
    EXPECT_NEAR(r.efficiencyPct, 83.17387, 1e-4);
    EXPECT_NEAR(r.bPeakGauss, 11576.132, 1e-3);
    // Build 1 + 5.407 + 4.730 = 11.137 mm; fill 1.1 x 11.137 / 15.5 = 79.04 %.
    EXPECT_NEAR(r.fillPct, 79.0368, 1e-3);
    // Copper 180.866 + 176.263 g; total 1.1 x (1428.85 + 357.13) = 1964.58 g.
    EXPECT_NEAR(r.mCuG, 357.1289, 1e-3);
    EXPECT_NEAR(r.mTotalG, 1964.575, 1e-2);

    ASSERT_EQ(r.verdicts.size(), 5u);
    EXPECT_EQ(r.verdicts[4].kind, VerdictKind::NoLoad);
    EXPECT_EQ(r.verdicts[0].kind, VerdictKind::Fit);
    EXPECT_EQ(r.verdicts[0].text, "O enrolamento cabe na janela (79,0 % ocupados)");
    EXPECT_EQ(r.verdicts[2].kind, VerdictKind::Flux);
    EXPECT_EQ(r.verdicts[2].text, "Indução real 11576,1 G");
    EXPECT_TRUE(r.verdicts[2].good);
    // 10.64 % is within the default 15 %; a limit of 10 % fails it.
    EXPECT_EQ(r.verdicts[3].kind, VerdictKind::Regulation);
    EXPECT_EQ(r.verdicts[3].text, "Regulação máxima 10,6 %");
    EXPECT_TRUE(r.verdicts[3].good);
    ConstructionSettings strict = TabTurns;
    strict.regMax = 10;
    const Analysis tight = analyseTrafoAlim(oneSecondary(), strict, Comma);
    EXPECT_EQ(tight.verdicts[3].text, "Regulação 10,6 % acima do limite escolhido");
    EXPECT_FALSE(tight.verdicts[3].good);

    TrafoAlimInput low = oneSecondary();
    low.bmax = 11000;
    const Analysis over = analyseTrafoAlim(low, TabTurns, Settings{'.'});
    EXPECT_EQ(over.verdicts[2].text, "Indução real 11576.1 G acima do Bmax escolhido");
    EXPECT_FALSE(over.verdicts[2].good);
}

TEST(ConstructionTrafoAlim, RectifierLoadRaisesTheWindingCurrentAndSizesItsWire)
{
    // A bridge with capacitor input draws 3 / 0.62 = 4.8387 A rms for 3 A DC;
    // Sigma 3 sizes it 50 - 10 log10(2100 x 4.8387 / 3) = 14.71: AWG 14.
    // Pap' = 30 x 4.8387 = 145.16 VA, I_p = 1.4516 A: 50 - 10 log10(1016.1) = 19.93, AWG 19.
    ConstructionSettings set = TabTurns;
    set.load[0] = 3;
    const Analysis r = analyseTrafoAlim(oneSecondary(), set, Comma);
    ASSERT_FALSE(r.error) << *r.error;
    EXPECT_NEAR(r.windings[1].iRmsA, 3 / 0.62, 1e-12);
    EXPECT_EQ(r.windings[1].awg, 14);
    EXPECT_NEAR(r.windings[0].iRmsA, 30 * 3 / 0.62 / 100, 1e-12);
    EXPECT_EQ(r.windings[0].awg, 19);
    // Resistive load: the tab's gauges stay.
    const Analysis ca = analyseTrafoAlim(oneSecondary(), TabTurns, Comma);
    EXPECT_EQ(ca.windings[0].awg, 22);
    EXPECT_EQ(ca.windings[1].awg, 18);
}

TEST(ConstructionTrafoAlim, PrimaryArrangements)
{
    TrafoAlimInput in = oneSecondary();
    in.tipoPri = 1; // two halves of 400 turns, each 0.45 A
    Analysis r = analyseTrafoAlim(in, TabTurns, Comma);
    ASSERT_FALSE(r.error) << *r.error;
    ASSERT_EQ(r.windings.size(), 3u);
    EXPECT_EQ(r.windings[0].name, "Primário 1");
    EXPECT_EQ(r.windings[1].name, "Primário 2");
    EXPECT_NEAR(r.windings[1].iRmsA, 0.45, 1e-12);
    // The second half is wound over the first: longer turns, more resistance.
    EXPECT_GT(r.windings[1].r20Ohm, r.windings[0].r20Ohm);
    // Referred drop (0.45)(R1 + R2)/2 over 100 V.
    const double delta = 0.45 * (r.windings[0].rHotOhm + r.windings[1].rHotOhm) / 2 / 100;
    const Winding& s = r.windings[2];
    EXPECT_NEAR(*s.vFl, 31 * (1 - delta) - 3 * s.rHotOhm, 1e-9);

    in.tipoPri = 2; // tapped: 230 + 170 turns, both carry 90 / 220 A; N_p = 400 on 220 V
    in.vp[3] = 127;
    in.vp[4] = 220;
    in.nprim[3] = 230.4;
    in.nprim[4] = 169.5;
    in.awgPrim[3] = 22;
    in.awgPrim[4] = 25;
    r = analyseTrafoAlim(in, TabTurns, Comma);
    ASSERT_FALSE(r.error) << *r.error;
    EXPECT_EQ(r.windings[0].name, "Primário até a derivação");
    EXPECT_EQ(r.windings[1].name, "Primário após a derivação");
    EXPECT_EQ(r.windings[0].turns, 230);
    EXPECT_EQ(r.windings[1].turns, 170); // 169.5 rounds half up
    EXPECT_EQ(r.windings[1].awg, 25);
    EXPECT_NEAR(r.windings[0].iRmsA, 90.0 / 220, 1e-12);
    EXPECT_DOUBLE_EQ(*r.windings[2].vNl, 220.0 * 124 / 400);
}

TEST(ConstructionTrafoAlim, ZeroTurnSecondaryTakesNoRoom)
{
    TrafoAlimInput in = oneSecondary();
    in.numSec = 2;
    in.vs[2] = 0;
    in.is[2] = 0.001;
    in.ns[2] = 0.4;
    in.awgs[2] = 40;
    const Analysis r = analyseTrafoAlim(in, TabTurns, Comma);
    ASSERT_FALSE(r.error) << *r.error;
    ASSERT_EQ(r.windings.size(), 3u);
    const Winding& z = r.windings[2];
    EXPECT_EQ(z.name, "Secundário 2");
    EXPECT_EQ(z.turns, 0);
    EXPECT_EQ(z.layers, 0);
    EXPECT_EQ(z.buildMm, 0);
    EXPECT_EQ(z.pcuW, 0);
    EXPECT_EQ(z.iRmsA, 0);
    EXPECT_EQ(*z.vNl, 0);
    EXPECT_FALSE(z.regulationPct);
    EXPECT_NEAR(r.buildMm, 11.137, 1e-6);
}

TEST(ConstructionReactor, DefaultChokeInductanceAndDcFlux)
{
    // The tab's defaults: 10 H at 200 mA on a 36 x 36 mm stack.
    // L I^2 = 0.4; NI = 726.83 x 0.4^0.3293 = 537.53; N = 2687.6 -> 2688 turns.
    // Chosen section 12.96 cm^2, path 6.5 x 3.6 = 23.4 cm, spacer 0.0351 cm:
    // gap 2 x 0.351 = 0.702 mm; l = 0.702 + 216 / 5000 = 0.7452 mm.
    // A_net = 0.95 x 36 x 36 = 1231.2 mm^2.
    // L = 4 pi 1e-7 x 2688^2 x 1.2312e-3 / 0.7452e-3 = 15.00 H;
    // B_dc = 4 pi 1e-7 x 2688 x 0.2 / 0.7452e-3 = 0.9066 T = 9066 G.
    Sheet tab(reatorFiltroControls());
    ReatorFiltroResult s;
    CalcReatorFiltro(tab, s, Comma);
    const Analysis r = analyseReatorFiltro(reatorFiltroInput(tab, s, false), TabTurns,
                                           Comma);
    ASSERT_FALSE(r.error) << *r.error;
    EXPECT_EQ(r.windings[0].turns, 2688);
    EXPECT_NEAR(r.gapMm, 0.702, 1e-5);
    EXPECT_NEAR(r.lH, 15.00, 0.01);
    EXPECT_NEAR(r.bDcGauss, 9066, 2);
    ASSERT_EQ(r.verdicts.size(), 3u);
    EXPECT_EQ(r.verdicts[2].kind, VerdictKind::Inductance);
    EXPECT_EQ(r.verdicts[2].text, "Indutância calculada 15,0 H ≥ Lr");
    EXPECT_TRUE(r.verdicts[2].good);

    // Below 9066 G allowed: saturation wins over the inductance.
    ConstructionSettings tight = TabTurns;
    tight.bdcMax = 9000;
    const Analysis sat = analyseReatorFiltro(reatorFiltroInput(tab, s, false), tight, Comma);
    EXPECT_EQ(sat.verdicts[2].which, VerdictCase::Saturates);
    EXPECT_EQ(sat.verdicts[2].text.rfind("Indução CC 906", 0), 0u) << sat.verdicts[2].text;
    EXPECT_NE(sat.verdicts[2].text.find(" G: núcleo satura"), std::string::npos);
    EXPECT_FALSE(sat.verdicts[2].good);

    // Softer iron (mu_r 100): l = 0.702 + 2.16 = 2.862 mm, L = 3.91 H < 10 H.
    ConstructionSettings soft = TabTurns;
    soft.mur = 100;
    const Analysis low = analyseReatorFiltro(reatorFiltroInput(tab, s, false), soft, Comma);
    EXPECT_NEAR(low.lH, 15.00 * 0.7452 / 2.862, 0.01);
    EXPECT_EQ(low.verdicts[2].text, "Indutância calculada 3,9 H menor que Lr");
    EXPECT_FALSE(low.verdicts[2].good);
}

TEST(ConstructionModulator, DefaultDesignPrimaryReactance)
{
    // Defaults: 360 V, 10000 G, 100 Hz, 40 x 32 mm (12.8 cm^2):
    // Np = 360 x 0.315e8 / (10000 x 100 x 12.8) = 885.94; halves 442.97 -> 443, Np 886.
    // Spacer 0.1 x 26 cm x 0.5 = 1.3 mm: gap 2.6 mm, l = 2.6 + 240 / 5000 = 2.648 mm.
    // A_net = 0.95 x 40 x 32 = 1216 mm^2.
    // L_p = 4 pi 1e-7 x 886^2 x 1.216e-3 / 2.648e-3 = 0.45299 H;
    // X_p = 2 pi 100 x 0.45299 = 284.6 ohms, far below Zmod 3600.
    // Primary rms pi x 0.205 / 4 = 0.16101 A a half; secondary 0.16 x sqrt 1.5 = 0.19596 A.
    Sheet tab(trafoModControls());
    TrafoModResult s;
    SelConfigTM(tab, s);
    CalculaTrafoMod(tab, s, Comma);
    const Analysis r = analyseTrafoMod(trafoModInput(tab, s, false), TabTurns, Comma);
    ASSERT_FALSE(r.error) << *r.error;
    ASSERT_EQ(r.windings.size(), 3u);
    EXPECT_EQ(r.windings[0].name, "Primário (metade 1)");
    EXPECT_EQ(r.windings[1].name, "Primário (metade 2)");
    EXPECT_EQ(r.windings[2].name, "Secundário");
    EXPECT_EQ(r.windings[0].turns, 443);
    EXPECT_NEAR(r.windings[0].iRmsA, 0.161007, 1e-5);
    EXPECT_NEAR(r.windings[2].iRmsA, 0.195959, 1e-5);
    EXPECT_NEAR(r.gapMm, 2.6, 1e-5);
    EXPECT_NEAR(r.lpH, 0.45299, 1e-4);
    EXPECT_NEAR(r.xpOhm, 284.62, 0.05);
    ASSERT_EQ(r.verdicts.size(), 4u);
    EXPECT_EQ(r.verdicts[2].kind, VerdictKind::Reactance);
    EXPECT_EQ(r.verdicts[2].text.rfind("Reatância do primário em Fmin 284,", 0), 0u)
        << r.verdicts[2].text;
    EXPECT_NE(r.verdicts[2].text.find(" ohms menor que Zmod: graves cortados"), std::string::npos);
    EXPECT_FALSE(r.verdicts[2].good);
    EXPECT_EQ(r.verdicts[3].kind, VerdictKind::Flux);
    // B_ac = sqrt(50 x 3600) / (4.44 x 100 x 886 x 1.216e-3) = 424.26 / 478.34 = 0.8869 T.
    EXPECT_NEAR(r.bAcGauss, 8869.5, 1);
    EXPECT_GT(r.bDcGauss, 0);
    EXPECT_EQ(r.pfeW, 0);

    // Reactor-capacitor coupling: audio only in the secondary, no DC flux.
    tab["CBSelTM"].itemIndex = 1;
    tab["CBSelTM"].text = "Reator (RCA)";
    SelConfigTM(tab, s); // the coupling as the tab records it: the analysis reads the record
    const Analysis rc = analyseTrafoMod(trafoModInput(tab, s, false), TabTurns,
                                        Comma);
    EXPECT_NEAR(rc.windings[2].iRmsA, 0.16 / std::sqrt(2.0), 1e-6);
    EXPECT_EQ(rc.bDcGauss, 0);
}

TEST(ConstructionErrors, EachErrorInItsOrder)
{
    const ConstructionSettings set = TabTurns;
    auto pt = [&](const TrafoAlimInput& in) {
        const Analysis r = analyseTrafoAlim(in, set, Comma);
        return r.error ? *r.error : std::string("(nenhum)");
    };
    TrafoAlimInput in = oneSecondary();
    in.tabError = true;
    in.uCore = true;
    in.a = 0;
    EXPECT_EQ(pt(in), "O cálculo da aba terminou com erro.");
    in.tabError = false;
    EXPECT_EQ(pt(in), "Bn e En devem ser maiores que zero."); // U/I is analysed like E/I
    in.uCore = false;
    EXPECT_EQ(pt(in), "Bn e En devem ser maiores que zero.");
    in = oneSecondary();
    in.b = -1;
    EXPECT_EQ(pt(in), "Bn e En devem ser maiores que zero.");

    // 1.5 x 32 = 48 mm of window height, 2 x 10 of flanges and 2 x 10 of margins
    // leave 8 mm; flanges of 10 and margins of 15 leave none.
    in = oneSecondary();
    ConstructionSettings wide = TabTurns;
    wide.flange = 10;
    wide.margin = 15;
    auto ptWith = [&](const TrafoAlimInput& i, const ConstructionSettings& s) {
        const Analysis r = analyseTrafoAlim(i, s, Comma);
        return r.error ? *r.error : std::string("(nenhum)");
    };
    EXPECT_EQ(ptWith(in, wide), "Margens e abas maiores que a janela.");
    ConstructionSettings close = TabTurns;
    close.clearance = 10; // 32 / 2 - 10 > 0 still
    EXPECT_EQ(ptWith(in, close), "(nenhum)");
    in.a = 20; // 10 - 10 = 0: no width left
    EXPECT_EQ(ptWith(in, close), "Margens e abas maiores que a janela.");

    in = oneSecondary();
    in.numSec = 2;
    in.ns[2] = -3;
    EXPECT_EQ(pt(in), "Espiras negativas em Secundário 2: corrija os dados da aba.");
    in.nprim[1] = -400; // the primary comes first
    EXPECT_EQ(pt(in), "Espiras negativas em Primário: corrija os dados da aba.");

    in = oneSecondary();
    in.nprim[1] = 0.4;
    EXPECT_EQ(pt(in), "O primário não tem espiras.");

    // AWG 0 over the enamel is 8.2515 + 0.0888 = 8.340 mm; a = 8 mm leaves
    // 12 - 2 = 10 mm of layer, 8.340 x 1.1 = 9.17 fits once; a = 7 leaves 8.5 mm.
    in = oneSecondary();
    in.a = 7;
    in.awgs[1] = 0;
    EXPECT_EQ(pt(in), "O fio de Secundário 1 (8,340 mm) não cabe na altura útil da janela "
                      "(8,500 mm).");
    in.a = 8;
    EXPECT_EQ(pt(in), "(nenhum)");

    // The modulator's own: no turns in its halves; the reactor's: the refused inductance.
    TrafoModInput mod;
    mod.a = 40;
    mod.b = 32;
    mod.np = 0.9;
    mod.ns = 100;
    EXPECT_EQ(*analyseTrafoMod(mod, set, Comma).error, "O primário não tem espiras.");
    mod.ns = -2;
    EXPECT_EQ(*analyseTrafoMod(mod, set, Comma).error,
              "Espiras negativas em Secundário: corrija os dados da aba.");
    Sheet reactor(reatorFiltroControls());
    ReatorFiltroResult s;
    CalcReatorFiltro(reactor, s, Comma);
    reactor["ERFLr"].text = "0";
    CalcReatorFiltro(reactor, s, Comma);
    EXPECT_EQ(*analyseReatorFiltro(reatorFiltroInput(reactor, s, false), set, Comma).error,
              "O cálculo da aba terminou com erro.");
}

TEST(ConstructionErrors, ExtremeDataNeverGiveNonNumbers)
{
    // 1e30 primary turns carrying 9e34 A: about 1e28 layers, a wire of some
    // 1e58 mm and a copper loss that the temperature passes push past 1e308 W.
    TrafoAlimInput in = oneSecondary();
    in.is[1] = 3e35;
    in.ns[1] = 3e30;
    in.nprim[1] = 1e30;
    const Analysis r = analyseTrafoAlim(in, TabTurns, Comma);
    ASSERT_TRUE(r.error);
    EXPECT_EQ(*r.error, "Os dados da aba levam a valores fora do alcance do cálculo.");
    EXPECT_TRUE(r.windings.empty());
    EXPECT_TRUE(r.verdicts.empty());

    // A current density that is no number, or none the gauge rule can take,
    // stops the wire sizing (the reactor's tab itself never reads it).
    for (const char* sigma : {"x", "0", "-3"}) {
        SCOPED_TRACE(sigma);
        Settings bad;
        bad.sigmaText = sigma;
        const Analysis c = analyseReatorFiltro(smallChoke(), TabTurns, bad);
        ASSERT_TRUE(c.error);
        EXPECT_EQ(*c.error, "A densidade de corrente dos ajustes não permite dimensionar o fio.");
    }
}

TEST(ConstructionSettingsSheet, ToleratesBadTextsAndLists)
{
    Sheet sheet(construcaoControls(','));
    EXPECT_EQ(sheet["ECoEmpil"].text, "0,95");
    EXPECT_EQ(sheet["ECoTamb"].text, "40");
    EXPECT_EQ(sheet["CBCoAco"].text, "M800-50A");
    EXPECT_EQ(sheet["CBCoRet6"].text, "CA (carga resistiva)");
    EXPECT_EQ(sheet["CBCoClasse"].itemIndex, 0);
    EXPECT_EQ(Sheet(construcaoControls('.'))["ECoFatorEnrol"].text, "1.1");
    EXPECT_TRUE(isConstrucaoControl("CBCoRet3"));
    EXPECT_FALSE(isConstrucaoControl("EBn1"));

    ConstructionSettings s = readSettings(sheet, Comma);
    EXPECT_EQ(s.ks, double(0.95f));
    EXPECT_EQ(s.steel, 4);
    EXPECT_EQ(s.enamelGrade, 2);
    EXPECT_EQ(sheet["ECoEmpil"].background, Colour::Window);

    sheet["ECoEmpil"].text = "0,5"; // the range's end is valid
    sheet["ECoTamb"].text = "-40";
    sheet["ECoMur"].text = "100001";
    sheet["ECoFolga"].text = "abc";
    sheet["CBCoAco"].itemIndex = 2;
    sheet["CBCoGrauFio"].itemIndex = 0;
    sheet["CBCoRet2"].itemIndex = 9;
    s = readSettings(sheet, Comma);
    EXPECT_EQ(s.ks, 0.5);
    EXPECT_EQ(s.ambient, -40);
    EXPECT_EQ(sheet["ECoEmpil"].background, Colour::Window);
    EXPECT_EQ(s.mur, 5000);
    EXPECT_EQ(sheet["ECoMur"].background, Colour::Red);
    EXPECT_EQ(s.clearance, 0.5);
    EXPECT_EQ(sheet["ECoFolga"].background, Colour::Red);
    EXPECT_EQ(s.steel, 2);
    EXPECT_EQ(s.enamelGrade, 1);
    EXPECT_EQ(s.load[1], 0);

    sheet["ECoEmpil"].text = "0,49";
    s = readSettings(sheet, Comma);
    EXPECT_EQ(s.ks, double(0.95f));
    EXPECT_EQ(sheet["ECoEmpil"].background, Colour::Red);
}

TEST(ConstructionVerdicts, TextsWithOneDecimalAndTheSeparator)
{
    EXPECT_EQ(verdictText(VerdictCase::DoesNotFit, 123.456, ','),
              "O enrolamento não cabe na janela (123,5 % da largura)");
    EXPECT_EQ(verdictText(VerdictCase::TemperatureBad, 80, '.'),
              "Elevação de temperatura 80.0 K: acima da classe");
    EXPECT_EQ(verdictText(VerdictCase::ReactanceGood, 4000.04, ','),
              "Reatância do primário em Fmin 4000,0 ohms");
    EXPECT_EQ(verdictText(VerdictCase::TotalFluxGood, 9876.54, ','),
              "Indução total 9876,5 G (CA + CC)");
    EXPECT_EQ(verdictText(VerdictCase::TotalFluxBad, 0.04, ','),
              "Indução total 0,0 G acima do Bmax escolhido");
    EXPECT_STREQ(verdictKey(VerdictKind::Inductance), "inductance");

    const Analysis r = analyseTrafoAlim(oneSecondary(), TabTurns, Comma);
    const Verdict& fit = r.verdicts[0];
    EXPECT_EQ(verdictText(fit.which, fit.value, '.', fit.y, fit.z),
              "O enrolamento cabe na janela (79.0 % ocupados)");
}
