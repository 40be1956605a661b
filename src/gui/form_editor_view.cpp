#include "gui/form_editor_view.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/qt_text.h"

namespace korvane::gui {

namespace {

constexpr int kLabelWidth = 28;  // a catalog label and "  (TL 12)"

}  // namespace

FormEditorView::FormEditorView(ui::FormEditor& logic, EditorPlace place)
    : QWidget(nullptr, place == EditorPlace::Window ? Qt::Window : Qt::Widget),
      logic_(logic),
      place_(place) {
    if (place_ == EditorPlace::Panel) {
        logic_.SetCommitPolicy(ui::CommitPolicy::Immediate);
    }
    setWindowTitle(QtText(logic_.Title()));
    frame_ = new QGroupBox(QtText(logic_.Frame().caption), this);
    frame_->setObjectName(QStringLiteral("Frame"));
    fields_ = new QGridLayout(frame_);
    fields_->setColumnStretch(1, 1);

    own_buttons_ = new QHBoxLayout;
    auto* buttons = new QHBoxLayout;
    buttons->addLayout(own_buttons_);
    buttons->addStretch();
    if (place_ == EditorPlace::Window) {
        accept_ = new QPushButton(this);
        accept_->setObjectName(QStringLiteral("accept"));
        accept_->setDefault(true);
        bindings_.Bind(*accept_, logic_.accept, [this] { Accept(); });
        cancel_ = new QPushButton(this);
        cancel_->setObjectName(QStringLiteral("cancel"));
        bindings_.Bind(*cancel_, logic_.cancel, [this] { Cancel(); });
        for (QPushButton* button : {accept_, cancel_}) {
            button->setAutoDefault(true);
            buttons->addWidget(button);
        }
    }

    auto* layout = new QVBoxLayout(this);
    // A window grows its fields with it; the panel keeps them together at its top.
    const bool window = place_ == EditorPlace::Window;
    layout->addWidget(frame_, window ? 1 : 0);
    layout->addLayout(buttons);
    if (!window) {
        layout->addStretch(1);
    }
    layout->setSizeConstraint(QLayout::SetMinimumSize);
}

void FormEditorView::Open() {
    ShowInPanel();
    show();
    raise();
    activateWindow();
}

// The first filling also sets the tab order.
void FormEditorView::ShowInPanel() {
    logic_.Fill();
    Refresh();
    if (!opened_) {
        SetTabOrder();
        opened_ = true;
    }
}

void FormEditorView::Refresh() {
    bindings_.Show();
}

QLineEdit* FormEditorView::NewTextBox(ui::TextBox& box, const char* name,
                                      std::function<void()> edited, QWidget* parent) {
    auto* widget = new QLineEdit(parent ? parent : frame_);
    widget->setObjectName(QString::fromLatin1(name));
    bindings_.Bind(*widget, box, [this, &box, edited = std::move(edited)] {
        logic_.Edited(box);
        if (edited) {
            // What the logic shows in answer to the edit appears at once.
            edited();
            Refresh();
        }
    });
    if (place_ == EditorPlace::Panel) {
        // Enter, or leaving the box, commits what it holds.
        connect(widget, &QLineEdit::editingFinished, this,
                [this, widget, &box] { ShowCommitted(*widget, logic_.Commit(box)); });
    }
    return widget;
}

void FormEditorView::ShowCommitted(QLineEdit& box, ui::CommitResult result) {
    const bool refused = result == ui::CommitResult::NotANumber;
    box.setStyleSheet(refused ? QStringLiteral("QLineEdit { border: 2px solid red; }") : QString());
    box.setToolTip(refused ? QStringLiteral("Not a number: nothing is stored") : QString());
}

QComboBox* FormEditorView::NewComboBox(ui::ListBox& list, const char* name) {
    auto* widget = new QComboBox(frame_);
    widget->setObjectName(QString::fromLatin1(name));
    // Wide enough for a catalog label of 20 characters and what follows it.
    widget->setMinimumContentsLength(kLabelWidth);
    widget->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    bindings_.Bind(*widget, list, [this, &list] {
        logic_.Edited(list);
        if (place_ == EditorPlace::Panel) {
            logic_.Commit(list);
        }
    });
    return widget;
}

QCheckBox* FormEditorView::NewCheckBox(ui::CheckBox& box, const char* name, QWidget* parent) {
    auto* widget = new QCheckBox(parent ? parent : frame_);
    widget->setObjectName(QString::fromLatin1(name));
    bindings_.Bind(*widget, box, [this, &box] {
        logic_.Edited(box);
        if (place_ == EditorPlace::Panel) {
            logic_.Commit(box);
        }
    });
    return widget;
}

QLabel* FormEditorView::NewValueLabel(const ui::Label& label, const char* name) {
    auto* widget = new QLabel(frame_);
    widget->setObjectName(QString::fromLatin1(name));
    bindings_.Bind(*widget, label);
    return widget;
}

QToolButton* FormEditorView::NewLeadOnButton(const ui::Button& button, const char* name,
                                             const QString& tool_tip,
                                             const std::function<void()>& lead_on) {
    auto* widget = new QToolButton(frame_);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    widget->setToolTip(tool_tip);
    bindings_.Bind(*widget, button, [this, lead_on] {
        if (place_ == EditorPlace::Window) {
            hide();
        }
        lead_on();
    });
    return widget;
}

void FormEditorView::AddField(const ui::Label& caption, QWidget* field,
                              std::initializer_list<QWidget*> beside) {
    auto* label = new QLabel(QtText(caption.caption), frame_);
    label->setBuddy(field);
    const int row = fields_->rowCount();
    fields_->addWidget(label, row, 0);
    InTabOrder(field);
    if (beside.size() == 0) {
        fields_->addWidget(field, row, 1, 1, -1);
        return;
    }
    fields_->addWidget(field, row, 1);
    int column = 2;
    for (QWidget* widget : beside) {
        fields_->addWidget(widget, row, column++);
        InTabOrder(widget);
    }
}

void FormEditorView::AddWide(QWidget* widget) {
    fields_->addWidget(widget, fields_->rowCount(), 0, 1, -1);
    InTabOrder(widget);
}

void FormEditorView::InTabOrder(QWidget* widget) {
    if (widget->focusPolicy() & Qt::TabFocus) {
        tab_order_.push_back(widget);
        return;
    }
    // A group of controls: its controls in the order they were made.
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        if (child->focusPolicy() & Qt::TabFocus) {
            tab_order_.push_back(child);
        }
    }
}

