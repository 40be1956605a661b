// Failures a user or an attacker can provoke through the command line: each
// must end with a message and an exit code, never a hang, a silent death or a
// terminal taken over.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace korvane {
namespace {

using testing::CliLimits;
using testing::RunCli;
using testing::ShellQuoted;
using testing::TempDir;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Long enough for any honest run on a busy machine; a run that waits for a
// writer on a named pipe is ended and fails the test instead of hanging it.
constexpr CliLimits kGuard{.seconds = 60};

// The design file `name` in `home` with its ship name (the third line) replaced.
void SetShipName(const std::filesystem::path& file, const std::string& name) {
    std::string text = testing::ReadText(file);
    const auto second_end = text.find("\r\n", text.find("\r\n") + 2);
    const auto third_end = text.find("\r\n", second_end + 2);
    text.replace(second_end + 2, third_end - second_end - 2, name);
    testing::WriteText(file, text);
}

TEST(FailureCli, AFileSizeLimitIsReportedAndTheOldFilesStay) {
    TempDir home;
    ASSERT_EQ(RunCli(home.path(), "new ship.k2d").exit_code, 0);
    const std::string design = testing::ReadText(home / "ship.k2d");
    const std::string profile = testing::ReadText(home / "ship.K2P");
    const std::string page = testing::ReadText(home / "ship.htm");
    ASSERT_GT(design.size(), 8u * 512) << "the design must not fit under the limit";

    const auto resaved =
        RunCli(home.path(), "resave ship.k2d", {.seconds = 60, .file_size_blocks = 8});
    EXPECT_EQ(resaved.exit_code, 3) << "a signal would give no exit code\n" << resaved.err;
    EXPECT_TRUE(Contains(resaved.err, (home / "ship.k2d").string())) << resaved.err;
    EXPECT_EQ(testing::ReadText(home / "ship.k2d"), design);
    EXPECT_EQ(testing::ReadText(home / "ship.K2P"), profile);
    EXPECT_EQ(testing::ReadText(home / "ship.htm"), page);
}

TEST(FailureCli, AFileSizeLimitAtTheFirstStartIsGivenAsTheCatalogsReason) {
    TempDir home;
    const auto first = RunCli(home.path(), "new ship.k2d", {.seconds = 60, .file_size_blocks = 20});
    EXPECT_EQ(first.exit_code, 3) << first.err;
    EXPECT_TRUE(Contains(first.err, (home / "data" / "korvane" / "korva.db").string() + ": "))
        << first.err;
    EXPECT_TRUE(Contains(first.err, std::strerror(EFBIG))) << first.err;
}

TEST(FailureCli, ANamedPipeOrFolderNamedLikeADesignIsRefusedWithoutWaiting) {
    TempDir home;
    ASSERT_EQ(::mkfifo((home / "pipe.k2d").c_str(), 0600), 0);
    std::filesystem::create_directory(home / "folder.k2d");
    for (const char* command : {"show", "profile", "html", "features", "resave"}) {
        const auto piped = RunCli(home.path(), std::string(command) + " pipe.k2d", kGuard);
        EXPECT_EQ(piped.exit_code, 3) << command << " (124: it waited for a writer)";
        EXPECT_TRUE(Contains(piped.err, "pipe.k2d: is a named pipe, not a design file"))
            << command << ": " << piped.err;

        const auto folder = RunCli(home.path(), std::string(command) + " folder.k2d", kGuard);
        EXPECT_EQ(folder.exit_code, 3) << command;
        EXPECT_TRUE(Contains(folder.err, "folder.k2d: is a folder, not a design file"))
            << command << ": " << folder.err;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(home / "pipe.k2d")) << "nothing was written over it";

    ASSERT_EQ(::mkfifo((home / "pipe.csv").c_str(), 0600), 0);
    for (const char* command : {"catalog check pipe.csv", "catalog import pipe.csv"}) {
        const auto catalog = RunCli(home.path(), command, kGuard);
        EXPECT_EQ(catalog.exit_code, 3) << command;
        EXPECT_TRUE(Contains(catalog.err, "pipe.csv: is a named pipe, not a catalog file"))
            << command << ": " << catalog.err;
    }

    const auto device = RunCli(home.path(), "show /dev/zero", kGuard);
    EXPECT_EQ(device.exit_code, 3);
    EXPECT_TRUE(Contains(device.err, "/dev/zero: is a device, not a design file")) << device.err;
}

TEST(FailureCli, ANamedPipeAmongTheDesignsOrAsNotesDoesNotHoldUpTheRun) {
    TempDir home;
    std::filesystem::create_directory(home / "ships");
    ASSERT_EQ(RunCli(home.path(), "new ships/ship.k2d").exit_code, 0);
    ASSERT_EQ(::mkfifo((home / "ships" / "pipe.k2d").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((home / "ships" / "ship.K2N").c_str(), 0600), 0);

    const auto profile = RunCli(home.path(), "profile ships/ship.k2d", kGuard);
    EXPECT_EQ(profile.exit_code, 0) << "notes that cannot be read are left out\n" << profile.err;

    const auto batch = RunCli(home.path(), "batch ships", kGuard);
    EXPECT_EQ(batch.exit_code, 1) << "the new design breaks a limit; 124: it waited\n" << batch.err;
    EXPECT_TRUE(Contains(batch.out, "ship.k2d")) << batch.out;
    EXPECT_TRUE(Contains(batch.out, "pipe.k2d - skipped: is a named pipe")) << batch.out;
}

TEST(FailureCli, ControlCharactersInNamesCannotDriveTheTerminal) {
    TempDir home;
    ASSERT_EQ(RunCli(home.path(), "new ship.k2d").exit_code, 0);
    SetShipName(home / "ship.k2d", "\x1b]0;owned\x07\x1b[2J\x08\x81Ship");
    for (const char* command :
         {"show ship.k2d", "show --json ship.k2d", "profile ship.k2d", "features ship.k2d"}) {
        const auto run = RunCli(home.path(), command);
        ASSERT_EQ(run.exit_code, 0) << command << ": " << run.err;
        EXPECT_FALSE(Contains(run.out, "\x1b")) << command;
        EXPECT_FALSE(Contains(run.out, "\x07")) << command;
        EXPECT_FALSE(Contains(run.out, "\x08")) << command;
        EXPECT_FALSE(Contains(run.out, "\xC2\x81")) << command << ": a C1 control";
        EXPECT_FALSE(Contains(run.out, "\r")) << command;
    }
    EXPECT_TRUE(Contains(RunCli(home.path(), "show ship.k2d").out, "?]0;owned??[2J??Ship"));

    const std::string hostile = "evil\x1b[31m\nname.k2d";
    const auto missing = RunCli(home.path(), "show " + ShellQuoted(hostile));
    EXPECT_EQ(missing.exit_code, 3);
    EXPECT_FALSE(Contains(missing.err, "\x1b")) << missing.err;
    EXPECT_TRUE(Contains(missing.err, "evil?[31m\nname.k2d")) << "a message keeps its line ends";

    const auto misplaced = RunCli(home.path(), "show ship.k2d " + ShellQuoted(hostile));
    EXPECT_EQ(misplaced.exit_code, 2);
    EXPECT_FALSE(Contains(misplaced.err, "\x1b")) << misplaced.err;
    EXPECT_TRUE(Contains(misplaced.err, "evil?[31m")) << misplaced.err;
}

TEST(FailureCli, ALineFeedInAFileNameDoesNotSplitItsErrorListLine) {
    TempDir home;
    std::filesystem::create_directory(home / "ships");
    testing::WriteText(home / "ships" / "two\nlines\x1b[1m.k2d", "not a design\r\n");
    const auto batch = RunCli(home.path(), "batch ships", kGuard);
    EXPECT_EQ(batch.exit_code, 1) << batch.err;
    EXPECT_FALSE(Contains(batch.out, "\x1b"));
    EXPECT_EQ(std::count(batch.out.begin(), batch.out.end(), '\n'), 1) << batch.out;
    EXPECT_TRUE(Contains(batch.out, "two?lines?[1m.k2d - skipped")) << batch.out;
}

TEST(FailureCli, ALineFeedInAFileNameDoesNotSplitTheLineThatNamesIt) {
    TempDir home;
    ASSERT_EQ(RunCli(home.path(), "new ship.k2d").exit_code, 0);
    SetShipName(home / "ship.k2d", "Another ship");  // so that diff names both files
    const std::string name = ShellQuoted("two\nlines.k2d");
    const struct {
        std::string command;
        std::string line_start;
    } cases[] = {
        {"new " + name, "Wrote the new design to "},
        {"resave " + name, "Saved "},
        {"diff " + name + " ship.k2d", "A: "},
        {"diff ship.k2d " + name, "B: "},
        {"catalog export " + ShellQuoted("two\nlines.csv"), "Wrote "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        const auto run = RunCli(home.path(), c.command, kGuard);
        EXPECT_LT(run.exit_code, 2) << run.err;
        const auto line = run.out.find(c.line_start);
        ASSERT_NE(line, std::string::npos) << run.out;
        const std::string whole = run.out.substr(line, run.out.find('\n', line) - line);
        EXPECT_TRUE(Contains(whole, "two?lines.")) << run.out;
        EXPECT_FALSE(Contains(run.out, "\nlines.")) << run.out;
    }
}

}  // namespace
}  // namespace korvane
