// Clean-ups after the merging passes along the boundary: straight stretches
// where a quadrilateral or a triangle pair sits badly, and the corrections of
// boundary triangles and quadrilaterals curve by curve.

#include "mesh/QuadMergeSteps.h"
#include "mesh/QuadTopology.h"

#include <algorithm>

namespace {

constexpr double kNarrowCornerLimit = 120.0;
// A quadrilateral next to a boundary triangle gives up a corner only when the
// triangle of its far corners is not too stretched.
constexpr double kStretchLimit = 1.5;
constexpr int kStandIn = -1;

// Element of the node's list whose side from `from` runs to `to`; 0 when none.
int ElementWithSide(const CMeshStore& store, int node, int from, int to)
{
    const T_MESHNODE_D* n = store.FindMeshNode(node);
    if (n == nullptr)
        return 0;
    for (const int id : n->elements) {
        const T_MESHELEM_D* element = store.FindMeshElement(id);
        if (element != nullptr && Holds(element->nodes, from) && NodeAfter(*element, from, 1) == to)
            return id;
    }
    return 0;
}

class BoundaryCleaner {
public:
    BoundaryCleaner(CMeshStore& store, const CBoundaryCurves& curves);

    // One cycle; true when it changed anything.
    bool Cycle();

private:
    T_MESHELEM_D* Element(int id) { return m_store.FindMeshElement(id); }
    T_MESHNODE_D& Node(int id) { return *m_store.FindMeshNode(id); }
    bool SplitLoneQuad(int v);
    bool MendFlatNode(int v);
    bool MergeTrianglePair(int v, int x1, int x2, int f1, int f2);
    bool ShiftNodeOffBoundary(int v, int x1, int x2, int e1, int e2, int f1, int f2);
    bool TurnPentagon(int v, int x1, int x2, int e1, int e2, int f1, int f2);

