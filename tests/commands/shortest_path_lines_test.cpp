#include "CommandTestSupport.h"

namespace {

using ShortestPathLinesTest = CommandTest;

TEST_F(ShortestPathLinesTest, FootIsInsertedIntoTheCurve)
{
    const int line = AddCurve({{0, 0}, {100, 0}});
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.CreateShortestPathLines({line}, P(50, 30).data(), false, ALIGN_LEFT, 2.0));
    ExpectPointAt(3, 50, 30);
    ExpectPointAt(4, 50, 0, 1e-12);
    EXPECT_EQ(CurvePoints(2), (std::vector<int>{3, 4}));
    EXPECT_EQ(model.FindCurve(2)->alignment, ALIGN_LEFT);
    EXPECT_EQ(model.FindCurve(2)->width, 2.0);
    EXPECT_EQ(CurvePoints(line), (std::vector<int>{1, 4, 2}));
    EXPECT_EQ(UndoTitle(), "Create the shortest path line to 1 curve");
    EXPECT_EQ(user.lines, (std::vector<std::string>{"Base point [3] is created as a new point at (50.000, 30.000).",
                                                    "New curve (line) [2] is created by connecting points [3] and [4].",
                                                    "1 point is inserted into the curve [1] "}));
    EXPECT_EQ(NewcomerPoints(), (std::vector<int>{3, 4}));
    EXPECT_EQ(NewcomerCurves(), (std::vector<int>{2}));
    ExpectUndoRedoRestores(before);
}

TEST_F(ShortestPathLinesTest, FootSplitsTheCurve)
{
    const int line = AddCurve({{0, 0}, {100, 0}});
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.CreateShortestPathLines({line}, P(50, 30).data(), true, ALIGN_CENTER, 0.0));
    EXPECT_EQ(CurvePoints(line), (std::vector<int>{1, 4}));
    EXPECT_EQ(CurvePoints(3), (std::vector<int>{4, 2}));
    EXPECT_EQ(NewcomerCurves(), (std::vector<int>{2, 3}));
    ExpectUndoRedoRestores(before);
}

TEST_F(ShortestPathLinesTest, FootBeyondTheEndIsTheEndPoint)
{
    const int line = AddCurve({{0, 0}, {100, 0}});
    ASSERT_TRUE(model.CreateShortestPathLines({line}, P(150, 30).data(), true, ALIGN_CENTER, 0.0));
    EXPECT_EQ(CurvePoints(2), (std::vector<int>{3, 2}));
    EXPECT_EQ(CurvePoints(line), (std::vector<int>{1, 2}));
    EXPECT_EQ(model.m_curves.size(), 2u);
}

TEST_F(ShortestPathLinesTest, FootNearAVertexIsNotInserted)
{
    const int curve = AddCurve({{0, 0}, {50, 0}, {100, 0}});
    ASSERT_TRUE(model.CreateShortestPathLines({curve}, P(50.5, 30).data(), false, ALIGN_CENTER, 0.0));
    EXPECT_EQ(CurvePoints(2), (std::vector<int>{4, 2}));
    EXPECT_EQ(CurvePoints(curve), (std::vector<int>{1, 2, 3}));
}

TEST_F(ShortestPathLinesTest, NearestSegmentWinsOverAWideAngle)
{
    // The first segment subtends about 157 degrees at the base point, yet the
    // second passes much nearer.
    const int curve = AddCurve({{0, 0}, {100, 0}, {52, 12}});
    ASSERT_TRUE(model.CreateShortestPathLines({curve}, P(50, 10).data(), false, ALIGN_CENTER, 0.0));
    // The nearest point of the second segment is its end (52, 12), point 3.
    EXPECT_EQ(CurvePoints(2), (std::vector<int>{4, 3}));
    EXPECT_EQ(CurvePoints(curve), (std::vector<int>{1, 2, 3}));

    // A foot inside the later segment goes into that segment.
    ASSERT_TRUE(model.CreateShortestPathLines({curve}, P(80, 20).data(), false, ALIGN_CENTER, 0.0));
    const std::vector<int> ids = CurvePoints(curve);
    ASSERT_EQ(ids.size(), 4u);
    EXPECT_EQ(ids[2], CurvePoints(3)[1]);
    EXPECT_GT(model.FindPoint(ids[2])->xy[1], 1.0);
}

TEST_F(ShortestPathLinesTest, EquallyNearSegmentsTakeTheFirst)
{
    const int curve = AddCurve({{0, 0}, {40, 0}, {40, 40}});
    ASSERT_TRUE(model.CreateShortestPathLines({curve}, P(30, 10).data(), false, ALIGN_CENTER, 0.0));
    ExpectPointAt(CurvePoints(2)[1], 30, 0, 1e-12);
}

