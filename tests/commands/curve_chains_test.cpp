#include "TopologyTestSupport.h"

#include "model/Geometry.h"

#include <cmath>

namespace {

// Curves given as point-id lists; the chain and rest of listing them in order.
struct ChainCase {
    const char* name;
    std::vector<std::vector<int>> curves;  // point ids of curves 1, 2, ...
    std::vector<int> listed;
    std::vector<int> chain;
    std::vector<int> rest;
};

class ChainCurvesTest : public TopologyTest, public ::testing::WithParamInterface<ChainCase> {};

TEST_P(ChainCurvesTest, ChainsByTheOrderOfTheList)
{
    const ChainCase& c = GetParam();
    for (int i = 0; i < 6; ++i)
        AddPoint(i, 0);  // points 1..6
    for (const auto& pointIds : c.curves)
        AddCurveThrough(pointIds);
    std::vector<int> chain = {99};
    std::vector<int> rest = {99};
    model.ChainCurves(c.listed, chain, rest);
    EXPECT_EQ(chain, c.chain);
    EXPECT_EQ(rest, c.rest);
}

// Points: a=1, b=2, c=3, d=4, x=5.
INSTANTIATE_TEST_SUITE_P(
    Table, ChainCurvesTest,
    ::testing::Values(
        ChainCase{"OneCurve", {{1, 2}}, {1}, {1}, {}},
        ChainCase{"TwoEndToEnd", {{1, 2}, {2, 3}}, {1, 2}, {1, 2}, {}},
        ChainCase{"TwoSecondFirst", {{2, 3}, {1, 2}}, {1, 2}, {2, 1}, {}},
        ChainCase{"TwoFromTheSameStart", {{2, 1}, {2, 3}}, {1, 2}, {-1, 2}, {}},
        ChainCase{"TwoMeetingHeadOn", {{1, 2}, {3, 2}}, {1, 2}, {1, -2}, {}},
        ChainCase{"TwoApart", {{1, 2}, {3, 4}}, {1, 2}, {1}, {2}},
        ChainCase{"Triangle", {{1, 2}, {2, 3}, {3, 1}}, {1, 2, 3}, {1, 2, 3}, {}},
        ChainCase{"BranchAtX", {{1, 5}, {5, 2}, {5, 3}}, {1, 2, 3}, {1, 2}, {3}},
        ChainCase{"FreeFirstPointWins", {{1, 2}, {2, 3}, {3, 4}}, {2, 3, 1}, {1, 2, 3}, {}},
        ChainCase{"FreeLastPoint", {{2, 1}, {2, 3}, {3, 4}}, {1, 2, 3}, {-1, 2, 3}, {}},
        ChainCase{"MissingCurveEmptiesBoth", {{1, 2}, {2, 3}}, {1, 7}, {}, {}},
        ChainCase{"NothingListed", {{1, 2}}, {}, {}, {}}),
    [](const ::testing::TestParamInfo<ChainCase>& info) { return std::string(info.param.name); });

class MergeStraightLinesTest : public TopologyTest {
protected:
    // Lines a-b, b-c, c-d along the x-axis, the middle one bent so that the
    // joint at c has the given angle.
    std::vector<int> BentPolyline(double angleAtC)
    {
        const int a = AddPoint(0, 0);
        const int b = AddPoint(100, 0);
        const int c = AddPoint(200, 0);
        const double turn = DegToRad(180.0 - angleAtC);
        const int d = AddPoint(200 + 100 * std::cos(turn), 100 * std::sin(turn));
        return {AddCurveThrough({a, b}), AddCurveThrough({b, c}), AddCurveThrough({c, d})};
    }
};

TEST_F(MergeStraightLinesTest, CollinearRunBecomesOneLineWithTheFirstId)
{
    std::vector<int> lines = BentPolyline(180.0);
    const ModelState before = CaptureState(model);
    model.MergeStraightLines(lines, 1.0);
    EXPECT_EQ(lines, std::vector<int>{1});
    EXPECT_EQ(AllCurveIds(), std::vector<int>{1});
    EXPECT_EQ(CurvePoints(1), (std::vector<int>{1, 4}));
    EXPECT_EQ(AllPointIds(), (std::vector<int>{1, 4}));
    EXPECT_EQ(UndoTitle(), "Merge straigt lines to generate plane sections.");
    EXPECT_EQ(user.lines, (std::vector<std::string>{"2 curves are deleted.", "2 points are deleted."}));
    EXPECT_TRUE(user.boxes.empty());
    ExpectUndoRedoRestores(before);
}

TEST_F(MergeStraightLinesTest, AngleToleranceDecidesAtTheJoint)
{
    for (const auto& [tolerance, merged] : {std::pair{0.5, true}, std::pair{0.4, false}}) {
        SCOPED_TRACE(tolerance);
        model.m_points.clear();
        model.m_curves.clear();
        model.ClearUndoStorage();
        std::vector<int> lines = BentPolyline(179.55);
        model.MergeStraightLines(lines, tolerance);
        // The straight joint at b always merges; the bent one at c only within the tolerance.
        EXPECT_EQ(model.m_curves.size(), merged ? 1u : 2u);
    }
}

TEST_F(MergeStraightLinesTest, NeverAtAJointOfThreeEnds)
{
    std::vector<int> lines = BentPolyline(180.0);
    const int spur = AddCurveThrough({2, AddPoint(100, 50)});  // a third end at b
    lines.push_back(spur);
    model.MergeStraightLines(lines, 1.0);
    EXPECT_EQ(CurvePoints(1), (std::vector<int>{1, 2}));
    EXPECT_EQ(CurvePoints(2), (std::vector<int>{2, 4}));
    EXPECT_EQ(AllCurveIds(), (std::vector<int>{1, 2, spur}));
}

TEST_F(MergeStraightLinesTest, JointUsedByAnUnlistedCurveStays)
{
    std::vector<int> lines = BentPolyline(180.0);
    // An unlisted polyline through c: merging there would delete c and reshape it.
    const int outside = AddCurveThrough({AddPoint(200, 80), 3, AddPoint(200, -80)});
    const std::vector<int> outsidePoints = CurvePoints(outside);
    model.MergeStraightLines(lines, 1.0);
    EXPECT_EQ(CurvePoints(outside), outsidePoints);
    EXPECT_EQ(CurvePoints(1), (std::vector<int>{1, 3}));
    EXPECT_EQ(CurvePoints(3), (std::vector<int>{3, 4}));
    EXPECT_EQ(lines, (std::vector<int>{1, 3}));
    ExpectNoDanglingIds();
}

TEST_F(MergeStraightLinesTest, ClosedLoopAndSectionCurvesStayListedAndAreNeverMerged)
{
    std::vector<int> lines = BentPolyline(180.0);
    AddLoop({3});
    const int sectionLine = AddCurve({{300, 500}, {400, 500}});
    AddSection(SECTION_LINE, {sectionLine});
    lines.push_back(sectionLine);
    model.MergeStraightLines(lines, 1.0);
    // Only the absorbed line 2 leaves the list; a plane section built from it
    // still needs the loop's curve.
    EXPECT_EQ(lines, (std::vector<int>{1, 3, sectionLine}));
    EXPECT_EQ(CurvePoints(1), (std::vector<int>{1, 3}));
    EXPECT_EQ(CurvePoints(3), (std::vector<int>{3, 4}));
}

TEST_F(MergeStraightLinesTest, RingMergesAcrossItsStartAndKeepsTheCorners)
{
    // A square with a point in the middle of each side, listed from a midpoint.
    const int m1 = AddPoint(50, 0), c1 = AddPoint(100, 0), m2 = AddPoint(100, 50), c2 = AddPoint(100, 100);
    const int m3 = AddPoint(50, 100), c3 = AddPoint(0, 100), m4 = AddPoint(0, 50), c4 = AddPoint(0, 0);
    std::vector<int> lines;
    const std::vector<int> ring = {m1, c1, m2, c2, m3, c3, m4, c4, m1};
    for (size_t i = 0; i + 1 < ring.size(); ++i)
        lines.push_back(AddCurveThrough({ring[i], ring[i + 1]}));
    model.MergeStraightLines(lines, 1.0);
    EXPECT_EQ(model.m_curves.size(), 4u);
    EXPECT_EQ(AllPointIds(), (std::vector<int>{c1, c2, c3, c4}));
    ExpectNoDanglingIds();
}

TEST_F(MergeStraightLinesTest, NoMergeOpensNoAction)
{
    std::vector<int> lines = BentPolyline(90.0);
    lines[1] = lines[0];  // a repeated id
    model.MergeStraightLines(lines, 1.0);
    EXPECT_TRUE(model.IsUndoEmpty());
    EXPECT_EQ(model.m_curves.size(), 3u);
    EXPECT_TRUE(user.lines.empty());
}

} // namespace
