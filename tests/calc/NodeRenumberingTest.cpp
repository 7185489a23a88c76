// Node renumbering for profile reduction, checked against a profile computed
// here from the element lists.

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "calc/NodeRenumbering.h"

namespace {

using Elements = std::vector<std::vector<int>>;

// Calls the mesh driver's entry; empty on failure.
std::vector<int> Renumber(int nodeCount, const Elements& elements) {
    std::vector<int> p = {1}, q;
    for (const auto& element : elements) {
        q.insert(q.end(), element.begin(), element.end());
        p.push_back(static_cast<int>(q.size()) + 1);
    }
    std::vector<int> numbers(nodeCount, 0);
    if (!RenumberMeshNodes(nodeCount, static_cast<int>(elements.size()), static_cast<int>(q.size()), p.data(),
                           q.data(), numbers.data())) {
        return {};
    }
    return numbers;
}

// Profile (diagonal included) of the matrix whose node i gets number[i - 1].
std::int64_t ProfileUnder(int nodeCount, const Elements& elements, const std::vector<int>& number) {
    std::vector<int> lowest(nodeCount + 1);
    for (int i = 1; i <= nodeCount; ++i) lowest[i] = number[i - 1];
    for (const auto& element : elements) {
        for (int a : element) {
            for (int b : element) lowest[a] = std::min(lowest[a], number[b - 1]);
        }
    }
    std::int64_t profile = nodeCount;
    for (int i = 1; i <= nodeCount; ++i) profile += number[i - 1] - lowest[i];
    return profile;
}

std::vector<int> Identity(int nodeCount) {
    std::vector<int> numbers(nodeCount);
    std::iota(numbers.begin(), numbers.end(), 1);
    return numbers;
}

bool IsPermutation(std::vector<int> numbers) {
    std::sort(numbers.begin(), numbers.end());
    return numbers == Identity(static_cast<int>(numbers.size()));
}

// Quadrilaterals of a grid, node numbers optionally shuffled.
Elements QuadGrid(int columns, int rows, unsigned seed) {
    std::vector<int> id = Identity((columns + 1) * (rows + 1));
    if (seed != 0) std::shuffle(id.begin(), id.end(), std::mt19937(seed));
    const auto at = [&](int ix, int iy) { return id[iy * (columns + 1) + ix]; };
    Elements elements;
    for (int iy = 0; iy < rows; ++iy) {
        for (int ix = 0; ix < columns; ++ix) {
            elements.push_back({at(ix, iy), at(ix + 1, iy), at(ix + 1, iy + 1), at(ix, iy + 1)});
        }
    }
    return elements;
}

// Bricks of a 3-D grid with shuffled node numbers.
Elements BrickGrid(int n, unsigned seed) {
    std::vector<int> id = Identity((n + 1) * (n + 1) * (n + 1));
    std::shuffle(id.begin(), id.end(), std::mt19937(seed));
    Elements elements;
    for (int iz = 0; iz < n; ++iz) {
        for (int iy = 0; iy < n; ++iy) {
            for (int ix = 0; ix < n; ++ix) {
                std::vector<int> corners;
                for (int c = 0; c < 8; ++c) {
                    corners.push_back(id[((iz + (c >> 2)) * (n + 1) + iy + ((c >> 1) & 1)) * (n + 1) + ix + (c & 1)]);
                }
                elements.push_back(corners);
            }
        }
    }
    return elements;
}

struct MeshCase {
    const char* name;
    int nodeCount;
    Elements elements;
    bool badlyNumbered;
};

std::vector<MeshCase> Meshes() {
    return {
        {"NaturalStrip", 2 * 21, QuadGrid(20, 1, 0), false},
        {"NaturalGrid", 11 * 7, QuadGrid(10, 6, 0), false},
        {"ShuffledGrid", 13 * 9, QuadGrid(12, 8, 17), true},
        {"ShuffledBricks", 5 * 5 * 5, BrickGrid(4, 3), true},
    };
}

class RenumberMesh : public ::testing::TestWithParam<MeshCase> {};

INSTANTIATE_TEST_SUITE_P(Meshes, RenumberMesh, ::testing::ValuesIn(Meshes()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(RenumberMesh, GivesAPermutationNeverWorseThanTheGivenNumbering) {
    const MeshCase& mesh = GetParam();
    const std::vector<int> numbers = Renumber(mesh.nodeCount, mesh.elements);
    ASSERT_TRUE(IsPermutation(numbers));
    const std::int64_t given = ProfileUnder(mesh.nodeCount, mesh.elements, Identity(mesh.nodeCount));
    const std::int64_t reduced = ProfileUnder(mesh.nodeCount, mesh.elements, numbers);
    EXPECT_LE(reduced, given);
    if (mesh.badlyNumbered) {
        EXPECT_LT(reduced, given / 2);
    }
}

TEST(RenumberMeshNodes, SingleElementStartsAtItsFirstNodeOfLeastDegree) {
    const std::vector<int> numbers = Renumber(4, {{3, 1, 4, 2}});
    ASSERT_TRUE(IsPermutation(numbers));
    EXPECT_EQ(numbers[0], 1);
}

TEST(RenumberMeshNodes, DisconnectedPartsAreNumberedOneAfterTheOther) {
    // The triangle holds the lowest-numbered node of least degree (node 2).
    const Elements elements = {{1, 4, 6, 7}, {2, 9, 5}, {4, 8, 10, 6}, {3, 1, 7, 11}};
    const std::vector<int> numbers = Renumber(11, elements);
    ASSERT_TRUE(IsPermutation(numbers));
    for (int node : {2, 9, 5}) EXPECT_LE(numbers[node - 1], 3) << "node " << node;
}

TEST(RenumberMeshNodes, IsolatedNodesComeFirstInNodeOrder) {
    const std::vector<int> numbers = Renumber(6, {{1, 3, 4, 6}});
    ASSERT_TRUE(IsPermutation(numbers));
    EXPECT_EQ(numbers[2 - 1], 1);
    EXPECT_EQ(numbers[5 - 1], 2);
}

TEST(RenumberMeshNodes, KeepsTheGivenNumberingWhenTheReductionWouldBeLarger) {
    // Here the reduction alone gives a profile of 14 against 13.
    const Elements elements = {{4, 5}, {4, 3}, {5, 3, 2}, {2, 1}, {6, 5}};
    EXPECT_EQ(Renumber(6, elements), Identity(6));
}

TEST(RenumberMeshNodes, TakesTheReductionOnAnEqualProfile) {
    const Elements elements = {{3, 4, 2}, {3, 2}, {4, 3, 2}};
    const std::vector<int> numbers = Renumber(4, elements);
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 4, 3}));
    EXPECT_EQ(ProfileUnder(4, elements, numbers), ProfileUnder(4, elements, Identity(4)));
}