    CMeshStore& m_store;
    const CBoundaryCurves& m_curves;
    std::vector<int> m_boundaryNodes;
};

BoundaryCleaner::BoundaryCleaner(CMeshStore& store, const CBoundaryCurves& curves)
    : m_store(store), m_curves(curves)
{
    for (const MeshLoopInput& loop : curves.Domain().loops) {
        for (const MeshCurveInput& curve : loop.curves)
            m_boundaryNodes.insert(m_boundaryNodes.end(), curve.meshNodeIds.begin(), curve.meshNodeIds.end());
    }
    std::sort(m_boundaryNodes.begin(), m_boundaryNodes.end());
    m_boundaryNodes.erase(std::unique(m_boundaryNodes.begin(), m_boundaryNodes.end()), m_boundaryNodes.end());
}

bool BoundaryCleaner::SplitLoneQuad(int v)
{
    if (ElementCountAt(m_store, v) != 3)
        return false;
    int q = 0, quads = 0;
    for (const int id : Node(v).elements) {
        if (IsQuadrilateral(Element(id))) {
            q = id;
            ++quads;
        }
    }
    if (quads != 1)
        return false;
    const int a = NodeAfter(*Element(q), v, 1), b = NodeAfter(*Element(q), v, 2), c = NodeAfter(*Element(q), v, 3);
    if (!IsFree(m_store, a) || !IsFree(m_store, b) || !IsFree(m_store, c) ||
        CornerAngle(m_store, a, b, v) > kNarrowCornerLimit || CornerAngle(m_store, c, v, b) > kNarrowCornerLimit)
        return false;
    const int t1 = ElementAround(m_store, v, a, q), t2 = ElementAround(m_store, v, c, q);
    if (!IsTriangle(Element(t1)) || !IsTriangle(Element(t2)))
        return false;
    const int p = NodeAfter(*Element(t1), v, 1), r = NodeAfter(*Element(t2), c, 1);
    if (!IsFixed(m_store, p) || !IsFixed(m_store, r) || !IsStraight(CornerAngle(m_store, v, p, r)))
        return false;
    std::vector<int> newT1 = Element(t1)->nodes, newT2 = Element(t2)->nodes;
    InsertAfter(newT1, a, b);
    InsertAfter(newT2, v, b);
    if (!ChangeCheck(m_store).Shape(t1, newT1).Shape(t2, newT2).Remove(q).Sound())
        return false;
    Element(t1)->nodes = newT1;
    Element(t2)->nodes = newT2;
    for (const int n : {v, a, c})
        RemoveFirst(Node(n).elements, q);
    ReplaceFirst(Node(b).elements, q, t1);
    Node(b).elements.push_back(t2);
    m_store.RemoveElement(q);
    return true;
}

bool BoundaryCleaner::MergeTrianglePair(int v, int x1, int x2, int f1, int f2)
{
    const int y = NodeAfter(*Element(f1), x1, 1);
    if (!IsFree(m_store, y) || NodeAfter(*Element(f2), v, 1) != y || NodeAfter(*Element(f2), y, 1) != x2 ||
        !SegmentsCross(m_store, v, y, x1, x2) || CornerAngle(m_store, x1, y, v) > kNarrowCornerLimit ||
        CornerAngle(m_store, x2, v, y) > kNarrowCornerLimit)
        return false;
    const std::vector<int> merged{v, x1, y, x2};
    if (!ChangeCheck(m_store).Shape(f1, merged).Remove(f2).Sound())
        return false;
    Element(f1)->nodes = merged;
    RemoveFirst(Node(v).elements, f2);
    RemoveFirst(Node(y).elements, f2);
    ReplaceFirst(Node(x2).elements, f2, f1);
    m_store.RemoveElement(f2);
    return true;
}

bool BoundaryCleaner::ShiftNodeOffBoundary(int v, int x1, int x2, int e1, int e2, int f1, int f2)
{
    const int z1 = NodeAfter(*Element(f1), x1, 1), z = NodeAfter(*Element(f1), x1, 2);
    const int w = NodeAfter(*Element(f2), z, 1);
    if (!IsFree(m_store, z1) || !IsFree(m_store, z) || !IsFree(m_store, w) || !Holds(Element(f2)->nodes, v) ||
        !SegmentsCross(m_store, v, z, x1, x2))
        return false;
    const bool e1Triangle = IsTriangle(Element(e1)), e2Triangle = IsTriangle(Element(e2));
    std::vector<int> newF1 = Element(f1)->nodes, newF2 = Element(f2)->nodes;
    ReplaceFirst(newF1, v, kStandIn);
    ReplaceFirst(newF2, v, kStandIn);
    std::vector<int> newE1 = Element(e1)->nodes, newE2 = Element(e2)->nodes;
    if (e1Triangle)
        InsertAfter(newE1, x1, kStandIn);
    if (e2Triangle)
        InsertAfter(newE2, v, kStandIn);
    const MeshPoint mid = MeanPoint(m_store, {x1, x2});
    ChangeCheck check(m_store);
    check.Place(kStandIn, mid).Shape(f1, newF1).Shape(f2, newF2).Shape(e1, newE1).Shape(e2, newE2);
    std::vector<int> gap;
    if (e1Triangle != e2Triangle) {
        gap = e1Triangle ? std::vector<int>{v, kStandIn, x2} : std::vector<int>{v, x1, kStandIn};
        check.Shape(0, gap);
    }
    if (!check.Sound())
        return false;
    const int m = m_store.AddNode(mid.x, mid.y, MeanSize(m_store, {x1, x2}), false).id;
    for (std::vector<int>* shape : {&newF1, &newF2, &newE1, &newE2, &gap})
        std::replace(shape->begin(), shape->end(), kStandIn, m);
    Element(f1)->nodes = newF1;
    Element(f2)->nodes = newF2;
    Element(e1)->nodes = newE1;
    Element(e2)->nodes = newE2;
    if (gap.empty()) {
        RemoveFirst(Node(v).elements, f1);
        RemoveFirst(Node(v).elements, f2);
        Node(m).elements = {e1, f1, f2, e2};
        return true;
    }
    T_MESHELEM_D& r = m_store.AddElement();
    r.nodes = gap;
    ReplaceFirst(Node(v).elements, f1, r.id);
    RemoveFirst(Node(v).elements, f2);
    Node(e1Triangle ? x2 : x1).elements.push_back(r.id);
    Node(m).elements = {e1Triangle ? e1 : e2, f1, f2, r.id};
    return true;
}

bool BoundaryCleaner::TurnPentagon(int v, int x1, int x2, int e1, int e2, int f1, int f2)
{
    const T_MESHELEM_D& first = *Element(f1);
    const T_MESHELEM_D& second = *Element(f2);
    const int a = NodeAfter(first, x1, 1), b = NodeAfter(second, x2, -1);
    if (!IsFree(m_store, a) || !IsFree(m_store, b))
        return false;
    if (IsTriangle(&first)) {
        // F1 (v, x1, a) and F2 (v, a, b, x2).
        if (NodeAfter(first, a, 1) != v || NodeAfter(second, v, 1) != a || NodeAfter(second, a, 1) != b ||
            !SegmentsCross(m_store, v, a, x1, x2) || PlainAngle(m_store, x1, a, b) < 0)
            return false;
    } else {
        // F1 (v, x1, a, b) and F2 (v, b, x2).
        if (NodeAfter(first, a, 1) != b || NodeAfter(first, b, 1) != v || NodeAfter(second, v, 1) != b ||
            !SegmentsCross(m_store, v, b, x1, x2) || PlainAngle(m_store, b, x2, a) < 0)
            return false;
    }
    const std::vector<int> newF1{v, x1, x2}, newF2{x1, a, b, x2};
    if (!ChangeCheck(m_store).Shape(f1, newF1).Shape(f2, newF2).Sound())
        return false;
    Element(f1)->nodes = newF1;
    Element(f2)->nodes = newF2;
    for (const int n : {v, x1, a, b, x2}) {
        std::vector<int>& list = Node(n).elements;
        list.erase(std::remove_if(list.begin(), list.end(),
                                  [&](int id) {
                                      const T_MESHELEM_D* element = Element(id);
                                      return element == nullptr || !Holds(element->nodes, n);
                                  }),
                   list.end());
    }
    for (const int id : {e1, f1, f2, e2}) {
        for (const int n : Element(id)->nodes) {
            if (!Holds(Node(n).elements, id))
                Node(n).elements.push_back(id);
        }
    }
    return true;
}

bool BoundaryCleaner::MendFlatNode(int v)
{
    if (ElementCountAt(m_store, v) != 4)
        return false;
    int next = 0, prev = 0;
    for (const MeshLoopInput& loop : m_curves.Domain().loops) {
        for (const MeshCurveInput& curve : loop.curves) {
            const std::vector<int>& list = curve.meshNodeIds;
            for (size_t j = 1; next == 0 && j + 1 < list.size(); ++j) {
                if (list[j] == v) {
                    next = list[j + 1];
                    prev = list[j - 1];
                }
            }
        }
    }
    if (next == 0 || !IsStraight(CornerAngle(m_store, v, next, prev)))
        return false;
    const int e1 = ElementWithSide(m_store, v, v, next), e2 = ElementWithSide(m_store, v, prev, v);
    if (e1 == 0 || e2 == 0)
        return false;
    const int x1 = NodeAfter(*Element(e1), next, 1), x2 = NodeAfter(*Element(e2), prev, -1);
    if (!IsFree(m_store, x1) || !IsFree(m_store, x2))
        return false;
    const int f1 = ElementAround(m_store, v, x1, e1), f2 = ElementAround(m_store, v, x2, e2);
    if (f1 == 0 || f2 == 0 || f1 == f2)
        return false;
    const bool f1Triangle = IsTriangle(Element(f1)), f2Triangle = IsTriangle(Element(f2));
    if (f1Triangle && f2Triangle)
        return MergeTrianglePair(v, x1, x2, f1, f2);
    if (!f1Triangle && !f2Triangle) {
        if (IsQuadrilateral(Element(e1)) && IsQuadrilateral(Element(e2)))
            return false;
        return ShiftNodeOffBoundary(v, x1, x2, e1, e2, f1, f2);
    }
    return TurnPentagon(v, x1, x2, e1, e2, f1, f2);
}

bool BoundaryCleaner::Cycle()
{
    bool changed = false;
    for (const int v : m_boundaryNodes) {
        if (SplitLoneQuad(v)) {
            changed = true;
            break;
        }
    }
    for (const int v : m_boundaryNodes) {
        if (MendFlatNode(v))
            return true;
    }
    return changed;
}

class CurveCorrector {
public:
    CurveCorrector(CMeshStore& store, const MeshCurveInput& curve) : m_store(store), m_curve(curve) {}

