// The design document on a full design.
//
// Undo and redo of one step, against their budget of 160 µs each: a step
// keeps the parts of the design it changed as they were on its other side,
// so taking it back is a swap of those parts and the notice; the design it
// restores was settled when it was made, so no recalculation is needed.
//
// A change through the document (the change, the whole settled recalculation
// starting from the design as the last change left it, which also finds the
// parts the change touched, the step kept, the notice) against the same change
// made as the editors made it before the document: the change, the changed
// mark, the whole settled recalculation and the notice; the two are taken in
// turn (see BM_ChangeBothWaysInTurn).
//
// The memory that 100 kept steps take (each one change of the turrets' number,
// which touches the turret entry, the weapon slots, the totals and the
// working values) is reported as the counter "bytes_for_100_steps".
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <string>

#include "bench/full_design_session.h"
#include "bench/ratio_main.h"
#include "engine/recalculate.h"
#include "engine/status_summary.h"
#include "model/bitwise_equal.h"
#include "ui/design_document.h"
#include "ui/design_events.h"

namespace {

using namespace korvane;

constexpr double kUndoBudgetSeconds = 160e-6;

Session& FullDesignSession() {
    static Session session;
    if (!session.catalog) {
        bench::OpenFullDesignSession(
            session, std::filesystem::temp_directory_path() / "korvane-bench-history");
    }
    return session;
}

// One user's change: the number of the first turret entry, between 1 and 2.
void ChangeTurrets(Design& design) {
    design.Turrets[1].NUMBER = design.Turrets[1].NUMBER == 1 ? 2 : 1;
}

void BM_UndoBudget(benchmark::State& state) {
    for (auto _ : state) {
        state.SetIterationTime(kUndoBudgetSeconds);
    }
}
BENCHMARK(BM_UndoBudget)->UseManualTime()->Iterations(1);

// Times Undo() (or, with `redo`, Redo()) of one step; the other one puts the
// step back between the iterations, untimed.
void MeasureHistory(benchmark::State& state, bool redo) {
    Session& session = FullDesignSession();
    ui::DesignDocument document{session};
    document.Replaced();
    document.Change("Change number of turrets", [](Design& design) { ChangeTurrets(design); });
    const Design after = session.design;
    for (auto _ : state) {
        if (redo) {
            state.PauseTiming();
            document.Undo();
            state.ResumeTiming();
            document.Redo();
        } else {
            document.Undo();
            state.PauseTiming();
            document.Redo();
            state.ResumeTiming();
        }
    }
    if (!BitwiseEqual(session.design, after)) {
        state.SkipWithError("undo and redo did not come back to the changed design");
    }
    for (std::size_t step = 1; step < ui::DesignDocument::kKeptSteps; ++step) {
        document.Change("Change number of turrets", ChangeTurrets);
    }
    state.counters["bytes_for_100_steps"] = static_cast<double>(document.HistoryBytes());
}

void BM_UndoOneStep(benchmark::State& state) {
    MeasureHistory(state, false);
}
BENCHMARK(BM_UndoOneStep);

void BM_RedoOneStep(benchmark::State& state) {
    MeasureHistory(state, true);
}
BENCHMARK(BM_RedoOneStep);

// The change made both ways in turn, each timed on its own: through the
// document, and as the editors made it before the document. On a machine
// whose speed drifts from one second to the next, two benchmarks run one
// after the other compare two different machines; taken in turn, both meet
// the same one. The counter "document_per_old_way" is the ratio of the two
// times.
void BM_ChangeBothWaysInTurn(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    Session& session = FullDesignSession();
    ui::DesignDocument document{session};
    document.Replaced();
    static Session old_way;
    bench::OpenFullDesignSession(old_way,
                                 std::filesystem::temp_directory_path() / "korvane-bench-old-way");
    ui::DesignEvents events{old_way.design};
    Clock::duration through_document{};
    Clock::duration as_before{};
    for (auto _ : state) {
        const auto start = Clock::now();
        ChangeTurrets(old_way.design);
        MarkChanged(old_way.design);
        Recalculate(old_way.design, old_way.catalog->Features());
        events.DesignChanged(ui::DesignChange::Everything());
        const auto between = Clock::now();
        if (!document.Change("Change number of turrets", ChangeTurrets)) {
            state.SkipWithError("the change changed nothing");
            break;
        }
        const auto end = Clock::now();
        as_before += between - start;
        through_document += end - between;
    }
    const double runs = static_cast<double>(state.iterations());
    const auto microseconds = [runs](Clock::duration total) {
        return std::chrono::duration<double, std::micro>(total).count() / runs;
    };
    state.counters["document_us"] = microseconds(through_document);
    state.counters["old_way_us"] = microseconds(as_before);
    state.counters["document_per_old_way"] =
        microseconds(through_document) / microseconds(as_before);
}
BENCHMARK(BM_ChangeBothWaysInTurn);

}  // namespace

int main(int argc, char** argv) {
    return korvane::bench::RunWithRatios(
        argc, argv,
        {{"BM_UndoOneStep", "BM_UndoBudget/iterations:1/manual_time"},
         {"BM_RedoOneStep", "BM_UndoBudget/iterations:1/manual_time"}});
}
