// Plane faceting on hand-made sections.

#include "SectionTestSupport.h"
#include "support/SectionOwnPoints.h"

namespace {

class PlaneFacetingTest : public SectionTest {
protected:
    PlaneFacetingTest()
    {
        section.id = 4;
        section.name = "Plate";
    }

    int AddSectionPoint(double x, double y)
    {
        return AddOwnPoint(section, x, y);
    }

    // A loop of the kind over one new curve through the points.
    void AddLoopCurve(const std::vector<int>& pointIds, int kind)
    {
        auto curve = std::make_unique<T_SCURVE_D>();
        curve->id = section.nextCurveId++;
        curve->pointIds = pointIds;
        auto loop = std::make_unique<T_LOOP_D>();
        loop->id = section.nextLoopId++;
        loop->kind = kind;
        loop->curveIds = {curve->id};
        section.curves[curve->id] = std::move(curve);
        section.loops[loop->id] = std::move(loop);
    }

    std::vector<std::vector<int>> Facets() const
    {
        std::vector<std::vector<int>> facets;
        for (const auto& [id, facet] : section.facets)
            facets.push_back({facet->pointIds[0], facet->pointIds[1], facet->pointIds[2]});
        return facets;
    }

    double CoveredArea() const
    {
        double area = 0.0;
        for (const auto& [id, facet] : section.facets) {
            const double signedArea = SignedTriangleArea(section.FindPoint(facet->pointIds[0])->xy,
                                                         section.FindPoint(facet->pointIds[1])->xy,
                                                         section.FindPoint(facet->pointIds[2])->xy);
            EXPECT_GT(signedArea, 0.0) << "facet " << id;
            area += signedArea;
        }
        return area;
    }

    T_SECTION_D section;
};

TEST_F(PlaneFacetingTest, UnitSquareGivesTwoFacets)
{
    const int a = AddSectionPoint(0, 0);
    const int b = AddSectionPoint(1, 0);
    const int c = AddSectionPoint(1, 1);
    const int d = AddSectionPoint(0, 1);
    AddLoopCurve({a, b, c, d, a}, LOOP_DOMAIN_OUTLINE);

    EXPECT_EQ(model.FacetPlaneSection(&section, false), 2);

    EXPECT_EQ(Facets(), (std::vector<std::vector<int>>{{a, b, c}, {c, d, a}}));
    EXPECT_EQ(section.nextFacetId, 3);
    EXPECT_TRUE(user.progressCalls.empty());
}

TEST_F(PlaneFacetingTest, ConvexPolygonGivesTwoFewerFacetsThanPoints)
{
    std::vector<int> ids;
    for (int k = 0; k < 9; ++k) {
        // An ellipse, so that no four points lie on one circle.
        const double angle = DegToRad(40.0 * k + 5.0);
        ids.push_back(AddSectionPoint(std::cos(angle), 0.6 * std::sin(angle)));
    }
    ids.push_back(ids.front());
    AddLoopCurve(ids, LOOP_DOMAIN_OUTLINE);

    EXPECT_EQ(model.FacetPlaneSection(&section, true), 2);

    EXPECT_EQ(section.facets.size(), 7u);
    EXPECT_NEAR(CoveredArea(), 9 * 0.5 * 0.6 * std::sin(DegToRad(40.0)), 1e-12);
    EXPECT_EQ(user.progressCalls.front(), "begin 1000");
    EXPECT_EQ(user.progressCalls.back(), "end");
}

TEST_F(PlaneFacetingTest, InnerLoopIsCoveredOnBothSides)
{
    std::vector<int> outer;
    for (const auto& p : Polyline{{0, 0}, {4, 0}, {4, 4}, {0, 4}})
        outer.push_back(AddSectionPoint(p[0], p[1]));
    outer.push_back(outer.front());
    std::vector<int> inner;
    for (const auto& p : Polyline{{1, 1}, {1, 3}, {3, 3}, {3, 1}})  // clockwise on purpose
        inner.push_back(AddSectionPoint(p[0], p[1]));
    inner.push_back(inner.front());
    AddLoopCurve(outer, LOOP_DOMAIN_OUTLINE);
    AddLoopCurve(inner, LOOP_UNCLASSIFIED);

    EXPECT_EQ(model.FacetPlaneSection(&section, false), 2);

    // The ring and the hole inside the inner loop, each covered once.
    EXPECT_NEAR(CoveredArea(), 16.0, 1e-12);
    EXPECT_EQ(section.facets.size(), 8u + 2u);
}

TEST_F(PlaneFacetingTest, MissingCurveOrPointIsCorruption)
{
    const int a = AddSectionPoint(0, 0);
    const int b = AddSectionPoint(1, 0);
    AddLoopCurve({a, b, 99, a}, LOOP_DOMAIN_OUTLINE);
    EXPECT_EQ(model.FacetPlaneSection(&section, true), 0);
    section.loops.begin()->second->curveIds = {42};
    EXPECT_EQ(model.FacetPlaneSection(&section, false), 0);

    const std::string corrupted = "Internal model data of section [4:Plate] seem corrupted.";
    EXPECT_EQ(user.BoxTexts(), (std::vector<std::string>{corrupted, corrupted}));
    EXPECT_EQ(user.progressCalls.back(), "end");
}

} // namespace
