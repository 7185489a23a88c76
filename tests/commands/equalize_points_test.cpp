#include "TopologyTestSupport.h"

namespace {

constexpr const char* kOverlapWarning =
    "This equivalence will make the curve [%d] be overlaped in itself.\n\nSplit this curve or select all interior "
    "points between selected points.";

std::string OverlapWarning(int curveId)
{
    char text[256];
    std::snprintf(text, sizeof text, kOverlapWarning, curveId);
    return text;
}

class EqualizePointsTest : public TopologyTest {
protected:
    bool Equalize(const std::vector<int>& ids, bool deleteRedundancies)
    {
        return model.EqualizePoints(ids, false, P(0, 0).data(), deleteRedundancies, true);
    }

    bool EqualizeAt(const std::vector<int>& ids, double x, double y, bool deleteRedundancies)
    {
        return model.EqualizePoints(ids, true, P(x, y).data(), deleteRedundancies, true);
    }
};

TEST_F(EqualizePointsTest, AverageOfTwoLineEndsKeepingRedundancies)
{
    const int left = AddCurve({{0, 0}, {10, 0}});    // points 1, 2
    const int right = AddCurve({{14, 2}, {30, 0}});  // points 3, 4
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(Equalize({2, 3}, false));
    EXPECT_EQ(CurvePoints(left), (std::vector<int>{1, 5}));
    EXPECT_EQ(CurvePoints(right), (std::vector<int>{5, 4}));
    ExpectPointAt(5, 12, 1);
    ExpectPointAt(2, 10, 0);
    ExpectPointAt(3, 14, 2);
    EXPECT_EQ(NewcomerPoints(), std::vector<int>{5});
    EXPECT_EQ(UndoTitle(), "Equalize 2 points");
    EXPECT_EQ(user.lines, std::vector<std::string>{"2 points are equalized as point [5] (12.000, 1.000)."});
    ExpectUndoRedoRestores(before);
}

TEST_F(EqualizePointsTest, AverageWithDeleteRedundanciesMovesTheSmallestId)
{
    const int left = AddCurve({{0, 0}, {10, 0}});
    const int right = AddCurve({{14, 2}, {30, 0}});
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(Equalize({3, 2}, true));
    EXPECT_EQ(CurvePoints(left), (std::vector<int>{1, 2}));
    EXPECT_EQ(CurvePoints(right), (std::vector<int>{2, 4}));
    ExpectPointAt(2, 12, 1);
    EXPECT_EQ(model.FindPoint(3), nullptr);
    EXPECT_EQ(model.m_nextPointId, 5);
    EXPECT_EQ(user.LastLine(), "2 points are equalized as point [2] (12.000, 1.000).");
    ExpectUndoRedoRestores(before);
}

TEST_F(EqualizePointsTest, CoordinateInARotatedUcs)
{
    AddCurve({{0, 0}, {10, 0}});
    AddCurve({{14, 2}, {30, 0}});
    UseUcs(100, 0, 90);
    for (bool deleteRedundancies : {false, true}) {
        SCOPED_TRACE(deleteRedundancies);
        const ModelState before = CaptureState(model);
        ASSERT_TRUE(EqualizeAt({2, 3}, 5, 50, deleteRedundancies));
        // UCS (5, 50) is global (100 - 50, 5).
        const int merged = deleteRedundancies ? 2 : 5;
        ExpectPointAt(merged, 50, 5);
        EXPECT_EQ(CurvePoints(1), (std::vector<int>{1, merged}));
        EXPECT_EQ(user.LastLine(),
                  "2 points are equalized as point [" + std::to_string(merged) + "] (5.000, 50.000).");
        EXPECT_EQ(model.FindPoint(3) == nullptr, deleteRedundancies);
        ExpectUndoRedoRestores(before);
        ASSERT_TRUE(model.Undo(false));
    }
}

TEST_F(EqualizePointsTest, BothEndsOfOneLineDeleteTheLine)
{
    const int line = AddCurve({{0, 0}, {0.4, 0}});
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(Equalize({1, 2}, true));
    EXPECT_EQ(model.FindCurve(line), nullptr);
    EXPECT_EQ(AllPointIds(), std::vector<int>{1});
    ExpectUndoRedoRestores(before);
}

TEST_F(EqualizePointsTest, PolylinePointsMustBeAContiguousRun)
{
    const int polyline = AddCurve({{0, 0}, {10, 0}, {20, 0}, {30, 0}, {40, 0}});
    const ModelState before = CaptureState(model);
    ExpectRefusedWith(Equalize({2, 4}, false), before, OverlapWarning(polyline));

    user.ClearRecords();
    ASSERT_TRUE(Equalize({2, 3, 4}, false));
    EXPECT_EQ(CurvePoints(polyline), (std::vector<int>{1, 3, 5}));  // point 3 sits on the average
    EXPECT_EQ(user.LastLine(), "3 points are equalized as point [3] (20.000, 0.000).");
    ExpectUndoRedoRestores(before);
}

TEST_F(EqualizePointsTest, ClosedCurveRefusesItsFirstPointWithoutTheRest)
{
    AddPoint(0, 0), AddPoint(10, 0), AddPoint(10, 10), AddPoint(0, 10);
    const int closed = AddCurveThrough({1, 2, 3, 4, 1});
    const ModelState before = CaptureState(model);
    ExpectRefusedWith(Equalize({1, 2}, false), before, OverlapWarning(closed));
}

TEST_F(EqualizePointsTest, TriangleCollapsesToALine)
{
    AddPoint(0, 0), AddPoint(10, 0), AddPoint(10, 10);
    const int triangle = AddCurveThrough({1, 2, 3, 1});
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(Equalize({2, 3}, false));
    EXPECT_EQ(CurvePoints(triangle), (std::vector<int>{1, 4}));
    ExpectPointAt(4, 10, 5);
    ExpectUndoRedoRestores(before);
}

TEST_F(EqualizePointsTest, WholeClosedCurveMergedIntoAnotherPointNamesNoDeletedPoint)
{
    AddPoint(0, 0), AddPoint(12, 0), AddPoint(6, 9);
    const int triangle = AddCurveThrough({1, 2, 3, 1});
    const int centre = AddPoint(6, 3.2);  // within the tolerance of the average (6, 3)
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(Equalize({1, 2, 3}, true));
    EXPECT_EQ(model.FindCurve(triangle), nullptr);
    EXPECT_EQ(AllPointIds(), std::vector<int>{centre});
    ExpectNoDanglingIds();
    ExpectUndoRedoRestores(before);
}

TEST_F(EqualizePointsTest, UnselectedCoincidentPointAbsorbsTheMerge)
{
    const int left = AddCurve({{0, 0}, {10, 0}});
    const int right = AddCurve({{14, 0}, {30, 0}});
    const int free = AddPoint(12.5, 0.3);
    ASSERT_TRUE(Equalize({2, 3}, false));
    EXPECT_EQ(CurvePoints(left), (std::vector<int>{1, free}));
    EXPECT_EQ(CurvePoints(right), (std::vector<int>{free, 4}));
    ExpectPointAt(free, 12.5, 0.3);
    EXPECT_EQ(model.m_points.size(), 5u);
    EXPECT_EQ(user.LastLine(), "2 points are equalized as point [5] (12.000, 0.000).");
}

TEST_F(EqualizePointsTest, MergedLinesThatDuplicateEachOtherAreDeleted)
{
    AddPoint(0, 0), AddPoint(20, 0), AddPoint(20, 0.5);
    const int first = AddCurveThrough({1, 2});
    const int second = AddCurveThrough({1, 3});
    ASSERT_TRUE(Equalize({2, 3}, true));
    EXPECT_EQ(AllCurveIds(), std::vector<int>{first});
    EXPECT_EQ(model.FindCurve(second), nullptr);
    EXPECT_EQ(user.lines, (std::vector<std::string>{"1 duplicate curve is deleted.",
                                                    "2 points are equalized as point [2] (20.000, 0.250)."}));
}

TEST_F(EqualizePointsTest, ProtectedPointsAreSkippedAndTooFewLeftRefuses)
{
    const int sectionLine = AddCurve({{0, 0}, {10, 0}});
    AddSection(SECTION_LINE, {sectionLine});
    const int free = AddPoint(10.5, 0);
    const ModelState before = CaptureState(model);
    EXPECT_FALSE(Equalize({2, free, free}, false));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{
        "Point belonging to the section or the closed loop will be skipped in this operation."});
    EXPECT_EQ(CaptureState(model), before);
    EXPECT_TRUE(model.IsUndoEmpty());
}

