#include "tools/CurveLineDialogs.h"

#include "frame/SelectionReading.h"
#include "frame/ToolDocument.h"
#include "frame/ToolPageContext.h"
#include "view/ToolViewPort.h"

#include <cfloat>
#include <cmath>
#include <numbers>

namespace {

constexpr PlanePoint NO_VERTEX{DBL_MAX, DBL_MAX};

PlanePoint Plus(const PlanePoint& a, const PlanePoint& b)
{
    return {a[0] + b[0], a[1] + b[1]};
}

// The selected curves, or empty after "No curve is selected.".
std::vector<int> SelectedCurves(ToolPageContext& context)
{
    if (!context.view || !context.boxes)
        return {};
    return ReadSelectedIds(*context.view, KIND_CURVE, *context.boxes);
}

// The selection applies of the page end with the selection cleared, whatever happened.
void EndWithSelectionCleared(ToolPageContext& context)
{
    if (context.view)
        ClearSelectionAndRedraw(*context.view);
}

}  // namespace

// ---- Line and Rectangle ----

CTwoPointForm::CTwoPointForm(TwoPointIds ids) : CCurveCreationForm(ids.alignmentWidth), ids_(std::move(ids))
{
    AddCoordinatePick(ids_.point1, ids_.point1Code, FocusMouseMode::Keep);
    AddCoordinatePick(ids_.point2, ids_.point2Code, FocusMouseMode::Keep);
    ToolFormField& delta = AddText(ids_.delta, "");
    if (ids_.deltaClearsPickCode)
        delta.focus = CLEARS_PICK_CODE;
    if (ids_.radiusId != 0) {
        AddReal(ids_.radiusId, 0.0);
        AddReal(ids_.angleId, 0.0);
    }
    AddWidthField(false);
}

std::vector<int> CTwoPointForm::MethodGroup(int method) const
{
    switch (method) {
    case COORDINATES_XY:
        return {ids_.point2};
    case COORDINATES_DX_DY:
        return {ids_.delta};
    default: {
        std::vector<int> group{ids_.radiusId, ids_.angleId};
        group.insert(group.end(), ids_.polarLabels.begin(), ids_.polarLabels.end());
        return group;
    }
    }
}

void CTwoPointForm::EnableMethodGroup()
{
    const int chosen = CoordinateMode();
    for (int method = 0; method < static_cast<int>(ids_.methodRadios.size()); ++method)
        EnableControls(MethodGroup(method), method == chosen);
}

void CTwoPointForm::OnClick(int controlId)
{
    if (GroupOf(controlId) != ids_.methodRadios.front())
        return;
    EnableMethodGroup();
    FocusControl(MethodGroup(CoordinateMode()).front());
}

void CTwoPointForm::OnShow()
{
    CCurveCreationForm::OnShow();
    SetChoice(ids_.methodRadios.front(), COORDINATES_XY);
    EnableMethodGroup();
}

bool CTwoPointForm::ReadPoint(int which, PlanePoint& point)
{
    return GetFieldCoordinate(which == 0 ? ids_.point1 : ids_.point2, point);
}

bool CTwoPointForm::GetPoints(PlanePoint& point1, PlanePoint& point2)
{
    const int method = CoordinateMode();
    std::vector<double> polar;
    if (method == COORDINATES_POLAR && !ReadReals({ids_.radiusId, ids_.angleId}, polar))
        return false;
    const bool point1Read = GetFieldCoordinate(ids_.point1, point1);
    bool point2Read = false;
    if (method == COORDINATES_XY) {
        point2Read = GetFieldCoordinate(ids_.point2, point2);
    } else if (method == COORDINATES_DX_DY) {
        PlanePoint delta{};
        point2Read = GetFieldCoordinate(ids_.delta, delta);
        point2 = Plus(point1, delta);
    } else {
        const double radius = polar[0];
        const double angle = polar[1] * std::numbers::pi / 180.0;
        point2 = Plus(point1, {radius * std::cos(angle), radius * std::sin(angle)});
        point2Read = true;
    }
    return point1Read && point2Read;
}

