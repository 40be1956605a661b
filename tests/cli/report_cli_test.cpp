#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/catalog_store.h"
#include "support/cli_runner.h"
#include "support/run_sql.h"
#include "support/temp_dir.h"

namespace korvane {
namespace {

using testing::ReadText;
using testing::RunCli;
using testing::TempDir;
using testing::WriteText;

namespace fs = std::filesystem;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// What the terminal shows of a file written in CRLF lines.
std::string WithLineFeeds(std::string text) {
    for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
        text.erase(at, 1);
    }
    return text;
}

// The design file with line `number` (from 1) replaced.
std::string WithLine(std::string file, int number, const std::string& line) {
    std::size_t at = 0;
    for (int i = 1; i < number; ++i) {
        at = file.find('\n', at) + 1;
    }
    return file.replace(at, file.find('\r', at) - at, line);
}

std::string RecentFile(const TempDir& home, int row) {
    auto catalog = CatalogStore::Open(home / "data/korvane/korva.db");
    return catalog ? (*catalog)->Filespec(row) : "no catalog";
}

// The new design given a power plant (line 156 holds its volume, line 166 its
// output per kl), so that it breaks no limit as the default design does.
void WritePoweredShip(const TempDir& home, const std::string& name) {
    ASSERT_EQ(RunCli(home.path(), "new " + name).exit_code, 0);
    const std::string file = ReadText(home / name);
    WriteText(home / name, WithLine(WithLine(file, 156, " 10 "), 166, " 1 "));
}

class ReportCli : public ::testing::Test {
protected:
    // The credit line carries the date: the same day for every command.
    void SetUp() override { ::setenv("SOURCE_DATE_EPOCH", "1796601600", 1); }
    void TearDown() override { ::unsetenv("SOURCE_DATE_EPOCH"); }

