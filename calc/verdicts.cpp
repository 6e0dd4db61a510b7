#include "verdicts.h"

namespace kelvora {

VerdictLabel verdictLabel(CoreVerdict v)
{
    switch (v) {
    case CoreVerdict::Fits:
        return {"Seção escolhida atende à aplicação!", GoodPair};
    case CoreVerdict::NarrowLeg:
        return {"Largura da perna central pequena", BadPair};
    case CoreVerdict::SmallSection:
        break;
    }
    return {"Seção escolhida menor que a mínima", BadPair};
}

VerdictLabel verdictLabel(DcFluxVerdict v)
{
    switch (v) {
    case DcFluxVerdict::WithinBmax:
        return {"Indução CC dentro dos limites de Bmax!", GoodPair};
    case DcFluxVerdict::PrimaryExcess:
        return {"Excesso de Indução CC no Primário!", BadPair};
    case DcFluxVerdict::SecondaryExcess:
        return {"Excesso de Indução CC no Secundário!", BadPair};
    case DcFluxVerdict::TotalExcess:
        break;
    }
    return {"Excesso de Indução CC Total", BadPair};
}

VerdictLabel verdictLabel(ModPowerVerdict v, std::string_view pct)
{
    switch (v) {
    case ModPowerVerdict::Sufficient:
        return {"Potência Suficiente no Modulador (Pextra>" + std::string(pct) + "%)!", GoodPair};
    case ModPowerVerdict::Insufficient:
        return {"Potência Insuficiente no Modulador (Pextra<0%)!", BadPair};
    case ModPowerVerdict::LowForConservative:
        return {"Potência Baixa no Modulador (Pextra<25%)!", WarnPair};
    case ModPowerVerdict::LowForVeryConservative:
        break;
    }
    return {"Potência Baixa no Modulador (Pextra<50%)!", WarnPair};
}

VerdictLabel verdictLabel(EnergyVerdict v)
{
    switch (v) {
    case EnergyVerdict::Inside:
        return {"Produto LI^2<10H*A^2 OK!", GoodPair};
    case EnergyVerdict::BelowCharts:
        return {"Falha: LI^2 < 0,02H*A^2", BadPair};
    case EnergyVerdict::AboveCharts:
        return {"Falha: Sn > 100cm^2 ou LI^2 > 10H*A^2", BadPair};
    case EnergyVerdict::NoInductance:
        break;
    }
    return {"Falha: indutância nula ou negativa.", BadPair};
}

VerdictLabel sectionLabel(EnergyVerdict v)
{
    switch (v) {
    case EnergyVerdict::Inside:
        return {"Seção quadrada OK (Sn<100cm^2)!", GoodPair};
    case EnergyVerdict::BelowCharts:
        return {"Aumente a corrente ou indutância.", BadPair};
    case EnergyVerdict::AboveCharts:
        return {"Reduza corrente ou indutância.", BadPair};
    case EnergyVerdict::NoInductance:
        break;
    }
    return {"Digite uma indutância maior que zero.", BadPair};
}

VerdictLabel verdictLabel(PiVerdict v, std::string_view detail)
{
    const std::string d(detail);
    switch (v) {
    case PiVerdict::QAdequate:
        return {"Q adequado (mínimo para esta relação de impedâncias: " + d + ")", GoodPair};
    case PiVerdict::NotAboveZero:
        return {"Digite um número maior que zero em: " + d, BadPair};
    case PiVerdict::SupplyOutOfRange:
        return {"Valores fora do alcance do cálculo: confira Eb e Ib.", BadPair};
    case PiVerdict::QTooLow:
        return {"Q muito baixo para esta relação de impedâncias: use Q ≥ " + d, BadPair};
    case PiVerdict::OutOfRange:
        break;
    }
    return {"Valores fora do alcance do cálculo: confira os campos.", BadPair};
}

} // namespace kelvora
