#include "verdicts.h"

#include <utility>
#include <vector>

namespace kelvora {

namespace {

// A verdict's message of the catalogue context "Verdict", and its Portuguese.
VerdictLabel shown(Words w, ColourPair colours, std::vector<std::string> args = {})
{
    ShownText m = say(w, std::move(args));
    std::string text = portuguese(m);
    return {std::move(text), colours, std::move(m)};
}

} // namespace

VerdictLabel verdictLabel(CoreVerdict v)
{
    switch (v) {
    case CoreVerdict::Fits:
        return shown(KELVORA_WORDS("Verdict", "Seção escolhida atende à aplicação!"), GoodPair);
    case CoreVerdict::NarrowLeg:
        return shown(KELVORA_WORDS("Verdict", "Largura da perna central pequena"), BadPair);
    case CoreVerdict::SmallSection:
        break;
    }
    return shown(KELVORA_WORDS("Verdict", "Seção escolhida menor que a mínima"), BadPair);
}

VerdictLabel verdictLabel(DcFluxVerdict v)
{
    switch (v) {
    case DcFluxVerdict::WithinBmax:
        return shown(KELVORA_WORDS("Verdict", "Indução CC dentro dos limites de Bmax!"), GoodPair);
    case DcFluxVerdict::PrimaryExcess:
        return shown(KELVORA_WORDS("Verdict", "Excesso de Indução CC no Primário!"), BadPair);
    case DcFluxVerdict::SecondaryExcess:
        return shown(KELVORA_WORDS("Verdict", "Excesso de Indução CC no Secundário!"), BadPair);
    case DcFluxVerdict::TotalExcess:
        break;
    }
    return shown(KELVORA_WORDS("Verdict", "Excesso de Indução CC Total"), BadPair);
}

VerdictLabel verdictLabel(ModPowerVerdict v, std::string_view pct)
{
    switch (v) {
    case ModPowerVerdict::Sufficient:
        return shown(KELVORA_WORDS("Verdict", "Potência Suficiente no Modulador (Pextra>%1%)!"),
                     GoodPair, {std::string(pct)});
    case ModPowerVerdict::Insufficient:
        return shown(KELVORA_WORDS("Verdict", "Potência Insuficiente no Modulador (Pextra<0%)!"),
                     BadPair);
    case ModPowerVerdict::LowForConservative:
        return shown(KELVORA_WORDS("Verdict", "Potência Baixa no Modulador (Pextra<25%)!"),
                     WarnPair);
    case ModPowerVerdict::LowForVeryConservative:
        break;
    }
    return shown(KELVORA_WORDS("Verdict", "Potência Baixa no Modulador (Pextra<50%)!"), WarnPair);
}

VerdictLabel verdictLabel(EnergyVerdict v)
{
    switch (v) {
    case EnergyVerdict::Inside:
        return shown(KELVORA_WORDS("Verdict", "Produto LI^2<10H*A^2 OK!"), GoodPair);
    case EnergyVerdict::BelowCharts:
        return shown(KELVORA_WORDS("Verdict", "Falha: LI^2 < 0,02H*A^2"), BadPair);
    case EnergyVerdict::AboveCharts:
        return shown(KELVORA_WORDS("Verdict", "Falha: Sn > 100cm^2 ou LI^2 > 10H*A^2"), BadPair);
    case EnergyVerdict::NoInductance:
        break;
    }
    return shown(KELVORA_WORDS("Verdict", "Falha: indutância nula ou negativa."), BadPair);
}

VerdictLabel sectionLabel(EnergyVerdict v)
{
    switch (v) {
    case EnergyVerdict::Inside:
        return shown(KELVORA_WORDS("Verdict", "Seção quadrada OK (Sn<100cm^2)!"), GoodPair);
    case EnergyVerdict::BelowCharts:
        return shown(KELVORA_WORDS("Verdict", "Aumente a corrente ou indutância."), BadPair);
    case EnergyVerdict::AboveCharts:
        return shown(KELVORA_WORDS("Verdict", "Reduza corrente ou indutância."), BadPair);
    case EnergyVerdict::NoInductance:
        break;
    }
    return shown(KELVORA_WORDS("Verdict", "Digite uma indutância maior que zero."), BadPair);
}

VerdictLabel verdictLabel(PiVerdict v, std::string_view detail)
{
    const std::string d(detail);
    switch (v) {
    case PiVerdict::QAdequate:
        return shown(KELVORA_WORDS("Verdict",
                                   "Q adequado (mínimo para esta relação de impedâncias: %1)"),
                     GoodPair, {d});
    case PiVerdict::NotAboveZero:
        return shown(KELVORA_WORDS("Verdict", "Digite um número maior que zero em: %1"), BadPair,
                     {d});
    case PiVerdict::SupplyOutOfRange:
        return shown(KELVORA_WORDS("Verdict",
                                   "Valores fora do alcance do cálculo: confira Eb e Ib."),
                     BadPair);
    case PiVerdict::QTooLow:
        return shown(KELVORA_WORDS("Verdict", "Q muito baixo para esta relação de impedâncias: "
                                              "use Q ≥ %1"),
                     BadPair, {d});
    case PiVerdict::OutOfRange:
        break;
    }
    return shown(KELVORA_WORDS("Verdict", "Valores fora do alcance do cálculo: confira os campos."),
                 BadPair);
}

} // namespace kelvora