// A base point on the curve needs no line to itself, but the curve still
// takes it as a vertex, or is split there.
TEST_F(ShortestPathLinesTest, BaseOnTheCurveMakesNoLineButGoesIntoTheCurve)
{
    const int curve = AddCurve({{0, 0}, {50, 0}, {100, 0}});
    const ModelState before = CaptureState(model);
    // Within the tolerance of the middle vertex, which is the base point.
    ASSERT_TRUE(model.CreateShortestPathLines({curve}, P(50.2, 0.3).data(), true, ALIGN_CENTER, 0.0));
    EXPECT_EQ(model.m_curves.size(), 2u);
    EXPECT_EQ(model.m_points.size(), 3u);
    EXPECT_EQ(CurvePoints(curve), (std::vector<int>{1, 2}));
    EXPECT_EQ(CurvePoints(2), (std::vector<int>{2, 3}));
    EXPECT_EQ(user.lines, (std::vector<std::string>{"Curve [1] is split into 2 curves: curve [1] - curve [2] "}));
    EXPECT_EQ(NewcomerCurves(), (std::vector<int>{2}));
    EXPECT_TRUE(NewcomerPoints().empty());
    ExpectUndoRedoRestores(before);
}

TEST_F(ShortestPathLinesTest, NewBasePointOnTheCurveSplitsItOrGoesIn)
{
    const int split = AddCurve({{0, 0}, {100, 0}});
    const int kept = AddCurve({{0, 200}, {100, 200}});

    ModelState before = CaptureState(model);
    ASSERT_TRUE(model.CreateShortestPathLines({split}, P(50, 0).data(), true, ALIGN_CENTER, 0.0));
    ExpectPointAt(5, 50, 0);
    EXPECT_EQ(CurvePoints(split), (std::vector<int>{1, 5}));
    EXPECT_EQ(CurvePoints(3), (std::vector<int>{5, 2}));
    EXPECT_EQ(model.m_curves.size(), 3u);
    EXPECT_EQ(user.lines, (std::vector<std::string>{"Base point [5] is created as a new point at (50.000, 0.000).",
                                                    "Curve [1] is split into 2 curves: curve [1] - curve [3] "}));
    ExpectUndoRedoRestores(before);

    user.ClearRecords();
    before = CaptureState(model);
    ASSERT_TRUE(model.CreateShortestPathLines({kept}, P(50, 200).data(), false, ALIGN_CENTER, 0.0));
    ExpectPointAt(6, 50, 200);
    EXPECT_EQ(CurvePoints(kept), (std::vector<int>{3, 6, 4}));
    EXPECT_EQ(model.m_curves.size(), 3u);
    EXPECT_EQ(user.lines, (std::vector<std::string>{"Base point [6] is created as a new point at (50.000, 200.000).",
                                                    "1 point is inserted into the curve [2] "}));
    EXPECT_EQ(NewcomerPoints(), (std::vector<int>{6}));
    EXPECT_TRUE(NewcomerCurves().empty());
    ExpectUndoRedoRestores(before);
}

TEST_F(ShortestPathLinesTest, BaseOnAMiddleVertexSplitsThere)
{
    const int curve = AddCurve({{0, 0}, {50, 0}, {100, 0}});
    ASSERT_TRUE(model.CreateShortestPathLines({curve}, P(50, 0).data(), true, ALIGN_CENTER, 0.0));
    EXPECT_EQ(CurvePoints(curve), (std::vector<int>{1, 2}));
    EXPECT_EQ(CurvePoints(2), (std::vector<int>{2, 3}));
    EXPECT_EQ(model.m_curves.size(), 2u);
    EXPECT_EQ(model.m_points.size(), 3u);
}

TEST_F(ShortestPathLinesTest, TwoCurvesShareTheBasePoint)
{
    const int lower = AddCurve({{0, 0}, {100, 0}});
    const int upper = AddCurve({{0, 60}, {100, 60}});
    ASSERT_TRUE(model.CreateShortestPathLines({lower, upper}, P(50, 30).data(), false, ALIGN_CENTER, 0.0));
    EXPECT_EQ(UndoTitle(), "Create the shortest path lines to 2 curves");
    EXPECT_EQ(CurvePoints(3), (std::vector<int>{5, 6}));
    EXPECT_EQ(CurvePoints(4), (std::vector<int>{5, 7}));
    EXPECT_EQ(NewcomerCurves(), (std::vector<int>{3, 4}));
    EXPECT_EQ(NewcomerPoints(), (std::vector<int>{5, 6, 7}));
}

TEST_F(ShortestPathLinesTest, EmptyListStillMakesTheBasePoint)
{
    ASSERT_TRUE(model.CreateShortestPathLines({}, P(5, 5).data(), false, ALIGN_CENTER, 0.0));
    EXPECT_EQ(UndoTitle(), "Create the shortest path lines to 0 curves");
    ExpectPointAt(1, 5, 5);
    EXPECT_TRUE(model.m_curves.empty());
}

TEST_F(ShortestPathLinesTest, MissingCurveOrPointIsReportedFirst)
{
    const int line = AddCurve({{0, 0}, {100, 0}});
    model.FindCurve(line)->pointIds.push_back(42);
    const ModelState before = CaptureState(model);
    ExpectRefusedWith(model.CreateShortestPathLines({line}, P(5, 5).data(), false, ALIGN_CENTER, 0.0), before,
                      "Cannot find point [ID:42] object.");
    user.ClearRecords();
    ExpectRefusedWith(model.CreateShortestPathLines({8}, P(5, 5).data(), false, ALIGN_CENTER, 0.0), before,
                      "Cannot find curve [ID:8] object.");
}

} // namespace
