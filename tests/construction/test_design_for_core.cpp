// The windings designed for the chosen core ("Para o núcleo escolhido").
#include "construction.h"

#include "reator_filtro.h"
#include "trafo_alim.h"
#include "trafo_mod.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace kelvora;
using namespace kelvora::construction;

namespace {

const Settings Comma{};
constexpr double Mu0 = 4e-7 * std::numbers::pi;

TrafoAlimInput mains220()
{
    TrafoAlimInput in;
    in.a = 32; // EI 96
    in.b = 32;
    in.fo = 60;
    in.bmax = 10000;
    in.efficiency = 90;
    in.numSec = 1;
    in.vp[1] = 220;
    in.nprim[1] = 500; // the tab's turns: ignored by the design
    in.awgPrim[1] = 24;
    in.vs[1] = 30;
    in.is[1] = 1;
    in.ns[1] = 70;
    in.awgs[1] = 20;
    return in;
}

TrafoModInput defaultModulator(bool reactor)
{
    Sheet tab(trafoModControls());
    if (reactor) {
        tab["CBSelTM"].text = "Reator (RCA)";
        tab["CBSelTM"].itemIndex = 1;
    }
    TrafoModResult s;
    SelConfigTM(tab, s);
    CalculaTrafoMod(tab, s, Comma);
    return trafoModInput(tab, s, false);
}

} // namespace

TEST(DesignForCore, PrimaryTurnsFromTheNetSection)
{
    // EI 96 x 32: A_net = 0.95 x 0.032 x 0.032 = 9.728e-4 m^2 at 1.0 T, 60 Hz:
    // n_v = 1 / (4.44 x 60 x 1.0 x 9.728e-4) = 3.85880 turns/V;
    // 220 V x 3.85880 = 848.94 -> 849 turns, rounded up so that
    // B = 220 / (4.44 x 60 x 849 x 9.728e-4) = 0.99993 T stays within 10 000 G.
    const Analysis r = analyseTrafoAlim(mains220(), ConstructionSettings{}, Comma);
    ASSERT_FALSE(r.error) << *r.error;
    EXPECT_EQ(r.projeto, Projeto::ForCore);
    EXPECT_EQ(r.windings[0].turns, 849);
    EXPECT_EQ(*r.windings[0].turnsTab, 500);
    EXPECT_NEAR(r.bPeakGauss, 9999.3, 0.5);
    EXPECT_LE(r.bPeakGauss, 10000);
    EXPECT_TRUE(r.verdicts[2].good);

    // "Duplo": each half 849; "Derivação" 110 V at the tap of 220 V: 425 then 849 - 425.
    TrafoAlimInput duplo = mains220();
    duplo.tipoPri = 1;
    const Analysis d = analyseTrafoAlim(duplo, ConstructionSettings{}, Comma);
    EXPECT_EQ(d.windings[0].turns, 849);
    EXPECT_EQ(d.windings[1].turns, 849);
    TrafoAlimInput tap = mains220();
    tap.tipoPri = 2;
    tap.vp[3] = 110;
    tap.vp[4] = 220;
    const Analysis t = analyseTrafoAlim(tap, ConstructionSettings{}, Comma);
    EXPECT_EQ(t.windings[0].turns, 425); // 110 x 3.85880 = 424.47
    EXPECT_EQ(t.windings[1].turns, 424);
}

TEST(DesignForCore, CompensatedSecondaryGivesItsVoltageAtLoad)
{
    // 30 V at 1 A: 849 x 30 / 220 = 115.8 turns before compensation; the hot
    // drops (primary delta, secondary I R) call for a few turns more, so that
    // V_fl = V_nl (1 - delta) - I R comes to 30 V within one turn's 0.26 V.
    const Analysis r = analyseTrafoAlim(mains220(), ConstructionSettings{}, Comma);
    ASSERT_FALSE(r.error) << *r.error;
    const Winding& s = r.windings[1];
    ASSERT_TRUE(s.vFl);
    EXPECT_GT(s.turns, 116);
    EXPECT_NEAR(*s.vFl, 30, 0.15); // 0.5 %
    EXPECT_TRUE(r.notes.empty());
    // The compensation the design settled on: N = round(N_p (Vs + I R) / (V_p (1 - delta))).
    EXPECT_EQ(s.turns, std::floor(849 * (30 + s.iRmsA * s.rHotOhm)
                                      / (220 * (1 - r.primaryDrop))
                                  + 0.5));

    // A secondary with no voltage gets no turns and a note that names it.
    TrafoAlimInput none = mains220();
    none.vs[1] = 0;
    const Analysis z = analyseTrafoAlim(none, ConstructionSettings{}, Comma);
    EXPECT_EQ(z.windings[1].turns, 0);
    ASSERT_EQ(z.notes.size(), 1u);
    EXPECT_EQ(z.notes[0], "Secundário 1 sem espiras: tensão nula ou negativa");
}

