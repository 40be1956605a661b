#include <gtest/gtest.h>

#include "batch/batch_test_support.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace korvane {
namespace {

using batch_test::Ship;
using testing::RunCli;
using testing::TempDir;

class BatchCli : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directory(home_ / "fleet"); }

    void Write(const std::string& name, const Ship& ship) {
        batch_test::WriteShip(home_ / "fleet" / name, catalog_, ship);
    }

    TempDir home_;
    Catalog catalog_{StandardCatalogRows()};
};

TEST_F(BatchCli, PrintsTheErrorListOneProblemALineAndExitsOneUntilItIsEmpty) {
    Write("a.k2d", {"Alpha", 1, "Merchant", false});
    Write("b.k2d", {"Bravo", 3, "No Such Type"});
    const auto run = RunCli(home_.path(), "batch --web fleet");
    EXPECT_EQ(run.exit_code, 1) << run.err;
    EXPECT_EQ(run.out.rfind("fleet/a.k2d - design error somewhere!\n    Power used", 0), 0u)
        << run.out;
    EXPECT_TRUE(run.out.ends_with("\nfleet/b.k2d - can't match category\n")) << run.out;
    EXPECT_EQ(run.out.find('\r'), std::string::npos);
    EXPECT_EQ(run.err.find(" of "), std::string::npos) << "no progress line off a terminal";
    EXPECT_NE(testing::ReadText(home_ / "fleet" / "index1.htm").find("Unclassified designs"),
              std::string::npos);

    Write("a.k2d", {"Alpha"});
    const auto clean = RunCli(home_.path(), "batch fleet");
    EXPECT_EQ(clean.exit_code, 0) << clean.err;
    EXPECT_EQ(clean.out, "") << "a plain run files nothing under a type";
}

TEST_F(BatchCli, JobsChangeNothingButTheSpeedAndMustBeAtLeastOne) {
    for (int n = 1; n <= 6; ++n) {
        Write("ship-" + std::to_string(n) + ".k2d",
              {"Ship " + std::to_string(n), n, "Merchant", n % 2 == 0});
    }
    const auto one = RunCli(home_.path(), "batch --web --jobs 1 fleet");
    const std::string index = testing::ReadText(home_ / "fleet" / "index1.htm");
    const auto three = RunCli(home_.path(), "batch --web --jobs 3 fleet");
    EXPECT_EQ(one.exit_code, 1) << one.err;
    EXPECT_EQ(three.exit_code, 1) << three.err;
    EXPECT_EQ(three.out, one.out);
    EXPECT_EQ(testing::ReadText(home_ / "fleet" / "index1.htm"), index);

    const auto none = RunCli(home_.path(), "batch --jobs 0 fleet");
    EXPECT_EQ(none.exit_code, 2);
    EXPECT_NE(none.err.find("--jobs"), std::string::npos) << none.err;
}

TEST_F(BatchCli, AFolderThatCannotBeReadExitsThree) {
    const auto run = RunCli(home_.path(), "batch --web nowhere");
    EXPECT_EQ(run.exit_code, 3);
    EXPECT_NE(run.err.find("nowhere"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}

}  // namespace
}  // namespace korvane
