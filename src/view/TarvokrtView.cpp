#include "view/TarvokrtView.h"

#include "model/SectModel.h"
#include "model/TextFormat.h"
#include "view/TarvokrtToolView.h"

#include <wx/dcclient.h>
#include <wx/filedlg.h>
#include <wx/filename.h>

#include <GL/gl.h>

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

constexpr double DEFAULT_FRAME_GRIDS = 10.0;  // the default frame reaches this many grid sizes from the origin
// The axis glyph spans at most this share of the window's shorter side.
constexpr double UCS_AXES_WINDOW_SHARE = 1.0 / 8.0;

double Diagonal(const double extents[4])
{
    return std::hypot(extents[2] - extents[0], extents[3] - extents[1]);
}

}  // namespace

CTarvokrtView::CTarvokrtView(wxWindow* parent, const ViewServices& services)
    : CTGLView(parent), services_(services)
{
    if (services_.combos)
        services_.combos->ResetGroupCombos();
    ResetExtents();
    Bind(wxEVT_PAINT, &CTarvokrtView::OnPaint, this);
    Bind(wxEVT_ERASE_BACKGROUND, &CTarvokrtView::OnEraseBackground, this);
    Bind(wxEVT_MOTION, &CTarvokrtView::OnMouseMove, this);
    Bind(wxEVT_LEFT_DOWN, &CTarvokrtView::OnLButtonDown, this);
    Bind(wxEVT_LEFT_UP, &CTarvokrtView::OnLButtonUp, this);
    Bind(wxEVT_LEFT_DCLICK, &CTarvokrtView::OnLButtonDblClk, this);
    Bind(wxEVT_RIGHT_DOWN, &CTarvokrtView::OnRButtonDown, this);
    Bind(wxEVT_MIDDLE_DOWN, &CTarvokrtView::OnMButtonDown, this);
    Bind(wxEVT_RIGHT_UP, &CTarvokrtView::OnRButtonUp, this);
    Bind(wxEVT_CONTEXT_MENU, &CTarvokrtView::OnContextMenu, this);
    Bind(wxEVT_MOUSEWHEEL, &CTarvokrtView::OnMouseWheel, this);
    Bind(wxEVT_KEY_DOWN, &CTarvokrtView::OnKeyDown, this);
    Bind(wxEVT_KEY_UP, &CTarvokrtView::OnKeyUp, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CTarvokrtView::OnCaptureLost, this);
    blinkTimer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { RedrawScene(); });

    scene_ = std::make_unique<CScene>(services_.document);
    selfPort_ = std::make_unique<TarvokrtToolView>(*this);
    tglSetBKColor(m_background[0], m_background[1], m_background[2], 1.0f);
    tglSetLightPosition(-2000.0f, -2000.0f, 2000.0f);
    tglSetAmbient(0.5f, 0.5f, 0.5f);
    tglSetDiffuse(0.8f, 0.8f, 0.8f);
    tglSetSpecular(0.7f, 0.7f, 0.7f);
    tglSetReflect(0.8f, 0.8f, 0.8f);
    tglSetShiness(90);
    tglViewpointTop();
    RebuildScene();
    ZoomFit();
}

CTarvokrtView::~CTarvokrtView()
{
    // A press without its release (the window closed meanwhile) leaves no
    // destroyed window on the toolkit's capture stack.
    if (HasCapture())
        ReleaseMouse();
    if (IsAskingDomainStates())
        wxEvtHandler::RemoveFilter(domainAnswerFilter_.get());
    if (tglSetCurrent())
        executor_.DeleteLists();
    scene_.reset();
    capture_.Free();
}

void CTarvokrtView::ResetExtents()
{
    m_extents[0] = DBL_MAX;
    m_extents[1] = DBL_MAX;
    m_extents[2] = -DBL_MAX;
    m_extents[3] = -DBL_MAX;
}

