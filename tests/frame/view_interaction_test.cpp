// The drawing view driven as a user drives it: mouse and key events posted to
// the program's own view, its toolbar commands and the group combo.

#include "program_on_screen.h"

#include "frame/GroupCombos.h"
#include "frame/MainFrame.h"
#include "frame/ToolbarTable.h"
#include "model/SectModel.h"
#include "view/TarvokrtView.h"

#include <wx/aui/auibar.h>
#include <wx/statusbr.h>

#include <cmath>
#include <functional>
#include <set>

namespace {

using Keys = std::set<int>;

// Three free lines (no section, no closed loop):
//   curve 1 (points 1, 2): (0, 0) - (1000, 0)
//   curve 2 (points 3, 4): (0, 500) - (1000, 500)
//   curve 3 (points 5, 6): (1500, 0) - (1500, 500)
class ViewInteraction : public ProgramOnScreen {
protected:
    void SetUpOnScreen() override
    {
        ASSERT_TRUE(Start(""));
        Frame().SetSize(1100, 800);
        AddLines({{0, 0, 1000, 0}, {0, 500, 1000, 500}, {1500, 0, 1500, 500}});
        ASSERT_EQ(Model().m_curves.size(), 3u);
        ShowModelFitted();
    }

    void Click(wxPoint at, bool ctrl = false) { Drag(at, at, ctrl); }

    void Key(int keyCode)
    {
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_keyCode = keyCode;
        event.SetEventObject(&View());
        View().ProcessWindowEvent(event);
        Settle();
    }

    Keys Selected(SceneKind kind) { return Scene().m_selection[kind]; }
    Keys AllSelected()
    {
        Keys all;
        for (const Keys& keys : Scene().m_selection)
            all.insert(keys.begin(), keys.end());
        return all;
    }

    wxAuiToolBar* BarWith(int commandId)
    {
        wxAuiPaneInfoArray& panes = Frame().Bars().GetAllPanes();
        for (size_t i = 0; i < panes.GetCount(); ++i) {
            auto* bar = dynamic_cast<wxAuiToolBar*>(panes[i].window);
            if (bar && bar->FindTool(WxCommandId(commandId)))
                return bar;
        }
        ADD_FAILURE() << "no button " << commandId;
        return nullptr;
    }

    // After the idle-time update of the toolbars.
    bool Pressed(int commandId)
    {
        wxTheApp->ProcessIdle();
        wxAuiToolBar* bar = BarWith(commandId);
        return bar && bar->GetToolToggled(WxCommandId(commandId));
    }