void CTwoPointForm::Apply(ToolPageContext& context)
{
    const std::optional<double> width = Width();
    PlanePoint point1{};
    PlanePoint point2{};
    if (!width || !GetPoints(point1, point2) || !context.document)
        return;
    Create(*context.document, point1, point2, Alignment(), *width);
}

CCToolCreateLine::CCToolCreateLine()
    : CTwoPointForm({LINE_POINT1, 10000, LINE_POINT2, 10001, LINE_DELTA, {LINE_METHOD, 1088, 1146},
                     {LINE_ALIGNMENT, 1150, 1151, LINE_WIDTH}, LINE_RADIUS, LINE_ANGLE, {1113, 1114}, true})
{
    BeginGroup(" Point 1 ");
    Edit(LINE_POINT1);
    EndGroup();
    BeginGroup(" Point 2 ");
    Radios({{LINE_METHOD, "X, Y"}, {1088, "Dx, Dy"}, {1146, "Polar Coordinate"}});
    Edit(LINE_POINT2);
    Edit(LINE_DELTA);
    Edit(LINE_RADIUS, "Radius", 1113);
    Edit(LINE_ANGLE, "Angle", 1114);
    EndGroup();
    LayOutAlignmentAndWidth();
}

void CCToolCreateLine::OnShow()
{
    CTwoPointForm::OnShow();
    if (Context() && Context()->view)
        Context()->view->SetRubberBandKind(1);
}

void CCToolCreateLine::Create(IToolDocument& document, const PlanePoint& point1, const PlanePoint& point2,
                              int alignment, double width)
{
    document.CreateLine(point1.data(), point2.data(), alignment, width);
}

CCToolCreateRectangle::CCToolCreateRectangle()
    : CTwoPointForm({RECTANGLE_POINT1, 10049, RECTANGLE_POINT2, 10050, RECTANGLE_DELTA, {RECTANGLE_METHOD, 1356},
                     {RECTANGLE_ALIGNMENT, 1360, 1361, RECTANGLE_WIDTH}, 0, 0, {}, false})
{
    BeginGroup(" Point 1 ");
    Edit(RECTANGLE_POINT1);
    EndGroup();
    BeginGroup(" Point 2 ");
    Radios({{RECTANGLE_METHOD, "X, Y"}, {1356, "Dx, Dy"}});
    Edit(RECTANGLE_POINT2);
    Edit(RECTANGLE_DELTA);
    EndGroup();
    LayOutAlignmentAndWidth();
}

void CCToolCreateRectangle::Create(IToolDocument& document, const PlanePoint& point1, const PlanePoint& point2,
                                   int alignment, double width)
{
    document.CreateRectangle(point1.data(), point2.data(), alignment, width);
}

// ---- Polyline ----

CCToolCreatePLine::CCToolCreatePLine() : CCurveCreationForm(COMMON_ALIGNMENT_WIDTH), previous_(NO_VERTEX)
{
    AddCoordinatePick(PLINE_POINT, 10006, FocusMouseMode::SetNone);
    AddText(PLINE_DELTA, ZERO_COORDINATE_TEXT);
    AddWidthField(false);
    BeginGroup(" Point ");
    Radios({{PLINE_METHOD, "X, Y"}, {1083, "Dx, Dy"}});
    Edit(PLINE_POINT);
    Edit(PLINE_DELTA);
    EndGroup();
    Button(PLINE_NEW, "New Polyline");
    LayOutAlignmentAndWidth();
}

std::optional<PlanePoint> CCToolCreatePLine::PreviousVertex() const
{
    if (previous_[0] == DBL_MAX || previous_[1] == DBL_MAX)
        return std::nullopt;
    return previous_;
}

void CCToolCreatePLine::SetPreviousVertex(const std::optional<PlanePoint>& vertex)
{
    previous_ = vertex.value_or(NO_VERTEX);
}

bool CCToolCreatePLine::ReadPoint(int, PlanePoint& point)
{
    return GetFieldCoordinate(PLINE_POINT, point);
}

void CCToolCreatePLine::OnNewPolyline()
{
    if (CoordinateMode() != COORDINATES_XY)
        return;
    WriteText(PLINE_POINT, ZERO_COORDINATE_TEXT);
    previous_ = NO_VERTEX;
}

