#include "CommandTestSupport.h"

namespace {

using PointByCoordinateTest = CommandTest;
using PointsOnCurvesTest = CommandTest;
using PointsBetweenPointsTest = CommandTest;

TEST_F(PointByCoordinateTest, RotatedUcsStoresGlobalAndReportsTypedCoordinates)
{
    UseUcs(0, 0, 90);
    const ModelState empty = CaptureState(model);
    ASSERT_TRUE(model.CreatePointByCoordinate(P(10, 0).data()));
    ExpectPointAt(1, 0, 10, 1e-12);
    EXPECT_EQ(user.LastLine(), "New point [1] is created at (10.000, 0.000).");
    EXPECT_EQ(UndoTitle(), "Create new point [1] by coordinate");
    EXPECT_EQ(NewcomerPoints(), (std::vector<int>{1}));
    ExpectUndoRedoRestores(empty);
}

TEST_F(PointByCoordinateTest, OccupiedPositionIsRefusedAtTheToleranceItIsFree)
{
    AddPoint(0, 0);
    const ModelState before = CaptureState(model);
    EXPECT_FALSE(model.CreatePointByCoordinate(P(0.6, 0.6).data()));
    EXPECT_EQ(user.lines, std::vector<std::string>{"Point [1] already exists at the given coordinate."});
    EXPECT_TRUE(user.boxes.empty());
    EXPECT_TRUE(model.IsUndoEmpty());
    EXPECT_EQ(CaptureState(model), before);

    ASSERT_TRUE(model.CreatePointByCoordinate(P(1, 0).data()));
    ExpectPointAt(2, 1, 0);
}

TEST_F(PointByCoordinateTest, FullIdRangeIsRefused)
{
    model.m_nextPointId = 1000000;
    EXPECT_FALSE(model.CreatePointByCoordinate(P(0, 0).data()));
    EXPECT_TRUE(model.m_points.empty());
    EXPECT_TRUE(model.IsUndoEmpty());
    ASSERT_EQ(user.boxes.size(), 1u);
    EXPECT_EQ(user.boxes[0].kind, BoxKind::Warning);
}

TEST_F(PointsOnCurvesTest, RatioBoundsAndEmptyList)
{
    const int line = AddCurve({{0, 0}, {100, 0}});
    EXPECT_FALSE(model.CreatePointsOnCurvesByRatio({}, 0.5, false));
    EXPECT_TRUE(user.boxes.empty());
    for (double bad : {0.0, 1.0, 9e-7, 1.0 - 9e-7, -0.5}) {
        user.ClearRecords();
        ExpectRefusedWith(model.CreatePointsOnCurvesByRatio({line}, bad, false), CaptureState(model),
                          "Ratio should be in the range of 0~1.");
    }
    ASSERT_TRUE(model.CreatePointsOnCurvesByRatio({line}, 0.000001, false));
    ASSERT_TRUE(model.CreatePointsOnCurvesByRatio({line}, 0.999999, false));
}

TEST_F(PointsOnCurvesTest, RatioInsertsOrSplitsEachCurve)
{
    const int first = AddCurve({{0, 0}, {100, 0}});
    const int second = AddCurve({{0, 50}, {200, 50}});
    model.AddNewcomerCurves({first}, true);
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.CreatePointsOnCurvesByRatio({first, second}, 0.25, false));
    EXPECT_EQ(CurvePoints(first), (std::vector<int>{1, 5, 2}));
    EXPECT_EQ(CurvePoints(second), (std::vector<int>{3, 6, 4}));
    ExpectPointAt(6, 50, 50);
    EXPECT_EQ(UndoTitle(), "Create new points on 2 curves by ratio");
    EXPECT_EQ(NewcomerPoints(), (std::vector<int>{5, 6}));
    EXPECT_EQ(NewcomerCurves(), (std::vector<int>{first}));  // untouched without a split
    ExpectUndoRedoRestores(before);

