// Section > Generate: the common front end of line and plane sections (curve
// checks, equalizing the curves' points, protecting centroid points), the
// island loop of plane sections, their merge into one section, and its
// registration.

#include "commands/CommandRollback.h"
#include "commands/IdLists.h"
#include "model/Geometry.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"
#include "sections/PlaneSectionChecks.h"
#include "sections/SectionCurveChecks.h"

#include <algorithm>
#include <map>
#include <memory>

namespace {

// Whether the point is the centroid of a calculated section.
bool IsCentroidOfCalculatedSection(const CSectModel& model, int pointId)
{
    return std::any_of(model.m_sections.begin(), model.m_sections.end(), [pointId](const auto& entry) {
        return entry.second->propertiesCalculated && entry.second->centroidPointId == pointId;
    });
}

// Gives the new section's curves their own copies of the centroid points of
// calculated sections, recorded in an undo action of the generation's own.
// Returns the id of that action, 0 when nothing was copied.
int ProtectCentroidPoints(CSectModel& model, const std::vector<int>& pointIds, const std::vector<int>& curveIds)
{
    std::vector<int> centroids;
    for (int pointId : pointIds) {
        if (model.FindPoint(pointId) && IsCentroidOfCalculatedSection(model, pointId))
            centroids.push_back(pointId);
    }
    if (centroids.empty())
        return 0;

    std::map<int, int> copyOf;
    for (int pointId : centroids) {
        auto copy = std::make_unique<T_POINT_D>(*model.FindPoint(pointId));
        copy->id = model.m_nextPointId++;
        copyOf[pointId] = copy->id;
        const int copyId = copy->id;
        model.m_points[copyId] = std::move(copy);
        model.RecordCreatedPoint(copyId, copyOf.size() == 1);
    }
    for (int curveId : curveIds) {
        T_CURVE_D* curve = model.FindCurve(curveId);
        for (int& pointId : curve->pointIds) {
            const auto copy = copyOf.find(pointId);
            if (copy == copyOf.end())
                continue;
            model.SaveCurveForUndo(curve, false);
            pointId = copy->second;
        }
    }
    return model.m_undoTopId;
}

void RemoveIslands(CSectModel& model, const std::vector<int>& islandIds, const std::vector<int>& curveIds)
{
    for (int id : islandIds)
        model.m_sections.erase(id);
    for (int curveId : curveIds) {
        if (T_CURVE_D* curve = model.FindCurve(curveId))
            curve->work = 0;
    }
}

// While the island box is shown, facets carry their domain in the highlight
// field and no domain, so that the view can tell the islands apart.
void SwapFacetHighlights(CSectModel& model, const std::vector<int>& islandIds, bool show)
{
    for (int id : islandIds) {
        for (auto& [facetId, facet] : model.FindSection(id)->facets) {
            if (show) {
                facet->highlight = facet->domainId;
                facet->domainId = 0;
            } else {
                facet->domainId = facet->highlight;
                facet->highlight = 0;
            }
        }
    }
}

// Moves every record of the island into the first island, above the ids the
// first already holds, and adds the island's counters to the first's.
void MergeIsland(T_SECTION_D& first, T_SECTION_D& island)
{
    const int domainOffset = first.nextDomainId;
    const int loopOffset = first.nextLoopId;
    const int curveOffset = first.nextCurveId;
    const int facetOffset = first.nextFacetId;
    const int pointOffset = first.nextPointId;

    for (const auto& [id, point] : island.points) {
        auto moved = std::make_unique<T_POINT_D>();
        moved->id = id + pointOffset;
        CopyPoint2(point->xy, moved->xy);
        first.points[moved->id] = std::move(moved);
    }
    for (const auto& [id, facet] : island.facets) {
        auto moved = std::make_unique<T_FACET_D>();
        moved->id = id + facetOffset;
        moved->domainId = facet->domainId + domainOffset;
        for (int k = 0; k < 3; ++k)
            moved->pointIds[k] = facet->pointIds[k] + pointOffset;
        first.facets[moved->id] = std::move(moved);
    }
    for (const auto& [id, curve] : island.curves) {
        auto moved = std::make_unique<T_SCURVE_D>();
        moved->id = id + curveOffset;
        moved->twinCurveId = curve->twinCurveId != 0 ? curve->twinCurveId + curveOffset : 0;
        moved->meshDivisions = curve->meshDivisions;
        for (int pointId : curve->pointIds)
            moved->pointIds.push_back(pointId + pointOffset);
        first.curves[moved->id] = std::move(moved);
    }
    for (const auto& [id, loop] : island.loops) {
        auto moved = std::make_unique<T_LOOP_D>();
        moved->id = id + loopOffset;
        moved->kind = loop->kind;
        for (int curveId : loop->curveIds)
            moved->curveIds.push_back(curveId + curveOffset);
        first.loops[moved->id] = std::move(moved);
    }
    for (const auto& [id, domain] : island.domains) {
        auto moved = std::make_unique<T_DOMAIN_D>();
        moved->id = id + domainOffset;
        moved->used = domain->used;
        for (int loopId : domain->loopIds)
            moved->loopIds.push_back(loopId + loopOffset);
        first.domains[moved->id] = std::move(moved);
    }
    first.nextDomainId += island.nextDomainId;
    first.nextLoopId += island.nextLoopId;
    first.nextCurveId += island.nextCurveId;
    first.nextFacetId += island.nextFacetId;
    first.nextPointId += island.nextPointId;
    first.curveIds.insert(first.curveIds.end(), island.curveIds.begin(), island.curveIds.end());
}

// Builds island after island from the curves not used yet, merges them into
// the first and registers the result in the generation's undo action.
int GeneratePlaneSection(CSectModel& model, const std::string& name, const std::vector<int>& curveIds,
                         bool hasLocation, double location, const int color[3], const std::string& group,
                         bool mergeStraightLines, double mergeAngle, int centroidAction)
{
    std::vector<int> remaining = curveIds;
    std::vector<int> islands;
    do {
        const int islandId =
            model.BuildPlaneSection(name, &remaining, hasLocation, location, color, mergeStraightLines, mergeAngle);
        if (islandId == 0) {
            RemoveIslands(model, islands, curveIds);
            return 0;
        }
        islands.push_back(islandId);
        const T_SECTION_D& island = *model.FindSection(islandId);
        std::erase_if(remaining, [&island](int id) { return ContainsId(island.curveIds, id); });
    } while (!remaining.empty());

    if (islands.size() > 1) {
        SwapFacetHighlights(model, islands, true);
        model.m_reporter.ShowInfo(FormatText(
            "Selected curves have generated the plane section composed of %d island domains!",
            static_cast<int>(islands.size())));
        SwapFacetHighlights(model, islands, false);
    }

    T_SECTION_D& first = *model.FindSection(islands.front());
    for (size_t k = 1; k < islands.size(); ++k) {
        T_SECTION_D& island = *model.FindSection(islands[k]);
        if (!model.CheckIdLimit(IdKind::Domain, island.nextDomainId - 1, &first)) {
            RemoveIslands(model, islands, curveIds);
            return 0;
        }
        MergeIsland(first, island);
        model.m_sections.erase(islands[k]);
    }

    model.AddNewcomerSection(first.id, true);
    model.RecordCreatedSection(first.id, centroidAction == 0 || centroidAction != model.m_undoTopId);
    model.SetUndoActionTitle(FormatText("Generate new plane section [%s]", first.name.c_str()));
    if (islands.size() > 1)
        SortUniqueIds(first.curveIds);
    for (int curveId : first.curveIds) {
        T_CURVE_D* curve = model.FindCurve(curveId);
        if (!curve)
            return model.m_reporter.ReportCurveNotFound(curveId);
        model.SaveCurveForUndo(curve, false);
        curve->sectionId = first.id;
    }
    if (!model.UnsharePointsOfCurves(curveIds))
        return 0;
    model.AddNewSectionToGroup(group, first.id);
    return first.id;
}

} // namespace

