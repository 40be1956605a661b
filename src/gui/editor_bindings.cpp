#include "gui/editor_bindings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include <optional>

#include "gui/control_binding.h"
#include "gui/qt_text.h"

namespace korvane::gui {

namespace {

bool SameRows(const QComboBox& widget, const ui::ListBox& list) {
    if (widget.count() != list.Count()) {
        return false;
    }
    for (int row = 0; row < list.Count(); ++row) {
        if (widget.itemText(row) != QtText(list.Text(row))) {
            return false;
        }
    }
    return true;
}

}  // namespace

void EditorBindings::Bind(QLineEdit& widget, ui::TextBox& box, std::function<void()> edited) {
    QObject::connect(&widget, &QLineEdit::textEdited, &widget,
                     [&box, edited = std::move(edited)](const QString& text) {
                         box.text = Cp1252Text(text);
                         if (edited) {
                             edited();
                         }
                     });
    show_.push_back([&widget, &box] {
        const QSignalBlocker quiet(widget);
        // Texts the user has not edited keep their exact bytes in the logic.
        if (Cp1252Text(widget.text()) != box.text) {
            widget.setText(QtText(box.text));
        }
        widget.setEnabled(box.enabled);
    });
}

void EditorBindings::Bind(QCheckBox& widget, ui::CheckBox& box) {
    QObject::connect(&widget, &QCheckBox::toggled, &widget,
                     [&box](bool checked) { box.checked = checked; });
    show_.push_back([&widget, &box] {
        const QSignalBlocker quiet(widget);
        widget.setText(QtText(box.caption));
        widget.setChecked(box.checked);
        widget.setEnabled(box.enabled);
    });
}

void EditorBindings::Bind(QComboBox& widget, ui::ListBox& list) {
    QObject::connect(&widget, &QComboBox::currentIndexChanged, &widget, [&list](int row) {
        list.Select(row < 0 ? std::nullopt : std::optional<int>(row));
    });
    show_.push_back([&widget, &list] {
        const QSignalBlocker quiet(widget);
        if (!SameRows(widget, list)) {
            widget.clear();
            for (int row = 0; row < list.Count(); ++row) {
                widget.addItem(QtText(list.Text(row)), list.ItemData(row));
            }
        }
        widget.setCurrentIndex(list.Selected().value_or(-1));
    });
}

void EditorBindings::Bind(QLabel& widget, const ui::Label& label) {
    show_.push_back([&widget, &label] { ShowLabel(widget, label); });
}

void EditorBindings::Bind(QAbstractButton& widget, const ui::Button& button) {
    show_.push_back([&widget, &button] { ShowButton(widget, button); });
}

void EditorBindings::Show() const {
    for (const auto& show : show_) {
        show();
    }
}

}  // namespace korvane::gui
