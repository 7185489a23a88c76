#include "mesh/InitialTriangulation.h"

#include "mesh/BoundaryCrossings.h"
#include "mesh/DelaunayInsertion.h"
#include "model/ModelRecords.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>
#include <set>
#include <string>

namespace {

// Super-triangle corners, in multiples of the domain's extent about its centre.
constexpr double kSuperHalfWidth = 2.0;
constexpr double kSuperBelow = 1.4;
constexpr double kSuperAbove = 2.8;
// The node grid's cell numbers stay below this on either axis.
constexpr double kMostGridCells = 1 << 30;
// A closed curve of more point entries than this gets a free node at its centre.
constexpr size_t kCentreNodePointCount = 20;
// An interior node closer than this fraction of the spacing to the curve's last
// point is not placed: the last point's node stands there.
constexpr double kEndStopFraction = 1e-3;
// A closed curve needs three nodes to enclose anything.
constexpr int kClosedCurveMinDivisions = 3;
constexpr int kSuperTriangleLastNode = 3;

constexpr const char* kUnkeptBoundary = "a boundary segment cannot be kept in the mesh";

int PositionOf(const std::vector<int>& list, int value)
{
    const auto found = std::find(list.begin(), list.end(), value);
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

int SideOf(const CMeshStore& store, int a, int b, int p)
{
    return SideOfLine(store.NodePoint(a), store.NodePoint(b), store.NodePoint(p));
}

// The edge of an element joining two of its nodes; 0 when none.
int EdgeJoining(const CMeshStore& store, const T_MESHELEM_D& element, int n1, int n2)
{
    for (const int edgeId : element.edges) {
        const T_MESHEDGE_D* edge = store.FindMeshEdge(edgeId);
        if (edge != nullptr && ((edge->node1 == n1 && edge->node2 == n2) ||
                                (edge->node1 == n2 && edge->node2 == n1)))
            return edgeId;
    }
    return 0;
}

int FindEdgeBetween(const CMeshStore& store, int a, int b)
{
    for (const int elementId : ElementsAroundNode(store, a)) {
        if (const T_MESHELEM_D* element = store.FindMeshElement(elementId)) {
            if (const int edgeId = EdgeJoining(store, *element, a, b))
                return edgeId;
        }
    }
    return 0;
}

bool CrossesSegment(const CMeshStore& store, const T_MESHEDGE_D& edge, int a, int b)
{
    return SideOf(store, a, b, edge.node1) * SideOf(store, a, b, edge.node2) < 0 &&
           SideOf(store, edge.node1, edge.node2, a) * SideOf(store, edge.node1, edge.node2, b) < 0;
}

// The edges that the segment a-b crosses, in order from a; false when a node
// lies on the segment or a crossed edge is constrained (boundaries cross).
bool CollectCrossingEdges(const CMeshStore& store, int a, int b, std::vector<int>& crossing)
{
    const T_MESHELEM_D* current = nullptr;
    int right = 0, left = 0;
    const MeshPoint pa = store.NodePoint(a), pb = store.NodePoint(b);
    for (const int elementId : ElementsAroundNode(store, a)) {
        const T_MESHELEM_D* element = store.FindMeshElement(elementId);
        const int k = PositionOf(element->nodes, a);
        const int u = element->nodes[(k + 1) % 3], v = element->nodes[(k + 2) % 3];
        for (const int w : {u, v}) {
            const MeshPoint pw = store.NodePoint(w);
            const bool ahead = (pw.x - pa.x) * (pb.x - pa.x) + (pw.y - pa.y) * (pb.y - pa.y) > 0.0;
            if (SideOf(store, a, b, w) == 0 && ahead && MeshDistance(pa, pw) < MeshDistance(pa, pb))
                return false;  // a node on the segment
        }
        if (SideOf(store, a, b, u) < 0 && SideOf(store, a, b, v) > 0) {
            current = element;
            right = u;
            left = v;
            break;
        }
    }
    if (current == nullptr)
        return false;

    for (size_t step = 0; step <= store.elements.size(); ++step) {
        const int edgeId = EdgeJoining(store, *current, right, left);
        const T_MESHEDGE_D* edge = store.FindMeshEdge(edgeId);
        if (edge == nullptr || edge->constrained)
            return false;
        crossing.push_back(edgeId);
        const T_MESHELEM_D* next =
            store.FindMeshElement(edge->leftElement == current->id ? edge->rightElement : edge->leftElement);
        if (next == nullptr)
            return false;
        const int far = OppositeNode(next, edgeId);
        if (far == b)
            return true;
        const int side = SideOf(store, a, b, far);
        if (side == 0)
            return false;
        (side < 0 ? right : left) = far;
        current = next;
    }
    return false;
}

// Places the fixed boundary nodes of every curve and keeps the boundary in the
// triangulation.
class BoundaryPlacer {
public:
    BoundaryPlacer(CMeshStore& store, int mode, const MeshCancelPoll& poll)
        : m_store(store), m_mode(mode), m_poll(poll) {}

    MeshStageResult PlaceCurve(MeshCurveInput& curve, const std::vector<MeshPoint>& points);

private:
    int PlaceNode(const MeshPoint& at, double size, int pointId);
    int DivisionsOf(MeshCurveInput& curve) const;

    CMeshStore& m_store;
    int m_mode;
    const MeshCancelPoll& m_poll;
    std::map<int, int> m_nodeOfPoint;  // section point -> its node
    int m_lastElement = 0;
};

int BoundaryPlacer::DivisionsOf(MeshCurveInput& curve) const
{
    int n = curve.divisions;
    if (m_mode == 1 && curve.halveDivisions)
        n /= 2;
    n = std::max(n, 1);
    const bool closed = curve.pointIds.size() > 1 && curve.pointIds.front() == curve.pointIds.back();
    if (closed)
        n = std::max(n, kClosedCurveMinDivisions);
    curve.divisions = n;
    curve.halveDivisions = false;
    return n;
}

int BoundaryPlacer::PlaceNode(const MeshPoint& at, double size, int pointId)
{
    // A curve end is the node of its section point, whoever placed it first.
    if (pointId != 0) {
        const auto known = m_nodeOfPoint.find(pointId);
        if (known != m_nodeOfPoint.end()) {
            T_MESHNODE_D* node = m_store.FindMeshNode(known->second);
            node->fixed = true;
            node->size = std::min(node->size, size);
            return node->id;
        }
    }
    const double xy[2] = {at.x, at.y};
    const int nodeId = InsertMeshNode(m_store, xy, size, true, m_lastElement);
    if (nodeId != 0) {
        m_lastElement = m_store.ElementHintOfNode(nodeId);
        if (pointId != 0)
            m_nodeOfPoint[pointId] = nodeId;
    }
    return nodeId;
}

MeshStageResult BoundaryPlacer::PlaceCurve(MeshCurveInput& curve, const std::vector<MeshPoint>& points)
{
    const int n = DivisionsOf(curve);
    double length = 0.0;
    for (size_t i = 1; i < points.size(); ++i)
        length += MeshDistance(points[i - 1], points[i]);
    if (!(length > 0.0))
        return MeshStageResult::Failed("curve [" + std::to_string(curve.curveId) + "] has no length");
    const double d = length / n;
    const MeshStageResult cannotPlace = MeshStageResult::Failed("a boundary node cannot be placed");

    curve.meshNodeIds.clear();
    const auto place = [&](const MeshPoint& at, int pointId) {
        const int nodeId = PlaceNode(at, d, pointId);
        if (nodeId != 0)
            curve.meshNodeIds.push_back(nodeId);
        return nodeId != 0;
    };
    if (points.empty() || !place(points.front(), curve.pointIds.front()))
        return cannotPlace;

    // Interior nodes at arc lengths d, 2d, ...: rem is the length still to go
    // to the next node, k counts the nodes placed.
    const MeshPoint& last = points.back();
    double rem = d;
    int k = 1;
    for (size_t s = 0; s + 1 < points.size() && k != n; ++s) {
        const MeshPoint a = points[s], b = points[s + 1];
        const double len = MeshDistance(a, b);
        if (len < rem) {
            rem -= len;
            continue;
        }
        MeshPoint q{a.x + (b.x - a.x) * rem / len, a.y + (b.y - a.y) * rem / len};
        if (!place(q, 0))
            return cannotPlace;
        double t = len - rem;
        for (;;) {
            ++k;
            if (d >= t)
                break;
            if (m_poll())
                return MeshStageResult::Canceled();
            if (k == n)
                break;
            q = MeshPoint{q.x + (b.x - q.x) * d / t, q.y + (b.y - q.y) * d / t};
            if (MeshDistance(q, last) < kEndStopFraction * d)
                break;
            if (!place(q, 0))
                return cannotPlace;
            t -= d;
        }
        rem = d - t;
    }
    if (!place(last, curve.pointIds.back()))
        return cannotPlace;

    if (curve.pointIds.size() > kCentreNodePointCount && curve.pointIds.front() == curve.pointIds.back()) {
        // A free node at the centre keeps the first triangles of a round
        // outline from spanning it; it asks for no size.
        MeshPoint centre;
        for (const MeshPoint& p : points) {
            centre.x += p.x / static_cast<double>(points.size());
            centre.y += p.y / static_cast<double>(points.size());
        }
        const double xy[2] = {centre.x, centre.y};
        InsertMeshNode(m_store, xy, kMeshSizeUnlimited, false, m_lastElement);
    }

    if (m_poll())
        return MeshStageResult::Canceled();
    for (size_t i = 0; i + 1 < curve.meshNodeIds.size(); ++i) {
        if (m_poll())
            return MeshStageResult::Canceled();
        if (!RecoverBoundarySegment(m_store, curve.meshNodeIds[i], curve.meshNodeIds[i + 1]))
            return MeshStageResult::Failed(kUnkeptBoundary);
    }
    return {};
}

}  // namespace

void MakeSuperTriangle(CMeshStore& store)
{
    const int n1 = store.AddNode(-kSuperHalfWidth, -kSuperBelow, kMeshSizeUnset, false).id;
    const int n2 = store.AddNode(kSuperHalfWidth, -kSuperBelow, kMeshSizeUnset, false).id;
    const int n3 = store.AddNode(0.0, kSuperAbove, kMeshSizeUnset, false).id;
    T_MESHELEM_D& element = store.AddElement();
    element.nodes = {n1, n2, n3};
    element.edges = {store.AddEdge(n1, n2, element.id, 0).id, store.AddEdge(n2, n3, element.id, 0).id,
                     store.AddEdge(n3, n1, element.id, 0).id};
    element.neighbours = {0, 0, 0};
    store.UpdateCircumcircle(element);
    for (const int node : element.nodes)
        store.SetElementHint(node, element.id);
}

namespace {

// Size of each node next to a curve end, interpolated between its neighbours
// along the curve.
void BlendSizesNextToCurveEnds(CMeshStore& store, const MeshCurveInput& curve)
{
    const std::vector<int>& ids = curve.meshNodeIds;
    if (ids.size() <= 2)
        return;
    const auto blend = [&](int p, int q, int r) {
        const T_MESHNODE_D* np = store.FindMeshNode(p);
        T_MESHNODE_D* nq = store.FindMeshNode(q);
        const T_MESHNODE_D* nr = store.FindMeshNode(r);
        if (np == nullptr || nq == nullptr || nr == nullptr)
            return;
        const MeshPoint pp{np->x, np->y}, pq{nq->x, nq->y}, pr{nr->x, nr->y};
        const double pr_length = MeshDistance(pp, pr);
        if (pr_length > 0.0)
            nq->size = (MeshDistance(pp, pq) * nr->size + MeshDistance(pq, pr) * np->size) / pr_length;
    };
    blend(ids[0], ids[1], ids[2]);
    const size_t m = ids.size();
    blend(ids[m - 3], ids[m - 2], ids[m - 1]);
}

// Winding number of a point about the closed polygon through the loop's
// boundary nodes; the mesh's own boundary, so it agrees with the constrained
// edges even where a curve's nodes cut its corners.
int WindingNumber(const std::vector<MeshPoint>& polygon, const MeshPoint& c)
{
    int winding = 0;
    for (size_t i = 0; i + 1 < polygon.size(); ++i) {
        const MeshPoint& p = polygon[i];
        const MeshPoint& q = polygon[i + 1];
        if (p.y <= c.y) {
            if (q.y > c.y && TwiceSignedArea(p, q, c) > 0.0)
                ++winding;
        } else if (q.y <= c.y && TwiceSignedArea(p, q, c) < 0.0) {
            --winding;
        }
    }
    return winding;
}

std::vector<MeshPoint> LoopPolygon(const CMeshStore& store, const MeshLoopInput& loop)
{
    std::vector<int> ids;
    for (const MeshCurveInput& curve : loop.curves) {
        for (const int id : curve.meshNodeIds) {
            if (ids.empty() || ids.back() != id)
                ids.push_back(id);
        }
    }
    if (!ids.empty() && ids.front() != ids.back())
        ids.push_back(ids.front());
    std::vector<MeshPoint> polygon;
    for (const int id : ids)
        polygon.push_back(store.NodePoint(id));
    return polygon;
}

// Tags every element inside the domain with its id and the rest with 0, then
// removes the rest and the super-triangle.
void RemoveOutside(CMeshStore& store, const MeshDomainInput& domain)
{
    std::vector<std::pair<int, std::vector<MeshPoint>>> tests;  // kind, polygon
    for (const MeshLoopInput& loop : domain.loops) {
        if (loop.kind == LOOP_DOMAIN_OUTLINE || loop.kind == LOOP_HOLE_OUTLINE)
            tests.emplace_back(loop.kind, LoopPolygon(store, loop));
    }
    std::set<int> doomed;
    for (auto& [id, element] : store.elements) {
        element->tag = id;
        bool outside = std::any_of(element->nodes.begin(), element->nodes.end(),
                                   [](int node) { return node <= kSuperTriangleLastNode; });
        if (!outside) {
            MeshPoint c;
            for (const int node : element->nodes) {
                const MeshPoint p = store.NodePoint(node);
                c.x += p.x / 3.0;
                c.y += p.y / 3.0;
            }
            for (const auto& [kind, polygon] : tests) {
                const bool inside = WindingNumber(polygon, c) != 0;
                if ((kind == LOOP_HOLE_OUTLINE && inside) || (kind == LOOP_DOMAIN_OUTLINE && !inside)) {
                    outside = true;
                    break;
                }
            }
        }
        if (outside) {
            element->tag = 0;
            doomed.insert(id);
        }
    }

    for (auto& entry : store.elements) {
        for (int& neighbour : entry.second->neighbours) {
            if (doomed.count(neighbour) != 0)
                neighbour = 0;
        }
    }
    std::vector<int> deadEdges;
    for (auto& [id, edge] : store.edges) {
        if (doomed.count(edge->leftElement) != 0)
            edge->leftElement = 0;
        if (doomed.count(edge->rightElement) != 0)
            edge->rightElement = 0;
        if (edge->leftElement == 0 && edge->rightElement == 0)
            deadEdges.push_back(id);
    }
    for (const int id : doomed)
        store.RemoveElement(id);
    for (const int id : deadEdges)
        store.RemoveEdge(id);
    for (int node = 1; node <= kSuperTriangleLastNode; ++node)
        store.RemoveNode(node);

    for (const auto& [id, element] : store.elements) {
        for (const int node : element->nodes)
            store.SetElementHint(node, id);
    }
}

}  // namespace

bool RecoverBoundarySegment(CMeshStore& store, int nodeA, int nodeB)
{
    if (nodeA == nodeB)
        return true;
    int edgeId = FindEdgeBetween(store, nodeA, nodeB);
    if (edgeId == 0) {
        std::vector<int> crossing;
        if (!CollectCrossingEdges(store, nodeA, nodeB, crossing))
            return false;
        // Flip the crossing edges, each in its turn, while their quadrilateral is
        // convex; an edge that still crosses goes back in the queue.
        std::deque<int> queue(crossing.begin(), crossing.end());
        const size_t cap = 100 * (crossing.size() + 4) * (crossing.size() + 4);
        for (size_t step = 0; !queue.empty() && step < cap; ++step) {
            const int candidate = queue.front();
            queue.pop_front();
            const bool flipped = FlipEdge(store, candidate);
            if (!flipped || CrossesSegment(store, *store.FindMeshEdge(candidate), nodeA, nodeB))
                queue.push_back(candidate);
        }
        edgeId = FindEdgeBetween(store, nodeA, nodeB);
        if (edgeId == 0)
            return false;
    }
    store.FindMeshEdge(edgeId)->constrained = true;
    return true;
}

MeshStageResult TriangulateDomain(CMeshStore& store, MeshDomainInput& domain, int mode,
                                  const MeshCancelPoll& poll)
{
    // Frame: the centre of the bounding box and its larger side.
    double low[2] = {1e35, 1e35}, high[2] = {-1e35, -1e35};
    for (const MeshLoopInput& loop : domain.loops) {
        for (const MeshCurveInput& curve : loop.curves) {
            for (const auto& p : curve.points) {
                for (int axis = 0; axis < 2; ++axis) {
                    low[axis] = std::min(low[axis], p[axis]);
                    high[axis] = std::max(high[axis], p[axis]);
                }
            }
        }
    }
    const double extent = std::max(high[0] - low[0], high[1] - low[1]);
    if (!(extent > 0.0) || !std::isfinite(extent))
        return MeshStageResult::Failed("the domain has no extent");
    const double centre[2] = {(low[0] + high[0]) / 2.0, (low[1] + high[1]) / 2.0};
    store.SetFrame(centre[0], centre[1], extent);

    // Normalised points per curve, and the finest spacing for the node grid.
    std::vector<std::vector<std::vector<MeshPoint>>> normalised;
    double finest = 1.0;
    for (const MeshLoopInput& loop : domain.loops) {
        auto& loopPoints = normalised.emplace_back();
        for (const MeshCurveInput& curve : loop.curves) {
            auto& points = loopPoints.emplace_back();
            double length = 0.0;
            for (const auto& p : curve.points) {
                points.push_back({(p[0] - centre[0]) / extent, (p[1] - centre[1]) / extent});
                if (points.size() > 1)
                    length += MeshDistance(points[points.size() - 2], points.back());
            }
            if (length > 0.0)
                finest = std::min(finest, length / std::max(curve.divisions, 1));
        }
    }
    // Node grid cells are numbered by ints: every node lies inside the super
    // triangle, so its far corner bounds the numbers.
    if (!(kSuperAbove / finest < kMostGridCells))
        return MeshStageResult::Failed("the domain's curves are too finely divided for its extent");
    store.SetNodeGridCell(finest);

    // A boundary that crosses itself fails at the recovery of its crossing
    // segments, after every node is placed: fail before placing any.
    std::vector<std::vector<MeshPoint>> boundary;
    std::set<int> listed;
    for (size_t l = 0; l < domain.loops.size(); ++l) {
        for (size_t c = 0; c < domain.loops[l].curves.size(); ++c) {
            if (listed.insert(domain.loops[l].curves[c].curveId).second)
                boundary.push_back(normalised[l][c]);
        }
    }
    if (BoundaryCrossesItself(boundary))
        return MeshStageResult::Failed(kUnkeptBoundary);

    MakeSuperTriangle(store);
    BoundaryPlacer placer(store, mode, poll);
    std::map<int, const MeshCurveInput*> placed;  // a curve named twice is placed once
    for (size_t l = 0; l < domain.loops.size(); ++l) {
        for (size_t c = 0; c < domain.loops[l].curves.size(); ++c) {
            if (poll())
                return MeshStageResult::Canceled();
            MeshCurveInput& curve = domain.loops[l].curves[c];
            const auto earlier = placed.find(curve.curveId);
            if (earlier != placed.end()) {
                curve.meshNodeIds = earlier->second->meshNodeIds;
                curve.divisions = earlier->second->divisions;
                continue;
            }
            const MeshStageResult result = placer.PlaceCurve(curve, normalised[l][c]);
            if (!result.Ok())
                return result;
            placed[curve.curveId] = &curve;
        }
    }
    if (poll())
        return MeshStageResult::Canceled();

    for (const MeshLoopInput& loop : domain.loops) {
        for (const MeshCurveInput& curve : loop.curves)
            BlendSizesNextToCurveEnds(store, curve);
    }
    RemoveOutside(store, domain);
    return {};
}
