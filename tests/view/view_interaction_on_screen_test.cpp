// The view's interaction on screen with fakes around it: the selection
// buffer, the snap marker, the blink, the select commands and pick filters.

#include "view/support/ViewOnScreen.h"

#include <gtest/gtest.h>

#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/timer.h>

#include <functional>
#include <set>

namespace {

using Keys = std::set<int>;

class ViewInteractionOnScreen : public ViewOnScreen {
protected:
    // Two free lines: curve 1 (0, 0)-(1000, 0), curve 2 (0, 500)-(1000, 500).
    void TwoLines()
    {
        document.AddPoint(1, 0, 0);
        document.AddPoint(2, 1000, 0);
        document.AddPoint(3, 0, 500);
        document.AddPoint(4, 1000, 500);
        document.AddCurve(1, {1, 2});
        document.AddCurve(2, {3, 4});
        DrawModel();
    }

    wxPoint ClientOf(double x, double y) const
    {
        double window[2];
        view->Camera().WorldToWindow(x, y, window);
        return {static_cast<int>(window[0]), static_cast<int>(window[1])};
    }

    void Post(wxEventType type, wxPoint at, bool leftDown)
    {
        wxMouseEvent event(type);
        event.SetEventObject(view);
        event.SetPosition(at);
        event.m_leftDown = leftDown;
        view->ProcessWindowEvent(event);
    }

    void Click(wxPoint at)
    {
        Post(wxEVT_LEFT_DOWN, at, true);
        Post(wxEVT_LEFT_UP, at, false);
    }

    // The shown picture's pixel at a client position (y down).
    static std::array<int, 3> ClientPixel(const RgbImage& image, int x, int y)
    {
        const size_t at = (static_cast<size_t>(image.height - 1 - y) * image.width + x) * 3;
        return {image.rgb[at], image.rgb[at + 1], image.rgb[at + 2]};
    }

    void RunEventLoop(int milliseconds)
    {
        wxGUIEventLoop loop;
        wxTimer stop;
        stop.Bind(wxEVT_TIMER, [&loop](wxTimerEvent&) { loop.Exit(); });
        stop.StartOnce(milliseconds);
        loop.Run();
    }

