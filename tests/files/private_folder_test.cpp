#include "files/private_folder.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include "support/stale_temporary.h"
#include "support/temp_dir.h"

namespace korvane {
namespace {

using testing::ReadText;
using testing::TempDir;
using testing::WriteText;
namespace fs = std::filesystem;

TEST(PrivateFolder, AMissingFolderIsMadePrivateAndOneOthersMayWriteIsRefusedAsItIs) {
    TempDir dir;
    const Result<PrivateFolder> made = PrivateFolder::Open(dir / "state" / "recovery");
    ASSERT_TRUE(made) << made.message();
    EXPECT_EQ(fs::status(dir / "state" / "recovery").permissions(), fs::perms::owner_all);

    const struct {
        std::string name;
        fs::perms mode;
        bool other_owner;
        std::string message;  // empty: accepted
    } cases[] = {
        {"private", fs::perms(0700), false, ""},
        {"readable by all", fs::perms(0755), false, ""},
        {"writable by its group", fs::perms(0770), false,
         "may be written by others than its owner"},
        {"writable by all", fs::perms(0777), false, "may be written by others than its owner"},
        {"sticky and writable by all", fs::perms(01777), false,
         "may be written by others than its owner"},
        {"another user's", fs::perms(0700), true, "belongs to another user"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path folder = dir / c.name;
        fs::create_directory(folder);
        fs::permissions(folder, c.mode);
        if (c.other_owner) {
            ASSERT_EQ(::chown(folder.c_str(), 4321, 4321), 0);
        }
        const Result<PrivateFolder> opened = PrivateFolder::Open(folder);
        if (c.message.empty()) {
            EXPECT_TRUE(opened) << opened.message();
        } else {
            ASSERT_FALSE(opened);
            EXPECT_EQ(opened.message(), folder.string() + ": " + c.message);
        }
        EXPECT_EQ(fs::status(folder).permissions(), c.mode) << "a folder is never changed";
    }

    WriteText(dir / "plain", "x");
    const Result<PrivateFolder> file = PrivateFolder::Open(dir / "plain");
    ASSERT_FALSE(file);
    EXPECT_NE(file.message().find(dir.path().string() + "/plain: "), std::string::npos)
        << file.message();
}

TEST(PrivateFolder, AWriteReplacesWhatStandsAtItsNameAndNeverWritesThroughIt) {
    TempDir dir;
    const PrivateFolder folder = std::move(PrivateFolder::Open(dir / "private").value());
    WriteText(dir / "victim", "precious");
    fs::create_symlink(dir / "victim", dir / "private" / "copy.k2d");
    fs::create_symlink(dir / "nowhere", dir / "private" / "dangling.k2d");

    for (const std::string name : {"copy.k2d", "dangling.k2d", "new.k2d"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(folder.Write(name, "design", 0640).ok());
        EXPECT_FALSE(fs::is_symlink(folder.PathOf(name)));
        EXPECT_EQ(ReadText(folder.PathOf(name)), "design");
        EXPECT_EQ(fs::status(folder.PathOf(name)).permissions(), fs::perms(0640));
        EXPECT_EQ(folder.EntryAt(name), PrivateFolder::Entry::OwnFile);
    }
    EXPECT_EQ(ReadText(dir / "victim"), "precious");
    EXPECT_FALSE(fs::exists(dir / "nowhere"));

    fs::create_symlink(dir / "victim", dir / "private" / "link.info");
    EXPECT_EQ(folder.EntryAt("link.info"), PrivateFolder::Entry::Other);
    EXPECT_EQ(folder.EntryAt("none.info"), PrivateFolder::Entry::None);
    const Result<std::string> read = folder.ReadOwnFile("link.info", "description", 100);
    ASSERT_FALSE(read);
    EXPECT_NE(read.message().find("is a symbolic link"), std::string::npos) << read.message();
    ASSERT_TRUE(folder.Remove("link.info").ok());
    EXPECT_TRUE(fs::exists(dir / "victim")) << "the link goes, not what it led to";
    EXPECT_TRUE(folder.Remove("link.info").ok()) << "gone already";

    WriteText(folder.PathOf("theirs.info"), "x");
    ASSERT_EQ(::chown(folder.PathOf("theirs.info").c_str(), 4321, 4321), 0);
    EXPECT_EQ(folder.EntryAt("theirs.info"), PrivateFolder::Entry::Other);
    EXPECT_FALSE(folder.ReadOwnFile("theirs.info", "description", 100));
}

TEST(PrivateFolder, TheFolderOpenedIsTheOneUsedEvenWhenItsNameIsTakenOver) {
    TempDir dir;
    const PrivateFolder folder = std::move(PrivateFolder::Open(dir / "recovery").value());
    fs::rename(dir / "recovery", dir / "moved");
    fs::create_directory(dir / "elsewhere");
    fs::create_directory_symlink(dir / "elsewhere", dir / "recovery");
    ASSERT_TRUE(folder.Write("copy.k2d", "design", 0600).ok());
    EXPECT_EQ(ReadText(dir / "moved" / "copy.k2d"), "design");
    EXPECT_TRUE(fs::is_empty(dir / "elsewhere"));
}

TEST(PrivateFolder, TemporariesOfEndedWritesAreRemovedAndAHoldIsExclusive) {
    TempDir dir;
    const PrivateFolder folder = std::move(PrivateFolder::Open(dir.path()).value());
    const std::string stale = testing::StaleTemporaryName("1-2.k2d");
    const std::string live = testing::LiveTemporaryName("1-2.k2d");
    for (const std::string& name : {stale, live, std::string("1-2.k2d")}) {
        WriteText(dir / name, "x");
    }
    folder.RemoveStaleTemporaries();
    EXPECT_FALSE(fs::exists(dir / stale));
    EXPECT_TRUE(fs::exists(dir / live)) << "a running program may still be writing it";
    EXPECT_TRUE(fs::exists(dir / "1-2.k2d"));

    {
        Result<std::optional<PrivateFolder::Hold>> first = folder.TryHold("offer.lock");
        ASSERT_TRUE(first && first.value());
        Result<std::optional<PrivateFolder::Hold>> second = folder.TryHold("offer.lock");
        ASSERT_TRUE(second) << second.message();
        EXPECT_FALSE(second.value()) << "held already";
    }
    Result<std::optional<PrivateFolder::Hold>> again = folder.TryHold("offer.lock");
    EXPECT_TRUE(again && again.value()) << "given up with its holder";
}

}  // namespace
}  // namespace korvane
