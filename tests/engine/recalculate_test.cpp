#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "engine/plain_passes.h"
#include "engine/recalculate.h"
#include "engine/status_summary.h"
#include "engine_test_support.h"
#include "files/design_file.h"
#include "model/bitwise_equal.h"
#include "model/design_changes.h"
#include "model/standard_catalog.h"
#include "random_designs.h"

namespace korvane {
namespace {

using engine_test::BasicRows;
using engine_test::HasProblem;
using engine_test::NewDesignOn;

// Every number a recalculation writes or reads.
void ExpectAllFinite(const Design& design) {
    auto record = [](const ComponentRecord& r, const std::string& where) {
        for (double x : {r.NUMBER, r.KL, r.TONS, r.CR, r.MW}) {
            EXPECT_TRUE(std::isfinite(x)) << where;
        }
        for (double x : r.MISCNUM) {
            EXPECT_TRUE(std::isfinite(x)) << where;
        }
    };
    for (int slot = 0; slot <= kSlotCount; ++slot) {
        record(design.Slots.ByNumber(slot), "slot " + std::to_string(slot));
    }
    for (std::size_t table = 1; table < Design::kTableCount; ++table) {
        for (const auto& entry : design.Table(table)) {
            record(entry, "table " + std::to_string(table));
        }
    }
    record(design.DesignRecord, "design record");
    record(design.CapacityRecord, "capacity record");
    for (double x : design.ControlPoints) {
        EXPECT_TRUE(std::isfinite(x));
    }
    EXPECT_TRUE(std::isfinite(design.ControlTotal));
    EXPECT_TRUE(std::isfinite(design.ControlRemaining));
}

TEST(RecalcFrame, AnEmptyDesignGivesFiguresAndAListOfProblemsButNoNaN) {
    Catalog catalog;
    Design design;
    Recalculate(design, catalog);
    ExpectAllFinite(design);
    EXPECT_TRUE(HasProblem(design, "Hull volume is 0"));
    EXPECT_TRUE(HasProblem(design, "No main computer"));
    EXPECT_TRUE(HasProblem(design, "No control panel"));
    EXPECT_TRUE(HasProblem(design, "Total mass is 0"));
    EXPECT_EQ(design.DesignValid(), 0);
    EXPECT_FALSE(ShowStatusSummary(design).valid);
}

TEST(RecalcFrame, APartialRunKeepsTheOtherSectionsFigures) {
    Catalog catalog(BasicRows());
    Design design = NewDesignOn(catalog);
    design.Slots[Slot::JumpDrive].USP = "1";
    design.Slots[Slot::Hull].KL = 2700;
    engine::RecalculateSection(design, catalog, RecalcSection::Weapons);
    EXPECT_EQ(design.Slots[Slot::JumpDrive].KL, 0) << "drives not recalculated";
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Hull].TONS, 30) << "hull not recalculated";

    engine::RecalculateSection(design, catalog, RecalcSection::Drives);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::JumpDrive].KL, 27)
        << "sized on the hull of the last hull run";
    EXPECT_DOUBLE_EQ(design.UsedKL(), 27 + 135 + design.Slots[Slot::MainComputer].KL +
                                          design.Slots[Slot::Panels].KL +
                                          design.Slots[Slot::Environment].KL)
        << "the totals always run";
}

// A plant of 1000 MW and 720 hours of fuel, nothing left out of the endurance.
Design PoweredDesign() {
    Design design;
    design.DesignTL() = 15;
    design.Slots[Slot::Hull].KL = 1350;
    design.Slots[Slot::PowerPlant].KL = 10;
    design.Slots[Slot::PowerPlant].MISCNUM[3] = 100;
    design.Slots[Slot::PlantFuel].NUMBER = 720;
    design.Slots[Slot::ManeuverDrive].USP = "1";
    return design;
}

TEST(RecalcSettling, AWholeRunGivesTheSettledFiguresAtOnce) {
    Catalog catalog(BasicRows());
    Design design = PoweredDesign();
    EXPECT_EQ(Recalculate(design, catalog), 2)
        << "one pass finds the figures, the endurance from the power used among them, and "
           "one finds nothing changed";
    EXPECT_EQ(design.Slots[Slot::PlantFuel].MISCNUM[1], 720)
        << "nothing left out: exactly the fuel hours";

    const Design settled = design;
    EXPECT_EQ(Recalculate(design, catalog), 1);
    EXPECT_TRUE(BitwiseEqual(design, settled));
}

