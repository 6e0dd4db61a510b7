#pragma once
// Whose part a winding sheet is: the user's name and the application typed
// on the design's tab, as its report carries them.
#include "sheet.h"

#include <string>
#include <string_view>

namespace kelvora {

// The tab's user-name and application fields ("EUserNameTA", ...), or nulls
// for a tab without them; `design` is the tab or the command-line name.
std::pair<const char*, const char*> ownerFields(std::string_view design);

// `sheetText` with the two lines put under its underlined title.
std::string withOwner(std::string sheetText, std::string_view design, const Sheet& tab);

} // namespace kelvora
