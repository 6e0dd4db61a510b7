#include "tab_builders.h"

namespace kelvora {

void buildReatorFiltroTab(QWidget*)
{
}

} // namespace kelvora