TEST(RecalcSettling, OtherSectionsStaySinglePassesThatReadThePreviousRun) {
    Catalog catalog(BasicRows());
    Design design = PoweredDesign();
    EXPECT_EQ(engine::RecalculateSection(design, catalog, RecalcSection::Hull), 1);
    EXPECT_EQ(engine::RecalculateSection(design, catalog, RecalcSection::Drives), 1);
    EXPECT_GT(design.UsedMW(), 0) << "the maneuver drive draws power";
    EXPECT_EQ(design.Slots[Slot::PlantFuel].MISCNUM[1], 0) << "the power block did not run";
    EXPECT_EQ(engine::RecalculateSection(design, catalog, RecalcSection::Power), 1);
    EXPECT_EQ(design.Slots[Slot::PlantFuel].MISCNUM[1], 720);

    Recalculate(design, catalog);
    const Design settled = design;
    for (int section = 1; section <= 9; ++section) {
        EXPECT_EQ(engine::RecalculateSection(design, catalog, static_cast<RecalcSection>(section)),
                  1);
        EXPECT_TRUE(BitwiseEqual(design, settled)) << "section " << section;
    }
}

TEST(RecalcSettling, FiguresLeftByAnEarlierRunDoNotReachTheSettledOnes) {
    Catalog catalog(StandardCatalogRows());
    Design design = NewDesignOn(catalog);
    design.Slots[Slot::PowerPlant] = catalog.LookupComponent("PP", 5);
    design.Slots[Slot::PowerPlant].KL = 40;
    design.Slots[Slot::AuxiliaryBridge].NUMBER = 1;  // the auxiliary bridge follows the bridge crew
    design.Slots[Slot::Hull].KL = 13500;             // a hull that needs more panels
    Design stale = design;
    stale.UsedMW() = 12345;
    stale.Slots[Slot::Panels].CR = 9e9;  // the panels' cost feeds the control total that sizes them
    stale.Slots[Slot::Crew].MISCSTR[1] = "9";
    stale.Slots[Slot::PlantFuel].MISCNUM[1] = 3;

    Recalculate(design, catalog);
    Recalculate(stale, catalog);
    EXPECT_TRUE(BitwiseEqual(design, stale));
    EXPECT_GT(design.Slots[Slot::AuxiliaryBridge].KL, 0);
    EXPECT_EQ(Recalculate(design, catalog), 1);
}

// Every figure of two designs agrees to 15 significant digits, every text and
// problem exactly; `what` names the first that does not.
bool SameFigures(const Design& a, const Design& b, std::string& what) {
    auto close = [](double x, double y) {
        return x == y || std::abs(x - y) <= 5e-15 * std::max(std::abs(x), std::abs(y));
    };
    auto record = [&](const ComponentRecord& x, const ComponentRecord& y,
                      const std::string& where) {
        what = where;
        if (!close(x.NUMBER, y.NUMBER) || !close(x.KL, y.KL) || !close(x.TONS, y.TONS) ||
            !close(x.CR, y.CR) || !close(x.MW, y.MW) || !(x.USP == y.USP) ||
            !(x.LABEL == y.LABEL)) {
            return false;
        }
        for (std::size_t k = 0; k < x.MISCNUM.size(); ++k) {
            if (!close(x.MISCNUM[k], y.MISCNUM[k]) || !(x.MISCSTR[k] == y.MISCSTR[k])) {
                what += " MISCNUM/MISCSTR " + std::to_string(k);
                return false;
            }
        }
        return true;
    };
    for (std::size_t table = 0; table < Design::kTableCount; ++table) {
        for (std::size_t i = 0; i < a.Table(table).size(); ++i) {
            if (!record(a.Table(table)[i], b.Table(table)[i],
                        "table " + std::to_string(table) + " entry " + std::to_string(i))) {
                return false;
            }
        }
    }
    if (!record(a.DesignRecord, b.DesignRecord, "design record") ||
        !record(a.CapacityRecord, b.CapacityRecord, "capacity record")) {
        return false;
    }
    what = "control points, problems or sensor codes";
    for (std::size_t area = 1; area <= 8; ++area) {
        if (!close(a.ControlPoints[area], b.ControlPoints[area])) {
            return false;
        }
    }
    return close(a.ControlTotal, b.ControlTotal) && close(a.ControlRemaining, b.ControlRemaining) &&
           a.WeaponFactors == b.WeaponFactors && a.WeaponCounts == b.WeaponCounts &&
           a.SensorCodes == b.SensorCodes && a.Problems == b.Problems;
}

