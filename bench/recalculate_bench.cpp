// Recalculate on the default new design and on a design with every table
// full, against copying the same design (the floor any recalculation pays to
// touch the tables). The settled designs take one pass; the freshly filled
// design is recalculated from the tables an editor left to its settled figures,
// copy included, and counts the passes that took: once as Recalculate settles
// it (the control panels' loop solved within the pass, the auxiliary bridge and
// the endurance sized again at its end: one pass and one that confirms) and
// once by the plain passes that only close in on the panels pass by pass, for
// comparison.
#include <benchmark/benchmark.h>

#include "bench/full_design.h"
#include "bench/ratio_main.h"
#include "engine/plain_passes.h"
#include "model/standard_catalog.h"

namespace {

using namespace korvane;

void BM_RecalculateDefaultDesign(benchmark::State& state) {
    Catalog catalog(StandardCatalogRows());
    Design design;
    NewDesign(design, catalog);
    for (auto _ : state) {
        Recalculate(design, catalog);
        benchmark::DoNotOptimize(design.UsedKL());
    }
}
BENCHMARK(BM_RecalculateDefaultDesign);

void BM_RecalculateFullDesign(benchmark::State& state) {
    Catalog catalog(StandardCatalogRows());
    Design design = bench::FullDesign(catalog);
    for (auto _ : state) {
        Recalculate(design, catalog);
        benchmark::DoNotOptimize(design.UsedKL());
    }
}
BENCHMARK(BM_RecalculateFullDesign);

// Settles the filled design from its tables, copy included, and counts the passes.
template <typename Settle>
void MeasureSettling(benchmark::State& state, Settle settle) {
    Catalog catalog(StandardCatalogRows());
    const Design filled = bench::FilledDesign(catalog);
    Design design;
    int passes = 0;
    for (auto _ : state) {
        design = filled;
        passes = settle(design, catalog);
        benchmark::DoNotOptimize(design.UsedKL());
    }
    state.counters["passes"] = passes;
}

void BM_SettleFilledDesign(benchmark::State& state) {
    MeasureSettling(state,
                    [](Design& design, Catalog& catalog) { return Recalculate(design, catalog); });
}
BENCHMARK(BM_SettleFilledDesign);

void BM_SettleFilledDesignByPlainPasses(benchmark::State& state) {
    MeasureSettling(state, engine::RecalculateByPlainPasses);
}
BENCHMARK(BM_SettleFilledDesignByPlainPasses);

void BM_CopyFullDesign(benchmark::State& state) {
    Catalog catalog(StandardCatalogRows());
    const Design design = bench::FullDesign(catalog);
    Design copy;
    for (auto _ : state) {
        copy = design;
        benchmark::DoNotOptimize(copy.UsedKL());
    }
}
BENCHMARK(BM_CopyFullDesign);

}  // namespace

int main(int argc, char** argv) {
    return korvane::bench::RunWithRatios(
        argc, argv,
        {{"BM_RecalculateDefaultDesign", "BM_CopyFullDesign"},
         {"BM_RecalculateFullDesign", "BM_CopyFullDesign"},
         {"BM_SettleFilledDesign", "BM_CopyFullDesign"},
         {"BM_SettleFilledDesign", "BM_SettleFilledDesignByPlainPasses"}});
}
