#include "gui/window_placer.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <array>
#include <string_view>

#include "gui/screen_placement.h"
#include "ui/window_placement.h"

namespace korvane::gui {

namespace {

// The windows placed besides the section editors (named "...Editor").
constexpr std::array<std::string_view, 6> kPlacedWindows = {"MainWindow",  "TotalsWindow",
                                                            "BatchWindow", "CompareWindow",
                                                            "TextWindow",  "OtherFeaturesMenu"};

// The section editors, and the menu that leads on to two of them.
bool IsEditor(const QObject& window) {
    const QString name = window.objectName();
    return name.endsWith(QStringLiteral("Editor")) || name == QStringLiteral("OtherFeaturesMenu");
}

bool IsPlaced(const QObject& object) {
    if (!object.isWidgetType() || !static_cast<const QWidget&>(object).isWindow()) {
        return false;
    }
    if (IsEditor(object)) {
        return true;
    }
    const std::string text = object.objectName().toStdString();
    return std::find(kPlacedWindows.begin(), kPlacedWindows.end(), text) != kPlacedWindows.end();
}

ScreenRect RectOf(const QRect& rect) {
    return {rect.left(), rect.top(), rect.width(), rect.height()};
}

ui::FrameSize FrameSizeOf(const QWidget& window) {
    return {window.frameGeometry().width(), window.frameGeometry().height()};
}

// The area windows are placed in: a pixel within the screen's free area, as
// a frame's width is rounded to whole pixels at a scale such as 1.5.
QRect Inset(const QRect& area) {
    return area.adjusted(1, 1, -1, -1);
}

std::vector<ui::Screen> Screens() {
    std::vector<ui::Screen> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.push_back({RectOf(screen->geometry()), RectOf(Inset(screen->availableGeometry()))});
    }
    return screens;
}

// How much wider and taller than its contents the window is with its frame;
// before the window manager has framed it, a title bar's height is counted.
ui::FrameSize FrameMargins(const QWidget& window) {
    const QSize margins = window.frameGeometry().size() - window.size();
    if (margins.isNull()) {
        return {0, window.style()->pixelMetric(QStyle::PM_TitleBarHeight)};
    }
    return {margins.width(), margins.height()};
}

QRect AreaOf(const QWidget& window) {
    const QScreen* screen = window.screen();
    return Inset(screen != nullptr ? screen->availableGeometry() : AvailableScreenArea());
}

}  // namespace

WindowPlacer::WindowPlacer(const ConfigurationPlaces& places, QWidget& totals)
    : places_(places), totals_(totals), kept_(LoadWindowPlaces(places)), saved_(kept_) {
    qApp->installEventFilter(this);
}

WindowPlacer::~WindowPlacer() {
    qApp->removeEventFilter(this);
    // The program is ending: places that cannot be kept cost the next run
    // only its first placement.
    static_cast<void>(Save());
}

bool WindowPlacer::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::Show && type != QEvent::Hide && type != QEvent::Resize) ||
        !IsPlaced(*watched)) {
        return false;
    }
    auto& window = static_cast<QWidget&>(*watched);
    switch (type) {
        case QEvent::Show:
            if (!ShownBefore(window)) {
                shown_.emplace_back(&window);
                PlaceFirst(window);
            } else {
                KeepOnScreen(window);
                if (&window != &totals_) {
                    MakeRoomForTotals(window);
                    PlaceTotalsBeside(window);
                }
            }
            break;
        case QEvent::Hide:
            Remember(window);
            break;
        default:
            if (window.isVisible()) {
                KeepOnScreen(window);
                if (&window != &totals_) {
                    PlaceTotalsBeside(window);
                }
            }
            break;
    }
    return false;
}

// The totals window has no place of its own: it comes beside the window in use.
void WindowPlacer::PlaceFirst(QWidget& window) {
    if (&window == &totals_) {
        PlaceNowAndWhenFramed(window, [this] {
            for (const QWidget* in_use : QApplication::topLevelWidgets()) {
                if (in_use != &totals_ && in_use->isVisible() && IsPlaced(*in_use)) {
                    PlaceTotalsBeside(*in_use);
                    return;
                }
            }
            KeepOnScreen(totals_);
        });
        return;
    }
    std::optional<ScreenRect> restored;
    if (const auto kept = kept_.find(window.objectName().toStdString()); kept != kept_.end()) {
        restored = ui::RestoredPlace(kept->second, Screens(), FrameMargins(window));
    }
    PlaceNowAndWhenFramed(window, [this, &window, restored] {
        if (restored) {
            window.resize(restored->width, restored->height);
            MoveFrameTo(window, QPoint(restored->left, restored->top));
            MakeRoomForTotals(window);
        } else {
            // The size the contents ask for (a window's first size stops at
            // two thirds of the screen), within the screen.
            const QSize margins = window.frameGeometry().size() - window.size();
            const QSize wanted = window.sizeHint().expandedTo(window.size()) + margins;
            const QSize least = window.minimumSizeHint() + margins;
            const ScreenRect place = ui::FirstPlace(
                RectOf(Inset(AvailableScreenArea())), {wanted.width(), wanted.height()},
                {least.width(), least.height()}, FrameSizeOf(totals_));
            window.resize(QSize(place.width, place.height) - margins);
            MoveFrameTo(window, QPoint(place.left, place.top));
        }
        KeepOnScreen(window);
        PlaceTotalsBeside(window);
    });
}

void WindowPlacer::PlaceTotalsBeside(const QWidget& in_use) {
    if (!totals_.isVisible()) {
        return;
    }
    const ScreenRect beside = ui::TotalsBeside(
        RectOf(AreaOf(in_use)), RectOf(in_use.frameGeometry()), FrameSizeOf(totals_));
    MoveFrameTo(totals_, QPoint(beside.left, beside.top));
}

void WindowPlacer::MakeRoomForTotals(QWidget& window) {
    if (!IsEditor(window)) {
        return;
    }
    const QSize margins = window.frameGeometry().size() - window.size();
    const QSize least = window.minimumSizeHint() + margins;
    const ScreenRect frame = RectOf(window.frameGeometry());
    const ScreenRect room = ui::RoomForTotals(
        RectOf(AreaOf(window)), frame, {least.width(), least.height()}, FrameSizeOf(totals_));
    if (room != frame) {
        window.resize(QSize(room.width, room.height) - margins);
        MoveFrameTo(window, QPoint(room.left, room.top));
    }
}

void WindowPlacer::KeepOnScreen(QWidget& window) {
    const ScreenRect frame = RectOf(window.frameGeometry());
    const ScreenRect within = ui::WithinArea(frame, RectOf(AreaOf(window)));
    if (within != frame) {
        MoveFrameTo(window, QPoint(within.left, within.top));
    }
}

void WindowPlacer::Remember(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (&window == &totals_ || screen == nullptr) {
        return;
    }
    const QRect frame = window.frameGeometry();
    kept_[window.objectName().toStdString()] = {
        {frame.left(), frame.top(), window.width(), window.height()}, RectOf(screen->geometry())};
}

bool WindowPlacer::ShownBefore(const QWidget& window) const {
    return std::any_of(shown_.begin(), shown_.end(),
                       [&window](const QPointer<QWidget>& shown) { return shown == &window; });
}

Status WindowPlacer::Save() {
    for (const QPointer<QWidget>& window : shown_) {
        if (window && window->isVisible()) {
            Remember(*window);
        }
    }
    if (kept_ == saved_) {
        return {};
    }
    Status saved = SaveWindowPlaces(places_, kept_);
    if (saved) {
        saved_ = kept_;
    }
    return saved;
}

}  // namespace korvane::gui
