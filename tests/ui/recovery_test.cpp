#include "ui/recovery.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <functional>
#include <sstream>
#include <vector>

#include <unistd.h>

#include "app/save_design.h"
#include "files/design_file.h"
#include "model/text_helpers.h"
#include "support/scripted_prompter.h"
#include "support/stale_temporary.h"
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
                                kDay + std::chrono::hours(23) + std::chrono::minutes(minute), ended,
                                ship};
        const Result<PrivateFolder> folder = PrivateFolder::Open(folder_);
        EXPECT_TRUE(folder) << folder.message();
        EXPECT_TRUE(WriteRecoveryCopy(folder.value(), copy, design, info, 0600).ok());
        return copy;
    }

    // The lines of the one list of recovered changes that was offered.
    std::vector<std::string> Offered() const {
        for (const testing::Question& question : prompter_.questions()) {
            if (question.kind == testing::QuestionKind::Recovered) {
                return question.options;
            }
        }
        return {};
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
    const PrivateFolder folder = std::move(PrivateFolder::Open(folder_).value());
    const RecoveryInfo info = ReadRecoveryInfoFile(folder, own).value();
    EXPECT_EQ(info.design_path, "");
    EXPECT_EQ(info.ship_name, "Vigilant");
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
    EXPECT_EQ(ReadRecoveryInfoFile(folder, own).value().design_path, (dir_ / "ship.k2d").string());
    recovery_.DropCopy();
    EXPECT_FALSE(fs::exists(own.design_file)) << "a clean exit leaves no copy";
    EXPECT_TRUE(prompter_.questions().empty());
}

TEST_F(RecoveryTest, RestoreMakesTheCopyAChangedDesignUnderItsOwnFile) {
    const std::string original = (dir_ / "ship.k2d").string();
    session_.design.SetShipName("Original");
    ASSERT_TRUE(WriteDesignFile(original, session_.design).ok());
    fs::permissions(original, fs::perms(0640));
    const std::string original_bytes = ReadText(original);
    const RecoveryCopy left = LeftCopy("Recovered", original, 15);

    prompter_.AnswerRecovered({RecoveredAction::Restore, 0});
    recovery_.Start(folder_, std::chrono::seconds(60));
    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_EQ(prompter_.questions()[0].text,
              "Unsaved changes were recovered from a run of the program that ended without "
              "saving them. Restore them?");
    EXPECT_EQ(Offered(),
              std::vector<std::string>{original + ", from Monday, December 7, 2026 at 23:15"});

    EXPECT_EQ(Ship(), "Recovered");
    EXPECT_TRUE(session_.design.DesignChanged);
    EXPECT_EQ(session_.CurrentDesignPath, original);
    EXPECT_EQ(ReadText(original), original_bytes) << "the original waits for a save";
    EXPECT_FALSE(fs::exists(left.design_file));
    const fs::path own = recovery_.OwnCopy()->design_file;
    Design copied;
    ASSERT_TRUE(ReadDesignFile(own, copied).ok());
    EXPECT_EQ(Bytes(copied), Bytes(session_.design)) << "the changes have this program's copy";
    EXPECT_EQ(fs::status(own).permissions(), fs::perms(0640)) << "the copy keeps the design's mode";

    EXPECT_FALSE(ChangedSinceRead(session_, original));
    WriteText(original, "saved by someone else since the crash");
    EXPECT_TRUE(ChangedSinceRead(session_, original)) << "a save asks before overwriting it";
}

