// Section > Generate for plane sections: the outer loop, the domains the
// figures give, and the registration of the result.

#include "SectionTestSupport.h"

#include <algorithm>

namespace {

class PlaneSectionTest : public SectionTest {
protected:
    // Every section point lies on a model point of its curves, within 1e-12
    // of the section's size: the normalised coordinates were multiplied back.
    void ExpectPointsInModelUnits(const T_SECTION_D& section, double size) const
    {
        for (const auto& [id, point] : section.points) {
            double nearest = 1e300;
            for (const auto& [modelId, modelPoint] : model.m_points)
                nearest = std::min(nearest, Distance(point->xy, modelPoint->xy));
            EXPECT_LE(nearest, 1e-12 * size) << "section point " << id;
        }
    }

    // Every facet runs counter-clockwise and names an existing domain.
    static void ExpectFacetsTagged(const T_SECTION_D& section)
    {
        for (const auto& [id, facet] : section.facets) {
            const T_POINT_D* a = section.FindPoint(facet->pointIds[0]);
            const T_POINT_D* b = section.FindPoint(facet->pointIds[1]);
            const T_POINT_D* c = section.FindPoint(facet->pointIds[2]);
            ASSERT_TRUE(a && b && c) << "facet " << id;
            EXPECT_GT(SignedTriangleArea(a->xy, b->xy, c->xy), 0.0) << "facet " << id;
            EXPECT_NE(section.FindDomain(facet->domainId), nullptr) << "facet " << id;
            EXPECT_EQ(facet->highlight, 0);
        }
    }

    static std::vector<bool> UsedFlags(const T_SECTION_D& section)
    {
        std::vector<bool> used;
        for (const auto& [id, domain] : section.domains)
            used.push_back(domain->used);
        return used;
    }

    static std::vector<size_t> DomainLoopCounts(const T_SECTION_D& section)
    {
        std::vector<size_t> counts;
        for (const auto& [id, domain] : section.domains)
            counts.push_back(domain->loopIds.size());
        return counts;
    }

