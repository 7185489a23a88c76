// Filters of curve and point id lists that keep sections and registered
// closed loops out of the commands that move, merge or delete.

#include "commands/IdLists.h"
#include "model/SectModel.h"

#include <cstdlib>
#include <set>

namespace {

// Removes the ids the predicate names; true when it removed any.
template <class Predicate>
bool RemoveIdsWhere(std::vector<int>& ids, Predicate isProtected)
{
    return std::erase_if(ids, isProtected) > 0;
}

} // namespace

bool CSectModel::RemoveSectionCurves(std::vector<int>& curveIds) const
{
    return RemoveIdsWhere(curveIds, [this](int id) {
        const T_CURVE_D* curve = FindCurve(id);
        return curve && curve->sectionId != 0;
    });
}

bool CSectModel::RemoveClosedLoopCurves(std::vector<int>& curveIds) const
{
    return RemoveIdsWhere(curveIds, [this](int id) {
        const T_CURVE_D* curve = FindCurve(id);
        return curve && !curve->closedLoopIds.empty();
    });
}

bool CSectModel::RemoveSectionPoints(std::vector<int>& pointIds) const
{
    std::set<int> protectedPoints;
    for (const auto& [sectionId, section] : m_sections) {
        if (section->propertiesCalculated && section->centroidPointId != 0)
            protectedPoints.insert(section->centroidPointId);
        for (int curveId : section->curveIds) {
            if (const T_CURVE_D* curve = FindCurve(curveId))
                protectedPoints.insert(curve->pointIds.begin(), curve->pointIds.end());
        }
    }
    return RemoveIdsWhere(pointIds, [&protectedPoints](int id) { return protectedPoints.contains(id); });
}

bool CSectModel::RemoveClosedLoopPoints(std::vector<int>& pointIds) const
{
    std::set<int> protectedPoints;
    for (const auto& [loopId, loop] : m_closedLoops) {
        for (int entry : loop->curveIds) {
            if (const T_CURVE_D* curve = FindCurve(std::abs(entry)))
                protectedPoints.insert(curve->pointIds.begin(), curve->pointIds.end());
        }
    }
    return RemoveIdsWhere(pointIds, [&protectedPoints](int id) { return protectedPoints.contains(id); });
}

bool CSectModel::AreClosedLoopsComplete(const std::vector<int>& curveIds) const
{
    for (int curveId : curveIds) {
        const T_CURVE_D* curve = FindCurve(curveId);
        if (!curve)
            continue;
        for (int loopId : curve->closedLoopIds) {
            const T_LOOP_D* loop = FindClosedLoop(loopId);
            if (!loop)
                continue;
            for (int entry : loop->curveIds) {
                if (!ContainsId(curveIds, std::abs(entry)))
                    return false;
            }
        }
    }
    return true;
}

bool CSectModel::AreClosedLoopPointsComplete(const std::vector<int>& pointIds) const
{
    const std::set<int> listed(pointIds.begin(), pointIds.end());
    for (const auto& [curveId, curve] : m_curves) {
        if (curve->closedLoopIds.empty())
            continue;
        bool holdsListed = false;
        bool holdsUnlisted = false;
        for (int pointId : curve->pointIds)
            (listed.contains(pointId) ? holdsListed : holdsUnlisted) = true;
        if (holdsListed && holdsUnlisted)
            return false;
    }
    return true;
}