// A description may name any file as the design's own: only the file the
// copy's program read, as it read it, stays the design's.
TEST_F(RecoveryTest, ARestoredDesignWhoseFileChangedOrWentComesBackNeverSaved) {
    const struct {
        std::string name;
        std::function<void(const fs::path&)> meanwhile;
    } cases[] = {
        {"written since", [](const fs::path& file) { WriteText(file, "another program's"); }},
        {"removed since", [](const fs::path& file) { fs::remove(file); }},
        {"replaced by another file", [](const fs::path& file) {
             WriteText(file.string() + ".new", ReadText(file));
             fs::rename(file.string() + ".new", file);
         }}};
    int minute = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path file = dir_ / (c.name + ".k2d");
        ASSERT_TRUE(WriteDesignFile(file, session_.design).ok());
        LeftCopy("Recovered", file.string(), ++minute);
        c.meanwhile(file);
        const std::string file_now = fs::exists(file) ? ReadText(file) : "";

        testing::ScriptedPrompter prompter;
        prompter.AnswerRecovered({RecoveredAction::Restore, 0});
        Recovery start(session_, document_, prompter, self_, [this] { return now_; });
        start.Start(folder_, std::chrono::seconds(60));
        EXPECT_EQ(Ship(), "Recovered");
        EXPECT_EQ(session_.CurrentDesignPath, "") << "the next save asks where";
        EXPECT_TRUE(session_.design.DesignChanged);
        ASSERT_EQ(prompter.questions().size(), 2u);
        EXPECT_NE(prompter.questions()[1].text.find("restored as a design never saved"),
                  std::string::npos)
            << prompter.questions()[1].text;
        EXPECT_EQ(fs::exists(file) ? ReadText(file) : "", file_now);
        start.DropCopy();
    }
}

TEST_F(RecoveryTest, CopiesAreListedNewestFirstAndEachIsRestoredDeletedOrKept) {
    const RecoveryCopy oldest = LeftCopy("", "", 1);
    const RecoveryCopy middle = LeftCopy("Vigilant", "", 2);
    const RecoveryCopy newest = LeftCopy("Intrepid", "", 3);
    const RecoveryCopy kept = LeftCopy("Kept", "", 4);
    const ProcessIdentity parent{
        ::getppid(), StartTicksInStat(ReadText("/proc/" + std::to_string(::getppid()) + "/stat"))};
    const RecoveryCopy running = RecoveryCopyOf(folder_, parent);
    {
        const PrivateFolder folder = std::move(PrivateFolder::Open(folder_).value());
        ASSERT_TRUE(
            WriteRecoveryCopy(folder, running, session_.design, {"", {}, {}, parent, ""}, 0600)
                .ok());
    }

    prompter_.AnswerRecovered({RecoveredAction::Keep, 0})
        .AnswerRecovered({RecoveredAction::Delete, 0})
        .AnswerRecovered({RecoveredAction::Restore, 0});
    recovery_.Start(folder_, std::chrono::seconds(60));
    ASSERT_EQ(prompter_.questions().size(), 3u);
    const auto lines = [this](std::size_t question) {
        std::string names;
        for (const std::string& line : prompter_.questions()[question].options) {
            names += line.substr(0, line.find(", from ")) + "; ";
        }
        return names;
    };
    EXPECT_EQ(lines(0),
              "the never-saved design \"Kept\"; the never-saved design \"Intrepid\"; the "
              "never-saved design \"Vigilant\"; an untitled design; ");
    EXPECT_EQ(lines(1),
              "the never-saved design \"Intrepid\"; the never-saved design \"Vigilant\"; an "
              "untitled design; ");
    EXPECT_EQ(lines(2), "the never-saved design \"Vigilant\"; an untitled design; ");
    EXPECT_TRUE(fs::exists(kept.design_file)) << "Keep keeps it";
    EXPECT_FALSE(fs::exists(newest.design_file)) << "Delete deletes it";
    EXPECT_FALSE(fs::exists(newest.info_file));
    EXPECT_EQ(Ship(), "Vigilant");
    EXPECT_TRUE(fs::exists(oldest.design_file)) << "offered at the next start";
    EXPECT_TRUE(fs::exists(running.design_file)) << "another program's copy is never taken";

    Session next;
    fs::create_directory(dir_ / "next");
    testing::StartTestSession(next, dir_ / "next");
    DesignDocument next_document{next};
    testing::ScriptedPrompter next_prompter;
    Recovery next_start(next, next_document, next_prompter, {self_.pid, self_.start_ticks + 99});
    next_prompter.AnswerRecovered({RecoveredAction::DeleteAll, 0});
    next_start.Start(folder_, std::chrono::seconds(60));
    ASSERT_EQ(next_prompter.questions().size(), 1u);
    EXPECT_EQ(next_prompter.questions()[0].options.size(), 2u)
        << "the kept and the oldest; the restored design's copy is a running program's";
    EXPECT_FALSE(fs::exists(kept.design_file));
    EXPECT_FALSE(fs::exists(oldest.design_file));
    EXPECT_TRUE(fs::exists(running.design_file));
}

