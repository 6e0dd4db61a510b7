#include "model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelvora::supply::detail {

Model::Model(const Circuit& c, int stepsPerCycle)
    : rect_(c.rectifier), law_(c.device.law), f_(c.source.f), load_(c.load), steps_(stepsPerCycle)
{
    omega_ = 2 * std::numbers::pi * f_;
    for (const Element& e : c.ladder)
        if (e.kind != ElementKind::None)
            ladder_.push_back(e);
    chokeInput_ = !ladder_.empty() && ladder_[0].kind != ElementKind::C;
    const double vpk = std::sqrt(2.0) * c.source.vNl;
    const double rWinding = c.source.r - c.source.rPrimary;
    switch (rect_) {
    case Rectifier::HalfWave:
        amp_ = vpk, nd_ = 1, nPaths_ = 1;
        rPath_ = c.source.r, lPath_ = c.source.lLeak;
        break;
    case Rectifier::CentreTap:
        // Each half: half the turns, so half the winding's copper, a quarter
        // of the primary's resistance referred and a quarter of the leakage.
        amp_ = vpk / 2, nd_ = 1, nPaths_ = chokeInput_ ? 1 : 2;
        rPath_ = rWinding / 2 + c.source.rPrimary / 4, lPath_ = c.source.lLeak / 4;
        break;
    case Rectifier::Bridge:
        amp_ = vpk, nd_ = 2, nPaths_ = 1, signed_ = !chokeInput_;
        rPath_ = c.source.r, lPath_ = c.source.lLeak;
        break;
    case Rectifier::Doubler:
        amp_ = vpk, nd_ = 1, nPaths_ = 1, signed_ = true;
        rPath_ = c.source.r, lPath_ = c.source.lLeak;
        break;
    }
    // A numerical floor under the leakage: its time constant with the path's
    // resistance at least four steps, so that the explicit steps stay stable
    // (a few microseconds: far below any conduction angle at mains frequency).
    lPath_ = std::max({lPath_, 4 * step() * (rPath_ + nd_ * law_.rs), 1e-7});

    gLoad_ = (load_.constantCurrent ? 0 : 1 / load_.value) + (load_.bleeder > 0 ? 1 / load_.bleeder : 0);
    iLoad_ = load_.constantCurrent ? load_.value : 0;

    int s = nPaths_;
    int cur = -1; // the node the ladder has reached; -1 the rectifier
    if (!chokeInput_) {
        Node n;
        n.cap = true, n.c = ladder_[0].value, n.esr = ladder_[0].loss, n.capState = s++;
        if (rect_ == Rectifier::Doubler)
            n.c2 = n.c, n.esr2 = n.esr, n.capState2 = s++;
        nodes_.push_back(n);
        outputs_.push_back({0, -1, 0});
        cur = 0;
    }
    for (std::size_t i = chokeInput_ ? 0 : 1; i < ladder_.size();) {
        const Element& e = ladder_[i];
        if (e.kind == ElementKind::C) {
            Node& n = nodes_[std::size_t(cur)];
            n.cap = true, n.c = e.value, n.esr = e.loss, n.capState = s++;
            outputs_.push_back({cur, -1, 0});
            ++i;
            continue;
        }
        Group g;
        g.left = cur;
        for (; i < ladder_.size() && ladder_[i].kind != ElementKind::C; ++i) {
            const Element& el = ladder_[i];
            g.r += el.kind == ElementKind::R ? el.value : el.loss;
            g.l += el.kind == ElementKind::L ? el.value : 0;
            outputs_.push_back({-1, int(groups_.size()), int(g.elements.size())});
            g.elements.push_back(int(i));
        }
        if (g.left < 0)
            g.lState = 0; // the path current
        else if (g.l > 0)
            g.lState = s++;
        nodes_.push_back(Node{});
        g.right = int(nodes_.size()) - 1;
        cur = g.right;
        groups_.push_back(g);
    }
    nStates_ = s;
    setPhase(0);
}

void Model::setPhase(double phi)
{
    phase_ = phi;
    sines_.resize(std::size_t(2 * steps_));
    for (int k = 0; k < 2 * steps_; ++k)
        sines_[std::size_t(k)] = std::sin(std::numbers::pi * k / steps_ + phi);
}

double Model::sine(double t) const
{
    const double q = t * 2 / step();
    const double k = std::nearbyint(q);
    if (std::fabs(q - k) < 1e-6) {
        const long n = 2 * steps_;
        return sines_[std::size_t(((long(k) % n) + n) % n)];
    }
    return std::sin(omega_ * t + phase_);
}