void FormEditorView::SetTabOrder() {
    for (int i = 0; i < own_buttons_->count(); ++i) {
        tab_order_.push_back(own_buttons_->itemAt(i)->widget());
    }
    if (place_ == EditorPlace::Window) {
        tab_order_.push_back(accept_);
        tab_order_.push_back(cancel_);
    }
    for (std::size_t i = 1; i < tab_order_.size(); ++i) {
        setTabOrder(tab_order_[i - 1], tab_order_[i]);
    }
}

QPushButton* FormEditorView::AddButton(const ui::Button& button, const char* name,
                                       const std::function<void()>& click) {
    auto* widget = new QPushButton(this);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAutoDefault(true);
    bindings_.Bind(*widget, button, click);
    own_buttons_->addWidget(widget);
    return widget;
}

void FormEditorView::AddCheckButton(const ui::Button& button, const std::function<void()>& check) {
    if (place_ == EditorPlace::Window) {
        AddButton(button, "check", check);
    }
}

void FormEditorView::Accept() {
    if (logic_.Accept() == ui::EditorWindow::Closes) {
        Close();
    }
}

void FormEditorView::Cancel() {
    if (logic_.Cancel() == ui::EditorWindow::Closes) {
        Close();
    }
}

void FormEditorView::Close() {
    hide();
    emit closed();
}

void FormEditorView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isVisible()) {
        emit minimisedChanged(isMinimized());
    }
}

void FormEditorView::closeEvent(QCloseEvent* event) {
    // The close box cancels; the window is only hidden, to be shown again.
    event->ignore();
    Cancel();
}

// A focused button takes Enter itself (it is an auto-default button); from
// any other control, Enter accepts. In the panel, Enter only commits the field.
void FormEditorView::keyPressEvent(QKeyEvent* event) {
    if (place_ == EditorPlace::Panel) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Accept();
            return;
        case Qt::Key_Escape:
            Cancel();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

}  // namespace korvane::gui
