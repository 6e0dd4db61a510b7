#include "report_file.h"
#include "report_format.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kelvora;

namespace {
QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
} // namespace

TEST(ReportFormat, SubstitutesSlotsAndKeepsTypedPercentLiterally)
{
    EXPECT_EQ(subst("Nome do usuário: %s\n", {"100% Zé"}), "Nome do usuário: 100% Zé\n");
    EXPECT_EQ(subst("Tensão do secundário %s (Vs%s) = %s\n", {"2", "2", "400,0 V"}),
              "Tensão do secundário 2 (Vs2) = 400,0 V\n");
    EXPECT_EQ(subst("%s AWG / %s mm^2", {"%s", "x"}), "%s AWG / x mm^2");
}

TEST(ReportEncoding, IsWindows1252WithCrLfAndQuestionMarks)
{
    EXPECT_EQ(encodeReport("Aplicação\n"), QByteArray("Aplica\xe7\xe3o\r\n"));
    // The euro sign and the curly quotes exist in Windows-1252, not in Latin-1.
    EXPECT_EQ(encodeReport("€ “x”"), QByteArray("\x80 \x93x\x94"));
    // Greek omega, a CJK character and an emoji (a surrogate pair) each become one "?".
    EXPECT_EQ(encodeReport("Ω 中 😀\n"), QByteArray("? ? ?\r\n"));
    EXPECT_EQ(encodeReport("a\n\nb"), QByteArray("a\r\n\r\nb"));
}

TEST(ReportFile, WritesTheEncodedBytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("r.txt");
    EXPECT_FALSE(writeReportFile(path, "Eficiência\n").has_value());
    EXPECT_EQ(readAll(path), QByteArray("Efici\xeancia\r\n"));
}

TEST(ReportFile, FailuresSaySoInPortugueseAndKeepTheOldFile)
{
    QTemporaryDir dir;
    const QString existing = dir.filePath("old.txt");
    {
        QFile f(existing);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("antigo");
    }
    // A folder in place of the file.
    const QString folder = dir.filePath("pasta");
    ASSERT_TRUE(QDir(dir.path()).mkdir("pasta"));
    std::optional<QString> e = writeReportFile(folder, "x\n");
    ASSERT_TRUE(e.has_value());
    EXPECT_TRUE(e->contains(QStringLiteral("Não foi possível gravar")));
    EXPECT_TRUE(e->contains(folder));
    EXPECT_TRUE(e->contains(QStringLiteral("pasta")));

    // A folder that does not exist.
    e = writeReportFile(dir.filePath("nada/r.txt"), "x\n");
    ASSERT_TRUE(e.has_value());
    EXPECT_TRUE(e->contains(QStringLiteral("a pasta não existe")));

    // Disk full: nothing is reported as written.
    if (QFile::exists("/dev/full")) {
        e = writeReportFile("/dev/full", std::string(100000, 'x'));
        ASSERT_TRUE(e.has_value());
        EXPECT_TRUE(e->contains(QStringLiteral("/dev/full")));
    }
    EXPECT_EQ(readAll(existing), QByteArray("antigo"));
}