double Model::diodeV(double i) const
{
    if (law_.childLangmuir)
        return i > 0 ? std::cbrt((i / law_.k) * (i / law_.k)) : 0;
    return law_.v0 + law_.rs * std::max(i, 0.0);
}

namespace {

// Gaussian elimination with partial pivoting on a small dense system.
void solve(int n, double a[6][6], double* b)
{
    for (int k = 0; k < n; ++k) {
        int p = k;
        for (int i = k + 1; i < n; ++i)
            if (std::fabs(a[i][k]) > std::fabs(a[p][k]))
                p = i;
        if (p != k) {
            std::swap(a[p], a[k]);
            std::swap(b[p], b[k]);
        }
        for (int i = k + 1; i < n; ++i) {
            const double m = a[i][k] / a[k][k];
            for (int j = k; j < n; ++j)
                a[i][j] -= m * a[k][j];
            b[i] -= m * b[k];
        }
    }
    for (int k = n - 1; k >= 0; --k) {
        double s = b[k];
        for (int j = k + 1; j < n; ++j)
            s -= a[k][j] * b[j];
        b[k] = s / a[k][k];
    }
}

} // namespace

// Node voltages and the currents of the resistive runs from the states: the
// capacitors' terminal voltages include their ESR drop, which depends on the
// currents of the resistive runs and the load, so the nodes solve together.
void Model::solveNodes(const State& x, double* v, double* gi) const
{
    const int m = int(nodes_.size());
    double a[6][6] = {};
    double b[6] = {};
    // Known current of each run (inductive) or its conductance (resistive).
    auto known = [&](const Group& g) { return g.left < 0 ? std::max(x[0], 0.0) : x[g.lState]; };
    double ip = 0, im = 0; // path currents into node 0 (capacitor input)
    if (!chokeInput_) {
        if (signed_)
            ip = std::max(x[0], 0.0), im = std::max(-x[0], 0.0);
        else
            for (int k = 0; k < nPaths_; ++k)
                ip += std::max(x[k], 0.0);
    }
    for (int j = 0; j < m; ++j) {
        const Node& n = nodes_[j];
        // I_left = kl + sum(cl * v), I_right = kr + sum(cr * v)
        double kl = 0, kr = 0, cl[6] = {}, cr[6] = {};
        const Group* gl = nullptr;
        const Group* gr = nullptr;
        for (const Group& g : groups_) {
            if (g.right == j)
                gl = &g;
            if (g.left == j)
                gr = &g;
        }
        if (!gl) {
            kl = rect_ == Rectifier::Doubler ? 0 : ip + im;
        } else if (gl->lState >= 0) {
            kl = known(*gl);
        } else {
            cl[gl->left] += 1 / gl->r;
            cl[j] -= 1 / gl->r;
        }
        if (!gr) {
            kr = iLoad_;
            cr[j] += gLoad_;
        } else if (gr->lState >= 0) {
            kr = known(*gr);
        } else {
            cr[j] += 1 / gr->r;
            cr[gr->right] -= 1 / gr->r;
        }
        if (n.cap) {
            // v - ESR_in I_left + ESR_out I_right = Vc
            double vc = x[n.capState], esrIn = n.esr, esrOut = n.esr, extra = 0;
            if (n.capState2 >= 0) { // doubler: the two capacitors in series
                vc += x[n.capState2];
                esrOut = n.esr + n.esr2;
                esrIn = 0;
                extra = n.esr * ip + n.esr2 * im;
            }
            a[j][j] += 1;
            for (int k = 0; k < m; ++k)
                a[j][k] += -esrIn * cl[k] + esrOut * cr[k];
            b[j] = vc + esrIn * kl + extra - esrOut * kr;
        } else {
            // I_left - I_right = 0
            for (int k = 0; k < m; ++k)
                a[j][k] += cl[k] - cr[k];
            b[j] = kr - kl;
        }
    }
    solve(m, a, b);
    for (int j = 0; j < m; ++j)
        v[j] = b[j];
    for (std::size_t g = 0; g < groups_.size(); ++g) {
        const Group& gr = groups_[g];
        gi[g] = gr.lState >= 0 ? known(gr) : (v[gr.left] - v[gr.right]) / gr.r;
    }
}

