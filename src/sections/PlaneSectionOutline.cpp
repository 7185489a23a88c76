// One island of a plane section: its own copy of the curves and points in
// coordinates normalised by the curves' extent, the outer loop traced around
// them, the inner curves as loops of their own, then facets and domains.

#include "model/Geometry.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"
#include "sections/PlaneSectionChecks.h"
#include "sections/SectionLoopGeometry.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr double kCoincidentSectionPoints = 1e-6;  // in normalised coordinates
constexpr int kProgressAbovePointCount = 150;

const char* const kFacetingFailedText = "Failed to generate a new section";
const char* const kDomainsFailedText = "Failed to generate a new section.";
const char* const kNotSimplyConnectedText =
    "Plane section should have a clear simply-connected geometry.\n\n(All its domains should be defined by "
    "simply-connected curve-loops)";

bool Contains(const std::vector<int>& ids, int id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

const double* PointXY(const T_SECTION_D& section, int pointId)
{
    const T_POINT_D* point = section.FindPoint(pointId);
    return point ? point->xy : nullptr;
}

bool IsClosed(const T_SCURVE_D& curve)
{
    return curve.pointIds.front() == curve.pointIds.back();
}

// The section point within the coincidence distance of xy, the first in
// ascending id; a new one when none is.
int SectionPointAt(T_SECTION_D& section, const double xy[2], double sum[2], int& count)
{
    for (const auto& [id, point] : section.points) {
        if (Distance(point->xy, xy) < kCoincidentSectionPoints)
            return id;
    }
    auto point = std::make_unique<T_POINT_D>();
    point->id = section.nextPointId++;
    CopyPoint2(xy, point->xy);
    sum[0] += xy[0];
    sum[1] += xy[1];
    ++count;
    const int id = point->id;
    section.points[id] = std::move(point);
    return id;
}

// Copies every listed model curve into the section, remembering each copy's
// id in the model curve's work field; false after reporting a missing record.
bool CopyCurvesIntoSection(CSectModel& model, T_SECTION_D& section, const std::vector<int>& curveIds, double width,
                           double height, double centroid[2])
{
    double sum[2] = {0.0, 0.0};
    int count = 0;
    for (int curveId : curveIds) {
        T_CURVE_D* modelCurve = model.FindCurve(curveId);
        if (!modelCurve)
            return model.m_reporter.ReportCurveNotFound(curveId);
        section.curveIds.push_back(curveId);
        auto curve = std::make_unique<T_SCURVE_D>();
        curve->id = section.nextCurveId++;
        modelCurve->work = curve->id;
        for (int pointId : modelCurve->pointIds) {
            const T_POINT_D* point = model.FindPoint(pointId);
            if (!point)
                return model.m_reporter.ReportPointNotFound(pointId);
            const double normalised[2] = {point->xy[0] / width, point->xy[1] / height};
            curve->pointIds.push_back(SectionPointAt(section, normalised, sum, count));
        }
        const int id = curve->id;
        section.curves[id] = std::move(curve);
    }
    centroid[0] = count > 0 ? sum[0] / count : 0.0;
    centroid[1] = count > 0 ? sum[1] / count : 0.0;
    return true;
}

// How far the curve's segments at the point turn away from the direction to
// the centroid, in degrees [0, 180]; -1 when the curve misses the point.
double TurnAwayFromCentroid(const T_SECTION_D& section, const T_SCURVE_D& curve, int pointId, const double centroid[2])
{
    double largest = -1.0;
    const double* at = PointXY(section, pointId);
    for (size_t k = 0; k < curve.pointIds.size(); ++k) {
        if (curve.pointIds[k] != pointId)
            continue;
        for (size_t neighbour : {k - 1, k + 1}) {
            if (neighbour >= curve.pointIds.size())  // k - 1 wraps for k = 0
                continue;
            const double* next = PointXY(section, curve.pointIds[neighbour]);
            if (at && next)
                largest = std::max(largest, std::fabs(AngleAtVertex(at, centroid, next)));
        }
    }
    return largest;
}

bool IsEndOfOtherCurve(const T_SECTION_D& section, int curveId, int pointId, const std::vector<int>& excluded)
{
    for (const auto& [id, other] : section.curves) {
        if (id != curveId && !Contains(excluded, id) &&
            (other->pointIds.front() == pointId || other->pointIds.back() == pointId))
            return true;
    }
    return false;
}

// The curve the outer loop starts with and the boundary point it is chosen
// at. The point farthest from the centroid lies on the outer boundary; of the
// curves there, the one turning farthest away from the centroid runs along
// the boundary, so an inner curve ending at that point is never taken. An
// open curve must be joined at both ends, else the search goes on without it.
int ChooseStartCurve(const T_SECTION_D& section, const double centroid[2], int& startPoint)
{
    std::vector<int> excluded;
    for (;;) {
        std::vector<bool> onAvailableCurve(static_cast<size_t>(section.nextPointId), false);
        for (const auto& [id, curve] : section.curves) {
            if (Contains(excluded, id))
                continue;
            for (int pointId : curve->pointIds) {
                if (pointId > 0 && pointId < section.nextPointId)
                    onAvailableCurve[static_cast<size_t>(pointId)] = true;
            }
        }
        int farthest = 0;
        double farthestDistance = -1.0;
        for (const auto& [id, point] : section.points) {
            const double distance = Distance(point->xy, centroid);
            if (onAvailableCurve[static_cast<size_t>(id)] && distance > farthestDistance) {
                farthest = id;
                farthestDistance = distance;
            }
        }
        if (farthest == 0)
            return 0;

        int chosen = 0;
        double chosenTurn = -1.0;
        for (const auto& [id, curve] : section.curves) {
            if (Contains(excluded, id))
                continue;
            const double turn = TurnAwayFromCentroid(section, *curve, farthest, centroid);
            if (turn > chosenTurn) {
                chosen = id;
                chosenTurn = turn;
            }
        }
        const T_SCURVE_D& curve = *section.FindCurve(chosen);
        if (IsClosed(curve) || (IsEndOfOtherCurve(section, chosen, curve.pointIds.front(), excluded) &&
                                IsEndOfOtherCurve(section, chosen, curve.pointIds.back(), excluded))) {
            startPoint = farthest;
            return chosen;
        }
        excluded.push_back(chosen);
    }
}

// Turns an open start curve so that the walk from it goes counter-clockwise:
// at the boundary point it was chosen at, the centroid must lie on the left of
// the curve's direction.
void OrientStartCurve(const T_SECTION_D& section, T_SCURVE_D& curve, int startPoint, const double centroid[2])
{
    const auto position = std::find(curve.pointIds.begin(), curve.pointIds.end(), startPoint);
    if (position == curve.pointIds.end())
        return;
    const size_t k = static_cast<size_t>(position - curve.pointIds.begin());
    const size_t from = k + 1 < curve.pointIds.size() ? k : k - 1;
    const double* a = PointXY(section, curve.pointIds[from]);
    const double* b = PointXY(section, curve.pointIds[from + 1]);
    if (a && b && SignedTriangleArea(a, b, centroid) < 0.0)
        std::reverse(curve.pointIds.begin(), curve.pointIds.end());
}

// Among curves leaving the joint, the sharpest turn to the right of the
// incoming direction; 0 when none turns by more than 0 degrees.
int SharpestRightTurn(const T_SECTION_D& section, const T_SCURVE_D& incoming, const std::vector<int>& candidates)
{
    const size_t n = incoming.pointIds.size();
    const double* joint = PointXY(section, incoming.pointIds[n - 1]);
    const double* before = PointXY(section, incoming.pointIds[n - 2]);
    int chosen = 0;
    double bestTurn = 0.0;
    for (int id : candidates) {
        const T_SCURVE_D& candidate = *section.FindCurve(id);
        const double* next = PointXY(section, candidate.pointIds[1]);
        if (!joint || !before || !next)
            continue;
        double turn = AngleAtVertex(joint, next, before);
        if (turn < 0.0)
            turn += 360.0;
        if (turn > bestTurn) {
            bestTurn = turn;
            chosen = id;
        }
    }
    return chosen;
}

// Walks from the start curve's last point along the outside of the curves
// until it comes back to the start curve's first point or runs out of curves.
void TraceOuterLoop(T_SECTION_D& section, T_LOOP_D& outerLoop)
{
    const T_SCURVE_D& start = *section.FindCurve(outerLoop.curveIds.front());
    const int startPoint = start.pointIds.front();
    int endPoint = start.pointIds.back();
    std::vector<int> visited{start.id};
    for (;;) {
        std::vector<int> candidates;
        for (auto& [id, curve] : section.curves) {
            if (Contains(visited, id))
                continue;
            if (curve->pointIds.back() == endPoint)
                std::reverse(curve->pointIds.begin(), curve->pointIds.end());
            if (curve->pointIds.front() == endPoint)
                candidates.push_back(id);
        }
        if (candidates.empty())
            return;
        const int chosen = candidates.size() == 1
            ? candidates.front()
            : SharpestRightTurn(section, *section.FindCurve(outerLoop.curveIds.back()), candidates);
        if (chosen == 0)
            return;  // every way on doubles back: the loop stays open
        outerLoop.curveIds.push_back(chosen);
        visited.push_back(chosen);
        endPoint = section.FindCurve(chosen)->pointIds.back();
        if (endPoint == startPoint)
            return;
    }
}

// Makes the outer loop run counter-clockwise; false when it has no probe point.
bool OrientOuterLoop(T_SECTION_D& section, T_LOOP_D& outerLoop)
{
    double probe[2];
    if (!section.GetLoopProbePoint(&outerLoop, probe))
        return false;
    if (std::fabs(LoopAngleSum(section, outerLoop, probe)) >= 350.0)
        return true;
    for (int id : outerLoop.curveIds) {
        T_SCURVE_D& curve = *section.FindCurve(id);
        std::reverse(curve.pointIds.begin(), curve.pointIds.end());
    }
    std::reverse(outerLoop.curveIds.begin(), outerLoop.curveIds.end());
    return true;
}

// Removes the curves with a point outside the outer loop; they belong to
// another island.
void DropOutsideCurves(T_SECTION_D& section, const T_LOOP_D& outerLoop)
{
    std::vector<int> outside;
    for (const auto& [id, curve] : section.curves) {
        if (Contains(outerLoop.curveIds, id))
            continue;
        for (int pointId : curve->pointIds) {
            const double* at = PointXY(section, pointId);
            if (at && std::fabs(LoopAngleSum(section, outerLoop, at)) < 10.0) {
                outside.push_back(id);
                break;
            }
        }
    }
    for (int id : outside)
        section.curves.erase(id);
}

std::vector<int> OuterLoopPointIds(const T_SECTION_D& section, const T_LOOP_D& outerLoop)
{
    std::vector<int> ids;
    for (int curveId : outerLoop.curveIds) {
        const T_SCURVE_D* curve = section.FindCurve(curveId);
        if (curve)
            ids.insert(ids.end(), curve->pointIds.begin(), curve->pointIds.end());
    }
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

// A domain touching the outer boundary is used; a hole or an island inside one is not.
void DecideDomainUse(T_SECTION_D& section, const std::vector<int>& outerPointIds)
{
    if (section.domains.size() < 2)
        return;
    for (auto& [id, domain] : section.domains) {
        domain->used = false;
        for (int loopId : domain->loopIds) {
            const T_LOOP_D* loop = section.FindLoop(loopId);
            if (!loop)
                continue;
            for (int curveId : loop->curveIds) {
                const T_SCURVE_D* curve = section.FindCurve(std::abs(curveId));
                if (!curve)
                    continue;
                for (int pointId : curve->pointIds) {
                    if (std::binary_search(outerPointIds.begin(), outerPointIds.end(), pointId))
                        domain->used = true;
                }
            }
        }
    }
}

} // namespace

int CSectModel::BuildPlaneSection(std::string name, std::vector<int>* curveIds, bool hasLocation, double location,
                                  const int colour[3], bool mergeStraightLines, double mergeAngle)
{
    double width = 0.0;
    double height = 0.0;
    if (!CheckPlaneSectionCurves(*this, *curveIds, width, height) || !CheckIdLimit(IdKind::Section, 1))
        return 0;
    if (mergeStraightLines)
        MergeStraightLines(*curveIds, mergeAngle);

    auto built = std::make_unique<T_SECTION_D>();
    T_SECTION_D& section = *built;
    section.id = m_nextSectionId++;
    section.name = name.empty() ? FormatText("Section-P%d", section.id) : name;
    section.type = SECTION_PLANE;
    section.propertiesCalculated = false;
    for (int k = 0; k < 3; ++k)
        section.colour[k] = colour[k];
    section.hasLocation = hasLocation;
    section.location = location;

    auto newDomain = std::make_unique<T_DOMAIN_D>();
    newDomain->id = section.nextDomainId++;
    T_DOMAIN_D& domain = *newDomain;
    section.domains[domain.id] = std::move(newDomain);
    auto newLoop = std::make_unique<T_LOOP_D>();
    newLoop->id = section.nextLoopId++;
    newLoop->kind = LOOP_DOMAIN_OUTLINE;
    T_LOOP_D& outerLoop = *newLoop;
    section.loops[outerLoop.id] = std::move(newLoop);
    domain.loopIds.push_back(outerLoop.id);

    const auto releaseModelCurves = [this, &section] {
        for (int curveId : section.curveIds) {
            if (T_CURVE_D* curve = FindCurve(curveId))
                curve->work = 0;
        }
    };
    // After its box, every failure releases the model curves and discards
    // the section, also once it has entered the model.
    const auto discard = [&] {
        releaseModelCurves();
        m_sections.erase(section.id);
        return 0;
    };
    const auto fail = [&](const char* warning) {
        m_reporter.ShowWarning(warning);
        return discard();
    };

    double centroid[2];
    if (!CopyCurvesIntoSection(*this, section, *curveIds, width, height, centroid))
        return discard();

    int startPoint = 0;
    const int startCurveId = ChooseStartCurve(section, centroid, startPoint);
    if (startCurveId == 0)
        return fail(kOuterLoopNotFoundText);
    T_SCURVE_D& startCurve = *section.FindCurve(startCurveId);
    outerLoop.curveIds.push_back(startCurveId);
    if (!IsClosed(startCurve)) {
        OrientStartCurve(section, startCurve, startPoint, centroid);
        TraceOuterLoop(section, outerLoop);
        const int loopStart = section.FindCurve(outerLoop.curveIds.front())->pointIds.front();
        const int loopEnd = section.FindCurve(outerLoop.curveIds.back())->pointIds.back();
        if (loopStart != loopEnd)
            return fail(kOuterLoopNotClosedText);
    }
    if (!OrientOuterLoop(section, outerLoop))
        return fail(kOuterLoopNotFoundText);

    DropOutsideCurves(section, outerLoop);
    for (const auto& [id, curve] : section.curves) {
        if (Contains(outerLoop.curveIds, id))
            continue;
        auto inner = std::make_unique<T_LOOP_D>();
        inner->id = section.nextLoopId++;
        inner->kind = LOOP_UNCLASSIFIED;
        inner->curveIds = {id};
        domain.loopIds.push_back(inner->id);
        section.loops[inner->id] = std::move(inner);
    }
    std::erase_if(section.curveIds, [this, &section](int curveId) {
        T_CURVE_D* curve = FindCurve(curveId);
        const bool dropped = !curve || !section.FindCurve(curve->work);
        if (curve)
            curve->work = 0;
        return dropped;
    });

    m_sections[section.id] = std::move(built);
    const int faceting = FacetPlaneSection(&section, static_cast<int>(section.points.size()) > kProgressAbovePointCount);
    if (faceting == 0) {
        m_reporter.ShowError(kFacetingFailedText);
        return discard();
    }
    if (faceting == 1) {
        section.facets.clear();
        section.nextFacetId = 1;
    } else {
        for (auto& [id, facet] : section.facets)
            facet->domainId = domain.id;
    }

    const std::vector<int> outerPointIds = OuterLoopPointIds(section, outerLoop);
    if (!BuildPlaneDomains(&section))
        return fail(kDomainsFailedText);
    for (const auto& [id, loop] : section.loops) {
        if (loop->kind == LOOP_OPEN_CHAIN || loop->kind == LOOP_UNCLASSIFIED)
            return fail(kNotSimplyConnectedText);
    }
    DecideDomainUse(section, outerPointIds);

    for (auto& [id, point] : section.points) {
        point->xy[0] *= width;
        point->xy[1] *= height;
    }
    return section.id;
}
