// A design the program does not have, added here through a registry entry
// and its wound part alone: a screen-grid supply choke whose tab holds L, I
// and the core. The construction analysis, the core adviser and the winding
// sheet serve it without knowing its name.
#include "adviser.h"
#include "designs.h"
#include "sheet_owner.h"
#include "winding_sheet.h"
#include "wound_part.h"

#include <gtest/gtest.h>

#include <string>

using namespace kelvora;
using namespace kelvora::construction;

namespace {

const Settings Comma{};

float number(const Sheet& tab, const char* name)
{
    return parseFloat(tab[name].text, ',').value_or(0);
}

// The choke as the reactor's analysis sees it, from the toy tab's own fields.
ReatorFiltroInput chokeOf(const Sheet& tab, bool tabError)
{
    ReatorFiltroInput in;
    in.tabError = tabError;
    in.a = number(tab, "EChokeBn");
    in.b = number(tab, "EChokeEn");
    in.lr = number(tab, "EChokeL");
    in.ir = double(number(tab, "EChokeI")) / 1000; // typed in mA
    return in;
}

// Its adviser trial: the tab has no calculation of its own, so a core only
// changes the two fields.
class ChokeTrial : public CoreTrial {
public:
    using CoreTrial::CoreTrial;
    Outcome calculate(const std::string& bn, const std::string& en) override
    {
        sheet_["EChokeBn"].text = bn;
        sheet_["EChokeEn"].text = en;
        return {false, true};
    }
};

Design toyChoke()
{
    Design d;
    d.name = "choque-de-grade";
    d.tab = "TChoqueGrade";
    d.controls = {inputEdit("EChokeL", "10"),  inputEdit("EChokeI", "60"),
                  inputEdit("EChokeBn", "25"), inputEdit("EChokeEn", "30"),
                  inputEdit("EChokeUser", "Ana"), inputEdit("EChokeUse", "Fonte da grade")};
    WoundPart p;
    p.type = PartType::Choke;
    p.caption = "Choque de grade";
    p.core = {"EChokeBn", "EChokeEn", "", false};
    p.ownerUser = "EChokeUser";
    p.ownerApplication = "EChokeUse";
    p.inputsInUse = [](const Sheet&, const DesignResults&) {
        return std::vector<std::string>{"EChokeL", "EChokeI", "EChokeBn", "EChokeEn"};
    };
    p.run = [](const Sheet& tab, const DesignResults&, bool tabError,
               const ConstructionSettings& set, const Settings& cfg) {
        const ReatorFiltroInput in = chokeOf(tab, tabError);
        return PartRun{analyseReatorFiltro(in, set, cfg), Core{in.a, in.b}, 0};
    };
    p.trial = [](const Sheet& tab, const DesignResults& s, const Settings&) {
        return std::unique_ptr<CoreTrial>(std::make_unique<ChokeTrial>(tab, s));
    };
    d.part = std::move(p);
    return d;
}

} // namespace

// The analysis of the toy is the reactor's physics on its own fields: 10 H at
// 60 mA on a 25 x 30 mm core gives the same turns, gap and verdicts as the
// filter reactor analysed from the same figures.
TEST(WoundPart, AToyDesignIsAnalysedAdvisedAndGivenASheetThroughItsPartAlone)
{
    const Design toy = toyChoke();
    Sheet tab(toy.controls);
    const DesignResults none;
    const ConstructionSettings set; // designed for the core
    const std::optional<Analysis> a = analyseDesign(toy, tab, none, false, set, Comma);
    ASSERT_TRUE(a);
    ASSERT_FALSE(a->error) << *a->error;
    EXPECT_EQ(a->part, PartType::Choke);
    ASSERT_EQ(a->windings.size(), 1u);

    const Analysis reactor = analyseReatorFiltro({.a = 25, .b = 30, .lr = 10, .ir = 0.06}, set, Comma);
    ASSERT_FALSE(reactor.error);
    EXPECT_EQ(a->windings[0].turns, reactor.windings[0].turns);
    EXPECT_EQ(a->gapMm, reactor.gapMm);
    EXPECT_EQ(a->mTotalG, reactor.mTotalG);
    ASSERT_EQ(a->verdicts.size(), reactor.verdicts.size());
    EXPECT_EQ(a->verdicts.back().kind, VerdictKind::Inductance);

    // The adviser walks the catalogue through the toy's trial, lightest first.
    const Advice advice = adviseCore(*toy.part, tab, none, false, set, Comma);
    ASSERT_FALSE(advice.error);
    ASSERT_FALSE(advice.ranked.empty());
    EXPECT_EQ(advice.part, PartType::Choke);
    EXPECT_EQ(suggestionHeader(advice.part)[4], "L (H)");
    Sheet best = tab;
    best["EChokeBn"].text = coreText(advice.ranked[0].a, Comma);
    best["EChokeEn"].text = coreText(advice.ranked[0].b, Comma);
    const std::optional<Analysis> again = analyseDesign(toy, best, none, false, set, Comma);
    EXPECT_EQ(again->mTotalG, advice.ranked[0].mTotalG);
    for (const Suggestion& s : advice.ranked)
        EXPECT_GE(s.mTotalG, advice.ranked[0].mTotalG);

    // The winding sheet: the part's caption in the title, its owner's fields
    // under it, the gapped part's core assembly.
    const SheetSubject subject = sheetRun(*toy.part, tab, none, false, set, Comma);
    const Sheet settings(construcaoControls());
    const std::string text
        = withOwner(windingSheetText(toy.part->caption, subject.analysis, subject.core, settings,
                                     subject.activeSecondaries, Comma),
                    *toy.part, tab);
    EXPECT_EQ(text.substr(0, text.find("Núcleo")),
              "Folha de enrolamento - Choque de grade\n"
              "======================================\n"
              "Nome do usuário: Ana\nAplicação: Fonte da grade\n\n");
    EXPECT_NE(text.find("Montagem do núcleo"), std::string::npos);
}

