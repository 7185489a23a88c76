#include "model/Geometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <numbers>

namespace {

constexpr double kNear = 1e-9;

struct Point {
    double x;
    double y;
};

void ExpectPoint(const double actual[2], Point expected)
{
    EXPECT_NEAR(actual[0], expected.x, kNear);
    EXPECT_NEAR(actual[1], expected.y, kNear);
}

// 1.0 moved by the given number of units in the last place.
double OnePlusUlps(int ulps)
{
    double value = 1.0;
    for (int i = 0; i < ulps; ++i) {
        value = std::nextafter(value, 2.0);
    }
    return value;
}

TEST(GeometryScalarTest, ZeroTestsAreStrictAtTheEpsilon)
{
    struct Case {
        double x;
        bool zero;
        bool nonZero;
    };
    const Case cases[] = {
        {0.0, true, false},     {1e-6, false, false}, {-1e-6, false, false},
        {5e-7, true, false},    {2e-6, false, true},  {-2e-6, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(IsZero(c.x), c.zero);
        EXPECT_EQ(IsNonZero(c.x), c.nonZero);
    }
}

TEST(GeometryScalarTest, RoundingToInt)
{
    struct Case {
        const char* name;
        int (*round)(double);
        double x;
        int expected;
    };
    const Case cases[] = {
        // RoundToInt: a fraction within 1e-6 of one half rounds up, negatives mirror positives.
        {"RoundToInt", RoundToInt, 2.4999995, 3},
        {"RoundToInt", RoundToInt, 2.4999, 2},
        {"RoundToInt", RoundToInt, 2.5, 3},
        {"RoundToInt", RoundToInt, 3.33, 3},
        {"RoundToInt", RoundToInt, 0.0, 0},
        {"RoundToInt", RoundToInt, -2.7, -3},
        {"RoundToInt", RoundToInt, -2.4999995, -3},
        {"RoundToInt", RoundToInt, -2.4999, -2},
        {"RoundToInt", RoundToInt, -2.5, -3},
        {"RoundToInt", RoundToInt, -0.3, 0},
        // CeilToInt: a fraction of at most 1e-6 is dropped.
        {"CeilToInt", CeilToInt, 3.0000005, 3},
        {"CeilToInt", CeilToInt, 3.01, 4},
        {"CeilToInt", CeilToInt, 3.0, 3},
        {"CeilToInt", CeilToInt, -2.5, -2},
        {"CeilToInt", CeilToInt, -3.0000005, -3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << "(" << c.x << ")");
        EXPECT_EQ(c.round(c.x), c.expected);
    }
}

TEST(GeometryScalarTest, RoundingOutOfIntRangeSaturates)
{
    EXPECT_EQ(RoundToInt(1e12), INT_MAX);
    EXPECT_EQ(RoundToInt(-1e12), INT_MIN);
    EXPECT_EQ(CeilToInt(1e12), INT_MAX);
    EXPECT_EQ(RoundToInt(std::nan("")), 0);
}

TEST(GeometryScalarTest, ToleranceTests)
{
    EXPECT_TRUE(IsWithinTolerance(1.5, 1.0, 0.5));
    EXPECT_TRUE(IsWithinTolerance(0.5, 1.0, 0.5));
    EXPECT_FALSE(IsWithinTolerance(1.6, 1.0, 0.5));

    EXPECT_TRUE(AreEqual3(0.0, 1e-6, 0.0));   // a - b may reach the epsilon
    EXPECT_FALSE(AreEqual3(0.0, 0.0, 1e-6));  // a - c may not
    EXPECT_FALSE(AreEqual3(0.0, 0.0, 1.0));

    EXPECT_EQ(Min3(3.0, -1.0, 2.0), -1.0);
    EXPECT_EQ(Max3(3.0, -1.0, 2.0), 3.0);
    EXPECT_NEAR(DegToRad(180.0), std::numbers::pi, 1e-15);
    EXPECT_NEAR(RadToDeg(std::numbers::pi / 2.0), 90.0, 1e-12);
}

TEST(GeometryScalarTest, CompareDoubleUlpTreats32UlpsAsEqual)
{
    struct Case {
        double a;
        double b;
        int expected;
    };
    const Case cases[] = {
        {1.0, 1.0, 0},
        {1.0, OnePlusUlps(10), 0},
        {OnePlusUlps(10), 1.0, 0},
        {1.0, OnePlusUlps(32), 0},
        {1.0, OnePlusUlps(33), -1},
        {1.0, OnePlusUlps(100), -1},
        {OnePlusUlps(100), 1.0, 1},
        {-5.0, 5.0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << " vs " << c.b);
        EXPECT_EQ(CompareDoubleUlp(c.a, c.b), c.expected);
    }
}

TEST(GeometryScalarTest, CompareDbl3RecordsDecidesByFirstUnequalValue)
{
    const Dbl3Record base{1, 2, 1.0, 2.0, 3.0};
    Dbl3Record nearlySame{9, 9, OnePlusUlps(5), 2.0, 3.0};
    EXPECT_EQ(CompareDbl3Records(base, nearlySame), 0);  // ints do not take part

    const Dbl3Record smallerA{1, 2, 0.5, 9.0, 9.0};
    EXPECT_EQ(CompareDbl3Records(smallerA, base), -1);
    const Dbl3Record largerB{1, 2, 1.0, 2.5, 0.0};
    EXPECT_EQ(CompareDbl3Records(largerB, base), 1);
    const Dbl3Record smallerC{1, 2, 1.0, 2.0, 2.0};
    EXPECT_EQ(CompareDbl3Records(smallerC, base), -1);
}

TEST(GeometryMeasureTest, SignedAngleRunsCounterClockwise)
{
    struct Case {
        Point u;
        Point w;
        double expected;
    };
    const Case cases[] = {
        {{1, 0}, {0, 1}, 90.0},   {{0, 1}, {1, 0}, -90.0}, {{1, 0}, {-1, 0}, 180.0},
        {{0, 0}, {1, 0}, 0.0},    {{1, 0}, {0, 0}, 0.0},   {{1, 0}, {2, 0}, 0.0},
        {{1, 0}, {1, 1}, 45.0},   {{1, 0}, {1, -1}, -45.0}, {{-1, 0}, {1, -1e-9}, 180.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.u.x << ", " << c.u.y << ") -> (" << c.w.x
                                        << ", " << c.w.y << ")");
        EXPECT_NEAR(SignedAngleXY(c.u.x, c.u.y, c.w.x, c.w.y), c.expected, 1e-9);
    }
    const double p0[2] = {5, 5}, p1[2] = {6, 5}, p2[2] = {5, 7};
    EXPECT_NEAR(AngleAtVertex(p0, p1, p2), 90.0, 1e-9);
    EXPECT_NEAR(AngleAtVertex(p0, p2, p1), -90.0, 1e-9);
}

TEST(GeometryMeasureTest, DistancesToLineAndSegment)
{
    using DistanceFunction = double (*)(const double[2], const double[2], const double[2]);
    struct Case {
        const char* name;
        DistanceFunction distance;
        Point a, b, q;
        double expected;
    };
    const Case cases[] = {
        // DistanceToLine: perpendicular to the infinite line, whatever its direction.
        {"line: on a vertical line", DistanceToLine, {0, 0}, {0, 1}, {0, 5}, 0.0},
        {"line: beside a vertical line", DistanceToLine, {0, 0}, {0, 1}, {3, 5}, 3.0},
        {"line: on a horizontal line", DistanceToLine, {0, 0}, {5, 0}, {10, 0}, 0.0},
        {"line: above a horizontal line", DistanceToLine, {0, 0}, {5, 0}, {-7, 2}, 2.0},
        {"line: beside an oblique line", DistanceToLine, {0, 0}, {1, 1}, {2, 0}, std::sqrt(2.0)},
        {"line: on an oblique line past b", DistanceToLine, {1, 2}, {2, 4}, {5, 10}, 0.0},
        {"line: the two points coincide", DistanceToLine, {1, 1}, {1, 1}, {4, 5}, 5.0},
        // DistanceToSegment: the foot or the nearer end.
        {"segment: degenerate", DistanceToSegment, {2, 2}, {2, 2}, {0, 0}, 1e35},
        {"segment: on it", DistanceToSegment, {0, 0}, {10, 0}, {4, 0}, 0.0},
        {"segment: at an end", DistanceToSegment, {0, 0}, {10, 0}, {10, 0}, 0.0},
        {"segment: foot inside", DistanceToSegment, {0, 0}, {10, 0}, {4, 3}, 3.0},
        {"segment: beyond b", DistanceToSegment, {0, 0}, {10, 0}, {13, 4}, 5.0},
        {"segment: before a on its line", DistanceToSegment, {0, 0}, {10, 0}, {-2, 0}, 2.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const double a[2] = {c.a.x, c.a.y}, b[2] = {c.b.x, c.b.y}, q[2] = {c.q.x, c.q.y};
        EXPECT_NEAR(c.distance(a, b, q), c.expected, kNear);
    }
}

TEST(GeometryMeasureTest, TriangleAreas)
{
    const double p1[2] = {0, 0}, p2[2] = {4, 0}, p3[2] = {0, 3};
    EXPECT_NEAR(TriangleArea(p1, p2, p3), 6.0, kNear);
    EXPECT_NEAR(TriangleArea(p1, p3, p2), 6.0, kNear);
    EXPECT_NEAR(SignedTriangleArea(p1, p2, p3), 6.0, kNear);
    EXPECT_NEAR(SignedTriangleArea(p1, p3, p2), -6.0, kNear);
    const double onLine[2] = {8, 0};
    EXPECT_NEAR(TriangleArea(p1, p2, onLine), 0.0, kNear);
}

TEST(GeometryIntersectionTest, SegmentsCrossOnlyProperly)
{
    struct Case {
        const char* name;
        Point a, b, c, d;
        bool cross;
        bool intersect;
        double t, u;  // checked when intersect
    };
    const Case cases[] = {
        {"X crossing", {0, 0}, {2, 2}, {0, 2}, {2, 0}, true, true, 0.5, 0.5},
        {"shared end", {0, 0}, {1, 0}, {1, 0}, {1, 1}, false, true, 1.0, 0.0},
        {"T touching", {0, 0}, {2, 0}, {1, 0}, {1, 1}, false, true, 0.5, 0.0},
        {"apart", {0, 0}, {1, 0}, {3, -1}, {3, 1}, false, false, 0, 0},
        {"collinear overlap", {0, 0}, {2, 0}, {1, 0}, {3, 0}, false, false, 0, 0},
        {"zero length", {0, 0}, {0, 0}, {-1, -1}, {1, 1}, false, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const double a[2] = {c.a.x, c.a.y}, b[2] = {c.b.x, c.b.y};
        const double cc[2] = {c.c.x, c.c.y}, d[2] = {c.d.x, c.d.y};
        EXPECT_EQ(SegmentsCross(a, b, cc, d), c.cross);
        double t = -99.0, u = -99.0;
        EXPECT_EQ(IntersectSegments(a, b, cc, d, &t, &u), c.intersect);
        if (c.intersect) {
            EXPECT_NEAR(t, c.t, kNear);
            EXPECT_NEAR(u, c.u, kNear);
        }
    }
}

TEST(GeometryIntersectionTest, IntersectSegmentsWritesParametersOutsideTheRange)
{
    double t = 0.0, u = 0.0;
    EXPECT_FALSE(IntersectSegmentsXY(0, 0, 1, 0, 3, -1, 3, 1, &t, &u));
    EXPECT_NEAR(t, 3.0, kNear);
    EXPECT_NEAR(u, 0.5, kNear);
}

TEST(GeometryIntersectionTest, IntersectLinesMeetsBeyondTheSegments)
{
    const double p1[2] = {0, 0}, p2[2] = {1, 1}, p3[2] = {10, 0}, p4[2] = {9, 1};
    double out[2] = {0, 0};
    ASSERT_TRUE(IntersectLines(p1, p2, p3, p4, out));
    ExpectPoint(out, {5, 5});

    const double q3[2] = {0, 1}, q4[2] = {5, 6};
    EXPECT_FALSE(IntersectLines(p1, p2, q3, q4, out));  // parallel
    EXPECT_FALSE(IntersectLines(p1, p1, p3, p4, out));  // zero length
}

TEST(GeometryIntersectionTest, PointOnAndWithinSegment)
{
    const double a[2] = {0, 0}, b[2] = {10, 0};
    const double middle[2] = {5, 0}, off[2] = {5, 1}, beyond[2] = {12, 0};
    EXPECT_TRUE(IsPointOnSegment(a, b, middle, 1e-6));
    EXPECT_TRUE(IsPointWithinSegment(a, b, middle, 1e-6));
    EXPECT_TRUE(IsPointOnSegment(a, b, a, 1e-6));     // an end is on the segment
    EXPECT_FALSE(IsPointWithinSegment(a, b, a, 1e-6)); // but not within it
    EXPECT_FALSE(IsPointOnSegment(a, b, off, 1e-6));
    EXPECT_FALSE(IsPointWithinSegment(a, b, off, 1e-6));
    EXPECT_FALSE(IsPointOnSegment(a, b, beyond, 1e-6));
    EXPECT_TRUE(IsPointOnSegment(a, b, off, 0.1));  // a loose cosine tolerance
}

TEST(GeometryIntersectionTest, CircleThrough3Points)
{
    const double p1[2] = {0, 0}, p2[2] = {2, 0}, p3[2] = {0, 2};
    double centre[2] = {7, 7};
    double radius = 7.0;
    CircleThrough3Points(p1, p2, p3, centre, &radius);
    ExpectPoint(centre, {1, 1});
    EXPECT_NEAR(radius, std::sqrt(2.0), kNear);

    const double q1[2] = {0, 0}, q2[2] = {5, 0}, q3[2] = {10, 0};
    CircleThrough3Points(q1, q2, q3, centre, &radius);
    ExpectPoint(centre, {0, 0});
    EXPECT_EQ(radius, 0.0);
}

TEST(GeometryOutlineTest, CornersOfTheWidthBand)
{
    struct Case {
        const char* name;
        Point a, b;
        int alignment;
        double width;
        Point c1, c2, c3, c4;
    };
    const Case cases[] = {
        {"left", {0, 0}, {10, 0}, 2, 1.0, {0, 1}, {0, 0}, {10, 0}, {10, 1}},
        {"centre", {0, 0}, {10, 0}, 1, 1.0, {0, 0.5}, {0, -0.5}, {10, -0.5}, {10, 0.5}},
        {"right", {0, 0}, {10, 0}, 3, 1.0, {0, 0}, {0, -1}, {10, -1}, {10, 0}},
        {"zero width", {0, 0}, {10, 0}, 2, 0.0, {0, 0}, {0, 0}, {10, 0}, {10, 0}},
        {"left going up", {1, 1}, {1, 5}, 2, 2.0, {-1, 1}, {1, 1}, {1, 5}, {-1, 5}},
        {"right going west", {0, 0}, {-4, 0}, 3, 1.0, {0, 0}, {0, 1}, {-4, 1}, {-4, 0}},
        {"centre diagonal", {0, 0}, {3, 4}, 1, 10.0, {-4, 3}, {4, -3}, {7, 1}, {-1, 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const double a[2] = {c.a.x, c.a.y}, b[2] = {c.b.x, c.b.y};
        double c1[2], c2[2], c3[2], c4[2];
        GetWidthOutline(a, b, c.alignment, c.width, c1, c2, c3, c4);
        ExpectPoint(c1, c.c1);
        ExpectPoint(c2, c.c2);
        ExpectPoint(c3, c.c3);
        ExpectPoint(c4, c.c4);
    }
}

TEST(GeometryOutlineTest, EveryAlignmentSetsAllFourCorners)
{
    // A slanted segment of length 5 and width 2: the band's left edge lies
    // along the unit normal n = (-dy, dx) / 5 on the left of a->b, at the
    // offset the alignment gives; an alignment the outline does not know
    // gives the band of no width along the segment.
    const double a[2] = {1, 2}, b[2] = {4, 6};
    const double width = 2.0;
    const Point n = {-4.0 / 5.0, 3.0 / 5.0};
    const struct {
        int alignment;
        double left;   // offset of c1 and c4 along n
        double right;  // offset of c2 and c3 along n
    } cases[] = {
        {1, width / 2, -width / 2}, {2, width, 0}, {3, 0, -width},
        {0, 0, 0}, {4, 0, 0}, {-1, 0, 0}, {INT_MAX, 0, 0}, {INT_MIN, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.alignment);
        // What an earlier segment left in the corners.
        double c1[2] = {99, 99}, c2[2] = {99, 99}, c3[2] = {99, 99}, c4[2] = {99, 99};
        GetWidthOutline(a, b, c.alignment, width, c1, c2, c3, c4);
        ExpectPoint(c1, {a[0] + c.left * n.x, a[1] + c.left * n.y});
        ExpectPoint(c2, {a[0] + c.right * n.x, a[1] + c.right * n.y});
        ExpectPoint(c3, {b[0] + c.right * n.x, b[1] + c.right * n.y});
        ExpectPoint(c4, {b[0] + c.left * n.x, b[1] + c.left * n.y});
    }
}

TEST(GeometryTransformTest, RotationsAndTranslation)
{
    double p[2] = {1, 0};
    ExpectPoint(RotatePoint(p, 90.0), {0, 1});

    double x = 2.0, y = 1.0;
    RotateXY(&x, &y, 90.0);
    EXPECT_NEAR(x, -1.0, kNear);
    EXPECT_NEAR(y, 2.0, kNear);

    const double centre[2] = {1, 1};
    double q[2] = {3, 1};
    ExpectPoint(RotatePointAbout(q, centre, 180.0), {-1, 1});

    double r[2] = {1, 0};
    ExpectPoint(RotateTranslatePoint(r, 10.0, 20.0, 90.0), {10, 21});  // turn first, then shift
    ExpectPoint(TranslatePoint(r, -10.0, -20.0), {0, 1});
}

TEST(GeometryTransformTest, MirrorPointInLines)
{
    struct Case {
        const char* name;
        Point a, b, p, expected;
    };
    const Case cases[] = {
        {"vertical line", {2, 0}, {2, 5}, {5, 3}, {-1, 3}},
        {"horizontal line", {0, 1}, {4, 1}, {3, 4}, {3, -2}},
        {"diagonal line", {0, 0}, {1, 1}, {2, 0}, {0, 2}},
        {"oblique line", {0, 1}, {1, 3}, {0, 6}, {4, 4}},
        {"degenerate line", {1, 1}, {1, 1}, {5, 6}, {5, 6}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const double a[2] = {c.a.x, c.a.y}, b[2] = {c.b.x, c.b.y};
        double p[2] = {c.p.x, c.p.y};
        ExpectPoint(MirrorPoint(p, a, b), c.expected);
    }
}

TEST(GeometryTransformTest, ZeroCopyAndMatrix)
{
    double p3[3] = {1, 2, 3}, copy3[3] = {0, 0, 0};
    CopyPoint3(p3, copy3);
    EXPECT_EQ(copy3[2], 3.0);
    ZeroPoint3(p3);
    EXPECT_EQ(p3[0] + p3[1] + p3[2], 0.0);

    double p2[2] = {4, 5}, copy2[2] = {0, 0};
    CopyPoint2(p2, copy2);
    ExpectPoint(copy2, {4, 5});
    ExpectPoint(ZeroPoint2(p2), {0, 0});

    const double m[2][2] = {{1, 2}, {3, 4}};
    const double v[2] = {5, 6};
    double out[2] = {100, 100};  // overwritten, not accumulated into
    MultiplyMatrix2(m, v, out);
    ExpectPoint(out, {17, 39});
}

}  // namespace
