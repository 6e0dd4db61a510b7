// Every design under arbitrary input: each input control of the tab (and the
// settings tab's current density) gets fuzzed text or a fuzzed choice, then
// the tab is shown and its report made. Either finishes or raises CalcError;
// no control and no report ever reads "INF" or "NAN".
#include "ajustes.h"
#include "calc_error.h"
#include "designs.h"
#include "fuzz_input.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace kelvora;
using namespace kelvora::fuzz;

namespace {

[[noreturn]] void fail(const Design& d, const std::string& what)
{
    std::fprintf(stderr, "fuzz_design: %s: %s\n", d.name.c_str(), what.c_str());
    std::abort();
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
    DesignResults state;
    // The tab is shown once with its initial texts, as at start-up, then
    // recalculated with the user's input in the state that run left.
    completesOrCalcError(d, "show (initial)",
                         [&] { d.show(tab, state, settingsFrom(ajustes, separator)); });
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
