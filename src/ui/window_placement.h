#pragma once

#include <optional>
#include <vector>

#include "app/window_places.h"

namespace korvane::ui {

// Where the program's windows go on the desktop. Rectangles are windows'
// frames (title bar included) and screens' areas, in device-independent
// pixels; the desktop program measures them and moves its windows there.

struct FrameSize {
    int width = 0;
    int height = 0;
};

// A screen: all of it, and the part windows may take (without panels).
struct Screen {
    ScreenRect whole;
    ScreenRect available;
};

// A frame no larger than the area, side by side.
FrameSize FittedSize(FrameSize frame, const ScreenRect& area);

// The frame moved as little as it takes to lie wholly within the area; a
// frame larger than the area keeps its top left corner (with the title bar)
// on screen.
ScreenRect WithinArea(ScreenRect frame, const ScreenRect& area);

// The first place and size of a window in use: centred on the area together
// with the totals window at its right, the window narrowed to leave the
// totals room where it can be as narrow as that (no narrower than `least`,
// it scrolls); centred alone, within the area, when the two cannot stand
// side by side.
ScreenRect FirstPlace(const ScreenRect& area, FrameSize window, FrameSize least, FrameSize totals);

// The totals window beside the window in use, level with its top: at its
// right when there is room, else at its left, else on the side with more
// room, covering as little of it as the area allows.
ScreenRect TotalsBeside(const ScreenRect& area, const ScreenRect& in_use, FrameSize totals);

// The window in use, shown where the totals window cannot stand beside it,
// moved as little as it takes for the totals to stand beside it (narrowed as
// well, no narrower than `least`, where the area is narrower than the two):
// no window opens over the totals. As it was when the totals already fit
// beside it, or when the area cannot hold both.
ScreenRect RoomForTotals(const ScreenRect& area, ScreenRect in_use, FrameSize least,
                         FrameSize totals);

// Where a window left in `saved` goes again: there, moved wholly within the
// screen's available area, while a screen stands where and as large as the
// one it was left on, the window is on it, and the window with its frame
// (`frame_margins` wider and taller than its contents) fits in that area. No
// place when the screens changed (the window would be off every screen, or the
// screen has another size) or the window is larger than the area: it is placed
// as on a first run, beside the totals window.
std::optional<ScreenRect> RestoredPlace(const WindowPlace& saved,
                                        const std::vector<Screen>& screens,
                                        FrameSize frame_margins = {});

}  // namespace korvane::ui
