#pragma once
// kelvora-cli's winding sheet: --folha=FILE (text) and --folha-pdf=FILE.
#include "design.h"
#include "numbers.h"
#include "report_file.h"
#include "results.h"
#include "sheet.h"

#include <optional>
#include <string>

namespace kelvora {

// Writes the winding sheet of `design` as text, or as
// a PDF when `pdf` is set (that needs a Qt GUI application object). Returns
// the Portuguese message of a failure. With `textOut` the text sheet goes
// there instead of to a file (--folha=-). A sheet of an analysis that ended in
// an error is refused.
std::optional<std::string> writeFolha(const std::string& path, bool pdf, const Design& design,
                                      const Sheet& tab, const DesignResults& state, bool tabFailed,
                                      Sheet& construcao, const Settings& cfg,
                                      TextEncoding encoding = TextEncoding::Windows1252CrLf,
                                      std::string* textOut = nullptr);

} // namespace kelvora
