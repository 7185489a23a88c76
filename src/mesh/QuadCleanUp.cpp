#include "mesh/QuadCleanUp.h"

#include "mesh/QuadMergeSteps.h"
#include "mesh/QuadTopology.h"

#include <algorithm>

namespace {

constexpr double kWideBoundaryAngle = 145.0;
constexpr double kWideNeighbourLimit = 150.0;
constexpr int kSwapMinimumCount = 9;
constexpr int kSwapGain = 3;
constexpr double kFlatBoundaryAngle = 175.0;
constexpr double kFlatCornerAngle = 179.0;

// The four nodes of an element taken cyclically from position i.
struct Corners {
    int q0, q1, q2, q3;
};

class QuadCleaner {
public:
    QuadCleaner(CMeshStore& store, const CBoundaryCurves& curves) : m_store(store), m_curves(curves) {}

    using Rule = bool (QuadCleaner::*)(T_MESHELEM_D&, const Corners&);
    // Tries the rule at positions 0..3 of every element of the list; acts at
    // the first position where it applies. True when anything changed.
    bool Pass(const std::vector<int>& ids, Rule rule);

    bool WideAngleCollapse(T_MESHELEM_D& e, const Corners& q);
    bool RemoveDoublet(T_MESHELEM_D& e, const Corners& q);
    bool CollapseDiagonal(T_MESHELEM_D& e, const Corners& q);
    bool SwapSide(T_MESHELEM_D& e, const Corners& q);
    bool RemovePair(T_MESHELEM_D& e, const Corners& q);
    void FlatAngleSwaps(const std::vector<int>& ids);

private:
    int Count(int node) const { return ElementCountAt(m_store, node); }
    T_MESHNODE_D& Node(int id) { return *m_store.FindMeshNode(id); }
    T_MESHELEM_D* Element(int id) { return m_store.FindMeshElement(id); }
    int Other(int a, int b, int e) const { return ElementAround(m_store, a, b, e); }
    int FixedCount(std::initializer_list<int> nodes) const
    {
        return static_cast<int>(std::count_if(nodes.begin(), nodes.end(), [&](int n) { return IsFixed(m_store, n); }));
    }
    bool Share(int a, int b) const { return m_curves.ShareACurve(a, b); }
    bool TouchesCorner(int node) const;
    // Flat-angle swap at one position; true when it changed E.
    bool FlatAngleSwap(T_MESHELEM_D& e, const Corners& q);

