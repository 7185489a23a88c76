#include "mesh/DelaunayInsertion.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace {

// A new node reuses an existing one closer than this fraction of the local size.
constexpr double kReuseFraction = 1e-3;
// Flip passes around one node; far more than any real cavity needs.
constexpr int kMaxDelaunayPasses = 10000;

MeshPoint PointOf(const CMeshStore& store, int nodeId)
{
    return store.NodePoint(nodeId);
}

int PositionOf(const std::vector<int>& list, int value)
{
    const auto found = std::find(list.begin(), list.end(), value);
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

void ReplaceNeighbour(CMeshStore& store, int elementId, int from, int to)
{
    T_MESHELEM_D* element = store.FindMeshElement(elementId);
    if (element == nullptr)
        return;
    for (int& neighbour : element->neighbours) {
        if (neighbour == from)
            neighbour = to;
    }
    store.MarkElementChanged(elementId);
}

void ReplaceEdgeSide(CMeshStore& store, int edgeId, int from, int to)
{
    T_MESHEDGE_D* edge = store.FindMeshEdge(edgeId);
    if (edge == nullptr)
        return;
    if (edge->leftElement == from)
        edge->leftElement = to;
    if (edge->rightElement == from)
        edge->rightElement = to;
}

void WakeIfGivenUp(T_MESHELEM_D& element)
{
    if (element.state == ELEM_GIVEN_UP)
        element.state = ELEM_WAITING;
}

// The edge of a triangle opposite one of its nodes; 0 when the node is not in it.
int EdgeOppositeNode(const T_MESHELEM_D& triangle, int nodeId)
{
    const int position = PositionOf(triangle.nodes, nodeId);
    return position < 0 ? 0 : triangle.edges[(position + 1) % 3];
}

// True when p lies beyond side i of the element (strictly, beyond rounding).
bool IsBeyondSide(const CMeshStore& store, const T_MESHELEM_D& element, int i, const MeshPoint& p)
{
    return SideOfLine(PointOf(store, element.nodes[i]), PointOf(store, element.nodes[(i + 1) % 3]), p) < 0;
}

bool ContainsPoint(const CMeshStore& store, const T_MESHELEM_D& element, const MeshPoint& p)
{
    return !IsBeyondSide(store, element, 0, p) && !IsBeyondSide(store, element, 1, p) &&
           !IsBeyondSide(store, element, 2, p);
}

// Splits element E into three around the new node P (E keeps the part at its
// second side, A and B are new).
void SplitElement(CMeshStore& store, int elementId, int nodeId)
{
    T_MESHELEM_D& e = *store.FindMeshElement(elementId);
    const int n0 = e.nodes[0], n1 = e.nodes[1], n2 = e.nodes[2];
    const int e0 = e.edges[0], e1 = e.edges[1], e2 = e.edges[2];
    const int b0 = e.neighbours[0], b1 = e.neighbours[1], b2 = e.neighbours[2];

    T_MESHELEM_D& a = store.AddElement();
    T_MESHELEM_D& b = store.AddElement();
    const int edgeA = store.AddEdge(n2, nodeId, e.id, a.id).id;
    const int edgeB = store.AddEdge(n0, nodeId, a.id, b.id).id;
    const int edgeC = store.AddEdge(n1, nodeId, b.id, e.id).id;

    a.nodes = {nodeId, n2, n0};
    a.edges = {edgeA, e2, edgeB};
    a.neighbours = {e.id, b2, b.id};
    b.nodes = {nodeId, n0, n1};
    b.edges = {edgeB, e0, edgeC};
    b.neighbours = {a.id, b0, e.id};
    e.nodes = {nodeId, n1, n2};
    e.edges = {edgeC, e1, edgeA};
    e.neighbours = {b.id, b1, a.id};

    store.UpdateCircumcircle(a);
    store.UpdateCircumcircle(b);
    store.UpdateCircumcircle(e);
    WakeIfGivenUp(e);
    store.MarkElementChanged(e.id);

    ReplaceEdgeSide(store, e0, e.id, b.id);
    ReplaceEdgeSide(store, e2, e.id, a.id);
    if (b0 != 0)
        ReplaceNeighbour(store, b0, e.id, b.id);
    if (b2 != 0)
        ReplaceNeighbour(store, b2, e.id, a.id);
    if (b1 != 0)
        store.MarkElementChanged(b1);

    store.SetElementHint(nodeId, e.id);
    store.SetElementHint(n0, a.id);
    store.SetElementHint(n1, e.id);
    store.SetElementHint(n2, e.id);
}

// The part of an insertion that depends on where the point fell in its
// element: inside (no side given), or on side `side`.
struct InsertionPlace {
    int elementId = 0;
    int side = -1;  // index of the side the point lies on; -1 inside
};

// Where a new node at p may go in element E (found by location): strictly
// inside, or on one interior side shared with a neighbour. Refused (element 0)
// on a boundary segment, on the mesh's outer side, or where a new triangle
// would have no area.
InsertionPlace PlaceInElement(const CMeshStore& store, const T_MESHELEM_D& element, const MeshPoint& p)
{
    int flatSide = -1;
    for (int i = 0; i < 3; ++i) {
        const MeshPoint a = PointOf(store, element.nodes[i]);
        const MeshPoint b = PointOf(store, element.nodes[(i + 1) % 3]);
        if (IsProperTriangle(a, b, p))
            continue;
        if (flatSide >= 0)
            return {};  // next to a corner: nothing sound to insert
        flatSide = i;
    }
    if (flatSide < 0)
        return {element.id, -1};

    const T_MESHEDGE_D* edge = store.FindMeshEdge(element.edges[flatSide]);
    const T_MESHELEM_D* other = store.FindMeshElement(element.neighbours[flatSide]);
    if (edge == nullptr || edge->constrained || other == nullptr)
        return {};
    // Both elements on the side are split; the four new triangles must all be sound.
    const MeshPoint a = PointOf(store, element.nodes[flatSide]);
    const MeshPoint b = PointOf(store, element.nodes[(flatSide + 1) % 3]);
    const MeshPoint farOther = PointOf(store, OppositeNode(other, edge->id));
    if (!IsProperTriangle(b, a, farOther) || !IsProperTriangle(p, farOther, b) ||
        !IsProperTriangle(p, a, farOther))
        return {};
    // The lower id of the two is the one split first.
    if (other->id < element.id)
        return {other->id, PositionOf(other->edges, edge->id)};
    return {element.id, flatSide};
}

}  // namespace

