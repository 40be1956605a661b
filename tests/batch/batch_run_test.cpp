#include "batch/batch_run.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <set>

#include <sys/stat.h>

#include "app/new_design.h"
#include "batch/batch_test_support.h"
#include "files/design_file.h"
#include "model/text_helpers.h"
#include "support/archive_folder.h"
#include "support/file_size_limit.h"
#include "support/link_swapper.h"
#include "support/stale_temporary.h"
#include "support/temp_dir.h"

namespace korvane {
namespace {

using batch_test::Ship;
using testing::ReadText;
using testing::TempDir;

constexpr std::chrono::sys_days kToday{std::chrono::year(2026) / 12 / 7};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class BatchRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(fleet_);
        batch_test::StartSession(session_, home_.path());
    }

    std::string Path(const std::string& name) const { return (fleet_ / name).string(); }

    void Write(const std::string& name, const Ship& ship) {
        batch_test::WriteShip(fleet_ / name, session_.catalog->Features(), ship);
    }

    BatchOutcome Run(BatchKind kind, int workers = 1) {
        Result<BatchOutcome> outcome = RunBatch(
            session_, fleet_.string(), kind, kToday,
            [this](const BatchProgress& step) { progress_.push_back(ProgressText(step)); },
            workers);
        EXPECT_TRUE(outcome.ok()) << outcome.message();
        return outcome.ok() ? outcome.value() : BatchOutcome{};
    }

    TempDir home_;
    std::filesystem::path fleet_ = home_ / "fleet";
    Session session_;
    std::vector<std::string> progress_;
};

TEST_F(BatchRunTest, ListsDesignFilesOfAnyExtensionCaseSortedIgnoringCase) {
    for (const char* name : {"b.k2d", "A.K2D", "c.K2d", "notes.k2n", "a.htm", "k2d"}) {
        testing::WriteText(fleet_ / name, "");
    }
    std::filesystem::create_directory(fleet_ / "folder.k2d");
    const auto names = ListDesignFiles(fleet_);
    ASSERT_TRUE(names.ok()) << names.message();
    EXPECT_EQ(names.value(), (std::vector<std::string>{"A.K2D", "b.k2d", "c.K2d", "folder.k2d"}));

    const auto missing = ListDesignFiles(home_ / "nowhere");
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(Contains(missing.message(), "nowhere")) << missing.message();
}

TEST_F(BatchRunTest, ResavesAllThreeAndListsTheOneOverALimitWithItsProblems) {
    Write("alpha.k2d", {"Alpha"});
    Write("Bravo.k2d", {"Bravo", 1, "Merchant", false});
    Write("charlie.k2d", {"Charlie"});
    ASSERT_TRUE(session_.catalog->SetFilespec(1, "/elsewhere/kept.k2d").ok());

    const BatchOutcome outcome = Run(BatchKind::Resave);

    EXPECT_EQ(outcome.files, 3);
    ASSERT_EQ(outcome.errors.size(), 2u) << ErrorListText(outcome.errors);
    EXPECT_EQ(outcome.errors[0], Path("Bravo.k2d") + " - error");
    EXPECT_EQ(outcome.errors[1].rfind("    Power used exceeds", 0), 0u) << outcome.errors[1];
    EXPECT_EQ(ErrorListText(outcome.errors),
              outcome.errors[0] + "\r\n" + outcome.errors[1] + "\r\n");

    for (const char* base : {"alpha", "Bravo", "charlie"}) {
        EXPECT_TRUE(std::filesystem::exists(fleet_ / (std::string(base) + ".K2P"))) << base;
        EXPECT_TRUE(std::filesystem::exists(fleet_ / (std::string(base) + ".htm"))) << base;
        Design saved;
        ASSERT_TRUE(ReadDesignFile(fleet_ / (std::string(base) + ".k2d"), saved).ok());
        EXPECT_LT(saved.UsedKL(), 1350) << base << ": the stale total was recalculated and saved";
    }
    EXPECT_EQ(progress_, (std::vector<std::string>{Path("alpha.k2d") + " 1 of 3",
                                                   Path("Bravo.k2d") + " 2 of 3",
                                                   Path("charlie.k2d") + " 3 of 3"}));
    EXPECT_EQ(session_.CurrentDesignPath, Path("charlie.k2d"));
    EXPECT_FALSE(session_.design.DesignChanged);
    EXPECT_FALSE(session_.RecentListFrozen);
    EXPECT_EQ(session_.catalog->Filespec(1), "/elsewhere/kept.k2d");
    EXPECT_EQ(session_.catalog->Filespec(2), "");
}

