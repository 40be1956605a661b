#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "ui/prompter.h"

class QListWidget;

namespace korvane::gui {

// The unsaved changes recovered at the start, one line each in a list, with
// Restore, Delete and Keep for the chosen one and Delete All and Keep All.
// Keep All is the default: Enter, Escape and the close box change nothing.
class RecoveredChangesDialog final : public QDialog {
public:
    // Texts are Windows-1252, as the Prompter's.
    RecoveredChangesDialog(const std::string& title, const std::string& text,
                           const std::vector<std::string>& copies, QWidget* parent);

    // Shows the dialog until it is answered.
    RecoveredChoice Ask();

private:
    void Answer(RecoveredAction action);

    QListWidget* copies_;
    RecoveredChoice choice_;
};

}  // namespace korvane::gui