bool FlipEdge(CMeshStore& store, int edgeId)
{
    T_MESHEDGE_D* edge = store.FindMeshEdge(edgeId);
    if (edge == nullptr)
        return false;
    T_MESHELEM_D* left = store.FindMeshElement(edge->leftElement);
    T_MESHELEM_D* right = store.FindMeshElement(edge->rightElement);
    if (left == nullptr || right == nullptr)
        return false;
    const int i = PositionOf(left->edges, edgeId);
    const int j = PositionOf(right->edges, edgeId);
    if (i < 0 || j < 0)
        return false;

    const int a = edge->node1;
    const int b = edge->node2;
    const int pL = left->nodes[(i + 2) % 3];
    const int pR = right->nodes[(j + 2) % 3];
    if (!IsProperTriangle(PointOf(store, pL), PointOf(store, pR), PointOf(store, b)) ||
        !IsProperTriangle(PointOf(store, pL), PointOf(store, a), PointOf(store, pR)))
        return false;

    const int eLb = left->edges[(i + 1) % 3], nLb = left->neighbours[(i + 1) % 3];
    const int eLa = left->edges[(i + 2) % 3], nLa = left->neighbours[(i + 2) % 3];
    const int eRa = right->edges[(j + 1) % 3], nRa = right->neighbours[(j + 1) % 3];
    const int eRb = right->edges[(j + 2) % 3], nRb = right->neighbours[(j + 2) % 3];

    left->nodes = {pL, pR, b};
    left->edges = {edgeId, eRb, eLb};
    left->neighbours = {right->id, nRb, nLb};
    right->nodes = {pL, a, pR};
    right->edges = {eLa, eRa, edgeId};
    right->neighbours = {nLa, nRa, left->id};

    if (nLa != 0)
        ReplaceNeighbour(store, nLa, left->id, right->id);
    if (nRb != 0)
        ReplaceNeighbour(store, nRb, right->id, left->id);
    for (const int unchanged : {nLb, nRa}) {
        if (unchanged != 0)
            store.MarkElementChanged(unchanged);
    }
    ReplaceEdgeSide(store, eLa, left->id, right->id);
    ReplaceEdgeSide(store, eRb, right->id, left->id);

    if (pL < pR) {
        edge->node1 = pL;
        edge->node2 = pR;
        edge->leftElement = left->id;
        edge->rightElement = right->id;
    } else {
        edge->node1 = pR;
        edge->node2 = pL;
        edge->leftElement = right->id;
        edge->rightElement = left->id;
    }

    store.UpdateCircumcircle(*left);
    store.UpdateCircumcircle(*right);
    WakeIfGivenUp(*left);
    WakeIfGivenUp(*right);
    store.MarkElementChanged(left->id);
    store.MarkElementChanged(right->id);

    store.SetElementHint(a, right->id);
    store.SetElementHint(b, left->id);
    store.SetElementHint(pL, left->id);
    store.SetElementHint(pR, left->id);
    return true;
}

