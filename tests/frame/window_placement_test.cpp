#include "frame/WindowPlacement.h"

#include <gtest/gtest.h>

#include <array>

namespace {

const ScreenLimits SCREEN{0, 24, 1280, 1024, 32, 32};

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

TEST(WindowPlacement, TheWindowIsPulledBackAndCutToTheScreenOnlyAsFarAsKeepsAnIconsSizeOfItOnIt)
{
    // x, y, width, height.
    using Placed = std::array<int, 4>;
    const struct {
        const char* name;
        SavedWindowPos saved;
        Placed placed;
    } cases[] = {
        {"beyond the bottom right", {1, 2000, 3000, 2600, 3800}, {1280 - 32, 1024 - 32, 800, 600}},
        {"more than an icon's size on the screen", {1, -200, -300, 400, 500}, {-300, -176, 800, 600}},
        {"beyond the top left", {1, -40000, -50000, -39300, -49000}, {32 - 1000, 32 - 700, 1000, 700}},
        {"larger than the screen", {1, 0, 0, 60000, 2000}, {0, 24, 1280, 1024}},
    };
    for (const auto& c : cases) {
        const std::optional<WindowRect> rect = RestoredWindowRect(c.saved, SCREEN);
        ASSERT_TRUE(rect) << c.name;
        EXPECT_EQ((Placed{rect->x, rect->y, rect->width, rect->height}), c.placed) << c.name;
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
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormalRectStepFor(c.states), c.step) << c.name;
}

}  // namespace
