// Section > Delete: removes sections and, on request, the curves they were
// generated from with the closed loops through them and the points no other
// curve needs.

#include "commands/ClosedLoopRecords.h"
#include "commands/IdLists.h"
#include "commands/TransformSupport.h"
#include "model/SectModel.h"
#include "sections/SectionMoves.h"

#include <set>

namespace {

void DeletePoint(CSectModel& model, int pointId)
{
    const auto found = model.m_points.find(pointId);
    model.SavePointForUndo(found->second.get(), false);
    model.m_points.erase(found);
}

} // namespace

bool CSectModel::DeleteSections(const std::vector<int>* sectionIds, bool deleteCurves)
{
    SectionGeometry geometry;
    if (!CollectSectionGeometry(*this, *sectionIds, geometry))
        return false;
    const std::vector<int>& ids = geometry.sectionIds;
    std::vector<int> curveIds = geometry.curveIds;
    SortUniqueIds(curveIds);

    const int count = static_cast<int>(ids.size());
    BeginUndoAction();
    SetUndoActionTitle(CountedText("Delete 1 section", "Delete %d sections", count));

    const std::set<int> deletedSections(ids.begin(), ids.end());
    const std::set<int> deletedCurves = deleteCurves ? std::set<int>(curveIds.begin(), curveIds.end()) : std::set<int>();
    // The points that must outlive the deletion (a calculation may have put
    // a staying section's centroid on any curve's point).
    const std::set<int> kept = PointsHeldOutside(*this, deletedSections, deletedCurves);
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
        for (int curveId : curveIds) {
            const auto found = m_curves.find(curveId);
            const T_CURVE_D& curve = *found->second;
            SaveCurveForUndo(&curve, false);
            for (int loopId : curve.closedLoopIds) {
                if (!ContainsId(loopIds, loopId))
                    loopIds.push_back(loopId);
            }
            m_curves.erase(found);
        }
        for (int loopId : loopIds)
            DeleteClosedLoopRecord(*this, loopId);
        for (int pointId : geometry.pointIds) {
            // A deleted section's centroid point on a deleted curve is gone already.
            if (!kept.contains(pointId) && FindPoint(pointId))
                DeletePoint(*this, pointId);
        }
    }

    m_reporter.PrintOutput(CountedText("1 section is deleted.", "%d sections are deleted.", count));
    return true;
}
