#include "ui/folder_chooser.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace korvane::ui {
namespace {

TEST(FolderChooser, OkGivesTheListedFolderWithOneTrailingSeparator) {
    testing::TempDir dir;
    FolderChooser chooser("/");
    chooser.Load("");
    chooser.Ok();
    EXPECT_EQ(chooser.Result(), "/") << "the root keeps its single separator";

    chooser.Load(dir.path().string() + "/");
    chooser.Ok();
    EXPECT_EQ(chooser.Result(), dir.path().string() + "/");
}

TEST(FolderChooser, AStartThatIsNoFolderIsIgnoredAndCancelGivesNoFolder) {
    testing::TempDir dir;
    testing::WriteText(dir / "a.k2d", "");
    FolderChooser chooser(dir.path().string());
    chooser.Load((dir / "missing").string());
    chooser.ChangeDirectory((dir / "a.k2d").string());
    EXPECT_EQ(chooser.Directory, dir.path().string());

    chooser.ChangeDirectory("/");
    chooser.Cancel();
    EXPECT_EQ(chooser.Tag, "");
    EXPECT_EQ(chooser.Result(), std::nullopt);
}

}  // namespace
}  // namespace korvane::ui
