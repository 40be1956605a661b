#pragma once

#include <QPoint>
#include <QRect>

#include <functional>

class QScrollArea;
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

// Where a frame of that size at `position` lies wholly within the area, moved
// as little as it takes; a frame larger than the area keeps its top left corner
// (with the title bar) on screen.
QPoint WithinArea(const QPoint& position, const QSize& frame, const QRect& area);

// Moves the window, frame included, to the middle of the window `over`, or of
// the screen when there is none, wholly on screen.
void CentreOver(QWidget& window, const QWidget* over);

// Places a window that is being shown: at once, by its contents, and again
// once the window manager has framed it (which it tells a little later), so
// that the frame with the title bar is placed too.
void PlaceNowAndWhenFramed(QWidget& window, const std::function<void()>& place);

// A scroll area for a window's contents (laid out on the returned area's
// widget): as large as the contents where the screen has room, so that
// nothing scrolls, and scrolling on a screen too small for them (a small
// screen at a large scale).
QScrollArea* NewScreenSizedScrollArea(QWidget* parent);

}  // namespace korvane::gui
