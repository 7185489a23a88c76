#include "TopologyTestSupport.h"

namespace {

constexpr const char* kOneCurveQuestion =
    "Closed loop, which is chained by the selected curve, will be unregistered.\n\nReally delete this curve?";
constexpr const char* kManyCurvesQuestion =
    "Closed loop, which is chained by the selected curves, will be unregistered.\n\nReally delete these curves?";

// A square of four lines registered as loop 1, and a free line beside it.
class DeleteCurvesTest : public TopologyTest {
protected:
    DeleteCurvesTest()
    {
        const int a = AddPoint(0, 0), b = AddPoint(10, 0), c = AddPoint(10, 10), d = AddPoint(0, 10);
        for (auto [from, to] : {std::pair{a, b}, std::pair{b, c}, std::pair{c, d}, std::pair{d, a}})
            square.push_back(AddCurveThrough({from, to}));
        loop = AddLoop(square);
        freeLine = AddCurve({{20, 0}, {30, 0}});
    }

    std::vector<int> square;
    int loop = 0;
    int freeLine = 0;
};

TEST_F(DeleteCurvesTest, BreakingALoopAsksInTheSingularAndUnregistersIt)
{
    const ModelState before = CaptureState(model);
    user.QueueAnswers({true});
    ASSERT_TRUE(model.DeleteCurves({square[0]}, false, true));
    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(user.questions[0].text, kOneCurveQuestion);
    EXPECT_FALSE(user.questions[0].yesIsDefault);
    EXPECT_EQ(model.FindCurve(square[0]), nullptr);
    EXPECT_TRUE(model.m_closedLoops.empty());
    for (size_t i = 1; i < square.size(); ++i)
        EXPECT_TRUE(model.FindCurve(square[i])->closedLoopIds.empty());
    EXPECT_EQ(model.m_points.size(), 6u);
    EXPECT_EQ(UndoTitle(), "Delete 1 curve");
    EXPECT_EQ(user.lines, std::vector<std::string>{"1 curve is deleted."});
    ExpectUndoRedoRestores(before);
}

TEST_F(DeleteCurvesTest, AnsweringNoChangesNothing)
{
    const ModelState before = CaptureState(model);
    user.QueueAnswers({false});
    EXPECT_FALSE(model.DeleteCurves({square[0], freeLine}, true, true));
    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(user.questions[0].text, kManyCurvesQuestion);
    EXPECT_EQ(CaptureState(model), before);
    EXPECT_TRUE(model.IsUndoEmpty());
}

TEST_F(DeleteCurvesTest, WholeLoopGoesWithoutAQuestionAndWithItsPoints)
{
    const ModelState before = CaptureState(model);
    // Repeated ids count once.
    ASSERT_TRUE(model.DeleteCurves({square[2], square[0], square[1], square[3], square[0]}, true, true));
    EXPECT_TRUE(user.questions.empty());
    EXPECT_EQ(AllCurveIds(), std::vector<int>{freeLine});
    EXPECT_TRUE(model.m_closedLoops.empty());
    EXPECT_EQ(model.m_points.size(), 2u);
    EXPECT_EQ(UndoTitle(), "Delete 4 curves");
    EXPECT_EQ(user.lines, std::vector<std::string>{"4 curves are deleted."});
    ExpectUndoRedoRestores(before);
}

TEST_F(TopologyTest, DeletingPointsKeepsSharedPointsAndCalculatedCentroids)
{
    const int a = AddPoint(0, 0), b = AddPoint(10, 0), c = AddPoint(20, 0);
    const int first = AddCurveThrough({a, b});
    AddCurveThrough({b, c});
    const int centroid = AddPoint(0, 50), lonely = AddPoint(10, 50);
    const int centroidLine = AddCurveThrough({centroid, lonely});
    AddSection(SECTION_PLANE, {AddCurve({{100, 100}, {110, 100}})}, centroid);
    ASSERT_TRUE(model.DeleteCurves({first, centroidLine}, true, true));
    EXPECT_EQ(model.FindPoint(a), nullptr);
    EXPECT_EQ(model.FindPoint(lonely), nullptr);
    EXPECT_NE(model.FindPoint(b), nullptr);
    EXPECT_NE(model.FindPoint(centroid), nullptr);
}

TEST_F(DeleteCurvesTest, SectionCurvesAreSkippedWithTheInformationBox)
{
    AddSection(SECTION_LINE, {freeLine});
    const int spare = AddCurve({{40, 0}, {50, 0}});
    ASSERT_TRUE(model.DeleteCurves({freeLine, spare}, false, true));
    EXPECT_EQ(user.BoxTexts(),
              std::vector<std::string>{"Curve belonging to the section will be skipped in this operation."});
    EXPECT_NE(model.FindCurve(freeLine), nullptr);
    EXPECT_EQ(model.FindCurve(spare), nullptr);
    EXPECT_EQ(user.LastLine(), "1 curve is deleted.");

    user.ClearRecords();
    EXPECT_FALSE(model.DeleteCurves({freeLine}, false, true));
    EXPECT_EQ(user.boxes.size(), 1u);
}

TEST_F(DeleteCurvesTest, MissingCurveOrPointRefusesBeforeAnyChange)
{
    const ModelState before = CaptureState(model);
    EXPECT_FALSE(model.DeleteCurves({freeLine, 42}, false, true));
    model.FindCurve(freeLine)->pointIds.push_back(77);
    EXPECT_FALSE(model.DeleteCurves({freeLine}, false, true));
    EXPECT_EQ(user.BoxTexts(), (std::vector<std::string>{"Cannot find curve [ID:42] object.",
                                                         "Cannot find point [ID:77] object."}));
    EXPECT_TRUE(model.IsUndoEmpty());
    model.FindCurve(freeLine)->pointIds.pop_back();
    EXPECT_EQ(CaptureState(model), before);
}

TEST_F(DeleteCurvesTest, WithoutANewActionTheCallersTitleStays)
{
    model.BeginUndoAction();
    model.SetUndoActionTitle("Merge curves");
    ASSERT_TRUE(model.DeleteCurves({freeLine}, false, false));
    EXPECT_EQ(UndoTitle(), "Merge curves");
    EXPECT_EQ(model.m_undoActions.size(), 1u);
}

} // namespace
