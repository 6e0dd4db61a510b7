#pragma once
// The data the construction analysis stands on: enamelled wire, steel
// grades, rectifier loads and insulation classes. Each table names its source
// beside it in construction_data.cpp.
#include <span>

namespace kelvora::construction {

// ---------------------------------------------------------------- copper

// Bare diameter of AWG n, mm: 0.127 * 92^((36 - n)/39) (ASTM B258).
double awgBareDiameter(int awg);
// Overall (maximum) diameter of enamelled AWG n of grade 1 or 2, mm; beyond
// the table's AWG 10-40 the enamel of the nearest end is added to the bare wire.
double awgOverallDiameter(int awg, int grade);

inline constexpr double CopperResistivity20 = 1.0 / 58.0; // ohm mm^2 / m at 20 °C
inline constexpr double CopperAlpha = 0.00393;            // 1/K
inline constexpr double CopperDensity = 8.89;             // g/cm^3

// --------------------------------------------------------------- steel

struct SteelGrade {
    const char* name; // EN 10106 name, e.g. "M400-50A"
    const char* key;  // the name in lower case, as files and the command line may give it
    double p15;       // guaranteed loss at 1.5 T, 50 Hz, W/kg
};
std::span<const SteelGrade> steelGrades();
inline constexpr double SteelDensity = 7.65; // g/cm^3
inline constexpr int DefaultSteel = 4;       // "M800-50A": old or unknown iron

// ---------------------------------------------------------- secondary loads

struct Load {
    const char* name; // item of CBCoRet1-6
    const char* key;  // stable ASCII name of the item, e.g. "bridge-capacitor"
    double k;         // DC load current over the winding's rms current
};
std::span<const Load> loads();

// ----------------------------------------------------- insulation classes

struct InsulationClass {
    const char* name; // item of CBCoClasse, e.g. "A (105 °C)"
    const char* key;  // the class letter in lower case, e.g. "a"
    double limitC;    // hottest-spot temperature, °C
};
std::span<const InsulationClass> insulationClasses();

} // namespace kelvora::construction
