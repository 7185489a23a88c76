// Curve > Split: cutting a curve at points of its own point list. The first
// piece stays in the curve's record, each further piece becomes a new curve
// that the curve's section and closed loops take in.

#include "commands/IdLists.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"

#include <cstdlib>
#include <string>

namespace {

// The pieces of the point list cut at every position between the first and
// the last whose id is given; neighbouring pieces share their joining point.
// One piece when no position qualifies.
std::vector<std::vector<int>> CutAtPoints(const std::vector<int>& curvePoints, const std::vector<int>& splitPoints)
{
    std::vector<std::vector<int>> pieces(1);
    for (size_t k = 0; k < curvePoints.size(); ++k) {
        const int pointId = curvePoints[k];
        pieces.back().push_back(pointId);
        if (k > 0 && k + 1 < curvePoints.size() && ContainsId(splitPoints, pointId))
            pieces.push_back({pointId});
    }
    return pieces;
}

// The loop's entries of the split curve K followed by the new curves in
// creation order L, M, ...: +K becomes K, L, M and -K becomes -M, -L, -K, so
// the loop still runs the same way.
std::vector<int> ThreadNewCurves(const std::vector<int>& entries, int curveId, const std::vector<int>& newIds)
{
    std::vector<int> threaded;
    for (int entry : entries) {
        if (std::abs(entry) != curveId) {
            threaded.push_back(entry);
        } else if (entry > 0) {
            threaded.push_back(entry);
            threaded.insert(threaded.end(), newIds.begin(), newIds.end());
        } else {
            for (auto id = newIds.rbegin(); id != newIds.rend(); ++id)
                threaded.push_back(-*id);
            threaded.push_back(entry);
        }
    }
    return threaded;
}

} // namespace

bool CSectModel::SplitCurve(int curveId, const std::vector<int>* pointIds)
{
    if (curveId == 0)
        return m_reporter.ShowWarning("Select the object curve.");
    T_CURVE_D* curve = FindCurve(curveId);
    if (!curve)
        return m_reporter.ReportCurveNotFound(curveId);
    const std::vector<int> splitPoints = pointIds ? *pointIds : std::vector<int>();
    std::vector<std::vector<int>> pieces = CutAtPoints(curve->pointIds, splitPoints);
    if (pieces.size() < 2) {
        return m_reporter.ShowWarning(
            splitPoints.size() == 1
                ? "Cannot split the selected curve at the selected point.\n\nSelected point is the end point of the "
                  "selected curve or is not on the selected curve."
                : "Cannot split the selected curve at the selected points.\n\nAll selected points are the end points "
                  "of the selected curve or are not on the slected curve.");
    }
    const int newCount = static_cast<int>(pieces.size()) - 1;
    if (!CheckIdLimit(IdKind::Curve, newCount))
        return false;

    SaveCurveForUndo(curve, true);
    SetUndoActionTitle(FormatText("Split curve [%d]", curveId));
    std::string text =
        FormatText("Curve [%d] is split into %d curves: curve [%d] ", curveId, newCount + 1, curveId);
    T_SECTION_D* section = FindSection(curve->sectionId);
    SaveSectionForUndo(section, false);
    curve->pointIds = std::move(pieces.front());

    std::vector<int> newIds;
    for (size_t k = 1; k < pieces.size(); ++k) {
        auto piece = std::make_unique<T_CURVE_D>(*curve);
        piece->id = m_nextCurveId++;
        piece->work = 0;
        piece->pointIds = std::move(pieces[k]);
        const int id = piece->id;
        m_curves[id] = std::move(piece);
        if (section)
            section->curveIds.push_back(id);
        newIds.push_back(id);
        RecordCreatedCurve(id, false);
        text += FormatText("- curve [%d] ", id);
    }
    m_reporter.PrintOutput(text);

    // A loop listed twice by the curve is still threaded once.
    for (int loopId : DistinctIds(&curve->closedLoopIds)) {
        T_LOOP_D* loop = FindClosedLoop(loopId);
        if (!loop)
            continue;
        SaveClosedLoopForUndo(loop, false);
        loop->curveIds = ThreadNewCurves(loop->curveIds, curveId, newIds);
    }
    AddNewcomerCurves(newIds, true);
    return true;
}
