#include "adviser.h"

#include "calc_error.h"
#include "construction_output.h"
#include "shown_text.h"

#include <algorithm>
#include <span>

namespace kelvora::construction {

namespace {

bool whole(double mm) { return mm == double(long(mm)); }

Check checkOf(VerdictKind k)
{
    switch (k) {
    case VerdictKind::Fit:
        return Check::Fit;
    case VerdictKind::Temperature:
        return Check::Temperature;
    case VerdictKind::Flux:
        return Check::Flux;
    case VerdictKind::Inductance:
        return Check::Inductance;
    case VerdictKind::Reactance:
        return Check::Reactance;
    case VerdictKind::Regulation:
        return Check::Regulation;
    case VerdictKind::NoLoad:
        return Check::NoLoad;
    case VerdictKind::Insulation:
        return Check::Insulation;
    }
    return Check::Construction;
}

// The error that stops the search before it starts: the tab's own
// calculation failed. Every core would end in the same error.
std::optional<ShownText> tabRefusal(const WoundPart& part, const Sheet& sheet,
                                    const DesignResults& s, bool tabError)
{
    if (tabError || (part.recordUnusable && part.recordUnusable(s)))
        return say(KELVORA_WORDS("Error", "O cálculo da aba terminou com erro."));
    return inputRefusal(part, sheet, s);
}

// One core judged by the tab's calculation alone, on the tab's inputs with
// the core's width and stack in place of the typed ones: no text is formatted
// and no control written, so a core costs its arithmetic only. Each design
// starts from the record of the tab's last run, as the window's would, then
// the construction analysis reads the new record.
// A core the tab rejects is analysed only while no core has passed: when
// none passes, every check that every core fails has then been counted.
class Judge {
public:
    Judge(const WoundPart& part, const Sheet& tab, const DesignResults& s,
          const ConstructionSettings& set, const Settings& cfg)
        : part_(part), trial_(part.trial(tab, s, cfg)), set_(set), cfg_(cfg)
    {
    }

    // Judges lamination l with stack b.
    void operator()(const Lamination& l, double b, Advice& out)
    {
        ++out.tried;
        auto fail = [&](Check c) { ++out.failures[std::size_t(c)]; };
        if (&l != lamination_) { // the width is written once for all its stacks
            width_ = coreText(l.a, cfg_);
            lamination_ = &l;
        }
        const std::string stack = coreText(b, cfg_);
        const auto [failed, tabCoreGood] = trial_->calculate(width_, stack);
        bool coreGood = tabCoreGood;
        if (failed) {
            fail(Check::TabCalculation);
            return;
        }
        // Designed for the core, the part is judged by its construction
        // alone: the tab's empirical section rule does not apply.
        if (set_.projeto == Projeto::ForCore)
            coreGood = true;
        if (!coreGood) {
            fail(Check::Core);
            if (out.ranked.empty()) // otherwise the cheap verdict is enough
                analyse(out);
            return;
        }
        if (analyse(out))
            out.ranked.push_back(suggestion(l, b, *last_));
    }

private:
    // The construction analysis of the core just calculated; counts the
    // checks it fails and says whether it passes them all.
    bool analyse(Advice& out)
    {
        last_ = analysePart(part_, trial_->sheet(), trial_->state(), false, set_, cfg_);
        if (last_->error) {
            ++out.failures[std::size_t(Check::Construction)];
            return false;
        }
        bool good = true;
        for (const Verdict& v : last_->verdicts)
            if (!v.good) {
                ++out.failures[std::size_t(checkOf(v.kind))];
                good = false;
            }
        return good;
    }