TEST(RecalcSettling, SolvingThePanelsGivesThePlainPassesFiguresInAFewPasses) {
    Catalog catalog(StandardCatalogRows());
    engine_test::RandomDesigns designs(catalog, 22);
    for (int n = 1; n <= 1000; ++n) {
        SCOPED_TRACE("random design " + std::to_string(n));
        Design solved = designs.Next();
        Design plain = solved;
        const int passes = Recalculate(solved, catalog);
        ASSERT_LT(engine::RecalculateByPlainPasses(plain, catalog), kMaxSettlingPasses);
        EXPECT_LE(passes, 2);
        std::string what;
        EXPECT_TRUE(SameFigures(solved, plain, what)) << what;

        // The solved figures are settled for the plain pass as well.
        Design again = solved;
        EXPECT_EQ(engine::RecalculateByPlainPasses(again, catalog), 1);
        EXPECT_TRUE(BitwiseEqual(again, solved));
    }
}

// The design document settles a change from the design before it: the figures
// must be those of Recalculate, and the parts it keeps must take the change
// back exactly and make it again.
TEST(RecalcSettling, AChangeSettlesOnTheWholeRecalculationsFiguresAndKeepsWhatItTouched) {
    Catalog catalog(StandardCatalogRows());
    engine_test::RandomDesigns designs(catalog, 17);
    using Apply = void (*)(Design&, const Design& other);
    const struct {
        const char* change;
        Apply apply;
    } changes[] = {
        {"nothing", [](Design&, const Design&) {}},
        {"one count", [](Design& d, const Design&) { d.Slots[Slot::Hull].KL += kKlPerTon; }},
        {"a label", [](Design& d, const Design&) { d.DesignRecord.LABEL = "Renamed"; }},
        {"every table", [](Design& d, const Design& other) { d = other; }},
    };
    for (int n = 1; n <= 100; ++n) {
        Design settled = designs.Next();
        Recalculate(settled, catalog);
        const Design other = designs.Next();
        for (const auto& c : changes) {
            SCOPED_TRACE("random design " + std::to_string(n) + ", changed " + c.change);
            Design expected = settled;
            c.apply(expected, other);
            Design design = expected;
            Recalculate(expected, catalog);

            // Whether the design before was known to be settled decides only
            // whether a first pass back to it may end the settling.
            for (const bool beforeSettled : {true, false}) {
                Design changed = design;
                Design before = settled;
                DesignChanges kept;
                EXPECT_TRUE(
                    RecalculateChange(changed, catalog, before, beforeSettled, kept).settled);
                ASSERT_TRUE(BitwiseEqual(changed, expected));
                EXPECT_TRUE(BitwiseEqual(before, changed));
                EXPECT_EQ(kept.DiffersFrom(changed), !BitwiseEqual(settled, changed));
                kept.SwapWith(changed);
                EXPECT_TRUE(BitwiseEqual(changed, settled)) << "undone";
                kept.SwapWith(changed);
                EXPECT_TRUE(BitwiseEqual(changed, expected)) << "redone";
            }
        }
    }
}

std::string FileBytes(const Design& design) {
    std::ostringstream out;
    WriteDesign(out, design);
    return out.str();
}

// Loading recalculates, so a file written by the plain passes (as earlier
// versions settled it) or by Recalculate must load and write back unchanged.
TEST(RecalcSettling, ResavingADesignWritesTheSameBytes) {
    Catalog catalog(StandardCatalogRows());
    engine_test::RandomDesigns designs(catalog, 2022);
    for (int n = 1; n <= 300; ++n) {
        SCOPED_TRACE("random design " + std::to_string(n));
        const Design fresh = designs.Next();
        Design solved = fresh;
        Design plain = fresh;
        Recalculate(solved, catalog);
        engine::RecalculateByPlainPasses(plain, catalog);
        for (const Design* saved : {&solved, &plain}) {
            const std::string bytes = FileBytes(*saved);
            std::istringstream in(bytes);
            Design loaded;
            ASSERT_TRUE(ReadDesign(in, "saved.k2d", loaded).ok());
            Recalculate(loaded, catalog);
            EXPECT_EQ(FileBytes(loaded), bytes) << (saved == &plain ? "plain" : "solved");
        }
    }
}

