// Loading a full design file (read, then the one recalculation a load makes)
// against plainly reading the same file's lines with std::getline, and the load as
// the program makes it (settled as written) against the plain load, in the same run.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/load_design.h"
#include "bench/full_design.h"
#include "bench/ratio_main.h"
#include "files/design_file.h"
#include "model/standard_catalog.h"

namespace {

using namespace korvane;

const std::filesystem::path& FullDesignFile() {
    static const std::filesystem::path file = [] {
        Catalog catalog(StandardCatalogRows());
        const auto path = std::filesystem::temp_directory_path() / "korvane-bench-full.k2d";
        if (!WriteDesignFile(path, bench::FullDesign(catalog)).ok()) {
            std::abort();
        }
        return path;
    }();
    return file;
}

// Loads the full design file again and again: read, recalculated, and, as the
// program loads it, settled as written when `settled`.
void LoadRepeatedly(benchmark::State& state, bool settled) {
    Catalog catalog(StandardCatalogRows());
    Design design;
    NewDesign(design, catalog);
    for (auto _ : state) {
        if (!ReadDesignFile(FullDesignFile(), design).ok()) {
            state.SkipWithError("the design file did not read");
            break;
        }
        Recalculate(design, catalog);
        if (settled) {
            SettleAsWritten(design, catalog);
        }
        benchmark::DoNotOptimize(design.UsedKL());
    }
}

void BM_LoadDesign(benchmark::State& state) {
    LoadRepeatedly(state, false);
}
BENCHMARK(BM_LoadDesign);

void BM_LoadDesignSettledAsWritten(benchmark::State& state) {
    LoadRepeatedly(state, true);
}
BENCHMARK(BM_LoadDesignSettledAsWritten);

void BM_ReadLinesWithGetline(benchmark::State& state) {
    for (auto _ : state) {
        std::ifstream in(FullDesignFile(), std::ios::binary);
        std::string line;
        std::size_t lines = 0;
        while (std::getline(in, line)) {
            ++lines;
        }
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_ReadLinesWithGetline);

}  // namespace

int main(int argc, char** argv) {
    return korvane::bench::RunWithRatios(argc, argv,
                                         {{"BM_LoadDesign", "BM_ReadLinesWithGetline"},
                                          {"BM_LoadDesignSettledAsWritten", "BM_LoadDesign"}});
}
