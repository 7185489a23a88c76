// The node adjacency and the labelling must give, array for array, what the
// plain quadratic implementation gives on every kind of graph they meet:
// solver grids with and without rigid links, the solid model of a section
// with its two masters, meshes, and the odd shapes (disconnected parts,
// isolated nodes, a star, a node named twice by one element).

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "ReferenceNodeOrdering.h"
#include "SolidSectionModels.h"
#include "SolverGridModels.h"
#include "calc/NodeRenumbering.h"
#include "calc/SkylineProfile.h"

namespace {

struct GraphCase {
    std::string name;
    int nodeCount;
    ElementNodeLists elements;
};

void PrintTo(const GraphCase& graph, std::ostream* out) { *out << graph.name; }

ElementNodeLists Lists(const std::vector<std::vector<int>>& elements) {
    ElementNodeLists lists;
    for (const auto& element : elements) lists.AddElement(element);
    return lists;
}

// The solver's records (elements, then links as two-node records).
GraphCase SolverGraphCase(std::string name, const ConnectivityDescription& description) {
    SolverGraph graph;
    EXPECT_TRUE(BuildSolverGraph(description, graph));
    return {std::move(name), graph.nodeCount, graph.records};
}

GraphCase SolidSectionCase(std::string name, const solid_sections::PlaneMesh& mesh) {
    SolidEquationTables equations;
    ConnectivityDescription description;
    ElementStream stream;
    EXPECT_TRUE(FormSystem(solid_sections::Extrude(mesh, 0.4, 0.3, 0.3), equations, description, stream));
    return SolverGraphCase(std::move(name), description);
}

// Elements of 2 to 8 random nodes, repeats within an element allowed.
GraphCase RandomCase(std::string name, int nodeCount, int elementCount, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> node(1, nodeCount), size(2, 8);
    std::vector<std::vector<int>> elements(elementCount);
    for (auto& element : elements) {
        element.resize(size(random));
        for (int& n : element) n = node(random);
    }
    return {std::move(name), nodeCount, Lists(elements)};
}

solid_sections::PlaneMesh ShuffledSquareGrid(int side, unsigned seed) {
    solid_sections::PlaneMesh mesh = solid_sections::UnitSquareGrid(side);
    std::vector<int> id = solver_models::NodeNumbers(static_cast<int>(mesh.nodes.size()), seed);
    std::vector<T_NODE_D> nodes(mesh.nodes.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) nodes[id[i] - 1] = mesh.nodes[i];
    for (T_ELEM_D& element : mesh.elements) {
        for (int a = 0; a < 4; ++a) element.node[a] = id[element.node[a] - 1];
    }
    mesh.nodes = nodes;
    return mesh;
}

std::vector<GraphCase> Graphs() {
    using namespace solver_models;
    std::vector<std::vector<int>> star;
    for (int leaf = 2; leaf <= 40; ++leaf) star.push_back({1, leaf});
    return {
        SolverGraphCase("Cantilever", PlaneStressCantilever({12, 5, 1.0, 1.0, 0, false}).description),
        SolverGraphCase("ShuffledCantileverWithRigidTip",
                        PlaneStressCantilever({9, 6, 1.0, 1.0, 31, true}).description),
        SolverGraphCase("BlockWithLinkedSlaves", RandomBlock({4, 3, 3, 5, 12}).description),
        SolidSectionCase("SolidSquareSection", solid_sections::UnitSquareGrid(6)),
        SolidSectionCase("SolidSectionShuffled", ShuffledSquareGrid(5, 9)),
        {"TwoParts", 9, Lists({{4, 7, 9}, {1, 5}, {7, 2}, {5, 8, 3}, {6, 9}})},
        {"IsolatedNodes", 8, Lists({{2, 5, 6}, {6, 8}})},
        {"NoElements", 4, Lists({})},
        {"Star", 40, Lists(star)},
        {"NodeNamedTwice", 5, Lists({{1, 2, 1, 3}, {3, 4, 4}, {4, 5, 2, 5}})},
        RandomCase("RandomSparse", 60, 25, 4),
        RandomCase("RandomDense", 30, 80, 5),
    };
}

class OrderingMatchesReference : public ::testing::TestWithParam<GraphCase> {};

INSTANTIATE_TEST_SUITE_P(Graphs, OrderingMatchesReference, ::testing::ValuesIn(Graphs()),
                         [](const auto& info) { return info.param.name; });

TEST_P(OrderingMatchesReference, AdjacencyAndNumberingAreTheSameArrays) {
    const GraphCase& graph = GetParam();
    NodeAdjacency fast, reference;
    ASSERT_TRUE(BuildNodeAdjacency(graph.nodeCount, graph.elements, fast));
    ASSERT_TRUE(reference_ordering::BuildNodeAdjacency(graph.nodeCount, graph.elements, reference));
    EXPECT_EQ(fast.rowStart, reference.rowStart);
    EXPECT_EQ(fast.adjacent, reference.adjacent);

    std::vector<int> fastOwn, referenceOwn;
    LabelComponents(graph.nodeCount, reference, fastOwn);
    reference_ordering::LabelComponents(graph.nodeCount, reference, referenceOwn);
    EXPECT_EQ(fastOwn, referenceOwn) << "the reduction's own numbering";

    std::vector<int> fastKept, referenceKept;
    const ProfileComparison fastProfiles = LabelNodes(graph.nodeCount, reference, fastKept);
    const ProfileComparison referenceProfiles =
        reference_ordering::LabelNodes(graph.nodeCount, reference, referenceKept);
    EXPECT_EQ(fastKept, referenceKept) << "the numbering kept by the node profile";
    EXPECT_EQ(fastProfiles.oldProfile, referenceProfiles.oldProfile);
    EXPECT_EQ(fastProfiles.newProfile, referenceProfiles.newProfile);
}

TEST_P(OrderingMatchesReference, MeshDriverRenumberingIsUnchanged) {
    const GraphCase& graph = GetParam();
    std::vector<int> p, expected;
    for (int start : graph.elements.start) p.push_back(start + 1);
    std::vector<int> numbers(graph.nodeCount, 0);
    ASSERT_TRUE(RenumberMeshNodes(graph.nodeCount, graph.elements.ElementCount(),
                                  static_cast<int>(graph.elements.nodes.size()), p.data(),
                                  graph.elements.nodes.data(), numbers.data()));
    NodeAdjacency adjacency;
    ASSERT_TRUE(reference_ordering::BuildNodeAdjacency(graph.nodeCount, graph.elements, adjacency));
    reference_ordering::LabelNodes(graph.nodeCount, adjacency, expected);
    EXPECT_EQ(numbers, std::vector<int>(expected.begin() + 1, expected.end()));
}

}  // namespace
