#include "CommandTestSupport.h"

#include "model/TextFormat.h"

namespace {

using CurveIntersection = CommandTest;

TEST_F(CurveIntersection, RefusesTooFewCurvesAndMissingObjects)
{
    const int line = AddCurve({{0, 0}, {10, 0}});
    EXPECT_FALSE(model.IntersectCurves({line}, false, true));
    EXPECT_FALSE(model.IntersectCurves({line, line}, false, true));
    EXPECT_TRUE(user.boxes.empty());

    const int sectionCurve = AddCurve({{5, -5}, {5, 5}});
    model.FindCurve(sectionCurve)->sectionId = 1;
    auto section = std::make_unique<T_SECTION_D>();
    section->id = 1;
    section->curveIds = {sectionCurve};
    model.m_sections[1] = std::move(section);
    const int broken = AddCurveThrough({1, 77});

    struct Refusal {
        std::vector<int> curveIds;
        std::string box;
    };
    const std::vector<Refusal> refusals = {
        {{line, sectionCurve}, "Curve belonging to the section will be skipped in this operation."},
        {{line, 99}, "Cannot find curve [ID:99] object."},
        {{line, broken}, "Cannot find point [ID:77] object."},
    };
    const ModelState before = CaptureState(model);
    for (const Refusal& refusal : refusals) {
        user.ClearRecords();
        EXPECT_FALSE(model.IntersectCurves(refusal.curveIds, true, true));
        EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{refusal.box});
    }
    EXPECT_EQ(CaptureState(model), before);
    EXPECT_TRUE(model.IsUndoEmpty());
}

TEST_F(CurveIntersection, RefusesCrossingsPastTheIdLimit)
{
    const int a = AddCurve({{0, 0}, {10, 0}});
    const int b = AddCurve({{5, -5}, {5, 5}});
    model.m_nextPointId = IdUpperBound(IdKind::Point);
    const ModelState before = CaptureState(model);
    EXPECT_FALSE(model.IntersectCurves({a, b}, false, true));
    EXPECT_EQ(CaptureState(model), before);
    EXPECT_TRUE(model.IsUndoEmpty());
    ASSERT_EQ(user.boxes.size(), 1u);
    EXPECT_EQ(user.boxes[0].kind, BoxKind::Warning);
}

TEST_F(CurveIntersection, MergesACrossingFoundOnBothSidesOfAVertex)
{
    const int line = AddCurve({{0, 0}, {10, 0}});
    const int bent = AddCurve({{5, -5}, {5, 0}, {6, 5}});
    ASSERT_TRUE(model.IntersectCurves({line, bent}, false, true));
    EXPECT_EQ(CurvePoints(line), (std::vector<int>{1, 4, 2}));
    EXPECT_EQ(CurvePoints(bent), (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(model.m_points.size(), 5u);
}

TEST_F(CurveIntersection, PutsOneSharedPointIntoCrossingCurves)
{
    const int a = AddCurve({{0, 0}, {10, 0}});
    const int b = AddCurve({{5, -5}, {5, 5}});
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.IntersectCurves({a, b}, false, true));
    EXPECT_EQ(UndoTitle(), "Intersect 2 curves");
    ASSERT_EQ(NewcomerPoints().size(), 1u);
    const int crossing = NewcomerPoints()[0];
    ExpectPointAt(crossing, 5, 0);
    EXPECT_EQ(CurvePoints(a), (std::vector<int>{1, crossing, 2}));
    EXPECT_EQ(CurvePoints(b), (std::vector<int>{3, crossing, 4}));
    ExpectUndoRedoRestores(before);
}

TEST_F(CurveIntersection, CutsCrossingCurvesIntoPiecesThatShareThePoint)
{
    const int a = AddCurve({{0, 0}, {10, 0}});
    const int b = AddCurve({{5, -5}, {5, 5}});
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.IntersectCurves({a, b}, true, true));
    EXPECT_EQ(model.m_curves.size(), 4u);
    const int crossing = NewcomerPoints().at(0);
    for (const auto& [id, curve] : model.m_curves) {
        ASSERT_EQ(curve->pointIds.size(), 2u) << id;
        EXPECT_TRUE(curve->pointIds.front() == crossing || curve->pointIds.back() == crossing) << id;
    }
    EXPECT_EQ(NewcomerCurves().size(), 2u);
    ExpectUndoRedoRestores(before);
}

