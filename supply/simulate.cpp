// Integration to the periodic steady state (shooting: Newton on the state at
// the start of a cycle, Aprille and Trick 1972), the turn-on transient, the
// figures of each node and element, and the verdicts on the ratings.
#include "model.h"
#include "supply.h"

#include <boost/numeric/odeint/stepper/runge_kutta4.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <utility>

namespace kelvora::supply {

using detail::Model;
using detail::Probe;
using detail::State;

const char* rectifierKey(Rectifier r)
{
    switch (r) {
    case Rectifier::HalfWave:
        return "meia-onda";
    case Rectifier::CentreTap:
        return "onda-completa-ct";
    case Rectifier::Bridge:
        return "ponte";
    case Rectifier::Doubler:
        return "dobrador";
    }
    return "";
}

Words rectifierCaptionWords(Rectifier r)
{
    switch (r) {
    case Rectifier::HalfWave:
        return KELVORA_WORDS("Supply", "Meia onda");
    case Rectifier::CentreTap:
        return KELVORA_WORDS("Supply", "Onda completa c/ derivação central");
    case Rectifier::Bridge:
        return KELVORA_WORDS("Supply", "Ponte");
    case Rectifier::Doubler:
        return KELVORA_WORDS("Supply", "Dobrador de tensão");
    }
    return Words{"Supply", ""};
}

const char* rectifierCaption(Rectifier r) { return rectifierCaptionWords(r).source; }

std::optional<Rectifier> rectifierFromKey(const std::string& key)
{
    for (Rectifier r : {Rectifier::HalfWave, Rectifier::CentreTap, Rectifier::Bridge,
                        Rectifier::Doubler})
        if (key == rectifierKey(r))
            return r;
    return std::nullopt;
}

const char* verdictKey(VerdictKey k)
{
    switch (k) {
    case VerdictKey::Piv:
        return "piv";
    case VerdictKey::PeakCurrent:
        return "peak_current";
    case VerdictKey::AverageCurrent:
        return "average_current";
    case VerdictKey::Surge:
        return "surge";
    case VerdictKey::DcCurrent:
        return "dc_current";
    case VerdictKey::FirstCapacitor:
        return "first_capacitor";
    case VerdictKey::PlateResistance:
        return "plate_resistance";
    case VerdictKey::InputChoke:
        return "input_choke";
    case VerdictKey::Continuity:
        return "continuity";
    }
    return "";
}

std::optional<ShownText> checkWords(const Circuit& c)
{
    auto finitePositive = [](double v) { return std::isfinite(v) && v > 0; };
    if (!finitePositive(c.source.vNl))
        return say(
            KELVORA_WORDS("Supply", "A tensão em vazio do secundário deve ser maior que zero."));
    if (!finitePositive(c.source.f))
        return say(KELVORA_WORDS("Supply", "A frequência da rede deve ser maior que zero."));
    if (!(c.source.r >= 0) || !(c.source.lLeak >= 0) || !std::isfinite(c.source.r + c.source.lLeak))
        return say(KELVORA_WORDS("Supply",
                                 "A resistência e a dispersão da fonte não podem ser negativas."));
    if (c.device.law.childLangmuir ? !finitePositive(c.device.law.k)
                                   : !(c.device.law.v0 >= 0 && c.device.law.rs >= 0))
        return say(KELVORA_WORDS("Supply", "A lei do retificador deve ter k maior que zero (ou "
                                           "queda não negativa)."));
    std::vector<std::pair<int, Element>> used;
    for (std::size_t k = 0; k < c.ladder.size() && k < 4; ++k)
        if (c.ladder[k].kind != ElementKind::None)
            used.emplace_back(int(k) + 1, c.ladder[k]);
    if (used.empty())
        return say(KELVORA_WORDS("Supply", "O filtro precisa de pelo menos um elemento."));
    if (used[0].second.kind == ElementKind::R)
        return say(KELVORA_WORDS("Supply", "O filtro deve começar por C (entrada capacitiva) ou L "
                                           "(entrada por choque)."));
    if (c.rectifier == Rectifier::Doubler && used[0].second.kind != ElementKind::C)
        return say(KELVORA_WORDS("Supply", "O dobrador de tensão começa por um capacitor."));
    for (std::size_t k = 0; k < used.size(); ++k) {
        const auto& [n, e] = used[k];
        if (!finitePositive(e.value))
            return say(KELVORA_WORDS("Supply", "O valor do elemento %1 deve ser maior que zero."),
                       {std::to_string(n)});
        if (!(e.loss >= 0) || !std::isfinite(e.loss))
            return say(KELVORA_WORDS("Supply", "A perda do elemento %1 não pode ser negativa."),
                       {std::to_string(n)});
        if (k > 0 && e.kind == ElementKind::C && used[k - 1].second.kind == ElementKind::C)
            return say(KELVORA_WORDS("Supply", "Dois capacitores seguidos (elementos %1 e %2): "
                                               "some-os num só."),
                       {std::to_string(used[k - 1].first), std::to_string(n)});
    }
    if (!finitePositive(c.load.value) && !(c.load.constantCurrent && c.load.value == 0))
        return say(KELVORA_WORDS("Supply", "A carga deve ser maior que zero."));
    if (!(c.load.bleeder >= 0))
        return say(KELVORA_WORDS("Supply", "O resistor de sangria não pode ser negativo."));
    if (c.load.constantCurrent && used.back().second.kind == ElementKind::L)
        return say(KELVORA_WORDS("Supply", "Com carga de corrente constante o filtro não pode "
                                           "terminar num indutor."));
    return std::nullopt;
}

std::optional<std::string> check(const Circuit& c)
{
    if (std::optional<ShownText> m = checkWords(c))
        return portuguese(*m);
    return std::nullopt;
}

namespace {

namespace odeint = boost::numeric::odeint;
using Stepper = odeint::runge_kutta4<State>;

struct Stats {
    std::vector<double> sum, sumSq, lo, hi, loss;
    double windSq = 0, diodeSum = 0, diodeSq = 0, diodePeak = 0, piv = 0, srcLoss = 0,
           load = 0, chokeMin = 1e300;
    int n = 0;
    void add(const Probe& p, double chokeI)
    {
        if (sum.empty()) {
            sum.assign(p.out.size(), 0), sumSq = sum, loss = sum;
            lo.assign(p.out.size(), 1e300), hi.assign(p.out.size(), -1e300);
        }
        for (std::size_t k = 0; k < p.out.size(); ++k) {
            sum[k] += p.out[k], sumSq[k] += p.out[k] * p.out[k];
            lo[k] = std::min(lo[k], p.out[k]), hi[k] = std::max(hi[k], p.out[k]);
            loss[k] += p.lossW[k];
        }
        windSq += p.windingI * p.windingI;
        diodeSum += p.diodeI, diodeSq += p.diodeI * p.diodeI;
        diodePeak = std::max(diodePeak, p.diodeI);
        piv = std::max(piv, p.reverseV);
        srcLoss += p.sourceLossW;
        load += p.loadI;
        chokeMin = std::min(chokeMin, chokeI);
        ++n;
    }
};

class Integrator {
public:
    explicit Integrator(const Model& m) : m_(m) {}

