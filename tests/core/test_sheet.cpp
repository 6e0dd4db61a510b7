#include "colour.h"
#include "sheet.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

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

// A tab of several hundred names: each finds its own control, names that
// differ by one character or are prefixes of others stay apart, and a name
// given twice is refused.
TEST(Sheet, KeepsEveryNameOfALargeTabApart)
{
    std::vector<ControlSpec> specs;
    for (int i = 0; i < 300; ++i)
        specs.push_back({.name = "LSec" + std::to_string(i), .text = std::to_string(i)});
    specs.push_back({.name = "L", .text = "L"});
    Sheet tab(specs);
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(tab["LSec" + std::to_string(i)].text, std::to_string(i));
    EXPECT_EQ(tab["L"].text, "L");
    EXPECT_FALSE(tab.has("LSec"));
    EXPECT_FALSE(tab.has("LSec300"));
    EXPECT_FALSE(tab.has(""));
    EXPECT_EQ(tab.spec("LSec299").text, "299");
    tab["LSec7"].text = "7!";
    EXPECT_EQ(tab["LSec7"].text, "7!");
    EXPECT_EQ(tab["LSec70"].text, "70");
    specs.push_back({.name = "LSec12"});
    EXPECT_THROW(Sheet{specs}, std::logic_error);
    EXPECT_FALSE(Sheet().has("L"));
}

// A look-up compares a name's first and last eight bytes and its length;
// names of 7, 8, 9, 16 and 17 bytes that share those parts must stay apart,
// and past 16 bytes the middle decides.
TEST(Sheet, NamesThatShareTheirEndsStayApart)
{
    const std::vector<std::string> names = {"ABCDEFG",
                                            "ABCDEFGH",
                                            "ABCDEFGHI",
                                            std::string("ABCDEFGH\0", 9),
                                            "ABCDEFGHABCDEFGH",
                                            "ABCDEFGHxABCDEFGH",
                                            "ABCDEFGHyABCDEFGH",
                                            "ABCDEFGHxyABCDEFGH",
                                            "ABCDEFGH12345678",
                                            "ABCDEFGH02345678",
                                            std::string("A\0B", 3),
                                            "A"};
    std::vector<ControlSpec> specs;
    for (std::size_t i = 0; i < names.size(); ++i)
        specs.push_back({.name = names[i], .text = std::to_string(i)});
    Sheet tab(specs);
    for (std::size_t i = 0; i < names.size(); ++i)
        ASSERT_EQ(tab[names[i]].text, std::to_string(i)) << i;
    EXPECT_FALSE(tab.has("ABCDEFGHzABCDEFGH"));
    EXPECT_FALSE(tab.has("ABCDEFGHxxABCDEFGH"));
    EXPECT_FALSE(tab.has(std::string("A\0", 2)));
    EXPECT_FALSE(tab.has("ABCDEF"));
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

// A message is filled in once: "%n" takes its argument, an argument's own
// "%2" is never read again, a "%n" without an argument stays; write() keeps
// the Portuguese text beside the message it came from.
TEST(ShownText, FillsInOncePerPlaceAndWritesThePortuguese)
{
    EXPECT_EQ(fillIn("%1 Esp", {"12,3"}), "12,3 Esp");
    EXPECT_EQ(fillIn("de %1 a %2: usado %3", {"%2", "5"}), "de %2 a 5: usado %3");
    EXPECT_EQ(fillIn("100 %", {"x"}), "100 %");
    Control c;
    write(c, say(KELVORA_WORDS("Note", "fora da faixa: usado %1"), {"1"}));
    EXPECT_EQ(c.text, "fora da faixa: usado 1");
    EXPECT_EQ(c.words.args, (std::vector<std::string>{"1"}));
}
