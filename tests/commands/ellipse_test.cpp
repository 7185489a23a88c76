#include "CommandTestSupport.h"

namespace {

using EllipseTest = CommandTest;

TEST_F(EllipseTest, HundredByFiftyClosedCurve)
{
    const ModelState empty = CaptureState(model);
    ASSERT_TRUE(model.CreateEllipse(P(0, 0).data(), 100.0, 50.0, ALIGN_CENTER, 0.0));
    const std::vector<int> ids = CurvePoints(1);
    ASSERT_EQ(ids.size(), 37u);
    EXPECT_EQ(ids.front(), 1);
    EXPECT_EQ(ids[35], 36);
    EXPECT_EQ(ids.back(), 1);
    ExpectPointAt(1, 100, 0);
    ExpectPointAt(2, 98.480775301, 8.682408883, 1e-8);
    ExpectPointAt(10, 0, 50, 1e-9);
    EXPECT_EQ(UndoTitle(), "Create new curve (ellipse) [1]");
    EXPECT_EQ(user.LastLine(), "New curve (ellipse) [1] is created with a x-radius 100.000 and a y-radius 50.000.");
    ExpectUndoRedoRestores(empty);

    // A second equal ellipse makes only its curve.
    ASSERT_TRUE(model.CreateEllipse(P(0, 0).data(), 100.0, 50.0, ALIGN_CENTER, 0.0));
    EXPECT_EQ(model.m_points.size(), 36u);
    EXPECT_EQ(CurvePoints(2), ids);
}

TEST_F(EllipseTest, EqualRadiiGiveTheCircle)
{
    ASSERT_TRUE(model.CreateEllipse(P(3, 4).data(), 60.0, 60.0, ALIGN_CENTER, 0.0));
    CSectModel circle;
    ASSERT_TRUE(circle.CreateCircle(P(3, 4).data(), 60.0, ALIGN_CENTER, 0.0, 0.0));
    EXPECT_EQ(CaptureState(model), CaptureState(circle));
}

TEST_F(EllipseTest, RadiusRefusals)
{
    struct Case {
        double xRadius, yRadius;
        const char* reason;
    };
    const Case cases[] = {
        {0.0, 10.0, "x-radius should be greater than 0."},
        {0.5, 10.0, "x-radius is too small. It is less than the tolerance."},
        {200.0, 0.0, "y-radius should be greater than 0."},
        {200.0, 0.5, "y-radius is too small. It is less than the tolerance."},
    };
    for (const Case& c : cases) {
        user.ClearRecords();
        ExpectRefusedWith(model.CreateEllipse(P(0, 0).data(), c.xRadius, c.yRadius, ALIGN_CENTER, 0.0),
                          CaptureState(model), std::string("Cannot create a new curve (ellipse).\n\n") + c.reason);
    }
}

TEST_F(EllipseTest, LargeStepStillGivesAClosedCurve)
{
    model.SetAngleStep(270.0);
    ASSERT_TRUE(model.CreateEllipse(P(0, 0).data(), 100.0, 50.0, ALIGN_CENTER, 0.0));
    EXPECT_EQ(CurvePoints(1), (std::vector<int>{1, 2, 1}));
}

} // namespace
