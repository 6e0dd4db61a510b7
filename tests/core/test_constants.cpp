// Constants of the designs are double literals, widened to long double by the
// arithmetic, as the numbers the results were checked against had them. A
// long double literal such as 0.02L is a different number in its last bits
// (0.02L is below 1/50, the widened 0.02 above it), which moves a verdict at
// its boundary: this check fails when one comes back into a design's formulas
// (calc/ and the conductor sizing rule). The number machinery of core/ keeps
// the long double literals it means, such as the exact 1e23L.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The code without comments, string and character literals (each replaced by
// a blank, line breaks kept), so that only real literals are looked at.
std::string codeOnly(const std::string& src)
{
    std::string out;
    out.reserve(src.size());
    for (std::size_t i = 0; i < src.size(); ++i) {
        const char c = src[i];
        if (c == '/' && i + 1 < src.size() && src[i + 1] == '/') {
            while (i < src.size() && src[i] != '\n')
                ++i;
            out += '\n';
        } else if (c == '/' && i + 1 < src.size() && src[i + 1] == '*') {
            for (i += 2; i + 1 < src.size() && !(src[i] == '*' && src[i + 1] == '/'); ++i)
                if (src[i] == '\n')
                    out += '\n';
            ++i;
            out += ' ';
        } else if (c == '"' || (c == '\'' && !(i > 0 && std::isxdigit(unsigned(src[i - 1]))))) {
            for (++i; i < src.size() && src[i] != c; ++i)
                if (src[i] == '\\')
                    ++i;
            out += ' ';
        } else {
            out += c;
        }
    }
    return out;
}

// Floating literals with an L suffix whose value a double does not hold
// exactly, with their line numbers ("12: 0.02L").
std::vector<std::string> inexactLongDoubleLiterals(const std::string& src)
{
    static const std::regex literal(
        R"((^|[^\w.])((\d+\.\d*|\.\d+|\d+)([eE][+-]?\d+)?)[lL](?![\w.]))");
    std::vector<std::string> found;
    std::istringstream lines(codeOnly(src));
    std::string line;
    for (int n = 1; std::getline(lines, line); ++n) {
        for (std::sregex_iterator m(line.begin(), line.end(), literal), end; m != end; ++m) {
            const std::string number = (*m)[2];
            if (number.find_first_of(".eE") == std::string::npos)
                continue; // 10L is a long integer
            const long double asLong = std::strtold(number.c_str(), nullptr);
            const long double widened = std::strtod(number.c_str(), nullptr);
            if (asLong != widened)
                found.push_back(std::to_string(n) + ": " + number + "L");
        }
    }
    return found;
}

} // namespace

TEST(Constants, TheCheckFindsLongDoubleLiteralsThatADoubleDoesNotHold)
{
    const std::string sample = "const LD iMin = root(quot(0.02L, s.Lr)) * 1000.0L;\n"
                               "x = 0.5L * y + .1L - 1e23L + 1e22L + 10L + 3.0l;\n"
                               "// 0.7L in a comment\n"
                               "s = \"0.6596L\"; /* 22.943L\n 0.1L */ c = '0';\n"
                               "z = 2.5e-3L + name0.1L;\n";
    EXPECT_EQ(inexactLongDoubleLiterals(sample),
              (std::vector<std::string>{"1: 0.02L", "2: .1L", "2: 1e23L", "6: 2.5e-3L"}));
}

TEST(Constants, DesignFormulasWriteConstantsAsDoubleLiterals)
{
    namespace fs = std::filesystem;
    const fs::path source(KELVORA_SOURCE_DIR);
    std::vector<fs::path> files = {source / "core" / "conductor.cpp"};
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(source / "calc")) {
        const std::string ext = e.path().extension().string();
        if (e.is_regular_file() && (ext == ".cpp" || ext == ".h"))
            files.push_back(e.path());
    }
    EXPECT_GT(files.size(), 10u);
    for (const fs::path& file : files) {
        std::ifstream in(file);
        ASSERT_TRUE(in) << file;
        std::stringstream text;
        text << in.rdbuf();
        const std::vector<std::string> found = inexactLongDoubleLiterals(text.str());
        EXPECT_TRUE(found.empty()) << file.string() << " has long double literals that are not "
                                   << "the widened double: " << ::testing::PrintToString(found);
    }
}