// The winding sheet in another language: every text goes through the
// translator, the numbers and the layout stay the Portuguese sheet's.
TEST(WoundPart, TheWindingSheetSaysEachTextThroughItsTranslator)
{
    const Design toy = toyChoke();
    Sheet tab(toy.controls);
    const DesignResults none;
    const ConstructionSettings set;
    const SheetSubject subject = sheetRun(*toy.part, tab, none, false, set, Comma);
    ASSERT_FALSE(subject.analysis.error);
    const Sheet settings(construcaoControls());
    const Translator braces = [](const ShownText& m) { return "{" + portuguese(m) + "}"; };
    auto sheet = [&](const Translator& tr) {
        return withOwner(windingSheetText(toy.part->caption, subject.analysis, subject.core,
                                          settings, subject.activeSecondaries, Comma, tr),
                         *toy.part, tab, tr);
    };
    const std::string portugueseSheet = sheet(portuguese);
    const std::string marked = sheet(braces);
    EXPECT_EQ(marked.substr(0, marked.find('\n')), "{Folha de enrolamento - {Choque de grade}}");
    EXPECT_NE(marked.find("\n  1. {Enrolamento}\n"), std::string::npos);
    EXPECT_NE(marked.find("\n     {Espiras por camada: "), std::string::npos);
    EXPECT_NE(marked.find("\n  [ok] {O enrolamento cabe na janela ("), std::string::npos);
    EXPECT_NE(marked.find("\n  {Espaçador em cada junta E–I: "), std::string::npos);
    // Without the marks (and the title's underline, as long as the title) the same bytes.
    std::string plain;
    for (char c : marked.substr(marked.find('\n', marked.find('\n') + 1)))
        if (c != '{' && c != '}')
            plain += c;
    EXPECT_EQ(plain, portugueseSheet.substr(
                         portugueseSheet.find('\n', portugueseSheet.find('\n') + 1)));
}

// A substituted field the part rests on refuses the analysis, the advice and
// the sheet, naming the field; a tab whose run failed is not searched.
TEST(WoundPart, TheToysOwnInputsDecideItsRefusal)
{
    const Design toy = toyChoke();
    Sheet tab(toy.controls);
    tab["EChokeI"].substituted = true;
    tab["EChokeI"].readNote = "usado 60";
    const DesignResults none;
    const std::string why = "O projeto se apoia em entradas inválidas ou substituídas: EChokeI "
                            "(usado 60). Corrija-as na aba.";
    EXPECT_EQ(analyseDesign(toy, tab, none, false, {}, Comma)->error, why);
    EXPECT_EQ(adviseCore(*toy.part, tab, none, false, {}, Comma).error, why);
    EXPECT_EQ(sheetRun(*toy.part, tab, none, false, {}, Comma).analysis.error, why);
    EXPECT_EQ(adviseCore(*toy.part, Sheet(toy.controls), none, true, {}, Comma).error,
              "O cálculo da aba terminou com erro.");
}