int CSectModel::GenerateSection(std::string name, int type, std::vector<int> curveIds, bool hasLocation,
                                double location, const int color[3], const char* groupName, bool mergeStraightLines,
                                double mergeAngleTolerance)
{
    // Everything that does not depend on point ids is checked before the
    // points are touched.
    if ((type != SECTION_PLANE && type != SECTION_LINE) || curveIds.empty())
        return 0;
    DropRepeatedIds(curveIds);
    if (!CheckCurvesFreeForSection(*this, curveIds))
        return 0;
    double width = 0.0;
    double height = 0.0;
    if (!MeasureCurvesExtent(*this, curveIds, width, height))
        return 0;
    if (type == SECTION_LINE && !CheckClosedLoopsTakenWhole(*this, curveIds))
        return 0;
    if (type == SECTION_PLANE && !CheckExtentNotFlat(*this, width, height))
        return 0;
    if (!CheckIdLimit(IdKind::Section, 1))
        return 0;

    std::vector<int> pointIds;
    for (int curveId : curveIds) {
        const std::vector<int>& ids = FindCurve(curveId)->pointIds;
        pointIds.insert(pointIds.end(), ids.begin(), ids.end());
    }
    SortUniqueIds(pointIds);
    int centroidCopies = 0;
    for (int pointId : pointIds)
        centroidCopies += IsCentroidOfCalculatedSection(*this, pointId) ? 1 : 0;
    if (!CheckIdLimit(IdKind::Point, centroidCopies))
        return 0;

    // From here on a refusal takes back every undo action opened below, and
    // the lines that reported their work.
    CommandRollback rollback(*this);
    const std::vector<int> selected = curveIds;
    const double noCoordinate[2] = {0.0, 0.0};
    EqualizePointsInTolerance(pointIds, m_tolerance, false, noCoordinate, true, false);
    std::erase_if(curveIds, [this](int id) { return !FindCurve(id); });
    if (curveIds.empty()) {
        // Every curve collapsed into a point.
        rollback.RollBack();
        return m_reporter.ReportCurveNotFound(selected.front());
    }
    const int centroidAction = ProtectCentroidPoints(*this, pointIds, curveIds);

    const std::string group = groupName ? groupName : "";
    int id = 0;
    if (type == SECTION_LINE) {
        const bool inOpenAction = centroidAction != 0 && centroidAction == m_undoTopId;
        id = GenerateLineSection(name, &curveIds, hasLocation, location, color, group.c_str(), inOpenAction);
    } else {
        id = GeneratePlaneSection(*this, name, curveIds, hasLocation, location, color, group, mergeStraightLines,
                                  mergeAngleTolerance, centroidAction);
    }
    if (id == 0) {
        rollback.RollBack();
        return 0;
    }
    rollback.Commit();
    return id;
}
