#include "TopologyTestSupport.h"

#include <cmath>
#include <functional>
#include <numbers>

namespace {

using Ids = std::vector<int>;

// Line 1 from (-100, 0) to (-5, 0) through points 1, 2 and line 2 from
// (0, 5) to (0, 100) through points 3, 4: their lines cross at the origin.
class FilletTest : public TopologyTest {
protected:
    FilletTest()
    {
        model.SetAngleStep(7);
        line1 = AddCurve({{-100, 0}, {-5, 0}});
        line2 = AddCurve({{0, 5}, {0, 100}});
    }

    int line1 = 0;
    int line2 = 0;
};

TEST_F(FilletTest, ARightAngleWithRadius10)
{
    model.FindCurve(line1)->width = model.FindCurve(line2)->width = 2;
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.FilletCurves(line1, line2, 10, ALIGN_RIGHT, 0));

    ExpectPointAt(2, -10, 0);
    ExpectPointAt(3, 0, 10);
    EXPECT_EQ(CurvePoints(line1), (Ids{1, 2}));
    EXPECT_EQ(CurvePoints(line2), (Ids{3, 4}));
    // A quarter circle about (-10, 10) from (-10, 0) to (0, 10): 90 / 7 gives
    // 12 parts of 7.5 degrees.
    const Ids arcPoints = CurvePoints(3);
    ASSERT_EQ(arcPoints.size(), 13u);
    EXPECT_EQ(arcPoints.front(), 2);
    EXPECT_EQ(arcPoints.back(), 3);
    for (int k = 1; k <= 11; ++k) {
        EXPECT_EQ(arcPoints[static_cast<size_t>(k)], 4 + k);
        const double angle = (-90.0 + 7.5 * k) * std::numbers::pi / 180.0;
        ExpectPointAt(4 + k, -10 + 10 * std::cos(angle), 10 + 10 * std::sin(angle), 1e-9);
    }
    ExpectPointAt(10, -2.9289321881, 2.9289321881, 1e-9);
    EXPECT_EQ(model.FindCurve(3)->alignment, ALIGN_RIGHT);
    EXPECT_EQ(model.FindCurve(3)->width, 2);
    EXPECT_EQ(UndoTitle(), "Fillet curves [1] and [2]");
    EXPECT_EQ(user.lines, std::vector<std::string>{
                              "Fillet curve [3] is inserted between curves [1] and [2] with a radius 10.000."});
    EXPECT_EQ(NewcomerCurves(), Ids{3});
    EXPECT_EQ(NewcomerPoints(), (Ids{5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
    ExpectUndoRedoRestores(before);
}

TEST_F(FilletTest, TheArcWidthIsTheGivenOneOrTheLinesCommonOne)
{
    struct Case {
        double given, width1, width2, expected;
    };
    for (const Case& c : {Case{3, 2, 2, 3}, Case{0, 2, 2, 2}, Case{-1, 2, 2.0000005, 2}, Case{0, 2, 3, 0}}) {
        SCOPED_TRACE(testing::Message() << c.given << " " << c.width1 << " " << c.width2);
        model.FindCurve(line1)->width = c.width1;
        model.FindCurve(line2)->width = c.width2;
        ASSERT_TRUE(model.FilletCurves(line1, line2, 10, ALIGN_CENTER, c.given));
        EXPECT_EQ(model.FindCurve(model.m_nextCurveId - 1)->width, c.expected);
        ASSERT_TRUE(model.Undo(false));
    }
}

TEST_F(FilletTest, RadiusZeroMeetsAtTheCrossingOnce)
{
    UseUcs(10, 20, 0);
    model.AddNewcomerPoint(4, true);
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.FilletCurves(line1, line2, 0, ALIGN_CENTER, 0));
    ExpectPointAt(2, 0, 0);
    ExpectPointAt(3, 0, 0);
    EXPECT_EQ(model.m_points.size(), 4u);
    EXPECT_EQ(user.lines, std::vector<std::string>{"Two curves [1] and [2] are connected at (-10.000, -20.000)."});
    EXPECT_EQ(UndoTitle(), "Fillet curves [1] and [2]");
    EXPECT_EQ(NewcomerPoints(), Ids{4});
    ExpectUndoRedoRestores(before);

    // Now they meet already.
    user.ClearRecords();
    const ModelState met = CaptureState(model);
    const size_t actions = model.m_undoActions.size();
    EXPECT_FALSE(model.FilletCurves(line1, line2, 5e-7, ALIGN_CENTER, 0));
    EXPECT_TRUE(user.boxes.empty());
    EXPECT_TRUE(user.lines.empty());
    EXPECT_EQ(CaptureState(model), met);
    EXPECT_EQ(model.m_undoActions.size(), actions);
}

TEST_F(FilletTest, OtherCurvesKeepTheirShapeAndAClosedCurveStaysClosed)
{
    const int third = AddCurveThrough({3, AddPoint(50, 50)});
    const int a = AddPoint(-20, -20), b = AddPoint(10, -20);
    const int closed = AddCurveThrough({2, a, b, 2});
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.FilletCurves(line1, line2, 10, ALIGN_CENTER, 0));
    // The copies of points 2 and 3 come first, then the arc's points.
    const int copy2 = b + 1, copy3 = b + 2;
    EXPECT_EQ(CurvePoints(closed), (Ids{copy2, a, b, copy2}));
    EXPECT_EQ(CurvePoints(third), (Ids{copy3, 5}));
    ExpectPointAt(copy2, -5, 0);
    ExpectPointAt(copy3, 0, 5);
    ExpectPointAt(2, -10, 0);
    const Ids newcomers = NewcomerPoints();
    ASSERT_EQ(newcomers.size(), 13u);
    EXPECT_EQ(newcomers[0], copy2);
    EXPECT_EQ(newcomers[1], copy3);
    ExpectUndoRedoRestores(before);
}

TEST_F(FilletTest, LinesSharingTheirNearEndPartThere)
{
    const int p = AddPoint(0, 0), q1 = AddPoint(-100, 0), q2 = AddPoint(0, 100);
    const int first = AddCurveThrough({q1, p}), second = AddCurveThrough({p, q2});
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.FilletCurves(first, second, 10, ALIGN_CENTER, 0));
    const int copy = q2 + 1;
    EXPECT_EQ(CurvePoints(first), (Ids{q1, p}));
    EXPECT_EQ(CurvePoints(second), (Ids{copy, q2}));
    ExpectPointAt(p, -10, 0);
    ExpectPointAt(copy, 0, 10);
    const Ids arc = CurvePoints(model.m_nextCurveId - 1);
    EXPECT_EQ(arc.front(), p);
    EXPECT_EQ(arc.back(), copy);
    EXPECT_EQ(model.m_curves.size(), 5u);
    ExpectUndoRedoRestores(before);
}

