#include "CommandTestSupport.h"

namespace {

// The services run inside an action the caller has opened, after saving the
// curve; these tests play that caller.
class CurveInsertSplitTest : public CommandTest {
protected:
    void Insert(int curveId, std::vector<double> ratios)
    {
        model.BeginUndoAction();
        model.SaveCurveForUndo(model.FindCurve(curveId), false);
        model.InsertPointsIntoCurve(model.FindCurve(curveId), ratios);
    }

    void Split(int curveId, std::vector<double> ratios)
    {
        model.BeginUndoAction();
        model.SaveCurveForUndo(model.FindCurve(curveId), false);
        model.SplitCurveAtPoints(model.FindCurve(curveId), ratios);
    }
};

TEST_F(CurveInsertSplitTest, CloseRatiosAreThinnedToTheLastOne)
{
    const int line = AddCurve({{0, 0}, {100, 0}});
    std::vector<double> ratios = {0.3005, 0.3, 0.6, 0.6009, 0.6018};
    model.BeginUndoAction();
    model.InsertPointsIntoCurve(model.FindCurve(line), ratios);
    EXPECT_EQ(ratios, (std::vector<double>{0.3005, 0.6018}));
    EXPECT_EQ(CurvePoints(line), (std::vector<int>{1, 3, 4, 2}));
    ExpectPointAt(3, 30.05, 0, 1e-9);
    ExpectPointAt(4, 60.18, 0, 1e-9);
    EXPECT_EQ(user.LastLine(), "2 point are inserted into the curve [1] ");
}

TEST_F(CurveInsertSplitTest, InsertReusesPointsAndCountsOnlyWhatItAdds)
{
    const int line = AddCurve({{0, 0}, {50, 0}, {100, 0}});
    const int other = AddPoint(80.3, 0.4);
    const ModelState before = CaptureState(model);
    // 0.496 falls on the middle vertex, 0.8 near the point of another curve.
    Insert(line, {0.496, 0.8});
    EXPECT_EQ(CurvePoints(line), (std::vector<int>{1, 2, other, 3}));
    EXPECT_EQ(model.m_points.size(), 4u);
    EXPECT_EQ(user.lines, std::vector<std::string>{"1 point is inserted into the curve [1] "});
    ExpectUndoRedoRestores(before);

    // Nothing to add: no line at all.
    user.ClearRecords();
    Insert(line, {0.002});
    EXPECT_EQ(CurvePoints(line), (std::vector<int>{1, 2, other, 3}));
    EXPECT_TRUE(user.lines.empty());
}

TEST_F(CurveInsertSplitTest, RatiosThatResolveToOnePointInsertItOnce)
{
    const int line = AddCurve({{0, 0}, {100, 0}});
    Insert(line, {0.5, 0.503});
    EXPECT_EQ(CurvePoints(line), (std::vector<int>{1, 3, 2}));
    EXPECT_EQ(NewcomerPoints(), (std::vector<int>{3}));
    EXPECT_EQ(user.LastLine(), "1 point is inserted into the curve [1] ");
}

TEST_F(CurveInsertSplitTest, ClosedCurveIsMeasuredFromItsFirstPoint)
{
    const int square = AddCurve({{0, 0}, {100, 0}, {100, 100}, {0, 100}});
    model.FindCurve(square)->pointIds.push_back(1);
    Insert(square, {0.625});
    EXPECT_EQ(CurvePoints(square), (std::vector<int>{1, 2, 3, 5, 4, 1}));
    ExpectPointAt(5, 50, 100, 1e-9);
}

TEST_F(CurveInsertSplitTest, CoincidentPointsNeverDivideByZero)
{
    const int a = AddPoint(5, 5);
    const int b = AddPoint(5, 5);
    const int collapsed = AddCurveThrough({a, b});
    const ModelState before = CaptureState(model);
    Insert(collapsed, {0.5});
    Split(collapsed, {0.5});
    EXPECT_EQ(CaptureState(model), before);
    EXPECT_TRUE(user.lines.empty());
}

TEST_F(CurveInsertSplitTest, SplitLineCopiesItsAttributesAndJoinsItsSection)
{
    const int line = AddCurve({{0, 0}, {100, 0}});
    T_CURVE_D* curve = model.FindCurve(line);
    curve->width = 4.0;
    curve->alignment = ALIGN_RIGHT;
    auto section = std::make_unique<T_SECTION_D>();
    section->id = 1;
    section->curveIds = {line};
    model.m_sections[1] = std::move(section);
    curve->sectionId = 1;
    const ModelState before = CaptureState(model);

    Split(line, {0.5});
    EXPECT_EQ(CurvePoints(line), (std::vector<int>{1, 3}));
    const T_CURVE_D* piece = model.FindCurve(2);
    ASSERT_NE(piece, nullptr);
    EXPECT_EQ(piece->pointIds, (std::vector<int>{3, 2}));
    EXPECT_EQ(piece->width, 4.0);
    EXPECT_EQ(piece->alignment, ALIGN_RIGHT);
    EXPECT_EQ(piece->sectionId, 1);
    EXPECT_EQ(model.FindSection(1)->curveIds, (std::vector<int>{1, 2}));
    EXPECT_EQ(user.LastLine(), "Curve [1] is split into 2 curves: curve [1] - curve [2] ");
    EXPECT_EQ(NewcomerCurves(), (std::vector<int>{2}));
    EXPECT_EQ(NewcomerPoints(), (std::vector<int>{3}));
    ExpectUndoRedoRestores(before);
}

TEST_F(CurveInsertSplitTest, SplitRethreadsLoopsBothWays)
{
    model.m_nextCurveId = 5;
    const int curve = AddCurve({{0, 0}, {100, 0}, {100, 100}});
    const int closing = AddCurveThrough({3, 1});
    const int forward = AddLoop({curve, closing});
    const int backward = AddLoop({-closing, -curve});
    model.m_nextCurveId = 12;
    const ModelState before = CaptureState(model);

    Split(curve, {0.25, 0.75});
    EXPECT_EQ(model.FindClosedLoop(forward)->curveIds, (std::vector<int>{5, 12, 13, 6}));
    EXPECT_EQ(model.FindClosedLoop(backward)->curveIds, (std::vector<int>{-6, -13, -12, -5}));
    EXPECT_EQ(CurvePoints(5), (std::vector<int>{1, 4}));
    EXPECT_EQ(CurvePoints(12), (std::vector<int>{4, 2, 5}));
    EXPECT_EQ(CurvePoints(13), (std::vector<int>{5, 3}));
    for (int piece : {12, 13})
        EXPECT_EQ(model.FindCurve(piece)->closedLoopIds, (std::vector<int>{forward, backward}));
    EXPECT_EQ(user.LastLine(), "Curve [5] is split into 3 curves: curve [5] - curve [12] - curve [13] ");
    ExpectUndoRedoRestores(before);
}

TEST_F(CurveInsertSplitTest, SplitAtAVertexCutsThere)
{
    const int curve = AddCurve({{0, 0}, {50, 0}, {100, 0}});
    Split(curve, {0.498});
    EXPECT_EQ(CurvePoints(curve), (std::vector<int>{1, 2}));
    EXPECT_EQ(CurvePoints(2), (std::vector<int>{2, 3}));
    EXPECT_TRUE(NewcomerPoints().empty());
}

TEST_F(CurveInsertSplitTest, CutsOnTheEndsOrOnEachOtherMakeNoSinglePointPiece)
{
    const int line = AddCurve({{0, 0}, {100, 0}});
    const ModelState before = CaptureState(model);
    // Near the first point, near the last point: nothing to cut.
    Split(line, {0.004, 0.996});
    EXPECT_EQ(CaptureState(model), before);
    EXPECT_TRUE(user.lines.empty());

    // Two cuts resolving to one new point give one cut.
    Split(line, {0.5, 0.505});
    EXPECT_EQ(CurvePoints(line), (std::vector<int>{1, 3}));
    EXPECT_EQ(CurvePoints(2), (std::vector<int>{3, 2}));
    EXPECT_EQ(model.m_curves.size(), 2u);
    EXPECT_EQ(user.LastLine(), "Curve [1] is split into 2 curves: curve [1] - curve [2] ");
}

} // namespace
