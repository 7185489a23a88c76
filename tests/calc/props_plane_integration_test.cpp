// Area, centroid, second moments and extreme fibres of plane sections built
// from curves and meshed by the mesher; mixed materials on hand-made meshes.

#include <gtest/gtest.h>

#include <algorithm>

#include "calc/PropsTestSupport.h"
#include "calc/SectionMoments.h"
#include "calc/StructuredPlaneMeshes.h"
#include "support/SectionOwnPoints.h"

namespace {

struct PlaneValues {
    double area, cx, cy, ixx, iyy, ixy;
    double cxPlus, cxMinus, cyPlus, cyMinus;
};

// Exact values of a union of axis-parallel rectangles {x0, y0, x1, y1}.
PlaneValues RectanglesValues(const std::vector<std::array<double, 4>>& parts)
{
    double a = 0, sx = 0, sy = 0, ixx = 0, iyy = 0, ixy = 0;
    double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
    for (const auto& [x0, y0, x1, y1] : parts) {
        a += (x1 - x0) * (y1 - y0);
        sx += (x1 * x1 - x0 * x0) / 2 * (y1 - y0);
        sy += (y1 * y1 - y0 * y0) / 2 * (x1 - x0);
        iyy += (x1 * x1 * x1 - x0 * x0 * x0) / 3 * (y1 - y0);
        ixx += (y1 * y1 * y1 - y0 * y0 * y0) / 3 * (x1 - x0);
        ixy += (x1 * x1 - x0 * x0) / 2 * (y1 * y1 - y0 * y0) / 2;
        minX = std::min(minX, x0), maxX = std::max(maxX, x1), minY = std::min(minY, y0), maxY = std::max(maxY, y1);
    }
    const double cx = sx / a, cy = sy / a;
    return {a, cx, cy, ixx - a * cy * cy, iyy - a * cx * cx, ixy - a * cx * cy, maxX - cx, cx - minX, maxY - cy,
            cy - minY};
}

bool Exact(double value, double expected, double scale)
{
    return std::fabs(value - expected) <= 1e-12 * std::max(std::fabs(expected), scale);
}

class PlaneIntegrationTest : public PropsTest {
protected:
    // Generates, meshes at the level and calculates; the section's id.
    int Calculate(const std::vector<int>& curves, int level = 1)
    {
        if (!model.FindMaterial(1))
            AddSteel();
        const int sectionId = GeneratePlane(curves);
        EXPECT_NE(sectionId, 0);
        SetDomainMaterials(sectionId, 1);
        T_SECTION_D* section = model.FindSection(sectionId);
        model.BeginUndoAction();
        EXPECT_TRUE(model.MeshPlaneSection(section, level, 0.0)) << ::testing::PrintToString(user.BoxTexts());
        EXPECT_TRUE(model.CalcPlaneSectionProperties(section)) << ::testing::PrintToString(user.BoxTexts());
        model.ClearFeMesh();
        return sectionId;
    }

