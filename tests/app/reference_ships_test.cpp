// Three ships built from the standard catalog as the section editors build
// them: catalog rows copied into the slots and tables, counts set, the whole
// design recalculated after each section. Each must come out sound, so that the
// catalog stays one a player can build a scout, a trader and a warship from.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>

#include "app/new_design.h"
#include "engine/engine_test_support.h"
#include "engine/recalculate.h"
#include "engine/status_summary.h"
#include "model/standard_catalog.h"
#include "model/text_helpers.h"
#include "reports/status_captions.h"

namespace korvane {
namespace {

// Fills a design section by section, as the editors do.
class ShipBuilder {
public:
    explicit ShipBuilder(int tech_level) : catalog_(StandardCatalogRows()) {
        NewDesign(design_, catalog_);
        design_.DesignTL() = static_cast<std::int16_t>(tech_level);
    }

    // The hull editor: displacement, configuration (CN id), streamlining,
    // armour type (AT id) and code, ship type (TY id).
    ShipBuilder& Hull(double tons, int configuration, int streamlining, int armour,
                      std::string_view armour_code, int ship_type) {
        auto& slots = design_.Slots;
        slots[Slot::Hull].KL = tons * kKlPerTon;
        design_.Environment[4].NUMBER = static_cast<int>(slots[Slot::Hull].KL / 1350);
        slots[Slot::Configuration] = catalog_.LookupComponent("CN", configuration);
        slots[Slot::Configuration].USP = std::to_string(configuration - 1);
        slots[Slot::Configuration].MISCNUM[6] = streamlining;
        const ComponentRecord& armour_row = catalog_.LookupComponent("AT", armour);
        slots[Slot::Armour].MISCSTR[1] = armour_row.LABEL.view().substr(0, 10);
        slots[Slot::Armour].MISCNUM[1] = armour_row.TONS;
        slots[Slot::Armour].MISCNUM[2] = armour_row.CR;
        slots[Slot::Armour].TABLE = armour_row.TABLE;
        slots[Slot::Armour].IDNUM = armour_row.IDNUM;
        slots[Slot::Armour].MISCSTR[2] = armour_code;
        const ComponentRecord& type = catalog_.LookupComponent("TY", ship_type);
        slots[Slot::ShipType].USP = type.USP;
        slots[Slot::ShipType].LABEL = type.LABEL.view();
        slots[Slot::ShipType].IDNUM = type.IDNUM;
        return Recalculated();
    }

    // The power editor: plant (PP id), its size in kl and hours of fuel.
    ShipBuilder& Power(int plant, double kl, double hours) {
        design_.Slots[Slot::PowerPlant] = catalog_.LookupComponent("PP", plant);
        design_.Slots[Slot::PowerPlant].KL = kl;
        design_.Slots[Slot::PlantFuel].NUMBER = hours;
        return Recalculated();
    }

    // The drives editor: jump and maneuver ratings, purifiers (PU id, 0 none), scoops.
    ShipBuilder& Drives(int jump, int maneuver, int purifier, bool scoops) {
        auto& slots = design_.Slots;
        slots[Slot::JumpDrive].USP = std::to_string(jump);
        slots[Slot::ManeuverDrive].USP = std::to_string(maneuver);
        slots[Slot::FuelScoops].NUMBER = scoops ? 1 : 0;
        if (purifier != 0) {
            slots[Slot::Purifiers] = catalog_.LookupComponent("PU", purifier);
            slots[Slot::Purifiers].NUMBER = 1;
        } else {
            slots[Slot::Purifiers].NUMBER = 0;
        }
        if (slots[Slot::Purifiers].MISCNUM[10] == 0) {
            slots[Slot::Purifiers].MISCNUM[10] = 12;
        }
        return Recalculated();
    }

    // The electronics editor: avionics (AV id) and the EM mask.
    ShipBuilder& Electronics(int avionics, bool mask) {
        design_.Slots[Slot::Avionics] = catalog_.LookupComponent("AV", avionics);
        design_.Slots[Slot::Avionics].NUMBER = 1;
        design_.Slots[Slot::EmMask].NUMBER = mask ? 1 : 0;
        return Recalculated();
    }

