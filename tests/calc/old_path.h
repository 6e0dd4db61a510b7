#pragma once
// Temporary: the calculations before the split into compute and present.
#include "numbers.h"
#include "sheet.h"

namespace kelvora::oldpath {
struct TrafoModRecord {
    float PaMod = 0, PccRF = 0, Pextra = 0, Fmin = 0, Ebmod = 0, PextraPct = 0;
    float Ib0mod = 0, Ib1mod = 0, Zmod = 0, Ebrf = 0, Ibrf = 0;
    float Bn = 0, En = 0, Bmax = 0;
    float Sn = 0, Bnc = 0, Sne = 0, Lm = 0, Ae = 0, Zrf = 0;
    float Kn = 0, Kz = 0, Np = 0, Ns = 0;
    float Bc = 0, Bcp = 0, Bcs = 0;
    float Sfp = 0, Sfpmm2 = 0, Sfs = 0, Sfsmm2 = 0;
};
struct CalcState {
    int NumSec = 0;
    int TipoPri = 0;
    int SelConfigTM = 0;
    int Sigma = 0;
    float Bn = 0, En = 0, Fo = 0, Bmax = 0, n = 0;
    float Vs[7] = {}, Is[7] = {};
    float Pas = 0, Pap = 0, Kcore = 0, Snu = 0, Bnc = 0, Sns = 0;
    float Vep = 0, Ves = 0, Vsec = 0;
    float Ns[7] = {}, AWGs[7] = {}, Ss[7] = {};
    float Vp[5] = {};
    float Iprim[5] = {}, Nprim[5] = {}, AWGprim[5] = {}, Sprim[5] = {};
    float Po = 0, Fm = 0, Vcc = 0, Ro = 0, Rd = 0, Bmin = 0, Bmax_tr = 0, BQ3 = 0;
    int Ic0pct = 0;
    float Rc = 0, Vcm = 0, Icm = 0, Idc = 0, Pin = 0, Nteor = 0, Pdiss = 0, Vcemax = 0;
    float Ic0 = 0, Ib = 0, I2 = 0, Id = 0, I1 = 0, R1 = 0, PR1 = 0, Rbe = 0, Pdrv = 0;
    float Re = 0, Nprat = 0, RBmin = 0, RBmax = 0, Pdrvmin = 0, Pdrvmax = 0;
    float M2N2min = 0, M2N2max = 0;
    float Lr = 0, Ir = 0, RFBn = 0, RFEn = 0, LI2 = 0, RFSn = 0, RFNI = 0, RFNesp = 0;
    float RFBnc = 0, RFSne = 0, RFLmag = 0, RFAe = 0, RFLmage = 0, RFAee = 0;
    TrafoModRecord mod;
};
namespace p0 {
void TAEnrolamentos(Sheet& tab, CalcState& s);
void CalculaTrafoAlim(Sheet& tab, CalcState& s, const Settings& cfg);
}
namespace p1 {
void SelConfigTM(Sheet& tab, CalcState& s);
void CalculaTrafoMod(Sheet& tab, CalcState& s, const Settings& cfg);
}
namespace p2 {
void CalculaTrafoModTrans(Sheet& tab, CalcState& s, const Settings& cfg);
}
namespace p3 {
void CalcReatorFiltro(Sheet& tab, CalcState& s, const Settings& cfg);
}
} // namespace kelvora::oldpath
