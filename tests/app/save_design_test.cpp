#include "app/save_design.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <set>
#include <sstream>
#include <vector>

#include "engine/status_summary.h"
#include "files/design_file.h"
#include "reports/html_page.h"
#include "reports/profile_text.h"
#include "reports/report_context.h"
#include "support/archive_folder.h"
#include "support/file_size_limit.h"
#include "support/stale_temporary.h"
#include "support/temp_dir.h"
#include "support/test_session.h"

namespace korvane {
namespace {

using testing::FileSizeLimit;
using testing::ReadText;
using testing::TempDir;
using testing::WriteText;

namespace fs = std::filesystem;

constexpr std::chrono::sys_days kToday{std::chrono::year{2026} / 12 / 7};

std::set<std::string> FilesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class SaveDesignTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::StartTestSession(session_, dir_.path());
        session_.design.SetShipName("Beowulf");
        MarkChanged(session_.design);
    }

    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

    Status Save(const std::string& path) { return SaveDesign(session_, path, kToday); }

    std::string Recent(int row) const { return session_.catalog->Filespec(row); }

    TempDir dir_;
    Session session_;
};

TEST_F(SaveDesignTest, WritesTheDesignItsProfileAndItsPage) {
    const std::string path = PathOf("beowulf.k2d");
    ASSERT_TRUE(Save(path).ok());

    EXPECT_EQ(FilesIn(dir_.path()),
              (std::set<std::string>{"korva.db", "beowulf.k2d", "beowulf.K2P", "beowulf.htm"}));
    Design read;
    ASSERT_TRUE(ReadDesignFile(path, read).ok());
    EXPECT_EQ(read.ShipName().substr(0, 7), "Beowulf");
    EXPECT_EQ(session_.CurrentDesignPath, path);
    EXPECT_EQ(Recent(1), path);
    EXPECT_EQ(session_.LastPagePath, PathOf("beowulf.htm"));
    EXPECT_EQ(session_.NotesFileName, PathOf("beowulf.K2N"));
    EXPECT_FALSE(session_.design.DesignChanged);
}

TEST_F(SaveDesignTest, TheStoredValidityIsTheOneOfTheSavedDesign) {
    session_.design.UsedKL() = session_.design.HullKL() + 100;  // over the hull's volume
    session_.design.DesignValid() = 1;
    ASSERT_TRUE(Save(PathOf("over.k2d")).ok());
    Design read;
    ASSERT_TRUE(ReadDesignFile(PathOf("over.k2d"), read).ok());
    EXPECT_EQ(read.DesignValid(), 0);
}

TEST_F(SaveDesignTest, AnExistingFileIsReplacedAndNoFileIsRefused) {
    const std::string path = PathOf("taken.k2d");
    WriteText(path, "an older save");
    ASSERT_TRUE(Save(path).ok());
    Design read;
    EXPECT_TRUE(ReadDesignFile(path, read).ok());
    EXPECT_FALSE(session_.design.DesignChanged);

    MarkChanged(session_.design);
    const Status nothing = Save("");
    ASSERT_FALSE(nothing.ok());
    EXPECT_EQ(nothing.message(), "No file to save the design to");
    EXPECT_TRUE(session_.design.DesignChanged);
}

TEST_F(SaveDesignTest, TheRecentListKeepsItsOrderAndDropsTheOldest) {
    for (const char* name : {"a.k2d", "b.k2d", "c.k2d"}) {
        ASSERT_TRUE(Save(PathOf(name)).ok());
    }
    ASSERT_TRUE(Save(PathOf("a.k2d")).ok()) << "row 3 again";
    EXPECT_EQ(Recent(1), PathOf("c.k2d"));
    EXPECT_EQ(Recent(2), PathOf("b.k2d"));
    EXPECT_EQ(Recent(3), PathOf("a.k2d"));

    for (int i = 4; i <= 11; ++i) {
        ASSERT_TRUE(Save(PathOf("ship" + std::to_string(i) + ".k2d")).ok());
    }
    EXPECT_EQ(Recent(1), PathOf("ship11.k2d"));
    EXPECT_EQ(Recent(10), PathOf("b.k2d"));
    for (int row = 1; row <= kRecentEditsRows; ++row) {
        EXPECT_NE(Recent(row), PathOf("a.k2d")) << "the eleventh file drops the oldest";
    }
}