    void ExpectValues(int sectionId, const PlaneValues& e)
    {
        const T_SECTION_D& section = Section(sectionId);
        const double* r = section.results;
        const double moments = std::max(e.ixx, e.iyy);
        EXPECT_PRED3(Exact, r[RESULT_A], e.area, 1.0);
        EXPECT_PRED3(Exact, r[RESULT_IXX], e.ixx, 1.0);
        EXPECT_PRED3(Exact, r[RESULT_IYY], e.iyy, 1.0);
        EXPECT_PRED3(Exact, r[RESULT_IXY], e.ixy, moments);  // absolute near a zero Ixy
        EXPECT_PRED3(Exact, r[RESULT_CX_PLUS], e.cxPlus, 1.0);
        EXPECT_PRED3(Exact, r[RESULT_CX_MINUS], e.cxMinus, 1.0);
        EXPECT_PRED3(Exact, r[RESULT_CY_PLUS], e.cyPlus, 1.0);
        EXPECT_PRED3(Exact, r[RESULT_CY_MINUS], e.cyMinus, 1.0);
        EXPECT_TRUE(section.propertiesCalculated);
        const T_POINT_D* centroid = model.FindPoint(section.centroidPointId);
        ASSERT_NE(centroid, nullptr);
        const double size = std::sqrt(e.area);
        EXPECT_PRED3(Exact, centroid->xy[0], e.cx, size);
        EXPECT_PRED3(Exact, centroid->xy[1], e.cy, size);
        EXPECT_GT(r[RESULT_J], 0.0);
        EXPECT_GT(r[RESULT_ASX], 0.0);
        EXPECT_GT(r[RESULT_ASY], 0.0);
    }
};

TEST_F(PlaneIntegrationTest, RectangleIsExact)
{
    const int id = Calculate(DrawRectangle(0, 0, 100, 50));
    ExpectValues(id, RectanglesValues({{0, 0, 100, 50}}));
}

TEST_F(PlaneIntegrationTest, LAngleNearTheOriginIsExact)
{
    const int id = Calculate({Draw({{0, 0}, {80, 0}}), Draw({{80, 0}, {80, 10}}), Draw({{80, 10}, {10, 10}}),
                              Draw({{10, 10}, {10, 60}}), Draw({{10, 60}, {0, 60}}), Draw({{0, 60}, {0, 0}})});
    ExpectValues(id, RectanglesValues({{0, 0, 80, 10}, {0, 10, 10, 60}}));
}

TEST_F(PlaneIntegrationTest, RegularPolygonOfTwoPointLinesIsExact)
{
    constexpr int n = 7;
    constexpr double r = 50.0, cx = 30.0, cy = -20.0;
    const double t = 2.0 * std::numbers::pi / n;
    const double area = n * r * r * std::sin(t) / 2.0;
    const double i = n * std::pow(r, 4) * std::sin(t) * (2.0 + std::cos(t)) / 24.0;
    double maxX = -r, minX = r, maxY = -r, minY = r;
    for (int k = 0; k < n; ++k) {
        maxX = std::max(maxX, r * std::cos(k * t)), minX = std::min(minX, r * std::cos(k * t));
        maxY = std::max(maxY, r * std::sin(k * t)), minY = std::min(minY, r * std::sin(k * t));
    }
    const int id = Calculate(DrawPolygonOfLines(cx, cy, r, n));
    ExpectValues(id, {area, cx, cy, i, i, 0.0, maxX, -minX, maxY, -minY});
}

TEST_F(PlaneIntegrationTest, CentroidPointIsReusedUnlessAnotherCalculatedSectionHasIt)
{
    const int userPoint = AddPoint(50.0, 25.0);  // at the centroid
    const int first = Calculate(DrawRectangle(0, 0, 100, 50));
    EXPECT_EQ(Section(first).centroidPointId, userPoint);

    // A section whose centroid lies within the tolerance of that point gets a new one.
    const int pointsBefore = model.m_nextPointId;
    const int second = GeneratePlane(DrawRectangle(0.3, 0.2, 100.3, 50.2));
    ASSERT_NE(second, 0);
    model.BeginUndoAction();
    ASSERT_TRUE(model.MeshPlaneSection(model.FindSection(second), 1, 0.0));
    ASSERT_TRUE(model.CalcPlaneSectionProperties(model.FindSection(second)));
    EXPECT_GE(Section(second).centroidPointId, pointsBefore);
    EXPECT_NE(Section(second).centroidPointId, userPoint);
    std::vector<int> newcomers;
    model.GetNewcomerPoints(newcomers);
    EXPECT_EQ(newcomers, std::vector<int>{Section(second).centroidPointId});
}

// Area, centroid and second moments of a polygon from its own points, about
// its first point so that no digit is lost far from the origin.
PlaneValues PolygonValues(const std::vector<std::array<double, 2>>& points)
{
    double a = 0, sx = 0, sy = 0, ixx = 0, iyy = 0, ixy = 0;
    const double ox = points[0][0], oy = points[0][1];
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double x0 = points[i][0] - ox, y0 = points[i][1] - oy;
        const double x1 = points[(i + 1) % points.size()][0] - ox, y1 = points[(i + 1) % points.size()][1] - oy;
        const double cross = x0 * y1 - x1 * y0;
        a += cross / 2;
        sx += (x0 + x1) * cross / 6;
        sy += (y0 + y1) * cross / 6;
        iyy += (x0 * x0 + x0 * x1 + x1 * x1) * cross / 12;
        ixx += (y0 * y0 + y0 * y1 + y1 * y1) * cross / 12;
        ixy += (x0 * y1 + 2 * x0 * y0 + 2 * x1 * y1 + x1 * y0) * cross / 24;
    }
    const double cx = sx / a, cy = sy / a;
    return {a, ox + cx, oy + cy, ixx - a * cy * cy, iyy - a * cx * cx, ixy - a * cx * cy, 0, 0, 0, 0};
}

