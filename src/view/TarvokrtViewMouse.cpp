// The view's mouse and key handlers, snapping and its pan, zoom, grid and
// snap commands.
#include "view/TarvokrtView.h"

#include "model/SectModel.h"

#include <wx/cursor.h>

#include <gdk/gdk.h>

namespace {

constexpr double KEY_ZOOM_STEP = 50.0;

// Whether a press may take the mouse for the window: no window holds it,
// and the window is on the screen. The toolkit grabs the pointer only for a
// window on the screen, which a window manager shows in its own time; a
// capture that failed would stay on the toolkit's capture stack.
bool CanTakeMouse(const wxWindow& window)
{
    if (wxWindow::GetCapture())
        return false;
    GdkWindow* drawing = window.GTKGetDrawingWindow();
    return drawing && gdk_window_is_viewable(drawing);
}

}  // namespace

void CTarvokrtView::GridOf(int& countHorizontal, int& countVertical, double& size) const
{
    countHorizontal = scene_->m_gridCountHorizontal;
    countVertical = scene_->m_gridCountVertical;
    size = scene_->m_gridSpacing;
    if (const CSectModel* model = scene_->Model()) {
        countHorizontal = model->m_gridCountX;
        countVertical = model->m_gridCountY;
        size = model->m_gridSize;
    }
}

double CTarvokrtView::GridSize() const
{
    int countHorizontal = 0;
    int countVertical = 0;
    double size = 0.0;
    GridOf(countHorizontal, countVertical, size);
    return size;
}

bool CTarvokrtView::IsSnapping() const
{
    return IsGridSnapping() || m_pointSnap;
}

SnapRequest CTarvokrtView::SnapRequestAt(int x, int y) const
{
    SnapRequest request;
    request.mouseX = x;
    request.mouseY = y;
    request.gridSnap = IsGridSnapping();
    request.pointSnap = m_pointSnap != 0;
    GridOf(request.gridCountHorizontal, request.gridCountVertical, request.gridSize);
    if (request.pointSnap) {
        const CSectModel* model = scene_->Model();
        for (int key : scene_->m_active[KIND_POINT]) {
            const T_POINT_D* point = model ? model->FindPoint(IdOfKey(key)) : nullptr;
            if (!point)
                continue;
            const double global[2] = {point->xy[0], point->xy[1]};
            SnapCandidate candidate;
            candidate.id = point->id;
            double local[2];
            scene_->ToCurrentUcs(global, local);
            candidate.x = local[0];
            candidate.y = local[1];
            request.points.push_back(candidate);
        }
    }
    return request;
}

SnapResult CTarvokrtView::Snap(const SnapRequest& request) const
{
    return SnapCursorTo(request, [this](double px, double py, double client[2]) {
        Camera().WorldToWindow(px, py, client);
    });
}

bool CTarvokrtView::SnapCursor(int x, int y, int snapped[2])
{
    const SnapRequest request = SnapRequestAt(x, y);
    const SnapResult result = Snap(request);
    if (request.pointSnap)
        m_snappedPointId = result.pointId;
    if (!result.snapped)
        return false;
    m_snappedScreen[0] = snapped[0] = result.screen[0];
    m_snappedScreen[1] = snapped[1] = result.screen[1];
    m_snappedPoint[0] = result.point[0];
    m_snappedPoint[1] = result.point[1];
    return true;
}

void CTarvokrtView::WindowCornerAt(int x, int y, int corner[2]) const
{
    corner[0] = x;
    corner[1] = y;
    if (!IsGridSnapping())
        return;
    // Beyond the drawn grid the corner still snaps to a node near the
    // mouse, never back to the grid's edge.
    SnapRequest request = SnapRequestAt(x, y);
    request.endlessGrid = true;
    Camera().WindowToWorld(x, y, request.mouseInDrawing);
    const SnapResult result = Snap(request);
    if (result.snapped) {
        corner[0] = result.screen[0];
        corner[1] = result.screen[1];
    }
}

ClickSnap CTarvokrtView::SnapAtClick(int x, int y)
{
    ClickSnap snap;
    int screen[2];
    if (!IsSnapping() || !SnapCursor(x, y, screen))
        return snap;
    snap.snapped = true;
    snap.point[0] = m_snappedPoint[0];
    snap.point[1] = m_snappedPoint[1];
    // SnapCursor leaves the id of an earlier point snap when the grid won or
    // point snap is off.
    snap.pointId = m_pointSnap ? m_snappedPointId : -1;
    return snap;
}