    // A plain step of h from t, the rectifiers then held to their polarity.
    void raw(State& x, double t, double h)
    {
        const State before = x;
        m_.freeze(x);
        stepper_.do_step([this](const State& s, State& d, double tt) { m_.rhs(s, d, tt); }, x, t,
                         h);
        m_.clamp(x, before);
    }

    // One step from t; the probe (when given) is taken at the step's end. A
    // rectifier that starts or stops within the step splits it at that
    // instant (by linear interpolation of its margin or its current), so the
    // corner of its current is integrated exactly and a cycle's end state
    // moves smoothly with its start: what the Newton iteration needs.
    void step(State& x, double& t, Probe* p = nullptr)
    {
        const double h = m_.step();
        State trial = x;
        raw(trial, t, h);
        double tau = h;
        State d0;
        bool haveD0 = false;
        for (int k = 0; k < m_.pathStates(); ++k) {
            const int before = m_.mode(x, k);
            const int after = m_.mode(trial, k);
            if (before == after)
                continue;
            double at = h;
            if (before != 0) { // stops: where its current, going as it went, reaches zero
                if (!haveD0)
                    m_.rhs(x, d0, t), haveD0 = true;
                if (before * d0[k] < 0)
                    at = std::fabs(x[k] / d0[k]);
            } else { // starts: where its margin crosses zero
                const double g0 = m_.margin(x, t, k, after);
                const double g1 = m_.margin(trial, t + h, k, after);
                if (g0 < 0 && g1 > 0)
                    at = h * -g0 / (g1 - g0);
            }
            if (at > 1e-3 * h && at < tau)
                tau = at;
        }
        if (tau < h) {
            raw(x, t, tau);
            raw(x, t + tau, h - tau);
        } else {
            x = trial;
        }
        t += h;
        m_.freeze(State{});
        if (p) {
            State d;
            m_.rhs(x, d, t, p);
        }
    }
    // One cycle of the mains from t = 0.
    void cycle(State& x, Stats* st = nullptr, Waveform* w = nullptr, double tOffset = 0)
    {
        double t = 0;
        Probe p;
        const bool choke = m_.chokeInput();
        for (int k = 0; k < m_.stepsPerCycle(); ++k) {
            step(x, t, st || w ? &p : nullptr);
            if (st)
                st->add(p, choke ? x[0] : 0);
            if (w) {
                w->t.push_back(tOffset + t);
                w->vOut.push_back(p.out.back());
                w->iWinding.push_back(p.windingI);
            }
        }
    }

private:
    const Model& m_;
    Stepper stepper_;
};

// Periodic steady state by shooting: x0 such that one cycle from x0 ends at
// x0, Newton on F(x) = Phi(x) - x with a finite-difference Jacobian (a cycle
// per state) and a backtracking line search on the residual; where no step
// lowers it (a rectifier that stops conducting), one plain cycle instead.
State shoot(const Model& m, State x, const std::vector<int>& unknown, double& err)
{
    Integrator in(m);
    const int n = int(unknown.size());
    const State sc = m.scales();
    auto residual = [&](const State& from, State& to) {
        to = from;
        in.cycle(to);
        double e = 0;
        for (int i : unknown)
            e = std::max(e, std::fabs(to[i] - from[i]) / sc[i]);
        return e;
    };
    // The states that are not unknowns start every cycle as they are in x.
    auto restart = [&](State next) {
        State s = x;
        for (int i : unknown)
            s[i] = next[i];
        return s;
    };
    State phi;
    err = residual(x, phi);
    for (int iter = 0; iter < 30 && err >= 1e-7; ++iter) {
        double a[detail::MaxStates][detail::MaxStates + 1];
        for (int c = 0; c < n; ++c) {
            State xp = x;
            const int ic = unknown[c];
            const double d = 1e-6 * std::max(std::fabs(x[ic]), sc[ic]);
            xp[ic] += d;
            in.cycle(xp);
            for (int r = 0; r < n; ++r)
                a[r][c] = (xp[unknown[r]] - phi[unknown[r]]) / d - (r == c);
        }
        for (int r = 0; r < n; ++r)
            a[r][n] = x[unknown[r]] - phi[unknown[r]];
        bool singular = false;
        for (int k = 0; k < n && !singular; ++k) {
            int p = k;
            for (int i = k + 1; i < n; ++i)
                if (std::fabs(a[i][k]) > std::fabs(a[p][k]))
                    p = i;
            std::swap(a[p], a[k]);
            singular = std::fabs(a[k][k]) < 1e-9;
            for (int i = k + 1; i < n && !singular; ++i) {
                const double f = a[i][k] / a[k][k];
                for (int c = k; c <= n; ++c)
                    a[i][c] -= f * a[k][c];
            }
        }
        double dx[detail::MaxStates] = {};
        for (int k = n - 1; k >= 0 && !singular; --k) {
            double s = a[k][n];
            for (int c = k + 1; c < n; ++c)
                s -= a[k][c] * dx[c];
            dx[k] = s / a[k][k];
        }
        bool moved = false;
        for (double lambda = 1; !singular && lambda > 0.05; lambda /= 2) {
            State xt = x;
            for (int i = 0; i < n; ++i)
                xt[unknown[i]] += lambda * dx[i];
            m.clamp(xt, x);
            m.bound(xt);
            State pt;
            const double et = residual(xt, pt);
            if (et < err) {
                x = xt, phi = pt, err = et, moved = true;
                break;
            }
        }
        if (!moved) {
            x = restart(phi);
            err = residual(x, phi);
        }
    }
    return restart(phi);
}

// Periodic steady state by shooting: x0 such that one cycle from x0 ends at
// x0, Newton on F(x) = Phi(x) - x with a finite-difference Jacobian (a cycle
// per unknown) and a backtracking line search on the residual; where no step
// lowers it (a rectifier that stops conducting), one plain cycle instead.
// With capacitor input the cycle starts at a zero of the EMF, where the
// rectifier is idle: its currents are then no unknowns, unless it is found
// still conducting there.
State steadyState(const Model& m, State x, bool warm)
{
    if (!warm) {
        Integrator in(m);
        for (int k = 0; k < 2; ++k)
            in.cycle(x);
    }
    std::vector<int> all, filter;
    for (int i = 0; i < m.states(); ++i) {
        all.push_back(i);
        if (i >= m.pathStates())
            filter.push_back(i);
    }
    double err = 0;
    if (!m.chokeInput()) {
        for (int k = 0; k < m.pathStates(); ++k)
            x[k] = 0;
        x = shoot(m, x, filter, err);
        const State sc = m.scales();
        bool idle = true;
        for (int k = 0; k < m.pathStates(); ++k)
            idle = idle && std::fabs(x[k]) < 1e-6 * sc[k];
        if (idle && err < 1e-6)
            return x;
    }
    x = shoot(m, x, all, err);
    return x;
}

std::string num(double v, int decimals, char sep)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    std::string s = buf;
    for (char& ch : s)
        if (ch == '.')
            ch = sep;
    return s;
}

// "<what> X u" against a largest (or least) figure of the element or the filter.
void rate(Result& r, VerdictKey key, Words what, double x, double limit, const char* unit,
          bool isMax, const ShownText& whose, char sep)
{
    const bool good = isMax ? x <= limit : x >= limit;
    const std::string shown = num(x, 1, sep) + " " + unit, bound = num(limit, 1, sep) + " " + unit;
    const Words w = good ? (isMax ? KELVORA_WORDS("Supply", "%1 %2 (máximo %3: %4)")
                                  : KELVORA_WORDS("Supply", "%1 %2 (mínimo %3: %4)"))
                         : (isMax ? KELVORA_WORDS("Supply", "%1 %2 acima do máximo %3 (%4)")
                                  : KELVORA_WORDS("Supply", "%1 %2 abaixo do mínimo %3 (%4)"));
    ShownText m = say(w, {what.source, shown, portuguese(whose), bound});
    std::string text = portuguese(m);
    r.verdicts.push_back({key, good, std::move(text), std::move(m), what, whose});
}

void verdicts(Result& r, const Circuit& c, const Model& m, char sep)
{
    const Ratings& rt = c.device.ratings;
    // "do 5U4G", "da válvula própria".
    const ShownText of = c.device.name.rfind("válvula", 0) == 0
                             ? say(KELVORA_WORDS("Supply", "da válvula própria"))
                             : say(KELVORA_WORDS("Supply", "do %1"), {c.device.name});
    std::optional<double> piv = rt.piv;
    if (rt.pivAt[0][0]) { // falls with the DC current: the figure of the next current up
        piv = *rt.pivAt[2][1];
        for (int k = 2; k >= 0; --k)
            if (rt.pivAt[k][0] && r.loadCurrent * 1000 <= *rt.pivAt[k][0])
                piv = *rt.pivAt[k][1];
    }
    if (piv)
        rate(r, VerdictKey::Piv, KELVORA_WORDS("Supply", "Tensão inversa de pico"), r.piv, *piv,
             "V", true, of, sep);
    if (rt.iPeak)
        rate(r, VerdictKey::PeakCurrent, KELVORA_WORDS("Supply", "Corrente de pico por placa"),
             r.diodePeak * 1000, *rt.iPeak * 1000, "mA", true, of, sep);
    if (rt.iAvg)
        rate(r, VerdictKey::AverageCurrent, KELVORA_WORDS("Supply", "Corrente média por diodo"),
             r.diodeAvg * 1000, *rt.iAvg * 1000, "mA", true, of, sep);
    if (rt.iSurge && r.surgePeak > 0)
        rate(r, VerdictKey::Surge, KELVORA_WORDS("Supply", "Corrente de surto na partida"),
             r.surgePeak, *rt.iSurge, "A", true, of, sep);
    const std::optional<double>& iDc = m.chokeInput() ? rt.iDcChokeInput : rt.iDcCapInput;
    if (iDc)
        rate(r, VerdictKey::DcCurrent, KELVORA_WORDS("Supply", "Corrente CC de saída"),
             r.loadCurrent * 1000, *iDc * 1000, "mA", true, of, sep);
    if (!m.chokeInput()) {
        if (rt.cMax)
            rate(r, VerdictKey::FirstCapacitor, KELVORA_WORDS("Supply", "Primeiro capacitor"),
                 m.ladder()[0].value * 1e6, *rt.cMax * 1e6, "µF", true, of, sep);
        if (rt.rMin)
            rate(r, VerdictKey::PlateResistance,
                 KELVORA_WORDS("Supply", "Resistência da fonte por placa"), m.pathR(), *rt.rMin,
                 "ohms", false, of, sep);
    } else {
        if (rt.lMin)
            rate(r, VerdictKey::InputChoke, KELVORA_WORDS("Supply", "Choque de entrada"),
                 m.ladder()[0].value, *rt.lMin, "H", false, of, sep);
        const std::string lc = num(r.lCritical.value_or(0), 1, sep);
        ShownText said = say(r.discontinuous ? KELVORA_WORDS("Supply", "Corrente do choque "
                                                                    "descontínua: indutância "
                                                                    "crítica %1 H")
                                          : KELVORA_WORDS("Supply", "Corrente do choque contínua "
                                                                    "(indutância crítica %1 H)"),
                          {lc});
        std::string text = portuguese(said);
        r.verdicts.push_back(
            {VerdictKey::Continuity, !r.discontinuous, std::move(text), std::move(said), {}, {}});
    }
}

bool allFinite(const Result& r)
{
    bool ok = std::isfinite(r.windingRms + r.diodePeak + r.diodeAvg + r.diodeRms + r.piv
                            + r.surgePeak + r.t95 + r.sourcePowerW + r.loadCurrent
                            + r.lCritical.value_or(0));
    for (const NodeResult& n : r.nodes)
        ok = ok && std::isfinite(n.vdc + n.ripplePp + n.rippleRms + n.ripplePct);
    for (double p : r.powerW)
        ok = ok && std::isfinite(p);
    return ok;
}

Result failed(ShownText why)
{
    Result r;
    r.error = portuguese(why);
    r.errorWords = std::move(why);
    return r;
}

// The figures of one steady cycle from x0, and the waveforms of two.
void figures(Result& r, const Model& m, State x0)
{
    Integrator in(m);
    Stats st;
    State x = x0;
    in.cycle(x, nullptr, &r.steady, 0);
    in.cycle(x, &st, &r.steady, m.period());
    const double n = st.n;
    for (std::size_t k = 0; k < st.sum.size(); ++k) {
        NodeResult nr;
        nr.vdc = st.sum[k] / n;
        nr.ripplePp = st.hi[k] - st.lo[k];
        nr.rippleRms = std::sqrt(std::max(st.sumSq[k] / n - nr.vdc * nr.vdc, 0.0));
        nr.ripplePct = nr.vdc != 0 ? nr.rippleRms / std::fabs(nr.vdc) * 100 : 0;
        r.nodes.push_back(nr);
        r.powerW.push_back(st.loss[k] / n);
    }
    r.windingRms = std::sqrt(st.windSq / n);
    r.diodeAvg = st.diodeSum / n;
    r.diodeRms = std::sqrt(st.diodeSq / n);
    r.diodePeak = st.diodePeak;
    r.piv = st.piv;
    r.sourcePowerW = st.srcLoss / n;
    r.loadCurrent = st.load / n;
    if (m.chokeInput()) {
        // Least choke that keeps its current flowing: its ripple current (the
        // first harmonic of the rectified wave over the choke's reactance)
        // equal to the DC. Full wave 2/3 V_dc at 2f: L = R/(3 w); half wave
        // V_pk/2 at f: L = R/(4 f) (Terman, Radio Engineers' Handbook).
        const double rEq = r.loadCurrent > 0 ? r.nodes.back().vdc / r.loadCurrent : 0;
        const double f = 1 / m.period();
        r.lCritical = rEq / (3 * 2 * std::numbers::pi * f);
        r.discontinuous = st.chokeMin <= r.loadCurrent * 1e-6;
    }
}

} // namespace

