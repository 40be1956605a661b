#pragma once

namespace korvane::gui {

// Where an editor's content is shown: in a window of its own, written on
// "Accept" or "Done" and closed by them, or as the designer's panel, which
// stores each committed field at once and has no buttons that close it.
enum class EditorPlace { Window, Panel };

}  // namespace korvane::gui
