#pragma once
// The view's model of what is shown and what is chosen: entity keys and their
// sets (selection, previous selection, active, inactive, drawn), the pick
// filter, display flags and colours. It knows no window system: drawing is
// written as plans (DrawPlan) that the GL executor replays.

#include "view/DrawPlan.h"
#include "view/EntityKeys.h"

#include <limits>
#include <set>
#include <string>
#include <vector>

class CSectModel;
class CTGLMatrix;
class IViewDocument;
struct T_CURVE_D;
struct T_SECTION_D;

using KeySet = std::set<int>;

// One kind's set among per-kind sets such as the selection; a kind outside
// the scene's bands gives an empty set.
const KeySet& KeysOfKind(const KeySet (&sets)[KIND_COUNT], SceneKind kind);

// The nine colours of the drawing, in the order the settings dialog knows them.
enum SceneColour {
    COLOUR_POINT,
    COLOUR_POINT_FREE_END,  // the end of exactly one curve
    COLOUR_POINT_JUNCTION,  // three or more curve ends
    COLOUR_CENTROID,
    COLOUR_CURVE,
    COLOUR_HIGHLIGHT,
    COLOUR_CALCULATED_CURVE,
    COLOUR_WIDTH,
    COLOUR_CLOSED_LOOP,
    COLOUR_COUNT
};

enum ActivityMode {
    ACTIVITY_SELECTED_ONLY = 19,
    ACTIVITY_ALL = 20,
    ACTIVITY_NONE = 21,
    ACTIVITY_SELECTED_INACTIVE = 22,
};

enum PickMode { PICK_WINDOW = 23, PICK_NEAREST = 24 };

// The pick filter codes the tool pages give.
enum PickFilterCode {
    PICK_FILTER_OFF = 0,
    PICK_FILTER_POINTS = 30000,
    PICK_FILTER_CURVES = 30001,
    PICK_FILTER_SECTIONS = 30002,
    PICK_FILTER_DOMAINS = 30003,
    PICK_FILTER_CLOSED_LOOPS = 30004,
    PICK_FILTER_POINTS_CURVES_SECTIONS = 30005,
};

// Values the list build leaves in T_CURVE_D::work for the draw to colour by;
// a positive value is the id of the uncalculated line section of the curve.
enum CurveDrawState {
    CURVE_IN_NO_SECTION = 0,
    CURVE_IN_CALCULATED_PLANE = -1,
    CURVE_IN_CALCULATED_LINE = -2,
    CURVE_IN_PLANE = -3,
};

class CScene {
public:
    explicit CScene(IViewDocument* document);
    virtual ~CScene();
    CScene(const CScene&) = delete;
    CScene& operator=(const CScene&) = delete;

    void ResetDefaults();
    void ResetPickFilter();
    // The kinds a filter code lets be picked: 30000 points, 30001 curves,
    // 30002 sections, 30003 domains, 30004 closed loops, 30005 points, curves
    // and sections; any other code, none.
    void SetPickFilterCode(int code);

    // Selection (Scene.cpp)
    void ClearSelection();
    void ClearCombinedSelection();
    bool IsSelectionEmpty() const;
    void ToggleKindSelection(int key);
    void ToggleSelection(int key);
    // A click on the entity of the key: toggles it in its kind's selection
    // and in the combined one.
    void ToggleClickedKey(int key);
    void SelectCurves(const std::vector<int>& ids);
    void SelectPoints(const std::vector<int>& ids);
    void SelectSections(const std::vector<int>& ids);
    void SelectClosedLoops(const std::vector<int>& ids);
    // Selects those of the ids (points, curves, sections or closed loops)
    // whose entity is active; the others stay out.
    void SelectActiveIds(SceneKind kind, const std::vector<int>& ids);
    void KeepPreviousSelection();
    void SelectPrevious();
    bool IsPointActive(int id) const;
    bool IsCurveActive(int id) const;
    bool IsSectionActive(int id) const;
    void AddActiveKey(int key);
    void AddDrawnKey(int key);
    void ClearActiveSets();
    void ClearInactiveSets();
    // Empties every key set, as a new project's scene starts.
    void ClearAllKeySets();
    int CountModelEntities() const;
    bool HasFewerThanTwoPoints() const;

    // Activity commands (SceneActivity.cpp)
    void ActivateAll();
    void InactivateAll();
    void ReverseActivity();
    void ActivateSelectedOnly();
    void InactivateSelected();

    // Display lists (SceneLists.cpp). The caller deletes the lists of the
    // previous build (but the domain lists the plan keeps) and compiles it.
    void BuildDisplayLists(DisplayListPlan& lists);

