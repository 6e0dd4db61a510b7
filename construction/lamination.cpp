#include "lamination.h"

#include "construction_data.h"
#include "numbers.h"
#include "shown_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace kelvora::construction {

namespace {

// Scrapless E/I laminations: the E and the I of two parts are punched from
// one strip with no waste, which fixes every dimension from the tongue width a
// (McLyman, Transformer and Inductor Design Handbook, ch. 3).
//  - Metric series (IEC 60740-1, formerly DIN 41302): named by the outline
//    width in mm, so a is a third of the number.
//  - US series (the EI lamination catalogues of the American makers): named
//    by the tongue width in hundredths of an inch, "EI-75" being 3/4".
// "EI 75" (25 mm tongue) and "EI-75 (3/4\")" (19.05 mm), like "EI 150" and
// "EI-150 (1 1/2\")", are different cores: the names keep the space or the
// hyphen and the inch fraction so that they cannot be taken for each other.
constexpr Lamination Catalogue[] = {
    {"EI 30", 10, false},
    {"EI 42", 14, false},
    {"EI 48", 16, false},
    {"EI 54", 18, false},
    {"EI 60", 20, false},
    {"EI 66", 22, false},
    {"EI 75", 25, false},
    {"EI 84", 28, false},
    {"EI 96", 32, false},
    {"EI 105", 35, false},
    {"EI 120", 40, false},
    {"EI 150", 50, false},
    {"EI 171", 57, false},
    {"EI 192", 64, false},
    {"EI-75 (3/4\")", 19.05, true},
    {"EI-100 (1\")", 25.4, true},
    {"EI-112 (1 1/8\")", 28.575, true},
    {"EI-125 (1 1/4\")", 31.75, true},
    {"EI-138 (1 3/8\")", 34.925, true},
    {"EI-150 (1 1/2\")", 38.1, true},
    {"EI-175 (1 3/4\")", 44.45, true},
    {"EI-225 (2 1/4\")", 57.15, true},
};

// A tongue typed with two decimals is taken as the catalogue's (the closest
// two sizes, EI 105 and EI-138, are 0.075 mm apart).
constexpr double MatchTolerance = 0.01;

} // namespace

std::span<const Lamination> laminations() { return Catalogue; }

const Lamination* laminationOf(double bn)
{
    const Lamination* best = nullptr;
    double nearest = MatchTolerance;
    for (const Lamination& l : Catalogue) {
        const double d = std::fabs(bn - l.a);
        if (d <= nearest) {
            nearest = d;
            best = &l;
        }
    }
    return best;
}

std::string_view laminationText(double bn)
{
    const Lamination* l = laminationOf(bn);
    return l ? l->name : "lâmina fora do catálogo";
}

std::vector<double> stacksOf(const Lamination& l)
{
    std::vector<double> v;
    // Whole millimetres; a rounding error of the product never drops an end.
    const int first = int(std::ceil(l.a - 1e-9)), last = int(std::floor(2.5 * l.a + 1e-9));
    for (int b = first; b <= last; ++b)
        v.push_back(b);
    if (l.inch) {
        // Kept to the micrometre, so that 1.5 x 19.05 is 28.575 and not 28.575000000000003.
        for (double f : {1.0, 1.25, 1.5, 2.0})
            v.push_back(std::round(f * l.a * 1e6) / 1e6);
        std::sort(v.begin(), v.end());
        v.erase(std::unique(v.begin(), v.end()), v.end());
    }
    return v;
}

LaminationGeometry geometryOf(double a) { return {a / 2, 1.5 * a, 3 * a, 2.5 * a, 6 * a}; }

double ironMassG(double a, double b, double ks)
{
    const double acm = a / 10, bcm = b / 10;
    return SteelDensity * ks * 6 * acm * acm * bcm;
}

Core eiCore(double a, double b) { return {a, b, CoreFamily::ScraplessEI, a / 2, 1.5 * a}; }

// Scrapless U/I: the I, (c + 2a) long and a wide, is punched from the U's
// window, so c = a and h = 3a.
Core uiCore(double a, double b, double c, double h)
{
    return {a, b, CoreFamily::UI, c > 0 ? c : a, h > 0 ? h : 3 * a};
}

LaminationGeometry geometryOf(const Core& k)
{
    if (k.family == CoreFamily::ScraplessEI)
        return geometryOf(k.a);
    // The centre line of the iron runs a/2 inside the outline on every side:
    // 2 (c + a) + 2 (h + a). Each U leg butts on the I: two joints on the path.
    return {.windowWidth = k.c,
            .windowHeight = k.h,
            .outlineWidth = k.c + 2 * k.a,
            .outlineHeight = k.h + 2 * k.a,
            .pathMm = 2 * k.c + 2 * k.h + 4 * k.a,
            .coils = 2,
            .joints = 2};
}

double ironMassG(const Core& k, double ks)
{
    if (k.family == CoreFamily::ScraplessEI)
        return ironMassG(k.a, k.b, ks);
    const LaminationGeometry g = geometryOf(k);
    const double faceCm2 = (g.outlineWidth * g.outlineHeight - k.c * k.h) / 100;
    return SteelDensity * ks * faceCm2 * (k.b / 10);
}

std::span<const Lamination> uiLaminations()
{
    constexpr int First = 10, Last = 64;
    static const std::array<std::string, Last - First + 1> names = [] {
        std::array<std::string, Last - First + 1> n;
        for (int a = First; a <= Last; ++a)
            n[std::size_t(a - First)] = "UI a = " + std::to_string(a) + " mm";
        return n;
    }();
    static const std::array<Lamination, Last - First + 1> cores = [] {
        std::array<Lamination, Last - First + 1> c;
        for (int a = First; a <= Last; ++a)
            c[std::size_t(a - First)] = {names[std::size_t(a - First)], double(a), false};
        return c;
    }();
    return cores;
}

} // namespace kelvora::construction

namespace kelvora::construction {

ShownText coreCatalogueWords(const Core& k, char separator)
{
    if (k.family == CoreFamily::ScraplessEI) {
        if (laminationOf(k.a))
            return {}; // a catalogue name reads the same in any language
        return say(KELVORA_WORDS("Construction", "lâmina fora do catálogo"));
    }
    if (k.c == k.a && k.h == 3 * k.a)
        return say(KELVORA_WORDS("Construction", "UI a = %1 mm"), {general(k.a, separator)});
    return say(KELVORA_WORDS("Construction", "U/I, janela %1 × %2 mm"),
               {general(k.c, separator), general(k.h, separator)});
}

std::string coreCatalogueText(const Core& k, char separator)
{
    const ShownText m = coreCatalogueWords(k, separator);
    return m.empty() ? std::string(laminationText(k.a)) : portuguese(m);
}

} // namespace kelvora::construction
