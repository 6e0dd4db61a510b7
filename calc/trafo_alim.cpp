#include "trafo_alim.h"

namespace kelvora {

void TAEnrolamentos(Sheet&, CalcState&) {}
void CalculaTrafoAlim(Sheet&, CalcState&, const Settings&) {}

Design trafoAlimDesign()
{
    return Design{};
}

} // namespace kelvora
