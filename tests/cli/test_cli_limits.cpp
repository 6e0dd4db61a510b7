// kelvora-cli's guards, for every design: the field lengths the window
// enforces, controls that do not belong to the design, and reports that
// cannot be written.
#include "ajustes.h"
#include "cli_run.h"
#include "designs.h"
#include "report_file.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

using namespace kelvora;
using ::testing::HasSubstr;

namespace {
using kelvora::test::CliRun;
CliRun run(const std::vector<std::string>& args) { return kelvora::test::cliRun(args); }

bool typedField(const ControlSpec& c)
{
    return c.input && !c.readOnly && (c.kind == Kind::Edit || c.kind == Kind::Combo);
}

std::string repeat(const std::string& unit, int n)
{
    std::string s;
    for (int i = 0; i < n; ++i)
        s += unit;
    return s;
}
} // namespace

TEST(CliLimits, TextLongerThanTheFieldAllowsIsAUsageErrorNamingFieldAndLimit)
{
    int limited = 0;
    for (const Design& d : designs()) {
        for (const ControlSpec& c : d.controls) {
            if (!typedField(c) || c.maxLength <= 0)
                continue;
            ++limited;
            SCOPED_TRACE(d.name + " " + c.name);
            CliRun r = run({d.name, c.name + "=" + repeat("1", c.maxLength + 1)});
            EXPECT_EQ(r.code, 2);
            EXPECT_EQ(r.out, "");
            EXPECT_THAT(r.err,
                        HasSubstr("kelvora-cli: texto longo demais para " + c.name + " (no máximo "
                                  + std::to_string(c.maxLength) + " caracteres)\n"));
            EXPECT_THAT(r.err, HasSubstr("Uso: kelvora-cli"));
            // The limit counts characters as the window does, not UTF-8 bytes.
            r = run({d.name, c.name + "=" + repeat("é", c.maxLength)});
            EXPECT_NE(r.code, 2) << r.err;
            r = run({d.name, c.name + "=" + repeat("é", c.maxLength + 1)});
            EXPECT_EQ(r.code, 2);
        }
    }
    // Not an empty loop: the filter reactor's ERFLr and ERFIr have limits.
    EXPECT_GT(limited, 0);
}

TEST(CliLimits, ControlsOfAnotherDesignOrResultsAreUsageErrors)
{
    const Sheet ajustes(ajustesControls());
    for (const Design& d : designs()) {
        const Sheet own(d.controls);
        std::vector<std::string> foreign;
        for (const Design& other : designs())
            for (const ControlSpec& c : other.controls)
                if (&other != &d && c.input && !own.has(c.name) && !ajustes.has(c.name)) {
                    foreign.push_back(c.name);
                    break; // one per other design
                }
        // The design's own results are not inputs either.
        for (const std::string& out : d.outputs)
            if (!own.spec(out).input) {
                foreign.push_back(out);
                break;
            }
        foreign.push_back("EInexistente");
        for (const std::string& name : foreign) {
            SCOPED_TRACE(d.name + " " + name);
            CliRun r = run({d.name, name + "=1"});
            EXPECT_EQ(r.code, 2);
            EXPECT_EQ(r.out, "");
            EXPECT_THAT(r.err, HasSubstr("kelvora-cli: controle de entrada desconhecido neste "
                                         "projeto: "
                                         + name + "\n"));
        }
    }
}

TEST(CliLimits, ReportThatCannotBeWrittenExitsWith1AndTheWritersMessage)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(QDir().mkpath(tmp.filePath("pasta")));
    std::vector<QString> paths = {tmp.filePath(QString(300, u'r')), tmp.filePath("falta/r.txt"),
                                  tmp.filePath("pasta")};
    if (QFileInfo::exists("/dev/full"))
        paths.push_back("/dev/full");
    int covered = 0;
    for (const Design& d : designs()) {
        if (!d.report)
            continue;
        ++covered;
        for (const QString& path : paths) {
            SCOPED_TRACE(d.name + " " + path.toStdString());
            // The writer's message does not depend on the text written.
            const std::optional<QString> expected = writeReportFile(path, "x\n");
            ASSERT_TRUE(expected.has_value());
            CliRun r = run({d.name, "--report=" + path.toStdString()});
            EXPECT_EQ(r.code, 1);
            EXPECT_EQ(r.err, "kelvora-cli: " + expected->toStdString() + "\n");
            // The results were printed before the report failed.
            ASSERT_FALSE(d.outputs.empty());
            EXPECT_THAT(r.out, HasSubstr(d.outputs.front() + "\t"));
        }
        EXPECT_EQ(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{"pasta"});
    }
    // Not an empty loop: the power transformer and the valve modulator write reports.
    EXPECT_GT(covered, 0);
}
