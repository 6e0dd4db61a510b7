#include "adviser.h"
#include "construction.h"
#include "tab_turns.h"
#include "construction_data.h"
#include "construction_output.h"
#include "lamination.h"
#include "winding_sheet.h"

#include "calc_error.h"
#include "designs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace kelvora;
using namespace kelvora::construction;

namespace {

ConstructionSettings tabTurns() { return tabTurnsSettings(); }

const Settings Comma{};

// The one-secondary power transformer of test_construction.cpp (100 V on 400
// turns of AWG 22, 124 turns of AWG 18 at 3 A, 32 x 32 mm, 50 Hz, n = 100 %),
// on U/I laminations.
TrafoAlimInput oneSecondaryUI()
{
    TrafoAlimInput in;
    in.uCore = true;
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

double copperArea(int awg) { return std::numbers::pi * std::pow(awgBareDiameter(awg), 2) / 4; }

} // namespace

TEST(UICore, GeometryOfTheScraplessShape)
{
    // a = 25, b = 40: c = a = 25, h = 3a = 75; outline 75 x 125 mm;
    // mean path 2 x 25 + 2 x 75 + 4 x 25 = 300 mm; two joints, two coils.
    const Core k = uiCore(25, 40);
    EXPECT_EQ(k.family, CoreFamily::UI);
    EXPECT_EQ(k.c, 25);
    EXPECT_EQ(k.h, 75);
    const LaminationGeometry g = geometryOf(k);
    EXPECT_EQ(g.outlineWidth, 75);
    EXPECT_EQ(g.outlineHeight, 125);
    EXPECT_EQ(g.pathMm, 300);
    EXPECT_EQ(g.joints, 2);
    EXPECT_EQ(g.coils, 2);
    EXPECT_EQ(g.coilWidth(), 12.5);
    // Face 75 x 125 - 25 x 75 = 7500 mm^2 = 75 cm^2 (12 a^2, twice the E/I's 6 a^2);
    // iron 7.65 x 0.95 x 75 x 4.0 = 2180.25 g.
    EXPECT_NEAR(ironMassG(k, 0.95), 2180.25, 1e-9);
    EXPECT_NEAR(ironMassG(k, 0.95), 2 * ironMassG(eiCore(25, 40), 0.95), 1e-9);
    // A window of its own: c = 30, h = 60 gives outline 80 x 110, path 280 mm,
    // face 8800 - 1800 = 7000 mm^2.
    const Core own = uiCore(25, 40, 30, 60);
    EXPECT_EQ(geometryOf(own).pathMm, 280);
    EXPECT_NEAR(ironMassG(own, 1), 7.65 * 70 * 4, 1e-9);
    // The E/I keeps its ratios through the same type.
    EXPECT_EQ(geometryOf(eiCore(32, 40)).pathMm, 192);
    EXPECT_EQ(geometryOf(eiCore(32, 40)).coilWidth(), 16);
}

TEST(UICore, NetSectionAndIronOfTheAnalysis)
{
    // a = 25, b = 40: A_net = 0.95 x 25 x 40 = 950 mm^2, so 100 V on 400
    // turns at 50 Hz gives 100 / (4.44 x 50 x 400 x 950e-6) = 1.185396 T.
    TrafoAlimInput in = oneSecondaryUI();
    in.a = 25;
    in.b = 40;
    const Analysis r = analyseTrafoAlim(in, tabTurns(), Comma);
    ASSERT_FALSE(r.error) << *r.error;
    EXPECT_NEAR(r.bPeakGauss, 11853.96, 0.01);
    EXPECT_NEAR(r.mFeG, 2180.25, 1e-4); // k_s is the field's single-precision 0.95
    EXPECT_EQ(r.core.family, CoreFamily::UI);
}

TEST(UICore, OneSecondarySplitOverTheTwoCoils)
{
    // Scrapless a = 32: window 32 x 96, h_w = 96 - 2 = 94 mm, each coil's
    // room 32/2 - 0.5 = 15.5 mm.
    // Primary: 200 turns a leg, AWG 22 (0.701 mm): 94 / 0.7711 = 121 a layer,
    // 2 layers (121 + 79), build 2 x 0.701 + 0.05 + 0.2 = 1.652 mm; turns of
    // 128 + 8 (1 + 0.3505) = 138.804 and 128 + 8 (1 + 1.1015) = 144.812 mm:
    // 121 x 138.804 + 79 x 144.812 = 28235.432 mm a leg, 56470.864 mm in all.
    // Secondary: 62 turns a leg, AWG 18 (1.095 mm): 78 a layer, 1 layer, build
    // 1.295 mm, turns of 128 + 8 (1 + 1.652 + 0.5475) = 153.596 mm:
    // 62 x 153.596 = 9522.952 mm a leg, 19045.904 mm in all.
    // Each coil 1 + 1.652 + 1.295 = 3.947 mm; fill 1.1 x 3.947 / 15.5 = 28.011 %.
    const Analysis r = analyseTrafoAlim(oneSecondaryUI(), tabTurns(), Comma);
    ASSERT_FALSE(r.error) << *r.error;
    ASSERT_EQ(r.windings.size(), 2u);
    const Winding& p = r.windings[0];
    const Winding& s = r.windings[1];
    EXPECT_EQ(p.turns, 400);
    ASSERT_EQ(p.legs.size(), 2u);
    EXPECT_EQ(p.legs[0].turns, 200);
    EXPECT_EQ(p.legs[1].turns, 200);
    EXPECT_EQ(p.turnsPerLayer, 121);
    EXPECT_EQ(p.layers, 2);
    EXPECT_NEAR(p.buildMm, 1.652, 1e-6);
    EXPECT_NEAR(p.lengthM, 56.470864, 1e-6);
    // Both halves in series: R20 = 56.470864 m / 58 / 0.325526 mm^2 = 2.99089 ohm.
    EXPECT_NEAR(p.r20Ohm, 56.470864 / 58 / copperArea(22), 1e-6);
    EXPECT_NEAR(p.r20Ohm, 2.99089, 1e-5);
    EXPECT_EQ(s.turns, 124);
    EXPECT_EQ(s.legs[1].turns, 62);
    EXPECT_EQ(s.turnsPerLayer, 78);
    EXPECT_EQ(s.layers, 1);
    EXPECT_NEAR(s.buildMm, 1.295, 1e-6);
    EXPECT_NEAR(s.lengthM, 19.045904, 1e-6);
    EXPECT_NEAR(r.buildMm, 3.947, 1e-6);
    EXPECT_NEAR(r.fillPct, 28.010968, 1e-6);
    EXPECT_TRUE(r.fits);
    EXPECT_EQ(r.verdicts[0].text, "O enrolamento cabe na janela (28,0 % ocupados)");
    // The whole part's surface: each coil stands 1.1 x 0.3947 = 0.43417 cm out
    // past its leg and out of both faces of the stack:
    // W = 9.6 + 0.86834, H = 16, D = 3.2 + 0.86834 cm; 2 (WH + WD + HD) = 550.3513 cm^2.
    EXPECT_NEAR(r.areaCm2, 550.3513, 1e-4);
    // Iron: face 96 x 160 - 32 x 96 = 12288 mm^2; 7.65 x 0.95 x 122.88 x 3.2 = 2857.697 g.
    EXPECT_NEAR(r.mFeG, 2857.69728, 1e-4);

    // An odd count: leg 1 takes the odd turn, 63 + 62.
    TrafoAlimInput odd = oneSecondaryUI();
    odd.ns[1] = 125;
    const Analysis o = analyseTrafoAlim(odd, tabTurns(), Comma);
    ASSERT_FALSE(o.error) << *o.error;
    EXPECT_EQ(o.windings[1].turns, 125);
    EXPECT_EQ(o.windings[1].legs[0].turns, 63);
    EXPECT_EQ(o.windings[1].legs[1].turns, 62);
}

TEST(UICore, WhatFitsOnOneShapeAndNotOnTheOther)
{
    ConstructionSettings set = tabTurns();
    // 560 + 174 turns on a = b = 32. E/I: 46 mm of layer, primary 59 a layer in
    // 10 layers (7.660 mm), secondary 38 a layer in 5 (5.875 mm): 1 + 7.66 + 5.875
    // = 14.535 mm, 1.1 x 14.535 / 15.5 = 103.2 %: it does not fit.
    // Scrapless U/I of the same a: the window is twice as high (3a against 1.5a)
    // and each leg carries half the turns, so each coil needs about a quarter
    // of the layers: 280 turns in 3 layers (2.403 mm), 87 in 2 (2.440 mm),
    // 1 + 2.403 + 2.44 = 5.843 mm, 41.5 %: it fits.
    TrafoAlimInput big = oneSecondaryUI();
    big.nprim[1] = 560;
    big.ns[1] = 174;
    const Analysis ui = analyseTrafoAlim(big, set, Comma);
    big.uCore = false;
    const Analysis ei = analyseTrafoAlim(big, set, Comma);
    ASSERT_FALSE(ui.error || ei.error);
    EXPECT_NEAR(ei.fillPct, 103.1516, 1e-3);
    EXPECT_FALSE(ei.fits);
    EXPECT_NEAR(ui.fillPct, 41.4665, 1e-3);
    EXPECT_TRUE(ui.fits);

    // The reverse: a U/I with a narrow window, c = 14, h = 48 (the E/I's height).
    // Both coils share the 14 mm: each has 7 - 0.5 = 6.5 mm against the E/I's
    // 15.5 mm, and half the turns do not make up for it (the tube and each
    // winding's wrap are paid on both coils): 200 turns in 4 layers (3.154 mm),
    // 62 in 2 (2.440 mm), 1 + 3.154 + 2.44 = 6.594 mm, 1.1 x 6.594 / 6.5 = 111.6 %.
    // The E/I of the same a and b holds the 400 + 124 turns at 79.0 %.
    set.uiWindow = 14;
    set.uiHeight = 48;
    const Analysis narrow = analyseTrafoAlim(oneSecondaryUI(), set, Comma);
    TrafoAlimInput ein = oneSecondaryUI();
    ein.uCore = false;
    const Analysis wide = analyseTrafoAlim(ein, set, Comma);
    ASSERT_FALSE(narrow.error || wide.error);
    EXPECT_NEAR(narrow.fillPct, 111.5908, 1e-3);
    EXPECT_FALSE(narrow.fits);
    EXPECT_EQ(narrow.verdicts[0].text, "O enrolamento não cabe na janela (111,6 % da largura)");
    EXPECT_NEAR(wide.fillPct, 79.0368, 1e-3);
    EXPECT_TRUE(wide.fits);
}

TEST(UICore, ErrorsOfTheWindow)
{
    // A U/I is analysed (no more "A construção considera lâminas E/I."); one
    // whose coils have no width left (c = 2: 2/2 - a clearance of 1 = 0) ends
    // in error 4.
    ConstructionSettings set = tabTurns();
    set.uiWindow = 2;
    set.clearance = 1;
    Analysis r = analyseTrafoAlim(oneSecondaryUI(), set, Comma);
    ASSERT_TRUE(r.error);
    EXPECT_EQ(*r.error, "Margens e abas maiores que a janela.");
    TrafoAlimInput none = oneSecondaryUI();
    none.a = 0;
    r = analyseTrafoAlim(none, tabTurns(), Comma);
    EXPECT_EQ(*r.error, "Bn e En devem ser maiores que zero.");
}

TEST(UICore, SettingsAreEmptyForTheScraplessShapeAndRedOutsideTheirRange)
{
    Sheet s(construcaoControls(','));
    EXPECT_EQ(s["ECoUIJanela"].text, "");
    EXPECT_EQ(s["ECoUIAltura"].text, "");
    ConstructionSettings set = readSettings(s, Comma);
    EXPECT_EQ(set.uiWindow, 0);
    EXPECT_EQ(set.uiHeight, 0);
    EXPECT_EQ(s["ECoUIJanela"].background, Colour::Window);
    s["ECoUIJanela"].text = "30,5";
    s["ECoUIAltura"].text = "0";
    set = readSettings(s, Comma);
    EXPECT_EQ(set.uiWindow, 30.5);
    EXPECT_EQ(set.uiHeight, 0); // below 1 mm: red, and the scrapless height
    EXPECT_EQ(s["ECoUIAltura"].background, Colour::Red);
    s["ECoUIAltura"].text = "  ";
    readSettings(s, Comma);
    EXPECT_EQ(s["ECoUIAltura"].background, Colour::Window);
    EXPECT_TRUE(isConstrucaoControl("ECoUIJanela"));
}

TEST(UICore, JsonAndWindingSheetSayHowTheHalvesAreWound)
{
    Sheet settings(construcaoControls(','));
    const Analysis r = analyseTrafoAlim(oneSecondaryUI(), tabTurns(), Comma);
    const nlohmann::ordered_json j = construcaoJson(r);
    EXPECT_EQ(j["core"]["family"], "UI");
    EXPECT_EQ(j["core"]["path_mm"], 2 * 32 + 2 * 96 + 4 * 32);
    EXPECT_EQ(j["windings"][0]["legs"][1]["turns"], 200);
    EXPECT_EQ(j["windings"][0]["turns"], 400);

    const std::string text = windingSheetText(trafoAlimPart().caption, r, r.core, settings, 1, Comma);
    for (const char* line :
         {"  Lâminas U/I: largura das pernas (Bn) 32,00 mm, empilhamento (En) 32,00 mm\n",
          "  Janela: 32,00 x 96,00 mm (proporção sem retalho)\n",
          "  Largura da janela do U/I (c): vazio (proporção sem retalho)\n",
          "     Espiras: 400 no total, 200 na bobina de cada perna (a aba calculou 400,0)\n",
          "     Camadas em cada bobina: 2 (a última com 79 espiras)\n",
          "Ligação das duas bobinas (núcleo U/I)\n",
          "  série: o fim da metade da perna 1 ao fim da metade da perna 2; os dois começos\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
    EXPECT_EQ(text.find("E/I"), std::string::npos);

    // The E/I sheet has neither the U/I settings nor the connection.
    TrafoAlimInput ei = oneSecondaryUI();
    ei.uCore = false;
    const Analysis e = analyseTrafoAlim(ei, tabTurns(), Comma);
    const std::string eiText = windingSheetText(trafoAlimPart().caption, e, e.core, settings, 1, Comma);
    EXPECT_EQ(eiText.find("U/I"), std::string::npos);
    EXPECT_NE(eiText.find("  Janela: 16,00 x 48,00 mm\n"), std::string::npos);
}

TEST(UICore, AdviserTriesScraplessUICoresAndFindsTheLightest)
{
    // 12 V at 0.5 A from 125 V, 50 Hz, efficiency 85 %, Bmax 10000 G, U/I:
    // Pap' = 6 / 0.85 = 7.0588 VA, Snu = 5 sqrt(7.0588 / 50) = 1.8787 cm^2, so
    // the tab wants a leg of at least sqrt(1.8787) = 13.71 mm: a >= 14.
    // Its turns come from Snu: 2997 primary turns. On 14 x 14 the flux is
    // 125 / (4.44 x 50 x 2997 x 0.95 x 196e-6) = 1.0090 T, above 10000 G;
    // on 14 x 15, 125 / (4.44 x 50 x 2997 x 0.95 x 210e-6) = 0.9417 T. The
    // coil fills 91.6 % and rises 15.3 K. Every other core is heavier
    // (a wider leg or a higher stack), so the lightest is 14 x 15:
    // iron 7.65 x 0.95 x 12 x 1.4^2 x 1.5 = 256.4 g, copper 93.1 g, total 384.5 g.
    const Design& d = *findDesign("trafo-alimentacao");
    Sheet tab(d.controls);
    for (auto [name, text] : {std::pair{"EVs1", "12"}, {"EIs1", "500"}, {"EFo", "50"}})
        tab[name].text = text;
    const std::vector<std::string>& items = tab.spec("CNumSec").items;
    tab["CNumSec"].itemIndex = int(std::find(items.begin(), items.end(), "1") - items.begin());
    tab["CNumSec"].text = "1";
    tab["RBNucleoE"].checked = false;
    tab["RBNucleoU"].checked = true;
    DesignResults state;
    d.show(tab, state, Comma);
    EXPECT_EQ(tab["LSnu"].text, "1,88");

    ConstructionSettings set = tabTurns();
    set.uiWindow = 20; // the tab's own window does not narrow the scrapless search
    set.regMax = 100;  // so small a part regulates poorly: not what this search is about
    const Advice a = adviseCore(*d.part, tab, state, false, set, Comma);
    ASSERT_FALSE(a.error) << *a.error;
    // a = 10 ... 64, stacks a ... 2.5a: the sum of floor(1.5a) + 1 is 3094 cores.
    EXPECT_EQ(a.tried, 3094);
    ASSERT_FALSE(a.ranked.empty());
    const Suggestion& best = a.ranked[0];
    EXPECT_EQ(best.lamination->name, "UI a = 14 mm");
    EXPECT_EQ(best.a, 14);
    EXPECT_EQ(best.b, 15);
    EXPECT_NEAR(best.fillPct, 91.6, 0.05);
    EXPECT_NEAR(best.mTotalG, 384.5, 0.05);
    for (const Suggestion& s : a.ranked)
        ASSERT_EQ(std::string(s.lamination->name).rfind("UI a = ", 0), 0u) << s.lamination->name;
    const std::vector<std::string> row = suggestionRow(best, a.part, Comma);
    EXPECT_EQ(row[0], "UI a = 14 mm");
    EXPECT_EQ(row[1], "14 × 15");
    EXPECT_EQ(sugestoesJson(a)[0]["nome"], "UI a = 14 mm");

    // 14 x 14 is refused for the flux, a = 13 by the tab's leg width.
    for (auto [bn, en] : {std::pair{"14", "14"}, {"13", "15"}}) {
        SCOPED_TRACE(bn + std::string(" x ") + en);
        Sheet t = tab;
        t["EBn1"].text = bn;
        t["EEn1"].text = en;
        DesignResults st;
        d.show(t, st, Comma);
        const Analysis r = *analyseDesign(*findDesign("TTrafoAlim"), t, st, false, set, Comma);
        const bool tabGood = t["LAlimAval"].text == "Seção escolhida atende à aplicação!";
        EXPECT_FALSE(tabGood && r.verdicts[2].good);
    }
}