TEST(RenumberMeshNodes, NoElementsKeepsEveryNode) {
    EXPECT_EQ(Renumber(3, {}), Identity(3));
}

TEST(RenumberMeshNodes, InconsistentListsAreRefused) {
    const int p[] = {1, 4, 7};
    const int q[] = {1, 2, 3, 3, 4, 5};
    const int badNode[] = {1, 2, 3, 3, 0, 5};
    const int pastLast[] = {1, 2, 3, 3, 6, 5};
    const int descending[] = {1, 4, 3};
    const int notFromOne[] = {2, 4, 7};
    int numbers[5] = {0, 0, 0, 0, 0};
    EXPECT_FALSE(RenumberMeshNodes(5, 2, 6, p, badNode, numbers));
    EXPECT_FALSE(RenumberMeshNodes(5, 2, 6, p, pastLast, numbers));
    EXPECT_FALSE(RenumberMeshNodes(5, 2, 6, descending, q, numbers));
    EXPECT_FALSE(RenumberMeshNodes(5, 2, 6, notFromOne, q, numbers));
    EXPECT_FALSE(RenumberMeshNodes(5, 2, 5, p, q, numbers)) << "entry count disagrees with the pointers";
    EXPECT_FALSE(RenumberMeshNodes(-1, 2, 6, p, q, numbers));
    for (int number : numbers) EXPECT_EQ(number, 0) << "nothing is written on failure";
    EXPECT_TRUE(RenumberMeshNodes(5, 2, 6, p, q, numbers));
}

TEST(BuildNodeAdjacency, RepeatedPairsAreListedOnce) {
    ElementNodeLists elements;
    elements.AddElement({1, 2, 3});
    elements.AddElement({2, 3, 4});
    elements.AddElement({4, 4, 2});  // a node named twice is not its own neighbour
    NodeAdjacency adjacency;
    ASSERT_TRUE(BuildNodeAdjacency(4, elements, adjacency));
    const auto row = [&](int node) {
        return std::vector<int>(adjacency.adjacent.begin() + adjacency.rowStart[node],
                                adjacency.adjacent.begin() + adjacency.rowStart[node + 1]);
    };
    EXPECT_EQ(row(1), (std::vector<int>{2, 3}));
    EXPECT_EQ(row(2), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(row(3), (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(row(4), (std::vector<int>{2, 3}));
}

}  // namespace
