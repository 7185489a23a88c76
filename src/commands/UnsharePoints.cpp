// Giving the curves of a new section points of their own: every other curve
// that shares one of their points is moved onto a copy of it.

#include "commands/IdLists.h"
#include "model/SectModel.h"

#include <memory>
#include <set>

namespace {

bool UsesPoint(const T_CURVE_D& curve, int pointId)
{
    return ContainsId(curve.pointIds, pointId);
}

} // namespace

bool CSectModel::UnsharePointsOfCurves(const std::vector<int>& curveIds)
{
    const std::set<int> listed(curveIds.begin(), curveIds.end());
    const auto usedOutsideList = [this, &listed](int pointId) {
        for (const auto& [id, curve] : m_curves) {
            if (!listed.contains(id) && UsesPoint(*curve, pointId))
                return true;
        }
        return false;
    };

    // The shared points in the order the listed curves visit them.
    std::vector<int> shared;
    std::set<int> visited;
    for (int curveId : curveIds) {
        const T_CURVE_D* curve = FindCurve(curveId);
        if (!curve)
            continue;
        for (int pointId : curve->pointIds) {
            if (FindPoint(pointId) && visited.insert(pointId).second && usedOutsideList(pointId))
                shared.push_back(pointId);
        }
    }
    if (!CheckIdLimit(IdKind::Point, static_cast<int>(shared.size())))
        return false;

    std::vector<int> copies;
    for (int pointId : shared) {
        auto copy = std::make_unique<T_POINT_D>(*FindPoint(pointId));
        copy->id = m_nextPointId++;
        copy->work = 0;
        const int copyId = copy->id;
        m_points[copyId] = std::move(copy);
        RecordCreatedPoint(copyId, false);
        copies.push_back(copyId);
        // Every position follows the copy, so a closed curve stays closed.
        for (auto& [id, curve] : m_curves) {
            if (listed.contains(id) || !UsesPoint(*curve, pointId))
                continue;
            SaveCurveForUndo(curve.get(), false);
            std::replace(curve->pointIds.begin(), curve->pointIds.end(), pointId, copyId);
        }
    }
    if (!copies.empty())
        AddNewcomerPoints(copies, true);
    return true;
}
