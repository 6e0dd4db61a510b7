#include "construction.h"

#include "calc_error.h"
#include "design_for_core.h"
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

const Words OutOfRange =
    KELVORA_WORDS("Error", "Os dados da aba levam a valores fora do alcance do cálculo.");
const Words TabFailed = KELVORA_WORDS("Error", "O cálculo da aba terminou com erro.");
const Words NoPrimaryTurns = KELVORA_WORDS("Error", "O primário não tem espiras.");
const Words BadSigma =
    KELVORA_WORDS("Error", "A densidade de corrente dos ajustes não permite dimensionar o fio.");

// What a winding is before it is wound: whole turns, gauge and rms current.
struct Plan {
    ShownText name;
    double turns;
    int awg;
    double current;
    WindingRole role = WindingRole::Primary;
    int number = 0;
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
        throw CalcError(say(BadSigma));
    }
}

std::string mm3(double v, char separator) { return fixed(v, 15, 3, separator); }

// The core and the room each coil has, mm.
struct Window {
    Core core;
    LaminationGeometry g;
    double a, b;
    double usableHeight; // h_w
    double width;        // the coil's share of the window width less the clearance to the core
};

Window windowOf(const Core& core, const ConstructionSettings& set)
{
    const LaminationGeometry g = geometryOf(core);
    return {core,
            g,
            core.a,
            core.b,
            g.windowHeight - 2 * set.flange - 2 * set.margin,
            g.coilWidth() - set.clearance};
}

Analysis failed(PartType part, ShownText message)
{
    Analysis r;
    r.part = part;
    setError(r, std::move(message));
    return r;
}

Analysis failed(PartType part, Words message) { return failed(part, say(message)); }

// Errors 3 and 4: the lamination itself, and room for a layer and a build.
std::optional<ShownText> checkCore(const Window& w)
{
    if (!(w.a > 0) || !(w.b > 0))
        return say(KELVORA_WORDS("Error", "Bn e En devem ser maiores que zero."));
    if (!(w.usableHeight > 0) || !(w.width > 0))
        return say(KELVORA_WORDS("Error", "Margens e abas maiores que a janela."));
    return std::nullopt;
}

// Error 5: the first winding whose whole turns are negative.
// The winding's name in the message is its Portuguese (an argument is written text).
std::optional<ShownText> checkTurns(const std::vector<Plan>& plans)
{
    for (const Plan& p : plans)
        if (p.turns < 0)
            return say(KELVORA_WORDS("Error", "Espiras negativas em %1: corrija os dados da aba."),
                       {portuguese(p.name)});
    return std::nullopt;
}

// The layer-by-layer build of one coil from the tube outwards: each
// winding's layers, build, wire length, resistance at 20 °C and copper mass;
// returns the coil's build. Error 7 for a wire that cannot lay one turn.
std::optional<ShownText> windCoil(std::vector<Winding>& out, double& coilBuild,
                                    const std::vector<Plan>& plans, const Window& w,
                                    const ConstructionSettings& set, char separator)
{
    out.clear();
    out.reserve(plans.size());
    double below = 0; // builds of the windings already wound, mm
    for (const Plan& p : plans) {
        Winding wd;
        wd.name = portuguese(p.name);
        wd.nameWords = p.name;
        wd.role = p.role;
        wd.number = p.number;
        if (p.turns == 0) { // nothing wound: zeros, no room taken
            out.push_back(std::move(wd));
            continue;
        }
        wd.turns = p.turns;
        // The builder's own wire for this row of the table, when set.
        const std::size_t row = out.size();
        wd.awg = row < std::size_t(GaugeRows) && set.awg[row] >= 0 ? set.awg[row] : p.awg;
        wd.dBareMm = awgBareDiameter(wd.awg);
        wd.dOverMm = awgOverallDiameter(wd.awg, set.enamelGrade);
        const double d = wd.dOverMm;
        wd.turnsPerLayer = std::floor(w.usableHeight / (d * set.lay));
        if (wd.turnsPerLayer < 1)
            return say(KELVORA_WORDS("Error", "O fio de %1 (%2 mm) não cabe na altura útil da "
                                              "janela (%3 mm)."),
                       {portuguese(p.name), mm3(d, separator), mm3(w.usableHeight, separator)});
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
        wd.jAmm2 = p.current / area;
        below += wd.buildMm;
        out.push_back(std::move(wd));
    }
    coilBuild = set.tube + below;
    return std::nullopt;
}

