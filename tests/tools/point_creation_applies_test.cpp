// The Point page's creation commands: what each apply asks of the document
// for a form, a selection and the shown points, or which box it shows.

#include "PointPageFixture.h"

namespace {

using PointCreation = PointPage;

TEST_F(PointCreation, CoordinateCreatesThePointTypedAndLeavesTheSelection)
{
    const struct {
        const char* text;
        Calls calls;
        Texts boxes;
    } cases[] = {
        {"10, 20", {"CreatePointByCoordinate((10, 20))"}, {}},
        {"-2.5  ,  0.125", {"CreatePointByCoordinate((-2.5, 0.125))"}, {}},
        {"1a", {}, {"Input error!"}},
        {"abc", {}, {"Input error!"}},
    };
    Show(POINT_ROW_COORDINATE);
    Select(KIND_POINT, {5});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Type(tool.Coordinate(), {{ID_POINT_COORDINATE, c.text}});
        Apply();
        EXPECT_EQ(document.calls, c.calls);
        EXPECT_EQ(Boxes(), c.boxes);
        EXPECT_EQ(SelectedPoints(), std::vector<int>{5});
    }
}

TEST_F(PointCreation, CoordinateFieldStartsHighlightedAtEveryShow)
{
    Show(POINT_ROW_COORDINATE);
    EXPECT_TRUE(tool.Coordinate().Field(ID_POINT_COORDINATE)->highlighted);
    tool.Coordinate().SetHighlighted(ID_POINT_COORDINATE, false);
    ShowAgain(POINT_ROW_COORDINATE);
    EXPECT_TRUE(tool.Coordinate().Field(ID_POINT_COORDINATE)->highlighted);
}

// How a test sets up the curve dialogs before Apply.
using CurveSetup = std::function<void(CPointTool&)>;