void CTarvokrtView::DrawSnapMarker(int x, int y)
{
    const std::pair<int, int> at{x, y};
    if (shownMarker_ == at)
        shownMarker_.reset();
    else
        shownMarker_ = at;
    tglRedrawWnd();
    tglReleaseCurrent();
}

void CTarvokrtView::AfterViewChange()
{
    m_reRender = 1;
    Refresh(true);
}

void CTarvokrtView::OnMouseMove(wxMouseEvent& event)
{
    const int x = event.GetX();
    const int y = event.GetY();
    const bool middleAlone = event.MiddleIsDown() && !event.LeftIsDown() && !event.RightIsDown()
                             && !event.ControlDown() && !event.ShiftDown();
    if (middleAlone) {
        tglSetTrans(x - m_middleAnchor[0], m_middleAnchor[1] - y);
        m_middleAnchor[0] = x;
        m_middleAnchor[1] = y;
        SetCursor(wxCursor(wxCURSOR_HAND));
        AfterViewChange();
        event.Skip();
        return;
    }
    const bool banding = m_leftButtonDown && (m_mouseMode == MOUSE_ZOOM_WINDOW || m_mouseMode == MOUSE_SELECT);
    int snapped[2];
    const bool snapping = IsSnapping() && SnapCursor(x, y, snapped);
    // With point snap alone the cursor follows the mouse, so the marker tells
    // whether the target changed: within one target nothing is redrawn.
    bool targetMoved = false;
    if (snapping) {
        // A window's moving corner follows the mouse even within one target.
        if (!banding && m_snappedScreen[0] == m_cursorPoint[0] && m_snappedScreen[1] == m_cursorPoint[1])
            return;
        targetMoved = m_snappedScreen[0] != m_snapMarkers[0] || m_snappedScreen[1] != m_snapMarkers[1];
    }
    if (targetMoved) {
        ShowCursorCoordinates();
        if (m_snapMarkers[0] != -1 || m_snapMarkers[1] != -1)
            DrawSnapMarker(m_snapMarkers[0], m_snapMarkers[1]);
    }
    if (banding)
        DrawWindowBand();
    if (IsGridSnapping()) {
        m_cursorPoint[0] = m_snappedScreen[0];
        m_cursorPoint[1] = m_snappedScreen[1];
    } else {
        m_cursorPoint[0] = x;
        m_cursorPoint[1] = y;
    }
    if (m_leftButtonDown && HasCapture()) {
        if (m_mouseMode == MOUSE_DYNAMIC_ZOOM) {
            SetCursor(wxCursor(wxCURSOR_MAGNIFIER));
            tglZoomInOut(DynamicZoomStep(m_previousMouse[0], m_previousMouse[1], x, y));
            AfterViewChange();
        } else if (m_mouseMode == MOUSE_DYNAMIC_PAN) {
            SetCursor(wxCursor(wxCURSOR_HAND));
            tglSetTrans(x - m_previousMouse[0], m_previousMouse[1] - y);
            AfterViewChange();
        }
    }
    if (targetMoved) {
        DrawSnapMarker(m_snappedScreen[0], m_snappedScreen[1]);
        m_snapMarkers[0] = m_snappedScreen[0];
        m_snapMarkers[1] = m_snappedScreen[1];
    }
    if (banding) {
        int* window = m_mouseMode == MOUSE_ZOOM_WINDOW ? m_zoomWindow : m_selectWindow;
        window[2] = x;
        window[3] = y;
        DrawWindowBand();
    }
    m_previousMouse[0] = x;
    m_previousMouse[1] = y;
    event.Skip();
}

void CTarvokrtView::OnLButtonDown(wxMouseEvent& event)
{
    m_leftButtonDown = 1;
    m_previousMouse[0] = event.GetX();
    m_previousMouse[1] = event.GetY();
    m_buttonDown[0] = IsGridSnapping() ? m_snappedScreen[0] : event.GetX();
    m_buttonDown[1] = IsGridSnapping() ? m_snappedScreen[1] : event.GetY();
    windowDropped_ = false;
    if (m_mouseMode == MOUSE_ZOOM_WINDOW || m_mouseMode == MOUSE_SELECT) {
        // The window's first corner; the second follows the raw mouse.
        int* window = m_mouseMode == MOUSE_ZOOM_WINDOW ? m_zoomWindow : m_selectWindow;
        WindowCornerAt(event.GetX(), event.GetY(), window);
        window[2] = event.GetX();
        window[3] = event.GetY();
        m_rubberBandKind = m_mouseMode == MOUSE_ZOOM_WINDOW ? 4 : 5;
    }
    SetFocus();
    if (CanTakeMouse(*this))
        CaptureMouse();
    event.Skip();
}

