#include "colour.h"
#include "sheet.h"

#include <gtest/gtest.h>

using namespace kelvora;

TEST(Sheet, StartsFromItsSpecsAndRefusesUnknownNames)
{
    Sheet tab({{.name = "CNumSec", .kind = Kind::List, .text = "3", .items = {"1", "2", "3"}},
               {.name = "PSec2", .kind = Kind::Panel, .visible = false, .top = 112}});
    EXPECT_EQ(tab["CNumSec"].itemIndex, 2);
    EXPECT_FALSE(tab["PSec2"].visible);
    EXPECT_EQ(tab["PSec2"].top, 112);
    EXPECT_THROW(tab["LPas"], std::out_of_range);
    EXPECT_EQ(tab.names(), (std::vector<std::string>{"CNumSec", "PSec2"}));
}

TEST(Colours, NamesAndVerdictPairs)
{
    EXPECT_EQ(colourName(Colour::Window), "window");
    EXPECT_EQ(colourName(Colour::WindowText), "windowtext");
    EXPECT_EQ(colourName(Colour::Lime), "#00ff00");
    EXPECT_EQ(colourName(Colour::Red), "#ff0000");
    EXPECT_EQ(colourName(Colour::White), "#ffffff");
    EXPECT_EQ(colourName(Colour::Yellow), "#ffff00");
    Control c;
    paint(c, GoodPair);
    EXPECT_EQ(c.background, Colour::Lime);
    EXPECT_EQ(c.font, Colour::Black);
    paint(c, BadPair);
    EXPECT_EQ(c.background, Colour::Red);
    EXPECT_EQ(c.font, Colour::White);
}
