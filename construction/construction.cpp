#include "construction.h"

#include "calc_error.h"
#include "conductor.h"
#include "construction_data.h"
#include "lamination.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelvora::construction {

namespace {

constexpr double Mu0 = 4e-7 * std::numbers::pi;
constexpr double GaussPerTesla = 1e4;
// Surface temperature rise of a transformer in natural convection,
// dT = 450 psi^0.826 K with psi in W/cm^2 (McLyman, Transformer and Inductor
// Design Handbook, ch. 6).
constexpr double RiseCoefficient = 450, RiseExponent = 0.826;
constexpr int ThermalPasses = 5;
// Hot spot above the mean winding temperature the surface method gives.
constexpr double HotSpot = 10;
// Bobbin, insulation, varnish and frame over the iron and the copper.
constexpr double SundriesFactor = 1.10;

const char* const BadSigma = "A densidade de corrente dos ajustes não permite dimensionar o fio.";

// What a winding is before it is wound: whole turns, gauge and rms current.
struct Plan {
    std::string name;
    double turns;
    int awg;
    double current;
};

double wholeTurns(double n) { return std::floor(n + 0.5); }

int wholeGauge(double awg)
{
    if (!(awg >= 0))
        return 0;
    return int(std::min(std::floor(awg + 0.5), 45.0));
}

// Conductor sizing rule of the tabs for a current in A; a current of zero
// needs the thinnest wire of the rule.
int gaugeFor(double current, const Settings& cfg)
{
    if (!(current > 0))
        return 45;
    try {
        return wholeGauge(SAWG(float(current), Sigma(cfg.sigmaText)));
    } catch (const CalcError&) {
        // Only the current density can fail here (the reactor's tab never reads it).
        throw CalcError(BadSigma);
    }
}

std::string mm3(double v, char separator) { return fixed(v, 15, 3, separator); }

// The scrapless lamination and the room the coil has, mm.
struct Window {
    double a, b;
    double usableHeight; // h_w
    double width;        // a/2 less the clearance to the core
};

Window windowOf(double a, double b, const ConstructionSettings& set)
{
    const LaminationGeometry g = geometryOf(a);
    return {a, b, g.windowHeight - 2 * set.flange - 2 * set.margin, g.windowWidth - set.clearance};
}

Analysis failed(DesignKind design, std::string message)
{
    Analysis r;
    r.design = design;
    r.error = std::move(message);
    return r;
}

// Errors 3 and 4: the lamination itself, and room for a layer and a build.
std::optional<std::string> checkCore(const Window& w)
{
    if (!(w.a > 0) || !(w.b > 0))
        return "Bn e En devem ser maiores que zero.";
    if (!(w.usableHeight > 0) || !(w.width > 0))
        return "Margens e abas maiores que a janela.";
    return std::nullopt;
}

// Error 5: the first winding whose whole turns are negative.
std::optional<std::string> checkTurns(const std::vector<Plan>& plans)
{
    for (const Plan& p : plans)
        if (p.turns < 0)
            return "Espiras negativas em " + p.name + ": corrija os dados da aba.";
    return std::nullopt;
}

// The layer-by-layer build from the tube outwards: each winding's layers,
// build, wire length, resistance at 20 °C and copper mass; then the whole
// coil's build and fill. Returns error 7 for a wire that cannot lay one turn.
std::optional<std::string> wind(Analysis& r, const std::vector<Plan>& plans, const Window& w,
                                const ConstructionSettings& set, char separator)
{
    r.windings.clear();
    r.windings.reserve(plans.size());
    double below = 0; // builds of the windings already wound, mm
    for (const Plan& p : plans) {
        Winding wd;
        wd.name = p.name;
        if (p.turns == 0) { // nothing wound: zeros, no room taken
            r.windings.push_back(std::move(wd));
            continue;
        }
        wd.turns = p.turns;
        wd.awg = p.awg;
        wd.dBareMm = awgBareDiameter(p.awg);
        wd.dOverMm = awgOverallDiameter(p.awg, set.enamelGrade);
        const double d = wd.dOverMm;
        wd.turnsPerLayer = std::floor(w.usableHeight / (d * set.lay));
        if (wd.turnsPerLayer < 1)
            return "O fio de " + p.name + " (" + mm3(d, separator)
                   + " mm) não cabe na altura útil da janela (" + mm3(w.usableHeight, separator)
                   + " mm).";
        const double tpl = wd.turnsPerLayer;
        const double layers = std::ceil(p.turns / tpl);
        wd.layers = layers;
        wd.buildMm = layers * d + (layers - 1) * set.interlayer + set.wrap;

        // Length of a turn on layer j (square corners): the tube's outline
        // grown by the radial height of the layer's centre, 2(a+b) + 8(t_b + r_j).
        // It rises by 8 (d + t_il) per layer, so the full layers sum in closed form.
        const double first = 2 * (w.a + w.b) + 8 * (set.tube + below + d / 2);
        const double step = 8 * (d + set.interlayer);
        const double full = layers - 1; // layers holding TPL turns
        const double lastTurns = p.turns - full * tpl;
        const double lengthMm = tpl * (full * first + step * full * (full - 1) / 2)
                                + lastTurns * (first + step * full);
        wd.lengthM = lengthMm / 1000;
        const double area = std::numbers::pi * wd.dBareMm * wd.dBareMm / 4; // mm^2
        wd.r20Ohm = CopperResistivity20 * wd.lengthM / area;
        wd.massG = CopperDensity * (lengthMm / 10) * (area / 100);
        wd.iRmsA = p.current;
        below += wd.buildMm;
        r.windings.push_back(std::move(wd));
    }
    r.buildMm = set.tube + below;
    r.fillPct = set.bulge * r.buildMm / w.width * 100;
    r.fits = r.fillPct <= 100;
    return std::nullopt;
}

// Iron mass of the scrapless E/I stack, g: 6 a^2 b of lamination (cm).
double ironMass(const Window& w, const ConstructionSettings& set)
{
    return ironMassG(w.a, w.b, set.ks);
}

// Net iron section, m^2.
double netSection(const Window& w, const ConstructionSettings& set)
{
    return set.ks * w.a * w.b * 1e-6;
}

// Copper at the temperature it settles at: five passes of resistance, loss
// and McLyman's surface rise, each starting from the previous pass's
// temperature (the first from the ambient).
void heat(Analysis& r, const Window& w, const ConstructionSettings& set)
{
    const LaminationGeometry g = geometryOf(w.a / 10); // cm
    const double W = g.outlineWidth, H = g.outlineHeight;
    const double D = w.b / 10 + 2 * set.bulge * r.buildMm / 10;
    r.areaCm2 = 2 * (W * H + W * D + H * D);
    double t = set.ambient;
    for (int pass = 0; pass < ThermalPasses; ++pass) {
        const double factor = 1 + CopperAlpha * (t - 20);
        double pcu = 0;
        for (Winding& wd : r.windings) {
            wd.rHotOhm = wd.r20Ohm * factor;
            wd.pcuW = wd.iRmsA * wd.iRmsA * wd.rHotOhm;
            pcu += wd.pcuW;
        }
        r.pcuW = pcu;
        r.psiWcm2 = (r.pcuW + r.pfeW) / r.areaCm2;
        r.dtK = temperatureRise(r.psiWcm2);
        t = set.ambient + r.dtK;
    }
    r.tHotC = t;
}

void weigh(Analysis& r, const Window& w, const ConstructionSettings& set)
{
    r.mFeG = ironMass(w, set);
    r.mCuG = 0;
    for (const Winding& wd : r.windings)
        r.mCuG += wd.massG;
    r.mTotalG = SundriesFactor * (r.mFeG + r.mCuG);
}

// An index into one of the lists, or the list's default when it is not one.
int pick(int index, std::size_t size, int fallback)
{
    return index >= 0 && std::size_t(index) < size ? index : fallback;
}

ConstructionSettings checked(ConstructionSettings set)
{
    set.steel = pick(set.steel, steelGrades().size(), DefaultSteel);
    set.insulationClass = pick(set.insulationClass, insulationClasses().size(), 0);
    for (int& load : set.load)
        load = pick(load, loads().size(), 0);
    return set;
}

void verdict(Analysis& r, VerdictKind kind, VerdictCase which, double x, bool good, char sep)
{
    r.verdicts.push_back({kind, which, x, good, verdictText(which, x, sep)});
}

void fitAndTemperature(Analysis& r, const ConstructionSettings& set, char sep)
{
    verdict(r, VerdictKind::Fit, r.fits ? VerdictCase::Fits : VerdictCase::DoesNotFit, r.fillPct,
            r.fits, sep);
    const bool cool = set.ambient + r.dtK + HotSpot
                      <= insulationClasses()[set.insulationClass].limitC;
    verdict(r, VerdictKind::Temperature,
            cool ? VerdictCase::TemperatureGood : VerdictCase::TemperatureBad, r.dtK, cool, sep);
}

// Gapped core: the tabs' gap is the spacer at each E-I joint and the flux
// crosses two joints. Returns the reluctance length l_g + l_e/mu_r, m.
double gappedPath(Analysis& r, double spacerMm, const Window& w, const ConstructionSettings& set)
{
    r.gapMm = 2 * spacerMm;
    return (r.gapMm + geometryOf(w.a).pathMm / set.mur) / 1000;
}

bool finite(double v) { return std::isfinite(v); }

// Never a NaN or an infinity out of the analysis: extreme tab data end in an error.
void refuseNonFinite(Analysis& r)
{
    bool ok = true;
    for (double v : {r.buildMm, r.fillPct, r.mFeG, r.mCuG, r.mTotalG, r.pcuW, r.pfeW, r.areaCm2,
                     r.psiWcm2, r.dtK, r.tHotC, r.bPeakGauss, r.efficiencyPct, r.gapMm, r.bDcGauss,
                     r.lH, r.lpH, r.xpOhm, r.bAcGauss})
        ok = ok && finite(v);
    for (const Winding& w : r.windings) {
        for (double v : {w.turns, w.dBareMm, w.dOverMm, w.turnsPerLayer, w.layers, w.buildMm,
                         w.lengthM, w.r20Ohm, w.rHotOhm, w.iRmsA, w.pcuW, w.massG})
            ok = ok && finite(v);
        for (const std::optional<double>& v : {w.vNl, w.vFl, w.regulationPct})
            ok = ok && (!v || finite(*v));
    }
    for (const Verdict& v : r.verdicts)
        ok = ok && finite(v.value);
    if (!ok)
        r = failed(r.design, "Os dados da aba levam a valores fora do alcance do cálculo.");
}

// Runs an analysis body; a conductor sizing that cannot use the current
// density ends it with BadSigma.
template <class F>
Analysis guarded(DesignKind design, F&& body)
{
    Analysis r;
    try {
        r = body();
    } catch (const CalcError& e) {
        return failed(design, e.what());
    }
    refuseNonFinite(r);
    return r;
}

} // namespace

