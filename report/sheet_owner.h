#pragma once
// Whose part a winding sheet is: the user's name and the application typed
// on the design's tab, as its report carries them.
#include "sheet.h"
#include "wound_part.h"

#include <string>

namespace kelvora {

// `sheetText` with the two lines put under its underlined title; as it is
// when the tab has no such fields.
// `tr` gives the two captions in the sheet's language (Portuguese by default).
std::string withOwner(std::string sheetText, const construction::WoundPart& part, const Sheet& tab,
                      const Translator& tr = portuguese);

} // namespace kelvora