void Model::rhs(const State& x, State& dx, double t, Probe* p) const
{
    dx.fill(0);
    const double s = sine(t);
    const double e = amp_ * s;
    double v[6], gi[8];
    solveNodes(x, v, gi);
    const int last = int(nodes_.size()) - 1;
    const double iLoad = iLoad_ + gLoad_ * v[last];

    // Current out of each node to the right, and into it from the left.
    auto rightI = [&](int j) {
        for (std::size_t g = 0; g < groups_.size(); ++g)
            if (groups_[g].left == j)
                return gi[g];
        return iLoad;
    };
    double ip = 0, im = 0;
    if (!chokeInput_) {
        if (signed_)
            ip = std::max(x[0], 0.0), im = std::max(-x[0], 0.0);
        else
            for (int k = 0; k < nPaths_; ++k)
                ip += std::max(x[k], 0.0);
    }
    double iCap[6] = {}, iCap2 = 0;
    for (int j = 0; j <= last; ++j) {
        const Node& n = nodes_[j];
        if (!n.cap)
            continue;
        double in = ip + im;
        for (std::size_t g = 0; g < groups_.size(); ++g)
            if (groups_[g].right == j)
                in = gi[g];
        const double out = rightI(j);
        if (n.capState2 >= 0) {
            iCap[j] = ip - out, iCap2 = im - out;
            dx[n.capState2] = iCap2 / n.c2;
        } else {
            iCap[j] = in - out;
        }
        dx[n.capState] = iCap[j] / n.c;
    }
    for (std::size_t g = 0; g < groups_.size(); ++g) {
        const Group& gr = groups_[g];
        if (gr.left >= 0 && gr.lState >= 0)
            dx[gr.lState] = (v[gr.left] - v[gr.right] - gr.r * gi[g]) / gr.l;
    }

    // The rectifier: each conducting path's current through its leakage.
    auto conduct = [&](double i, double drive, double r, double l) {
        if (i > 0)
            return (drive - r * i - nd_ * diodeV(i)) / l;
        const double d = drive - nd_ * diodeV(0);
        return d > 0 ? d / l : 0.0;
    };
    double vtp = v[0], vtm = v[0]; // what each polarity charges
    if (!chokeInput_ && rect_ == Rectifier::Doubler) {
        const Node& n = nodes_[0];
        vtp = x[n.capState] + n.esr * iCap[0];
        vtm = x[n.capState2] + n.esr2 * iCap2;
    }
    if (chokeInput_) {
        const Group& g0 = groups_[0];
        const double i = std::max(x[0], 0.0);
        const double drive = (rect_ == Rectifier::HalfWave ? e : amp_ * std::fabs(s)) - v[0];
        dx[0] = conduct(i, drive, rPath_ + g0.r, lPath_ + g0.l);
    } else if (signed_) {
        const double i = x[0];
        const int dir = frozen_ != 0 ? frozen_ : i > 0 ? 1 : i < 0 ? -1 : 0;
        if (dir > 0) {
            dx[0] = conduct(std::max(i, 0.0), e - vtp, rPath_, lPath_);
        } else if (dir < 0) {
            dx[0] = -conduct(std::max(-i, 0.0), -e - vtm, rPath_, lPath_);
        } else {
            const double up = conduct(0, e - vtp, rPath_, lPath_);
            dx[0] = up > 0 ? up : -conduct(0, -e - vtm, rPath_, lPath_);
        }
    } else {
        for (int k = 0; k < nPaths_; ++k)
            dx[k] = conduct(std::max(x[k], 0.0), (k == 0 ? e : -e) - v[0], rPath_, lPath_);
    }
    if (!p)
        return;

    // 2. What the results read.
    p->out.assign(ladder_.size(), 0);
    p->lossW.assign(ladder_.size(), 0);
    for (std::size_t k = 0; k < outputs_.size(); ++k) {
        const Output& o = outputs_[k];
        if (o.node >= 0) {
            p->out[k] = v[o.node];
            const Node& n = nodes_[o.node];
            p->lossW[k] = iCap[o.node] * iCap[o.node] * n.esr + iCap2 * iCap2 * n.esr2
                          * (o.node == 0 && n.capState2 >= 0);
            continue;
        }
        const Group& g = groups_[o.group];
        const double i = gi[o.group];
        const double di = g.lState >= 0 ? dx[g.lState] : 0;
        double vOut = v[g.right];
        for (std::size_t q = o.place + 1; q < g.elements.size(); ++q) {
            const Element& el = ladder_[g.elements[q]];
            vOut += (el.kind == ElementKind::R ? el.value : el.loss) * i
                    + (el.kind == ElementKind::L ? el.value * di : 0);
        }
        p->out[k] = vOut;
        const Element& el = ladder_[g.elements[o.place]];
        p->lossW[k] = i * i * (el.kind == ElementKind::R ? el.value : el.loss);
    }
    p->loadI = iLoad;
    if (chokeInput_) {
        const double i = std::max(x[0], 0.0);
        const double vr = i > 0 ? amp_ * std::fabs(s) : v[0];
        switch (rect_) {
        case Rectifier::HalfWave:
            p->windingI = p->diodeI = i;
            p->reverseV = i > 0 ? 0 : v[0] - e;
            break;
        case Rectifier::CentreTap:
            p->windingI = p->diodeI = s > 0 ? i : 0;
            p->reverseV = vr + amp_ * std::fabs(s);
            break;
        default: // bridge
            p->windingI = s >= 0 ? i : -i;
            p->diodeI = s > 0 ? i : 0;
            p->reverseV = (vr + amp_ * std::fabs(s)) / 2;
            break;
        }
        p->sourceLossW = i * i * rPath_;
    } else if (signed_) {
        p->windingI = x[0];
        p->diodeI = std::max(x[0], 0.0);
        p->reverseV = std::max(vtp - e, vtm + e) / nd_;
        p->sourceLossW = x[0] * x[0] * rPath_;
    } else {
        p->windingI = p->diodeI = std::max(x[0], 0.0);
        double rev = v[0] - e;
        double loss = 0;
        for (int k = 0; k < nPaths_; ++k) {
            const double i = std::max(x[k], 0.0);
            loss += i * i * rPath_;
            rev = std::max(rev, v[0] - (k == 0 ? e : -e));
        }
        p->reverseV = rev;
        p->sourceLossW = loss;
    }
}