TEST_F(SaveDesignTest, AFrozenRecentListIsLeftAlone) {
    ASSERT_TRUE(Save(PathOf("first.k2d")).ok());
    session_.RecentListFrozen = true;
    ASSERT_TRUE(Save(PathOf("batch.k2d")).ok());
    EXPECT_EQ(Recent(1), PathOf("first.k2d"));
    EXPECT_EQ(Recent(2), "");
    EXPECT_EQ(session_.CurrentDesignPath, PathOf("batch.k2d"));
}

TEST_F(SaveDesignTest, ADottedFolderKeepsTheCompanionsBesideTheDesign) {
    const fs::path ships = dir_ / ".local" / "share" / "ships";
    fs::create_directories(ships);
    ASSERT_TRUE(Save((ships / "a.k2d").string()).ok());
    EXPECT_EQ(FilesIn(ships), (std::set<std::string>{"a.k2d", "a.K2P", "a.htm"}));
    EXPECT_EQ(FilesIn(dir_ / ".local"), std::set<std::string>{"share"});
    EXPECT_EQ(FilesIn(dir_.path()), (std::set<std::string>{"korva.db", ".local"}));
    EXPECT_EQ(session_.LastPagePath, (ships / "a.htm").string());
}

TEST_F(SaveDesignTest, TheProfileAndPageCarryTheNotesAndAreReplacedOnEverySave) {
    const std::string path = PathOf("trader.k2d");
    WriteText(PathOf("trader.k2n"), "Built at the Regina yards\r\n");
    ASSERT_TRUE(Save(path).ok());
    EXPECT_EQ(session_.NotesFileName, PathOf("trader.k2n")) << "the notes file that exists";

    const auto rendered = [&](auto write) {
        std::ostringstream out;
        write(out, session_.design, ReportContextFor(path, kToday));
        return out.str();
    };
    const std::string profile = ReadText(PathOf("trader.K2P"));
    EXPECT_EQ(profile, rendered(WriteProfileText));
    EXPECT_EQ(ReadText(PathOf("trader.htm")), rendered(WriteHtmlPage));
    EXPECT_TRUE(Contains(profile, "Built at the Regina yards\r\n")) << profile;

    WriteText(PathOf("trader.k2n"), "Refitted at Mora\r\n");
    ASSERT_TRUE(Save(path).ok());
    const std::string again = ReadText(PathOf("trader.K2P"));
    EXPECT_TRUE(Contains(again, "Refitted at Mora"));
    EXPECT_FALSE(Contains(again, "Regina")) << "replaced, not appended";
    EXPECT_EQ(again.size(), rendered(WriteProfileText).size());
}

TEST_F(SaveDesignTest, AFailedSaveLeavesTheOldFilesThePathAndTheChangedMark) {
    const std::string first = PathOf("first.k2d");
    ASSERT_TRUE(Save(first).ok());
    const std::string target = PathOf("target.k2d");
    WriteText(target, "the old design");
    WriteText(PathOf("target.K2P"), "the old profile");
    session_.design.SetShipName("Renamed");
    MarkChanged(session_.design);

    Status saved;
    {
        const FileSizeLimit disk_full(4096);
        saved = Save(target);
    }
    ASSERT_FALSE(saved.ok());
    EXPECT_TRUE(Contains(saved.message(), target)) << saved.message();
    EXPECT_EQ(ReadText(target), "the old design");
    EXPECT_EQ(ReadText(PathOf("target.K2P")), "the old profile");
    EXPECT_EQ(FilesIn(dir_.path()),
              (std::set<std::string>{"korva.db", "first.k2d", "first.K2P", "first.htm",
                                     "target.k2d", "target.K2P"}))
        << "no temporary file is left behind";
    EXPECT_TRUE(session_.design.DesignChanged);
    EXPECT_EQ(session_.CurrentDesignPath, first);
    EXPECT_EQ(Recent(1), first);
    EXPECT_EQ(Recent(2), "");
}