Result simulate(const Circuit& c, const Options& o, char sep)
{
    if (std::optional<ShownText> e = checkWords(c))
        return failed(*e);
    Model m(c, o.stepsPerCycle);
    State x0 = steadyState(m, m.guess(0), false);
    Result r;
    figures(r, m, x0);
    // A constant current the source cannot keep up drives the output below
    // zero, which no rectifier gives: no steady state.
    for (const NodeResult& n : r.nodes)
        if (!(n.vdc > 0))
            return failed(
                say(KELVORA_WORDS("Supply", "A carga pede mais corrente do que a fonte fornece.")));
    if (m.chokeInput() && c.rectifier == Rectifier::HalfWave) {
        const double rEq = r.loadCurrent > 0 ? r.nodes.back().vdc / r.loadCurrent : 0;
        r.lCritical = rEq / (4 * c.source.f);
    }

    if (o.transient) {
        // Switched on at the crest of the mains, every capacitor empty: the
        // worst surge through the rectifier.
        Model t(c, o.stepsPerCycle);
        t.setPhase(std::numbers::pi / 2);
        Integrator in(t);
        State x{};
        double time = 0;
        Probe p;
        const double target = 0.95 * r.nodes.back().vdc;
        bool reached = false;
        const int every = std::max(1, o.stepsPerCycle / 64);
        const double cycles3 = 3 * t.period();
        for (long k = 0;; ++k) {
            in.step(x, time, &p);
            r.surgePeak = std::max(r.surgePeak, std::fabs(p.diodeI));
            if (!reached && p.out.back() >= target) {
                reached = true;
                r.t95 = time;
            }
            if (k % every == 0) {
                r.transient.t.push_back(time);
                r.transient.vOut.push_back(p.out.back());
                r.transient.iWinding.push_back(p.windingI);
            }
            if (reached && time >= std::max(cycles3, 1.5 * r.t95))
                break;
            if (time >= o.maxTransientS) {
                if (!reached)
                    r.t95 = time;
                break;
            }
        }
    }
    verdicts(r, c, m, sep);
    if (!allFinite(r))
        return failed(say(
            KELVORA_WORDS("Supply", "O circuito leva a valores fora do alcance da simulação.")));
    return r;
}

