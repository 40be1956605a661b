#include "ui/window_placement.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane::ui {
namespace {

bool Within(const ScreenRect& frame, const ScreenRect& area) {
    return frame.left >= area.left && frame.top >= area.top && frame.Right() <= area.Right() &&
           frame.Bottom() <= area.Bottom();
}

// The screen in device-independent pixels: a 1920x1080 screen at 1x, 1.5x and
// 2x, and a 1600x1000 one at 2x, each less a panel of 30 pixels at the top.
struct ScaledScreen {
    const char* name;
    ScreenRect area;
};
const std::vector<ScaledScreen> kScreens = {
    {"1920x1080 at 1x", {0, 30, 1920, 1050}},
    {"1920x1080 at 1.5x", {0, 20, 1280, 700}},
    {"1920x1080 at 2x", {0, 15, 960, 525}},
    {"1600x1000 at 2x", {0, 15, 800, 485}},
};

TEST(WindowPlacement, TheWindowInUseAndTheTotalsStandSideBySideWhollyOnScreen) {
    // The main window, the crew window (which scrolls) and a small editor
    // beside the totals window, as large as the program has them at 1x, and
    // as small as they can be.
    const FrameSize totals{372, 255};
    struct Window {
        FrameSize wanted;
        FrameSize least;
    };
    const std::vector<Window> windows = {
        {{418, 480}, {418, 480}}, {{1086, 542}, {200, 150}}, {{437, 410}, {437, 410}}};
    for (const ScaledScreen& screen : kScreens) {
        for (const Window& window : windows) {
            SCOPED_TRACE(std::string(screen.name) + ", window " +
                         std::to_string(window.wanted.width));
            const ScreenRect in_use = FirstPlace(screen.area, window.wanted, window.least, totals);
            const ScreenRect beside = TotalsBeside(screen.area, in_use, totals);
            EXPECT_TRUE(Within(in_use, screen.area));
            EXPECT_TRUE(Within(beside, screen.area));
            EXPECT_EQ(beside.top, in_use.top);
            if (window.least.width + totals.width > screen.area.width) {
                continue;  // too wide to leave room (below)
            }
            EXPECT_GE(in_use.width, std::min(window.wanted.width, screen.area.width - totals.width))
                << "as wide as it asks where there is room";
            EXPECT_FALSE(beside.Overlaps(in_use)) << "the totals cover the window in use";
            EXPECT_EQ(beside.left, in_use.Right()) << "at its right";
            EXPECT_NEAR(in_use.left - screen.area.left, screen.area.Right() - beside.Right(), 1)
                << "the pair centred";
        }
    }
    // A window that cannot be narrowed enough stands alone in the middle.
    const ScreenRect area = kScreens.back().area;
    const ScreenRect wide = FirstPlace(area, {700, 400}, {700, 400}, totals);
    EXPECT_EQ(wide, (ScreenRect{50, 57, 700, 400}));
}

TEST(WindowPlacement, TheTotalsGoWhereThereIsRoomAndCoverAsLittleAsTheyMust) {
    const ScreenRect area{0, 0, 1000, 700};
    const FrameSize totals{300, 200};
    struct Case {
        ScreenRect in_use;
        int left;  // of the totals
        int top;
    };
    const std::vector<Case> cases = {
        {{100, 50, 400, 300}, 500, 50},   // room at the right
        {{650, 50, 300, 300}, 350, 50},   // none at the right, room at the left
        {{50, 550, 700, 300}, 700, 500},  // little room, more at the right; moved up on screen
        {{50, 0, 700, 300}, 700, 0},      // more room at the right than at the left
        {{250, 0, 700, 300}, 0, 0},       // more room at the left
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.in_use.left) + "," + std::to_string(c.in_use.top));
        const ScreenRect beside = TotalsBeside(area, c.in_use, totals);
        EXPECT_EQ(beside, (ScreenRect{c.left, c.top, 300, 200}));
    }
}

