#pragma once
// One run of a tab's calculation, as the window and kelvora-cli both make it.
#include "sheet.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kelvora {

// Runs `run` on `tab`. After a calculation error the tab keeps only what the
// interrupted run wrote: every control of `outputs` (the design's results and
// verdicts) it did not reach is emptied and back in the system colours, so
// that nothing of an earlier run passes for this one's result. Returns the
// error's message, or nothing when the run went through.
// Inputs the run did not reach return to the system colours too, and the
// control whose strict read failed is painted with the bad pair; its name goes
// to `failedField` when given (empty for an arithmetic fault), and the
// error's message to `failedWords`.
std::optional<std::string> runCalculation(Sheet& tab, const std::vector<std::string>& outputs,
                                          const std::function<void()>& run,
                                          std::string* failedField = nullptr,
                                          ShownText* failedWords = nullptr);

} // namespace kelvora