int Model::mode(const State& x, int k) const
{
    return x[k] > 0 ? 1 : x[k] < 0 && signed_ ? -1 : 0;
}

double Model::margin(const State& x, double t, int k, int dir) const
{
    const double s = sine(t);
    double v[6], gi[8];
    solveNodes(x, v, gi);
    double target = v[0];
    if (!chokeInput_ && rect_ == Rectifier::Doubler) {
        // The capacitor a polarity charges, at its terminals (no current in yet).
        const Node& n = nodes_[0];
        double out = iLoad_ + gLoad_ * v[0];
        for (std::size_t g = 0; g < groups_.size(); ++g)
            if (groups_[g].left == 0)
                out = gi[g];
        target = dir > 0 ? x[n.capState] - n.esr * out : x[n.capState2] - n.esr2 * out;
    }
    double e;
    if (chokeInput_)
        e = rect_ == Rectifier::HalfWave ? amp_ * s : amp_ * std::fabs(s);
    else if (signed_)
        e = dir * amp_ * s;
    else
        e = (k == 0 ? 1 : -1) * amp_ * s;
    return e - target - nd_ * diodeV(0);
}

void Model::clamp(State& x, const State& before) const
{
    if (signed_) {
        if ((before[0] > 0 && x[0] < 0) || (before[0] < 0 && x[0] > 0))
            x[0] = 0;
        return;
    }
    for (int k = 0; k < nPaths_; ++k)
        x[k] = std::max(x[k], 0.0);
}

State Model::guess(double) const
{
    State x{};
    const bool full = rect_ != Rectifier::HalfWave;
    const double v = chokeInput_ ? 0.9 * amp_ * (full ? 2 / std::numbers::pi : 1 / std::numbers::pi)
                                 : 0.9 * amp_;
    const double vOut = rect_ == Rectifier::Doubler ? 2 * v : v;
    const double i = iLoad_ + gLoad_ * vOut;
    for (const Node& n : nodes_) {
        if (n.capState >= 0)
            x[n.capState] = n.capState2 >= 0 ? v : vOut;
        if (n.capState2 >= 0)
            x[n.capState2] = v;
    }
    for (const Group& g : groups_)
        if (g.lState >= 0)
            x[g.lState] = i;
    return x;
}

void Model::bound(State& x) const
{
    // Above the crest less the rectifier's threshold nothing charges a capacitor.
    const double top = amp_ - nd_ * diodeV(0);
    const double crest = rect_ == Rectifier::Doubler ? 2 * top : top;
    for (std::size_t j = 0; j < nodes_.size(); ++j) {
        const Node& n = nodes_[j];
        if (n.capState >= 0)
            x[n.capState] = std::clamp(x[n.capState], 0.0, n.capState2 >= 0 ? top : crest);
        if (n.capState2 >= 0)
            x[n.capState2] = std::clamp(x[n.capState2], 0.0, top);
    }
}

State Model::scales() const
{
    State sc{};
    const double i = std::max(iLoad_ + gLoad_ * amp_, 1e-3);
    sc.fill(i);
    for (const Node& n : nodes_) {
        if (n.capState >= 0)
            sc[n.capState] = amp_;
        if (n.capState2 >= 0)
            sc[n.capState2] = amp_;
    }
    return sc;
}

} // namespace kelvora::supply::detail
