#include "design_file_io.h"

#include "report_file.h"

#include <QFile>
#include <QFileInfo>

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
    if (info.size() > limit)
        refuse(path, QStringLiteral("o arquivo tem %1 bytes, mais que o limite de 1 MB de um "
                                    "projeto")
                         .arg(info.size()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        refuse(path, QStringLiteral("não foi possível ler o arquivo (%1)").arg(file.errorString()));
    // One byte past the limit tells a file that grew (or a device) from one that fits.
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
                              QStringLiteral("o projeto"));
}

} // namespace kelvora
