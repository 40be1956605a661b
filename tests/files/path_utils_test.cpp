#include "files/path_utils.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace korvane {
namespace {

TEST(PathUtils, TheFolderPartEndsAtTheLastSeparator) {
    EXPECT_EQ(LastSeparatorPos("/fleet/a.k2d"), 7);
    EXPECT_EQ(LastSeparatorPos("/home/me/.local/share/ships/a.k2d"), 28);
    EXPECT_EQ(LastSeparatorPos("a.k2d"), 0);
    EXPECT_EQ(std::string("a.k2d").substr(0, LastSeparatorPos("a.k2d")), "");
}

TEST(PathUtils, ATrailingSeparatorIsAddedOnce) {
    std::string root = "/";
    EXPECT_EQ(WithTrailingSeparator(root), "/");
    std::string fleet = "/fleet";
    EXPECT_EQ(WithTrailingSeparator(fleet), "/fleet/");
    EXPECT_EQ(fleet, "/fleet/") << "the argument is updated too";
    std::string empty;
    EXPECT_EQ(WithTrailingSeparator(empty), "/");
}

TEST(PathUtils, EnvironmentValueMatchesTheWholeNameInAnyCase) {
    ::setenv("KORVANE_TEST_SHIPYARD", "  Regina Down  ", 1);
    ::setenv("KORVANE_TEST_SHIP", "Beowulf=Free Trader", 1);
    EXPECT_EQ(EnvironmentValue("korvane_test_shipyard"), "Regina Down");
    EXPECT_EQ(EnvironmentValue("KORVANE_TEST_SHIP"), "Beowulf=Free Trader")
        << "the value runs from the first equals sign; a longer name does not answer";
    EXPECT_EQ(EnvironmentValue("KORVANE_TEST_SHI"), "");
    EXPECT_EQ(EnvironmentValue("KORVANE_TEST_NOWHERE"), "");
    ::unsetenv("KORVANE_TEST_SHIPYARD");
    ::unsetenv("KORVANE_TEST_SHIP");
}

}  // namespace
}  // namespace korvane
