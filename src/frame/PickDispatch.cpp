#include "frame/PickDispatch.h"

#include "frame/ToolDocument.h"
#include "model/TextFormat.h"
#include "view/EntityKeys.h"

#include <initializer_list>

namespace {

using K = PickStepKind;
using C = PickCondition;

PickStep Text() { return {K::Text}; }
PickStep Focus(int code) { return {K::Focus, code}; }
PickStep FocusOn(NamedField field) { return {K::FocusNamed, static_cast<int>(field)}; }
PickStep Restore() { return {K::Restore}; }
PickStep Disarm() { return {K::Disarm}; }

// A point of a chain: text, then the focus on the next field.
PickRow Next(int toolId, int code, int nextCode)
{
    return {toolId, code, C::Snapped, {Text(), Focus(nextCode)}};
}

// A point picked in a mode that comes back afterwards, and its chain goes on.
PickRow RestoreNext(int toolId, int code, int nextCode)
{
    return {toolId, code, C::Snapped, {Text(), Restore(), Focus(nextCode)}};
}

// The last point of a chain whose mode comes back.
PickRow RestoreEnd(int toolId, int code)
{
    return {toolId, code, C::Snapped, {Text(), Restore(), Disarm()}};
}

// The last point of a copying command: the focus goes to the copies' width.
PickRow WidthEnd(int toolId, int code)
{
    return {toolId, code, C::Snapped, {Text(), FocusOn(NamedField::Width), Restore(), Disarm()}};
}

// The points firstCode..lastCode typed in turn: each moves the focus on to
// the next, the last to the plain field `end`.
std::vector<PickRow> Chain(int toolId, int firstCode, int lastCode, NamedField end)
{
    std::vector<PickRow> rows;
    for (int code = firstCode; code < lastCode; ++code)
        rows.push_back(Next(toolId, code, code + 1));
    rows.push_back({toolId, lastCode, C::Snapped, {Text(), FocusOn(end)}});
    return rows;
}

// Two points in a row, each picked in a mode that comes back afterwards.
std::vector<PickRow> RestorePair(int toolId, int firstCode)
{
    return {RestoreNext(toolId, firstCode, firstCode + 1), RestoreEnd(toolId, firstCode + 1)};
}

std::vector<PickRow> Joined(std::initializer_list<std::vector<PickRow>> parts)
{
    std::vector<PickRow> rows;
    for (const std::vector<PickRow>& part : parts)
        rows.insert(rows.end(), part.begin(), part.end());
    return rows;
}

PickRow CurvePick(int toolId, int code)
{
    return {toolId, code, C::None, {{K::CurveId}, Restore(), Disarm()}};
}

std::string CoordinateText(const ClickSnap& snap)
{
    return FormatText("%.3lf, %.3lf", snap.point[0], snap.point[1]);
}

}  // namespace

const std::vector<PickRow>& PickRows()
{
    static const std::vector<PickRow> rows = Joined({
        {{1000, 10048, C::Snapped, {Text(), Focus(10048), {K::CreatePoint}}},
         {1003, 10002, C::Snapped, {{K::PointId}, Focus(10003)}},
         {1003, 10003, C::Snapped, {{K::PointId}, FocusOn(NamedField::Ratio), Disarm()}}},
        RestorePair(1006, 10037),
        {RestoreEnd(1007, 10042)},
        RestorePair(1008, 10044),
        {RestoreEnd(1010, 10033),
         Next(2000, 10000, 10001),
         {2000, 10001, C::SnappedInXyMode, {Text(), {K::CreateLine}, Focus(10000), {K::EndRubberBand}}},
         {2001, ANY_PICK_CODE, C::SnappedInXyMode, {{K::PolylineVertex}, {K::Text, 10006}, Focus(10006)}},
         {2002, 10032, C::Snapped, {Text(), FocusOn(NamedField::Width), Restore(), Disarm()}},
         Next(2003, 10049, 10050),
         {2003, 10050, C::SnappedInXyMode, {Text(), {K::CreateRectangle}, Focus(10049), {K::EndRubberBand}}}},
        Chain(2004, 10007, 10007, NamedField::Radius),
        Chain(2004, 10008, 10009, NamedField::Width),
        Chain(2004, 10010, 10012, NamedField::Width),
        Chain(2005, 10013, 10013, NamedField::Radius),
        Chain(2005, 10014, 10016, NamedField::Width),
        Chain(2005, 10017, 10019, NamedField::Width),
        Chain(2006, 10020, 10020, NamedField::XRadius),
        Chain(2007, 10021, 10023, NamedField::Width),
        Chain(2008, 10024, 10027, NamedField::Width),
        Chain(2009, 10028, 10031, NamedField::Width),
        {RestoreNext(2015, 10035, 10036), WidthEnd(2015, 10036), RestoreEnd(2016, 10041),
         RestoreNext(2017, 10046, 10047), WidthEnd(2017, 10047), CurvePick(2021, 10004), CurvePick(2023, 10005)},
        RestorePair(3003, 10039),
        {RestoreEnd(3004, 10043), {6002, 10051, C::Snapped, {Text(), Restore(), FocusOn(NamedField::Angle)}}},
        RestorePair(6002, 10052),
        {{6003, 10054, C::Snapped, {Text(), Restore(), FocusOn(NamedField::Angle)}}},
        RestorePair(6003, 10055),
    });
    return rows;
}

