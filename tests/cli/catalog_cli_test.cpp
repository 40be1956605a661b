#include <gtest/gtest.h>

#include "model/standard_catalog.h"
#include "support/cli_runner.h"
#include "support/run_sql.h"
#include "support/temp_dir.h"

namespace korvane {
namespace {

using testing::RunCli;
using testing::ShellQuoted;
using testing::TempDir;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(CatalogCli, FirstRunCreatesConfigurationAndCatalogAndSummarisesIt) {
    TempDir home;
    const auto run = RunCli(home.path(), "");
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "Korvane v1.1\n"));
    EXPECT_TRUE(Contains(run.out, "Catalog: " + (home / "data" / "korvane" / "korva.db").string()));
    EXPECT_TRUE(Contains(run.out, "  TC     33\n"));
    EXPECT_TRUE(
        Contains(run.out, "Total: " + std::to_string(StandardCatalogRows().size()) + " rows"));
    EXPECT_TRUE(std::filesystem::exists(home / "config" / "korvane" / "Korvaw.ini"));

    const auto version = RunCli(home.path(), "--version");
    EXPECT_EQ(version.exit_code, 0);
    EXPECT_EQ(version.out, "Korvane v1.1\n");
}

TEST(CatalogCli, ConfigurationPointsAtTheCatalogFolder) {
    TempDir home;
    std::filesystem::create_directories(home / "config" / "korvane");
    testing::WriteText(home / "config" / "korvane" / "Korvaw.ini",
                       "[Database]\r\ndbloc=" + (home / "elsewhere").string() + "\r\n");
    std::filesystem::create_directories(home / "elsewhere");
    const auto run = RunCli(home.path(), "");
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "Catalog: " + (home / "elsewhere" / "korva.db").string()));
}

TEST(CatalogCli, AnEmptyOrBlankFolderInTheConfigurationNeverMeansTheCurrentFolder) {
    TempDir home;
    std::filesystem::create_directories(home / "config" / "korvane");
    testing::WriteText(home / "config" / "korvane" / "Korvaw.ini",
                       "[Database]\r\nDBLoc= \"" + (home / "quoted").string() + "\" \r\n");
    const auto quoted = RunCli(home.path(), "");
    ASSERT_EQ(quoted.exit_code, 0) << quoted.err;
    EXPECT_TRUE(Contains(quoted.out, "Catalog: " + (home / "quoted" / "korva.db").string()));
    EXPECT_EQ(quoted.err, "");

    testing::WriteText(home / "config" / "korvane" / "Korvaw.ini", "[Database]\r\nDBLoc= \r\n");
    const auto blank = RunCli(home.path(), "");
    ASSERT_EQ(blank.exit_code, 0) << blank.err;
    EXPECT_TRUE(
        Contains(blank.out, "Catalog: " + (home / "data" / "korvane" / "korva.db").string()))
        << blank.out;
    EXPECT_TRUE(Contains(blank.err, "names no catalog folder")) << blank.err;
    EXPECT_FALSE(std::filesystem::exists(home / "korva.db"));
    EXPECT_FALSE(std::filesystem::exists(home / " "));
}

TEST(CatalogCli, ACatalogLockedByAnotherProgramIsReportedInUseWithItsOwnExitCode) {
    using Kind = testing::HeldWriteLock::Kind;
    TempDir home;
    ASSERT_EQ(RunCli(home.path(), "catalog export standard.csv").exit_code, 0);
    const std::filesystem::path catalog = home / "data" / "korvane" / "korva.db";
    const struct {
        Kind lock;
        std::string command;
    } cases[] = {
        {Kind::Exclusive, "catalog list TY"},
        {Kind::Exclusive, "catalog import standard.csv"},
        {Kind::Reserved, "catalog import standard.csv"},  // the catalog opens; the write waits
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command + (c.lock == Kind::Exclusive ? ", exclusive" : ", reserved"));
        const testing::HeldWriteLock other_program(catalog, c.lock);
        const auto run = RunCli(home.path(), c.command);
        EXPECT_EQ(run.exit_code, 4);
        EXPECT_TRUE(Contains(run.err, "in use by another program")) << run.err;
        EXPECT_FALSE(Contains(run.err, "not a catalog")) << run.err;
        EXPECT_FALSE(Contains(run.err, "database is locked")) << run.err;
    }
}

TEST(CatalogCli, UsageErrorsExitWithTwo) {
    TempDir home;
    EXPECT_EQ(RunCli(home.path(), "frobnicate").exit_code, 2);
    EXPECT_EQ(RunCli(home.path(), "catalog list").exit_code, 2);
}

