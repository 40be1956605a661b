#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace korvane::ui {

// The sections of a design that the main window opens an editor for.
enum class Section {
    Hull,
    Power,
    Drives,
    Electronics,
    Weapons,
    Control,
    Crew,
    Craft,
    Other,
};

inline constexpr std::size_t kSectionCount = static_cast<std::size_t>(Section::Other) + 1;

// How the program names a section wherever it shows it: its name (the object
// name of its button), the caption of its button in the main window ("&"
// marks the access key, "&&" shows as one "&") and the desktop theme's icon
// for that button. The main window's buttons and the section-editor host
// read it; the editor of each section is the host's.
struct SectionName {
    Section section;
    std::string_view name;
    std::string_view caption;
    std::string_view icon;
};

inline constexpr std::array<SectionName, kSectionCount> kSections{{
    {Section::Hull, "Hull", "&Hull && basic data", "document-properties"},
    {Section::Power, "Power", "&Power", "battery"},
    {Section::Drives, "Drives", "&Drives", "go-jump"},
    {Section::Electronics, "Electronics", "&Electronics", "network-wireless"},
    {Section::Weapons, "Weapons", "&Weapons && screens", "security-high"},
    {Section::Control, "Control", "Control && co&mputers", "computer"},
    {Section::Crew, "Crew", "&Crew && accomodation", "system-users"},
    {Section::Craft, "Craft", "Su&bordinate craft", "applications-engineering"},
    {Section::Other, "Other", "O&ther", "list-add"},
}};

constexpr const SectionName& NameOf(Section section) {
    return kSections[static_cast<std::size_t>(section)];
}

}  // namespace korvane::ui