TEST_F(BatchRunTest, AFileThatCannotBeReadIsSkippedUntouchedAndTheRunGoesOn) {
    Write("a.k2d", {"Alpha"});
    testing::WriteText(fleet_ / "b.k2d", "not a design\r\n");
    Write("c.k2d", {"Charlie"});

    const BatchOutcome outcome = Run(BatchKind::ResaveAndWeb);

    ASSERT_EQ(outcome.errors.size(), 1u) << ErrorListText(outcome.errors);
    EXPECT_EQ(outcome.errors[0].rfind(Path("b.k2d") + " - skipped: line ", 0), 0u)
        << outcome.errors[0];
    EXPECT_EQ(ReadText(fleet_ / "b.k2d"), "not a design\r\n")
        << "the design loaded before it must not be saved over it";
    EXPECT_FALSE(std::filesystem::exists(fleet_ / "b.htm"));
    EXPECT_TRUE(std::filesystem::exists(fleet_ / "c.htm"));
    EXPECT_EQ(progress_.size(), 3u);
    const std::string contents = ReadText(fleet_ / "index1.htm");
    EXPECT_TRUE(Contains(contents, "href=\"a.htm\""));
    EXPECT_TRUE(Contains(contents, "href=\"c.htm\""));
    EXPECT_FALSE(Contains(contents, "b.htm"));

    // A last file that cannot be read leaves the session with the design it names.
    testing::WriteText(fleet_ / "d.k2d", "not a design either\r\n");
    Run(BatchKind::Resave);
    EXPECT_EQ(session_.CurrentDesignPath, Path("c.k2d"));
    EXPECT_EQ(Trimmed(session_.design.ShipName()), "Charlie");
}

TEST_F(BatchRunTest, AFileThatCannotBeSavedIsNamedAndLeftOutOfTheIndex) {
    Write("a.k2d", {"Alpha"});
    Write("b.k2d", {"Bravo"});
    std::filesystem::create_directory(fleet_ / "a.htm");  // the page cannot replace a folder

    const BatchOutcome outcome = Run(BatchKind::ResaveAndWeb);

    ASSERT_EQ(outcome.errors.size(), 1u) << ErrorListText(outcome.errors);
    EXPECT_EQ(outcome.errors[0].rfind(Path("a.k2d") + " - not saved: " + Path("a.htm"), 0), 0u)
        << outcome.errors[0];
    const std::string contents = ReadText(fleet_ / "index1.htm");
    EXPECT_FALSE(Contains(contents, "a.htm"));
    EXPECT_TRUE(Contains(contents, "href=\"b.htm\""));
}

TEST_F(BatchRunTest, ADesignThatCannotBeSavedKeepsItsEntryWhileItsOldPageExists) {
    Write("a.k2d", {"Alpha"});
    Write("b.k2d", {"Bravo", 3, "Liner"});
    Write("c.k2d", {"Charlie"});
    Write("d.k2d", {"Delta"});
    Run(BatchKind::ResaveAndWeb);
    const std::string before = ReadText(fleet_ / "index1.htm");
    std::filesystem::permissions(fleet_ / "b.k2d", std::filesystem::perms::owner_read);
    std::filesystem::permissions(fleet_ / "d.k2d", std::filesystem::perms::owner_read);
    std::filesystem::remove(fleet_ / "d.htm");

    const BatchOutcome outcome = Run(BatchKind::ResaveAndWeb);

    ASSERT_EQ(outcome.errors.size(), 2u) << ErrorListText(outcome.errors);
    EXPECT_EQ(outcome.errors[0].rfind(Path("b.k2d") + " - not saved: ", 0), 0u);
    EXPECT_EQ(outcome.errors[1].rfind(Path("d.k2d") + " - not saved: ", 0), 0u);
    const std::string contents = ReadText(fleet_ / "index1.htm");
    EXPECT_TRUE(Contains(before, "href=\"d.htm\""));
    EXPECT_FALSE(Contains(contents, "d.htm")) << "its page is gone, so is its entry";
    const std::string without_delta =
        before.substr(0, before.find("<li><a href=\"d.htm\"")) +
        before.substr(before.find("</li>", before.find("href=\"d.htm\"")) + 7);
    EXPECT_EQ(contents, without_delta) << "Bravo is listed where and as it was";
}

