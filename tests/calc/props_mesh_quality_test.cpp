// The mesh quality check on single hand-made elements.

#include <gtest/gtest.h>

#include "calc/StructuredPlaneMeshes.h"

namespace {

using plane_meshes::AddElement;
using plane_meshes::AddNode;

struct ElementCase {
    const char* name;
    std::vector<std::array<double, 2>> corners;  // in the element's node order
    bool passes;
};

class MeshQualityTest : public ::testing::TestWithParam<ElementCase> {};

TEST_P(MeshQualityTest, JudgesOneElement)
{
    CSectModel model;
    std::vector<int> nodes;
    for (const auto& [x, y] : GetParam().corners)
        nodes.push_back(AddNode(model, x, y));
    AddElement(model, nodes);
    EXPECT_EQ(model.CheckMeshQuality(), GetParam().passes);
}

INSTANTIATE_TEST_SUITE_P(
    Elements, MeshQualityTest,
    ::testing::Values(ElementCase{"RightIsoscelesTriangle", {{0, 0}, {10, 0}, {0, 10}}, true},
                      // Ratios about 0.012, 0.046 and 0.046: poor from every edge.
                      ElementCase{"FlatTriangle", {{0, 0}, {10, 0}, {5, 0.1}}, false},
                      ElementCase{"CollinearTriangle", {{0, 0}, {10, 0}, {5, 0}}, false},
                      ElementCase{"CollapsedTriangle", {{1, 1}, {1, 1}, {1, 1}}, false},
                      ElementCase{"Square", {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true},
                      ElementCase{"Rectangle10By1", {{0, 0}, {10, 0}, {10, 1}, {0, 1}}, true},
                      ElementCase{"Rectangle20By1", {{0, 0}, {20, 0}, {20, 1}, {0, 1}}, false},
                      ElementCase{"ClockwiseSquare", {{0, 0}, {0, 10}, {10, 10}, {10, 0}}, false},
                      ElementCase{"NonConvexQuadrilateral", {{0, 0}, {10, 0}, {3, 3}, {0, 10}}, false},
                      ElementCase{"DegenerateCornerPasses", {{0, 0}, {10, 0}, {10, 10}, {10, 10}}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MeshQuality, EmptyMeshPassesAndOneBadElementFailsTheMesh)
{
    CSectModel model;
    EXPECT_TRUE(model.CheckMeshQuality());
    plane_meshes::AddGrid(model, 3, 3, plane_meshes::Rectangle(30, 30));
    EXPECT_TRUE(model.CheckMeshQuality());
    AddElement(model, {AddNode(model, 100, 0), AddNode(model, 110, 0), AddNode(model, 105, 0.1)});
    EXPECT_FALSE(model.CheckMeshQuality());
}

TEST(MeshQuality, ElementsWithAMissingNodeOrAnOddNodeCountAreSkipped)
{
    CSectModel model;
    const int a = AddNode(model, 0, 0), b = AddNode(model, 10, 0), c = AddNode(model, 5, 0.1);
    AddElement(model, {a, b});
    AddElement(model, {a, b, c, a, b});
    auto missing = std::make_unique<T_FEELEM_D>();
    missing->id = 3;
    missing->nodeIds = {a, b, 99};
    model.m_feElements[3] = std::move(missing);
    EXPECT_TRUE(model.CheckMeshQuality());
}

}  // namespace
