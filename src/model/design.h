#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/component_record.h"

namespace korvane {

// Highest entry index of each table; entry 0 is the empty entry and is never used.
inline constexpr int kSlotCount = 40;
inline constexpr int kSensorsMax = 10;
inline constexpr int kCommunicatorsMax = 10;
inline constexpr int kTurretsMax = 10;
inline constexpr int kBaysMax = 10;
inline constexpr int kScreensMax = 5;
inline constexpr int kAccommodationsMax = 50;
inline constexpr int kCraftMax = 10;
inline constexpr int kEnvironmentMax = 6;
inline constexpr int kAntiHijackMax = 15;
inline constexpr int kAntiHijackCounted = 10;  // the recalculation sums entries 1–10 only
inline constexpr int kCustomFeaturesMax = 10;

inline constexpr double kKlPerTon = 13.5;

// Entries 0..Max of one design table.
template <int Max>
using ItemTable = std::array<ComponentRecord, Max + 1>;

// The fixed slots of a design, by what each holds. Slots 34–40 are free and
// have no name.
enum class Slot : int {
    Empty = 0,  // never written: copied over a slot to clear it
    Hull = 1,
    Configuration = 2,
    Armour = 3,
    PowerPlant = 4,
    PlantFuel = 5,
    JumpDrive = 6,
    JumpFuel = 7,
    ManeuverDrive = 8,
    FuelScoops = 9,
    Purifiers = 10,
    Sensors = 11,
    Avionics = 12,
    Communicators = 13,
    EmMask = 14,
    Weapons = 15,
    SpinalMount = 16,
    Screens = 17,
    Magazine = 18,
    MainComputer = 19,
    BackupComputer = 20,
    Panels = 21,
    PanelAddOns = 22,
    Crew = 23,                    // crew categories 1–10
    PassengersAndCrewTotal = 24,  // categories 11–13 (the passengers) and the crew total
    Accommodation = 25,
    LaunchTube = 26,
    SubordinateCraft = 27,
    Environment = 28,
    AntiHijack = 29,
    CustomFeatures = 30,
    ShipType = 31,
    AuxiliaryBridge = 32,
    DriveOptions = 33,
};

// The slots 0..kSlotCount, read and written by name. Walks over every slot
// (the file layout, the totals, the feature list) go by number.
class SlotTable {
public:
    ComponentRecord& operator[](Slot slot) { return records_[static_cast<std::size_t>(slot)]; }
    const ComponentRecord& operator[](Slot slot) const {
        return records_[static_cast<std::size_t>(slot)];
    }
    ComponentRecord& ByNumber(int number) { return records_[static_cast<std::size_t>(number)]; }
    const ComponentRecord& ByNumber(int number) const {
        return records_[static_cast<std::size_t>(number)];
    }

    ComponentRecord* begin() { return records_.data(); }
    ComponentRecord* end() { return records_.data() + records_.size(); }
    const ComponentRecord* begin() const { return records_.data(); }
    const ComponentRecord* end() const { return records_.data() + records_.size(); }
    static constexpr std::size_t size() { return kSlotCount + 1; }

    friend bool operator==(const SlotTable&, const SlotTable&) = default;

private:
    std::array<ComponentRecord, kSlotCount + 1> records_{};
};

// The blocks of the recalculation that can find problems (index into
// Design::BlockProblems). Each block replaces its own list when it runs; the
// status summary joins them with the limit breaks into Design::Problems.
enum class ProblemSource : int {
    Hull,
    Power,
    Drives,
    Electronics,
    Weapons,
    Screens,
    Features,  // accommodation, environment, anti-hijack, custom features, auxiliary bridge
    Craft,
    Control,
    Crew,
    Totals,
    Count
};
inline constexpr std::size_t kProblemSourceCount = static_cast<std::size_t>(ProblemSource::Count);

// The one design held in memory: the slots, the ten item tables, the two
// design-wide records and the working values of the recalculation. A field
// added here belongs in BitwiseEqual too: the whole recalculation repeats until
// that comparison finds nothing changed.
struct Design {
    SlotTable Slots;
    ItemTable<kSensorsMax> Sensors{};
    ItemTable<kCommunicatorsMax> Communicators{};
    ItemTable<kTurretsMax> Turrets{};
    ItemTable<kBaysMax> Bays{};
    ItemTable<kScreensMax> Screens{};
    ItemTable<kAccommodationsMax> Accommodations{};
    ItemTable<kCraftMax> Craft{};
    ItemTable<kEnvironmentMax> Environment{};
    ItemTable<kAntiHijackMax> AntiHijack{};
    ItemTable<kCustomFeaturesMax> CustomFeatures{};

    ComponentRecord DesignRecord{};
    ComponentRecord CapacityRecord{};

    // Working values of the recalculation; not stored in design files.
    std::array<double, 9> ControlPoints{};  // areas 1–8
    double ControlTotal = 0;
    double ControlRemaining = 0;
    std::array<std::array<double, 4>, 13> WeaponFactors{};  // [type 0–12][mounting 0–3]
    std::array<std::array<double, 4>, 13> WeaponCounts{};
    std::array<std::string, 7> SensorCodes{};  // positions 1–6
    std::vector<std::string> Problems;  // why the last recalculation found the design unsound
    // What each block found in its last run (see ProblemSource); Problems joins these.
    std::array<std::vector<std::string>, kProblemSourceCount> BlockProblems{};

    bool DesignChanged = false;

    // Tables 3–13 of a design file, in file order: the slots, then the ten item tables.
    static constexpr std::size_t kTableCount = 11;
    std::span<ComponentRecord> Table(std::size_t index);
    std::span<const ComponentRecord> Table(std::size_t index) const;

    // Named fields of the design-wide records.
    FixedText<20>& ShipName1() { return DesignRecord.LABEL; }
    FixedText<10>& ShipName2() { return DesignRecord.MISCSTR[1]; }
    FixedText<10>& ShipName3() { return DesignRecord.MISCSTR[2]; }
    FixedText<10>& ShipName4() { return DesignRecord.MISCSTR[3]; }
    std::string ShipName() const;  // the four parts joined, 50 characters
    void SetShipName(std::string_view name);

    std::int16_t& DesignTL() { return DesignRecord.TL; }
    std::int16_t DesignTL() const { return DesignRecord.TL; }
    double& UsedKL() { return DesignRecord.KL; }
    double UsedKL() const { return DesignRecord.KL; }
    double& TotalTons() { return DesignRecord.TONS; }
    double TotalTons() const { return DesignRecord.TONS; }
    double& TotalCr() { return DesignRecord.CR; }
    double TotalCr() const { return DesignRecord.CR; }
    double& UsedMW() { return DesignRecord.MW; }
    double UsedMW() const { return DesignRecord.MW; }
    double& UsedHardpoints() { return DesignRecord.MISCNUM[1]; }
    double UsedHardpoints() const { return DesignRecord.MISCNUM[1]; }
    double& DesignValid() { return DesignRecord.MISCNUM[2]; }
    double DesignValid() const { return DesignRecord.MISCNUM[2]; }
    double& HullKL() { return CapacityRecord.KL; }
    double HullKL() const { return CapacityRecord.KL; }
    double& AvailableMW() { return CapacityRecord.MW; }
    double AvailableMW() const { return CapacityRecord.MW; }
    double& Hardpoints() { return CapacityRecord.MISCNUM[1]; }
    double Hardpoints() const { return CapacityRecord.MISCNUM[1]; }
};

}  // namespace korvane
