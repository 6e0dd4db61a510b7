#include "construction.h"

namespace kelvora::construction {

namespace {

// Fifteen significant digits: one decimal for anything a part can show.
std::string x1(double x, char separator) { return fixed(x, 15, 1, separator); }

} // namespace

std::string verdictText(VerdictCase which, double x, char separator, double y, double z)
{
    const std::string v = x1(x, separator);
    switch (which) {
    case VerdictCase::Fits:
        return "O enrolamento cabe na janela (" + v + " % ocupados)";
    case VerdictCase::DoesNotFit:
        return "O enrolamento não cabe na janela (" + v + " % da largura)";
    case VerdictCase::TemperatureGood:
        return "Elevação de temperatura " + v + " K: dentro da classe";
    case VerdictCase::TemperatureBad:
        return "Elevação de temperatura " + v + " K: acima da classe";
    case VerdictCase::FluxGood:
        return "Indução real " + v + " G";
    case VerdictCase::FluxBad:
        return "Indução real " + v + " G acima do Bmax escolhido";
    case VerdictCase::InductanceGood:
        return "Indutância calculada " + v + " H ≥ Lr";
    case VerdictCase::InductanceLow:
        return "Indutância calculada " + v + " H menor que Lr";
    case VerdictCase::Saturates:
        return "Indução CC " + v + " G: núcleo satura";
    case VerdictCase::ReactanceGood:
        return "Reatância do primário em Fmin " + v + " ohms";
    case VerdictCase::ReactanceLow:
        return "Reatância do primário em Fmin " + v + " ohms menor que Zmod: graves cortados";
    case VerdictCase::TotalFluxGood:
        return "Indução total " + v + " G (CA + CC)";
    case VerdictCase::TotalFluxBad:
        return "Indução total " + v + " G acima do Bmax escolhido";
    case VerdictCase::RegulationGood:
        return "Regulação máxima " + v + " %";
    case VerdictCase::RegulationBad:
        return "Regulação " + v + " % acima do limite escolhido";
    case VerdictCase::RegulationCollapsed:
        return "Secundário sem tensão em carga: regulação acima do limite escolhido";
    // The no-load current is a fraction of an ampere: three decimals. The
    // insulation's thicknesses come in hundredths of a millimetre (0,15 mm).
    case VerdictCase::NoLoadGood:
    case VerdictCase::NoLoadBad:
        return "Corrente em vazio " + fixed(x, 15, 3, separator) + " A (" + x1(y, separator)
               + " % da nominal) na rede alta"
               + (which == VerdictCase::NoLoadBad ? ": núcleo perto da saturação" : "");
    case VerdictCase::InsulationGood:
        return "Isolação reforçada: " + fixed(x, 15, 2, separator) + " mm ≥ "
               + fixed(y, 15, 2, separator) + " mm";
    case VerdictCase::InsulationBad:
        return "Isolação " + fixed(x, 15, 2, separator) + " mm menor que "
               + fixed(y, 15, 2, separator) + " mm exigidos (reforçada, " + x1(z, separator)
               + " V)";
    case VerdictCase::InsulationAboveTable:
        return "Isolação reforçada para " + v + " V: acima da tabela, confira na norma";
    }
    return {};
}

const char* verdictKey(VerdictKind kind)
{
    switch (kind) {
    case VerdictKind::Fit:
        return "fit";
    case VerdictKind::Temperature:
        return "temperature";
    case VerdictKind::Flux:
        return "flux";
    case VerdictKind::Inductance:
        return "inductance";
    case VerdictKind::Reactance:
        return "reactance";
    case VerdictKind::Regulation:
        return "regulation";
    case VerdictKind::NoLoad:
        return "no_load";
    case VerdictKind::Insulation:
        return "insulation";
    }
    return "";
}

std::string stackingText(const Analysis& a, char separator)
{
    if (!(a.spacerMm > 0))
        return "Sem espaçador: lâminas intercaladas";
    return "Espaçador em cada junta E–I: " + fixed(a.spacerMm, 15, 2, separator)
           + " mm, E e I topo a topo";
}

} // namespace kelvora::construction