const PickRow* FindPickRow(int toolId, int code)
{
    for (const PickRow& row : PickRows()) {
        if (row.toolId == toolId && (row.code == code || row.code == ANY_PICK_CODE))
            return &row;
    }
    return nullptr;
}

CPickDispatch::CPickDispatch(IToolView& view, IToolDocument& document, IPickTargetSource& targets)
    : view_(view), document_(document), targets_(targets)
{
}

void CPickDispatch::DispatchPick(int x, int y)
{
    const PickRow* row = FindPickRow(view_.ToolCommandId(), view_.PickFieldCode());
    IPickTarget* target = row ? targets_.ShownPickTarget() : nullptr;
    if (!target)
        return;
    ClickSnap snap;
    if (row->condition != PickCondition::None) {
        snap = view_.SnapAtClick(x, y);
        if (!snap.snapped)
            return;
    }
    if (row->condition == PickCondition::SnappedInXyMode) {
        const ILineQueries* queries = target->LineQueries();
        if (!queries || queries->CoordinateMode() != COORDINATES_XY)
            return;
    }
    for (const PickStep& step : row->steps)
        RunStep(step, *row, *target, snap, x, y);
}

void CPickDispatch::RunStep(const PickStep& step, const PickRow& row, IPickTarget& target, const ClickSnap& snap,
                            int x, int y)
{
    const int field = step.field ? step.field : row.code;
    switch (step.kind) {
    case K::Text:
        target.SetPickFieldText(field, CoordinateText(snap));
        break;
    case K::PointId:
        target.SetPickFieldId(field, snap.pointId);
        break;
    case K::CurveId: {
        const int key = view_.NearestCurveAt(x, y);
        if (key)
            view_.BlinkEntity(key);
        target.SetPickFieldId(field, key ? IdOfKey(key) : -1);
        break;
    }
    case K::Focus:
        target.FocusPickField(step.field);
        break;
    case K::FocusNamed:
        target.FocusNamedField(static_cast<NamedField>(step.field));
        break;
    case K::Restore:
        view_.SetMouseMode(view_.SavedMouseMode());
        break;
    case K::Disarm:
        view_.SetPickFieldCode(0);
        break;
    case K::CreatePoint:
        document_.CreatePointByCoordinate(snap.point);
        break;
    case K::CreateLine:
    case K::CreateRectangle:
        CreateFromPoints(step.kind, target);
        break;
    case K::PolylineVertex:
        AddPolylineVertex(target, snap);
        break;
    case K::EndRubberBand:
        view_.SetRubberBandKind(0);
        break;
    }
}

void CPickDispatch::CreateFromPoints(PickStepKind kind, IPickTarget& target)
{
    ILineQueries* queries = target.LineQueries();
    if (!queries)
        return;
    const std::optional<double> width = queries->ReadWidth();
    if (!width)
        return;
    const int alignment = queries->AlignmentCode();
    PlanePoint first;
    PlanePoint second;
    if (!queries->ReadPoint(0, first) || !queries->ReadPoint(1, second))
        return;
    if (kind == K::CreateLine)
        document_.CreateLine(first.data(), second.data(), alignment, *width);
    else
        document_.CreateRectangle(first.data(), second.data(), alignment, *width);
}

void CPickDispatch::AddPolylineVertex(IPickTarget& target, const ClickSnap& snap)
{
    ILineQueries* queries = target.LineQueries();
    if (!queries)
        return;
    const PlanePoint vertex{snap.point[0], snap.point[1]};
    if (const std::optional<PlanePoint> previous = queries->PreviousVertex()) {
        if (const std::optional<double> width = queries->ReadWidth())
            document_.CreateLine(previous->data(), vertex.data(), queries->AlignmentCode(), *width);
    }
    queries->SetPreviousVertex(vertex);
}
