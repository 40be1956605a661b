#include "ui/design_document.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "engine/recalculate.h"
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

    // Counts the notices and remembers what the last one announced.
    struct Listener final : DesignObserver {
        explicit Listener(DesignDocument& document)
            : document(document), subscription(document.Subscribe(*this)) {}
        void DesignUpdated(Design&) override {
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

}  // namespace
}  // namespace korvane::ui
