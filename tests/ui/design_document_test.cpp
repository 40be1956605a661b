#include "ui/design_document.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "engine/recalculate.h"
#include "model/bitwise_equal.h"
#include "support/temp_dir.h"
#include "support/test_session.h"
#include "ui/totals_window.h"

namespace korvane::ui {
namespace {

using namespace std::chrono;

class DesignDocumentTest : public ::testing::Test {
protected:
    void SetUp() override { testing::StartTestSession(session_, dir_.path()); }

    bool Resize(double kl) {
        return document_.Change("Resize hull",
                                [kl](Design& design) { design.Slots[Slot::Hull].KL = kl; });
    }
    // A typed displacement as the live editors commit it: one field, one merge key.
    bool SetDisplacement(double kl) {
        return document_.Change(
            "Set displacement to " + std::to_string(static_cast<int>(kl)),
            [kl](Design& design) { design.Slots[Slot::Hull].KL = kl; }, "hull:displacement");
    }
    double HullKl() const { return document_.design().Slots[Slot::Hull].KL; }

    // Counts the notices and remembers what the last one announced.
    struct Listener final : DesignObserver {
        explicit Listener(DesignDocument& document)
            : document(document), subscription(document.Subscribe(*this)) {}
        void DesignUpdated(const Design&, const DesignChange&) override {
            ++notices;
            last = document.LastNotice();
        }
        DesignDocument& document;
        DesignSubscription subscription;
        int notices = 0;
        DesignNotice last = DesignNotice::New;
    };

