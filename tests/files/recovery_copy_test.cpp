#include "files/recovery_copy.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sys/stat.h>

#include <sstream>

#include "files/design_file.h"
#include "support/temp_dir.h"

namespace korvane {
namespace {

using testing::TempDir;
using testing::WriteText;
namespace fs = std::filesystem;

RecoveryInfo Described(std::string path, std::string ship = {}) {
    return {std::move(path), FileStamp{2049, 1234567, 160512, -5},
            std::chrono::sys_days(std::chrono::December / 7 / 2026) + std::chrono::hours(23) +
                std::chrono::minutes(15) + std::chrono::seconds(2),
            ProcessIdentity{4242, 987654321}, std::move(ship)};
}

PrivateFolder Opened(const fs::path& path) {
    Result<PrivateFolder> folder = PrivateFolder::Open(path);
    EXPECT_TRUE(folder) << folder.message();
    return std::move(folder.value());
}

Result<RecoveryInfo> Read(const std::string& text) {
    std::istringstream in(text);
    return ReadRecoveryInfo(in, "x.info");
}

TEST(RecoveryInfo, EveryFileNameAndStampComesBackAsWritten) {
    for (const std::string& path :
         {std::string("/home/ann/ships/scout.k2d"), std::string(),
          std::string("/odd\\name\nwith\rbreaks\\n.k2d"), std::string("/latin1/sh\xe9p.k2d")}) {
        SCOPED_TRACE(path);
        for (const bool with_stamp : {true, false}) {
            RecoveryInfo info = Described(path, with_stamp ? "" : "Odd\\ship\nname");
            if (!with_stamp) {
                info.design_stamp.reset();
            }
            std::ostringstream out;
            WriteRecoveryInfo(out, info);
            const Result<RecoveryInfo> read = Read(out.str());
            ASSERT_TRUE(read) << read.message();
            EXPECT_EQ(read.value(), info);
        }
    }
    std::ostringstream out;
    WriteRecoveryInfo(out, Described("/s.k2d"));
    EXPECT_EQ(out.str(),
              "Korvane recovery copy\nDesign=/s.k2d\nRead=2049 1234567 160512 -5\n"
              "Written=2026-12-07T23:15:02Z\nProcess=4242 987654321\n");
}

TEST(RecoveryInfo, ADamagedDescriptionIsRefusedWithItsLine) {
    const std::string good_tail = "Written=2026-12-07T23:15:02Z\nProcess=1 2\n";
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {"", "x.info, line 1: expected \"Korvane recovery copy\""},
        {"K2D design\nDesign=/a\n" + good_tail, "line 1"},
        {"Korvane recovery copy\nDesign=/a\\x\n" + good_tail, "line 2: expected a file name"},
        {"Korvane recovery copy\nDesign=/a\\\n" + good_tail, "line 2: expected a file name"},
        {"Korvane recovery copy\nDesign=/a\nWritten=2026-13-07T23:15:02Z\nProcess=1 2\n",
         "line 3: expected a time"},
        {"Korvane recovery copy\nDesign=/a\nWritten=2026-12-07 23:15\nProcess=1 2\n",
         "line 3: expected a time"},
        {"Korvane recovery copy\nDesign=/a\nWritten=2026-12-07T23:15:02Z\nProcess=12\n",
         "line 4: expected the process id"},
        {"Korvane recovery copy\nDesign=/a\nRead=1 2 3\n" + good_tail,
         "line 3: expected the design file's device"},
        {"Korvane recovery copy\nDesign=/a\nColour=red\n" + good_tail, "line 3: expected Design="},
        {"Korvane recovery copy\nDesign=/a\nProcess=1 2\n", "incomplete"},
        {"Korvane recovery copy\n" + good_tail, "incomplete"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const Result<RecoveryInfo> read = Read(c.text);
        ASSERT_FALSE(read);
        EXPECT_NE(read.message().find(c.message), std::string::npos) << read.message();
    }
}

TEST(ProcessIdentity, TheStartTimeIsTheTwentySecondFieldWhateverTheName) {
    const std::string fields = " S 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 777 19 20\n";
    EXPECT_EQ(StartTicksInStat("12 (korvane)" + fields), 777u);
    EXPECT_EQ(StartTicksInStat("12 (a) b (c) 9 9)" + fields), 777u) << "the name may hold \")\"";
    EXPECT_EQ(StartTicksInStat("12 (korvane) S 1 2 3"), 0u) << "cut short";
    EXPECT_EQ(StartTicksInStat("no name here"), 0u);
}

TEST(ProcessIdentity, AProgramRunsUntilItEndsAndItsIdGivenToAnotherIsNotIt) {
    const ProcessIdentity self = ThisProcess();
    EXPECT_TRUE(IsRunning(self));
    EXPECT_FALSE(IsRunning({self.pid, self.start_ticks + 1})) << "the same id, started later";

    const pid_t child = ::fork();
    if (child == 0) {
        ::pause();
        ::_exit(0);
    }
    ASSERT_GT(child, 0);
    ProcessIdentity other{child, 0};
    for (int tries = 0; tries < 100 && other.start_ticks == 0; ++tries) {
        other = {child,
                 StartTicksInStat(testing::ReadText("/proc/" + std::to_string(child) + "/stat"))};
    }
    EXPECT_TRUE(IsRunning(other));
    ::kill(child, SIGKILL);
    // Killed but not yet collected by its parent, it has ended all the same.
    for (int tries = 0; tries < 1000 && IsRunning(other); ++tries) {
        ::usleep(1000);
    }
    EXPECT_FALSE(IsRunning(other)) << "a zombie does not run";
    ::waitpid(child, nullptr, 0);
    EXPECT_FALSE(IsRunning(other));
}

TEST(RecoveryCopies, OnlyCopiesOfProgramsThatHaveEndedAreLeftAndOtherFilesAreNoCopies) {
    TempDir dir;
    const PrivateFolder folder = Opened(dir.path());
    const ProcessIdentity alive{100, 5};
    const ProcessIdentity ended{200, 6};
    const ProcessIdentity ended_halfway{300, 7};
    Design design;
    for (const ProcessIdentity& writer : {alive, ended}) {
        ASSERT_TRUE(WriteRecoveryCopy(folder, RecoveryCopyOf(dir.path(), writer), design,
                                      Described(""), 0600)
                        .ok());
    }
    WriteText(RecoveryCopyOf(dir.path(), ended_halfway).info_file, "Korvane recovery copy\n");
    for (const char* stranger : {"notes.txt", "broken-400-1.k2d", "12.k2d", "-1-2.k2d", "a-2.info",
                                 ".200-6.k2d.tmp-200-0"}) {
        WriteText(dir / stranger, "x");
    }
    const auto running = [&](const ProcessIdentity& process) { return process == alive; };
    const std::vector<RecoveryCopy> left = LeftRecoveryCopies(folder, running);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].design_file, dir / "200-6.k2d");
    EXPECT_EQ(left[0].writer, ended);
    EXPECT_EQ(left[1].info_file, dir / "300-7.info");

