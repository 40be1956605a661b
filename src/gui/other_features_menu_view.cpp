#include "gui/other_features_menu_view.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/control_binding.h"
#include "gui/qt_text.h"

namespace korvane::gui {

OtherFeaturesMenuView::OtherFeaturesMenuView(ui::OtherFeaturesMenu& logic, EditorPlace place)
    : QWidget(nullptr, place == EditorPlace::Window ? Qt::Window : Qt::Widget), logic_(logic) {
    setObjectName(QStringLiteral("OtherFeaturesMenu"));
    setWindowTitle(QtText(logic_.Caption));
    auto* frame = new QGroupBox(QtText(logic_.frame.caption), this);
    frame->setObjectName(QStringLiteral("Frame"));
    auto* buttons = new QVBoxLayout(frame);
    const auto add = [this, place, frame, buttons](const ui::Button& button, const char* name,
                                                   auto signal) {
        auto* widget = new QPushButton(frame);
        widget->setObjectName(QString::fromLatin1(name));
        ShowButton(*widget, button);
        buttons->addWidget(widget);
        connect(widget, &QPushButton::clicked, this, [this, place, signal] {
            if (place == EditorPlace::Window) {
                hide();
            }
            emit(this->*signal)();
        });
    };
    add(logic_.anti_hijack, "AntiHijack", &OtherFeaturesMenuView::antiHijack);
    add(logic_.custom_features, "CustomFeatures", &OtherFeaturesMenuView::customFeatures);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    if (place == EditorPlace::Window) {
        auto* done = new QPushButton(this);
        done->setObjectName(QStringLiteral("Done"));
        ShowButton(*done, logic_.done);
        connect(done, &QPushButton::clicked, this, [this] {
            hide();
            emit this->done();
        });
        layout->addWidget(done, 0, Qt::AlignRight);
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }
    // Wide enough for the title and the title bar's buttons.
    frame->setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) +
                           12 * fontMetrics().averageCharWidth());
}

void OtherFeaturesMenuView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        emit minimisedChanged(isMinimized());
    }
}

// The close box is "Done".
void OtherFeaturesMenuView::closeEvent(QCloseEvent* event) {
    event->accept();
    emit done();
}

}  // namespace korvane::gui
