#pragma once

#include <functional>
#include <vector>

#include "ui/controls.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace korvane::gui {

// The controls of a section editor's logic bound to their widgets both ways:
// what the user does goes to the logic at once; Show() copies the logic's
// state to every widget without the widgets reporting it back as edits, so
// that filling a window never counts as a change.
class EditorBindings {
public:
    // `edited` runs after each edit by the user, when the logic reacts to it.
    void Bind(QLineEdit& widget, ui::TextBox& box, std::function<void()> edited = {});
    void Bind(QCheckBox& widget, ui::CheckBox& box);
    void Bind(QComboBox& widget, ui::ListBox& list);
    // Shown only: the logic sets them.
    void Bind(QLabel& widget, const ui::Label& label);
    void Bind(QAbstractButton& widget, const ui::Button& button);

    void Show() const;

private:
    std::vector<std::function<void()>> show_;
};

}  // namespace korvane::gui
