#pragma once
// A click in the view while a tool's pick field waits for it: a fixed table
// of (tool id, pick field code) rows, each a list of steps over the shown
// dialog's form, the document and the view. Coordinate rows write the
// snapped point as "x, y" into the field and move the focus on; the Point
// Coordinate, Line, Polyline and Rectangle rows also create at once; the
// Extend and Split rows write the id of the curve under the click.
//
// Conditions: a row acts only when a snap applied at this very click (the
// view keeps an earlier snapped point otherwise), except the two curve-id
// rows, which need no snap. The Line's Point 2, the Rectangle's Point 2 and
// the Polyline act only in "X, Y" mode. An immediate creation reads the
// width, then the alignment, then the points and stops at the first field
// the dialog refuses (after its one box), so nothing is created from a
// value that was not read.

#include "frame/PickTarget.h"
#include "view/ToolViewPort.h"
#include "view/ViewPorts.h"

#include <vector>

class IToolDocument;
class IToolView;

// Where the dispatch finds the shown tool dialog's form.
class IPickTargetSource {
public:
    virtual ~IPickTargetSource() = default;
    // Null when no dialog is shown.
    virtual IPickTarget* ShownPickTarget() = 0;
};

enum class PickStepKind {
    Text,             // the snapped point's "x, y" into the row's field
    PointId,          // the id of the point snapped at this click into the row's field
    CurveId,          // the nearest active curve's id into the row's field, blinking it
    Focus,            // focus on the pick field `field`
    FocusNamed,       // focus on the plain field `field` (a NamedField)
    Restore,          // mouse mode := saved mouse mode
    Disarm,           // pick field code := 0
    CreatePoint,      // a point at the snapped point
    CreateLine,       // Line from Point 1 to Point 2
    CreateRectangle,  // Rectangle from corner 1 to corner 2
    PolylineVertex,   // a segment from the previous vertex, which then moves here
    EndRubberBand,    // rubber-band kind := 0
};

struct PickStep {
    PickStepKind kind;
    int field = 0;
};

// Which rows need which state of the view and the dialog.
enum class PickCondition { Snapped, SnappedInXyMode, None };

struct PickRow {
    int toolId;
    int code;  // ANY_PICK_CODE: every code
    PickCondition condition;
    std::vector<PickStep> steps;
};

constexpr int ANY_PICK_CODE = -1;

const std::vector<PickRow>& PickRows();
// The row of the tool id and field code, or null.
const PickRow* FindPickRow(int toolId, int code);

class CPickDispatch : public IPickDispatch {
public:
    CPickDispatch(IToolView& view, IToolDocument& document, IPickTargetSource& targets);

    void DispatchPick(int x, int y) override;

private:
    void RunStep(const PickStep& step, const PickRow& row, IPickTarget& target, const ClickSnap& snap, int x, int y);
    // Reads width, alignment and the two points; creates the line or the
    // rectangle only when all were read.
    void CreateFromPoints(PickStepKind kind, IPickTarget& target);
    void AddPolylineVertex(IPickTarget& target, const ClickSnap& snap);

    IToolView& view_;
    IToolDocument& document_;
    IPickTargetSource& targets_;
};