// The coils, and the whole part's build and fill. E/I: one coil on the
// centre leg. U/I: a coil on each leg, each with half the turns of every
// winding in the same order (leg 1 takes the odd turn), the halves in series;
// each winding's copper is that of both halves, and the fuller coil is the
// one that must fit its half of the window.
std::optional<ShownText> wind(Analysis& r, const std::vector<Plan>& plans, const Window& w,
                                const ConstructionSettings& set, char separator)
{
    double build = 0;
    if (w.g.coils == 1) {
        if (auto e = windCoil(r.windings, build, plans, w, set, separator))
            return e;
    } else {
        std::vector<Plan> half[2] = {plans, plans};
        for (std::size_t i = 0; i < plans.size(); ++i) {
            half[0][i].turns = std::ceil(plans[i].turns / 2);
            half[1][i].turns = plans[i].turns - half[0][i].turns;
        }
        std::vector<Winding> leg[2];
        double legBuild[2] = {};
        for (int k = 0; k < 2; ++k)
            if (auto e = windCoil(leg[k], legBuild[k], half[k], w, set, separator))
                return e;
        r.windings = leg[0];
        for (std::size_t i = 0; i < plans.size(); ++i) {
            Winding& wd = r.windings[i];
            const Winding& other = leg[1][i];
            wd.legs = {{wd.turns, wd.layers, wd.buildMm}, {other.turns, other.layers, other.buildMm}};
            wd.turns += other.turns;
            wd.lengthM += other.lengthM;
            wd.r20Ohm += other.r20Ohm;
            wd.massG += other.massG;
        }
        build = std::max(legBuild[0], legBuild[1]);
    }
    r.buildMm = build;
    r.fillPct = set.bulge * r.buildMm / w.width * 100;
    r.fits = r.fillPct <= 100;
    return std::nullopt;
}

// Iron mass of the stack, g.
double ironMass(const Window& w, const ConstructionSettings& set)
{
    return ironMassG(w.core, set.ks);
}

// Net iron section, m^2.
double netSection(const Window& w, const ConstructionSettings& set)
{
    return set.ks * w.a * w.b * 1e-6;
}

