// One action of a section editor on a full design, as the user's click runs
// it without the Qt view, against the time of one frame at 60 Hz (16.7 ms):
// an action that takes a small share of a frame leaves the window responsive.
//
// Sensors install: the install into the one free sensor entry, the whole
// settled recalculation and the rebuild of the installed list.
// Turrets install: the same for the one free turret entry, whose install asks
// for the turrets and then for their batteries.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <vector>

#include "bench/full_design_session.h"
#include "bench/ratio_main.h"
#include "engine/recalculate.h"
#include "ui/editors/sensors_editor.h"
#include "ui/editors/turrets_editor.h"

namespace {

using namespace korvane;

constexpr double kFrameSeconds = 1.0 / 60;

// Answers every count question with its first option; any other question
// would be a fault of the benchmark.
class FirstOptionPrompter final : public Prompter {
public:
    std::optional<int> Choose(const std::string&, const std::vector<std::string>&) override {
        return 1;
    }
    bool AskYesNo(const std::string&, const std::string&, MessageIcon) override { std::abort(); }
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override { std::abort(); }
    std::optional<std::string> AskText(const std::string&, const std::string&,
                                       const std::string&) override {
        std::abort();
    }
    std::optional<std::string> AskOpenFile(const FileDialogRequest&) override { std::abort(); }
    std::optional<std::string> AskSaveFile(const FileDialogRequest&) override { std::abort(); }
    std::optional<std::string> ChooseDirectory(const std::string&) override { std::abort(); }
    void Beep() override {}
};

// The time budget of one frame, as the baseline of every editor action.
void BM_FrameAt60Hz(benchmark::State& state) {
    for (auto _ : state) {
        state.SetIterationTime(kFrameSeconds);
    }
}
BENCHMARK(BM_FrameAt60Hz)->UseManualTime()->Iterations(1);

void BM_SensorsInstall(benchmark::State& state) {
    Session session;
    bench::OpenFullDesignSession(session,
                                 std::filesystem::temp_directory_path() / "korvane-bench-editor");
    session.design.Sensors[kSensorsMax].NUMBER = 0;
    Recalculate(session.design, session.catalog->Features(), kRecalcAll);
    const Design before = session.design;

    ui::DesignEvents events{session.design};
    FirstOptionPrompter prompter;
    ui::SensorsEditor editor{session, events, prompter};
    editor.Load();
    editor.Activate();
    for (auto _ : state) {
        state.PauseTiming();
        session.design = before;
        editor.available.Select(0);
        state.ResumeTiming();
        editor.InstallSelected();
    }
    if (session.design.Sensors[kSensorsMax].NUMBER != 1 ||
        editor.installed.Count() != kSensorsMax) {
        state.SkipWithError("the sensor was not installed");
    }
}
BENCHMARK(BM_SensorsInstall);

void BM_TurretsInstall(benchmark::State& state) {
    Session session;
    bench::OpenFullDesignSession(session,
                                 std::filesystem::temp_directory_path() / "korvane-bench-editor");
    session.design.Turrets[kTurretsMax].NUMBER = 0;
    Recalculate(session.design, session.catalog->Features(), kRecalcAll);
    const Design before = session.design;

    ui::DesignEvents events{session.design};
    FirstOptionPrompter prompter;
    ui::TurretsEditor editor{session, events, prompter};
    editor.Load();
    editor.Activate();
    for (auto _ : state) {
        state.PauseTiming();
        session.design = before;
        editor.available.Select(0);
        state.ResumeTiming();
        editor.InstallSelected();
    }
    const ComponentRecord& installed = session.design.Turrets[kTurretsMax];
    if (installed.NUMBER != 1 || installed.MISCSTR[2].trimmed() != "1" ||
        editor.installed.Count() != kTurretsMax) {
        state.SkipWithError("the turret was not installed");
    }
}
BENCHMARK(BM_TurretsInstall);

}  // namespace

int main(int argc, char** argv) {
    return korvane::bench::RunWithRatios(
        argc, argv,
        {{"BM_SensorsInstall", "BM_FrameAt60Hz/iterations:1/manual_time"},
         {"BM_TurretsInstall", "BM_FrameAt60Hz/iterations:1/manual_time"}});
}