// Two pairs 0.2 apart, merged with a tolerance of 0.5. The free pair's
// average (0.1, 0) lies within the model's tolerance (1 by default) of point
// 1, which stands for it unmoved, and point 2, held by no curve, is kept: that
// merge changes nothing. The second pair's merge takes the line off point 4.
// Only the second pair's line is printed.
TEST_F(EqualizePointsTest, ToleranceMergePrintsOnlyTheLinesOfGroupsThatChangedSomething)
{
    AddPoint(0, 0);
    AddPoint(0.2, 0);
    AddPoint(100, 0);
    const int line = AddCurve({{100.2, 0}, {200, 0}});  // points 4 and 5

    ASSERT_TRUE(model.EqualizePointsInTolerance({1, 2, 3, 4}, 0.5, false, P(0, 0).data(), false, true));

    EXPECT_EQ(user.lines, std::vector<std::string>{"2 points are equalized as point [3] (100.100, 0.000)."});
    ExpectPointAt(2, 0.2, 0);
    EXPECT_EQ(CurvePoints(line), (std::vector<int>{3, 5}));
}

class SnowballTest : public EqualizePointsTest {
protected:
    SnowballTest()
    {
        model.m_tolerance = 0.1;
        for (double x : {0.0, 0.6, 1.2})
            AddCurve({{x, 0}, {x, 10}});  // points 1-2, 3-4, 5-6
    }
};