double temperatureRise(double psiWcm2)
{
    return RiseCoefficient * std::pow(std::max(psiWcm2, 0.0), RiseExponent);
}

Analysis analyseTrafoAlim(const TrafoAlimInput& in, const ConstructionSettings& chosen,
                          const Settings& cfg)
{
    constexpr DesignKind kind = DesignKind::TrafoAlim;
    const ConstructionSettings set = checked(chosen);
    return guarded(kind, [&]() -> Analysis {
        // 1-4. The tab's result, the lamination and the room in its window.
        if (in.tabError)
            return failed(kind, "O cálculo da aba terminou com erro.");
        if (in.uCore)
            return failed(kind, "A construção considera lâminas E/I.");
        const Window w = windowOf(in.a, in.b, set);
        if (auto e = checkCore(w))
            return failed(kind, *e);

        // 5. Secondaries: a rectifier draws more rms current than its DC load.
        const int active = std::clamp(in.numSec, 0, 6);
        double iac[7] = {};
        bool allResistive = true;
        double pas = 0;
        for (int k = 1; k <= active; ++k) {
            const Load& load = loads()[set.load[k - 1]];
            allResistive = allResistive && set.load[k - 1] == 0;
            iac[k] = in.iRmsSimulated[k] ? std::fabs(*in.iRmsSimulated[k])
                                         : std::fabs(in.is[k]) / load.k;
            pas += in.vs[k] * iac[k];
        }
        const double pap = pas * 100 / in.efficiency;

        // 6. Primary windings and the voltage across the turns N_p.
        std::vector<Plan> plans;
        double vp = 0, ip = 0;
        auto primary = [&](const char* name, int i, double current) {
            const int awg = allResistive ? wholeGauge(in.awgPrim[i]) : gaugeFor(current, cfg);
            plans.push_back({name, wholeTurns(in.nprim[i]), awg, current});
        };
        switch (in.tipoPri) {
        case 0:
            vp = in.vp[1];
            ip = std::fabs(pap / vp);
            primary("Primário", 1, ip);
            break;
        case 1: // two halves: in parallel or in series, each carries half
            vp = in.vp[1];
            ip = std::fabs(pap / vp);
            primary("Primário 1", 1, ip / 2);
            primary("Primário 2", 1, ip / 2);
            break;
        case 2:
            // Tapped: taken as working on the whole winding at Vp4. Fed at the
            // tap (Vp3) instead, the section below it would carry Pap'/Vp3 and
            // run warmer than shown here.
            vp = in.vp[4];
            ip = std::fabs(pap / vp);
            primary("Primário até a derivação", 3, ip);
            primary("Primário após a derivação", 4, ip);
            break;
        default:
            break;
        }
        const std::size_t primaries = plans.size();
        for (int k = 1; k <= active; ++k) {
            const int awg = set.load[k - 1] == 0 ? wholeGauge(in.awgs[k]) : gaugeFor(iac[k], cfg);
            plans.push_back({"Secundário " + std::to_string(k), wholeTurns(in.ns[k]), awg, iac[k]});
        }

        // 7. Errors on the windings.
        if (auto e = checkTurns(plans))
            return failed(kind, *e);
        double np = 0;
        if (in.tipoPri == 2)
            np = plans[0].turns + plans[1].turns;
        else if (primaries > 0)
            np = plans[0].turns;
        if (!(np > 0))
            return failed(kind, "O primário não tem espiras.");

        // 8. Build, fill, iron, heat.
        Analysis r;
        r.design = kind;
        if (auto e = wind(r, plans, w, set, cfg.decimalSeparator))
            return failed(kind, *e);
        for (int k = 1; k <= active; ++k)
            r.windings[primaries + std::size_t(k) - 1].simulatedCurrent = bool(in.iRmsSimulated[k]);
        weigh(r, w, set);
        // Peak flux from the EMF equation V = 4.44 f N B A.
        const double bPeak = vp / (4.44 * in.fo * np * netSection(w, set));
        r.bPeakGauss = bPeak * GaussPerTesla;
        // Iron loss scales with B^2 and f^1.3 from the grade's 1.5 T, 50 Hz figure.
        const double p = steelGrades()[set.steel].p15 * (bPeak / 1.5) * (bPeak / 1.5)
                         * std::pow(in.fo / 50, 1.3);
        r.pfeW = p * r.mFeG / 1000 * set.kbf;
        heat(r, w, set);

        // 9. Loaded voltages: the primary's resistive drop lowers every
        // secondary's EMF in proportion, then each secondary's own drop.
        double dvp = 0;
        switch (in.tipoPri) {
        case 0:
            dvp = ip * r.windings[0].rHotOhm;
            break;
        case 1: // the halves in series on 2 Vp1, referred to one half
            dvp = ip / 2 * (r.windings[0].rHotOhm + r.windings[1].rHotOhm) / 2;
            break;
        case 2:
            dvp = ip * (r.windings[0].rHotOhm + r.windings[1].rHotOhm);
            break;
        }
        const double delta = dvp / vp;
        double pout = 0;
        for (std::size_t i = primaries; i < r.windings.size(); ++i) {
            Winding& s = r.windings[i];
            const double vnl = vp * s.turns / np;
            const double vfl = vnl * (1 - delta) - s.iRmsA * s.rHotOhm;
            s.vNl = vnl;
            s.vFl = vfl;
            if (vfl > 0) {
                s.regulationPct = (vnl - vfl) / vfl * 100;
                pout += vfl * s.iRmsA; // a collapsed output delivers nothing
            }
        }
        const double pin = pout + r.pcuW + r.pfeW;
        r.efficiencyPct = pin > 0 ? pout / pin * 100 : 0;

        // 10. Verdicts: fit, temperature, flux.
        const char sep = cfg.decimalSeparator;
        fitAndTemperature(r, set, sep);
        const bool fluxOk = r.bPeakGauss <= in.bmax;
        verdict(r, VerdictKind::Flux, fluxOk ? VerdictCase::FluxGood : VerdictCase::FluxBad,
                r.bPeakGauss, fluxOk, sep);
        return r;
    });
}

