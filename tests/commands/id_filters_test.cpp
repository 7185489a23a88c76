#include "TopologyTestSupport.h"

namespace {

// Curves: 1 a section's, 2 a loop's (with 3), 3 the loop's other curve, 4 free.
class IdFiltersTest : public TopologyTest {
protected:
    IdFiltersTest()
    {
        sectionLine = AddCurve({{0, 0}, {10, 0}});          // points 1, 2
        loopLine1 = AddCurve({{0, 20}, {10, 20}});          // points 3, 4
        loopLine2 = AddCurveThrough({4, AddPoint(5, 30), 3});  // point 5
        freeLine = AddCurve({{0, 40}, {10, 40}});           // points 6, 7
        centroid = AddPoint(5, 5);                          // point 8
        AddSection(SECTION_LINE, {sectionLine}, centroid);
        AddLoop({loopLine1, -loopLine2});
    }

    int sectionLine = 0, loopLine1 = 0, loopLine2 = 0, freeLine = 0, centroid = 0;
};

TEST_F(IdFiltersTest, CurveFiltersKeepOrderAndMissingIds)
{
    std::vector<int> ids = {freeLine, 99, sectionLine, loopLine2, loopLine1};
    EXPECT_TRUE(model.RemoveSectionCurves(ids));
    EXPECT_EQ(ids, (std::vector<int>{freeLine, 99, loopLine2, loopLine1}));
    EXPECT_TRUE(model.RemoveClosedLoopCurves(ids));
    EXPECT_EQ(ids, (std::vector<int>{freeLine, 99}));
    EXPECT_FALSE(model.RemoveClosedLoopCurves(ids));
}

TEST_F(IdFiltersTest, PointFiltersProtectSectionCurvesCentroidsAndLoops)
{
    std::vector<int> ids = {6, 1, centroid, 99, 5, 7, 2, 3};
    EXPECT_TRUE(model.RemoveSectionPoints(ids));
    EXPECT_EQ(ids, (std::vector<int>{6, 99, 5, 7, 3}));
    EXPECT_TRUE(model.RemoveClosedLoopPoints(ids));
    EXPECT_EQ(ids, (std::vector<int>{6, 99, 7}));

    // An invalidated section no longer protects its centroid point.
    model.FindSection(1)->propertiesCalculated = false;
    std::vector<int> centroidOnly = {centroid};
    EXPECT_FALSE(model.RemoveSectionPoints(centroidOnly));
    EXPECT_EQ(centroidOnly, std::vector<int>{centroid});
}

TEST_F(IdFiltersTest, CompletenessOfClosedLoops)
{
    EXPECT_TRUE(model.AreClosedLoopsComplete({}));
    EXPECT_TRUE(model.AreClosedLoopsComplete({freeLine, sectionLine}));
    EXPECT_FALSE(model.AreClosedLoopsComplete({loopLine1, freeLine}));
    EXPECT_TRUE(model.AreClosedLoopsComplete({loopLine2, loopLine1}));

    EXPECT_TRUE(model.AreClosedLoopPointsComplete({}));
    EXPECT_TRUE(model.AreClosedLoopPointsComplete({1, 6}));
    EXPECT_FALSE(model.AreClosedLoopPointsComplete({3, 4}));
    EXPECT_TRUE(model.AreClosedLoopPointsComplete({5, 4, 3, 6}));
}

} // namespace