// Drawings imported from site coordinates lie far from the origin: the sums
// about the origin lost four digits of Iyy at (1e7, -3e6).
TEST_F(PlaneIntegrationTest, RectangleFarFromTheOriginKeepsEveryDigit)
{
    const double x0 = 1e7, y0 = -3e6;
    const int id = Calculate(DrawRectangle(x0, y0, x0 + 100, y0 + 50));
    const double* r = Results(id);
    EXPECT_PRED3(Exact, r[RESULT_A], 5000.0, 1.0);
    EXPECT_PRED3(Exact, r[RESULT_IXX], 100.0 * 50 * 50 * 50 / 12, 1.0);
    EXPECT_PRED3(Exact, r[RESULT_IYY], 50.0 * 100 * 100 * 100 / 12, 1.0);
    EXPECT_PRED3(Exact, r[RESULT_IXY], 0.0, 100.0 * 100 * 100 * 100 / 12);
    const T_POINT_D* centroid = model.FindPoint(Section(id).centroidPointId);
    ASSERT_NE(centroid, nullptr);
    EXPECT_EQ(centroid->xy[0], x0 + 50);
    EXPECT_EQ(centroid->xy[1], y0 + 25);
    EXPECT_PRED3(Exact, r[RESULT_CX_PLUS], 50.0, 1.0);
    EXPECT_PRED3(Exact, r[RESULT_CY_MINUS], 25.0, 1.0);
}

// A circle drawn as one curve of many segments: the mesher spaces its
// boundary nodes evenly along the curve, not on its points, and cut the
// polygon's corners; the sums come from the section's own facets instead.
TEST_F(PlaneIntegrationTest, CircleOfOneCurveIsExactAtEveryLevel)
{
    for (int level = 1; level <= 5; ++level) {
        const int curve = DrawCircle(300.0 * level, -40.0, 50.0, 36, 5.0);
        std::vector<std::array<double, 2>> points;
        for (int pointId : model.FindCurve(curve)->pointIds) {
            const T_POINT_D* p = model.FindPoint(pointId);
            if (points.empty() || p->xy[0] != points[0][0] || p->xy[1] != points[0][1])
                points.push_back({p->xy[0], p->xy[1]});
        }
        ASSERT_EQ(points.size(), 36u);
        const PlaneValues e = PolygonValues(points);
        const int id = Calculate({curve}, level);
        const double* r = Results(id);
        SCOPED_TRACE(level);
        EXPECT_PRED3(Exact, r[RESULT_A], e.area, 1.0);
        EXPECT_PRED3(Exact, r[RESULT_IXX], e.ixx, 1.0);
        EXPECT_PRED3(Exact, r[RESULT_IYY], e.iyy, 1.0);
        EXPECT_PRED3(Exact, r[RESULT_IXY], e.ixy, e.ixx);
        const T_POINT_D* centroid = model.FindPoint(Section(id).centroidPointId);
        ASSERT_NE(centroid, nullptr);
        EXPECT_PRED3(Exact, centroid->xy[0], e.cx, 50.0);
        EXPECT_PRED3(Exact, centroid->xy[1], e.cy, 50.0);
    }
}

