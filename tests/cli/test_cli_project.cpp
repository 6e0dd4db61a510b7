// kelvora-cli with design files: --projeto takes the inputs of a file before
// the CONTROLE=TEXTO assignments, --salva-projeto writes the run's inputs.
#include "cli_run.h"
#include "design_file.h"
#include "design_file_io.h"
#include "designs.h"

#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <map>

using namespace kelvora;
using ::testing::HasSubstr;

namespace {
using kelvora::test::CliRun;
CliRun run(const std::vector<std::string>& args) { return kelvora::test::cliRun(args); }

std::string read(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll().toStdString();
}

void write(const QString& path, const std::string& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), qsizetype(bytes.size()));
}

// Assignments that set every input of the design's tab away from its
// start-up state: typed fields a number of their own, lists their last item,
// radio groups their last button.
std::vector<std::string> everyInput(const Design& d)
{
    std::vector<std::string> args;
    std::map<std::string, std::string> lastOfGroup;
    int n = 0;
    for (const ControlSpec& c : d.controls) {
        if (!c.input)
            continue;
        if (c.kind == Kind::Edit || c.kind == Kind::Combo)
            args.push_back(c.name + "=" + std::to_string(++n) + ",5");
        else if (c.kind == Kind::List)
            args.push_back(c.name + "=" + c.items.back());
        else if (c.kind == Kind::Radio)
            lastOfGroup[c.group] = c.name;
    }
    for (const auto& [group, name] : lastOfGroup)
        args.push_back(name + "=1");
    args.push_back("CBSigma=4");
    return args;
}

// The inputs' state in the --json output of a run.
nlohmann::json inputsOf(const Design& d, const std::string& jsonOut)
{
    const nlohmann::json all = nlohmann::json::parse(jsonOut)["controls"];
    nlohmann::json inputs;
    for (const ControlSpec& c : d.controls)
        if (c.input)
            inputs[c.name] = {all[c.name]["text"], all[c.name].value("checked", false),
                              all[c.name].value("itemIndex", -1)};
    return inputs;
}
} // namespace

TEST(CliProject, EveryInputOfEveryDesignComesBackThroughAFile)
{
    QTemporaryDir tmp;
    for (const Design& d : designs()) {
        SCOPED_TRACE(d.name);
        const std::string file =
            tmp.filePath(QString::fromStdString(d.name) + ".kelvora").toStdString();
        std::vector<std::string> args = {d.name, "--json", "--decimal-separator=,",
                                         "--salva-projeto=" + file};
        for (const std::string& a : everyInput(d))
            args.push_back(a);
        const CliRun first = run(args);
        ASSERT_NE(first.code, 2) << first.err;
        const CliRun second = run({d.name, "--json", "--decimal-separator=,", "--projeto=" + file});
        ASSERT_NE(second.code, 2) << second.err;
        const nlohmann::json a = inputsOf(d, first.out), b = inputsOf(d, second.out);
        EXPECT_EQ(a, b);
        EXPECT_NE(b, inputsOf(d, run({d.name, "--json", "--decimal-separator=,"}).out));
        // The results follow from the inputs: the same in both runs.
        EXPECT_EQ(first.out, second.out);
        EXPECT_EQ(first.code, second.code);
        // The settings tab travels with every design.
        EXPECT_EQ(readDesign(read(QString::fromStdString(file)), ',')["TAjustes"]["CBSigma"].text,
                  "4");
    }
}

