// A calculation that ends in an error must not leave the results of the run
// before it on the tab: what it wrote stays, the results it did not reach are
// emptied and drawn in the system colours.
#include "calc_error.h"
#include "recalculation.h"
#include "sheet.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace kelvora;

namespace {

Sheet tab()
{
    return Sheet({{.name = "EIn", .kind = Kind::Edit, .text = "5", .input = true},
                  {.name = "LFirst"},
                  {.name = "LVerdict", .font = Colour::White},
                  {.name = "LCaption", .text = "Seção"}});
}

const std::vector<std::string> Outputs = {"LFirst", "LVerdict"};

// Writes both results and the verdict, as a run that goes through.
void goodRun(Sheet& t)
{
    t["LFirst"].text = "1,00";
    t["LVerdict"].text = "Seção escolhida atende à aplicação!";
    paint(t["LVerdict"], GoodPair);
}

} // namespace

TEST(Recalculation, SheetRemembersWhatWasHandedOutForWriting)
{
    Sheet t = tab();
    t.forgetWrites();
    EXPECT_FALSE(t.written("LFirst"));
    const Sheet& read = t;
    EXPECT_EQ(read["LCaption"].text, "Seção"); // a read through const is no write
    EXPECT_FALSE(t.written("LCaption"));
    t["LFirst"].text = "x";
    EXPECT_TRUE(t.written("LFirst"));
    EXPECT_FALSE(t.written("LVerdict"));
    t.forgetWrites();
    EXPECT_FALSE(t.written("LFirst"));
    EXPECT_THROW((void)t.written("LNada"), std::out_of_range);
}

TEST(Recalculation, ARunThatGoesThroughChangesNothingElse)
{
    Sheet t = tab();
    EXPECT_EQ(runCalculation(t, Outputs, [&] { goodRun(t); }), std::nullopt);
    // A run that writes nothing leaves the results of the run before.
    EXPECT_EQ(runCalculation(t, Outputs, [] {}), std::nullopt);
    EXPECT_EQ(t["LVerdict"].text, "Seção escolhida atende à aplicação!");
    EXPECT_EQ(t["LVerdict"].background, Colour::Lime);
}

TEST(Recalculation, AnErrorEmptiesTheResultsTheRunDidNotReach)
{
    Sheet t = tab();
    ASSERT_EQ(runCalculation(t, Outputs, [&] { goodRun(t); }), std::nullopt);
    const auto error = runCalculation(t, Outputs, [&] {
        t["LFirst"].text = "2,00"; // written before the fault
        t["EIn"].background = Colour::Red;
        throw CalcError("Erro de cálculo: divisão por zero.");
    });
    EXPECT_EQ(error, std::optional<std::string>("Erro de cálculo: divisão por zero."));
    EXPECT_EQ(t["LFirst"].text, "2,00");
    EXPECT_EQ(t["LVerdict"].text, "");
    EXPECT_EQ(t["LVerdict"].background, Colour::Window);
    EXPECT_EQ(t["LVerdict"].font, Colour::WindowText);
    // Inputs and captions are not results: they stay as they are.
    EXPECT_EQ(t["EIn"].text, "5");
    EXPECT_EQ(t["EIn"].background, Colour::Red);
    EXPECT_EQ(t["LCaption"].text, "Seção");
}

TEST(Recalculation, OnlyCalculationErrorsAreCaught)
{
    Sheet t = tab();
    EXPECT_THROW(runCalculation(t, Outputs, [] { throw std::logic_error("bug"); }),
                 std::logic_error);
}
