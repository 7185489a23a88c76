#include "TopologyTestSupport.h"

namespace {

constexpr const char* kSkipInformation =
    "Point belonging to the section or the closed loop will be skipped in this operation.";

TEST_F(TopologyTest, DeletingTheMiddlePointKeepsTheCurveBetweenItsEnds)
{
    const int polyline = AddCurve({{0, 0}, {10, 0}, {20, 0}});
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.DeletePoints({2}, true));
    EXPECT_EQ(CurvePoints(polyline), (std::vector<int>{1, 3}));
    EXPECT_EQ(model.FindPoint(2), nullptr);
    EXPECT_EQ(UndoTitle(), "Delete 1 point");
    EXPECT_EQ(user.lines, std::vector<std::string>{"1 point is deleted."});
    ExpectUndoRedoRestores(before);
}

TEST_F(TopologyTest, DeletingAnEndOfALineDeletesTheLine)
{
    const int line = AddCurve({{0, 0}, {10, 0}});
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.DeletePoints({1, 1}, true));
    EXPECT_EQ(model.FindCurve(line), nullptr);
    EXPECT_NE(model.FindPoint(2), nullptr);
    EXPECT_EQ(UndoTitle(), "Delete 1 point");
    EXPECT_EQ(user.lines, std::vector<std::string>{"1 point(s) and 1 curve(s) are deleted."});
    ExpectUndoRedoRestores(before);
}

TEST_F(TopologyTest, DeletingTheFirstPointOfAClosedCurveOpensIt)
{
    AddPoint(0, 0), AddPoint(10, 0), AddPoint(5, 8);
    const int closed = AddCurveThrough({1, 2, 3, 1});
    const int other = AddCurve({{50, 0}, {60, 0}});
    ASSERT_TRUE(model.DeletePoints({1, 4}, true));
    EXPECT_EQ(CurvePoints(closed), (std::vector<int>{2, 3}));
    EXPECT_EQ(model.FindCurve(other), nullptr);
    EXPECT_EQ(UndoTitle(), "Delete 2 points");
    ExpectNoDanglingIds();
}

TEST_F(TopologyTest, DeletingPointsCountsPointsAndCurves)
{
    AddCurve({{0, 0}, {10, 0}});           // 1-2
    AddCurve({{20, 0}, {30, 0}});          // 3-4
    AddCurve({{40, 0}, {50, 0}, {60, 0}}); // 5-6-7
    ASSERT_TRUE(model.DeletePoints({1, 3, 6}, true));
    EXPECT_EQ(user.lines, std::vector<std::string>{"3 point(s) and 2 curve(s) are deleted."});
    EXPECT_EQ(AllCurveIds(), std::vector<int>{3});

    user.ClearRecords();
    ASSERT_TRUE(model.DeletePoints({2, 4}, true));
    EXPECT_EQ(user.lines, std::vector<std::string>{"2 points are deleted."});
}

TEST_F(TopologyTest, DeletingProtectedPointsIsSkipped)
{
    const int sectionLine = AddCurve({{0, 0}, {10, 0}});
    const int loopLine = AddCurve({{0, 20}, {10, 20}, {5, 30}});
    const int free = AddPoint(100, 100);
    AddSection(SECTION_LINE, {sectionLine});
    AddLoop({loopLine});
    const ModelState before = CaptureState(model);
    EXPECT_FALSE(model.DeletePoints({1, 4}, true));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{kSkipInformation});
    EXPECT_EQ(CaptureState(model), before);
    EXPECT_TRUE(model.IsUndoEmpty());

    user.ClearRecords();
    ASSERT_TRUE(model.DeletePoints({2, free}, true));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{kSkipInformation});
    EXPECT_EQ(model.FindPoint(free), nullptr);
    EXPECT_NE(model.FindPoint(2), nullptr);

    user.ClearRecords();
    EXPECT_FALSE(model.DeletePoints({3, 99}, true));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Cannot find point [ID:99] object."});
}

TEST_F(TopologyTest, DeletingPointsInsideTheCallersAction)
{
    AddCurve({{0, 0}, {10, 0}, {20, 0}});
    model.BeginUndoAction();
    model.SetUndoActionTitle("Merge curves");
    ASSERT_TRUE(model.DeletePoints({2}, false));
    EXPECT_EQ(UndoTitle(), "Merge curves");
    EXPECT_EQ(model.m_undoActions.size(), 1u);
}

TEST_F(TopologyTest, DeletingAllButOnePointOfAClosedCurveDeletesIt)
{
    const int closed = AddCurve({{0, 0}, {10, 0}, {5, 8}});
    model.FindCurve(closed)->pointIds.push_back(1);
    ASSERT_TRUE(model.DeletePoints({2, 3}, true));
    EXPECT_EQ(model.FindCurve(closed), nullptr);
    EXPECT_EQ(user.LastLine(), "2 point(s) and 1 curve(s) are deleted.");
}

} // namespace
