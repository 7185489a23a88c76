#include "TopologyTestSupport.h"

#include <functional>

namespace {

using Ids = std::vector<int>;

TEST_F(TopologyTest, LinesScaleAboutTheirMidpoints)
{
    struct Case {
        double x1, y1, x2, y2, ratio;
        double ex1, ey1, ex2, ey2;
        const char* line;
    };
    const Case cases[] = {
        {0, 0, 10, 0, 0.5, 2.5, 0, 7.5, 0, "1 line is scaled to 50.0%."},
        {0, 0, 0, 4, 1.5, 0, -1, 0, 5, "1 line is scaled to 150.0%."},
        {0, 0, 10, 0, -1.0, 10, 0, 0, 0, "1 line is scaled to -100.0%."},
        // Midpoint (2.5, 3), half span (1.5, 2) doubled.
        {1, 1, 4, 5, 2.0, -0.5, -1, 5.5, 7, "1 line is scaled to 200.0%."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        user.ClearRecords();
        const int line = AddCurve({{c.x1, c.y1}, {c.x2, c.y2}});
        const Ids ids = CurvePoints(line);
        const ModelState before = CaptureState(model);
        ASSERT_TRUE(model.ScaleLines({line}, c.ratio));
        ExpectPointAt(ids[0], c.ex1, c.ey1);
        ExpectPointAt(ids[1], c.ex2, c.ey2);
        EXPECT_EQ(UndoTitle(), "Scale 1 line");
        EXPECT_EQ(user.lines, std::vector<std::string>{c.line});
        ExpectUndoRedoRestores(before);
    }
}

TEST_F(TopologyTest, AScaledLineTakesOneCopyOfAnEndOthersShare)
{
    const int a = AddPoint(0, 0), shared = AddPoint(10, 0);
    const int line = AddCurveThrough({a, shared});
    const int other1 = AddCurveThrough({shared, AddPoint(10, 10)});
    const int other2 = AddCurveThrough({AddPoint(20, 0), shared});
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.ScaleLines({line}, 2));
    const int copy = model.m_nextPointId - 1;
    EXPECT_EQ(copy, 5);
    EXPECT_EQ(CurvePoints(line), (Ids{a, copy}));
    EXPECT_EQ(CurvePoints(other1), (Ids{shared, 3}));
    EXPECT_EQ(CurvePoints(other2), (Ids{4, shared}));
    ExpectPointAt(a, -5, 0);
    ExpectPointAt(copy, 15, 0);
    ExpectPointAt(shared, 10, 0);
    EXPECT_EQ(NewcomerPoints(), Ids{copy});
    ExpectUndoRedoRestores(before);
}

TEST_F(TopologyTest, ScalingPassesOverPolylinesAndScalesARepeatedLineOnce)
{
    const int polyline = AddCurve({{0, 10}, {5, 10}, {5, 20}});
    const int line = AddCurve({{0, 0}, {8, 0}});
    ASSERT_TRUE(model.ScaleLines({polyline, line, line}, 0.5));
    ExpectPointAt(4, 2, 0);
    ExpectPointAt(5, 6, 0);
    ExpectPointAt(1, 0, 10);
    EXPECT_EQ(UndoTitle(), "Scale 1 line");
    EXPECT_EQ(user.lines, std::vector<std::string>{"1 line is scaled to 50.0%."});
    EXPECT_TRUE(user.boxes.empty());

    const int second = AddCurve({{0, -10}, {4, -10}});
    ASSERT_TRUE(model.ScaleLines({line, second}, 3));
    EXPECT_EQ(UndoTitle(), "Scale 2 lines");
    EXPECT_EQ(user.LastLine(), "2 lines are scaled to 300.0%.");
    ExpectPointAt(7, 8, -10);
}

TEST_F(TopologyTest, ScalingKeepsACentroidPointOnItsCentroid)
{
    const int centroid = AddPoint(0, 0);
    const int line = AddCurveThrough({centroid, AddPoint(10, 0)});
    const int section = AddSection(SECTION_LINE, {AddCurve({{-5, -5}, {5, 5}})}, centroid).id;
    ASSERT_TRUE(model.ScaleLines({line}, 0.5));
    const int copy = CurvePoints(line).front();
    EXPECT_NE(copy, centroid);
    ExpectPointAt(copy, 2.5, 0);
    ExpectPointAt(centroid, 0, 0);
    EXPECT_EQ(model.FindSection(section)->centroidPointId, centroid);
}

TEST_F(TopologyTest, ScaleRefusals)
{
    const int line = AddCurve({{0, 0}, {10, 0}});
    const int broken = AddCurveThrough({1, 33});
    const int loopLine = AddCurve({{0, 5}, {10, 5}});
    AddLoop({loopLine});
    const ModelState before = CaptureState(model);
    const std::vector<RefusedCommand> refusals = {
        {"ratio near 0", [&] { return model.ScaleLines({line}, -9e-7); }, "Ratio cannot be 0."},
        {"ratio near 1", [&] { return model.ScaleLines({line}, 1 + 9e-7); }, "Ratio cannot be 1."},
        {"missing curve", [&] { return model.ScaleLines({line, 12}, 2); }, "Cannot find curve [ID:12] object."},
        {"missing point", [&] { return model.ScaleLines({line, broken}, 2); }, "Cannot find point [ID:33] object."},
        {"loop line only", [&] { return model.ScaleLines({loopLine}, 2); },
         "Line belonging to the section or the closed loop will be skipped in this operation."},
    };
    ExpectEachRefused(refusals, before);
}

} // namespace
