#include "ui/recovery.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <sstream>

#include "app/save_design.h"
#include "files/design_file.h"
#include "model/text_helpers.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"
#include "support/test_session.h"

namespace korvane::ui {
namespace {

using testing::ReadText;
using testing::WriteText;
using Clock = Recovery::Clock;
namespace fs = std::filesystem;

constexpr std::chrono::sys_days kDay = std::chrono::December / 7 / 2026;

std::string Bytes(const Design& design) {
    std::ostringstream out;
    WriteDesign(out, design);
    return out.str();
}

class RecoveryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("TZ", "UTC", 1);
        ::tzset();
        testing::StartTestSession(session_, dir_.path());
    }

    // A change as an editor makes it.
    void Change(const std::string& ship) {
        document_.Change("Accept hull", [&ship](Design& design) { design.SetShipName(ship); });
    }

    // A copy that a program which has ended left: the same process id as
    // this one, started at another time.
    RecoveryCopy LeftCopy(const std::string& ship, const std::string& path, int minute) {
        const ProcessIdentity ended{self_.pid, self_.start_ticks + 1 + minute};
        const RecoveryCopy copy = RecoveryCopyOf(folder_, ended);
        Design design = session_.design;
        design.SetShipName(ship);
        const RecoveryInfo info{path, StampOf(path),
                                kDay + std::chrono::hours(23) + std::chrono::minutes(minute),
                                ended};
        EXPECT_TRUE(WriteRecoveryCopy(copy, design, info).ok());
        return copy;
    }

    std::string Ship() const { return std::string(Trimmed(session_.design.ShipName())); }

    testing::TempDir dir_;
    fs::path folder_ = dir_ / "state" / "recovery";
    Session session_;
    testing::ScriptedPrompter prompter_;
    DesignDocument document_{session_};
    Clock::time_point now_{};
    const ProcessIdentity self_ = ThisProcess();
    Recovery recovery_{session_, document_, prompter_, self_, [this] { return now_; }};
};

TEST_F(RecoveryTest, ChangesAreCopiedWithinAnIntervalAndTheCopyGoesOnSaveAndOnExit) {
    recovery_.Start(folder_, std::chrono::seconds(60));
    const RecoveryCopy own = *recovery_.OwnCopy();
    EXPECT_EQ(own.design_file, folder_ / (std::to_string(self_.pid) + "-" +
                                          std::to_string(self_.start_ticks) + ".k2d"));
    Change("Vigilant");
    ASSERT_EQ(recovery_.Due(), now_);
    recovery_.WriteDueCopy();
    Design copied;
    ASSERT_TRUE(ReadDesignFile(own.design_file, copied).ok());
    EXPECT_EQ(Bytes(copied), Bytes(session_.design));
    const RecoveryInfo info = ReadRecoveryInfoFile(own).value();
    EXPECT_EQ(info.design_path, "");
    EXPECT_EQ(info.writer, self_);

    now_ += std::chrono::seconds(10);
    Change("Dauntless");
    recovery_.WriteDueCopy();
    ASSERT_TRUE(ReadDesignFile(own.design_file, copied).ok());
    EXPECT_NE(Bytes(copied), Bytes(session_.design)) << "at most one copy an interval";
    now_ += std::chrono::seconds(50);
    recovery_.WriteDueCopy();
    ASSERT_TRUE(ReadDesignFile(own.design_file, copied).ok());
    EXPECT_EQ(Bytes(copied), Bytes(session_.design));

    ASSERT_TRUE(document_.Save((dir_ / "ship.k2d").string(), kDay).ok());
    EXPECT_FALSE(fs::exists(own.design_file)) << "saved: nothing to recover";
    EXPECT_FALSE(fs::exists(own.info_file));
    EXPECT_EQ(recovery_.Due(), std::nullopt);

    now_ += std::chrono::minutes(5);
    Change("Intrepid");
    recovery_.WriteDueCopy();
    EXPECT_EQ(ReadRecoveryInfoFile(own).value().design_path, (dir_ / "ship.k2d").string());
    recovery_.DropCopy();
    EXPECT_FALSE(fs::exists(own.design_file)) << "a clean exit leaves no copy";
    EXPECT_TRUE(prompter_.questions().empty());
}

TEST_F(RecoveryTest, YesRestoresTheCopyAsAChangedDesignUnderItsOwnFile) {
    const std::string original = (dir_ / "ship.k2d").string();
    session_.design.SetShipName("Original");
    ASSERT_TRUE(WriteDesignFile(original, session_.design).ok());
    const std::string original_bytes = ReadText(original);
    const RecoveryCopy left = LeftCopy("Recovered", original, 15);

    prompter_.AnswerYesNo(true);
    recovery_.Start(folder_, std::chrono::seconds(60));
    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_EQ(prompter_.questions()[0].text,
              "Unsaved changes to " + original +
                  " from Monday, December 7, 2026 at 23:15 were recovered. Restore them?");
    EXPECT_EQ(prompter_.questions()[0].default_answer, DefaultAnswer::Yes);

    EXPECT_EQ(Ship(), "Recovered");
    EXPECT_TRUE(session_.design.DesignChanged);
    EXPECT_EQ(session_.CurrentDesignPath, original);
    EXPECT_EQ(ReadText(original), original_bytes) << "the original waits for a save";
    EXPECT_FALSE(fs::exists(left.design_file));
    Design copied;
    ASSERT_TRUE(ReadDesignFile(recovery_.OwnCopy()->design_file, copied).ok());
    EXPECT_EQ(Bytes(copied), Bytes(session_.design)) << "the changes have this program's copy";

    EXPECT_FALSE(ChangedSinceRead(session_, original));
    WriteText(original, "saved by someone else since the crash");
    EXPECT_TRUE(ChangedSinceRead(session_, original)) << "a save asks before overwriting it";
}