std::vector<int> ElementsAroundNode(const CMeshStore& store, int nodeId)
{
    const int start = store.ElementHintOfNode(nodeId);
    const T_MESHELEM_D* first = store.FindMeshElement(start);
    if (first == nullptr || PositionOf(first->nodes, nodeId) < 0)
        return {};

    const size_t cap = store.elements.size() + 1;
    // Counter-clockwise from the start, across the side that ends at the node.
    std::vector<int> forward{start};
    bool closed = false;
    for (const T_MESHELEM_D* current = first; forward.size() <= cap;) {
        const int k = PositionOf(current->nodes, nodeId);
        const int next = current->neighbours[(k + 2) % 3];
        if (next == start) {
            closed = true;
            break;
        }
        current = store.FindMeshElement(next);
        if (current == nullptr)
            break;
        forward.push_back(next);
    }
    if (closed)
        return forward;
    // An open fan: gather the clockwise side too.
    std::vector<int> backward;
    for (const T_MESHELEM_D* current = first; backward.size() <= cap;) {
        const int k = PositionOf(current->nodes, nodeId);
        const int next = current->neighbours[k];
        current = store.FindMeshElement(next);
        if (current == nullptr)
            break;
        backward.push_back(next);
    }
    std::reverse(backward.begin(), backward.end());
    backward.insert(backward.end(), forward.begin(), forward.end());
    return backward;
}

void RestoreDelaunay(CMeshStore& store, int nodeId)
{
    const MeshPoint p = PointOf(store, nodeId);
    std::set<int> link;
    for (const int elementId : ElementsAroundNode(store, nodeId)) {
        if (const T_MESHELEM_D* element = store.FindMeshElement(elementId))
            link.insert(EdgeOppositeNode(*element, nodeId));
    }

    // A pass over the whole edge map can only flip edges opposite the node;
    // visiting those in ascending id, with the ones a flip brings in joining the
    // pass when their id lies ahead, makes the same flips in the same order.
    const auto inCircle = [&](const T_MESHELEM_D& element) {
        return MeshDistance(p, MeshPoint{element.centreX, element.centreY}) < element.radius;
    };
    for (int pass = 0; pass < kMaxDelaunayPasses; ++pass) {
        bool flipped = false;
        for (auto it = link.begin(); it != link.end();) {
            const int edgeId = *it;
            const T_MESHEDGE_D* edge = store.FindMeshEdge(edgeId);
            const T_MESHELEM_D* left = edge ? store.FindMeshElement(edge->leftElement) : nullptr;
            const T_MESHELEM_D* right = edge ? store.FindMeshElement(edge->rightElement) : nullptr;
            bool flip = false;
            if (edge != nullptr && !edge->constrained && left != nullptr && right != nullptr) {
                flip = (OppositeNode(left, edgeId) == nodeId && inCircle(*right)) ||
                       (OppositeNode(right, edgeId) == nodeId && inCircle(*left));
            }
            if (!flip || !FlipEdge(store, edgeId)) {
                ++it;
                continue;
            }
            flipped = true;
            link.erase(edgeId);
            for (const int elementId : {edge->leftElement, edge->rightElement}) {
                if (const T_MESHELEM_D* element = store.FindMeshElement(elementId))
                    link.insert(EdgeOppositeNode(*element, nodeId));
            }
            it = link.upper_bound(edgeId);
        }
        if (!flipped)
            return;
    }
    store.NoteFault("the Delaunay flips around a new node do not come to an end");
}

