#include "MeshFixtures.h"
#include "MeshCurveBuilders.h"

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
    return LineCurve(ids.nextCurve++, firstPointId, lastPointId, a, b, divisions);
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

MeshDomainInput SquareDomain(double scale)
{
    FixtureIds ids;
    return {{PolygonLoop(ids, {{0, 0}, {100, 0}, {100, 100}, {0, 100}}, 1, 8, scale)}};
}

MeshDomainInput LShapeDomain(double scale)
{
    FixtureIds ids;
    return {{PolygonLoop(ids, {{0, 0}, {200, 0}, {200, 60}, {60, 60}, {60, 200}, {0, 200}}, 1, 6, scale)}};
}

MeshDomainInput AnnulusDomain(double scale)
{
    FixtureIds ids;
    MeshDomainInput domain{{PolygonLoop(ids, {{0, 0}, {120, 0}, {120, 120}, {0, 120}}, 1, 10, scale)}};
    domain.loops.push_back(CircleLoop(ids, {60, 60}, 30, 36, 2, 24, scale));
    return domain;
}

MeshDomainInput CircleDomain(double scale)
{
    FixtureIds ids;
    return {{CircleLoop(ids, {0, 0}, 50, 36, 1, 36, scale)}};
}

MeshDomainInput ThinRectangleDomain(double scale)
{
    FixtureIds ids;
    return {{PolygonLoop(ids, {{0, 0}, {300, 0}, {300, 12}, {0, 12}}, 1, {40, 2, 40, 2}, scale)}};
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

double DistortionMeasure(const std::vector<std::array<double, 2>>& corners)
{
    const auto cross = [](const Vertex& o, const Vertex& a, const Vertex& b) {
        return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0]);
    };
    if (corners.size() == 3) {
        double best = 0.0;
        for (int i = 0; i < 3; ++i) {
            const Vertex& p = corners[i];
            const Vertex& q = corners[(i + 1) % 3];
            const Vertex& r = corners[(i + 2) % 3];
            const double edge = Length(p, q);
            const double height = std::fabs(cross(p, q, r)) / edge;
            double ratio = height > 0.0 ? edge * std::sqrt(3.0) / 2.0 / height : 0.0;
            if (ratio > 1.0)
                ratio = 1.0 / ratio;
            best = std::max(best, ratio);
        }
        return best;
    }
    const Vertex& p1 = corners[0];
    const Vertex& p2 = corners[1];
    const Vertex& p3 = corners[2];
    const Vertex& p4 = corners[3];
    if (cross(p1, p2, p3) < 0 || cross(p1, p3, p4) < 0 || cross(p1, p2, p4) < 0 || cross(p2, p3, p4) < 0)
        return 0.0;
    const Vertex m{(p1[0] + p2[0] + p3[0] + p4[0]) / 4, (p1[1] + p2[1] + p3[1] + p4[1]) / 4};
    const double d1 = Length(m, {(p3[0] + p4[0]) / 2, (p3[1] + p4[1]) / 2});
    const double d2 = Length(m, {(p2[0] + p3[0]) / 2, (p2[1] + p3[1]) / 2});
    return std::min(d1, d2) / std::max(d1, d2);
}

MeshCheck CheckTriangleMesh(const CMeshStore& store, const MeshDomainInput& domain)
{
    return CheckMesh(store, domain, {});
}

MeshCheck CheckMesh(const CMeshStore& store, const MeshDomainInput& domain, const MeshExpectations& expect)
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
        const size_t count = n.size();
        const bool sizeOk = count == 3 || (count == 4 && expect.quadsAllowed);
        const bool nodesOk = std::all_of(n.begin(), n.end(), [&](int node) { return store.FindMeshNode(node); }) &&
                             std::set<int>(n.begin(), n.end()).size() == count;
        if (!sizeOk || !nodesOk) {
            fault("element " + std::to_string(id) + " has bad nodes");
            continue;
        }
        std::vector<Vertex> corners;
        for (const int node : n)
            corners.push_back(xyOf(node));
        double twiceArea = 0.0;
        for (size_t i = 0; i < count; ++i) {
            const Vertex& p = corners[i];
            const Vertex& q = corners[(i + 1) % count];
            twiceArea += p[0] * q[1] - q[0] * p[1];
        }
        if (!(twiceArea > 0.0))
            fault("element " + std::to_string(id) + " is not counter-clockwise with positive area");
        check.meshArea += twiceArea / 2.0;
        ++(count == 3 ? check.quality.triangleCount : check.quality.quadCount);
        double shortest = 1e300, longest = 0.0;
        bool convex = true;
        for (size_t i = 0; i < count; ++i) {
            const Vertex& p = corners[i];
            const Vertex& q = corners[(i + 1) % count];
            const Vertex& r = corners[(i + count - 1) % count];
            shortest = std::min(shortest, Length(p, q));
            longest = std::max(longest, Length(p, q));
            const double crossPqr = (q[0] - p[0]) * (r[1] - p[1]) - (q[1] - p[1]) * (r[0] - p[0]);
            double angle = std::atan2(crossPqr, (q[0] - p[0]) * (r[0] - p[0]) + (q[1] - p[1]) * (r[1] - p[1])) *
                           180.0 / std::numbers::pi;
            if (angle < 0.0)
                angle += 360.0;
            convex = convex && crossPqr > 0.0;
            check.quality.minAngle = std::min(check.quality.minAngle, angle);
            check.quality.maxAngle = std::max(check.quality.maxAngle, angle);
        }
        if (count == 4 && !convex && twiceArea > 0.0)
            check.nonConvexQuads.push_back(id);
        check.quality.maxEdgeRatio = std::max(check.quality.maxEdgeRatio, longest / shortest);
        check.quality.minDistortionMeasure = std::min(check.quality.minDistortionMeasure, DistortionMeasure(corners));
        for (size_t i = 0; i < count; ++i) {
            usedNodes.insert(n[i]);
            if (++directedSides[{n[i], n[(i + 1) % count]}] > 1)
                fault("side " + std::to_string(n[i]) + "-" + std::to_string(n[(i + 1) % count]) + " used twice one way");
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
            const int segments = curve.divisions * expect.segmentsPerDivision;
            const size_t expected = static_cast<size_t>(segments) + 1;
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
                const Vertex want = PointAtArcLength(curve.points, length * static_cast<double>(k) / segments);
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
                              static_cast<size_t>(segments))
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
