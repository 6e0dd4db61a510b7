#include "tab_builders.h"

namespace kelvora {

void buildModTransisTab(QWidget*)
{
}

} // namespace kelvora