    // Drawing (SceneDraw.cpp)
    void Draw(DrawPlan& plan);
    void DrawLists(DrawPlan& plan);
    void DrawPoints(DrawPlan& plan);
    void DrawCurves(DrawPlan& plan);
    void DrawWidths(DrawPlan& plan);
    void DrawSections(DrawPlan& plan);
    void DrawClosedLoops(DrawPlan& plan);
    void DrawMesh(DrawPlan& plan);
    void DrawDomainsForSelection(DrawPlan& plan);
    void DrawSelection(DrawPlan& plan);
    void DrawHighlighted(int key, DrawPlan& plan);
    void DrawHighlightedDomain(DrawPlan& plan);
    void DrawGrid(DrawPlan& plan);
    // The axis glyph at the origin, sized by the grid size but at most
    // largestSize (model units) across.
    void DrawUcsAxes(DrawPlan& plan, double largestSize = std::numeric_limits<double>::infinity());
    void RenderForSelection(DrawPlan& plan);

    // Extents (SceneExtents.cpp)
    bool GetActiveExtents(CTGLMatrix matrix, double min[3], double max[3]);
    bool GetDepthExtents(double min[3], double max[3]) const;

    // Global to current-UCS coordinates.
    void ToCurrentUcs(const double in[2], double out[2]) const;
    CSectModel* Model() const;
    // A failed look-up while lists or labels are made: printed in the output
    // window once between two rebuilds, never as a box in the middle of a paint.
    void ReportLookupProblem(const std::string& text);

    int m_gridCountHorizontal = 30;
    int m_gridCountVertical = 30;
    double m_gridSpacing = 100.0;
    Colour m_gridColour{0.0f, 0.0f, 0.0f};

    KeySet m_combinedSelection;
    KeySet m_selection[KIND_COUNT];
    KeySet m_previousSelection[KIND_COUNT];
    KeySet m_active[KIND_COUNT];
    KeySet m_inactive[KIND_COUNT];
    KeySet m_drawn[KIND_COUNT];

    bool m_showCurveWidths = true;
    Colour m_colours[COLOUR_COUNT];
    Colour m_meshColour{0.0f, 0.0f, 0.0f};
    Colour m_labelColour{0.0f, 0.0f, 0.0f};

    unsigned* m_selectionBuffer = nullptr;  // owned by the view's picking
    int m_hitCount = 0;
    int m_pickMode = PICK_NEAREST;

    bool m_pickFilter[KIND_COUNT] = {true, true, true, true, false};
    bool m_showPoints = true;
    bool m_showCurves = true;
    bool m_showClosedLoops = true;
    bool m_allKindsFilter = true;

    int m_listCounts[KIND_COUNT] = {0, 0, 0, 0, 0};
    int m_activityMode = ACTIVITY_ALL;
    int m_activityModeAtLastDraw = ACTIVITY_SELECTED_ONLY;

    int m_highlightSectionId = 0;
    int m_highlightDomainId = 0;
    bool m_highlightOnlyUsed = true;

private:
    // Inserts the key into its kind's selection and makes the combined set
    // follow.
    void SelectKey(int key);
    void SelectIds(SceneKind kind, const std::vector<int>& ids);
    // Recomputes a kind's active and drawn sets from the keys of the model's
    // entities, as a rebuild does.
    void RefreshActiveSets(SceneKind kind, const std::vector<int>& modelKeys);
    // Moves the key to the active (toActive) or inactive set of its kind.
    void MoveKey(SceneKind kind, int key, bool toActive);
    void MoveSectionCurves(const T_SECTION_D& section, bool toActive);
    // Adds the curves of every shown section, and their closed loops, to the
    // active sets.
    void ShowCurvesOfActiveSections();
    bool EntityExists(int key) const;

    void BuildPointLists(DisplayListPlan& lists);
    void BuildCurveLists(DisplayListPlan& lists);
    void BuildWidthLists(DisplayListPlan& lists);
    void BuildSectionLists(DisplayListPlan& lists);
    void BuildClosedLoopLists(DisplayListPlan& lists);
    void BuildDomainLists(DisplayListPlan& lists);
    void AddCurveStrip(const T_CURVE_D& curve, DrawPlan& plan);
    void AddWidthBand(const T_CURVE_D& curve, DrawPlan& plan);
    // The domain's facets, or without facets its loops' curves (the outline
    // loops only when outlineLoopsOnly).
    void AddDomainOutline(const T_SECTION_D& section, int domainId, bool outlineLoopsOnly, DrawPlan& plan);
    bool HasWidthBand(const T_CURVE_D& curve) const;
    Colour SectionColour(const T_SECTION_D& section) const;
    void CallKindLists(SceneKind kind, DrawPlan& plan);

    IViewDocument* m_document;
    bool m_combinedSelectionStale = false;  // a ClearSelection ran since the last select
    std::set<std::string> m_reportedProblems;
};