TEST_F(BatchRunTest, WhenNoDesignCanBeSavedTheOldIndexPagesStayAsTheyWere) {
    Write("a.k2d", {"Alpha"});
    Write("b.k2d", {"Bravo"});
    Run(BatchKind::ResaveAndWeb);
    const std::string frameset = ReadText(fleet_ / "index.htm");
    const std::string contents = ReadText(fleet_ / "index1.htm");
    ASSERT_TRUE(Contains(contents, "href=\"b.htm\""));

    BatchOutcome outcome;
    {
        const testing::FileSizeLimit disk_full(4096);  // room for the index pages only
        outcome = Run(BatchKind::ResaveAndWeb);
    }

    ASSERT_EQ(outcome.errors.size(), 2u) << ErrorListText(outcome.errors);
    EXPECT_EQ(outcome.errors[0].rfind(Path("a.k2d") + " - not saved: ", 0), 0u);
    EXPECT_EQ(outcome.errors[1].rfind(Path("b.k2d") + " - not saved: ", 0), 0u);
    EXPECT_EQ(ReadText(fleet_ / "index1.htm"), contents);
    EXPECT_EQ(ReadText(fleet_ / "index.htm"), frameset);
}

TEST_F(BatchRunTest, ADesignTakesNothingFromTheDesignProcessedBeforeIt) {
    Design with_feature;
    NewDesign(with_feature, session_.catalog->Features());
    with_feature.CustomFeatures[1].LABEL = "Leftover Lounge";
    with_feature.CustomFeatures[1].NUMBER = 1;
    ASSERT_TRUE(WriteDesignFile(fleet_ / "a.k2d", with_feature).ok());
    // An older file whose last table, the custom features, holds no entries.
    Write("b.k2d", {"Bravo"});
    const std::string full = ReadText(fleet_ / "b.k2d");
    std::size_t cut = full.size();
    for (int line = 0; line <= 301; ++line) {  // the count line and ten records of 30 lines
        cut = full.rfind("\r\n", cut - 1);
    }
    testing::WriteText(fleet_ / "b.k2d", full.substr(0, cut + 2) + "0\r\n");
    session_.design = with_feature;

    const BatchOutcome outcome = Run(BatchKind::Resave);

    EXPECT_FALSE(Contains(ErrorListText(outcome.errors), "skipped"))
        << ErrorListText(outcome.errors);
    EXPECT_TRUE(Contains(ReadText(fleet_ / "a.k2d"), "Leftover Lounge"));
    EXPECT_FALSE(Contains(ReadText(fleet_ / "b.k2d"), "Leftover Lounge"));
    EXPECT_FALSE(Contains(ReadText(fleet_ / "b.K2P"), "Leftover Lounge"));
}

