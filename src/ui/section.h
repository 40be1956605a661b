#pragma once

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

}  // namespace korvane::ui