    ShipBuilder& Sensor(std::string_view family, int id, double count) {
        return Install(design_.Sensors, family, id, count);
    }
    ShipBuilder& Communicator(int id, double count) {
        return Install(design_.Communicators, "CM", id, count);
    }
    ShipBuilder& Bay(int id, double count) { return Install(design_.Bays, "BY", id, count); }
    ShipBuilder& Screen(int id, double count) { return Install(design_.Screens, "SC", id, count); }
    ShipBuilder& Accommodation(int id, double count) {
        return Install(design_.Accommodations, "AC", id, count);
    }
    ShipBuilder& Craft(int id, double count) { return Install(design_.Craft, "CR", id, count); }

    // The turrets editor: turrets of one row and the batteries they form.
    ShipBuilder& Turret(int id, double count, std::string_view batteries) {
        ComponentRecord& entry = FreeEntry(design_.Turrets);
        entry = catalog_.LookupComponent("TR", id);
        entry.NUMBER = count;
        entry.MISCSTR[2] = batteries;
        return Recalculated();
    }

    // Battery rounds of HE missiles in the magazine.
    ShipBuilder& Magazine(double rounds) {
        design_.Slots[Slot::Magazine].MISCNUM[1] = rounds;
        return Recalculated();
    }

    // The control editor: main and backup computers (CO ids, 0 none, each
    // installed three times), panels (PN id) and the auxiliary bridge.
    ShipBuilder& Control(int main_computer, int backup_computer, int panels, bool aux_bridge) {
        engine_test::FitComputer(catalog_, design_.Slots[Slot::MainComputer], main_computer);
        engine_test::FitComputer(catalog_, design_.Slots[Slot::BackupComputer], backup_computer);
        design_.Slots[Slot::Panels] = catalog_.LookupComponent("PN", panels);
        design_.Slots[Slot::AuxiliaryBridge].NUMBER = aux_bridge ? 1 : 0;
        return Recalculated();
    }

    // The crew editor: High, Mid and Low passengers; then "Accept defaults".
    ShipBuilder& Passengers(double high, double mid, double low) {
        design_.Slots[Slot::PassengersAndCrewTotal].MISCNUM[1] = high;
        design_.Slots[Slot::PassengersAndCrewTotal].MISCNUM[2] = mid;
        design_.Slots[Slot::PassengersAndCrewTotal].MISCNUM[3] = low;
        return Recalculated();
    }
    ShipBuilder& AcceptDefaultCrew() {
        ComponentRecord& crew = design_.Slots[Slot::Crew];
        double total = 0;
        for (std::size_t category = 1; category <= 10; ++category) {
            crew.MISCNUM[category] = LeadingNumber(crew.MISCSTR[category].view());
            total += crew.MISCNUM[category];
        }
        design_.Slots[Slot::PassengersAndCrewTotal].MISCNUM[10] = total;
        return Recalculated();
    }

    Design& design() { return design_; }

    double Crew() const {
        return LeadingNumber(design_.Slots[Slot::PassengersAndCrewTotal].MISCSTR[10].view());
    }

    // What a failing check shows: the totals and the problems.
    std::string Figures() {
        const StatusCaptions summary = CaptionsOf(ShowStatusSummary(design_));
        std::ostringstream text;
        text << summary.volume << summary.power << summary.hardpoints << summary.mass << " "
             << summary.cost << " crew " << Crew() << " (";
        for (std::size_t category = 1; category <= 10; ++category) {
            text << design_.Slots[Slot::Crew].MISCSTR[category].trimmed() << " ";
        }
        text << ")\n";
        for (const std::string& problem : design_.Problems) {
            text << problem << '\n';
        }
        return text.str();
    }

private:
    template <std::size_t N>
    ComponentRecord& FreeEntry(std::array<ComponentRecord, N>& table) {
        for (std::size_t i = 1; i < N; ++i) {
            if (table[i].NUMBER == 0) {
                return table[i];
            }
        }
        ADD_FAILURE() << "no free entry";
        return table[0];
    }

    template <std::size_t N>
    ShipBuilder& Install(std::array<ComponentRecord, N>& table, std::string_view family, int id,
                         double count) {
        ComponentRecord& entry = FreeEntry(table);
        entry = catalog_.LookupComponent(family, id);
        EXPECT_EQ(entry.IDNUM, id) << family << " " << id << " is in the standard catalog";
        entry.NUMBER = count;
        return Recalculated();
    }