TEST_F(BatchRunTest, ManyWorkersGiveTheFilesErrorListAndIndexOfOne) {
    const auto fill_fleet = [this] {
        std::filesystem::remove_all(fleet_);
        std::filesystem::create_directory(fleet_);
        for (int n = 1; n <= 12; ++n) {
            Write("ship-" + std::to_string(n) + ".k2d",
                  {"Ship " + std::to_string(n), 1 + n % 4, n % 4 == 3 ? "Liner" : "Merchant",
                   n % 5 != 0});
        }
        Write("pair.k2d", {"Pair Lower"});  // shares its profile file and page with PAIR.K2D
        Write("pair.K2D", {"Pair Upper", 7, "No Such Type"});
        testing::WriteText(fleet_ / "broken.k2d", "not a design\r\n");
        Write("frozen.k2d", {"Frozen"});
        testing::WriteText(fleet_ / "frozen.htm", "an earlier run's page");
        std::filesystem::permissions(fleet_ / "frozen.k2d", std::filesystem::perms::owner_read);
    };
    const auto files_in_fleet = [this] {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(fleet_)) {
            files[entry.path().filename().string()] = ReadText(entry.path());
        }
        return files;
    };

    fill_fleet();
    const BatchOutcome one = Run(BatchKind::ResaveAndWeb, 1);
    const auto files_of_one = files_in_fleet();
    fill_fleet();
    progress_.clear();
    const BatchOutcome four = Run(BatchKind::ResaveAndWeb, 4);

    EXPECT_EQ(four.files, one.files);
    EXPECT_EQ(four.errors, one.errors);
    EXPECT_EQ(files_in_fleet(), files_of_one);
    EXPECT_TRUE(Contains(files_of_one.at("index1.htm"), "Pair Upper"));
    EXPECT_TRUE(Contains(files_of_one.at("index1.htm"), "href=\"frozen.htm\""));
    ASSERT_EQ(progress_.size(), 16u);
    EXPECT_TRUE(Contains(progress_.back(), " 16 of 16")) << progress_.back();
}

// A design file with two names in the folder (a link beside it) is worked by
// one worker, name after name, so that every run with four workers gives what
// a run with one gives: no refusal as "changed since it was read", no page or
// profile left unwritten.
TEST_F(BatchRunTest, ADesignWithManyNamesGivesTheSameFilesForAnyNumberOfWorkers) {
    constexpr int kRepeats = 15;
    const auto fill_fleet = [this] {
        std::filesystem::remove_all(fleet_);
        std::filesystem::create_directory(fleet_);
        Write("plain.k2d", {"Plain"});
        std::filesystem::create_symlink("plain.k2d", fleet_ / "alias.k2d");
        std::filesystem::create_symlink("alias.k2d", fleet_ / "another-alias.k2d");
        for (int n = 1; n <= 5; ++n) {
            Write("ship-" + std::to_string(n) + ".k2d", {"Ship " + std::to_string(n)});
        }
    };
    const auto files_in_fleet = [this] {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(fleet_)) {
            files[entry.path().filename().string()] =
                (entry.is_symlink() ? "a link to " : "") + ReadText(entry.path());
        }
        return files;
    };

    fill_fleet();
    const BatchOutcome one = Run(BatchKind::ResaveAndWeb, 1);
    EXPECT_TRUE(one.errors.empty()) << ErrorListText(one.errors);
    const auto files_of_one = files_in_fleet();
    for (const char* name : {"plain", "alias", "another-alias"}) {
        EXPECT_TRUE(files_of_one.contains(std::string(name) + ".K2P")) << name;
        EXPECT_TRUE(Contains(files_of_one.at("index1.htm"), std::string(name) + ".htm")) << name;
    }
    for (int repeat = 0; repeat < kRepeats; ++repeat) {
        SCOPED_TRACE("repeat " + std::to_string(repeat));
        fill_fleet();
        const BatchOutcome four = Run(BatchKind::ResaveAndWeb, 4);
        ASSERT_EQ(four.errors, one.errors) << ErrorListText(four.errors);
        ASSERT_EQ(files_in_fleet(), files_of_one);
    }
}

