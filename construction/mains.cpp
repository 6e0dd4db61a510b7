#include "mains.h"

#include "construction.h"
#include "construction_data.h"
#include "steel_curves.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <span>

namespace kelvora::construction {

namespace {

constexpr double Mu0 = 4e-7 * std::numbers::pi;
constexpr double GaussPerTesla = 1e4;
// The flux of an E-I stack crosses the E-I interface twice: at the centre leg
// and at one outer leg.
constexpr int JointsOnPath = 2;
// A slow-blow fuse carries the inrush and the magnetising peaks at 1.5 times
// the full-load current.
constexpr double FuseFactor = 1.5;

// Rated currents of miniature time-lag fuses, A: the R10 steps of IEC 60127-2.
constexpr double FuseSeries[] = {0.05, 0.063, 0.08, 0.1, 0.125, 0.16, 0.2,  0.25, 0.315,
                                 0.4,  0.5,   0.63, 0.8, 1,     1.25, 1.6,  2,    2.5,
                                 3.15, 4,     5,    6.3, 8,     10,   12.5, 16};

// IEC 61558-1 figures (overvoltage category II, pollution degree 2, material
// group IIIa), as transcribed in the OpenMagnetics MKF insulation data
// (IEC_61558-1.json, tables 14, 20, 21 and 22). Each row holds up to and
// including its voltage (V rms).
struct Row {
    double upToV;
    double basic, reinforced;
};
// Table 14: dielectric test voltage for one minute, V rms.
constexpr Row TestVoltage[] = {{50, 250, 500},     {100, 500, 1000},  {150, 1250, 2500},
                               {300, 1500, 3000},  {600, 2100, 4200}, {1000, 2500, 5000}};
// Table 20: clearance through air, mm.
constexpr Row Clearance[] = {{150, 0.5, 1.5}, {300, 1.5, 3.0}, {600, 3.0, 5.5}, {1000, 5.5, 8.0}};
// Table 21: creepage distance along the surface, mm.
constexpr Row Creepage[] = {{150, 1.6, 3.0}, {300, 3.0, 6.0}, {600, 6.0, 12}, {1000, 10, 20}};
// Table 22: distance through insulation in thin layers (sheet), mm; the basic
// column is the supplementary insulation's.
constexpr Row ThroughInsulation[] = {
    {150, 0.08, 0.15}, {300, 0.15, 0.3}, {600, 0.2, 0.4}, {1000, 0.25, 0.5}};
constexpr double TableTopV = 1000;

// The row of the least voltage at or above u (u within the table).
const Row& rowFor(std::span<const Row> table, double u)
{
    for (const Row& r : table)
        if (u <= r.upToV)
            return r;
    return table.back();
}

double pick(const Row& r, bool reinforced) { return reinforced ? r.reinforced : r.basic; }

// Iron loss at peak flux b (T), the same law as the construction analysis:
// the grade's 1.5 T, 50 Hz loss scaled with B^2 and f^1.3, times the building factor.
double ironLoss(const Analysis& a, const ConstructionSettings& set, double b)
{
    const double p = steelGrades()[std::size_t(set.steel)].p15 * (b / 1.5) * (b / 1.5)
                     * std::pow(a.frequencyHz / 50, 1.3);
    return p * a.mFeG / 1000 * set.kbf;
}

double rmsOf(const AmpereTurns& f, double turns)
{
    return (f.iron + f.joints) / (turns * std::numbers::sqrt2);
}

} // namespace

std::optional<double> fuseFor(double amps)
{
    // Rounding cannot push a current that sits on a rating to the next one.
    for (double rating : FuseSeries)
        if (amps <= rating * (1 + 1e-9))
            return rating;
    return std::nullopt;
}

InsulationRow insulationFor(double workingV, bool reinforced)
{
    InsulationRow r;
    r.workingV = workingV;
    if (!(workingV <= TableTopV)) {
        r.aboveTable = true;
        return r;
    }
    r.testV = pick(rowFor(TestVoltage, workingV), reinforced);
    r.clearanceMm = pick(rowFor(Clearance, workingV), reinforced);
    r.creepageMm = pick(rowFor(Creepage, workingV), reinforced);
    if (reinforced)
        r.throughMm = rowFor(ThroughInsulation, workingV).reinforced;
    return r;
}

AmpereTurns magnetisingAmpereTurns(const Analysis& a, const ConstructionSettings& set, double b)
{
    // Ampere's law round the mean path, N I_peak = H(B) l_e + B l_g / mu0: the
    // joints are air gaps in series with the iron (each of ECoJunta).
    const PeakField h = peakField(set.steel, b);
    const double gap = JointsOnPath * set.jointMm / 1000;
    return {h.hAm * a.pathMm / 1000, std::fabs(b) * gap / Mu0, h.beyondCurve};
}

double magnetisingCurrent(const Analysis& a, const ConstructionSettings& set, double volts)
{
    // The flux follows the voltage (V = 4.44 f N B A).
    const double b = a.bPeakGauss / GaussPerTesla * volts / a.primaryVolts;
    return rmsOf(magnetisingAmpereTurns(a, set, b), a.primaryTurns);
}

MainsChecks checkMains(const Analysis& a, const ConstructionSettings& set)
{
    MainsChecks m;
    m.tolerancePct = set.lineTolerancePct;
    const double high = 1 + m.tolerancePct / 100;

    // 1. Flux at the nominal and at the high line.
    const double b = a.bPeakGauss / GaussPerTesla;
    m.bGauss = a.bPeakGauss;
    m.bHighGauss = a.bPeakGauss * high;

    // 2. Magnetising current at both (a sinusoidal estimate: near the knee
    // the real current is more peaked), against the full-load current.
    const AmpereTurns nominal = magnetisingAmpereTurns(a, set, b);
    const AmpereTurns atHigh = magnetisingAmpereTurns(a, set, b * high);
    m.iMagA = rmsOf(nominal, a.primaryTurns);
    m.iMagHighA = rmsOf(atHigh, a.primaryTurns);
    if (a.primaryAmps > 0) {
        m.iMagPct = m.iMagA / a.primaryAmps * 100;
        m.iMagHighPct = m.iMagHighA / a.primaryAmps * 100;
    }
    if (nominal.beyondCurve || atHigh.beyondCurve) {
        const ShownText note = say(KELVORA_WORDS("Construction", "indução acima da curva do aço"));
        m.notes.push_back(portuguese(note));
        m.noteWords.push_back(note);
    }

    // 3. No-load loss: the iron's at each flux.
    m.p0W = ironLoss(a, set, b);
    m.p0HighW = ironLoss(a, set, b * high);

    // 4. Fuse. Two halves in series on twice the voltage draw half the current.
    m.halves = a.primaryHalves;
    m.fuseA = fuseFor(FuseFactor * a.primaryAmps);
    if (m.halves)
        m.fuseSeriesA = fuseFor(FuseFactor * a.primaryAmps / 2);

    // 5. Insulation between the primary and each wound secondary. The two
    // circuits are taken as floating, so the working voltage is the sum of
    // both at the high line; two primary halves may be in series on twice
    // the voltage.
    m.reinforced = set.insulation == 1;
    const double primaryV = (m.halves ? 2 : 1) * std::fabs(a.primaryVolts);
    for (const Winding& w : a.windings) {
        if (!w.vNl || !(w.turns > 0))
            continue;
        InsulationRow row = insulationFor((primaryV + std::fabs(*w.vNl)) * high, m.reinforced);
        row.secondary = w.name;
        row.secondaryWords = w.nameWords;
        m.insulation.push_back(std::move(row));
    }
    return m;
}

void addMainsChecks(Analysis& a, const ConstructionSettings& set, char separator)
{
    MainsChecks m = checkMains(a, set);
    auto add = [&](VerdictKind kind, VerdictCase which, bool good, double x, double y, double z) {
        ShownText words = verdictWords(which, x, separator, y, z);
        std::string text = portuguese(words);
        a.verdicts.push_back({kind, which, x, good, std::move(text), y, z, std::move(words)});
    };
    if (m.iMagHighPct) {
        const bool good = *m.iMagHighPct <= set.noLoadMaxPct;
        add(VerdictKind::NoLoad, good ? VerdictCase::NoLoadGood : VerdictCase::NoLoadBad, good,
            m.iMagHighA, *m.iMagHighPct, 0);
    }
    if (m.reinforced && !m.insulation.empty()) {
        // The most demanding secondary: above the table, else the thickest
        // insulation asked for (the higher voltage on a tie).
        const InsulationRow* worst = nullptr;
        for (const InsulationRow& r : m.insulation) {
            if (r.aboveTable) {
                worst = &r;
                break;
            }
            if (!worst || *r.throughMm > *worst->throughMm
                || (*r.throughMm == *worst->throughMm && r.workingV > worst->workingV))
                worst = &r;
        }
        if (worst->aboveTable) {
            add(VerdictKind::Insulation, VerdictCase::InsulationAboveTable, false, worst->workingV,
                0, 0);
        } else {
            // The field holds single precision: compared in it, a typed 0,3 is 0.3.
            const double need = worst->throughMm.value_or(0);
            const bool good = float(set.wrap) >= float(need);
            add(VerdictKind::Insulation,
                good ? VerdictCase::InsulationGood : VerdictCase::InsulationBad, good, set.wrap,
                need, worst->workingV);
        }
    }
    a.mains = std::move(m);
}

bool finiteFigures(const MainsChecks& m)
{
    bool ok = true;
    for (double v : {m.bGauss, m.bHighGauss, m.iMagA, m.iMagHighA, m.iMagPct.value_or(0),
                     m.iMagHighPct.value_or(0), m.p0W, m.p0HighW})
        ok = ok && std::isfinite(v);
    for (const InsulationRow& r : m.insulation)
        ok = ok && std::isfinite(r.workingV);
    return ok;
}

std::vector<NoLoadPoint> noLoadCurve(const Analysis& a, const ConstructionSettings& set)
{
    std::vector<NoLoadPoint> v;
    const int top = std::max(120, int(std::ceil(100 + set.lineTolerancePct)));
    for (int pct = 80; pct <= top; ++pct) {
        const double volts = a.primaryVolts * pct / 100;
        v.push_back({volts, magnetisingCurrent(a, set, volts)});
    }
    return v;
}

ShownText fuseWords(const MainsChecks& m, char separator)
{
    if (!m.fuseA)
        return say(KELVORA_WORDS("Construction", "Fusível do primário: acima de 16 A"));
    return say(KELVORA_WORDS("Construction", "Fusível do primário: %1 A retardado"),
               {general(*m.fuseA, separator)});
}

std::string fuseText(const MainsChecks& m, char separator)
{
    return portuguese(fuseWords(m, separator));
}

} // namespace kelvora::construction