    ASSERT_TRUE(model.CreatePointsOnCurvesByRatio({second}, 0.5, true));
    EXPECT_EQ(UndoTitle(), "Create new point on 1 curve by ratio");
    EXPECT_EQ(NewcomerCurves(), (std::vector<int>{3}));
    EXPECT_EQ(user.LastLine(), "Curve [2] is split into 2 curves: curve [2] - curve [3] ");
}

TEST_F(PointsOnCurvesTest, MissingCurveOrPointIsReported)
{
    const int line = AddCurve({{0, 0}, {100, 0}});
    model.FindCurve(line)->pointIds.push_back(77);
    const ModelState before = CaptureState(model);
    ExpectRefusedWith(model.CreatePointsOnCurvesByRatio({9}, 0.5, false), before, "Cannot find curve [ID:9] object.");
    user.ClearRecords();
    ExpectRefusedWith(model.CreatePointsOnCurvesByInterpolation({line}, 2, 0.0, false), before,
                      "Cannot find point [ID:77] object.");
}

TEST_F(PointsOnCurvesTest, InterpolationCountFromNumberOrSpacing)
{
    struct Case {
        int number;
        double spacing;
        std::vector<double> xs;  // of the inserted points
    };
    const Case cases[] = {
        {0, 30.0, {100.0 / 3.0, 200.0 / 3.0}},
        {0, 200.0, {}},
        {3, 1000.0, {25.0, 50.0, 75.0}},
        {3, 0.0, {25.0, 50.0, 75.0}},
    };
    for (const Case& c : cases) {
        CSectModel fresh;
        fresh.m_reporter.SetPorts(user.Ports());
        auto curve = std::make_unique<T_CURVE_D>();
        curve->id = 1;
        curve->pointIds = {1, 2};
        fresh.m_curves[1] = std::move(curve);
        for (int id : {1, 2}) {
            auto point = std::make_unique<T_POINT_D>();
            point->id = id;
            point->xy[0] = id == 1 ? 0.0 : 100.0;
            fresh.m_points[id] = std::move(point);
        }
        fresh.m_nextPointId = 3;
        fresh.m_nextCurveId = 2;
        ASSERT_TRUE(fresh.CreatePointsOnCurvesByInterpolation({1}, c.number, c.spacing, false));
        const std::vector<int>& ids = fresh.FindCurve(1)->pointIds;
        ASSERT_EQ(ids.size(), c.xs.size() + 2) << c.number << " " << c.spacing;
        for (size_t i = 0; i < c.xs.size(); ++i)
            EXPECT_NEAR(fresh.FindPoint(ids[i + 1])->xy[0], c.xs[i], 1e-9);
        if (c.xs.empty()) {
            EXPECT_TRUE(fresh.IsUndoEmpty()) << "an undo step that changes nothing";
            continue;
        }
        ASSERT_FALSE(fresh.IsUndoEmpty());
        EXPECT_EQ(fresh.GetCurrentUndoAction()->title, "Create new point on 1 curve by interpolation");
        EXPECT_TRUE(fresh.GetCurrentUndoAction()->curves.saved.contains(1));
    }
}

TEST_F(PointsOnCurvesTest, InterpolationRefusesUnusableSpacing)
{
    const int line = AddCurve({{0, 0}, {100, 0}});
    struct Case {
        int number;
        double spacing;
        const char* warning;
    };
    const Case cases[] = {
        {0, 0.0, "Both defined number of points and point spacing are invalid."},
        {-2, 5e-7, "Both defined number of points and point spacing are invalid."},
        {0, 0.5, "Interval is too small. It is less than the tolerance."},
    };
    for (const Case& c : cases) {
        user.ClearRecords();
        ExpectRefusedWith(model.CreatePointsOnCurvesByInterpolation({line}, c.number, c.spacing, true),
                          CaptureState(model), c.warning);
        user.ClearRecords();
        ExpectRefusedWith(model.CreatePointsBetweenPointsByInterpolation(1, 2, c.number, c.spacing),
                          CaptureState(model), c.warning);
    }
}