    Keys AllSelected() const
    {
        Keys all;
        for (const Keys& keys : view->GetScene()->m_selection)
            all.insert(keys.begin(), keys.end());
        return all;
    }
};

// The view takes the mouse for a press only on the screen: a window
// manager maps a new window in its own time, and a capture the toolkit
// failed stays on its capture stack, where a later modal dialog finds the
// view destroyed. A release, or the view's end, lets the mouse go. The
// toolkit's complaints fail the test (GuiTestMain).
TEST_F(ViewInteractionOnScreen, APressTakesTheMouseOnlyOnTheScreenAndTheReleaseOrTheViewsEndLetsItGo)
{
    const wxPoint at = ClientOf(500, 0);
    Post(wxEVT_LEFT_DOWN, at, true);
    EXPECT_TRUE(view->HasCapture());
    Post(wxEVT_LEFT_UP, at, false);
    EXPECT_EQ(wxWindow::GetCapture(), nullptr);

    Post(wxEVT_LEFT_DOWN, at, true);
    DestroyNow(frame);
    frame = nullptr;
    view = nullptr;
    EXPECT_EQ(wxWindow::GetCapture(), nullptr);

    frame = new wxFrame(nullptr, wxID_ANY, "view not shown");
    view = new CTarvokrtView(frame, Services());
    Post(wxEVT_LEFT_DOWN, at, true);
    EXPECT_EQ(wxWindow::GetCapture(), nullptr);
    Post(wxEVT_LEFT_UP, at, false);
    EXPECT_EQ(wxWindow::GetCapture(), nullptr);
}

// A press while another window holds the mouse (in a drag of its own)
// leaves the mouse with that window: taken over, the window's own release
// would let go of a mouse it no longer held.
TEST_F(ViewInteractionOnScreen, APressLeavesTheMouseWithTheWindowThatHoldsIt)
{
    frame->CaptureMouse();
    ASSERT_EQ(wxWindow::GetCapture(), frame);
    const wxPoint at = ClientOf(500, 0);
    Post(wxEVT_LEFT_DOWN, at, true);
    EXPECT_EQ(wxWindow::GetCapture(), frame);
    Post(wxEVT_LEFT_UP, at, false);
    EXPECT_EQ(wxWindow::GetCapture(), frame);
    if (frame->HasCapture())
        frame->ReleaseMouse();
    EXPECT_EQ(wxWindow::GetCapture(), nullptr);
}

TEST_F(ViewInteractionOnScreen, ThePickFilterCodesChooseKindsAndMode)
{
    const struct {
        int code;
        bool kinds[KIND_COUNT];  // point, curve, section, closed loop, domain
        int mode;
    } cases[] = {
        {30000, {true, false, false, false, false}, MOUSE_SELECT},
        {30001, {false, true, false, false, false}, MOUSE_SELECT},
        {30002, {false, false, true, false, false}, MOUSE_SELECT},
        {30003, {false, false, false, false, true}, MOUSE_SELECT},
        {30004, {false, false, false, true, false}, MOUSE_SELECT},
        {30005, {true, true, true, false, false}, MOUSE_SELECT},
        {0, {false, false, false, false, false}, MOUSE_NONE},
        {12345, {false, false, false, false, false}, MOUSE_SELECT},
    };
    for (const auto& c : cases) {
        view->GetScene()->ResetPickFilter();
        view->GetScene()->m_allKindsFilter = false;
        view->SetPickFilter(c.code);
        for (int kind = 0; kind < KIND_COUNT; ++kind)
            EXPECT_EQ(view->GetScene()->m_pickFilter[kind], c.kinds[kind]) << c.code << " kind " << kind;
        EXPECT_EQ(view->m_mouseMode, c.mode) << c.code;
        EXPECT_FALSE(view->GetScene()->m_allKindsFilter);  // never touched
    }
}

TEST_F(ViewInteractionOnScreen, AWindowOverManyDomainsSelectsThemAll)
{
    // One section of 30 domains: the model counts 1 section and 2 points,
    // far fewer hit records than the domains give.
    document.AddPoint(1, -100, -100);
    document.AddPoint(2, 3100, 200);
    T_SECTION_D& section = document.AddSection(1, SECTION_PLANE, {});
    for (int d = 1; d <= 30; ++d) {
        AddSectionPoint(section, 3 * d - 2, d * 100.0, 0);
        AddSectionPoint(section, 3 * d - 1, d * 100.0 + 80, 0);
        AddSectionPoint(section, 3 * d, d * 100.0, 80);
        AddDomain(section, d, true);
        AddFacet(section, d, d, 3 * d - 2, 3 * d - 1, 3 * d);
    }
    view->SetPickFilter(30003);
    DrawModel();
    ASSERT_EQ(view->GetScene()->m_active[KIND_DOMAIN].size(), 30u);
    EXPECT_TRUE(view->SelectInWindow(CLIENT_WIDTH / 2, CLIENT_HEIGHT / 2, CLIENT_WIDTH / 2, CLIENT_HEIGHT / 2));
    EXPECT_EQ(view->GetScene()->m_hitCount, 30);
    EXPECT_EQ(view->GetScene()->m_selection[KIND_DOMAIN], view->GetScene()->m_active[KIND_DOMAIN]);
}

TEST_F(ViewInteractionOnScreen, AMissWithPointSnapTakesOnlyAPointThatWasSnapped)
{
    TwoLines();
    document.model->m_gridSize = 100.0;
    view->m_gridDisplay = 1;
    view->m_gridSnap = 1;
    view->m_pointSnap = 1;
    view->SetPickFilter(30000);
    // Beside (300, 250): the grid node (300, 200) is nearer than any point.
    const wxPoint beside = ClientOf(300, 230);
    Post(wxEVT_MOTION, beside, false);
    EXPECT_EQ(view->m_snappedPointId, -1);
    EXPECT_DOUBLE_EQ(view->m_snappedPoint[0], 300.0);
    EXPECT_DOUBLE_EQ(view->m_snappedPoint[1], 200.0);
    Click(beside);
    EXPECT_TRUE(AllSelected().empty());

    // Near point 4 the point wins and a miss takes it.
    view->m_gridSnap = 0;
    const wxPoint nearPoint = ClientOf(960, 440);
    Post(wxEVT_MOTION, nearPoint, false);
    EXPECT_EQ(view->m_snappedPointId, 4);
    Click(nearPoint);
    EXPECT_EQ(AllSelected(), Keys{PointKey(4)});
}

TEST_F(ViewInteractionOnScreen, TheSnapMarkerShowsAtTheTargetAndStaysWhileTheTargetDoes)
{
    TwoLines();
    view->m_pointSnap = 1;
    const wxPoint point = ClientOf(1000, 500);
    Post(wxEVT_MOTION, point + wxPoint(3, 2), false);
    const size_t lines = status.panes.size();
    ASSERT_GE(lines, 2u);
    EXPECT_EQ(status.panes.back(), std::make_pair(int(STATUS_PANE_UCS), std::string(" UCS: (1000.000,500.000)")));
    const RgbImage shown = view->ReadShownPicture();
    const std::array<int, 3> grey{125, 125, 125};
    EXPECT_EQ(ClientPixel(shown, point.x - 5, point.y + 1), grey);
    EXPECT_EQ(ClientPixel(shown, point.x + 5, point.y - 2), grey);
    EXPECT_EQ(ClientPixel(shown, point.x + 1, point.y + 5), grey);

    // A move within the same target changes nothing.
    Post(wxEVT_MOTION, point + wxPoint(-2, 1), false);
    EXPECT_EQ(status.panes.size(), lines);
    EXPECT_EQ(ClientPixel(view->ReadShownPicture(), point.x - 5, point.y + 1), grey);
}

TEST_F(ViewInteractionOnScreen, ABlinkShowsTheHighlightAndLeavesWithoutWaiting)
{
    TwoLines();
    const std::array<int, 3> red = ToBytes(view->GetScene()->m_colours[COLOUR_HIGHLIGHT]);
    view->BlinkEntity(CurveKey(2));
    EXPECT_TRUE(ColourNear(view->ReadShownPicture(), 500, 500, red, 1));
    EXPECT_FALSE(ColourNear(view->ReadShownPicture(), 500, 0, red, 1));
    EXPECT_TRUE(AllSelected().empty());
    RunEventLoop(400);
    view->OnDraw();
    EXPECT_FALSE(ColourNear(view->ReadShownPicture(), 500, 500, red, 1));
    EXPECT_TRUE(ColourNear(view->ReadShownPicture(), 500, 500, ToBytes(view->GetScene()->m_colours[COLOUR_CURVE]), 1));
}

TEST_F(ViewInteractionOnScreen, SelectNewcomerTakesTheActiveNewcomersTheFilterAccepts)
{
    TwoLines();
    document.model->AddNewcomerCurves({1, 2}, true);
    document.model->AddNewcomerPoints({1}, true);
    view->GetScene()->m_active[KIND_CURVE].erase(CurveKey(2));  // curve 2 not shown
    view->OnSelectNewcomer();
    EXPECT_EQ(AllSelected(), (Keys{PointKey(1), CurveKey(1)}));

    view->SetPickFilter(30001);
    view->OnSelectNewcomer();
    EXPECT_EQ(AllSelected(), Keys{CurveKey(1)});
}

TEST_F(ViewInteractionOnScreen, SelectGroupNeedsAGroupAndRefillsTheCombos)
{
    TwoLines();
    view->OnSelectGroup();
    EXPECT_EQ(view->m_mouseMode, MOUSE_NONE);
    ASSERT_TRUE(document.model->CreateGroup("G"));
    workspace.calls.clear();
    view->m_pickFieldCode = 10001;
    view->OnSelectGroup();
    EXPECT_EQ(view->m_mouseMode, MOUSE_SELECT_GROUP);
    EXPECT_EQ(view->m_pickFieldCode, 0);
    EXPECT_EQ(workspace.calls, std::vector<std::string>{"RefreshGroupCombos"});
    view->OnSelectGroup();
    EXPECT_EQ(view->m_mouseMode, MOUSE_NONE);
}

// Vertical lines at x = 300 (inside a grid of size 10 that ends at x = 500),
// 540, 700 and 800 (beyond it), each from y = 0 to y = 400.
class WindowsBeyondTheGrid : public ViewInteractionOnScreen {
protected:
    void SetUp() override
    {
        ViewInteractionOnScreen::SetUp();
        if (HasFatalFailure() || IsSkipped())
            return;
        int id = 1;
        for (double x : {300.0, 540.0, 700.0, 800.0}) {
            document.AddPoint(2 * id - 1, x, 0);
            document.AddPoint(2 * id, x, 400);
            document.AddCurve(id, {2 * id - 1, 2 * id});
            ++id;
        }
        document.model->m_gridSize = 10.0;
        ASSERT_EQ(document.model->m_gridCountX, 50);
        view->m_gridDisplay = 1;
        DrawModel();
    }