TEST_F(FilletTest, ACentroidPointAtANearEndStaysOnItsCentroid)
{
    const int section = AddSection(SECTION_LINE, {AddCurve({{-10, -10}, {0, -10}})}, 2).id;
    ASSERT_TRUE(model.FilletCurves(line1, line2, 10, ALIGN_CENTER, 0));
    const int copy = model.FindSection(section)->centroidPointId;
    EXPECT_NE(copy, 2);
    ExpectPointAt(copy, -5, 0);
    ExpectPointAt(2, -10, 0);
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(model.FindSection(section)->centroidPointId, 2);
    ExpectPointAt(2, -5, 0);
}

TEST_F(FilletTest, RefusalsChangeAndRecordNothing)
{
    const int sectionLine = AddCurve({{10, 10}, {20, 10}});
    AddSection(SECTION_LINE, {sectionLine});
    const int loopLine = AddCurve({{30, 0}, {40, 0}});
    AddLoop({loopLine});
    const int polyline = AddCurve({{0, -50}, {10, -50}, {10, -60}});
    const int broken = AddCurveThrough({1, 99});
    const int parallel = AddCurve({{-100, 10}, {-5, 10}});
    const int tenApart = AddCurve({{5, 0}, {5, -50}});
    const ModelState before = CaptureState(model);
    const std::vector<RefusedCommand> refusals = {
        {"negative radius", [&] { return model.FilletCurves(line1, line2, -1, 1, 0); },
         "Fillet radius should be greater than 0."},
        {"missing curve", [&] { return model.FilletCurves(line1, 77, 10, 1, 0); }, "Cannot find curve [ID:77] object."},
        {"section curve", [&] { return model.FilletCurves(sectionLine, line2, 10, 1, 0); },
         "Curve belonging to the section cannot be filleted."},
        {"loop curve", [&] { return model.FilletCurves(line1, loopLine, 10, 1, 0); },
         "Curve belonging to the closed loop cannot be filleted."},
        {"polyline", [&] { return model.FilletCurves(polyline, line2, 10, 1, 0); },
         "Both curves should be lines (They should have only two end points)."},
        {"missing point", [&] { return model.FilletCurves(line1, broken, 10, 1, 0); },
         "Cannot find some sub-point of the selected curves."},
        {"radius below half the gap", [&] { return model.FilletCurves(line1, tenApart, 4, 1, 0); },
         "Cannot create a fillet between these two curves with this radius.\n\n"
         "Fillet radius should be greather than 5.000."},
        {"parallel lines", [&] { return model.FilletCurves(line1, parallel, 10, 1, 0); },
         "There is no adequate intersection point between these two curves."},
        {"tangent beyond the shorter line", [&] { return model.FilletCurves(line1, line2, 100.5, 1, 0); },
         "Radius seems too large.\n\nIt is greater than the length of curve."},
    };
    ExpectEachRefused(refusals, before);
}

