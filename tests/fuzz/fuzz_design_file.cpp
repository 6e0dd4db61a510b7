// The design-file reader under arbitrary bytes: it either returns a complete
// design or raises DesignFileError; nothing else escapes. What it returns is
// always within the fields' limits, and writing it out and reading it again
// gives the same inputs (so a file the program accepts is one it can keep).
#include "design_file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

using namespace kelvora;

namespace {

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "fuzz_design_file: %s\n", what.c_str());
    std::abort();
}

void checkLimits(const DesignInputs& in)
{
    for (const StoredSheet& s : storedSheets()) {
        const Sheet& tab = in[s.name];
        std::map<std::string, int> on;
        for (const ControlSpec& spec : s.controls) {
            if (!spec.input)
                continue;
            const Control& c = tab[spec.name];
            const std::size_t limit = spec.maxLength > 0 ? spec.maxLength : UnlimitedFieldLength;
            if (c.text.size() > 4 * limit) // UTF-8: at most four bytes a character
                fail(spec.name + ": text longer than its field");
            for (char ch : c.text)
                if (static_cast<unsigned char>(ch) < 0x20)
                    fail(spec.name + ": control character");
            if (spec.kind == Kind::List
                && (c.itemIndex < 0 || c.itemIndex >= int(spec.items.size())
                    || spec.items[c.itemIndex] != c.text))
                fail(spec.name + ": list item out of its items");
            if (spec.kind == Kind::Radio)
                on[spec.group] += c.checked;
        }
        for (const auto& [group, n] : on)
            if (n != 1)
                fail(s.name + ": radio group " + group + " with " + std::to_string(n) + " on");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (char separator : {',', '.'}) {
        DesignInputs in;
        try {
            in = readDesign(bytes, separator);
        } catch (const DesignFileError&) {
            continue; // refused whole: nothing was handed out
        } catch (const std::exception& e) {
            fail(std::string("something other than DesignFileError: ") + e.what());
        }
        checkLimits(in);
        DesignInputs again;
        try {
            again = readDesign(writeDesign(in, separator), separator);
        } catch (const DesignFileError& e) {
            fail(std::string("its own document refused: ") + e.what());
        }
        for (const StoredSheet& s : storedSheets())
            if (!sameInputs(in[s.name], again[s.name]))
                fail(s.name + ": inputs changed on the way through a document");
    }
    return 0;
}
