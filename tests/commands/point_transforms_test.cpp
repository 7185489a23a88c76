#include "TopologyTestSupport.h"

namespace {

TEST_F(TopologyTest, TranslateIntervalAgainstZeroAndTheTolerance)
{
    AddPoint(0, 0);
    const ModelState before = CaptureState(model);
    ExpectRefusedWith(model.TranslatePoints({1}, 0.5, 0), before,
                      "Interval is too small. It is less than the tolerance.");
    user.ClearRecords();
    ExpectRefusedWith(model.TranslatePoints({1}, 0, 1e-7), before, "Interval should be greater than 0.");
    user.ClearRecords();
    ASSERT_TRUE(model.TranslatePoints({1}, 1.0, 0));
    ExpectPointAt(1, 1, 0);
    EXPECT_EQ(UndoTitle(), "Translate 1 point");
    EXPECT_EQ(user.lines, std::vector<std::string>{"1 point is moved by translation."});
    ExpectUndoRedoRestores(before);
}

TEST_F(TopologyTest, TranslateInAUcsTurnedBy90Degrees)
{
    AddPoint(0, 0), AddPoint(5, 5);
    UseUcs(100, 100, 90);
    const ModelState before = CaptureState(model);
    // Repeated ids move once.
    ASSERT_TRUE(model.TranslatePoints({1, 2, 1}, 10, 0));
    ExpectPointAt(1, 0, 10);
    ExpectPointAt(2, 5, 15);
    EXPECT_EQ(UndoTitle(), "Translate 2 points");
    EXPECT_EQ(user.LastLine(), "2 points are moved by translation.");
    ExpectUndoRedoRestores(before);
}

TEST_F(TopologyTest, ClosedLoopsMoveWholeOrNotAtAll)
{
    AddPoint(0, 0), AddPoint(10, 0), AddPoint(5, 8);
    AddLoop({AddCurveThrough({1, 2}), AddCurveThrough({2, 3}), AddCurveThrough({3, 1})});
    const ModelState before = CaptureState(model);
    ExpectRefusedWith(model.RotatePoints({1, 2}, P(0, 0).data(), 90), before,
                      "Some points belonging to the same closed loop is not selected.\n\n"
                      "The entire points of the same closed loop should be selected.");
    user.ClearRecords();
    ASSERT_TRUE(model.RotatePoints({1, 2, 3}, P(0, 0).data(), 90));
    ExpectPointAt(2, 0, 10);
    ExpectPointAt(3, -8, 5);
    EXPECT_EQ(UndoTitle(), "Rotate 3 points");
    EXPECT_EQ(user.LastLine(), "3 points are moved by rotation.");
    ExpectUndoRedoRestores(before);
}

TEST_F(TopologyTest, SectionPointsAreSkippedAndLeftOutOfTheTitle)
{
    const int centroid = AddPoint(50, 50);
    AddSection(SECTION_PLANE, {AddCurve({{0, 0}, {100, 0}})}, centroid);
    const int free1 = AddPoint(200, 0), free2 = AddPoint(300, 0);
    ASSERT_TRUE(model.MirrorPoints({centroid, free1, free2}, P(0, 10).data(), P(1, 10).data()));
    EXPECT_EQ(user.BoxTexts(),
              std::vector<std::string>{"Point belonging to the section will be skipped in this operation."});
    ExpectPointAt(centroid, 50, 50);
    ExpectPointAt(free1, 200, 20);
    ExpectPointAt(free2, 300, 20);
    EXPECT_EQ(UndoTitle(), "Mirror 2 points");
    EXPECT_EQ(user.LastLine(), "2 points are moved by mirroring.");

    user.ClearRecords();
    const ModelState before = CaptureState(model);
    const int undoDepth = static_cast<int>(model.m_undoActions.size());
    EXPECT_FALSE(model.TranslatePoints({centroid, 2}, 10, 0));
    EXPECT_EQ(user.boxes.size(), 1u);
    EXPECT_EQ(CaptureState(model), before);
    EXPECT_EQ(static_cast<int>(model.m_undoActions.size()), undoDepth);
}

TEST_F(TopologyTest, MoveRefusalsOfTheirOwnValues)
{
    AddPoint(0, 0);
    const ModelState before = CaptureState(model);
    ExpectRefusedWith(model.RotatePoints({1}, P(0, 0).data(), 1e-7), before, "Rotation angle cannot be 0.");
    user.ClearRecords();
    ExpectRefusedWith(model.MirrorPoints({1}, P(3, 3).data(), P(3, 3).data()), before, "Mirror line is invalid.");
    user.ClearRecords();
    ExpectRefusedWith(model.TranslatePoints({1, 9}, 5, 0), before, "Cannot find point [ID:9] object.");
}

TEST_F(TopologyTest, MirrorMoveOfAPointOnTheLineLeavesItInPlace)
{
    AddPoint(4, 0);
    UseUcs(0, 0, 90);  // the UCS x-axis is the global y-axis
    ASSERT_TRUE(model.MirrorPoints({1}, P(0, -4).data(), P(10, -4).data()));
    ExpectPointAt(1, 4, 0);
    EXPECT_TRUE(model.IsUndoEmpty()) << "an undo step that changes nothing";
}

TEST_F(TopologyTest, TranslateCopiesChainedByLines)
{
    AddPoint(0, 0), AddPoint(0, 10);
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.CopyPointsByTranslation({1, 2}, 5, 0, 3, true, ALIGN_LEFT, 2.5));
    EXPECT_EQ(NewcomerPoints(), (std::vector<int>{3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(NewcomerCurves(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    ExpectPointAt(7, 15, 0);
    ExpectPointAt(8, 15, 10);
    EXPECT_EQ(CurvePoints(1), (std::vector<int>{1, 3}));
    EXPECT_EQ(CurvePoints(3), (std::vector<int>{3, 5}));
    EXPECT_EQ(CurvePoints(6), (std::vector<int>{6, 8}));
    EXPECT_EQ(model.FindCurve(1)->alignment, ALIGN_LEFT);
    EXPECT_EQ(model.FindCurve(1)->width, 2.5);
    EXPECT_EQ(UndoTitle(), "Translate 2 points");
    EXPECT_EQ(user.LastLine(), "2 points are duplicated by translation.");
    ExpectUndoRedoRestores(before);
}

TEST_F(TopologyTest, CopyOntoAnExistingPointUsesIt)
{
    AddPoint(0, 0);
    const int target = AddPoint(10.3, 0);
    ASSERT_TRUE(model.CopyPointsByTranslation({1}, 10, 0, 1, true, ALIGN_RIGHT, -1));
    EXPECT_EQ(model.m_points.size(), 2u);
    EXPECT_EQ(CurvePoints(1), (std::vector<int>{1, target}));
    EXPECT_EQ(model.FindCurve(1)->width, 0.0);
    EXPECT_EQ(model.FindCurve(1)->alignment, ALIGN_RIGHT);
    EXPECT_TRUE(NewcomerPoints().empty());
}

TEST_F(TopologyTest, RotateCopyFullTurnStopsTheChainAtTheThirdCopy)
{
    AddPoint(10, 0);
    const int atOrigin = AddPoint(0, 0);
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.CopyPointsByRotation({1, atOrigin}, P(0, 0).data(), 90, 4, true, ALIGN_CENTER, 0));
    // Three copies of point 1 and three lines; nothing for the point at the origin.
    EXPECT_EQ(NewcomerPoints(), (std::vector<int>{3, 4, 5}));
    ExpectPointAt(3, 0, 10);
    ExpectPointAt(4, -10, 0);
    ExpectPointAt(5, 0, -10);
    EXPECT_EQ(AllCurveIds(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(CurvePoints(3), (std::vector<int>{4, 5}));
    EXPECT_EQ(UndoTitle(), "Rotate 2 points");
    EXPECT_EQ(user.LastLine(), "2 points are duplicated by rotation.");
    ExpectUndoRedoRestores(before);
}

TEST_F(TopologyTest, RotateCopyLimitsTheTotalTurn)
{
    AddPoint(10, 0);
    const ModelState before = CaptureState(model);
    ExpectRefusedWith(model.CopyPointsByRotation({1}, P(0, 0).data(), 90, 5, false, 1, 0), before,
                      "Total rotation angle cannnot be greater than 360 [degree].");
    user.ClearRecords();
    ExpectRefusedWith(model.CopyPointsByRotation({1}, P(0, 0).data(), 90, 0, false, 1, 0), before,
                      "Times should be greater than 0.");
    user.ClearRecords();
    ASSERT_TRUE(model.CopyPointsByRotation({1}, P(0, 0).data(), -90, 10, false, 1, 0));
    EXPECT_EQ(model.m_points.size(), 4u);  // copies 4 and 8 fall back on the source
    EXPECT_TRUE(model.m_curves.empty());
}

TEST_F(TopologyTest, CopiesLandingOnTheSamePointMakeNoLineFromItToItself)
{
    AddPoint(0, 0);
    const int near = AddPoint(1.6, 0);  // copy 1 at 1.0 and copy 2 at 2.0 both find it
    ASSERT_TRUE(model.CopyPointsByTranslation({1}, 1.0, 0, 2, true, ALIGN_CENTER, 0));
    EXPECT_EQ(AllCurveIds(), std::vector<int>{1});
    EXPECT_EQ(CurvePoints(1), (std::vector<int>{1, near}));
    EXPECT_EQ(model.m_points.size(), 2u);
}

TEST_F(TopologyTest, MirrorCopyInAUcsSkipsPointsOnTheLine)
{
    AddPoint(3, 0), AddPoint(3, 7);
    UseUcs(3, 0, 90);  // the UCS x-axis runs up the global line x = 3
    ASSERT_TRUE(model.CopyPointsByMirroring({1, 2}, P(0, 0).data(), P(1, 0).data(), true, ALIGN_CENTER, 0));
    EXPECT_EQ(model.m_points.size(), 2u);
    EXPECT_TRUE(model.m_curves.empty());

    AddPoint(5, 1);
    ASSERT_TRUE(model.CopyPointsByMirroring({3}, P(0, 0).data(), P(1, 0).data(), true, ALIGN_CENTER, 0));
    ExpectPointAt(4, 1, 1);
    EXPECT_EQ(CurvePoints(1), (std::vector<int>{3, 4}));
    EXPECT_EQ(UndoTitle(), "Mirror 1 point");
    EXPECT_EQ(user.LastLine(), "1 point is duplicated by mirroring.");
}

} // namespace
