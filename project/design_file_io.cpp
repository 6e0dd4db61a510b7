#include "design_file_io.h"

#include "report_file.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kelvora {

namespace {

[[noreturn]] void refuse(const QString& path, const QString& why)
{
    throw DesignFileError(QStringLiteral("Não foi possível abrir o projeto \"%1\": %2.")
                              .arg(path, why)
                              .toStdString());
}

QByteArray readAtMost(const QString& path, qint64 limit)
{
    const QFileInfo info(path);
    if (!info.exists())
        refuse(path, QStringLiteral("o arquivo não existe"));
    if (info.isDir())
        refuse(path, QStringLiteral("é uma pasta, não um arquivo"));
    // A FIFO, socket or device would hold the window in open() or read()
    // until some other program wrote to it: only a regular file is read.
    // The descriptor is opened without waiting and checked itself, so a path
    // that becomes a FIFO after the look above is refused just the same.
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        refuse(path, errno == EACCES ? QStringLiteral("sem permissão de leitura")
                                     : QStringLiteral("não foi possível ler o arquivo (%1)")
                                           .arg(QString::fromLocal8Bit(std::strerror(errno))));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        refuse(path, QStringLiteral("não é um arquivo comum"));
    }
    if (st.st_size > limit) {
        ::close(fd);
        refuse(path, QStringLiteral("o arquivo tem %1 bytes, mais que o limite de 1 MB de um "
                                    "projeto")
                         .arg(qint64(st.st_size)));
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        refuse(path, QStringLiteral("não foi possível ler o arquivo (%1)").arg(file.errorString()));
    }
    // One byte past the limit tells a file that grew from one that fits.
    const QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        refuse(path, QStringLiteral("erro de leitura (%1)").arg(file.errorString()));
    return bytes;
}

} // namespace

DesignInputs openDesignFile(const QString& path, char decimalSeparator)
{
    const QByteArray bytes = readAtMost(path, qint64(MaxDesignFileBytes));
    try {
        return readDesign(std::string_view(bytes.constData(), std::size_t(bytes.size())),
                          decimalSeparator);
    } catch (const DesignFileError& e) {
        refuse(path, QString::fromUtf8(e.what()));
    }
}

std::optional<QString> saveDesignFile(const QString& path, const std::string& document)
{
    return writeFileReplacing(path, QByteArray(document.data(), qsizetype(document.size())),
                              fileText(QT_TRANSLATE_NOOP("FileError", "o projeto")));
}

} // namespace kelvora
