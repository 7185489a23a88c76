// Clean-ups after the merging passes inside the domain: triangle pairs
// between valence-four nodes, quadrilaterals ringed by triangles, and
// quadrilateral doublets.

#include "mesh/QuadMergeSteps.h"
#include "mesh/QuadTopology.h"

#include <cmath>

namespace {

// Plain angle at a node of the new corner on the domain side must not exceed
// this where that node is fixed.
constexpr double kFixedCornerLimit = 120.0;
// A triangle at a boundary corner has a right angle within this many degrees.
constexpr double kCornerTriangleTolerance = 10.0;
// Id of a node a change would make, while the change is checked.
constexpr int kStandIn = -1;

// Far corner of the triangle across side (a, b) of an element: the node after a.
int FarCorner(const CMeshStore& store, int triangleId, int a)
{
    const T_MESHELEM_D* triangle = store.FindMeshElement(triangleId);
    return triangle == nullptr ? 0 : NodeAfter(*triangle, a, 1);
}

T_MESHNODE_D& Node(CMeshStore& store, int id)
{
    return *store.FindMeshNode(id);
}

class RingResolver {
public:
    RingResolver(CMeshStore& store, const CBoundaryCurves& curves) : m_store(store), m_curves(curves) {}

    // True when the quadrilateral was changed.
    bool Resolve(int quadId);

private:
    bool FreeOrNarrow(int node, int from, int to) const
    {
        return IsFree(m_store, node) || PlainAngle(m_store, node, from, to) <= kFixedCornerLimit;
    }
    const T_MESHELEM_D* Element(int id) const { return m_store.FindMeshElement(id); }
    // The element's nodes with the stand-in of a new node after `after`.
    std::vector<int> WithStandIn(int elementId, int after) const
    {
        std::vector<int> nodes = Element(elementId)->nodes;
        InsertAfter(nodes, after, kStandIn);
        return nodes;
    }
    int NewCentreNode(const std::vector<int>& corners)
    {
        const MeshPoint centre = MeanPoint(m_store, corners);
        return m_store.AddNode(centre.x, centre.y, MeanSize(m_store, corners), false).id;
    }

    // Q (c0, c1, c2, c3) shrinks to the triangle (c0, X, c3) around a new
    // node X at its centre, which joins ta after c1 and tb after c2; c1 drops
    // Q. Returns X. ShrinkCheck is its check, to which the caller adds the
    // third element it changes.
    ChangeCheck ShrinkCheck(int q, const std::vector<int>& c, int ta, int tb) const
    {
        ChangeCheck check(m_store);
        check.Place(kStandIn, MeanPoint(m_store, c))
            .Shape(q, {c[0], kStandIn, c[3]})
            .Shape(ta, WithStandIn(ta, c[1]))
            .Shape(tb, WithStandIn(tb, c[2]));
        return check;
    }
    int ShrinkQuad(int q, const std::vector<int>& c, int ta, int tb)
    {
        const int x = NewCentreNode(c);
        m_store.FindMeshElement(q)->nodes = {c[0], x, c[3]};
        InsertAfter(m_store.FindMeshElement(ta)->nodes, c[1], x);
        InsertAfter(m_store.FindMeshElement(tb)->nodes, c[2], x);
        RemoveFirst(Node(m_store, c[1]).elements, q);
        return x;
    }

    bool FourTriangles(int q, const std::vector<int>& c, const std::vector<int>& n);
    bool ThreeTriangles(int q, const std::vector<int>& nodes);
    bool TwoTriangles(int q, const std::vector<int>& nodes);
    bool OneTriangle(int q, const std::vector<int>& nodes);
    // Q (c0, c1, c2, c3) takes the far corner p of the two triangles ta, tb
    // around c1, which goes.
    bool AbsorbTrianglePair(int q, int c0, int c1, int c2, int c3, int p, int ta, int tb);