TEST_F(SnowballTest, NeighboursOfNeighboursJoinTheGroup)
{
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.EqualizePointsInTolerance({1, 3, 5}, 1.0, false, P(0, 0).data(), true, true));
    EXPECT_EQ(UndoTitle(), "Equalize 3 points in tolerance");
    // 0 and 1.2 lie 1.2 apart, but each within 1.0 of 0.6; the average falls
    // on the point at 0.6, which absorbs the others.
    ExpectPointAt(3, 0.6, 0);
    EXPECT_EQ(model.FindPoint(1), nullptr);
    EXPECT_EQ(model.FindPoint(5), nullptr);
    for (int curve : {1, 2, 3})
        EXPECT_EQ(CurvePoints(curve)[0], 3);
    EXPECT_EQ(user.LastLine(), "3 points are equalized as point [3] (0.600, 0.000).");
    ExpectUndoRedoRestores(before);
}

TEST_F(SnowballTest, NoCloseNeighbourPrintsAndRecordsNothing)
{
    const ModelState before = CaptureState(model);
    EXPECT_FALSE(model.EqualizePointsInTolerance({1, 3, 5}, 0.5, false, P(0, 0).data(), true, true));
    EXPECT_EQ(user.lines, std::vector<std::string>{
        "No point exists within the snowball tolerance with other points in the selected group."});
    EXPECT_EQ(CaptureState(model), before);
    EXPECT_TRUE(model.IsUndoEmpty());

    user.ClearRecords();
    EXPECT_FALSE(model.EqualizePointsInTolerance({1, 3, 5}, 0.5, false, P(0, 0).data(), true, false));
    EXPECT_TRUE(user.lines.empty());
}

TEST_F(SnowballTest, EveryGroupMergesAtTheGivenCoordinate)
{
    // Two groups: the three lower ends, the three upper ends.
    ASSERT_TRUE(model.EqualizePointsInTolerance({1, 2, 3, 4, 5, 6}, 1.0, true, P(0.6, 5).data(), false, true));
    // The first group makes a point at (0.6, 5); the second finds it there.
    ExpectPointAt(7, 0.6, 5);
    EXPECT_EQ(model.FindPoint(8), nullptr);
    EXPECT_EQ(model.m_curves.size(), 0u);  // every line collapsed onto point 7
    EXPECT_EQ(UndoTitle(), "Equalize 6 points in tolerance");
    ExpectNoDanglingIds();
}

