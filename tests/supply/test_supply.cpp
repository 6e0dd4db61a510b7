#include "supply.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using namespace kelvora::supply;

Circuit chokeInput(double henry)
{
    Circuit c;
    c.source = {300, 50, 10, 0.040, 60};
    c.rectifier = Rectifier::Bridge;
    c.device = *findDevice("1N4007");
    c.ladder = {{ElementKind::L, henry, 150}, {ElementKind::C, 47e-6, 0.3}};
    c.load = {false, 2000, 0};
    return c;
}

const Verdict* find(const Result& r, VerdictKey k)
{
    for (const Verdict& v : r.verdicts)
        if (v.key == k)
            return &v;
    return nullptr;
}

TEST(SupplyValve, KFromTheDatasheetDrop)
{
    // 5U4G: 58 V at 225 mA per plate; 58^1.5 = 441.72, k = 0.225 / 441.72 = 5.094e-4 A/V^1.5.
    EXPECT_NEAR(childLangmuirK(58, 0.225), 5.094e-4, 0.001e-4);
    EXPECT_DOUBLE_EQ(findDevice("5U4G")->law.k, childLangmuirK(58, 0.225));
    // 5T4: 45 V at 225 mA, 45^1.5 = 301.87, k = 7.454e-4.
    EXPECT_NEAR(findDevice("5T4")->law.k, 7.454e-4, 0.001e-4);
}

TEST(SupplyChokeInput, CriticalInductanceAndTheDiscontinuousWarning)
{
    // Full wave into 2000 ohms at 60 Hz: L_c = R / (3 w) = 2000 / (3 * 376.99) = 1.7684 H.
    const Result ok = simulate(chokeInput(10));
    ASSERT_FALSE(ok.error);
    ASSERT_TRUE(ok.lCritical);
    EXPECT_NEAR(*ok.lCritical, 1.7684, 0.0005);
    EXPECT_FALSE(ok.discontinuous);
    ASSERT_TRUE(find(ok, VerdictKey::Continuity));
    EXPECT_TRUE(find(ok, VerdictKey::Continuity)->good);
    EXPECT_EQ(find(ok, VerdictKey::Continuity)->text,
              "Corrente do choque contínua (indutância crítica 1,8 H)");

    const Result low = simulate(chokeInput(0.5));
    ASSERT_FALSE(low.error);
    EXPECT_TRUE(low.discontinuous);
    EXPECT_FALSE(find(low, VerdictKey::Continuity)->good);
    EXPECT_EQ(find(low, VerdictKey::Continuity)->text,
              "Corrente do choque descontínua: indutância crítica 1,8 H");
}

TEST(SupplyRatings, EachBrokenRatingIsNamed)
{
    // 5U4G on a centre tap: 47 uF over its 40 uF, and 40 ohms per plate under its 75 ohms
    // (half the winding's 70 ohms plus a quarter of the primary's 20).
    Circuit c;
    c.source = {700, 90, 20, 0.060, 60};
    c.rectifier = Rectifier::CentreTap;
    c.device = *findDevice("5U4G");
    c.ladder = {{ElementKind::C, 47e-6, 0.3}};
    c.load = {false, 3500, 0};
    const Result r = simulate(c);
    ASSERT_FALSE(r.error);
    const Verdict* cap = find(r, VerdictKey::FirstCapacitor);
    ASSERT_TRUE(cap);
    EXPECT_FALSE(cap->good);
    EXPECT_EQ(cap->text, "Primeiro capacitor 47,0 µF acima do máximo do 5U4G (40,0 µF)");
    // In another language the rating's name and the device's are its messages too:
    // a catalogue that brackets each message shows where each part comes from.
    const auto bracketed = [](const kelvora::ShownText& m) {
        return kelvora::fillIn("[" + std::string(m.words.source) + "]", m.args);
    };
    EXPECT_EQ(verdictText(*cap, bracketed),
              "[[Primeiro capacitor] 47,0 µF acima do máximo [do 5U4G] (40,0 µF)]");
    EXPECT_EQ(verdictText(*cap, kelvora::portuguese), cap->text);
    const Verdict* rp = find(r, VerdictKey::PlateResistance);
    ASSERT_TRUE(rp);
    EXPECT_FALSE(rp->good);
    EXPECT_EQ(rp->text, "Resistência da fonte por placa 40,0 ohms abaixo do mínimo do 5U4G (75,0 ohms)");
    // The 5U4G's PIV is not from a sheet read: not judged.
    EXPECT_FALSE(find(r, VerdictKey::Piv));
    const Verdict* dc = find(r, VerdictKey::DcCurrent);
    ASSERT_TRUE(dc);
    EXPECT_TRUE(dc->good);

    // A 1N4007 on 1200 V rms: its 1000 V PIV broken, at the point.
    Circuit hv = chokeInput(10);
    hv.ladder = {{ElementKind::C, 10e-6, 0.5}};
    hv.source.vNl = 1200;
    hv.load = {false, 20000, 0};
    const Result h = simulate(hv);
    ASSERT_FALSE(h.error);
    const Verdict* piv = find(h, VerdictKey::Piv);
    ASSERT_TRUE(piv);
    EXPECT_FALSE(piv->good);
    EXPECT_NE(piv->text.find("acima do máximo do 1N4007 (1000,0 V)"), std::string::npos) << piv->text;
}

