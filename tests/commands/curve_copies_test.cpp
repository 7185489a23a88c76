#include "TopologyTestSupport.h"

#include "model/IdLimits.h"

#include <functional>

namespace {

using Ids = std::vector<int>;

TEST_F(TopologyTest, ThreeTranslatedCopiesClimbWithTheirConnectingLines)
{
    const int line = AddCurve({{0, 0}, {100, 0}});
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.CopyCurvesByTranslation({line}, 0, 50, 3, true, ALIGN_LEFT, 2));

    // Copies 2 to 4 through the new points 3 to 8, then the lines copy by copy.
    const std::vector<Ids> expected = {{3, 4}, {5, 6}, {7, 8}, {1, 3}, {2, 4}, {3, 5}, {4, 6}, {5, 7}, {6, 8}};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(CurvePoints(i + 2), expected[static_cast<size_t>(i)]) << "curve " << i + 2;
    for (int k = 1; k <= 3; ++k) {
        ExpectPointAt(1 + 2 * k, 0, 50 * k);
        ExpectPointAt(2 + 2 * k, 100, 50 * k);
    }
    EXPECT_EQ(NewcomerCurves(), (Ids{2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(NewcomerPoints(), (Ids{3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(model.FindCurve(5)->alignment, ALIGN_LEFT);
    EXPECT_EQ(model.FindCurve(5)->width, 2);
    EXPECT_EQ(UndoTitle(), "Translate 1 curve");
    EXPECT_EQ(user.lines, std::vector<std::string>{"1 curve is duplicated by translation."});
    ExpectUndoRedoRestores(before);
}

TEST_F(TopologyTest, JoinedCurvesStayJoinedInEachCopyWithOneChainAtTheJoint)
{
    const int a = AddPoint(0, 0), joint = AddPoint(10, 0), c = AddPoint(10, 10);
    const int first = AddCurveThrough({a, joint});
    const int second = AddCurveThrough({joint, c});
    ASSERT_TRUE(model.CopyCurvesByTranslation({first, second}, 100, 0, 2, true, ALIGN_CENTER, 0));
    // Copy 1 through points 4, 5, 6 and copy 2 through 7, 8, 9.
    EXPECT_EQ(CurvePoints(3), (Ids{4, 5}));
    EXPECT_EQ(CurvePoints(4), (Ids{5, 6}));
    EXPECT_EQ(CurvePoints(5), (Ids{7, 8}));
    EXPECT_EQ(CurvePoints(6), (Ids{8, 9}));
    const std::vector<Ids> lines = {{a, 4}, {joint, 5}, {c, 6}, {4, 7}, {5, 8}, {6, 9}};
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(CurvePoints(7 + static_cast<int>(i)), lines[i]);
    EXPECT_EQ(model.m_curves.size(), 12u);
    ExpectPointAt(9, 210, 10);
    EXPECT_EQ(UndoTitle(), "Translate 2 curves");
    EXPECT_EQ(user.LastLine(), "2 curves are duplicated by translation.");
}

TEST_F(TopologyTest, AClosedCurveCopiesClosedWithOneEndPoint)
{
    const int closed = AddCurveThrough({AddPoint(0, 1), AddPoint(10, 1), AddPoint(5, 9), 1});
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.CopyCurvesByMirroring({closed}, P(0, 0).data(), P(1, 0).data(), true, ALIGN_CENTER, 0));
    EXPECT_EQ(CurvePoints(2), (Ids{4, 5, 6, 4}));
    EXPECT_EQ(CurvePoints(3), (Ids{1, 4}));
    EXPECT_EQ(model.m_curves.size(), 3u);
    ExpectPointAt(6, 5, -9);
    EXPECT_EQ(UndoTitle(), "Mirror 1 curve");
    EXPECT_EQ(user.LastLine(), "1 curve is duplicated by mirroring.");
    ExpectUndoRedoRestores(before);
}

TEST_F(TopologyTest, ACopyOnExistingPointsUsesThemAndKeepsTheNewcomerPoints)
{
    const int line = AddCurve({{0, 0}, {10, 0}});
    const int there1 = AddPoint(0, 20), there2 = AddPoint(10.5, 20.3);
    model.AddNewcomerPoint(there1, true);
    ASSERT_TRUE(model.CopyCurvesByTranslation({line}, 0, 20, 1, false, ALIGN_CENTER, 0));
    EXPECT_EQ(CurvePoints(2), (Ids{there1, there2}));
    EXPECT_EQ(model.m_points.size(), 4u);
    EXPECT_EQ(NewcomerPoints(), Ids{there1});
    EXPECT_EQ(NewcomerCurves(), Ids{2});
}

TEST_F(TopologyTest, CopiesOfSectionAndLoopCurvesAreFree)
{
    const int sectionCurve = AddCurve({{0, 0}, {10, 0}});
    model.FindCurve(sectionCurve)->alignment = ALIGN_LEFT;
    model.FindCurve(sectionCurve)->width = 4;
    AddSection(SECTION_LINE, {sectionCurve});
    const int loopCurve = AddCurveThrough({AddPoint(20, 0), AddPoint(30, 0), AddPoint(25, 8), 3});
    AddLoop({loopCurve});
    ASSERT_TRUE(model.CopyCurvesByTranslation({sectionCurve, loopCurve}, 0, 50, 1, false, ALIGN_CENTER, 0));
    for (int copy : {3, 4}) {
        EXPECT_EQ(model.FindCurve(copy)->sectionId, 0);
        EXPECT_TRUE(model.FindCurve(copy)->closedLoopIds.empty());
    }
    EXPECT_EQ(model.FindCurve(3)->alignment, ALIGN_LEFT);
    EXPECT_EQ(model.FindCurve(3)->width, 4);
    EXPECT_EQ(CurvePoints(4), (Ids{8, 9, 10, 8}));
    EXPECT_EQ(model.m_sections.begin()->second->curveIds, Ids{sectionCurve});
}

TEST_F(TopologyTest, FourQuarterTurnsEitherWayEndOnTheSource)
{
    for (const double angle : {90.0, -90.0}) {
        SCOPED_TRACE(angle);
        const int line = AddCurve({{10, 0}, {20, 0}});
        const int p = model.m_nextPointId, c = model.m_nextCurveId;
        const int a = p - 2, b = p - 1;
        ASSERT_TRUE(model.CopyCurvesByRotation({line}, P(0, 0).data(), angle, 4, true, ALIGN_CENTER, 0));
        // Copies c to c + 3, the last on the source's own points.
        EXPECT_EQ(CurvePoints(c), (Ids{p, p + 1}));
        EXPECT_EQ(CurvePoints(c + 2), (Ids{p + 4, p + 5}));
        EXPECT_EQ(CurvePoints(c + 3), (Ids{a, b}));
        const double s = angle > 0 ? 1 : -1;
        ExpectPointAt(p, 0, 10 * s, 1e-9);
        ExpectPointAt(p + 3, -20, 0, 1e-9);
        ExpectPointAt(p + 5, 0, -20 * s, 1e-9);
        // Six chords, none back to the source.
        const std::vector<Ids> chords = {{a, p},         {b, p + 1},     {p, p + 2},
                                         {p + 1, p + 3}, {p + 2, p + 4}, {p + 3, p + 5}};
        for (size_t i = 0; i < chords.size(); ++i)
            EXPECT_EQ(CurvePoints(c + 4 + static_cast<int>(i)), chords[i]);
        EXPECT_EQ(model.m_nextCurveId, c + 10);
        EXPECT_EQ(model.m_nextPointId, p + 6);
        EXPECT_EQ(NewcomerPoints().size(), 6u);
        EXPECT_EQ(UndoTitle(), "Rotate 1 curve");
        EXPECT_EQ(user.LastLine(), "1 curve is duplicated by rotation.");
        model.m_points.clear(), model.m_curves.clear();
    }
}

TEST_F(TopologyTest, EndPointsOnTheCentreOrTheMirrorLineGetNoLines)
{
    const int line = AddCurve({{0, 0}, {10, 0}});
    ASSERT_TRUE(model.CopyCurvesByRotation({line}, P(0, 0).data(), 90, 2, true, ALIGN_CENTER, 0));
    // Copies 2 and 3 turn about point 1; only point 2 gets its chain.
    EXPECT_EQ(CurvePoints(2), (Ids{1, 3}));
    EXPECT_EQ(CurvePoints(3), (Ids{1, 4}));
    EXPECT_EQ(CurvePoints(4), (Ids{2, 3}));
    EXPECT_EQ(CurvePoints(5), (Ids{3, 4}));
    EXPECT_EQ(model.m_curves.size(), 5u);
    ExpectPointAt(4, -10, 0, 1e-9);

    ASSERT_TRUE(model.CopyCurvesByMirroring({line}, P(-5, 0).data(), P(5, 0).data(), true, ALIGN_CENTER, 0));
    EXPECT_EQ(CurvePoints(6), (Ids{1, 2}));
    EXPECT_EQ(model.m_curves.size(), 6u);
    EXPECT_EQ(model.m_points.size(), 4u);
}

TEST_F(TopologyTest, AChainSkipsALineFromAPointToItself)
{
    // The images of point 1 in copies 1 and 2, (0, 1) and (0, 2), both find
    // the point at (0, 1.5).
    const int line = AddCurve({{0, 0}, {10, 0}});
    const int between = AddPoint(0, 1.5);
    ASSERT_TRUE(model.CopyCurvesByTranslation({line}, 0, 1, 3, true, ALIGN_CENTER, 0));
    EXPECT_EQ(CurvePoints(2), (Ids{between, 4}));
    EXPECT_EQ(CurvePoints(3), (Ids{between, 5}));
    EXPECT_EQ(CurvePoints(4), (Ids{6, 7}));
    const std::vector<Ids> lines = {{1, between}, {2, 4}, {4, 5}, {between, 6}, {5, 7}};
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(CurvePoints(5 + static_cast<int>(i)), lines[i]);
    EXPECT_EQ(model.m_curves.size(), 9u);
}

TEST_F(TopologyTest, CopyRefusalsLeaveNoAction)
{
    const int line = AddCurve({{0, 0}, {10, 0}});
    const ModelState before = CaptureState(model);
    const std::vector<RefusedCommand> refusals = {
        {"no times", [&] { return model.CopyCurvesByTranslation({line}, 0, 5, 0, false, 1, 0); },
         "Times should be greater than 0."},
        {"no interval", [&] { return model.CopyCurvesByTranslation({line}, 0, 5e-7, 2, false, 1, 0); },
         "Interval should be greater than 0."},
        {"interval below the tolerance", [&] { return model.CopyCurvesByTranslation({line}, 0.5, 0, 2, false, 1, 0); },
         "Interval is too small. It is less than the tolerance."},
        {"no times to turn", [&] { return model.CopyCurvesByRotation({line}, P(0, 0).data(), 30, -1, true, 1, 0); },
         "Times should be greater than 0."},
        {"angle 0", [&] { return model.CopyCurvesByRotation({line}, P(0, 0).data(), 0, 2, true, 1, 0); },
         "Rotation angle cannot be 0."},
        {"five quarter turns", [&] { return model.CopyCurvesByRotation({line}, P(0, 0).data(), 90, 5, true, 1, 0); },
         "Total rotation angle cannnot be greater than 360 [degree]."},
        {"five quarter turns back",
         [&] { return model.CopyCurvesByRotation({line}, P(0, 0).data(), -90, 5, true, 1, 0); },
         "Total rotation angle cannnot be greater than 360 [degree]."},
        {"mirror line of one point",
         [&] { return model.CopyCurvesByMirroring({line}, P(1, 1).data(), P(1, 1).data(), true, 1, 0); },
         "Mirror line is invalid."},
        {"missing curve",
         [&] { return model.CopyCurvesByMirroring({line, 7}, P(0, 1).data(), P(1, 1).data(), true, 1, 0); },
         "Cannot find curve [ID:7] object."},
        {"a million copies", [&] { return model.CopyCurvesByTranslation({line}, 0, 5, 1000000, true, 1, 0); },
         IdLimitRefusal(IdKind::Curve, 2, 3000000)},
    };
    ExpectEachRefused(refusals, before);
}

TEST_F(TopologyTest, ConnectingLinesTakeThePassedAlignmentAndNoWidthBelowZero)
{
    const int wall = AddCurve({{0, 0}, {10, 0}});
    model.FindCurve(wall)->alignment = ALIGN_LEFT;
    model.FindCurve(wall)->width = 4;
    ASSERT_TRUE(model.CopyCurvesByMirroring({wall}, P(0, 5).data(), P(1, 5).data(), true, ALIGN_RIGHT, -3));
    // The mirrored wall swaps its side; the lines keep what was passed.
    EXPECT_EQ(model.FindCurve(2)->alignment, ALIGN_RIGHT);
    EXPECT_EQ(model.FindCurve(2)->width, 4);
    for (int lineId : {3, 4}) {
        EXPECT_EQ(model.FindCurve(lineId)->alignment, ALIGN_RIGHT);
        EXPECT_EQ(model.FindCurve(lineId)->width, 0);
    }
    EXPECT_EQ(CurvePoints(3), (Ids{1, 3}));
}

TEST_F(TopologyTest, AnEmptyCopyListFilesNoStep)
{
    AddCurve({{0, 0}, {10, 0}});
    model.AddNewcomerCurve(1, true);
    ASSERT_TRUE(model.CopyCurvesByTranslation({}, 0, 5, 3, true, 1, 0));
    EXPECT_TRUE(model.IsUndoEmpty());
    EXPECT_EQ(user.lines, std::vector<std::string>{"Nothing is changed: no curve is given."});
    EXPECT_EQ(model.m_curves.size(), 1u);
    EXPECT_EQ(NewcomerCurves(), Ids{1});
}

} // namespace
