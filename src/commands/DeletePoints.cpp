// Point > Delete, also the deletion service of the straight-line merge and of
// curve editing: deletes points and the curves they leave without a shape.

#include "commands/IdLists.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"

#include <set>

namespace {

// Fewer than two distinct points draw nothing: such a curve goes too.
bool HasShape(const T_CURVE_D& curve)
{
    const std::set<int> distinct(curve.pointIds.begin(), curve.pointIds.end());
    return distinct.size() >= 2;
}

} // namespace

bool CSectModel::DeletePoints(std::vector<int> pointIds, bool newUndoAction)
{
    DropRepeatedIds(pointIds);
    if (!AllPointsExist(*this, pointIds))
        return false;
    const bool skippedSection = RemoveSectionPoints(pointIds);
    const bool skippedLoop = RemoveClosedLoopPoints(pointIds);
    if (skippedSection || skippedLoop)
        m_reporter.ShowInfo("Point belonging to the section or the closed loop will be skipped in this operation.");
    if (pointIds.empty())
        return false;

    const int pointCount = static_cast<int>(pointIds.size());
    if (newUndoAction) {
        BeginUndoAction();
        SetUndoActionTitle(pointCount == 1 ? std::string("Delete 1 point")
                                           : FormatText("Delete %d points", pointCount));
    }
    std::set<int> shapelessCurves;
    for (int pointId : pointIds) {
        const auto point = m_points.find(pointId);
        SavePointForUndo(point->second.get(), false);
        for (auto& [curveId, curve] : m_curves) {
            if (shapelessCurves.contains(curveId) || !ContainsId(curve->pointIds, pointId))
                continue;
            SaveCurveForUndo(curve.get(), false);
            // Every occurrence goes, so a closed curve opens rather than
            // keeping the deleted point at its end.
            std::erase(curve->pointIds, pointId);
            if (!HasShape(*curve))
                shapelessCurves.insert(curveId);
        }
        m_points.erase(point);
    }
    for (int curveId : shapelessCurves)
        m_curves.erase(curveId);

    const int curveCount = static_cast<int>(shapelessCurves.size());
    if (curveCount > 0)
        m_reporter.PrintOutput(FormatText("%d point(s) and %d curve(s) are deleted.", pointCount, curveCount));
    else
        m_reporter.PrintOutput(pointCount == 1 ? std::string("1 point is deleted.")
                                               : FormatText("%d points are deleted.", pointCount));
    return true;
}
