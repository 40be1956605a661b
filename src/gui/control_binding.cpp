#include "gui/control_binding.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include <optional>
#include <utility>

#include "gui/qt_text.h"
#include "ui/controls.h"

namespace korvane::gui {

namespace {

void Run(const ControlBindings::Handler& handler) {
    if (handler) {
        handler();
    }
}

std::optional<int> RowOrNone(int row) {
    return row >= 0 ? std::optional<int>(row) : std::nullopt;
}

// A row's tooltip as it shows; none for a row without one.
QString ToolTipOf(const ui::ListBox& list, int row) {
    return list.ToolTip(row).empty() ? QString() : PlainToolTip(QtText(list.ToolTip(row)));
}

bool SameRows(const QComboBox& widget, const ui::ListBox& list) {
    if (widget.count() != list.Count()) {
        return false;
    }
    for (int row = 0; row < list.Count(); ++row) {
        if (widget.itemText(row) != QtText(list.Text(row)) ||
            widget.itemData(row).toInt() != list.ItemData(row) ||
            widget.itemData(row, Qt::ToolTipRole).toString() != ToolTipOf(list, row)) {
            return false;
        }
    }
    return true;
}

bool SameRows(const QListWidget& widget, const ui::ListBox& list,
              const ControlBindings::RowText& shown) {
    if (widget.count() != list.Count()) {
        return false;
    }
    for (int row = 0; row < list.Count(); ++row) {
        const QListWidgetItem& item = *widget.item(row);
        if (item.text() != shown(list.Text(row)) ||
            item.data(Qt::UserRole).toInt() != list.ItemData(row) ||
            item.toolTip() != PlainToolTip(QtText(list.ToolTip(row)))) {
            return false;
        }
    }
    return true;
}

}  // namespace

void ShowLabel(QLabel& widget, const ui::Label& label) {
    widget.setTextFormat(Qt::PlainText);
    widget.setText(QtText(label.caption));
    QPalette palette;  // no colour of its own: the window's
    if (label.colour != ui::kColourBlack) {
        palette.setColor(QPalette::WindowText, TextColour(label.colour));
    }
    widget.setPalette(palette);
    widget.setVisible(label.visible);
}

void ShowButton(QAbstractButton& widget, const ui::Button& button) {
    widget.setText(QtText(button.caption));
    widget.setEnabled(button.enabled);
    widget.setVisible(button.visible);
}

ControlBindings::~ControlBindings() {
    for (const QMetaObject::Connection& connection : connections_) {
        QObject::disconnect(connection);
    }
}

void ControlBindings::Bind(QLineEdit& widget, ui::TextBox& box, Handler edited) {
    connections_.push_back(
        QObject::connect(&widget, &QLineEdit::textEdited, &widget,
                         [&box, edited = std::move(edited)](const QString& text) {
                             box.text = Cp1252Text(text);
                             Run(edited);
                         }));
    show_.push_back([&widget, &box] {
        const QSignalBlocker quiet(widget);
        // A text the user has not touched keeps its exact bytes, and the caret stays.
        if (Cp1252Text(widget.text()) != box.text) {
            widget.setText(QtText(box.text));
        }
        widget.setEnabled(box.enabled);
        widget.setReadOnly(box.read_only);
    });
}

void ControlBindings::Bind(QPlainTextEdit& widget, ui::TextBox& box, Handler edited) {
    connections_.push_back(QObject::connect(&widget, &QPlainTextEdit::textChanged, &widget,
                                            [&widget, &box, edited = std::move(edited)] {
                                                box.text = Cp1252Text(widget.toPlainText());
                                                Run(edited);
                                            }));
    show_.push_back([&widget, &box] {
        const QSignalBlocker quiet(widget);
        if (Cp1252Text(widget.toPlainText()) != box.text) {
            widget.setPlainText(QtText(box.text));
        }
        widget.setEnabled(box.enabled);
        widget.setReadOnly(box.read_only);
    });
}

void ControlBindings::Bind(QCheckBox& widget, ui::CheckBox& box, Handler toggled) {
    connections_.push_back(QObject::connect(&widget, &QCheckBox::toggled, &widget,
                                            [&box, toggled = std::move(toggled)](bool checked) {
                                                box.checked = checked;
                                                Run(toggled);
                                            }));
    show_.push_back([&widget, &box] {
        const QSignalBlocker quiet(widget);
        widget.setText(QtText(box.caption));
        widget.setChecked(box.checked);
        widget.setEnabled(box.enabled);
    });
}

void ControlBindings::Bind(QComboBox& widget, ui::ListBox& list, Handler picked) {
    connections_.push_back(QObject::connect(&widget, &QComboBox::currentIndexChanged, &widget,
                                            [&list, picked = std::move(picked)](int row) {
                                                list.Select(RowOrNone(row));
                                                Run(picked);
                                            }));
    show_.push_back([&widget, &list] {
        const QSignalBlocker quiet(widget);
        if (!SameRows(widget, list)) {
            widget.clear();
            for (int row = 0; row < list.Count(); ++row) {
                widget.addItem(QtText(list.Text(row)), list.ItemData(row));
                widget.setItemData(row, ToolTipOf(list, row), Qt::ToolTipRole);
            }
        }
        widget.setCurrentIndex(list.Selected().value_or(-1));
    });
}

void ControlBindings::Bind(QListWidget& widget, ui::ListBox& list, Handler clicked,
                           Handler double_clicked, RowText shown) {
    if (!shown) {
        shown = [](const std::string& row) { return QtText(row); };
    }
    connections_.push_back(QObject::connect(&widget, &QListWidget::currentRowChanged, &widget,
                                            [&list, clicked = std::move(clicked)](int row) {
                                                list.Select(RowOrNone(row));
                                                Run(clicked);
                                            }));
    connections_.push_back(QObject::connect(
        &widget, &QListWidget::itemDoubleClicked, &widget,
        [&widget, &list, double_clicked = std::move(double_clicked)](QListWidgetItem* item) {
            list.Select(RowOrNone(widget.row(item)));
            Run(double_clicked);
        }));
    // Rows are rebuilt only when they differ, so that a refresh keeps the scroll position.
    show_.push_back([&widget, &list, shown = std::move(shown)] {
        const QSignalBlocker quiet(widget);
        if (!SameRows(widget, list, shown)) {
            widget.clear();
            for (int row = 0; row < list.Count(); ++row) {
                auto* item = new QListWidgetItem(shown(list.Text(row)), &widget);
                item->setData(Qt::UserRole, list.ItemData(row));
                item->setToolTip(PlainToolTip(QtText(list.ToolTip(row))));
            }
        }
        widget.setCurrentRow(list.Selected().value_or(-1));
    });
}

void ControlBindings::Bind(QLabel& widget, const ui::Label& label) {
    show_.push_back([&widget, &label] { ShowLabel(widget, label); });
}

void ControlBindings::Bind(QAbstractButton& widget, const ui::Button& button, Handler clicked) {
    if (clicked) {
        connections_.push_back(QObject::connect(&widget, &QAbstractButton::clicked, &widget,
                                                [clicked = std::move(clicked)] { clicked(); }));
    }
    show_.push_back([&widget, &button] { ShowButton(widget, button); });
}

void ControlBindings::Show() const {
    for (const auto& show : show_) {
        show();
    }
}

}  // namespace korvane::gui
