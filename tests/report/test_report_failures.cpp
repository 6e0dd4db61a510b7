// Saving a report where it cannot be saved: each failure is one Portuguese
// message naming the file, leaves no partial file behind and keeps an
// existing report as it was. The texts are the designs' own reports.
#include "ajustes.h"
#include "calc_error.h"
#include "designs.h"
#include "report_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

using namespace kelvora;

namespace {

struct Sample {
    std::string design;
    std::string text;
};

// Each design's report after showing its tab with the initial texts.
std::vector<Sample> reports()
{
    std::vector<Sample> v;
    for (const Design& d : designs()) {
        if (!d.report)
            continue;
        Sheet tab(d.controls);
        Sheet ajustes(ajustesControls());
        DesignResults s;
        const Settings cfg = settingsFrom(ajustes, ',');
        d.show(tab, s, cfg);
        v.push_back({d.name, d.report(tab, s, cfg)});
    }
    return v;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QStringList entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// The message starts by naming the file and ends with the reason given.
void expectMessage(const std::optional<QString>& m, const QString& path, const char* reason)
{
    ASSERT_TRUE(m.has_value());
    const QString head =
        QStringLiteral("Não foi possível gravar o relatório no arquivo \"%1\": ").arg(path);
    EXPECT_TRUE(m->startsWith(head)) << m->toStdString();
    EXPECT_TRUE(m->contains(QString::fromUtf8(reason))) << m->toStdString();
    EXPECT_TRUE(m->endsWith(u'.')) << m->toStdString();
}

// Makes a folder refuse new files even to root: the immutable attribute
// (root ignores permission bits), or the permission bits for anyone else.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& dir) : dir_(dir.toStdString())
    {
        if (geteuid() != 0) {
            ok_ = chmod(dir_.c_str(), 0555) == 0;
            mode_ = true;
            return;
        }
        const int fd = open(dir_.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return;
        int flags = 0;
        if (ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= FS_IMMUTABLE_FL;
            ok_ = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        close(fd);
    }
    ~ReadOnlyFolder()
    {
        if (!ok_)
            return;
        if (mode_) {
            chmod(dir_.c_str(), 0755);
            return;
        }
        const int fd = open(dir_.c_str(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        if (fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags &= ~FS_IMMUTABLE_FL;
            ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        if (fd >= 0)
            close(fd);
    }
    bool ok() const { return ok_; }

private:
    std::string dir_;
    bool ok_ = false;
    bool mode_ = false;
};

// A tiny tmpfs, so that a regular file (not a device) runs out of space.
class TinyDisk {
public:
    explicit TinyDisk(const QString& dir) : dir_(dir.toStdString())
    {
        ok_ = mount("tmpfs", dir_.c_str(), "tmpfs", 0, "size=16k,mode=0755") == 0;
    }
    ~TinyDisk()
    {
        if (ok_)
            umount2(dir_.c_str(), MNT_DETACH);
    }
    bool ok() const { return ok_; }

private:
    std::string dir_;
    bool ok_ = false;
};

} // namespace

TEST(ReportFailures, EveryDesignWithAReportIsCovered)
{
    std::size_t withReport = 0;
    for (const Design& d : designs())
        withReport += bool(d.report);
    const std::vector<Sample> samples = reports();
    ASSERT_EQ(samples.size(), withReport);
    for (const Sample& s : samples) {
        SCOPED_TRACE(s.design);
        EXPECT_GT(s.text.size(), 100u); // a real report, so a short write cannot pass
    }
}

TEST(ReportFailures, DiskFullDeviceKeepsTheDeviceAndSaysDiskFull)
{
    if (!QFileInfo::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full on this machine";
    for (const Sample& s : reports()) {
        SCOPED_TRACE(s.design);
        expectMessage(writeReportFile("/dev/full", s.text), "/dev/full", "disco cheio?");
        // Written in place: the device is still the device, nothing renamed over it.
        struct stat st {};
        ASSERT_EQ(stat("/dev/full", &st), 0);
        EXPECT_TRUE(S_ISCHR(st.st_mode));
    }
}

TEST(ReportFailures, FullFileSystemKeepsTheOldReportAndLeavesNoTemporary)
{
    QTemporaryDir tmp;
    const QString dir = tmp.filePath("disco");
    ASSERT_TRUE(QDir().mkpath(dir));
    TinyDisk disk(dir);
    if (!disk.ok())
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root with mount rights)";
    const QString path = dir + "/relatorio.txt";
    const QByteArray old = "relatório antigo\r\n";
    writeBytes(path, old);
    {
        // Fill the rest of the file system.
        QFile filler(dir + "/enchimento");
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size()) {
        }
    }
    const QStringList before = entries(dir);
    for (const Sample& s : reports()) {
        SCOPED_TRACE(s.design);
        expectMessage(writeReportFile(path, s.text), path, "disco cheio?");
        EXPECT_EQ(readAll(path), old);
        EXPECT_EQ(entries(dir), before);
    }
}

// A file system mounted read-only is named as such, for a new report and for
// one replacing a file there, and not taken for a full disk.
TEST(ReportFailures, ReadOnlyFileSystemIsNamedAndKeepsTheOldReport)
{
    QTemporaryDir tmp;
    const QString dir = tmp.filePath("somente_leitura");
    ASSERT_TRUE(QDir().mkpath(dir));
    TinyDisk disk(dir);
    if (!disk.ok())
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root with mount rights)";
    const QString existing = dir + "/relatorio.txt";
    const QByteArray old = "relatório antigo\r\n";
    writeBytes(existing, old);
    // Whoever could mount the tmpfs can remount it.
    ASSERT_EQ(mount("tmpfs", dir.toLocal8Bit().constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                    "size=16k"),
              0)
        << std::strerror(errno);
    for (const Sample& s : reports()) {
        SCOPED_TRACE(s.design);
        for (const QString& path : {existing, dir + "/novo.txt"}) {
            SCOPED_TRACE(path.toStdString());
            const std::optional<QString> m = writeReportFile(path, s.text);
            ASSERT_TRUE(m.has_value());
            EXPECT_EQ(*m, QStringLiteral("Não foi possível gravar o relatório no arquivo \"%1\": "
                                         "sistema de arquivos somente leitura.")
                              .arg(path));
            EXPECT_EQ(readAll(existing), old);
            EXPECT_EQ(entries(dir), QStringList{"relatorio.txt"});
        }
    }
}

TEST(ReportFailures, ReadOnlyFolderKeepsTheOldReport)
{
    QTemporaryDir tmp;
    const QString dir = tmp.filePath("protegida");
    ASSERT_TRUE(QDir().mkpath(dir));
    const QString existing = dir + "/relatorio.txt";
    const QByteArray old = "relatório antigo\r\n";
    writeBytes(existing, old);
    ReadOnlyFolder guard(dir);
    if (!guard.ok())
        GTEST_SKIP() << "cannot make a folder read-only here (root without the immutable "
                        "attribute on this file system)";
    for (const Sample& s : reports()) {
        SCOPED_TRACE(s.design);
        for (const QString& path : {existing, dir + "/novo.txt"}) {
            SCOPED_TRACE(path.toStdString());
            expectMessage(writeReportFile(path, s.text), path,
                          "não foi possível criar o arquivo (pasta protegida contra escrita ou "
                          "nome inválido)");
            EXPECT_EQ(readAll(existing), old);
            EXPECT_EQ(entries(dir), QStringList{"relatorio.txt"});
        }
    }
}

TEST(ReportFailures, NamesThatCannotBeCreated)
{
    QTemporaryDir tmp;
    const QString longName = tmp.filePath(QString(256, u'r') + ".txt"); // over 255 bytes
    const QString missingFolder = tmp.filePath("nao_existe/relatorio.txt");
    struct {
        QString path;
        const char* reason;
    } cases[] = {
        {longName, "não foi possível criar o arquivo (pasta protegida contra escrita ou nome "
                   "inválido)"},
        {missingFolder, "a pasta não existe"},
    };
    for (const Sample& s : reports()) {
        SCOPED_TRACE(s.design);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.reason);
            expectMessage(writeReportFile(c.path, s.text), c.path, c.reason);
            EXPECT_TRUE(entries(tmp.path()).isEmpty())
                << entries(tmp.path()).join(' ').toStdString();
        }
    }
}

TEST(ReportFailures, FolderInPlaceOfTheFileStaysAFolder)
{
    QTemporaryDir tmp;
    const QString folder = tmp.filePath("relatorio.txt");
    ASSERT_TRUE(QDir().mkpath(folder + "/dentro"));
    for (const Sample& s : reports()) {
        SCOPED_TRACE(s.design);
        expectMessage(writeReportFile(folder, s.text), folder, "já existe uma pasta com esse nome");
        EXPECT_TRUE(QFileInfo(folder).isDir());
        EXPECT_EQ(entries(folder), QStringList{"dentro"});
        EXPECT_EQ(entries(tmp.path()), QStringList{"relatorio.txt"});
    }
}
