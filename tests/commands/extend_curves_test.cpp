#include "TopologyTestSupport.h"

namespace {

using Ids = std::vector<int>;
using Polyline = std::vector<std::vector<double>>;

// The base from (0, -50) to (0, 50) is curve 1 through points 1, 2; the
// curve to extend, from (20, 0) to (5, 0), is curve 2 through points 3, 4.
class ExtendTest : public TopologyTest {
protected:
    ExtendTest()
    {
        base = AddCurve({{0, -50}, {0, 50}});
        line = AddCurve({{20, 0}, {5, 0}});
    }

    int base = 0;
    int line = 0;
};

TEST_F(ExtendTest, TheNearEndMovesOntoTheBaseWhichTakesIt)
{
    model.AddNewcomerPoint(3, true);
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.ExtendCurves(base, {line}, false));
    ExpectPointAt(4, 0, 0);
    ExpectPointAt(3, 20, 0);
    EXPECT_EQ(CurvePoints(line), (Ids{3, 4}));
    EXPECT_EQ(CurvePoints(base), (Ids{1, 4, 2}));
    ASSERT_FALSE(user.lines.empty());
    EXPECT_EQ(user.lines[0], "Point [4] of the curve [2] is moved to (0.000, 0.000).");
    EXPECT_EQ(UndoTitle(), "Extend 1 curve to curve [1]");
    EXPECT_TRUE(NewcomerPoints().empty());
    ExpectUndoRedoRestores(before);
}

TEST_F(ExtendTest, SplittingCutsTheBaseAtTheMovedEnd)
{
    model.AddNewcomerCurve(line, true);
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.ExtendCurves(base, {line}, true));
    EXPECT_EQ(CurvePoints(base), (Ids{1, 4}));
    EXPECT_EQ(CurvePoints(3), (Ids{4, 2}));
    EXPECT_EQ(NewcomerCurves(), Ids{3});
    ExpectUndoRedoRestores(before);
}

TEST_F(ExtendTest, AnExistingPointAtTheMeetingPlaceReplacesTheEnd)
{
    const int there = AddPoint(0.3, 0);
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.ExtendCurves(base, {line}, false));
    EXPECT_EQ(CurvePoints(line), (Ids{3, there}));
    EXPECT_EQ(CurvePoints(base), (Ids{1, there, 2}));
    EXPECT_EQ(model.FindPoint(4), nullptr);
    ASSERT_FALSE(user.lines.empty());
    EXPECT_EQ(user.lines.front(), "Point [4] of the curve [2] is replaced by the point [5].");
    EXPECT_EQ(user.LastLine(), "1 point is deleted.");
    ExpectNoDanglingIds();
    ExpectUndoRedoRestores(before);
}

TEST_F(ExtendTest, AReplacedEndThatAnotherCurveUsesStays)
{
    const int there = AddPoint(0.3, 0);
    const int other = AddCurveThrough({4, AddPoint(5, 10)});
    ASSERT_TRUE(model.ExtendCurves(base, {line}, false));
    EXPECT_EQ(CurvePoints(line), (Ids{3, there}));
    EXPECT_EQ(CurvePoints(other), (Ids{4, 6}));
    ExpectPointAt(4, 5, 0);
    for (const std::string& text : user.lines)
        EXPECT_EQ(text.find("deleted"), std::string::npos) << text;
}

TEST_F(ExtendTest, TheReplacedEntryIsTheEndOfACurveThatPassesItTwice)
{
    // Curve 3 runs 3, 4, 5, 4: its last end 4 is also its second point, and
    // its end segment from (10, 8) to (5, 0) meets the base at (0, -8).
    const int turn = AddPoint(10, 8);
    const int looped = AddCurveThrough({3, 4, turn, 4});
    const int there = AddPoint(0, -8.2);
    ASSERT_TRUE(model.ExtendCurves(base, {looped}, false));
    EXPECT_EQ(CurvePoints(looped), (Ids{3, 4, turn, there}));
    EXPECT_EQ(CurvePoints(base), (Ids{1, there, 2}));
    ExpectPointAt(4, 5, 0);
}

TEST_F(ExtendTest, AnEndWithinTheToleranceOfTheBaseStaysAndTheBaseTakesIt)
{
    model.FindPoint(4)->xy[0] = 0.5;
    ASSERT_TRUE(model.ExtendCurves(base, {line}, false));
    ExpectPointAt(4, 0.5, 0);
    EXPECT_EQ(CurvePoints(line), (Ids{3, 4}));
    EXPECT_EQ(CurvePoints(base), (Ids{1, 4, 2}));
    for (const std::string& text : user.lines)
        EXPECT_EQ(text.find("Point [4]"), std::string::npos) << text;
    EXPECT_NE(model.FindPoint(4), nullptr);
}

TEST_F(ExtendTest, AThirdCurveKeepsACopyOfTheMovedEnd)
{
    const int far = AddPoint(5, 10);
    const int third = AddCurveThrough({far, 4});
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.ExtendCurves(base, {line}, false));
    const int copy = far + 1;
    EXPECT_EQ(CurvePoints(third), (Ids{far, copy}));
    ExpectPointAt(copy, 5, 0);
    ExpectPointAt(4, 0, 0);
    ExpectUndoRedoRestores(before);
}

