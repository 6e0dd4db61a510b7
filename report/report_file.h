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

// A text of the file messages (context "FileError") in the installed language.
QString fileText(const char* source);
// What the messages call a report, in the installed language.
QString reportWhat();

// Writes the report through a temporary file that replaces `path` only when
// complete. Returns nothing on success, else the message in the installed
// language, which names the content as `what` ("o relatório", "a folha de
// enrolamento", through fileText).
std::optional<QString> writeReportFile(const QString& path, const std::string& utf8Text,
                                       TextEncoding encoding = TextEncoding::Windows1252CrLf,
                                       const QString& what = reportWhat());
// The same for bytes already encoded (a PDF, say).
std::optional<QString> writeReportBytes(const QString& path, const QByteArray& bytes,
                                        const QString& what = reportWhat());

// Whether writing onto a FIFO or socket may wait for its reader to take the
// bytes. The window never waits (a reader that does not read would freeze
// it): it gives up after a short while. kelvora-cli waits, as a pipeline does.
void setDeviceWritesWait(bool wait);

// Writes `bytes` the same way; `what` names the content in the message
// ("o relatório", "o projeto").
std::optional<QString> writeFileReplacing(const QString& path, const QByteArray& bytes,
                                          const QString& what);

} // namespace kelvora
