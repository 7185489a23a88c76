#include "commands/CreationSupport.h"

#include "commands/IdLists.h"
#include "model/Geometry.h"
#include "model/TextFormat.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <set>

int AddNewPoint(CSectModel& model, const double global[2])
{
    auto point = std::make_unique<T_POINT_D>();
    point->id = model.m_nextPointId++;
    CopyPoint2(global, point->xy);
    const int id = point->id;
    model.m_points[id] = std::move(point);
    return id;
}

std::unique_ptr<T_CURVE_D> NewCurveRecord(CSectModel& model, int alignment, double width)
{
    auto curve = std::make_unique<T_CURVE_D>();
    curve->id = model.m_nextCurveId++;
    curve->alignment = alignment;
    curve->width = width > 0.0 ? width : 0.0;
    return curve;
}

bool CurvesAndTheirPointsExist(const CSectModel& model, const std::vector<int>& curveIds)
{
    for (int curveId : curveIds) {
        const T_CURVE_D* curve = model.FindCurve(curveId);
        if (!curve)
            return model.m_reporter.ReportCurveNotFound(curveId);
        if (!AllPointsExist(model, curve->pointIds))
            return false;
    }
    return true;
}

bool GatherCurvePositions(const CSectModel& model, const T_CURVE_D& curve, std::vector<XyPosition>& out)
{
    out.clear();
    out.reserve(curve.pointIds.size());
    for (int pointId : curve.pointIds) {
        const T_POINT_D* point = model.FindPoint(pointId);
        if (!point)
            return false;
        out.push_back({point->xy[0], point->xy[1]});
    }
    return true;
}

double PolylineLength(const std::vector<XyPosition>& positions)
{
    double length = 0.0;
    for (size_t i = 1; i < positions.size(); ++i)
        length += Distance(positions[i - 1].data(), positions[i].data());
    return length;
}

int CountForIdCheck(double count)
{
    if (!(count > 0.0))
        return 0;
    return count >= static_cast<double>(INT_MAX) ? INT_MAX : static_cast<int>(count);
}

std::string CurveRefusal(const char* kind, const char* reason)
{
    return FormatText("Cannot create a new curve (%s).\n\n%s", kind, reason);
}

PlannedPoints::PlannedPoints(const CSectModel& model) : model_(model), firstNewId_(model.m_nextPointId)
{
    plannedGrid_.Reset(model.m_tolerance);
}

int PlannedPoints::Resolve(const double global[2])
{
    if (const int existing = model_.FindPointAt(global))
        return existing;
    // The planned points in the order of their ids, under the same test.
    const int planned = plannedGrid_.FindLowest(global);
    return planned >= 0 ? firstNewId_ + planned : PlanNew(global);
}

int PlannedPoints::PlanNew(const double global[2])
{
    const int index = NewPointCount();
    positions_.push_back({global[0], global[1]});
    plannedGrid_.Insert(index, global);
    return firstNewId_ + index;
}

std::vector<int> PlannedPoints::Create(CSectModel& model) const
{
    std::vector<int> ids;
    ids.reserve(positions_.size());
    for (const XyPosition& position : positions_) {
        const int id = AddNewPoint(model, position.data());
        model.RecordCreatedPoint(id, false);
        ids.push_back(id);
    }
    return ids;
}

std::vector<int> PlanSampledPointIds(PlannedPoints& planned, const std::vector<XyPosition>& samples, bool closed)
{
    std::vector<int> ids;
    for (const XyPosition& sample : samples) {
        const int id = planned.Resolve(sample.data());
        if (ids.empty() || ids.back() != id)
            ids.push_back(id);
    }
    if (closed && !ids.empty() && ids.back() != ids.front())
        ids.push_back(ids.front());
    return ids;
}

int CreatePlannedCurve(CSectModel& model, const PlannedPoints& planned, const std::vector<int>& pointIds,
                       int alignment, double width, const std::string& tooCloseText)
{
    if (std::set<int>(pointIds.begin(), pointIds.end()).size() < 2) {
        model.m_reporter.ShowWarning(tooCloseText);
        return 0;
    }
    if (!model.CheckIdLimit(IdKind::Point, planned.NewPointCount()) || !model.CheckIdLimit(IdKind::Curve, 1))
        return 0;

    model.BeginUndoAction();
    const std::vector<int> newPointIds = planned.Create(model);
    auto curve = NewCurveRecord(model, alignment, width);
    curve->pointIds = pointIds;
    const int curveId = curve->id;
    model.m_curves[curveId] = std::move(curve);
    model.AddNewcomerCurve(curveId, true);
    if (!newPointIds.empty())
        model.AddNewcomerPoints(newPointIds, true);
    model.RecordCreatedCurve(curveId, false);
    return curveId;
}
