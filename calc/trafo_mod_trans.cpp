#include "trafo_mod_trans.h"

namespace kelvora {

void CalculaTrafoModTrans(Sheet&, CalcState&, const Settings&) {}

Design trafoModTransDesign()
{
    return Design{};
}

} // namespace kelvora