TEST_F(RecoveryTest, KeepAllWhichEscapeAnswersChangesNothing) {
    const std::string original = (dir_ / "open.k2d").string();
    ASSERT_TRUE(WriteDesignFile(original, session_.design).ok());
    ASSERT_TRUE(document_.Load(original).ok());
    const std::string open_bytes = Bytes(session_.design);
    const RecoveryCopy left = LeftCopy("Recovered", "", 5);
    const std::string left_bytes = ReadText(left.design_file);
    const std::string left_info = ReadText(left.info_file);

    prompter_.AnswerRecovered(RecoveredChoice{});
    recovery_.Start(folder_, std::chrono::seconds(60));
    EXPECT_EQ(Bytes(session_.design), open_bytes);
    EXPECT_EQ(session_.CurrentDesignPath, original);
    EXPECT_FALSE(session_.design.DesignChanged);
    EXPECT_EQ(ReadText(left.design_file), left_bytes);
    EXPECT_EQ(ReadText(left.info_file), left_info);
    EXPECT_EQ(prompter_.questions().size(), 1u);
}

// Only the descriptions are read for the list: a copy's design is read when
// it is restored, so a thousand copies cost a thousand small files at start.
TEST_F(RecoveryTest, ManyCopiesAreOfferedInOneListFromTheirDescriptionsAlone) {
    constexpr int kCopies = 200;
    for (int i = 1; i <= kCopies; ++i) {
        WriteText(LeftCopy("Ship " + std::to_string(i), "", i).design_file, "not read");
    }
    prompter_.AnswerRecovered({RecoveredAction::Keep, 7}).AnswerRecovered(RecoveredChoice{});
    recovery_.Start(folder_, std::chrono::seconds(60));
    ASSERT_EQ(prompter_.questions().size(), 2u) << "none was read, none is broken";
    EXPECT_EQ(prompter_.questions()[0].options.size(), std::size_t(kCopies));
    EXPECT_EQ(prompter_.questions()[1].options.size(), std::size_t(kCopies - 1));
}

TEST_F(RecoveryTest, TheListShowsControlCharactersInNamesAsQuestionMarks) {
    const std::string path =
        (dir_ / "x\nThe catalog has been checked and is sound.\r\x1b[2J.k2d").string();
    LeftCopy("Ship\nName\t", path, 1);
    LeftCopy("Bell\x07", "", 2);
    prompter_.AnswerRecovered(RecoveredChoice{});
    recovery_.Start(folder_, std::chrono::seconds(60));
    const std::vector<std::string> lines = Offered();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "the never-saved design \"Bell?\", from Monday, December 7, 2026 at 23:02");
    EXPECT_EQ(lines[1], (dir_ / "x?The catalog has been checked and is sound.??[2J.k2d").string() +
                            ", from Monday, December 7, 2026 at 23:01");
}

