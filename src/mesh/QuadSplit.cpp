#include "mesh/QuadSplit.h"

#include "mesh/QuadTopology.h"

#include <algorithm>
#include <map>

namespace {

// Splitting an element costs little; a look for Escape between many of them
// costs nothing worth counting.
constexpr std::size_t kElementsBetweenPolls = 4096;

// A boundary node is a corner when its angle inside the domain exceeds this.
constexpr double kCornerAngle = 209.0;
// The widest quadrilateral at a corner is treated from this angle on (the
// higher one when its other three nodes are all fixed).
constexpr double kCornerQuadAngle = 130.0;
constexpr double kFixedCornerQuadAngle = 150.0;
// Sides at the corner closer in length than this factor are kept: the
// quadrilateral is cut instead of collapsed.
constexpr double kSideRatioForCut = 1.75;
// A triangle from a corner cut merges into a quadrilateral whose smallest
// angle exceeds the first and whose second smallest is below the second.
constexpr double kMergeSmallestAngle = 60.0;
constexpr double kMergeSecondAngle = 120.0;

void AppendRelevantCorners(const CMeshStore& store, const std::vector<int>& chain, std::vector<int>& corners)
{
    for (size_t j = 1; j + 1 < chain.size(); ++j) {
        const int v = chain[j], n = chain[j + 1], p = chain[j - 1];
        if (store.FindMeshNode(v) && store.FindMeshNode(n) && store.FindMeshNode(p) &&
            CornerAngle(store, v, n, p) > kCornerAngle)
            corners.push_back(v);
    }
}

// Offers a triangle of a corner cut for a merge with a triangle across one of
// its sides (the first usable side only).
void MergeCutTriangle(CMeshStore& store, int triangleId, int otherCutId)
{
    T_MESHELEM_D* triangle = store.FindMeshElement(triangleId);
    int a = 0, b = 0, c = 0, d = 0, partnerId = 0;
    for (int j = 0; j < 3 && partnerId == 0; ++j) {
        a = triangle->nodes[j];
        b = triangle->nodes[(j + 1) % 3];
        c = triangle->nodes[(j + 2) % 3];
        if (!store.FindMeshNode(a) || !store.FindMeshNode(b) || !store.FindMeshNode(c))
            return;
        if (IsFixed(store, a) && IsFixed(store, b))
            continue;
        const int x = ElementAround(store, a, b, triangleId);
        if (x == 0 || x == otherCutId || x == triangleId || !IsTriangle(store.FindMeshElement(x)))
            continue;
        d = NodeAfter(*store.FindMeshElement(x), a, 1);
        if (store.FindMeshNode(d) != nullptr)
            partnerId = x;
    }
    if (partnerId == 0)
        return;
    if (!IsWellShapedCornerMerge({PlainAngle(store, a, d, c), PlainAngle(store, c, a, b), PlainAngle(store, b, c, d),
                                  PlainAngle(store, d, b, a)}))
        return;
    const std::vector<int> merged{a, d, b, c};
    if (!ChangeCheck(store).Shape(triangleId, merged).Remove(partnerId).Sound())
        return;
    triangle->nodes = merged;
    RemoveFirst(store.FindMeshNode(a)->elements, partnerId);
    RemoveFirst(store.FindMeshNode(b)->elements, partnerId);
    ReplaceFirst(store.FindMeshNode(d)->elements, partnerId, triangleId);
    store.RemoveElement(partnerId);
}

// Collapses the side K-S of the corner quadrilateral into K; false when that
// would leave an unsound element.
void CollapseIntoCorner(CMeshStore& store, int quadId, int k, int s)
{
    T_MESHNODE_D* side = store.FindMeshNode(s);
    ChangeCheck check(store);
    std::vector<int> doomed;
    std::map<int, std::vector<int>> reshaped;
    for (const int elementId : side->elements) {
        const T_MESHELEM_D* element = store.FindMeshElement(elementId);
        if (element == nullptr || !Holds(element->nodes, s))
            continue;
        std::vector<int> nodes = element->nodes;
        if (Holds(nodes, k)) {
            if (nodes.size() == 3 && elementId != quadId) {
                doomed.push_back(elementId);
                check.Remove(elementId);
                continue;
            }
            RemoveFirst(nodes, s);
        } else {
            ReplaceFirst(nodes, s, k);
        }
        check.Shape(elementId, nodes);
        reshaped[elementId] = nodes;
    }
    if (!check.Sound())
        return;
    T_MESHNODE_D* corner = store.FindMeshNode(k);
    for (const int elementId : side->elements) {
        const auto shape = reshaped.find(elementId);
        if (shape == reshaped.end())
            continue;
        T_MESHELEM_D* element = store.FindMeshElement(elementId);
        if (!Holds(element->nodes, k))
            corner->elements.push_back(elementId);
        element->nodes = shape->second;
    }
    for (const int elementId : doomed) {
        for (const int nodeId : store.FindMeshElement(elementId)->nodes) {
            if (T_MESHNODE_D* node = store.FindMeshNode(nodeId))
                RemoveFirst(node->elements, elementId);
        }
        store.RemoveElement(elementId);
    }
    store.RemoveNode(s);
}

void TreatCorner(CMeshStore& store, int k)
{
    const T_MESHNODE_D* corner = store.FindMeshNode(k);
    if (corner == nullptr)
        return;
    int chosen = 0, p = 0, q = 0, r = 0;
    double best = 0.0;
    for (const int elementId : corner->elements) {
        const T_MESHELEM_D* element = store.FindMeshElement(elementId);
        if (!IsQuadrilateral(element))
            continue;
        const int ep = NodeAfter(*element, k, 1), eq = NodeAfter(*element, k, 2), er = NodeAfter(*element, k, 3);
        if (!store.FindMeshNode(ep) || !store.FindMeshNode(eq) || !store.FindMeshNode(er))
            continue;
        const bool othersFixed = IsFixed(store, ep) && IsFixed(store, eq) && IsFixed(store, er);
        const double threshold = othersFixed ? kFixedCornerQuadAngle : kCornerQuadAngle;
        const double angle = CornerAngle(store, k, ep, er);
        if (angle >= threshold && angle > best) {
            best = angle;
            chosen = elementId;
            p = ep;
            q = eq;
            r = er;
        }
    }
    if (chosen == 0)
        return;

    const double dP = MeshDistance(store.NodePoint(k), store.NodePoint(p));
    const double dR = MeshDistance(store.NodePoint(k), store.NodePoint(r));
    const bool pFixed = IsFixed(store, p), rFixed = IsFixed(store, r);
    const bool cut = (pFixed && rFixed) ||
                     (best < 180.0 && kSideRatioForCut * std::min(dP, dR) > std::max(dP, dR)) ||
                     (dP >= dR && rFixed) || (dR >= dP && pFixed);
    if (!cut) {
        CollapseIntoCorner(store, chosen, k, dP < dR ? p : r);
        return;
    }
    if (!ChangeCheck(store).Shape(chosen, {k, p, q}).Shape(0, {k, q, r}).Sound())
        return;
    store.FindMeshElement(chosen)->nodes = {k, p, q};
    T_MESHELEM_D& second = store.AddElement();
    second.nodes = {k, q, r};
    store.FindMeshNode(k)->elements.push_back(second.id);
    store.FindMeshNode(q)->elements.push_back(second.id);
    ReplaceFirst(store.FindMeshNode(r)->elements, chosen, second.id);
    const int secondId = second.id;
    MergeCutTriangle(store, chosen, secondId);
    MergeCutTriangle(store, secondId, chosen);
}

// Midpoint nodes of the split, by the pair of corner nodes of their side.
class SideMidpoints {
public:
    SideMidpoints(CMeshStore& store, CBoundaryCurves& curves) : m_store(store), m_curves(curves) {}

