// The view's activity, GCS and snapping-at-a-click behaviour on screen with
// fakes around it.

#include "view/support/DrawingModel.h"
#include "view/support/ViewOnScreen.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

KeySet Keys(int (*keyOf)(int), std::initializer_list<int> ids)
{
    KeySet keys;
    for (int id : ids)
        keys.insert(keyOf(id));
    return keys;
}

class ViewCommandsOnScreen : public ViewOnScreen {
protected:
    void SmallModel()
    {
        BuildJoinedCurvesModel(document, 10.0);
        DrawModel();
    }

    CScene& Scene() { return *view->GetScene(); }

    wxPoint ClientOf(double x, double y) const
    {
        double window[2];
        view->Camera().WorldToWindow(x, y, window);
        return {static_cast<int>(window[0]), static_cast<int>(window[1])};
    }
};

struct ActivitySets {
    KeySet activePoints, inactivePoints;
    KeySet activeCurves, inactiveCurves;
    KeySet activeSections, inactiveSections;
    KeySet activeLoops, inactiveLoops;
};

TEST_F(ViewCommandsOnScreen, ActivityCommandsSetTheirWordAndSetsAndKeepTheSelectionAsPrevious)
{
    SmallModel();
    const KeySet allPoints = Keys(PointKey, {1, 2, 3, 4, 5, 6, 7});
    const KeySet allCurves = Keys(CurveKey, {1, 2, 3});
    const KeySet section = Keys(SectionKey, {1});
    const KeySet loop = Keys(ClosedLoopKey, {1});
    struct Step {
        const char* name;
        std::function<void(CTarvokrtView&)> command;
        std::vector<int> selectPoints;
        std::vector<int> selectLoops;
        int word;
        ActivitySets sets;
    };
    const Step steps[] = {
        // The loop's curves and their points go; the section keeps its curve.
        {"Inactivate the loop and point 7", &CTarvokrtView::OnInactivate, {7}, {1}, ACTIVITY_SELECTED_INACTIVE,
         {Keys(PointKey, {4, 5, 6}), Keys(PointKey, {1, 2, 3, 7}), Keys(CurveKey, {3}), Keys(CurveKey, {1, 2}),
          section, {}, {}, loop}},
        {"Inactivate with nothing selected", &CTarvokrtView::OnInactivate, {}, {}, ACTIVITY_SELECTED_INACTIVE,
         {Keys(PointKey, {4, 5, 6}), Keys(PointKey, {1, 2, 3, 7}), Keys(CurveKey, {3}), Keys(CurveKey, {1, 2}),
          section, {}, {}, loop}},
        {"Reverse Activity", &CTarvokrtView::OnReverseActivity, {}, {}, ACTIVITY_SELECTED_INACTIVE,
         {Keys(PointKey, {1, 2, 3, 7}), Keys(PointKey, {4, 5, 6}), Keys(CurveKey, {1, 2}), Keys(CurveKey, {3}),
          {}, section, loop, {}}},
        {"Activate All", &CTarvokrtView::OnActivateAll, {7}, {}, ACTIVITY_ALL,
         {allPoints, {}, allCurves, {}, section, {}, loop, {}}},
        {"Reverse Activity after Activate All", &CTarvokrtView::OnReverseActivity, {}, {}, ACTIVITY_ALL,
         {allPoints, {}, allCurves, {}, section, {}, loop, {}}},
        {"Inactivate All", &CTarvokrtView::OnInactivateAll, {2}, {}, ACTIVITY_NONE,
         {{}, allPoints, {}, allCurves, {}, section, {}, loop}},
        {"Reverse Activity after Inactivate All", &CTarvokrtView::OnReverseActivity, {}, {}, ACTIVITY_NONE,
         {{}, allPoints, {}, allCurves, {}, section, {}, loop}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        Scene().SelectPoints(step.selectPoints);
        Scene().SelectClosedLoops(step.selectLoops);
        const KeySet selectedPoints = Scene().m_selection[KIND_POINT];
        step.command(*view);
        view->OnDraw();
        EXPECT_EQ(Scene().m_activityMode, step.word);
        EXPECT_EQ(Scene().m_active[KIND_POINT], step.sets.activePoints);
        EXPECT_EQ(Scene().m_inactive[KIND_POINT], step.sets.inactivePoints);
        EXPECT_EQ(Scene().m_active[KIND_CURVE], step.sets.activeCurves);
        EXPECT_EQ(Scene().m_inactive[KIND_CURVE], step.sets.inactiveCurves);
        EXPECT_EQ(Scene().m_active[KIND_SECTION], step.sets.activeSections);
        EXPECT_EQ(Scene().m_inactive[KIND_SECTION], step.sets.inactiveSections);
        EXPECT_EQ(Scene().m_active[KIND_CLOSED_LOOP], step.sets.activeLoops);
        EXPECT_EQ(Scene().m_inactive[KIND_CLOSED_LOOP], step.sets.inactiveLoops);
        if (!selectedPoints.empty()) {
            EXPECT_TRUE(Scene().IsSelectionEmpty());
            EXPECT_EQ(Scene().m_previousSelection[KIND_POINT], selectedPoints);
        }
        EXPECT_TRUE(Scene().m_combinedSelection.empty() || step.selectPoints.empty());
    }
}

TEST_F(ViewCommandsOnScreen, GcsAsksTheDocumentOnce)
{
    view->OnGcs();
    EXPECT_EQ(document.gcsChanges, 1);
}

TEST_F(ViewCommandsOnScreen, AClickSnapsOnlyWhereASnapAppliesAndNamesOnlyThisClicksPoint)
{
    SmallModel();
    const wxPoint nearPoint7 = ClientOf(1000, 1000) + wxPoint(2, 1);
    const wxPoint nearPoint1 = ClientOf(0, 0) + wxPoint(1, 2);
    const struct {
        const char* name;
        int gridSnap, gridShown, pointSnap;
        bool hideAll;
        wxPoint at;
        bool snapped;
        double x, y;
        int pointId;
    } cases[] = {
        {"both snaps off", 0, 1, 0, false, nearPoint7, false, 0, 0, -1},
        {"grid snap with the grid hidden", 1, 0, 0, false, nearPoint7, false, 0, 0, -1},
        {"point snap to point 7", 0, 0, 1, false, nearPoint7, true, 1000, 1000, 7},
        {"point snap, no active point", 0, 0, 1, true, nearPoint1, false, 0, 0, -1},
        {"grid snap alone after a point snap", 1, 1, 0, false, nearPoint1, true, 0, 0, -1},
        {"point snap to point 1", 0, 0, 1, false, nearPoint1, true, 0, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // Every case follows a point snap to point 7.
        view->OnActivateAll();
        view->OnDraw();
        view->m_gridSnap = 0;
        view->m_pointSnap = 1;
        ASSERT_EQ(view->SnapAtClick(nearPoint7.x, nearPoint7.y).pointId, 7);
        if (c.hideAll) {
            view->OnInactivateAll();
            view->OnDraw();
        }
        view->m_gridSnap = c.gridSnap;
        view->m_gridDisplay = c.gridShown;
        view->m_pointSnap = c.pointSnap;
        const ClickSnap snap = view->SnapAtClick(c.at.x, c.at.y);
        EXPECT_EQ(snap.snapped, c.snapped);
        EXPECT_EQ(snap.pointId, c.pointId);
        if (c.snapped) {
            EXPECT_DOUBLE_EQ(snap.point[0], c.x);
            EXPECT_DOUBLE_EQ(snap.point[1], c.y);
        }
    }
}

}  // namespace
