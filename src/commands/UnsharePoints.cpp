// Detaching shared points, in both directions: the curves that move take
// copies of the points that stay behind, or the other curves take copies of
// the points that are about to move.

#include "commands/IdLists.h"
#include "model/SectModel.h"

#include <algorithm>
#include <memory>
#include <set>
#include <unordered_map>
#include <unordered_set>

namespace {

// A full copy of the point under the next id, recorded as created.
int CopyPointRecord(CSectModel& model, const T_POINT_D& original)
{
    auto copy = std::make_unique<T_POINT_D>(original);
    copy->id = model.m_nextPointId++;
    copy->work = 0;
    const int copyId = copy->id;
    model.m_points[copyId] = std::move(copy);
    model.RecordCreatedPoint(copyId, false);
    return copyId;
}

// The calculated sections whose centroid point is one of the points, by point.
std::unordered_map<int, std::vector<T_SECTION_D*>> CalculatedSectionsByCentroid(
    const CSectModel& model, const std::unordered_set<int>& pointIds)
{
    std::unordered_map<int, std::vector<T_SECTION_D*>> owners;
    for (const auto& [id, section] : model.m_sections) {
        if (section->propertiesCalculated && pointIds.contains(section->centroidPointId))
            owners[section->centroidPointId].push_back(section.get());
    }
    return owners;
}

// The existing points among pointIds, each once, in order.
std::vector<int> DistinctExistingPoints(const CSectModel& model, const std::vector<int>& pointIds)
{
    std::vector<int> points;
    std::unordered_set<int> seen;
    for (int id : pointIds) {
        if (model.FindPoint(id) && seen.insert(id).second)
            points.push_back(id);
    }
    return points;
}

// For each of the points, the curves outside keptCurveIds that use it, in
// ascending curve id.
std::unordered_map<int, std::vector<T_CURVE_D*>> OutsideUsers(const CSectModel& model,
                                                              const std::vector<int>& keptCurveIds,
                                                              const std::unordered_set<int>& pointIds)
{
    const std::unordered_set<int> kept(keptCurveIds.begin(), keptCurveIds.end());
    std::unordered_map<int, std::vector<T_CURVE_D*>> users;
    for (const auto& [id, curve] : model.m_curves) {
        if (kept.contains(id))
            continue;
        std::set<int> usedHere;
        for (int pointId : curve->pointIds) {
            if (pointIds.contains(pointId))
                usedHere.insert(pointId);
        }
        for (int pointId : usedHere)
            users[pointId].push_back(curve.get());
    }
    return users;
}

// The points that a curve outside keptCurveIds uses, in order.
std::vector<int> PointsUsedOutside(const CSectModel& model, const std::vector<int>& keptCurveIds,
                                   const std::vector<int>& pointIds)
{
    std::vector<int> points = DistinctExistingPoints(model, pointIds);
    const auto users = OutsideUsers(model, keptCurveIds, {points.begin(), points.end()});
    std::erase_if(points, [&users](int id) { return !users.contains(id); });
    return points;
}

void ReplaceInCurve(CSectModel& model, T_CURVE_D& curve, int pointId, int copyId)
{
    model.SaveCurveForUndo(&curve, false);
    // Every position follows the copy, so a closed curve stays closed.
    std::replace(curve.pointIds.begin(), curve.pointIds.end(), pointId, copyId);
}

std::vector<PointCopy> DetachFromOtherCurves(CSectModel& model, const std::vector<int>& keptCurveIds,
                                             const std::vector<int>& pointIds, bool centroidsTakeCopies)
{
    const std::vector<int> points = DistinctExistingPoints(model, pointIds);
    const std::unordered_set<int> pointSet(points.begin(), points.end());
    auto users = OutsideUsers(model, keptCurveIds, pointSet);
    auto centroidOwners = centroidsTakeCopies ? CalculatedSectionsByCentroid(model, pointSet)
                                              : std::unordered_map<int, std::vector<T_SECTION_D*>>{};

    std::vector<PointCopy> copies;
    for (int pointId : points) {
        const auto curves = users.find(pointId);
        const auto sections = centroidOwners.find(pointId);
        if (curves == users.end() && sections == centroidOwners.end())
            continue;
        const int copyId = CopyPointRecord(model, *model.FindPoint(pointId));
        copies.push_back({pointId, copyId});
        if (curves != users.end()) {
            for (T_CURVE_D* curve : curves->second)
                ReplaceInCurve(model, *curve, pointId, copyId);
        }
        if (sections != centroidOwners.end()) {
            for (T_SECTION_D* section : sections->second) {
                model.SaveSectionForUndo(section, false);
                section->centroidPointId = copyId;
            }
        }
    }
    return copies;
}

} // namespace

std::vector<PointCopy> CSectModel::DetachPointsOfMovingCurves(const std::vector<int>& movingCurveIds,
                                                              const std::vector<int>& movingSectionIds,
                                                              const std::vector<int>& pointIds)
{
    const std::vector<int> points = DistinctExistingPoints(*this, pointIds);
    const std::unordered_set<int> pointSet(points.begin(), points.end());
    const auto users = OutsideUsers(*this, movingCurveIds, pointSet);
    auto staying = CalculatedSectionsByCentroid(*this, pointSet);
    for (int sectionId : movingSectionIds) {
        if (const T_SECTION_D* section = FindSection(sectionId))
            std::erase(staying[section->centroidPointId], section);
    }

    std::unordered_map<int, int> copyOf;
    std::vector<PointCopy> copies;
    for (int pointId : points) {
        const auto sections = staying.find(pointId);
        if (!users.contains(pointId) && (sections == staying.end() || sections->second.empty()))
            continue;
        const int copyId = CopyPointRecord(*this, *FindPoint(pointId));
        copyOf[pointId] = copyId;
        copies.push_back({pointId, copyId});
    }
    if (copies.empty())
        return copies;

    for (int curveId : movingCurveIds) {
        T_CURVE_D* curve = FindCurve(curveId);
        if (!curve)
            continue;
        for (int& pointId : curve->pointIds) {
            const auto copy = copyOf.find(pointId);
            if (copy == copyOf.end())
                continue;
            SaveCurveForUndo(curve, false);
            pointId = copy->second;
        }
    }
    return copies;
}

std::vector<PointCopy> CSectModel::DetachPointsFromOtherCurves(const std::vector<int>& keptCurveIds,
                                                               const std::vector<int>& pointIds)
{
    return DetachFromOtherCurves(*this, keptCurveIds, pointIds, true);
}

bool CSectModel::UnsharePointsOfCurves(const std::vector<int>& curveIds)
{
    // The points in the order the listed curves visit them.
    std::vector<int> visited;
    for (int curveId : curveIds) {
        if (const T_CURVE_D* curve = FindCurve(curveId))
            visited.insert(visited.end(), curve->pointIds.begin(), curve->pointIds.end());
    }
    const std::vector<int> shared = PointsUsedOutside(*this, curveIds, visited);
    if (!CheckIdLimit(IdKind::Point, static_cast<int>(shared.size())))
        return false;

    // Other sections' centroid points on these curves stay shared: the new
    // section's curves go on using them.
    const std::vector<PointCopy> copies = DetachFromOtherCurves(*this, curveIds, shared, false);
    std::vector<int> copyIds;
    for (const PointCopy& copy : copies)
        copyIds.push_back(copy.copyId);
    if (!copyIds.empty())
        AddNewcomerPoints(copyIds, true);
    return true;
}