    ShipBuilder& Recalculated() {
        Recalculate(design_, catalog_);
        return *this;
    }

    Catalog catalog_;
    Design design_;
};

void ExpectSound(ShipBuilder& ship) {
    const std::string figures = ship.Figures();
    EXPECT_EQ(ship.design().DesignValid(), 1) << figures;
    EXPECT_TRUE(ship.design().Problems.empty()) << figures;
    EXPECT_GT(ship.design().UsedKL(), 0);
}

TEST(ReferenceShips, AHundredTonScoutOfTechLevelTwelveWithJumpTwoAndTwoG) {
    ShipBuilder scout(12);
    scout.Hull(100, 5, 2, 4, "2", 5)
        .Power(7, 90, 720)
        .Drives(2, 2, 0, true)
        .Electronics(3, false)
        .Sensor("SA", 6, 1)
        .Sensor("SA", 12, 1)
        .Sensor("SV", 5, 1)
        .Sensor("SD", 11, 1)
        .Communicator(5, 1)
        .Control(3, 0, 6, false)
        .Accommodation(1, 4)
        .Craft(1, 1)
        .AcceptDefaultCrew();
    ExpectSound(scout);
    EXPECT_EQ(scout.design().HullKL(), 1350);
    EXPECT_EQ(scout.design().Slots[Slot::JumpDrive].KL, 3 * kKlPerTon)
        << "jump 2 on 100 tons takes 3 tons";
    EXPECT_LE(scout.Crew(), 4) << scout.Figures();
}

TEST(ReferenceShips, ATwoHundredTonTraderWithJumpOneOneGCargoAndPassengers) {
    ShipBuilder trader(12);
    trader.Hull(200, 3, 2, 4, "0", 1)
        .Power(7, 70, 720)
        .Drives(1, 1, 2, true)
        .Electronics(2, false)
        .Sensor("SA", 6, 1)
        .Sensor("SA", 12, 1)
        .Sensor("SV", 5, 1)
        .Communicator(4, 1)
        .Control(3, 0, 6, false)
        .Accommodation(1, 10)
        .Accommodation(5, 20)
        .Passengers(6, 2, 20)
        .AcceptDefaultCrew();
    ExpectSound(trader);
    const double cargo_tons = (trader.design().HullKL() - trader.design().UsedKL()) / kKlPerTon;
    EXPECT_GE(cargo_tons, 40) << trader.Figures();
    EXPECT_LE(trader.Crew(), 10) << trader.Figures();
}

TEST(ReferenceShips, AThousandTonEscortWithTheBestScreensOfItsTechLevel) {
    ShipBuilder escort(15);
    escort.Hull(1000, 3, 2, 4, "6", 16)
        .Power(8, 950, 720)
        .Drives(3, 3, 3, true)
        .Electronics(4, true)
        .Sensor("SA", 6, 1)
        .Sensor("SA", 12, 1)
        .Sensor("SV", 5, 1)
        .Sensor("SD", 14, 1)
        .Sensor("SN", 3, 1)
        .Communicator(5, 1)
        .Communicator(7, 1)
        .Bay(2, 1)
        .Magazine(2)
        .Turret(6, 4, "1")
        .Turret(12, 2, "1")
        .Turret(9, 2, "1")
        .Screen(4, 1)
        .Screen(9, 1)
        .Screen(12, 1)
        .Control(9, 7, 7, true)
        .Accommodation(1, 30)
        .AcceptDefaultCrew();
    ExpectSound(escort);
    const Design& design = escort.design();
    EXPECT_EQ(design.Hardpoints(), 10);
    EXPECT_EQ(design.Slots[Slot::AuxiliaryBridge].NUMBER, 1);
    EXPECT_GT(design.Slots[Slot::AuxiliaryBridge].KL, 0)
        << "the auxiliary bridge is sized by the bridge crew";
    EXPECT_GT(design.Slots[Slot::EmMask].KL, 0) << "the EM mask is fitted";
    EXPECT_LT(escort.Crew(), 100) << escort.Figures();
}

}  // namespace
}  // namespace korvane
