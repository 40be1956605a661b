#include "ui/main_window_command.h"

namespace korvane::ui {

std::string_view CommandCaption(MainWindowCommand command) {
    if (const std::optional<Section> section = SectionOf(command)) {
        return NameOf(*section).caption;
    }
    switch (command) {
        case MainWindowCommand::Hull:
        case MainWindowCommand::Power:
        case MainWindowCommand::Drives:
        case MainWindowCommand::Electronics:
        case MainWindowCommand::Weapons:
        case MainWindowCommand::Control:
        case MainWindowCommand::Crew:
        case MainWindowCommand::Craft:
        case MainWindowCommand::Other:
            break;  // named by kSections, above
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

}  // namespace korvane::ui
