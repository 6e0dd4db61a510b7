#include "summary.h"

#include <algorithm>
#include <string_view>

namespace kelvora::construction {

namespace {

// A verdict in two or three words.
Words shortForm(const Verdict& v)
{
    switch (v.which) {
    case VerdictCase::Fits:
        return KELVORA_WORDS("Construction", "cabe");
    case VerdictCase::DoesNotFit:
        return KELVORA_WORDS("Construction", "não cabe");
    case VerdictCase::TemperatureGood:
        return KELVORA_WORDS("Construction", "temperatura ok");
    case VerdictCase::TemperatureBad:
        return KELVORA_WORDS("Construction", "aquece demais");
    case VerdictCase::FluxGood:
    case VerdictCase::TotalFluxGood:
        return KELVORA_WORDS("Construction", "indução ok");
    case VerdictCase::FluxBad:
    case VerdictCase::TotalFluxBad:
        return KELVORA_WORDS("Construction", "indução alta");
    case VerdictCase::InductanceGood:
        return KELVORA_WORDS("Construction", "indutância ok");
    case VerdictCase::InductanceLow:
        return KELVORA_WORDS("Construction", "indutância baixa");
    case VerdictCase::Saturates:
        return KELVORA_WORDS("Construction", "satura");
    case VerdictCase::ReactanceGood:
        return KELVORA_WORDS("Construction", "graves ok");
    case VerdictCase::ReactanceLow:
        return KELVORA_WORDS("Construction", "graves cortados");
    case VerdictCase::RegulationGood:
        return KELVORA_WORDS("Construction", "regulação ok");
    case VerdictCase::RegulationBad:
    case VerdictCase::RegulationCollapsed:
        return KELVORA_WORDS("Construction", "regulação alta");
    case VerdictCase::NoLoadGood:
        return KELVORA_WORDS("Construction", "corrente em vazio ok");
    case VerdictCase::NoLoadBad:
        return KELVORA_WORDS("Construction", "corrente em vazio alta");
    case VerdictCase::InsulationGood:
        return KELVORA_WORDS("Construction", "isolação ok");
    case VerdictCase::InsulationBad:
    case VerdictCase::InsulationAboveTable:
        return KELVORA_WORDS("Construction", "isolação insuficiente");
    }
    return {};
}

} // namespace

Summary summarise(const Analysis& a)
{
    Summary s;
    if (a.error) {
        s.good = false;
        s.ran = false;
        s.details.push_back(a.errorWords);
        s.detailTexts.push_back(*a.error);
        s.text = summaryLine(s, portuguese);
        s.detail = *a.error;
        return s;
    }
    for (const Verdict& v : a.verdicts) {
        s.details.push_back(v.words);
        s.detailTexts.push_back(v.text);
        if (v.good)
            continue;
        s.good = false;
        const Words part = shortForm(v);
        // Two verdicts may say the same in short (flux and total flux).
        const bool said = std::any_of(s.shortForms.begin(), s.shortForms.end(), [&](Words w) {
            return std::string_view(w.source) == part.source;
        });
        if (!said)
            s.shortForms.push_back(part);
    }
    s.text = summaryLine(s, portuguese);
    s.detail = summaryDetail(s, portuguese);
    return s;
}

std::string summaryLine(const Summary& s, const Translator& tr)
{
    if (!s.ran)
        return tr(say(KELVORA_WORDS("Construction", "Construção: não calculada")));
    if (s.shortForms.empty())
        return tr(say(KELVORA_WORDS("Construction", "Construção: tudo ok")));
    std::string list;
    for (Words w : s.shortForms)
        list += (list.empty() ? "" : ", ") + tr(say(w));
    return tr(say(KELVORA_WORDS("Construction", "Construção: %1"), {list}));
}

std::string summaryDetail(const Summary& s, const Translator& tr)
{
    std::string out;
    for (std::size_t i = 0; i < s.details.size(); ++i) {
        const ShownText& d = s.details[i];
        out += (i == 0 ? "" : "\n") + (d.empty() ? s.detailTexts[i] : tr(d));
    }
    return out;
}

} // namespace kelvora::construction