std::vector<SweepPoint> sweep(const Circuit& c, int points)
{
    std::vector<SweepPoint> out;
    if (check(c) || points < 2)
        return out;
    // The nominal load current: the circuit's own, or what its resistance draws.
    double iNom = c.load.value;
    if (!c.load.constantCurrent) {
        Options o;
        o.transient = false;
        const Result r = simulate(c, o);
        iNom = r.loadCurrent;
    }
    if (!(iNom > 0))
        return out;
    Circuit k = c;
    k.load.constantCurrent = true;
    State x{};
    bool warm = false;
    for (int i = 1; i <= points; ++i) {
        k.load.value = iNom * 2 * i / points;
        if (check(k))
            break;
        Model m(k, 512);
        x = steadyState(m, warm ? x : m.guess(0), warm);
        warm = true;
        Result r;
        figures(r, m, x);
        out.push_back({k.load.value, r.nodes.back().vdc, r.nodes.back().ripplePp});
    }
    return out;
}

} // namespace kelvora::supply

namespace kelvora::supply {

std::string verdictText(const Verdict& v, const Translator& translate)
{
    if (!v.what.source)
        return v.words.empty() ? v.text : translate(v.words);
    ShownText m = v.words;
    if (m.args.size() >= 3) {
        m.args[0] = translate(say(v.what));
        m.args[2] = translate(v.whose);
    }
    return translate(m);
}

} // namespace kelvora::supply