TEST(SupplyCircuit, ImpossibleCircuitsAreRefusedWithTheReason)
{
    Circuit c = chokeInput(10);
    c.ladder = {{ElementKind::R, 100, 0}, {ElementKind::C, 47e-6, 0}};
    EXPECT_EQ(simulate(c).error.value_or(""),
              "O filtro deve começar por C (entrada capacitiva) ou L (entrada por choque).");
    c = chokeInput(10);
    c.rectifier = Rectifier::Doubler;
    EXPECT_EQ(simulate(c).error.value_or(""), "O dobrador de tensão começa por um capacitor.");
    c = chokeInput(10);
    c.ladder = {{ElementKind::C, 47e-6, 0}, {ElementKind::L, 10, 100}};
    c.load = {true, 0.1, 0};
    EXPECT_EQ(simulate(c).error.value_or(""),
              "Com carga de corrente constante o filtro não pode terminar num indutor.");
    c = chokeInput(10);
    c.ladder = {{ElementKind::C, 47e-6, 0}, {ElementKind::C, 47e-6, 0}};
    EXPECT_EQ(simulate(c).error.value_or(""),
              "Dois capacitores seguidos (elementos 1 e 2): some-os num só.");
    c.ladder = {};
    EXPECT_EQ(simulate(c).error.value_or(""), "O filtro precisa de pelo menos um elemento.");
}

TEST(SupplyCircuit, RectifierKeysAreStable)
{
    EXPECT_STREQ(rectifierKey(Rectifier::HalfWave), "meia-onda");
    EXPECT_STREQ(rectifierKey(Rectifier::CentreTap), "onda-completa-ct");
    EXPECT_STREQ(rectifierKey(Rectifier::Bridge), "ponte");
    EXPECT_STREQ(rectifierKey(Rectifier::Doubler), "dobrador");
    EXPECT_EQ(rectifierFromKey("ponte"), Rectifier::Bridge);
    EXPECT_FALSE(rectifierFromKey("Ponte"));
}

TEST(SupplySweep, FallsWithTheLoadCurrent)
{
    Circuit c = chokeInput(10);
    c.ladder = {{ElementKind::C, 47e-6, 0.5}};
    const std::vector<SweepPoint> s = sweep(c, 24);
    ASSERT_EQ(s.size(), 24u);
    for (std::size_t k = 1; k < s.size(); ++k) {
        EXPECT_GT(s[k].iLoad, s[k - 1].iLoad);
        EXPECT_LT(s[k].vdc, s[k - 1].vdc);
        EXPECT_GT(s[k].ripplePp, s[k - 1].ripplePp);
    }
    // Capacitor input: never above the crest less two diode drops.
    EXPECT_LT(s.front().vdc, 300 * std::numbers::sqrt2 - 1.7);
}

TEST(SupplyTransient, SurgeAndRiseTime)
{
    Circuit c = chokeInput(10);
    c.ladder = {{ElementKind::C, 47e-6, 0.5}};
    const Result r = simulate(c);
    ASSERT_FALSE(r.error);
    // Switched on at the crest into an empty capacitor the surge is about the
    // crest over the source's resistance and leakage: far above the steady peak.
    EXPECT_GT(r.surgePeak, 2 * r.diodePeak);
    EXPECT_LT(r.surgePeak, 300 * std::numbers::sqrt2 / 50);
    EXPECT_GT(r.t95, 0);
    EXPECT_LT(r.t95, 0.2);
}

} // namespace
