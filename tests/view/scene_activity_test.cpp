#include "view/Scene.h"
#include "view/support/DrawingModel.h"
#include "view/support/FakeViewDocument.h"

#include <gtest/gtest.h>

namespace {

class SceneActivity : public testing::Test {
protected:
    SceneActivity()
    {
        BuildJoinedCurvesModel(document, 1.0);
        scene.ResetDefaults();
        RebuildAndDraw();
    }

    // The view's rebuild and next draw.
    void RebuildAndDraw()
    {
        DisplayListPlan lists;
        scene.BuildDisplayLists(lists);
        DrawPlan frame;
        scene.Draw(frame);
    }

    void ActivateSelectedOnlyCommand()
    {
        ASSERT_FALSE(scene.IsSelectionEmpty());
        scene.m_activityMode = ACTIVITY_SELECTED_ONLY;
        scene.ClearSelection();
        scene.ActivateSelectedOnly();
        scene.ClearCombinedSelection();
    }

    void InactivateSelectedCommand()
    {
        ASSERT_FALSE(scene.IsSelectionEmpty());
        scene.m_activityMode = ACTIVITY_SELECTED_INACTIVE;
        scene.ClearSelection();
        scene.InactivateSelected();
        scene.ClearCombinedSelection();
        RebuildAndDraw();
    }

    static KeySet Points(std::initializer_list<int> ids)
    {
        KeySet keys;
        for (int id : ids)
            keys.insert(PointKey(id));
        return keys;
    }

