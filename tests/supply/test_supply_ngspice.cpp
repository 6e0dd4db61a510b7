// The simulation against ngspice on the same circuits: the same source, the
// same forward laws written as behavioural current sources, the same filter
// and load, run to steady state in batch mode and measured over the last cycle.
#include "supply.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

using namespace kelvora::supply;

// The element between two nodes as ngspice draws it: a behavioural current
// source with the element's law, and 1 Gohm across it so that no node floats.
std::string diode(const std::string& name, const std::string& a, const std::string& k,
                  const DiodeLaw& law)
{
    std::ostringstream s;
    s.precision(10);
    if (law.childLangmuir)
        s << "B" << name << " " << a << " " << k << " I = " << law.k << "*pow(max(V(" << a << ","
          << k << "),0),1.5)\n";
    else
        s << "B" << name << " " << a << " " << k << " I = max(V(" << a << "," << k << ")-"
          << law.v0 << ",0)/" << law.rs << "\n";
    s << "Roff" << name << " " << a << " " << k << " 1e9\n";
    return s.str();
}

// Series R and L from `from` to `to`.
std::string branch(const std::string& name, const std::string& from, const std::string& to,
                   double r, double l)
{
    std::ostringstream s;
    s.precision(10);
    s << "R" << name << " " << from << " m" << name << " " << std::max(r, 1e-6) << "\n";
    s << "L" << name << " m" << name << " " << to << " " << l << "\n";
    return s.str();
}

struct Spice {
    double vdc, ripplePp, rippleRms, windingRms;
};

Spice runSpice(const Circuit& c, double seconds)
{
    std::ostringstream n;
    n.precision(10);
    n << "* supply\n";
    const double amp = std::sqrt(2.0) * c.source.vNl, f = c.source.f;
    const double rw = c.source.r - c.source.rPrimary;
    std::string winding = "Lw";
    const std::string top = "r";
    switch (c.rectifier) {
    case Rectifier::HalfWave:
        n << "V1 p 0 SIN(0 " << amp << " " << f << ")\n" << branch("w", "p", "a", c.source.r, c.source.lLeak);
        n << diode("1", "a", top, c.device.law);
        break;
    case Rectifier::CentreTap: {
        const double r = rw / 2 + c.source.rPrimary / 4, l = c.source.lLeak / 4;
        n << "V1 p1 0 SIN(0 " << amp / 2 << " " << f << ")\n" << branch("w", "p1", "a1", r, l);
        n << "V2 p2 0 SIN(0 " << -amp / 2 << " " << f << ")\n" << branch("x", "p2", "a2", r, l);
        n << diode("1", "a1", top, c.device.law) << diode("2", "a2", top, c.device.law);
        break;
    }
    case Rectifier::Bridge:
        n << "V1 p b SIN(0 " << amp << " " << f << ")\n" << branch("w", "p", "a", c.source.r, c.source.lLeak);
        n << diode("1", "a", top, c.device.law) << diode("2", "0", "a", c.device.law)
          << diode("3", "b", top, c.device.law) << diode("4", "0", "b", c.device.law);
        break;
    case Rectifier::Doubler:
        n << "V1 p mid SIN(0 " << amp << " " << f << ")\n" << branch("w", "p", "a", c.source.r, c.source.lLeak);
        n << diode("1", "a", top, c.device.law) << diode("2", "0", "a", c.device.law);
        break;
    }
    std::string at = top;
    int k = 0;
    for (const Element& e : c.ladder) {
        ++k;
        const std::string next = "n" + std::to_string(k);
        if (e.kind == ElementKind::C) {
            if (c.rectifier == Rectifier::Doubler && k == 1) {
                n << "Resr1 " << at << " c1 " << std::max(e.loss, 1e-6) << "\nC1 c1 mid " << e.value << "\n";
                n << "Resr1b mid c1b " << std::max(e.loss, 1e-6) << "\nC1b c1b 0 " << e.value << "\n";
            } else {
                n << "Resr" << k << " " << at << " c" << k << " " << std::max(e.loss, 1e-6) << "\nC" << k
                  << " c" << k << " 0 " << e.value << "\n";
            }
        } else if (e.kind == ElementKind::R) {
            n << "R" << k << " " << at << " " << next << " " << e.value << "\n";
            at = next;
        } else if (e.kind == ElementKind::L) {
            n << branch("f" + std::to_string(k), at, next, e.loss, e.value);
            at = next;
        }
    }
    n << "Rload " << at << " 0 " << c.load.value << "\n";
    const double from = seconds - 1 / f;
    // The rms ripple measured on the output less its mean: the difference of
    // two printed rms figures would cancel to nothing on a smooth output.
    n << ".options reltol=1e-5 abstol=1e-10 vntol=1e-7\n";
    n << ".tran 2u " << seconds << " 0 4u\n";
    n << ".control\nrun\n";
    const std::string window = " from=" + std::to_string(from) + " to=" + std::to_string(seconds);
    n << "meas tran vdc AVG v(" << at << ")" << window << "\n";
    n << "meas tran vpp PP v(" << at << ")" << window << "\n";
    n << "let ac = v(" << at << ") - vdc\n";
    n << "meas tran vrms RMS ac" << window << "\n";
    n << "meas tran iw RMS i(Lw)" << window << "\n";
    n << ".endc\n";
    n << ".end\n";
    (void)winding;

    char dir[] = "/tmp/supply-spiceXXXXXX";
    EXPECT_NE(mkdtemp(dir), nullptr);
    const std::string path = std::string(dir) + "/c.cir";
    std::ofstream(path) << n.str();
    const std::string cmd = "ngspice -b " + path + " 2>&1";
    std::map<std::string, double> m;
    if (FILE* p = popen(cmd.c_str(), "r")) {
        char line[512];
        const std::regex re(R"(^\s*(vdc|vpp|vrms|iw)\s*=\s*([-+0-9.eE]+))");
        while (fgets(line, sizeof line, p)) {
            std::cmatch mt;
            if (std::regex_search(line, mt, re))
                m[mt[1].str()] = std::stod(mt[2].str());
        }
        pclose(p);
    }
    std::remove(path.c_str());
    rmdir(dir);
    EXPECT_EQ(m.size(), 4u) << "ngspice (Debian package ngspice) gave no measurements";
    return {m["vdc"], m["vpp"], m["vrms"], m["iw"]};
}

