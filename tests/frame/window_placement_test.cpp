#include "frame/WindowPlacement.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// A panel of 24 pixels above the work area; a title bar of 36.
const ScreenLimits SCREEN{0, 24, 1000, 1280, 1024, 32, 32, 36};

TEST(WindowPlacement, AllFiveValuesGiveTheRectangleMovedByTheWorkArea)
{
    const auto rect = RestoredWindowRect({1, 100, 50, 700, 850}, SCREEN);
    ASSERT_TRUE(rect);
    EXPECT_EQ(rect->x, 50);
    EXPECT_EQ(rect->y, 124);
    EXPECT_EQ(rect->width, 800);
    EXPECT_EQ(rect->height, 600);
}

TEST(WindowPlacement, AMissingValueOrAStoredMinusOneAppliesNothing)
{
    EXPECT_FALSE(RestoredWindowRect({1, 100, 50, 700, -1}, SCREEN));
    EXPECT_FALSE(RestoredWindowRect({-1, 100, 50, 700, 850}, SCREEN));
    EXPECT_FALSE(RestoredWindowRect({1, 100, -1, 700, 850}, SCREEN));
}

// Left and right a grip of 100 pixels of the window stays on the screen; its
// top, the title bar's, stays between the work area's top and its bottom less
// the title bar's height.
TEST(WindowPlacement, TheWindowIsPulledBackAndCutToTheScreenOnlyAsFarAsKeepsItsTitleBarAndAGripOnIt)
{
    // x, y, width, height.
    using Placed = std::array<int, 4>;
    const struct {
        const char* name;
        SavedWindowPos saved;
        Placed placed;
    } cases[] = {
        {"beyond the bottom right", {1, 2000, 3000, 2600, 3800}, {1280 - 100, 24 + 1000 - 36, 800, 600}},
        {"more than a grip on the screen, the title bar above the work area", {1, -200, -300, 400, 500},
         {-300, 24, 800, 600}},
        {"beyond the top left", {1, -40000, -50000, -39300, -49000}, {100 - 1000, 24, 1000, 700}},
        {"larger than the screen", {1, 0, 0, 60000, 2000}, {0, 24, 1280, 1024}},
        {"the title bar just inside the work area", {1, 1000 - 36, 1280 - 100, 1500, 2000},
         {1280 - 100, 24 + 1000 - 36, 820, 536}},
    };
    for (const auto& c : cases) {
        const std::optional<WindowRect> rect = RestoredWindowRect(c.saved, SCREEN);
        ASSERT_TRUE(rect) << c.name;
        EXPECT_EQ((Placed{rect->x, rect->y, rect->width, rect->height}), c.placed) << c.name;
    }
}

// On other screens: a small one with a panel, a title bar lower than an icon
// and an icon wider than the grip, where the larger of each holds.
TEST(WindowPlacement, ARestoredWindowCanAlwaysBeTakenByItsTitleBar)
{
    const ScreenLimits small{0, 24, 744, 1024, 768, 32, 32, 36};
    const ScreenLimits lowTitleBar{0, 24, 744, 1024, 768, 32, 32, 20};
    const ScreenLimits largeIcons{0, 0, 768, 1024, 768, 128, 48, 20};
    using Placed = std::array<int, 4>;
    const struct {
        const char* name;
        ScreenLimits screen;
        SavedWindowPos saved;
        Placed placed;
    } cases[] = {
        // Top -5000, Left -5000, Bottom -4000, Right -4000: cut to the
        // screen's height, 100 pixels of it left of the screen's edge.
        {"far above and left", small, {3, -5000, -5000, -4000, -4000}, {100 - 1000, 24, 1000, 768}},
        {"far right", small, {1, 100, 5000, 500, 5600}, {1024 - 100, 124, 600, 400}},
        {"far below", small, {1, 3000, 100, 3500, 700}, {100, 24 + 744 - 36, 600, 500}},
        {"partly off at the top", small, {1, -10, 200, 590, 1000}, {200, 24, 800, 600}},
        {"narrower than the grip, far left", small, {1, 100, -3000, 300, -2950}, {0, 124, 50, 200}},
        {"an icon's size below a low title bar", lowTitleBar, {1, 3000, 100, 3500, 700},
         {100, 24 + 744 - 32, 600, 500}},
        {"an icon wider than the grip, far left", largeIcons, {1, 100, -3000, 500, -2000},
         {128 - 1000, 100, 1000, 400}},
        {"an icon wider than the grip, far below right", largeIcons, {1, 3000, 3000, 3400, 4000},
         {1024 - 128, 768 - 48, 1000, 400}},
    };
    for (const auto& c : cases) {
        const std::optional<WindowRect> rect = RestoredWindowRect(c.saved, c.screen);
        ASSERT_TRUE(rect) << c.name;
        EXPECT_EQ((Placed{rect->x, rect->y, rect->width, rect->height}), c.placed) << c.name;
    }
}