Analysis analyseTrafoMod(const TrafoModInput& in, const ConstructionSettings& chosen,
                         const Settings& cfg)
{
    constexpr DesignKind kind = DesignKind::TrafoMod;
    const ConstructionSettings set = checked(chosen);
    return guarded(kind, [&]() -> Analysis {
        // 1-4.
        if (in.tabError)
            return failed(kind, "O cálculo da aba terminou com erro.");
        const Window w = windowOf(in.a, in.b, set);
        if (auto e = checkCore(w))
            return failed(kind, *e);

        // 5. Two primary halves plate to plate, each carrying one valve's half
        // sines: their rms is pi/4 of the pair's average plate current. The
        // secondary carries the RF stage's DC, plus with direct coupling the
        // audio current at full modulation (rms Ibrf/sqrt 2).
        const double half = wholeTurns(in.np / 2);
        const int sfp = wholeGauge(in.sfp), sfs = wholeGauge(in.sfs);
        const double ip = std::numbers::pi * std::fabs(in.ib1mod) / 4;
        const double ibrf = std::fabs(in.ibrf);
        const double is = in.reactorCoupling ? ibrf / std::sqrt(2.0) : ibrf * std::sqrt(1.5);
        std::vector<Plan> plans = {
            {"Primário (metade 1)", half, sfp, ip},
            {"Primário (metade 2)", half, sfp, ip},
            {"Secundário", wholeTurns(in.ns), sfs, is},
        };
        if (auto e = checkTurns(plans))
            return failed(kind, *e);
        if (!(half > 0))
            return failed(kind, "O primário não tem espiras.");
        const double np = 2 * half;

        // 6. Build, weight, heat (the audio flux's iron loss is not known).
        Analysis r;
        r.design = kind;
        if (auto e = wind(r, plans, w, set, cfg.decimalSeparator))
            return failed(kind, *e);
        weigh(r, w, set);
        heat(r, w, set);

        // 7. Flux of the full audio power at Fmin (V = sqrt(P Z) plate to
        // plate), the primary's inductance through the gap, and the DC flux
        // of the secondary's plate current (the halves' DC cancels).
        const double area = netSection(w, set);
        r.bAcGauss = std::sqrt(std::fabs(in.paMod * in.zmod)) / (4.44 * in.fmin * np * area)
                     * GaussPerTesla;
        const double l = gappedPath(r, in.gapMm, w, set);
        r.lpH = Mu0 * np * np * area / l;
        r.xpOhm = 2 * std::numbers::pi * in.fmin * r.lpH;
        r.bDcGauss = in.reactorCoupling ? 0 : Mu0 * r.windings[2].turns * ibrf / l * GaussPerTesla;

        // 8. Verdicts: fit, temperature, reactance, flux.
        const char sep = cfg.decimalSeparator;
        fitAndTemperature(r, set, sep);
        const bool bass = r.xpOhm >= in.zmod;
        verdict(r, VerdictKind::Reactance,
                bass ? VerdictCase::ReactanceGood : VerdictCase::ReactanceLow, r.xpOhm, bass, sep);
        const double total = r.bAcGauss + r.bDcGauss;
        const bool fluxOk = total <= in.bmax;
        verdict(r, VerdictKind::Flux,
                fluxOk ? VerdictCase::TotalFluxGood : VerdictCase::TotalFluxBad, total, fluxOk,
                sep);
        return r;
    });
}