    CMeshStore& m_store;
    const CBoundaryCurves& m_curves;
};

bool RingResolver::AbsorbTrianglePair(int q, int c0, int c1, int c2, int c3, int p, int ta, int tb)
{
    if (!IsFree(m_store, c1) || !FreeOrNarrow(p, c2, c0))
        return false;
    if (!ChangeCheck(m_store).Shape(q, {c0, p, c2, c3}).Remove(ta).Remove(tb).Sound())
        return false;
    m_store.FindMeshElement(q)->nodes = {c0, p, c2, c3};
    RemoveFirst(Node(m_store, c0).elements, ta);
    RemoveFirst(Node(m_store, c2).elements, tb);
    ReplaceFirst(Node(m_store, p).elements, ta, q);
    RemoveFirst(Node(m_store, p).elements, tb);
    m_store.RemoveNode(c1);
    m_store.RemoveElement(ta);
    m_store.RemoveElement(tb);
    return true;
}

bool RingResolver::FourTriangles(int q, const std::vector<int>& c, const std::vector<int>& n)
{
    const int p = FarCorner(m_store, n[0], c[0]);
    const int r = FarCorner(m_store, n[2], c[2]);
    const bool f1 = ElementAround(m_store, c[1], p, n[0]) == n[1];
    const bool f2 = ElementAround(m_store, c[3], r, n[2]) == n[3];
    if (f1 && f2) {
        if (!IsFree(m_store, c[1]) || !IsFree(m_store, c[3]) || !FreeOrNarrow(p, c[2], c[0]) ||
            !FreeOrNarrow(r, c[0], c[2]))
            return false;
        ChangeCheck check(m_store);
        check.Shape(q, {c[0], p, c[2], r});
        for (const int t : n)
            check.Remove(t);
        if (!check.Sound())
            return false;
        m_store.FindMeshElement(q)->nodes = {c[0], p, c[2], r};
        RemoveFirst(Node(m_store, c[0]).elements, n[0]);
        RemoveFirst(Node(m_store, c[0]).elements, n[3]);
        RemoveFirst(Node(m_store, c[2]).elements, n[1]);
        RemoveFirst(Node(m_store, c[2]).elements, n[2]);
        ReplaceFirst(Node(m_store, p).elements, n[0], q);
        RemoveFirst(Node(m_store, p).elements, n[1]);
        ReplaceFirst(Node(m_store, r).elements, n[2], q);
        RemoveFirst(Node(m_store, r).elements, n[3]);
        m_store.RemoveNode(c[1]);
        m_store.RemoveNode(c[3]);
        for (const int t : n)
            m_store.RemoveElement(t);
        return true;
    }
    if (f1)
        return AbsorbTrianglePair(q, c[0], c[1], c[2], c[3], p, n[0], n[1]);
    if (f2)
        return AbsorbTrianglePair(q, c[2], c[3], c[0], c[1], r, n[2], n[3]);

    // The four triangles become quadrilaterals around a new centre node.
    ChangeCheck check(m_store);
    check.Place(kStandIn, MeanPoint(m_store, c)).Remove(q);
    for (int i = 0; i < 4; ++i)
        check.Shape(n[i], WithStandIn(n[i], c[(i + 1) % 4]));
    if (!check.Sound())
        return false;
    const int x = NewCentreNode(c);
    for (int i = 0; i < 4; ++i) {
        InsertAfter(m_store.FindMeshElement(n[i])->nodes, c[(i + 1) % 4], x);
        RemoveFirst(Node(m_store, c[i]).elements, q);
    }
    Node(m_store, x).elements = n;
    m_store.RemoveElement(q);
    return true;
}

bool RingResolver::ThreeTriangles(int q, const std::vector<int>& nodes)
{
    for (int k = 0; k < 4; ++k) {
        const int c0 = nodes[k], c1 = nodes[(k + 1) % 4], c2 = nodes[(k + 2) % 4], c3 = nodes[(k + 3) % 4];
        const int ta = ElementAround(m_store, c0, c1, q), tb = ElementAround(m_store, c1, c2, q);
        const int tc = ElementAround(m_store, c2, c3, q), qd = ElementAround(m_store, c3, c0, q);
        if (!IsTriangle(Element(ta)) || !IsTriangle(Element(tb)) || !IsTriangle(Element(tc)) ||
            !IsQuadrilateral(Element(qd)))
            continue;
        const int p = FarCorner(m_store, ta, c0);
        if (ElementAround(m_store, c1, p, ta) == tb) {
            if (AbsorbTrianglePair(q, c0, c1, c2, c3, p, ta, tb))
                return true;
            continue;
        }
        const int r = FarCorner(m_store, tc, c2);
        if (ElementAround(m_store, c3, r, tc) == qd || ElementAround(m_store, c0, p, ta) == qd ||
            ElementAround(m_store, c2, r, tc) == tb)
            continue;
        // Q becomes a triangle and the three triangles quadrilaterals around a new node.
        if (!ShrinkCheck(q, {c0, c1, c2, c3}, ta, tb).Shape(tc, WithStandIn(tc, c3)).Sound())
            continue;
        const int x = ShrinkQuad(q, {c0, c1, c2, c3}, ta, tb);
        InsertAfter(m_store.FindMeshElement(tc)->nodes, c3, x);
        Node(m_store, x).elements = {q, ta, tb, tc};
        RemoveFirst(Node(m_store, c2).elements, q);
        return true;
    }
    return false;
}

bool RingResolver::TwoTriangles(int q, const std::vector<int>& nodes)
{
    for (int k = 0; k < 4; ++k) {
        const int c0 = nodes[k], c1 = nodes[(k + 1) % 4], c2 = nodes[(k + 2) % 4], c3 = nodes[(k + 3) % 4];
        if (IsFixed(m_store, c3))
            continue;
        const int ta = ElementAround(m_store, c0, c1, q), tb = ElementAround(m_store, c1, c2, q);
        const bool trianglesAtC1 = IsTriangle(Element(ta)) && IsTriangle(Element(tb));
        if (ElementCountAt(m_store, c3) != 3 && IsFixed(m_store, c1) && trianglesAtC1) {
            // A straight boundary at c1: the quadrilateral gives way to a new node.
            const int u = FarCorner(m_store, ta, c0), v = FarCorner(m_store, tb, c1);
            const double angle = CornerAngle(m_store, c1, v, u);
            if (IsFixed(m_store, u) && IsFixed(m_store, v) && m_curves.ShareACurve(u, c1) &&
                m_curves.ShareACurve(v, c1) && IsStraight(angle)) {
                if (!ShrinkCheck(q, {c0, c1, c2, c3}, ta, tb).Shape(0, {c2, c3, kStandIn}).Sound())
                    continue;
                const int x = ShrinkQuad(q, {c0, c1, c2, c3}, ta, tb);
                T_MESHELEM_D& r = m_store.AddElement();
                r.nodes = {c2, c3, x};
                ReplaceFirst(Node(m_store, c2).elements, q, r.id);
                Node(m_store, c3).elements.push_back(r.id);
                Node(m_store, x).elements = {q, ta, tb, r.id};
                return true;
            }
            continue;
        }
        const int qc = ElementAround(m_store, c2, c3, q), qd = ElementAround(m_store, c3, c0, q);
        if (ElementCountAt(m_store, c3) != 3 || !trianglesAtC1 || !IsQuadrilateral(Element(qc)) ||
            !IsQuadrilateral(Element(qd)))
            continue;
        const int r = FarCorner(m_store, ta, c0), s = FarCorner(m_store, tb, c1);
        const bool fa = ElementAround(m_store, c0, r, ta) == qd;
        const bool fb = ElementAround(m_store, c2, s, tb) == qc;
        if (fa && fb) {
            if (!IsFree(m_store, c0) || !IsFree(m_store, c2) || !IsFree(m_store, c3))
                continue;
            const int w = NodeAfter(*Element(qc), s, 1);
            if (ElementAround(m_store, c3, w, qc) != qd)
                continue;
            if (!ChangeCheck(m_store).Shape(q, {c1, s, w, r}).Remove(ta).Remove(tb).Remove(qc).Remove(qd).Sound())
                continue;
            m_store.FindMeshElement(q)->nodes = {c1, s, w, r};
            RemoveFirst(Node(m_store, c1).elements, ta);
            RemoveFirst(Node(m_store, c1).elements, tb);
            ReplaceFirst(Node(m_store, r).elements, ta, q);
            RemoveFirst(Node(m_store, r).elements, qd);
            ReplaceFirst(Node(m_store, s).elements, tb, q);
            RemoveFirst(Node(m_store, s).elements, qc);
            ReplaceFirst(Node(m_store, w).elements, qc, q);
            RemoveFirst(Node(m_store, w).elements, qd);
            for (const int node : {c0, c2, c3})
                m_store.RemoveNode(node);
            for (const int element : {ta, tb, qc, qd})
                m_store.RemoveElement(element);
            return true;
        }
        if (fa || fb || ElementAround(m_store, c3, NodeAfter(*Element(qc), c2, 2), qc) != qd)
            continue;
        if (ElementAround(m_store, c1, r, ta) == tb) {
            if (AbsorbTrianglePair(q, c0, c1, c2, c3, r, ta, tb))
                return true;
            continue;
        }
        // c3 moves into the quadrilateral's middle and joins both triangles.
        const MeshPoint centre = MeanPoint(m_store, {c0, c1, c2, c3});
        std::vector<int> newTa = Element(ta)->nodes, newTb = Element(tb)->nodes;
        InsertAfter(newTa, c1, c3);
        InsertAfter(newTb, c2, c3);
        if (!ChangeCheck(m_store).Move(c3, centre).Shape(ta, newTa).Shape(tb, newTb).Remove(q).Sound())
            continue;
        MoveToMeanOf(m_store, c3, {c0, c1, c2, c3});
        T_MESHNODE_D& moved = Node(m_store, c3);
        m_store.FindMeshElement(ta)->nodes = newTa;
        m_store.FindMeshElement(tb)->nodes = newTb;
        for (const int node : {c0, c1, c2, c3})
            RemoveFirst(Node(m_store, node).elements, q);
        moved.elements.push_back(ta);
        moved.elements.push_back(tb);
        m_store.RemoveElement(q);
        return true;
    }
    return false;
}

bool RingResolver::OneTriangle(int q, const std::vector<int>& nodes)
{
    for (int k = 0; k < 4; ++k) {
        const int c0 = nodes[k], c1 = nodes[(k + 1) % 4], c2 = nodes[(k + 2) % 4], c3 = nodes[(k + 3) % 4];
        if (!IsFree(m_store, c3) || ElementCountAt(m_store, c3) != 3)
            continue;
        const int t = ElementAround(m_store, c0, c1, q), q1 = ElementAround(m_store, c1, c2, q);
        const int q2 = ElementAround(m_store, c2, c3, q), q3 = ElementAround(m_store, c3, c0, q);
        if (!IsTriangle(Element(t)) || !IsQuadrilateral(Element(q1)) || !IsQuadrilateral(Element(q2)) ||
            !IsQuadrilateral(Element(q3)) || ElementAround(m_store, c3, NodeAfter(*Element(q2), c2, 2), q2) != q3)
            continue;
        const int r = FarCorner(m_store, t, c0);
        if (ElementAround(m_store, c1, r, t) != q1) {
            // A boundary corner triangle: c3 moves to the middle and joins it.
            const double angle = PlainAngle(m_store, r, c1, c0);
            if (!m_curves.ShareACurve(c0, r) || !m_curves.ShareACurve(c1, r) || std::fabs(angle - 90.0) > kCornerTriangleTolerance)
                continue;
            const MeshPoint centre = MeanPoint(m_store, {c0, c1, c2, c3});
            std::vector<int> newT = Element(t)->nodes;
            InsertAfter(newT, c1, c3);
            if (!ChangeCheck(m_store).Move(c3, centre).Shape(q, {c1, c2, c3}).Shape(t, newT).Sound())
                continue;
            MoveToMeanOf(m_store, c3, {c0, c1, c2, c3});
            T_MESHNODE_D& moved = Node(m_store, c3);
            m_store.FindMeshElement(q)->nodes = {c1, c2, c3};
            m_store.FindMeshElement(t)->nodes = newT;
            RemoveFirst(Node(m_store, c0).elements, q);
            moved.elements.push_back(t);
            return true;
        }
        if (!IsFree(m_store, c1))
            continue;
        // The diagonal c1-c3 collapses into its midpoint.
        const MeshPoint mid = MeanPoint(m_store, {c1, c3});
        std::vector<int> newQ2 = Element(q2)->nodes, newQ3 = Element(q3)->nodes;
        ReplaceFirst(newQ2, c3, c1);
        ReplaceFirst(newQ3, c3, c1);
        if (!ChangeCheck(m_store).Move(c1, mid).Shape(q2, newQ2).Shape(q3, newQ3).Remove(q).Sound())
            continue;
        MoveToMeanOf(m_store, c1, {c1, c3});
        T_MESHNODE_D& moved = Node(m_store, c1);
        m_store.FindMeshElement(q2)->nodes = newQ2;
        m_store.FindMeshElement(q3)->nodes = newQ3;
        RemoveFirst(Node(m_store, c0).elements, q);
        RemoveFirst(Node(m_store, c2).elements, q);
        ReplaceFirst(moved.elements, q, q2);
        moved.elements.push_back(q3);
        m_store.RemoveNode(c3);
        m_store.RemoveElement(q);
        return true;
    }
    return false;
}

bool RingResolver::Resolve(int quadId)
{
    const T_MESHELEM_D* quad = m_store.FindMeshElement(quadId);
    if (!IsQuadrilateral(quad))
        return false;
    const std::vector<int> c = quad->nodes;
    std::vector<int> across;
    int triangles = 0;
    for (int i = 0; i < 4; ++i) {
        if (m_curves.ShareACurve(c[i], c[(i + 1) % 4]))
            return false;
        const int other = ElementAround(m_store, c[i], c[(i + 1) % 4], quadId);
        if (other == 0)
            return false;
        across.push_back(other);
        triangles += IsTriangle(Element(other)) ? 1 : 0;
    }
    switch (triangles) {
    case 4:
        return FourTriangles(quadId, c, across);
    case 3:
        return ThreeTriangles(quadId, c);
    case 2:
        return TwoTriangles(quadId, c);
    case 1:
        return OneTriangle(quadId, c);
    default:
        return false;
    }
}

}  // namespace

