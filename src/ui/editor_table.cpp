#include "ui/editor_table.h"

#include <algorithm>

namespace korvane::ui {

namespace {

using B = BreakdownSection;
using P = ProblemSource;

constexpr B kHullParts[] = {B::HullAndArmour};
constexpr B kPowerParts[] = {B::PowerPlantAndFuel};
constexpr B kDrivesParts[] = {B::DrivesAndFuel};
constexpr B kElectronicsParts[] = {B::Electronics};
constexpr B kWeaponsParts[] = {B::Weapons, B::Screens};
constexpr B kScreensParts[] = {B::Screens};
constexpr B kControlParts[] = {B::ControlAndComputers};
constexpr B kCrewParts[] = {B::CrewAndAccommodation};
constexpr B kCraftParts[] = {B::Craft};
constexpr B kOtherParts[] = {B::Other};

// The whole design's figures out of range count against the hull, where the design starts.
constexpr P kHullProblems[] = {P::Hull, P::Totals};
constexpr P kPowerProblems[] = {P::Power};
constexpr P kDrivesProblems[] = {P::Drives};
constexpr P kElectronicsProblems[] = {P::Electronics};
constexpr P kWeaponsProblems[] = {P::Weapons, P::Screens};
constexpr P kScreensProblems[] = {P::Screens};
constexpr P kControlProblems[] = {P::Control};
// Accommodation and environment, the features block's main parts, are the crew window's.
constexpr P kCrewProblems[] = {P::Crew, P::Features};
constexpr P kCraftProblems[] = {P::Craft};

using E = EditorId;

constexpr std::array<EditorEntry, kEditorCount> kEditors{{
    {E::Hull,
     "Hull",
     "Hull & basic data",
     "document-properties",
     {},
     Section::Hull,
     kHullParts,
     kHullProblems},
    {E::Power, "Power", "Power", "battery", {}, Section::Power, kPowerParts, kPowerProblems},
    {E::Drives, "Drives", "Drives", "go-jump", {}, Section::Drives, kDrivesParts, kDrivesProblems},
    {E::Electronics,
     "Electronics",
     "Electronics",
     "network-wireless",
     {},
     Section::Electronics,
     kElectronicsParts,
     kElectronicsProblems},
    {E::Sensors, "Sensors", "Sensors", "camera-web", E::Electronics, {}, {}, {}},
    {E::Communicators,
     "Communicators",
     "Communicators",
     "network-transmit",
     E::Electronics,
     {},
     {},
     {}},
    {E::Weapons,
     "Weapons",
     "Weapons & screens",
     "security-high",
     {},
     Section::Weapons,
     kWeaponsParts,
     kWeaponsProblems},
    {E::Turrets, "Turrets", "Turrets", "view-grid", E::Weapons, {}, {}, {}},
    {E::Bays, "Bays", "Bays", "drive-harddisk", E::Weapons, {}, {}, {}},
    {E::Screens,
     "Screens",
     "Screens",
     "security-medium",
     E::Weapons,
     {},
     kScreensParts,
     kScreensProblems},
    {E::Control,
     "Control",
     "Control & computers",
     "computer",
     {},
     Section::Control,
     kControlParts,
     kControlProblems},
    {E::Crew,
     "Crew",
     "Crew & accommodation",
     "system-users",
     {},
     Section::Crew,
     kCrewParts,
     kCrewProblems},
    {E::Craft,
     "Craft",
     "Subordinate craft",
     "applications-engineering",
     {},
     Section::Craft,
     kCraftParts,
     kCraftProblems},
    {E::Other, "Other", "Other", "list-add", {}, Section::Other, kOtherParts, {}},
    {E::AntiHijack, "AntiHijack", "Anti-hijack", "system-lock-screen", E::Other, {}, {}, {}},
    {E::CustomFeatures, "CustomFeatures", "Custom features", "document-edit", E::Other, {}, {}, {}},
}};

constexpr bool InIdOrder() {
    for (std::size_t i = 0; i < kEditorCount; ++i) {
        if (static_cast<std::size_t>(kEditors[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(InIdOrder());

}  // namespace

const std::array<EditorEntry, kEditorCount>& Editors() {
    return kEditors;
}

const EditorEntry& EntryOf(EditorId id) {
    return kEditors[static_cast<std::size_t>(id)];
}

EditorId EditorOf(Section section) {
    return std::find_if(kEditors.begin(), kEditors.end(),
                        [section](const EditorEntry& entry) { return entry.section == section; })
        ->id;
}

std::vector<EditorId> ChildrenOf(EditorId id) {
    std::vector<EditorId> children;
    for (const EditorEntry& entry : kEditors) {
        if (entry.parent == id) {
            children.push_back(entry.id);
        }
    }
    return children;
}

}  // namespace korvane::ui
