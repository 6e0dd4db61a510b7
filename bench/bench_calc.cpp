// Calculation and number-format costs, free of any widget work.
#include "adviser.h"
#include "calc_error.h"
#include "construction.h"
#include "designs.h"
#include "numbers.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

using namespace kelvora;

namespace {

// The slowest repetition, beside Google Benchmark's median of them.
double worst(const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); }

// Showing a design's tab from its initial field texts, as opening the tab does.
void showDesign(benchmark::State& st, const Design* d)
{
    const Settings cfg;
    Sheet sheet(d->controls);
    DesignResults state;
    for (auto _ : st) {
        try {
            d->show(sheet, state, cfg);
        } catch (const CalcError&) {
            st.SkipWithError("the design's default texts raise an error");
            break;
        }
        benchmark::DoNotOptimize(state);
        benchmark::ClobberMemory();
    }
}

// A design's calculation alone, from the tab's initial texts as read: no
// text is formatted and no control written. Each run starts from the record
// of the last, as in the window.
template <typename Inputs, typename Result>
void computeOnly(benchmark::State& st, const Design* d, Inputs (*read)(const Sheet&),
                 Result (*compute)(const Inputs&, const Settings&, const Result&))
{
    const Settings cfg;
    const Sheet sheet(d->controls);
    const Inputs in = read(sheet);
    Result r;
    for (auto _ : st) {
        r = compute(in, cfg, r);
        if (r.error) {
            st.SkipWithError("the design's default texts raise an error");
            break;
        }
        benchmark::DoNotOptimize(r);
        benchmark::ClobberMemory();
    }
}

void BM_compute_trafo_alim(benchmark::State& st)
{
    computeOnly(st, findDesign("trafo-alimentacao"), readTrafoAlimInputs, computeTrafoAlim);
}
BENCHMARK(BM_compute_trafo_alim)->ComputeStatistics("worst", worst);

void BM_compute_trafo_mod(benchmark::State& st)
{
    computeOnly(st, findDesign("modulador-valvulado"), readTrafoModInputs, computeTrafoMod);
}
BENCHMARK(BM_compute_trafo_mod)->ComputeStatistics("worst", worst);

void BM_compute_trafo_mod_trans(benchmark::State& st)
{
    computeOnly(st, findDesign("modulador-transistorizado"), readTrafoModTransInputs,
                computeTrafoModTrans);
}
BENCHMARK(BM_compute_trafo_mod_trans)->ComputeStatistics("worst", worst);

void BM_compute_reator_filtro(benchmark::State& st)
{
    computeOnly(st, findDesign("reator-filtro"), readReatorFiltroInputs, computeReatorFiltro);
}
BENCHMARK(BM_compute_reator_filtro)->ComputeStatistics("worst", worst);