    testing::TempDir dir_;
    Session session_;
    DesignDocument document_{session_};
    Listener listener_{document_};
    TotalsWindow totals_{document_};
};

TEST_F(DesignDocumentTest, AChangeIsRecalculatedWhollyMarkedAndAnnouncedOnce) {
    ASSERT_TRUE(Resize(2700));
    EXPECT_EQ(listener_.notices, 1);
    EXPECT_EQ(listener_.last, DesignNotice::Edited);
    EXPECT_TRUE(document_.HasUnsavedChanges());
    EXPECT_EQ(totals_.displacement.caption.substr(0, 6), "D: 200") << "the totals follow";
    EXPECT_EQ(totals_.changed_mark.caption, "Changed");
    EXPECT_EQ(document_.UndoStep(), "Resize hull");

    const Design settled = document_.design();
    Design again = settled;
    EXPECT_EQ(Recalculate(again, session_.catalog->Features()), 1) << "settled by the change";
}

// Writing what is already there, or a change a check refused, is no step at all.
TEST_F(DesignDocumentTest, AChangeThatChangesNothingLeavesNoTrace) {
    const double hull = document_.design().Slots[Slot::Hull].KL;
    EXPECT_FALSE(Resize(hull));
    EXPECT_FALSE(document_.Change("Nothing", [](Design&) {}));
    EXPECT_EQ(listener_.notices, 0);
    EXPECT_FALSE(document_.HasUnsavedChanges());
    EXPECT_FALSE(document_.UndoStep());
}

TEST_F(DesignDocumentTest, SaveLoadAndNewSayWhatTheyDidAndStartTheHistoryAsTheyShould) {
    ASSERT_TRUE(Resize(2700));
    const std::string path = (dir_.path() / "Ship.k2d").string();
    ASSERT_TRUE(document_.Save(path, sys_days{2026y / 12 / 7}).ok());
    EXPECT_EQ(listener_.last, DesignNotice::Saved);
    EXPECT_EQ(document_.Path(), path);
    EXPECT_FALSE(document_.HasUnsavedChanges());
    EXPECT_EQ(document_.UndoStep(), "Resize hull") << "a save keeps the history";

    const int notices = listener_.notices;
    EXPECT_FALSE(document_.Load((dir_.path() / "missing.k2d").string()).ok());
    EXPECT_EQ(listener_.notices, notices) << "a failed load changes nothing";
    EXPECT_EQ(document_.UndoStep(), "Resize hull");

    ASSERT_TRUE(Resize(4050));
    ASSERT_TRUE(document_.Load(path).ok());
    EXPECT_EQ(listener_.last, DesignNotice::Loaded);
    EXPECT_FALSE(document_.UndoStep());
    EXPECT_FALSE(document_.RedoStep());
    EXPECT_EQ(document_.design().Slots[Slot::Hull].KL, 2700);

    document_.MakeNew();
    EXPECT_EQ(listener_.last, DesignNotice::New);
    EXPECT_TRUE(document_.Path().empty());
    EXPECT_FALSE(document_.UndoStep());
    EXPECT_FALSE(document_.HasUnsavedChanges());
}

TEST_F(DesignDocumentTest, RepeatedEditsOfOneFieldFoldIntoOneStepThatUndoesThemAll) {
    const double start = HullKl();
    ASSERT_TRUE(SetDisplacement(2700));
    ASSERT_TRUE(SetDisplacement(4050));
    // The last edit also touches a part the first did not.
    const double scoops = document_.design().Slots[Slot::FuelScoops].NUMBER;
    ASSERT_TRUE(document_.Change(
        "Set displacement to 5400",
        [scoops](Design& design) {
            design.Slots[Slot::Hull].KL = 5400;
            design.Slots[Slot::FuelScoops].NUMBER = 1 - scoops;
        },
        "hull:displacement"));
    EXPECT_EQ(listener_.notices, 3) << "each edit is shown at once";
    EXPECT_EQ(document_.UndoStep(), "Set displacement to 5400");

    const Design folded = document_.design();
    ASSERT_TRUE(document_.Undo());
    EXPECT_EQ(HullKl(), start) << "back to the design before the first edit";
    EXPECT_EQ(document_.design().Slots[Slot::FuelScoops].NUMBER, scoops);
    EXPECT_FALSE(document_.UndoStep()) << "the three edits were one step";
    EXPECT_FALSE(document_.HasUnsavedChanges());
    ASSERT_TRUE(document_.Redo());
    EXPECT_TRUE(BitwiseEqual(document_.design(), folded));
}

// Whatever comes between two edits of one field keeps them two steps.
TEST_F(DesignDocumentTest, AnythingBetweenTwoEditsOfOneFieldKeepsThemApart) {
    const std::string path = (dir_.path() / "Ship.k2d").string();
    struct Between {
        const char* what;
        std::function<void()> act;
    };
    const std::vector<Between> cases = {
        {"another step", [this] { Resize(6750); }},
        {"another field",
         [this] {
             document_.Change(
                 "Tick scoops", [](Design& d) { d.Slots[Slot::FuelScoops].NUMBER = 1; },
                 "drives:scoops");
         }},
        {"an undo and a redo",
         [this] {
             document_.Undo();
             document_.Redo();
         }},
        {"a save", [&] { ASSERT_TRUE(document_.Save(path, sys_days{2026y / 12 / 7}).ok()); }},
    };
    for (const Between& between : cases) {
        SCOPED_TRACE(between.what);
        document_.MakeNew();
        ASSERT_TRUE(SetDisplacement(2700));
        between.act();
        const long before_last = document_.Position();
        ASSERT_TRUE(SetDisplacement(5400));
        ASSERT_TRUE(document_.Undo());
        EXPECT_EQ(document_.Position(), before_last);
        EXPECT_NE(HullKl(), 5400);
        EXPECT_TRUE(document_.UndoStep()) << "the edit before stays a step of its own";
    }
}

TEST_F(DesignDocumentTest, AFoldBackToTheStartLeavesNoStepAndShowsTheSavedDesignSaved) {
    const double start = HullKl();
    ASSERT_TRUE(Resize(2700));
    const std::string path = (dir_.path() / "Ship.k2d").string();
    ASSERT_TRUE(document_.Save(path, sys_days{2026y / 12 / 7}).ok());
    const long saved = document_.Position();

    ASSERT_TRUE(SetDisplacement(4050));
    EXPECT_TRUE(document_.HasUnsavedChanges());
    ASSERT_TRUE(SetDisplacement(2700)) << "the design changed back";
    EXPECT_EQ(listener_.last, DesignNotice::Edited);
    EXPECT_FALSE(document_.HasUnsavedChanges()) << "the design is the saved one again";
    EXPECT_EQ(document_.Position(), saved);
    EXPECT_EQ(document_.UndoStep(), "Resize hull") << "the edits left no step";

    ASSERT_TRUE(SetDisplacement(5400));
    ASSERT_TRUE(document_.Undo());
    EXPECT_FALSE(document_.HasUnsavedChanges()) << "undone to the saved design";
    ASSERT_TRUE(document_.Undo());
    EXPECT_EQ(HullKl(), start);
}

TEST_F(DesignDocumentTest, UndoToReachesAPositionOnlyWhileItsDesignCanBeUndoneTo) {
    const double start = HullKl();
    const long opened = document_.Position();
    ASSERT_TRUE(Resize(2700));
    const long resized = document_.Position();
    ASSERT_TRUE(Resize(4050));
    ASSERT_TRUE(SetDisplacement(5400));

    EXPECT_TRUE(document_.UndoTo(document_.Position())) << "already there";
    EXPECT_EQ(HullKl(), 5400);
    const int notices = listener_.notices;
    ASSERT_TRUE(document_.UndoTo(resized));
    EXPECT_EQ(HullKl(), 2700);
    EXPECT_EQ(listener_.notices, notices + 2) << "one notice per step undone";
    EXPECT_EQ(document_.RedoStep(), "Resize hull");
    EXPECT_FALSE(document_.UndoTo(resized + 1000)) << "no such position";
    ASSERT_TRUE(document_.UndoTo(opened));
    EXPECT_EQ(HullKl(), start);
    EXPECT_FALSE(document_.HasUnsavedChanges());

    // The design at `resized` is among the redo steps a new step drops.
    ASSERT_TRUE(Resize(6750));
    EXPECT_FALSE(document_.UndoTo(resized));
    EXPECT_EQ(HullKl(), 6750) << "nothing changed";

    const long before_new = document_.Position();
    document_.MakeNew();
    ASSERT_TRUE(Resize(2700));
    EXPECT_FALSE(document_.UndoTo(before_new)) << "the history started again";
    EXPECT_FALSE(document_.UndoTo(opened));
    EXPECT_EQ(HullKl(), 2700);
}

TEST_F(DesignDocumentTest, UndoToRefusesAPositionWhoseStepsWereForgotten) {
    const long opened = document_.Position();
    for (std::size_t step = 1; step <= DesignDocument::kKeptSteps + 1; ++step) {
        ASSERT_TRUE(Resize(static_cast<double>(1000 + step)));
    }
    const int notices = listener_.notices;
    EXPECT_FALSE(document_.UndoTo(opened));
    EXPECT_EQ(listener_.notices, notices);
    EXPECT_EQ(HullKl(), 1000 + DesignDocument::kKeptSteps + 1);
}

}  // namespace
}  // namespace korvane::ui
