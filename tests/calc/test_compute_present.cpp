// Splitting each design into compute and present must not change one
// character of what a tab shows: random typing, run as the window runs it
// (errors included), gives sheets whose digests were recorded from the
// calculations before the split, when both were compared control by control
// on 5000 sessions per design.
#include "designs.h"
#include "recalculation.h"
#include "sheet_digest.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

using namespace kelvora;
using namespace kelvora::testing;

namespace {

constexpr int Cases = 300;
constexpr int Steps = 4;
const char* const DesignNames[] = {"trafo-alimentacao", "modulador-valvulado",
                                   "modulador-transistorizado", "reator-filtro"};

// Runs `Cases` random typing sessions on the design's tab, each on a fresh
// tab and fresh records, as showing the tab runs it. Returns one digest per run.
std::vector<std::uint64_t> session(const Design& d, int designIndex)
{
    std::vector<std::uint64_t> digests;
    for (int c = 0; c < Cases; ++c) {
        std::mt19937_64 rng(0x6b656c766f7261ull + 1000 * designIndex + c);
        Sheet tab(d.controls);
        DesignResults r;
        const char separator = rng() % 4 == 0 ? '.' : ',';
        for (int step = 0; step < Steps; ++step) {
            for (std::uint64_t edits = 1 + rng() % 3; edits > 0; --edits)
                randomEdit(tab, rng);
            const Settings cfg{separator, randomSigma(rng)};
            const std::string error = runCalculation(tab, d.outputs, [&] {
                                          d.show(tab, r, cfg);
                                      }).value_or("");
            digests.push_back(digest(tab, error));
        }
    }
    return digests;
}

std::map<std::string, std::vector<std::uint64_t>> recordedDigests()
{
    std::map<std::string, std::vector<std::uint64_t>> m;
    std::ifstream in(KELVORA_SHEET_DIGESTS);
    std::string name, hex;
    while (in >> name >> hex)
        m[name].push_back(std::stoull(hex, nullptr, 16));
    return m;
}

} // namespace

TEST(ComputeThenPresent, RandomTypingGivesTheRecordedSheets)
{
    const auto recorded = recordedDigests();
    for (int i = 0; i < int(std::size(DesignNames)); ++i) {
        SCOPED_TRACE(DesignNames[i]);
        const Design* d = findDesign(DesignNames[i]);
        ASSERT_TRUE(d);
        const std::vector<std::uint64_t> got = session(*d, i);
        const auto it = recorded.find(DesignNames[i]);
        ASSERT_NE(it, recorded.end()) << "no digests recorded in " KELVORA_SHEET_DIGESTS;
        ASSERT_EQ(got.size(), it->second.size());
        for (std::size_t k = 0; k < got.size(); ++k)
            ASSERT_EQ(got[k], it->second[k])
                << "case " << k / Steps << ", run " << k % Steps << " differs";
    }
}
