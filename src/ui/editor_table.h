#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "engine/breakdown.h"
#include "model/design.h"
#include "ui/section.h"

namespace korvane::ui {

// Every editor of the program: the nine sections' editors and the editors
// that one of them leads on to.
enum class EditorId {
    Hull,
    Power,
    Drives,
    Electronics,
    Sensors,
    Communicators,
    Weapons,
    Turrets,
    Bays,
    Screens,
    Control,
    Crew,
    Craft,
    Other,
    AntiHijack,
    CustomFeatures,
};

inline constexpr std::size_t kEditorCount = static_cast<std::size_t>(EditorId::CustomFeatures) + 1;

// Which editor opens which, and how each is shown wherever it is shown: the
// main window's buttons (through the sections), the separate windows and
// where their "Done" leads, and the designer's outline with its shares and
// problem marks.
struct EditorEntry {
    EditorId id;
    std::string_view name;     // the object name of its window and its outline node
    std::string_view caption;  // in the outline and the designer's panel heading
    std::string_view icon;     // the desktop theme's icon
    // The editor that leads on to this one and that its "Done" shows again;
    // none for a section's own editor, which goes back to the main window.
    std::optional<EditorId> parent;
    // The section whose button opens it; none for an editor led on to.
    std::optional<Section> section;
    // The breakdown's parts counted in its share of the design.
    std::span<const BreakdownSection> breakdown;
    // The recalculation's blocks whose problems concern it.
    std::span<const ProblemSource> problems;
};

const std::array<EditorEntry, kEditorCount>& Editors();

const EditorEntry& EntryOf(EditorId id);

// The editor a section's button opens.
EditorId EditorOf(Section section);

// The editors `id` leads on to, in the table's order.
std::vector<EditorId> ChildrenOf(EditorId id);

}  // namespace korvane::ui