// Copper at the temperature it settles at: five passes of resistance, loss
// and McLyman's surface rise, each starting from the previous pass's
// temperature (the first from the ambient).
// The outer surface is the whole part's box: the E/I's coil bulges out of
// the stack's faces only, each U/I coil also out past its leg's outer side.
void heat(Analysis& r, const Window& w, const ConstructionSettings& set)
{
    const double coil = set.bulge * r.buildMm / 10; // cm
    const double W = w.g.outlineWidth / 10 + (w.g.coils == 2 ? 2 * coil : 0);
    const double H = w.g.outlineHeight / 10;
    const double D = w.b / 10 + 2 * coil;
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

// A designed part puts some figures exactly on their limits: a relative
// margin of 1e-9 keeps rounding from turning them red. The tab's own turns
// are judged strictly, as they always were.
double slack(const ConstructionSettings& set)
{
    return set.projeto == Projeto::ForCore ? 1 + 1e-9 : 1;
}

void verdict(Analysis& r, VerdictKind kind, VerdictCase which, double x, bool good, char sep)
{
    ShownText words = verdictWords(which, x, sep);
    std::string text = portuguese(words);
    r.verdicts.push_back({kind, which, x, good, std::move(text), 0, 0, std::move(words)});
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

// The worst regulation of the secondaries that are wound; one that gives
// nothing at its load fails whatever the limit.
void regulationVerdict(Analysis& r, std::size_t primaries, const ConstructionSettings& set,
                       char sep)
{
    double worst = 0;
    bool collapsed = false;
    for (std::size_t i = primaries; i < r.windings.size(); ++i) {
        const Winding& w = r.windings[i];
        if (w.regulationPct)
            worst = std::max(worst, *w.regulationPct);
        else if (w.turns > 0)
            collapsed = true;
    }
    if (collapsed) {
        verdict(r, VerdictKind::Regulation, VerdictCase::RegulationCollapsed, 0, false, sep);
        return;
    }
    const bool good = worst <= set.regMax * slack(set);
    verdict(r, VerdictKind::Regulation,
            good ? VerdictCase::RegulationGood : VerdictCase::RegulationBad, worst, good, sep);
}

// Gapped core: the tabs' gap is the spacer at each E-I joint and the flux
// crosses two joints. Returns the reluctance length l_g + l_e/mu_r, m.
double gappedPath(Analysis& r, double spacerMm, const Window& w, const ConstructionSettings& set)
{
    r.gapMm = 2 * spacerMm;
    return (r.gapMm + w.g.pathMm / set.mur) / 1000;
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
    ok = ok && finite(r.primaryDrop) && finite(r.spacerMm);
    for (const Winding& w : r.windings) {
        for (double v : {w.turns, w.dBareMm, w.dOverMm, w.turnsPerLayer, w.layers, w.buildMm,
                         w.lengthM, w.r20Ohm, w.rHotOhm, w.iRmsA, w.pcuW, w.massG, w.jAmm2})
            ok = ok && finite(v);
        for (const std::optional<double>& v : {w.vNl, w.vFl, w.regulationPct, w.turnsTab})
            ok = ok && (!v || finite(*v));
        for (const Winding::LegHalf& l : w.legs)
            ok = ok && finite(l.turns) && finite(l.layers) && finite(l.buildMm);
    }
    for (const Verdict& v : r.verdicts)
        ok = ok && finite(v.value) && finite(v.y) && finite(v.z);
    ok = ok && (!r.mains || finiteFigures(*r.mains));
    if (!ok)
        r = failed(r.part, OutOfRange);
}

// Runs an analysis body; a conductor sizing that cannot use the current
// density ends it with BadSigma.
template <class F>
Analysis guarded(PartType part, F&& body)
{
    Analysis r;
    try {
        r = body();
    } catch (const CalcError& e) {
        if (!e.words.empty())
            return failed(part, e.words);
        Analysis plain; // a message shown as it is, in any language
        plain.part = part;
        plain.error = e.what();
        return plain;
    }
    refuseNonFinite(r);
    return r;
}

} // namespace

void setError(Analysis& a, ShownText why)
{
    a.error = portuguese(why);
    a.errorWords = std::move(why);
}

double temperatureRise(double psiWcm2)
{
    return RiseCoefficient * std::pow(std::max(psiWcm2, 0.0), RiseExponent);
}

Core coreOf(const TrafoAlimInput& in, const ConstructionSettings& set)
{
    return in.uCore ? uiCore(in.a, in.b, set.uiWindow, set.uiHeight) : eiCore(in.a, in.b);
}

namespace detail {

Analysis windTrafoAlim(const TrafoAlimInput& in, const ConstructionSettings& set,
                       const Settings& cfg)
{
    constexpr PartType kind = PartType::MainsTransformer;
    return guarded(kind, [&]() -> Analysis {
        // 1-4. The tab's result, the lamination and the room in its window.
        if (in.tabError)
            return failed(kind, TabFailed);
        const Window w = windowOf(coreOf(in, set), set);
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
        auto primary = [&](Words name, int i, double current, WindingRole role) {
            const int awg = allResistive ? wholeGauge(in.awgPrim[i]) : gaugeFor(current, cfg);
            plans.push_back({say(name), wholeTurns(in.nprim[i]), awg, current, role});
        };
        switch (in.tipoPri) {
        case 0:
            vp = in.vp[1];
            ip = std::fabs(pap / vp);
            primary(KELVORA_WORDS("Construction", "Primário"), 1, ip, WindingRole::Primary);
            break;
        case 1: // two halves: in parallel or in series, each carries half
            vp = in.vp[1];
            ip = std::fabs(pap / vp);
            primary(KELVORA_WORDS("Construction", "Primário 1"), 1, ip / 2, WindingRole::PrimaryHalf);
            primary(KELVORA_WORDS("Construction", "Primário 2"), 1, ip / 2, WindingRole::PrimaryHalf);
            break;
        case 2:
            // Tapped: taken as working on the whole winding at Vp4. Fed at the
            // tap (Vp3) instead, the section below it would carry Pap'/Vp3 and
            // run warmer than shown here.
            vp = in.vp[4];
            ip = std::fabs(pap / vp);
            primary(KELVORA_WORDS("Construction", "Primário até a derivação"), 3, ip,
                     WindingRole::PrimarySection);
            primary(KELVORA_WORDS("Construction", "Primário após a derivação"), 4, ip,
                     WindingRole::PrimarySection);
            break;
        default:
            break;
        }
        const std::size_t primaries = plans.size();
        for (int k = 1; k <= active; ++k) {
            const int awg = set.load[k - 1] == 0 ? wholeGauge(in.awgs[k]) : gaugeFor(iac[k], cfg);
            plans.push_back({say(KELVORA_WORDS("Construction", "Secundário %1"), {std::to_string(k)}),
                             wholeTurns(in.ns[k]), awg, iac[k], WindingRole::Secondary, k});
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
            return failed(kind, NoPrimaryTurns);

        // 8. Build, fill, iron, heat.
        Analysis r;
        r.part = kind;
        r.core = w.core;
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
        r.primaryDrop = delta;
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
        const bool fluxOk = r.bPeakGauss <= in.bmax * slack(set);
        verdict(r, VerdictKind::Flux, fluxOk ? VerdictCase::FluxGood : VerdictCase::FluxBad,
                r.bPeakGauss, fluxOk, sep);
        regulationVerdict(r, primaries, set, sep);

        // 11. Mains checks of the part as wound: high line, no-load current,
        // fuse, insulation.
        r.primaryVolts = vp;
        r.primaryAmps = ip;
        r.primaryTurns = np;
        r.frequencyHz = in.fo;
        r.pathMm = w.g.pathMm;
        r.primaryHalves = in.tipoPri == 1;
        addMainsChecks(r, set, sep);
        return r;
    });
}

Analysis windTrafoMod(const TrafoModInput& in, const ConstructionSettings& set, const Settings& cfg)
{
    constexpr PartType kind = PartType::DcTransformer;
    return guarded(kind, [&]() -> Analysis {
        // 1-4.
        if (in.tabError)
            return failed(kind, TabFailed);
        const Window w = windowOf(eiCore(in.a, in.b), set);
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
            {say(KELVORA_WORDS("Construction", "Primário (metade 1)")), half, sfp, ip,
             WindingRole::PrimaryHalf},
            {say(KELVORA_WORDS("Construction", "Primário (metade 2)")), half, sfp, ip,
             WindingRole::PrimaryHalf},
            {say(KELVORA_WORDS("Construction", "Secundário")), wholeTurns(in.ns), sfs, is,
             WindingRole::Secondary},
        };
        if (auto e = checkTurns(plans))
            return failed(kind, *e);
        if (!(half > 0))
            return failed(kind, NoPrimaryTurns);
        const double np = 2 * half;

        // 6. Build, weight, heat (the audio flux's iron loss is not known).
        Analysis r;
        r.part = kind;
        r.core = w.core;
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
        r.spacerMm = r.gapMm / 2;

        // 8. Verdicts: fit, temperature, reactance, flux.
        const char sep = cfg.decimalSeparator;
        fitAndTemperature(r, set, sep);
        const bool bass = r.xpOhm * slack(set) >= in.zmod;
        verdict(r, VerdictKind::Reactance,
                bass ? VerdictCase::ReactanceGood : VerdictCase::ReactanceLow, r.xpOhm, bass, sep);
        const double total = r.bAcGauss + r.bDcGauss;
        const bool fluxOk = total <= in.bmax * slack(set);
        verdict(r, VerdictKind::Flux,
                fluxOk ? VerdictCase::TotalFluxGood : VerdictCase::TotalFluxBad, total, fluxOk,
                sep);
        return r;
    });
}

Analysis windReatorFiltro(const ReatorFiltroInput& in, const ConstructionSettings& set,
                          const Settings& cfg)
{
    constexpr PartType kind = PartType::Choke;
    return guarded(kind, [&]() -> Analysis {
        // 1-4.
        if (in.tabError)
            return failed(kind, TabFailed);
        const Window w = windowOf(eiCore(in.a, in.b), set);
        if (auto e = checkCore(w))
            return failed(kind, *e);

        // 5. One winding carrying the DC current.
        const double ir = std::fabs(in.ir);
        std::vector<Plan> plans = {{say(KELVORA_WORDS("Construction", "Enrolamento")),
                                    wholeTurns(in.nesp), gaugeFor(ir, cfg), ir, WindingRole::Choke}};
        if (auto e = checkTurns(plans))
            return failed(kind, *e);

        // 6. Build, weight, heat (the ripple's iron loss is not known).
        Analysis r;
        r.part = kind;
        r.core = w.core;
        if (auto e = wind(r, plans, w, set, cfg.decimalSeparator))
            return failed(kind, *e);
        weigh(r, w, set);
        heat(r, w, set);

        // 7. Inductance and DC flux through the gapped path.
        const double n = r.windings[0].turns;
        const double l = gappedPath(r, 10 * in.gapCm, w, set);
        r.lH = Mu0 * n * n * netSection(w, set) / l;
        r.bDcGauss = Mu0 * n * ir / l * GaussPerTesla;
        r.spacerMm = r.gapMm / 2;

        // 8. Verdicts: fit, temperature, inductance (saturation first).
        const char sep = cfg.decimalSeparator;
        fitAndTemperature(r, set, sep);
        const bool saturates = r.bDcGauss > set.bdcMax * slack(set);
        const bool enough = r.lH * slack(set) >= in.lr;
        if (saturates)
            verdict(r, VerdictKind::Inductance, VerdictCase::Saturates, r.bDcGauss, false, sep);
        else
            verdict(r, VerdictKind::Inductance,
                    enough ? VerdictCase::InductanceGood : VerdictCase::InductanceLow, r.lH, enough,
                    sep);
        return r;
    });
}

std::optional<ShownText> coreRefusal(bool tabError, bool uCore, double a, double b,
                                     const ConstructionSettings& set)
{
    if (tabError)
        return say(TabFailed);
    return checkCore(windowOf(uCore ? uiCore(a, b, set.uiWindow, set.uiHeight) : eiCore(a, b), set));
}

double netSectionM2(double a, double b, const ConstructionSettings& set)
{
    return set.ks * a * b * 1e-6;
}

double pathM(double a) { return geometryOf(a).pathMm / 1000; }

} // namespace detail

// Design for the core (or the tab's turns), then the build and the analysis
// of those turns; each winding keeps the tab's own turns beside them.
Analysis analyseTrafoAlim(const TrafoAlimInput& in, const ConstructionSettings& chosen,
                          const Settings& cfg)
{
    const ConstructionSettings set = checked(chosen);
    Analysis r = set.projeto == Projeto::ForCore ? detail::designTrafoAlim(in, set, cfg)
                                                 : detail::windTrafoAlim(in, set, cfg);
    r.projeto = set.projeto;
    detail::keepTabTurns(r, in);
    return r;
}

Analysis analyseTrafoMod(const TrafoModInput& in, const ConstructionSettings& chosen,
                         const Settings& cfg)
{
    const ConstructionSettings set = checked(chosen);
    Analysis r = set.projeto == Projeto::ForCore ? detail::designTrafoMod(in, set, cfg)
                                                 : detail::windTrafoMod(in, set, cfg);
    r.projeto = set.projeto;
    detail::keepTabTurns(r, in);
    return r;
}

Analysis analyseReatorFiltro(const ReatorFiltroInput& in, const ConstructionSettings& chosen,
                             const Settings& cfg)
{
    const ConstructionSettings set = checked(chosen);
    Analysis r = set.projeto == Projeto::ForCore ? detail::designReatorFiltro(in, set, cfg)
                                                 : detail::windReatorFiltro(in, set, cfg);
    r.projeto = set.projeto;
    detail::keepTabTurns(r, in);
    return r;
}

} // namespace kelvora::construction
