#include "TopologyTestSupport.h"

#include "model/Geometry.h"

#include <algorithm>
#include <functional>

namespace {

TEST_F(TopologyTest, MovingOneOfTwoJoinedLinesLeavesTheOtherInPlace)
{
    const int a = AddPoint(0, 0), joint = AddPoint(10, 0), c = AddPoint(10, 10);
    const int moved = AddCurveThrough({a, joint});
    const int other = AddCurveThrough({joint, c});
    model.AddNewcomerPoint(c, true);
    const ModelState before = CaptureState(model);

    ASSERT_TRUE(model.TranslateCurves({moved}, 0, -5));
    const int copy = c + 1;
    EXPECT_EQ(CurvePoints(moved), (std::vector<int>{a, copy}));
    EXPECT_EQ(CurvePoints(other), (std::vector<int>{joint, c}));
    ExpectPointAt(a, 0, -5);
    ExpectPointAt(copy, 10, -5);
    ExpectPointAt(joint, 10, 0);
    EXPECT_EQ(NewcomerPoints(), std::vector<int>{copy});
    EXPECT_EQ(UndoTitle(), "Translate 1 curve");
    EXPECT_EQ(user.lines, std::vector<std::string>{"1 curve is moved by translation."});
    EXPECT_TRUE(user.boxes.empty());
    ExpectUndoRedoRestores(before);
}

TEST_F(TopologyTest, ListedCurvesShareTheOneCopyOfAPointTheyLeaveBehind)
{
    // Three lines meet at p; the first two move.
    const int p = AddPoint(0, 0), e1 = AddPoint(10, 0), e2 = AddPoint(0, 10), e3 = AddPoint(-10, 0);
    const int line1 = AddCurveThrough({p, e1}), line2 = AddCurveThrough({e2, p}), line3 = AddCurveThrough({p, e3});
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.TranslateCurves({line1, line2}, 5, 5));
    const int copy = e3 + 1;
    EXPECT_EQ(CurvePoints(line1), (std::vector<int>{copy, e1}));
    EXPECT_EQ(CurvePoints(line2), (std::vector<int>{e2, copy}));
    EXPECT_EQ(CurvePoints(line3), (std::vector<int>{p, e3}));
    ExpectPointAt(copy, 5, 5);
    ExpectPointAt(p, 0, 0);
    ExpectPointAt(e3, -10, 0);
    EXPECT_EQ(model.m_points.size(), 5u);
    EXPECT_EQ(UndoTitle(), "Translate 2 curves");
    EXPECT_EQ(user.LastLine(), "2 curves are moved by translation.");
    ExpectUndoRedoRestores(before);
}

TEST_F(TopologyTest, AMovedClosedCurveTakesTheCopyAtBothEnds)
{
    const int s = AddPoint(0, 0), b = AddPoint(10, 0), c = AddPoint(5, 8), outside = AddPoint(-10, 0);
    const int closed = AddCurveThrough({s, b, c, s});
    const int unlisted = AddCurveThrough({outside, s});
    ASSERT_TRUE(model.RotateCurves({closed}, P(0, 0).data(), 90));
    const int copy = outside + 1;
    EXPECT_EQ(CurvePoints(closed), (std::vector<int>{copy, b, c, copy}));
    EXPECT_EQ(CurvePoints(unlisted), (std::vector<int>{outside, s}));
    ExpectPointAt(b, 0, 10);
    ExpectPointAt(c, -8, 5);
    ExpectPointAt(copy, 0, 0);
    EXPECT_EQ(UndoTitle(), "Rotate 1 curve");
    EXPECT_EQ(user.LastLine(), "1 curve is moved by rotation.");
}

