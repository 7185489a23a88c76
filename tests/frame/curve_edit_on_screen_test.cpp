// The Curve page's transform and edit commands in the real program: offered
// on the toolbar, a line moved by translation, and an open curve split at a
// clicked point with its id picked in the view.

#include "CurvePageOnScreen.h"
#include "frame/ModelMenuTab.h"
#include "frame/OutputWindow.h"
#include "tools/CurveEditDialogs.h"
#include "view/TarvokrtToolView.h"

namespace {

const int EDIT_COMMANDS[] = {32880, 32881, 32853, 32854, 32859, 32846, 32837,
                             32838, 32842, 32848, 32847, 32860, 32886, 32882};

}  // namespace

class CurveEditOnScreen : public CurvePageOnScreen {
protected:
    // Lines 1 and 2 upright at x 0 and 200, and curve 3 of three points
    // (400, 0), (500, 200), (600, 0); the view fitted to them, no snap on.
    void MakeProject()
    {
        AddLines({{0, 0, 0, 400}, {200, 0, 200, 400}, {400, 0, 500, 200}, {500, 200, 600, 0}});
        ASSERT_TRUE(Model().MergeCurves({3, 4}));
        Frame().Document().OnModelChanged();
        View().m_gridSnap = 0;
        View().m_pointSnap = 0;
        View().ZoomFit();
        Settle();
    }
    std::set<int> Selected(SceneKind kind)
    {
        TarvokrtToolView port(View());
        return port.SelectedKeys(kind);
    }
};

TEST_F(CurveEditOnScreen, TheToolbarOffersTheEditCommands)
{
    ASSERT_TRUE(Start("KLX 1"));
    for (int command : EDIT_COMMANDS) {
        SCOPED_TRACE(command);
        EXPECT_EQ(ToolbarEnables(command), true);
    }
}

TEST_F(CurveEditOnScreen, AClickedLineIsMovedByTypedOffsetsAndRedrawn)
{
    ASSERT_TRUE(Start("KLX 1"));
    MakeProject();
    const std::vector<PlanePoint> first = CurvePoints(1);
    const std::vector<PlanePoint> open = CurvePoints(3);
    ASSERT_GT(DarkAround(ClientOf(200, 300)), 0);
    Command(32853);
    ASSERT_EQ(View().m_toolCommandId, 2015);
    ClickNear(200, 300);
    ASSERT_EQ(Selected(KIND_CURVE), std::set<int>{CURVE_KEY_BASE + 2});
    Type(1058, "50");
    Type(1059, "0");
    PressApply();
    EXPECT_EQ(CurvePoints(2), (std::vector<PlanePoint>{{250, 0}, {250, 400}}));
    EXPECT_EQ(CurvePoints(1), first);
    EXPECT_EQ(CurvePoints(3), open);
    EXPECT_NE(Frame().Output().ShownText().find("1 curve is moved by translation."), std::string::npos);
    EXPECT_GT(DarkAround(ClientOf(250, 300)), 0);
    EXPECT_EQ(DarkAround(ClientOf(200, 300)), 0);
    EXPECT_TRUE(Selected(KIND_CURVE).empty());
}

TEST_F(CurveEditOnScreen, TheOpenCurveIsSplitAtAClickedPointOfAPickedCurve)
{
    ASSERT_TRUE(Start("KLX 1"));
    MakeProject();
    ASSERT_EQ(CurvePoints(3).size(), 3u);
    const size_t curvesBefore = Model().m_curves.size();
    // The focus in the Model tree, as after a start under a window manager:
    // the page the command opens must not hand it to its Curve ID field.
    wxWindow& tree = Frame().Workspace().Tree();
    tree.SetFocus();
    ASSERT_TRUE(RunEventsUntil([&tree] {
        wxWindow* focus = wxWindow::FindFocus();
        return focus && (focus == &tree || tree.IsDescendant(focus));
    }));
    Command(32848);
    ASSERT_EQ(View().m_toolCommandId, 2023);
    ClickNear(500, 200);
    ASSERT_EQ(Selected(KIND_POINT).size(), 1u);
    ASSERT_TRUE(ShownForm().FocusPickField(CODE_SPLIT_CURVE_ID));
    Settle();
    ClickNear(450, 100);
    EXPECT_EQ(static_cast<wxTextCtrl*>(Control(SPLIT_CURVE_ID))->GetValue(), "3");
    PressApply();
    ASSERT_EQ(Model().m_curves.size(), curvesBefore + 1);
    int halves = 0;
    for (const auto& [id, curve] : Model().m_curves) {
        const std::vector<PlanePoint> points = CurvePoints(id);
        halves += points == std::vector<PlanePoint>{{400, 0}, {500, 200}} ||
                  points == std::vector<PlanePoint>{{500, 200}, {600, 0}};
    }
    EXPECT_EQ(halves, 2);
    EXPECT_GT(DarkAround(ClientOf(450, 100)), 0);
    EXPECT_GT(DarkAround(ClientOf(550, 100)), 0);
}

TEST_F(CurveEditOnScreen, TheBaseCurveIdPickSeesOnlyActiveCurves)
{
    ASSERT_TRUE(Start("KLX 1"));
    MakeProject();
    Command(32838);
    ASSERT_EQ(View().m_toolCommandId, 2021);
    const auto pickAt = [this](double x, double y) -> wxString {
        ShownForm().OnControlFocusLost(EXTEND_BASE_ID);
        if (!ShownForm().FocusPickField(CODE_BASE_CURVE_ID))
            return "no pick field";
        Settle();
        ClickNear(x, y);
        return static_cast<wxTextCtrl*>(Control(EXTEND_BASE_ID))->GetValue();
    };
    EXPECT_EQ(pickAt(0, 300), "1");
    EXPECT_EQ(pickAt(100, 300), "0");
    View().GetScene()->m_active[KIND_CURVE].erase(CURVE_KEY_BASE + 1);
    View().Refresh();
    Settle();
    EXPECT_EQ(pickAt(0, 300), "0");
    EXPECT_EQ(View().m_pickFieldCode, 0);
}
