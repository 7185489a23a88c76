// Curve > Delete, also the deletion service of the curve merges: deletes
// curves, unregisters the closed loops they break and, on request, the
// points they leave unused.

#include "commands/ClosedLoopRecords.h"
#include "commands/CreationSupport.h"
#include "commands/IdLists.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"

#include <cstdlib>
#include <set>

void DeleteClosedLoopRecord(CSectModel& model, int loopId)
{
    const auto found = model.m_closedLoops.find(loopId);
    if (found == model.m_closedLoops.end())
        return;
    model.SaveClosedLoopForUndo(found->second.get(), false);
    for (int entry : found->second->curveIds) {
        T_CURVE_D* curve = model.FindCurve(std::abs(entry));
        if (!curve)
            continue;
        model.SaveCurveForUndo(curve, false);
        std::erase(curve->closedLoopIds, loopId);
    }
    model.m_closedLoops.erase(found);
}

bool CSectModel::DeleteCurves(std::vector<int> curveIds, bool deletePoints, bool newUndoAction)
{
    DropRepeatedIds(curveIds);
    if (!CurvesAndTheirPointsExist(*this, curveIds))
        return false;
    if (RemoveSectionCurves(curveIds))
        m_reporter.ShowInfo("Curve belonging to the section will be skipped in this operation.");
    if (curveIds.empty())
        return false;

    const int count = static_cast<int>(curveIds.size());
    if (!AreClosedLoopsComplete(curveIds)) {
        const char* question = count == 1
            ? "Closed loop, which is chained by the selected curve, will be unregistered.\n\nReally delete this curve?"
            : "Closed loop, which is chained by the selected curves, will be unregistered.\n\nReally delete these "
              "curves?";
        if (m_reporter.AskYesNo(question, 2) != 1)
            return false;
    }

    if (newUndoAction) {
        BeginUndoAction();
        SetUndoActionTitle(count == 1 ? std::string("Delete 1 curve") : FormatText("Delete %d curves", count));
    }
    std::vector<int> loopsToUnregister;
    std::vector<int> candidatePoints;
    for (int curveId : curveIds) {
        const auto found = m_curves.find(curveId);
        const T_CURVE_D& curve = *found->second;
        SaveCurveForUndo(&curve, false);
        for (int loopId : curve.closedLoopIds) {
            if (!ContainsId(loopsToUnregister, loopId))
                loopsToUnregister.push_back(loopId);
        }
        if (deletePoints)
            candidatePoints.insert(candidatePoints.end(), curve.pointIds.begin(), curve.pointIds.end());
        m_curves.erase(found);
    }
    for (int loopId : loopsToUnregister)
        DeleteClosedLoopRecord(*this, loopId);

    SortUniqueIds(candidatePoints);
    const std::set<int> stillNeeded = deletePoints ? PointsStillNeeded(*this) : std::set<int>();
    for (int pointId : candidatePoints) {
        if (stillNeeded.contains(pointId))
            continue;
        const auto found = m_points.find(pointId);
        SavePointForUndo(found->second.get(), false);
        m_points.erase(found);
    }

    m_reporter.PrintOutput(count == 1 ? std::string("1 curve is deleted.")
                                      : FormatText("%d curves are deleted.", count));
    return true;
}
