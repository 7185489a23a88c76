// Torsion constant and shear areas of meshed plane sections: the solid
// model's tables, the pass choice, convergence on structured meshes against
// known values, invariance under turning, mirroring, moving and scaling, the
// material mapping and the failures.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "StructuredPlaneMeshes.h"
#include "calc/SectPropFem.h"

using namespace plane_meshes;

namespace {

struct Properties {
    bool ok = false;
    double J = -1.0, Asx = -1.0, Asy = -1.0;
};

struct AreaAndCentroid {
    double area = 0.0, cx = 0.0, cy = 0.0;
};

// Exact area and centroid of the mesh's elements.
AreaAndCentroid MeshCentroid(const CSectModel& model) {
    AreaAndCentroid result;
    for (const auto& [id, element] : model.m_feElements) {
        std::vector<std::pair<double, double>> corners;
        for (int node : element->nodeIds) {
            const T_FENODE_D& n = *model.m_feNodes.at(node);
            corners.emplace_back(n.xy[0], n.xy[1]);
        }
        const PolygonMoments m = MomentsOf(corners);
        result.area += m.area;
        result.cx += m.sx;
        result.cy += m.sy;
    }
    result.cx /= result.area;
    result.cy /= result.area;
    return result;
}

Properties Calculate(const CSectModel& model, int baseMaterial = kSteelId,
                     double lengthFactor = CSectPropFem::kDefaultLengthFactor) {
    const AreaAndCentroid c = MeshCentroid(model);
    const double centroid[2] = {c.cx, c.cy};
    Properties p;
    CSectPropFem fem(lengthFactor);
    p.ok = fem.Calculate(model.m_feNodes, model.m_feElements, model.m_materials, baseMaterial, centroid, p.J, p.Asx,
                         p.Asy);
    return p;
}

Properties CalculateGrid(int nx, int ny, const GridMap& map, double poisson = 0.3, Cells cells = Cells::Quadrilaterals,
                         const CellFilter& keep = {}) {
    CSectModel model;
    AddMaterial(model, kSteelId, 210000.0, poisson);
    AddGrid(model, nx, ny, map, cells, keep);
    return Calculate(model);
}

TEST(SolidModelTables, ExtrudesTwoCantileversWithMastersLinksAndLoads) {
    // Six plane nodes, one quadrilateral and two triangles.
    const std::vector<T_NODE_D> nodes = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {0, 1, 0}, {1, 1, 0}, {2, 1, 0}};
    const std::vector<T_ELEM_D> elements = {{1, {1, 2, 5, 4}}, {2, {2, 3, 6}}, {1, {2, 6, 5}}};
    const int n = 6, nodeCount = 4 * n + 2;
    std::vector<double> coordinates;
    std::vector<int> rows;
    CSectPropFem::ExtrudeMesh(nodes, elements, 2, 1, 1.0, 0.5, 0.5, 2.0, coordinates, rows, 10.0);
    ASSERT_EQ(coordinates.size(), 3u * nodeCount);
    const auto node = [&](int number) {
        return std::vector<double>(coordinates.begin() + 3 * (number - 1), coordinates.begin() + 3 * number);
    };
    EXPECT_EQ(node(2), (std::vector<double>{1, 0, 0}));
    EXPECT_EQ(node(8), (std::vector<double>{1, 0, 5}));    // copy 0 is 10 ℓ long
    EXPECT_EQ(node(14), (std::vector<double>{5, 0, 0}));   // copy 1 lies 2·size to the right
    EXPECT_EQ(node(20), (std::vector<double>{5, 0, 10}));  // and is twice as long
    EXPECT_EQ(node(25), (std::vector<double>{1, 0.5, 5}));
    EXPECT_EQ(node(26), (std::vector<double>{5, 0.5, 10}));
    ASSERT_EQ(rows.size(), 10u * 2 * 3);
    EXPECT_EQ(std::vector<int>(rows.begin(), rows.begin() + 10), (std::vector<int>{1, 1, 1, 2, 5, 4, 7, 8, 11, 10}));
    EXPECT_EQ(std::vector<int>(rows.begin() + 10, rows.begin() + 20),
              (std::vector<int>{2, 1, 2, 3, 6, 8, 9, 12, 0, 0}));
    EXPECT_EQ(std::vector<int>(rows.begin() + 30, rows.begin() + 40),
              (std::vector<int>{1, 1, 13, 14, 17, 16, 19, 20, 23, 22}));

