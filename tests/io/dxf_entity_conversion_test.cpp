#include "dxf_test_support.h"

#include "model/Geometry.h"

#include <cmath>
#include <set>

namespace {

using DxfConversion = DxfImportTest;

double PolarAngle(const std::array<double, 2>& p, const double centre[2])
{
    double angle = RadToDeg(std::atan2(p[1] - centre[1], p[0] - centre[0]));
    return angle < -1e-9 ? angle + 360.0 : angle;
}

struct ArcCase {
    const char* name;
    double start;
    double end;
    double angleStep;
    int segments;
    double firstAngle;  // polar angle of the first and last point
    double lastAngle;
    bool closed;
};

TEST_F(DxfConversion, DividesArcsByTheAngleStep)
{
    const std::vector<ArcCase> cases = {
        {"wrapping through 0", 350.0, 10.0, 10.0, 2, 350.0, 10.0, false},
        {"truncated count", 0.0, 90.0, 7.0, 12, 0.0, 90.0, false},
        {"negative start", -90.0, 0.0, 10.0, 9, 270.0, 0.0, false},
        {"end before start", 0.0, -90.0, 10.0, 27, 0.0, 270.0, false},
        {"shorter than the step", 0.0, 5.0, 10.0, 1, 0.0, 5.0, false},
        {"angles beyond a turn", 370.0, 380.0, 10.0, 1, 10.0, 20.0, false},
        // 10^20 is 0 modulo 40 and 1 modulo 9: 280 degrees in whole turns.
        {"a start of 1e20", 1e20, 90.0, 10.0, 17, 280.0, 90.0, false},
        {"two whole turns", 0.0, 720.0, 10.0, 36, 0.0, 0.0, true},
        {"one turn from 10", 10.0, 370.0, 10.0, 36, 10.0, 10.0, true},
        {"one turn, step past half", 0.0, 360.0, 200.0, 2, 0.0, 0.0, true},
    };
    const double centre[2] = {1000.0, -500.0};
    for (const ArcCase& c : cases) {
        SCOPED_TRACE(c.name);
        model.SetAngleStep(c.angleStep);
        model.m_newcomerCurves.clear();
        ASSERT_TRUE(model.ImportDxfArc(centre, 100.0, c.start, c.end));
        ASSERT_EQ(model.m_newcomerCurves.size(), 1u);
        const auto positions = CurvePositions(model.m_newcomerCurves.back());
        ASSERT_EQ(positions.size(), static_cast<size_t>(c.segments + 1));
        EXPECT_NEAR(PolarAngle(positions.front(), centre), c.firstAngle, 1e-9);
        EXPECT_NEAR(PolarAngle(positions.back(), centre), c.lastAngle, 1e-9);
        const std::vector<int>& ids = model.FindCurve(model.m_newcomerCurves.back())->pointIds;
        EXPECT_EQ(ids.front() == ids.back(), c.closed);
        for (const auto& p : positions)
            EXPECT_NEAR(DistanceXY(p[0], p[1], centre[0], centre[1]), 100.0, 1e-9);
    }
}

TEST_F(DxfConversion, MakesNoArcFromDegenerateValues)
{
    const double centre[2] = {0.0, 0.0};
    EXPECT_TRUE(model.ImportDxfArc(centre, 10.0, 90.0, 90.0));
    EXPECT_TRUE(model.ImportDxfArc(centre, 0.0, 0.0, 90.0));
    EXPECT_TRUE(model.ImportDxfArc(centre, -10.0, 0.0, 90.0));
    EXPECT_TRUE(model.ImportDxfCircle(centre, -1.0));
    EXPECT_TRUE(model.ImportDxfCircle(centre, 1e-7));
    const double huge[2] = {1e308, 1e308};
    EXPECT_TRUE(model.ImportDxfCircle(huge, 1e308));
    EXPECT_EQ(CurveCount(), 0);
    EXPECT_EQ(PointCount(), 0);
    EXPECT_TRUE(user.boxes.empty());
}

TEST_F(DxfConversion, ClosesCirclesOnTheirFirstPoint)
{
    const double centre[2] = {10.0, 20.0};
    ASSERT_TRUE(model.ImportDxfCircle(centre, 50.0));
    const std::vector<int> ids = model.FindCurve(1)->pointIds;
    ASSERT_EQ(ids.size(), 37u);
    EXPECT_EQ(ids.front(), ids.back());
    EXPECT_EQ(std::set<int>(ids.begin(), ids.end()).size(), 36u);
    ExpectNear2(CurvePositions(1).front(), 60.0, 20.0);
    ExpectNear2(CurvePositions(1)[9], 10.0, 70.0);

    model.SetAngleStep(25.0);
    const double other[2] = {500.0, 0.0};
    ASSERT_TRUE(model.ImportDxfCircle(other, 50.0));
    const auto positions = CurvePositions(2);
    ASSERT_EQ(positions.size(), 15u);
    ExpectNear2(positions[1], 500.0 + 50.0 * std::cos(DegToRad(360.0 / 14)), 50.0 * std::sin(DegToRad(360.0 / 14)));
    EXPECT_EQ(model.m_newcomerCurves, (std::vector<int>{1, 2}));
    EXPECT_EQ(model.m_newcomerPoints.size(), 36u + 14u);
}

TEST_F(DxfConversion, DividesEllipsesByTheirParameter)
{
    // Semi-axes 20 along y and 10 along x.
    const double centre[2] = {100.0, 100.0};
    const double axis[2] = {0.0, 20.0};
    ASSERT_TRUE(model.ImportDxfEllipse(centre, axis, 0.5, 0.0, 360.0));
    const auto full = CurvePositions(1);
    ASSERT_EQ(full.size(), 37u);
    EXPECT_EQ(model.FindCurve(1)->pointIds.front(), model.FindCurve(1)->pointIds.back());
    ExpectNear2(full[0], 100.0, 120.0);
    ExpectNear2(full[9], 90.0, 100.0);
    ExpectNear2(full[18], 100.0, 80.0);
    ExpectNear2(full[27], 110.0, 100.0);

    // A quarter from parameter 270 to 0 (the sweep wraps) ends on the major axis.
    const double other[2] = {0.0, 0.0};
    const double xAxis[2] = {30.0, 0.0};
    ASSERT_TRUE(model.ImportDxfEllipse(other, xAxis, 0.5, 270.0, 0.0));
    const auto quarter = CurvePositions(2);
    ASSERT_EQ(quarter.size(), 10u);
    ExpectNear2(quarter.front(), 0.0, -15.0);
    ExpectNear2(quarter.back(), 30.0, 0.0);

    const double zero[2] = {0.0, 0.0};
    EXPECT_TRUE(model.ImportDxfEllipse(other, zero, 0.5, 0.0, 360.0));
    EXPECT_TRUE(model.ImportDxfEllipse(other, xAxis, -0.5, 0.0, 360.0));
    EXPECT_TRUE(model.ImportDxfEllipse(other, xAxis, 0.0, 0.0, 360.0));
    EXPECT_TRUE(model.ImportDxfEllipse(other, xAxis, 0.5, 45.0, 45.0));
    EXPECT_EQ(CurveCount(), 2);
}

TEST_F(DxfConversion, MakesNoCurveOfFewerThanTwoDistinctPoints)
{
    // Every sample of a small arc falls within the tolerance of its first
    // point: no curve and no stray point.
    const double centre[2] = {0.0, 0.0};
    EXPECT_TRUE(model.ImportDxfArc(centre, 0.3, 0.0, 90.0));
    EXPECT_TRUE(model.ImportDxfCircle(centre, 0.4));
    EXPECT_EQ(CurveCount(), 0);
    EXPECT_EQ(PointCount(), 0);

    // Both ends of a long enough line find the same existing point.
    AddExistingPoint(50.0, 0.0);
    const double a[2] = {49.4, 0.0};
    const double b[2] = {50.6, 0.0};
    EXPECT_TRUE(model.ImportDxfLine(a, b));
    EXPECT_EQ(CurveCount(), 0);
    EXPECT_EQ(PointCount(), 1);
    EXPECT_TRUE(model.m_newcomerPoints.empty());
}

TEST_F(DxfConversion, DropsShortAndRepeatedLines)
{
    const double a[2] = {0.0, 0.0};
    const double b[2] = {100.0, 0.0};
    const double nearA[2] = {0.5, 0.0};
    ASSERT_TRUE(model.ImportDxfLine(a, b));
    ASSERT_TRUE(model.ImportDxfLine(b, a));
    ASSERT_TRUE(model.ImportDxfLine(a, nearA));
    const double bShifted[2] = {100.3, 0.4};
    ASSERT_TRUE(model.ImportDxfLine(bShifted, a));
    EXPECT_EQ(CurveCount(), 1);
    EXPECT_EQ(model.m_newcomerPoints, (std::vector<int>{1, 2}));

    // A line over one segment of an imported arc's polyline.
    const double centre[2] = {0.0, 500.0};
    ASSERT_TRUE(model.ImportDxfArc(centre, 100.0, 0.0, 90.0));
    const auto arc = CurvePositions(2);
    const double p[2] = {arc[4][0] + 0.2, arc[4][1]};
    const double q[2] = {arc[3][0], arc[3][1] - 0.2};
    ASSERT_TRUE(model.ImportDxfLine(p, q));
    EXPECT_EQ(CurveCount(), 2);

    // A segment that is not of this import does not count as a repeat.
    model.m_newcomerCurves.clear();
    ASSERT_TRUE(model.ImportDxfLine(a, b));
    EXPECT_EQ(CurveCount(), 3);
    EXPECT_EQ(model.FindCurve(3)->pointIds, (std::vector<int>{1, 2}));
}

TEST_F(DxfConversion, DropsARepeatedSpokeOfAStarEitherWayRound)
{
    // Spokes from a shared centre; each is then drawn again from its far
    // end, and again from the centre to within the tolerance of its end.
    const double centre[2] = {0.0, 0.0};
    std::vector<std::array<double, 2>> ends;
    for (int i = 0; i < 40; ++i) {
        const double angle = 2.0 * 3.141592653589793 * i / 40;
        ends.push_back({100.0 * std::cos(angle), 100.0 * std::sin(angle)});
        ASSERT_TRUE(model.ImportDxfLine(centre, ends.back().data()));
    }
    for (const auto& end : ends) {
        const double nearEnd[2] = {end[0] + 0.3, end[1] - 0.3};
        ASSERT_TRUE(model.ImportDxfLine(end.data(), centre));
        ASSERT_TRUE(model.ImportDxfLine(centre, nearEnd));
    }
    EXPECT_EQ(CurveCount(), 40);
    // A new spoke between two others is not a repeat.
    const double between[2] = {30.0, -60.0};
    ASSERT_TRUE(model.ImportDxfLine(between, centre));
    EXPECT_EQ(CurveCount(), 41);
}

TEST_F(DxfConversion, ReusesExistingPoints)
{
    const int existing = AddExistingPoint(10.0, 10.0);
    const double nearby[2] = {10.5, 9.6};
    ASSERT_TRUE(model.ImportDxfPoint(nearby));
    EXPECT_EQ(PointCount(), 1);
    EXPECT_TRUE(model.m_newcomerPoints.empty());
    EXPECT_TRUE(model.GetCurrentUndoAction()->points.created.empty());

    const double far[2] = {200.0, 10.0};
    ASSERT_TRUE(model.ImportDxfPoint(far));
    ASSERT_TRUE(model.ImportDxfLine(nearby, far));
    EXPECT_EQ(model.FindCurve(1)->pointIds, (std::vector<int>{existing, existing + 1}));
    EXPECT_EQ(model.m_newcomerPoints, (std::vector<int>{existing + 1}));
}

struct FaceCase {
    const char* name;
    double corners[4][2];
    std::vector<std::array<double, 2>> outline;  // the corners the edges join, in order
};

TEST_F(DxfConversion, ChoosesTheFaceShapeByCoincidentCorners)
{
    const double o[2] = {0.0, 0.0};
    const double a[2] = {100.0, 0.0};
    const double b[2] = {100.0, 100.0};
    const double c[2] = {0.0, 100.0};
    const std::vector<FaceCase> cases = {
        {"none", {{o[0], o[1]}, {a[0], a[1]}, {b[0], b[1]}, {c[0], c[1]}}, {{0, 0}, {100, 0}, {100, 100}, {0, 100}}},
        {"p1 = p2", {{o[0], o[1]}, {o[0], o[1] + 1e-7}, {b[0], b[1]}, {c[0], c[1]}}, {{0, 0}, {100, 100}, {0, 100}}},
        {"p1 = p3", {{o[0], o[1]}, {a[0], a[1]}, {o[0], o[1]}, {c[0], c[1]}}, {{0, 0}, {100, 0}, {0, 100}}},
        {"p1 = p4", {{o[0], o[1]}, {a[0], a[1]}, {b[0], b[1]}, {o[0], o[1]}}, {{0, 0}, {100, 0}, {100, 100}}},
        {"p2 = p3", {{o[0], o[1]}, {a[0], a[1]}, {a[0], a[1]}, {c[0], c[1]}}, {{0, 0}, {100, 0}, {0, 100}}},
        {"p2 = p4", {{o[0], o[1]}, {a[0], a[1]}, {b[0], b[1]}, {a[0], a[1]}}, {{0, 0}, {100, 0}, {100, 100}}},
        {"p3 = p4", {{o[0], o[1]}, {a[0], a[1]}, {b[0], b[1]}, {b[0], b[1]}}, {{0, 0}, {100, 0}, {100, 100}}},
    };
    double shift = 0.0;
    for (const FaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        // Each face far from the others, so no edge is shared.
        double corners[4][2];
        for (int i = 0; i < 4; ++i) {
            corners[i][0] = c.corners[i][0] + shift;
            corners[i][1] = c.corners[i][1];
        }
        const size_t before = model.m_newcomerCurves.size();
        ASSERT_TRUE(model.ImportDxf3DFace(corners[0], corners[1], corners[2], corners[3]));
        ASSERT_EQ(model.m_newcomerCurves.size() - before, c.outline.size());
        for (size_t k = 0; k < c.outline.size(); ++k) {
            const auto edge = CurvePositions(model.m_newcomerCurves[before + k]);
            ASSERT_EQ(edge.size(), 2u);
            const auto& from = c.outline[k];
            const auto& to = c.outline[(k + 1) % c.outline.size()];
            ExpectNear2(edge[0], from[0] + shift, from[1], 1e-6);
            ExpectNear2(edge[1], to[0] + shift, to[1], 1e-6);
        }
        shift += 1000.0;
    }
}

TEST_F(DxfConversion, SharesFaceEdgesWithEarlierFacesAndLines)
{
    const double p00[2] = {0, 0}, p10[2] = {100, 0}, p20[2] = {200, 0};
    const double p01[2] = {0, 100}, p11[2] = {100, 100}, p21[2] = {200, 100};
    ASSERT_TRUE(model.ImportDxf3DFace(p00, p10, p11, p01));
    ASSERT_TRUE(model.ImportDxf3DFace(p10, p20, p21, p11));
    EXPECT_EQ(CurveCount(), 7);
    EXPECT_EQ(PointCount(), 6);
    EXPECT_EQ(model.m_newcomerCurves.size(), 7u);
    EXPECT_EQ(model.m_newcomerPoints.size(), 6u);

    // An edge an imported line already draws is not made again.
    const double q0[2] = {0, 500}, q1[2] = {100, 500}, q2[2] = {50, 600};
    ASSERT_TRUE(model.ImportDxfLine(q1, q0));
    ASSERT_TRUE(model.ImportDxf3DFace(q0, q1, q2, q2));
    EXPECT_EQ(CurveCount(), 7 + 1 + 2);

    // Corners within the tolerance of each other share a point: the edge
    // between them is not made, nor twice the edge between two points.
    const double r0[2] = {0, 900}, r1[2] = {100, 900}, r2[2] = {0.4, 900.3}, r3[2] = {50, 1000};
    ASSERT_TRUE(model.ImportDxf3DFace(r0, r1, r2, r3));
    ASSERT_EQ(CurveCount(), 10 + 2);
    ExpectNear2(CurvePositions(11)[0], 0, 900);
    ExpectNear2(CurvePositions(11)[1], 100, 900);
    ExpectNear2(CurvePositions(12)[0], 0, 900);
    ExpectNear2(CurvePositions(12)[1], 50, 1000);
}

TEST_F(DxfConversion, RecordsEverythingInTheOpenActionForOneUndo)
{
    const double centre[2] = {0.0, 0.0};
    const double a[2] = {0.0, 0.0};
    const double b[2] = {300.0, 0.0};
    const double c[2] = {300.0, 300.0};
    ASSERT_TRUE(model.ImportDxfCircle(centre, 50.0));
    ASSERT_TRUE(model.ImportDxfLine(a, b));
    ASSERT_TRUE(model.ImportDxf3DFace(a, b, c, c));
    ASSERT_TRUE(model.ImportDxfPoint(c));
    EXPECT_EQ(model.m_undoActions.size(), 1u);
    ASSERT_GT(CurveCount(), 0);
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(CurveCount(), 0);
    EXPECT_EQ(PointCount(), 0);
}

TEST_F(DxfConversion, RefusesWholeEntitiesAtTheIdLimit)
{
    model.m_nextPointId = IdUpperBound(IdKind::Point) - 10;
    const double centre[2] = {0.0, 0.0};
    EXPECT_FALSE(model.ImportDxfCircle(centre, 50.0));
    EXPECT_EQ(PointCount(), 0);
    ASSERT_EQ(user.boxes.size(), 1u);
    EXPECT_EQ(user.boxes[0].kind, BoxKind::Warning);

    // A tiny angle step is refused before anything is sampled.
    model.m_nextPointId = 1;
    model.SetAngleStep(1e-9);
    EXPECT_FALSE(model.ImportDxfArc(centre, 50.0, 0.0, 90.0));

    model.m_nextCurveId = IdUpperBound(IdKind::Curve) - 1;
    const double a[2] = {0.0, 0.0}, b[2] = {100.0, 0.0}, c[2] = {100.0, 100.0};
    EXPECT_TRUE(model.ImportDxfLine(a, b));
    EXPECT_FALSE(model.ImportDxf3DFace(a, b, c, c));
    EXPECT_EQ(CurveCount(), 1);
    EXPECT_EQ(PointCount(), 2);
}

} // namespace
