// Curve > Scale Line: lengthening or shortening lines about their midpoints.

#include "commands/IdLists.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"
#include "model/UnchangedActionGuard.h"

#include <cmath>

bool CSectModel::ScaleLines(std::vector<int> curveIds, double ratio)
{
    if (std::fabs(ratio) < 1e-6)
        return m_reporter.ShowWarning("Ratio cannot be 0.");
    if (std::fabs(1.0 - ratio) < 1e-6)
        return m_reporter.ShowWarning("Ratio cannot be 1.");
    DropRepeatedIds(curveIds);
    // A curve of three or more points is no line and is passed over.
    std::vector<int> lineIds;
    for (int curveId : curveIds) {
        const T_CURVE_D* curve = FindCurve(curveId);
        if (!curve)
            return m_reporter.ReportCurveNotFound(curveId);
        if (curve->pointIds.size() >= 3)
            continue;
        if (!AllPointsExist(*this, curve->pointIds))
            return false;
        lineIds.push_back(curveId);
    }
    const bool skippedSection = RemoveSectionCurves(lineIds);
    const bool skippedLoop = RemoveClosedLoopCurves(lineIds);
    if (skippedSection || skippedLoop)
        m_reporter.ShowInfo("Line belonging to the section or the closed loop will be skipped in this operation.");
    if (lineIds.empty())
        return false;
    const int count = static_cast<int>(lineIds.size());
    if (!CheckIdLimit(IdKind::Point, 2 * count))
        return false;

    const UnchangedActionGuard noEmptyStep(*this);
    BeginUndoAction();
    SetUndoActionTitle(count == 1 ? std::string("Scale 1 line") : FormatText("Scale %d lines", count));
    // Each line in turn takes a copy of an end that anything else holds, so
    // no other curve, and no centroid point, moves with it.
    std::vector<int> newPoints;
    for (int lineId : lineIds) {
        for (const PointCopy& copy : DetachPointsOfMovingCurves({lineId}, {}, FindCurve(lineId)->pointIds))
            newPoints.push_back(copy.copyId);
    }
    if (!newPoints.empty())
        AddNewcomerPoints(newPoints, true);

    for (int lineId : lineIds) {
        const std::vector<int>& ids = FindCurve(lineId)->pointIds;
        if (ids.empty())
            continue;
        T_POINT_D* start = FindPoint(ids.front());
        T_POINT_D* end = FindPoint(ids.back());
        const double middle[2] = {(start->xy[0] + end->xy[0]) / 2.0, (start->xy[1] + end->xy[1]) / 2.0};
        const double halfSpan[2] = {ratio * (end->xy[0] - start->xy[0]) / 2.0,
                                    ratio * (end->xy[1] - start->xy[1]) / 2.0};
        SavePointForUndo(start, false);
        SavePointForUndo(end, false);
        for (int i = 0; i < 2; ++i) {
            start->xy[i] = middle[i] - halfSpan[i];
            end->xy[i] = middle[i] + halfSpan[i];
        }
    }
    if (noEmptyStep.ReportIfNothingChanged("every line has no length to scale"))
        return true;
    const double percent = ratio * 100.0;
    m_reporter.PrintOutput(count == 1 ? FormatText("1 line is scaled to %.1lf%%.", percent)
                                      : FormatText("%d lines are scaled to %.1lf%%.", count, percent));
    return true;
}
