#include "tab_builders.h"

namespace kelvora {

void buildTrafoAlimTab(QWidget*)
{
}

} // namespace kelvora
