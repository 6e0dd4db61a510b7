#pragma once
// Design files on disk: the one Qt Core piece, shared by the window and
// kelvora-cli. The document itself is design_file.h.
#include "design_file.h"

#include <QString>

#include <optional>

namespace kelvora {

// Reads and checks the design file at `path` (numbers rewritten with
// `decimalSeparator`). Throws DesignFileError with the whole Portuguese
// message, naming the file and the problem.
DesignInputs openDesignFile(const QString& path, char decimalSeparator);

// Writes the document through a temporary file that replaces `path` only when
// complete. Returns nothing on success, else the Portuguese message.
std::optional<QString> saveDesignFile(const QString& path, const std::string& document);

} // namespace kelvora