    int At(int a, int b)
    {
        const std::pair<int, int> key{std::min(a, b), std::max(a, b)};
        const MeshPoint pa = m_store.NodePoint(a), pb = m_store.NodePoint(b);
        double mid[2] = {(pa.x + pb.x) / 2.0, (pa.y + pb.y) / 2.0};
        int curveId = 0;
        if (IsFixed(m_store, a) && IsFixed(m_store, b)) {
            const double p1[2] = {pa.x, pa.y}, p2[2] = {pb.x, pb.y};
            curveId = m_curves.GetBoundaryMidpoint(m_store, a, p1, b, p2, mid);
        }
        int nodeId = 0;
        const auto known = m_nodes.find(key);
        if (known == m_nodes.end()) {
            nodeId = m_store.AddNode(mid[0], mid[1], MeanSize(m_store, {a, b}), curveId != 0).id;
            m_nodes.emplace(key, nodeId);
        } else {
            nodeId = known->second;
            if (curveId != 0)
                m_store.FindMeshNode(nodeId)->fixed = true;
        }
        if (curveId != 0)
            m_curves.InsertBetween(curveId, a, b, nodeId);
        return nodeId;
    }

private:
    CMeshStore& m_store;
    CBoundaryCurves& m_curves;
    std::map<std::pair<int, int>, int> m_nodes;
};

void SplitElement(CMeshStore& store, SideMidpoints& midpoints, int elementId)
{
    T_MESHELEM_D* element = store.FindMeshElement(elementId);
    const std::vector<int> corners = element->nodes;
    const size_t n = corners.size();
    if ((n != 3 && n != 4) ||
        !std::all_of(corners.begin(), corners.end(), [&](int id) { return store.FindMeshNode(id) != nullptr; }))
        return;
    const MeshPoint centre = MeanPoint(store, corners);
    const int ctr = store.AddNode(centre.x, centre.y, MeanSize(store, corners), false).id;
    std::vector<int> mids;
    for (size_t i = 0; i < n; ++i)
        mids.push_back(midpoints.At(corners[i], corners[(i + 1) % n]));
    // Each new quadrilateral holds one corner, its two side midpoints and the centre.
    store.FindMeshElement(elementId)->nodes = {corners[0], mids[0], ctr, mids[n - 1]};
    store.AddElement().nodes = {mids[0], corners[1], mids[1], ctr};
    store.AddElement().nodes = {ctr, mids[1], corners[2], mids[2]};
    if (n == 4)
        store.AddElement().nodes = {mids[3], ctr, mids[2], corners[3]};
}

}  // namespace