    std::vector<int> constraints;
    CSectPropFem::BuildConstraintTable(nodeCount, 2, n, 1, constraints);
    ASSERT_EQ(constraints.size(), 7u * nodeCount);
    const auto constraint = [&](int number) {
        return std::vector<int>(constraints.begin() + 7 * (number - 1), constraints.begin() + 7 * number);
    };
    EXPECT_EQ(constraint(6), (std::vector<int>{6, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(constraint(7), (std::vector<int>{7, 0, 0, 0, 1, 1, 1}));
    EXPECT_EQ(constraint(13), (std::vector<int>{13, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(constraint(24), (std::vector<int>{24, 0, 0, 0, 1, 1, 1}));
    EXPECT_EQ(constraint(25), (std::vector<int>{25, 0, 0, 0, 1, 1, 0}));

    std::vector<int> links;
    CSectPropFem::BuildRigidLinkTable(nodeCount, 2, n, 1, links);
    ASSERT_EQ(links.size(), 2u * 2 * n);
    EXPECT_EQ(links[0], 7);
    EXPECT_EQ(links[1], 25);
    EXPECT_EQ(links[2 * n], 19);
    EXPECT_EQ(links[2 * n + 1], 26);

    std::vector<double> loads;
    CSectPropFem::BuildNodalLoadTable(nodeCount, 3, 2, 1.0, loads);
    EXPECT_EQ(loads, (std::vector<double>{25, 1, 0, 0, 0, 0, 0, 1, 26, 1, 0, 0, 0, 0, 0, 1, 25, 2, 1, 0, 0, 0, 0, 0,
                                          26, 2, 1, 0, 0, 0, 0, 0, 25, 3, 0, 1, 0, 0, 0, 0, 26, 3, 0, 1, 0, 0, 0, 0}));
    std::vector<int> loadNodes;
    CSectPropFem::BuildLoadNodeList(nodeCount, 2, 3, loadNodes);
    EXPECT_EQ(loadNodes, (std::vector<int>{25, 1, 25, 2, 25, 3, 26, 1, 26, 2, 26, 3}));

    // The mixed mesh solves (hexahedra and wedges together).
    const std::vector<T_MATL_D> materials = {{210000.0, 0.3}, {70000.0, 0.3}};
    Properties p;
    EXPECT_TRUE(CSectPropFem().Analyze(nodes, elements, materials, 1, 1.0, 0.5, p.J, p.Asx, p.Asy));
    EXPECT_GT(p.J, 0.0);
}

TEST(SolidModelPasses, OnePassUpToExactlyFiveToOne) {
    struct Case {
        double width, height;
        bool twoPasses;
    };
    for (const Case c : {Case{1, 1, false}, Case{5, 1, false}, Case{5.000001, 1, true}, Case{1, 5, false},
                         Case{1, 5.000001, true}, Case{1, 0.01, true}}) {
        EXPECT_EQ(CSectPropFem::UsesTwoPasses(c.width, c.height), c.twoPasses) << c.width << " x " << c.height;
    }
    std::vector<T_NODE_D> nodes = {{3, 2, 0}, {7, 2, 0}, {7, 6, 0}, {3, 6, 0}};
    double width = 0, height = 0, x = 5, y = 4, scale = 0;
    CSectPropFem::NormalizeNodes(nodes, width, height, x, y, scale);
    EXPECT_EQ(scale, 4.0);
    EXPECT_EQ(width, 1.0);
    EXPECT_EQ(height, 1.0);
    EXPECT_EQ(x, 0.5);
    EXPECT_EQ(y, 0.5);
    EXPECT_EQ(nodes[2].x, 1.0);
    EXPECT_EQ(nodes[2].y, 1.0);
}

struct TorsionCase {
    const char* name;
    int nx, ny;
    double width, height;
    Cells cells;
    double exactJ;      // of the section
    double upperError;  // J converges from above, within this relative error
};

const double kSide = 2.0;
const double kThick = 0.5;

const TorsionCase kTorsionCases[] = {
    {"Square8", 8, 8, kSide, kSide, Cells::Quadrilaterals, 0.1405770 * 16.0, 0.02},
    {"Square16", 16, 16, kSide, kSide, Cells::Quadrilaterals, 0.1405770 * 16.0, 0.005},
    {"SquareTriangles8", 8, 8, kSide, kSide, Cells::Triangles, 0.1405770 * 16.0, 0.03},
    {"Rectangle2To1", 16, 8, 2 * kThick, kThick, Cells::Quadrilaterals, 2 * kThick * 0.2286817 * kThick* kThick* kThick,
     0.01},
    {"Rectangle4To1", 32, 8, 4 * kThick, kThick, Cells::Quadrilaterals, 4 * kThick * 0.2808130 * kThick* kThick* kThick,
     0.01},
    {"Rectangle10To1", 80, 8, 10 * kThick, kThick, Cells::Quadrilaterals,
     10 * kThick * 0.3123250 * kThick* kThick* kThick, 0.005},
};

class TorsionConvergence : public ::testing::TestWithParam<TorsionCase> {};

INSTANTIATE_TEST_SUITE_P(StructuredMeshes, TorsionConvergence, ::testing::ValuesIn(kTorsionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(TorsionConvergence, ApproachesTheSeriesFromAbove) {
    const TorsionCase& c = GetParam();
    const Properties p = CalculateGrid(c.nx, c.ny, Rectangle(c.width, c.height, -3.0, 1.0), 0.3, c.cells);
    ASSERT_TRUE(p.ok);
    EXPECT_GT(p.J, c.exactJ);
    EXPECT_LT(p.J / c.exactJ - 1.0, c.upperError);
}

TEST(TorsionConvergence, HollowCircleGivesThePolarMomentOfTheRing) {
    CSectModel model;
    AddMaterial(model, kSteelId, 210000.0, 0.3);
    AddPolygonalRing(model, 0.8, 1.0, 36, 72, 4);
    const PolygonMoments outer = MomentsOf(RegularPolygon(1.0, 36)), inner = MomentsOf(RegularPolygon(0.8, 36));
    const double polar = outer.ixx + outer.iyy - inner.ixx - inner.iyy;
    const Properties p = Calculate(model);
    ASSERT_TRUE(p.ok);
    EXPECT_NEAR(p.J / polar, 1.0, 0.01);
}

// Shear areas with ν = 0: 5/6 of the area for a rectangle, 6/7 for a disc,
// approached from above.
TEST(ShearAreaConvergence, RectangleApproachesFiveSixthsOfTheArea) {
    const double area = 2.0 * 1.0, target = 5.0 / 6.0 * area;
    const Properties coarse = CalculateGrid(8, 4, Rectangle(2.0, 1.0), 0.0);
    const Properties fine = CalculateGrid(16, 8, Rectangle(2.0, 1.0), 0.0);
    ASSERT_TRUE(coarse.ok && fine.ok);
    for (auto area : {&Properties::Asx, &Properties::Asy}) {
        EXPECT_GT(coarse.*area, fine.*area);
        EXPECT_GT(fine.*area, target);
        EXPECT_LT(fine.*area / target - 1.0, 0.015);
    }
    EXPECT_LT(fine.Asx / target - 1.0, 0.005);
}

TEST(ShearAreaConvergence, DiscApproachesSixSeventhsOfTheArea) {
    std::vector<double> ratios, torsion;
    for (const int rings : {4, 8, 16}) {
        CSectModel model;
        AddMaterial(model, kSteelId, 210000.0, 0.0);
        AddPolygonalRing(model, 0.0, 1.0, 36, 36 * rings / 4, rings);
        const Properties p = Calculate(model);
        ASSERT_TRUE(p.ok);
        const double area = MomentsOf(RegularPolygon(1.0, 36)).area;
        EXPECT_NEAR(p.Asx / p.Asy, 1.0, 1e-3);
        ratios.push_back(p.Asx / (6.0 / 7.0 * area));
        torsion.push_back(p.J);
    }
    // J of the 36-gon of diameter 100 by a series solution: 9,716,284.
    const double seriesJ = 9716284.0 * std::pow(2.0 / 100.0, 4);
    EXPECT_GT(torsion[0], torsion[1]);
    EXPECT_GT(torsion[1], torsion[2]);
    EXPECT_GT(torsion[2], seriesJ);
    EXPECT_LT(torsion[2] / seriesJ - 1.0, 3e-4);
    EXPECT_GT(ratios[0], ratios[1]);
    EXPECT_GT(ratios[1], ratios[2]);
    EXPECT_GT(ratios[2], 1.0);
    EXPECT_NEAR(ratios[2], 1.0, 0.002);
}

// The torsion constant of a long strip came out several per cent high when
// the strip stood upright; it must not depend on how the section is turned.
TEST(SectionInvariance, StripGivesTheSameResultsStandingAndLying) {
    const Properties lying = CalculateGrid(40, 4, Rectangle(10.0, 1.0));
    const Properties standing = CalculateGrid(4, 40, Rectangle(1.0, 10.0));
    ASSERT_TRUE(lying.ok && standing.ok);
    EXPECT_NEAR(standing.J / lying.J, 1.0, 1e-6);
    // The shear areas come from a difference of two tip deflections that
    // loses about two digits; the node order differs between the two.
    EXPECT_NEAR(standing.Asy / lying.Asx, 1.0, 1e-4);
    EXPECT_NEAR(standing.Asx / lying.Asy, 1.0, 1e-4);
}

TEST(SectionInvariance, ScalingAndTranslation) {
    const Properties base = CalculateGrid(8, 4, Rectangle(2.0, 1.0));
    const Properties doubled = CalculateGrid(8, 4, Rectangle(4.0, 2.0));
    const Properties moved = CalculateGrid(8, 4, Rectangle(2.0, 1.0, 1234.5, -678.25));
    ASSERT_TRUE(base.ok && doubled.ok && moved.ok);
    EXPECT_NEAR(doubled.J / base.J, 16.0, 16.0 * 1e-9);
    EXPECT_NEAR(doubled.Asx / base.Asx, 4.0, 4.0 * 1e-9);
    EXPECT_NEAR(doubled.Asy / base.Asy, 4.0, 4.0 * 1e-9);
    EXPECT_NEAR(moved.J / base.J, 1.0, 1e-6);
    EXPECT_NEAR(moved.Asx / base.Asx, 1.0, 1e-6);
    EXPECT_NEAR(moved.Asy / base.Asy, 1.0, 1e-6);
}

// A channel's shear centre lies off the centroid: the unit force at the
// centroid also twists it, which the eccentricity correction takes out.
TEST(SectionInvariance, ChannelAndItsMirrorImageHaveTheSameShearAreas) {
    const auto channel = [](bool openToTheRight) {
        return [openToTheRight](int i, int j) {
            const bool web = openToTheRight ? i < 2 : i >= 4;
            return web || j == 0 || j == 5;
        };
    };
    const Properties right = CalculateGrid(6, 6, Rectangle(3.0, 3.0), 0.3, Cells::Quadrilaterals, channel(true));
    const Properties left = CalculateGrid(6, 6, Rectangle(3.0, 3.0), 0.3, Cells::Quadrilaterals, channel(false));
    ASSERT_TRUE(right.ok && left.ok);
    EXPECT_NEAR(left.Asx / right.Asx, 1.0, 1e-6);
    EXPECT_NEAR(left.Asy / right.Asy, 1.0, 1e-6);
    EXPECT_NEAR(left.J / right.J, 1.0, 1e-6);
    EXPECT_LT(right.Asy, right.Asx);
}

// A force along the web, at the centroid, twists a channel far more than it
// shears it, and the point about which a tip turns moves a little with the
// cantilever's length; the shear area left once the twist is taken out must
// not. (Taking one cantilever's turning point for both once made it fall by
// 1.9 % at four times the length.)
TEST(SectionInvariance, ChannelShearAreaAlongTheWebDoesNotDependOnTheCantileverLength) {
    CSectModel model;
    AddMaterial(model, kSteelId, 210000.0, 0.0);
    AddGrid(model, 16, 40, Rectangle(80.0, 200.0), Cells::Quadrilaterals,
            [](int i, int j) { return i < 2 || j < 2 || j >= 38; });
    const Properties standard = Calculate(model);
    const Properties longer = Calculate(model, kSteelId, 4.0 * CSectPropFem::kDefaultLengthFactor);
    ASSERT_TRUE(standard.ok && longer.ok);
    EXPECT_NEAR(longer.Asy / standard.Asy, 1.0, 1e-3);
}

TEST(SectionInvariance, VeryThinStripStillSolves) {
    const Properties p = CalculateGrid(200, 2, Rectangle(1.0, 0.01));
    ASSERT_TRUE(p.ok);
    const double thinWall = 1.0 * 1e-6 / 3.0 * (1.0 - 0.63 * 0.01);
    EXPECT_NEAR(p.J / thinWall, 1.0, 0.1);
}

// A 2 x 1 rectangle, material 2 on its right half.
Properties TwoMaterialRectangle(void (*addSecond)(CSectModel&), int baseMaterial = kSteelId) {
    CSectModel model;
    AddMaterial(model, kSteelId, 200000.0, 0.3);
    addSecond(model);
    AddGrid(model, 8, 4, Rectangle(2.0, 1.0));
    for (auto& [id, element] : model.m_feElements) {
        if (model.m_feNodes.at(element->nodeIds[0])->xy[0] >= 1.0) element->materialId = 2;
    }
    return Calculate(model, baseMaterial);
}

TEST(SectionMaterials, MissingMaterialAndZeroModulusCountWithTheReferenceModulus) {
    const Properties same = TwoMaterialRectangle([](CSectModel& m) { AddMaterial(m, 2, 200000.0, 0.0); });
    const Properties missing = TwoMaterialRectangle([](CSectModel&) {});
    const Properties zero = TwoMaterialRectangle([](CSectModel& m) { AddMaterial(m, 2, 0.0, 0.0); });
    ASSERT_TRUE(same.ok && missing.ok && zero.ok);
    EXPECT_DOUBLE_EQ(missing.J, same.J);
    EXPECT_DOUBLE_EQ(zero.J, same.J);
    EXPECT_DOUBLE_EQ(zero.Asx, same.Asx);
}

TEST(SectionMaterials, ResultsReferToTheBaseOrElseTheFirstElementsMaterial) {
    const auto soft = [](CSectModel& m) { AddMaterial(m, 2, 100000.0, 0.3); };
    const Properties steel = TwoMaterialRectangle(soft, kSteelId);
    const Properties referredToSoft = TwoMaterialRectangle(soft, 2);
    const Properties unused = TwoMaterialRectangle(soft, 7);
    ASSERT_TRUE(steel.ok && referredToSoft.ok && unused.ok);
    EXPECT_NEAR(referredToSoft.J / steel.J, 2.0, 1e-9);
    EXPECT_NEAR(referredToSoft.Asx / steel.Asx, 2.0, 1e-9);
    EXPECT_DOUBLE_EQ(unused.J, steel.J);
}

TEST(SectionFailures, GiveFalseWithZeroResults) {
    struct Case {
        const char* name;
        std::function<void(CSectModel&)> build;
    };
    const Case cases[] = {
        {"EmptyMesh", [](CSectModel&) {}},
        {"MissingNode",
         [](CSectModel& m) {
             AddGrid(m, 2, 2, Rectangle(1.0, 1.0));
             m.m_feElements.at(1)->nodeIds[0] = 99;
         }},
        {"FiveCornerElement",
         [](CSectModel& m) {
             AddGrid(m, 2, 2, Rectangle(1.0, 1.0));
             m.m_feElements.at(1)->nodeIds.push_back(9);
         }},
        {"PoissonRatioOneHalf",
         [](CSectModel& m) {
             AddGrid(m, 2, 2, Rectangle(1.0, 1.0));
             m.m_materials.at(kSteelId)->poissonRatio = 0.5;
         }},
        {"ClockwiseElementInTwoPassSection",
         [](CSectModel& m) {
             AddGrid(m, 12, 2, Rectangle(6.0, 1.0));
             auto& corners = m.m_feElements.at(5)->nodeIds;
             std::reverse(corners.begin(), corners.end());
         }},
        {"AllNodesAtOnePoint",
         [](CSectModel& m) {
             for (int i = 0; i < 4; ++i) AddNode(m, 1.0, 1.0);
             AddElement(m, {1, 2, 3, 4});
         }},
    };
    for (const Case& c : cases) {
        CSectModel model;
        AddMaterial(model, kSteelId, 210000.0, 0.3);
        c.build(model);
        Properties result;
        const double centroid[2] = {0.5, 0.5};
        result.ok = CSectPropFem().Calculate(model.m_feNodes, model.m_feElements, model.m_materials, kSteelId, centroid,
                                             result.J, result.Asx, result.Asy);
        EXPECT_FALSE(result.ok) << c.name;
        EXPECT_EQ(result.J, 0.0) << c.name;
        EXPECT_EQ(result.Asx, 0.0) << c.name;
        EXPECT_EQ(result.Asy, 0.0) << c.name;
    }
}

}  // namespace
