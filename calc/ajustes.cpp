#include "ajustes.h"

namespace kelvora {

std::vector<ControlSpec> ajustesControls()
{
    ControlSpec sigma{.name = "CBSigma",
                      .kind = Kind::Combo,
                      .text = "3",
                      .items = {"2", "3", "4", "5"},
                      .input = true};
    return {sigma};
}

Settings settingsFrom(const Sheet& ajustes, char decimalSeparator)
{
    return Settings{decimalSeparator, ajustes["CBSigma"].text};
}

} // namespace kelvora