// The tube's domain is its outer polygon less the inner one; at level 2 the
// mesh made Ixx differ from Iyy.
TEST_F(PlaneIntegrationTest, TubeOfTwoCurvesIsExact)
{
    std::vector<PlaneValues> rings;
    std::vector<int> curves;
    for (const double r : {50.0, 45.0}) {
        curves.push_back(DrawCircle(0.0, 0.0, r, 36));
        std::vector<std::array<double, 2>> points;
        for (int pointId : model.FindCurve(curves.back())->pointIds) {
            const T_POINT_D* p = model.FindPoint(pointId);
            if (points.empty() || p->xy[0] != points[0][0] || p->xy[1] != points[0][1])
                points.push_back({p->xy[0], p->xy[1]});
        }
        rings.push_back(PolygonValues(points));
    }
    const PlaneValues& o = rings[0];
    const PlaneValues& i = rings[1];
    const double area = o.area - i.area;
    const double cx = (o.area * o.cx - i.area * i.cx) / area, cy = (o.area * o.cy - i.area * i.cy) / area;
    const auto about = [&](const PlaneValues& v, double ixx, double iyy) {
        return std::array<double, 2>{ixx + v.area * (v.cy - cy) * (v.cy - cy),
                                     iyy + v.area * (v.cx - cx) * (v.cx - cx)};
    };
    const std::array<double, 2> outer = about(o, o.ixx, o.iyy), inner = about(i, i.ixx, i.iyy);
    const int id = Calculate(curves, 2);
    const double* r = Results(id);
    EXPECT_PRED3(Exact, r[RESULT_A], area, 1.0);
    EXPECT_PRED3(Exact, r[RESULT_IXX], outer[0] - inner[0], 1.0);
    EXPECT_PRED3(Exact, r[RESULT_IYY], outer[1] - inner[1], 1.0);
    EXPECT_PRED3(Exact, r[RESULT_IXX], r[RESULT_IYY], 1.0);
}

// A user point merely near the centroid, within the project tolerance, is not
// the centroid: taking it showed its coordinates as the centroid's, and the
// next invalidation deleted the user's point.
TEST_F(PlaneIntegrationTest, PointNearTheCentroidIsNeitherTakenNorDeleted)
{
    const int userPoint = AddPoint(50.6, 25.4);
    const int id = Calculate(DrawRectangle(0, 0, 100, 50));
    const int centroidPoint = Section(id).centroidPointId;
    EXPECT_NE(centroidPoint, userPoint);
    ASSERT_NE(model.FindPoint(centroidPoint), nullptr);
    EXPECT_PRED3(Exact, model.FindPoint(centroidPoint)->xy[0], 50.0, 100.0);
    EXPECT_PRED3(Exact, model.FindPoint(centroidPoint)->xy[1], 25.0, 100.0);

    T_SECTION_D* section = model.FindSection(id);
    model.BeginUndoAction();
    model.InvalidateSectionProperties(section);
    ASSERT_TRUE(model.MeshPlaneSection(section, 1, 0.0));
    ASSERT_TRUE(model.CalcPlaneSectionProperties(section));
    model.ClearFeMesh();
    ASSERT_NE(model.FindPoint(userPoint), nullptr);
    EXPECT_EQ(model.FindPoint(userPoint)->xy[0], 50.6);
    EXPECT_NE(Section(id).centroidPointId, userPoint);
}

// Mixed materials on hand-made meshes: a section record with two domains and
// two 10 × 10 squares of elements, one per domain.
class MixedMaterialTest : public PropsTest {
protected:
    void SetUp() override
    {
        auto section = std::make_unique<T_SECTION_D>();
        section->id = 1;
        section->name = "Mixed";
        for (int d = 1; d <= 2; ++d) {
            auto domain = std::make_unique<T_DOMAIN_D>();
            domain->id = d;
            section->domains[d] = std::move(domain);
        }
        model.m_sections[1] = std::move(section);
        model.m_nextSectionId = 2;
    }

    T_SECTION_D& TheSection() { return *model.FindSection(1); }

    int AddSectionPoint(double x, double y)
    {
        return AddOwnPoint(TheSection(), x, y);
    }

    // The 10 × 10 square of domain d with its lower-left corner at (x0, 0):
    // its outline (one closed curve, run clockwise by its loop) and its
    // plane facets.
    void AddSquareDomain(int domainId, double x0)
    {
        T_SECTION_D& section = TheSection();
        const int a = AddSectionPoint(x0, 0), b = AddSectionPoint(x0 + 10, 0), c = AddSectionPoint(x0 + 10, 10),
                  d = AddSectionPoint(x0, 10);
        auto curve = std::make_unique<T_SCURVE_D>();
        curve->id = section.nextCurveId++;
        curve->pointIds = {a, d, c, b, a};
        auto loop = std::make_unique<T_LOOP_D>();
        loop->id = section.nextLoopId++;
        loop->curveIds = {-curve->id};
        section.domains[domainId]->loopIds = {loop->id};
        section.curves[curve->id] = std::move(curve);
        section.loops[loop->id] = std::move(loop);
        for (const auto& corners : {std::array<int, 3>{a, b, c}, std::array<int, 3>{a, c, d}}) {
            auto facet = std::make_unique<T_FACET_D>();
            facet->id = section.nextFacetId++;
            facet->domainId = domainId;
            std::copy(corners.begin(), corners.end(), facet->pointIds);
            section.facets[facet->id] = std::move(facet);
        }
    }