TEST(CatalogCli, CheckPassesTheStandardCatalogAndListsEveryProblemOfABrokenOne) {
    TempDir home;
    const auto check = RunCli(home.path(), "catalog check");
    EXPECT_EQ(check.exit_code, 0) << check.out << check.err;
    EXPECT_TRUE(Contains(check.out, "the catalog is sound"));

    ASSERT_EQ(RunCli(home.path(), "catalog export standard.csv").exit_code, 0);
    std::string csv = testing::ReadText(home / "standard.csv");
    EXPECT_EQ(csv.find("e+"), std::string::npos) << "numbers are plain decimals";
    const auto pn3 = csv.find("\nPN,3,");
    ASSERT_NE(pn3, std::string::npos);
    csv.erase(pn3, csv.find('\n', pn3 + 1) - pn3);
    const auto ar2 = csv.find("\nAR,2,");
    ASSERT_NE(ar2, std::string::npos);
    csv.replace(csv.find(',', ar2 + 6), 0, "x");
    testing::WriteText(home / "broken.csv", csv);

    const auto broken = RunCli(home.path(), "catalog check broken.csv");
    EXPECT_EQ(broken.exit_code, 1);
    EXPECT_TRUE(Contains(broken.out, "broken.csv: 2 problems")) << broken.out;
    EXPECT_TRUE(Contains(broken.out, "PN: ids must run from 1 without gaps"));
    EXPECT_TRUE(Contains(broken.out, "AR (AR, 2): the label"));

    const auto missing = RunCli(home.path(), "catalog check nowhere.db");
    EXPECT_EQ(missing.exit_code, 3);
    EXPECT_TRUE(Contains(missing.err, "nowhere.db: no catalog file there"));
}

TEST(CatalogCli, ImportReplacesTheRowsOnlyWhenTheyPassTheCheck) {
    TempDir home;
    ASSERT_EQ(RunCli(home.path(), "catalog export mine.csv").exit_code, 0);
    std::string csv = testing::ReadText(home / "mine.csv");
    const std::string original = csv;

    const auto label = csv.find("Merchant");
    ASSERT_NE(label, std::string::npos);
    csv.replace(label, 8, "Trader");
    testing::WriteText(home / "mine.csv", csv);
    const auto imported = RunCli(home.path(), "catalog import mine.csv");
    ASSERT_EQ(imported.exit_code, 0) << imported.err;
    EXPECT_TRUE(Contains(RunCli(home.path(), "catalog list TY").out, "Trader"));

    const auto ty1 = csv.find("\nTY,1,");
    csv.erase(ty1, csv.find('\n', ty1 + 1) - ty1);
    testing::WriteText(home / "bad.csv", csv);
    const auto refused = RunCli(home.path(), "catalog import bad.csv");
    EXPECT_EQ(refused.exit_code, 1);
    EXPECT_TRUE(Contains(refused.err, "Nothing was imported."));
    EXPECT_TRUE(Contains(RunCli(home.path(), "catalog list TY").out, "Trader"))
        << "the catalog is unchanged";

    EXPECT_EQ(RunCli(home.path(), "catalog import " + ShellQuoted("no such.csv")).exit_code, 3);
}

TEST(CatalogCli, ASpreadsheetsByteOrderMarkIsAcceptedAndAnOverlongLabelRefused) {
    TempDir home;
    ASSERT_EQ(RunCli(home.path(), "catalog export mine.csv").exit_code, 0);
    std::string csv = "\xEF\xBB\xBF" + testing::ReadText(home / "mine.csv");
    const auto merchant = csv.find("Merchant");
    ASSERT_NE(merchant, std::string::npos);
    csv.replace(merchant, 8, "Trader");
    testing::WriteText(home / "marked.csv", csv);
    const auto check = RunCli(home.path(), "catalog check marked.csv");
    EXPECT_EQ(check.exit_code, 0) << check.out << check.err;
    const auto imported = RunCli(home.path(), "catalog import marked.csv");
    ASSERT_EQ(imported.exit_code, 0) << imported.err;
    EXPECT_TRUE(Contains(RunCli(home.path(), "catalog list TY").out, "Trader"));

    const auto trader = csv.find("Trader");
    csv.replace(trader, 6, "Interstellar Free Trader");
    const auto line =
        std::count(csv.begin(), csv.begin() + static_cast<std::ptrdiff_t>(trader), '\n') + 1;
    testing::WriteText(home / "long.csv", csv);
    for (const char* command : {"catalog check long.csv", "catalog import long.csv"}) {
        const auto refused = RunCli(home.path(), command);
        EXPECT_EQ(refused.exit_code, 3) << command;
        EXPECT_TRUE(Contains(refused.err, "long.csv, line " + std::to_string(line) +
                                              ": row TY 1, field LABEL holds \"Interstellar Free "
                                              "Trader\", 24 characters where 20 fit"))
            << refused.err;
    }
    EXPECT_TRUE(Contains(RunCli(home.path(), "catalog list TY").out, "Trader"))
        << "the catalog is unchanged";
}

TEST(CatalogCli, ListShowsOneFamily) {
    TempDir home;
    const auto list = RunCli(home.path(), "catalog list CN");
    ASSERT_EQ(list.exit_code, 0) << list.err;
    EXPECT_TRUE(Contains(list.out, "LABEL"));
    EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), 9) << list.out;
    const auto unknown = RunCli(home.path(), "catalog list QQ");
    EXPECT_EQ(unknown.exit_code, 1);
    EXPECT_TRUE(Contains(unknown.err, "no rows of the family \"QQ\""));
}

}  // namespace
}  // namespace korvane
