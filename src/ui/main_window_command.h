#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "ui/section.h"

namespace korvane::ui {

// The main window's commands, one for each of its buttons.
enum class MainWindowCommand {
    // The section editors, in the order of kSections.
    Hull,
    Power,
    Drives,
    Electronics,
    Weapons,
    Control,
    Crew,
    Craft,
    Other,
    // The design and file commands.
    Reset,
    Exit,
    Recalculate,
    FastResave,
    LoadDesign,
    SaveAs,
    EditNotes,
    ViewProfile,
    LastEdits,
    BulkSave,
    PoshPrint,
    ListFeatures,
    CompareWith,
    // The design's history.
    Undo,
    Redo,
    About,
};

inline constexpr std::size_t kMainWindowCommandCount =
    static_cast<std::size_t>(MainWindowCommand::About) + 1;

// The caption of the command's button: "&" marks its access key, unique in
// the window, and "&&" shows as one "&".
std::string_view CommandCaption(MainWindowCommand command);

// The section whose editor the command opens; none for the other commands.
constexpr std::optional<Section> SectionOf(MainWindowCommand command) {
    const auto index = static_cast<std::size_t>(command);
    return index < kSectionCount ? std::optional(kSections[index].section) : std::nullopt;
}
constexpr MainWindowCommand CommandOf(Section section) {
    return static_cast<MainWindowCommand>(section);
}
static_assert(SectionOf(MainWindowCommand::Other) == Section::Other &&
              !SectionOf(MainWindowCommand::Reset));

// A keyboard shortcut of the main window: the keys as a key sequence reads
// ("Ctrl+Shift+S") and the command it runs.
struct Shortcut {
    std::string_view keys;
    MainWindowCommand command;
};

inline constexpr std::array<Shortcut, 9> kMainWindowShortcuts{{
    {"Ctrl+O", MainWindowCommand::LoadDesign},
    {"Ctrl+S", MainWindowCommand::FastResave},
    {"Ctrl+Shift+S", MainWindowCommand::SaveAs},
    {"Ctrl+P", MainWindowCommand::PoshPrint},
    {"F5", MainWindowCommand::Recalculate},
    {"Ctrl+Q", MainWindowCommand::Exit},
    {"Ctrl+Z", MainWindowCommand::Undo},
    {"Ctrl+Shift+Z", MainWindowCommand::Redo},
    {"Ctrl+Y", MainWindowCommand::Redo},
}};

}  // namespace korvane::ui
