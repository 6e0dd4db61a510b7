#pragma once
// Report files: Windows-1252 bytes with CR LF line ends on every platform,
// so a report is the same file wherever it was written; or, by the user's
// choice, UTF-8 with LF, which every Linux reader shows as typed.
#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace kelvora {

// The character set and line ends of the text files the program writes.
enum class TextEncoding { Windows1252CrLf, Utf8Lf };

// UTF-8 text with "\n" line ends to report bytes; in Windows-1252 a
// character the code page lacks becomes "?".
QByteArray encodeReport(const std::string& utf8Text,
                        TextEncoding encoding = TextEncoding::Windows1252CrLf);

// The choice kept in the user's settings ("Codificação dos arquivos de
// texto"), Windows-1252 when none was made.
TextEncoding savedTextEncoding();
void saveTextEncoding(TextEncoding encoding);
// kelvora-cli's --codificacao= values: "windows-1252", "utf-8".
std::optional<TextEncoding> textEncodingNamed(std::string_view name);

// Writes the report through a temporary file that replaces `path` only when
// complete. Returns nothing on success, else the Portuguese message.
std::optional<QString> writeReportFile(const QString& path, const std::string& utf8Text,
                                       TextEncoding encoding = TextEncoding::Windows1252CrLf);
// The same for bytes already encoded (a PDF, say).
std::optional<QString> writeReportBytes(const QString& path, const QByteArray& bytes);

// Writes `bytes` the same way; `what` names the content in the message
// ("o relatório", "o projeto").
std::optional<QString> writeFileReplacing(const QString& path, const QByteArray& bytes,
                                          const QString& what);

} // namespace kelvora