// The stored edges are relative to the work area, the placed ones on the
// screen: saved again from where it stands, a window comes back to the same
// place at every start, wherever the desktop's bars put the work area.
TEST(WindowPlacement, AWindowSavedAndRestoredComesBackWhereItWasLeftOnAnyWorkArea)
{
    // Work area x, y, height on a 1280x1024 screen; the title bar 36 high.
    const auto screenWith = [](int x, int y, int height) { return ScreenLimits{x, y, height, 1280, 1024, 32, 32, 36}; };
    using Placed = std::array<int, 4>;
    const struct {
        const char* name;
        ScreenLimits screen;
        SavedWindowPos saved;
        Placed placed;  // x, y, width, height at every start
    } cases[] = {
        {"a bare screen", screenWith(0, 0, 1024), {1, 200, 200, 800, 1000}, {200, 200, 800, 600}},
        {"a top bar and a dock on the left", screenWith(50, 60, 964), {1, 200, 200, 800, 1000},
         {250, 260, 800, 600}},
        {"a top bar only", screenWith(0, 24, 1000), {1, 100, 50, 700, 850}, {50, 124, 800, 600}},
        {"the title bar pulled up into the work area", screenWith(50, 60, 964), {1, 1000, 300, 1400, 900},
         {350, 60 + 964 - 36, 600, 400}},
        {"left of the work area", screenWith(50, 60, 964), {1, 100, -300, 500, 500}, {-250, 160, 800, 400}},
    };
    for (const auto& c : cases) {
        SavedWindowPos saved = c.saved;
        for (int start = 1; start <= 3; ++start) {
            const std::optional<WindowRect> rect = RestoredWindowRect(saved, c.screen);
            ASSERT_TRUE(rect) << c.name << ", start " << start;
            EXPECT_EQ((Placed{rect->x, rect->y, rect->width, rect->height}), c.placed)
                << c.name << ", start " << start;
            saved = SavedWindowPosOf(1, *rect, c.screen);
        }
        // What the last start stores is what the window stood at, in the
        // work area's frame.
        EXPECT_EQ((Placed{static_cast<int>(saved.left), static_cast<int>(saved.top),
                          static_cast<int>(saved.right - saved.left), static_cast<int>(saved.bottom - saved.top)}),
                  (Placed{c.placed[0] - c.screen.workAreaX, c.placed[1] - c.screen.workAreaY, c.placed[2],
                          c.placed[3]}))
            << c.name;
    }
}

// A window placed before the window manager told its title bar's height, as
// an icon's, is placed again with it once known.
TEST(WindowPlacement, AWindowPlacedAgainWithItsKnownTitleBarKeepsItWholeInTheWorkArea)
{
    // A top bar of 24, a bar of 100 below; a title bar of 56.
    const ScreenLimits framed{0, 24, 900, 1280, 1024, 32, 32, 56};
    using Placed = std::array<int, 4>;
    const struct {
        const char* name;
        WindowRect rect;
        Placed placed;
    } cases[] = {
        {"placed by an icon's height", {100, 24 + 900 - 32, 800, 600}, {100, 24 + 900 - 56, 800, 600}},
        {"the title bar already within", {100, 500, 800, 600}, {100, 500, 800, 600}},
        {"above the work area", {100, 0, 800, 600}, {100, 24, 800, 600}},
        {"far right", {3000, 300, 800, 600}, {1280 - 100, 300, 800, 600}},
    };
    for (const auto& c : cases) {
        const WindowRect rect = WithinReach(c.rect, framed);
        EXPECT_EQ((Placed{rect.x, rect.y, rect.width, rect.height}), c.placed) << c.name;
    }
}

TEST(WindowPlacement, ValuesThatMakeNoRectangleWithinReachApplyNothing)
{
    const struct {
        const char* name;
        SavedWindowPos saved;
    } cases[] = {
        {"edges swapped", {1, 100, 900, 700, 100}},
        {"no height", {1, 100, 100, 100, 900}},
        {"beyond what an int holds", {1, 0, -2147483648L, 500, 2147483647L}},
        {"the most a long holds", {1, 0, 0, 500, 9223372036854775807L}},
        {"the least a long holds", {1, 0, -9223372036854775807L - 1, 500, 100}},
        {"a show state beyond reach", {4000000000L, 100, 50, 700, 850}},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(RestoredWindowRect(c.saved, SCREEN)) << c.name;
}

TEST(WindowPlacement, AFirstRunTakesThreeQuartersOfTheWorkAreaCentred)
{
    const struct {
        WindowRect workArea;
        WindowRect expected;
    } cases[] = {
        {{0, 0, 1280, 1024}, {160, 128, 960, 768}},
        {{0, 24, 1920, 1056}, {240, 156, 1440, 792}},
        {{100, 0, 800, 600}, {200, 75, 600, 450}},
    };
    for (const auto& c : cases) {
        const WindowRect rect = FirstRunWindowRect(c.workArea);
        EXPECT_EQ(rect.x, c.expected.x) << c.workArea.width;
        EXPECT_EQ(rect.y, c.expected.y) << c.workArea.width;
        EXPECT_EQ(rect.width, c.expected.width) << c.workArea.width;
        EXPECT_EQ(rect.height, c.expected.height) << c.workArea.width;
    }
}

TEST(WindowPlacement, LeavingTheMaximisedStateRestoresTheKeptRectangle)
{
    using Step = NormalRectStep;
    const struct {
        const char* name;
        WindowStates states;
        Step step;
    } cases[] = {
        {"a normal window moves", {false, false, false, false, false}, Step::Record},
        {"maximised", {false, true, false, false, false}, Step::Keep},
        {"still maximised", {true, true, false, false, false}, Step::Keep},
        {"un-maximised", {true, false, false, false, false}, Step::Restore},
        {"sizes on the way back", {false, false, false, false, true}, Step::Keep},
        {"iconised while maximised", {true, true, true, false, false}, Step::Keep},
        {"iconised after un-maximising", {true, false, true, false, false}, Step::Keep},
        {"full screen", {false, false, false, true, false}, Step::Keep},
        {"the manager places the window it maximises", {false, false, false, false, false, true}, Step::Keep},
        {"maximised as asked", {false, true, false, false, false, true}, Step::Keep},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormalRectStepFor(c.states), c.step) << c.name;
}

}  // namespace