Analysis analyseReatorFiltro(const ReatorFiltroInput& in, const ConstructionSettings& chosen,
                             const Settings& cfg)
{
    constexpr DesignKind kind = DesignKind::ReatorFiltro;
    const ConstructionSettings set = checked(chosen);
    return guarded(kind, [&]() -> Analysis {
        // 1-4.
        if (in.tabError)
            return failed(kind, "O cálculo da aba terminou com erro.");
        const Window w = windowOf(in.a, in.b, set);
        if (auto e = checkCore(w))
            return failed(kind, *e);

        // 5. One winding carrying the DC current.
        const double ir = std::fabs(in.ir);
        std::vector<Plan> plans = {{"Enrolamento", wholeTurns(in.nesp), gaugeFor(ir, cfg), ir}};
        if (auto e = checkTurns(plans))
            return failed(kind, *e);

        // 6. Build, weight, heat (the ripple's iron loss is not known).
        Analysis r;
        r.design = kind;
        if (auto e = wind(r, plans, w, set, cfg.decimalSeparator))
            return failed(kind, *e);
        weigh(r, w, set);
        heat(r, w, set);

        // 7. Inductance and DC flux through the gapped path.
        const double n = r.windings[0].turns;
        const double l = gappedPath(r, 10 * in.gapCm, w, set);
        r.lH = Mu0 * n * n * netSection(w, set) / l;
        r.bDcGauss = Mu0 * n * ir / l * GaussPerTesla;

        // 8. Verdicts: fit, temperature, inductance (saturation first).
        const char sep = cfg.decimalSeparator;
        fitAndTemperature(r, set, sep);
        const bool saturates = r.bDcGauss > set.bdcMax;
        const bool enough = r.lH >= in.lr;
        if (saturates)
            verdict(r, VerdictKind::Inductance, VerdictCase::Saturates, r.bDcGauss, false, sep);
        else
            verdict(r, VerdictKind::Inductance,
                    enough ? VerdictCase::InductanceGood : VerdictCase::InductanceLow, r.lH, enough,
                    sep);
        return r;
    });
}

} // namespace kelvora::construction