void CTarvokrtView::ResetViewState()
{
    if (services_.workspace) {
        services_.workspace->CloseAllTools();
        services_.workspace->ActivateTab(0);
    }
    m_autoFit = 0;
    m_cursorPoint[0] = m_cursorPoint[1] = -1;
    for (double& value : m_snappedPoint)
        value = 0.0;
    for (int& marker : m_snapMarkers)
        marker = -1;
    m_rubberBandKind = -1;
    shownBand_.reset();
    windowDropped_ = false;
    m_mouseMode = MOUSE_NONE;
    m_reRender = 1;
    m_background[0] = m_background[1] = m_background[2] = 1.0f;
    m_gridDisplay = 0;
    m_ucsAxesDisplay = 1;
    ResetExtents();
    m_display = ViewDisplaySwitches();
    m_toolCommandId = 0;
    m_pickFieldCode = 0;
    m_toolActive = 0;
    m_previousMouseMode = MOUSE_NONE;
    m_coordinateDisplay = COORDINATES_GCS;
    m_propertyLabels = PropertyLabelSwitches();
    m_propertyLabelsOn = false;
    m_modalInteraction = false;
    m_leftButtonDown = 0;
    m_ctrlHeld = 0;
    m_gridSnap = 0;
    m_pointSnap = 0;
    m_snappedScreen[0] = m_snappedScreen[1] = -1;
    m_snappedPointId = -1;
    m_savedRubberBandKind = -1;
    shownMarker_.reset();
}

void CTarvokrtView::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    OnDraw();
}

void CTarvokrtView::OnResized()
{
    ZoomFit();
}

void CTarvokrtView::OnEraseBackground(wxEraseEvent&)
{
    // The frame covers the whole window; erasing first would only flicker.
}

void CTarvokrtView::OnDraw()
{
    // A repaint shows no snap marker until the mouse moves again.
    shownMarker_.reset();
    if (services_.document && services_.document->IsDisplayOutOfDate()) {
        RebuildScene();
        m_reRender = 1;
    }
    if (m_reRender) {
        tglSetBKColor(m_background[0], m_background[1], m_background[2], 1.0f);
        // Without a window on screen the flag stays set for the next draw.
        if (RenderFrame())
            m_reRender = 0;
        tglReleaseCurrent();
    }
    tglRedrawWnd();
    tglReleaseCurrent();
    m_cursorPoint[0] = m_cursorPoint[1] = -1;
    for (int& marker : m_snapMarkers)
        marker = -1;
}

bool CTarvokrtView::RenderFrame()
{
    if (!BeginFrame())
        return false;
    if (listsPending_) {
        executor_.Compile(pendingLists_);
        pendingLists_ = DisplayListPlan();
        listsPending_ = false;
    }
    RenderScene();
    KeepFrame();
    ++renderCount_;
    return true;
}

void CTarvokrtView::RenderScene()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glShadeModel(GL_SMOOTH);
    glDisable(GL_DEPTH_TEST);
    glPushMatrix();
    tglCameraON();
    if (m_gridDisplay) {
        DrawPlan grid;
        scene_->DrawGrid(grid);
        executor_.Run(grid);
    }
    DrawPlan lists;
    scene_->Draw(lists);
    executor_.Run(lists);
    glPointSize(1.0f);
    if (m_display.points && m_display.pointLabels)
        DrawPointLabels();
    if (m_display.curves && m_display.curveLabels)
        DrawCurveLabels();
    if (m_display.closedLoops && m_display.closedLoopLabels)
        DrawClosedLoopLabels();
    if (m_display.sections && m_display.sectionNameLabels)
        DrawSectionNames();
    if (m_display.sections && m_display.materialLabels)
        DrawMaterialLabels();
    if (m_propertyLabelsOn)
        DrawPropertyLabels();
    if (m_ucsAxesDisplay) {
        DrawPlan axes;
        const GlCamera& camera = Camera();
        const int shorterSide = std::min(camera.WindowWidth(), camera.WindowHeight());
        scene_->DrawUcsAxes(axes, shorterSide * camera.UnitsPerPixel() * UCS_AXES_WINDOW_SHARE);
        executor_.Run(axes);
    }
    glPopMatrix();
    glFlush();
}

void CTarvokrtView::DrawLabels(const std::vector<ViewLabel>& labels)
{
    for (const ViewLabel& label : labels) {
        glColor3fv(scene_->m_labelColour.data());
        glRasterPos3f(static_cast<float>(label.x), static_cast<float>(label.y), 0.0f);
        tglText2D(label.text, label.font, label.bold, label.stacked);
    }
}