    EXPECT_TRUE(RemoveRecoveryCopy(folder, left[0]).ok());
    EXPECT_FALSE(fs::exists(left[0].design_file));
    EXPECT_FALSE(fs::exists(left[0].info_file));
    EXPECT_TRUE(RemoveRecoveryCopy(folder, left[0]).ok()) << "a copy already gone is no failure";
    EXPECT_TRUE(fs::exists(dir / "100-5.k2d")) << "a running program's copy is not touched";

    const Result<fs::path> aside = SetAsideRecoveryCopy(folder, left[1]);
    ASSERT_TRUE(aside) << aside.message();
    EXPECT_TRUE(fs::exists(dir / "broken-300-7.info"));
    EXPECT_TRUE(LeftRecoveryCopies(folder, running).empty());
}

TEST(RecoveryCopies, TheCopyIsADesignFileWithTheDesignsModeAndAPrivateDescription) {
    TempDir dir;
    const PrivateFolder folder = Opened(dir / "state" / "recovery");
    const RecoveryCopy copy = RecoveryCopyOf(folder.Path(), {7, 8});
    Design design;
    design.SetShipName("Vigilant");
    for (const fs::perms mode : {fs::perms(0600), fs::perms(0640), fs::perms(0644)}) {
        ASSERT_TRUE(
            WriteRecoveryCopy(folder, copy, design, Described("/s.k2d"), mode_t(mode)).ok());
        EXPECT_EQ(fs::status(copy.design_file).permissions(), mode);
        EXPECT_EQ(fs::status(copy.info_file).permissions(), fs::perms(0600));
    }
    Design read;
    ASSERT_TRUE(ReadDesignFile(copy.design_file, read).ok());
    EXPECT_EQ(read.ShipName().substr(0, 8), "Vigilant");
    EXPECT_EQ(ReadRecoveryInfoFile(folder, copy).value(), Described("/s.k2d"));
}

// Links planted under a copy's names, or a copy left by someone else, are
// neither written through, read nor offered.
TEST(RecoveryCopies, LinksAndOthersFilesUnderACopysNamesAreNeverFollowedNorOffered) {
    TempDir dir;
    const PrivateFolder folder = Opened(dir / "recovery");
    const fs::path victim = dir / "bashrc";
    WriteText(victim, "export PATH\n");
    const RecoveryCopy own = RecoveryCopyOf(folder.Path(), {11, 1});
    fs::create_symlink(victim, own.design_file);
    fs::create_symlink(victim, own.info_file);
    Design design;
    ASSERT_TRUE(WriteRecoveryCopy(folder, own, design, Described(""), 0600).ok());
    EXPECT_EQ(testing::ReadText(victim), "export PATH\n") << "the links were replaced";
    EXPECT_FALSE(fs::is_symlink(own.design_file));

    // A left copy whose design is a link to a private file, one whose
    // description is a link, and one whose files belong to another user.
    const RecoveryCopy linked_design = RecoveryCopyOf(folder.Path(), {21, 1});
    const RecoveryCopy linked_info = RecoveryCopyOf(folder.Path(), {22, 1});
    const RecoveryCopy foreign = RecoveryCopyOf(folder.Path(), {23, 1});
    for (const RecoveryCopy& copy : {linked_design, linked_info, foreign}) {
        ASSERT_TRUE(WriteRecoveryCopy(folder, copy, design, Described(""), 0600).ok());
    }
    fs::remove(linked_design.design_file);
    fs::create_symlink(victim, linked_design.design_file);
    fs::remove(linked_info.info_file);
    fs::create_symlink(victim, linked_info.info_file);
    ASSERT_EQ(::chown(foreign.design_file.c_str(), 4321, 4321), 0);
    const std::vector<RecoveryCopy> left =
        LeftRecoveryCopies(folder, [](const ProcessIdentity&) { return false; });
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].writer, (ProcessIdentity{11, 1}));
    EXPECT_FALSE(ReadRecoveryDesignText(folder, linked_design));
    EXPECT_FALSE(ReadRecoveryInfoFile(folder, linked_info));
    EXPECT_EQ(testing::ReadText(victim), "export PATH\n");
}

}  // namespace
}  // namespace korvane
