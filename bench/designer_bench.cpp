// The designer on a full design, offscreen, as the running program has it.
//
// Committed field: a new displacement committed in the hull's panel (one
// step of the design document: the whole settled recalculation and the
// notice every view refreshes from), until the totals show the new figures,
// painted. Budget: one frame at 60 Hz, and at most twice its floor:
// Recalculation and totals: the same design recalculated from a copy and the
// totals panel painted, alone.
// Switching sections: choosing the next node of the outline, its editor
// filled from the design and the window painted; budget 50 ms.
#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/full_design.h"
#include "bench/ratio_main.h"
#include "engine/recalculate.h"
#include "gui/designer_window.h"
#include "gui/korvane_program.h"
#include "gui/totals_window_view.h"

namespace {

using namespace korvane;

constexpr double kFrameSeconds = 1.0 / 60;
constexpr double kSwitchSeconds = 0.050;

// The program as `korvane --designer` starts it, in folders of its own, with
// the full design as its open design.
gui::KorvaneProgram& Program() {
    static gui::KorvaneProgram* program = [] {
        const std::filesystem::path home =
            std::filesystem::temp_directory_path() / "korvane-bench-designer";
        std::filesystem::remove_all(home);
        for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"}) {
            ::setenv(variable, (home / variable).c_str(), 1);
        }
        auto* started = new gui::KorvaneProgram([] {});
        if (!started->Start({"--designer"})) {
            std::abort();
        }
        started->session().design = bench::FullDesign(started->session().catalog->Features());
        started->Document().Replaced();
        return started;
    }();
    return *program;
}

QWidget& TotalsPanel() {
    return *Program().Designer().findChild<gui::TotalsWindowView*>(QStringLiteral("TotalsWindow"));
}

// The budgets, as baselines.
void BM_FrameAt60Hz(benchmark::State& state) {
    for (auto _ : state) {
        state.SetIterationTime(kFrameSeconds);
    }
}
BENCHMARK(BM_FrameAt60Hz)->UseManualTime()->Iterations(1);

void BM_SwitchBudget(benchmark::State& state) {
    for (auto _ : state) {
        state.SetIterationTime(kSwitchSeconds);
    }
}
BENCHMARK(BM_SwitchBudget)->UseManualTime()->Iterations(1);

void BM_CommittedFieldToPaintedTotals(benchmark::State& state) {
    gui::DesignerWindow& designer = Program().Designer();
    designer.Choose(ui::EditorId::Hull);
    auto* displacement =
        designer.Panel(ui::EditorId::Hull).findChild<QLineEdit*>(QStringLiteral("displacement"));
    int tons = 20000;
    for (auto _ : state) {
        // As typed: the box's text, its edit, then Enter.
        const QString text = QString::number(++tons % 2 == 0 ? 31000 : 31100);
        displacement->setText(text);
        emit displacement->textEdited(text);
        emit displacement->editingFinished();
        TotalsPanel().repaint();
    }
    if (Program().session().design.Slots[Slot::Hull].KL !=
        (tons % 2 == 0 ? 31000 : 31100) * kKlPerTon) {
        state.SkipWithError("the committed displacement was not stored");
    }
}
BENCHMARK(BM_CommittedFieldToPaintedTotals)->Unit(benchmark::kMicrosecond);

void BM_RecalculationAndTotals(benchmark::State& state) {
    Session& session = Program().session();
    int tons = 20000;
    for (auto _ : state) {
        Design design = session.design;
        design.Slots[Slot::Hull].KL = (++tons % 2 == 0 ? 31000 : 31100) * kKlPerTon;
        Recalculate(design, session.catalog->Features());
        benchmark::DoNotOptimize(design.UsedKL());
        TotalsPanel().repaint();
    }
}
BENCHMARK(BM_RecalculationAndTotals)->Unit(benchmark::kMicrosecond);

void BM_SwitchingSections(benchmark::State& state) {
    gui::DesignerWindow& designer = Program().Designer();
    std::size_t next = 0;
    for (auto _ : state) {
        designer.Choose(ui::Editors()[next].id);
        designer.repaint();
        next = (next + 1) % ui::kEditorCount;
    }
}
BENCHMARK(BM_SwitchingSections)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    return bench::RunWithRatios(
        argc, argv,
        {{"BM_CommittedFieldToPaintedTotals", "BM_FrameAt60Hz/iterations:1/manual_time"},
         {"BM_CommittedFieldToPaintedTotals", "BM_RecalculationAndTotals"},
         {"BM_SwitchingSections", "BM_SwitchBudget/iterations:1/manual_time"}});
}
