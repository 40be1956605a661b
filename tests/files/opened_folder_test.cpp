#include "files/opened_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "files/atomic_write.h"
#include "files/open_beneath.h"
#include "files/regular_file.h"
#include "support/archive_folder.h"
#include "support/link_swapper.h"
#include "support/temp_dir.h"

namespace korvane {
namespace {

using testing::ReadText;
using testing::TempDir;
using testing::WriteText;

namespace fs = std::filesystem;

// Each test runs with the kernel's resolution and with the walk the program
// falls back on where the kernel has none.
class OpenedFolderTest : public ::testing::TestWithParam<BeneathResolution> {
protected:
    void SetUp() override {
        SetBeneathResolution(GetParam());
        for (const char* folder : {"fleet/sub", "fleet/inner", "fleet-old", "outside/inner"}) {
            fs::create_directories(root_ / folder);
        }
        for (const char* file : {"fleet/real.K2P", "fleet/sub/deeper.K2P", "fleet-old/real.K2P",
                                 "outside/real.K2P", "outside/victim.K2P"}) {
            WriteText(root_ / file, std::string("the file ") + file);
        }
        const Result<std::shared_ptr<const OpenedFolder>> opened = OpenedFolder::Open(fleet_);
        ASSERT_TRUE(opened.ok()) << opened.message();
        folder_ = opened.value();
    }
    void TearDown() override { SetBeneathResolution(BeneathResolution::Kernel); }

    void Link(const std::string& name, const std::string& text) const {
        fs::create_symlink(text, fleet_ / name);
    }