double InterpolateMeshSize(const CMeshStore& store, int elementId, double x, double y)
{
    const T_MESHELEM_D* element = store.FindMeshElement(elementId);
    if (element == nullptr)
        return kMeshSizeUnlimited;
    const MeshPoint p{x, y};
    double weighted = 0.0;
    double weights = 0.0;
    for (int i = 0; i < 3; ++i) {
        const T_MESHNODE_D* corner = store.FindMeshNode(element->nodes[i]);
        if (corner == nullptr || corner->size >= kMeshSizeUnlimited)
            continue;  // a corner without a limit does not pull the size up
        const double weight = MeshTriangleArea(p, PointOf(store, element->nodes[(i + 1) % 3]),
                                               PointOf(store, element->nodes[(i + 2) % 3]));
        weighted += weight * corner->size;
        weights += weight;
    }
    if (weights <= 0.0) {
        // On a corner, or only unlimited corners: the smallest limited size.
        double smallest = kMeshSizeUnlimited;
        for (const int nodeId : element->nodes) {
            if (const T_MESHNODE_D* corner = store.FindMeshNode(nodeId))
                smallest = std::min(smallest, corner->size);
        }
        return smallest;
    }
    return weighted / weights;
}

int LocateMeshElement(const CMeshStore& store, double x, double y, int startElement)
{
    if (store.elements.empty())
        return 0;
    const MeshPoint p{x, y};
    const T_MESHELEM_D* current = store.FindMeshElement(startElement);
    if (current == nullptr)
        current = store.elements.begin()->second.get();

    // Walk towards the point; a walk that leaves the mesh or goes round in
    // circles hands over to the walk over every element.
    const T_MESHELEM_D* found = nullptr;
    for (size_t step = 0; step <= store.elements.size() + 16 && current != nullptr; ++step) {
        int across = -1;
        for (int i = 0; i < 3 && across < 0; ++i) {
            if (IsBeyondSide(store, *current, i, p))
                across = i;
        }
        if (across < 0) {
            found = current;
            break;
        }
        current = store.FindMeshElement(current->neighbours[across]);
    }
    if (found == nullptr) {
        for (const auto& [id, element] : store.elements) {
            if (element->nodes.size() >= 3 && ContainsPoint(store, *element, p))
                return id;
        }
        return 0;
    }

    // On a side or a corner, every element there contains the point: the
    // lowest id wins.
    int lowest = found->id;
    for (int i = 0; i < 3; ++i) {
        const MeshPoint a = PointOf(store, found->nodes[i]);
        if (a.x == x && a.y == y) {
            for (const int around : ElementsAroundNode(store, found->nodes[i]))
                lowest = std::min(lowest, around);
        }
        const T_MESHELEM_D* other = store.FindMeshElement(found->neighbours[i]);
        if (other != nullptr && other->id < lowest && ContainsPoint(store, *other, p))
            lowest = other->id;
    }
    return lowest;
}

int InsertMeshNode(CMeshStore& store, const double xy[2], double size, bool fixed, int startElement)
{
    const int containing = LocateMeshElement(store, xy[0], xy[1], startElement);
    const T_MESHELEM_D* element = store.FindMeshElement(containing);
    if (element == nullptr)
        return 0;

    const MeshPoint p{xy[0], xy[1]};
    const double localSize = size > 0.0 ? size : InterpolateMeshSize(store, containing, p.x, p.y);
    double longestSide = 0.0;
    for (int i = 0; i < 3; ++i)
        longestSide = std::max(longestSide, MeshDistance(PointOf(store, element->nodes[i]),
                                                         PointOf(store, element->nodes[(i + 1) % 3])));
    const int nearby = store.FindNearbyNode(p.x, p.y, kReuseFraction * std::min(localSize, longestSide));
    if (nearby != 0) {
        T_MESHNODE_D* node = store.FindMeshNode(nearby);
        if (fixed)
            node->fixed = true;
        if (size > 0.0)
            node->size = std::min(node->size, size);
        return nearby;
    }

    const InsertionPlace place = PlaceInElement(store, *element, p);
    if (place.elementId == 0)
        return 0;

    const int nodeId = store.AddNode(p.x, p.y, localSize, fixed).id;
    const T_MESHELEM_D* split = store.FindMeshElement(place.elementId);
    const int flatEdge = place.side >= 0 ? split->edges[place.side] : 0;
    SplitElement(store, place.elementId, nodeId);
    if (flatEdge != 0)
        FlipEdge(store, flatEdge);  // removes the flat triangle on the shared side
    RestoreDelaunay(store, nodeId);
    return nodeId;
}