TEST_F(RecoveryTest, TheNewestIsOfferedFirstNoDeletesAndYesLeavesTheRestForLater) {
    const RecoveryCopy oldest = LeftCopy("", "", 1);
    const RecoveryCopy middle = LeftCopy("Vigilant", "", 2);
    const RecoveryCopy newest = LeftCopy("Intrepid", "", 3);
    const ProcessIdentity parent{
        ::getppid(), StartTicksInStat(ReadText("/proc/" + std::to_string(::getppid()) + "/stat"))};
    const RecoveryCopy running = RecoveryCopyOf(folder_, parent);
    ASSERT_TRUE(WriteRecoveryCopy(running, session_.design, {"", {}, {}, parent}).ok());

    prompter_.AnswerYesNo(false).AnswerYesNo(true);
    recovery_.Start(folder_, std::chrono::seconds(60));
    ASSERT_EQ(prompter_.questions().size(), 2u);
    EXPECT_TRUE(prompter_.questions()[0].text.starts_with(
        "Unsaved changes to the never-saved design \"Intrepid\""))
        << prompter_.questions()[0].text;
    EXPECT_TRUE(prompter_.questions()[1].text.starts_with(
        "Unsaved changes to the never-saved design \"Vigilant\""))
        << prompter_.questions()[1].text;
    EXPECT_FALSE(fs::exists(newest.design_file)) << "No deletes it";
    EXPECT_EQ(Ship(), "Vigilant");
    EXPECT_TRUE(fs::exists(oldest.design_file)) << "offered at the next start";
    EXPECT_TRUE(fs::exists(running.design_file)) << "another program's copy is never taken";

    Session next;
    fs::create_directory(dir_ / "next");
    testing::StartTestSession(next, dir_ / "next");
    DesignDocument next_document{next};
    testing::ScriptedPrompter next_prompter;
    Recovery next_start(next, next_document, next_prompter, {self_.pid, self_.start_ticks + 99});
    next_prompter.AnswerYesNo(false);
    next_start.Start(folder_, std::chrono::seconds(60));
    ASSERT_EQ(next_prompter.questions().size(), 1u) << "this program still runs";
    EXPECT_TRUE(
        next_prompter.questions()[0].text.starts_with("Unsaved changes to an untitled design"))
        << next_prompter.questions()[0].text;
}

TEST_F(RecoveryTest, ACopyThatCannotBeReadIsReportedAndKeptAside) {
    const struct {
        std::string name;
        std::string damaged_file;  // "info" or "design"
        std::string content;
    } cases[] = {
        {"a damaged description", "info", "Korvane recovery copy\nDesign=/x\n"},
        {"a damaged design", "design", "not a design"},
        {"no description", "info", ""},
    };
    int minute = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RecoveryCopy copy = LeftCopy("Lost", "", ++minute);
        const fs::path damaged = c.damaged_file == "info" ? copy.info_file : copy.design_file;
        if (c.content.empty()) {
            fs::remove(damaged);
        } else {
            WriteText(damaged, c.content);
        }
        const std::string design_bytes = ReadText(copy.design_file);

        testing::ScriptedPrompter prompter;
        Recovery start(session_, document_, prompter, self_, [this] { return now_; });
        start.Start(folder_, std::chrono::seconds(60));
        ASSERT_EQ(prompter.questions().size(), 1u);
        const fs::path kept = folder_ / ("broken-" + copy.design_file.filename().string());
        EXPECT_NE(prompter.questions()[0].text.find("cannot be read"), std::string::npos);
        EXPECT_NE(prompter.questions()[0].text.find(kept.string()), std::string::npos)
            << prompter.questions()[0].text;
        EXPECT_EQ(ReadText(kept), design_bytes) << "nothing is lost";
    }

    const RecoveryCopy halfway = LeftCopy("Never written", "", 10);
    fs::remove(halfway.design_file);
    recovery_.Start(folder_, std::chrono::seconds(60));
    EXPECT_TRUE(prompter_.questions().empty()) << "broken copies are not offered again";
    EXPECT_FALSE(fs::exists(halfway.info_file)) << "a description alone describes nothing";
}

TEST_F(RecoveryTest, ACopyThatCannotBeWrittenIsReportedOnceAndTriedAgain) {
    WriteText(dir_ / "state", "a file where the state folder should be");
    recovery_.Start(folder_, std::chrono::seconds(60));
    Change("Vigilant");
    recovery_.WriteDueCopy();
    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_NE(prompter_.questions()[0].text.find("cannot be written"), std::string::npos);
    EXPECT_EQ(recovery_.Due(), now_ + std::chrono::seconds(60));

    now_ += std::chrono::seconds(60);
    recovery_.WriteDueCopy();
    EXPECT_EQ(prompter_.questions().size(), 1u) << "told once";
    fs::remove(dir_ / "state");
    now_ += std::chrono::seconds(60);
    recovery_.WriteDueCopy();
    EXPECT_TRUE(fs::exists(recovery_.OwnCopy()->design_file));
}

}  // namespace
}  // namespace korvane::ui
