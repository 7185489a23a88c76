#include "view/Scene.h"
#include "view/support/DrawingModel.h"
#include "view/support/FakeViewDocument.h"
#include "view/support/PlanReader.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Vertices = std::vector<std::pair<double, double>>;

Vertices VerticesOf(const DrawCommand& primitive)
{
    Vertices vertices;
    for (const PlanVertex& v : primitive.vertices)
        vertices.emplace_back(v.x, v.y);
    return vertices;
}

class SceneLists : public testing::Test {
protected:
    SceneLists()
    {
        BuildDrawingModel(document);
        scene.ResetDefaults();
    }

    const DrawPlan& List(int key)
    {
        const auto found = lists.lists.find(key);
        EXPECT_NE(found, lists.lists.end()) << "no list " << key;
        static const DrawPlan empty;
        return found == lists.lists.end() ? empty : found->second;
    }

    void Build() { scene.BuildDisplayLists(lists); }

    FakeViewDocument document;
    CScene scene{&document};
    DisplayListPlan lists;
};

TEST_F(SceneLists, PointAndCurveListsHoldTheirGeometry)
{
    Build();
    const auto point = Primitives(List(PointKey(3)));
    ASSERT_EQ(point.size(), 1u);
    EXPECT_EQ(point[0]->primitive, PrimitiveKind::Points);
    EXPECT_EQ(VerticesOf(*point[0]), (Vertices{{100, 100}}));

    const auto curve = Primitives(List(CurveKey(1)));
    ASSERT_EQ(curve.size(), 1u);
    EXPECT_EQ(curve[0]->primitive, PrimitiveKind::LineStrip);
    EXPECT_EQ(VerticesOf(*curve[0]), (Vertices{{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}}));

    EXPECT_EQ(scene.m_listCounts[KIND_POINT], 12);
    EXPECT_EQ(scene.m_listCounts[KIND_CURVE], 6);
    EXPECT_EQ(scene.m_listCounts[KIND_SECTION], 2);
    EXPECT_EQ(scene.m_listCounts[KIND_CLOSED_LOOP], 1);
}

TEST_F(SceneLists, WidthBandReplacesTheCurveLine)
{
    Build();
    const auto band = Primitives(List(CurveKey(2)));
    ASSERT_EQ(band.size(), 1u);
    EXPECT_EQ(band[0]->primitive, PrimitiveKind::Polygon);
    const Vertices corners = VerticesOf(*band[0]);
    ASSERT_EQ(corners.size(), 4u);
    const Vertices expected{{200, 10}, {200, -10}, {300, -10}, {300, 10}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(corners[i].first, expected[i].first, 1e-9) << i;
        EXPECT_NEAR(corners[i].second, expected[i].second, 1e-9) << i;
    }

    scene.m_showCurveWidths = false;
    Build();
    const auto line = Primitives(List(CurveKey(2)));
    ASSERT_EQ(line.size(), 1u);
    EXPECT_EQ(line[0]->primitive, PrimitiveKind::LineStrip);
}

TEST_F(SceneLists, PlaneSectionFillsOnlyUsedDomains)
{
    Build();
    const DrawPlan& list = List(SectionKey(1));
    const auto modes = CommandsOf(list, DrawOp::SetPolygonMode);
    ASSERT_FALSE(modes.empty());
    EXPECT_EQ(modes[0]->polygonMode, PolygonMode::Fill);
    const auto facets = Primitives(list);
    ASSERT_EQ(facets.size(), 1u);
    EXPECT_EQ(VerticesOf(*facets[0]), (Vertices{{0, 0}, {100, 0}, {100, 100}}));
}

TEST_F(SceneLists, PlaneSectionWithoutFacetsOutlinesItsCurves)
{
    T_SECTION_D& section = *document.model->m_sections[1];
    auto curve = std::make_unique<T_SCURVE_D>();
    curve->id = 1;
    curve->pointIds = {1, 2, 3};
    section.curves[1] = std::move(curve);
    section.facets.clear();
    Build();
    const DrawPlan& list = List(SectionKey(1));
    EXPECT_EQ(CommandsOf(list, DrawOp::SetPolygonMode)[0]->polygonMode, PolygonMode::Line);
    const auto strips = Primitives(list);
    ASSERT_EQ(strips.size(), 1u);
    EXPECT_EQ(VerticesOf(*strips[0]), (Vertices{{0, 0}, {100, 0}, {100, 100}}));
}

