#include "trafo_alim_report.h"

namespace kelvora {

std::string reportTrafoAlim(const Sheet&, const CalcState&, const Settings&)
{
    return {};
}

} // namespace kelvora
