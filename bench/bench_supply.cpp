// The rectifier and filter simulation: one run to the periodic steady state
// (capacitor input and CLC, both with a 5U4G on a centre tap), the same with
// the turn-on transient, and the 24-point load sweep.
#include "supply.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kelvora::supply;

Circuit valveSupply(bool clc)
{
    Circuit c;
    c.source = {700, 90, 20, 0.060, 60};
    c.rectifier = Rectifier::CentreTap;
    c.device = *findDevice("5U4G");
    c.ladder = {{ElementKind::C, 20e-6, 0.3}};
    if (clc)
        c.ladder = {{ElementKind::C, 20e-6, 0.3}, {ElementKind::L, 10, 150},
                    {ElementKind::C, 47e-6, 0.3}};
    c.load = {false, 3500, 0};
    return c;
}

void steady(benchmark::State& st, bool clc)
{
    const Circuit c = valveSupply(clc);
    Options o;
    o.transient = false;
    for (auto _ : st)
        benchmark::DoNotOptimize(simulate(c, o));
}

void full(benchmark::State& st, bool clc)
{
    const Circuit c = valveSupply(clc);
    for (auto _ : st)
        benchmark::DoNotOptimize(simulate(c));
}

void sweep24(benchmark::State& st, bool clc)
{
    const Circuit c = valveSupply(clc);
    for (auto _ : st)
        benchmark::DoNotOptimize(sweep(c, 24));
}

} // namespace

BENCHMARK_CAPTURE(steady, capacitor_input_5U4G, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(steady, clc_5U4G, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(full, capacitor_input_5U4G, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(full, clc_5U4G, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sweep24, capacitor_input_5U4G, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sweep24, clc_5U4G, true)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
