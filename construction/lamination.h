#pragma once
// Catalogue of standard scrapless E/I laminations, and the geometry every
// one of them follows from its centre-leg (tongue) width a.
#include <span>
#include <string_view>
#include <vector>

namespace kelvora::construction {

struct Lamination {
    std::string_view name; // "EI 96" (metric) or "EI-75 (3/4\")" (US)
    double a;              // tongue width, mm
    bool inch;             // US size: its stacks include the usual fractions of a
};

// Every catalogue size, metric sizes first, each series from the smallest tongue.
std::span<const Lamination> laminations();

// The catalogue size whose tongue is `bn` mm (within 0.01 mm, the nearest
// one), or null when it is not one of them.
const Lamination* laminationOf(double bn);

// What the construction window says of the tab's Bn: the lamination's name,
// or "lâmina fora do catálogo".
std::string_view laminationText(double bn);

// The stacks tried with a lamination, mm, ascending: every whole millimetre
// from a to 2.5 a; for US sizes also the exact a, 1.25 a, 1.5 a and 2 a.
std::vector<double> stacksOf(const Lamination& l);

// Scrapless E/I from the tongue width a, mm: the two windows are a/2 wide
// and 1.5 a high, the outline 3a x 2.5a, the mean magnetic path 6a.
struct LaminationGeometry {
    double windowWidth, windowHeight;
    double outlineWidth, outlineHeight;
    double pathMm;
};
LaminationGeometry geometryOf(double a);

// Iron of a stack b mm high with stacking factor ks, g: 7.65 g/cm^3 * ks * 6 a^2 b.
double ironMassG(double a, double b, double ks);

} // namespace kelvora::construction