// Open curves shaped like a U whose two ends lie 0.5 apart: merging the ends
// would make the curve overlap itself, so the group of the two is refused.
class RefusedSnowballTest : public EqualizePointsTest {
protected:
    // Returns the two end points of each new U, in order.
    std::vector<int> AddUs(int count)
    {
        std::vector<int> ends;
        for (int k = 0; k < count; ++k) {
            const double x = 20.0 * k;
            const int u = AddCurve({{x, 0}, {x, -10}, {x + 0.5, -10}, {x + 0.5, 0}});
            ends.push_back(CurvePoints(u).front());
            ends.push_back(CurvePoints(u).back());
        }
        return ends;
    }

    // An earlier step, undone, so that there is a redo history to keep.
    void LeaveARedoStep()
    {
        ASSERT_TRUE(model.CreatePointByCoordinate(P(-100, -100).data()));
        ASSERT_TRUE(model.Undo(false));
        user.ClearRecords();
    }

    bool EqualizeInTolerance(const std::vector<int>& ids, bool verbose)
    {
        return model.EqualizePointsInTolerance(ids, 1.0, false, P(0, 0).data(), true, verbose);
    }
};

TEST_F(RefusedSnowballTest, NoGroupMergedIsFalseAndNoStep)
{
    const std::vector<int> ends = AddUs(1);
    LeaveARedoStep();
    const ModelState before = CaptureState(model);
    model.TakeUndoStepFiled();

    EXPECT_FALSE(EqualizeInTolerance(ends, true));

    EXPECT_EQ(CaptureState(model), before);
    EXPECT_TRUE(model.IsUndoEmpty());
    EXPECT_EQ(model.m_redoTopId, 1);
    EXPECT_FALSE(model.TakeUndoStepFiled());
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{OverlapWarning(1)});
    EXPECT_TRUE(user.lines.empty());
}

TEST_F(RefusedSnowballTest, RefusedGroupsAreCountedInOneMessage)
{
    const std::vector<int> ends = AddUs(3);
    const std::string summary = "3 groups of points within the snowball tolerance are not equalized.";

    EXPECT_FALSE(EqualizeInTolerance(ends, true));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{summary + "\n\n" + OverlapWarning(1)});
    EXPECT_TRUE(user.lines.empty());

    user.ClearRecords();
    EXPECT_FALSE(EqualizeInTolerance(ends, false));
    EXPECT_TRUE(user.boxes.empty()) << "asked to be quiet";
    EXPECT_EQ(user.lines, std::vector<std::string>{summary});
    EXPECT_TRUE(model.IsUndoEmpty());
}

TEST_F(RefusedSnowballTest, MergedGroupsStandBesideARefusedOne)
{
    std::vector<int> ids = AddUs(1);
    const int a = AddPoint(100, 100);
    const int b = AddPoint(100.5, 100);
    ids.push_back(a);
    ids.push_back(b);

    EXPECT_TRUE(EqualizeInTolerance(ids, true));

    EXPECT_EQ(UndoTitle(), "Equalize 4 points in tolerance");
    ExpectPointAt(a, 100, 100);  // the point found at the average keeps its place
    EXPECT_EQ(model.FindPoint(b), nullptr);
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{OverlapWarning(1)});
}

// Three hundred points close together, joined by one polyline that also runs
// through a point outside the selection: every seed finds the same group,
// which is refused once.
TEST_F(RefusedSnowballTest, AGroupFoundFromEverySeedIsRefusedOnce)
{
    std::vector<int> ids;
    std::vector<int> line;
    for (int k = 0; k < 300; ++k) {
        ids.push_back(AddPoint(0.03 * k, 0.02 * (k % 7)));
        line.push_back(ids.back());
        if (k == 150)
            line.push_back(AddPoint(50, 50));
    }
    AddCurveThrough(line);
    const ModelState before = CaptureState(model);

    EXPECT_FALSE(model.EqualizePointsInTolerance(ids, 11.0, false, P(0, 0).data(), true, true));

    EXPECT_EQ(CaptureState(model), before);
    EXPECT_TRUE(model.IsUndoEmpty());
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{OverlapWarning(1)});
}

} // namespace