bool IsWellShapedCornerMerge(std::array<double, 4> angles)
{
    std::sort(angles.begin(), angles.end());
    return angles[0] > kMergeSmallestAngle && angles[1] < kMergeSecondAngle;
}

std::vector<int> FindCornerNodes(const CMeshStore& store, const MeshDomainInput& domain)
{
    std::vector<int> corners;
    for (const MeshLoopInput& loop : domain.loops) {
        if (loop.kind == 3) {
            for (const MeshCurveInput& curve : loop.curves) {
                if (curve.meshNodeIds.empty())
                    continue;
                corners.push_back(curve.meshNodeIds.front());
                corners.push_back(curve.meshNodeIds.back());
                AppendRelevantCorners(store, curve.meshNodeIds, corners);
            }
            continue;
        }
        if (loop.curves.empty() || loop.curves.front().meshNodeIds.size() < 2)
            continue;
        std::vector<int> chain{loop.curves.front().meshNodeIds.front()};
        for (const MeshCurveInput& curve : loop.curves)
            chain.insert(chain.end(), curve.meshNodeIds.begin() + (curve.meshNodeIds.empty() ? 0 : 1),
                         curve.meshNodeIds.end());
        chain.push_back(loop.curves.front().meshNodeIds[1]);
        AppendRelevantCorners(store, chain, corners);
    }
    std::sort(corners.begin(), corners.end());
    corners.erase(std::unique(corners.begin(), corners.end()), corners.end());
    return corners;
}

bool SplitAllToQuads(CMeshStore& store, CBoundaryCurves& curves, const MeshCancelPoll& poll)
{
    RebuildNodeElementLists(store);
    const std::vector<int> corners = FindCornerNodes(store, curves.Domain());
    store.cornerNodes.insert(store.cornerNodes.end(), corners.begin(), corners.end());
    std::sort(store.cornerNodes.begin(), store.cornerNodes.end());
    store.cornerNodes.erase(std::unique(store.cornerNodes.begin(), store.cornerNodes.end()), store.cornerNodes.end());

    for (const int k : store.cornerNodes)
        TreatCorner(store, k);

    std::vector<int> ids;
    for (const auto& entry : store.elements)
        ids.push_back(entry.first);
    SideMidpoints midpoints(store, curves);
    for (std::size_t i = 0; i < ids.size(); ++i) {
        // The split of a large mesh takes seconds.
        if (i % kElementsBetweenPolls == 0 && poll())
            return false;
        if (store.FindMeshElement(ids[i]) != nullptr)
            SplitElement(store, midpoints, ids[i]);
    }
    return true;
}
