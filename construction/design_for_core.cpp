#include "design_for_core.h"

#include "construction_data.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelvora::construction::detail {

namespace {

constexpr double Mu0 = 4e-7 * std::numbers::pi;
constexpr double TeslaPerGauss = 1e-4;
// Each pass winds the compensated turns again: the build, and with it the
// resistances, follow the turns; a few passes settle any real part.
constexpr int CompensationPasses = 8;
// The search for a modulator's primary stops here: no real core needs more.
constexpr double MostPrimaryTurns = 200000;
const Words NoTurns = KELVORA_WORDS(
    "Error", "Nenhum número de espiras atende à indutância e ao Bmax neste núcleo.");

double roundHalfUp(double x) { return std::floor(x + 0.5); }

// A centre-tapped rectifier's secondary is two equal halves: its count is even.
bool centreTapped(int load) { return load == 1 || load == 2; }

double secondaryTurns(double x, bool evenCount)
{
    return evenCount ? 2 * roundHalfUp(x / 2) : roundHalfUp(x);
}

Analysis failedWith(PartType kind, Words message)
{
    Analysis r;
    r.part = kind;
    setError(r, say(message));
    return r;
}

// The least even number not below x (at least 2).
double evenCeil(double x) { return std::max(2.0, 2 * std::ceil(x / 2)); }

} // namespace

Analysis designTrafoAlim(const TrafoAlimInput& in, const ConstructionSettings& set,
                         const Settings& cfg)
{
    if (coreRefusal(in.tabError, in.uCore, in.a, in.b, set))
        return windTrafoAlim(in, set, cfg); // the same error, in its order

    // 1. Turns per volt for Bmax on the net section, from V = 4.44 f N B A;
    // the primary rounded up, so that the flux at its voltage stays within Bmax.
    const double nv = 1 / (4.44 * in.fo * in.bmax * TeslaPerGauss * netSectionM2(in.a, in.b, set));
    TrafoAlimInput d = in;
    double vp = 0, np = 0;
    std::size_t primaries = 1;
    switch (in.tipoPri) {
    case 0:
    case 1:
        vp = in.vp[1];
        np = d.nprim[1] = std::ceil(vp * nv);
        primaries = in.tipoPri == 1 ? 2 : 1;
        break;
    case 2: {
        vp = in.vp[4];
        const double tap = std::ceil(in.vp[3] * nv);
        np = std::ceil(vp * nv);
        d.nprim[3] = tap;
        d.nprim[4] = np - tap;
        primaries = 2;
        break;
    }
    default:
        break;
    }

    // 2. Secondaries first at the turns ratio, then compensated for the drop
    // the analysis predicts at the hot copper: V_fl = Vs needs
    // N_k = N_p (Vs + I R_k) / (V_p (1 - delta)).
    const int active = std::clamp(in.numSec, 0, 6);
    bool noVoltage[7] = {}, noRoom[7] = {};
    for (int k = 1; k <= active; ++k) {
        noVoltage[k] = !(in.vs[k] > 0);
        d.ns[k] = noVoltage[k] ? 0
                               : secondaryTurns(np * in.vs[k] / vp, centreTapped(set.load[k - 1]));
    }
    Analysis r;
    bool settled = false;
    for (int pass = 0; pass < CompensationPasses && !settled; ++pass) {
        r = windTrafoAlim(d, set, cfg);
        if (r.error)
            return r;
        settled = true;
        for (int k = 1; k <= active; ++k) {
            if (noVoltage[k])
                continue;
            const Winding& s = r.windings[primaries + std::size_t(k - 1)];
            noRoom[k] = !(r.primaryDrop < 1);
            const double n =
                noRoom[k] ? 0
                          : secondaryTurns(np * (in.vs[k] + s.iRmsA * s.rHotOhm)
                                               / (vp * (1 - r.primaryDrop)),
                                           centreTapped(set.load[k - 1]));
            if (n != d.ns[k]) {
                d.ns[k] = n;
                settled = false;
            }
        }
    }
    auto note = [&](ShownText n) {
        r.notes.push_back(portuguese(n));
        r.noteWords.push_back(std::move(n));
    };
    for (int k = 1; k <= active; ++k)
        if (noVoltage[k] || noRoom[k])
            note(noVoltage[k] ? say(KELVORA_WORDS("Construction",
                                                  "Secundário %1 sem espiras: tensão nula ou negativa"),
                                    {std::to_string(k)})
                              : say(KELVORA_WORDS("Construction",
                                                  "Secundário %1 sem espiras: a queda no primário "
                                                  "não deixa compensar"),
                                    {std::to_string(k)}));
    if (!settled)
        note(say(KELVORA_WORDS("Construction", "compensação não convergiu")));
    return r;
}

