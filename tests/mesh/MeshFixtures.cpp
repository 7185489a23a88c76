#include "MeshFixtures.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <set>
#include <sstream>

namespace {

MeshCurveInput TwoPointCurve(FixtureIds& ids, int firstPointId, int lastPointId, Vertex a, Vertex b,
                             int divisions)
{
    MeshCurveInput curve;
    curve.curveId = ids.nextCurve++;
    curve.divisions = divisions;
    curve.pointIds = {firstPointId, lastPointId};
    curve.points = {a, b};
    return curve;
}

std::array<double, 2> ModelXY(const CMeshStore& store, const T_MESHNODE_D& node)
{
    std::array<double, 2> xy{};
    store.ToModel(node.x, node.y, xy.data());
    return xy;
}

double Length(const Vertex& a, const Vertex& b)
{
    return std::hypot(b[0] - a[0], b[1] - a[1]);
}

// Where the k-th of n even divisions of a polyline falls.
Vertex PointAtArcLength(const std::vector<Vertex>& points, double s)
{
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        const double len = Length(points[i], points[i + 1]);
        if (s <= len || i + 2 == points.size()) {
            const double t = len > 0.0 ? std::min(s / len, 1.0) : 0.0;
            return {points[i][0] + (points[i + 1][0] - points[i][0]) * t,
                    points[i][1] + (points[i + 1][1] - points[i][1]) * t};
        }
        s -= len;
    }
    return points.back();
}

}  // namespace

MeshLoopInput PolygonLoop(FixtureIds& ids, const std::vector<Vertex>& vertices, int kind, int divisions,
                          double scale)
{
    return PolygonLoop(ids, vertices, kind, std::vector<int>(vertices.size(), divisions), scale);
}

MeshLoopInput PolygonLoop(FixtureIds& ids, const std::vector<Vertex>& vertices, int kind,
                          const std::vector<int>& divisions, double scale)
{
    MeshLoopInput loop;
    loop.kind = kind;
    const int firstPoint = ids.nextPoint;
    ids.nextPoint += static_cast<int>(vertices.size());
    for (size_t i = 0; i < vertices.size(); ++i) {
        const size_t j = (i + 1) % vertices.size();
        const Vertex a{vertices[i][0] * scale, vertices[i][1] * scale};
        const Vertex b{vertices[j][0] * scale, vertices[j][1] * scale};
        loop.curves.push_back(TwoPointCurve(ids, firstPoint + static_cast<int>(i), firstPoint + static_cast<int>(j),
                                            a, b, divisions[i]));
    }
    return loop;
}

MeshLoopInput CircleLoop(FixtureIds& ids, Vertex centre, double radius, int segments, int kind, int divisions,
                         double scale)
{
    MeshLoopInput loop;
    loop.kind = kind;
    MeshCurveInput curve;
    curve.curveId = ids.nextCurve++;
    curve.divisions = divisions;
    const double turn = kind == 2 ? -1.0 : 1.0;
    const int firstPoint = ids.nextPoint;
    for (int i = 0; i < segments; ++i) {
        const double angle = turn * 2.0 * std::numbers::pi * i / segments;
        curve.pointIds.push_back(ids.nextPoint++);
        curve.points.push_back({(centre[0] + radius * std::cos(angle)) * scale,
                                (centre[1] + radius * std::sin(angle)) * scale});
    }
    curve.pointIds.push_back(firstPoint);
    curve.points.push_back(curve.points.front());
    loop.curves.push_back(curve);
    return loop;
}

double LoopInputArea(const MeshLoopInput& loop)
{
    double twice = 0.0;
    for (const MeshCurveInput& curve : loop.curves) {
        for (size_t i = 0; i + 1 < curve.points.size(); ++i)
            twice += curve.points[i][0] * curve.points[i + 1][1] - curve.points[i + 1][0] * curve.points[i][1];
    }
    return twice / 2.0;
}

