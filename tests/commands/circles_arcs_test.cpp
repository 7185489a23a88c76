#include "CommandTestSupport.h"

#include "model/Geometry.h"

#include <numeric>

namespace {

using CircleTest = CommandTest;
using ArcTest = CommandTest;

std::vector<int> Iota(int first, int last)
{
    std::vector<int> ids(static_cast<size_t>(last - first + 1));
    std::iota(ids.begin(), ids.end(), first);
    return ids;
}

// Direction of a stored point seen from the origin, in [0, 360).
double PolarAngle(const CSectModel& model, int pointId)
{
    const T_POINT_D* point = model.FindPoint(pointId);
    const double angle = RadToDeg(std::atan2(point->xy[1], point->xy[0]));
    return angle < -1e-9 ? angle + 360.0 : angle;
}

TEST_F(CircleTest, RadiusHundredMakesThirtySixPointsAndClosesOnTheFirst)
{
    const ModelState empty = CaptureState(model);
    ASSERT_TRUE(model.CreateCircle(P(0, 0).data(), 100.0, ALIGN_CENTER, 0.0, 0.0));
    std::vector<int> expected = Iota(1, 36);
    expected.push_back(1);
    EXPECT_EQ(CurvePoints(1), expected);
    for (int i = 0; i < 36; ++i)
        ExpectPointAt(i + 1, 100 * std::cos(DegToRad(10.0 * i)), 100 * std::sin(DegToRad(10.0 * i)), 1e-9);
    EXPECT_EQ(NewcomerPoints(), Iota(1, 36));
    EXPECT_EQ(UndoTitle(), "Create new curve (circle) [1]");
    EXPECT_EQ(user.LastLine(), "New curve (circle) [1] is created with a radius 100.000.");
    ExpectUndoRedoRestores(empty);
}

TEST_F(CircleTest, RadiusThreeReusesEveryOtherVertex)
{
    ASSERT_TRUE(model.CreateCircle(P(0, 0).data(), 3.0, ALIGN_CENTER, 0.0, 0.0));
    std::vector<int> expected = Iota(1, 18);
    expected.push_back(1);
    EXPECT_EQ(CurvePoints(1), expected);
    for (int i = 0; i < 18; ++i)
        EXPECT_NEAR(PolarAngle(model, i + 1), 20.0 * i, 1e-9);

    // A second equal circle makes no point, only its curve.
    ASSERT_TRUE(model.CreateCircle(P(0, 0).data(), 3.0, ALIGN_CENTER, 0.0, 0.0));
    EXPECT_EQ(model.m_points.size(), 18u);
    EXPECT_EQ(CurvePoints(2), expected);
    EXPECT_TRUE(model.GetCurrentUndoAction()->points.created.empty());
}

TEST_F(CircleTest, DivisionKeepsAtLeastTwoSegments)
{
    struct Case {
        double step;
        size_t ids;  // including the closing repeat
    };
    for (const Case c : {Case{150.0, 3}, Case{200.0, 3}, Case{400.0, 3}, Case{7.0, 52}}) {
        CSectModel fresh;
        fresh.SetAngleStep(c.step);
        ASSERT_TRUE(fresh.CreateCircle(P(0, 0).data(), 100.0, ALIGN_CENTER, 0.0, 0.0)) << c.step;
        const std::vector<int>& ids = fresh.FindCurve(1)->pointIds;
        EXPECT_EQ(ids.size(), c.ids) << c.step;
        EXPECT_EQ(ids.front(), ids.back()) << c.step;
    }
}

TEST_F(CircleTest, RadiusRefusals)
{
    struct Case {
        double radius;
        const char* reason;
    };
    for (const Case c : {Case{-3.0, "Radius should be greater than 0."},
                         Case{0.5, "Radius is too small. It is less than the tolerance."}}) {
        user.ClearRecords();
        ExpectRefusedWith(model.CreateCircle(P(0, 0).data(), c.radius, ALIGN_CENTER, 0.0, 0.0), CaptureState(model),
                          std::string("Cannot create a new curve (circle).\n\n") + c.reason);
    }
}

TEST_F(CircleTest, TinyAngleStepIsRefusedByTheIdLimit)
{
    model.SetAngleStep(1e-9);
    EXPECT_FALSE(model.CreateCircle(P(0, 0).data(), 100.0, ALIGN_CENTER, 0.0, 0.0));
    EXPECT_TRUE(model.m_points.empty());
    EXPECT_TRUE(model.IsUndoEmpty());
    ASSERT_EQ(user.boxes.size(), 1u);
}

TEST_F(CircleTest, ByTwoPointsStartsAtThePointAndPassesTheOther)
{
    model.SetTolerance(0.1);  // every vertex of radius 5 a point of its own
    ASSERT_TRUE(model.CreateCircleByTwoPoints(P(0, 0).data(), P(10, 0).data(), ALIGN_CENTER, 0.0));
    ExpectPointAt(1, 0, 0, 1e-9);
    ExpectPointAt(2, 5 + 5 * std::cos(DegToRad(190)), 5 * std::sin(DegToRad(190)), 1e-9);
    EXPECT_LT(model.FindPoint(2)->xy[1], 0.0);
    ExpectPointAt(19, 10, 0, 1e-9);

    user.ClearRecords();
    model.SetTolerance(1.0);
    EXPECT_FALSE(model.CreateCircleByTwoPoints(P(0, 0).data(), P(1.5, 0).data(), ALIGN_CENTER, 0.0));
    EXPECT_EQ(user.BoxTexts(),
              std::vector<std::string>{
                  "Cannot create a new curve (circle).\n\nRadius is too small. It is less than the tolerance."});
}

TEST_F(CircleTest, ByThreePoints)
{
    ASSERT_TRUE(model.CreateCircleByThreePoints(P(10, 0).data(), P(0, 10).data(), P(-10, 0).data(), ALIGN_CENTER, 0.0));
    ExpectPointAt(1, 10, 0, 1e-9);
    EXPECT_EQ(user.LastLine(), "New curve (circle) [1] is created with a radius 10.000.");
}

TEST_F(CircleTest, ThreePointRefusals)
{
    struct Case {
        double p1[2], p2[2], p3[2];
        const char* reason;
    };
    const Case cases[] = {
        {{0, 0}, {0, 0}, {5, 5}, "Point 1 and 2 are identical."},
        {{0, 0}, {5, 5}, {0, 0}, "Point 1 and 3 are identical."},
        {{0, 0}, {5, 5}, {5, 5}, "Point 2 and 3 are identical."},
        {{0, 0}, {5, 0}, {10, 0}, "Given three points are collinear."},
        {{0, 0}, {0, 5}, {0, 10}, "Given three points are collinear."},
        {{0, 0}, {5, 5}, {10, 10}, "Given three points are collinear."},
        {{0, 0}, {0.5, 0.2}, {0.1, 0.6}, "Radius.is less than the tolerance"},
    };
    for (const Case& c : cases) {
        user.ClearRecords();
        ExpectRefusedWith(model.CreateCircleByThreePoints(c.p1, c.p2, c.p3, ALIGN_CENTER, 0.0), CaptureState(model),
                          std::string("Cannot create a new curve (circle).\n\n") + c.reason);
    }
}

TEST_F(CircleTest, RotatedUcsTurnsTheFirstVertex)
{
    UseUcs(0, 0, 30);
    ASSERT_TRUE(model.CreateCircle(P(0, 0).data(), 100.0, ALIGN_CENTER, 0.0, 0.0));
    ExpectPointAt(1, 100 * std::cos(DegToRad(30)), 100 * std::sin(DegToRad(30)), 1e-9);
}

TEST_F(ArcTest, NinetyDegreesBothWays)
{
    const ModelState empty = CaptureState(model);
    ASSERT_TRUE(model.CreateArc(P(0, 0).data(), 100.0, 90.0, ALIGN_CENTER, 0.0, 0.0));
    EXPECT_EQ(CurvePoints(1), Iota(1, 10));
    ExpectPointAt(10, 0, 100, 1e-9);
    EXPECT_EQ(UndoTitle(), "Create new curve (arc) [1]");
    EXPECT_EQ(user.LastLine(), "New curve (arc) [1] is created with a radius 100.000 and an angle 90.00 degree..");
    ExpectUndoRedoRestores(empty);

    ASSERT_TRUE(model.CreateArc(P(0, 0).data(), 100.0, -90.0, ALIGN_CENTER, 0.0, 0.0));
    const std::vector<int> ids = CurvePoints(2);
    ASSERT_EQ(ids.size(), 10u);
    EXPECT_EQ(ids.front(), 1);
    ExpectPointAt(ids[1], 100 * std::cos(DegToRad(-10)), 100 * std::sin(DegToRad(-10)), 1e-9);
    ExpectPointAt(ids.back(), 0, -100, 1e-9);
}

TEST_F(ArcTest, DivisionTruncatesAndKeepsAtLeastOneSegment)
{
    struct Case {
        double angle, step;
        size_t vertices;
    };
    for (const Case c : {Case{95.0, 10.0, 10}, Case{5.0, 10.0, 2}, Case{150.0, 200.0, 2}}) {
        CSectModel fresh;
        fresh.SetAngleStep(c.step);
        ASSERT_TRUE(fresh.CreateArc(P(0, 0).data(), 100.0, c.angle, ALIGN_CENTER, 0.0, 0.0)) << c.angle;
        const std::vector<int>& ids = fresh.FindCurve(1)->pointIds;
        ASSERT_EQ(ids.size(), c.vertices) << c.angle;
        const T_POINT_D* last = fresh.FindPoint(ids.back());
        EXPECT_NEAR(last->xy[0], 100 * std::cos(DegToRad(c.angle)), 1e-9);
        EXPECT_NEAR(last->xy[1], 100 * std::sin(DegToRad(c.angle)), 1e-9);
    }
    // 95 degrees in 9 equal segments.
    CSectModel fresh;
    ASSERT_TRUE(fresh.CreateArc(P(0, 0).data(), 100.0, 95.0, ALIGN_CENTER, 0.0, 0.0));
    const T_POINT_D* second = fresh.FindPoint(fresh.FindCurve(1)->pointIds[1]);
    EXPECT_NEAR(RadToDeg(std::atan2(second->xy[1], second->xy[0])), 95.0 / 9.0, 1e-9);
}

TEST_F(ArcTest, RefusalsInOrder)
{
    struct Case {
        double radius, angle;
        const char* reason;
    };
    for (const Case c : {Case{0.0, 0.0, "Radius should be greater than 0."},
                         Case{0.5, 0.0, "Radius is too small. It is less than the tolerance."},
                         Case{10.0, 1e-7, "Angle cannot be 0."}}) {
        user.ClearRecords();
        ExpectRefusedWith(model.CreateArc(P(0, 0).data(), c.radius, c.angle, ALIGN_CENTER, 0.0, 0.0),
                          CaptureState(model), std::string("Cannot create a new curve (arc).\n\n") + c.reason);
    }
}

TEST_F(ArcTest, ByCenterStartEndRunsCounterClockwise)
{
    ASSERT_TRUE(model.CreateArcByCenterStartEnd(P(0, 0).data(), P(100, 0).data(), P(0, -100).data(),
                                                ALIGN_CENTER, 0.0));
    const std::vector<int> ids = CurvePoints(1);
    ASSERT_EQ(ids, Iota(1, 28));
    ExpectPointAt(ids[9], 0, 100, 1e-9);
    ExpectPointAt(ids[18], -100, 0, 1e-9);
    ExpectPointAt(ids.back(), 0, -100, 1e-9);
    EXPECT_EQ(user.LastLine(), "New curve (arc) [1] is created with a radius 100.000 and an angle 270.00 degree..");
}

TEST_F(ArcTest, ByCenterStartEndAcceptsRadiiWithinTheTolerance)
{
    ASSERT_TRUE(model.CreateArcByCenterStartEnd(P(0, 0).data(), P(100, 0).data(), P(0, 100.5).data(),
                                                ALIGN_CENTER, 0.0));
    ExpectPointAt(CurvePoints(1).back(), 0, 100, 1e-9);

    CSectModel fresh;
    fresh.m_reporter.SetPorts(user.Ports());
    user.ClearRecords();
    EXPECT_FALSE(fresh.CreateArcByCenterStartEnd(P(0, 0).data(), P(100, 0).data(), P(0, 102).data(),
                                                 ALIGN_CENTER, 0.0));
    EXPECT_TRUE(fresh.m_points.empty() && fresh.IsUndoEmpty());
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{
        "Cennot create a new curve (arc).\n\nDistances from the center to the start [100.000] and to the end [102.000] "
        "are different."});
}

