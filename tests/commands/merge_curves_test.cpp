#include "TopologyTestSupport.h"

#include "model/TextFormat.h"

namespace {

class MergeCurvesTest : public TopologyTest {
protected:
    MergeCurvesTest()
    {
        for (int k = 0; k < 6; ++k)
            p.push_back(AddPoint(10.0 * k, 0.0));
    }

    std::vector<int> p;  // points 0 to 5 along the x axis
};

// Two lines given as indices into p; which one leads and how the merged
// curve runs.
struct TwoLineCase {
    const char* name;
    std::array<int, 2> a;
    std::array<int, 2> b;
    bool aLeads;
    std::vector<int> merged;  // indices into p
};

const TwoLineCase kTwoLineCases[] = {
    {"EndMeetsStart", {1, 2}, {2, 3}, true, {1, 2, 3}},
    {"StartsMeet", {1, 2}, {1, 3}, true, {2, 1, 3}},
    {"EndsMeet", {1, 2}, {3, 2}, true, {1, 2, 3}},
    {"StartMeetsEnd", {1, 2}, {3, 1}, false, {3, 1, 2}},
};

TEST_F(MergeCurvesTest, TwoLinesBecomeTheLeadingOne)
{
    for (const TwoLineCase& c : kTwoLineCases) {
        SCOPED_TRACE(c.name);
        model.m_curves.clear();
        model.ClearUndoStorage();
        user.ClearRecords();
        const int a = AddCurveThrough({p[c.a[0]], p[c.a[1]]});
        const int b = AddCurveThrough({p[c.b[0]], p[c.b[1]]});
        const int target = c.aLeads ? a : b;
        const int absorbed = c.aLeads ? b : a;
        const ModelState before = CaptureState(model);

        ASSERT_TRUE(model.MergeCurves({a, b}));
        std::vector<int> expected;
        for (int index : c.merged)
            expected.push_back(p[index]);
        EXPECT_EQ(CurvePoints(target), expected);
        EXPECT_EQ(model.FindCurve(absorbed), nullptr);
        EXPECT_EQ(model.m_points.size(), p.size());
        EXPECT_EQ(UndoTitle(), "Merge 2 curves");
        EXPECT_EQ(user.lines, (std::vector<std::string>{"1 curve is deleted.",
                                                        FormatText("2 curves are merged into the curve [%d].", target),
                                                        "Total 1 curve group is merged."}));
        EXPECT_TRUE(user.boxes.empty());
        ExpectUndoRedoRestores(before);
    }
}

TEST_F(MergeCurvesTest, EveryChainIsMergedInOneAction)
{
    const int q0 = AddPoint(0, 50), q1 = AddPoint(10, 50), q2 = AddPoint(20, 50), q3 = AddPoint(30, 50);
    const int x1 = AddCurveThrough({p[0], p[1]});
    const int y1 = AddCurveThrough({q0, q1});
    const int x2 = AddCurveThrough({p[1], p[2]});
    const int y2 = AddCurveThrough({q2, q1});
    const int y3 = AddCurveThrough({q2, q3});
    const ModelState before = CaptureState(model);

    ASSERT_TRUE(model.MergeCurves({x1, y1, x2, y2, y3}));
    EXPECT_EQ(AllCurveIds(), (std::vector<int>{x1, y1}));
    EXPECT_EQ(CurvePoints(x1), (std::vector<int>{p[0], p[1], p[2]}));
    EXPECT_EQ(CurvePoints(y1), (std::vector<int>{q0, q1, q2, q3}));
    EXPECT_EQ(model.m_undoActions.size(), 1u);
    EXPECT_EQ(UndoTitle(), "Merge 5 curves");
    EXPECT_EQ(user.lines, (std::vector<std::string>{"1 curve is deleted.",
                                                    FormatText("2 curves are merged into the curve [%d].", x1),
                                                    "2 curves are deleted.",
                                                    FormatText("3 curves are merged into the curve [%d].", y1),
                                                    "Total 2 curve groups are merged."}));
    ExpectUndoRedoRestores(before);
}

TEST_F(MergeCurvesTest, RingBecomesOneClosedCurve)
{
    const int top = AddPoint(5, 20);
    const int a = AddCurveThrough({p[0], p[1]});
    const int b = AddCurveThrough({p[1], top});
    const int c = AddCurveThrough({top, p[0]});
    ASSERT_TRUE(model.MergeCurves({a, b, c}));
    EXPECT_EQ(AllCurveIds(), std::vector<int>{a});
    EXPECT_EQ(CurvePoints(a), (std::vector<int>{p[0], p[1], top, p[0]}));
}

TEST_F(MergeCurvesTest, TargetKeepsItsWidthAndAlignment)
{
    const int a = AddCurveThrough({p[0], p[1]});
    const int b = AddCurveThrough({p[1], p[2]});
    model.FindCurve(a)->alignment = ALIGN_LEFT;
    model.FindCurve(a)->width = 5.0;
    model.FindCurve(b)->alignment = ALIGN_RIGHT;
    model.FindCurve(b)->width = 9.0;
    ASSERT_TRUE(model.MergeCurves({a, b}));
    EXPECT_EQ(model.FindCurve(a)->alignment, ALIGN_LEFT);
    EXPECT_EQ(model.FindCurve(a)->width, 5.0);
}

TEST_F(MergeCurvesTest, RefusalsChangeNothingAndOpenNoAction)
{
    const int a = AddCurveThrough({p[0], p[1]});
    const int apart = AddCurveThrough({p[3], p[4]});
    const ModelState before = CaptureState(model);

    EXPECT_FALSE(model.MergeCurves({a, apart}));
    EXPECT_FALSE(model.MergeCurves({a}));
    EXPECT_FALSE(model.MergeCurves({a, a}));  // one curve, listed twice
    EXPECT_TRUE(user.boxes.empty());
    EXPECT_FALSE(model.MergeCurves({a, 42, apart}));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Cannot find curve [ID:42] object."});
    EXPECT_TRUE(user.lines.empty());
    EXPECT_EQ(CaptureState(model), before);
    EXPECT_TRUE(model.IsUndoEmpty());
}

TEST_F(MergeCurvesTest, CurvesOfSectionsAndLoopsStayOut)
{
    const int ofSection = AddCurveThrough({p[0], p[1]});
    AddSection(SECTION_LINE, {ofSection});
    const int a = AddCurveThrough({p[1], p[2]});
    const int b = AddCurveThrough({p[2], p[3]});
    ASSERT_TRUE(model.MergeCurves({ofSection, a, b}));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Curve belonging to the section or the closed loop will be "
                                                        "skipped in this operation."});
    EXPECT_EQ(CurvePoints(ofSection), (std::vector<int>{p[0], p[1]}));
    EXPECT_EQ(CurvePoints(a), (std::vector<int>{p[1], p[2], p[3]}));
    EXPECT_EQ(model.FindCurve(b), nullptr);
    EXPECT_EQ(UndoTitle(), "Merge 2 curves");

    // Curves of a registered loop are skipped as well, leaving nothing to merge.
    const int top = AddPoint(20, 30);
    const int c = AddCurveThrough({p[3], top});
    const int d = AddCurveThrough({top, p[1]});
    AddLoop({a, c, d});
    user.ClearRecords();
    EXPECT_FALSE(model.MergeCurves({a, c}));
    EXPECT_EQ(user.boxes.size(), 1u);
}

TEST_F(MergeCurvesTest, CurveListedTwiceIsMergedOnce)
{
    const int a = AddCurveThrough({p[0], p[1]});
    const int b = AddCurveThrough({p[1], p[2]});
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.MergeCurves({a, b, a, b}));
    EXPECT_EQ(AllCurveIds(), std::vector<int>{a});
    EXPECT_EQ(CurvePoints(a), (std::vector<int>{p[0], p[1], p[2]}));
    EXPECT_EQ(UndoTitle(), "Merge 2 curves");
    EXPECT_EQ(user.lines[1], FormatText("2 curves are merged into the curve [%d].", a));
    ExpectUndoRedoRestores(before);
}

} // namespace
