// Point > Create: by coordinate, by ratio or interpolation on curves, and by
// ratio or interpolation between two points.

#include "commands/CreationSupport.h"
#include "model/Geometry.h"
#include "model/TextFormat.h"
#include "model/UnchangedActionGuard.h"

#include <algorithm>

namespace {

constexpr double kEpsilon = 1e-6;

bool IsValidRatio(double ratio)
{
    return ratio >= kEpsilon && ratio <= 1.0 - kEpsilon;
}

// The number of points wins over the spacing; a spacing is only read when no
// number is given and must then be usable.
bool CheckInterpolationInput(const CSectModel& model, int numberOfPoints, double spacing)
{
    if (numberOfPoints >= 1)
        return true;
    if (spacing < kEpsilon)
        return model.m_reporter.ShowWarning("Both defined number of points and point spacing are invalid.");
    if (spacing < model.m_tolerance)
        return model.m_reporter.ShowWarning("Interval is too small. It is less than the tolerance.");
    return true;
}

// Points dividing a length into equal parts: the given number, else as many
// as the spacing fits. Kept in doubles so the id check sees huge counts.
double InterpolationCount(int numberOfPoints, double spacing, double length)
{
    if (numberOfPoints >= 1)
        return numberOfPoints;
    return std::max(static_cast<double>(RoundToInt(length / spacing)) - 1.0, 0.0);
}

std::vector<double> EqualDivisionRatios(int count)
{
    std::vector<double> ratios;
    ratios.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i)
        ratios.push_back(static_cast<double>(i + 1) / (count + 1));
    return ratios;
}

// Makes one point at a global position, opening the undo action with its
// recording; 0 when a point is already there (named by occupiedLine, a format
// taking its id) or no point id is left.
int CreateLonePoint(CSectModel& model, const double global[2], const char* occupiedLine)
{
    if (const int existing = model.FindPointAt(global)) {
        model.m_reporter.PrintOutput(FormatText(occupiedLine, existing));
        return 0;
    }
    if (!model.CheckIdLimit(IdKind::Point, 1))
        return 0;
    const int id = AddNewPoint(model, global);
    model.AddNewcomerPoint(id, true);
    model.RecordCreatedPoint(id, true);
    return id;
}

// Saves the curve into the open action, then puts the points at the ratios
// into it or cuts it there.
void PlaceRatiosOnCurve(CSectModel& model, T_CURVE_D* curve, std::vector<double> ratios, bool splitCurve)
{
    model.SaveCurveForUndo(curve, false);
    if (splitCurve)
        model.SplitCurveAtPoints(curve, ratios);
    else
        model.InsertPointsIntoCurve(curve, ratios);
}

// The insertion and split services report each curve they change; when none
// changed, the command says why itself.
const char* NothingPlacedReason(bool splitCurve)
{
    return splitCurve ? "every point falls on an end of its curve" : "every point falls on a point its curve already has";
}

// Why interpolating on the curves changed nothing: no point was asked for, or
// each one falls where there is one already.
const char* NothingInterpolatedReason(size_t curveCount, double pointCount, bool splitCurve)
{
    if (curveCount == 0)
        return "no curve is given";
    if (pointCount > 0.0)
        return NothingPlacedReason(splitCurve);
    return curveCount == 1 ? "the spacing places no point on the curve" : "the spacing places no point on any curve";
}

} // namespace

bool CSectModel::CreatePointByCoordinate(const double xy[2])
{
    double global[2];
    GetCurrentUcs()->ToGlobal(xy, global);
    const int id = CreateLonePoint(*this, global, "Point [%d] already exists at the given coordinate.");
    if (id == 0)
        return false;
    SetUndoActionTitle(FormatText("Create new point [%d] by coordinate", id));
    m_reporter.PrintOutput(FormatText("New point [%d] is created at (%.3lf, %.3lf).", id, xy[0], xy[1]));
    return true;
}

bool CSectModel::CreatePointsOnCurvesByRatio(const std::vector<int>& curveIds, double ratio, bool splitCurve)
{
    if (curveIds.empty())
        return false;
    if (!IsValidRatio(ratio))
        return m_reporter.ShowWarning("Ratio should be in the range of 0~1.");
    if (!CurvesAndTheirPointsExist(*this, curveIds))
        return false;
    const int count = static_cast<int>(curveIds.size());
    if (!CheckIdLimit(IdKind::Point, count) || (splitCurve && !CheckIdLimit(IdKind::Curve, count)))
        return false;

    const UnchangedActionGuard noEmptyStep(*this);
    BeginUndoAction();
    SetUndoActionTitle(count == 1 ? std::string("Create new point on 1 curve by ratio")
                                  : FormatText("Create new points on %d curves by ratio", count));
    if (splitCurve)
        ClearNewcomerCurves();
    ClearNewcomerPoints();
    for (int curveId : curveIds)
        PlaceRatiosOnCurve(*this, FindCurve(curveId), {ratio}, splitCurve);
    noEmptyStep.ReportIfNothingChanged(NothingPlacedReason(splitCurve));
    return true;
}