    FakeViewDocument document;
    CScene scene{&document};
};

TEST_F(SceneActivity, RebuildInModeAllShowsEverything)
{
    EXPECT_EQ(scene.m_active[KIND_POINT], Points({1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(scene.m_active[KIND_CURVE], KeySet({CurveKey(1), CurveKey(2), CurveKey(3)}));
    EXPECT_EQ(scene.m_drawn[KIND_SECTION], KeySet({SectionKey(1)}));
    EXPECT_EQ(scene.m_active[KIND_CLOSED_LOOP], KeySet({ClosedLoopKey(1)}));
    EXPECT_EQ(scene.m_activityModeAtLastDraw, ACTIVITY_ALL);
}

TEST_F(SceneActivity, ActivateSelectedCurveShowsItsLoopAndTheLoopsCurves)
{
    scene.SelectCurves({1});
    ActivateSelectedOnlyCommand();
    EXPECT_EQ(scene.m_active[KIND_CURVE], KeySet({CurveKey(1), CurveKey(2)}));
    EXPECT_EQ(scene.m_active[KIND_CLOSED_LOOP], KeySet({ClosedLoopKey(1)}));
    EXPECT_EQ(scene.m_active[KIND_POINT], Points({1, 2, 3}));
    EXPECT_TRUE(scene.m_active[KIND_SECTION].empty());
    EXPECT_EQ(scene.m_inactive[KIND_POINT], Points({4, 5, 6, 7}));
    EXPECT_EQ(scene.m_inactive[KIND_CURVE], KeySet({CurveKey(3)}));
    EXPECT_EQ(scene.m_inactive[KIND_SECTION], KeySet({SectionKey(1)}));
    EXPECT_TRUE(scene.m_combinedSelection.empty());

    // The next rebuild keeps the activity.
    RebuildAndDraw();
    EXPECT_EQ(scene.m_active[KIND_POINT], Points({1, 2, 3}));
    EXPECT_EQ(scene.m_active[KIND_CURVE], KeySet({CurveKey(1), CurveKey(2)}));
}

TEST_F(SceneActivity, ActivateSelectedSectionShowsItsCurvesAndCentroid)
{
    scene.SelectSections({1});
    ActivateSelectedOnlyCommand();
    EXPECT_EQ(scene.m_active[KIND_SECTION], KeySet({SectionKey(1)}));
    EXPECT_EQ(scene.m_active[KIND_CURVE], KeySet({CurveKey(3)}));
    EXPECT_EQ(scene.m_active[KIND_POINT], Points({4, 5, 6}));
    EXPECT_TRUE(scene.m_active[KIND_CLOSED_LOOP].empty());
}

TEST_F(SceneActivity, InactivateSelectedLoopHidesItsCurvesAndTheirPoints)
{
    scene.SelectClosedLoops({1});
    scene.SelectPoints({7});
    InactivateSelectedCommand();
    EXPECT_EQ(scene.m_inactive[KIND_CLOSED_LOOP], KeySet({ClosedLoopKey(1)}));
    EXPECT_EQ(scene.m_active[KIND_CURVE], KeySet({CurveKey(3)}));
    EXPECT_EQ(scene.m_inactive[KIND_CURVE], KeySet({CurveKey(1), CurveKey(2)}));
    EXPECT_EQ(scene.m_active[KIND_POINT], Points({4, 5, 6}));
    EXPECT_EQ(scene.m_inactive[KIND_POINT], Points({1, 2, 3, 7}));
    EXPECT_EQ(scene.m_active[KIND_SECTION], KeySet({SectionKey(1)}));
    EXPECT_EQ(scene.m_activityModeAtLastDraw, ACTIVITY_SELECTED_INACTIVE);
}

TEST_F(SceneActivity, ReverseSwapsTheSetsAndDropsDeletedEntities)
{
    scene.SelectClosedLoops({1});
    scene.SelectPoints({7});
    InactivateSelectedCommand();
    document.model->m_points.erase(7);

    scene.ClearSelection();
    scene.ReverseActivity();
    EXPECT_EQ(scene.m_active[KIND_POINT], Points({1, 2, 3}));
    EXPECT_EQ(scene.m_inactive[KIND_POINT], Points({4, 5, 6}));
    EXPECT_EQ(scene.m_active[KIND_CURVE], KeySet({CurveKey(1), CurveKey(2)}));
    EXPECT_EQ(scene.m_inactive[KIND_CURVE], KeySet({CurveKey(3)}));
    EXPECT_EQ(scene.m_active[KIND_CLOSED_LOOP], KeySet({ClosedLoopKey(1)}));
    EXPECT_EQ(scene.m_inactive[KIND_SECTION], KeySet({SectionKey(1)}));
}

TEST_F(SceneActivity, ReverseDoesNothingAfterADrawInModeAllOrNone)
{
    scene.m_inactive[KIND_POINT].insert(PointKey(7));
    scene.m_active[KIND_POINT].erase(PointKey(7));
    for (int mode : {ACTIVITY_ALL, ACTIVITY_NONE}) {
        scene.m_activityModeAtLastDraw = mode;
        scene.ReverseActivity();
        EXPECT_EQ(scene.m_inactive[KIND_POINT], Points({7}));
    }
}

TEST_F(SceneActivity, ActivateAllRightAfterADrawInModeAllChangesNothing)
{
    scene.m_inactive[KIND_CURVE].insert(CurveKey(3));
    scene.m_active[KIND_CURVE].erase(CurveKey(3));
    scene.m_activityMode = ACTIVITY_ALL;
    scene.ActivateAll();
    EXPECT_EQ(scene.m_inactive[KIND_CURVE], KeySet({CurveKey(3)}));
    EXPECT_FALSE(scene.m_active[KIND_CURVE].count(CurveKey(3)));
}

TEST_F(SceneActivity, InactivateAllThenActivateAll)
{
    scene.m_activityMode = ACTIVITY_NONE;
    scene.ClearSelection();
    scene.InactivateAll();
    for (SceneKind kind : {KIND_POINT, KIND_CURVE, KIND_SECTION, KIND_CLOSED_LOOP})
        EXPECT_TRUE(scene.m_active[kind].empty()) << kind;
    EXPECT_EQ(scene.m_inactive[KIND_POINT].size(), 7u);
    RebuildAndDraw();
    EXPECT_TRUE(scene.m_active[KIND_CURVE].empty());

    scene.m_activityMode = ACTIVITY_ALL;
    scene.ActivateAll();
    EXPECT_EQ(scene.m_active[KIND_POINT].size(), 7u);
    EXPECT_TRUE(scene.m_inactive[KIND_POINT].empty());
    // The last draw was still in mode 21: inactivating all again before a
    // draw changes nothing.
    scene.InactivateAll();
    EXPECT_EQ(scene.m_active[KIND_POINT].size(), 7u);
}

TEST_F(SceneActivity, InactivateSelectedSkipsACurveDeletedWhileShown)
{
    document.AddPoint(8, 200, 0);
    document.AddPoint(9, 300, 0);
    document.AddCurve(4, {8, 9});
    RebuildAndDraw();
    scene.SelectCurves({4});
    document.model->m_curves.erase(4);
    InactivateSelectedCommand();
    EXPECT_FALSE(scene.m_inactive[KIND_CURVE].count(CurveKey(4)));
}

TEST_F(SceneActivity, NewEntitiesAreShownUnlessAlreadyHidden)
{
    scene.SelectPoints({7});
    InactivateSelectedCommand();
    ASSERT_TRUE(scene.m_inactive[KIND_POINT].count(PointKey(7)));
    document.AddPoint(10, 1, 1);
    RebuildAndDraw();
    EXPECT_TRUE(scene.IsPointActive(10));
    EXPECT_FALSE(scene.IsPointActive(7));
}

}  // namespace