TEST_F(PointCreation, OnCurvesTheSelectedCurvesGoInAscendingOrderAndTheSelectionIsEmptiedAfterwards)
{
    const struct {
        const char* name;
        int row;
        std::vector<int> curves;
        CurveSetup setup;
        Calls calls;
        Texts boxes;
    } cases[] = {
        {"ratio, no curve", POINT_ROW_RATIO_ON_CURVE, {}, [](CPointTool&) {}, {}, {"No curve is selected."}},
        {"ratio", POINT_ROW_RATIO_ON_CURVE, {7, 3},
         [](CPointTool& t) { Type(t.RatioOnCurve(), {{ID_CURVE_RATIO, "0.25"}}); },
         {"CreatePointsOnCurvesByRatio([3, 7], 0.25, true)"}, {}},
        {"ratio, split unchecked", POINT_ROW_RATIO_ON_CURVE, {2},
         [](CPointTool& t) {
             Type(t.RatioOnCurve(), {{ID_CURVE_RATIO, "0.5"}});
             t.RatioOnCurve().ClickCheck(ID_CURVE_RATIO_SPLIT);
         },
         {"CreatePointsOnCurvesByRatio([2], 0.5, false)"}, {}},
        {"ratio not a number", POINT_ROW_RATIO_ON_CURVE, {2},
         [](CPointTool& t) { Type(t.RatioOnCurve(), {{ID_CURVE_RATIO, "half"}}); }, {}, {"Please enter a number."}},
        {"interpolation, no curve", POINT_ROW_INTERP_ON_CURVE, {}, [](CPointTool&) {}, {}, {"No curve is selected."}},
        {"interpolation by spacing, the greyed count not read", POINT_ROW_INTERP_ON_CURVE, {7, 3},
         [](CPointTool& t) { Type(t.InterpOnCurve(), {{ID_CURVE_SPACING, "2.5"}, {ID_CURVE_COUNT, "x"}}); },
         {"CreatePointsOnCurvesByInterpolation([3, 7], 0, 2.5, true)"}, {}},
        {"interpolation by count", POINT_ROW_INTERP_ON_CURVE, {4},
         [](CPointTool& t) {
             Type(t.InterpOnCurve(), {{ID_CURVE_SPACING, "nothing"}, {ID_CURVE_COUNT, "3"}});
             t.InterpOnCurve().ClickRadio(ID_CURVE_COUNT_RADIO);
         },
         {"CreatePointsOnCurvesByInterpolation([4], 3, 0, true)"}, {}},
        {"interpolation by a count that is no integer", POINT_ROW_INTERP_ON_CURVE, {4},
         [](CPointTool& t) {
             Type(t.InterpOnCurve(), {{ID_CURVE_COUNT, "2.5"}});
             t.InterpOnCurve().ClickRadio(ID_CURVE_COUNT_RADIO);
         },
         {}, {"Please enter an integer."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShowAgain(c.row);
        for (int curve : c.curves)
            Select(KIND_CURVE, {curve});
        Select(KIND_POINT, {1});
        c.setup(tool);
        Apply();
        EXPECT_EQ(document.calls, c.calls);
        EXPECT_EQ(Boxes(), c.boxes);
        EXPECT_TRUE(NothingSelected());
    }
}

TEST_F(PointCreation, SplitCurveIsCheckedAndPointSpacingChosenAtEveryShow)
{
    Show(POINT_ROW_RATIO_ON_CURVE);
    tool.RatioOnCurve().ClickCheck(ID_CURVE_RATIO_SPLIT);
    ShowAgain(POINT_ROW_RATIO_ON_CURVE);
    EXPECT_TRUE(tool.RatioOnCurve().SplitCurve());

    Show(POINT_ROW_INTERP_ON_CURVE);
    tool.InterpOnCurve().ClickCheck(ID_CURVE_INTERP_SPLIT);
    tool.InterpOnCurve().ClickRadio(ID_CURVE_COUNT_RADIO);
    Type(tool.InterpOnCurve(), {{ID_CURVE_COUNT, "6"}});
    ShowAgain(POINT_ROW_INTERP_ON_CURVE);
    EXPECT_TRUE(tool.InterpOnCurve().SplitCurve());
    EXPECT_EQ(tool.InterpOnCurve().Choice(ID_CURVE_SPACING_RADIO), 0);
    // The typed count survives the show.
    EXPECT_EQ(tool.InterpOnCurve().Field(ID_CURVE_COUNT)->text, "6");
}

TEST_F(PointCreation, RatioBetweenTwoPointsNeedsBothIdsAndLeavesTheSelection)
{
    const struct {
        const char* start;
        const char* end;
        const char* ratio;
        Calls calls;
        Texts boxes;
    } cases[] = {
        {"4", "0", "0.5", {}, {"No point is selected."}},
        {"0", "9", "0.5", {}, {"No point is selected."}},
        {"4", "9", "0.25", {"CreatePointBetweenPointsByRatio(4, 9, 0.25)"}, {}},
        {"4", "9x", "0.25", {}, {"Please enter an integer."}},
    };
    Show(POINT_ROW_RATIO_BETWEEN_POINTS);
    Select(KIND_POINT, {2});
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " " + c.end);
        Type(tool.RatioBetweenPoints(), {{ID_START_POINT, c.start}, {ID_END_POINT, c.end}, {ID_POINTS_RATIO, c.ratio}});
        Apply();
        EXPECT_EQ(document.calls, c.calls);
        EXPECT_EQ(Boxes(), c.boxes);
        EXPECT_EQ(SelectedPoints(), std::vector<int>{2});
    }
}

TEST_F(PointCreation, InterpolatingBetweenTwoPointsTakesExactlyTwoSmallerIdFirst)
{
    const struct {
        std::vector<int> points;
        bool byCount;
        Calls calls;
        Texts boxes;
    } cases[] = {
        {{}, false, {}, {"No point is selected."}},
        {{4}, false, {}, {"Select just two target points."}},
        {{4, 9, 12}, false, {}, {"Select just two target points."}},
        {{9, 4}, false, {"CreatePointsBetweenPointsByInterpolation(4, 9, 0, 1.5)"}, {}},
        {{9, 4}, true, {"CreatePointsBetweenPointsByInterpolation(4, 9, 5, 0)"}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.points));
        ShowAgain(POINT_ROW_INTERP_BETWEEN_POINTS);
        Type(tool.InterpBetweenPoints(), {{ID_POINTS_SPACING, "1.5"}, {ID_POINTS_COUNT, "5"}});
        if (c.byCount)
            tool.InterpBetweenPoints().ClickRadio(ID_POINTS_COUNT_RADIO);
        for (int point : c.points)
            Select(KIND_POINT, {point});
        Apply();
        EXPECT_EQ(document.calls, c.calls);
        EXPECT_EQ(Boxes(), c.boxes);
        EXPECT_TRUE(NothingSelected());
    }
}

}  // namespace
