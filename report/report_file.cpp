#include "report_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStorageInfo>
#include <QStringEncoder>

namespace kelvora {

QByteArray encodeReport(const std::string& utf8Text, TextEncoding encoding)
{
    const QString text = QString::fromUtf8(utf8Text.data(), qsizetype(utf8Text.size()));
    // Through QString, so that bytes that were no UTF-8 come out as U+FFFD.
    if (encoding == TextEncoding::Utf8Lf)
        return text.toUtf8();
    QStringEncoder encoder("windows-1252");
    QByteArray out;
    out.reserve(text.size() + text.count(u'\n') + 16);
    // One character at a time, so that a character outside the code page
    // (or a half surrogate pair) becomes exactly one "?".
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\n') {
            out += "\r\n";
            continue;
        }
        if (c.unicode() < 0x80) {
            out += char(c.unicode());
            continue;
        }
        qsizetype len = 1;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            len = 2;
        const QByteArray b = encoder.encode(QStringView(text).mid(i, len));
        if (encoder.hasError() || b.size() != 1 || b.at(0) == '?' || b.at(0) == '\x1a') {
            out += '?';
            // A fresh encoder: after a failure this Qt's resetState() leaves the
            // converter refusing every later non-ASCII character.
            encoder = QStringEncoder("windows-1252");
        } else {
            out += b;
        }
        i += len - 1;
    }
    return out;
}

namespace {
const QString EncodingKey = QStringLiteral("codificacaoTexto");
} // namespace

TextEncoding savedTextEncoding()
{
    return QSettings().value(EncodingKey).toString() == QLatin1String("utf-8")
               ? TextEncoding::Utf8Lf
               : TextEncoding::Windows1252CrLf;
}

void saveTextEncoding(TextEncoding encoding)
{
    QSettings().setValue(EncodingKey, encoding == TextEncoding::Utf8Lf
                                          ? QStringLiteral("utf-8")
                                          : QStringLiteral("windows-1252"));
}

std::optional<TextEncoding> textEncodingNamed(std::string_view name)
{
    if (name == "utf-8" || name == "UTF-8")
        return TextEncoding::Utf8Lf;
    if (name == "windows-1252" || name == "Windows-1252")
        return TextEncoding::Windows1252CrLf;
    return std::nullopt;
}

namespace {

const QString ReadOnlyFileSystem = QStringLiteral("sistema de arquivos somente leitura");

// A regular file (or a new one) on a file system mounted read-only: Qt
// reports it as whatever step failed first, a write to the existing file or
// the temporary file it could not create.
bool onReadOnlyFileSystem(const QFileInfo& info)
{
    if (info.exists() && !info.isFile())
        return false; // a device is written in place, wherever it is mounted
    const QDir dir = info.absoluteDir();
    return dir.exists() && QStorageInfo(dir).isReadOnly();
}

QString reasonFor(QFileDevice::FileError e, const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("já existe uma pasta com esse nome");
    if (onReadOnlyFileSystem(info))
        return ReadOnlyFileSystem;
    switch (e) {
    case QFileDevice::OpenError:
        if (!info.dir().exists())
            return QStringLiteral("a pasta não existe");
        return QStringLiteral("não foi possível criar o arquivo (pasta protegida contra "
                              "escrita ou nome inválido)");
    case QFileDevice::WriteError:
        return QStringLiteral("erro de escrita (disco cheio?)");
    case QFileDevice::PermissionsError:
        return QStringLiteral("sem permissão de escrita");
    case QFileDevice::RenameError:
        // The temporary file was written but the name itself cannot be
        // made (too long for the file system, say): nothing was replaced.
        if (!info.exists())
            return QStringLiteral("não foi possível criar o arquivo (pasta protegida contra "
                                  "escrita ou nome inválido)");
        return QStringLiteral("não foi possível substituir o arquivo existente");
    default:
        return QStringLiteral("erro do sistema de arquivos");
    }
}
} // namespace

std::optional<QString> writeReportFile(const QString& path, const std::string& utf8Text,
                                       TextEncoding encoding)
{
    return writeFileReplacing(path, encodeReport(utf8Text, encoding),
                              QStringLiteral("o relatório"));
}

std::optional<QString> writeReportBytes(const QString& path, const QByteArray& bytes)
{
    return writeFileReplacing(path, bytes, QStringLiteral("o relatório"));
}

std::optional<QString> writeFileReplacing(const QString& path, const QByteArray& bytes,
                                          const QString& what)
{
    const QFileInfo info(path);
    auto message = [&](QFileDevice::FileError e, const QString& detail) {
        const QString reason = reasonFor(e, path);
        QString m = QStringLiteral("Não foi possível gravar %1 no arquivo \"%2\": %3")
                        .arg(what, path, reason);
        // The system's own words for a read-only file system say no more, and
        // Qt has them only in English.
        if (!detail.isEmpty() && reason != ReadOnlyFileSystem)
            m += QStringLiteral(" (%1)").arg(detail);
        return m + u'.';
    };
    if (info.isDir())
        return message(QFileDevice::OpenError, {});

    // A device or pipe is written in place; renaming a temporary file over it
    // would replace the device itself.
    if (info.exists() && !info.isFile()) {
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return message(device.error(), device.errorString());
        if (device.write(bytes) != bytes.size())
            return message(QFileDevice::WriteError, device.errorString());
        return std::nullopt;
    }

    // An existing file is replaced only by a complete new one.
    QSaveFile file(path);
    auto failure = [&](QFileDevice::FileError e) {
        const QString detail = file.errorString();
        file.cancelWriting();
        return message(e == QFileDevice::NoError ? QFileDevice::WriteError : e, detail);
    };
    if (!file.open(QIODevice::WriteOnly))
        return failure(file.error());
    if (file.write(bytes) != bytes.size())
        return failure(file.error());
    if (!file.flush())
        return failure(QFileDevice::WriteError);
    if (!file.commit())
        return failure(file.error());
    return std::nullopt;
}

} // namespace kelvora