    static Suggestion suggestion(const Lamination& l, double b, const Analysis& a)
    {
        Suggestion s{.lamination = &l,
                     .a = l.a,
                     .b = b,
                     .mTotalG = a.mTotalG,
                     .fillPct = a.fillPct,
                     .dtK = a.dtK};
        switch (a.part) {
        case PartType::MainsTransformer: {
            double worst = 0;
            bool collapsed = false;
            for (const Winding& w : a.windings)
                if (w.vNl) {
                    collapsed = collapsed || (!w.regulationPct && w.turns > 0);
                    if (w.regulationPct)
                        worst = std::max(worst, *w.regulationPct);
                }
            if (!collapsed)
                s.worstRegulationPct = worst;
            break;
        }
        case PartType::DcTransformer:
            s.lH = a.lpH;
            break;
        case PartType::Choke:
            s.lH = a.lH;
            break;
        }
        return s;
    }

    const WoundPart& part_;
    std::unique_ptr<CoreTrial> trial_;
    std::string width_;
    const ConstructionSettings& set_;
    const Settings& cfg_;
    std::optional<Analysis> last_;
    const Lamination* lamination_ = nullptr;
};

} // namespace

std::string coreText(double mm, const Settings& cfg) { return general(mm, cfg); }

const char* checkName(Check c)
{
    switch (c) {
    case Check::TabCalculation:
        return KELVORA_SHOWN("Adviser", "cálculo da aba");
    case Check::Core:
        return KELVORA_SHOWN("Adviser", "seção do núcleo na aba");
    case Check::Construction:
        return KELVORA_SHOWN("Adviser", "erro na construção");
    case Check::Fit:
        return KELVORA_SHOWN("Adviser", "ocupação da janela");
    case Check::Temperature:
        return KELVORA_SHOWN("Adviser", "elevação de temperatura");
    case Check::Flux:
        return KELVORA_SHOWN("Adviser", "indução");
    case Check::Inductance:
        return KELVORA_SHOWN("Adviser", "indutância");
    case Check::Reactance:
        return KELVORA_SHOWN("Adviser", "reatância do primário");
    case Check::Regulation:
        return KELVORA_SHOWN("Adviser", "regulação");
    case Check::NoLoad:
        return KELVORA_SHOWN("Adviser", "corrente em vazio");
    case Check::Insulation:
        return KELVORA_SHOWN("Adviser", "isolação reforçada");
    }
    return "";
}

Advice adviseCore(const WoundPart& part, const Sheet& tab, const DesignResults& s, bool tabError,
                  const ConstructionSettings& set, const Settings& cfg)
{
    Advice out;
    const CoreFields* fields = &part.core;
    out.part = part.type;
    if (auto refusal = tabRefusal(part, tab, s, tabError)) {
        out.error = portuguese(*refusal);
        out.errorWords = std::move(*refusal);
        return out;
    }

    // Largest cores first: they are the likeliest to pass, after which the
    // cores the tab rejects need no analysis. U/I cores are tried in the
    // scrapless proportion, whatever window the settings give the tab's core.
    const bool ui = part.uiChosen && part.uiChosen(tab);
    ConstructionSettings tried = set;
    if (ui)
        tried.uiWindow = tried.uiHeight = 0;
    Judge judge(part, tab, s, tried, cfg);
    const std::span<const Lamination> all = ui ? uiLaminations() : laminations();
    for (auto l = all.rbegin(); l != all.rend(); ++l) {
        if (fields->wholeMm && !whole(l->a))
            continue;
        const std::vector<double> stacks = stacksOf(*l);
        for (auto b = stacks.rbegin(); b != stacks.rend(); ++b)
            if (!fields->wholeMm || whole(*b))
                judge(*l, *b, out);
    }
    if (out.ranked.empty()) {
        const auto most = std::max_element(out.failures.begin(), out.failures.end());
        if (*most > 0)
            out.mostFailed = Check(most - out.failures.begin());
    } else {
        out.failures = {};
    }
    // Lightest first; equal weights, the cooler first; then catalogue order
    // and the lower stack, so that the order never depends on the search's.
    auto lighter = [](const Suggestion& x, const Suggestion& y) {
        if (x.mTotalG != y.mTotalG)
            return x.mTotalG < y.mTotalG;
        if (x.dtK != y.dtK)
            return x.dtK < y.dtK;
        if (x.lamination != y.lamination)
            return x.lamination < y.lamination;
        return x.b < y.b;
    };
    std::sort(out.ranked.begin(), out.ranked.end(), lighter);
    // Then each lamination's lightest stack ahead of the others, so that the
    // first rows name as many different laminations as pass.
    std::vector<Suggestion> firsts, others;
    std::vector<const Lamination*> seen;
    for (Suggestion& x : out.ranked) {
        const bool first = std::find(seen.begin(), seen.end(), x.lamination) == seen.end();
        if (first)
            seen.push_back(x.lamination);
        (first ? firsts : others).push_back(std::move(x));
    }
    firsts.insert(firsts.end(), others.begin(), others.end());
    out.ranked = std::move(firsts);
    return out;
}

std::string adviceMessage(const Advice& a, const Translator& tr)
{
    if (a.error)
        return a.errorWords.empty() ? *a.error : tr(a.errorWords);
    if (!a.ranked.empty())
        return {};
    if (!a.mostFailed)
        return tr(say(KELVORA_WORDS("Adviser",
                                    "Nenhum núcleo do catálogo passa em todas as verificações.")));
    const std::string check = tr(say(Words{"Adviser", checkName(*a.mostFailed)}));
    return tr(say(KELVORA_WORDS("Adviser", "Nenhum núcleo do catálogo passa em todas as "
                                           "verificações. A que mais falhou: %1 (%2 de %3 "
                                           "núcleos)."),
                  {check, std::to_string(a.failures[std::size_t(*a.mostFailed)]),
                   std::to_string(a.tried)}));
}

std::vector<std::string> suggestionHeader(PartType part)
{
    // The window shows them in the chosen language (context "Adviser").
    const char* figure = part == PartType::MainsTransformer
                             ? KELVORA_SHOWN("Adviser", "Pior regulação (%)")
                         : part == PartType::DcTransformer ? "Lp (H)"
                                                           : "L (H)";
    return {KELVORA_SHOWN("Adviser", "Lâmina"),
            "a × b (mm)",
            KELVORA_SHOWN("Adviser", "Ocupação (%)"),
            "ΔT (K)",
            figure,
            KELVORA_SHOWN("Adviser", "Massa (g)")};
}

std::vector<std::string> suggestionRow(const Suggestion& s, PartType part, const Settings& cfg)
{
    auto num = [&](double v, int d) { return fixed(v, 15, d, cfg); };
    std::string figure;
    if (part == PartType::MainsTransformer)
        figure = s.worstRegulationPct ? num(*s.worstRegulationPct, 1) : "-";
    else
        figure = num(s.lH, 2);
    return {std::string(s.lamination->name),
            coreText(s.a, cfg) + " × " + coreText(s.b, cfg),
            num(s.fillPct, 1),
            num(s.dtK, 1),
            figure,
            num(s.mTotalG, 0)};
}

nlohmann::ordered_json sugestoesJson(const Advice& a)
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const Suggestion& s : a.ranked)
        list.push_back({{"nome", s.lamination->name},
                        {"a_mm", jsonNumber(s.a)},
                        {"b_mm", jsonNumber(s.b)},
                        {"m_total_g", s.mTotalG},
                        {"fill_pct", s.fillPct},
                        {"dt_k", s.dtK}});
    return list;
}

std::string sugestoesTable(const Advice& a, const Settings& cfg)
{
    std::string out = "\nSugestões de núcleo\n";
    if (a.ranked.empty())
        return out + adviceMessage(a) + "\n";
    constexpr std::size_t Shown = 10;
    out += std::to_string(a.ranked.size()) + " de " + std::to_string(a.tried)
           + " núcleos passam em todas as verificações; os mais leves:\n";
    std::vector<std::vector<std::string>> rows = {suggestionHeader(a.part)};
    for (std::size_t i = 0; i < std::min(Shown, a.ranked.size()); ++i)
        rows.push_back(suggestionRow(a.ranked[i], a.part, cfg));
    return out + alignedTable(rows);
}

} // namespace kelvora::construction
