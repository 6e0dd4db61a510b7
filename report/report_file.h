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
// complete. Returns nothing on success, else the Portuguese message, which
// names the content as `what` ("o relatório", "a folha de enrolamento").
std::optional<QString> writeReportFile(const QString& path, const std::string& utf8Text,
                                       const QString& what = QStringLiteral("o relatório"));
// The same for bytes already encoded (a PDF, say).
std::optional<QString> writeReportBytes(const QString& path, const QByteArray& bytes,
                                        const QString& what = QStringLiteral("o relatório"));

// Whether writing onto a FIFO or socket may wait for its reader to take the
// bytes. The window never waits (a reader that does not read would freeze
// it): it gives up after a short while. kelvora-cli waits, as a pipeline does.
void setDeviceWritesWait(bool wait);

// Writes `bytes` the same way; `what` names the content in the message
// ("o relatório", "o projeto").
std::optional<QString> writeFileReplacing(const QString& path, const QByteArray& bytes,
                                          const QString& what);

} // namespace kelvora