TEST_F(ArcTest, ByCenterStartEndInOneDirectionIsAFullTurn)
{
    ASSERT_TRUE(model.CreateArcByCenterStartEnd(P(0, 0).data(), P(100, 0).data(), P(100, 0).data(), ALIGN_CENTER, 0.0));
    std::vector<int> expected = Iota(1, 36);
    expected.push_back(1);
    EXPECT_EQ(CurvePoints(1), expected);
}

TEST_F(ArcTest, ByThreePointsPassesTheSecondPoint)
{
    // Second point on the clockwise way from start to end.
    ASSERT_TRUE(model.CreateArcByThreePoints(P(100, 0).data(), P(0, -100).data(), P(0, 100).data(), ALIGN_CENTER, 0.0));
    const std::vector<int> ids = CurvePoints(1);
    ASSERT_EQ(ids.size(), 28u);
    ExpectPointAt(ids.front(), 100, 0, 1e-9);
    ExpectPointAt(ids[9], 0, -100, 1e-9);
    ExpectPointAt(ids.back(), 0, 100, 1e-9);
    EXPECT_EQ(user.LastLine(), "New curve (arc) [1] is created with a radius 100.000 and an angle -270.00 degree..");

    // Second point on the counter-clockwise way.
    ASSERT_TRUE(model.CreateArcByThreePoints(P(100, 0).data(), P(0, 100).data(), P(-100, 0).data(), ALIGN_CENTER, 0.0));
    const std::vector<int> upper = CurvePoints(2);
    ASSERT_EQ(upper.size(), 19u);
    ExpectPointAt(upper[9], 0, 100, 1e-9);
}