TEST_F(RecoveryTest, ACopyThatCannotBeReadIsReportedAndKeptAside) {
    const struct {
        std::string name;
        std::string damaged_file;  // "info" or "design"
        std::string content;
        bool offered;  // a damaged design is found when it is restored
    } cases[] = {
        {"a damaged description", "info", "Korvane recovery copy\nDesign=/x\n", false},
        {"a damaged design", "design", "not a design", true},
        {"no description", "info", "", false},
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
        if (c.offered) {
            prompter.AnswerRecovered({RecoveredAction::Restore, 0});
        }
        const std::string open_ship = Ship();
        Recovery start(session_, document_, prompter, self_, [this] { return now_; });
        start.Start(folder_, std::chrono::seconds(60));
        ASSERT_EQ(prompter.questions().size(), c.offered ? 2u : 1u);
        const testing::Question& report = prompter.questions().back();
        const fs::path kept = folder_ / ("broken-" + copy.design_file.filename().string());
        EXPECT_NE(report.text.find("cannot be read"), std::string::npos);
        EXPECT_NE(report.text.find(kept.string()), std::string::npos) << report.text;
        EXPECT_EQ(ReadText(kept), design_bytes) << "nothing is lost";
        EXPECT_EQ(Ship(), open_ship);
    }

    const RecoveryCopy halfway = LeftCopy("Never written", "", 10);
    fs::remove(halfway.design_file);
    recovery_.Start(folder_, std::chrono::seconds(60));
    EXPECT_TRUE(prompter_.questions().empty()) << "broken copies are not offered again";
    EXPECT_FALSE(fs::exists(halfway.info_file)) << "a description alone describes nothing";
}

TEST_F(RecoveryTest, AFolderOthersMayWriteIsRefusedAndNoCopyIsKeptOrOffered) {
    LeftCopy("Planted", "/etc/passwd", 1);
    fs::permissions(folder_, fs::perms(0777));
    recovery_.Start(folder_, std::chrono::seconds(60));
    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_EQ(prompter_.questions()[0].kind, testing::QuestionKind::Message);
    EXPECT_NE(prompter_.questions()[0].text.find(folder_.string() +
                                                 ": may be written by others than its owner"),
              std::string::npos)
        << prompter_.questions()[0].text;
    EXPECT_FALSE(recovery_.OwnCopy());
    Change("Vigilant");
    EXPECT_EQ(recovery_.Due(), std::nullopt) << "autosave is off";
    recovery_.WriteDueCopy();
    EXPECT_EQ(fs::status(folder_).permissions(), fs::perms(0777)) << "the folder is not changed";
}

TEST_F(RecoveryTest, WhileAnotherProgramOffersTheCopiesNoneIsOfferedTwice) {
    const RecoveryCopy left = LeftCopy("Once", "", 1);
    const PrivateFolder folder = std::move(PrivateFolder::Open(folder_).value());
    Result<std::optional<PrivateFolder::Hold>> other = folder.TryHold("offering.lock");
    ASSERT_TRUE(other && other.value());
    WriteText(folder_ / testing::StaleTemporaryName("1-2.k2d"), "half a copy");
    recovery_.Start(folder_, std::chrono::seconds(60));
    EXPECT_TRUE(prompter_.questions().empty());
    EXPECT_TRUE(fs::exists(left.design_file));
    EXPECT_FALSE(fs::exists(folder_ / testing::StaleTemporaryName("1-2.k2d")))
        << "what a killed write left is cleared";
}

TEST_F(RecoveryTest, ACopyThatCannotBeWrittenIsReportedOnceAndTriedAgain) {
    recovery_.Start(folder_, std::chrono::seconds(60));
    fs::remove_all(folder_);
    WriteText(folder_, "a file where the recovery folder should be");
    Change("Vigilant");
    recovery_.WriteDueCopy();
    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_NE(prompter_.questions()[0].text.find("cannot be written"), std::string::npos);
    EXPECT_EQ(recovery_.Due(), now_ + std::chrono::seconds(60));

    now_ += std::chrono::seconds(60);
    recovery_.WriteDueCopy();
    EXPECT_EQ(prompter_.questions().size(), 1u) << "told once";
    fs::remove(folder_);
    now_ += std::chrono::seconds(60);
    recovery_.WriteDueCopy();
    EXPECT_TRUE(fs::exists(recovery_.OwnCopy()->design_file));
    EXPECT_EQ(fs::status(folder_).permissions(), fs::perms::owner_all);
}

}  // namespace
}  // namespace korvane::ui
