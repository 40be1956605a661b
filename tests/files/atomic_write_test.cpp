#include "files/atomic_write.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <set>
#include <string>

#include "support/stale_temporary.h"
#include "support/temp_dir.h"

namespace korvane {
namespace {

using testing::ReadText;
using testing::TempDir;
using testing::WriteText;

namespace fs = std::filesystem;

std::set<std::string> FilesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

struct stat StatOf(const fs::path& file) {
    struct stat info {};
    EXPECT_EQ(::stat(file.c_str(), &info), 0) << file;
    return info;
}

TEST(AtomicWrite, TheReplacedFileKeepsItsPermissionBitsOwnerAndGroup) {
    TempDir dir;
    const fs::path file = dir / "private.k2d";
    WriteText(file, "old");
    ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
    // Root may give the file away; anyone else keeps their own ids.
    const uid_t owner = ::geteuid() == 0 ? 4321 : ::geteuid();
    const gid_t group = ::geteuid() == 0 ? 8765 : ::getegid();
    ASSERT_EQ(::chown(file.c_str(), owner, group), 0);

    ASSERT_TRUE(WriteFileAtomically(file, "new").ok());
    EXPECT_EQ(ReadText(file), "new");
    const struct stat after = StatOf(file);
    EXPECT_EQ(after.st_mode & 07777, 0600u) << "not world-readable after a save";
    EXPECT_EQ(after.st_uid, owner);
    EXPECT_EQ(after.st_gid, group);

    ASSERT_EQ(::chmod(file.c_str(), 0754), 0);
    ASSERT_TRUE(WriteFileAtomically(file, "newer").ok());
    EXPECT_EQ(StatOf(file).st_mode & 07777, 0754u);
}

TEST(AtomicWrite, ALinkIsFollowedToItsTargetAndStaysALink) {
    TempDir dir;
    fs::create_directories(dir / "library");
    fs::create_directories(dir / "fleet");
    WriteText(dir / "library/scout.k2d", "old");
    fs::create_symlink("../library/scout.k2d", dir / "fleet/scout.k2d");
    fs::create_symlink("scout.k2d", dir / "fleet/alias.k2d");  // a link to a link

    ASSERT_TRUE(WriteFileAtomically(dir / "fleet/alias.k2d", "new").ok());
    EXPECT_TRUE(fs::is_symlink(dir / "fleet/alias.k2d"));
    EXPECT_TRUE(fs::is_symlink(dir / "fleet/scout.k2d"));
    EXPECT_EQ(ReadText(dir / "library/scout.k2d"), "new") << "the shared copy is the one saved";
    EXPECT_EQ(FilesIn(dir / "library"), std::set<std::string>{"scout.k2d"}) << "no temporary left";
    EXPECT_EQ(FilesIn(dir / "fleet"), (std::set<std::string>{"alias.k2d", "scout.k2d"}));

    fs::create_symlink("../library/missing.k2d", dir / "fleet/new.k2d");
    ASSERT_TRUE(WriteFileAtomically(dir / "fleet/new.k2d", "first").ok());
    EXPECT_TRUE(fs::is_symlink(dir / "fleet/new.k2d"));
    EXPECT_EQ(ReadText(dir / "library/missing.k2d"), "first") << "a dangling link gets its target";

    fs::create_symlink("loop-b.k2d", dir / "fleet/loop-a.k2d");
    fs::create_symlink("loop-a.k2d", dir / "fleet/loop-b.k2d");
    const Status looped = WriteFileAtomically(dir / "fleet/loop-a.k2d", "never");
    ASSERT_FALSE(looped.ok());
    EXPECT_NE(looped.message().find("loop-a.k2d"), std::string::npos) << looped.message();
    EXPECT_TRUE(fs::is_symlink(dir / "fleet/loop-a.k2d"));
}

TEST(AtomicWrite, AReadOnlyFileIsRefusedEvenForRoot) {
    TempDir dir;
    const fs::path file = dir / "frozen.k2d";
    WriteText(file, "old");
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    const Status refused = WriteFileAtomically(file, "new");
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.message(), file.string() + ": the file is read-only; nothing was written");
    EXPECT_EQ(ReadText(file), "old");
    EXPECT_EQ(FilesIn(dir.path()), std::set<std::string>{"frozen.k2d"});

    fs::create_symlink("frozen.k2d", dir / "link.k2d");
    EXPECT_FALSE(WriteFileAtomically(dir / "link.k2d", "new").ok()) << "nor through a link";

    // Writable by its group only: the owner's bits decide for the owner.
    ASSERT_EQ(::chmod(file.c_str(), 0464), 0);
    EXPECT_FALSE(FindReplaceable(file).ok());
    ASSERT_EQ(::chmod(file.c_str(), 0644), 0);
    EXPECT_TRUE(FindReplaceable(file).ok());
    EXPECT_TRUE(FindReplaceable(dir / "absent.k2d").ok()) << "a new file may be written";
}

TEST(AtomicWrite, TemporariesAreHiddenAndStaleOnesOfTheFileAreRemoved) {
    TempDir dir;
    const fs::path temporary = TemporarySibling(dir / "ship.k2d");
    EXPECT_EQ(temporary.parent_path(), dir.path());
    EXPECT_EQ(temporary.filename().string().rfind(".ship.k2d.tmp-", 0), 0u);

    const std::string stale = testing::StaleTemporaryName("ship.k2d");
    const std::string live = testing::LiveTemporaryName("ship.k2d");
    const std::string other = testing::StaleTemporaryName("other.k2d");
    for (const std::string& name : {stale, live, other}) {
        WriteText(dir / name, "left over");
    }
    ASSERT_TRUE(WriteFileAtomically(dir / "ship.k2d", "saved").ok());
    EXPECT_EQ(FilesIn(dir.path()), (std::set<std::string>{"ship.k2d", live, other}))
        << "a running process may still be writing its own";

    WriteText(dir / "notes.tmp-1-2", "a file of the user's");
    RemoveStaleTemporariesIn(dir.path());
    EXPECT_EQ(FilesIn(dir.path()), (std::set<std::string>{"ship.k2d", live, "notes.tmp-1-2"}));
}

TEST(AtomicWrite, ALaterBatchWriteLeavesStaleTemporariesToTheFolderSweep) {
    TempDir dir;
    const std::string stale = testing::StaleTemporaryName("ship.k2d");
    WriteText(dir / stale, "left over");
    ASSERT_TRUE(WriteFileAtomically(dir / "ship.k2d", "saved", Durability::FolderAtEnd).ok());
    EXPECT_TRUE(fs::exists(dir / stale));
    EXPECT_TRUE(SyncFolder(dir.path()).ok());
    EXPECT_FALSE(SyncFolder(dir / "missing").ok());
}

}  // namespace
}  // namespace korvane
