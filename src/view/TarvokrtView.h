#pragma once
// The document window's drawing view: owns the scene and the bitmap capture,
// rebuilds the display lists after model changes, renders frames, fits the
// picture to the window, writes labels and reports cursor coordinates.

#include "view/DibCapture.h"
#include "view/DomainStateInteraction.h"
#include "view/GLView.h"
#include "view/GlPlanExecutor.h"
#include "view/MouseModes.h"
#include "view/Scene.h"
#include "view/Snapping.h"
#include "view/ViewLabels.h"
#include "view/ViewPorts.h"
#include "view/ToolViewPort.h"
#include "view/ViewSettings.h"

#include <wx/cmndata.h>
#include <wx/eventfilter.h>
#include <wx/timer.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

// Coordinate display of the status bar.
enum CoordinateDisplay { COORDINATES_GCS = 17, COORDINATES_UCS = 18 };


// Tool commands whose pages run a query after each pick.
enum QueryToolCommand { TOOL_QUERY_POINT = 1014, TOOL_QUERY_CURVE = 2031, TOOL_QUERY_SECTION = 3014 };

// The view's "Display" switches, one per kind and label.
struct ViewDisplaySwitches {
    bool points = true;
    bool curves = true;
    bool sections = true;
    bool closedLoops = true;
    bool curveWidths = true;
    bool pointLabels = false;
    bool curveLabels = false;
    bool sectionNameLabels = false;
    bool closedLoopLabels = false;
    bool materialLabels = false;
};

class CViewPrintout;

class CTarvokrtView : public CTGLView {
public:
    CTarvokrtView(wxWindow* parent, const ViewServices& services);
    ~CTarvokrtView() override;

    // Back to the start state; run at the child frame's first activation,
    // before the scene's defaults.
    void ResetViewState();

    // One screen draw: rebuild when the model changed, render when the picture
    // changed, then show the frame.
    void OnDraw();
    void RenderScene();
    void RebuildScene();
    void RecompileDisplayLists();
    void RedrawScene();
    void ZoomFit();
    void UpdateExtents();
    void UpdateDepthRange();
    // Shows the rubber band of the current kind (1, 2 a line; 3 to 5 a
    // rectangle) over the kept frame; the same band drawn again removes it.
    void DrawRubberBand(int x1, int y1, int x2, int y2);
    void ShowCursorCoordinates();
    void PrintMessage(const std::string& text, int mode);
    void RunQueryAfterPick();

    // Labels of the render pass.
    void DrawPointLabels();
    void DrawCurveLabels();
    void DrawClosedLoopLabels();
    void DrawSectionNames();
    void DrawMaterialLabels();
    void DrawPropertyLabels();

    // The "Setting" dialog's record: filled from the model, the switches and
    // the colours; applied through the document's setters, then the switches
    // and colours, a rebuild and a fit.
    void GetViewSettings(T_VIEWSET_D& settings);
    void ApplyViewSettings(const T_VIEWSET_D& settings);

    // File > Export > Windows Bitmap: asks for the file, then ExportBitmap.
    void OnExportBitmap();
    // Renders the view, writes it as a bitmap file and reports the outcome.
    bool ExportBitmap(const std::string& path);
    // Renders the view as it stands (rebuilt first when the model changed)
    // and captures the whole window into the capture object.
    bool TakePicture(CDibCapture& capture);

    // Printing (ViewPrinting.cpp). The page settings chosen last carry over
    // to the next setup, print and preview of the run.
    // The page of the view's current picture, taken now.
    std::unique_ptr<CViewPrintout> MakePrintout();
    wxPrintData& PrintData() { return printData_; }
    void OnFilePrintSetup();
    void OnFilePrint();
    void OnFilePrintPreview();