TEST(DesignForCore, DefaultChokeGivesLrAtTheDesignFlux)
{
    // 10 H at 0.2 A on 36 x 36 mm, B_d 8000 G: A_net = 0.95 x 36 x 36 = 1.2312e-3 m^2,
    // N = ceil(10 x 0.2 / (1.2312e-3 x 0.8)) = ceil(2030.54) = 2031;
    // l = 4 pi 1e-7 x 2031 x 0.2 / 0.8 = 0.63806 mm, l_g = 0.63806 - 216 / 5000 = 0.59486 mm,
    // 0.2974 mm in each joint; L = N A B_d / I = 2031 x 1.2312e-3 x 0.8 / 0.2 = 10.0023 H.
    Sheet tab(reatorFiltroControls());
    ReatorFiltroResult s;
    CalcReatorFiltro(tab, s, Comma);
    const Analysis r = analyseReatorFiltro(reatorFiltroInput(tab, s, false),
                                           ConstructionSettings{}, Comma);
    ASSERT_FALSE(r.error) << *r.error;
    EXPECT_EQ(r.windings[0].turns, 2031);
    EXPECT_NEAR(*r.windings[0].turnsTab, 2687.6, 0.05);
    EXPECT_NEAR(r.spacerMm, 0.2974, 1e-3);
    EXPECT_NEAR(r.gapMm, 2 * r.spacerMm, 1e-12);
    EXPECT_NEAR(r.lH, 10, 0.1); // within 1 %
    EXPECT_GE(r.lH, 10);
    EXPECT_NEAR(r.bDcGauss, 8000, 1e-6);
    EXPECT_EQ(r.verdicts[2].text, "Indutância calculada 10,0 H ≥ Lr");
    EXPECT_EQ(stackingText(r, ','), "Espaçador em cada junta E–I: 0,30 mm, E e I topo a topo");

    // A design flux above the choke's limit is judged as saturating.
    ConstructionSettings high;
    high.bdcDesign = 13000;
    const Analysis sat = analyseReatorFiltro(reatorFiltroInput(tab, s, false), high, Comma);
    EXPECT_EQ(sat.verdicts[2].which, VerdictCase::Saturates);
}

TEST(DesignForCore, ModulatorWithReactorCouplingHasNoGap)
{
    // 50 W into 3600 ohms: sqrt(50 x 3600) = 424.26 V at 100 Hz on 40 x 32 mm
    // (A_net 1.216e-3 m^2): B_ac <= 1 T needs N_p >= 424.26 / (4.44 x 100 x 1.216e-3) = 785.8,
    // 786 (even); the bass needs L >= 3600 / (2 pi 100) = 5.7296 H, ungapped
    // (l = 240 mm / 5000 = 0.048 mm) N_p >= 424.2. So 786 turns, halves of 393:
    // L_p = 4 pi 1e-7 x 786^2 x 1.216e-3 / 4.8e-5 = 19.67 H, B_ac = 9997.6 G.
    const Analysis r = analyseTrafoMod(defaultModulator(true), ConstructionSettings{}, Comma);
    ASSERT_FALSE(r.error) << *r.error;
    EXPECT_EQ(r.windings[0].turns, 393);
    EXPECT_EQ(r.windings[1].turns, 393);
    EXPECT_EQ(r.gapMm, 0);
    EXPECT_EQ(stackingText(r, ','), "Sem espaçador: lâminas intercaladas");
    EXPECT_NEAR(r.lpH, 19.67, 0.01);
    EXPECT_NEAR(r.bAcGauss, 9997.6, 0.1);
    for (const Verdict& v : r.verdicts)
        EXPECT_TRUE(v.good) << v.text;
}

