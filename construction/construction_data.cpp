#include "construction_data.h"

#include "shown_text.h"

#include <algorithm>
#include <cmath>

namespace kelvora::construction {

namespace {

// Overall diameter of enamelled round copper, AWG 10-40, grade 1 and grade 2,
// mm: the NEMA MW 1000 maxima as published in the OpenMagnetics MAS wire
// data (Apache-2.0).
struct Enamelled {
    double grade1, grade2;
};
constexpr Enamelled Overall[] = {
    {2.634, 2.677}, // 10
    {2.350, 2.393}, // 11
    {2.096, 2.139}, // 12
    {1.872, 1.915}, // 13
    {1.674, 1.715}, // 14
    {1.491, 1.532}, // 15
    {1.331, 1.369}, // 16
    {1.191, 1.224}, // 17
    {1.062, 1.095}, // 18
    {0.947, 0.980}, // 19
    {0.851, 0.879}, // 20
    {0.757, 0.787}, // 21
    {0.676, 0.701}, // 22
    {0.607, 0.632}, // 23
    {0.551, 0.577}, // 24
    {0.493, 0.516}, // 25
    {0.439, 0.462}, // 26
    {0.396, 0.417}, // 27
    {0.356, 0.373}, // 28
    {0.320, 0.338}, // 29
    {0.284, 0.302}, // 30
    {0.254, 0.274}, // 31
    {0.231, 0.249}, // 32
    {0.206, 0.224}, // 33
    {0.183, 0.198}, // 34
    {0.163, 0.178}, // 35
    {0.147, 0.160}, // 36
    {0.132, 0.145}, // 37
    {0.119, 0.130}, // 38
    {0.104, 0.114}, // 39
    {0.094, 0.102}, // 40
};
constexpr int FirstAwg = 10, LastAwg = 40;

// Guaranteed specific loss at 1.5 T and 50 Hz of non-oriented electrical
// steel, EN 10106 (the grade's name carries it: M400-50A is 4.00 W/kg, 0.50 mm).
constexpr SteelGrade Steels[] = {
    {"M270-35A", "m270-35a", 2.70}, {"M330-35A", "m330-35a", 3.30}, {"M400-50A", "m400-50a", 4.00},
    {"M530-50A", "m530-50a", 5.30}, {"M800-50A", "m800-50a", 8.00},
};

// Rectifier loads: DC load current over the winding's rms current (Hammond
// Manufacturing, "Design guide for rectifier use"). A resistive AC load has
// the typed current as its rms current.
constexpr Load Loads[] = {
    {KELVORA_SHOWN("Item", "CA (carga resistiva)"), "ac-resistive", 1.0},
    {KELVORA_SHOWN("Item", "Onda completa c/ derivação central, entrada capacitiva"),
     "full-wave-ct-capacitor", 1.00},
    {KELVORA_SHOWN("Item", "Onda completa c/ derivação central, entrada por choque"),
     "full-wave-ct-choke", 1.54},
    {KELVORA_SHOWN("Item", "Ponte, entrada capacitiva"), "bridge-capacitor", 0.62},
    {KELVORA_SHOWN("Item", "Ponte, entrada por choque"), "bridge-choke", 0.94},
    {KELVORA_SHOWN("Item", "Meia onda, entrada capacitiva"), "half-wave-capacitor", 0.28},
};

// Thermal classes of electrical insulation and their hottest-spot limits
// (IEC 60085).
constexpr InsulationClass Classes[] = {
    {"A (105 °C)", "a", 105}, {"E (120 °C)", "e", 120}, {"B (130 °C)", "b", 130},
    {"F (155 °C)", "f", 155}, {"H (180 °C)", "h", 180},
};

} // namespace

double awgBareDiameter(int awg) { return 0.127 * std::pow(92.0, (36.0 - awg) / 39.0); }

double awgOverallDiameter(int awg, int grade)
{
    const int n = std::clamp(awg, FirstAwg, LastAwg);
    const Enamelled& e = Overall[n - FirstAwg];
    const double od = grade == 1 ? e.grade1 : e.grade2;
    if (n == awg)
        return od;
    // Outside the table the enamel build of its nearest end is kept.
    return awgBareDiameter(awg) + (od - awgBareDiameter(n));
}

std::span<const SteelGrade> steelGrades() { return Steels; }
std::span<const Load> loads() { return Loads; }
std::span<const InsulationClass> insulationClasses() { return Classes; }

} // namespace kelvora::construction