TEST_F(SaveDesignTest, AnotherProgramsSaveSinceTheReadIsKept) {
    const std::string path = PathOf("ship.k2d");
    ASSERT_TRUE(Save(path).ok());
    const std::string profile = ReadText(PathOf("ship.K2P"));
    WriteText(path, "another program's design, longer than before it was written");
    session_.design.SetShipName("Ours");

    const Status refused = Save(path);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.message(), path + ": " + std::string(kChangedSinceRead));
    EXPECT_EQ(ReadText(path), "another program's design, longer than before it was written");
    EXPECT_EQ(ReadText(PathOf("ship.K2P")), profile) << "no file of the save is written";

    session_.CurrentDesignStamp.reset();  // the user chose to overwrite it
    ASSERT_TRUE(Save(path).ok());
    Design saved;
    ASSERT_TRUE(ReadDesignFile(path, saved).ok());
    EXPECT_EQ(saved.ShipName().substr(0, 4), "Ours");
}

TEST_F(SaveDesignTest, AReadOnlyDesignOrCompanionIsNotOverwrittenAndNothingIsWritten) {
    const std::string first = PathOf("first.k2d");
    ASSERT_TRUE(Save(first).ok());
    const std::vector<std::string> files = {"frozen.k2d", "frozen.K2P", "frozen.htm"};
    for (const std::string& frozen : files) {
        SCOPED_TRACE(frozen);
        const std::string target = PathOf("frozen.k2d");
        WriteText(target, "the old design");
        WriteText(PathOf(frozen), "kept: " + frozen);
        ASSERT_EQ(::chmod(PathOf(frozen).c_str(), 0444), 0);
        MarkChanged(session_.design);

        const Status saved = Save(target);
        ASSERT_FALSE(saved.ok());
        EXPECT_EQ(saved.message(), PathOf(frozen) + ": the file is read-only; nothing was written");
        for (const std::string& file : files) {
            if (file == frozen) {
                EXPECT_EQ(ReadText(PathOf(file)), "kept: " + frozen);
            } else if (file == "frozen.k2d") {
                EXPECT_EQ(ReadText(target), "the old design");
            } else {
                EXPECT_FALSE(fs::exists(PathOf(file))) << file;
            }
        }
        EXPECT_TRUE(session_.design.DesignChanged);
        EXPECT_EQ(session_.CurrentDesignPath, first);
        EXPECT_EQ(Recent(1), first);
        fs::remove(PathOf(frozen));
        fs::remove(target);
    }
}

TEST_F(SaveDesignTest, APrivateDesignAndItsCompanionsStayPrivate) {
    const std::string path = PathOf("private.k2d");
    ASSERT_TRUE(Save(path).ok());
    for (const char* name : {"private.k2d", "private.K2P", "private.htm"}) {
        ASSERT_EQ(::chmod(PathOf(name).c_str(), 0640), 0);
    }
    MarkChanged(session_.design);
    ASSERT_TRUE(Save(path).ok());
    for (const char* name : {"private.k2d", "private.K2P", "private.htm"}) {
        EXPECT_EQ(fs::status(PathOf(name)).permissions(),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read)
            << name;
    }
}

TEST_F(SaveDesignTest, ADesignInASharedLibraryIsSavedThroughItsLink) {
    fs::create_directories(dir_ / "library");
    const std::string shared = (dir_ / "library" / "scout.k2d").string();
    ASSERT_TRUE(Save(shared).ok());
    fs::create_symlink(shared, PathOf("scout.k2d"));

    session_.design.SetShipName("Refitted scout");
    ASSERT_TRUE(Save(PathOf("scout.k2d")).ok());
    EXPECT_TRUE(fs::is_symlink(PathOf("scout.k2d")));
    Design read;
    ASSERT_TRUE(ReadDesignFile(shared, read).ok());
    EXPECT_EQ(read.ShipName().substr(0, 14), "Refitted scout") << "the library's copy is saved";
}

