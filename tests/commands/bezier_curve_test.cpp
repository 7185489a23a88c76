#include "CommandTestSupport.h"

namespace {

using BezierCurveTest = CommandTest;

TEST_F(BezierCurveTest, TwentyOneSamplesFromFirstToLastControlPoint)
{
    const ModelState empty = CaptureState(model);
    ASSERT_TRUE(model.CreateBezierCurve(P(0, 0).data(), P(0, 100).data(), P(100, 100).data(), P(100, 0).data(),
                                        ALIGN_CENTER, 0.0));
    const std::vector<int> ids = CurvePoints(1);
    ASSERT_EQ(ids.size(), 21u);
    EXPECT_EQ(model.m_points.size(), 21u);
    ExpectPointAt(ids.front(), 0, 0);
    ExpectPointAt(ids[10], 50, 75, 1e-9);
    ExpectPointAt(ids.back(), 100, 0, 1e-9);
    EXPECT_EQ(UndoTitle(), "Create new curve (cubic Bezier curve) [1]");
    EXPECT_EQ(user.LastLine(), "New curve (cubic Bezier curve) [1] is created.");
    ExpectUndoRedoRestores(empty);
}

TEST_F(BezierCurveTest, ReversedControlPointsRunTheOtherWay)
{
    ASSERT_TRUE(model.CreateBezierCurve(P(100, 0).data(), P(100, 100).data(), P(0, 100).data(), P(0, 0).data(),
                                        ALIGN_CENTER, 0.0));
    CSectModel forward;
    ASSERT_TRUE(forward.CreateBezierCurve(P(0, 0).data(), P(0, 100).data(), P(100, 100).data(), P(100, 0).data(),
                                          ALIGN_CENTER, 0.0));
    const std::vector<int> ids = CurvePoints(1);
    const std::vector<int> forwardIds = forward.FindCurve(1)->pointIds;
    for (size_t i = 0; i < ids.size(); ++i) {
        const T_POINT_D* other = forward.FindPoint(forwardIds[ids.size() - 1 - i]);
        ExpectPointAt(ids[i], other->xy[0], other->xy[1], 1e-9);
    }
}

TEST_F(BezierCurveTest, CloseSamplesAreNotRepeated)
{
    ASSERT_TRUE(model.CreateBezierCurve(P(0, 0).data(), P(1, 0).data(), P(2, 0).data(), P(3, 0).data(), ALIGN_CENTER,
                                        0.0));
    const std::vector<int> ids = CurvePoints(1);
    EXPECT_LT(ids.size(), 21u);
    for (size_t i = 1; i < ids.size(); ++i)
        EXPECT_NE(ids[i], ids[i - 1]);
}

TEST_F(BezierCurveTest, EqualControlPointsAreRefused)
{
    ExpectRefusedWith(model.CreateBezierCurve(P(5, 5).data(), P(5, 5).data(), P(5, 5).data(), P(5, 5).data(),
                                              ALIGN_CENTER, 0.0),
                      CaptureState(model),
                      "Cannot create a new curve (cubic Bezier curve).\n\nGiven points are too close.");
}

TEST_F(BezierCurveTest, UcsPointsAreTheGlobalOnes)
{
    UseUcs(10, 20, 90);
    ASSERT_TRUE(model.CreateBezierCurve(P(0, 0).data(), P(0, 100).data(), P(100, 100).data(), P(100, 0).data(),
                                        ALIGN_CENTER, 0.0));
    // (50, 75) in the UCS is (10 - 75, 20 + 50) globally.
    ExpectPointAt(CurvePoints(1)[10], -65, 70, 1e-9);
}

} // namespace