TEST_F(CurveIntersection, UsesTheEndOfATouchingCurve)
{
    // A T: the stem's end lies inside the bar.
    const int bar = AddCurve({{0, 0}, {10, 0}});
    const int stem = AddCurve({{4, 0}, {4, 8}});
    ASSERT_TRUE(model.IntersectCurves({bar, stem}, false, true));
    EXPECT_EQ(CurvePoints(bar), (std::vector<int>{1, 3, 2}));
    EXPECT_EQ(CurvePoints(stem), (std::vector<int>{3, 4}));
    EXPECT_EQ(model.m_points.size(), 4u);
}

TEST_F(CurveIntersection, LeavesCurvesThatMeetAtAnEndAsTheyAre)
{
    const int a = AddCurve({{0, 0}, {10, 0}});
    const int b = AddCurveThrough({2, AddPoint(10, 10)});
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.IntersectCurves({a, b}, true, true));
    EXPECT_EQ(CaptureState(model), before);
    EXPECT_TRUE(model.IsUndoEmpty()) << "an undo step that changes nothing";
}

TEST_F(CurveIntersection, GivesOverlappingCollinearCurvesEachOthersEnds)
{
    const int a = AddCurve({{0, 0}, {10, 0}});
    const int b = AddCurve({{5, 0}, {15, 0}});
    ASSERT_TRUE(model.IntersectCurves({a, b}, false, true));
    EXPECT_EQ(CurvePoints(a), (std::vector<int>{1, 3, 2}));
    EXPECT_EQ(CurvePoints(b), (std::vector<int>{3, 2, 4}));
}

TEST_F(CurveIntersection, RecordsIntoTheOpenActionWhenAsked)
{
    model.BeginUndoAction();
    model.SetUndoActionTitle("Outer");
    const int a = AddCurve({{0, 0}, {10, 0}});
    const int b = AddCurve({{5, -5}, {5, 5}});
    ASSERT_TRUE(model.IntersectCurves({a, b, a}, true, false));
    EXPECT_EQ(model.m_undoActions.size(), 1u);
    EXPECT_EQ(UndoTitle(), "Outer");
    EXPECT_EQ(model.m_curves.size(), 4u);
}

TEST_F(CurveIntersection, DeletesCurvesThatBecomeDuplicates)
{
    // The short line lies on the long one and shares its end: the long one
    // is cut at the short one's start, and its second piece repeats the
    // short line, which is listed first and stays.
    const int longLine = AddCurve({{0, 0}, {10, 0}});
    const int shortLine = AddCurveThrough({AddPoint(5, 0), 2});
    ASSERT_TRUE(model.IntersectCurves({longLine, shortLine}, true, true));
    ASSERT_EQ(model.m_curves.size(), 2u);
    EXPECT_EQ(CurvePoints(longLine), (std::vector<int>{1, 3}));
    EXPECT_EQ(CurvePoints(shortLine), (std::vector<int>{3, 2}));
    EXPECT_EQ(user.LastLine(), "1 duplicate curve is deleted.");
}

TEST_F(CurveIntersection, NeverDeletesACurveOfAClosedLoop)
{
    // The loop's side is listed after its duplicate and would be deleted
    // as the later one.
    const int copy = AddCurve({{0, 0}, {10, 0}});
    const int side = AddCurveThrough({1, 2});
    const int other = AddCurveThrough({2, AddPoint(5, 5)});
    const int closing = AddCurveThrough({3, 1});
    auto loop = std::make_unique<T_LOOP_D>();
    loop->id = 1;
    loop->curveIds = {side, other, closing};
    model.m_closedLoops[1] = std::move(loop);
    for (int id : {side, other, closing})
        model.FindCurve(id)->closedLoopIds = {1};
    ASSERT_TRUE(model.IntersectCurves({copy, side, other, closing}, true, true));
    for (int id : {side, other, closing})
        EXPECT_NE(model.FindCurve(id), nullptr) << id;
}