TEST_F(TopologyTest, SectionCurvesStayWhileTheFreeCurveMovesOffTheirPoint)
{
    const int a = AddPoint(0, 0), shared = AddPoint(10, 0), c = AddPoint(20, 0);
    const int free = AddCurveThrough({a, shared});
    const int sectionCurve = AddCurveThrough({shared, c});
    AddSection(SECTION_LINE, {sectionCurve});
    const ModelState before = CaptureState(model);

    ASSERT_TRUE(model.TranslateCurves({free, sectionCurve}, 0, 10));
    EXPECT_EQ(user.BoxTexts(),
              std::vector<std::string>{"Curve belonging to the section will be skipped in this operation."});
    const int copy = c + 1;
    EXPECT_EQ(CurvePoints(free), (std::vector<int>{a, copy}));
    EXPECT_EQ(CurvePoints(sectionCurve), (std::vector<int>{shared, c}));
    ExpectPointAt(shared, 10, 0);
    ExpectPointAt(copy, 10, 10);
    EXPECT_EQ(UndoTitle(), "Translate 1 curve");
    ExpectUndoRedoRestores(before);

    user.ClearRecords();
    const ModelState moved = CaptureState(model);
    const size_t actions = model.m_undoActions.size();
    EXPECT_FALSE(model.MirrorCurves({sectionCurve}, P(0, 0).data(), P(0, 1).data()));
    EXPECT_EQ(user.BoxTexts(),
              std::vector<std::string>{"Curve belonging to the section will be skipped in this operation."});
    EXPECT_EQ(CaptureState(model), moved);
    EXPECT_EQ(model.m_undoActions.size(), actions);
}

TEST_F(TopologyTest, PartOfAClosedLoopDoesNotMove)
{
    const int p1 = AddPoint(0, 0), p2 = AddPoint(10, 0), p3 = AddPoint(10, 10), p4 = AddPoint(0, 10);
    const int c1 = AddCurveThrough({p1, p2}), c2 = AddCurveThrough({p2, p3});
    const int c3 = AddCurveThrough({p3, p4}), c4 = AddCurveThrough({p4, p1});
    AddLoop({c1, c2, c3, c4});
    const ModelState before = CaptureState(model);
    ExpectRefusedWith(model.TranslateCurves({c1, c3}, 5, 0), before,
                      "Not all curves belonging to the same closed loop are selected.\n\n"
                      "All curves of the same closed loop should be moved together.");
    user.ClearRecords();
    ASSERT_TRUE(model.TranslateCurves({c1, c2, c3, c4}, 5, 0));
    ExpectPointAt(p3, 15, 10);
    EXPECT_EQ(model.m_points.size(), 4u);
}

TEST_F(TopologyTest, MoveRefusalsLeaveNoAction)
{
    const int line = AddCurve({{0, 0}, {10, 0}});
    const int broken = AddCurveThrough({1, 42});
    model.SetTolerance(0.5);
    const ModelState before = CaptureState(model);
    const std::vector<RefusedCommand> refusals = {
        {"no interval", [&] { return model.TranslateCurves({line}, 0, 9e-7); }, "Interval should be greater than 0."},
        {"below the tolerance", [&] { return model.TranslateCurves({line}, 0, 0.4999999); },
         "Interval is too small. It is less than the tolerance."},
        {"angle 0", [&] { return model.RotateCurves({line}, P(0, 0).data(), -5e-7); }, "Rotation angle cannot be 0."},
        {"mirror line of one point", [&] { return model.MirrorCurves({line}, P(2, 2).data(), P(2, 2).data()); },
         "Mirror line is invalid."},
        {"missing curve", [&] { return model.TranslateCurves({line, 99}, 5, 0); },
         "Cannot find curve [ID:99] object."},
        {"missing point", [&] { return model.RotateCurves({line, broken}, P(0, 0).data(), 30); },
         "Cannot find point [ID:42] object."},
    };
    ExpectEachRefused(refusals, before);
}

TEST_F(TopologyTest, MoveEdgesThatAreAccepted)
{
    const int line = AddCurve({{0, 0}, {10, 0}});
    const int target = AddPoint(10.6, 0);
    model.SetTolerance(0.5);
    const ModelState before = CaptureState(model);

    // A vector as long as the tolerance is accepted, and the end that lands
    // near another point stays a point of its own.
    ASSERT_TRUE(model.TranslateCurves({line}, 0.5, 0));
    ExpectPointAt(2, 10.5, 0);
    EXPECT_EQ(CurvePoints(line), (std::vector<int>{1, 2}));
    EXPECT_EQ(model.m_points.size(), 3u);
    ExpectPointAt(target, 10.6, 0);
    ExpectUndoRedoRestores(before);

    // A full turn is a recorded move that ends where it began.
    const size_t actions = model.m_undoActions.size();
    ASSERT_TRUE(model.RotateCurves({line}, P(3, 7).data(), 360));
    EXPECT_EQ(model.m_undoActions.size(), actions + 1);
    ExpectPointAt(2, 10.5, 0, 1e-9);
    EXPECT_EQ(UndoTitle(), "Rotate 1 curve");
}

