#include "steel_curves.h"

#include "construction_data.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>

namespace kelvora::construction {

namespace {

// Peak flux densities of the published points, T.
constexpr double CurveB[] = {0.5, 0.8, 1.0, 1.1, 1.2, 1.3, 1.4, 1.5, 1.6, 1.7};
constexpr int Points = int(std::size(CurveB));

// Peak field strength H (A/m) at those flux densities, 50 Hz, sinusoidal B,
// one row per grade in the order of steelGrades().
//   M270-35A: Cogent Surahammars Bruks, "Typical data for SURA M270-35A" (2008).
//   M330-35A: no 0.35 mm curve is published; the 0.50 mm M330-50A of
//             voestalpine isovac stands in (the nearest grade).
//   M400-50A, M530-50A, M800-50A: voestalpine isovac measured J(H) "@50 Hz"
//             (as carried by the Modelica Standard Library, SoftMagnetic.SSEE),
//             H at B = J + mu0 H with J taken piecewise-linear in ln H.
constexpr double CurveH[][Points] = {
    {58, 83, 112, 136, 178, 272, 596, 1700, 3880, 7160},  // M270-35A
    {67, 89, 114, 134, 169, 245, 481, 1337, 3316, 6645},  // M330-35A (M330-50A)
    {77, 99, 121, 139, 168, 228, 411, 1124, 2988, 6181},  // M400-50A
    {95, 116, 135, 148, 173, 228, 367, 896, 2584, 5647},  // M530-50A
    {133, 155, 174, 192, 219, 263, 358, 645, 1630, 3999}, // M800-50A
};
static_assert(std::size(CurveH) == 5, "one curve per steel grade");

constexpr double Mu0 = 4e-7 * std::numbers::pi;

} // namespace

PeakField peakField(int steel, double bTesla)
{
    const int grade = steel >= 0 && steel < int(std::size(CurveH)) ? steel : DefaultSteel;
    const double* h = CurveH[grade];
    const double b = std::fabs(bTesla);
    if (b < CurveB[0]) // the initial curve is near enough a straight line
        return {h[0] * b / CurveB[0], false};

    // The segment b lies on; beyond the last point, the last segment.
    int i = 0;
    while (i < Points - 2 && b > CurveB[i + 1])
        ++i;
    const double slope = std::log(h[i + 1] / h[i]) / (CurveB[i + 1] - CurveB[i]);
    const double lnH = std::log(h[i]) + slope * (b - CurveB[i]);
    // No steel needs more field than air for the same flux (its polarisation
    // is never negative): the straight-line extrapolation of ln H is held
    // there, which it reaches only far into saturation (about 2.3 T).
    const double hAm = std::min(std::exp(std::min(lnH, 700.0)), b / Mu0);
    return {hAm, b > CurveB[Points - 1]};
}

} // namespace kelvora::construction