    CMeshStore& m_store;
    const CBoundaryCurves& m_curves;
};

bool QuadCleaner::Pass(const std::vector<int>& ids, Rule rule)
{
    bool changed = false;
    for (const int id : ids) {
        T_MESHELEM_D* e = Element(id);
        if (!IsQuadrilateral(e))
            continue;
        const std::vector<int> nodes = e->nodes;
        for (int i = 0; i < 4; ++i) {
            const Corners q{nodes[i], nodes[(i + 1) % 4], nodes[(i + 2) % 4], nodes[(i + 3) % 4]};
            if (!m_store.FindMeshNode(q.q0) || !m_store.FindMeshNode(q.q1) || !m_store.FindMeshNode(q.q2) ||
                !m_store.FindMeshNode(q.q3))
                continue;
            if ((this->*rule)(*e, q)) {
                changed = true;
                break;
            }
        }
    }
    return changed;
}

bool QuadCleaner::WideAngleCollapse(T_MESHELEM_D& e, const Corners& q)
{
    if (!IsFixed(m_store, q.q0) || !IsFree(m_store, q.q2) || Count(q.q2) != 3 ||
        CornerAngle(m_store, q.q0, q.q1, q.q3) < kWideBoundaryAngle)
        return false;
    const int x = Other(q.q1, q.q2, e.id), y = Other(q.q2, q.q3, e.id);
    if (x == 0 || y == 0)
        return false;
    const int xn = NodeAfter(*Element(x), q.q1, 1), yn = NodeAfter(*Element(y), q.q2, 2);
    if (!IsFixed(m_store, xn) || !IsFixed(m_store, yn))
        return false;
    // X and Y must close around q2 with E (a side from q2 to their common node).
    if (NodeAfter(*Element(x), q.q1, -1) != q.q2 || NodeAfter(*Element(y), q.q2, 1) != NodeAfter(*Element(x), q.q2, -1))
        return false;
    if (IsFixed(m_store, q.q1) && CornerAngle(m_store, q.q1, xn, q.q0) > kWideNeighbourLimit)
        return false;
    if (IsFixed(m_store, q.q3) && CornerAngle(m_store, q.q3, q.q0, yn) > kWideNeighbourLimit)
        return false;
    std::vector<int> newX = Element(x)->nodes, newY = Element(y)->nodes;
    ReplaceFirst(newX, q.q2, q.q0);
    ReplaceFirst(newY, q.q2, q.q0);
    if (!ChangeCheck(m_store).Shape(x, newX).Shape(y, newY).Remove(e.id).Sound())
        return false;
    Element(x)->nodes = newX;
    Element(y)->nodes = newY;
    for (const int n : {q.q0, q.q1, q.q3})
        RemoveFirst(Node(n).elements, e.id);
    Node(q.q0).elements.push_back(x);
    Node(q.q0).elements.push_back(y);
    m_store.RemoveNode(q.q2);
    m_store.RemoveElement(e.id);
    return true;
}

bool QuadCleaner::RemoveDoublet(T_MESHELEM_D& e, const Corners& q)
{
    if (!IsFree(m_store, q.q1) || Count(q.q1) != 2)
        return false;
    const std::vector<int>& list = Node(q.q1).elements;
    const int o = list[0] == e.id ? list[1] : list[0];
    // The two must share both sides at the node; elsewhere the node is no
    // doublet and the merge would drop an element's area.
    if (o == e.id || Element(o) == nullptr || NodeAfter(*Element(o), q.q2, 1) != q.q1 ||
        NodeAfter(*Element(o), q.q1, 1) != q.q0)
        return false;
    const int d = NodeAfter(*Element(o), q.q0, 1);
    if (m_store.FindMeshNode(d) == nullptr)
        return false;
    const std::vector<int> merged{q.q0, d, q.q2, q.q3};
    if (!ChangeCheck(m_store).Shape(e.id, merged).Remove(o).Sound())
        return false;
    e.nodes = merged;
    RemoveFirst(Node(q.q0).elements, o);
    RemoveFirst(Node(q.q2).elements, o);
    ReplaceFirst(Node(d).elements, o, e.id);
    m_store.RemoveNode(q.q1);
    m_store.RemoveElement(o);
    return true;
}

bool QuadCleaner::CollapseDiagonal(T_MESHELEM_D& e, const Corners& q)
{
    if (!IsFree(m_store, q.q2) || Count(q.q0) != 3 || Count(q.q2) != 3)
        return false;
    const int e1 = Other(q.q0, q.q3, e.id), e2 = Other(q.q0, q.q1, e.id);
    if (e1 == 0 || e2 == 0)
        return false;
    const int x = NodeAfter(*Element(e1), q.q3, 2);
    if (m_store.FindMeshNode(x) == nullptr || Other(q.q0, x, e1) != e2)
        return false;
    const int e3 = Other(q.q1, q.q2, e.id), e4 = Other(q.q2, q.q3, e.id);
    if (e3 == 0 || e4 == 0)
        return false;
    const int y = NodeAfter(*Element(e3), q.q1, 2);
    if (m_store.FindMeshNode(y) == nullptr || Other(q.q2, y, e3) != e4)
        return false;
    const bool q0Free = IsFree(m_store, q.q0);
    if (!q0Free && ((IsFixed(m_store, q.q1) && Share(q.q0, q.q1)) || (IsFixed(m_store, q.q3) && Share(q.q3, q.q0))))
        return false;
    const MeshPoint to = q0Free ? MeanPoint(m_store, {q.q0, q.q2}) : m_store.NodePoint(q.q0);
    std::vector<int> newE3 = Element(e3)->nodes, newE4 = Element(e4)->nodes;
    ReplaceFirst(newE3, q.q2, q.q0);
    ReplaceFirst(newE4, q.q2, q.q0);
    if (!ChangeCheck(m_store).Move(q.q0, to).Shape(e3, newE3).Shape(e4, newE4).Remove(e.id).Sound())
        return false;
    if (q0Free)
        MoveToMeanOf(m_store, q.q0, {q.q0, q.q2});
    T_MESHNODE_D& kept = Node(q.q0);
    Element(e3)->nodes = newE3;
    Element(e4)->nodes = newE4;
    ReplaceFirst(kept.elements, e.id, e3);
    kept.elements.push_back(e4);
    RemoveFirst(Node(q.q1).elements, e.id);
    RemoveFirst(Node(q.q3).elements, e.id);
    m_store.RemoveNode(q.q2);
    m_store.RemoveElement(e.id);
    return true;
}

bool QuadCleaner::TouchesCorner(int node) const
{
    const std::vector<int>& corners = m_store.cornerNodes;
    for (const int elementId : m_store.FindMeshNode(node)->elements) {
        const T_MESHELEM_D* element = m_store.FindMeshElement(elementId);
        if (element == nullptr)
            continue;
        for (const int n : element->nodes) {
            if (std::binary_search(corners.begin(), corners.end(), n))
                return true;
        }
    }
    return false;
}

bool QuadCleaner::SwapSide(T_MESHELEM_D& e, const Corners& q)
{
    if (IsFixed(m_store, q.q0) && IsFixed(m_store, q.q1) && Share(q.q0, q.q1))
        return false;
    const int s = Count(q.q0) + Count(q.q1);
    if (s < kSwapMinimumCount || TouchesCorner(q.q0) || TouchesCorner(q.q1))
        return false;
    const int f = Other(q.q0, q.q1, e.id);
    if (!IsQuadrilateral(Element(f)))
        return false;
    const int m1 = NodeAfter(*Element(f), q.q0, 1), m2 = NodeAfter(*Element(f), q.q0, 2);
    if (!m_store.FindMeshNode(m1) || !m_store.FindMeshNode(m2))
        return false;
    const int sa = Count(q.q2) + Count(m1), sb = Count(q.q3) + Count(m2);
    std::vector<int> newE, newF;
    if (s >= sa + kSwapGain && sb >= sa) {
        if (Share(q.q1, q.q2) || Share(q.q2, q.q3) || Share(q.q0, m1) || Share(m1, m2) ||
            FixedCount({q.q0, m1, q.q2, q.q3}) > 2 || FixedCount({m1, m2, q.q1, q.q2}) > 2)
            return false;
        newE = {q.q0, m1, q.q2, q.q3};
        newF = {m1, m2, q.q1, q.q2};
        if (!ChangeCheck(m_store).Shape(e.id, newE).Shape(f, newF).Sound())
            return false;
        RemoveFirst(Node(q.q0).elements, f);
        RemoveFirst(Node(q.q1).elements, e.id);
        Node(q.q2).elements.push_back(f);
        Node(m1).elements.push_back(e.id);
    } else if (s >= sb + kSwapGain && sa >= sb) {
        if (Share(q.q2, q.q3) || Share(q.q3, q.q0) || Share(q.q1, m2) || Share(m2, m1) ||
            FixedCount({m2, q.q1, q.q2, q.q3}) > 2 || FixedCount({q.q0, m1, m2, q.q3}) > 2)
            return false;
        newE = {m2, q.q1, q.q2, q.q3};
        newF = {q.q0, m1, m2, q.q3};
        if (!ChangeCheck(m_store).Shape(e.id, newE).Shape(f, newF).Sound())
            return false;
        RemoveFirst(Node(q.q0).elements, e.id);
        RemoveFirst(Node(q.q1).elements, f);
        Node(q.q3).elements.push_back(f);
        Node(m2).elements.push_back(e.id);
    } else {
        return false;
    }
    e.nodes = newE;
    Element(f)->nodes = newF;
    return true;
}

bool QuadCleaner::RemovePair(T_MESHELEM_D& e, const Corners& q)
{
    if (!IsFree(m_store, q.q2) || !IsFree(m_store, q.q3) || Count(q.q2) != 3 || Count(q.q3) != 3)
        return false;
    const int f = Other(q.q2, q.q3, e.id), g = Other(q.q0, q.q3, e.id), h = Other(q.q1, q.q2, e.id);
    if (!IsQuadrilateral(Element(f)) || !IsQuadrilateral(Element(g)) || !IsQuadrilateral(Element(h)) || f == g ||
        g == h || h == f)
        return false;
    const int f1 = NodeAfter(*Element(f), q.q2, 1), f2 = NodeAfter(*Element(f), q.q2, 2);
    const int gn = NodeAfter(*Element(g), f2, 1), hn = NodeAfter(*Element(h), q.q1, 1);
    // The four elements must fill the hexagon around the two inner nodes.
    if (!m_store.FindMeshNode(f1) || !m_store.FindMeshNode(f2) || !m_store.FindMeshNode(gn) ||
        !m_store.FindMeshNode(hn) || NodeAfter(*Element(g), q.q3, 1) != f2 || NodeAfter(*Element(h), f1, 1) != q.q2)
        return false;
    const int s1 = Count(q.q0) + Count(f1), s2 = Count(q.q1) + Count(f2);
    std::vector<int> newE, newF;
    if (s1 < s2) {
        if (FixedCount({q.q0, q.q1, hn, f1}) > 2 || FixedCount({q.q0, f1, f2, gn}) > 2)
            return false;
        newE = {q.q0, q.q1, hn, f1};
        newF = {q.q0, f1, f2, gn};
    } else {
        if (FixedCount({q.q0, q.q1, f2, gn}) > 2 || FixedCount({q.q1, hn, f1, f2}) > 2)
            return false;
        newE = {q.q0, q.q1, f2, gn};
        newF = {q.q1, hn, f1, f2};
    }
    if (!ChangeCheck(m_store).Shape(e.id, newE).Shape(f, newF).Remove(g).Remove(h).Sound())
        return false;
    if (s1 < s2) {
        ReplaceFirst(Node(q.q0).elements, g, f);
        RemoveFirst(Node(q.q1).elements, h);
        ReplaceFirst(Node(f1).elements, h, e.id);
        RemoveFirst(Node(f2).elements, g);
        ReplaceFirst(Node(gn).elements, g, f);
        ReplaceFirst(Node(hn).elements, h, e.id);
    } else {
        RemoveFirst(Node(q.q0).elements, g);
        ReplaceFirst(Node(q.q1).elements, h, f);
        RemoveFirst(Node(f1).elements, h);
        ReplaceFirst(Node(f2).elements, g, e.id);
        ReplaceFirst(Node(gn).elements, g, e.id);
        ReplaceFirst(Node(hn).elements, h, f);
    }
    e.nodes = newE;
    Element(f)->nodes = newF;
    m_store.RemoveNode(q.q2);
    m_store.RemoveNode(q.q3);
    m_store.RemoveElement(g);
    m_store.RemoveElement(h);
    return true;
}

bool QuadCleaner::FlatAngleSwap(T_MESHELEM_D& e, const Corners& q)
{
    const double d1 = MeshDistance(m_store.NodePoint(q.q0), m_store.NodePoint(q.q1));
    const double d3 = MeshDistance(m_store.NodePoint(q.q0), m_store.NodePoint(q.q3));
    int x = 0;
    std::vector<int> newE, newX;
    if (IsFixed(m_store, q.q1) && d1 >= d3) {
        if (!IsFree(m_store, q.q2) || !IsFree(m_store, q.q3))
            return false;
        x = Other(q.q2, q.q3, e.id);
        if (!IsQuadrilateral(Element(x)))
            return false;
        const int x1 = NodeAfter(*Element(x), q.q2, 1), x2 = NodeAfter(*Element(x), q.q2, 2);
        newE = {q.q0, q.q1, q.q2, x1};
        newX = {q.q0, x1, x2, q.q3};
        if (!ChangeCheck(m_store).Shape(e.id, newE).Shape(x, newX).Sound())
            return false;
        Node(q.q0).elements.push_back(x);
        RemoveFirst(Node(q.q2).elements, x);
        RemoveFirst(Node(q.q3).elements, e.id);
        Node(x1).elements.push_back(e.id);
    } else {
        if (!IsFree(m_store, q.q1) || !IsFree(m_store, q.q2))
            return false;
        x = Other(q.q1, q.q2, e.id);
        if (!IsQuadrilateral(Element(x)))
            return false;
        const int x1 = NodeAfter(*Element(x), q.q1, 1), x2 = NodeAfter(*Element(x), q.q1, 2);
        newE = {q.q0, x2, q.q2, q.q3};
        newX = {q.q1, x1, x2, q.q0};
        if (!ChangeCheck(m_store).Shape(e.id, newE).Shape(x, newX).Sound())
            return false;
        Node(q.q0).elements.push_back(x);
        RemoveFirst(Node(q.q2).elements, x);
        RemoveFirst(Node(q.q1).elements, e.id);
        Node(x2).elements.push_back(e.id);
    }
    e.nodes = newE;
    Element(x)->nodes = newX;
    e.tag = 0;
    Element(x)->tag = 0;
    return true;
}

void QuadCleaner::FlatAngleSwaps(const std::vector<int>& ids)
{
    for (const int id : ids) {
        T_MESHELEM_D* e = Element(id);
        if (!IsQuadrilateral(e) || e->tag == 0)
            continue;
        for (int i = 0; i < 4; ++i) {
            const std::vector<int>& n = e->nodes;
            const Corners q{n[i], n[(i + 1) % 4], n[(i + 2) % 4], n[(i + 3) % 4]};
            if (!m_store.FindMeshNode(q.q0) || !m_store.FindMeshNode(q.q1) || !m_store.FindMeshNode(q.q2) ||
                !m_store.FindMeshNode(q.q3))
                continue;
            if (!IsFixed(m_store, q.q0) || CornerAngle(m_store, q.q0, q.q1, q.q3) < kFlatBoundaryAngle)
                continue;
            const double d1 = MeshDistance(m_store.NodePoint(q.q0), m_store.NodePoint(q.q1));
            const double d3 = MeshDistance(m_store.NodePoint(q.q0), m_store.NodePoint(q.q3));
            const bool qualifies = (IsFixed(m_store, q.q1) && d1 >= d3) || (IsFixed(m_store, q.q3) && d3 >= d1);
            if (!qualifies)
                break;
            FlatAngleSwap(*e, q);
        }
    }
}

std::vector<int> AllElementIds(const CMeshStore& store)
{
    std::vector<int> ids;
    for (const auto& entry : store.elements)
        ids.push_back(entry.first);
    return ids;
}

}  // namespace