    // Both squares as domains and as a mesh.
    void Mesh(int material1, int material2)
    {
        using namespace plane_meshes;
        AddSquareDomain(1, 0);
        AddSquareDomain(2, 10);
        TheSection().domains[1]->materialId = material1;
        TheSection().domains[2]->materialId = material2;
        AddGrid(model, 2, 2, Rectangle(10, 10), Cells::Quadrilaterals, {}, material1);
        AddGrid(model, 2, 2, Rectangle(10, 10, 10, 0), Cells::Triangles, {}, material2);
        model.m_nextFeElementId = static_cast<int>(model.m_feElements.size()) + 1;
        model.m_nextFeNodeId = static_cast<int>(model.m_feNodes.size()) + 1;
    }

    double Area() const { return model.FindSection(1)->results[RESULT_A]; }
};

TEST_F(MixedMaterialTest, TwoDomainsOfOneMaterialEqualOneDomain)
{
    AddSteel(1);
    Mesh(1, 1);
    model.BeginUndoAction();
    ASSERT_TRUE(model.CalcPlaneSectionProperties(&TheSection()));
    const PlaneValues e = RectanglesValues({{0, 0, 20, 10}});
    EXPECT_PRED3(Exact, Area(), e.area, 1.0);
    EXPECT_PRED3(Exact, TheSection().results[RESULT_IYY], e.iyy, 1.0);
    EXPECT_EQ(TheSection().baseMaterialId, 0);  // not mixed: the solid model takes the first element's
}

TEST_F(MixedMaterialTest, ChosenBaseCountsADoubleModulusDomainTwice)
{
    AddSteel(1, 1000.0);
    AddSteel(2, 2000.0);
    Mesh(1, 2);
    TheSection().assignedBaseMaterialId = 1;
    model.BeginUndoAction();
    ASSERT_TRUE(model.CalcPlaneSectionProperties(&TheSection()));
    EXPECT_EQ(TheSection().baseMaterialId, 1);
    // The right square counts double: as rectangles 0..10 once and 10..20 twice.
    const PlaneValues e = RectanglesValues({{0, 0, 10, 10}, {10, 0, 20, 10}, {10, 0, 20, 10}});
    EXPECT_PRED3(Exact, Area(), 300.0, 1.0);
    EXPECT_PRED3(Exact, TheSection().results[RESULT_IYY], e.iyy, 1.0);
    EXPECT_PRED3(Exact, TheSection().results[RESULT_IXX], e.ixx, 1.0);
}

TEST_F(MixedMaterialTest, BaseMaterialThatNoUsedDomainHasIsIgnored)
{
    AddSteel(1, 1000.0);
    AddSteel(2, 2000.0);
    AddSteel(3, 4000.0);
    Mesh(1, 2);
    TheSection().assignedBaseMaterialId = 3;
    // Both materials have the same faceted area: the tie goes to domain 1's.
    model.BeginUndoAction();
    ASSERT_TRUE(model.CalcPlaneSectionProperties(&TheSection()));
    EXPECT_EQ(TheSection().baseMaterialId, 1);
    EXPECT_PRED3(Exact, Area(), 300.0, 1.0);
}

