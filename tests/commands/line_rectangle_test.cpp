#include "CommandTestSupport.h"

namespace {

using LineTest = CommandTest;
using RectangleTest = CommandTest;

TEST_F(LineTest, LineBelowTheToleranceIsRefusedAndAtItIsMade)
{
    const ModelState empty = CaptureState(model);
    ExpectRefusedWith(model.CreateLine(P(0, 0).data(), P(0.5, 0).data(), ALIGN_CENTER, 0.0), empty,
                      "Cannot create a new curve (line).\n\nPoint 1 and 2 are identical.");
    EXPECT_TRUE(user.lines.empty());

    ASSERT_TRUE(model.CreateLine(P(0, 0).data(), P(1, 0).data(), ALIGN_CENTER, 0.0));
    EXPECT_EQ(CurvePoints(1), (std::vector<int>{1, 2}));
    EXPECT_EQ(UndoTitle(), "Create new curve (line) [1]");
    EXPECT_EQ(user.LastLine(), "New curve (line) [1] is created with a length 1.000 (Dx: 1.000, Dy: 0.000).");
    EXPECT_EQ(NewcomerCurves(), (std::vector<int>{1}));
    EXPECT_EQ(NewcomerPoints(), (std::vector<int>{1, 2}));
    ExpectUndoRedoRestores(empty);
}

TEST_F(LineTest, WidthAndAlignmentAreStoredANegativeWidthAsNone)
{
    ASSERT_TRUE(model.CreateLine(P(0, 0).data(), P(10, 0).data(), ALIGN_LEFT, -5.0));
    ASSERT_TRUE(model.CreateLine(P(0, 10).data(), P(10, 10).data(), ALIGN_RIGHT, 12.5));
    EXPECT_EQ(model.FindCurve(1)->width, 0.0);
    EXPECT_EQ(model.FindCurve(1)->alignment, ALIGN_LEFT);
    EXPECT_EQ(model.FindCurve(2)->width, 12.5);
    EXPECT_EQ(model.FindCurve(2)->alignment, ALIGN_RIGHT);
}

TEST_F(LineTest, EndsNearExistingPointsReuseThemAndKeepTheNewcomerPoints)
{
    AddPoint(0, 0);
    AddPoint(10, 0);
    model.AddNewcomerPoints({7}, true);
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.CreateLine(P(0.4, 0.2).data(), P(10, 0.5).data(), ALIGN_CENTER, 0.0));
    EXPECT_EQ(CurvePoints(1), (std::vector<int>{1, 2}));
    EXPECT_EQ(model.m_points.size(), 2u);
    EXPECT_EQ(NewcomerCurves(), (std::vector<int>{1}));
    EXPECT_EQ(model.m_newcomerPoints, (std::vector<int>{7}));
    const T_ACTION_D* action = model.GetCurrentUndoAction();
    EXPECT_TRUE(action->points.created.empty());
    EXPECT_EQ(action->curves.created, (std::vector<int>{1}));
    ExpectUndoRedoRestores(before);
}

TEST_F(LineTest, EndsThatResolveToOnePointAreRefused)
{
    // 1.6 apart, both within the tolerance of the point between them.
    AddPoint(0.8, 0);
    const ModelState before = CaptureState(model);
    ExpectRefusedWith(model.CreateLine(P(0, 0).data(), P(1.6, 0).data(), ALIGN_CENTER, 0.0), before,
                      "Cannot create a new curve (line).\n\nPoint 1 and 2 are identical.");
    EXPECT_EQ(model.m_nextCurveId, 1);
}

TEST_F(LineTest, RotatedUcsStoresGlobalPointsAndReportsGlobalExtents)
{
    UseUcs(0, 0, 90);
    ASSERT_TRUE(model.CreateLine(P(0, 0).data(), P(10, 0).data(), ALIGN_CENTER, 0.0));
    ExpectPointAt(2, 0, 10);
    EXPECT_EQ(user.LastLine(), "New curve (line) [1] is created with a length 10.000 (Dx: 0.000, Dy: 10.000).");
}

TEST_F(LineTest, PolylineSharesItsMiddleVertex)
{
    ASSERT_TRUE(model.CreateLine(P(0, 0).data(), P(10, 0).data(), ALIGN_CENTER, 0.0));
    ASSERT_TRUE(model.CreateLine(P(10, 0).data(), P(10, 10).data(), ALIGN_CENTER, 0.0));
    EXPECT_EQ(CurvePoints(1), (std::vector<int>{1, 2}));
    EXPECT_EQ(CurvePoints(2), (std::vector<int>{2, 3}));
    EXPECT_EQ(UndoTitle(), "Create new curve (line) [2]");
    EXPECT_EQ(model.m_undoActions.size(), 2u);
}

