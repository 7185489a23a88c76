#include "view/GlCamera.h"
#include "view/Scene.h"
#include "view/support/DrawingModel.h"
#include "view/support/FakeViewDocument.h"
#include "view/support/PlanReader.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

Colour SectionColour(const int rgb[3])
{
    return Colour{static_cast<float>(rgb[0] / 255.0), static_cast<float>(rgb[1] / 255.0),
                  static_cast<float>(rgb[2] / 255.0)};
}

class SceneDraw : public testing::Test {
protected:
    SceneDraw()
    {
        BuildDrawingModel(document);
        scene.ResetDefaults();
    }

    std::vector<ListCall> DrawFrame()
    {
        DisplayListPlan lists;
        scene.BuildDisplayLists(lists);
        DrawPlan frame;
        scene.Draw(frame);
        return ReadListCalls(frame);
    }

    const Colour& SceneColour(int index) const { return scene.m_colours[index]; }

    FakeViewDocument document;
    CScene scene{&document};
};

TEST_F(SceneDraw, KindsAreDrawnInOrder)
{
    const std::vector<int> keys = CalledKeys(DrawFrame());
    const std::vector<int> expected{
        SectionKey(1), SectionKey(2),                                                   // sections
        CurveKey(1),   CurveKey(2),   CurveKey(3), CurveKey(4), CurveKey(5), CurveKey(6),  // curves
        CurveKey(2),   CurveKey(2),                                                     // band, outline
        ClosedLoopKey(1),                                                               // closed loops
        PointKey(1),   PointKey(2),   PointKey(3), PointKey(4), PointKey(5), PointKey(6),
        PointKey(7),   PointKey(8),   PointKey(9), PointKey(10), PointKey(11), PointKey(12)};
    EXPECT_EQ(keys, expected);
}

TEST_F(SceneDraw, ColoursFollowTheEntityState)
{
    const auto calls = DrawFrame();
    EXPECT_EQ(CallsOf(calls, SectionKey(1))[0].colour, SectionColour(PLANE_SECTION_COLOUR));
    EXPECT_EQ(CallsOf(calls, CurveKey(1))[0].colour, SceneColour(COLOUR_CURVE));  // uncalculated plane section
    EXPECT_EQ(CallsOf(calls, CurveKey(3))[0].colour, SectionColour(LINE_SECTION_COLOUR));
    EXPECT_EQ(CallsOf(calls, CurveKey(4))[0].colour, SceneColour(COLOUR_CURVE));

    const auto loop = CallsOf(calls, ClosedLoopKey(1));
    EXPECT_EQ(loop[0].colour, SceneColour(COLOUR_CLOSED_LOOP));
    EXPECT_EQ(loop[0].lineWidth, 2.0);

    const auto band = CallsOf(calls, CurveKey(2));
    ASSERT_EQ(band.size(), 3u);
    EXPECT_EQ(band[1].colour, SceneColour(COLOUR_WIDTH));
    EXPECT_EQ(band[1].polygonMode, PolygonMode::Fill);
    EXPECT_EQ(band[2].colour, SceneColour(COLOUR_CURVE));
    EXPECT_EQ(band[2].polygonMode, PolygonMode::Line);
}

TEST_F(SceneDraw, PointColoursCountCurveEnds)
{
    const auto calls = DrawFrame();
    struct {
        int pointId;
        int colour;
    } cases[] = {
        {1, COLOUR_POINT},            // first point of a closed curve touching nothing else
        {2, COLOUR_POINT},            // inside a curve
        {5, COLOUR_POINT_FREE_END},   // end of one curve
        {9, COLOUR_POINT_JUNCTION},   // three curve ends
        {10, COLOUR_POINT_FREE_END},
    };
    for (const auto& c : cases) {
        const auto point = CallsOf(calls, PointKey(c.pointId));
        ASSERT_EQ(point.size(), 1u) << c.pointId;
        EXPECT_EQ(point[0].colour, SceneColour(c.colour)) << c.pointId;
        EXPECT_EQ(point[0].pointSize, 3.0) << c.pointId;
        EXPECT_TRUE(point[0].pointSmooth) << c.pointId;
    }
}

