// The kelvora-cli program itself, with a standard output that fails as the
// system makes it fail: a full device, a closed descriptor, a pipe whose
// reader has gone (SIGPIPE ignored). Each is exit 1 and one Portuguese line.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

using ::testing::HasSubstr;

namespace {

// PipeWithoutReaderDefault leaves SIGPIPE as a shell leaves it: the program
// must ignore it itself.
enum class Output { DevFull, Closed, PipeWithoutReader, PipeWithoutReaderDefault, DevNull };

struct Result {
    int code = -1; // exit status, or 128 + signal
    std::string err;
};

Result runCli(const std::vector<std::string>& args, Output output)
{
    int errPipe[2];
    if (pipe(errPipe) != 0)
        return {};
    int outPipe[2] = {-1, -1};
    if (output == Output::PipeWithoutReader || output == Output::PipeWithoutReaderDefault) {
        if (pipe(outPipe) != 0)
            return {};
        close(outPipe[0]); // no reader from the start: every write is EPIPE
    }
    std::vector<std::string> all = {KELVORA_CLI_PATH};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid == 0) {
        dup2(errPipe[1], STDERR_FILENO);
        close(errPipe[0]);
        close(errPipe[1]);
        switch (output) {
        case Output::DevFull: {
            const int fd = open("/dev/full", O_WRONLY);
            dup2(fd, STDOUT_FILENO);
            close(fd);
            break;
        }
        case Output::Closed:
            close(STDOUT_FILENO);
            break;
        case Output::PipeWithoutReader:
            dup2(outPipe[1], STDOUT_FILENO);
            close(outPipe[1]);
            signal(SIGPIPE, SIG_IGN); // kept across exec
            break;
        case Output::PipeWithoutReaderDefault:
            dup2(outPipe[1], STDOUT_FILENO);
            close(outPipe[1]);
            signal(SIGPIPE, SIG_DFL);
            break;
        case Output::DevNull: {
            const int fd = open("/dev/null", O_WRONLY);
            dup2(fd, STDOUT_FILENO);
            close(fd);
            break;
        }
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(errPipe[1]);
    if (outPipe[1] >= 0)
        close(outPipe[1]);
    Result r;
    char buf[4096];
    for (ssize_t n; (n = read(errPipe[0], buf, sizeof buf)) > 0;)
        r.err.append(buf, std::size_t(n));
    close(errPipe[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return r;
}

} // namespace

TEST(CliProcess, EveryOutputFailureIsExit1WithItsReason)
{
    const struct {
        Output output;
        const char* reason;
    } outputs[] = {
        {Output::DevFull, "disco cheio"},
        {Output::Closed, "a saída padrão está fechada"},
        {Output::PipeWithoutReader, "o programa que lia a saída já terminou"},
    };
    const std::vector<std::vector<std::string>> modes = {
        {"trafo-alimentacao"},
        {"trafo-alimentacao", "--json"},
        {"trafo-alimentacao", "--report=-"},
        {"modulador-valvulado", "--help"},
    };
    for (const auto& o : outputs)
        for (const auto& args : modes) {
            SCOPED_TRACE(std::string(o.reason) + " / " + args.back());
            const Result r = runCli(args, o.output);
            EXPECT_EQ(r.code, 1);
            EXPECT_EQ(r.err, "kelvora-cli: não foi possível escrever na saída padrão ("
                                 + std::string(o.reason) + ")\n");
        }
}

// The file error Qt quotes in parentheses is Portuguese, as in the window.
TEST(CliProcess, AReportFailureQuotesTheSystemsReasonInPortuguese)
{
    if (access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "no /dev/full on this machine";
    const Result r = runCli({"trafo-alimentacao", "--report=/dev/full"}, Output::DevFull);
    EXPECT_EQ(r.code, 1);
    EXPECT_THAT(r.err, HasSubstr("kelvora-cli: Não foi possível gravar o relatório no arquivo "
                                 "\"/dev/full\": erro de escrita (disco cheio?) (Não há mais "
                                 "espaço no dispositivo)."));
    // In English, the whole message, the system's words included.
    const Result en
        = runCli({"--idioma=en", "trafo-alimentacao", "--report=/dev/full"}, Output::DevNull);
    EXPECT_EQ(en.code, 1);
    EXPECT_EQ(en.err, "kelvora-cli: Could not write the report to the file \"/dev/full\": write "
                      "error (disk full?) (No space left on device).\n");
}

// A reader that goes away (kelvora-cli ... | head -1) is a write failure
// like any other, not a death by SIGPIPE with status 141.
TEST(CliProcess, AReaderThatWentAwayIsExit1EvenWithSigpipeAtItsDefault)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"trafo-alimentacao"}, {"trafo-alimentacao", "--help"}}) {
        SCOPED_TRACE(args.back());
        const Result r = runCli(args, Output::PipeWithoutReaderDefault);
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.err, "kelvora-cli: não foi possível escrever na saída padrão (o programa que "
                         "lia a saída já terminou)\n");
    }
}

// The PDF sheet is named as what it is, and a folder that is a file is said to be one.
TEST(CliProcess, APdfSheetFailureNamesTheSheet)
{
    char dir[] = "/tmp/kelvora-cli-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    const std::string file = std::string(dir) + "/arquivo";
    close(open(file.c_str(), O_WRONLY | O_CREAT, 0600));
    const Result r = runCli({"reator-filtro", "--folha-pdf=" + file + "/f.pdf"}, Output::DevNull);
    EXPECT_EQ(r.code, 1);
    EXPECT_THAT(r.err,
                HasSubstr("Não foi possível gravar a folha de enrolamento em PDF no arquivo "
                          "\""
                          + file + "/f.pdf\": \"" + file + "\" é um arquivo, não uma pasta"));
    unlink(file.c_str());
    rmdir(dir);
}