    TempDir root_;
    fs::path fleet_ = root_ / "fleet";
    std::shared_ptr<const OpenedFolder> folder_;
};

INSTANTIATE_TEST_SUITE_P(BothResolutions, OpenedFolderTest,
                         ::testing::Values(BeneathResolution::Kernel, BeneathResolution::Walk),
                         [](const auto& info) {
                             return info.param == BeneathResolution::Kernel ? "Kernel" : "Walk";
                         });

// A link is followed only to a file of the folder itself: not to a subfolder's
// file, not above the folder even to come back, not to a sibling folder whose
// name begins like the folder's.
TEST_P(OpenedFolderTest, ALinkLeadsOnlyToAFileOfTheFolderItself) {
    const std::string outside = ", outside its folder; it is not followed";
    const std::string loop = ": is a loop of symbolic links (or too many links in a row)";
    Link("insub", "sub");
    Link("outsub", "../outside/inner");
    Link("dl", "dl");
    const struct {
        const char* name;
        std::string text;      // empty: no link is made
        std::string expected;  // the final name, or the end of the refusal
    } cases[] = {
        {"real.K2P", "", "real.K2P"},
        {"same.K2P", "real.K2P", "real.K2P"},
        {"chain.K2P", "same.K2P", "real.K2P"},
        {"dotted.K2P", "./real.K2P", "real.K2P"},
        {"through-sub.K2P", "sub/../real.K2P", "real.K2P"},
        {"through-linked-sub.K2P", "insub/../real.K2P", "real.K2P"},
        {"to-be-made.K2P", "absent.K2P", "absent.K2P"},
        {"into-sub.K2P", "sub/deeper.K2P", "sub/deeper.K2P" + outside},
        {"into-inner.K2P", "inner/../sub/deeper.K2P", "inner/../sub/deeper.K2P" + outside},
        {"sibling.K2P", "../fleet-old/real.K2P", "../fleet-old/real.K2P" + outside},
        {"up-and-back.K2P", "../fleet/real.K2P", "../fleet/real.K2P" + outside},
        {"absolute.K2P", (fleet_ / "real.K2P").string(), (fleet_ / "real.K2P").string() + outside},
        {"escaping-sub.K2P", "outsub/../real.K2P", "outsub/../real.K2P" + outside},
        {"folder.K2P", ".", "." + outside},
        {"loop.K2P", "loop.K2P", loop},
        {"folder-loop.K2P", "dl/../real.K2P", loop},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        if (!row.text.empty()) {
            Link(row.name, row.text);
        }
        const Result<std::string> final_name = folder_->FinalName(row.name);
        if (final_name) {
            EXPECT_EQ(final_name.value(), row.expected);
        } else {
            EXPECT_TRUE(final_name.message().ends_with(row.expected)) << final_name.message();
            EXPECT_TRUE(final_name.message().starts_with((fleet_ / row.name).string()))
                << final_name.message();
        }
    }
}

// What is read or replaced by a name of the folder is the file its links lead
// to there; a link out of the folder is refused and nothing outside is read
// or written, nor left behind.
TEST_P(OpenedFolderTest, ReadsAndWritesGoWhereTheLinkLeadsInsideAndNowhereElse) {
    Link("kept.K2P", "sub/../real.K2P");
    Link("leaving.K2P", "../outside/victim.K2P");
    const auto outside_before = testing::FilesBelow(root_ / "outside");

    const Result<std::string> read = ReadRegularFileIn(*folder_, "kept.K2P", "profile", 1000);
    ASSERT_TRUE(read.ok()) << read.message();
    EXPECT_EQ(read.value(), "the file fleet/real.K2P");
    EXPECT_FALSE(ReadRegularFileIn(*folder_, "leaving.K2P", "profile", 1000).ok());

    const Result<ReplaceableFile> kept =
        FindReplaceableIn(folder_, "kept.K2P", fleet_ / "kept.K2P");
    ASSERT_TRUE(kept.ok()) << kept.message();
    ASSERT_TRUE(WriteReplaceable(kept.value(), "written").ok());
    EXPECT_EQ(ReadText(fleet_ / "real.K2P"), "written");
    EXPECT_TRUE(fs::is_symlink(fleet_ / "kept.K2P")) << "the link stays a link";

    const Result<ReplaceableFile> leaving =
        FindReplaceableIn(folder_, "leaving.K2P", fleet_ / "leaving.K2P");
    ASSERT_FALSE(leaving.ok());
    EXPECT_EQ(leaving.message(), (fleet_ / "leaving.K2P").string() +
                                     ": is a symbolic link to ../outside/victim.K2P, outside its "
                                     "folder; it is not followed");
    EXPECT_EQ(testing::FilesBelow(root_ / "outside"), outside_before);
}

// Another process swaps the links between a target inside and one outside
// while files are found, read and written by them: whatever state each look
// meets, nothing outside is ever written, and no temporary is left there.
TEST_P(OpenedFolderTest, LinksSwappedMeanwhileNeverLeadAWriteOutside) {
    constexpr int kFiles = 4;
    constexpr int kRounds = 150;
    std::vector<testing::LinkSwapper::Link> links;
    for (int i = 0; i < kFiles; ++i) {
        const std::string n = std::to_string(i);
        WriteText(fleet_ / ("real" + n + ".K2P"), "inside");
        WriteText(fleet_ / ("real" + n + ".htm"), "inside");
        WriteText(root_ / "outside" / ("victim" + n + ".K2P"), "outside");
        WriteText(root_ / "outside" / ("real" + n + ".htm"), "outside");
        Link("page" + n + ".htm", "sub-link/../real" + n + ".htm");
        links.push_back({fleet_ / ("ship" + n + ".K2P"), "real" + n + ".K2P",
                         "../outside/victim" + n + ".K2P"});
    }
    links.push_back({fleet_ / "sub-link", "inner", "../outside/inner"});
    const auto outside_before = testing::FilesBelow(root_ / "outside");

    int written = 0;
    int refused = 0;
    {
        testing::LinkSwapper swapper(links);
        for (int round = 0; round < kRounds; ++round) {
            for (int i = 0; i < kFiles; ++i) {
                for (const std::string& name :
                     {"ship" + std::to_string(i) + ".K2P", "page" + std::to_string(i) + ".htm"}) {
                    const Result<ReplaceableFile> found =
                        FindReplaceableIn(folder_, name, fleet_ / name);
                    const bool ok =
                        found &&
                        WriteReplaceable(found.value(), "written", Durability::FolderAtEnd).ok();
                    ++(ok ? written : refused);
                    const Result<std::string> read =
                        ReadRegularFileIn(*folder_, name, "file", 1000);
                    EXPECT_TRUE(!read || read.value() != "outside") << name;
                }
            }
        }
        swapper.Stop();
        EXPECT_GT(swapper.Swaps(), 0);
    }
    EXPECT_EQ(testing::FilesBelow(root_ / "outside"), outside_before);
    EXPECT_GT(written, 0) << "the links inside are followed";
    ::testing::Test::RecordProperty("written", written);
    ::testing::Test::RecordProperty("refused", refused);
}

}  // namespace
}  // namespace korvane