TEST(DesignForCore, ModulatorWithDirectCouplingGapsForTheSecondarysCurrent)
{
    // The gap holds B_ac + B_dc at Bmax: l_g = mu0 N_s Ibrf / (B_max - B_ac) - l_e/mu_r,
    // and N_p is the least even count whose L_p reaches Zmod / (2 pi Fmin) = 5.7296 H.
    const TrafoModInput in = defaultModulator(false);
    const Analysis r = analyseTrafoMod(in, ConstructionSettings{}, Comma);
    ASSERT_FALSE(r.error) << *r.error;
    const double np = 2 * r.windings[0].turns;
    const double lReq = in.zmod / (2 * std::numbers::pi * in.fmin);
    EXPECT_GT(r.gapMm, 0);
    EXPECT_NEAR(r.spacerMm, r.gapMm / 2, 1e-12);
    EXPECT_GE(r.lpH * (1 + 1e-9), lReq);
    EXPECT_GE(r.xpOhm * (1 + 1e-9), in.zmod);
    EXPECT_NEAR(r.bAcGauss + r.bDcGauss, 10000, 1e-6);
    EXPECT_EQ(r.windings[2].turns, std::floor(np / in.kn + 0.5));
    for (const Verdict& v : r.verdicts)
        EXPECT_TRUE(v.good) << v.text;
    // Two turns fewer fall short of the bass.
    const double area = 0.95f * 40 * 32 * 1e-6, core = 240e-3 / 5000, fewer = np - 2;
    const double bAc = std::sqrt(in.paMod * in.zmod) / (4.44 * in.fmin * fewer * area);
    const double lg = Mu0 * std::floor(fewer / in.kn + 0.5) * in.ibrf / (1 - bAc) - core;
    EXPECT_LT(Mu0 * fewer * fewer * area / (lg + core), lReq);

    // A core too small for the flux at any count: the design says so.
    TrafoModInput tiny = in;
    tiny.a = tiny.b = 3;
    tiny.paMod = 5000;
    EXPECT_EQ(*analyseTrafoMod(tiny, ConstructionSettings{}, Comma).error,
              "Nenhum número de espiras atende à indutância e ao Bmax neste núcleo.");
}

TEST(DesignForCore, BuildersGaugeAndCurrentDensity)
{
    // The primary of AWG 24 set to AWG 20: 0.812 mm bare, 0.5176 mm^2.
    ConstructionSettings set;
    set.awg[0] = 20;
    const Analysis r = analyseTrafoAlim(mains220(), set, Comma);
    ASSERT_FALSE(r.error) << *r.error;
    EXPECT_EQ(r.windings[0].awg, 20);
    // AWG 20 is what is wound: 0.127 x 92^(16/39) = 0.81182 mm bare, 0.879 mm over grade 2.
    EXPECT_NEAR(r.windings[0].dBareMm, 0.81182, 1e-5);
    EXPECT_DOUBLE_EQ(r.windings[0].dOverMm, 0.879);
    EXPECT_EQ(r.windings[1].awg, 20);
    const double area = std::numbers::pi * std::pow(r.windings[0].dBareMm, 2) / 4;
    EXPECT_NEAR(r.windings[0].jAmm2, r.windings[0].iRmsA / area, 1e-12);
    EXPECT_EQ(analyseTrafoAlim(mains220(), ConstructionSettings{}, Comma).windings[0].awg, 24);

    // The sheet: a whole number 0-45 is taken, anything else is red and ignored.
    Sheet sheet(construcaoControls(','));
    sheet["ECoAWG1"].text = " 20 ";
    sheet["ECoAWG2"].text = "46";
    sheet["ECoAWG3"].text = "20,5";
    const ConstructionSettings read = readSettings(sheet, Comma);
    EXPECT_EQ(read.awg[0], 20);
    EXPECT_EQ(read.awg[1], -1);
    EXPECT_EQ(read.awg[2], -1);
    EXPECT_EQ(read.awg[3], -1);
    EXPECT_EQ(sheet["ECoAWG1"].background, Colour::Window);
    EXPECT_EQ(sheet["ECoAWG2"].background, Colour::Red);
    EXPECT_EQ(sheet["ECoAWG3"].background, Colour::Red);
    EXPECT_EQ(sheet["ECoAWG4"].background, Colour::Window);
    EXPECT_EQ(read.projeto, Projeto::ForCore);
    sheet["CBCoProjeto"].itemIndex = 1;
    sheet["ECoRegMax"].text = "101";
    const ConstructionSettings aba = readSettings(sheet, Comma);
    EXPECT_EQ(aba.projeto, Projeto::TabTurns);
    EXPECT_EQ(aba.regMax, 15); // out of range: the default
    EXPECT_EQ(sheet["ECoRegMax"].background, Colour::Red);
}