TEST_F(SceneDraw, CalculatedSectionsChangeCurveAndCentroidColours)
{
    T_SECTION_D& line = *document.model->m_sections[2];
    line.propertiesCalculated = true;
    line.centroidPointId = 9;  // other curves end on it too
    const auto calls = DrawFrame();
    EXPECT_EQ(CallsOf(calls, CurveKey(3))[0].colour, SceneColour(COLOUR_CALCULATED_CURVE));
    const auto centroid = CallsOf(calls, PointKey(9));
    EXPECT_EQ(centroid[0].colour, SceneColour(COLOUR_CENTROID));
    EXPECT_EQ(centroid[0].pointSize, 5.0);
}

TEST_F(SceneDraw, WidthsOffDrawTheCurveAsALine)
{
    scene.m_showCurveWidths = false;
    const auto calls = DrawFrame();
    const auto curve = CallsOf(calls, CurveKey(2));
    ASSERT_EQ(curve.size(), 1u);
    EXPECT_EQ(curve[0].colour, SceneColour(COLOUR_CURVE));
}

TEST_F(SceneDraw, HiddenKindsAndInactiveEntitiesAreLeftOut)
{
    scene.m_showPoints = false;
    scene.m_showClosedLoops = false;
    scene.m_inactive[KIND_CURVE].insert(CurveKey(4));
    scene.m_activityMode = ACTIVITY_SELECTED_INACTIVE;
    const std::vector<int> keys = CalledKeys(DrawFrame());
    EXPECT_EQ(std::count_if(keys.begin(), keys.end(), [](int key) { return KindOfKey(key) == KIND_POINT; }), 0);
    EXPECT_EQ(std::count(keys.begin(), keys.end(), ClosedLoopKey(1)), 0);
    EXPECT_EQ(std::count(keys.begin(), keys.end(), CurveKey(4)), 0);
    EXPECT_EQ(scene.m_activityModeAtLastDraw, ACTIVITY_SELECTED_INACTIVE);
}

TEST_F(SceneDraw, SelectionIsDrawnLastInTheHighlightColour)
{
    scene.SelectCurves({3});
    scene.SelectPoints({5});
    const auto calls = DrawFrame();
    const ListCall& last = calls.back();
    EXPECT_EQ(last.key, CurveKey(3));
    EXPECT_EQ(last.colour, SceneColour(COLOUR_HIGHLIGHT));
    EXPECT_EQ(last.lineWidth, 2.0);
    const auto point = CallsOf(calls, PointKey(5));
    ASSERT_EQ(point.size(), 2u);
    EXPECT_EQ(point[1].colour, SceneColour(COLOUR_HIGHLIGHT));
    EXPECT_EQ(point[1].pointSize, 4.0);
}

TEST_F(SceneDraw, HighlightedDomainIsDrawnDirectly)
{
    scene.m_highlightSectionId = 1;
    scene.m_highlightDomainId = 2;  // not used
    DisplayListPlan lists;
    scene.BuildDisplayLists(lists);
    DrawPlan frame;
    scene.Draw(frame);
    const size_t withoutUnused = Primitives(frame).size();
    EXPECT_EQ(withoutUnused, 0u);

    scene.m_highlightOnlyUsed = false;
    DrawPlan again;
    scene.Draw(again);
    ASSERT_EQ(Primitives(again).size(), 1u);
    EXPECT_EQ(Primitives(again)[0]->vertices.size(), 3u);
}

TEST_F(SceneDraw, SelectionRenderingNamesEveryCallByItsKey)
{
    scene.m_pickFilter[KIND_DOMAIN] = true;
    DisplayListPlan lists;
    scene.BuildDisplayLists(lists);
    DrawPlan plan;
    scene.RenderForSelection(plan);
    const auto calls = ReadListCalls(plan);
    ASSERT_FALSE(calls.empty());
    for (const ListCall& call : calls)
        EXPECT_EQ(call.name, call.key);
    const std::vector<int> keys = CalledKeys(calls);
    EXPECT_EQ(std::count(keys.begin(), keys.end(), DomainKey(1, 1)), 1);
    EXPECT_EQ(std::count(keys.begin(), keys.end(), PointKey(1)), 1);
    EXPECT_EQ(std::count(keys.begin(), keys.end(), ClosedLoopKey(1)), 1);
}