// A window shown where the totals could stand beside it on neither side
// moves the shorter way, narrowing where it can, so that it does not open
// over them; one that leaves them room, or cannot, stays as it is.
TEST(WindowPlacement, AWindowInUseLeavesTheTotalsRoomBesideIt) {
    const ScreenRect area{0, 0, 1000, 700};
    const FrameSize totals{300, 200};
    struct Case {
        const char* name;
        ScreenRect in_use;
        FrameSize least;
        ScreenRect placed;
    };
    const std::vector<Case> cases = {
        {"room at the right", {100, 50, 400, 300}, {400, 300}, {100, 50, 400, 300}},
        {"room at the left", {400, 50, 500, 300}, {500, 300}, {400, 50, 500, 300}},
        {"nearer to room at the left", {250, 50, 600, 300}, {600, 300}, {300, 50, 600, 300}},
        {"nearer to room at the right", {150, 50, 600, 300}, {600, 300}, {100, 50, 600, 300}},
        {"narrowed", {100, 50, 800, 300}, {500, 300}, {0, 50, 700, 300}},
        {"too wide to leave room", {100, 50, 800, 300}, {750, 300}, {100, 50, 800, 300}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ScreenRect placed = RoomForTotals(area, c.in_use, c.least, totals);
        EXPECT_EQ(placed, c.placed);
        if (c.least.width + totals.width <= area.width) {
            EXPECT_FALSE(TotalsBeside(area, placed, totals).Overlaps(placed));
        }
    }
}

TEST(WindowPlacement, AWindowLargerThanTheScreenShrinksOrKeepsItsTitleBarOnScreen) {
    const ScreenRect area{0, 15, 800, 485};
    EXPECT_EQ(FittedSize({1086, 542}, area).width, 800);
    EXPECT_EQ(FittedSize({1086, 542}, area).height, 485);
    EXPECT_EQ(FittedSize({400, 300}, area).width, 400);
    // A window whose contents cannot shrink further keeps its top left corner on screen.
    EXPECT_EQ(WithinArea({-40, -20, 900, 600}, area), (ScreenRect{0, 15, 900, 600}));
    EXPECT_EQ(WithinArea({600, 400, 300, 200}, area), (ScreenRect{500, 300, 300, 200}));
}

TEST(WindowPlacement, AWindowReturnsWhereItWasLeftOnlyWhileTheScreensAreAsTheyWere) {
    const Screen wide{{0, 0, 1920, 1080}, {0, 30, 1920, 1050}};
    const Screen second{{1920, 0, 1280, 1024}, {1920, 0, 1280, 1024}};
    const Screen scaled{{0, 0, 960, 540}, {0, 15, 960, 525}};  // the same screen at 2x
    struct Case {
        const char* name;
        WindowPlace saved;
        std::vector<Screen> screens;
        std::optional<ScreenRect> restored;
        FrameSize frame_margins = {};
    };
    const std::vector<Case> cases = {
        {"the same screen", {{300, 200, 500, 400}, wide.whole}, {wide}, {{300, 200, 500, 400}}},
        {"on the second screen",
         {{2000, 100, 500, 400}, second.whole},
         {wide, second},
         {{2000, 100, 500, 400}}},
        {"the second screen gone", {{2000, 100, 500, 400}, second.whole}, {wide}, std::nullopt},
        {"another scale", {{300, 200, 500, 400}, wide.whole}, {scaled}, std::nullopt},
        {"a screen of another size at the same place",
         {{300, 200, 500, 400}, {0, 0, 1600, 1000}},
         {wide},
         std::nullopt},
        {"off every screen", {{-900, 200, 500, 400}, wide.whole}, {wide}, std::nullopt},
        {"partly off the screen, under the panel",
         {{1700, 10, 500, 400}, wide.whole},
         {wide},
         {{1420, 30, 500, 400}}},
        {"partly off the screen with its frame",
         {{1700, 10, 500, 400}, wide.whole},
         {wide},
         {{1410, 30, 500, 400}},
         {10, 30}},
        {"as large as the screen's free area",
         {{0, 30, 1920, 1050}, wide.whole},
         {wide},
         {{0, 30, 1920, 1050}}},
        {"larger than the screen's free area",
         {{0, 0, 2000, 1080}, wide.whole},
         {wide},
         std::nullopt},
        {"as large as the free area, but not with its frame",
         {{0, 30, 1920, 1050}, wide.whole},
         {wide},
         std::nullopt,
         {2, 30}},
        {"far larger than any screen",
         {{-5, 0, 99999, 99999}, wide.whole},
         {wide, second},
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RestoredPlace(c.saved, c.screens, c.frame_margins), c.restored);
    }
}

}  // namespace
}  // namespace korvane::ui
