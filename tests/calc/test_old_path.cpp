// Temporary: the old calculations beside the new, sheet by sheet.
#include "designs.h"
#include "recalculation.h"
#include "sheet_digest.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iomanip>

#include "old_path.h"

using namespace kelvora;
using namespace kelvora::testing;

namespace {

constexpr int Cases = 300;
constexpr int Steps = 4;

void oldShow(int design, Sheet& tab, oldpath::CalcState& s, const Settings& cfg)
{
    switch (design) {
    case 0:
        oldpath::p0::TAEnrolamentos(tab, s);
        oldpath::p0::CalculaTrafoAlim(tab, s, cfg);
        break;
    case 1:
        oldpath::p1::SelConfigTM(tab, s);
        oldpath::p1::CalculaTrafoMod(tab, s, cfg);
        break;
    case 2:
        oldpath::p2::CalculaTrafoModTrans(tab, s, cfg);
        break;
    case 3:
        oldpath::p3::CalcReatorFiltro(tab, s, cfg);
        break;
    }
}

} // namespace

TEST(OldPath, SheetsAreEqualControlByControl)
{
    const char* const names[] = {"trafo-alimentacao", "modulador-valvulado",
                                 "modulador-transistorizado", "reator-filtro"};
    const char* out = std::getenv("KELVORA_WRITE_SHEET_DIGESTS");
    std::ofstream digests;
    if (out)
        digests.open(out);
    for (int i = 0; i < 4; ++i) {
        const Design& d = *findDesign(names[i]);
        for (int c = 0; c < Cases; ++c) {
            std::mt19937_64 rngA(0x6b656c766f7261ull + 1000 * i + c);
            std::mt19937_64 rngB = rngA;
            Sheet a(d.controls), b(d.controls);
            DesignResults r;
            oldpath::CalcState s;
            const char sepA = rngA() % 4 == 0 ? '.' : ',';
            const char sepB = rngB() % 4 == 0 ? '.' : ',';
            for (int step = 0; step < Steps; ++step) {
                for (std::uint64_t e = 1 + rngA() % 3; e > 0; --e)
                    randomEdit(a, rngA);
                for (std::uint64_t e = 1 + rngB() % 3; e > 0; --e)
                    randomEdit(b, rngB);
                const Settings cfgA{sepA, randomSigma(rngA)};
                const Settings cfgB{sepB, randomSigma(rngB)};
                const std::string ea =
                    runCalculation(a, d.outputs, [&] { d.show(a, r, cfgA); }).value_or("");
                const std::string eb =
                    runCalculation(b, d.outputs, [&] { oldShow(i, b, s, cfgB); }).value_or("");
                ASSERT_EQ(ea, eb) << names[i] << " case " << c << " step " << step;
                for (const std::string& n : a.names()) {
                    const Control& x = a[n];
                    const Control& y = b[n];
                    ASSERT_TRUE(x.text == y.text && x.background == y.background
                                && x.font == y.font && x.visible == y.visible && x.top == y.top
                                && x.height == y.height && x.checked == y.checked
                                && x.itemIndex == y.itemIndex && x.substituted == y.substituted)
                        << names[i] << " case " << c << " step " << step << " control " << n
                        << ": new '" << x.text << "' bg " << int(x.background) << " font "
                        << int(x.font) << " sub " << x.substituted << " / old '" << y.text
                        << "' bg " << int(y.background) << " font " << int(y.font) << " sub "
                        << y.substituted;
                }
                if (out)
                    digests << names[i] << ' ' << std::hex << digest(b, eb) << std::dec << '\n';
            }
        }
    }
}
