// No construction, core advice or winding sheet rests on inputs the tab did
// not use as typed, nor on a choke the tab's own verdicts reject.
#include "adviser.h"
#include "construction.h"
#include "winding_sheet.h"

#include "calc_error.h"
#include "designs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace kelvora;
using namespace kelvora::construction;
using ::testing::HasSubstr;

namespace {

const Settings Comma{};

struct Tab {
    const Design* design;
    Sheet sheet;
    DesignResults state;

    Tab(std::string_view name, std::initializer_list<std::pair<const char*, const char*>> texts)
        : design(findDesign(name)), sheet(design->controls)
    {
        for (const auto& [control, text] : texts)
            sheet[control].text = text;
        design->show(sheet, state, Comma); // none of these runs fails
    }
    // What the construction analysis, the adviser and the winding sheet say.
    std::vector<std::string> refusals() const
    {
        const ConstructionSettings set;
        const std::optional<Analysis> a = analyseDesign(*design, sheet, state, false, set, Comma);
        const Advice advice = adviseCore(*design->part, sheet, state, false, set, Comma);
        const std::optional<SheetSubject> s = sheetRun(*design->part, sheet, state, false,
                                                              set, Comma);
        EXPECT_TRUE(advice.ranked.empty());
        return {a && a->error ? *a->error : "(sem erro)", advice.error.value_or("(sem erro)"),
                s && s->analysis.error ? *s->analysis.error : "(sem erro)"};
    }
};

} // namespace

// "1O" typed for 10 mA... any text that is no number: the fallback gives a
// design with every verdict green, on inputs nobody typed.
TEST(InputRefusal, SubstitutedInputsAreNamedWithTheValueUsed)
{
    const Tab mod("modulador-valvulado", {{"EEbrf", "46O"}});
    ASSERT_TRUE(mod.sheet["EEbrf"].substituted);
    for (const std::string& why : mod.refusals())
        EXPECT_EQ(why, "O projeto se apoia em entradas inválidas ou substituídas: EEbrf (texto "
                       "não numérico: usado 1). Corrija-as na aba.");
    const Tab reator("reator-filtro", {{"ERFLr", "1O"}});
    for (const std::string& why : reator.refusals())
        EXPECT_THAT(why, HasSubstr("ERFLr (texto não numérico: usado 1)"));
    // A field of a secondary not in use is no input of the design.
    const Tab trafo("trafo-alimentacao", {{"EVs5", "x"}});
    EXPECT_EQ(analyseDesign(*findDesign("TTrafoAlim"), trafo.sheet, trafo.state, false, {}, Comma)->error,
              std::nullopt);
}

// A negative voltage is a number, the tab's arithmetic takes it (negative
// turns), but no part is built on it.
TEST(InputRefusal, ANegativeSecondaryIsABadInput)
{
    const Tab trafo("trafo-alimentacao", {{"EVs3", "-5"}, {"EIs2", "-100"}});
    EXPECT_EQ(trafo.sheet["LNs3"].text.front(), '-');
    for (const std::string& why : trafo.refusals()) {
        EXPECT_THAT(why, HasSubstr("EVs3 (valor negativo"));
        EXPECT_THAT(why, HasSubstr("EIs2 (valor negativo"));
    }
}

// A choke with no usable current, or an inductance off the method's charts:
// the tab says "Falha", and nothing downstream passes it for good.
TEST(InputRefusal, AChokeTheTabRejectsIsRefused)
{
    for (const char* current : {"0", "-50", "5"}) {
        SCOPED_TRACE(current);
        const Tab reator("reator-filtro", {{"ERFIr", current}});
        for (const std::string& why : reator.refusals())
            EXPECT_THAT(why, HasSubstr("O produto LI^2 está fora dos ábacos do método"));
    }
    // Inside the charts but beyond the current limits of this inductance.
    const Tab tooMuch("reator-filtro", {{"ERFLr", "0,001"}, {"ERFIr", "3000"}});
    ASSERT_FALSE(tooMuch.state.reatorFiltro.IrOnCharts);
    EXPECT_THAT(tooMuch.refusals()[0], HasSubstr("fora"));
    // The defaults stand.
    const Tab good("reator-filtro", {});
    EXPECT_FALSE(analyseDesign(*findDesign("TReatorFiltro"), good.sheet, good.state, false, {}, Comma)->error);
}