    // Pressed at one corner, moved through the middle, released at the other.
    void Drag(wxPoint from, wxPoint to, const std::function<void()>& beforeRelease = {})
    {
        Post(wxEVT_MOTION, from, false);
        Post(wxEVT_LEFT_DOWN, from, true);
        Post(wxEVT_MOTION, (from + to) / 2, true);
        Post(wxEVT_MOTION, to, true);
        if (beforeRelease)
            beforeRelease();
        Post(wxEVT_LEFT_UP, to, false);
    }

    void PressEscape()
    {
        wxKeyEvent escape(wxEVT_KEY_DOWN);
        escape.SetEventObject(view);
        escape.m_keyCode = WXK_ESCAPE;
        view->ProcessWindowEvent(escape);
    }
};

TEST_F(WindowsBeyondTheGrid, ASelectWindowTakesWhatWasDraggedOverWithAndWithoutGridSnap)
{
    for (int gridSnap : {1, 0}) {
        SCOPED_TRACE(gridSnap ? "grid snap on" : "grid snap off");
        view->m_gridSnap = gridSnap;
        view->SetPickFilter(30001);
        view->GetScene()->ClearSelection();
        // Over the lines at 700 and 800 only, both corners beyond the grid.
        Drag(ClientOf(651, -48), ClientOf(853, 447));
        EXPECT_EQ(AllSelected(), (Keys{CurveKey(3), CurveKey(4)}));
        EXPECT_EQ(view->m_mouseMode, MOUSE_SELECT);
    }
}

TEST_F(WindowsBeyondTheGrid, AZoomWindowBeyondTheGridShowsWhatWasDraggedOver)
{
    view->m_gridSnap = 1;
    view->OnZoomWindow();
    // The first corner snaps to the grid node (650, 0), beyond the drawn grid.
    Drag(ClientOf(651, 2), ClientOf(850, 400));
    EXPECT_EQ(view->m_mouseMode, MOUSE_NONE);
    double centre[2];
    view->Camera().WindowToWorld(CLIENT_WIDTH / 2.0, CLIENT_HEIGHT / 2.0, centre);
    const double pixel = view->Camera().UnitsPerPixel();
    EXPECT_NEAR(centre[0], 750.0, 2 * pixel);
    EXPECT_NEAR(centre[1], 200.0, 2 * pixel);
}

TEST_F(WindowsBeyondTheGrid, EscapeEndsAnUnfinishedZoomOrSelectWindow)
{
    const double unitsPerPixel = view->Camera().UnitsPerPixel();
    const RgbImage before = view->ReadShownPicture();

    view->OnZoomWindow();
    Drag(ClientOf(651, 2), ClientOf(850, 400), [this] { PressEscape(); });
    EXPECT_EQ(view->m_mouseMode, MOUSE_NONE);
    EXPECT_DOUBLE_EQ(view->Camera().UnitsPerPixel(), unitsPerPixel);
    // The band is gone from the screen.
    EXPECT_EQ(view->ReadShownPicture().rgb, before.rgb);

    // A zoom window given but not yet dragged ends too, back to the mode
    // it was given in.
    view->SetPickFilter(30001);
    view->OnZoomWindow();
    PressEscape();
    EXPECT_EQ(view->m_mouseMode, MOUSE_SELECT);

    // A select window dropped selects nothing; the select mode stays.
    Drag(ClientOf(651, -48), ClientOf(853, 447), [this] { PressEscape(); });
    EXPECT_TRUE(AllSelected().empty());
    EXPECT_EQ(view->m_mouseMode, MOUSE_SELECT);
    EXPECT_EQ(view->ReadShownPicture().rgb, before.rgb);
    // The next window selects as before.
    Drag(ClientOf(651, -48), ClientOf(853, 447));
    EXPECT_EQ(AllSelected(), (Keys{CurveKey(3), CurveKey(4)}));
}

}  // namespace
