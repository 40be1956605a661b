#pragma once

#include <QMetaObject>
#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "ui/controls.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace korvane::gui {

// Copies a control of the window logic to its widget: the caption, the
// colour (black is the style's own text colour), enabled and visible. A
// label's caption is shown as it stands, since labels carry the design's
// texts (a ship named "Harrow & Vane" keeps its "&"); a button's "&" marks its
// access key.
void ShowLabel(QLabel& widget, const ui::Label& label);
void ShowButton(QAbstractButton& widget, const ui::Button& button);

// A window's controls bound to their widgets. What the user does goes into
// the plain-data control at once, and then the handler runs (the logic's
// event); Show() copies every control to its widget without the widgets
// reporting that back, so filling a window never counts as the user's change.
// The controls and widgets must outlive the bindings' use. The bindings end
// with their owner: a widget destroyed after it (a view's child widgets go
// after the view's members) reports nothing more, so no focus change while a
// window is torn down reaches a half-destroyed view.
class ControlBindings {
public:
    using Handler = std::function<void()>;

    ControlBindings() = default;
    ~ControlBindings();
    ControlBindings(const ControlBindings&) = delete;
    ControlBindings& operator=(const ControlBindings&) = delete;

    // An edit by the user writes the text back; `edited` runs after each one.
    void Bind(QLineEdit& widget, ui::TextBox& box, Handler edited = {});
    void Bind(QPlainTextEdit& widget, ui::TextBox& box, Handler edited = {});
    // A click by the user writes the check state back, then `toggled` runs.
    void Bind(QCheckBox& widget, ui::CheckBox& box, Handler toggled = {});
    // The user's pick selects its row, then `picked` runs. The rows carry
    // the item data as their user data.
    void Bind(QComboBox& widget, ui::ListBox& list, Handler picked = {});
    // Moving to a row (mouse or keys) selects it, then `clicked` runs; a
    // double-click selects its row and runs `double_clicked`. A row shows
    // `shown` of its text (the whole text by default) and its tooltip.
    using RowText = std::function<QString(const std::string& row)>;
    void Bind(QListWidget& widget, ui::ListBox& list, Handler clicked = {},
              Handler double_clicked = {}, RowText shown = {});
    // Shown only: the logic sets them. A button's click runs `clicked`.
    void Bind(QLabel& widget, const ui::Label& label);
    void Bind(QAbstractButton& widget, const ui::Button& button, Handler clicked = {});

    // Copies every bound control to its widget, in the order they were bound.
    void Show() const;

private:
    std::vector<std::function<void()>> show_;
    std::vector<QMetaObject::Connection> connections_;
};

}  // namespace korvane::gui
