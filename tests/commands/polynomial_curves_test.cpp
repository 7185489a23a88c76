#include "CommandTestSupport.h"

#include "model/Geometry.h"

#include <algorithm>

namespace {

using QuadraticCurveTest = CommandTest;
using CubicCurveTest = CommandTest;

// The x of every stored vertex of the curve, in order.
std::vector<double> VertexXs(const CSectModel& model, int curveId)
{
    std::vector<double> xs;
    for (int id : model.FindCurve(curveId)->pointIds)
        xs.push_back(model.FindPoint(id)->xy[0]);
    return xs;
}

TEST_F(QuadraticCurveTest, TwentyOneSamplesThroughTheGivenPoints)
{
    const ModelState empty = CaptureState(model);
    ASSERT_TRUE(model.CreateQuadraticCurve(P(0, 0).data(), P(100, 100).data(), P(200, 400).data(), ALIGN_CENTER, 0.0));
    const std::vector<int> ids = CurvePoints(1);
    ASSERT_EQ(ids.size(), 21u);
    const std::vector<double> xs = VertexXs(model, 1);
    for (int i = 0; i < 10; ++i)
        EXPECT_NEAR(xs[static_cast<size_t>(i)], i * 100.0 / 9.0, 1e-9);
    for (int i = 0; i < 11; ++i)
        EXPECT_NEAR(xs[static_cast<size_t>(10 + i)], 100.0 + (i + 1) * 100.0 / 11.0, 1e-9);
    for (int id : ids)
        EXPECT_NEAR(model.FindPoint(id)->xy[1], 0.01 * std::pow(model.FindPoint(id)->xy[0], 2.0), 1e-9);
    ExpectPointAt(ids[9], 100, 100, 1e-9);
    ExpectPointAt(ids[20], 200, 400, 1e-9);
    EXPECT_EQ(UndoTitle(), "Create new curve (quadratic curve) [1]");
    EXPECT_EQ(user.LastLine().rfind("New curve (quadratic curve) [1] is created (y = (0.01)x^2 + (", 0), 0u);
    ExpectUndoRedoRestores(empty);
}

TEST_F(QuadraticCurveTest, GivenOrderDoesNotMatter)
{
    ASSERT_TRUE(model.CreateQuadraticCurve(P(200, 400).data(), P(0, 0).data(), P(100, 100).data(), ALIGN_CENTER, 0.0));
    CSectModel ordered;
    ASSERT_TRUE(
        ordered.CreateQuadraticCurve(P(0, 0).data(), P(100, 100).data(), P(200, 400).data(), ALIGN_CENTER, 0.0));
    EXPECT_EQ(CurvePoints(1), ordered.FindCurve(1)->pointIds);
    for (const auto& [id, point] : ordered.m_points)
        ExpectPointAt(id, point->xy[0], point->xy[1], 1e-9);
}

TEST_F(QuadraticCurveTest, Refusals)
{
    struct Case {
        double p1[2], p2[2], p3[2];
        const char* reason;
    };
    AddPoint(0, 0);  // every sample of the last case lies within the tolerance of it
    const Case cases[] = {
        {{0, 0}, {0, 0}, {5, 5}, "Point 1 and 2 are identical."},
        {{0, 0}, {5, 5}, {0, 0}, "Point 1 and 3 are identical."},
        {{1, 0}, {5, 5}, {5, 5}, "Point 2 and 3 are identical."},
        {{0, 0}, {5, 0}, {10, 0}, "Given three points are collinear."},
        {{0, 0}, {5, 5}, {10, 10.5}, "Given three points are collinear."},
        {{0, 0}, {0, 50}, {30, 10}, "Condition seems quite improper."},
        {{-0.7, -0.7}, {0, 0.9}, {0.7, -0.7}, "Given points are too close."},
    };
    for (const Case& c : cases) {
        user.ClearRecords();
        ExpectRefusedWith(model.CreateQuadraticCurve(c.p1, c.p2, c.p3, ALIGN_CENTER, 0.0), CaptureState(model),
                          std::string("Cannot create a new curve (quadratic curve).\n\n") + c.reason);
    }
}

TEST_F(QuadraticCurveTest, SamplesNearAPointReuseItOnce)
{
    const int existing = AddPoint(44.6, 19.9);  // near the sample at x = 400 / 9
    ASSERT_TRUE(model.CreateQuadraticCurve(P(0, 0).data(), P(100, 100).data(), P(200, 400).data(), ALIGN_CENTER, 0.0));
    const std::vector<int> ids = CurvePoints(1);
    EXPECT_EQ(std::count(ids.begin(), ids.end(), existing), 1);
    for (size_t i = 1; i < ids.size(); ++i)
        EXPECT_NE(ids[i], ids[i - 1]);
}

TEST_F(CubicCurveTest, TurnedFrameFitsPointsSharingAnX)
{
    const ModelState empty = CaptureState(model);
    const double given[4][2] = {{0, 0}, {0, 100}, {100, 200}, {200, 500}};
    ASSERT_TRUE(model.CreateCubicCurve(given[0], given[1], given[2], given[3], ALIGN_CENTER, 0.0));
    // Turned, the x values are -500, -200, -100 and 0: runs of 18, 6 and 7 samples.
    const std::vector<int> ids = CurvePoints(1);
    ASSERT_EQ(ids.size(), 31u);
    for (size_t i = 0; i < ids.size(); ++i)
        EXPECT_EQ(ids[i], static_cast<int>(i) + 1);
    ExpectPointAt(ids.front(), 200, 500, 1e-9);
    ExpectPointAt(ids[17], 100, 200, 1e-9);
    ExpectPointAt(ids[23], 0, 100, 1e-9);
    ExpectPointAt(ids.back(), 0, 0, 1e-9);
    for (const auto& p : given) {
        bool found = false;
        for (int id : CurvePoints(1))
            found = found || Distance(model.FindPoint(id)->xy, p) < 1e-6;
        EXPECT_TRUE(found) << p[0] << ", " << p[1];
    }
    EXPECT_EQ(UndoTitle(), "Create new curve (cubic curve) [1]");
    ExpectUndoRedoRestores(empty);
}

TEST_F(CubicCurveTest, SharedXAndSharedYIsRefused)
{
    ExpectRefusedWith(model.CreateCubicCurve(P(0, 0).data(), P(0, 100).data(), P(100, 100).data(), P(200, 300).data(),
                                             ALIGN_CENTER, 0.0),
                      CaptureState(model),
                      "Cannot create a new curve (cubic curve).\n\nCondition seems quite improper.");
    user.ClearRecords();
    ExpectRefusedWith(model.CreateCubicCurve(P(0, 0).data(), P(1, 1).data(), P(2, 2).data(), P(1, 1).data(),
                                             ALIGN_CENTER, 0.0),
                      CaptureState(model), "Cannot create a new curve (cubic curve).\n\nPoint 2 and 4 are identical.");
}

TEST_F(CubicCurveTest, RaisedMinimumsTakeThirtyThreeSamples)
{
    model.SetTolerance(1e-3);
    ASSERT_TRUE(model.CreateCubicCurve(P(0, 0).data(), P(0.1, 1).data(), P(199.9, 3).data(), P(200, 2).data(),
                                       ALIGN_CENTER, 0.0));
    EXPECT_EQ(CurvePoints(1).size(), 33u);
    EXPECT_EQ(user.LastLine().rfind("New curve (cubic curve) [1] is created (y = (", 0), 0u);
}

TEST_F(CubicCurveTest, CollinearPointsGiveAStraightCurve)
{
    ASSERT_TRUE(model.CreateCubicCurve(P(0, 0).data(), P(10, 10).data(), P(20, 20).data(), P(30, 30).data(),
                                       ALIGN_CENTER, 0.0));
    for (int id : CurvePoints(1))
        EXPECT_NEAR(model.FindPoint(id)->xy[0], model.FindPoint(id)->xy[1], 1e-9);
}

} // namespace
