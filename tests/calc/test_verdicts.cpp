// The one map from each verdict to its label: every value has words and a
// verdict's colours, and no two values of a verdict read alike.
#include "verdicts.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <vector>

using namespace kelvora;

namespace {

bool isVerdictPair(ColourPair p)
{
    auto same = [&](ColourPair q) { return p.background == q.background && p.font == q.font; };
    return same(GoodPair) || same(BadPair) || same(WarnPair);
}

void expectLabels(const std::vector<VerdictLabel>& labels)
{
    std::set<std::string> texts;
    for (const VerdictLabel& l : labels) {
        SCOPED_TRACE(l.text);
        EXPECT_FALSE(l.text.empty());
        EXPECT_TRUE(isVerdictPair(l.colours));
        EXPECT_TRUE(texts.insert(l.text).second) << "two values read alike";
        // The window's message is the reports' text.
        EXPECT_EQ(portuguese(l.words), l.text);
    }
}

} // namespace

TEST(Verdicts, EveryValueHasItsOwnTextAndAVerdictsColours)
{
    expectLabels({verdictLabel(CoreVerdict::Fits), verdictLabel(CoreVerdict::NarrowLeg),
                  verdictLabel(CoreVerdict::SmallSection)});
    expectLabels(
        {verdictLabel(DcFluxVerdict::WithinBmax), verdictLabel(DcFluxVerdict::PrimaryExcess),
         verdictLabel(DcFluxVerdict::SecondaryExcess), verdictLabel(DcFluxVerdict::TotalExcess)});
    expectLabels({verdictLabel(ModPowerVerdict::Sufficient, "62,5"),
                  verdictLabel(ModPowerVerdict::Insufficient, "62,5"),
                  verdictLabel(ModPowerVerdict::LowForConservative, "62,5"),
                  verdictLabel(ModPowerVerdict::LowForVeryConservative, "62,5")});
    using EnergyLabel = VerdictLabel (*)(EnergyVerdict);
    for (EnergyLabel of : std::initializer_list<EnergyLabel>{&verdictLabel, &sectionLabel})
        expectLabels({of(EnergyVerdict::Inside), of(EnergyVerdict::BelowCharts),
                      of(EnergyVerdict::AboveCharts), of(EnergyVerdict::NoInductance)});
    expectLabels({verdictLabel(PiVerdict::QAdequate, "1,23"),
                  verdictLabel(PiVerdict::NotAboveZero, "1,23"),
                  verdictLabel(PiVerdict::SupplyOutOfRange, "1,23"),
                  verdictLabel(PiVerdict::QTooLow, "1,23"), verdictLabel(PiVerdict::OutOfRange)});
    // Only the sufficient power carries the figure it was judged on.
    EXPECT_EQ(verdictLabel(ModPowerVerdict::Sufficient, "62,5").text,
              "Potência Suficiente no Modulador (Pextra>62,5%)!");
}
