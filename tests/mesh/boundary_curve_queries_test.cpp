// Which curve of the domain two boundary nodes lie on, the point halfway along
// it between them, and new nodes put into a curve's chain.

#include "mesh/BoundaryCurveQueries.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

class BoundaryCurveQueriesTest : public ::testing::Test {
protected:
    BoundaryCurveQueriesTest() { store.SetFrame(0.0, 0.0, 1.0); }

    // A curve of the domain's one loop through the points, with the given mesh nodes.
    int AddCurve(const std::vector<std::array<double, 2>>& points, std::vector<int> nodes, bool closed = false)
    {
        if (domain.loops.empty())
            domain.loops.push_back(MeshLoopInput{1, {}});
        MeshCurveInput curve;
        curve.curveId = static_cast<int>(domain.loops[0].curves.size()) + 1;
        for (const auto& p : points) {
            curve.pointIds.push_back(nextPoint++);
            curve.points.push_back(p);
        }
        if (closed) {
            curve.pointIds.push_back(curve.pointIds.front());
            curve.points.push_back(curve.points.front());
        }
        curve.divisions = static_cast<int>(nodes.size()) - 1;
        curve.meshNodeIds = std::move(nodes);
        domain.loops[0].curves.push_back(curve);
        return curve.curveId;
    }

    CBoundaryCurves& Curves()
    {
        if (!curves)
            curves = std::make_unique<CBoundaryCurves>(domain);
        return *curves;
    }

    MeshDomainInput domain;
    int nextPoint = 1;
    std::unique_ptr<CBoundaryCurves> curves;
    CMeshStore store;
};

TEST_F(BoundaryCurveQueriesTest, StraightCurveGivesThePlainMidpoint)
{
    const int curve = AddCurve({{0, 0}, {10, 0}}, {101, 102, 103});
    const double p1[2] = {0, 0}, p2[2] = {5, 0};
    double mid[2];
    EXPECT_EQ(Curves().GetBoundaryMidpoint(store, 101, p1, 102, p2, mid), curve);
    EXPECT_NEAR(mid[0], 2.5, 1e-12);
    EXPECT_NEAR(mid[1], 0.0, 1e-12);
}

TEST_F(BoundaryCurveQueriesTest, ArcGivesThePointHalfwayAlongIt)
{
    std::vector<std::array<double, 2>> arc;
    for (int i = 0; i <= 9; ++i)
        arc.push_back({10 * std::cos(i * 10 * kDegree), 10 * std::sin(i * 10 * kDegree)});
    const int curve = AddCurve(arc, {201, 202});
    const double p1[2] = {10, 0}, p2[2] = {arc.back()[0], arc.back()[1]};
    double mid[2];
    EXPECT_EQ(Curves().GetBoundaryMidpoint(store, 201, p1, 202, p2, mid), curve);
    // Half the length lies in the middle of the fifth of nine equal chords.
    const double chordMiddle = 10 * std::cos(5 * kDegree);
    EXPECT_NEAR(mid[0], chordMiddle * std::cos(45 * kDegree), 1e-9);
    EXPECT_NEAR(mid[1], chordMiddle * std::sin(45 * kDegree), 1e-9);
}

TEST_F(BoundaryCurveQueriesTest, ClosingStretchOfAClosedCurveIsNotTheOppositeSide)
{
    std::vector<std::array<double, 2>> circle;
    std::vector<int> nodes;
    for (int i = 0; i < 12; ++i) {
        circle.push_back({10 * std::cos(i * 30 * kDegree), 10 * std::sin(i * 30 * kDegree)});
        nodes.push_back(300 + i);
    }
    nodes.push_back(300);
    const int curve = AddCurve(circle, nodes, true);
    const double last[2] = {circle[11][0], circle[11][1]}, first[2] = {10, 0};
    double mid[2];
    EXPECT_EQ(Curves().GetBoundaryMidpoint(store, 311, last, 300, first, mid), curve);
    const double chordMiddle = 10 * std::cos(15 * kDegree);
    EXPECT_NEAR(mid[0], chordMiddle * std::cos(345 * kDegree), 1e-9);
    EXPECT_NEAR(mid[1], chordMiddle * std::sin(345 * kDegree), 1e-9);
}

TEST_F(BoundaryCurveQueriesTest, NodesThatAreNotNeighboursOnAnyCurveGiveNoCurve)
{
    AddCurve({{0, 0}, {10, 0}}, {101, 102, 103});
    AddCurve({{10, 0}, {10, 10}}, {103, 104, 101});  // holds both, apart
    const double p1[2] = {0, 0}, p2[2] = {10, 0};
    double mid[2];
    EXPECT_EQ(Curves().GetBoundaryMidpoint(store, 101, p1, 103, p2, mid), 0);
    EXPECT_EQ(mid[0], 5.0);
    EXPECT_EQ(Curves().FindBoundaryCurveOfNodes(101, 103, 0), 1);
    EXPECT_EQ(Curves().FindBoundaryCurveOfNodes(101, 103, 1), 2);
    EXPECT_EQ(Curves().FindBoundaryCurveOfNodes(101, 999, 0), 0);
}

TEST_F(BoundaryCurveQueriesTest, InsertedNodeJoinsTheChainBetweenItsNeighboursOnly)
{
    AddCurve({{0, 0}, {10, 0}}, {101, 102, 103});
    Curves().InsertBetween(1, 103, 102, 150);
    Curves().InsertBetween(1, 101, 103, 151);  // not neighbours: no place
    Curves().InsertBetween(1, 102, 150, 150);  // already there
    EXPECT_EQ(domain.loops[0].curves[0].meshNodeIds, (std::vector<int>{101, 102, 150, 103}));
    // The queries know the new node at once.
    EXPECT_EQ(Curves().FindBoundaryCurveOfNodes(150, 101, 0), 1);
    EXPECT_EQ(Curves().FindBoundaryCurveOfNodes(151, 101, 0), 0);
}

}  // namespace
