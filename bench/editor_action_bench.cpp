// One action of a section editor on a full design, as the user's click runs
// it without the Qt view, against the time of one frame at 60 Hz (16.7 ms):
// an action that takes a small share of a frame leaves the window responsive.
//
// Sensors install: the install into the one free sensor entry, the whole
// settled recalculation and the rebuild of the installed list.
// Turrets install: the same for the one free turret entry.
// Sensors install, every list open: the sensors install while every other
// list editor is open too, as in the designer; a list whose entries the
// install leaves alone is not rebuilt.
// Crew Accept: "Accept defaults" in the crew window (every crew position not
// fixed takes its default), the whole settled recalculation and the new crew lines.
// Power editor Accept: the plant, its size, the endurance and the exclusions
// written back, the whole settled recalculation and the design-changed notice.
#include <benchmark/benchmark.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "bench/full_design_session.h"
#include "bench/no_questions.h"
#include "bench/ratio_main.h"
#include "engine/recalculate.h"
#include "ui/editors/accommodation_list.h"
#include "ui/editors/anti_hijack_editor.h"
#include "ui/editors/bays_editor.h"
#include "ui/editors/communicators_editor.h"
#include "ui/editors/craft_editor.h"
#include "ui/editors/crew_editor.h"
#include "ui/editors/custom_features_editor.h"
#include "ui/editors/power_editor.h"
#include "ui/editors/screens_editor.h"
#include "ui/editors/sensors_editor.h"
#include "ui/editors/turrets_editor.h"

namespace {

using namespace korvane;

constexpr double kFrameSeconds = 1.0 / 60;

// Answers every count question with its first option and asks nothing else.
class FirstOptionPrompter final : public bench::NoQuestions {
public:
    std::optional<int> Choose(const std::string&, const std::vector<std::string>&,
                              std::optional<int>) override {
        return 1;
    }
};

// The time budget of one frame, as the baseline of every editor action.
void BM_FrameAt60Hz(benchmark::State& state) {
    for (auto _ : state) {
        state.SetIterationTime(kFrameSeconds);
    }
}
BENCHMARK(BM_FrameAt60Hz)->UseManualTime()->Iterations(1);

// The list editors other than the one measured, each open on the design.
struct OtherLists {
    OtherLists(Session& session, ui::DesignDocument& document, Prompter& prompter)
        : communicators(session, document, prompter),
          turrets(session, document, prompter),
          bays(session, document, prompter),
          screens(session, document, prompter),
          craft(session, document, prompter),
          anti_hijack(session, document, prompter),
          custom_features(session, document, prompter),
          accommodation(session, document, prompter) {
        for (ui::ListEditor* list : std::initializer_list<ui::ListEditor*>{
                 &communicators, &turrets, &bays, &screens, &craft, &anti_hijack, &custom_features,
                 &accommodation}) {
            list->Load();
            list->Activate();
        }
    }

    ui::CommunicatorsEditor communicators;
    ui::TurretsEditor turrets;
    ui::BaysEditor bays;
    ui::ScreensEditor screens;
    ui::CraftEditor craft;
    ui::AntiHijackEditor anti_hijack;
    ui::CustomFeaturesEditor custom_features;
    ui::AccommodationList accommodation;
};

// Times the install of the first available row of `Editor` into the last
// entry of the design table `table`, the one left free in the full design,
// with or without the other list editors open.
template <typename Editor, typename Table>
void MeasureInstall(benchmark::State& state, Table Design::*table, bool every_list_open = false) {
    Session session;
    bench::OpenFullDesignSession(session,
                                 std::filesystem::temp_directory_path() / "korvane-bench-editor");
    ComponentRecord& last = (session.design.*table).back();
    last.NUMBER = 0;
    Recalculate(session.design, session.catalog->Features());
    const Design before = session.design;

    ui::DesignDocument document{session};
    FirstOptionPrompter prompter;
    Editor editor{session, document, prompter};
    editor.Load();
    editor.Activate();
    std::optional<OtherLists> others;
    if (every_list_open) {
        others.emplace(session, document, prompter);
    }
    for (auto _ : state) {
        state.PauseTiming();
        session.design = before;
        editor.available.Select(0);
        state.ResumeTiming();
        editor.InstallSelected();
    }
    const int entries = static_cast<int>((session.design.*table).size()) - 1;
    if (last.NUMBER != 1 || editor.installed.Count() != entries) {
        state.SkipWithError("the row was not installed");
    }
}

void BM_SensorsInstall(benchmark::State& state) {
    MeasureInstall<ui::SensorsEditor>(state, &Design::Sensors);
}
BENCHMARK(BM_SensorsInstall);

void BM_SensorsInstallEveryListOpen(benchmark::State& state) {
    MeasureInstall<ui::SensorsEditor>(state, &Design::Sensors, true);
}
BENCHMARK(BM_SensorsInstallEveryListOpen);

// The turret install asks for the turrets and then for their batteries.
void BM_TurretsInstall(benchmark::State& state) {
    MeasureInstall<ui::TurretsEditor>(state, &Design::Turrets);
}
BENCHMARK(BM_TurretsInstall);

void BM_CrewAccept(benchmark::State& state) {
    Session session;
    bench::OpenFullDesignSession(session,
                                 std::filesystem::temp_directory_path() / "korvane-bench-editor");
    ui::DesignDocument document{session};
    bench::NoQuestions prompter;  // "Accept defaults" asks nothing
    ui::CrewEditor editor{session, document, prompter};
    editor.Fill();
    const Design before = session.design;
    for (auto _ : state) {
        state.PauseTiming();
        session.design = before;
        state.ResumeTiming();
        editor.AcceptDefaults();
    }
    if (session.design.Slots[Slot::PassengersAndCrewTotal].MISCNUM[10] <=
        before.Slots[Slot::PassengersAndCrewTotal].MISCNUM[10]) {
        state.SkipWithError("the crew took no defaults");
    }
}
BENCHMARK(BM_CrewAccept);

void BM_PowerEditorAccept(benchmark::State& state) {
    Session session;
    bench::OpenFullDesignSession(session,
                                 std::filesystem::temp_directory_path() / "korvane-bench-editor");
    ui::DesignDocument document{session};
    bench::NoQuestions prompter;  // an accepted cruise G asks nothing
    ui::PowerEditor editor{session, document, prompter};
    editor.Fill();
    editor.plant_size.text = "2500";
    const Design before = session.design;
    for (auto _ : state) {
        state.PauseTiming();
        session.design = before;
        state.ResumeTiming();
        if (editor.Accept() != ui::EditorWindow::Closes) {
            state.SkipWithError("the power editor refused its values");
            break;
        }
    }
    if (session.design.Slots[Slot::PowerPlant].KL != 2500) {
        state.SkipWithError("the plant size was not stored");
    }
}
BENCHMARK(BM_PowerEditorAccept);

}  // namespace

int main(int argc, char** argv) {
    return korvane::bench::RunWithRatios(
        argc, argv,
        {{"BM_SensorsInstall", "BM_FrameAt60Hz/iterations:1/manual_time"},
         {"BM_SensorsInstallEveryListOpen", "BM_FrameAt60Hz/iterations:1/manual_time"},
         {"BM_SensorsInstallEveryListOpen", "BM_SensorsInstall"},
         {"BM_TurretsInstall", "BM_FrameAt60Hz/iterations:1/manual_time"},
         {"BM_CrewAccept", "BM_FrameAt60Hz/iterations:1/manual_time"},
         {"BM_PowerEditorAccept", "BM_FrameAt60Hz/iterations:1/manual_time"}});
}
