// Section > Delete: removes sections and, on request, the curves they were
// generated from with the closed loops through them and the points no other
// curve needs.

#include "commands/ClosedLoopRecords.h"
#include "commands/IdLists.h"
#include "commands/TransformSupport.h"
#include "model/SectModel.h"

#include <set>

namespace {

// Every listed section, each curve it was generated from and each point of
// those curves exist; reports the first that does not. Fills the sorted
// curve ids.
bool CollectSectionCurves(const CSectModel& model, const std::vector<int>& sectionIds, std::vector<int>& curveIds)
{
    for (int sectionId : sectionIds) {
        const T_SECTION_D* section = model.FindSection(sectionId);
        if (!section)
            return model.m_reporter.ReportSectionNotFound(sectionId);
        for (int curveId : section->curveIds) {
            const T_CURVE_D* curve = model.FindCurve(curveId);
            if (!curve)
                return model.m_reporter.ReportCurveNotFound(curveId);
            if (!AllPointsExist(model, curve->pointIds))
                return false;
            curveIds.push_back(curveId);
        }
    }
    SortUniqueIds(curveIds);
    return true;
}

// The points that must outlive the deletion: those of the curves that stay
// and the centroid points of the calculated sections that stay (a
// calculation may have put its centroid on any curve's point).
std::set<int> PointsKept(const CSectModel& model, const std::set<int>& deletedSections,
                         const std::set<int>& deletedCurves)
{
    std::set<int> kept;
    for (const auto& [id, curve] : model.m_curves) {
        if (!deletedCurves.contains(id))
            kept.insert(curve->pointIds.begin(), curve->pointIds.end());
    }
    for (const auto& [id, section] : model.m_sections) {
        if (!deletedSections.contains(id) && section->propertiesCalculated && section->centroidPointId != 0)
            kept.insert(section->centroidPointId);
    }
    return kept;
}

void DeletePoint(CSectModel& model, int pointId)
{
    const auto found = model.m_points.find(pointId);
    model.SavePointForUndo(found->second.get(), false);
    model.m_points.erase(found);
}

} // namespace

bool CSectModel::DeleteSections(const std::vector<int>* sectionIds, bool deleteCurves)
{
    std::vector<int> ids = *sectionIds;
    DropRepeatedIds(ids);
    std::vector<int> curveIds;
    if (!CollectSectionCurves(*this, ids, curveIds))
        return false;

    const int count = static_cast<int>(ids.size());
    BeginUndoAction();
    SetUndoActionTitle(CountedText("Delete 1 section", "Delete %d sections", count));

    const std::set<int> deletedSections(ids.begin(), ids.end());
    const std::set<int> deletedCurves = deleteCurves ? std::set<int>(curveIds.begin(), curveIds.end()) : std::set<int>();
    const std::set<int> kept = PointsKept(*this, deletedSections, deletedCurves);
    for (int sectionId : ids) {
        const auto found = m_sections.find(sectionId);
        const T_SECTION_D& section = *found->second;
        SaveSectionForUndo(&section, false);
        const int centroidId = section.centroidPointId;
        // Two deleted sections may name one centroid point; it goes once.
        if (section.propertiesCalculated && FindPoint(centroidId) && !kept.contains(centroidId))
            DeletePoint(*this, centroidId);
        m_sections.erase(found);
    }

    if (!deleteCurves) {
        for (int curveId : curveIds) {
            T_CURVE_D* curve = FindCurve(curveId);
            SaveCurveForUndo(curve, false);
            curve->sectionId = 0;
        }
    } else {
        std::vector<int> loopIds;
        std::vector<int> pointIds;
        for (int curveId : curveIds) {
            const auto found = m_curves.find(curveId);
            const T_CURVE_D& curve = *found->second;
            SaveCurveForUndo(&curve, false);
            pointIds.insert(pointIds.end(), curve.pointIds.begin(), curve.pointIds.end());
            for (int loopId : curve.closedLoopIds) {
                if (!ContainsId(loopIds, loopId))
                    loopIds.push_back(loopId);
            }
            m_curves.erase(found);
        }
        for (int loopId : loopIds)
            DeleteClosedLoopRecord(*this, loopId);
        SortUniqueIds(pointIds);
        for (int pointId : pointIds) {
            // A deleted section's centroid point on a deleted curve is gone already.
            if (!kept.contains(pointId) && FindPoint(pointId))
                DeletePoint(*this, pointId);
        }
    }

    m_reporter.PrintOutput(CountedText("1 section is deleted.", "%d sections are deleted.", count));
    return true;
}
