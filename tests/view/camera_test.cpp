#include "view/GlCamera.h"

#include <gtest/gtest.h>

namespace {

class Camera : public testing::Test {
protected:
    Camera() { camera.SetWindowSize(400, 200); }

    void ExpectShowsAt(double x, double y, double px, double py)
    {
        double window[2];
        camera.WorldToWindow(x, y, window);
        EXPECT_NEAR(window[0], px, 1e-9) << x << "," << y;
        EXPECT_NEAR(window[1], py, 1e-9) << x << "," << y;
    }

    GlCamera camera;
};

TEST_F(Camera, FitKeepsTheShapeAndCentresTheRectangle)
{
    const double min[2] = {0.0, 0.0};
    const double max[2] = {100.0, 100.0};
    camera.FitToWindow(min, max);
    // The taller side fills the height; the picture keeps its shape.
    EXPECT_DOUBLE_EQ(camera.HalfHeight(), 50.0);
    EXPECT_DOUBLE_EQ(camera.HalfWidth(), 100.0);
    ExpectShowsAt(50.0, 50.0, 200.0, 100.0);
    ExpectShowsAt(0.0, 0.0, 100.0, 200.0);

    const double wideMin[2] = {-400.0, -10.0};
    const double wideMax[2] = {400.0, 10.0};
    camera.FitToWindow(wideMin, wideMax);
    EXPECT_DOUBLE_EQ(camera.HalfWidth(), 400.0);
}

TEST_F(Camera, FitTakesTheRectangleInTheCurrentEyeFrame)
{
    const double min[2] = {0.0, 0.0};
    const double max[2] = {100.0, 100.0};
    camera.FitToWindow(min, max);
    // Fit again what the eye now sees of the world box (100..200, 0..100).
    const CTGLMatrix view = camera.ViewMatrix();
    const CHomoPoint a = view.Mult3DPoint({100.0, 0.0, 0.0, 1.0});
    const CHomoPoint b = view.Mult3DPoint({200.0, 100.0, 0.0, 1.0});
    const double eyeMin[2] = {a.x, a.y};
    const double eyeMax[2] = {b.x, b.y};
    camera.FitToWindow(eyeMin, eyeMax);
    ExpectShowsAt(150.0, 50.0, 200.0, 100.0);
}

TEST_F(Camera, ZoomInAndOutByTheSameStepRestores)
{
    const double before = camera.HalfHeight();
    camera.ZoomInOut(0.25);
    EXPECT_LT(camera.HalfHeight(), before);
    camera.ZoomInOut(-0.25);
    EXPECT_DOUBLE_EQ(camera.HalfHeight(), before);
}

TEST_F(Camera, PanMovesThePictureWithTheMouse)
{
    double before[2];
    camera.WorldToWindow(10.0, 20.0, before);
    camera.Pan(30.0, -12.0);
    ExpectShowsAt(10.0, 20.0, before[0] + 30.0, before[1] - 12.0);
}

TEST_F(Camera, ZoomWindowFitsTheDraggedRectangle)
{
    const double min[2] = {0.0, 0.0};
    const double max[2] = {400.0, 200.0};
    camera.FitToWindow(min, max);  // one unit per pixel, y up
    // Dragged from (300, 150) up to (100, 50): the world box (100..300, 50..150).
    camera.ZoomWindow(300.0, 100.0, 50.0, 150.0);
    EXPECT_DOUBLE_EQ(camera.HalfHeight(), 50.0);
    ExpectShowsAt(200.0, 100.0, 200.0, 100.0);
    ExpectShowsAt(300.0, 150.0, 400.0, 0.0);
}

TEST_F(Camera, ARectangleOfNoSizeOnlyCentres)
{
    const double before = camera.HalfHeight();
    const double point[2] = {5.0, 5.0};
    camera.FitToWindow(point, point);
    EXPECT_DOUBLE_EQ(camera.HalfHeight(), before);
    ExpectShowsAt(5.0, 5.0, 200.0, 100.0);
}

TEST_F(Camera, AWindowPositionShowsTheWorldPointFoundForIt)
{
    camera.SetCentre(30.0, -20.0, 0.0);
    const double min[2] = {0.0, 0.0};
    const double max[2] = {100.0, 100.0};
    camera.FitToWindow(min, max);
    camera.Pan(17.0, -9.0);
    // Half a height of 50 over 200 pixels: a pixel is 0.5 units; the window
    // centre shows the centre of the fitted rectangle moved by the pan.
    double world[2];
    camera.WindowToWorld(200.0, 100.0, world);
    EXPECT_NEAR(world[0], 30.0 + 50.0 - 17.0 * 0.5, 1e-9);
    EXPECT_NEAR(world[1], -20.0 + 50.0 - 9.0 * 0.5, 1e-9);
    camera.WindowToWorld(13.0, 171.0, world);
    ExpectShowsAt(world[0], world[1], 13.0, 171.0);
}

TEST(CameraDepth, DepthRangeNeverFallsBelowTheFloor)
{
    EXPECT_EQ(DepthRangeFor(0.0, 0, 0, 1.0), MIN_ORTHO_DEPTH);
    EXPECT_EQ(DepthRangeFor(10.0, 1, 1, 1.0), MIN_ORTHO_DEPTH);
    EXPECT_EQ(DepthRangeFor(10.0, 30, 20, 100.0), 60000.0);
    EXPECT_EQ(DepthRangeFor(90000.0, 30, 20, 100.0), 900000.0);
    GlCamera camera;
    EXPECT_EQ(camera.Depth(), 500.0);
}

TEST(CameraMatrix, MultipliesColumnMajorMatrices)
{
    const CTGLMatrix shift = CTGLMatrix::Translation(1.0, 2.0, 3.0);
    const CHomoPoint p = (shift * shift).Mult3DPoint({1.0, 1.0, 1.0, 1.0});
    EXPECT_DOUBLE_EQ(p.x, 3.0);
    EXPECT_DOUBLE_EQ(p.y, 5.0);
    EXPECT_DOUBLE_EQ(p.z, 7.0);
    EXPECT_DOUBLE_EQ(p.w, 1.0);
    EXPECT_DOUBLE_EQ(shift.Data()[12], 1.0);
}

}  // namespace