TEST_F(FilletTest, ARadiusTooLargeKeepsBothStores)
{
    // A third curve on a near end, which a late refusal would have detached
    // already, and a redo entry.
    AddCurveThrough({3, AddPoint(50, 50)});
    ASSERT_TRUE(model.TranslatePoints({5}, 10, 0));
    ASSERT_TRUE(model.CreatePointByCoordinate(P(70, 70).data()));
    ASSERT_TRUE(model.Undo(false));
    const ModelState before = CaptureState(model);
    const int undoTop = model.m_undoTopId, redoTop = model.m_redoTopId;
    const size_t undoCount = model.m_undoActions.size(), redoCount = model.m_redoActions.size();
    user.ClearRecords();

    EXPECT_FALSE(model.FilletCurves(line1, line2, 100.5, ALIGN_CENTER, 0));
    EXPECT_EQ(user.BoxTexts(),
              std::vector<std::string>{"Radius seems too large.\n\nIt is greater than the length of curve."});
    EXPECT_EQ(CaptureState(model), before);
    EXPECT_EQ(model.m_undoTopId, undoTop);
    EXPECT_EQ(model.m_redoTopId, redoTop);
    EXPECT_EQ(model.m_undoActions.size(), undoCount);
    EXPECT_EQ(model.m_redoActions.size(), redoCount);
    ASSERT_TRUE(model.Redo());
    EXPECT_EQ(model.m_points.size(), 6u);
}

TEST_F(FilletTest, ALineShrunkToWithinTheToleranceIsDeleted)
{
    // A round fillet: line 1 now runs from (-10.5, 0) and its tangent point
    // is (-10, 0).
    model.FindPoint(1)->xy[0] = -10.5;
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.FilletCurves(line1, line2, 10, ALIGN_CENTER, 0));
    EXPECT_EQ(model.FindCurve(line1), nullptr);
    ExpectPointAt(1, -10.5, 0);
    ExpectPointAt(2, -10, 0);
    EXPECT_EQ(CurvePoints(3).front(), 2);
    ExpectNoDanglingIds();
    ExpectUndoRedoRestores(before);
}

TEST_F(FilletTest, ASharpCornerDeletesALineLeftShorterThanTheTolerance)
{
    // Line 3 from (0.4, 0) to (3, 0) and line 4 from (2, 4) to (10, 20) cross
    // at the origin, 0.4 from line 3's far end.
    const int shortLine = AddCurve({{0.4, 0}, {3, 0}});
    const int slanted = AddCurve({{2, 4}, {10, 20}});
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.FilletCurves(shortLine, slanted, 0, ALIGN_CENTER, 0));
    EXPECT_EQ(model.FindCurve(shortLine), nullptr);
    ExpectPointAt(6, 0, 0);
    ExpectPointAt(7, 0, 0);
    EXPECT_EQ(CurvePoints(slanted), (Ids{7, 8}));
    EXPECT_EQ(user.LastLine(), "Two curves [3] and [4] are connected at (0.000, 0.000).");
    ExpectUndoRedoRestores(before);
}

TEST_F(FilletTest, ArcPointsCloserThanTheToleranceAreNotRepeated)
{
    // Radius 5: the divisions lie 0.65 apart, less than the tolerance 1, so
    // each second one finds the point placed before it.
    ASSERT_TRUE(model.FilletCurves(line1, line2, 5, ALIGN_CENTER, 0));
    const Ids arc = CurvePoints(3);
    EXPECT_EQ(arc.front(), 2);
    EXPECT_EQ(arc.back(), 3);
    EXPECT_GE(arc.size(), 6u);
    for (size_t i = 1; i < arc.size(); ++i) {
        EXPECT_NE(arc[i], arc[i - 1]) << "at " << i;
        const double* xy = model.FindPoint(arc[i])->xy;
        EXPECT_NEAR(std::hypot(xy[0] + 5, xy[1] - 5), 5, 1e-9) << "point " << arc[i];
    }
}

} // namespace