void CCToolCreatePLine::OnClick(int controlId)
{
    if (controlId == PLINE_NEW)
        OnNewPolyline();
    if (GroupOf(controlId) != PLINE_METHOD)
        return;
    const bool delta = CoordinateMode() == COORDINATES_DX_DY;
    SetEnabled(PLINE_POINT, !delta);
    SetEnabled(PLINE_DELTA, delta);
    FocusControl(delta ? PLINE_DELTA : PLINE_POINT);
    // Picks make no vertex in "Dx, Dy".
    if (delta && Context() && Context()->view)
        Context()->view->SetPickFieldCode(0);
}

void CCToolCreatePLine::OnShow()
{
    CCurveCreationForm::OnShow();
    SetChoice(PLINE_METHOD, COORDINATES_XY);
    SetEnabled(PLINE_POINT, true);
    SetEnabled(PLINE_DELTA, false);
    OnNewPolyline();
}

void CCToolCreatePLine::Apply(ToolPageContext& context)
{
    const std::optional<double> width = Width();
    const bool delta = CoordinateMode() == COORDINATES_DX_DY;
    PlanePoint typed{};
    if (!width || !GetFieldCoordinate(delta ? PLINE_DELTA : PLINE_POINT, typed))
        return;
    const std::optional<PlanePoint> previous = PreviousVertex();
    // The first vertex is taken as it is typed, also as "Dx, Dy".
    if (!previous) {
        previous_ = typed;
        return;
    }
    const PlanePoint point = delta ? Plus(*previous, typed) : typed;
    if (point == *previous)
        return;
    if (context.document)
        context.document->CreateLine(previous->data(), point.data(), Alignment(), *width);
    previous_ = point;
}

// ---- Shortest Path Line ----

CCToolCreateShortPath::CCToolCreateShortPath() : CCurveCreationForm(COMMON_ALIGNMENT_WIDTH)
{
    AddCoordinatePick(SHORT_PATH_POINT, 10032, FocusMouseMode::SaveThenNone);
    AddWidthField(false);
    BeginGroup(" Point ");
    Edit(SHORT_PATH_POINT);
    EndGroup();
    CheckBox(SHORT_PATH_SPLIT, "Split Curve", true);
    LayOutAlignmentAndWidth();
}

void CCToolCreateShortPath::OnShow()
{
    CCurveCreationForm::OnShow();
    SetChecked(SHORT_PATH_SPLIT, true);
}

void CCToolCreateShortPath::Apply(ToolPageContext& context)
{
    const std::vector<int> curves = SelectedCurves(context);
    PlanePoint base{};
    if (!curves.empty() && GetFieldCoordinate(SHORT_PATH_POINT, base)) {
        const std::optional<double> width = Width();
        if (width && context.document)
            context.document->CreateShortestPathLines(curves, base.data(), Checked(SHORT_PATH_SPLIT), Alignment(),
                                                      *width);
    }
    EndWithSelectionCleared(context);
}

// ---- Convert Curve-Width ----

CCToolCreateConvertWidth::CCToolCreateConvertWidth()
{
    BeginGroup(" Side ");
    CheckBox(CONVERT_START_END, "Start / End");
    CheckBox(CONVERT_LEFT_RIGHT, "Left / Right", true);
    EndGroup();
    CheckBox(CONVERT_DELETE_SOURCE, "Delete Source Curve", true);
}

void CCToolCreateConvertWidth::OnShow()
{
    SetChecked(CONVERT_START_END, false);
    SetChecked(CONVERT_LEFT_RIGHT, true);
    SetChecked(CONVERT_DELETE_SOURCE, true);
}

void CCToolCreateConvertWidth::Apply(ToolPageContext& context)
{
    const std::vector<int> curves = SelectedCurves(context);
    if (!curves.empty() && context.document)
        context.document->ConvertCurveWidths(curves, Checked(CONVERT_START_END), Checked(CONVERT_LEFT_RIGHT),
                                             Checked(CONVERT_DELETE_SOURCE));
    EndWithSelectionCleared(context);
}