// Another process swaps the folder's links between targets inside it and
// outside it while runs go on: a companion, a notes file, the index page and
// a design that is another name of one, and a folder in the middle of a
// link's path. Nothing outside is ever written, read into a report or left
// behind, whatever state each look meets.
TEST_F(BatchRunTest, LinksSwappedDuringARunNeverLeadItOutOfTheFolder) {
    constexpr int kDesigns = 4;
    constexpr int kRuns = 12;
    const std::filesystem::path outside = home_ / "outside";
    std::filesystem::create_directories(outside / "inner");
    std::filesystem::create_directory(fleet_ / "inner");
    testing::WriteText(outside / "id_rsa", "PRIVATE KEY 0123\n");
    testing::WriteText(outside / "index.htm", "the outside index\n");
    std::vector<testing::LinkSwapper::Link> links = {
        {fleet_ / "sub-link", "inner", "../outside/inner"},
        {fleet_ / "index.htm", "real-index.htm", "../outside/index.htm"},
    };
    for (int i = 0; i < kDesigns; ++i) {
        const std::string n = std::to_string(i);
        Write("ship" + n + ".k2d", {"Ship " + n});
        batch_test::WriteShip(outside / ("away" + n + ".k2d"), session_.catalog->Features(),
                              {"Away " + n});
        testing::WriteText(outside / ("victim" + n + ".K2P"), "the outside profile\n");
        testing::WriteText(outside / ("real" + n + ".htm"), "the outside page\n");
        testing::WriteText(fleet_ / ("notes" + n + ".txt"), "notes of ship " + n + "\n");
        std::filesystem::create_symlink("sub-link/../real" + n + ".htm",
                                        fleet_ / ("ship" + n + ".htm"));
        links.push_back({fleet_ / ("ship" + n + ".K2P"), "real" + n + ".K2P",
                         "../outside/victim" + n + ".K2P"});
        links.push_back(
            {fleet_ / ("ship" + n + ".K2N"), "notes" + n + ".txt", "../outside/id_rsa"});
        links.push_back(
            {fleet_ / ("alias" + n + ".k2d"), "ship" + n + ".k2d", "../outside/away" + n + ".k2d"});
    }
    const auto outside_before = testing::FilesBelow(outside);

    {
        testing::LinkSwapper swapper(links);
        for (int run = 0; run < kRuns; ++run) {
            const Result<BatchOutcome> outcome = RunBatch(
                session_, fleet_.string(), BatchKind::ResaveAndWeb, kToday, {}, 1 + run % 2);
            ASSERT_TRUE(outcome.ok()) << outcome.message();
        }
        swapper.Stop();
    }
    EXPECT_EQ(testing::FilesBelow(outside), outside_before);
    for (const auto& entry : std::filesystem::directory_iterator(fleet_)) {
        if (!entry.is_symlink() && entry.is_regular_file()) {
            EXPECT_FALSE(Contains(ReadText(entry.path()), "PRIVATE KEY")) << entry.path();
        }
    }
}

// Each design's reports carry its own notes file, found whatever the case of
// its extension; a spelling that is no regular file (a folder, a named pipe)
// is passed over for the next, and a design without notes gets none.
TEST_F(BatchRunTest, EachDesignsReportsCarryItsOwnNotesInAnySpelling) {
    struct Case {
        const char* design;
        std::vector<const char*> notes;  // regular files, with their names as content
        const char* folder;              // a folder of a notes spelling, when not null
        const char* pipe;                // a named pipe of a notes spelling, when not null
        const char* expected;            // the notes the profile shows, when any
    };
    const std::vector<Case> cases = {
        {"a", {"a.K2N"}, nullptr, nullptr, "a.K2N"},
        {"b", {"b.k2n"}, nullptr, nullptr, "b.k2n"},
        {"c", {"c.k2N"}, "c.K2n", nullptr, "c.k2N"},
        {"d", {}, nullptr, nullptr, nullptr},
        {"e", {"e.k2n"}, nullptr, "e.K2N", "e.k2n"},
        {"f", {"f.K2N", "f.k2n"}, nullptr, nullptr, "f.K2N"},
    };
    for (const Case& row : cases) {
        Write(std::string(row.design) + ".k2d", {std::string("Ship ") + row.design});
        for (const char* notes : row.notes) {
            testing::WriteText(fleet_ / notes, std::string("notes in ") + notes + "\r\n");
        }
        if (row.folder != nullptr) {
            std::filesystem::create_directory(fleet_ / row.folder);
        }
        if (row.pipe != nullptr) {
            ASSERT_EQ(::mkfifo((fleet_ / row.pipe).c_str(), 0600), 0);
        }
    }

    const BatchOutcome outcome = Run(BatchKind::ResaveAndWeb, 2);

    EXPECT_EQ(outcome.files, static_cast<int>(cases.size()));
    for (const Case& row : cases) {
        SCOPED_TRACE(row.design);
        const std::string profile = ReadText(fleet_ / (std::string(row.design) + ".K2P"));
        const std::string page = ReadText(fleet_ / (std::string(row.design) + ".htm"));
        for (const Case& other : cases) {
            for (const char* notes : other.notes) {
                const bool own = row.expected != nullptr && std::string(notes) == row.expected;
                EXPECT_EQ(Contains(profile, std::string("notes in ") + notes), own) << notes;
                EXPECT_EQ(Contains(page, std::string("notes in ") + notes), own) << notes;
            }
        }
    }
}

