#include "report_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStorageInfo>
#include <QStringEncoder>

#include <fcntl.h>
#include <sys/stat.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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

QString fileText(const char* source) { return QCoreApplication::translate("FileError", source); }

QString reportWhat() { return fileText(QT_TRANSLATE_NOOP("FileError", "o relatório")); }

namespace {

const char* const ReadOnlyFileSystem = QT_TRANSLATE_NOOP("FileError",
                                                         "sistema de arquivos somente leitura");

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

// The first folder on the way to `info` that is a file, or empty.
QString fileInThePath(const QFileInfo& info)
{
    for (QFileInfo up(info.absolutePath()); !up.isRoot(); up = QFileInfo(up.absolutePath())) {
        if (up.exists())
            return up.isDir() ? QString() : up.absoluteFilePath();
        if (up.absoluteFilePath() == up.absolutePath())
            break;
    }
    return {};
}

QString reasonFor(QFileDevice::FileError e, const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return fileText(QT_TRANSLATE_NOOP("FileError", "já existe uma pasta com esse nome"));
    if (const QString file = fileInThePath(info); !file.isEmpty())
        return fileText(QT_TRANSLATE_NOOP("FileError", "\"%1\" é um arquivo, não uma pasta"))
            .arg(file);
    if (onReadOnlyFileSystem(info))
        return fileText(ReadOnlyFileSystem);
    // Permissions first: Qt reports an existing file it may not write as a
    // write error, which would otherwise read as a full disk.
    if (info.exists() && !info.isWritable())
        return fileText(QT_TRANSLATE_NOOP("FileError", "sem permissão de escrita no arquivo"));
    switch (e) {
    case QFileDevice::OpenError:
        if (!info.dir().exists())
            return fileText(QT_TRANSLATE_NOOP("FileError", "a pasta não existe"));
        return fileText(QT_TRANSLATE_NOOP("FileError",
                                          "não foi possível criar o arquivo (pasta "
                                          "protegida contra escrita ou nome inválido)"));
    case QFileDevice::WriteError:
        return fileText(QT_TRANSLATE_NOOP("FileError", "erro de escrita (disco cheio?)"));
    case QFileDevice::PermissionsError:
        return fileText(QT_TRANSLATE_NOOP("FileError", "sem permissão de escrita"));
    case QFileDevice::RenameError:
        // The temporary file was written but the name itself cannot be
        // made (too long for the file system, say): nothing was replaced.
        if (!info.exists())
            return fileText(QT_TRANSLATE_NOOP("FileError",
                                              "não foi possível criar o arquivo (pasta "
                                              "protegida contra escrita ou nome inválido)"));
        return fileText(
            QT_TRANSLATE_NOOP("FileError", "não foi possível substituir o arquivo existente"));
    default:
        return fileText(QT_TRANSLATE_NOOP("FileError", "erro do sistema de arquivos"));
    }
}
} // namespace

std::optional<QString> writeReportFile(const QString& path, const std::string& utf8Text,
                                       TextEncoding encoding, const QString& what)
{
    return writeFileReplacing(path, encodeReport(utf8Text, encoding), what);
}

std::optional<QString> writeReportBytes(const QString& path, const QByteArray& bytes,
                                        const QString& what)
{
    return writeFileReplacing(path, bytes, what);
}

namespace {

bool devicesWait = false;

// How long the window lets a FIFO's reader leave the bytes untaken, ms.
constexpr int ReaderPatience = 2000;

// Writes to a FIFO, socket or device in place, never waiting in open(): a
// FIFO nobody reads is refused at once. Returns the reason of a failure.
std::optional<QString> writeDevice(const QString& path, const QByteArray& bytes)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int e = errno;
        if (e == ENXIO)
            return fileText(QT_TRANSLATE_NOOP("FileError", "nenhum programa está lendo o FIFO"));
        if (e == EACCES || e == EPERM)
            return fileText(QT_TRANSLATE_NOOP("FileError", "sem permissão de escrita no arquivo"));
        return fileText(QT_TRANSLATE_NOOP("FileError", "não foi possível abrir o arquivo (%1)"))
            .arg(QString::fromLocal8Bit(std::strerror(e)));
    }
    if (devicesWait)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    qsizetype done = 0;
    std::optional<QString> failure;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN) { // EWOULDBLOCK is the same number on Linux
            pollfd p{fd, POLLOUT, 0};
            if (::poll(&p, 1, ReaderPatience) > 0 && !(p.revents & (POLLERR | POLLHUP)))
                continue;
            failure = fileText(
                QT_TRANSLATE_NOOP("FileError", "o programa que lê o arquivo não recebe os dados"));
            break;
        }
        const int e = n < 0 ? errno : EIO;
        failure = e == ENOSPC
                      ? fileText(QT_TRANSLATE_NOOP("FileError", "erro de escrita (disco cheio)"))
                  : e == EPIPE ? fileText(
                        QT_TRANSLATE_NOOP("FileError", "o programa que lia o arquivo já terminou"))
                               : fileText(QT_TRANSLATE_NOOP("FileError", "erro de escrita (%1)"))
                                     .arg(QString::fromLocal8Bit(std::strerror(e)));
        break;
    }
    ::close(fd);
    return failure;
}

bool isPipe(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0
           && (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode));
}

} // namespace

void setDeviceWritesWait(bool wait) { devicesWait = wait; }

std::optional<QString> writeFileReplacing(const QString& path, const QByteArray& bytes,
                                          const QString& what)
{
    const QFileInfo info(path);
    auto message = [&](QFileDevice::FileError e, const QString& detail) {
        const QString reason = reasonFor(e, path);
        QString m = fileText(QT_TRANSLATE_NOOP("FileError",
                                               "Não foi possível gravar %1 no arquivo \"%2\": %3"))
                        .arg(what, path, reason);
        // The system's own words for a read-only file system say no more, and
        // Qt has them only in English.
        if (!detail.isEmpty() && reason != fileText(ReadOnlyFileSystem))
            m += QStringLiteral(" (%1)").arg(detail);
        return m + u'.';
    };
    if (info.isDir())
        return message(QFileDevice::OpenError, {});

    // A device or pipe is written in place; renaming a temporary file over it
    // would replace the device itself. A FIFO or socket without waiting in
    // open() for a reader; a device as any file.
    if (info.exists() && !info.isFile() && isPipe(path)) {
        if (std::optional<QString> reason = writeDevice(path, bytes))
            return fileText(QT_TRANSLATE_NOOP("FileError",
                                              "Não foi possível gravar %1 no arquivo \"%2\": %3."))
                .arg(what, path, *reason);
        return std::nullopt;
    }
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