void CTarvokrtView::DrawPointLabels() { DrawLabels(PointLabels(*scene_)); }
void CTarvokrtView::DrawCurveLabels() { DrawLabels(CurveLabels(*scene_)); }
void CTarvokrtView::DrawClosedLoopLabels() { DrawLabels(ClosedLoopLabels(*scene_)); }
void CTarvokrtView::DrawSectionNames() { DrawLabels(SectionNameLabels(*scene_)); }
void CTarvokrtView::DrawMaterialLabels() { DrawLabels(MaterialLabels(*scene_)); }
void CTarvokrtView::DrawPropertyLabels() { DrawLabels(PropertyLabels(*scene_, m_propertyLabels)); }

void CTarvokrtView::UpdateSceneSwitches()
{
    scene_->m_showCurveWidths = m_display.curveWidths;
    scene_->m_showPoints = m_display.points;
    scene_->m_showCurves = m_display.curves;
    scene_->m_showClosedLoops = m_display.closedLoops;
}

void CTarvokrtView::RecompileDisplayLists()
{
    UpdateSceneSwitches();
    scene_->BuildDisplayLists(pendingLists_);
    listsPending_ = true;
    // Without a window on screen the lists are compiled at the next render.
    if (tglSetCurrent()) {
        executor_.Compile(pendingLists_);
        pendingLists_ = DisplayListPlan();
        listsPending_ = false;
        tglReleaseCurrent();
    }
}

void CTarvokrtView::RebuildScene()
{
    RecompileDisplayLists();
    UpdateExtents();
    if (m_autoFit)
        ZoomFit();
    if (services_.document)
        services_.document->SetDisplayOutOfDate(false);
}

void CTarvokrtView::RedrawScene()
{
    m_reRender = 1;
    Refresh(true);
}

void CTarvokrtView::UpdateExtents()
{
    double min[3];
    double max[3];
    if (!scene_->GetDepthExtents(min, max)) {
        const double reach = DEFAULT_FRAME_GRIDS * scene_->m_gridSpacing;
        m_extents[0] = -reach;
        m_extents[1] = -reach;
        m_extents[2] = reach;
        m_extents[3] = reach;
    } else {
        const double oldDiagonal = Diagonal(m_extents);
        m_extents[0] = min[0];
        m_extents[1] = min[1];
        m_extents[2] = max[0];
        m_extents[3] = max[1];
        if (Diagonal(m_extents) != oldDiagonal)
            UpdateDepthRange();
    }
    Camera().SetCentre((m_extents[0] + m_extents[2]) / 2.0, (m_extents[1] + m_extents[3]) / 2.0, 0.0);
}

void CTarvokrtView::UpdateDepthRange()
{
    if (m_extents[0] == DBL_MAX)
        return;
    tglSetOrthoDepth(DepthRangeFor(Diagonal(m_extents), scene_->m_gridCountHorizontal,
                                   scene_->m_gridCountVertical, scene_->m_gridSpacing));
}

void CTarvokrtView::ZoomFit()
{
    double min[3];
    double max[3];
    const CTGLMatrix view = Camera().ViewMatrix();
    bool found = false;
    if (!scene_->HasFewerThanTwoPoints())
        found = scene_->GetActiveExtents(view, min, max);
    if (!found) {
        // The default frame, corner by corner so that y is not inverted.
        const double reach = DEFAULT_FRAME_GRIDS * scene_->m_gridSpacing;
        const CHomoPoint a = view.Mult3DPoint(CHomoPoint{reach, -reach, 0.0, 1.0});
        const CHomoPoint b = view.Mult3DPoint(CHomoPoint{-reach, reach, 0.0, 1.0});
        min[0] = std::min(a.x, b.x);
        min[1] = std::min(a.y, b.y);
        max[0] = std::max(a.x, b.x);
        max[1] = std::max(a.y, b.y);
    }
    UpdateExtents();
    const double dx = max[0] - min[0];
    const double dy = max[1] - min[1];
    min[0] -= dx / 20.0;
    min[1] -= dy / 20.0;
    max[0] += dx / 20.0;
    max[1] += dy / 20.0;
    tglFitToWnd(min, max);
    m_reRender = 1;
    Refresh(true);
}

void CTarvokrtView::DrawRubberBand(int x1, int y1, int x2, int y2)
{
    const RubberBand band{m_rubberBandKind, x1, y1, x2, y2};
    if (shownBand_ == band)
        shownBand_.reset();
    else
        shownBand_ = band;
    tglRedrawWnd();
    tglReleaseCurrent();
}

