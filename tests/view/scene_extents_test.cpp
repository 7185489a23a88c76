#include "view/GlCamera.h"
#include "view/Scene.h"
#include "view/support/FakeViewDocument.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace {

class SceneExtents : public testing::Test {
protected:
    SceneExtents() { scene.ResetDefaults(); }

    void Rebuild()
    {
        DisplayListPlan lists;
        scene.BuildDisplayLists(lists);
    }

    FakeViewDocument document;
    CScene scene{&document};
    double min[3] = {0, 0, 0};
    double max[3] = {0, 0, 0};
};

TEST_F(SceneExtents, EmptySceneHasNoExtents)
{
    Rebuild();
    EXPECT_FALSE(scene.GetActiveExtents(CTGLMatrix(), min, max));
    EXPECT_EQ(min[0], DBL_MAX);
    EXPECT_EQ(max[2], -DBL_MAX);
    EXPECT_TRUE(scene.HasFewerThanTwoPoints());
}

TEST_F(SceneExtents, OnePointGivesABoxOfNoSize)
{
    document.AddPoint(1, 30, 40);
    Rebuild();
    ASSERT_TRUE(scene.GetActiveExtents(CTGLMatrix(), min, max));
    EXPECT_EQ(min[0], 30.0);
    EXPECT_EQ(max[1], 40.0);
    EXPECT_EQ(min[2], 0.0);
    EXPECT_TRUE(scene.HasFewerThanTwoPoints());
}

TEST_F(SceneExtents, WidthBandsWidenTheBoxWhileWidthsShow)
{
    document.AddPoint(1, 0, 0);
    document.AddPoint(2, 100, 0);
    document.AddPoint(3, 50, 80);
    document.AddCurve(1, {1, 2}, 20.0, ALIGN_LEFT);
    Rebuild();
    ASSERT_TRUE(scene.GetActiveExtents(CTGLMatrix(), min, max));
    EXPECT_NEAR(min[0], 0.0, 1e-9);
    EXPECT_NEAR(min[1], 0.0, 1e-9);
    EXPECT_NEAR(max[0], 100.0, 1e-9);
    EXPECT_NEAR(max[1], 80.0, 1e-9);  // the free point 3; the band reaches 20

    document.model->m_points[3]->xy[1] = 5.0;
    ASSERT_TRUE(scene.GetActiveExtents(CTGLMatrix(), min, max));
    EXPECT_NEAR(max[1], 20.0, 1e-9);

    scene.m_showCurveWidths = false;
    ASSERT_TRUE(scene.GetActiveExtents(CTGLMatrix(), min, max));
    EXPECT_NEAR(max[1], 5.0, 1e-9);
}

TEST_F(SceneExtents, BoxIsInTheFrameOfTheMatrixAndOnlyOfShownPoints)
{
    document.AddPoint(1, 0, 0);
    document.AddPoint(2, 10, 10);
    document.AddPoint(3, 1000, 1000);
    Rebuild();
    scene.m_active[KIND_POINT].erase(PointKey(3));
    ASSERT_TRUE(scene.GetActiveExtents(CTGLMatrix::Translation(-5.0, 1.0, 0.0), min, max));
    EXPECT_EQ(min[0], -5.0);
    EXPECT_EQ(min[1], 1.0);
    EXPECT_EQ(max[0], 5.0);
    EXPECT_EQ(max[1], 11.0);
}

TEST_F(SceneExtents, DepthExtentsAreNeverReported)
{
    document.AddPoint(1, 0, 0);
    document.AddPoint(2, 10, 10);
    Rebuild();
    EXPECT_FALSE(scene.GetDepthExtents(min, max));
    EXPECT_EQ(min[1], DBL_MAX);
    EXPECT_EQ(max[1], -DBL_MAX);
}

}  // namespace