Analysis designTrafoMod(const TrafoModInput& in, const ConstructionSettings& set,
                        const Settings& cfg)
{
    if (coreRefusal(in.tabError, false, in.a, in.b, set))
        return windTrafoMod(in, set, cfg);

    const double area = netSectionM2(in.a, in.b, set);
    const double core = pathM(in.a) / set.mur; // the iron's share of the reluctance length, m
    const double bmax = in.bmax * TeslaPerGauss;
    const double ibrf = std::fabs(in.ibrf);
    // Full audio power at Fmin: sqrt(P Z) across the whole primary; and the
    // inductance whose reactance at Fmin equals the plate-to-plate load.
    const double volts = std::sqrt(std::fabs(in.paMod * in.zmod));
    auto bAc = [&](double np) { return volts / (4.44 * in.fmin * np * area); };
    const double lReq = in.zmod / (2 * std::numbers::pi * in.fmin);
    auto secondary = [&](double np) { return roundHalfUp(np / in.kn); };
    // The gap that holds the total flux at Bmax with the secondary's DC
    // (B_dc = mu0 N_s Ibrf / l), computed with the whole secondary turns wound.
    auto gap = [&](double np) {
        return std::max(0.0, Mu0 * secondary(np) * ibrf / (bmax - bAc(np)) - core);
    };
    auto inductance = [&](double np, double l) { return Mu0 * np * np * area / l; };

    TrafoModInput d = in;
    double np = 0, lg = 0;
    // Least N_p with B_ac below (or at) Bmax, V / (4.44 Fmin A Bmax), as an even count.
    const double fluxTurns = volts / (4.44 * in.fmin * area * bmax);
    if (in.reactorCoupling) {
        // No DC in the core: E and I interleaved, no gap; B_ac and the bass
        // each set a least primary, in closed form.
        auto ok = [&](double n) { return bAc(n) <= bmax && inductance(n, core) >= lReq; };
        const double bassTurns = std::sqrt(std::max(0.0, lReq) * core / (Mu0 * area));
        np = evenCeil(std::max(fluxTurns, bassTurns));
        for (int i = 0; i < 4 && !ok(np) && np <= MostPrimaryTurns; ++i)
            np += 2;
        while (np > 2 && ok(np - 2))
            np -= 2;
        if (!(np <= MostPrimaryTurns) || !ok(np))
            return failedWith(PartType::DcTransformer, NoTurns);
    } else {
        // The secondary's DC needs a gap that grows with N_p, so L_p grows
        // about linearly with it: bisect for the least even N_p that gives L_req.
        auto ok = [&](double n) { return bAc(n) < bmax && inductance(n, gap(n) + core) >= lReq; };
        double lo = evenCeil(fluxTurns);
        while (lo > 2 && bAc(lo - 2) < bmax)
            lo -= 2;
        while (lo <= MostPrimaryTurns && !(bAc(lo) < bmax))
            lo += 2;
        double hi = MostPrimaryTurns;
        if (!(lo <= hi) || !(in.kn > 0) || !ok(hi))
            return failedWith(PartType::DcTransformer, NoTurns);
        // ok(hi) holds; find the least even n in [lo, hi] with ok(n).
        if (ok(lo)) {
            hi = lo;
        } else {
            while (hi - lo > 2) {
                const double mid = 2 * std::floor((lo + hi) / 4);
                (ok(mid) ? hi : lo) = mid;
            }
        }
        np = hi;
        lg = gap(np);
    }
    d.np = np;
    d.ns = secondary(np);
    d.gapMm = lg / 2 * 1000; // the spacer in each of the two joints
    return windTrafoMod(d, set, cfg);
}

Analysis designReatorFiltro(const ReatorFiltroInput& in, const ConstructionSettings& set,
                            const Settings& cfg)
{
    if (coreRefusal(in.tabError, false, in.a, in.b, set))
        return windReatorFiltro(in, set, cfg);

    // L = N Phi / I with Phi = B_d A: N = L I / (A B_d); the gap then gives
    // B_d at I, l = mu0 N I / B_d (McLyman, gapped inductor design).
    const double area = netSectionM2(in.a, in.b, set);
    const double core = pathM(in.a) / set.mur;
    const double current = std::fabs(in.ir);
    const double bd = set.bdcDesign * TeslaPerGauss;
    double n = std::ceil(in.lr * current / (area * bd));
    double lg = Mu0 * n * current / bd - core;
    if (lg < 0) { // so little current that the ungapped core already gives Lr
        lg = 0;
        n = std::ceil(std::sqrt(in.lr * core / (Mu0 * area)));
    }
    ReatorFiltroInput d = in;
    d.nesp = n;
    d.gapCm = lg / 2 * 100; // the spacer in each of the two joints
    return windReatorFiltro(d, set, cfg);
}

void keepTabTurns(Analysis& r, const TrafoAlimInput& in)
{
    if (r.error)
        return;
    std::size_t i = 0;
    auto next = [&](double turns) {
        if (i < r.windings.size())
            r.windings[i++].turnsTab = turns;
    };
    switch (in.tipoPri) {
    case 0:
        next(in.nprim[1]);
        break;
    case 1:
        next(in.nprim[1]);
        next(in.nprim[1]);
        break;
    case 2:
        next(in.nprim[3]);
        next(in.nprim[4]);
        break;
    default:
        break;
    }
    for (int k = 1; k <= std::clamp(in.numSec, 0, 6); ++k)
        next(in.ns[k]);
}

void keepTabTurns(Analysis& r, const TrafoModInput& in)
{
    if (r.error || r.windings.size() != 3)
        return;
    r.windings[0].turnsTab = in.np / 2;
    r.windings[1].turnsTab = in.np / 2;
    r.windings[2].turnsTab = in.ns;
}

void keepTabTurns(Analysis& r, const ReatorFiltroInput& in)
{
    if (!r.error && r.windings.size() == 1)
        r.windings[0].turnsTab = in.nesp;
}

} // namespace kelvora::construction::detail
