#include "trafo_mod.h"

namespace kelvora {

void SelConfigTM(Sheet&, CalcState&) {}
void CalculaTrafoMod(Sheet&, CalcState&, const Settings&) {}

Design trafoModDesign()
{
    return Design{};
}

} // namespace kelvora
