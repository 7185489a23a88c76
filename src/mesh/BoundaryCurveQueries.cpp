#include "mesh/BoundaryCurveQueries.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace {

// A node lies on a curve, or at its end, within this distance (store
// coordinates, extent 1): it was placed there and differs by rounding only.
constexpr double kOnCurveDistance = 1e-9;

bool Holds(const std::vector<int>& list, int value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

int FirstCurveHolding(const T_SECTION_D& section, const T_DOMAIN_D& domain, int node1, int node2,
                      const std::set<int>& excluded)
{
    for (const int loopId : domain.loopIds) {
        const T_LOOP_D* loop = section.FindLoop(loopId);
        if (loop == nullptr)
            continue;
        for (const int curveId : loop->curveIds) {
            const T_SCURVE_D* curve = section.FindCurve(curveId);
            if (curve != nullptr && excluded.count(curveId) == 0 && Holds(curve->meshNodeIds, node1) &&
                Holds(curve->meshNodeIds, node2))
                return curveId;
        }
    }
    return 0;
}

bool AreNeighbours(const std::vector<int>& list, int a, int b)
{
    for (size_t i = 0; i + 1 < list.size(); ++i) {
        if ((list[i] == a && list[i + 1] == b) || (list[i] == b && list[i + 1] == a))
            return true;
    }
    return false;
}

double DistanceToSegment(const MeshPoint& a, const MeshPoint& b, const MeshPoint& p)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0.0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return MeshDistance(MeshPoint{a.x + t * dx, a.y + t * dy}, p);
}

// Fraction of the curve's length at which p lies; 0 when it lies on no segment.
double ParameterOnCurve(const std::vector<MeshPoint>& points, double length, const MeshPoint& p)
{
    if (points.size() == 2 && MeshDistance(p, points.back()) <= kOnCurveDistance)
        return 1.0;
    double before = 0.0;
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        const double segment = MeshDistance(points[i], points[i + 1]);
        if (DistanceToSegment(points[i], points[i + 1], p) <= kOnCurveDistance)
            return (before + MeshDistance(points[i], p)) / length;
        before += segment;
    }
    return 0.0;
}

}  // namespace

int FindBoundaryCurveOfNodes(const T_SECTION_D& section, const T_DOMAIN_D& domain, int node1, int node2,
                             int excludedCurveId)
{
    return FirstCurveHolding(section, domain, node1, node2, {excludedCurveId});
}

int GetBoundaryMidpoint(const CMeshStore& store, const T_SECTION_D& section, const T_DOMAIN_D& domain,
                        int node1, const double p1[2], int node2, const double p2[2], double mid[2])
{
    mid[0] = (p1[0] + p2[0]) / 2.0;
    mid[1] = (p1[1] + p2[1]) / 2.0;

    // Curves holding both nodes but not side by side are passed over, each once.
    std::set<int> rejected{0};
    const T_SCURVE_D* curve = nullptr;
    for (;;) {
        const int curveId = FirstCurveHolding(section, domain, node1, node2, rejected);
        if (curveId == 0)
            return 0;
        curve = section.FindCurve(curveId);
        if (AreNeighbours(curve->meshNodeWork, node1, node2))
            break;
        rejected.insert(curveId);
    }

    std::vector<MeshPoint> points;
    double length = 0.0;
    for (const int pointId : curve->pointIds) {
        const T_POINT_D* point = section.FindPoint(pointId);
        if (point == nullptr)
            return 0;
        points.push_back(store.FromModel(point->xy));
        if (points.size() > 1)
            length += MeshDistance(points[points.size() - 2], points.back());
    }
    if (points.size() < 2 || !(length > 0.0))
        return 0;

    double t1 = ParameterOnCurve(points, length, MeshPoint{p1[0], p1[1]});
    double t2 = ParameterOnCurve(points, length, MeshPoint{p2[0], p2[1]});
    if (std::fabs(t1 - t2) > 0.5) {
        // The pair straddles the closing point of a closed curve.
        const int lastNode = curve->meshNodeIds.empty() ? 0 : curve->meshNodeIds.back();
        if (t1 == 0.0 && node1 == lastNode)
            t1 = 1.0;
        if (t2 == 0.0 && node2 == lastNode)
            t2 = 1.0;
    }

    double s = (t1 + t2) * length / 2.0;
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        const double segment = MeshDistance(points[i], points[i + 1]);
        if (segment >= s) {
            const double t = segment > 0.0 ? s / segment : 0.0;
            mid[0] = points[i].x + (points[i + 1].x - points[i].x) * t;
            mid[1] = points[i].y + (points[i + 1].y - points[i].y) * t;
            break;
        }
        s -= segment;
    }
    return curve->id;
}
