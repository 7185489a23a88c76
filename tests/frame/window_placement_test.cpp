#include "frame/WindowPlacement.h"

#include <gtest/gtest.h>

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

TEST(WindowPlacement, OnlyTheUpperBoundsPullTheWindowBackAndTheSizeStays)
{
    const auto far = RestoredWindowRect({1, 2000, 3000, 2600, 3800}, SCREEN);
    ASSERT_TRUE(far);
    EXPECT_EQ(far->x, 1280 - 32);
    EXPECT_EQ(far->y, 1024 - 32);
    EXPECT_EQ(far->width, 800);
    EXPECT_EQ(far->height, 600);

    const auto negative = RestoredWindowRect({1, -200, -300, 400, 500}, SCREEN);
    ASSERT_TRUE(negative);
    EXPECT_EQ(negative->x, -300);
    EXPECT_EQ(negative->y, -176);
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
