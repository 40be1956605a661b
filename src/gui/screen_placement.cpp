#include "gui/screen_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "ui/controls.h"

namespace korvane::gui {

namespace {

// A window manager frames a window within a fraction of a second; without one
// there is no frame to wait for.
constexpr int kFrameWatchIntervalMs = 50;
constexpr int kFrameWatchChecks = 40;

}  // namespace

QRect AvailableScreenArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

void MoveFrameTo(QWidget& window, const QPoint& position) {
    if (QWindow* handle = window.windowHandle()) {
        handle->setFramePosition(position);
    } else {
        window.move(position);
    }
}

void CentreOnScreen(QWidget& window) {
    const QRect area = AvailableScreenArea();
    const QRect frame = window.frameGeometry();
    MoveFrameTo(window, QPoint(area.left() + ui::Centred(area.width(), frame.width()),
                               area.top() + ui::Centred(area.height(), frame.height())));
}

void PlaceNowAndWhenFramed(QWidget& window, const std::function<void()>& place) {
    place();
    auto* frame_watch = new QTimer(&window);
    frame_watch->setInterval(kFrameWatchIntervalMs);
    QObject::connect(frame_watch, &QTimer::timeout, &window,
                     [&window, place, frame_watch, checks = 0]() mutable {
                         if (window.frameGeometry() != window.geometry()) {
                             place();
                         } else if (++checks < kFrameWatchChecks) {
                             return;
                         }
                         frame_watch->deleteLater();
                     });
    frame_watch->start();
}

}  // namespace korvane::gui