std::vector<int> QuadrilateralIds(const CMeshStore& store)
{
    std::vector<int> ids;
    for (const auto& [id, element] : store.elements) {
        if (element->nodes.size() == 4)
            ids.push_back(id);
    }
    return ids;
}

bool SegmentsCross(const CMeshStore& store, int a, int b, int c, int d)
{
    const MeshPoint pa = store.NodePoint(a), pb = store.NodePoint(b);
    const MeshPoint pc = store.NodePoint(c), pd = store.NodePoint(d);
    return SideOfLine(pa, pb, pc) * SideOfLine(pa, pb, pd) < 0 && SideOfLine(pc, pd, pa) * SideOfLine(pc, pd, pb) < 0;
}

void RemoveTrianglePairsAtValenceFour(CMeshStore& store, const std::vector<int>& elementIds)
{
    for (const int id : elementIds) {
        const T_MESHELEM_D* e = store.FindMeshElement(id);
        if (!IsTriangle(e))
            continue;
        for (int i = 0; i < 3; ++i) {
            const int a = e->nodes[i], b = e->nodes[(i + 1) % 3], c = e->nodes[(i + 2) % 3];
            if (!IsFree(store, b) || !IsFree(store, c) || ElementCountAt(store, b) != 4 ||
                ElementCountAt(store, c) != 4)
                continue;
            const int t2 = ElementAround(store, b, c, id);
            if (!IsTriangle(store.FindMeshElement(t2)))
                continue;
            const int d = NodeAfter(*store.FindMeshElement(t2), b, 1);
            const int q1 = ElementAround(store, a, b, id), q2 = ElementAround(store, b, d, t2);
            if (!IsQuadrilateral(store.FindMeshElement(q1)) || !IsQuadrilateral(store.FindMeshElement(q2)))
                continue;
            const int e2 = NodeAfter(*store.FindMeshElement(q1), a, 2);
            if (ElementAround(store, b, e2, q1) != q2)
                continue;
            const int q3 = ElementAround(store, c, d, t2), q4 = ElementAround(store, a, c, id);
            if (!IsQuadrilateral(store.FindMeshElement(q3)) || !IsQuadrilateral(store.FindMeshElement(q4)))
                continue;
            const int f = NodeAfter(*store.FindMeshElement(q3), d, 2);
            if (ElementAround(store, c, f, q3) != q4)
                continue;
            const MeshPoint mid = MeanPoint(store, {b, c});
            std::vector<int> newQ3 = store.FindMeshElement(q3)->nodes, newQ4 = store.FindMeshElement(q4)->nodes;
            ReplaceFirst(newQ3, c, b);
            ReplaceFirst(newQ4, c, b);
            if (!ChangeCheck(store).Move(b, mid).Shape(q3, newQ3).Shape(q4, newQ4).Remove(id).Remove(t2).Sound())
                continue;
            MoveToMeanOf(store, b, {b, c});
            T_MESHNODE_D& moved = Node(store, b);
            store.FindMeshElement(q3)->nodes = newQ3;
            store.FindMeshElement(q4)->nodes = newQ4;
            RemoveFirst(Node(store, a).elements, id);
            ReplaceFirst(moved.elements, id, q3);
            ReplaceFirst(moved.elements, t2, q4);
            RemoveFirst(Node(store, d).elements, t2);
            store.RemoveNode(c);
            store.RemoveElement(id);
            store.RemoveElement(t2);
            break;
        }
    }
}

