#include "sections/SectionMoves.h"

#include "commands/CreationSupport.h"
#include "commands/IdLists.h"

#include <map>

namespace {

// Whether the point stays where it is when the curves and sections move: a
// curve that does not move, or a calculated section that does not, holds it.
bool IsHeldBehind(const CSectModel& model, int pointId, const std::set<int>& movingCurves,
                  const std::set<int>& movingSections)
{
    for (const auto& [id, curve] : model.m_curves) {
        if (!movingCurves.contains(id) && ContainsId(curve->pointIds, pointId))
            return true;
    }
    for (const auto& [id, section] : model.m_sections) {
        if (!movingSections.contains(id) && section->propertiesCalculated && section->centroidPointId == pointId)
            return true;
    }
    return false;
}

} // namespace

bool CollectMovingSectionGeometry(const CSectModel& model, const std::vector<int>& sectionIds,
                                  MovingSectionGeometry& geometry)
{
    geometry.sectionIds = sectionIds;
    DropRepeatedIds(geometry.sectionIds);
    for (int sectionId : geometry.sectionIds) {
        const T_SECTION_D* section = model.FindSection(sectionId);
        if (!section)
            return model.m_reporter.ReportSectionNotFound(sectionId);
        for (int curveId : section->curveIds) {
            const T_CURVE_D* curve = model.FindCurve(curveId);
            if (!curve)
                return model.m_reporter.ReportCurveNotFound(curveId);
            if (!AllPointsExist(model, curve->pointIds))
                return false;
            geometry.curveIds.push_back(curveId);
            geometry.pointIds.insert(geometry.pointIds.end(), curve->pointIds.begin(), curve->pointIds.end());
        }
    }
    DropRepeatedIds(geometry.curveIds);
    // A point that several moving curves share moves once.
    SortUniqueIds(geometry.pointIds);
    return true;
}

int MostDetachedPoints(const CSectModel& model, const MovingSectionGeometry& geometry, bool withCentroids)
{
    double most = static_cast<double>(geometry.pointIds.size());
    for (int id : geometry.sectionIds) {
        const T_SECTION_D* section = model.FindSection(id);
        if (withCentroids && section->propertiesCalculated && section->centroidPointId != 0)
            most += 1.0;
    }
    return CountForIdCheck(most);
}

std::vector<int> DetachMovingSections(CSectModel& model, MovingSectionGeometry& geometry, bool withCentroids)
{
    const std::set<int> curvePoints(geometry.pointIds.begin(), geometry.pointIds.end());
    std::map<int, int> copyOf;
    std::vector<int> created;
    for (const PointCopy& copy :
         model.DetachPointsOfMovingCurves(geometry.curveIds, geometry.sectionIds, geometry.pointIds)) {
        copyOf[copy.originalId] = copy.copyId;
        created.push_back(copy.copyId);
    }
    for (int& pointId : geometry.pointIds) {
        if (const auto copy = copyOf.find(pointId); copy != copyOf.end())
            pointId = copy->second;
    }
    if (!withCentroids)
        return created;

    const std::set<int> movingCurves(geometry.curveIds.begin(), geometry.curveIds.end());
    const std::set<int> movingSections(geometry.sectionIds.begin(), geometry.sectionIds.end());
    for (int sectionId : geometry.sectionIds) {
        T_SECTION_D* section = model.FindSection(sectionId);
        const T_POINT_D* centroid = model.FindPoint(section->centroidPointId);
        if (!section->propertiesCalculated || !centroid)
            continue;
        auto copy = copyOf.find(centroid->id);
        if (copy == copyOf.end()) {
            // A centroid on the moving curves moves with them.
            if (curvePoints.contains(centroid->id) || !IsHeldBehind(model, centroid->id, movingCurves, movingSections))
                continue;
            const int copyId = AddNewPoint(model, centroid->xy);
            model.RecordCreatedPoint(copyId, false);
            created.push_back(copyId);
            copy = copyOf.emplace(centroid->id, copyId).first;
        }
        model.SaveSectionForUndo(section, false);
        section->centroidPointId = copy->second;
    }
    return created;
}

void MoveSectionOwnGeometry(CSectModel& model, T_SECTION_D& section, bool withCentroid,
                            const std::set<int>& curvePoints, std::set<int>& movedCentroids,
                            const std::function<void(double xy[2])>& transform)
{
    model.SaveSectionForUndo(&section, false);
    for (auto& [id, point] : section.points)
        transform(point->xy);
    if (!withCentroid || !section.propertiesCalculated)
        return;
    T_POINT_D* centroid = model.FindPoint(section.centroidPointId);
    if (!centroid || curvePoints.contains(centroid->id) || !movedCentroids.insert(centroid->id).second)
        return;
    model.SavePointForUndo(centroid, false);
    transform(centroid->xy);
}

void MoveModelPoints(CSectModel& model, const std::vector<int>& pointIds,
                     const std::function<void(double xy[2])>& transform)
{
    for (int pointId : pointIds) {
        T_POINT_D* point = model.FindPoint(pointId);
        model.SavePointForUndo(point, false);
        transform(point->xy);
    }
}
