// Curve > Merge: every chain of curves that meet end to end becomes one
// curve, the chain's first, which takes the points of the others in running
// order; the others are deleted.

#include "commands/CurveChainWalk.h"
#include "commands/IdLists.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

// The curve of a chain entry, saved into the open action and turned to run
// the way the chain runs it.
T_CURVE_D& TakeChainCurve(CSectModel& model, int entry)
{
    T_CURVE_D& curve = *model.FindCurve(std::abs(entry));
    model.SaveCurveForUndo(&curve, false);
    if (entry < 0)
        std::reverse(curve.pointIds.begin(), curve.pointIds.end());
    return curve;
}

// Appends the points of every further entry to the first entry's curve and
// deletes the emptied curves inside the open action.
void MergeChain(CSectModel& model, const std::vector<int>& chain)
{
    T_CURVE_D& target = TakeChainCurve(model, chain.front());
    std::vector<int> absorbed;
    for (size_t k = 1; k < chain.size(); ++k) {
        T_CURVE_D& curve = TakeChainCurve(model, chain[k]);
        // Its first point is the target's last one.
        target.pointIds.insert(target.pointIds.end(), curve.pointIds.begin() + 1, curve.pointIds.end());
        curve.pointIds.clear();
        absorbed.push_back(curve.id);
    }
    model.DeleteCurves(absorbed, false, false);
    model.m_reporter.PrintOutput(FormatText("%d curves are merged into the curve [%d].",
                                            static_cast<int>(chain.size()), target.id));
}

} // namespace

bool CSectModel::MergeCurves(std::vector<int> curveIds)
{
    DropRepeatedIds(curveIds);
    if (curveIds.size() < 2)
        return false;
    for (int curveId : curveIds) {
        if (!FindCurve(curveId))
            return m_reporter.ReportCurveNotFound(curveId);
    }
    const bool sectionCurvesSkipped = RemoveSectionCurves(curveIds);
    const bool loopCurvesSkipped = RemoveClosedLoopCurves(curveIds);
    if (sectionCurvesSkipped || loopCurvesSkipped)
        m_reporter.ShowInfo("Curve belonging to the section or the closed loop will be skipped in this operation.");
    if (curveIds.size() < 2)
        return false;

    int groupCount = 0;
    ForEachCurveChain(*this, curveIds, [&](const std::vector<int>& chain) {
        if (groupCount == 0) {
            BeginUndoAction();
            SetUndoActionTitle(FormatText("Merge %d curves", static_cast<int>(curveIds.size())));
        }
        MergeChain(*this, chain);
        ++groupCount;
    });
    if (groupCount == 0)
        return false;
    m_reporter.PrintOutput(groupCount == 1 ? std::string("Total 1 curve group is merged.")
                                           : FormatText("Total %d curve groups are merged.", groupCount));
    return true;
}
