#include "mesh/BoundaryCurveQueries.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace {

// A node lies on a curve, or at its end, within this distance (store
// coordinates, extent 1): it was placed there and differs by rounding only.
constexpr double kOnCurveDistance = 1e-9;

bool AreNeighbours(const std::vector<int>& list, int a, int b)
{
    for (size_t i = 0; i + 1 < list.size(); ++i) {
        if ((list[i] == a && list[i + 1] == b) || (list[i] == b && list[i + 1] == a))
            return true;
    }
    return false;
}

// Distance of p from segment a-b and the parameter of its foot, clamped to it.
double DistanceToSegment(const MeshPoint& a, const MeshPoint& b, const MeshPoint& p, double& t)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    t = lengthSquared > 0.0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0.0;
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
        double t = 0.0;
        if (DistanceToSegment(points[i], points[i + 1], p, t) <= kOnCurveDistance)
            return (before + t * segment) / length;
        before += segment;
    }
    return 0.0;
}

}  // namespace

CBoundaryCurves::CBoundaryCurves(MeshDomainInput& domain) : m_domain(domain)
{
    for (MeshLoopInput& loop : domain.loops) {
        for (MeshCurveInput& curve : loop.curves) {
            m_walk.push_back(&curve);
            m_placedNodes.emplace(curve.curveId, curve.meshNodeIds);
            IndexCurve(m_walk.size() - 1);
        }
    }
}

void CBoundaryCurves::IndexCurve(size_t ordinal)
{
    for (const int nodeId : m_walk[ordinal]->meshNodeIds) {
        std::vector<size_t>& ordinals = m_ordinalsOfNode[nodeId];
        if (ordinals.empty() || ordinals.back() != ordinal)
            ordinals.push_back(ordinal);
    }
}

int CBoundaryCurves::FindBoundaryCurveOfNodes(int node1, int node2, int excludedCurveId) const
{
    const auto first = m_ordinalsOfNode.find(node1);
    const auto second = m_ordinalsOfNode.find(node2);
    if (first == m_ordinalsOfNode.end() || second == m_ordinalsOfNode.end())
        return 0;
    // Both lists ascend: the first common ordinal is the first curve in walk order.
    auto a = first->second.begin(), b = second->second.begin();
    while (a != first->second.end() && b != second->second.end()) {
        if (*a < *b) {
            ++a;
        } else if (*b < *a) {
            ++b;
        } else {
            if (m_walk[*a]->curveId != excludedCurveId)
                return m_walk[*a]->curveId;
            ++a;
            ++b;
        }
    }
    return 0;
}

int CBoundaryCurves::GetBoundaryMidpoint(const CMeshStore& store, int node1, const double p1[2], int node2,
                                         const double p2[2], double mid[2]) const
{
    mid[0] = (p1[0] + p2[0]) / 2.0;
    mid[1] = (p1[1] + p2[1]) / 2.0;

    // Curves holding both nodes but not side by side are passed over, each
    // once, so the search always ends.
    const MeshCurveInput* curve = nullptr;
    std::set<int> rejected;
    const auto firstCandidate = [&]() -> const MeshCurveInput* {
        const auto first = m_ordinalsOfNode.find(node1);
        const auto second = m_ordinalsOfNode.find(node2);
        if (first == m_ordinalsOfNode.end() || second == m_ordinalsOfNode.end())
            return nullptr;
        for (const size_t ordinal : first->second) {
            const MeshCurveInput* candidate = m_walk[ordinal];
            if (rejected.count(candidate->curveId) == 0 &&
                std::binary_search(second->second.begin(), second->second.end(), ordinal))
                return candidate;
        }
        return nullptr;
    };
    for (;;) {
        curve = firstCandidate();
        if (curve == nullptr)
            return 0;
        if (AreNeighbours(m_placedNodes.at(curve->curveId), node1, node2))
            break;
        rejected.insert(curve->curveId);
    }

    std::vector<MeshPoint> points;
    double length = 0.0;
    for (const auto& xy : curve->points) {
        points.push_back(store.FromModel(xy.data()));
        if (points.size() > 1)
            length += MeshDistance(points[points.size() - 2], points.back());
    }
    if (points.size() < 2 || points.size() != curve->pointIds.size() || !(length > 0.0))
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
    return curve->curveId;
}

void CBoundaryCurves::InsertBetween(int curveId, int a, int b, int nodeId)
{
    for (size_t ordinal = 0; ordinal < m_walk.size(); ++ordinal) {
        std::vector<int>& list = m_walk[ordinal]->meshNodeIds;
        if (m_walk[ordinal]->curveId != curveId || std::find(list.begin(), list.end(), nodeId) != list.end())
            continue;
        for (size_t j = 0; j + 1 < list.size(); ++j) {
            if ((list[j] == a && list[j + 1] == b) || (list[j] == b && list[j + 1] == a)) {
                list.insert(list.begin() + static_cast<std::ptrdiff_t>(j) + 1, nodeId);
                std::vector<size_t>& ordinals = m_ordinalsOfNode[nodeId];
                ordinals.insert(std::lower_bound(ordinals.begin(), ordinals.end(), ordinal), ordinal);
                break;
            }
        }
    }
}
