// The solver's own equation order and the skyline profile it gives.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "calc/SkylineProfile.h"

namespace {

struct OrderedProfile {
    SolverGraph graph;
    std::vector<int> nodeNumber;
    SkylineProfile profile;
};

OrderedProfile Order(const ConnectivityDescription& description) {
    OrderedProfile result;
    EXPECT_TRUE(BuildSolverGraph(description, result.graph));
    EXPECT_TRUE(OrderSolverNodes(result.graph, result.nodeNumber));
    EXPECT_TRUE(NumberSolverEquations(result.graph, result.nodeNumber, result.profile));
    EXPECT_TRUE(ComputeSkylineProfile(result.graph, result.profile));
    return result;
}

TEST(SolverEquationOrder, SlaveSharedEquationsAreNumberedOnceAtTheMaster) {
    // Node 2 is a slave of node 3 (joined by the link alone) and shares UX and
    // UY (equations 5, 6) with it; its own UZ is equation 4.
    ConnectivityDescription description;
    description.equationCount = 6;
    description.elementNodes = {{1, 2}};
    description.rigidLinks = {{2, 3}};
    description.nodeEquations = {{1, 2, 3}, {5, 6, 4}, {5, 6}};
    const OrderedProfile ordered = Order(description);
    const std::vector<std::int64_t>& newEq = ordered.profile.newEquation;

    std::vector<std::int64_t> numbers(newEq.begin() + 1, newEq.end());
    std::sort(numbers.begin(), numbers.end());
    EXPECT_EQ(numbers, (std::vector<std::int64_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(newEq[6], newEq[5] + 1) << "the master's equations are numbered together";
    const int slavePosition = ordered.nodeNumber[2], masterPosition = ordered.nodeNumber[3];
    EXPECT_EQ(newEq[4] < newEq[5], slavePosition < masterPosition);
    for (std::int64_t q = 1; q <= 6; ++q) EXPECT_EQ(newEq[ordered.profile.oldEquation[q]], q);

    NodeAdjacency adjacency;
    ASSERT_TRUE(BuildNodeAdjacency(3, ordered.graph.records, adjacency));
    EXPECT_EQ(adjacency.Degree(3), 1) << "a link makes its two nodes neighbours";
    // The link record couples all of the slave's and master's equations.
    EXPECT_EQ(ordered.profile.maxColumnHeight, 6);
}

TEST(SolverEquationOrder, ChainProfile) {
    ConnectivityDescription description;
    description.equationCount = 4;
    description.elementNodes = {{1, 2}, {2, 3}, {3, 4}};
    description.nodeEquations = {{1}, {2}, {3}, {4}};
    const OrderedProfile ordered = Order(description);
    EXPECT_EQ(ordered.profile.columnTop, (std::vector<std::int64_t>{0, 1, 3, 5, 7}));
    EXPECT_EQ(ordered.profile.profileSize, 7);
    EXPECT_EQ(ordered.profile.maxColumnHeight, 2);
}

TEST(SolverEquationOrder, RestrainedNodesAddNoHeight) {
    // Node 2 carries no equation, so equations 1 and 2 are not coupled.
    ConnectivityDescription description;
    description.equationCount = 2;
    description.elementNodes = {{1, 2}, {2, 3}};
    description.nodeEquations = {{1}, {}, {2}};
    const OrderedProfile ordered = Order(description);
    EXPECT_EQ(ordered.profile.profileSize, 2);
    EXPECT_EQ(ordered.profile.maxColumnHeight, 1);
}

TEST(SolverEquationOrder, KeepsTheInitialNodeOrderWhenTheReductionWouldBeLarger) {
    ConnectivityDescription description;
    description.equationCount = 6;
    description.elementNodes = {{4, 5}, {4, 3}, {5, 3, 2}, {2, 1}, {6, 5}};
    description.nodeEquations = {{1}, {2}, {3}, {4}, {5}, {6}};
    SolverGraph graph;
    SkylineProfile profile;
    ASSERT_TRUE(BuildSolverGraph(description, graph));
    ASSERT_TRUE(OrderSolverEquations(graph, profile));
    EXPECT_EQ(profile.newEquation, (std::vector<std::int64_t>{0, 1, 2, 3, 4, 5, 6}));
}

TEST(SolverEquationOrder, InconsistentEquationsAreRefused) {
    ConnectivityDescription description;
    description.equationCount = 2;
    description.elementNodes = {{1, 2}};
    description.nodeEquations = {{1}, {1}};  // one equation on two unlinked nodes
    SolverGraph graph;
    std::vector<int> order;
    SkylineProfile profile;
    ASSERT_TRUE(BuildSolverGraph(description, graph));
    ASSERT_TRUE(OrderSolverNodes(graph, order));
    EXPECT_FALSE(NumberSolverEquations(graph, order, profile));

    description.nodeEquations = {{1}, {}, {2}};  // equation 2 sits on node 3, which no element uses
    ASSERT_TRUE(BuildSolverGraph(description, graph));
    ASSERT_TRUE(OrderSolverNodes(graph, order));
    ASSERT_TRUE(NumberSolverEquations(graph, order, profile));
    EXPECT_FALSE(ComputeSkylineProfile(graph, profile)) << "equation 2 belongs to no element";
}

}  // namespace