TEST_F(SaveDesignTest, ASaveRemovesWhatAnInterruptedSaveOfTheSameFileLeft) {
    const std::string stale = testing::StaleTemporaryName("ship.k2d");
    const std::string stale_page = testing::StaleTemporaryName("ship.htm");
    const std::string elsewhere = testing::StaleTemporaryName("other.k2d");
    for (const std::string& name : {stale, stale_page, elsewhere}) {
        WriteText(dir_ / name, "left over");
    }
    ASSERT_TRUE(Save(PathOf("ship.k2d")).ok());
    EXPECT_EQ(FilesIn(dir_.path()),
              (std::set<std::string>{"korva.db", "ship.k2d", "ship.K2P", "ship.htm", elsewhere}));
}

TEST_F(SaveDesignTest, ACompanionThatCannotBeWrittenStopsTheSaveBeforeTheDesignFile) {
    fs::create_directories(dir_ / "c.K2P" / "in-the-way");
    const std::string path = PathOf("c.k2d");
    const Status saved = Save(path);
    ASSERT_FALSE(saved.ok());
    EXPECT_TRUE(Contains(saved.message(), PathOf("c.K2P") + ": is a folder")) << saved.message();
    EXPECT_TRUE(session_.design.DesignChanged) << "the save is not complete";
    EXPECT_EQ(session_.CurrentDesignPath, "");
    EXPECT_FALSE(fs::exists(path));
    EXPECT_FALSE(fs::exists(PathOf("c.htm")));
}

// A companion that is another name of a file of the same save, or that is no
// regular file, stops the save before anything is written; each file of the
// folder, the design file included, is left as it was.
TEST_F(SaveDesignTest, ACompanionThatIsAnotherFileOfTheSaveOrNoFileStopsTheSave) {
    struct Case {
        const char* name;
        std::function<void()> lay_out;
        std::string message;
    };
    const std::string design = PathOf("ship.k2d");
    const std::string profile = PathOf("ship.K2P");
    const std::string page = PathOf("ship.htm");
    const std::string nothing_written = "; nothing was written";
    const auto pipe = [this](const char* name) {
        ASSERT_EQ(::mkfifo(PathOf(name).c_str(), 0600), 0);
    };
    const std::vector<Case> cases = {
        {"the profile is a hard link to the design", [&] { fs::create_hard_link(design, profile); },
         profile + ": is the same file as " + design + nothing_written},
        {"the page is a link to the design", [&] { fs::create_symlink("ship.k2d", page); },
         page + ": is the same file as " + design + nothing_written},
        {"the page is a link to the profile",
         [&] {
             WriteText(profile, "the old profile");
             fs::create_symlink("ship.K2P", page);
         },
         page + ": is the same file as " + profile + nothing_written},
        {"the profile is a named pipe", [&] { pipe("ship.K2P"); },
         profile + ": is a named pipe, not a file the program may replace" + nothing_written},
        {"the page is a link to a named pipe",
         [&] {
             pipe("pipe");
             fs::create_symlink("pipe", page);
         },
         page + ": is a named pipe, not a file the program may replace" + nothing_written},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        WriteText(design, "the old design");
        row.lay_out();
        const auto before = testing::FilesBelow(dir_.path());
        MarkChanged(session_.design);

        const Status saved = Save(design);
        ASSERT_FALSE(saved.ok());
        EXPECT_EQ(saved.message(), row.message);
        EXPECT_EQ(testing::FilesBelow(dir_.path()), before);
        EXPECT_TRUE(session_.design.DesignChanged);
        for (const char* name : {"ship.k2d", "ship.K2P", "ship.htm", "pipe"}) {
            fs::remove(PathOf(name));
        }
    }
}

TEST_F(SaveDesignTest, ADesignIsNotNamedLikeItsOwnCompanion) {
    for (const char* name : {"ship.htm", "ship.K2P", "ship.K2N"}) {
        const Status saved = Save(PathOf(name));
        EXPECT_FALSE(saved.ok()) << name;
    }
    EXPECT_EQ(FilesIn(dir_.path()), std::set<std::string>{"korva.db"});
    EXPECT_TRUE(session_.design.DesignChanged);
}

}  // namespace
}  // namespace korvane
