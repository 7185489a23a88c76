#include "view/MouseModes.h"
#include "view/Picking.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(MouseModes, ButtonUpReturnsGesturesToTheSavedModeAndKeepsTheSelectModes)
{
    const struct {
        int mode;
        int saved;
        int after;
    } cases[] = {
        {MOUSE_DYNAMIC_ZOOM, MOUSE_SELECT, MOUSE_SELECT}, {MOUSE_DYNAMIC_PAN, MOUSE_NONE, MOUSE_NONE},
        {MOUSE_ZOOM_WINDOW, MOUSE_SELECT_GROUP, MOUSE_SELECT_GROUP}, {MOUSE_SELECT, MOUSE_NONE, MOUSE_SELECT},
        {MOUSE_SELECT_GROUP, MOUSE_NONE, MOUSE_SELECT_GROUP}, {MOUSE_NONE, MOUSE_SELECT, MOUSE_NONE},
        {7, MOUSE_SELECT, MOUSE_NONE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ModeAfterButtonUp(c.mode, c.saved), c.after) << "mode " << c.mode << " saved " << c.saved;
}

TEST(MouseModes, AGestureCommandGivenTwiceEndsInNoneNotInTheModeBefore)
{
    ModeSwitch state = ToggleGestureMode(MOUSE_SELECT, MOUSE_NONE, MOUSE_DYNAMIC_ZOOM);
    EXPECT_EQ(state.mode, MOUSE_DYNAMIC_ZOOM);
    EXPECT_EQ(state.savedMode, MOUSE_SELECT);
    state = ToggleGestureMode(state.mode, state.savedMode, MOUSE_DYNAMIC_PAN);
    EXPECT_EQ(state.mode, MOUSE_DYNAMIC_PAN);
    EXPECT_EQ(state.savedMode, MOUSE_DYNAMIC_ZOOM);
    state = ToggleGestureMode(state.mode, state.savedMode, MOUSE_DYNAMIC_PAN);
    EXPECT_EQ(state.mode, MOUSE_NONE);
}

TEST(MouseModes, DynamicZoomTakesTheLargerMoveInPixels)
{
    EXPECT_DOUBLE_EQ(DynamicZoomStep(100, 100, 110, 95), 100.0);  // sideways wins
    EXPECT_DOUBLE_EQ(DynamicZoomStep(100, 100, 102, 80), 200.0);  // upwards wins
    EXPECT_DOUBLE_EQ(DynamicZoomStep(100, 100, 99, 130), -300.0);  // downwards zooms out
    EXPECT_DOUBLE_EQ(DynamicZoomStep(100, 100, 90, 110), -100.0);  // a tie keeps the sideways move
}

TEST(PickBoxes, AreCentreAndTruncatedHalfSizes)
{
    const struct {
        int x1, y1, x2, y2;
        PickBox box;
    } cases[] = {
        {10, 20, 30, 50, {20, 35, 10, 15}},
        {30, 50, 10, 20, {20, 35, 10, 15}},
        {10, 10, 11, 11, {10, 10, 0, 0}},  // a click: the nearest entity
        {10, 10, 13, 10, {11, 10, 1, 0}},
    };
    for (const auto& c : cases) {
        const PickBox box = PickBoxOf(c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(box.centreX, c.box.centreX);
        EXPECT_EQ(box.centreY, c.box.centreY);
        EXPECT_EQ(box.halfWidth, c.box.halfWidth);
        EXPECT_EQ(box.halfHeight, c.box.halfHeight);
    }
}

TEST(PickBoxes, ProjectExactlyTheBoxInEyeUnits)
{
    // 400 x 300 pixels showing +-400 by +-300 units: two units a pixel.
    PickProjection p = PickProjectionOf({200, 150, 5, 5}, 400, 300, 400.0, 300.0);
    EXPECT_DOUBLE_EQ(p.left, -10.0);
    EXPECT_DOUBLE_EQ(p.right, 10.0);
    EXPECT_DOUBLE_EQ(p.bottom, -10.0);
    EXPECT_DOUBLE_EQ(p.top, 10.0);
    p = PickProjectionOf({0, 0, 5, 10}, 400, 300, 400.0, 300.0);  // the top-left corner
    EXPECT_DOUBLE_EQ(p.left, -410.0);
    EXPECT_DOUBLE_EQ(p.right, -390.0);
    EXPECT_DOUBLE_EQ(p.bottom, 280.0);
    EXPECT_DOUBLE_EQ(p.top, 320.0);
}

TEST(PickBoxes, TheBufferHoldsOneAndAHalfRecordsAnEntity)
{
    EXPECT_EQ(SelectionBufferRecords(3), 5);
    EXPECT_EQ(SelectionBufferRecords(4), 6);
    EXPECT_EQ(SelectionBufferRecords(0), 1);
}

TEST(HitRecords, NamelessAndCutOffRecordsAreLeftOut)
{
    const std::vector<unsigned> buffer = {
        1, 50, 60, 2000001,  // a curve
        0, 10, 10,  // no name
        1, 40, 40, 0,  // name 0: nothing was drawn under a key
        1, 40, 45, 1000002,  // a point
        1, 5, 5,  // cut off by the buffer's end
    };
    const std::vector<SelectionHit> hits = ReadHitRecords(buffer.data(), buffer.size(), 5);
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].name, 2000001u);
    EXPECT_EQ(hits[0].minDepth, 50u);
    EXPECT_EQ(hits[1].name, 1000002u);
    EXPECT_EQ(ReadHitRecords(buffer.data(), buffer.size(), 1).size(), 1u);  // only the count given is read
    EXPECT_TRUE(ReadHitRecords(buffer.data(), buffer.size(), -1).empty());  // an overflow
}

TEST(HitRecords, TheNearestIsTheLeastDepthAndTheLaterRecordOnATie)
{
    EXPECT_EQ(NearestHitKey({{2000001, 50}, {1000002, 40}, {3000001, 60}}), 1000002);
    EXPECT_EQ(NearestHitKey({{2000001, 40}, {1000002, 40}}), 1000002);
    EXPECT_EQ(NearestHitKey({{1000002, 40}, {2000001, 40}}), 2000001);
    EXPECT_EQ(NearestHitKey({}), -1);
}

}  // namespace
