#include "mesh/QuadMerge.h"

#include "mesh/QuadMergeSteps.h"
#include "mesh/QuadTopology.h"

#include <array>
#include <cmath>

namespace {

struct PassWindow {
    double lower;  // degrees; every angle of a candidate lies strictly inside
    double upper;
};

constexpr std::array<PassWindow, 5> kPassWindows{{{79, 101}, {59, 121}, {44, 136}, {29, 151}, {9, 171}}};
constexpr size_t kQuadDominantPasses = 3;
// From this pass on, a corner between boundary midpoints wider than this
// rejects a candidate.
constexpr size_t kFirstMidpointTestPass = 3;
constexpr double kBoundaryCornerLimit = 150.0;
// The pass in which a near-right angle at a fixed far corner earns no bonus.
constexpr size_t kPassWithoutBonus = 3;
constexpr double kNoScore = 1e35;

std::vector<int> ElementIds(const CMeshStore& store)
{
    std::vector<int> ids;
    ids.reserve(store.elements.size());
    for (const auto& entry : store.elements)
        ids.push_back(entry.first);
    return ids;
}

// An interior node with exactly four triangles around it goes; the four become
// one quadrilateral.
void RemoveNodesOfFourTriangles(CMeshStore& store, const std::vector<int>& elementIds)
{
    for (const int id : elementIds) {
        T_MESHELEM_D* t = store.FindMeshElement(id);
        if (!IsTriangle(t))
            continue;
        for (int i = 0; i < 3; ++i) {
            const int a = t->nodes[i], b = t->nodes[(i + 1) % 3], c = t->nodes[(i + 2) % 3];
            if (!IsFree(store, b) || ElementCountAt(store, b) != 4)
                continue;
            const int t2 = ElementAround(store, b, c, id);
            const int t3 = ElementAround(store, a, b, id);
            if (!IsTriangle(store.FindMeshElement(t2)) || !IsTriangle(store.FindMeshElement(t3)))
                continue;
            const int d = NodeAfter(*store.FindMeshElement(t2), b, 1);
            const int e = NodeAfter(*store.FindMeshElement(t3), a, 1);
            const int t4 = ElementAround(store, d, b, t2);
            if (!IsTriangle(store.FindMeshElement(t4)) || ElementAround(store, b, e, t3) != t4)
                continue;
            if (PlainAngle(store, a, e, c) < 0 || PlainAngle(store, c, a, d) < 0 || PlainAngle(store, d, c, e) < 0 ||
                PlainAngle(store, e, d, a) < 0)
                continue;
            if (!ChangeCheck(store).Shape(id, {a, e, d, c}).Remove(t2).Remove(t3).Remove(t4).Sound())
                continue;
            t->nodes = {a, e, d, c};
            RemoveFirst(store.FindMeshNode(a)->elements, t3);
            RemoveFirst(store.FindMeshNode(c)->elements, t2);
            T_MESHNODE_D* ne = store.FindMeshNode(e);
            ReplaceFirst(ne->elements, t3, id);
            RemoveFirst(ne->elements, t4);
            T_MESHNODE_D* nd = store.FindMeshNode(d);
            ReplaceFirst(nd->elements, t2, id);
            RemoveFirst(nd->elements, t4);
            store.RemoveNode(b);
            store.RemoveElement(t2);
            store.RemoveElement(t3);
            store.RemoveElement(t4);
            break;
        }
    }
}

void ComputeNeighbours(const CMeshStore& store, T_MESHELEM_D& element)
{
    const size_t n = element.nodes.size();
    element.neighbours.assign(n, 0);
    for (size_t i = 0; i < n; ++i)
        element.neighbours[i] = ElementAround(store, element.nodes[i], element.nodes[(i + 1) % n], element.id);
}

class MergingPasses {
public:
    MergingPasses(CMeshStore& store, const CBoundaryCurves& curves) : m_store(store), m_curves(curves) {}

    void Run(size_t pass);
    const std::vector<int>& MergedPartners() const { return m_merged; }

private:
    // Score of merging the triangle across side i (kNoScore when no candidate).
    double Score(size_t pass, const T_MESHELEM_D& t, int i) const;
    bool WideBoundaryCorner(int apex, int first, int second) const;
    void Merge(T_MESHELEM_D& t, T_MESHELEM_D& partner);

