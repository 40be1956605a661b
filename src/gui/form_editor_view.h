#pragma once

#include <QWidget>

#include <functional>
#include <initializer_list>
#include <vector>

#include "gui/control_binding.h"
#include "gui/editor_place.h"
#include "ui/editors/form_editor.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace korvane::gui {

// A form editor's content: the section's frame with its fields, labels beside
// them, and the editor's own buttons under it. In a window of its own (shown
// modelessly) "Accept" and "Cancel" follow them; Enter accepts, Escape and
// the close box cancel, and the window hides itself when its logic closes.
// As the designer's panel it has neither: each committed field is stored.
class FormEditorView : public QWidget {
    Q_OBJECT

public:
    // Fills the editor from the design and shows the window.
    void Open();
    // Fills the editor from the design for the designer's panel.
    void ShowInPanel();
    // Copies the logic's state to the widgets.
    void Refresh();

signals:
    // The window hid itself: the window it came from shows again.
    void closed();
    // The window was minimised or restored; the totals window follows.
    void minimisedChanged(bool minimised);

protected:
    FormEditorView(ui::FormEditor& logic, EditorPlace place);

    // The widgets of the logic's controls, in the frame and bound to them;
    // the names let tests and style sheets find them.
    QLineEdit* NewTextBox(ui::TextBox& box, const char* name, std::function<void()> edited = {},
                          QWidget* parent = nullptr);
    QComboBox* NewComboBox(ui::ListBox& list, const char* name);
    QCheckBox* NewCheckBox(ui::CheckBox& box, const char* name, QWidget* parent = nullptr);
    QLabel* NewValueLabel(const ui::Label& label, const char* name);
    // A button that leads on to another editor: a window hides itself, then
    // `lead_on` runs.
    QToolButton* NewLeadOnButton(const ui::Button& button, const char* name,
                                 const QString& tool_tip, const std::function<void()>& lead_on);

    // A field with its caption before it and, after it, what belongs beside
    // it; the caption's access key moves to the field.
    void AddField(const ui::Label& caption, QWidget* field,
                  std::initializer_list<QWidget*> beside = {});
    // A widget on a row of its own, across the frame.
    void AddWide(QWidget* widget);
    QGroupBox& Frame() { return *frame_; }
    // A button of the editor's own, before "Accept" and "Cancel".
    QPushButton* AddButton(const ui::Button& button, const char* name,
                           const std::function<void()>& click);
    // "Check", which stores without closing: a window's alone, since the
    // panel stores every field as it is committed.
    void AddCheckButton(const ui::Button& button, const std::function<void()>& check);

    ControlBindings& bindings() { return bindings_; }
    EditorPlace Place() const { return place_; }

    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Accept();
    void Cancel();
    // In the panel a box whose text is no number shows it, and stores nothing.
    void ShowCommitted(QLineEdit& box, ui::CommitResult result);
    void Close();
    // Tab goes through the fields as they stand, row by row, then the buttons.
    void InTabOrder(QWidget* widget);
    void SetTabOrder();

    ui::FormEditor& logic_;
    EditorPlace place_;
    ControlBindings bindings_;
    QGroupBox* frame_;
    QGridLayout* fields_;
    QHBoxLayout* own_buttons_;
    QPushButton* accept_ = nullptr;  // in a window only
    QPushButton* cancel_ = nullptr;
    std::vector<QWidget*> tab_order_;
    bool opened_ = false;  // opened once: the tab order is set
    ui::DesignFollower follower_{logic_.Document(), [this] { Refresh(); }};
};

}  // namespace korvane::gui
