// What a design-changed notice says changed, and the design as observers are
// given it: settled, whoever else is listening.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/recalculate.h"
#include "engine/status_summary.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"
#include "support/test_session.h"
#include "ui/design_document.h"
#include "ui/editors/communicators_editor.h"
#include "ui/editors/craft_editor.h"
#include "ui/editors/sensors_editor.h"

namespace korvane::ui {
namespace {

using namespace std::chrono;

// Keeps what the last notice said, and whether the design it was given was
// settled: its problems and validity as the status summary makes them.
class NoticeRecorder final : public DesignObserver {
public:
    explicit NoticeRecorder(DesignDocument& document) : subscription_(document.Subscribe(*this)) {}

    void DesignUpdated(const Design& design, const DesignChange& change) override {
        ++notices;
        last = change;
        const std::vector<std::string> settled = DesignProblems(design);
        settled_problems = design.Problems == settled;
        settled_validity = (design.DesignValid() != 0) == settled.empty();
        problems = design.Problems.size();
    }

    int notices = 0;
    DesignChange last = DesignChange::Everything();
    bool settled_problems = false;
    bool settled_validity = false;
    std::size_t problems = 0;

private:
    DesignSubscription subscription_;
};

class DesignChangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::StartTestSession(session_, dir_.path());
        design().Slots[Slot::Hull].KL = 1000 * kKlPerTon;
        Recalculate(design(), session_.catalog->Features());
        document_.Replaced();
    }

    Design& design() { return session_.design; }
    std::string DesignPath() const { return (dir_.path() / "kestrel.k2d").string(); }

    void InstallCommunicator() {
        ASSERT_TRUE(document_.Change("Install 1 Laser Comm, System", [this](Design& design) {
            design.Communicators[1] = session_.catalog->Features().LookupComponent("CM", 7);
        }));
    }
    void FitLaunchTubes() {
        ASSERT_TRUE(document_.Change("2 launch tubes", [](Design& design) {
            ComponentRecord& tube = design.Slots[Slot::LaunchTube];
            tube.NUMBER = 1;
            tube.MISCNUM[1] = 100;
            tube.MISCNUM[2] = 2;
        }));
    }

    testing::TempDir dir_;
    Session session_;
    DesignDocument document_{session_};
    NoticeRecorder recorder_{document_};
    testing::ScriptedPrompter prompter_;
    CommunicatorsEditor communicators_{session_, document_, prompter_};
    CraftEditor craft_{session_, document_, prompter_};
    SensorsEditor sensors_{session_, document_, prompter_};
};

TEST_F(DesignChangeTest, TheNoticeSaysWhichPartsTheStepTouched) {
    const std::map<std::string, std::function<bool(const DesignChange&)>> probes = {
        {"everything", [](const DesignChange& change) { return change.All(); }},
        {"totals", [](const DesignChange& change) { return change.TouchesTotals(); }},
        {"electronics",
         [](const DesignChange& change) { return change.Touches(Section::Electronics); }},
        {"craft", [](const DesignChange& change) { return change.Touches(Section::Craft); }},
        {"other", [](const DesignChange& change) { return change.Touches(Section::Other); }},
        {"communicator entries",
         [this](const DesignChange& change) {
             return change.TouchesRecords(design(), design().Communicators);
         }},
        {"craft entries",
         [this](const DesignChange& change) {
             return change.TouchesRecords(design(), design().Craft);
         }},
        {"communicators editor",
         [this](const DesignChange& change) { return communicators_.Concerns(change); }},
        {"craft editor", [this](const DesignChange& change) { return craft_.Concerns(change); }},
        {"sensors editor",
         [this](const DesignChange& change) { return sensors_.Concerns(change); }},
    };
    const std::set<std::string> everything = [&] {
        std::set<std::string> all;
        for (const auto& [name, probe] : probes) {
            all.insert(name);
        }
        return all;
    }();
    const std::set<std::string> communicator = {"totals", "electronics", "communicator entries",
                                                "communicators editor", "sensors editor"};
    const std::set<std::string> launch_tubes = {"totals", "craft", "craft editor"};
    const std::string path = DesignPath();
    struct Step {
        std::string name;
        std::function<void()> make;
        std::set<std::string> touched;
    };
    const std::vector<Step> steps = {
        {"install a communicator", [&] { InstallCommunicator(); }, communicator},
        {"fit launch tubes", [&] { FitLaunchTubes(); }, launch_tubes},
        {"undo the launch tubes", [&] { ASSERT_TRUE(document_.Undo()); }, launch_tubes},
        {"undo the communicator", [&] { ASSERT_TRUE(document_.Undo()); }, communicator},
        {"redo the communicator", [&] { ASSERT_TRUE(document_.Redo()); }, communicator},
        {"save", [&] { ASSERT_TRUE(document_.Save(path, sys_days{2026y / 12 / 7}).ok()); },
         everything},
        {"load", [&] { ASSERT_TRUE(document_.Load(path).ok()); }, everything},
        {"new", [&] { document_.MakeNew(); }, everything},
        {"replaced by a batch run", [&] { document_.Replaced(); }, everything},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        const int before = recorder_.notices;
        step.make();
        ASSERT_EQ(recorder_.notices, before + 1);
        for (const auto& [name, probe] : probes) {
            EXPECT_EQ(probe(recorder_.last), step.touched.contains(name)) << name;
        }
    }
}

// Nobody needs to show the totals for the design's validity and problems to
// be right when a view is told: the document settles them first.
TEST_F(DesignChangeTest, EveryNoticeGivesTheDesignWithItsProblemsSettled) {
    const std::string path = DesignPath();
    const std::vector<std::pair<std::string, std::function<void()>>> steps = {
        {"a hull far too small",
         [&] {
             ASSERT_TRUE(document_.Change("Resize hull",
                                          [](Design& design) { design.Slots[Slot::Hull].KL = 1; }));
         }},
        {"install a communicator", [&] { InstallCommunicator(); }},
        {"save", [&] { ASSERT_TRUE(document_.Save(path, sys_days{2026y / 12 / 7}).ok()); }},
        {"undo the communicator", [&] { ASSERT_TRUE(document_.Undo()); }},
        {"redo", [&] { ASSERT_TRUE(document_.Redo()); }},
        {"load", [&] { ASSERT_TRUE(document_.Load(path).ok()); }},
        {"replaced with its problems unsettled",
         [&] {
             design().Problems.clear();
             design().DesignValid() = 1;
             document_.Replaced();
         }},
    };
    for (const auto& [name, step] : steps) {
        SCOPED_TRACE(name);
        step();
        EXPECT_TRUE(recorder_.settled_problems);
        EXPECT_TRUE(recorder_.settled_validity);
        EXPECT_GT(recorder_.problems, 0u) << "the hull is too small in every state";
        EXPECT_EQ(design().DesignValid(), 0);
    }
    document_.MakeNew();
    EXPECT_TRUE(recorder_.settled_problems);
    EXPECT_TRUE(recorder_.settled_validity);
}

}  // namespace
}  // namespace korvane::ui