bool ResolveQuadsRingedByTriangles(CMeshStore& store, const CBoundaryCurves& curves)
{
    RingResolver resolver(store, curves);
    for (int sweep = 0; sweep < kMaxCleanUpSweeps; ++sweep) {
        bool changed = false;
        for (const int id : QuadrilateralIds(store))
            changed = resolver.Resolve(id) || changed;
        if (!changed)
            return true;
    }
    return false;
}

bool CollapseQuadDoublets(CMeshStore& store, const CBoundaryCurves& curves)
{
    const auto closesAround = [&store](int centre, int first, int second) {
        // `first` runs into the centre from the side before it, `second` out
        // of it; they share the side from the centre to their common node.
        const int x = NodeAfter(*store.FindMeshElement(second), centre, 1);
        return ElementAround(store, centre, x, second) == first;
    };
    for (int sweep = 0; sweep < kMaxCleanUpSweeps; ++sweep) {
        bool changed = false;
        for (const int q : QuadrilateralIds(store)) {
            const T_MESHELEM_D* quad = store.FindMeshElement(q);
            if (!IsQuadrilateral(quad))
                continue;
            const std::vector<int> nodes = quad->nodes;
            for (int k = 0; k < 4; ++k) {
                const int c0 = nodes[k], c1 = nodes[(k + 1) % 4], c2 = nodes[(k + 2) % 4], c3 = nodes[(k + 3) % 4];
                if (!IsFree(store, c2) || ElementCountAt(store, c0) != 3 || ElementCountAt(store, c2) != 3)
                    continue;
                const int qa = ElementAround(store, c0, c3, q), qb = ElementAround(store, c0, c1, q);
                const int qc = ElementAround(store, c2, c1, q), qd = ElementAround(store, c2, c3, q);
                if (!IsQuadrilateral(store.FindMeshElement(qa)) || !IsQuadrilateral(store.FindMeshElement(qb)) ||
                    !IsQuadrilateral(store.FindMeshElement(qc)) || !IsQuadrilateral(store.FindMeshElement(qd)) ||
                    !closesAround(c0, qa, qb) || !closesAround(c2, qc, qd))
                    continue;
                const bool c0Free = IsFree(store, c0);
                if (!c0Free && ((IsFixed(store, c1) && curves.ShareACurve(c0, c1)) ||
                                (IsFixed(store, c3) && curves.ShareACurve(c3, c0))))
                    continue;
                const MeshPoint to = c0Free ? MeanPoint(store, {c0, c2}) : store.NodePoint(c0);
                std::vector<int> newQc = store.FindMeshElement(qc)->nodes, newQd = store.FindMeshElement(qd)->nodes;
                ReplaceFirst(newQc, c2, c0);
                ReplaceFirst(newQd, c2, c0);
                if (!ChangeCheck(store).Move(c0, to).Shape(qc, newQc).Shape(qd, newQd).Remove(q).Sound())
                    continue;
                if (c0Free)
                    MoveToMeanOf(store, c0, {c0, c2});
                T_MESHNODE_D& kept = Node(store, c0);
                store.FindMeshElement(qc)->nodes = newQc;
                store.FindMeshElement(qd)->nodes = newQd;
                ReplaceFirst(kept.elements, q, qc);
                kept.elements.push_back(qd);
                RemoveFirst(Node(store, c1).elements, q);
                RemoveFirst(Node(store, c3).elements, q);
                store.RemoveNode(c2);
                store.RemoveElement(q);
                changed = true;
                break;
            }
        }
        if (!changed)
            return true;
    }
    return false;
}
