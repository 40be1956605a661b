// The design document on a full design.
//
// Undo and redo of one step, against their budget of 160 µs each: a step
// keeps the parts of the design it changed as they were on its other side,
// so taking it back is a swap of those parts and the notice; the design it
// restores was settled when it was made, so no recalculation is needed.
//
// A change through the document (the design before it brought up to date,
// the change, the whole settled recalculation starting from that design,
// which also finds the parts the change touched, the step kept, the notice)
// against the same change made as the editors made it before the document:
// the change, the changed mark, the whole settled recalculation and the notice.
//
// The memory that 100 kept steps take (each one change of the turrets' number,
// which touches the turret entry, the weapon slots, the totals and the
// working values) is reported as the counter "bytes_for_100_steps".
#include <benchmark/benchmark.h>

#include <cstddef>
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

// The change as the editors made it before the document.
void BM_ChangeAsEditorsDidBefore(benchmark::State& state) {
    Session& session = FullDesignSession();
    ui::DesignEvents events{session.design};
    for (auto _ : state) {
        ChangeTurrets(session.design);
        MarkChanged(session.design);
        Recalculate(session.design, session.catalog->Features());
        events.DesignChanged();
    }
}
BENCHMARK(BM_ChangeAsEditorsDidBefore);

void BM_ChangeThroughTheDocument(benchmark::State& state) {
    Session& session = FullDesignSession();
    ui::DesignDocument document{session};
    document.Replaced();
    for (auto _ : state) {
        if (!document.Change("Change number of turrets", ChangeTurrets)) {
            state.SkipWithError("the change changed nothing");
            break;
        }
    }
}
BENCHMARK(BM_ChangeThroughTheDocument);

}  // namespace

int main(int argc, char** argv) {
    return korvane::bench::RunWithRatios(
        argc, argv,
        {{"BM_UndoOneStep", "BM_UndoBudget/iterations:1/manual_time"},
         {"BM_RedoOneStep", "BM_UndoBudget/iterations:1/manual_time"},
         {"BM_ChangeThroughTheDocument", "BM_ChangeAsEditorsDidBefore"}});
}
