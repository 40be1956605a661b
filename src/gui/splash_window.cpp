#include "gui/splash_window.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/control_binding.h"
#include "gui/screen_placement.h"

namespace korvane::gui {

namespace {

constexpr double kLargeType = 2.5;  // times the default font size
constexpr int kPanelMarginEms = 3;

QLabel* NewLargeLabel(QWidget* parent, const ui::Label& label) {
    auto* widget = new QLabel(parent);
    ShowLabel(*widget, label);
    QFont large = widget->font();
    large.setPointSizeF(large.pointSizeF() * kLargeType);
    large.setBold(true);
    widget->setFont(large);
    widget->setAlignment(Qt::AlignCenter);
    return widget;
}

}  // namespace

SplashWindow::SplashWindow(const ui::Splash& logic)
    : QFrame(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Splash"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    auto* layout = new QVBoxLayout(this);
    const int margin = fontMetrics().height() * kPanelMarginEms;
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addWidget(NewLargeLabel(this, logic.Title));
    layout->addWidget(NewLargeLabel(this, logic.GameSystem));
}

void SplashWindow::ShowNow() {
    adjustSize();
    const QRect area = AvailableScreenArea();
    const ui::Splash::Position position =
        ui::Splash::Placement(area.width(), area.height(), width(), height());
    move(area.left() + position.left, area.top() + position.top);
    show();
    repaint();
    QApplication::processEvents();
}

}  // namespace korvane::gui
