// The tabs' sheets where an attack found a wrong result shown as good: a
// substituted read marked with the value used, a negative winding as a bad
// input, no stale verdict colour after a failed run, nothing forgotten.
#include "designs.h"
#include "recalculation.h"

#include <gtest/gtest.h>

using namespace kelvora;

namespace {

const Settings Comma{};

struct Tab {
    const Design* design;
    Sheet sheet;
    DesignResults state;
    std::string error, field;

    explicit Tab(std::string_view name) : design(findDesign(name)), sheet(design->controls) {}
    Tab& type(const char* control, const char* text)
    {
        sheet[control].text = text;
        sheet[control].itemIndex = itemIndexOf(sheet.spec(control), text);
        return *this;
    }
    Tab& run()
    {
        error = runCalculation(sheet, design->outputs,
                               [&] { design->show(sheet, state, Comma); }, &field)
                    .value_or("");
        return *this;
    }
};

} // namespace

// "1O" for 10: the power verdict paints the field green over the red of
// the read, but the field keeps the note of the value used.
TEST(Robustness, ASubstitutedReadUnderAVerdictColourKeepsItsNote)
{
    Tab mod("modulador-valvulado");
    mod.type("EPaMod", "1O0").run();
    const Control& pa = mod.sheet["EPaMod"];
    EXPECT_TRUE(pa.substituted);
    EXPECT_EQ(pa.readNote, "texto não numérico: usado 1");
    EXPECT_EQ(mod.sheet["EFmin"].readNote, "");
    mod.type("EPaMod", "100").type("EEbrf", "x").run();
    EXPECT_EQ(mod.sheet["EEbrf"].background, Colour::Lime); // the verdict's colour stays
    EXPECT_EQ(mod.sheet["EEbrf"].readNote, "texto não numérico: usado 1");
    EXPECT_EQ(mod.sheet["EPaMod"].readNote, "");
    // A clamped value is noted too: 0 W is taken as 1 W, 0 Hz as 1 Hz.
    mod.type("EEbrf", "460").type("EPaMod", "0").run();
    EXPECT_EQ(mod.sheet["EPaMod"].readNote, "fora da faixa: usado 1");
    Tab trafo("trafo-alimentacao");
    trafo.type("EFo", "0").type("EIs1", "0,5").run();
    EXPECT_EQ(trafo.sheet["EFo"].readNote, "fora da faixa: usado 1");
    EXPECT_EQ(trafo.sheet["EIs1"].readNote, "fora da faixa: usado 1");
}

// The arithmetic stays (negative turns), the fields are bad inputs in red.
TEST(Robustness, NegativeSecondaryVoltageAndCurrentAreBadInputs)
{
    Tab trafo("trafo-alimentacao");
    // 400 V x 100 mA + 400 V x 1 mA (the current taken as 1 mA) - 5 V x 5 A = 15.4 VA.
    trafo.type("EVs3", "-5").type("EIs2", "-100").run();
    EXPECT_EQ(trafo.error, "");
    EXPECT_EQ(trafo.sheet["LPas"].text, "15,40");
    EXPECT_EQ(trafo.sheet["LNs3"].text.front(), '-');
    for (const char* name : {"EVs3", "EIs2"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(trafo.sheet[name].badInput);
        EXPECT_EQ(trafo.sheet[name].background, Colour::Red);
        EXPECT_EQ(trafo.sheet[name].readNote.rfind("valor negativo", 0), 0u);
    }
    trafo.type("EVs3", "5").type("EIs2", "100").run();
    EXPECT_FALSE(trafo.sheet["EVs3"].badInput);
    EXPECT_EQ(trafo.sheet["EVs3"].background, Colour::Window);
}

// After a failed run no input keeps the green of the last good one, and the
// field whose read failed is red.
TEST(Robustness, AFailedRunLeavesNoStaleVerdictColourOnTheInputs)
{
    Tab mod("modulador-valvulado");
    mod.run();
    ASSERT_EQ(mod.sheet["CBTMBn"].background, Colour::Lime);
    mod.type("CBTMBn", "abc").run();
    EXPECT_EQ(mod.error, "'abc' não é um número inteiro válido");
    EXPECT_EQ(mod.field, "CBTMBn");
    EXPECT_EQ(mod.sheet["CBTMBn"].background, Colour::Red);
    for (const char* name : {"CBTMEn", "EPaMod", "EEbrf", "EIbrf", "EBmax"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(mod.sheet[name].background, Colour::Window);
        EXPECT_EQ(mod.sheet[name].font, Colour::WindowText);
    }
    // A fault after the reads: they show the window colour, and no verdict
    // the run did not reach keeps its green (EFmin 0 divides by zero at once).
    mod.type("CBTMBn", "40").run().type("EFmin", "0").run();
    EXPECT_NE(mod.error, "");
    EXPECT_EQ(mod.field, "");
    EXPECT_EQ(mod.sheet["EBmax"].background, Colour::Window); // its DC verdict was not reached
}

// Bn is stored as soon as it is read: a stack that is no whole number leaves
// it in the record the core drawing and the construction read.
TEST(Robustness, TheValveModulatorKeepsTheWidthReadBeforeTheStackFailed)
{
    Tab mod("modulador-valvulado");
    mod.type("CBTMBn", "50").type("CBTMEn", "3,5").run();
    EXPECT_EQ(mod.field, "CBTMEn");
    EXPECT_EQ(mod.state.trafoMod.Bn, 50.0f);
    EXPECT_EQ(mod.design->core(mod.state).second, 50.0f);
}
