#include "model/SectModel.h"

#include "model/Geometry.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>

namespace {

// Odd grid counts go up by one (negative ones too); the largest int has no even
// successor and goes down instead.
int EvenGridCount(int count)
{
    if (count % 2 == 0)
        return count;
    return count == INT_MAX ? count - 1 : count + 1;
}

template <class T>
void CopyRecords(const IdMap<T>& src, IdMap<T>& dst)
{
    for (const auto& [id, record] : src)
        dst[id] = std::make_unique<T>(*record);
}

} // namespace

CSectModel::CSectModel()
{
    auto gcs = std::make_unique<T_UCS_D>();
    gcs->id = 0;
    gcs->name = "GCS";
    m_ucs[0] = std::move(gcs);
}

void CSectModel::SetTolerance(double tolerance)
{
    m_tolerance = tolerance;
}

void CSectModel::SetAngleStep(double angleStep)
{
    m_angleStep = angleStep;
}

void CSectModel::SetGrid(int countX, int countY, double size)
{
    m_gridCountX = EvenGridCount(countX);
    m_gridCountY = EvenGridCount(countY);
    m_gridSize = size;
}

T_SECTION_D* CSectModel::FindSection(int id) const
{
    return FindRecord(m_sections, id);
}

T_LOOP_D* CSectModel::FindClosedLoop(int id) const
{
    return FindRecord(m_closedLoops, id);
}

T_CURVE_D* CSectModel::FindCurve(int id) const
{
    return FindRecord(m_curves, id);
}

T_POINT_D* CSectModel::FindPoint(int id) const
{
    return FindRecord(m_points, id);
}

T_FENODE_D* CSectModel::FindFeNode(int id) const
{
    return FindRecord(m_feNodes, id);
}

T_FEELEM_D* CSectModel::FindFeElement(int id) const
{
    return FindRecord(m_feElements, id);
}

T_MATERIAL_D* CSectModel::FindMaterial(int id) const
{
    return FindRecord(m_materials, id);
}

T_UCS_D* CSectModel::FindUcs(int id) const
{
    return FindRecord(m_ucs, id);
}

T_GROUP_D* CSectModel::FindGroup(int id) const
{
    return FindRecord(m_groups, id);
}

T_ACTION_D* CSectModel::GetCurrentUndoAction() const
{
    return FindRecord(m_undoActions, m_undoTopId);
}

T_ACTION_D* CSectModel::GetCurrentRedoAction() const
{
    return FindRecord(m_redoActions, m_redoTopId);
}

T_UCS_D* CSectModel::GetCurrentUcs()
{
    if (T_UCS_D* current = FindUcs(m_currentUcsId))
        return current;
    m_currentUcsId = 0;
    return FindUcs(0);
}

void CSectModel::SyncPointGrid() const
{
    // New points take ids above every earlier one: when the grid's points plus
    // those past its highest id make up the whole map, nothing was deleted
    // and the new points are simply added.
    if (m_pointGridMoves == m_pointMoves && m_pointGrid.Tolerance() == m_tolerance) {
        const auto firstNew = m_points.upper_bound(m_pointGridLastId);
        const auto newCount = static_cast<std::size_t>(std::distance(firstNew, m_points.end()));
        if (m_pointGrid.Size() + newCount == m_points.size()) {
            for (auto it = firstNew; it != m_points.end(); ++it)
                m_pointGrid.Insert(it->first, it->second->xy);
            if (newCount > 0)
                m_pointGridLastId = m_points.rbegin()->first;
            return;
        }
    }
    m_pointGrid.Reset(m_tolerance, m_points.size());
    for (const auto& [id, point] : m_points)
        m_pointGrid.Insert(id, point->xy);
    m_pointGridMoves = m_pointMoves;
    m_pointGridLastId = m_points.empty() ? 0 : m_points.rbegin()->first;
}

const NewcomerSegmentIndex& CSectModel::NewcomerSegments() const
{
    m_newcomerSegments.Sync(*this);
    return m_newcomerSegments;
}

int CSectModel::FindPointAt(const double xy[2]) const
{
    SyncPointGrid();
    return std::max(m_pointGrid.FindLowest(xy), 0);
}

void CSectModel::ToLowerCase(const std::string& name, std::string& out)
{
    out = name;
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
}

void CSectModel::CopySection(const T_SECTION_D& src, T_SECTION_D& dst)
{
    dst.id = src.id;
    dst.workMark = src.workMark;
    dst.type = src.type;
    dst.name = src.name;
    dst.assignedBaseMaterialId = src.assignedBaseMaterialId;
    std::copy(std::begin(src.colour), std::end(src.colour), std::begin(dst.colour));
    CopyPoint3(src.triple1, dst.triple1);
    CopyPoint3(src.triple2, dst.triple2);
    CopyPoint2(src.boxMin, dst.boxMin);
    CopyPoint2(src.boxMax, dst.boxMax);

    dst.hasLocation = src.hasLocation;
    dst.location = src.location;
    dst.propertiesCalculated = src.propertiesCalculated;
    dst.propertiesModifiedByHand = src.propertiesModifiedByHand;
    dst.centroidPointId = src.centroidPointId;
    dst.baseMaterialId = src.baseMaterialId;
    std::copy(std::begin(src.results), std::end(src.results), std::begin(dst.results));

    CopyRecords(src.domains, dst.domains);
    CopyRecords(src.loops, dst.loops);
    CopyRecords(src.curves, dst.curves);
    CopyRecords(src.facets, dst.facets);
    CopyRecords(src.points, dst.points);

    dst.curveIds = src.curveIds;
    dst.nextDomainId = src.nextDomainId;
    dst.nextLoopId = src.nextLoopId;
    dst.nextCurveId = src.nextCurveId;
    dst.nextFacetId = src.nextFacetId;
    dst.nextPointId = src.nextPointId;
}

void CSectModel::ClearFeMesh()
{
    if (m_feNodes.empty())
        return;
    m_feNodes.clear();
    m_feElements.clear();
    m_nextFeNodeId = 1;
    m_nextFeElementId = 1;
}

bool CSectModel::CheckIdLimit(IdKind kind, int newIdCount, const T_SECTION_D* domainOwner) const
{
    int nextId = 1;
    switch (kind) {
    case IdKind::Point: nextId = m_nextPointId; break;
    case IdKind::Curve: nextId = m_nextCurveId; break;
    case IdKind::ClosedLoop: nextId = m_nextClosedLoopId; break;
    case IdKind::Section: nextId = m_nextSectionId; break;
    case IdKind::Domain: nextId = domainOwner ? domainOwner->nextDomainId : 1; break;
    case IdKind::Ucs: nextId = m_nextUcsId; break;
    case IdKind::Group: nextId = m_nextGroupId; break;
    }
    const std::string refusal = IdLimitRefusal(kind, nextId, newIdCount);
    return refusal.empty() || m_reporter.ShowWarning(refusal);
}
