#include <string>

#include <gtest/gtest.h>

#include "engine/plain_passes.h"
#include "engine/recalculate.h"
#include "engine_test_support.h"

namespace korvane {
namespace {

using engine_test::Entry;
using engine_test::HasProblem;

class EngineElectronics : public ::testing::Test {
protected:
    Catalog catalog;
    Design design;

    EngineElectronics() {
        design.DesignTL() = 15;
        design.Slots[Slot::Hull].KL = 1350;
        engine::RecalculateSection(design, catalog, RecalcSection::Hull);
    }

    ComponentRecord& Sensor(int i, std::string_view label, std::string_view letters,
                            double number = 1) {
        design.Sensors[i] = Entry(label, number, 1, 1, 1000, 0.5);
        design.Sensors[i].MISCSTR[1] = letters;
        design.Sensors[i].TL = 15;
        return design.Sensors[i];
    }

    std::string Codes() {
        engine::RecalculateSection(design, catalog, RecalcSection::Electronics);
        std::string codes;
        for (int j = 1; j <= 6; ++j) {
            codes += design.SensorCodes[j];
        }
        return codes;
    }
};

TEST_F(EngineElectronics, WithoutSensorsOnlyTheRangeLetterIsSet) {
    EXPECT_EQ(Codes(), "----I-");
}

TEST_F(EngineElectronics, StarCodeTakesTheLetterOfTheTechLevel) {
    Sensor(1, "Densitometer", "--*---");
    const std::pair<int, const char*> expected[] = {
        {11, "--F-I-"}, {12, "--D-I-"}, {13, "--D-I-"}, {17, "--R-I-"}, {18, "--S-I-"}};
    for (const auto& [tl, codes] : expected) {
        design.DesignTL() = static_cast<std::int16_t>(tl);
        EXPECT_EQ(Codes(), codes) << "TL " << tl;
    }
}

TEST_F(EngineElectronics, EachPositionKeepsTheHighestRankedLetter) {
    Sensor(1, "Scanner A", "IF-S--");
    Sensor(2, "Scanner B", "FIx---");     // "x" ranks below every letter
    Sensor(3, "Scanner C", "DDDDDD", 0);  // not fitted: no letters at all
    EXPECT_EQ(Codes(), "FF-SI-");
}

TEST_F(EngineElectronics, RangeScoreSetsTheFifthLetter) {
    // The three characters at label position 13 add to the score.
    Sensor(1, "Radar       1 G", "------");
    EXPECT_EQ(Codes(), "----F-");  // 1
    Sensor(2, "Radar       100", "------");
    EXPECT_EQ(Codes(), "----D-");  // 5
    Sensor(3, "Ladar       10", "------");
    EXPECT_EQ(Codes(), "----R-");  // 11
    Sensor(4, "Ladar       1 K", "------");
    EXPECT_EQ(Codes(), "----S-");  // 21
}

TEST_F(EngineElectronics, PassiveEmsReplacesTheScoreSoFar) {
    Sensor(1, "Radar       1 K", "------");  // 10
    Sensor(2, "P-EMS  VDis", "------");      // replaces with 2
    EXPECT_EQ(Codes(), "----F-");
    Sensor(2, "P-EMS  IntP 1 K", "------");  // 12, then + 10
    EXPECT_EQ(Codes(), "----S-");
    Sensor(2, "P-EMS  IntP 1 K", "------", 0);  // not fitted: the score stays 10
    EXPECT_EQ(Codes(), "----R-");
}

TEST_F(EngineElectronics, NoRangeKeepsAnExistingFifthLetter) {
    Sensor(1, "Scope", "----D-");
    EXPECT_EQ(Codes(), "----D-");
}

TEST_F(EngineElectronics, EmsSensorsAndCommunicatorsWeighByTechLevel) {
    Sensor(1, "Radar", "------", 2).TL = 10;        // not EMS: full weight
    Sensor(2, "A-EMS Array", "------", 3).TL = 10;  // 10 / 15 of its figures
    design.Communicators[1] = Entry("Laser Commo", 1, 4, 2, 100000, 1);
    design.Communicators[1].TL = 15;
    design.Communicators[2] = Entry("Radio", 2, 4, 2, 100000, 1);
    design.Communicators[2].TL = 8;
    design.Communicators[3] = Entry("Maser", 0, 40, 20, 1000000, 10);
    design.Communicators[3].TL = 15;
    design.DesignTL() = 16;
    Codes();
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Sensors].KL, 2 + 3 * 10.0 / 16);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Sensors].CR, 2000 + 3000 * 10.0 / 16);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Communicators].KL, 4 * 15.0 / 16 + 4 * 2 * 0.5);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Communicators].MW, 15.0 / 16 + 2 * 0.5);
}

TEST_F(EngineElectronics, TechLevelZeroCountsNothingWeighedAndSaysSo) {
    Sensor(1, "A-EMS Array", "------");
    design.Communicators[1] = Entry("Radio", 1, 4, 2, 100000, 1);
    design.Communicators[1].TL = 8;
    design.DesignTL() = 0;
    Codes();
    EXPECT_EQ(design.Slots[Slot::Sensors].KL, 0);
    EXPECT_EQ(design.Slots[Slot::Communicators].KL, 0);
    EXPECT_TRUE(HasProblem(design, "Sensors and communicators were sized at tech level 0"));
    design.DesignTL() = 12;
    Codes();
    EXPECT_TRUE(design.BlockProblems[static_cast<int>(ProblemSource::Electronics)].empty());
}

TEST_F(EngineElectronics, MaskingAndAvionics) {
    design.Slots[Slot::EmMask].NUMBER = 1;
    design.Slots[Slot::Avionics].CR = 50000;
    Codes();
    EXPECT_DOUBLE_EQ(design.Slots[Slot::EmMask].KL, 27);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::EmMask].TONS, 13.5);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::EmMask].MW, 1.35);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::EmMask].CR, 6750000);
    EXPECT_EQ(design.Slots[Slot::Avionics].NUMBER, 1);

    design.Slots[Slot::EmMask].NUMBER = 0;
    design.Slots[Slot::Avionics].CR = 0;
    Codes();
    EXPECT_EQ(design.Slots[Slot::EmMask].KL, 0);
    EXPECT_EQ(design.Slots[Slot::EmMask].CR, 0);
    EXPECT_EQ(design.Slots[Slot::Avionics].NUMBER, 0);
}

}  // namespace
}  // namespace korvane