    // The facets of the domain, by area.
    static double DomainFacetArea(const T_SECTION_D& section, int domainId)
    {
        double area = 0.0;
        for (const auto& [id, facet] : section.facets) {
            if (facet->domainId == domainId)
                area += SignedTriangleArea(section.FindPoint(facet->pointIds[0])->xy,
                                           section.FindPoint(facet->pointIds[1])->xy,
                                           section.FindPoint(facet->pointIds[2])->xy);
        }
        return area;
    }
};

TEST_F(PlaneSectionTest, CircleIsOneUsedDomain)
{
    const int circle = DrawCircle(500, 200, 100, 36);
    const int id = GeneratePlane({circle});

    ASSERT_EQ(id, 1);
    const T_SECTION_D& section = Section(id);
    EXPECT_EQ(section.name, "Section-P1");
    EXPECT_EQ(section.type, SECTION_PLANE);
    EXPECT_EQ(section.curveIds, std::vector<int>{circle});
    EXPECT_EQ(LoopKinds(section), std::vector<int>{LOOP_DOMAIN_OUTLINE});
    EXPECT_EQ(UsedFlags(section), std::vector<bool>{true});
    EXPECT_EQ(section.points.size(), 36u);
    EXPECT_EQ(section.facets.size(), 34u);
    ExpectFacetsTagged(section);
    ExpectPointsInModelUnits(section, 200.0);
    EXPECT_EQ(model.FindCurve(circle)->sectionId, id);
    EXPECT_EQ(model.FindCurve(circle)->work, 0);
    EXPECT_EQ(UndoTitle(), "Generate new plane section [Section-P1]");
    EXPECT_TRUE(section.tracedLoops.empty() && section.tracedChains.empty());
}

TEST_F(PlaneSectionTest, RectangleOfFourLinesAndItsUndo)
{
    const std::vector<int> sides = DrawRectangle(0, 0, 300, 100);
    const FullState before = Capture();

    const int id = GeneratePlane(sides, "Plate");

    ASSERT_NE(id, 0);
    const T_SECTION_D& section = Section(id);
    EXPECT_EQ(section.name, "Plate");
    ASSERT_EQ(section.loops.size(), 1u);
    EXPECT_EQ(section.loops.begin()->second->curveIds.size(), 4u);
    EXPECT_EQ(section.facets.size(), 2u);
    EXPECT_NEAR(DomainFacetArea(section, 1), 30000.0, 1e-9);
    ExpectFacetsTagged(section);
    for (int side : sides)
        EXPECT_EQ(model.FindCurve(side)->sectionId, id);

    const FullState after = Capture();
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(Capture().records, before.records);
    ASSERT_TRUE(model.Redo());
    EXPECT_EQ(Capture().records, after.records);
}

TEST_F(PlaneSectionTest, AnnulusLeavesTheRingUsedAndTheDiscNot)
{
    const int outer = DrawCircle(0, 0, 100, 24);
    const int inner = DrawCircle(0, 0, 50, 12);
    const int id = GeneratePlane({outer, inner});

    ASSERT_NE(id, 0);
    const T_SECTION_D& section = Section(id);
    ASSERT_EQ(section.domains.size(), 2u);
    EXPECT_EQ(UsedFlags(section), (std::vector<bool>{true, false}));
    EXPECT_EQ(DomainLoopCounts(section), (std::vector<size_t>{2, 1}));
    // The outer circle, the inner one forwards (the disc) and its twin (the hole).
    std::vector<int> kinds = LoopKinds(section);
    std::sort(kinds.begin(), kinds.end());
    EXPECT_EQ(kinds, (std::vector<int>{LOOP_DOMAIN_OUTLINE, LOOP_DOMAIN_OUTLINE, LOOP_HOLE_OUTLINE}));
    EXPECT_EQ(section.curves.size(), 3u);
    for (const auto& [curveId, curve] : section.curves) {
        for (const auto& [loopId, loop] : section.loops)
            EXPECT_TRUE(std::all_of(loop->curveIds.begin(), loop->curveIds.end(), [](int c) { return c > 0; }));
        if (curve->twinCurveId != 0) {
            EXPECT_EQ(section.FindCurve(curve->twinCurveId)->twinCurveId, curveId);
        }
    }
    ExpectFacetsTagged(section);
    ExpectPointsInModelUnits(section, 200.0);
}

TEST_F(PlaneSectionTest, RectangleDividedIntoTwoDomains)
{
    const std::vector<int> curves = {
        Draw({{0, 0}, {100, 0}}),     Draw({{100, 0}, {200, 0}}),   Draw({{200, 0}, {200, 100}}),
        Draw({{200, 100}, {100, 100}}), Draw({{100, 100}, {0, 100}}), Draw({{0, 100}, {0, 0}}),
        Draw({{100, 0}, {100, 100}})};
    const int id = GeneratePlane(curves);

    ASSERT_NE(id, 0);
    const T_SECTION_D& section = Section(id);
    EXPECT_EQ(LoopKinds(section), (std::vector<int>{LOOP_DOMAIN_OUTLINE, LOOP_DOMAIN_OUTLINE}));
    EXPECT_EQ(UsedFlags(section), (std::vector<bool>{true, true}));
    EXPECT_EQ(DomainLoopCounts(section), (std::vector<size_t>{1, 1}));
    // The inner line runs forwards in one loop and through its twin in the other.
    EXPECT_EQ(section.curves.size(), 8u);
    EXPECT_EQ(section.FindCurve(7)->twinCurveId, 8);
    EXPECT_NEAR(DomainFacetArea(section, 1), 10000.0, 1e-9);
    EXPECT_NEAR(DomainFacetArea(section, 2), 10000.0, 1e-9);
    ExpectFacetsTagged(section);
}

TEST_F(PlaneSectionTest, FourNestedLevelsGiveFourDomains)
{
    std::vector<int> curves = DrawRectangle(-200, -150, 200, 150);
    curves.push_back(DrawCircle(0, 0, 120, 24));
    for (int side : DrawRectangle(-60, -60, 60, 60))
        curves.push_back(side);
    curves.push_back(DrawCircle(0, 0, 30, 12));
    const int id = GeneratePlane(curves);

    ASSERT_NE(id, 0);
    const T_SECTION_D& section = Section(id);
    ASSERT_EQ(section.domains.size(), 4u);
    // The ring, the disc less the square, the square less the inner disc, the inner disc.
    EXPECT_EQ(DomainLoopCounts(section), (std::vector<size_t>{2, 2, 2, 1}));
    EXPECT_EQ(UsedFlags(section), (std::vector<bool>{true, false, false, false}));
    for (const auto& [domainId, domain] : section.domains) {
        EXPECT_EQ(section.FindLoop(domain->loopIds[0])->kind, LOOP_DOMAIN_OUTLINE);
        for (size_t k = 1; k < domain->loopIds.size(); ++k)
            EXPECT_EQ(section.FindLoop(domain->loopIds[k])->kind, LOOP_HOLE_OUTLINE);
    }
    const double ring = 400.0 * 300.0 - 24 * 0.5 * 120 * 120 * std::sin(2 * std::numbers::pi / 24);
    EXPECT_NEAR(DomainFacetArea(section, 1), ring, 1e-6);
    ExpectFacetsTagged(section);
}

TEST_F(PlaneSectionTest, OuterLoopStartsOnTheOuterBoundary)
{
    // A square drawn as one closed polyline with a narrow slot, and a circle
    // inside whose first point lies farther from the centroid than the
    // square's first point.
    const int square = Draw({{75, 58}, {75, 100}, {0, 100}, {0, 0}, {100, 0}, {100, 100}, {77, 100}, {77, 58},
                             {75, 58}});
    model.SetAngleStep(30.0);
    const double centre[2] = {80, 40};
    ASSERT_TRUE(model.CreateCircle(centre, 8.0, ALIGN_CENTER, 0.0, 0.0));
    const int circle = model.m_nextCurveId - 1;
    ASSERT_EQ(CurvePoints(circle).size(), 13u);
    ExpectPointAt(CurvePoints(circle)[0], 88, 40);

    const int id = GeneratePlane({square, circle});

    ASSERT_NE(id, 0);
    EXPECT_TRUE(user.BoxTexts().empty());
    const T_SECTION_D& section = Section(id);
    EXPECT_EQ(section.curveIds, (std::vector<int>{square, circle}));
    ASSERT_EQ(section.domains.size(), 2u);
    EXPECT_EQ(UsedFlags(section), (std::vector<bool>{true, false}));
    EXPECT_EQ(section.FindLoop(section.domains.begin()->second->loopIds[0])->curveIds, std::vector<int>{1});
}

TEST_F(PlaneSectionTest, DiagonalOfTheLowestIdStaysInside)
{
    const int diagonal = Draw({{0, 0}, {200, 100}});
    std::vector<int> curves = DrawRectangle(0, 0, 200, 100);
    curves.insert(curves.begin(), diagonal);

    const int id = GeneratePlane(curves);

    ASSERT_NE(id, 0);
    EXPECT_TRUE(user.BoxTexts().empty());  // one island
    const T_SECTION_D& section = Section(id);
    EXPECT_EQ(section.curveIds, curves);
    ASSERT_EQ(section.domains.size(), 2u);
    EXPECT_EQ(UsedFlags(section), (std::vector<bool>{true, true}));
    EXPECT_NEAR(DomainFacetArea(section, 1) + DomainFacetArea(section, 2), 20000.0, 1e-9);
    EXPECT_NEAR(DomainFacetArea(section, 1), 10000.0, 1e-9);
}

} // namespace