MeshStageResult CleanUpQuads(CMeshStore& store, const CBoundaryCurves& curves, const MeshCancelPoll& poll)
{
    RebuildNodeElementLists(store);
    QuadCleaner cleaner(store, curves);
    cleaner.Pass(AllElementIds(store), &QuadCleaner::WideAngleCollapse);

    // A pass over a large mesh takes a good part of a second.
    const std::vector<int> ids = AllElementIds(store);
    bool ended = false;
    for (int sweep = 0; sweep < kMaxCleanUpSweeps && !ended; ++sweep) {
        bool changed = false;
        for (const auto step : {&QuadCleaner::RemoveDoublet, &QuadCleaner::CollapseDiagonal, &QuadCleaner::SwapSide,
                                &QuadCleaner::RemovePair}) {
            if (poll())
                return MeshStageResult::Canceled();
            changed = cleaner.Pass(ids, step) || changed;
        }
        ended = !changed;
    }
    if (!ended)
        return MeshStageResult::Failed("the quadrilateral clean-up does not come to an end");
    if (poll())
        return MeshStageResult::Canceled();

    for (auto& entry : store.elements)
        entry.second->tag = entry.first;
    cleaner.FlatAngleSwaps(AllElementIds(store));
    return {};
}

int SplitFlatCornerQuads(CMeshStore& store, const CBoundaryCurves& curves)
{
    int cuts = 0;
    for (const int id : AllElementIds(store)) {
        T_MESHELEM_D* e = store.FindMeshElement(id);
        if (!IsQuadrilateral(e))
            continue;
        int taken = -1;
        double best = 0.0;
        for (int i = 0; i < 4; ++i) {
            const int q0 = e->nodes[i], q1 = e->nodes[(i + 1) % 4], q2 = e->nodes[(i + 2) % 4];
            const int q3 = e->nodes[(i + 3) % 4];
            if (!store.FindMeshNode(q0) || !store.FindMeshNode(q1) || !store.FindMeshNode(q2) || !store.FindMeshNode(q3))
                continue;
            if (IsFixed(store, q0) && IsFixed(store, q2) && curves.ShareACurve(q0, q2))
                continue;
            const double angle = CornerAngle(store, q0, q1, q3);
            if (angle >= kFlatCornerAngle && angle > best) {
                best = angle;
                taken = i;
            }
        }
        if (taken < 0)
            continue;
        const std::vector<int> n = e->nodes;
        const int q0 = n[taken], q1 = n[(taken + 1) % 4], q2 = n[(taken + 2) % 4], q3 = n[(taken + 3) % 4];
        if (!ChangeCheck(store).Shape(id, {q0, q1, q2}).Shape(0, {q0, q2, q3}).Sound())
            continue;
        e->nodes = {q0, q1, q2};
        T_MESHELEM_D& cut = store.AddElement();
        cut.nodes = {q0, q2, q3};
        store.FindMeshNode(q0)->elements.push_back(cut.id);
        store.FindMeshNode(q2)->elements.push_back(cut.id);
        ReplaceFirst(store.FindMeshNode(q3)->elements, id, cut.id);
        ++cuts;
    }
    return cuts;
}