// Panel rows of a given gain: the control one panel's cost adds per point of
// control a panel provides (here cost × TL 10 / 100,000 / computer divisor 2
// / 50 points per panel). The plain passes close in by the gain on every pass,
// too slowly to settle within their limit from 0.5 on.
TEST(RecalcSettling, APanelRowWhoseLoopDoesNotCloseIsReported) {
    const struct {
        double gain;
        bool settles;
    } cases[] = {{0, true}, {0.5, true}, {0.95, true}, {1, false}, {2.5, false}, {-1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE("gain " + std::to_string(c.gain));
        std::vector<ComponentRecord> rows = BasicRows();
        for (ComponentRecord& row : rows) {
            if (row.TABLE == "PN") {
                row.CR = c.gain * 100000 / 10 * 2 * 50;
            }
        }
        Catalog catalog(rows);
        Design design = NewDesignOn(catalog);
        design.DesignTL() = 10;

        const int passes = Recalculate(design, catalog);
        ExpectAllFinite(design);
        const bool reported = HasProblem(
            design,
            "Control panels do not settle: each panel's cost needs as much control as the panel "
            "provides");
        if (c.settles) {
            EXPECT_LE(passes, 2);
            EXPECT_FALSE(reported);
            Design again = design;
            EXPECT_EQ(engine::RecalculateByPlainPasses(again, catalog), 1);
            // count = count without panels / (1 − gain)
            Design without = design;
            without.Slots[Slot::Panels].CR = 0;
            engine::RecalculateSection(without, catalog, RecalcSection::Control);
            EXPECT_NEAR(design.Slots[Slot::Panels].NUMBER,
                        without.Slots[Slot::Panels].NUMBER / (1 - c.gain),
                        1e-12 * design.Slots[Slot::Panels].NUMBER);
        } else {
            EXPECT_EQ(passes, kMaxSettlingPasses);
            EXPECT_TRUE(reported);
            EXPECT_EQ(design.DesignValid(), 0);
        }
    }
}

TEST(RecalcFrame, EachBlockReplacesItsOwnProblemsWhenItRuns) {
    Catalog catalog(BasicRows());
    Design design = NewDesignOn(catalog);
    design.Slots[Slot::Hull].KL = 0;
    engine::RecalculateSection(design, catalog, RecalcSection::Hull);
    EXPECT_TRUE(HasProblem(design, "Hull volume is 0"));
    EXPECT_EQ(design.DesignValid(), 0);

    design.Slots[Slot::Hull].KL = 1350;
    engine::RecalculateSection(design, catalog, RecalcSection::Weapons);
    EXPECT_TRUE(HasProblem(design, "Hull volume is 0")) << "the hull figures are still those of 0";
    engine::RecalculateSection(design, catalog, RecalcSection::Weapons);
    EXPECT_EQ(std::count(design.Problems.begin(), design.Problems.end(), "Hull volume is 0"), 1);

    engine::RecalculateSection(design, catalog, RecalcSection::Hull);
    EXPECT_FALSE(HasProblem(design, "Hull volume is 0"));
}

TEST(RecalcFrame, ProblemsAfterARunAreTheDesignsWholeList) {
    Catalog catalog(BasicRows());
    Design design = NewDesignOn(catalog);
    design.Slots[Slot::PowerPlant].KL = 1;
    design.Slots[Slot::PowerPlant].MISCNUM[3] = 1000;  // enough power
    design.Slots[Slot::MainComputer].MISCNUM[1] = 0;   // but no computer
    design.Slots.ByNumber(40).KL = 5000;               // and too much volume
    Recalculate(design, catalog);
    ASSERT_GE(design.Problems.size(), 2u);
    EXPECT_TRUE(HasProblem(design, "No main computer"));
    EXPECT_EQ(design.Problems.back().rfind("Volume used exceeds the hull", 0), 0u)
        << "limit breaks come after the blocks' problems";

    design.Slots[Slot::MainComputer].MISCNUM[1] = 2;
    design.Slots.ByNumber(40).KL = 0;
    Recalculate(design, catalog);
    EXPECT_TRUE(design.Problems.empty()) << design.Problems.front();
    EXPECT_EQ(design.DesignValid(), 1);
}

TEST(RecalcStandardCatalog, NewDesignOnTheStandardCatalog) {
    Catalog catalog(StandardCatalogRows());
    Design design = NewDesignOn(catalog);
    ExpectAllFinite(design);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Hull].TONS, 30);
    EXPECT_EQ(design.Slots[Slot::Hull].USP.first(), '1');
    EXPECT_EQ(design.Hardpoints(), 1);
    EXPECT_GT(design.Slots[Slot::Panels].NUMBER, 0)
        << "panels sized from the computer and panel rows";
    for (int run = 1; run <= 3; ++run) {
        EXPECT_EQ(design.Slots[Slot::PlantFuel].MISCNUM[1], 720)
            << "the fuel hours, nothing left out";
        EXPECT_EQ(Recalculate(design, catalog), 1) << "settled already";
    }
    const StatusSummary summary = ShowStatusSummary(design);
    EXPECT_EQ(summary.hull_kl, 1350);
    EXPECT_EQ(summary.tech_level, 15);
}

}  // namespace
}  // namespace korvane