    TempDir home_;
};

TEST_F(ReportCli, NewWritesTheThreeFilesAndTheReportCommandsPrintTheirText) {
    const auto created = RunCli(home_.path(), "new ship.k2d");
    ASSERT_EQ(created.exit_code, 0) << created.err;
    for (const char* name : {"ship.k2d", "ship.K2P", "ship.htm"}) {
        EXPECT_TRUE(fs::is_regular_file(home_ / name)) << name;
    }
    EXPECT_EQ(RecentFile(home_, 1), (home_ / "ship.k2d").string())
        << "the recent files keep the absolute path";

    // What a load shows can differ from the design fresh from NewDesign; after a
    // resave the files hold what a load shows.
    ASSERT_EQ(RunCli(home_.path(), "resave ship.k2d").exit_code, 1) << "no power plant yet";
    const auto profile = RunCli(home_.path(), "profile ship.k2d");
    ASSERT_EQ(profile.exit_code, 0) << profile.err;
    EXPECT_EQ(profile.out, WithLineFeeds(ReadText(home_ / "ship.K2P")));
    EXPECT_FALSE(Contains(profile.out, "\r"));

    const auto html = RunCli(home_.path(), "html ship.k2d");
    ASSERT_EQ(html.exit_code, 0) << html.err;
    EXPECT_EQ(html.out, WithLineFeeds(ReadText(home_ / "ship.htm")));
    EXPECT_TRUE(Contains(html.out, "<html>")) << html.out;

    WriteText(home_ / "ship.K2N", "Fitted for the Spinward run\r\n");
    EXPECT_TRUE(
        Contains(RunCli(home_.path(), "profile ship.k2d").out, "\nFitted for the Spinward run\n"))
        << "the notes beside the design";

    const auto features = RunCli(home_.path(), "features ship.k2d");
    ASSERT_EQ(features.exit_code, 0) << features.err;
    EXPECT_EQ(features.out.rfind("Feature List\n\n01 Basic hull      \n    1,350 KL\n", 0), 0u)
        << features.out;
    EXPECT_EQ(std::count(features.out.begin(), features.out.end(), '\n'), 322);
}

TEST_F(ReportCli, ADesignThatCannotBeRecordedAmongTheRecentFilesIsSavedAndSaysSo) {
    ASSERT_EQ(RunCli(home_.path(), "new first.k2d").exit_code, 0);
    testing::RunSql(home_ / "data/korvane/korva.db",
                    "CREATE TRIGGER refuse BEFORE INSERT ON \"Recent Edits\" "
                    "BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END;");

    const auto created = RunCli(home_.path(), "new second.k2d");
    EXPECT_EQ(created.exit_code, 0);
    EXPECT_TRUE(fs::exists(home_ / "second.k2d"));
    EXPECT_TRUE(Contains(
        created.err,
        "korva.db: the list of recently used designs could not be updated (disk I/O error)"))
        << created.err;
    EXPECT_EQ(RecentFile(home_, 1), (home_ / "first.k2d").string());
}

TEST_F(ReportCli, ShowingADesignLeavesTheRecentFilesAlone) {
    ASSERT_EQ(RunCli(home_.path(), "new first.k2d").exit_code, 0);
    ASSERT_EQ(RunCli(home_.path(), "new second.k2d").exit_code, 0);
    fs::create_directory(home_ / "out");
    fs::copy_file(home_ / "first.k2d", home_ / "shown.k2d");  // a design not in the list
    for (const char* command :
         {"show", "show --json", "profile", "html", "features", "print --pdf out/shown.pdf"}) {
        EXPECT_EQ(RunCli(home_.path(), std::string(command) + " shown.k2d").exit_code, 0)
            << command;
    }
    EXPECT_EQ(RecentFile(home_, 1), (home_ / "second.k2d").string());
    EXPECT_EQ(RecentFile(home_, 2), (home_ / "first.k2d").string());
    EXPECT_EQ(RecentFile(home_, 3), "");
}

TEST_F(ReportCli, ResaveRewritesTheCompanionsAndLeavesTheRecentFiles) {
    ASSERT_EQ(RunCli(home_.path(), "new first.k2d").exit_code, 0);
    WritePoweredShip(home_, "ship.k2d");
    fs::remove(home_ / "ship.K2P");
    fs::remove(home_ / "ship.htm");
    WriteText(home_ / "ship.K2N", "Refitted at Mora\r\n");
    const std::string recent = RecentFile(home_, 1);

    const auto resaved = RunCli(home_.path(), "resave ship.k2d");
    ASSERT_EQ(resaved.exit_code, 0) << resaved.out << resaved.err;
    EXPECT_TRUE(Contains(ReadText(home_ / "ship.K2P"), "Refitted at Mora")) << "notes copied in";
    EXPECT_TRUE(fs::is_regular_file(home_ / "ship.htm"));
    EXPECT_EQ(RecentFile(home_, 1), recent);
}

TEST_F(ReportCli, ResavingANewDesignChangesNoByteOfItsFiles) {
    ASSERT_EQ(RunCli(home_.path(), "new ship.k2d").exit_code, 0);
    std::vector<std::string> written;
    for (const char* name : {"ship.k2d", "ship.K2P", "ship.htm"}) {
        written.push_back(ReadText(home_ / name));
    }
    for (int resave = 1; resave <= 3; ++resave) {
        ASSERT_EQ(RunCli(home_.path(), "resave ship.k2d").exit_code, 1) << "no power plant yet";
        EXPECT_TRUE(ReadText(home_ / "ship.k2d") == written[0]) << "resave " << resave;
        EXPECT_TRUE(ReadText(home_ / "ship.K2P") == written[1]) << "resave " << resave;
        EXPECT_TRUE(ReadText(home_ / "ship.htm") == written[2]) << "resave " << resave;
    }
    EXPECT_TRUE(Contains(written[1], "Extended Endurance=720hrs/30 days"));
}

TEST_F(ReportCli, AWrongStoredPowerUsedLoadsToTheSameFigures) {
    WritePoweredShip(home_, "ship.k2d");
    ASSERT_EQ(RunCli(home_.path(), "resave ship.k2d").exit_code, 0);
    // Line 8 is the power used, which the endurance of the first pass reads.
    const std::string saved = ReadText(home_ / "ship.k2d");
    WriteText(home_ / "stale.k2d", WithLine(saved, 8, " 987.654 "));

    const auto shown = RunCli(home_.path(), "show --json ship.k2d");
    const auto stale = RunCli(home_.path(), "show --json stale.k2d");
    ASSERT_EQ(stale.exit_code, 0) << stale.err;
    EXPECT_EQ(stale.out, shown.out);
    ASSERT_EQ(RunCli(home_.path(), "resave stale.k2d").exit_code, 0);
    EXPECT_TRUE(ReadText(home_ / "stale.k2d") == saved);
}

TEST_F(ReportCli, ResavingAReadOnlyDesignIsRefusedWithItsName) {
    WritePoweredShip(home_, "ship.k2d");
    const std::string before = ReadText(home_ / "ship.k2d");
    fs::permissions(home_ / "ship.k2d", fs::perms::owner_read | fs::perms::group_read);
    fs::remove(home_ / "ship.K2P");

    const auto resaved = RunCli(home_.path(), "resave ship.k2d");
    EXPECT_EQ(resaved.exit_code, 3);
    EXPECT_EQ(resaved.err,
              (home_ / "ship.k2d").string() + ": the file is read-only; nothing was written\n");
    EXPECT_TRUE(ReadText(home_ / "ship.k2d") == before);
    EXPECT_FALSE(fs::exists(home_ / "ship.K2P"));
}

TEST_F(ReportCli, ResaveSavesADesignThatBreaksALimitAndSaysSo) {
    WritePoweredShip(home_, "ship.k2d");
    // Line 66 is the hull's volume: 14 kl cannot hold the fitted parts.
    WriteText(home_ / "tiny.k2d", WithLine(ReadText(home_ / "ship.k2d"), 66, " 14 "));
    const auto resaved = RunCli(home_.path(), "resave tiny.k2d");
    EXPECT_EQ(resaved.exit_code, 1) << resaved.out << resaved.err;
    EXPECT_TRUE(Contains(resaved.out, "Problems:\n  ")) << resaved.out;
    EXPECT_TRUE(fs::is_regular_file(home_ / "tiny.K2P"));
    EXPECT_TRUE(fs::is_regular_file(home_ / "tiny.htm"));
}

TEST_F(ReportCli, AnUnreadableDesignIsReportedAndNothingIsWritten) {
    ASSERT_EQ(RunCli(home_.path(), "new ship.k2d").exit_code, 0);
    const std::string bad = WithLine(ReadText(home_ / "ship.k2d"), 66, "lots");
    WriteText(home_ / "bad.k2d", bad);

    for (const char* command : {"profile", "html", "features", "resave"}) {
        const auto run = RunCli(home_.path(), std::string(command) + " bad.k2d");
        EXPECT_EQ(run.exit_code, 3) << command;
        EXPECT_TRUE(
            Contains(run.err, (home_ / "bad.k2d").string() + ", line 66: expected a number"))
            << command << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << command << ": " << run.out;
    }
    EXPECT_EQ(ReadText(home_ / "bad.k2d"), bad);
    EXPECT_FALSE(fs::exists(home_ / "bad.K2P"));
    EXPECT_FALSE(fs::exists(home_ / "bad.htm"));

    EXPECT_EQ(RunCli(home_.path(), "resave missing.k2d").exit_code, 3);
    EXPECT_FALSE(fs::exists(home_ / "missing.k2d"));
    const auto nowhere = RunCli(home_.path(), "new no-folder/x.k2d");
    EXPECT_EQ(nowhere.exit_code, 3);
    EXPECT_TRUE(Contains(nowhere.err, "no-folder/x.k2d")) << nowhere.err;
    EXPECT_EQ(RunCli(home_.path(), "profile").exit_code, 2) << "the file is required";
}

}  // namespace
}  // namespace korvane
