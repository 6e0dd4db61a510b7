#pragma once
// Magnetisation curves of the steel grades: the peak field strength a
// lamination needs for a peak flux density at 50 Hz.
namespace kelvora::construction {

struct PeakField {
    double hAm = 0;           // peak field strength, A/m
    bool beyondCurve = false; // the flux lies above the last published point (1.7 T)
};

// Peak field strength of grade `steel` (index into steelGrades()) at the peak
// flux density `bTesla`: ln H linear in B between the published points, the
// last segment's slope beyond 1.7 T, and H proportional to B below 0.5 T.
PeakField peakField(int steel, double bTesla);

} // namespace kelvora::construction
