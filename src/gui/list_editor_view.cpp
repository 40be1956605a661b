#include "gui/list_editor_view.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/control_binding.h"
#include "gui/list_pair_frame.h"
#include "gui/list_panel_tools.h"
#include "gui/qt_text.h"

namespace korvane::gui {

ListEditorView::ListEditorView(ui::ListEditor& logic, EditorPlace place)
    : QWidget(nullptr, place == EditorPlace::Window ? Qt::Window : Qt::Widget),
      logic_(logic),
      lists_(new ListPairFrame(logic, this)),
      extras_(new QHBoxLayout) {
    setObjectName(QStringLiteral("ListEditor"));
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(extras_);
    bottom->addStretch();
    if (place == EditorPlace::Window) {
        done_ = new QPushButton(this);
        done_->setObjectName(QStringLiteral("Done"));
        bottom->addWidget(done_);
        connect(done_, &QPushButton::clicked, this, [this] {
            hide();
            emit done();
        });
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lists_, 1);
    if (place == EditorPlace::Panel) {
        tools_ = new ListPanelTools(logic_, this);
        layout->addWidget(tools_);
        connect(tools_, &ListPanelTools::handled, this, [this] { Refresh(); });
    }
    layout->addLayout(bottom);

    connect(lists_, &ListPairFrame::handled, this, [this] { Refresh(); });
    logic_.Load();
    Refresh();
}

void ListEditorView::Refresh() {
    setWindowTitle(QtText(logic_.Caption));
    lists_->Refresh();
    if (tools_) {
        tools_->Refresh();
    }
    if (done_) {
        ShowButton(*done_, logic_.done);
    }
}

void ListEditorView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        emit minimisedChanged(isMinimized());
    }
}

// The close box is "Done".
void ListEditorView::closeEvent(QCloseEvent* event) {
    event->accept();
    emit done();
}

// Each showing rebuilds the installed list.
void ListEditorView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    logic_.Activate();
    Refresh();
}

}  // namespace korvane::gui