TEST_F(SceneLists, LineSectionHasItsLinesAndBandsWhileWidthsShow)
{
    Build();
    auto primitives = Primitives(List(SectionKey(2)));
    ASSERT_EQ(primitives.size(), 2u);
    EXPECT_EQ(primitives[0]->primitive, PrimitiveKind::LineStrip);
    EXPECT_EQ(primitives[1]->primitive, PrimitiveKind::Polygon);  // width 0: a band of no width

    scene.m_showCurveWidths = false;
    Build();
    primitives = Primitives(List(SectionKey(2)));
    ASSERT_EQ(primitives.size(), 1u);
    EXPECT_EQ(VerticesOf(*primitives[0]), (Vertices{{0, 200}, {100, 200}}));
}

TEST_F(SceneLists, ClosedLoopListRunsItsCurves)
{
    Build();
    const auto strips = Primitives(List(ClosedLoopKey(1)));
    ASSERT_EQ(strips.size(), 1u);
    EXPECT_EQ(strips[0]->vertices.size(), 5u);
}

TEST_F(SceneLists, DomainListsOnlyWhileDomainsCanBePicked)
{
    Build();
    EXPECT_TRUE(lists.keepsDomainLists);
    EXPECT_EQ(lists.lists.count(DomainKey(1, 1)), 0u);

    scene.m_pickFilter[KIND_DOMAIN] = true;
    Build();
    EXPECT_FALSE(lists.keepsDomainLists);
    EXPECT_EQ(scene.m_active[KIND_DOMAIN], KeySet({DomainKey(1, 1)}));
    const auto facets = Primitives(List(DomainKey(1, 1)));
    ASSERT_EQ(facets.size(), 1u);
    EXPECT_EQ(lists.lists.count(DomainKey(1, 2)), 0u);
}

TEST_F(SceneLists, CoordinatesAreInTheCurrentUcs)
{
    document.UseUcs(1, 100.0, 0.0, 90.0);
    Build();
    const auto point = Primitives(List(PointKey(3)));  // global (100, 100)
    ASSERT_EQ(point.size(), 1u);
    EXPECT_NEAR(point[0]->vertices[0].x, 100.0, 1e-9);
    EXPECT_NEAR(point[0]->vertices[0].y, 0.0, 1e-9);
}

TEST_F(SceneLists, MissingEntitiesArePrintedOncePerRebuildWithoutABox)
{
    document.AddCurve(7, {1, 99});
    document.AddClosedLoop(2, {7, 42});
    document.AddSection(3, SECTION_LINE, {7});
    Build();
    EXPECT_TRUE(document.user.boxes.empty());
    EXPECT_EQ(document.user.lines,
              (std::vector<std::string>{"Cannot find point [ID:99] object.", "Cannot find curve [ID:42] object."}));
    // The curve still gets the line through the point that exists.
    EXPECT_EQ(Primitives(List(CurveKey(7)))[0]->vertices.size(), 1u);

    Build();
    EXPECT_EQ(document.user.lines.size(), 4u);
}

TEST_F(SceneLists, CorruptedSectionDataIsReported)
{
    AddFacet(*document.model->m_sections[1], 3, 1, 1, 2, 77);
    Build();
    EXPECT_EQ(document.user.lines,
              (std::vector<std::string>{"Internal model data of section [1:Section-P1] seem corrupted."}));
    EXPECT_EQ(Primitives(List(SectionKey(1))).size(), 1u);
}

TEST_F(SceneLists, IdsBeyondTheKeyBandsAreNeverDrawnAsAnotherEntity)
{
    document.AddPoint(1000001, 7, 7);  // would alias the key of curve 1
    T_SECTION_D& section = document.AddSection(1000, SECTION_PLANE, {});  // its domain 1 would alias loop 1
    AddSectionPoint(section, 1, 0, 0);
    AddSectionPoint(section, 2, 1, 0);
    AddSectionPoint(section, 3, 0, 1);
    AddDomain(section, 1, true);
    AddFacet(section, 1, 1, 1, 2, 3);
    scene.m_pickFilter[KIND_DOMAIN] = true;
    Build();
    EXPECT_EQ(Primitives(List(CurveKey(1)))[0]->primitive, PrimitiveKind::LineStrip);
    EXPECT_EQ(Primitives(List(CurveKey(1)))[0]->vertices.size(), 5u);
    EXPECT_EQ(Primitives(List(ClosedLoopKey(1)))[0]->primitive, PrimitiveKind::LineStrip);
    EXPECT_EQ(scene.m_listCounts[KIND_POINT], 12);
    EXPECT_TRUE(scene.m_drawn[KIND_SECTION].count(SectionKey(1000)));  // only its domains have no key
    EXPECT_EQ(scene.m_active[KIND_DOMAIN], KeySet({DomainKey(1, 1)}));
    EXPECT_EQ(scene.CountModelEntities(), 12 + 1 + 6 + 1 + 3);
}

}  // namespace
