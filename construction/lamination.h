#pragma once
// Catalogue of standard scrapless E/I laminations, the geometry every one of
// them follows from its centre-leg (tongue) width a, and the U/I core given
// by its leg width and window.
#include "shown_text.h"

#include <span>
#include <string>
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
// `coils` is the number of coils the window is shared by (the E's one coil
// on its centre leg fills each window's width; the U/I's two coils, one on
// each leg, share its one window), `joints` the butt joints the flux path
// crosses.
struct LaminationGeometry {
    double windowWidth, windowHeight;
    double outlineWidth, outlineHeight;
    double pathMm;
    int coils = 1;
    int joints = 2;
    // The window width one coil may take, mm.
    double coilWidth() const { return windowWidth / coils; }
};
LaminationGeometry geometryOf(double a);

// Iron of a stack b mm high with stacking factor ks, g: 7.65 g/cm^3 * ks * 6 a^2 b.
double ironMassG(double a, double b, double ks);

// The shape families of laminated cores the construction analyses.
enum class CoreFamily {
    ScraplessEI, // E/I punched without waste: everything follows from a
    UI,          // U and I: leg width a, window c x h
};

// A core as the analysis, the drawings and the winding sheet take it: the
// leg width a (the E's centre leg, or each leg of the U; the tab's Bn), the
// stack b (En) and, for U/I, the window's width c and height h; mm.
struct Core {
    double a = 0, b = 0;
    CoreFamily family = CoreFamily::ScraplessEI;
    double c = 0, h = 0; // U/I only
};
Core eiCore(double a, double b);
// A U/I core; a window width or height of 0 (not given) takes the scrapless
// proportion, c = a and h = 3a.
Core uiCore(double a, double b, double c = 0, double h = 0);

// Window, outline (the U and the I together, (c + 2a) x (h + 2a)), mean path
// 2c + 2h + 4a and the coils of either family.
LaminationGeometry geometryOf(const Core& core);
// Iron of the core with stacking factor ks, g: 7.65 g/cm^3 * ks * b times the
// face of the laminations (E/I 6a^2; U/I (c + 2a)(h + 2a) - c h).
double ironMassG(const Core& core, double ks);

// The scrapless U/I cores the adviser tries, legs of 10 to 64 mm in whole
// millimetres, named "UI a = 10 mm" ... (never an E/I catalogue name); their
// stacks are those of stacksOf().
std::span<const Lamination> uiLaminations();

// What the construction window says of a core: laminationText() of an E/I;
// "UI a = 25 mm" of a scrapless U/I, "U/I, janela 30 × 80 mm" of another
// (numbers in the general format with the given separator).
std::string coreCatalogueText(const Core& core, char decimalSeparator);
// The same as a message; none for a catalogue lamination's name.
ShownText coreCatalogueWords(const Core& core, char decimalSeparator);

} // namespace kelvora::construction