TEST_F(BatchRunTest, AReadOnlyDesignIsNamedAndLeftAsItWas) {
    Write("a.k2d", {"Alpha"});
    Write("b.k2d", {"Bravo"});
    const std::string before = ReadText(fleet_ / "a.k2d");
    std::filesystem::permissions(fleet_ / "a.k2d", std::filesystem::perms::owner_read);

    const BatchOutcome outcome = Run(BatchKind::Resave);

    ASSERT_EQ(outcome.errors.size(), 1u) << ErrorListText(outcome.errors);
    EXPECT_EQ(outcome.errors[0], Path("a.k2d") + " - not saved: " + Path("a.k2d") +
                                     ": the file is read-only; nothing was written");
    EXPECT_EQ(ReadText(fleet_ / "a.k2d"), before);
    EXPECT_FALSE(std::filesystem::exists(fleet_ / "a.K2P"));
    EXPECT_TRUE(std::filesystem::exists(fleet_ / "b.K2P"));
}

// Nothing outside a folder from someone else is written or read through a
// link; each refused file is listed, and a link inside the folder keeps working.
TEST_F(BatchRunTest, AFolderFromSomeoneElseIsNeverLeftThroughALink) {
    Write("model.k2d", {"Model"});
    const std::string design = ReadText(fleet_ / "model.k2d");
    const std::filesystem::path archive = home_ / "archive";
    testing::BuildArchiveFolder(archive, design);
    const auto outside_before = testing::FilesBelow(archive / "outside");

    const Result<BatchOutcome> outcome =
        RunBatch(session_, (archive / "fleet").string(), BatchKind::ResaveAndWeb, kToday, {}, 2);

    ASSERT_TRUE(outcome.ok()) << outcome.message();
    const std::string errors = ErrorListText(outcome.value().errors);
    EXPECT_EQ(testing::FilesBelow(archive / "outside"), outside_before);
    for (const testing::ArchiveDesign& row : testing::ArchiveDesigns()) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(Contains(errors, row.batch_says)) << errors;
        if (std::filesystem::is_regular_file(
                std::filesystem::symlink_status(archive / "fleet" / row.name))) {
            EXPECT_EQ(ReadText(archive / "fleet" / row.name) != design, row.batch_saves);
        }
    }
    EXPECT_TRUE(std::filesystem::is_symlink(archive / "fleet/kept.K2P"));
    EXPECT_TRUE(Contains(ReadText(archive / "fleet/kept-profile.txt"), "Model"));
    for (const char* report : {"notes.K2P", "notes.htm"}) {
        EXPECT_FALSE(Contains(ReadText(archive / "fleet" / report), "PRIVATE KEY")) << report;
    }
    EXPECT_TRUE(Contains(errors, "index.htm: is a symbolic link to")) << errors;
    EXPECT_FALSE(std::filesystem::exists(archive / "fleet/index1.htm"));
}

TEST_F(BatchRunTest, ARunClearsItsFolderOfWhatInterruptedSavesLeft) {
    Write("a.k2d", {"Alpha"});
    const std::string stale_design = testing::StaleTemporaryName("old.k2d");
    const std::string stale_index = testing::StaleTemporaryName("index1.htm");
    const std::string live = testing::LiveTemporaryName("a.k2d");
    for (const std::string& name : {stale_design, stale_index, live}) {
        testing::WriteText(fleet_ / name, "left over");
    }

    Run(BatchKind::ResaveAndWeb);

    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(fleet_)) {
        names.insert(entry.path().filename().string());
    }
    EXPECT_EQ(names,
              (std::set<std::string>{"a.k2d", "a.K2P", "a.htm", "index.htm", "index1.htm", live}));
}

