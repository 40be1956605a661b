// Typing into the filter box of a list editor's "Available:" table over a
// family of 1,000 catalog rows, one keystroke at a time, against a budget of
// 2 ms a keystroke.
//
// Logic: the filter narrows the rows, in the catalog's order.
// Logic, sorted: the same with the rows sorted by cost, dearest first.
// Window: the keystroke as the window takes it, offscreen: the filter box's
// text, the logic, the table's rows taken afresh and the window painted.
// Paint: the floor of the window's figure, the window painted alone.
// Each keystroke is one step of typing "meson" and deleting it again.
#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "app/new_design.h"
#include "app/session.h"
#include "bench/no_questions.h"
#include "bench/ratio_main.h"
#include "files/catalog_files.h"
#include "gui/list_editor_view.h"
#include "model/catalog_store.h"
#include "ui/editors/communicators_editor.h"

namespace {

using namespace korvane;

constexpr int kFamilyRows = 1000;
constexpr double kKeystrokeBudgetSeconds = 0.002;
constexpr std::array<const char*, 10> kKeystrokes = {"m",    "me",  "mes", "meso", "meson",
                                                     "meso", "mes", "me",  "m",    ""};

// A session over a catalog whose CM family has kFamilyRows rows of varied labels and figures.
void OpenFamilySession(Session& session) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / "korvane-bench-catalog-filter";
    std::filesystem::create_directories(dir);
    const std::array<const char*, 6> kinds = {"Laser", "Radio", "Maser",
                                              "Meson", "Grav",  "Neutrino"};
    const std::array<const char*, 4> forms = {"Comm", "Array", "Relay", "Beacon"};
    std::vector<ComponentRecord> rows;
    for (int id = 1; id <= kFamilyRows; ++id) {
        ComponentRecord row;
        row.TABLE = "CM";
        row.IDNUM = static_cast<std::int16_t>(id);
        row.LABEL = std::string(kinds[id % kinds.size()]) + " " + forms[id / 7 % forms.size()] +
                    " " + std::to_string(id);
        row.NUMBER = 1;
        row.KL = id % 37 + 0.5;
        row.TONS = id % 23 + 0.25;
        row.MW = id % 11 * 0.1;
        row.CR = (id * 7919 % 1000) * 1000.0;
        row.TL = static_cast<std::int16_t>(7 + id % 9);
        rows.push_back(row);
    }
    session.CatalogDir = dir.string() + "/";
    if (!CreateCatalogFile(session.CatalogPath(), rows).ok()) {
        std::abort();
    }
    auto store = CatalogStore::Open(session.CatalogPath());
    if (!store) {
        std::abort();
    }
    session.catalog = std::move(*store);
    NewDesign(session.design, session.catalog->Features());
}

// Whether "meson" left some of the family's rows and not all.
bool Narrowed(int shown) {
    return shown > 0 && shown < kFamilyRows;
}

void BM_KeystrokeBudget(benchmark::State& state) {
    for (auto _ : state) {
        state.SetIterationTime(kKeystrokeBudgetSeconds);
    }
}
BENCHMARK(BM_KeystrokeBudget)->UseManualTime()->Iterations(1);

void MeasureLogic(benchmark::State& state, bool sorted) {
    Session session;
    OpenFamilySession(session);
    ui::DesignDocument document{session};
    bench::NoQuestions prompter;
    ui::CommunicatorsEditor editor{session, document, prompter};
    editor.Load();
    if (sorted) {
        editor.available.SortBy(ui::CatalogColumn::Cost);
        editor.available.SortBy(ui::CatalogColumn::Cost);
    }
    std::size_t keystroke = 0;
    int shown = 0;
    for (auto _ : state) {
        editor.available_filter.text = kKeystrokes[keystroke++ % kKeystrokes.size()];
        editor.FilterAvailable();
        shown += editor.available.Count();
    }
    benchmark::DoNotOptimize(shown);
    editor.available_filter.text = "meson";
    editor.FilterAvailable();
    if (!Narrowed(editor.available.Count())) {
        state.SkipWithError("the filter did not narrow the rows");
    }
}

void BM_FilterLogic(benchmark::State& state) {
    MeasureLogic(state, false);
}
BENCHMARK(BM_FilterLogic);

void BM_FilterLogicSorted(benchmark::State& state) {
    MeasureLogic(state, true);
}
BENCHMARK(BM_FilterLogicSorted);

void BM_FilterWindow(benchmark::State& state) {
    Session session;
    OpenFamilySession(session);
    ui::DesignDocument document{session};
    bench::NoQuestions prompter;
    ui::CommunicatorsEditor editor{session, document, prompter};
    gui::ListEditorView window{editor};
    window.show();
    QApplication::processEvents();
    auto* filter = window.findChild<QLineEdit*>(QStringLiteral("AvailableFilter"));
    std::size_t keystroke = 0;
    for (auto _ : state) {
        filter->setText(QString::fromLatin1(kKeystrokes[keystroke++ % kKeystrokes.size()]));
        window.repaint();
    }
    filter->setText(QStringLiteral("meson"));
    if (!Narrowed(editor.available.Count())) {
        state.SkipWithError("the filter did not narrow the rows");
    }
}
BENCHMARK(BM_FilterWindow);

// The floor of BM_FilterWindow: the same window painted without a keystroke.
void BM_PaintWindow(benchmark::State& state) {
    Session session;
    OpenFamilySession(session);
    ui::DesignDocument document{session};
    bench::NoQuestions prompter;
    ui::CommunicatorsEditor editor{session, document, prompter};
    gui::ListEditorView window{editor};
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        window.repaint();
    }
}
BENCHMARK(BM_PaintWindow);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const std::string budget = "BM_KeystrokeBudget/iterations:1/manual_time";
    return korvane::bench::RunWithRatios(argc, argv,
                                         {{"BM_FilterLogic", budget},
                                          {"BM_FilterLogicSorted", budget},
                                          {"BM_FilterWindow", budget},
                                          {"BM_PaintWindow", budget},
                                          {"BM_FilterWindow", "BM_PaintWindow"}});
}
