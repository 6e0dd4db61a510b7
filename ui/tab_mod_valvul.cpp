#include "tab_builders.h"

namespace kelvora {

void buildModValvulTab(QWidget*)
{
}

} // namespace kelvora