void compare(const Circuit& c, double seconds)
{
    const Result r = simulate(c);
    ASSERT_FALSE(r.error) << *r.error;
    const Spice s = runSpice(c, seconds);
    const NodeResult& out = r.nodes.back();
    std::printf("    ours vdc %.4f pp %.5f rms %.5f iw %.5f\n", out.vdc, out.ripplePp, out.rippleRms,
                r.windingRms);
    std::printf("   spice vdc %.4f pp %.5f rms %.5f iw %.5f\n", s.vdc, s.ripplePp, s.rippleRms,
                s.windingRms);
    EXPECT_NEAR(out.vdc, s.vdc, 0.005 * s.vdc);
    EXPECT_NEAR(out.ripplePp, s.ripplePp, 0.03 * s.ripplePp);
    EXPECT_NEAR(out.rippleRms, s.rippleRms, 0.03 * s.rippleRms);
    EXPECT_NEAR(r.windingRms, s.windingRms, 0.02 * s.windingRms);
}

Circuit base()
{
    Circuit c;
    c.source = {300, 50, 10, 0.040, 60};
    c.rectifier = Rectifier::Bridge;
    c.device = *findDevice("1N4007");
    c.load = {false, 2500, 0};
    return c;
}

TEST(SupplyAgainstNgspice, BridgeWithCapacitorInput)
{
    Circuit c = base();
    c.ladder = {{ElementKind::C, 47e-6, 0.5}};
    compare(c, 1.5);
}

TEST(SupplyAgainstNgspice, CentreTapWithValveAndCapacitorInput)
{
    Circuit c = base();
    c.rectifier = Rectifier::CentreTap;
    c.source = {700, 90, 20, 0.060, 60};
    c.device = *findDevice("5U4G");
    c.ladder = {{ElementKind::C, 20e-6, 0.3}};
    c.load = {false, 3500, 0};
    compare(c, 1.5);
}

TEST(SupplyAgainstNgspice, BridgeWithClc)
{
    Circuit c = base();
    c.ladder = {{ElementKind::C, 47e-6, 0.5}, {ElementKind::L, 10, 150}, {ElementKind::C, 47e-6, 0.3}};
    compare(c, 3);
}

TEST(SupplyAgainstNgspice, BridgeWithChokeInput)
{
    Circuit c = base();
    c.ladder = {{ElementKind::L, 10, 150}, {ElementKind::C, 47e-6, 0.3}};
    c.load = {false, 2000, 0};
    compare(c, 3);
}

TEST(SupplyAgainstNgspice, VoltageDoubler)
{
    Circuit c = base();
    c.rectifier = Rectifier::Doubler;
    c.source = {150, 5, 1, 0.005, 60};
    c.ladder = {{ElementKind::C, 100e-6, 0.3}};
    c.load = {false, 2000, 0};
    compare(c, 2);
}

} // namespace