    std::string StatusUcs() { return Frame().GetStatusBar()->GetStatusText(1).utf8_string(); }
    std::string StatusGcs() { return Frame().GetStatusBar()->GetStatusText(2).utf8_string(); }
};

TEST_F(ViewInteraction, ClicksWindowsAndSelectPreviousChangeTheSelection)
{
    Command(32901);  // Select
    ASSERT_EQ(View().m_mouseMode, MOUSE_SELECT);

    Click(ClientOf(500, 0));
    EXPECT_EQ(AllSelected(), Keys{CurveKey(1)});
    EXPECT_EQ(Scene().m_combinedSelection, Keys{CurveKey(1)});

    Click(ClientOf(500, 500), true);  // Ctrl adds
    EXPECT_EQ(AllSelected(), (Keys{CurveKey(1), CurveKey(2)}));

    // A window across the vertical line only, away from its ends.
    Drag(ClientOf(1400, 200), ClientOf(1600, 300));
    EXPECT_EQ(AllSelected(), Keys{CurveKey(3)});
    EXPECT_EQ(View().m_mouseMode, MOUSE_SELECT);  // a button up keeps the select mode

    Click(ClientOf(750, 250));  // empty space
    EXPECT_TRUE(AllSelected().empty());
    EXPECT_TRUE(Scene().m_combinedSelection.empty());

    Command(32899);  // Select Previous
    EXPECT_EQ(AllSelected(), Keys{CurveKey(3)});

    // A second click on the same curve takes it out again.
    Click(ClientOf(1500, 250));
    EXPECT_EQ(AllSelected(), Keys{CurveKey(3)});
    Click(ClientOf(1500, 250), true);
    EXPECT_TRUE(AllSelected().empty());

    EXPECT_TRUE(Pressed(32901));
    Command(32901);
    EXPECT_EQ(View().m_mouseMode, MOUSE_NONE);
    EXPECT_FALSE(Pressed(32901));
}

TEST_F(ViewInteraction, TheButtonsOfTheViewCommandsAreEnabled)
{
    wxTheApp->ProcessIdle();
    for (int id : {32793, 32794, 32795, 32796, 32797, 32798, 32799, 32800, 32801, 32802, 32803, 32790, 32776, 32777,
                   32901, 32899, 32900, 32905}) {
        wxAuiToolBar* bar = BarWith(id);
        ASSERT_NE(bar, nullptr);
        EXPECT_TRUE(bar->GetToolEnabled(WxCommandId(id))) << id;
    }
}

TEST_F(ViewInteraction, ThePickFilterLimitsTheKindsAWindowSelects)
{
    // Around the shared region of point 2 and the end of curve 1.
    const wxPoint end = ClientOf(1000, 0);
    View().SetPickFilter(30000);  // points
    EXPECT_EQ(View().m_mouseMode, MOUSE_SELECT);
    Drag(end - wxPoint(8, 8), end + wxPoint(8, 8));
    EXPECT_EQ(AllSelected(), Keys{PointKey(2)});

    View().SetPickFilter(30001);  // curves
    Drag(end - wxPoint(8, 8), end + wxPoint(8, 8));
    EXPECT_EQ(AllSelected(), Keys{CurveKey(1)});

    View().SetPickFilter(30005);  // points, curves and sections
    Drag(end - wxPoint(8, 8), end + wxPoint(8, 8));
    EXPECT_EQ(AllSelected(), (Keys{PointKey(2), CurveKey(1)}));

    View().SetPickFilter(0);
    EXPECT_EQ(View().m_mouseMode, MOUSE_NONE);
}

TEST_F(ViewInteraction, WheelKeypadAndZoomCommandsChangeTheScale)
{
    double scale = View().Camera().UnitsPerPixel();
    const wxPoint centre = ClientOf(500, 250);
    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.SetEventObject(&View());
    wheel.SetPosition(centre);
    wheel.m_wheelRotation = 120;
    wheel.m_wheelDelta = 120;
    View().ProcessWindowEvent(wheel);
    EXPECT_LT(View().Camera().UnitsPerPixel(), scale);
    scale = View().Camera().UnitsPerPixel();

    Key(WXK_NUMPAD_SUBTRACT);
    EXPECT_GT(View().Camera().UnitsPerPixel(), scale);
    scale = View().Camera().UnitsPerPixel();
    Key(WXK_NUMPAD_ADD);
    EXPECT_LT(View().Camera().UnitsPerPixel(), scale);
    scale = View().Camera().UnitsPerPixel();

    Command(32799);  // Zoom Out
    EXPECT_GT(View().Camera().UnitsPerPixel(), scale);
    Command(32796);  // Zoom Fit
    const double fitted = View().Camera().UnitsPerPixel();

    // A zoom window over the left half shows it larger; the mode goes back.
    Command(32797);
    ASSERT_EQ(View().m_mouseMode, MOUSE_ZOOM_WINDOW);
    Drag(ClientOf(0, 0), ClientOf(500, 500));
    EXPECT_LT(View().Camera().UnitsPerPixel(), fitted);
    EXPECT_EQ(View().m_mouseMode, MOUSE_NONE);

    // Panning right by a grid size moves the picture, not the scale.
    const wxPoint before = ClientOf(0, 0);
    const double zoomed = View().Camera().UnitsPerPixel();
    Command(32801);
    EXPECT_NE(ClientOf(0, 0), before);
    EXPECT_DOUBLE_EQ(View().Camera().UnitsPerPixel(), zoomed);
}

TEST_F(ViewInteraction, DragsZoomAndPanDynamicallyAndTheMiddleButtonPans)
{
    const double fitted = View().Camera().UnitsPerPixel();
    Command(32794);  // Dynamic Zoom
    ASSERT_EQ(View().m_mouseMode, MOUSE_DYNAMIC_ZOOM);
    Drag({400, 300}, {400, 260});  // upwards zooms in
    EXPECT_LT(View().Camera().UnitsPerPixel(), fitted);
    EXPECT_EQ(View().m_mouseMode, MOUSE_NONE);

    Command(32901);  // Select, then Dynamic Pan: the drag returns to select
    Command(32793);
    ASSERT_EQ(View().m_mouseMode, MOUSE_DYNAMIC_PAN);
    wxPoint before = ClientOf(0, 0);
    Drag({400, 300}, {430, 280});
    EXPECT_EQ(ClientOf(0, 0) - before, wxPoint(30, -20));
    EXPECT_EQ(View().m_mouseMode, MOUSE_SELECT);
    EXPECT_TRUE(AllSelected().empty());  // the pan selected nothing

    before = ClientOf(0, 0);
    wxMouseEvent middle(wxEVT_MIDDLE_DOWN);
    middle.SetPosition({200, 200});
    middle.m_middleDown = true;
    View().ProcessWindowEvent(middle);
    wxMouseEvent move(wxEVT_MOTION);
    move.SetPosition({190, 215});
    move.m_middleDown = true;
    View().ProcessWindowEvent(move);
    EXPECT_EQ(ClientOf(0, 0) - before, wxPoint(-10, 15));
}

TEST_F(ViewInteraction, ZoomStepsAreModestAndADragPixelIsTheSameAtAnyGrid)
{
    // Units per pixel before over after: the factor by which the picture grew.
    auto growth = [this](const std::function<void()>& act) {
        const double before = View().Camera().UnitsPerPixel();
        act();
        return before / View().Camera().UnitsPerPixel();
    };
    const double click = growth([this] { Command(32798); });  // Zoom In
    EXPECT_NEAR(click, std::exp(0.1), 1e-9);
    EXPECT_NEAR(growth([this] { Command(32799); }), 1.0 / click, 1e-9);  // Zoom Out returns
    const double notch = growth([this] {
        wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
        wheel.SetEventObject(&View());
        wheel.SetPosition(ClientOf(500, 250));
        wheel.m_wheelRotation = 120;
        wheel.m_wheelDelta = 120;
        View().ProcessWindowEvent(wheel);
    });
    EXPECT_NEAR(notch, std::exp(0.24), 1e-9);

    for (double grid : {1.0, 100.0, 1000.0}) {
        Model().m_gridSize = grid;
        Command(32794);  // Dynamic Zoom
        ASSERT_EQ(View().m_mouseMode, MOUSE_DYNAMIC_ZOOM);
        const double pixel = growth([this] { Drag({400, 300}, {401, 300}); });
        EXPECT_NEAR(pixel, std::exp(0.02), 1e-9) << grid;  // about 2 %
    }
}

TEST_F(ViewInteraction, NewAndOpenClearTheStatusPanesAndTheSnapMarker)
{
    const std::string project = SavedProject("snap.klx", {{0, 0}, {1000, 0}, {1000, 500}});
    prompts.answers = {SaveAnswer::No};  // the fixture's lines are not saved
    const struct {
        const char* name;
        std::function<void()> start;
    } cases[] = {
        {"new", [this] { app->OnFileNew(); }},
        {"open", [this, &project] { app->OpenDocumentFile(project); }},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(app->OpenDocumentFile(project)) << c.name;
        Settle();
        View().m_pointSnap = 1;
        const wxPoint point = ClientOf(1000, 500);
        Post(wxEVT_MOTION, point + wxPoint(3, 2), false);
        Settle();
        ASSERT_EQ(StatusUcs(), " UCS: (1000.000,500.000)") << c.name;
        ASSERT_FALSE(StatusGcs().empty()) << c.name;
        const auto markerShows = [this, point] {
            const RgbImage shown = View().ReadShownPicture();
            const int x = point.x - 5;
            const int y = point.y + 1;  // the marker's left side
            const size_t at = (static_cast<size_t>(shown.height - 1 - y) * shown.width + x) * 3;
            return shown.rgb[at] == 125 && shown.rgb[at + 1] == 125 && shown.rgb[at + 2] == 125;
        };
        ASSERT_TRUE(markerShows()) << c.name;

        c.start();
        Settle();
        EXPECT_EQ(StatusUcs(), "") << c.name;
        EXPECT_EQ(StatusGcs(), "") << c.name;
        EXPECT_FALSE(markerShows()) << c.name;
    }
}

TEST_F(ViewInteraction, TheNearestCurvePickFindsACurveAmongMoreThanItsBufferHolds)
{
    const wxPoint middle = ClientOf(500, 0);
    EXPECT_EQ(View().PickNearestCurve(middle.x, middle.y, 0, 0), CurveKey(1));
    const wxPoint empty = ClientOf(750, 250);
    EXPECT_EQ(View().PickNearestCurve(empty.x, empty.y, 0, 0), -1);

    // 150 lines through one point overflow the 100 records the pick starts with.
    for (int i = 0; i < 150; ++i) {
        const double a[2] = {750.0 - 200.0 + i, 450.0};
        const double b[2] = {750.0 + 200.0 - i, 50.0};
        ASSERT_TRUE(Model().CreateLine(a, b, 1, 0.0));
    }
    Frame().Document().OnModelChanged();
    Settle();
    const int key = View().PickNearestCurve(empty.x, empty.y, 0, 0);
    EXPECT_GT(key, CurveKey(3));
    EXPECT_LE(key, CurveKey(153));
    EXPECT_TRUE(AllSelected().empty());
}

TEST_F(ViewInteraction, GridAndPointSnapShowTheSnappedPositionInBothSystems)
{
    // A work UCS moved by (100, 50): the grid lies on its nodes.
    const double origin[2] = {100.0, 50.0};
    const double unused[2] = {0.0, 0.0};
    ASSERT_TRUE(Model().CreateUcs(0, "Moved", origin, 0.0, unused, unused));
    ASSERT_NE(Model().SetCurrentUcs(Model().m_ucs.rbegin()->first), nullptr);
    Frame().Document().RedrawAllViews();
    Settle();

    Command(32776);  // Grid Snap on, but the grid is hidden: no snap
    const std::string before = StatusUcs();
    Post(wxEVT_MOTION, ClientOf(312, 238), false);
    EXPECT_EQ(StatusUcs(), before);

    EXPECT_TRUE(Pressed(32776));
    EXPECT_FALSE(Pressed(32790));
    Command(32790);  // Point Grid shown
    EXPECT_TRUE(Pressed(32790));
    Post(wxEVT_MOTION, ClientOf(312, 238), false);  // UCS (212, 188): node (200, 200)
    EXPECT_EQ(StatusUcs(), " UCS: (200.000,200.000)");
    EXPECT_EQ(StatusGcs(), " GCS: (300.000,250.000)");

    Command(32776);  // Grid Snap off
    Command(32777);  // Point Snap on
    Post(wxEVT_MOTION, ClientOf(990, 480), false);  // nearest to point 4 at (1000, 500)
    EXPECT_EQ(StatusUcs(), " UCS: (900.000,450.000)");
    EXPECT_EQ(StatusGcs(), " GCS: (1000.000,500.000)");
    EXPECT_EQ(View().m_snappedPointId, 4);

    // A click beside every entity in select mode takes the snapped point.
    Command(32901);
    Post(wxEVT_MOTION, ClientOf(1050, 560), false);
    Click(ClientOf(1050, 560));
    EXPECT_EQ(AllSelected(), Keys{PointKey(4)});
}

TEST_F(ViewInteraction, NewAndOpenRefillTheGroupCombosFromTheNewProject)
{
    ASSERT_TRUE(Model().CreateGroup("Beams"));
    const std::string project = (folder / "grouped.klx").string();
    ASSERT_TRUE(Frame().Document().SaveProject(project));
    ASSERT_TRUE(Model().CreateGroup("DXF:1_pc"));
    Frame().RefreshGroupCombos();
    ASSERT_EQ(GroupCombos().size(), 1u);
    const CSelectTBarComboGroup& combo = *GroupCombos().front();
    ASSERT_EQ(combo.GetCount(), 2u);

    prompts.answers = {SaveAnswer::No};  // the second group is not saved
    app->OnFileNew();
    Settle();
    EXPECT_EQ(combo.GetCount(), 0u);

    ASSERT_TRUE(app->OpenDocumentFile(project));
    Settle();
    ASSERT_EQ(combo.GetCount(), 1u);
    EXPECT_EQ(combo.GetString(0), "Beams");
}

TEST_F(ViewInteraction, ChoosingAGroupInTheComboSelectsItsActiveMembers)
{
    ASSERT_TRUE(Model().CreateGroup("Lower"));
    ASSERT_TRUE(Model().CreateGroup("Right"));
    ASSERT_TRUE(Model().AddToGroup("Right", {}, {3}, {}, true));
    Frame().Document().OnModelChanged();
    Settle();

    Command(32905);  // Select Group
    ASSERT_EQ(View().m_mouseMode, MOUSE_SELECT_GROUP);
    ASSERT_EQ(GroupCombos().size(), 1u);
    CSelectTBarComboGroup& combo = *GroupCombos().front();
    ASSERT_EQ(combo.GetCount(), 2u);
    EXPECT_EQ(combo.GetString(1), "Right");
    wxTheApp->ProcessIdle();
    EXPECT_TRUE(combo.IsEnabled());

    combo.SetSelection(1);
    wxCommandEvent chosen(wxEVT_COMBOBOX, combo.GetId());
    chosen.SetEventObject(&combo);
    combo.ProcessWindowEvent(chosen);
    Settle();
    EXPECT_EQ(AllSelected(), (Keys{CurveKey(3), PointKey(5), PointKey(6)}));

    // With the filter on curves only, the group's points stay out.
    View().SetPickFilter(30001);
    View().m_mouseMode = MOUSE_SELECT_GROUP;
    combo.ProcessWindowEvent(chosen);
    EXPECT_EQ(AllSelected(), Keys{CurveKey(3)});

    Command(32905);  // off again
    EXPECT_EQ(View().m_mouseMode, MOUSE_NONE);
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(combo.IsEnabled());

    // Undoing the adding and the creation of "Right" leaves "Lower" alone.
    Frame().Document().OnEditUndo();
    Frame().Document().OnEditUndo();
    Settle();
    ASSERT_EQ(combo.GetCount(), 1u);
    EXPECT_EQ(combo.GetString(0), "Lower");
}

TEST_F(ViewInteraction, SelectGroupDoesNothingWithoutGroups)
{
    Command(32905);
    EXPECT_EQ(View().m_mouseMode, MOUSE_NONE);
}

}  // namespace
