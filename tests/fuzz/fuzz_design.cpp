// Every design under arbitrary input: each input control of the tab (and the
// settings tab's current density) gets fuzzed text or a fuzzed choice, then
// the tab is shown and its report made. Either finishes or raises CalcError;
// no control and no report ever reads "INF" or "NAN".
#include "ajustes.h"
#include "calc_error.h"
#include "designs.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

using namespace kelvora;

namespace {

// Reads the fuzzer's bytes in order; past the end everything is zero.
struct Bytes {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    std::uint8_t next() { return at < size ? data[at++] : 0; }
};

// Typed text: number-like characters most of the time, any byte otherwise.
// The letters of "inf" and "nan" never appear, so finding them in an output
// means the program produced them.
std::string typed(Bytes& in, int maxLength)
{
    static const char alphabet[] = "0123456789,.-+eE %/xyzOo0";
    std::size_t n = in.next() % 24;
    if (maxLength > 0 && n > std::size_t(maxLength))
        n = maxLength;
    std::string s;
    for (std::size_t k = 0; k < n; ++k) {
        std::uint8_t b = in.next();
        char c = (b & 0x80) ? char(b & 0x7f) : alphabet[b % (sizeof alphabet - 1)];
        switch (c) {
        case 'i': case 'n': case 'f': case 'a': case 'I': case 'N': case 'F': case 'A':
        case 0:
            c = '7';
            break;
        default:
            break;
        }
        s += c;
    }
    return s;
}

void fill(Sheet& sheet, const std::vector<ControlSpec>& specs, Bytes& in)
{
    std::map<std::string, std::vector<std::string>> groups;
    for (const ControlSpec& spec : specs) {
        if (!spec.input)
            continue;
        Control& c = sheet[spec.name];
        switch (spec.kind) {
        case Kind::Edit:
            if (!spec.readOnly)
                c.text = typed(in, spec.maxLength);
            break;
        case Kind::Combo: {
            const std::uint8_t choice = in.next();
            if (!spec.items.empty() && (choice & 1)) {
                c.itemIndex = int(choice / 2 % spec.items.size());
                c.text = spec.items[c.itemIndex];
            } else {
                c.text = typed(in, spec.maxLength);
                c.itemIndex = -1;
                for (std::size_t i = 0; i < spec.items.size(); ++i)
                    if (spec.items[i] == c.text)
                        c.itemIndex = int(i);
            }
            break;
        }
        case Kind::List:
            if (!spec.items.empty()) {
                c.itemIndex = int(in.next() % spec.items.size());
                c.text = spec.items[c.itemIndex];
            }
            break;
        case Kind::Radio:
            groups[spec.group].push_back(spec.name);
            break;
        default:
            break;
        }
    }
    for (const auto& [group, radios] : groups) {
        const std::size_t chosen = in.next() % radios.size();
        for (std::size_t i = 0; i < radios.size(); ++i)
            sheet[radios[i]].checked = i == chosen;
    }
}

[[noreturn]] void fail(const Design& d, const std::string& what)
{
    std::fprintf(stderr, "fuzz_design: %s: %s\n", d.name.c_str(), what.c_str());
    std::abort();
}

// "inf", "nan" or "infinity" in any case as a word of its own (a number
// printed as "-inf" or "1,5NAN" counts; "informada" does not). Bytes of 0x80
// and above are parts of accented letters.
bool letter(unsigned char c) { return std::isalpha(c) || c >= 0x80; }
bool nonNumber(const std::string& t)
{
    auto at = [&](std::size_t i, const char* w) {
        for (std::size_t k = 0; w[k]; ++k)
            if (i + k >= t.size() || std::tolower(static_cast<unsigned char>(t[i + k])) != w[k])
                return false;
        return true;
    };
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (i > 0 && letter(t[i - 1]))
            continue;
        std::size_t end = 0;
        if (at(i, "infinity"))
            end = i + 8;
        else if (at(i, "inf") || at(i, "nan"))
            end = i + 3;
        if (end && (end >= t.size() || !letter(t[end])))
            return true;
    }
    return false;
}

void checkSheet(const Design& d, const Sheet& tab)
{
    for (const std::string& name : tab.names())
        if (nonNumber(tab[name].text))
            fail(d, name + " shows \"" + tab[name].text + "\"");
}

template <class F>
void completesOrCalcError(const Design& d, const char* step, F&& f)
{
    try {
        f();
    } catch (const CalcError& e) {
        if (nonNumber(e.what()))
            fail(d, std::string(step) + " error names a non-number: " + e.what());
    } catch (const std::exception& e) {
        fail(d, std::string(step) + " threw something other than CalcError: " + e.what());
    } catch (...) {
        fail(d, std::string(step) + " threw a non-exception");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<Design>& all = designs();
    if (all.empty() || size == 0)
        return 0;
    Bytes in{data, size};
    const Design& d = all[in.next() % all.size()];
    const char separator = (in.next() & 1) ? '.' : ',';

    Sheet tab(d.controls);
    Sheet ajustes(ajustesControls());
    CalcState state;
    // The tab is shown once with its initial texts, as at start-up, then
    // recalculated with the user's input in the state that run left.
    completesOrCalcError(d, "show (initial)", [&] { d.show(tab, state, settingsFrom(ajustes, separator)); });
    fill(ajustes, ajustesControls(), in);
    fill(tab, d.controls, in);
    const Settings cfg = settingsFrom(ajustes, separator);
    completesOrCalcError(d, "show", [&] { d.show(tab, state, cfg); });
    checkSheet(d, tab);
    if (d.report) {
        std::string text;
        completesOrCalcError(d, "report", [&] { text = d.report(tab, state, cfg); });
        if (nonNumber(text))
            fail(d, "report contains a non-number:\n" + text);
    }
    if (d.core) {
        completesOrCalcError(d, "core", [&] {
            const auto [En, Bn] = d.core(state);
            (void)En;
            (void)Bn;
        });
    }
    return 0;
}
