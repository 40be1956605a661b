#include "files/recent_files.h"

#include <gtest/gtest.h>

#include <map>

namespace korvane {
namespace {

class MemoryRecentEdits : public RecentEdits {
public:
    std::string Filespec(int position) const override {
        const auto found = rows.find(position);
        return found == rows.end() ? std::string() : found->second;
    }
    Status SetFilespec(int position, std::string_view path) override {
        rows[position] = std::string(path);
        return {};
    }
    std::map<int, std::string> rows;
};

TEST(RecentFiles, ANewPathGoesOnTopAndTheEleventhDropsTheOldest) {
    MemoryRecentEdits recent;
    for (int i = 1; i <= 11; ++i) {
        ASSERT_TRUE(RememberRecentFile(recent, "/fleet/ship" + std::to_string(i) + ".k2d").ok());
    }
    EXPECT_EQ(recent.Filespec(1), "/fleet/ship11.k2d");
    EXPECT_EQ(recent.Filespec(10), "/fleet/ship2.k2d");
    for (int position = 1; position <= 10; ++position) {
        EXPECT_NE(recent.Filespec(position), "/fleet/ship1.k2d");
    }
}

TEST(RecentFiles, AKnownPathLeavesTheOrderAsItIs) {
    MemoryRecentEdits recent;
    for (const char* path : {"/a.k2d", "/b.k2d", "/c.k2d"}) {
        ASSERT_TRUE(RememberRecentFile(recent, path).ok());
    }
    ASSERT_TRUE(RememberRecentFile(recent, "/a.k2d").ok());
    EXPECT_EQ(recent.Filespec(1), "/c.k2d");
    EXPECT_EQ(recent.Filespec(3), "/a.k2d");

    ASSERT_TRUE(RememberRecentFile(recent, "/A.k2d").ok());
    EXPECT_EQ(recent.Filespec(1), "/A.k2d")
        << "another case is another file here, and keeps its case";
}

}  // namespace
}  // namespace korvane
