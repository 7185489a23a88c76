#include "sections/SectionMoves.h"

#include "commands/CreationSupport.h"
#include "commands/IdLists.h"

#include <map>

bool CollectSectionGeometry(const CSectModel& model, const std::vector<int>& sectionIds, SectionGeometry& geometry)
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

std::set<int> PointsHeldOutside(const CSectModel& model, const std::set<int>& sections, const std::set<int>& curves)
{
    std::set<int> held;
    for (const auto& [id, curve] : model.m_curves) {
        if (!curves.contains(id))
            held.insert(curve->pointIds.begin(), curve->pointIds.end());
    }
    for (const auto& [id, section] : model.m_sections) {
        if (!sections.contains(id) && section->propertiesCalculated && section->centroidPointId != 0)
            held.insert(section->centroidPointId);
    }
    return held;
}

int MostDetachedPoints(const CSectModel& model, const SectionGeometry& geometry, bool withCentroids)
{
    double most = static_cast<double>(geometry.pointIds.size());
    for (int id : geometry.sectionIds) {
        const T_SECTION_D* section = model.FindSection(id);
        if (withCentroids && section->propertiesCalculated && section->centroidPointId != 0)
            most += 1.0;
    }
    return CountForIdCheck(most);
}

std::vector<int> DetachMovingSections(CSectModel& model, SectionGeometry& geometry, bool withCentroids)
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

    // Found once: the centroid copies made below belong to no curve and to
    // moving sections only.
    const std::set<int> heldBehind =
        PointsHeldOutside(model, std::set<int>(geometry.sectionIds.begin(), geometry.sectionIds.end()),
                          std::set<int>(geometry.curveIds.begin(), geometry.curveIds.end()));
    for (int sectionId : geometry.sectionIds) {
        T_SECTION_D* section = model.FindSection(sectionId);
        const T_POINT_D* centroid = model.FindPoint(section->centroidPointId);
        if (!section->propertiesCalculated || !centroid)
            continue;
        auto copy = copyOf.find(centroid->id);
        if (copy == copyOf.end()) {
            // A centroid on the moving curves moves with them.
            if (curvePoints.contains(centroid->id) || !heldBehind.contains(centroid->id))
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