TEST_F(PointsOnCurvesTest, InterpolationBeyondTheIdRangeIsRefused)
{
    model.SetTolerance(1e-9);
    const int line = AddCurve({{0, 0}, {100, 0}});
    const ModelState before = CaptureState(model);
    EXPECT_FALSE(model.CreatePointsOnCurvesByInterpolation({line}, 0, 1e-5, false));
    EXPECT_FALSE(model.CreatePointsOnCurvesByInterpolation({line}, 2000000, 0.0, false));
    EXPECT_FALSE(model.CreatePointsBetweenPointsByInterpolation(1, 2, 0, 1e-5));
    EXPECT_EQ(CaptureState(model), before);
    EXPECT_TRUE(model.IsUndoEmpty());
    EXPECT_EQ(user.boxes.size(), 3u);
}

TEST_F(PointsOnCurvesTest, InterpolatedSplitCutsIntoEqualPieces)
{
    const int line = AddCurve({{0, 0}, {90, 0}});
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.CreatePointsOnCurvesByInterpolation({line}, 2, 0.0, true));
    EXPECT_EQ(CurvePoints(line), (std::vector<int>{1, 3}));
    EXPECT_EQ(CurvePoints(2), (std::vector<int>{3, 4}));
    EXPECT_EQ(CurvePoints(3), (std::vector<int>{4, 2}));
    ExpectPointAt(4, 60, 0, 1e-9);
    EXPECT_EQ(NewcomerCurves(), (std::vector<int>{2, 3}));
    ExpectUndoRedoRestores(before);
}

TEST_F(PointsBetweenPointsTest, RatioPlacesOnePointAndReportsItInTheUcs)
{
    const int a = AddPoint(0, 0);
    const int b = AddPoint(100, 0);
    UseUcs(10, 0, 90);
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.CreatePointBetweenPointsByRatio(a, b, 0.25));
    ExpectPointAt(3, 25, 0, 1e-12);
    EXPECT_EQ(user.LastLine(), "New point [3] is created at (0.000, -15.000).");
    EXPECT_EQ(UndoTitle(), "Create new point [3] between two points by ratio");
    ExpectUndoRedoRestores(before);
}

TEST_F(PointsBetweenPointsTest, RatioRefusals)
{
    const int a = AddPoint(0, 0);
    AddPoint(100, 0);
    const ModelState before = CaptureState(model);
    ExpectRefusedWith(model.CreatePointBetweenPointsByRatio(a, 9, 0.5), before, "Cannot find point [ID:9] object.");
    user.ClearRecords();
    ExpectRefusedWith(model.CreatePointBetweenPointsByRatio(a, a, 1.5), before, "Ratio should be in the range of 0~1.");
    user.ClearRecords();
    EXPECT_FALSE(model.CreatePointBetweenPointsByRatio(a, a, 0.5));
    EXPECT_EQ(user.lines, std::vector<std::string>{"Point [1] already exists at the expected coordinate."});
    EXPECT_TRUE(model.IsUndoEmpty());
}

TEST_F(PointsBetweenPointsTest, InterpolationSkipsOccupiedPositions)
{
    const int a = AddPoint(0, 0);
    const int b = AddPoint(100, 0);
    AddPoint(50.5, 0);
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.CreatePointsBetweenPointsByInterpolation(a, b, 3, 0.0));
    EXPECT_EQ(user.lines, (std::vector<std::string>{"New point [4] is created at (25.000, 0.000).",
                                                    "New point [5] is created at (75.000, 0.000)."}));
    EXPECT_EQ(UndoTitle(), "Create new point(s) between two points by interpolation");
    EXPECT_EQ(NewcomerPoints(), (std::vector<int>{4, 5}));
    ExpectUndoRedoRestores(before);

    // Every position taken: success, and no step to undo.
    user.ClearRecords();
    ASSERT_TRUE(model.CreatePointsBetweenPointsByInterpolation(a, b, 3, 0.0));
    EXPECT_EQ(user.lines, std::vector<std::string>{"Nothing is changed: every point falls on an existing point."});
    EXPECT_EQ(NewcomerPoints(), (std::vector<int>{4, 5}));
}

} // namespace
