#include "ui/window_placement.h"

#include <algorithm>

#include "ui/controls.h"

namespace korvane::ui {

FrameSize FittedSize(FrameSize frame, const ScreenRect& area) {
    return {std::min(frame.width, area.width), std::min(frame.height, area.height)};
}

ScreenRect WithinArea(ScreenRect frame, const ScreenRect& area) {
    frame.left = std::max(area.left, std::min(frame.left, area.Right() - frame.width));
    frame.top = std::max(area.top, std::min(frame.top, area.Bottom() - frame.height));
    return frame;
}

ScreenRect FirstPlace(const ScreenRect& area, FrameSize window, FrameSize least, FrameSize totals) {
    FrameSize size = FittedSize(window, area);
    const int beside_totals = area.width - totals.width;
    if (size.width > beside_totals && least.width <= beside_totals) {
        size.width = beside_totals;
    }
    const int pair_width = size.width + totals.width;
    const int width = pair_width <= area.width ? pair_width : size.width;
    const ScreenRect place{area.left + Centred(area.width, width),
                           area.top + Centred(area.height, size.height), size.width, size.height};
    return WithinArea(place, area);
}

ScreenRect TotalsBeside(const ScreenRect& area, const ScreenRect& in_use, FrameSize totals) {
    const int room_right = area.Right() - in_use.Right();
    const int room_left = in_use.left - area.left;
    const bool right = room_right >= totals.width || room_right >= room_left;
    const ScreenRect beside{right ? in_use.Right() : in_use.left - totals.width, in_use.top,
                            totals.width, totals.height};
    return WithinArea(beside, area);
}

ScreenRect RoomForTotals(const ScreenRect& area, ScreenRect in_use, FrameSize least,
                         FrameSize totals) {
    const int room_right = area.Right() - in_use.Right();
    const int room_left = in_use.left - area.left;
    if (room_right >= totals.width || room_left >= totals.width) {
        return in_use;
    }
    const int beside_totals = area.width - totals.width;
    if (in_use.width > beside_totals) {
        if (std::max(least.width, 0) > beside_totals) {
            return in_use;
        }
        in_use.width = beside_totals;
    }
    // To the left, leaving the totals room at its right, or to the right,
    // leaving them room at its left: whichever is the shorter way.
    const int to_left = in_use.left - (area.Right() - totals.width - in_use.width);
    const int to_right = area.left + totals.width - in_use.left;
    in_use.left -= to_left <= to_right ? to_left : -to_right;
    return in_use;
}

std::optional<ScreenRect> RestoredPlace(const WindowPlace& saved,
                                        const std::vector<Screen>& screens,
                                        FrameSize frame_margins) {
    const ScreenRect frame{saved.window.left, saved.window.top,
                           saved.window.width + frame_margins.width,
                           saved.window.height + frame_margins.height};
    for (const Screen& screen : screens) {
        if (screen.whole == saved.screen && frame.Overlaps(screen.available)) {
            if (frame.width > screen.available.width || frame.height > screen.available.height) {
                return std::nullopt;
            }
            const ScreenRect within = WithinArea(frame, screen.available);
            return ScreenRect{within.left, within.top, saved.window.width, saved.window.height};
        }
    }
    return std::nullopt;
}

}  // namespace korvane::ui
