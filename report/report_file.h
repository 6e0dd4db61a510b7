#pragma once
// Report files: Windows-1252 bytes with CR LF line ends on every platform,
// so a report is the same file wherever it was written.
#include <QByteArray>
#include <QString>

#include <optional>
#include <string>

namespace kelvora {

// UTF-8 text with "\n" line ends to report bytes; a character that
// Windows-1252 lacks becomes "?".
QByteArray encodeReport(const std::string& utf8Text);

// Writes the report through a temporary file that replaces `path` only when
// complete. Returns nothing on success, else the Portuguese message.
std::optional<QString> writeReportFile(const QString& path, const std::string& utf8Text);
// The same for bytes already encoded (a PDF, say).
std::optional<QString> writeReportBytes(const QString& path, const QByteArray& bytes);

// Writes `bytes` the same way; `what` names the content in the message
// ("o relatório", "o projeto").
std::optional<QString> writeFileReplacing(const QString& path, const QByteArray& bytes,
                                          const QString& what);

} // namespace kelvora