TEST(CliProject, AssignmentsOverrideTheFileWhereverTheyStand)
{
    QTemporaryDir tmp;
    const std::string file = tmp.filePath("r.kelvora").toStdString();
    ASSERT_EQ(run({"reator-filtro", "ERFLr=12", "ERFIr=300", "--salva-projeto=" + file}).code, 0);
    const CliRun r = run({"reator-filtro", "ERFIr=150", "--projeto=" + file, "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    const nlohmann::json j = nlohmann::json::parse(r.out)["controls"];
    EXPECT_EQ(j["ERFLr"]["text"], "12");
    EXPECT_EQ(j["ERFIr"]["text"], "150");
}

TEST(CliProject, SavingKeepsTheOtherTabsOfTheFileRead)
{
    QTemporaryDir tmp;
    const QString in = tmp.filePath("in.kelvora"), out = tmp.filePath("out.kelvora");
    DesignInputs design;
    design["TReatorFiltro"]["ERFLr"].text = "7,5";
    design["TModValvul"]["CBSelTM"].text = "Reator (RCA)";
    write(in, writeDesign(design, ','));
    const CliRun r = run({"trafo-alimentacao", "--decimal-separator=,", "EFo=50",
                          "--projeto=" + in.toStdString(), "--salva-projeto=" + out.toStdString()});
    ASSERT_EQ(r.code, 0) << r.err;
    const DesignInputs saved = readDesign(read(out), ',');
    EXPECT_EQ(saved["TReatorFiltro"]["ERFLr"].text, "7,5");
    EXPECT_EQ(saved["TModValvul"]["CBSelTM"].text, "Reator (RCA)");
    EXPECT_EQ(saved["TTrafoAlim"]["EFo"].text, "50");
}

TEST(CliProject, NumbersWrittenWithACommaReadWithAPoint)
{
    QTemporaryDir tmp;
    const std::string file = tmp.filePath("v.kelvora").toStdString();
    ASSERT_EQ(run({"reator-filtro", "--decimal-separator=,", "ERFLr=12,5",
                   "--salva-projeto=" + file})
                  .code,
              0);
    EXPECT_THAT(read(QString::fromStdString(file)), HasSubstr("\"ERFLr\": \"12,5\""));
    const CliRun comma = run({"reator-filtro", "--decimal-separator=,", "--projeto=" + file});
    const CliRun point = run({"reator-filtro", "--decimal-separator=.", "--projeto=" + file});
    ASSERT_EQ(point.code, 0) << point.err;
    // The same design: every result the same but for the separator.
    std::string converted = comma.out;
    for (char& c : converted)
        if (c == ',')
            c = '.';
    EXPECT_EQ(point.out, converted);
    EXPECT_THAT(point.out, HasSubstr("LRFLI2\t0.500 H*A^2\n")); // 12.5 H * (0.2 A)^2
}

TEST(CliProject, ConstructionSettingsAreKeptWithTheDesign)
{
    QTemporaryDir tmp;
    const std::string file = tmp.filePath("choque.kelvora").toStdString();
    const CliRun saved = run({"reator-filtro", "--decimal-separator=,", "ECoTamb=30",
                              "CBCoAco=M400-50A", "ECoIsolCamada=0,08", "--salva-projeto=" + file});
    ASSERT_EQ(saved.code, 0) << saved.err;
    const std::string bytes = read(QString::fromStdString(file));
    EXPECT_THAT(bytes, HasSubstr("\"ECoTamb\": \"30\""));
    EXPECT_THAT(bytes, HasSubstr("\"ECoIsolCamada\": \"0,08\""));
    // Opened where the separator is a point, the analysis is the one of the
    // settings typed, and a setting assigned on the line still wins.
    const CliRun opened = run(
        {"reator-filtro", "--decimal-separator=.", "--projeto=" + file, "--construcao", "--json"});
    const CliRun typed = run({"reator-filtro", "--decimal-separator=.", "ECoTamb=30",
                              "CBCoAco=M400-50A", "ECoIsolCamada=0.08", "--construcao", "--json"});
    ASSERT_EQ(opened.code, 0) << opened.err;
    EXPECT_EQ(nlohmann::json::parse(opened.out)["construcao"],
              nlohmann::json::parse(typed.out)["construcao"]);
    const CliRun overridden = run({"reator-filtro", "--decimal-separator=.", "--projeto=" + file,
                                   "ECoTamb=40", "--construcao", "--json"});
    EXPECT_NE(nlohmann::json::parse(overridden.out)["construcao"]["t_hot_c"],
              nlohmann::json::parse(opened.out)["construcao"]["t_hot_c"]);
}

TEST(CliProject, BadFilesAreUsageErrorsNamingTheFile)
{
    QTemporaryDir tmp;
    const QString bad = tmp.filePath("ruim.kelvora");
    write(bad, "isto não é JSON");
    const QString newer = tmp.filePath("nova.kelvora");
    write(newer, "{\"formato\": \"kelvora-projeto\", \"versao\": 7, \"separadorDecimal\": \",\", "
                 "\"folhas\": {}}");
    const QString unknown = tmp.filePath("desconhecido.kelvora");
    write(unknown, "{\"formato\": \"kelvora-projeto\", \"versao\": 1, \"separadorDecimal\": \",\", "
                   "\"folhas\": {\"TReatorFiltro\": {\"ERFXx\": \"1\"}}}");
    const struct {
        QString path;
        std::string why;
    } cases[] = {
        {bad, "o conteúdo não é JSON válido (erro no byte 1)"},
        {newer, "o arquivo é da versão 7 do formato, mais nova que a 1 que este programa lê; "
                "abra-o com uma versão mais nova do Kelvora"},
        {unknown, "controle desconhecido na folha TReatorFiltro: \"ERFXx\""},
        {tmp.filePath("falta.kelvora"), "o arquivo não existe"},
        {tmp.path(), "é uma pasta, não um arquivo"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const CliRun r = run({"reator-filtro", "--projeto=" + c.path.toStdString()});
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.out, "");
        // The file's problem alone: the usage text would bury it.
        EXPECT_EQ(r.err, "kelvora-cli: Não foi possível abrir o projeto \"" + c.path.toStdString()
                             + "\": " + c.why + ".\n");
    }
    for (const char* option : {"--projeto=", "--salva-projeto="}) {
        const CliRun r = run({"reator-filtro", option});
        EXPECT_EQ(r.code, 2);
        EXPECT_THAT(r.err, HasSubstr(std::string(option).substr(0, std::strlen(option) - 1)
                                     + " precisa de um nome de arquivo"));
    }
}

TEST(CliProject, AFileThatCannotBeWrittenExitsWith1AndTheWritersMessage)
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath("falta/p.kelvora");
    const std::optional<QString> expected = saveDesignFile(path, "x");
    ASSERT_TRUE(expected.has_value());
    EXPECT_THAT(expected->toStdString(),
                HasSubstr("Não foi possível gravar o projeto no arquivo \"" + path.toStdString()
                          + "\": a pasta não existe"));
    const CliRun r = run({"reator-filtro", "--salva-projeto=" + path.toStdString()});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "kelvora-cli: " + expected->toStdString() + "\n");
}

TEST(CliProject, KeepsTheUIWindowSettings)
{
    QTemporaryDir tmp;
    const std::string file = tmp.filePath("ui.kelvora").toStdString();
    ASSERT_EQ(run({"trafo-alimentacao", "RBNucleoU=1", "ECoUIJanela=30,5", "ECoUIAltura=80",
                   "--decimal-separator=,", "--salva-projeto=" + file})
                  .code,
              0);
    const CliRun r = run({"trafo-alimentacao", "--projeto=" + file, "--construcao", "--json",
                          "--decimal-separator=,"});
    ASSERT_EQ(r.code, 0) << r.err;
    const nlohmann::json core = nlohmann::json::parse(r.out)["construcao"]["core"];
    EXPECT_EQ(core["c_mm"], 30.5);
    EXPECT_EQ(core["h_mm"], 80.0);
}