TEST_F(ArcTest, ThreePointRefusalsNameTheArcsPoints)
{
    struct Case {
        double p1[2], p2[2], p3[2];
        const char* reason;
    };
    const Case cases[] = {
        {{0, 0}, {0, 0}, {5, 5}, "Start and second point are identical."},
        {{0, 0}, {5, 5}, {0, 0}, "Start and end point are identical."},
        {{0, 0}, {5, 5}, {5, 5}, "Second and end point are identical."},
        {{0, 0}, {5, 0}, {10, 0}, "Given three points are collinear."},
    };
    for (const Case& c : cases) {
        user.ClearRecords();
        ExpectRefusedWith(model.CreateArcByThreePoints(c.p1, c.p2, c.p3, ALIGN_CENTER, 0.0), CaptureState(model),
                          std::string("Cannot create a new curve (arc).\n\n") + c.reason);
    }
}

TEST_F(ArcTest, ArcWhoseVerticesAllResolveToOnePointIsRefused)
{
    // Radius 1.2 with tolerance 1: every vertex of a 5-degree arc is near point 1.
    AddPoint(1.2, 0.05);
    ExpectRefusedWith(model.CreateArc(P(0, 0).data(), 1.2, 5.0, ALIGN_CENTER, 0.0, 0.0), CaptureState(model),
                      "Cannot create a new curve (arc).\n\nGiven points are too close.");
}

} // namespace
