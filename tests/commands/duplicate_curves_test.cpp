#include "TopologyTestSupport.h"

namespace {

class DeleteDuplicateCurvesTest : public TopologyTest {
protected:
    void DeleteDuplicates(const std::vector<int>& curveIds)
    {
        model.BeginUndoAction();
        model.DeleteDuplicateCurves(curveIds);
    }
};

TEST_F(DeleteDuplicateCurvesTest, ReversedTwoPointLineGoesAndTheFirstListedStays)
{
    const int a = AddPoint(0, 0), b = AddPoint(10, 0);
    const int first = AddCurveThrough({a, b});
    const int second = AddCurveThrough({b, a});
    const ModelState before = CaptureState(model);
    DeleteDuplicates({second, first});
    EXPECT_EQ(AllCurveIds(), std::vector<int>{second});
    EXPECT_EQ(user.lines, std::vector<std::string>{"1 duplicate curve is deleted."});
    EXPECT_EQ(AllPointIds(), (std::vector<int>{a, b}));
    ExpectUndoRedoRestores(before);
}

TEST_F(DeleteDuplicateCurvesTest, ThreePointCurvesCompareTheirHalfLengthPoints)
{
    const int a = AddPoint(0, 0), b = AddPoint(10, 0);
    const int up = AddPoint(5, 5), down = AddPoint(5, -5), nearUp = AddPoint(5.3, 5);
    const int arcUp = AddCurveThrough({a, up, b});
    const int arcDown = AddCurveThrough({b, down, a});
    DeleteDuplicates({arcUp, arcDown});
    EXPECT_EQ(model.m_curves.size(), 2u);
    EXPECT_TRUE(user.lines.empty());

    // Same ends and a half-length point within the tolerance of arcUp's.
    const int arcNearUp = AddCurveThrough({a, nearUp, b});
    const int thirdCopy = AddCurveThrough({b, up, a});
    DeleteDuplicates({arcUp, arcDown, arcNearUp, thirdCopy});
    EXPECT_EQ(AllCurveIds(), (std::vector<int>{arcUp, arcDown}));
    EXPECT_EQ(user.LastLine(), "2 duplicate curves are deleted.");
}

TEST_F(DeleteDuplicateCurvesTest, SectionCurvesTakeNoPartAndBrokenOnesGo)
{
    const int a = AddPoint(0, 0), b = AddPoint(10, 0);
    const int sectionLine = AddCurveThrough({a, b});
    const int free = AddCurveThrough({a, b});
    const int broken = AddCurveThrough({a, 77});
    AddSection(SECTION_LINE, {sectionLine});
    DeleteDuplicates({sectionLine, free, broken});
    EXPECT_EQ(AllCurveIds(), (std::vector<int>{sectionLine, free}));
    EXPECT_EQ(user.lines, std::vector<std::string>{"1 duplicate curve is deleted."});
    ExpectNoDanglingIds();
}

TEST_F(DeleteDuplicateCurvesTest, ClosedLoopCurvesSurviveTheirFreeDuplicates)
{
    const int a = AddPoint(0, 0), b = AddPoint(10, 0);
    // The free line is listed first, yet the loop's curve is the one kept.
    const int free = AddCurveThrough({a, b});
    const int loopLine = AddCurveThrough({b, a});
    const int otherLoopLine = AddCurveThrough({a, b});
    AddLoop({loopLine});
    AddLoop({otherLoopLine});
    const ModelState before = CaptureState(model);
    DeleteDuplicates({free, loopLine, otherLoopLine});
    EXPECT_EQ(AllCurveIds(), (std::vector<int>{loopLine, otherLoopLine}));
    EXPECT_EQ(user.lines, std::vector<std::string>{"1 duplicate curve is deleted."});
    ExpectNoDanglingIds();
    ExpectUndoRedoRestores(before);
}

TEST_F(TopologyTest, UnshareGivesEachSharedPointOneCopyUsedByEveryOtherCurve)
{
    // The section's line a-b; two other curves through b.
    const int a = AddPoint(0, 0), b = AddPoint(10, 0), c = AddPoint(20, 0), d = AddPoint(10, 10);
    const int sectionLine = AddCurveThrough({a, b});
    const int other1 = AddCurveThrough({b, c});
    const int other2 = AddCurveThrough({d, b});
    model.m_points[b]->further[1] = 7.5;
    const ModelState before = CaptureState(model);
    model.BeginUndoAction();
    ASSERT_TRUE(model.UnsharePointsOfCurves({sectionLine}));
    const int copy = d + 1;
    EXPECT_EQ(CurvePoints(sectionLine), (std::vector<int>{a, b}));
    EXPECT_EQ(CurvePoints(other1), (std::vector<int>{copy, c}));
    EXPECT_EQ(CurvePoints(other2), (std::vector<int>{d, copy}));
    ExpectPointAt(copy, 10, 0);
    EXPECT_EQ(model.FindPoint(copy)->further[1], 7.5);
    EXPECT_EQ(NewcomerPoints(), std::vector<int>{copy});
    ExpectUndoRedoRestores(before);
}

TEST_F(TopologyTest, UnshareKeepsAnOutsideClosedCurveClosed)
{
    // Outside curve 5-6-7-5 shares its closing point 5 with the listed line.
    const int p4 = AddPoint(-10, 0), p5 = AddPoint(0, 0), p6 = AddPoint(10, 0), p7 = AddPoint(5, 8);
    const int listed = AddCurveThrough({p4, p5});
    const int closed = AddCurveThrough({p5, p6, p7, p5});
    model.BeginUndoAction();
    ASSERT_TRUE(model.UnsharePointsOfCurves({listed}));
    const int copy = p7 + 1;
    EXPECT_EQ(CurvePoints(closed), (std::vector<int>{copy, p6, p7, copy}));
    EXPECT_EQ(CurvePoints(listed), (std::vector<int>{p4, p5}));
    EXPECT_EQ(model.m_points.size(), 5u);
}

TEST_F(TopologyTest, UnshareWithNothingSharedChangesNothing)
{
    const int listed = AddCurve({{0, 0}, {10, 0}});
    AddCurve({{20, 0}, {30, 0}});
    model.AddNewcomerPoint(1, true);
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.UnsharePointsOfCurves({listed, 99}));
    EXPECT_EQ(CaptureState(model), before);
    EXPECT_EQ(NewcomerPoints(), std::vector<int>{1});
}

} // namespace
