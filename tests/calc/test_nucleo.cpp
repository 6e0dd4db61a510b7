#include "nucleo.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>

namespace kelvora {
namespace {

using Labels = std::map<std::string, std::string>;

Labels labelsFor(float En, float Bn, char separator = ',')
{
    Settings cfg;
    cfg.decimalSeparator = separator;
    Labels out;
    for (const auto& [name, text] : VisNucleoLabels(En, Bn, cfg)) {
        EXPECT_TRUE(out.emplace(name, text).second) << name << " written twice";
    }
    return out;
}

// Which labels carry which multiple of the core's dimensions.
const char* const centreLeg[] = {"Label7", "Label14"};
const char* const stackHeight[] = {"Label4", "Label12", "Label18"};
const char* const overallWidth[] = {"Label1", "Label10", "Label19"};
const char* const eHeight[] = {"Label2", "Label11", "Label16"};
const char* const halfLeg[] = {"Label3", "Label5",  "Label6",  "Label8",
                               "Label9", "Label13", "Label15", "Label17"};

struct Case {
    const char* what;
    float En, Bn;
    char separator;
    const char *bn, *en, *bn3, *bn2, *bnHalf;
};

class NucleoLabels : public ::testing::TestWithParam<Case> {};

TEST_P(NucleoLabels, EveryDimensionShowsItsMultipleOfTheCore)
{
    const Case& c = GetParam();
    const Labels l = labelsFor(c.En, c.Bn, c.separator);
    ASSERT_EQ(l.size(), 19u);
    auto check = [&](const auto& names, const char* expected, const char* dimension) {
        for (const char* n : names) {
            SCOPED_TRACE(std::string(dimension) + " " + n);
            ASSERT_TRUE(l.count(n));
            EXPECT_EQ(l.at(n), expected);
        }
    };
    check(centreLeg, c.bn, "centre leg");
    check(stackHeight, c.en, "stack height");
    check(overallWidth, c.bn3, "3 Bn");
    check(eHeight, c.bn2, "2 Bn");
    check(halfLeg, c.bnHalf, "Bn/2");
}

INSTANTIATE_TEST_SUITE_P(
    Cores, NucleoLabels,
    ::testing::Values(
        Case{"square 32", 32, 32, ',', "32", "32", "96", "64", "16"},
        // Single precision holds 35.4 as 35.400001525878906; the multiples are
        // formed in extended precision from that value, not from 35.4.
        Case{"inexact 35.4", 35.4f, 35.4f, ',', "35,4000015258789", "35,4000015258789",
             "106,200004577637", "70,8000030517578", "17,7000007629395"},
        Case{"stack differs from leg", 20, 12.5f, ',', "12,5", "20", "37,5", "25", "6,25"},
        Case{"point separator", 41.3f, 25.4f, '.', "25.3999996185303", "41.2999992370605",
             "76.1999988555908", "50.7999992370605", "12.6999998092651"},
        Case{"empty core", 0, 0, ',', "0", "0", "0", "0", "0"}),
    [](const auto& test) {
        std::string n = test.param.what;
        for (char& ch : n)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return n;
    });

TEST(NucleoLabelsOrder, WrittenInTheWindowsOrder)
{
    Settings cfg;
    std::vector<std::string> names;
    for (const auto& [name, text] : VisNucleoLabels(32, 32, cfg))
        names.push_back(name);
    const std::vector<std::string> expected{"Label7",  "Label14", "Label4",  "Label12", "Label18",
                                            "Label1",  "Label10", "Label19", "Label2",  "Label11",
                                            "Label16", "Label3",  "Label5",  "Label6",  "Label8",
                                            "Label9",  "Label13", "Label15", "Label17"};
    EXPECT_EQ(names, expected);
}

TEST(NucleoLabelsOrder, StackHeightNeverLeaksIntoLegLabels)
{
    // En and Bn swapped must swap the texts, label by label.
    const Labels a = labelsFor(10, 40), b = labelsFor(40, 10);
    EXPECT_EQ(a.at("Label4"), "10");
    EXPECT_EQ(b.at("Label4"), "40");
    EXPECT_EQ(a.at("Label7"), "40");
    EXPECT_EQ(b.at("Label7"), "10");
    EXPECT_EQ(a.at("Label1"), "120");
    EXPECT_EQ(b.at("Label1"), "30");
}

} // namespace
} // namespace kelvora