void CTarvokrtView::OnLButtonUp(wxMouseEvent& event)
{
    m_leftButtonDown = 0;
    // While the domain question is open a click is its answer, nothing else.
    if (IsAskingDomainStates()) {
        if (HasCapture())
            ReleaseMouse();
        AnswerDomainQuestion(DomainAnswer::Use);
        return;
    }
    // A window that Escape ended takes nothing at the button's release.
    if (windowDropped_) {
        windowDropped_ = false;
        if (HasCapture())
            ReleaseMouse();
        event.Skip();
        return;
    }
    // Ctrl is read from the event: a key release outside the view never
    // reaches it.
    m_ctrlHeld = event.ControlDown() ? 1 : 0;
    if (m_mouseMode == MOUSE_ZOOM_WINDOW) {
        shownBand_.reset();
        m_zoomWindow[2] = event.GetX();
        m_zoomWindow[3] = event.GetY();
        if (m_zoomWindow[2] != m_zoomWindow[0] || m_zoomWindow[3] != m_zoomWindow[1]) {
            tglZoomWindow(m_zoomWindow[0], m_zoomWindow[2], m_zoomWindow[3], m_zoomWindow[1]);
            m_reRender = 1;
            m_rubberBandKind = 0;
        }
    }
    if (m_mouseMode == MOUSE_SELECT) {
        shownBand_.reset();
        m_selectWindow[2] = event.GetX();
        m_selectWindow[3] = event.GetY();
        const PickBox box = PickBoxOf(m_selectWindow[0], m_selectWindow[1], m_selectWindow[2], m_selectWindow[3]);
        const bool hit = SelectInWindow(box.centreX, box.centreY, box.halfWidth, box.halfHeight);
        // Only a point that was really snapped is taken in place of a miss.
        if (!hit && scene_->m_pickFilter[KIND_POINT] && m_pointSnap && m_snappedPointId > 0) {
            scene_->ToggleClickedKey(PointKey(m_snappedPointId));
        }
        RunQueryAfterPick();
        m_reRender = 1;
    }
    if (m_toolActive && m_mouseMode == MOUSE_NONE && services_.picks) {
        services_.picks->DispatchPick(event.GetX(), event.GetY());
        m_reRender = 1;
    }
    if (m_reRender)
        Refresh(true);
    m_mouseMode = ModeAfterButtonUp(m_mouseMode, m_previousMouseMode);
    if (HasCapture())
        ReleaseMouse();
    event.Skip();
}

void CTarvokrtView::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    // The toolkit has released the mouse already; the drag ends here.
    m_leftButtonDown = 0;
}

void CTarvokrtView::OnLButtonDblClk(wxMouseEvent& event)
{
    if (m_rubberBandKind != -1) {
        m_savedRubberBandKind = m_rubberBandKind;
        m_rubberBandKind = -1;
    }
    m_previousMouse[0] = event.GetX();
    m_previousMouse[1] = event.GetY();
    m_buttonDown[0] = IsGridSnapping() ? m_snappedScreen[0] : event.GetX();
    m_buttonDown[1] = IsGridSnapping() ? m_snappedScreen[1] : event.GetY();
    event.Skip();
}

void CTarvokrtView::OnRButtonDown(wxMouseEvent& event)
{
    m_leftButtonDown = 0;
    if (m_rubberBandKind == -1)
        m_rubberBandKind = m_savedRubberBandKind;
    event.Skip();
}

void CTarvokrtView::OnRButtonUp(wxMouseEvent& event)
{
    if (IsAskingDomainStates()) {
        AnswerDomainQuestion(DomainAnswer::NotUse);
        return;
    }
    event.Skip();
}

void CTarvokrtView::OnMButtonDown(wxMouseEvent& event)
{
    m_middleAnchor[0] = event.GetX();
    m_middleAnchor[1] = event.GetY();
    SetCursor(wxCursor(wxCURSOR_HAND));
}

