#include "ui/main_window_command.h"

namespace korvane::ui {

std::string_view CommandCaption(MainWindowCommand command) {
    switch (command) {
        case MainWindowCommand::Hull:
            return "&Hull && basic data";
        case MainWindowCommand::Power:
            return "&Power";
        case MainWindowCommand::Drives:
            return "&Drives";
        case MainWindowCommand::Electronics:
            return "&Electronics";
        case MainWindowCommand::Weapons:
            return "&Weapons && screens";
        case MainWindowCommand::Control:
            return "Control && co&mputers";
        case MainWindowCommand::Crew:
            return "&Crew && accomodation";
        case MainWindowCommand::Craft:
            return "Su&bordinate craft";
        case MainWindowCommand::Other:
            return "O&ther";
        case MainWindowCommand::Reset:
            return "&Reset";
        case MainWindowCommand::Exit:
            return "Ex&it";
        case MainWindowCommand::Recalculate:
            return "Recalc&ulate";
        case MainWindowCommand::FastResave:
            return "&Fast resave";
        case MainWindowCommand::LoadDesign:
            return "Load Desi&gn";
        case MainWindowCommand::SaveAs:
            return "&Save As...";
        case MainWindowCommand::EditNotes:
            return "Edit &notes";
        case MainWindowCommand::ViewProfile:
            return "&View Profile";
        case MainWindowCommand::LastEdits:
            return "Last &x edits...";
        case MainWindowCommand::BulkSave:
            return "Bul&k save options";
        case MainWindowCommand::PoshPrint:
            return "P&osh Print!";
        case MainWindowCommand::ListFeatures:
            return "&List features";
        case MainWindowCommand::CompareWith:
            return "Comp&are with...";
        // The letters run out: these are reached by Tab, Undo and Redo by their keys.
        case MainWindowCommand::Undo:
            return "Undo";
        case MainWindowCommand::Redo:
            return "Redo";
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