MeshCheck CheckTriangleMesh(const CMeshStore& store, const MeshDomainInput& domain)
{
    MeshCheck check;
    const auto fault = [&](const std::string& text) {
        if (check.faults.size() < 20)
            check.faults.push_back(text);
    };
    const auto xyOf = [&](int id) { return ModelXY(store, *store.FindMeshNode(id)); };

    // Elements: counter-clockwise, positive area, distinct nodes; sides counted.
    std::map<std::pair<int, int>, int> directedSides;
    std::set<int> usedNodes;
    for (const auto& [id, element] : store.elements) {
        const std::vector<int>& n = element->nodes;
        if (n.size() != 3 || n[0] == n[1] || n[1] == n[2] || n[0] == n[2] ||
            !store.FindMeshNode(n[0]) || !store.FindMeshNode(n[1]) || !store.FindMeshNode(n[2])) {
            fault("element " + std::to_string(id) + " has bad nodes");
            continue;
        }
        const auto a = xyOf(n[0]), b = xyOf(n[1]), c = xyOf(n[2]);
        const double twiceArea = (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0]);
        if (!(twiceArea > 0.0))
            fault("element " + std::to_string(id) + " is not counter-clockwise with positive area");
        check.meshArea += twiceArea / 2.0;
        const std::array<Vertex, 3> corners{a, b, c};
        double shortest = 1e300, longest = 0.0;
        for (int i = 0; i < 3; ++i) {
            const Vertex& p = corners[i];
            const Vertex& q = corners[(i + 1) % 3];
            const Vertex& r = corners[(i + 2) % 3];
            shortest = std::min(shortest, Length(p, q));
            longest = std::max(longest, Length(p, q));
            const double angle = std::atan2(std::fabs((q[0] - p[0]) * (r[1] - p[1]) - (q[1] - p[1]) * (r[0] - p[0])),
                                            (q[0] - p[0]) * (r[0] - p[0]) + (q[1] - p[1]) * (r[1] - p[1])) *
                                 180.0 / std::numbers::pi;
            check.quality.minAngle = std::min(check.quality.minAngle, angle);
            check.quality.maxAngle = std::max(check.quality.maxAngle, angle);
        }
        check.quality.maxEdgeRatio = std::max(check.quality.maxEdgeRatio, longest / shortest);
        for (int i = 0; i < 3; ++i) {
            usedNodes.insert(n[i]);
            if (++directedSides[{n[i], n[(i + 1) % 3]}] > 1)
                fault("side " + std::to_string(n[i]) + "-" + std::to_string(n[(i + 1) % 3]) + " used twice one way");
        }
    }
    check.quality.elementCount = static_cast<int>(store.elements.size());
    check.quality.nodeCount = static_cast<int>(usedNodes.size());

    // Boundary sides (used one way only) must be consecutive nodes of a curve,
    // and every consecutive pair of a curve must be a boundary side.
    std::set<std::pair<int, int>> curveSides;
    int holes = 0;
    for (const MeshLoopInput& loop : domain.loops) {
        if (loop.kind == 2)
            ++holes;
        for (const MeshCurveInput& curve : loop.curves) {
            for (size_t i = 0; i + 1 < curve.meshNodeIds.size(); ++i)
                curveSides.insert({curve.meshNodeIds[i], curve.meshNodeIds[i + 1]});
        }
    }
    std::set<std::pair<int, int>> undirected;
    for (const auto& [side, count] : directedSides) {
        (void)count;
        undirected.insert({std::min(side.first, side.second), std::max(side.first, side.second)});
        if (directedSides.count({side.second, side.first}) == 0 && curveSides.count(side) == 0)
            fault("boundary side " + std::to_string(side.first) + "-" + std::to_string(side.second) +
                  " is not on a curve");
    }
    for (const auto& side : curveSides) {
        if (directedSides.count(side) == 0 || directedSides.count({side.second, side.first}) != 0)
            fault("curve side " + std::to_string(side.first) + "-" + std::to_string(side.second) +
                  " is not a boundary side of the mesh");
    }
    const long long euler = static_cast<long long>(usedNodes.size()) - static_cast<long long>(undirected.size()) +
                            static_cast<long long>(store.elements.size());
    if (euler != 1 - holes)
        fault("V - E + F = " + std::to_string(euler));

    // Fixed nodes: n + 1 per open curve at arc-length spacing, unmoved.
    for (const MeshLoopInput& loop : domain.loops) {
        double twice = 0.0;
        for (const MeshCurveInput& curve : loop.curves) {
            const bool closed = curve.pointIds.front() == curve.pointIds.back();
            const size_t expected = static_cast<size_t>(curve.divisions) + 1;
            if (curve.meshNodeIds.size() != expected)
                fault("curve " + std::to_string(curve.curveId) + " has " + std::to_string(curve.meshNodeIds.size()) +
                      " nodes for " + std::to_string(curve.divisions) + " divisions");
            double length = 0.0;
            for (size_t i = 0; i + 1 < curve.points.size(); ++i)
                length += Length(curve.points[i], curve.points[i + 1]);
            for (size_t k = 0; k < curve.meshNodeIds.size(); ++k) {
                const T_MESHNODE_D* node = store.FindMeshNode(curve.meshNodeIds[k]);
                if (node == nullptr || !node->fixed) {
                    fault("boundary node missing or free on curve " + std::to_string(curve.curveId));
                    continue;
                }
                const Vertex want = PointAtArcLength(curve.points, length * static_cast<double>(k) / curve.divisions);
                const Vertex have = ModelXY(store, *node);
                if (Length(want, have) > 1e-9 * length)
                    fault("boundary node " + std::to_string(node->id) + " is off its place on curve " +
                          std::to_string(curve.curveId));
                if (k + 1 < curve.meshNodeIds.size()) {
                    const Vertex next = ModelXY(store, *store.FindMeshNode(curve.meshNodeIds[k + 1]));
                    twice += have[0] * next[1] - next[0] * have[1];
                }
            }
            if (closed && std::set<int>(curve.meshNodeIds.begin(), curve.meshNodeIds.end()).size() !=
                              static_cast<size_t>(curve.divisions))
                fault("closed curve " + std::to_string(curve.curveId) + " lacks distinct nodes");
        }
        check.boundaryArea += std::fabs(twice / 2.0) * (loop.kind == 2 ? -1.0 : 1.0);
    }
    if (std::fabs(check.meshArea - check.boundaryArea) > 1e-9 * std::fabs(check.boundaryArea)) {
        std::ostringstream text;
        text.precision(17);
        text << "mesh area " << check.meshArea << " differs from boundary area " << check.boundaryArea;
        fault(text.str());
    }
    return check;
}