void CTarvokrtView::OnMouseWheel(wxMouseEvent& event)
{
    tglZoomInOut(event.GetWheelRotation());
    AfterViewChange();
    event.Skip();
}

void CTarvokrtView::OnKeyDown(wxKeyEvent& event)
{
    switch (event.GetKeyCode()) {
    case WXK_CONTROL: m_ctrlHeld = 1; break;
    case WXK_NUMPAD_ADD: OnZoomIn(); break;
    case WXK_NUMPAD_SUBTRACT: OnZoomOut(); break;
    case WXK_ESCAPE: EndUnfinishedWindow(); break;
    default: break;
    }
    event.Skip();
}

void CTarvokrtView::DrawWindowBand()
{
    const int* window = m_mouseMode == MOUSE_ZOOM_WINDOW ? m_zoomWindow : m_selectWindow;
    DrawRubberBand(window[0], window[1], window[2], window[3]);
}

void CTarvokrtView::EndUnfinishedWindow()
{
    const bool zoomWindow = m_mouseMode == MOUSE_ZOOM_WINDOW;
    const bool dragging = m_leftButtonDown && (zoomWindow || m_mouseMode == MOUSE_SELECT);
    if (dragging) {
        shownBand_.reset();
        tglRedrawWnd();
        tglReleaseCurrent();
        m_leftButtonDown = 0;
        windowDropped_ = true;
        if (HasCapture())
            ReleaseMouse();
    }
    // A zoom window ends as a finished one would; the select mode stays, as
    // the open tool set it.
    if (zoomWindow) {
        m_rubberBandKind = 0;
        m_mouseMode = m_previousMouseMode;
    }
}

void CTarvokrtView::OnKeyUp(wxKeyEvent& event)
{
    if (event.GetKeyCode() == WXK_CONTROL)
        m_ctrlHeld = 0;
    event.Skip();
}

void CTarvokrtView::OnDynamicPan()
{
    const ModeSwitch next = ToggleGestureMode(m_mouseMode, m_previousMouseMode, MOUSE_DYNAMIC_PAN);
    m_mouseMode = next.mode;
    m_previousMouseMode = next.savedMode;
}

void CTarvokrtView::OnDynamicZoom()
{
    const ModeSwitch next = ToggleGestureMode(m_mouseMode, m_previousMouseMode, MOUSE_DYNAMIC_ZOOM);
    m_mouseMode = next.mode;
    m_previousMouseMode = next.savedMode;
}

void CTarvokrtView::OnZoomWindow()
{
    const ModeSwitch next = ToggleGestureMode(m_mouseMode, m_previousMouseMode, MOUSE_ZOOM_WINDOW);
    m_mouseMode = next.mode;
    m_previousMouseMode = next.savedMode;
}

void CTarvokrtView::OnPanRight()
{
    tglSetTrans(GridSize(), 0.0);
    AfterViewChange();
}

void CTarvokrtView::OnPanLeft()
{
    tglSetTrans(-GridSize(), 0.0);
    AfterViewChange();
}

void CTarvokrtView::OnPanUp()
{
    tglSetTrans(0.0, GridSize());
    AfterViewChange();
}

void CTarvokrtView::OnPanDown()
{
    tglSetTrans(0.0, -GridSize());
    AfterViewChange();
}

void CTarvokrtView::OnZoomIn()
{
    tglZoomInOut(KEY_ZOOM_STEP);
    AfterViewChange();
}

void CTarvokrtView::OnZoomOut()
{
    tglZoomInOut(-KEY_ZOOM_STEP);
    AfterViewChange();
}

void CTarvokrtView::OnZoomAutoFit()
{
    if (m_autoFit) {
        m_autoFit = 0;
        Refresh(true);
        return;
    }
    m_autoFit = 1;
    m_reRender = 1;
    ZoomFit();
}

void CTarvokrtView::OnZoomFit()
{
    ZoomFit();
}

void CTarvokrtView::OnPointGrid()
{
    m_gridDisplay = m_gridDisplay ? 0 : 1;
    AfterViewChange();
}

void CTarvokrtView::OnGridSnap()
{
    m_gridSnap = m_gridSnap ? 0 : 1;
}

void CTarvokrtView::OnPointSnap()
{
    m_pointSnap = m_pointSnap ? 0 : 1;
}