namespace {

std::string slurp(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return f ? std::string(std::istreambuf_iterator<char>(f), {}) : "<missing " + path + ">";
}

} // namespace

// --idioma=en, wherever it stands: kelvora-cli's own messages in English; any
// other language is a usage error, said in Portuguese.
TEST(CliProcess, IdiomaEnGivesTheMessagesInEnglish)
{
    Result r = runCli({"trafo-alimentacao", "--bogus", "--idioma=en"}, Output::DevNull);
    EXPECT_EQ(r.code, 2);
    EXPECT_THAT(r.err, HasSubstr("kelvora-cli: unknown option: --bogus\n"
                                 "Usage: kelvora-cli DESIGN [CONTROL=TEXT]..."));
    r = runCli({"--idioma=en", "trafo-alimentacao"}, Output::DevFull);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "kelvora-cli: could not write to standard output (disk full)\n");
    r = runCli({"--idioma=fr", "trafo-alimentacao"}, Output::DevNull);
    EXPECT_EQ(r.code, 2);
    EXPECT_THAT(r.err, HasSubstr("kelvora-cli: o idioma deve ser pt ou en\nUso: kelvora-cli"));
}

// What the calculation says of the inputs, in English: a read's note whole, a
// failed strict read's error; the JSON keeps the Portuguese (it is data).
TEST(CliProcess, IdiomaEnGivesTheCalculationsMessagesInEnglish)
{
    Result r = runCli({"--idioma=en", "trafo-alimentacao", "EFo=0", "EVs1=abc"}, Output::DevNull);
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "kelvora-cli: warning: EFo = \"0\": out of range: 1 used\n"
                     "kelvora-cli: warning: EVs1 = \"abc\": not a number: 0 used\n");
    r = runCli({"--idioma=en", "trafo-alimentacao", "CBTaBmax=xx"}, Output::DevNull);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "kelvora-cli: 'xx' is not a valid number\n");
    FILE* p = popen(KELVORA_CLI_PATH " --idioma=en trafo-alimentacao CBTaBmax=xx --json 2>/dev/null",
                    "r");
    ASSERT_NE(p, nullptr);
    std::string out;
    char buf[4096];
    for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;)
        out.append(buf, n);
    pclose(p);
    EXPECT_THAT(out, HasSubstr("\"error\": \"'xx' não é um valor numérico válido\""));
}

// The reports are the program's documented output: Portuguese bytes in English too.
TEST(CliProcess, IdiomaEnKeepsTheReportsPortuguese)
{
    char dir[] = "/tmp/kelvora-idioma-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    for (const auto& [design, golden] :
         {std::pair{"trafo-alimentacao", "trafo_alim_defaults.txt"},
          std::pair{"modulador-valvulado", "trafo_mod_defaults.txt"}}) {
        SCOPED_TRACE(design);
        const std::string path = std::string(dir) + "/" + golden;
        const Result r = runCli(
            {"--idioma=en", design, "--decimal-separator=,", "--report=" + path}, Output::DevNull);
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(slurp(path), slurp(std::string(KELVORA_GOLDEN_DIR "/") + golden));
        unlink(path.c_str());
    }
    rmdir(dir);
}

// The winding sheet follows --idioma: the same sheet with English words, the
// numbers as the Portuguese golden has them (Windows-1252, CR LF).
TEST(CliProcess, IdiomaEnWritesTheWindingSheetInEnglish)
{
    char dir[] = "/tmp/kelvora-folha-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    const std::string path = std::string(dir) + "/folha.txt";
    const Result r = runCli({"--idioma=en", "trafo-alimentacao", "CBCoProjeto=Espiras da aba",
                             "--decimal-separator=,", "--folha=" + path},
                            Output::DevNull);
    EXPECT_EQ(r.code, 0) << r.err;
    const std::string text = slurp(path);
    EXPECT_THAT(text, HasSubstr("Winding sheet - Mains Transformer\r\n"
                                "=================================\r\n"));
    EXPECT_THAT(text, HasSubstr("\r\n  1. Primary\r\n"
                                "     Turns: 467 (the tab calculated 467,2)\r\n"
                                "     Wire: AWG 21, enamel grade 2 (bare \xD8 0,723 mm, "
                                "overall \xD8 0,787 mm)\r\n"
                                "     Turns per layer: 53\r\n"
                                "     Layers: 9 (the last with 43 turns)\r\n"));
    EXPECT_THAT(text, HasSubstr("\r\n  Turns wound: The tab's turns\r\n"));
    EXPECT_THAT(text, HasSubstr("\r\n  [!!] The winding does not fit the window (127,9 % of the "
                                "width)\r\n  [ok] Temperature rise 32,9 K: within the class\r\n"));
    EXPECT_EQ(text.find("Espiras"), std::string::npos);
    unlink(path.c_str());
    rmdir(dir);
}

// The list of controls in English: its own words only; the names, items and
// keys are what is typed, in either language.
TEST(CliProcess, IdiomaEnListsTheControlsInEnglish)
{
    FILE* p = popen(KELVORA_CLI_PATH " --idioma=en --controles", "r");
    ASSERT_NE(p, nullptr);
    std::string out;
    char buf[4096];
    for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;)
        out.append(buf, n);
    EXPECT_EQ(pclose(p), 0);
    EXPECT_THAT(out, HasSubstr("  RBNucleoE=1  (checked at the start)\n"));
    EXPECT_THAT(out, HasSubstr("  CNumPri: Simples | Duplo | Derivação  (at the start: Simples)  "
                               "(keys: single, dual, tapped)\n"));
    EXPECT_THAT(out, HasSubstr("\nevery design: Settings tab (TAjustes)\n"));
}
