#include "gui/screen_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#include "ui/controls.h"

namespace korvane::gui {

namespace {

// A window manager frames a window within a fraction of a second, a busy
// machine's within seconds; without one there is no frame to wait for.
constexpr int kFrameWatchIntervalMs = 50;
constexpr int kFrameWatchChecks = 100;
// Some window managers still move a window they have just framed to a place
// of their own: it is put back for half a second more.
constexpr int kSettlingChecks = 10;

}  // namespace

QRect AvailableScreenArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

// A window's position is that of its frame (QWidget::pos).
void MoveFrameTo(QWidget& window, const QPoint& position) {
    window.move(position);
}

void CentreOnScreen(QWidget& window) {
    const QRect area = AvailableScreenArea();
    const QRect frame = window.frameGeometry();
    MoveFrameTo(window, QPoint(area.left() + ui::Centred(area.width(), frame.width()),
                               area.top() + ui::Centred(area.height(), frame.height())));
}

QPoint WithinArea(const QPoint& position, const QSize& frame, const QRect& area) {
    const int left =
        std::max(area.left(), std::min(position.x(), area.right() + 1 - frame.width()));
    const int top =
        std::max(area.top(), std::min(position.y(), area.bottom() + 1 - frame.height()));
    return {left, top};
}

void CentreOver(QWidget& window, const QWidget* over) {
    const QRect area = AvailableScreenArea();
    const QRect target = over != nullptr && over->isVisible() ? over->frameGeometry() : area;
    const QSize frame = window.frameGeometry().size();
    const QPoint centred(target.left() + ui::Centred(target.width(), frame.width()),
                         target.top() + ui::Centred(target.height(), frame.height()));
    MoveFrameTo(window, WithinArea(centred, frame, area));
}

namespace {

class ScreenSizedScrollArea final : public QScrollArea {
public:
    explicit ScreenSizedScrollArea(QWidget* parent) : QScrollArea(parent) {
        setWidgetResizable(true);
        setFrameShape(QFrame::NoFrame);
        setWidget(new QWidget(this));
    }

    // The whole contents, within the screen less room for the window's frame
    // and the rest of the window.
    QSize sizeHint() const override {
        const QSize screen = AvailableScreenArea().size();
        const int room = 4 * style()->pixelMetric(QStyle::PM_TitleBarHeight);
        return widget()->sizeHint().boundedTo(
            QSize(screen.width() - room / 2, screen.height() - room));
    }
};

}  // namespace

QScrollArea* NewScreenSizedScrollArea(QWidget* parent) {
    return new ScreenSizedScrollArea(parent);
}

void PlaceNowAndWhenFramed(QWidget& window, const std::function<void()>& place) {
    place();
    auto* frame_watch = new QTimer(&window);
    frame_watch->setInterval(kFrameWatchIntervalMs);
    QObject::connect(frame_watch, &QTimer::timeout, &window,
                     [&window, place, frame_watch, checks = 0, settling = 0]() mutable {
                         if (window.frameGeometry() != window.geometry()) {
                             place();
                             if (++settling < kSettlingChecks) {
                                 return;
                             }
                         } else if (++checks < kFrameWatchChecks) {
                             return;
                         }
                         frame_watch->deleteLater();
                     });
    frame_watch->start();
}

}  // namespace korvane::gui
