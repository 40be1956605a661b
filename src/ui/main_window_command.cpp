#include "ui/main_window_command.h"

namespace korvane::ui {

std::string_view CommandCaption(MainWindowCommand command) {
    switch (command) {
        case MainWindowCommand::Hull:
            return "Hull && basic data";
        case MainWindowCommand::Power:
            return "Power";
        case MainWindowCommand::Drives:
            return "Drives";
        case MainWindowCommand::Electronics:
            return "Electronics";
        case MainWindowCommand::Weapons:
            return "Weapons && screens";
        case MainWindowCommand::Control:
            return "Control && computers";
        case MainWindowCommand::Crew:
            return "Crew && accomodation";
        case MainWindowCommand::Craft:
            return "Subordinate craft";
        case MainWindowCommand::Other:
            return "Other";
        case MainWindowCommand::Reset:
            return "Reset";
        case MainWindowCommand::Exit:
            return "Exit";
        case MainWindowCommand::Recalculate:
            return "Recalculate";
        case MainWindowCommand::FastResave:
            return "Fast resave";
        case MainWindowCommand::LoadDesign:
            return "Load Design";
        case MainWindowCommand::SaveAs:
            return "Save As...";
        case MainWindowCommand::EditNotes:
            return "Edit notes";
        case MainWindowCommand::ViewProfile:
            return "View Profile";
        case MainWindowCommand::LastEdits:
            return "Last x edits...";
        case MainWindowCommand::BulkSave:
            return "Bulk save options";
        case MainWindowCommand::PoshPrint:
            return "Posh Print!";
        case MainWindowCommand::ListFeatures:
            return "List features";
        case MainWindowCommand::CompareWith:
            return "Compare with...";
        case MainWindowCommand::About:
            return "About";
    }
    return {};
}

std::optional<Section> SectionOf(MainWindowCommand command) {
    switch (command) {
        case MainWindowCommand::Hull:
            return Section::Hull;
        case MainWindowCommand::Power:
            return Section::Power;
        case MainWindowCommand::Drives:
            return Section::Drives;
        case MainWindowCommand::Electronics:
            return Section::Electronics;
        case MainWindowCommand::Weapons:
            return Section::Weapons;
        case MainWindowCommand::Control:
            return Section::Control;
        case MainWindowCommand::Crew:
            return Section::Crew;
        case MainWindowCommand::Craft:
            return Section::Craft;
        case MainWindowCommand::Other:
            return Section::Other;
        default:
            return std::nullopt;
    }
}

}  // namespace korvane::ui
