#include "model/SectModel.h"
#include "view/support/DrawingModel.h"
#include "view/support/ViewOnScreen.h"

#include <gtest/gtest.h>


namespace {

const std::array<int, 3> WHITE{255, 255, 255};

using ViewRender = ViewOnScreen;

TEST_F(ViewRender, ModelShowsItsColoursWhereItLies)
{
    BuildDrawingModel(document);
    DrawModel();
    const RgbImage frame = view->ReadShownPicture();
    ASSERT_EQ(frame.width, CLIENT_WIDTH);
    ASSERT_EQ(frame.height, CLIENT_HEIGHT);
    const CScene& scene = *view->GetScene();

    // The used domain of the plane section is filled, the unused one is not.
    EXPECT_EQ(PixelAt(frame, 75, 25), (std::array<int, 3>{0, 128, 255}));
    EXPECT_EQ(PixelAt(frame, 25, 75), WHITE);
    // The width band is grey inside its outline.
    EXPECT_TRUE(ColourNear(frame, 250, 4, ToBytes(scene.m_colours[COLOUR_WIDTH]), 0));
    // The line section's curve in the section's colour.
    EXPECT_TRUE(ColourNear(frame, 50, 200, {255, 0, 255}, 1));
    // Points: a junction of three curves, a free end.
    EXPECT_TRUE(ColourNear(frame, 500, 500, ToBytes(scene.m_colours[COLOUR_POINT_JUNCTION]), 0));
    EXPECT_TRUE(ColourNear(frame, 600, 500, ToBytes(scene.m_colours[COLOUR_POINT_FREE_END]), 0));
    // Nothing far from the model.
    EXPECT_EQ(PixelAt(frame, 300, 400), WHITE);
}

TEST_F(ViewRender, SelectionShowsInTheHighlightColour)
{
    BuildDrawingModel(document);
    DrawModel();
    view->GetScene()->SelectCurves({3});
    view->RedrawScene();
    view->OnDraw();
    EXPECT_TRUE(ColourNear(view->ReadShownPicture(), 50, 200, {255, 0, 0}, 1));
}

TEST_F(ViewRender, RepaintWithoutFlagsShowsTheKeptFrame)
{
    BuildDrawingModel(document);
    DrawModel();
    const int renders = view->RenderCount();
    const RgbImage before = view->ReadShownPicture();
    view->OnDraw();
    EXPECT_EQ(view->RenderCount(), renders);
    EXPECT_EQ(view->ReadShownPicture().rgb, before.rgb);

    view->RedrawScene();
    view->OnDraw();
    EXPECT_EQ(view->RenderCount(), renders + 1);

    document.outOfDate = true;
    view->OnDraw();
    EXPECT_EQ(view->RenderCount(), renders + 2);
    EXPECT_FALSE(document.outOfDate);
}

TEST_F(ViewRender, EmptyModelFitsTheDefaultFrameUpright)
{
    DrawModel();
    double top[2];
    double bottom[2];
    view->Camera().WorldToWindow(0.0, 1100.0, top);
    view->Camera().WorldToWindow(0.0, -1100.0, bottom);
    EXPECT_NEAR(top[1], 0.0, 1e-6);
    EXPECT_NEAR(bottom[1], CLIENT_HEIGHT, 1e-6);
    EXPECT_NEAR(top[0], CLIENT_WIDTH / 2.0, 1e-6);
}

TEST_F(ViewRender, ZoomFitFramesTheShownEntities)
{
    document.AddPoint(1, 0, 0);
    document.AddPoint(2, 200, 100);
    DrawModel();
    double low[2];
    double high[2];
    view->Camera().WorldToWindow(0, 0, low);
    view->Camera().WorldToWindow(200, 100, high);
    // A twentieth of the width added on each side; the width decides the zoom.
    const double pixelsPerUnit = CLIENT_WIDTH / 220.0;
    EXPECT_NEAR(high[0] - low[0], 200 * pixelsPerUnit, 1e-6);
    EXPECT_NEAR(low[1] - high[1], 100 * pixelsPerUnit, 1e-6);
    EXPECT_NEAR((low[0] + high[0]) / 2.0, CLIENT_WIDTH / 2.0, 1e-6);
}

TEST_F(ViewRender, TheAxisGlyphNeverHidesASmallDrawingAndKeepsItsSizeOverALargeOne)
{
    // Two lines of the given width about the origin, the grid at 100.
    const struct {
        double width;
        bool glyphAtGridSize;  // the red shaft and cone reach 0.75 grid along x
    } cases[] = {{3.6, false}, {2000.0, true}};
    for (const auto& c : cases) {
        document.model = std::make_unique<CSectModel>();
        document.AddPoint(1, -c.width / 2, c.width / 4);
        document.AddPoint(2, c.width / 2, c.width / 4);
        document.AddPoint(3, -c.width / 2, -c.width / 4);
        document.AddPoint(4, c.width / 2, -c.width / 4);
        document.AddCurve(1, {1, 2});
        document.AddCurve(2, {3, 4});
        ASSERT_EQ(document.model->m_gridSize, 100.0);
        view->m_ucsAxesDisplay = 1;
        DrawModel();
        const RgbImage frame = view->ReadShownPicture();
        size_t black = 0;
        for (size_t at = 0; at + 2 < frame.rgb.size(); at += 3)
            black += frame.rgb[at] < 40 && frame.rgb[at + 1] < 40 && frame.rgb[at + 2] < 40;
        EXPECT_LT(black, frame.rgb.size() / 3 / 20) << c.width;  // under 5 % of the window
        EXPECT_TRUE(ColourNear(frame, 0.0, c.width / 4, ToBytes(view->GetScene()->m_colours[COLOUR_CURVE]), 1))
            << c.width;
        const std::array<int, 3> onShaft = PixelAt(frame, 75.0, 0.0);
        const bool red = onShaft[0] > 128 && onShaft[1] < 64 && onShaft[2] < 64;
        EXPECT_EQ(red, c.glyphAtGridSize) << c.width;
    }
}

TEST_F(ViewRender, LabelsAreWrittenInTheLabelColour)
{
    document.AddPoint(1, 0, 0);
    document.AddPoint(2, 200, 100);
    view->m_display.pointLabels = true;
    DrawModel();
    const RgbImage frame = view->ReadShownPicture();
    // Dark text up and to the right of point 1.
    const double pixel = view->Camera().UnitsPerPixel();
    bool dark = false;
    for (int dx = 3; dx < 20 && !dark; ++dx) {
        for (int dy = 3; dy < 15 && !dark; ++dy) {
            const auto colour = PixelAt(frame, dx * pixel, dy * pixel);
            dark = colour[0] < 100 && colour[1] < 100 && colour[2] < 100;
        }
    }
    EXPECT_TRUE(dark);
}

std::array<int, 3> WindowPixel(const RgbImage& image, int x, int y)
{
    const size_t at = (static_cast<size_t>(image.height - 1 - y) * image.width + x) * 3;
    return {image.rgb[at], image.rgb[at + 1], image.rgb[at + 2]};
}

TEST_F(ViewRender, RubberBandIsDrawnOverTheKeptFrameAndRemovedByASecondDraw)
{
    DrawModel();
    const int renders = view->RenderCount();
    view->m_rubberBandKind = 5;
    view->DrawRubberBand(20, 30, 120, 90);
    RgbImage shown = view->ReadShownPicture();
    const std::array<int, 3> grey{90, 90, 90};
    EXPECT_EQ(WindowPixel(shown, 70, 30), grey);
    EXPECT_EQ(WindowPixel(shown, 120, 60), grey);
    EXPECT_EQ(WindowPixel(shown, 70, 60), WHITE);

    view->DrawRubberBand(20, 30, 120, 90);
    shown = view->ReadShownPicture();
    EXPECT_EQ(WindowPixel(shown, 70, 30), WHITE);
    EXPECT_EQ(view->RenderCount(), renders);

    view->m_rubberBandKind = 1;
    view->DrawRubberBand(10, 10, 10, 100);
    EXPECT_EQ(WindowPixel(view->ReadShownPicture(), 10, 50), grey);
}

TEST_F(ViewRender, PropertyLinesStandOneUnderAnother)
{
    document.AddPoint(1, 0, 0);
    document.AddPoint(2, 200, 100);
    document.AddPoint(3, 100, 50);
    T_SECTION_D& section = document.AddSection(1, SECTION_LINE, {});
    section.propertiesCalculated = true;
    section.centroidPointId = 3;
    view->m_display.points = false;
    view->m_propertyLabelsOn = true;
    // Rows with dark pixels within the text block below and right of the centroid.
    auto darkRows = [&]() {
        DrawModel();
        const RgbImage frame = view->ReadShownPicture();
        double centre[2];
        view->Camera().WorldToWindow(100, 50, centre);
        int rows = 0;
        for (int y = static_cast<int>(centre[1]) - 20; y < static_cast<int>(centre[1]) + 60; ++y) {
            bool dark = false;
            for (int x = static_cast<int>(centre[0]); x < static_cast<int>(centre[0]) + 80 && !dark; ++x) {
                const auto colour = WindowPixel(frame, x, y);
                dark = colour[0] < 100 && colour[1] < 100 && colour[2] < 100;
            }
            rows += dark ? 1 : 0;
        }
        return rows;
    };
    view->m_propertyLabels.show[0] = true;
    const int oneLine = darkRows();
    ASSERT_GT(oneLine, 0);
    view->m_propertyLabels.show[3] = true;
    view->m_propertyLabels.show[6] = true;
    EXPECT_GT(darkRows(), 2 * oneLine);
}

}  // namespace
