#include "summary.h"

namespace kelvora::construction {

namespace {

// A verdict in two or three words; a case without a short form falls back to
// its full text.
std::string shortForm(const Verdict& v)
{
    switch (v.which) {
    case VerdictCase::Fits:
        return "cabe";
    case VerdictCase::DoesNotFit:
        return "não cabe";
    case VerdictCase::TemperatureGood:
        return "temperatura ok";
    case VerdictCase::TemperatureBad:
        return "aquece demais";
    case VerdictCase::FluxGood:
    case VerdictCase::TotalFluxGood:
        return "indução ok";
    case VerdictCase::FluxBad:
    case VerdictCase::TotalFluxBad:
        return "indução alta";
    case VerdictCase::InductanceGood:
        return "indutância ok";
    case VerdictCase::InductanceLow:
        return "indutância baixa";
    case VerdictCase::Saturates:
        return "satura";
    case VerdictCase::ReactanceGood:
        return "graves ok";
    case VerdictCase::ReactanceLow:
        return "graves cortados";
    case VerdictCase::RegulationGood:
        return "regulação ok";
    case VerdictCase::RegulationBad:
    case VerdictCase::RegulationCollapsed:
        return "regulação alta";
    case VerdictCase::NoLoadGood:
        return "corrente em vazio ok";
    case VerdictCase::NoLoadBad:
        return "corrente em vazio alta";
    case VerdictCase::InsulationGood:
        return "isolação ok";
    case VerdictCase::InsulationBad:
    case VerdictCase::InsulationAboveTable:
        return "isolação insuficiente";
    default:
        return v.text;
    }
}

} // namespace

Summary summarise(const Analysis& a)
{
    Summary s;
    if (a.error) {
        s.good = false;
        s.text = "Construção: não calculada";
        s.detail = *a.error;
        return s;
    }
    std::string list;
    for (const Verdict& v : a.verdicts) {
        s.detail += (s.detail.empty() ? "" : "\n") + v.text;
        if (v.good)
            continue;
        s.good = false;
        const std::string part = shortForm(v);
        // Two verdicts may say the same in short (flux and total flux).
        if (list.find(part) != std::string::npos)
            continue;
        list += (list.empty() ? "" : ", ") + part;
    }
    s.text = "Construção: " + (s.good ? std::string("tudo ok") : list);
    return s;
}

} // namespace kelvora::construction