TEST_F(CurveIntersection, EscapeTakesBackEverythingItDid)
{
    // A line across two others, and something to redo.
    const int across = AddCurve({{0, 0}, {20, 0}});
    const int left = AddCurve({{5, -5}, {5, 5}});
    const int right = AddCurve({{15, -5}, {15, 5}});
    const double xy[2] = {50.0, 50.0};
    ASSERT_TRUE(model.CreatePointByCoordinate(xy));
    ASSERT_TRUE(model.Undo(false));
    model.AddNewcomerCurves({left}, true);
    model.AddNewcomerPoints({2}, true);

    const ModelState before = CaptureState(model);
    const int nextPointId = model.m_nextPointId;
    const int nextCurveId = model.m_nextCurveId;
    // Three curves, a search and a change step each: the first and last
    // look of the search, the first and last of the change.
    for (bool split : {false, true}) {
        for (int escapeAt : {1, 3, 4, 6}) {
            SCOPED_TRACE(testing::Message() << "split " << split << ", escape at " << escapeAt);
            user.ClearRecords();
            for (int poll = 1; poll < escapeAt; ++poll)
                user.QueuePendingMessages({PolledMessage::OtherMessage});
            user.QueuePendingMessages({PolledMessage::Escape});
            EXPECT_FALSE(model.IntersectCurves({across, left, right}, split, true));
            EXPECT_EQ(user.LastLine(), "* Curve intersection is canceled.");
            EXPECT_EQ(user.progressCalls.back(), "end");
            EXPECT_EQ(CaptureState(model), before);
            EXPECT_EQ(model.m_nextPointId, nextPointId);
            EXPECT_EQ(model.m_nextCurveId, nextCurveId);
            EXPECT_EQ(NewcomerCurves(), std::vector<int>{left});
            EXPECT_EQ(NewcomerPoints(), std::vector<int>{2});
            EXPECT_TRUE(model.IsUndoEmpty());
        }
    }
    ASSERT_TRUE(model.Redo());
    EXPECT_NE(model.FindPointAt(xy), 0);
}

TEST_F(CurveIntersection, ThePointLookUpForgetsThePointsOfACancelledRun)
{
    const int across = AddCurve({{0, 0}, {20, 0}});
    const int left = AddCurve({{5, -5}, {5, 5}});
    const int right = AddCurve({{15, -5}, {15, 5}});
    // Escape after the first two curves are cut: the crossings at (5, 0) and
    // (15, 0) were made and looked up.
    user.QueuePendingMessages({PolledMessage::OtherMessage, PolledMessage::OtherMessage,
                               PolledMessage::OtherMessage, PolledMessage::OtherMessage, PolledMessage::Escape});
    ASSERT_FALSE(model.IntersectCurves({across, left, right}, true, true));
    // Their ids are issued again, for points elsewhere.
    const int first = AddPoint(100, 100);
    const int second = AddPoint(200, 200);
    EXPECT_EQ(model.FindPointAt(P(5, 0).data()), 0);
    EXPECT_EQ(model.FindPointAt(P(15, 0).data()), 0);
    EXPECT_EQ(model.FindPointAt(P(100, 100).data()), first);
    EXPECT_EQ(model.FindPointAt(P(200, 200).data()), second);
}

TEST_F(CurveIntersection, ShowsItsProgressInHundredths)
{
    const int across = AddCurve({{0, 0}, {20, 0}});
    const int left = AddCurve({{5, -5}, {5, 5}});
    const int right = AddCurve({{15, -5}, {15, 5}});
    ASSERT_TRUE(model.IntersectCurves({across, left, right}, true, true));
    EXPECT_EQ(user.progressCalls, (std::vector<std::string>{"begin 100", "set 16", "set 33", "set 50", "set 66",
                                                            "set 83", "set 100", "end"}));
}

} // namespace
