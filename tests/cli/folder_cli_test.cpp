// Folders from someone else and outputs a user names by mistake: nothing
// outside the folder is touched, no device, pipe or input is written over.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "batch/batch_test_support.h"
#include "support/archive_folder.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;
using testing::RunCli;
using testing::ShellQuoted;
using testing::TempDir;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A design within its limits, as the bytes of its file.
std::string SoundDesign(const fs::path& scratch) {
    Session session;
    batch_test::StartSession(session, scratch);
    batch_test::WriteShip(scratch / "model.k2d", session.catalog->Features(), {"Model"});
    return testing::ReadText(scratch / "model.k2d");
}

TEST(FolderCli, ResaveNeverLeavesTheDesignsFolderThroughALinkButFollowsTheOneNamed) {
    TempDir home;
    fs::create_directory(home / "scratch");
    const std::string design = SoundDesign(home / "scratch");
    testing::BuildArchiveFolder(home / "archive", design);
    auto outside_before = testing::FilesBelow(home / "archive/outside");

    for (const testing::ArchiveDesign& row : testing::ArchiveDesigns()) {
        SCOPED_TRACE(row.name);
        const auto resaved = RunCli(home.path(), "resave archive/fleet/" + row.name);
        EXPECT_EQ(resaved.exit_code, row.resave_exit) << resaved.err;
        EXPECT_TRUE(Contains(resaved.err, row.resave_says)) << resaved.err;
        if (row.resave_exit != 0 &&
            fs::is_regular_file(fs::symlink_status(home / "archive/fleet" / row.name))) {
            EXPECT_EQ(testing::ReadText(home / "archive/fleet" / row.name), design);
        }
    }
    // The design the user named may be a link to anywhere: its target was saved.
    const fs::path away = home / "archive/outside/away.k2d";
    EXPECT_NE(testing::ReadText(away), design);
    EXPECT_TRUE(fs::is_symlink(home / "archive/fleet/away.k2d"));
    outside_before[away.string()] = testing::ReadText(away);
    EXPECT_EQ(testing::FilesBelow(home / "archive/outside"), outside_before);
    EXPECT_FALSE(Contains(testing::ReadText(home / "archive/fleet/notes.K2P"), "PRIVATE KEY"));
    const auto profile = RunCli(home.path(), "profile archive/fleet/notes.k2d");
    EXPECT_FALSE(Contains(profile.out, "PRIVATE KEY"));
    EXPECT_TRUE(Contains(profile.err, "notes are left out")) << profile.err;
}

TEST(FolderCli, OutputsThatAreNoFileOrAnInputOrEmptyAreRefusedAndNothingIsWritten) {
    TempDir home;
    ASSERT_EQ(RunCli(home.path(), "new ship.k2d").exit_code, 0);
    ASSERT_EQ(RunCli(home.path(), "catalog export earlier.csv").exit_code, 0);
    testing::WriteText(home / "ship.K2N", "notes");
    testing::WriteText(home / "letter.txt", "a letter");
    ASSERT_EQ(::mkfifo((home / "pipe").c_str(), 0644), 0);
    fs::create_directory(home / "folder");
    fs::create_symlink("pipe", home / "link-to-pipe");
    for (const char* name : {"piped.k2d", "foldered.k2d", "linked.k2d"}) {
        fs::copy_file(home / "ship.k2d", home / name);
    }
    ASSERT_EQ(::mkfifo((home / "piped.K2P").c_str(), 0644), 0);
    fs::create_directory(home / "foldered.K2P");
    fs::create_symlink("pipe", home / "linked.htm");
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::mknod((home / "device").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
    }
    const auto untouched = testing::FilesBelow(home.path());
    const std::string long_name(251, 'x');

    const struct {
        std::string arguments;
        int exit_code;
    } runs[] = {
        {"catalog export pipe", 3},
        {"catalog export folder", 3},
        {"catalog export link-to-pipe", 3},
        {"new pipe", 3},
        {"print --pdf pipe ship.k2d", 3},
        {"print --pdf link-to-pipe ship.k2d", 3},
        {"resave piped.k2d", 3},
        {"resave foldered.k2d", 3},
        {"resave linked.k2d", 3},
        {root ? "catalog export device" : "catalog export pipe", 3},
        {root ? "new device" : "new pipe", 3},
        {"print --pdf ship.k2d ship.k2d", 2},
        {"print --pdf ship.K2N ship.k2d", 2},
        {"catalog export data/korvane/korva.db", 2},
        {"catalog export ship.k2d", 2},
        {"catalog export letter.txt", 2},
        {"new ship.k2d", 2},
        {"new letter.txt", 2},
        {"catalog check ''", 2},
        {"catalog export ''", 2},
        {"catalog import ''", 2},
        {"new ''", 2},
        {"show ''", 2},
        {"profile ''", 2},
        {"html ''", 2},
        {"features ''", 2},
        {"resave ''", 2},
        {"batch --web ''", 2},
        {"print --pdf '' ship.k2d", 2},
        {"print --pdf out.pdf ''", 2},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.arguments);
        const auto result = RunCli(home.path(), run.arguments, {.seconds = 60});
        EXPECT_EQ(result.exit_code, run.exit_code) << result.err;
        EXPECT_FALSE(result.err.empty());
        EXPECT_EQ(testing::FilesBelow(home.path()), untouched);
        EXPECT_TRUE(fs::is_fifo(home / "pipe"));
    }

    // What may be replaced is: an earlier export, any file with --force, and a
    // design whose name takes every byte a file name may have.
    for (const std::string& arguments :
         {std::string("catalog export earlier.csv"),
          std::string("catalog export --force letter.txt"), std::string("new --force ship.k2d"),
          "new " + long_name + ".k2d"}) {
        SCOPED_TRACE(arguments);
        const auto result = RunCli(home.path(), arguments);
        EXPECT_EQ(result.exit_code, 0) << result.err;
    }
    EXPECT_TRUE(fs::exists(home / (long_name + ".K2P")));
    EXPECT_NE(testing::ReadText(home / "letter.txt"), "a letter");
}

TEST(FolderCli, NewCompanionsOfAPrivateDesignArePrivate) {
    TempDir home;
    ASSERT_EQ(RunCli(home.path(), "new s.k2d").exit_code, 0);
    fs::remove(home / "s.K2P");
    fs::remove(home / "s.htm");
    fs::permissions(home / "s.k2d", fs::perms::owner_read | fs::perms::owner_write);

    EXPECT_EQ(RunCli(home.path(), "resave s.k2d").exit_code, 1);  // the new design breaks a limit

    for (const char* companion : {"s.K2P", "s.htm"}) {
        EXPECT_EQ(fs::status(home / companion).permissions(),
                  fs::perms::owner_read | fs::perms::owner_write)
            << companion;
    }
}

}  // namespace
}  // namespace korvane
