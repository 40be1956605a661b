#include "engine/breakdown.h"

#include "engine/totals.h"

namespace korvane {

std::string_view BreakdownSectionName(BreakdownSection section) {
    static constexpr std::string_view kNames[kBreakdownSectionCount] = {"Hull and armour",
                                                                        "Power plant and fuel",
                                                                        "Drives and fuel",
                                                                        "Electronics",
                                                                        "Weapons",
                                                                        "Screens",
                                                                        "Control and computers",
                                                                        "Crew and accommodation",
                                                                        "Craft",
                                                                        "Other"};
    const auto index = static_cast<std::size_t>(section);
    return index < kBreakdownSectionCount ? kNames[index] : kNames[kBreakdownSectionCount - 1];
}

BreakdownSection SectionOfSlot(int slot_number) {
    switch (static_cast<Slot>(slot_number)) {
        case Slot::Hull:
        case Slot::Configuration:
        case Slot::Armour:
            return BreakdownSection::HullAndArmour;
        case Slot::PowerPlant:
        case Slot::PlantFuel:
            return BreakdownSection::PowerPlantAndFuel;
        case Slot::JumpDrive:
        case Slot::JumpFuel:
        case Slot::ManeuverDrive:
        case Slot::FuelScoops:
        case Slot::Purifiers:
        case Slot::DriveOptions:
            return BreakdownSection::DrivesAndFuel;
        case Slot::Sensors:
        case Slot::Avionics:
        case Slot::Communicators:
        case Slot::EmMask:
            return BreakdownSection::Electronics;
        case Slot::Weapons:
        case Slot::SpinalMount:
        case Slot::Magazine:
            return BreakdownSection::Weapons;
        case Slot::Screens:
            return BreakdownSection::Screens;
        case Slot::MainComputer:
        case Slot::BackupComputer:
        case Slot::Panels:
        case Slot::PanelAddOns:
        case Slot::AuxiliaryBridge:
            return BreakdownSection::ControlAndComputers;
        case Slot::Crew:
        case Slot::PassengersAndCrewTotal:
        case Slot::Accommodation:
        case Slot::Environment:
            return BreakdownSection::CrewAndAccommodation;
        case Slot::LaunchTube:
        case Slot::SubordinateCraft:
            return BreakdownSection::Craft;
        default:
            return BreakdownSection::Other;
    }
}

std::string_view QuantityUnit(BreakdownQuantity quantity) {
    switch (quantity) {
        case BreakdownQuantity::Volume:
            return "KL";
        case BreakdownQuantity::Power:
            return "MW";
        case BreakdownQuantity::Cost:
            break;
    }
    return "MCr";
}

double FigureOf(const SectionFigures& figures, BreakdownQuantity quantity) {
    switch (quantity) {
        case BreakdownQuantity::Volume:
            return figures.KL;
        case BreakdownQuantity::Power:
            return figures.MW;
        case BreakdownQuantity::Cost:
            break;
    }
    return figures.CR / 1'000'000;
}

Breakdown DesignBreakdown(const Design& design) {
    Breakdown breakdown;
    for (int number = 1; number <= kSlotCount; ++number) {
        const auto slot = static_cast<Slot>(number);
        const ComponentRecord& record = design.Slots[slot];
        if (!engine::CountsInTotals(slot, record)) {
            continue;
        }
        SectionFigures& figures =
            breakdown.sections[static_cast<std::size_t>(SectionOfSlot(number))];
        if (engine::CountsInUsedVolume(slot)) {
            figures.KL += record.KL;
        }
        figures.MW += record.MW;
        figures.CR += record.CR;
    }
    breakdown.total = {design.UsedKL(), design.UsedMW(), design.TotalCr()};
    return breakdown;
}

}  // namespace korvane
