#include "reator_filtro.h"

namespace kelvora {

void CalcReatorFiltro(Sheet&, CalcState&, const Settings&) {}

Design reatorFiltroDesign()
{
    return Design{};
}

} // namespace kelvora