TEST_F(RectangleTest, CornersAndSidesInOrder)
{
    const ModelState empty = CaptureState(model);
    ASSERT_TRUE(model.CreateRectangle(P(0, 0).data(), P(100, 50).data(), ALIGN_CENTER, 0.0));
    ExpectPointAt(1, 0, 0);
    ExpectPointAt(2, 0, 50);
    ExpectPointAt(3, 100, 50);
    ExpectPointAt(4, 100, 0);
    EXPECT_EQ(CurvePoints(1), (std::vector<int>{1, 2}));
    EXPECT_EQ(CurvePoints(2), (std::vector<int>{2, 3}));
    EXPECT_EQ(CurvePoints(3), (std::vector<int>{3, 4}));
    EXPECT_EQ(CurvePoints(4), (std::vector<int>{4, 1}));
    EXPECT_EQ(UndoTitle(), "Create rectangle by connecting 4 lines");
    EXPECT_EQ(user.LastLine(), "New curve (rectangle) is created with a width 100.000 and a height 50.000.");
    EXPECT_EQ(NewcomerCurves(), (std::vector<int>{1, 2, 3, 4}));
    ExpectUndoRedoRestores(empty);
}

TEST_F(RectangleTest, SwappedCornersStartAtTheFirstGivenCorner)
{
    ASSERT_TRUE(model.CreateRectangle(P(100, 50).data(), P(0, 0).data(), ALIGN_CENTER, 0.0));
    ExpectPointAt(1, 100, 50);
    ExpectPointAt(2, 100, 0);
    ExpectPointAt(3, 0, 0);
    ExpectPointAt(4, 0, 50);
}

TEST_F(RectangleTest, ExistingSideIsReusedUnchanged)
{
    const int c2 = AddPoint(0, 50);
    const int c3 = AddPoint(100, 50);
    const int side = AddCurveThrough({c3, c2});
    model.FindCurve(side)->width = 3.0;
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.CreateRectangle(P(0, 0).data(), P(100, 50).data(), ALIGN_CENTER, 8.0));
    EXPECT_EQ(model.m_curves.size(), 4u);
    EXPECT_EQ(model.FindCurve(side)->width, 3.0);
    EXPECT_EQ(NewcomerCurves(), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(CurvePoints(2), (std::vector<int>{3, c2}));
    ExpectUndoRedoRestores(before);
}

TEST_F(RectangleTest, SameRectangleTwiceMakesNothingButSucceeds)
{
    ASSERT_TRUE(model.CreateRectangle(P(0, 0).data(), P(100, 50).data(), ALIGN_CENTER, 0.0));
    ASSERT_TRUE(model.Undo(false));
    ASSERT_TRUE(model.Redo());
    ASSERT_TRUE(model.CreateLine(P(200, 0).data(), P(300, 0).data(), ALIGN_CENTER, 0.0));
    ASSERT_TRUE(model.Undo(false));  // leaves one redo step
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.CreateRectangle(P(0, 0).data(), P(100, 50).data(), ALIGN_CENTER, 0.0));
    EXPECT_EQ(CaptureState(model), before);
    EXPECT_EQ(UndoTitle(), "Create rectangle by connecting 4 lines");
    EXPECT_FALSE(model.IsRedoEmpty());
    EXPECT_EQ(user.LastLine(), "Nothing is changed: the rectangle's four sides already exist.");
}

TEST_F(RectangleTest, RefusalsOnFlatOrSmallExtents)
{
    struct Case {
        double corner2[2];
        const char* reason;
    };
    const Case cases[] = {
        {{0, 10}, "Two corner points are on the same vertical line."},
        {{0.5, 10}, "Width is less than the tolerance."},
        {{10, 0}, "Two corner points are on the same horizontal line."},
        {{10, 0.5}, "Height is less than the tolerance."},
    };
    for (const Case& c : cases) {
        user.ClearRecords();
        const ModelState before = CaptureState(model);
        ExpectRefusedWith(model.CreateRectangle(P(0, 0).data(), c.corner2, ALIGN_CENTER, 0.0), before,
                          std::string("Cannot create a new curve (rectangle).\n\n") + c.reason);
    }
}

TEST_F(RectangleTest, CornersResolvingToOnePointAreRefused)
{
    AddPoint(0.6, 0.6);
    const ModelState before = CaptureState(model);
    ExpectRefusedWith(model.CreateRectangle(P(0, 0).data(), P(1.2, 1.2).data(), ALIGN_CENTER, 0.0), before,
                      "Cannot create a new curve (rectangle).\n\nGiven points are too close.");
}

TEST_F(RectangleTest, IdLimitRefusesBeforeAnythingChanges)
{
    model.m_nextCurveId = 999998;
    const ModelState before = CaptureState(model);
    EXPECT_FALSE(model.CreateRectangle(P(0, 0).data(), P(100, 50).data(), ALIGN_CENTER, 0.0));
    EXPECT_EQ(CaptureState(model), before);
    EXPECT_TRUE(model.IsUndoEmpty());
    ASSERT_EQ(user.boxes.size(), 1u);
    EXPECT_EQ(user.boxes[0].kind, BoxKind::Warning);
}

} // namespace