namespace {

TEST_F(PlaneSectionTest, MergedStraightLinesBuildTheSection)
{
    // The bottom side is drawn as two collinear lines; the merge joins them
    // after the checks have seen them apart.
    const std::vector<int> curves = {Draw({{0, 0}, {100, 0}}), Draw({{100, 0}, {200, 0}}),
                                     Draw({{200, 0}, {200, 100}}), Draw({{200, 100}, {0, 100}}),
                                     Draw({{0, 100}, {0, 0}})};
    const FullState before = Capture();

    const int id = model.GenerateSection("", SECTION_PLANE, curves, false, 0.0, kGrey, "", true, 1.0);

    ASSERT_NE(id, 0);
    const T_SECTION_D& section = Section(id);
    EXPECT_EQ(section.curveIds, (std::vector<int>{curves[0], curves[2], curves[3], curves[4]}));
    EXPECT_EQ(model.FindCurve(curves[1]), nullptr);
    EXPECT_EQ(CurvePoints(curves[0]).size(), 2u);
    EXPECT_EQ(section.points.size(), 4u);
    // The merge and the generation are two steps; both undo.
    EXPECT_EQ(model.m_undoTopId, 2);
    ASSERT_TRUE(model.Undo(false));
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(Capture().records, before.records);
}

} // namespace

