#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <random>

#include "app/load_design.h"
#include "engine/recalculate.h"
#include "files/design_file.h"
#include "model/standard_catalog.h"
#include "support/cli_runner.h"
#include "support/random_design.h"
#include "support/temp_dir.h"
#include "support/test_session.h"
#include "ui/compare_window.h"
#include "ui/design_document.h"

namespace korvane {
namespace {

using testing::RunCli;
using testing::TempDir;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Design files written from one random design: as it is, with its item tables
// in reverse order, and with one turret's count changed.
class DiffCli : public ::testing::Test {
protected:
    void SetUp() override {
        Catalog catalog(StandardCatalogRows());
        std::mt19937 random(42);
        Design design = testing::RandomDesign(catalog, random);
        for (ComponentRecord& turret : design.Turrets) {
            if (turret.TABLE == "TR" && turret.IDNUM == 3) {
                turret = BlankRecord;
            }
        }
        design.Turrets[2] = catalog.LookupComponent("TR", 3);
        design.Turrets[2].NUMBER = 2;
        Recalculate(design, catalog);
        ASSERT_TRUE(WriteDesignFile(home_ / "a.k2d", design));

        const Design reversed = testing::WithEntriesReversed(design);
        ASSERT_TRUE(WriteDesignFile(home_ / "reversed.k2d", reversed));

        Design changed = reversed;
        for (ComponentRecord& turret : changed.Turrets) {
            if (turret.TABLE == "TR" && turret.IDNUM == 3) {
                turret.NUMBER = 3;
            }
        }
        ASSERT_TRUE(WriteDesignFile(home_ / "changed.k2d", changed));
    }

    TempDir home_;
};

TEST_F(DiffCli, ExitCodeTellsSameDifferentAndUnreadable) {
    const struct {
        const char* arguments;
        int exit_code;
        const char* says;
    } cases[] = {
        {"diff a.k2d a.k2d", 0, "The designs are the same."},
        {"diff a.k2d reversed.k2d", 0, "The designs are the same."},
        {"diff a.k2d changed.k2d", 1, "  Number: 2 -> 3\n"},
        {"diff a.k2d missing.k2d", 3, "missing.k2d"},
        {"diff missing.k2d a.k2d", 3, "missing.k2d"},
        {"diff a.k2d", 2, "B is required"},
        {"diff '' a.k2d", 2, "an empty path names no file"},
        {"diff a.k2d ''", 2, "an empty path names no file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const auto run = RunCli(home_.path(), c.arguments);
        EXPECT_EQ(run.exit_code, c.exit_code) << run.err;
        EXPECT_TRUE(Contains(run.out + run.err, c.says)) << run.out << run.err;
    }
}

TEST_F(DiffCli, TheChangedTurretIsFoundByItsCatalogRowWhereverItStands) {
    const auto run = RunCli(home_.path(), "diff --json a.k2d changed.k2d");
    ASSERT_EQ(run.exit_code, 1) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_FALSE(json["Same"].get<bool>());
    const auto turret = std::find_if(
        json["Entries"].begin(), json["Entries"].end(), [](const nlohmann::json& entry) {
            return entry["Place"] == "Turrets" && entry["TABLE"] == "TR" && entry["IDNUM"] == 3;
        });
    ASSERT_NE(turret, json["Entries"].end()) << run.out;
    EXPECT_EQ((*turret)["Change"], "Changed");
    EXPECT_EQ((*turret)["Section"], "Weapons");
    // The count, and what follows from it (the factor in USP), but the
    // turret's own volume, mass, power and cost stay.
    bool count_listed = false;
    for (const auto& field : (*turret)["Fields"]) {
        if (field["Field"] == "NUMBER") {
            count_listed = true;
            EXPECT_EQ(field["A"], 2);
            EXPECT_EQ(field["B"], 3);
        }
        EXPECT_TRUE(field["Field"] == "NUMBER" || field["Field"] == "USP") << field.dump();
    }
    EXPECT_TRUE(count_listed);
    EXPECT_NE(std::find(json["ChangedSections"].begin(), json["ChangedSections"].end(), "Weapons"),
              json["ChangedSections"].end());
    // The slot that sums the turrets differs too, in the profile's units.
    const auto weapons = std::find_if(
        json["Entries"].begin(), json["Entries"].end(),
        [](const nlohmann::json& entry) { return entry["Place"] == "Slot 15, Weapons"; });
    ASSERT_NE(weapons, json["Entries"].end());
    for (const auto& field : (*weapons)["Fields"]) {
        if (field["Field"] == "CR") {
            EXPECT_EQ(field["Unit"], "MCr");
        }
        if (field["Field"] == "TONS") {
            EXPECT_EQ(field["Unit"], "tons");
        }
    }
}

// The compare window, with a.k2d open, and `diff` say the same, line by line.
TEST_F(DiffCli, TheCompareWindowAndDiffCountAndListTheSame) {
    Session session;
    testing::StartTestSession(session, home_.path());
    ui::DesignDocument document(session);
    ASSERT_TRUE(document.Load((home_ / "a.k2d").string()));
    Design other;
    const std::string changed = (home_ / "changed.k2d").string();
    ASSERT_TRUE(LoadDesignCopy(session.catalog->Features(), changed, other));
    const ui::CompareWindow window(document, session.design, std::move(other), changed);

    const auto run = RunCli(home_.path(), "diff a.k2d changed.k2d");
    ASSERT_EQ(run.exit_code, 1) << run.err;
    EXPECT_TRUE(Contains(run.out, "\n" + window.verdict.caption + "\n")) << run.out;
    std::string listed;
    for (int row = 0; row < window.differences.Count(); ++row) {
        listed += window.differences.Text(row) + "\n";
    }
    EXPECT_TRUE(Contains(run.out, listed)) << run.out << "\nthe window:\n" << listed;
}

TEST(DesignCliBreakdown, ShowPrintsTheBreakdownThatAddsUpToTheTotals) {
    TempDir home;
    ASSERT_EQ(RunCli(home.path(), "new ship.k2d").exit_code, 0);
    const auto json_run = RunCli(home.path(), "show --json ship.k2d");
    ASSERT_EQ(json_run.exit_code, 0) << json_run.err;
    const auto json = nlohmann::json::parse(json_run.out);
    const auto& breakdown = json["Breakdown"];
    ASSERT_EQ(breakdown["Sections"].size(), 10u);
    EXPECT_EQ(breakdown["Sections"][0]["Section"], "Hull and armour");
    EXPECT_EQ(breakdown["Total"]["KL"], json["UsedKL"]);
    EXPECT_EQ(breakdown["Total"]["MW"], json["UsedMW"]);
    EXPECT_DOUBLE_EQ(breakdown["Total"]["MCr"].get<double>(), json["TotalCr"].get<double>() / 1e6);
    double kl = 0;
    for (const auto& section : breakdown["Sections"]) {
        kl += section["KL"].get<double>();
    }
    EXPECT_NEAR(kl, json["UsedKL"].get<double>(), 1e-9);

    const auto text = RunCli(home.path(), "show ship.k2d");
    ASSERT_EQ(text.exit_code, 0) << text.err;
    EXPECT_TRUE(Contains(text.out, "Breakdown:")) << text.out;
    EXPECT_TRUE(Contains(text.out, "\n  Crew and accommodation ")) << text.out;
    EXPECT_TRUE(Contains(text.out, "\n  Total ")) << text.out;
}

}  // namespace
}  // namespace korvane
