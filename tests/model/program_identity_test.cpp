#include "model/program_identity.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(ProgramIdentity, TitleAndReportsCarryTheVersionInItsShortestForm) {
    EXPECT_FLOAT_EQ(AppVersion(), 1.1f);
    EXPECT_EQ(AppTitle(), "Korvane v1.1");
    EXPECT_EQ(AppVersionForReports(), 1.1) << "not the 32-bit number's 1.10000002384186";
}

}  // namespace
}  // namespace korvane
