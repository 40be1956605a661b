#pragma once

#include <functional>
#include <memory>

#include "app/session.h"
#include "gui/editor_place.h"
#include "ui/design_document.h"
#include "ui/editor_table.h"
#include "ui/prompter.h"

class QWidget;

namespace korvane::gui {

// One editor of the table of editors (ui::Editors()) as made: its logic and
// the content that shows it, in a window of its own or in the designer's panel.
class EditorInstance {
public:
    virtual ~EditorInstance() = default;

    virtual QWidget& View() = 0;
    // Fills the editor from the design (a form, the crew window) and shows
    // its window, as its section's button does.
    virtual void OpenWindow() = 0;
    // Fills the editor from the design for the designer's panel.
    virtual void FillPanel() = 0;

    // What the content asks of its host: its window was closed ("Done",
    // "Accept", "Cancel"), minimised or restored, or one of its buttons leads
    // on to another editor.
    std::function<void()> closed;
    std::function<void(bool minimised)> minimised;
    std::function<void(ui::EditorId)> leads_on;
};

// Makes the logic and the content of editor `id`.
std::unique_ptr<EditorInstance> MakeEditor(ui::EditorId id, Session& session,
                                           ui::DesignDocument& document, Prompter& prompter,
                                           EditorPlace place);

}  // namespace korvane::gui