bool CSectModel::CreatePointsOnCurvesByInterpolation(const std::vector<int>& curveIds, int numberOfPoints,
                                                     double spacing, bool splitCurve)
{
    if (!CheckInterpolationInput(*this, numberOfPoints, spacing))
        return false;
    if (!CurvesAndTheirPointsExist(*this, curveIds))
        return false;

    // Every count is known before anything changes, so the id check can see the total.
    std::vector<int> counts;
    double total = 0.0;
    for (int curveId : curveIds) {
        std::vector<XyPosition> positions;
        GatherCurvePositions(*this, *FindCurve(curveId), positions);
        const double count = InterpolationCount(numberOfPoints, spacing, PolylineLength(positions));
        total += count;
        counts.push_back(CountForIdCheck(count));
    }
    const int totalForCheck = CountForIdCheck(total);
    if (!CheckIdLimit(IdKind::Point, totalForCheck) || (splitCurve && !CheckIdLimit(IdKind::Curve, totalForCheck)))
        return false;

    const UnchangedActionGuard noEmptyStep(*this);
    BeginUndoAction();
    SetUndoActionTitle(curveIds.size() == 1
                           ? std::string("Create new point on 1 curve by interpolation")
                           : FormatText("Create new points on %d curves by interpolation",
                                        static_cast<int>(curveIds.size())));
    if (splitCurve)
        ClearNewcomerCurves();
    ClearNewcomerPoints();
    for (size_t i = 0; i < curveIds.size(); ++i)
        PlaceRatiosOnCurve(*this, FindCurve(curveIds[i]), EqualDivisionRatios(counts[i]), splitCurve);
    noEmptyStep.ReportIfNothingChanged(NothingInterpolatedReason(curveIds.size(), total, splitCurve));
    return true;
}

bool CSectModel::CreatePointBetweenPointsByRatio(int pointId1, int pointId2, double ratio)
{
    if (!IsValidRatio(ratio))
        return m_reporter.ShowWarning("Ratio should be in the range of 0~1.");
    const T_POINT_D* point1 = FindPoint(pointId1);
    if (!point1)
        return m_reporter.ReportPointNotFound(pointId1);
    const T_POINT_D* point2 = FindPoint(pointId2);
    if (!point2)
        return m_reporter.ReportPointNotFound(pointId2);

    const double global[2] = {point1->xy[0] + (point2->xy[0] - point1->xy[0]) * ratio,
                              point1->xy[1] + (point2->xy[1] - point1->xy[1]) * ratio};
    const int id = CreateLonePoint(*this, global, "Point [%d] already exists at the expected coordinate.");
    if (id == 0)
        return false;
    SetUndoActionTitle(FormatText("Create new point [%d] between two points by ratio", id));
    double local[2];
    GetCurrentUcs()->ToLocal(global, local);
    m_reporter.PrintOutput(FormatText("New point [%d] is created at (%.3lf, %.3lf).", id, local[0], local[1]));
    return true;
}

bool CSectModel::CreatePointsBetweenPointsByInterpolation(int pointId1, int pointId2, int numberOfPoints,
                                                          double spacing)
{
    const T_POINT_D* point1 = FindPoint(pointId1);
    if (!point1)
        return m_reporter.ReportPointNotFound(pointId1);
    const T_POINT_D* point2 = FindPoint(pointId2);
    if (!point2)
        return m_reporter.ReportPointNotFound(pointId2);
    if (!CheckInterpolationInput(*this, numberOfPoints, spacing))
        return false;
    const double countValue = InterpolationCount(numberOfPoints, spacing, Distance(point1->xy, point2->xy));
    const int count = CountForIdCheck(countValue);
    if (!CheckIdLimit(IdKind::Point, count))
        return false;

    const double start[2] = {point1->xy[0], point1->xy[1]};
    const double step[2] = {point2->xy[0] - start[0], point2->xy[1] - start[1]};
    const T_UCS_D* ucs = GetCurrentUcs();
    const UnchangedActionGuard noEmptyStep(*this);
    BeginUndoAction();
    SetUndoActionTitle("Create new point(s) between two points by interpolation");
    std::vector<int> newPointIds;
    for (const double t : EqualDivisionRatios(count)) {
        const double global[2] = {start[0] + step[0] * t, start[1] + step[1] * t};
        if (FindPointAt(global))
            continue;
        const int id = AddNewPoint(*this, global);
        newPointIds.push_back(id);
        RecordCreatedPoint(id, false);
        double local[2];
        ucs->ToLocal(global, local);
        m_reporter.PrintOutput(FormatText("New point [%d] is created at (%.3lf, %.3lf).", id, local[0], local[1]));
    }
    if (!newPointIds.empty())
        AddNewcomerPoints(newPointIds, true);
    noEmptyStep.ReportIfNothingChanged(count > 0 ? "every point falls on an existing point"
                                                 : "the spacing places no point between the two points");
    return true;
}
