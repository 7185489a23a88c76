#include "view/Snapping.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// One drawing unit per pixel, the origin at client (100, 100), y up.
void Project(double x, double y, double client[2])
{
    client[0] = 100.0 + x;
    client[1] = 100.0 - y;
}

struct SnapCase {
    std::string name;
    bool gridSnap;
    bool pointSnap;
    double mouse[2];  // drawing coordinates of the cursor
    std::vector<SnapCandidate> points;
    bool snapped;
    double point[2];
    int pointId;
};

class SnapTable : public testing::TestWithParam<SnapCase> {};

TEST_P(SnapTable, ChoosesTheTargetOfTheTieRules)
{
    const SnapCase& c = GetParam();
    SnapRequest request;
    double mouse[2];
    Project(c.mouse[0], c.mouse[1], mouse);
    request.mouseX = static_cast<int>(mouse[0]);
    request.mouseY = static_cast<int>(mouse[1]);
    request.gridSnap = c.gridSnap;
    request.pointSnap = c.pointSnap;
    request.gridCountHorizontal = 3;
    request.gridCountVertical = 3;
    request.gridSize = 10.0;
    request.points = c.points;
    const SnapResult result = SnapCursorTo(request, Project);
    ASSERT_EQ(result.snapped, c.snapped);
    EXPECT_EQ(result.pointId, c.pointId);
    if (!c.snapped)
        return;
    EXPECT_DOUBLE_EQ(result.point[0], c.point[0]);
    EXPECT_DOUBLE_EQ(result.point[1], c.point[1]);
    double client[2];
    Project(c.point[0], c.point[1], client);
    EXPECT_EQ(result.screen[0], static_cast<int>(client[0]));
    EXPECT_EQ(result.screen[1], static_cast<int>(client[1]));
}

// Ties are exact on whole pixels; a point between pixels shows truncated.
INSTANTIATE_TEST_SUITE_P(
    Snapping, SnapTable,
    testing::Values(
        SnapCase{"GridNodeNearest", true, false, {13, 14}, {}, true, {10, 10}, -1},
        SnapCase{"GridBeyondItsCountsTakesTheOuterNode", true, false, {47, -52}, {}, true, {30, -30}, -1},
        SnapCase{"TwoGridNodesTiedTheFirstVisitedWins", true, false, {15, 20}, {}, true, {10, 20}, -1},
        SnapCase{"NoSnapWithoutGridOrPoints", false, false, {13, 14}, {{1, 13, 14}}, false, {0, 0}, -1},
        SnapCase{"PointSnapWithoutPointsLeavesTheGrid", true, true, {13, 14}, {}, true, {10, 10}, -1},
        SnapCase{"PointSnapWithoutPointsOrGridSnapsNothing", false, true, {13, 14}, {}, false, {0, 0}, -1},
        SnapCase{"PointNearerThanTheGridWins", true, true, {13, 14}, {{7, 12.6, 14.4}}, true, {12.6, 14.4}, 7},
        SnapCase{"PointAsNearAsTheGridNodeWins", true, true, {15, 20}, {{4, 20, 20}}, true, {20, 20}, 4},
        SnapCase{"PointFartherThanTheGridLosesAndNamesNoPoint", true, true, {12, 11}, {{3, 25, 25}}, true,
                 {10, 10}, -1},
        SnapCase{"TwoPointsTiedTheLastInKeyOrderWins", false, true, {5, 0}, {{1, 0, 0}, {2, 10, 0}, {3, 40, 40}},
                 true, {10, 0}, 2},
        SnapCase{"PointSnapAloneTakesAFarPoint", false, true, {-200, 300}, {{9, 25, 25}}, true, {25, 25}, 9}),
    [](const testing::TestParamInfo<SnapCase>& info) { return info.param.name; });

TEST(GridNodes, AreVisitedAsTheGridIsDrawn)
{
    std::vector<std::pair<double, double>> nodes;
    ForEachGridNode(1, 2, 5.0, [&](double x, double y) { nodes.emplace_back(x, y); });
    ASSERT_EQ(nodes.size(), 15u);  // x over -2..2, y over -1..1
    EXPECT_EQ(nodes.front(), std::make_pair(-10.0, -5.0));
    EXPECT_EQ(nodes[1], std::make_pair(-10.0, 0.0));
    EXPECT_EQ(nodes.back(), std::make_pair(10.0, 5.0));
}

TEST(EndlessGrid, WindowCornersSnapToTheNearestNodeWhereverTheDrawnGridEnds)
{
    const struct {
        const char* name;
        double mouse[2];
        std::vector<SnapCandidate> points;
        double point[2];
        int pointId;
    } cases[] = {
        {"InsideTheDrawnGrid", {13, 14}, {}, {10, 10}, -1},
        {"BeyondTheDrawnGrid", {47, -52}, {}, {50, -50}, -1},
        {"FarBeyondOnTheOtherSide", {-204, 96}, {}, {-200, 100}, -1},
        {"ANearerPointStillWins", {47, -52}, {{5, 48, -51}}, {48, -51}, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SnapRequest request;
        double mouse[2];
        Project(c.mouse[0], c.mouse[1], mouse);
        request.mouseX = static_cast<int>(mouse[0]);
        request.mouseY = static_cast<int>(mouse[1]);
        request.gridSnap = true;
        request.pointSnap = !c.points.empty();
        request.gridCountHorizontal = 3;
        request.gridCountVertical = 3;
        request.gridSize = 10.0;
        request.points = c.points;
        request.endlessGrid = true;
        request.mouseInDrawing[0] = c.mouse[0];
        request.mouseInDrawing[1] = c.mouse[1];
        const SnapResult result = SnapCursorTo(request, Project);
        ASSERT_TRUE(result.snapped);
        EXPECT_DOUBLE_EQ(result.point[0], c.point[0]);
        EXPECT_DOUBLE_EQ(result.point[1], c.point[1]);
        EXPECT_EQ(result.pointId, c.pointId);
    }
}

}  // namespace
