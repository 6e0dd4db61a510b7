#include "construction.h"

namespace kelvora::construction {

namespace {

// Fifteen significant digits: one decimal for anything a part can show.
std::string x1(double x, char separator) { return fixed(x, 15, 1, separator); }

} // namespace

ShownText verdictWords(VerdictCase which, double x, char separator, double y, double z)
{
    const std::string v = x1(x, separator);
    // The no-load current is a fraction of an ampere: three decimals. The
    // insulation's thicknesses come in hundredths of a millimetre (0,15 mm).
    auto mm2 = [&](double t) { return fixed(t, 15, 2, separator); };
    switch (which) {
    case VerdictCase::Fits:
        return say(KELVORA_WORDS("Verdict", "O enrolamento cabe na janela (%1 % ocupados)"), {v});
    case VerdictCase::DoesNotFit:
        return say(KELVORA_WORDS("Verdict", "O enrolamento não cabe na janela (%1 % da largura)"),
                   {v});
    case VerdictCase::TemperatureGood:
        return say(KELVORA_WORDS("Verdict", "Elevação de temperatura %1 K: dentro da classe"), {v});
    case VerdictCase::TemperatureBad:
        return say(KELVORA_WORDS("Verdict", "Elevação de temperatura %1 K: acima da classe"), {v});
    case VerdictCase::FluxGood:
        return say(KELVORA_WORDS("Verdict", "Indução real %1 G"), {v});
    case VerdictCase::FluxBad:
        return say(KELVORA_WORDS("Verdict", "Indução real %1 G acima do Bmax escolhido"), {v});
    case VerdictCase::InductanceGood:
        return say(KELVORA_WORDS("Verdict", "Indutância calculada %1 H ≥ Lr"), {v});
    case VerdictCase::InductanceLow:
        return say(KELVORA_WORDS("Verdict", "Indutância calculada %1 H menor que Lr"), {v});
    case VerdictCase::Saturates:
        return say(KELVORA_WORDS("Verdict", "Indução CC %1 G: núcleo satura"), {v});
    case VerdictCase::ReactanceGood:
        return say(KELVORA_WORDS("Verdict", "Reatância do primário em Fmin %1 ohms"), {v});
    case VerdictCase::ReactanceLow:
        return say(KELVORA_WORDS("Verdict",
                                 "Reatância do primário em Fmin %1 ohms menor que Zmod: graves "
                                 "cortados"),
                   {v});
    case VerdictCase::TotalFluxGood:
        return say(KELVORA_WORDS("Verdict", "Indução total %1 G (CA + CC)"), {v});
    case VerdictCase::TotalFluxBad:
        return say(KELVORA_WORDS("Verdict", "Indução total %1 G acima do Bmax escolhido"), {v});
    case VerdictCase::RegulationGood:
        return say(KELVORA_WORDS("Verdict", "Regulação máxima %1 %"), {v});
    case VerdictCase::RegulationBad:
        return say(KELVORA_WORDS("Verdict", "Regulação %1 % acima do limite escolhido"), {v});
    case VerdictCase::RegulationCollapsed:
        return say(KELVORA_WORDS("Verdict", "Secundário sem tensão em carga: regulação acima do "
                                            "limite escolhido"));
    case VerdictCase::NoLoadGood:
        return say(KELVORA_WORDS("Verdict", "Corrente em vazio %1 A (%2 % da nominal) na rede alta"),
                   {fixed(x, 15, 3, separator), x1(y, separator)});
    case VerdictCase::NoLoadBad:
        return say(KELVORA_WORDS("Verdict", "Corrente em vazio %1 A (%2 % da nominal) na rede "
                                            "alta: núcleo perto da saturação"),
                   {fixed(x, 15, 3, separator), x1(y, separator)});
    case VerdictCase::InsulationGood:
        return say(KELVORA_WORDS("Verdict", "Isolação reforçada: %1 mm ≥ %2 mm"), {mm2(x), mm2(y)});
    case VerdictCase::InsulationBad:
        return say(KELVORA_WORDS("Verdict",
                                 "Isolação %1 mm menor que %2 mm exigidos (reforçada, %3 V)"),
                   {mm2(x), mm2(y), x1(z, separator)});
    case VerdictCase::InsulationAboveTable:
        return say(KELVORA_WORDS("Verdict",
                                 "Isolação reforçada para %1 V: acima da tabela, confira na norma"),
                   {v});
    }
    return {};
}

std::string verdictText(VerdictCase which, double x, char separator, double y, double z)
{
    return portuguese(verdictWords(which, x, separator, y, z));
}

std::string notesLine(const std::vector<ShownText>& notes, const Translator& tr)
{
    std::string out;
    for (const ShownText& n : notes)
        out += out.empty() ? tr(say(KELVORA_WORDS("Construction", "Nota: %1"), {tr(n)}))
                           : "; " + tr(n);
    return out;
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

ShownText stackingWords(const Analysis& a, char separator)
{
    if (!(a.spacerMm > 0))
        return say(KELVORA_WORDS("Construction", "Sem espaçador: lâminas intercaladas"));
    return say(KELVORA_WORDS("Construction", "Espaçador em cada junta E–I: %1 mm, E e I topo a topo"),
               {fixed(a.spacerMm, 15, 2, separator)});
}

std::string stackingText(const Analysis& a, char separator)
{
    return portuguese(stackingWords(a, separator));
}

} // namespace kelvora::construction