void BM_fixed(benchmark::State& st)
{
    long double v = 1234.56789L;
    for (auto _ : st) {
        benchmark::DoNotOptimize(v);
        auto s = fixed(v, 7, 2, ',');
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_fixed)->ComputeStatistics("worst", worst);

void BM_fixed_scientific(benchmark::State& st)
{
    long double v = 9.87654321e12L;
    for (auto _ : st) {
        benchmark::DoNotOptimize(v);
        auto s = fixed(v, 4, 2, ',');
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_fixed_scientific)->ComputeStatistics("worst", worst);

void BM_general(benchmark::State& st)
{
    long double v = 0.1234567890123L;
    for (auto _ : st) {
        benchmark::DoNotOptimize(v);
        auto s = general(v, ',');
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_general)->ComputeStatistics("worst", worst);

void BM_parseFloat(benchmark::State& st)
{
    std::string text = " 1234,5678e-2 ";
    for (auto _ : st) {
        benchmark::DoNotOptimize(text);
        auto v = parseFloat(text, ',');
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(BM_parseFloat)->ComputeStatistics("worst", worst);

// One construction analysis of a six-secondary power transformer, two of its
// secondaries feeding rectifiers (their wires sized anew), from the state its
// tab left: what the adviser repeats thousands of times.
// The power transformer with all six secondaries, calculated as the tab
// would, two of them feeding rectifiers: the largest construction case.
struct SixSecondaries {
    const Settings cfg;
    const Design* d = findDesign("trafo-alimentacao");
    Sheet sheet{d->controls};
    DesignResults state;
    construction::ConstructionSettings set;
    explicit SixSecondaries(construction::Projeto projeto = construction::Projeto::TabTurns)
    {
        set.projeto = projeto;
        sheet["CNumSec"].itemIndex = 5;
        sheet["CNumSec"].text = "6";
        d->show(sheet, state, cfg);
        set.load[0] = 3;
        set.load[1] = 2;
    }
};

void BM_construction_trafo_alim_6(benchmark::State& st)
{
    SixSecondaries t;
    for (auto _ : st) {
        benchmark::DoNotOptimize(t.state);
        auto a = construction::analyseTrafoAlim(
            construction::trafoAlimInput(t.sheet, t.state.trafoAlim, false), t.set, t.cfg);
        benchmark::DoNotOptimize(a);
        if (a.error) {
            st.SkipWithError(a.error->c_str());
            break;
        }
    }
}
BENCHMARK(BM_construction_trafo_alim_6)
    ->Unit(benchmark::kMicrosecond)
    ->ComputeStatistics("worst", worst);

// The same transformer designed for its core: primary turns from the net
// section, then the secondaries compensated, a full build and analysis each pass.
void BM_design_trafo_alim_6(benchmark::State& st)
{
    SixSecondaries t(construction::Projeto::ForCore);
    for (auto _ : st) {
        benchmark::DoNotOptimize(t.state);
        auto a = construction::analyseTrafoAlim(
            construction::trafoAlimInput(t.sheet, t.state.trafoAlim, false), t.set, t.cfg);
        benchmark::DoNotOptimize(a);
        if (a.error || !a.notes.empty()) {
            st.SkipWithError("the design did not settle");
            break;
        }
    }
}
BENCHMARK(BM_design_trafo_alim_6)
    ->Unit(benchmark::kMicrosecond)
    ->ComputeStatistics("worst", worst);

// The core adviser's full search on the same six-secondary transformer:
// every catalogue lamination and stack through the tab's calculation, and the
// construction analysis of those whose section the tab accepts.
// (With `hot`, at 100 °C ambient nothing passes and every core's checks are
// counted: the slowest search.)
void BM_adviser_trafo_alim_6(benchmark::State& st, bool hot)
{
    SixSecondaries t;
    if (hot)
        t.set.ambient = 100;
    for (auto _ : st) {
        auto advice = construction::adviseCore(*t.d->part, t.sheet, t.state, false, t.set, t.cfg);
        benchmark::DoNotOptimize(advice);
        if (advice.ranked.empty() != hot) {
            st.SkipWithError("unexpected result");
            break;
        }
    }
}
BENCHMARK_CAPTURE(BM_adviser_trafo_alim_6, passing, false)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("worst", worst);
BENCHMARK_CAPTURE(BM_adviser_trafo_alim_6, none_passes, true)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("worst", worst);

// The full search with every candidate designed for its own core: no core is
// left to the tab's section rule, so every one is designed and analysed.
void BM_adviser_designed_trafo_alim_6(benchmark::State& st)
{
    SixSecondaries t(construction::Projeto::ForCore);
    for (auto _ : st) {
        auto advice = construction::adviseCore(*t.d->part, t.sheet, t.state, false, t.set, t.cfg);
        benchmark::DoNotOptimize(advice);
        if (advice.ranked.empty()) {
            st.SkipWithError("nothing passes");
            break;
        }
    }
}
BENCHMARK(BM_adviser_designed_trafo_alim_6)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("worst", worst);

} // namespace

int main(int argc, char** argv)
{
    for (const Design& d : designs())
        benchmark::RegisterBenchmark(("show/" + d.name).c_str(), showDesign, &d)
            ->Unit(benchmark::kMicrosecond)
            ->ComputeStatistics("worst", worst);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