TEST_F(ExtendTest, ACentroidPointAtTheMovedEndStaysOnItsCentroid)
{
    const int section = AddSection(SECTION_LINE, {AddCurve({{30, 30}, {40, 30}})}, 4).id;
    ASSERT_TRUE(model.ExtendCurves(base, {line}, false));
    const int copy = model.FindSection(section)->centroidPointId;
    EXPECT_NE(copy, 4);
    ExpectPointAt(copy, 5, 0);
    ExpectPointAt(4, 0, 0);
}

TEST_F(ExtendTest, SkippedAndMissingCurvesChangeNothing)
{
    const int sectionLine = AddCurve({{10, 10}, {5, 10}});
    AddSection(SECTION_LINE, {sectionLine});
    const int loopLine = AddCurve({{10, -10}, {5, -10}});
    AddLoop({loopLine});
    const ModelState before = CaptureState(model);

    EXPECT_FALSE(model.ExtendCurves(base, {sectionLine, loopLine}, false));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Curve belonging to the section or the closed loop will be "
                                                        "skipped in this operation."});
    EXPECT_EQ(CaptureState(model), before);
    EXPECT_TRUE(model.IsUndoEmpty());

    user.ClearRecords();
    ExpectRefusedWith(model.ExtendCurves(base, {line, 9}, false), before, "Cannot find curve [ID:9] object.");
    user.ClearRecords();
    ExpectRefusedWith(model.ExtendCurves(8, {line}, false), before, "Cannot find curve [ID:8] object.");
    user.ClearRecords();
    model.FindCurve(base)->pointIds.push_back(42);
    const ModelState broken = CaptureState(model);
    ExpectRefusedWith(model.ExtendCurves(base, {line}, true), broken, "Cannot find point [ID:42] object.");
}

TEST_F(ExtendTest, TwoCurvesAndARepeatMakeOneTitle)
{
    const int other = AddCurve({{-20, 10}, {-5, 10}});
    ASSERT_TRUE(model.ExtendCurves(base, {line, other, line}, false));
    EXPECT_EQ(UndoTitle(), "Extend 2 curves to curve [1]");
    EXPECT_EQ(CurvePoints(base), (Ids{1, 4, 6, 2}));
    ExpectPointAt(6, 0, 10);
}

// Cases in which the curve keeps its shape or the base keeps its points.
struct StayCase {
    const char* name;
    Polyline base;
    Polyline curve;
    bool closed;
    Polyline curveAfter;
    size_t basePointsAfter;
};

void PrintTo(const StayCase& c, std::ostream* out)
{
    *out << c.name;
}

class ExtendEdges : public TopologyTest, public ::testing::WithParamInterface<StayCase> {};

TEST_P(ExtendEdges, OnlyWhatTheCaseAllows)
{
    const StayCase& c = GetParam();
    const int baseId = AddCurve(c.base);
    const int curveId = AddCurve(c.curve);
    if (c.closed)
        model.FindCurve(curveId)->pointIds.push_back(CurvePoints(curveId).front());
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.ExtendCurves(baseId, {curveId}, false));
    const Ids ids = CurvePoints(curveId);
    ASSERT_EQ(ids.size(), c.curveAfter.size() + (c.closed ? 1 : 0));
    for (size_t i = 0; i < c.curveAfter.size(); ++i)
        ExpectPointAt(ids[i], c.curveAfter[i][0], c.curveAfter[i][1]);
    EXPECT_EQ(CurvePoints(baseId).size(), c.basePointsAfter);
    if (CaptureState(model) == before) {
        EXPECT_TRUE(model.IsUndoEmpty()) << "an undo step that changes nothing";
        return;
    }
    EXPECT_EQ(UndoTitle(), "Extend 1 curve to curve [1]");
    ExpectUndoRedoRestores(before);
}

INSTANTIATE_TEST_SUITE_P(
    Curves, ExtendEdges,
    ::testing::Values(
        StayCase{"CrossingTheBase", {{0, -50}, {0, 50}}, {{-10, 5}, {10, 5}}, false, {{-10, 5}, {10, 5}}, 2},
        StayCase{"EndingOnTheBase", {{0, -50}, {0, 50}}, {{20, 10}, {0, 10}}, false, {{20, 10}, {0, 10}}, 2},
        StayCase{"BaseTooShort", {{0, 10}, {0, 50}}, {{20, 0}, {5, 0}}, false, {{20, 0}, {0, 0}}, 2},
        StayCase{"Closed", {{0, -50}, {0, 50}}, {{20, 0}, {5, 0}, {10, 8}}, true, {{20, 0}, {5, 0}, {10, 8}}, 2},
        StayCase{"CrossingBehindTheEnd", {{8, -1}, {8, -30}}, {{0, 0}, {5, 0}, {5, 10}}, false,
                 {{0, 0}, {5, 0}, {5, 10}}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
