// The breakdown of a design with every table full, and the differences
// between two such designs (the second with its entries in reverse order and
// one count changed, so that every entry is matched by its catalog row away
// from its place), against copying the design (the floor of touching every
// table). Targets: the breakdown under 20 µs, the differences under 1 ms.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "bench/full_design.h"
#include "bench/ratio_main.h"
#include "engine/breakdown.h"
#include "engine/design_diff.h"
#include "model/standard_catalog.h"

namespace {

using namespace korvane;

void BM_BreakdownFullDesign(benchmark::State& state) {
    Catalog catalog(StandardCatalogRows());
    const Design design = bench::FullDesign(catalog);
    for (auto _ : state) {
        Breakdown breakdown = DesignBreakdown(design);
        benchmark::DoNotOptimize(breakdown);
    }
}
BENCHMARK(BM_BreakdownFullDesign);

void BM_DiffFullDesigns(benchmark::State& state) {
    Catalog catalog(StandardCatalogRows());
    const Design design = bench::FullDesign(catalog);
    Design other = bench::FilledDesign(catalog);
    for (std::size_t t = 1; t < Design::kTableCount; ++t) {
        const std::span<ComponentRecord> entries = other.Table(t);
        std::reverse(entries.begin() + 1, entries.end());
    }
    other.Turrets[3].NUMBER += 1;
    Recalculate(other, catalog);
    std::size_t found = 0;
    for (auto _ : state) {
        DesignDifferences differences = CompareDesigns(design, other);
        found = differences.entries.size();
        benchmark::DoNotOptimize(differences);
    }
    state.counters["entries"] = static_cast<double>(found);
}
BENCHMARK(BM_DiffFullDesigns)->Unit(benchmark::kMicrosecond);

void BM_DiffSameFullDesign(benchmark::State& state) {
    Catalog catalog(StandardCatalogRows());
    const Design design = bench::FullDesign(catalog);
    const Design copy = design;
    for (auto _ : state) {
        DesignDifferences differences = CompareDesigns(design, copy);
        benchmark::DoNotOptimize(differences);
    }
}
BENCHMARK(BM_DiffSameFullDesign)->Unit(benchmark::kMicrosecond);

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
    return korvane::bench::RunWithRatios(argc, argv,
                                         {{"BM_BreakdownFullDesign", "BM_CopyFullDesign"},
                                          {"BM_DiffFullDesigns", "BM_CopyFullDesign"},
                                          {"BM_DiffSameFullDesign", "BM_CopyFullDesign"}});
}