TEST_F(BatchRunTest, WebFilesDesignsByTypeAndNameAndNamesTheUnmatched) {
    Write("d-liner.k2d", {"Dawn Liner", 3, "Liner"});
    Write("b-trader.k2d", {"Bright Trader", 1, "Merchant"});
    Write("a-rogue.k2d", {"Rogue", 7, "No Such Type"});
    Write("c-stale.k2d", {"Stale Number", 9, "Liner"});  // renumbered since: still a liner
    Write("e-high.k2d", {"High Number", 30, "Merchant"});
    Write("f-lost.k2d", {"Lost", 40, "Lost Type"});

    const BatchOutcome outcome = Run(BatchKind::ResaveAndWeb);

    EXPECT_EQ(outcome.errors,
              (std::vector<std::string>{Path("a-rogue.k2d") + " - can't match category",
                                        Path("f-lost.k2d") + " - can't match category"}));
    const std::string contents = ReadText(fleet_ / "index1.htm");
    const auto at = [&](const std::string& part) {
        const auto found = contents.find(part);
        EXPECT_NE(found, std::string::npos) << part;
        return found;
    };
    EXPECT_LT(at("Designs of type Merchant            </font>"), at("href=\"b-trader.htm\""));
    EXPECT_LT(at("href=\"b-trader.htm\""), at("href=\"e-high.htm\""));
    EXPECT_LT(at("href=\"e-high.htm\""), at("Designs of type Liner"));
    EXPECT_LT(at("Designs of type Liner"), at("href=\"c-stale.htm\""));
    EXPECT_LT(at("href=\"c-stale.htm\""), at("href=\"d-liner.htm\""));
    EXPECT_LT(at("href=\"d-liner.htm\""), at("Unclassified designs"));
    EXPECT_LT(at("Unclassified designs"), at("href=\"a-rogue.htm\""));
    EXPECT_LT(at("href=\"a-rogue.htm\""), at("href=\"f-lost.htm\""));

    EXPECT_TRUE(
        Contains(ReadText(fleet_ / "index.htm"), "<frame name=\"shmain\" src=\"a-rogue.htm\">"))
        << "the first design processed opens, matched or not";
    for (const auto& entry : std::filesystem::directory_iterator(fleet_)) {
        EXPECT_FALSE(entry.path().filename().string().starts_with("Type-")) << entry.path();
    }
}

TEST_F(BatchRunTest, AnEmptyFolderStillGetsItsIndex) {
    const BatchOutcome outcome = Run(BatchKind::ResaveAndWeb);
    EXPECT_EQ(outcome.files, 0);
    EXPECT_TRUE(outcome.errors.empty());
    EXPECT_TRUE(progress_.empty());
    EXPECT_TRUE(Contains(ReadText(fleet_ / "index.htm"), "<frame name=\"shmain\" src=\"\">"));
    EXPECT_FALSE(Contains(ReadText(fleet_ / "index1.htm"), "<ul>"));
}

TEST_F(BatchRunTest, ADesignWhosePageIsAnIndexPageIsNamedAndNotLinked) {
    Write("index.k2d", {"Index"});
    Write("ship.k2d", {"Ship"});
    const BatchOutcome outcome = Run(BatchKind::ResaveAndWeb);
    ASSERT_EQ(outcome.errors.size(), 1u) << ErrorListText(outcome.errors);
    EXPECT_EQ(outcome.errors[0].rfind(Path("index.k2d") + " - its page index.htm", 0), 0u);
    EXPECT_FALSE(Contains(ReadText(fleet_ / "index1.htm"), "href=\"index.htm\""));
    EXPECT_TRUE(Contains(ReadText(fleet_ / "index.htm"), "src=\"ship.htm\""));
}

}  // namespace
}  // namespace korvane