// The sums come from the domains' outlines, the section's own geometry,
// whatever the mesh makes of it; a section without them falls back to its
// mesh.
TEST_F(MixedMaterialTest, SumsComeFromTheDomainOutlinesAndFromTheMeshOnlyWithoutThem)
{
    AddSteel(1, 1000.0);
    AddSteel(2, 2000.0);
    Mesh(1, 2);
    // The mesh cuts the outer corner (20, 10) of the triangles' square.
    for (auto& [id, node] : model.m_feNodes) {
        if (node->xy[0] == 20.0 && node->xy[1] == 10.0)
            node->xy[0] = 19.0;
    }
    TheSection().assignedBaseMaterialId = 1;
    model.BeginUndoAction();
    ASSERT_TRUE(model.CalcPlaneSectionProperties(&TheSection()));
    const PlaneValues e = RectanglesValues({{0, 0, 10, 10}, {10, 0, 20, 10}, {10, 0, 20, 10}});
    EXPECT_PRED3(Exact, Area(), e.area, 1.0);
    EXPECT_PRED3(Exact, TheSection().results[RESULT_IXX], e.ixx, 1.0);

    for (auto& [id, domain] : TheSection().domains)
        domain->loopIds.clear();
    ASSERT_TRUE(model.CalcPlaneSectionProperties(&TheSection()));
    // The mesh lacks the triangle (20, 5), (20, 10), (19, 10) of area 2.5, counted twice.
    EXPECT_PRED3(Exact, Area(), e.area - 5.0, 1.0);
}

TEST_F(MixedMaterialTest, MissingMaterialOrZeroBaseModulusIsRefusedWithoutAResult)
{
    AddSteel(1, 1000.0);
    Mesh(1, 7);
    model.BeginUndoAction();
    TheSection().assignedBaseMaterialId = 1;
    EXPECT_FALSE(model.CalcPlaneSectionProperties(&TheSection()));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Cannot find material [ID:7] data."});

    plane_meshes::AddMaterial(model, 7, 0.0, 0.3);  // only a damaged file holds such a material
    TheSection().assignedBaseMaterialId = 7;
    user.ClearRecords();
    EXPECT_FALSE(model.CalcPlaneSectionProperties(&TheSection()));
    ASSERT_EQ(user.boxes.size(), 1u);
    EXPECT_NE(user.boxes[0].text.find("This section cannot be calculated."), std::string::npos);
    EXPECT_FALSE(TheSection().propertiesCalculated);
    EXPECT_EQ(TheSection().centroidPointId, 0);
    EXPECT_EQ(Area(), 0.0);
}

TEST_F(MixedMaterialTest, FailedSolidModelLeavesTheSectionUncalculatedWithoutACentroidPoint)
{
    plane_meshes::AddMaterial(model, 1, 1000.0, 0.6);  // a ratio the solid model cannot take
    Mesh(1, 1);
    const std::size_t pointsBefore = model.m_points.size();
    model.BeginUndoAction();
    EXPECT_FALSE(model.CalcPlaneSectionProperties(&TheSection()));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"The torsion constant and the shear areas of plane section "
                                                         "[Mixed] cannot be found from its mesh.\n\nThis section "
                                                         "cannot be calculated."});
    EXPECT_FALSE(TheSection().propertiesCalculated);
    EXPECT_EQ(TheSection().centroidPointId, 0);
    EXPECT_EQ(model.m_points.size(), pointsBefore);
    EXPECT_EQ(TheSection().results[RESULT_J], 0.0);
}

TEST_F(MixedMaterialTest, EmptyMeshIsRefusedRatherThanGivenANanCentroid)
{
    const int pointsBefore = static_cast<int>(model.m_points.size());
    model.BeginUndoAction();
    EXPECT_FALSE(model.CalcPlaneSectionProperties(&TheSection()));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"The area of plane section [Mixed] is not greater than "
                                                         "0.\n\nThis section cannot be calculated."});
    EXPECT_EQ(static_cast<int>(model.m_points.size()), pointsBefore);
    EXPECT_FALSE(TheSection().propertiesCalculated);
}

TEST(TriangleMoments, FourPointRuleIsExactAndARepeatedNodeAddsNothing)
{
    // Right triangle (0,0), (3,0), (0,6): ∫x² = b³h/12 = 27 · 6 / 12, ∫xy = b²h²/24.
    const double a[2] = {0, 0}, b[2] = {3, 0}, c[2] = {0, 6}, g[2] = {1, 2};
    EXPECT_DOUBLE_EQ(TriangleSecondMoment(9.0, 1.0, 0, 3, 0), 27.0 * 6.0 / 12.0);
    EXPECT_DOUBLE_EQ(TriangleProductMoment(9.0, g, a, b, c), 9.0 * 36.0 / 24.0);
    SectionMomentSums sums;
    sums.AddTriangle(a, b, b, 1.0);
    EXPECT_EQ(sums.area, 0.0);
    EXPECT_FALSE(sums.HasCentroid());
}

}  // namespace
