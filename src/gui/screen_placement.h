#pragma once

#include <QPoint>
#include <QRect>

#include <functional>

class QWidget;

namespace korvane::gui {

// The part of the primary screen that windows may take (without panels).
QRect AvailableScreenArea();

// Puts the top left corner of the window's frame at `position`. A window
// that has not been framed yet is placed so that the window manager puts its
// frame, not its contents, there.
void MoveFrameTo(QWidget& window, const QPoint& position);

// Moves the window, frame included, to the middle of that area.
void CentreOnScreen(QWidget& window);

// Places a window that is being shown: at once, by its contents, and again
// once the window manager has framed it (which it tells a little later), so
// that the frame with the title bar is placed too.
void PlaceNowAndWhenFramed(QWidget& window, const std::function<void()>& place);

}  // namespace korvane::gui