TEST_F(TopologyTest, MovesInAUcsTurnedBy90DegreesAboutItsOrigin)
{
    const int line = AddCurve({{60, 50}, {70, 50}});
    UseUcs(50, 50, 90);
    const ModelState before = CaptureState(model);

    // The typed (10, 0) runs along the UCS x-axis, the global y-axis.
    ASSERT_TRUE(model.TranslateCurves({line}, 10, 0));
    ExpectPointAt(1, 60, 60);
    ExpectPointAt(2, 70, 60);
    ASSERT_TRUE(model.Undo(false));

    // The UCS origin is the global (50, 50).
    ASSERT_TRUE(model.RotateCurves({line}, P(0, 0).data(), 90));
    ExpectPointAt(1, 50, 60);
    ExpectPointAt(2, 50, 70);
    ASSERT_TRUE(model.Undo(false));

    // The UCS x-axis through its origin is the global line x = 50.
    ASSERT_TRUE(model.MirrorCurves({line}, P(0, 0).data(), P(1, 0).data()));
    ExpectPointAt(1, 40, 50);
    ExpectPointAt(2, 30, 50);
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(CaptureState(model), before);
}

TEST_F(TopologyTest, MoveTitlesCountDistinctCurves)
{
    const int c1 = AddCurve({{0, 0}, {10, 0}}), c2 = AddCurve({{0, 5}, {10, 5}}), c3 = AddCurve({{0, 9}, {10, 9}});
    ASSERT_TRUE(model.MirrorCurves({c1, c2, c3, c2, c1}, P(0, -1).data(), P(1, -1).data()));
    EXPECT_EQ(UndoTitle(), "Mirror 3 curves");
    EXPECT_EQ(user.lines, std::vector<std::string>{"3 curves are moved by mirroring."});
    // Mirrored once, not twice: y = -2 - y.
    ExpectPointAt(1, 0, -2);
    ExpectPointAt(3, 0, -7);
    ExpectPointAt(6, 10, -11);
}

TEST_F(TopologyTest, AMirroredWallKeepsItsBandOnTheMirroredSide)
{
    const int wall = AddCurve({{0, 0}, {100, 0}});
    model.FindCurve(wall)->alignment = ALIGN_LEFT;
    model.FindCurve(wall)->width = 10;
    const ModelState before = CaptureState(model);

    ASSERT_TRUE(model.MirrorCurves({wall}, P(0, 0).data(), P(0, 1).data()));
    ExpectPointAt(1, 0, 0);
    ExpectPointAt(2, -100, 0);
    EXPECT_EQ(model.FindCurve(wall)->alignment, ALIGN_RIGHT);
    EXPECT_EQ(model.FindCurve(wall)->width, 10);
    // The band of the original covered y from 0 to 10; so does its image.
    double c[4][2];
    GetWidthOutline(model.FindPoint(1)->xy, model.FindPoint(2)->xy, ALIGN_RIGHT, 10, c[0], c[1], c[2], c[3]);
    const auto [low, high] = std::minmax({c[0][1], c[1][1], c[2][1], c[3][1]});
    EXPECT_NEAR(low, 0, 1e-9);
    EXPECT_NEAR(high, 10, 1e-9);
    ExpectUndoRedoRestores(before);
}

TEST_F(TopologyTest, AMovedCurveLeavesACentroidPointOnItsCentroid)
{
    const int centroid = AddPoint(5, 5);
    const int far = AddPoint(20, 5);
    const int free = AddCurveThrough({centroid, far});
    const int section = AddSection(SECTION_LINE, {AddCurve({{0, 0}, {10, 10}})}, centroid).id;
    const ModelState before = CaptureState(model);

    ASSERT_TRUE(model.TranslateCurves({free}, 0, 30));
    const int copy = model.m_nextPointId - 1;
    EXPECT_EQ(CurvePoints(free), (std::vector<int>{copy, far}));
    ExpectPointAt(centroid, 5, 5);
    ExpectPointAt(copy, 5, 35);
    EXPECT_EQ(model.FindSection(section)->centroidPointId, centroid);
    EXPECT_EQ(NewcomerPoints(), std::vector<int>{copy});
    ExpectUndoRedoRestores(before);
}

} // namespace
