#pragma once
// Random typing on a design's tab, and a digest of every control's state, for
// the property that computing then presenting gives the tab its exact sheet.
#include "sheet.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace kelvora::testing {

// FNV-1a over every property of every control, in the tab's order, then the
// run's error message.
inline std::uint64_t digest(const Sheet& tab, const std::string& error)
{
    std::uint64_t h = 1469598103934665603ull;
    auto add = [&](const void* p, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) {
            h ^= static_cast<const unsigned char*>(p)[i];
            h *= 1099511628211ull;
        }
    };
    auto addInt = [&](long long v) { add(&v, sizeof v); };
    for (const std::string& name : tab.names()) {
        const Control& c = tab[name];
        add(name.data(), name.size());
        add(c.text.data(), c.text.size());
        addInt(c.text.size());
        addInt(int(c.background));
        addInt(int(c.font));
        addInt(c.visible);
        addInt(c.top);
        addInt(c.height);
        addInt(c.checked);
        addInt(c.itemIndex);
        addInt(c.substituted);
    }
    add(error.data(), error.size());
    return h;
}

// Texts a user may leave in a field: numbers of every size in both
// separators, blanks, words, values past float's range.
inline std::string randomText(std::mt19937_64& rng)
{
    static const char* const pool[] = {"0",     "1",     "-5",     "12",    "400", "5000", "0,5",
                                       "0.5",   "1e3",   "3,5e2",  "abc",   "",    " 7 ",  "1e38",
                                       "1e-30", "99999", "-0",     "10000", "2,5", "60",   "500000",
                                       "0,001", "-120",  "3,9e38", "1,5",   "220", "36"};
    const std::uint64_t pick = rng() % 3;
    if (pick == 0)
        return pool[rng() % (sizeof pool / sizeof *pool)];
    if (pick == 1)
        return std::to_string(rng() % 20000);
    return std::to_string(rng() % 2000) + "," + std::to_string(rng() % 1000);
}

// One random edit of an input control: a text typed, a list item chosen, a
// radio button clicked (its group's others cleared).
inline void randomEdit(Sheet& tab, std::mt19937_64& rng)
{
    std::vector<std::string> inputs;
    for (const std::string& name : tab.names())
        if (tab.spec(name).input)
            inputs.push_back(name);
    const std::string& name = inputs[rng() % inputs.size()];
    const ControlSpec& spec = tab.spec(name);
    Control& c = tab[name];
    switch (spec.kind) {
    case Kind::Edit:
        c.text = randomText(rng);
        break;
    case Kind::Combo:
        if (rng() % 4 == 0) {
            c.text = randomText(rng);
            c.itemIndex = itemIndexOf(spec, c.text);
        } else {
            c.itemIndex = int(rng() % spec.items.size());
            c.text = spec.items[c.itemIndex];
        }
        break;
    case Kind::List:
        c.itemIndex = int(rng() % (spec.items.size() + 1)) - (rng() % 8 == 0 ? 1 : 0);
        if (c.itemIndex >= int(spec.items.size()))
            c.itemIndex = int(spec.items.size()) - 1;
        c.text = c.itemIndex >= 0 ? spec.items[c.itemIndex] : std::string();
        break;
    case Kind::Radio:
        for (const std::string& other : tab.names())
            if (tab.spec(other).kind == Kind::Radio && tab.spec(other).group == spec.group)
                tab[other].checked = false;
        c.checked = rng() % 8 != 0; // now and then none of the group
        break;
    default:
        break;
    }
}

inline std::string randomSigma(std::mt19937_64& rng)
{
    static const char* const sigma[] = {"3", "3", "3", "2", "4", "5", "abc", "0", ""};
    return sigma[rng() % (sizeof sigma / sizeof *sigma)];
}

} // namespace kelvora::testing