    void TriangleOnSide(int pk, int pk1);
    void QuadOnSide(int pk, int pk1);

private:
    T_MESHELEM_D* Element(int id) { return m_store.FindMeshElement(id); }
    T_MESHNODE_D& Node(int id) { return *m_store.FindMeshNode(id); }
    bool InnerNode(int node) const
    {
        const std::vector<int>& list = m_curve.meshNodeIds;
        return !list.empty() && node != list.front() && node != list.back() && Holds(list, node);
    }
    // The element of either node that runs from pk to pk1 and has `corners` nodes.
    int HolderOfSide(int pk, int pk1, size_t corners);
    // The quadrilateral across (end, r) of E that may give E its corner next
    // to the end; 0 when none qualifies.
    int Donor(int e, int end, int r, bool atNext, int& corner);

    CMeshStore& m_store;
    const MeshCurveInput& m_curve;
};

int CurveCorrector::HolderOfSide(int pk, int pk1, size_t corners)
{
    for (const int node : {pk, pk1}) {
        for (const int id : Node(node).elements) {
            const T_MESHELEM_D* element = Element(id);
            if (element != nullptr && element->nodes.size() == corners && Holds(element->nodes, pk) &&
                NodeAfter(*element, pk, 1) == pk1)
                return id;
        }
    }
    return 0;
}

int CurveCorrector::Donor(int e, int end, int r, bool atNext, int& corner)
{
    if (!InnerNode(end))
        return 0;
    const int x = ElementAround(m_store, end, r, e);
    if (!IsQuadrilateral(Element(x)))
        return 0;
    const int near = NodeAfter(*Element(x), end, atNext ? 1 : -1);
    const int far = NodeAfter(*Element(x), end, atNext ? 2 : -2);
    if (!m_store.FindMeshNode(near) || !m_store.FindMeshNode(far) || Holds(m_curve.meshNodeIds, near))
        return 0;
    if (IsFixed(m_store, far)) {
        const MeshPoint pr = m_store.NodePoint(r), pn = m_store.NodePoint(near), pf = m_store.NodePoint(far);
        const double sides[3] = {MeshDistance(pr, pn), MeshDistance(pn, pf), MeshDistance(pf, pr)};
        if (*std::max_element(sides, sides + 3) > kStretchLimit * *std::min_element(sides, sides + 3))
            return 0;
    }
    corner = near;
    return x;
}

void CurveCorrector::TriangleOnSide(int pk, int pk1)
{
    const int e = HolderOfSide(pk, pk1, 3);
    if (e == 0)
        return;
    const int r = NodeAfter(*Element(e), pk1, 1);
    if (!IsFree(m_store, r))
        return;
    int x = 0, y = 0;
    const int atNext = Donor(e, pk1, r, true, x);
    const int atPrev = Donor(e, pk, r, false, y);
    if (atNext == 0 && atPrev == 0)
        return;
    bool takeNext = atNext != 0;
    if (atNext != 0 && atPrev != 0)
        takeNext = CornerAngle(m_store, r, pk, x) <= CornerAngle(m_store, r, y, pk1);
    const int donor = takeNext ? atNext : atPrev;
    const int end = takeNext ? pk1 : pk;
    const int corner = takeNext ? x : y;
    std::vector<int> newE = Element(e)->nodes, newDonor = Element(donor)->nodes;
    InsertAfter(newE, takeNext ? pk1 : r, corner);
    RemoveFirst(newDonor, end);
    if (!ChangeCheck(m_store).Shape(e, newE).Shape(donor, newDonor).Sound())
        return;
    Element(e)->nodes = newE;
    Element(donor)->nodes = newDonor;
    RemoveFirst(Node(end).elements, donor);
    Node(corner).elements.push_back(e);
}

void CurveCorrector::QuadOnSide(int pk, int pk1)
{
    const int q = HolderOfSide(pk, pk1, 4);
    if (q == 0)
        return;
    const int s = NodeAfter(*Element(q), pk1, 1), t = NodeAfter(*Element(q), pk1, 2);
    if (!IsFree(m_store, s) || !IsFree(m_store, t))
        return;
    const int t1 = ElementAround(m_store, pk1, s, q), t2 = ElementAround(m_store, t, pk, q);
    if (!IsTriangle(Element(t1)) || !IsTriangle(Element(t2)) || t1 == t2)
        return;
    const int u = NodeAfter(*Element(t1), pk1, 1);
    if (!m_store.FindMeshNode(u) || !IsStraight(CornerAngle(m_store, pk1, u, pk)))
        return;
    const int w = NodeAfter(*Element(t2), t, 1);
    if (!IsFree(m_store, w))
        return;
    std::vector<int> newT1 = Element(t1)->nodes, newT2 = Element(t2)->nodes;
    InsertAfter(newT1, s, t);
    InsertAfter(newT2, w, pk1);
    if (!ChangeCheck(m_store).Shape(t1, newT1).Shape(t2, newT2).Remove(q).Sound())
        return;
    Element(t1)->nodes = newT1;
    Element(t2)->nodes = newT2;
    RemoveFirst(Node(pk).elements, q);
    RemoveFirst(Node(s).elements, q);
    ReplaceFirst(Node(pk1).elements, q, t2);
    ReplaceFirst(Node(t).elements, q, t1);
    m_store.RemoveElement(q);
}

}  // namespace

