// Curve > Create > Line (and so Polyline) and Rectangle.

#include "commands/CreationSupport.h"
#include "model/Geometry.h"
#include "model/TextFormat.h"
#include "model/UnchangedActionGuard.h"

#include <cmath>

namespace {

// The first curve, in ascending id order, of exactly two points joining a and b
// either way; 0 when none.
int FindTwoPointCurve(const CSectModel& model, int a, int b)
{
    for (const auto& [id, curve] : model.m_curves) {
        const std::vector<int>& ids = curve->pointIds;
        if (ids.size() == 2 && ((ids[0] == a && ids[1] == b) || (ids[0] == b && ids[1] == a)))
            return id;
    }
    return 0;
}

} // namespace

bool CSectModel::CreateLine(const double point1[2], const double point2[2], int alignment, double width)
{
    const char* identical = "Point 1 and 2 are identical.";
    const double length = Distance(point1, point2);
    if (length < m_tolerance)
        return m_reporter.ShowWarning(CurveRefusal("line", identical));

    const T_UCS_D* ucs = GetCurrentUcs();
    double global1[2], global2[2];
    ucs->ToGlobal(point1, global1);
    ucs->ToGlobal(point2, global2);

    // Both ends are looked up before either is made.
    PlannedPoints planned(*this);
    int id1 = FindPointAt(global1);
    int id2 = FindPointAt(global2);
    if (id1 == 0)
        id1 = planned.PlanNew(global1);
    if (id2 == 0)
        id2 = planned.PlanNew(global2);

    const int curveId =
        CreatePlannedCurve(*this, planned, {id1, id2}, alignment, width, CurveRefusal("line", identical));
    if (curveId == 0)
        return false;
    SetUndoActionTitle(FormatText("Create new curve (line) [%d]", curveId));
    m_reporter.PrintOutput(FormatText("New curve (line) [%d] is created with a length %.3lf (Dx: %.3lf, Dy: %.3lf).",
                                      curveId, length, std::fabs(global2[0] - global1[0]),
                                      std::fabs(global2[1] - global1[1])));
    return true;
}

bool CSectModel::CreateRectangle(const double corner1[2], const double corner2[2], int alignment, double width)
{
    const double rectangleWidth = std::fabs(corner1[0] - corner2[0]);
    const double rectangleHeight = std::fabs(corner1[1] - corner2[1]);
    if (IsZero(rectangleWidth))
        return m_reporter.ShowWarning(CurveRefusal("rectangle", "Two corner points are on the same vertical line."));
    if (rectangleWidth < m_tolerance)
        return m_reporter.ShowWarning(CurveRefusal("rectangle", "Width is less than the tolerance."));
    if (IsZero(rectangleHeight))
        return m_reporter.ShowWarning(CurveRefusal("rectangle", "Two corner points are on the same horizontal line."));
    if (rectangleHeight < m_tolerance)
        return m_reporter.ShowWarning(CurveRefusal("rectangle", "Height is less than the tolerance."));

    const double x1 = corner1[0], y1 = corner1[1], x2 = corner2[0], y2 = corner2[1];
    const double corners[4][2] = {{x1, y1}, {x1, y2}, {x2, y2}, {x2, y1}};
    const T_UCS_D* ucs = GetCurrentUcs();
    double globals[4][2];
    int cornerIds[4];
    for (int i = 0; i < 4; ++i) {
        ucs->ToGlobal(corners[i], globals[i]);
        cornerIds[i] = FindPointAt(globals[i]);
    }
    PlannedPoints planned(*this);
    for (int i = 0; i < 4; ++i) {
        if (cornerIds[i] == 0)
            cornerIds[i] = planned.PlanNew(globals[i]);
    }
    // Two corners near one existing point would make a side of a single point.
    for (int i = 0; i < 4; ++i) {
        if (cornerIds[i] == cornerIds[(i + 1) % 4])
            return m_reporter.ShowWarning(CurveRefusal("rectangle", "Given points are too close."));
    }
    if (!CheckIdLimit(IdKind::Point, planned.NewPointCount()) || !CheckIdLimit(IdKind::Curve, 4))
        return false;

    const UnchangedActionGuard noEmptyStep(*this);
    BeginUndoAction();
    SetUndoActionTitle("Create rectangle by connecting 4 lines");
    const std::vector<int> newPointIds = planned.Create(*this);
    std::vector<int> newCurveIds;
    for (int i = 0; i < 4; ++i) {
        const int a = cornerIds[i], b = cornerIds[(i + 1) % 4];
        if (FindTwoPointCurve(*this, a, b))
            continue;
        auto side = NewCurveRecord(*this, alignment, width);
        side->pointIds = {a, b};
        const int sideId = side->id;
        m_curves[sideId] = std::move(side);
        RecordCreatedCurve(sideId, false);
        newCurveIds.push_back(sideId);
    }
    if (!newCurveIds.empty())
        AddNewcomerCurves(newCurveIds, true);
    if (!newPointIds.empty())
        AddNewcomerPoints(newPointIds, true);
    if (noEmptyStep.ReportIfNothingChanged("the rectangle's four sides already exist"))
        return true;
    m_reporter.PrintOutput(FormatText("New curve (rectangle) is created with a width %.3lf and a height %.3lf.",
                                      rectangleWidth, rectangleHeight));
    return true;
}