TEST_F(SceneDraw, SelectionRenderingFollowsFilterAndDisplay)
{
    DisplayListPlan lists;
    scene.BuildDisplayLists(lists);
    scene.m_showPoints = false;
    scene.m_showClosedLoops = false;
    scene.m_pickFilter[KIND_SECTION] = false;
    DrawPlan plan;
    scene.RenderForSelection(plan);
    for (int key : CalledKeys(ReadListCalls(plan)))
        EXPECT_EQ(KindOfKey(key), KIND_CURVE) << key;
}

TEST_F(SceneDraw, GridTakesTheProjectSettings)
{
    document.model->SetGrid(4, 2, 50.0);
    DrawPlan plan;
    scene.DrawGrid(plan);
    EXPECT_EQ(scene.m_gridCountHorizontal, document.model->m_gridCountX);
    EXPECT_EQ(scene.m_gridSpacing, 50.0);
    const auto points = Primitives(plan);
    ASSERT_EQ(points.size(), 1u);
    const int across = 2 * scene.m_gridCountVertical + 1;
    const int up = 2 * scene.m_gridCountHorizontal + 1;
    EXPECT_EQ(points[0]->vertices.size(), static_cast<size_t>(across * up));
    EXPECT_EQ(points[0]->vertices.front().x, -scene.m_gridCountVertical * 50.0);
    EXPECT_EQ(points[0]->vertices.back().y, scene.m_gridCountHorizontal * 50.0);
}

TEST_F(SceneDraw, UcsAxesScaleWithTheGrid)
{
    DrawPlan plan;
    scene.DrawUcsAxes(plan);
    const auto cylinders = CommandsOf(plan, DrawOp::Cylinder);
    ASSERT_EQ(cylinders.size(), 4u);
    EXPECT_DOUBLE_EQ(cylinders[0]->values[0], 5.0);   // shaft radius s/20
    EXPECT_DOUBLE_EQ(cylinders[0]->values[2], 66.0);  // shaft length 0.66 s
    EXPECT_DOUBLE_EQ(cylinders[1]->values[0], 100.0 / 7.0);
    EXPECT_DOUBLE_EQ(cylinders[1]->values[1], 0.0);
    EXPECT_EQ(cylinders[1]->slices, 16);
    const auto spheres = CommandsOf(plan, DrawOp::Sphere);
    ASSERT_EQ(spheres.size(), 1u);
    EXPECT_DOUBLE_EQ(spheres[0]->values[0], 12.5);
    EXPECT_EQ(CommandsOf(plan, DrawOp::PushMatrix).size(), CommandsOf(plan, DrawOp::PopMatrix).size());
}

TEST_F(SceneDraw, UcsAxesShrinkToTheLargestSizeKeepingTheirShape)
{
    const struct {
        double largest;
        double size;  // the glyph's s: the grid size (100) or the cap
    } cases[] = {{1000.0, 100.0}, {100.0, 100.0}, {40.0, 40.0}, {0.5, 0.5}};
    for (const auto& c : cases) {
        DrawPlan plan;
        scene.DrawUcsAxes(plan, c.largest);
        const auto cylinders = CommandsOf(plan, DrawOp::Cylinder);
        const auto spheres = CommandsOf(plan, DrawOp::Sphere);
        ASSERT_EQ(cylinders.size(), 4u);
        ASSERT_EQ(spheres.size(), 1u);
        EXPECT_DOUBLE_EQ(cylinders[0]->values[0], c.size / 20.0) << c.largest;
        EXPECT_DOUBLE_EQ(cylinders[0]->values[2], 0.66 * c.size) << c.largest;
        EXPECT_DOUBLE_EQ(cylinders[1]->values[0], c.size / 7.0) << c.largest;
        EXPECT_DOUBLE_EQ(cylinders[1]->values[2], 0.33 * c.size) << c.largest;
        EXPECT_DOUBLE_EQ(spheres[0]->values[0], c.size / 8.0) << c.largest;
    }
}

}  // namespace