void CTarvokrtView::DrawOverlay()
{
    if (shownMarker_) {
        const double x = shownMarker_->first + 0.5;
        const double y = shownMarker_->second + 0.5;
        glLineWidth(1.0f);
        glColor3ub(125, 125, 125);
        glBegin(GL_LINE_LOOP);
        glVertex2d(x - 5.0, y - 5.0);
        glVertex2d(x - 5.0, y + 5.0);
        glVertex2d(x + 5.0, y + 5.0);
        glVertex2d(x + 5.0, y - 5.0);
        glEnd();
    }
    if (!shownBand_ || shownBand_->kind < 1 || shownBand_->kind > 5)
        return;
    const RubberBand& band = *shownBand_;
    // Pixel centres, so that a one-pixel line covers whole pixels.
    const double x1 = band.x1 + 0.5;
    const double y1 = band.y1 + 0.5;
    const double x2 = band.x2 + 0.5;
    const double y2 = band.y2 + 0.5;
    glLineWidth(1.0f);
    glColor3ub(90, 90, 90);
    if (band.kind <= 2) {
        glBegin(GL_LINES);
        glVertex2d(x1, y1);
        glVertex2d(x2, y2);
    } else {
        glBegin(GL_LINE_LOOP);
        glVertex2d(x1, y1);
        glVertex2d(x2, y1);
        glVertex2d(x2, y2);
        glVertex2d(x1, y2);
    }
    glEnd();
}

void CTarvokrtView::ShowCursorCoordinates()
{
    if (!services_.status)
        return;
    double global[2] = {m_snappedPoint[0], m_snappedPoint[1]};
    CSectModel* model = scene_->Model();
    if (const T_UCS_D* ucs = model ? model->GetCurrentUcs() : nullptr)
        ucs->ToGlobal(m_snappedPoint, global);
    services_.status->SetPaneText(STATUS_PANE_GCS, FormatText(" GCS: (%.3lf,%.3lf)", global[0], global[1]));
    services_.status->SetPaneText(STATUS_PANE_UCS,
                                  FormatText(" UCS: (%.3lf,%.3lf)", m_snappedPoint[0], m_snappedPoint[1]));
}

void CTarvokrtView::PrintMessage(const std::string& text, int mode)
{
    if (!services_.output)
        return;
    if (mode == 0)
        services_.output->AddMessage(text);
    else if (mode == 1)
        services_.output->ReplaceLastMessage(text);
}

void CTarvokrtView::RunQueryAfterPick()
{
    if (!m_toolActive || !services_.query)
        return;
    if (m_toolCommandId == TOOL_QUERY_POINT || m_toolCommandId == TOOL_QUERY_CURVE
        || m_toolCommandId == TOOL_QUERY_SECTION)
        services_.query->RunQuery(m_toolCommandId);
}

void CTarvokrtView::OnExportBitmap()
{
    const std::string defaultName =
        BitmapDefaultName(services_.document ? services_.document->GetPathName() : std::string());
    wxFileDialog dialog(this, "Export", wxEmptyString, wxString::FromUTF8(defaultName),
                        "Windows Bitmap Files (*.bmp)|*.bmp", wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK)
        return;
    std::string path = dialog.GetPath().utf8_string();
    if (wxFileName(dialog.GetPath()).GetExt().empty())
        path += ".bmp";
    ExportBitmap(path);
}

bool CTarvokrtView::TakePicture(CDibCapture& capture)
{
    if (services_.document && services_.document->IsDisplayOutOfDate())
        RebuildScene();
    const bool rendered = RenderFrame();
    if (rendered)
        m_reRender = 0;
    const int width = Camera().WindowWidth();
    const int height = Camera().WindowHeight();
    const bool captured = rendered && capture.Capture(0, 0, width, height, height);
    tglReleaseCurrent();
    Refresh(true);
    return captured;
}

bool CTarvokrtView::ExportBitmap(const std::string& path)
{
    const bool written = TakePicture(capture_) && capture_.WriteBmp(path);
    capture_.Free();
    if (written) {
        PrintMessage("Active window graphic is exported to Windows bitmap file [" + path + "]", 0);
    } else if (const CSectModel* model = scene_->Model()) {
        model->m_reporter.ReportFileOpenError(path);
    }
    return written;
}
