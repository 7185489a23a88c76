#include "io/ProjectFileChecks.h"

#include "io/ProjectFileLayout.h"
#include "model/SectModel.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kLargestGridCount = 10000;

void Require(bool condition, const char* problem)
{
    if (!condition)
        throw ProjectFileDamaged(problem);
}

bool IsPositiveFinite(double value)
{
    return std::isfinite(value) && value > 0.0;
}

template <class T>
void RequireAllPresent(const std::vector<int>& ids, const IdMap<T>& records, const char* problem)
{
    for (int id : ids)
        Require(records.count(id) != 0, problem);
}

// Loop entries are signed: the sign gives the direction, the magnitude the
// curve.
template <class T>
void RequireAllPresentUnsigned(const std::vector<int>& signedIds, const IdMap<T>& records, const char* problem)
{
    for (int id : signedIds)
        Require(id != INT_MIN && records.count(std::abs(id)) != 0, problem);
}

void CheckSectionReferences(const T_SECTION_D& section, const CSectModel& model)
{
    RequireAllPresent(section.curveIds, model.m_curves, "a section names a curve the file does not hold");
    for (const auto& [id, domain] : section.domains)
        RequireAllPresent(domain->loopIds, section.loops, "a domain names a loop its section does not hold");
    for (const auto& [id, loop] : section.loops)
        RequireAllPresentUnsigned(loop->curveIds, section.curves, "a section loop names a curve its section does not hold");
    for (const auto& [id, curve] : section.curves)
        RequireAllPresent(curve->pointIds, section.points, "a section curve names a point its section does not hold");
    for (const auto& [id, facet] : section.facets) {
        for (int pointId : facet->pointIds)
            Require(section.points.count(pointId) != 0, "a facet names a point its section does not hold");
    }
}

template <class T>
int NextIdPast(const IdMap<T>& records, int nextId)
{
    return records.empty() ? nextId : std::max(nextId, records.rbegin()->first + 1);
}

} // namespace

void CheckProjectSettings(const CSectModel& model)
{
    Require(model.m_lengthUnit >= 1 && model.m_lengthUnit <= 5, "the length unit code is unknown");
    Require(model.m_forceUnit >= 1 && model.m_forceUnit <= 6, "the force unit code is unknown");
    Require(IsPositiveFinite(model.m_tolerance), "the tolerance is not a positive number");
    Require(IsPositiveFinite(model.m_angleStep), "the angle step is not a positive number");
    Require(model.m_gridCountX >= 1 && model.m_gridCountX <= kLargestGridCount && model.m_gridCountY >= 1
                && model.m_gridCountY <= kLargestGridCount,
            "the number of grids is out of range");
    Require(IsPositiveFinite(model.m_gridSize), "the grid size is not a positive number");

    RequireCounterInBounds(model.m_nextSectionId, BoundsOf(IdKind::Section, "section"));
    RequireCounterInBounds(model.m_nextClosedLoopId, BoundsOf(IdKind::ClosedLoop, "closed loop"));
    RequireCounterInBounds(model.m_nextCurveId, BoundsOf(IdKind::Curve, "curve"));
    RequireCounterInBounds(model.m_nextPointId, BoundsOf(IdKind::Point, "point"));
    RequireCounterInBounds(model.m_nextMaterialId, PositiveIdBounds("material"));
    RequireCounterInBounds(model.m_nextUcsId, PositiveIdBounds("UCS"));
    RequireCounterInBounds(model.m_nextGroupId, PositiveIdBounds("group"));
}

void CheckProjectReferences(const CSectModel& model)
{
    for (const auto& [id, curve] : model.m_curves)
        RequireAllPresent(curve->pointIds, model.m_points, "a curve names a point the file does not hold");
    for (const auto& [id, loop] : model.m_closedLoops)
        RequireAllPresentUnsigned(loop->curveIds, model.m_curves, "a closed loop names a curve the file does not hold");
    for (const auto& [id, section] : model.m_sections)
        CheckSectionReferences(*section, model);
}

void RaiseIdCountersPastIds(CSectModel& model)
{
    model.m_nextSectionId = NextIdPast(model.m_sections, model.m_nextSectionId);
    model.m_nextClosedLoopId = NextIdPast(model.m_closedLoops, model.m_nextClosedLoopId);
    model.m_nextCurveId = NextIdPast(model.m_curves, model.m_nextCurveId);
    model.m_nextPointId = NextIdPast(model.m_points, model.m_nextPointId);
    model.m_nextMaterialId = NextIdPast(model.m_materials, model.m_nextMaterialId);
    model.m_nextUcsId = NextIdPast(model.m_ucs, model.m_nextUcsId);
    model.m_nextGroupId = NextIdPast(model.m_groups, model.m_nextGroupId);
    for (auto& [id, section] : model.m_sections) {
        section->nextDomainId = NextIdPast(section->domains, section->nextDomainId);
        section->nextLoopId = NextIdPast(section->loops, section->nextLoopId);
        section->nextCurveId = NextIdPast(section->curves, section->nextCurveId);
        section->nextFacetId = NextIdPast(section->facets, section->nextFacetId);
        section->nextPointId = NextIdPast(section->points, section->nextPointId);
    }
}