namespace {

TEST_F(PlaneSectionTest, MergingStraightLinesKeepsTheCurvesOfClosedLoops)
{
    // The right side is a registered closed loop's curve; the merge must not
    // take it out of the section.
    const std::vector<int> rectangle = DrawRectangle(0, 0, 200, 100);
    const int hole = DrawCircle(100, 50, 20, 12);
    ASSERT_TRUE(model.RegisterClosedLoop(rectangle));
    std::vector<int> curves = rectangle;
    curves.push_back(hole);

    const int id = model.GenerateSection("", SECTION_PLANE, curves, false, 0.0, kGrey, "", true, 1.0);

    ASSERT_NE(id, 0);
    EXPECT_EQ(Section(id).curveIds, curves);
    EXPECT_EQ(Section(id).domains.size(), 2u);
}

TEST_F(PlaneSectionTest, CentroidCopyAndOutsideCopyShareTheGenerationAction)
{
    const std::vector<int> sides = DrawRectangle(0, 0, 100, 100);
    const int corner = CurvePoints(sides[0])[0];
    const int outside = Draw({{100, 100}, {150, 150}});
    const int sharedCorner = CurvePoints(outside)[0];
    auto calculated = std::make_unique<T_SECTION_D>();
    calculated->id = model.m_nextSectionId++;
    calculated->name = "Done";
    calculated->propertiesCalculated = true;
    calculated->centroidPointId = corner;
    model.m_sections[calculated->id] = std::move(calculated);
    const FullState before = Capture();

    const int id = GeneratePlane(sides);

    ASSERT_EQ(id, 2);
    EXPECT_EQ(model.FindSection(1)->centroidPointId, corner);
    EXPECT_NE(CurvePoints(sides[0])[0], corner);
    EXPECT_EQ(CurvePoints(sides[3])[1], CurvePoints(sides[0])[0]);
    EXPECT_NE(CurvePoints(outside)[0], sharedCorner);
    EXPECT_EQ(model.m_undoTopId, 1);
    EXPECT_EQ(UndoTitle(), "Generate new plane section [Section-P2]");
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(Capture().records, before.records);
}

TEST_F(PlaneSectionTest, CurveCollapsedByEqualizingIsDropped)
{
    std::vector<int> curves = DrawRectangle(0, 0, 100, 100);
    const int tiny = Draw({{0.25, 0.25}, {100.25, 0.25}});  // lies along the bottom side
    curves.push_back(tiny);

    const int id = GeneratePlane(curves);

    ASSERT_NE(id, 0);
    EXPECT_EQ(model.FindCurve(tiny), nullptr);
    EXPECT_EQ(Section(id).curveIds.size(), 4u);
    EXPECT_TRUE(user.boxes.empty());
    EXPECT_EQ(model.m_undoTopId, 2);  // the equalizing, then the generation
}

} // namespace
