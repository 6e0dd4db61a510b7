// The one place that knows where each design keeps its results: the design's
// result record plus the few choices only the tab's sheet holds.
#include "construction.h"

#include <algorithm>

namespace kelvora::construction {

TrafoAlimInput trafoAlimInput(const Sheet& tab, const TrafoAlimResult& s, bool tabError)
{
    TrafoAlimInput in;
    in.tabError = tabError;
    (void)tab;
    in.uCore = s.Kcore == 5; // the U/I lamination's empirical section constant
    in.a = s.Bn;
    in.b = s.En;
    in.fo = s.Fo;
    in.bmax = s.Bmax;
    in.efficiency = s.n;
    in.tipoPri = s.TipoPri;
    in.numSec = std::clamp(s.NumSec + 1, 0, 6);
    for (int i = 1; i <= 4; ++i) {
        in.vp[i] = s.Vp[i];
        in.nprim[i] = s.Nprim[i];
        in.awgPrim[i] = s.AWGprim[i];
    }
    for (int i = 1; i <= 6; ++i) {
        in.vs[i] = s.Vs[i];
        in.is[i] = s.Is[i];
        in.ns[i] = s.Ns[i];
        in.awgs[i] = s.AWGs[i];
    }
    return in;
}

TrafoModInput trafoModInput(const Sheet& tab, const TrafoModResult& m, bool tabError)
{
    TrafoModInput in;
    in.tabError = tabError;
    in.a = m.Bn;
    in.b = m.En;
    in.paMod = m.PaMod;
    in.fmin = m.Fmin;
    in.zmod = m.Zmod;
    in.ib1mod = double(m.Ib1mod) / 1000; // the state keeps mA
    in.ibrf = double(m.Ibrf) / 1000;
    in.bmax = m.Bmax;
    in.np = m.Np;
    in.ns = m.Ns;
    in.kn = m.Kn;
    in.sfp = m.Sfp;
    in.sfs = m.Sfs;
    in.gapMm = m.Ae;
    (void)tab;
    in.reactorCoupling = m.SelConfigTM == 1; // "Reator (RCA)", as SelConfigTM recorded it
    return in;
}

ReatorFiltroInput reatorFiltroInput(const Sheet& tab, const ReatorFiltroResult& s, bool tabError)
{
    (void)tab;
    ReatorFiltroInput in;
    // An inductance of zero or less is refused by the tab without an exception:
    // the rest of the state is then from an earlier run.
    in.tabError = tabError || !(s.Lr > 0);
    in.a = s.RFBn;
    in.b = s.RFEn;
    in.lr = s.Lr;
    in.ir = double(s.Ir) / 1000; // the state keeps mA
    in.nesp = s.RFNesp;
    in.gapCm = s.RFAee;
    return in;
}

} // namespace kelvora::construction