bool CleanUpAlongBoundary(CMeshStore& store, const CBoundaryCurves& curves)
{
    BoundaryCleaner cleaner(store, curves);
    for (int cycle = 0; cycle < kMaxCleanUpSweeps; ++cycle) {
        if (!cleaner.Cycle())
            return true;
    }
    return false;
}

void CorrectAlongCurves(CMeshStore& store, const CBoundaryCurves& curves)
{
    for (const MeshLoopInput& loop : curves.Domain().loops) {
        for (const MeshCurveInput& curve : loop.curves) {
            // Both sides of an open chain are walked.
            std::vector<int> walk = curve.meshNodeIds;
            if (loop.kind == 3) {
                walk.push_back(0);
                walk.insert(walk.end(), curve.meshNodeIds.rbegin(), curve.meshNodeIds.rend());
            }
            CurveCorrector corrector(store, curve);
            for (size_t k = 0; k + 1 < walk.size(); ++k) {
                if (store.FindMeshNode(walk[k]) && store.FindMeshNode(walk[k + 1]))
                    corrector.TriangleOnSide(walk[k], walk[k + 1]);
            }
            for (size_t k = 0; k + 1 < walk.size(); ++k) {
                if (store.FindMeshNode(walk[k]) && store.FindMeshNode(walk[k + 1]))
                    corrector.QuadOnSide(walk[k], walk[k + 1]);
            }
        }
    }
}
