#pragma once
// The circuit compiled into a state-space model: the state vector, the
// right-hand side and the probe of every quantity the results need.
#include "supply.h"

#include <array>
#include <vector>

namespace kelvora::supply::detail {

constexpr int MaxStates = 12;
using State = std::array<double, MaxStates>;

// A shunt capacitor node (the doubler's node 0 holds its two capacitors).
struct Node {
    bool cap = false;
    int capState = -1;
    double c = 0, esr = 0;
    int capState2 = -1; // doubler: the lower capacitor
    double c2 = 0, esr2 = 0;
};

// A run of series elements between two nodes, carrying one current. Its left
// end is node `left`, or the rectifier (-1, choke input: the path current).
struct Group {
    int left = -1, right = 0;
    int lState = -1; // the current's state when the run holds an inductance
    double r = 0, l = 0;
    std::vector<int> elements; // indices into the ladder, in order
};

// Where an element's output voltage is found.
struct Output {
    int node = -1;  // a capacitor: that node
    int group = -1; // a series element: its run and its place in it
    int place = 0;
};

struct Probe {
    std::vector<double> out;    // each element's output voltage
    std::vector<double> lossW;  // each element's instantaneous loss
    double windingI = 0;        // the winding's current (one half for a centre tap)
    double diodeI = 0;          // one rectifying element's current
    double reverseV = 0;        // the largest reverse voltage on one element now
    double sourceLossW = 0;     // in the source resistance
    double loadI = 0;           // into the load and bleeder
};

class Model {
public:
    explicit Model(const Circuit& c, int stepsPerCycle);

    int states() const { return nStates_; }
    double period() const { return 1 / f_; }
    double step() const { return period() / steps_; }
    int stepsPerCycle() const { return steps_; }
    // Phase of the EMF at t = 0: 0 for the steady state, pi/2 to switch on at the crest.
    void setPhase(double phi);

    void rhs(const State& x, State& dx, double t, Probe* p = nullptr) const;
    // Rectifiers conduct one way: a path current that crossed zero in a step stops there.
    void clamp(State& x, const State& before) const;
    // Which way each path conducts: +1, -1 (the other polarity of a signed
    // winding current) or 0.
    int mode(const State& x, int k) const;
    // Holds the signed winding current's polarity of x through the stages of
    // a step: a stage that overshoots zero is not the other polarity starting.
    void freeze(const State& x) const { frozen_ = signed_ ? mode(x, 0) : 0; }
    // How far an idle path is from conducting with polarity `dir` (V: its
    // drive less the elements' threshold; it starts when this crosses zero).
    double margin(const State& x, double t, int k, int dir) const;
    // A starting point near the steady state, and the size of each state.
    State guess(double loadCurrent) const;
    State scales() const;
    // Keeps a trial state where a steady state can lie: every capacitor
    // between zero and the crest it can charge to.
    void bound(State& x) const;
    bool chokeInput() const { return chokeInput_; }
    const std::vector<Element>& ladder() const { return ladder_; }
    int pathStates() const { return nPaths_; }
    double pathR() const { return rPath_; }
    double amplitude() const { return amp_; }

private:
    double diodeV(double i) const; // forward drop of one element at i >= 0
    void solveNodes(const State& x, double* v, double* groupI) const;

    Rectifier rect_;
    DiodeLaw law_;
    double amp_ = 0, omega_ = 0, f_ = 60, phase_ = 0;
    double rPath_ = 0, lPath_ = 0;
    int nd_ = 1;              // elements in series in a conducting path
    int nPaths_ = 1;          // path states
    bool signed_ = false;     // bridge, doubler: one winding current of either sign
    bool chokeInput_ = false; // the first run joins the path
    std::vector<Node> nodes_;
    std::vector<Group> groups_;
    std::vector<Output> outputs_;
    std::vector<Element> ladder_;
    Load load_;
    double gLoad_ = 0, iLoad_ = 0; // load: I = iLoad + gLoad v
    int nStates_ = 0;
    int steps_ = 1024;
    // sin(w t + phase) at every half step of a cycle: the stages of a fixed
    // step fall on this grid, so the integration needs no sine of its own.
    std::vector<double> sines_;
    mutable int frozen_ = 0;
    double sine(double t) const;
};

} // namespace kelvora::supply::detail