    // Mouse, keys and snapping (TarvokrtViewMouse.cpp).
    bool SnapCursor(int x, int y, int snapped[2]);
    // The snap at a click: nothing applies with snapping off or nothing in
    // reach, and the point id is that of this click's point, never an
    // earlier one.
    ClickSnap SnapAtClick(int x, int y);
    void DrawSnapMarker(int x, int y);
    // Grid snap on with the grid shown, or point snap on.
    bool IsSnapping() const;
    bool IsGridSnapping() const { return m_gridSnap && m_gridDisplay; }
    void OnMouseMove(wxMouseEvent& event);
    void OnLButtonDown(wxMouseEvent& event);
    void OnLButtonUp(wxMouseEvent& event);
    void OnLButtonDblClk(wxMouseEvent& event);
    void OnRButtonDown(wxMouseEvent& event);
    void OnMButtonDown(wxMouseEvent& event);
    void OnRButtonUp(wxMouseEvent& event);
    void OnMouseWheel(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    // Escape: a zoom window given but not finished ends, and a window being
    // dragged is dropped, taking nothing.
    void EndUnfinishedWindow();

    // The view's pan, zoom, grid and snap commands (TarvokrtViewMouse.cpp).
    void OnDynamicPan();
    void OnDynamicZoom();
    void OnZoomWindow();
    void OnPanRight();
    void OnPanLeft();
    void OnPanUp();
    void OnPanDown();
    void OnZoomIn();
    void OnZoomOut();
    void OnZoomAutoFit();
    void OnZoomFit();
    void OnPointGrid();
    void OnGridSnap();
    void OnPointSnap();

    // Picking and the select commands (TarvokrtViewPicking.cpp).
    void SetPickFilter(int code);
    bool SelectInWindow(int cx, int cy, int halfWidth, int halfHeight);
    int PickNearestCurve(int x, int y, int halfWidth, int halfHeight);
    // Shows the entity in the highlight colour; the plain picture comes back
    // 200 ms later without holding up the event loop.
    void BlinkEntity(int key);
    void RenderForSelection();
    void RenderCurvesForPick();
    void OnSelect();
    void OnSelectPrevious();
    void OnSelectNewcomer();
    void OnSelectGroup();

    // Activity commands (ViewActivity.cpp).
    // 32787: only the selected entities and what they carry stay shown.
    void OnActivate();
    void OnInactivate();
    void OnReverseActivity();
    void OnActivateAll();
    void OnInactivateAll();

    // Tool commands, the UCS and GCS buttons and the context menu
    // (ViewToolCommands.cpp).
    // A command of the tool-command table opens its page on its tool id.
    void OnToolCommand(int commandId);
    void OnUcs();
    void OnGcs();
    void OnContextMenu(wxContextMenuEvent& event);

    // The modal state (ViewDomainStates.cpp). The flag is set and cleared by
    // 32907 and 32908; the view is also modal while the domain question runs.
    void OnBeginModalInteraction();
    void OnEndModalInteraction();
    bool IsModal() const;
    // Starts the domain question of the plane section; its answers are the
    // view's button-ups and Enter or Escape anywhere in the main window.
    void ChangeDomainState(int sectionId);
    bool IsAskingDomainStates() const;
    void AnswerDomainQuestion(DomainAnswer answer);

    CScene* GetScene() const { return scene_.get(); }
    GlPlanExecutor& Executor() { return executor_; }
    int RenderCount() const { return renderCount_; }

    int m_autoFit = 0;
    int m_cursorPoint[2] = {-1, -1};
    double m_snappedPoint[3] = {0.0, 0.0, 0.0};  // current-UCS drawing coordinates
    int m_snapMarkers[4] = {-1, -1, -1, -1};
    int m_rubberBandKind = -1;
    int m_mouseMode = MOUSE_NONE;
    int m_reRender = 1;
    float m_background[3] = {1.0f, 1.0f, 1.0f};
    int m_gridDisplay = 0;
    int m_ucsAxesDisplay = 1;
    double m_extents[4];  // min x, min y, max x, max y
    ViewDisplaySwitches m_display;
    int m_toolCommandId = 0;
    int m_pickFieldCode = 0;
    int m_toolActive = 0;
    int m_previousMouseMode = MOUSE_NONE;
    int m_coordinateDisplay = COORDINATES_GCS;
    PropertyLabelSwitches m_propertyLabels;
    bool m_propertyLabelsOn = false;
    bool m_modalInteraction = false;

    // Interaction state of the mouse handlers.
    int m_leftButtonDown = 0;
    int m_ctrlHeld = 0;
    int m_gridSnap = 0;
    int m_pointSnap = 0;
    int m_previousMouse[2] = {0, 0};
    int m_buttonDown[2] = {0, 0};
    int m_zoomWindow[4] = {0, 0, 0, 0};
    int m_selectWindow[4] = {0, 0, 0, 0};
    int m_middleAnchor[2] = {0, 0};
    int m_snappedScreen[2] = {-1, -1};
    int m_snappedPointId = -1;
    int m_savedRubberBandKind = -1;

protected:
    void OnResized() override;
    void DrawOverlay() override;

private:
    void OnPaint(wxPaintEvent& event);
    void OnEraseBackground(wxEraseEvent& event);
    void UpdateSceneSwitches();
    // Renders a frame into the back buffer and keeps it; false without a
    // window on screen.
    bool RenderFrame();
    void DrawLabels(const std::vector<ViewLabel>& labels);
    void ResetExtents();
    // The grid as the model sets it (the scene's when there is no model).
    void GridOf(int& countHorizontal, int& countVertical, double& size) const;
    double GridSize() const;
    // The snap of a mouse position over the active points and the grid.
    SnapRequest SnapRequestAt(int x, int y) const;
    SnapResult Snap(const SnapRequest& request) const;
    // A zoom or select window's first corner: the mouse position, snapped
    // over the endless grid while grid snapping is in force.
    void WindowCornerAt(int x, int y, int corner[2]) const;
    // The band of the zoom or select window being dragged.
    void DrawWindowBand();
    void AfterViewChange();
    // Renders the pick box for selection into hit records, retrying with a
    // larger buffer when it overflows; the context must be current.
    int RenderPickBox(const PickBox& box, int records, const std::function<void()>& render,
                      std::vector<unsigned>& buffer);
    void CompilePendingLists();
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void AfterActivityChange();

    ViewServices services_;
    std::unique_ptr<CScene> scene_;
    CDibCapture capture_;
    wxPrintData printData_;
    GlPlanExecutor executor_;
    DisplayListPlan pendingLists_;
    bool listsPending_ = false;
    struct RubberBand {
        int kind;
        int x1, y1, x2, y2;
        bool operator==(const RubberBand&) const = default;
    };
    std::optional<RubberBand> shownBand_;
    bool windowDropped_ = false;  // Escape ended the window being dragged
    std::optional<std::pair<int, int>> shownMarker_;
    wxTimer blinkTimer_;
    std::unique_ptr<IToolView> selfPort_;
    std::unique_ptr<CDomainStateInteraction> domainStates_;
    std::unique_ptr<wxEventFilter> domainAnswerFilter_;
    int renderCount_ = 0;
};