    CMeshStore& m_store;
    const CBoundaryCurves& m_curves;
    std::vector<int> m_merged;
};

bool MergingPasses::WideBoundaryCorner(int apex, int first, int second) const
{
    // The angle at the apex from the boundary midpoint towards `second` to
    // the one towards `first`.
    const MeshPoint pa = m_store.NodePoint(apex);
    const double pApex[2] = {pa.x, pa.y};
    double towards[2][2];
    const int ends[2] = {second, first};
    for (int k = 0; k < 2; ++k) {
        const MeshPoint pe = m_store.NodePoint(ends[k]);
        const double pEnd[2] = {pe.x, pe.y};
        m_curves.GetBoundaryMidpoint(m_store, apex, pApex, ends[k], pEnd, towards[k]);
    }
    return MeshAngleAt(pa, MeshPoint{towards[0][0], towards[0][1]}, MeshPoint{towards[1][0], towards[1][1]}) >
           kBoundaryCornerLimit;
}

double MergingPasses::Score(size_t pass, const T_MESHELEM_D& t, int i) const
{
    const int a = t.nodes[i], b = t.nodes[(i + 1) % 3], c = t.nodes[(i + 2) % 3];
    if (IsFixed(m_store, a) && IsFixed(m_store, b) && m_curves.ShareACurve(a, b))
        return kNoScore;
    const T_MESHELEM_D* partner = m_store.FindMeshElement(t.neighbours[i]);
    if (!IsTriangle(partner) || !Holds(partner->nodes, a) || !Holds(partner->nodes, b))
        return kNoScore;
    const int d = NodeAfter(*partner, a, 1);
    if (d == b || m_store.FindMeshNode(d) == nullptr)
        return kNoScore;

    if (pass >= kFirstMidpointTestPass) {
        const bool cdFixed = IsFixed(m_store, c) && IsFixed(m_store, d);
        if (cdFixed && IsFixed(m_store, a) && WideBoundaryCorner(a, c, d))
            return kNoScore;
        if (cdFixed && IsFixed(m_store, b) && WideBoundaryCorner(b, d, c))
            return kNoScore;
    }

    const double angC = PlainAngle(m_store, c, a, b);
    const double angD = PlainAngle(m_store, d, b, a);
    const double angA = PlainAngle(m_store, a, d, c);
    const double angB = 360.0 - (angC + angD + angA);
    const PassWindow window = kPassWindows[pass];
    for (const double angle : {angA, angB, angC, angD}) {
        if (!(window.lower < angle && angle < window.upper))
            return kNoScore;
    }
    if (!ChangeCheck(m_store).Shape(t.id, {a, d, b, c}).Remove(partner->id).Sound())
        return kNoScore;
    double score = (std::fabs(90 - angC) + std::fabs(90 - angD) + std::fabs(90 - angA) + std::fabs(90 - angB)) / 4;
    if (pass != kPassWithoutBonus && IsFixed(m_store, a) && IsFixed(m_store, b) && IsFixed(m_store, d) &&
        80 < angD && angD < 100)
        score /= 2;
    return score;
}

void MergingPasses::Merge(T_MESHELEM_D& t, T_MESHELEM_D& partner)
{
    std::vector<int> affected{t.id};
    for (int i = 0; i < 3; ++i) {
        if (t.neighbours[i] != partner.id)
            affected.push_back(t.neighbours[i]);
        if (partner.neighbours.size() == 3 && partner.neighbours[i] != t.id)
            affected.push_back(partner.neighbours[i]);
    }
    for (int i = 0; i < 3; ++i) {
        const int x0 = t.nodes[i], x1 = t.nodes[(i + 1) % 3], x2 = t.nodes[(i + 2) % 3];
        const int y2 = NodeAfter(partner, x0, 1);
        if (NodeAfter(partner, x1, 1) == x0) {
            t.nodes = {x0, y2, x1, x2};
            break;
        }
    }
    partner.nodes.clear();
    m_merged.push_back(partner.id);
    for (const int id : affected) {
        if (T_MESHELEM_D* element = m_store.FindMeshElement(id))
            ComputeNeighbours(m_store, *element);
    }
}

void MergingPasses::Run(size_t pass)
{
    for (auto& [id, element] : m_store.elements) {
        T_MESHELEM_D& t = *element;
        if (t.nodes.size() != 3 || t.neighbours.size() != 3)
            continue;
        double best = kNoScore;
        int bestSide = -1;
        for (int i = 0; i < 3; ++i) {
            if (t.neighbours[i] == 0)
                continue;
            const double score = Score(pass, t, i);
            if (score < best) {
                best = score;
                bestSide = i;
            }
        }
        if (bestSide >= 0)
            Merge(t, *m_store.FindMeshElement(t.neighbours[bestSide]));
    }
}

}  // namespace

MeshStageResult MergeTrianglesToQuads(CMeshStore& store, const CBoundaryCurves& curves, int mode,
                                      const MeshCancelPoll& poll)
{
    const MeshStageResult endless = MeshStageResult::Failed("the quadrilateral clean-up does not come to an end");
    RebuildNodeElementLists(store);
    RemoveNodesOfFourTriangles(store, ElementIds(store));
    if (poll())
        return MeshStageResult::Canceled();

    const size_t passes = mode == 1 ? kPassWindows.size() : kQuadDominantPasses;
    for (auto& entry : store.elements)
        ComputeNeighbours(store, *entry.second);
    MergingPasses merging(store, curves);
    for (size_t pass = 0; pass < passes; ++pass) {
        if (poll())
            return MeshStageResult::Canceled();
        merging.Run(pass);
    }
    if (poll())
        return MeshStageResult::Canceled();
    for (const int partner : merging.MergedPartners())
        store.RemoveElement(partner);
    RebuildNodeElementLists(store);

    RemoveTrianglePairsAtValenceFour(store, ElementIds(store));
    if (poll())
        return MeshStageResult::Canceled();
    if (!ResolveQuadsRingedByTriangles(store, curves))
        return endless;
    if (poll())
        return MeshStageResult::Canceled();
    if (!CleanUpAlongBoundary(store, curves))
        return endless;
    if (poll())
        return MeshStageResult::Canceled();
    if (!CollapseQuadDoublets(store, curves))
        return endless;
    if (poll())
        return MeshStageResult::Canceled();
    CorrectAlongCurves(store, curves);
    return {};
}
