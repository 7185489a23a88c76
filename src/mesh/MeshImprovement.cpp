#include "mesh/MeshImprovement.h"

#include "mesh/DelaunayInsertion.h"
#include "mesh/QuadTopology.h"

#include <algorithm>
#include <cmath>

namespace {

// Moving a node costs little; a look for Escape between many of them costs
// nothing worth counting.
constexpr int kNodesBetweenPolls = 4096;

// Twice the area of an element not yet sound must exceed this fraction of its
// longest side squared after a move.
constexpr double kRelativeAreaEpsilon = 1e-12;

double TwiceArea(const std::vector<MeshPoint>& corners)
{
    double twiceArea = 0.0;
    for (size_t i = 0; i < corners.size(); ++i) {
        const MeshPoint& p = corners[i];
        const MeshPoint& q = corners[(i + 1) % corners.size()];
        twiceArea += p.x * q.y - q.x * p.y;
    }
    return twiceArea;
}

double LongestSideSquared(const std::vector<MeshPoint>& corners)
{
    double longest = 0.0;
    for (size_t i = 0; i < corners.size(); ++i) {
        const MeshPoint& p = corners[i];
        const MeshPoint& q = corners[(i + 1) % corners.size()];
        longest = std::max(longest, (q.x - p.x) * (q.x - p.x) + (q.y - p.y) * (q.y - p.y));
    }
    return longest;
}

// A sound element (counter-clockwise, a quadrilateral strictly convex) must
// stay sound; one that is not yet sound may move but must keep a positive area.
bool StaysProper(const CMeshStore& store, const T_MESHELEM_D& element, int movedNode, const MeshPoint& to)
{
    std::vector<MeshPoint> before, after;
    for (const int id : element.nodes) {
        before.push_back(store.NodePoint(id));
        after.push_back(id == movedNode ? to : store.NodePoint(id));
    }
    if (IsSoundShape(after))
        return true;
    if (IsSoundShape(before))
        return false;
    return TwiceArea(after) > kRelativeAreaEpsilon * LongestSideSquared(after);
}

}  // namespace

void CountValences(CMeshStore& store)
{
    for (auto& entry : store.nodes)
        entry.second->valence = 0;
    for (const auto& entry : store.edges) {
        for (const int end : {entry.second->node1, entry.second->node2}) {
            if (T_MESHNODE_D* node = store.FindMeshNode(end))
                ++node->valence;
        }
    }
}

bool ImproveValences(CMeshStore& store, const MeshCancelPoll& poll)
{
    for (const int difference : {6, 5, 4}) {
        if (poll())
            return false;
        for (const auto& [edgeId, edge] : store.edges) {
            if (edge->constrained)
                continue;
            const T_MESHELEM_D* left = store.FindMeshElement(edge->leftElement);
            const T_MESHELEM_D* right = store.FindMeshElement(edge->rightElement);
            if (left == nullptr || right == nullptr)
                continue;
            T_MESHNODE_D* a = store.FindMeshNode(edge->node1);
            T_MESHNODE_D* b = store.FindMeshNode(edge->node2);
            T_MESHNODE_D* pL = store.FindMeshNode(OppositeNode(left, edgeId));
            T_MESHNODE_D* pR = store.FindMeshNode(OppositeNode(right, edgeId));
            if (a == nullptr || b == nullptr || pL == nullptr || pR == nullptr || a->fixed || b->fixed)
                continue;
            if (a->valence + b->valence - pL->valence - pR->valence != difference)
                continue;
            if (!FlipEdge(store, edgeId))
                continue;  // the quadrilateral is not convex
            --a->valence;
            --b->valence;
            ++pL->valence;
            ++pR->valence;
        }
    }
    return true;
}

bool SmoothMesh(CMeshStore& store, int passes, const MeshCancelPoll& poll)
{
    RebuildNodeElementLists(store);

    // A pass over a large mesh takes seconds.
    int visited = 0;
    for (int pass = 0; pass < passes; ++pass) {
        for (auto& [nodeId, node] : store.nodes) {
            if (++visited % kNodesBetweenPolls == 0 && poll())
                return false;
            if (node->fixed || node->elements.empty())
                continue;
            double sumX = 0.0, sumY = 0.0;
            int count = 0;
            for (const int elementId : node->elements) {
                const T_MESHELEM_D* element = store.FindMeshElement(elementId);
                if (element == nullptr) {
                    count = 0;
                    break;
                }
                const size_t n = element->nodes.size();
                for (size_t k = 0; k < n; ++k) {
                    if (element->nodes[k] != nodeId)
                        continue;
                    const T_MESHNODE_D* before = store.FindMeshNode(element->nodes[(k + n - 1) % n]);
                    const T_MESHNODE_D* after = store.FindMeshNode(element->nodes[(k + 1) % n]);
                    if (before != nullptr && after != nullptr) {
                        sumX += before->x + after->x;
                        sumY += before->y + after->y;
                        count += 2;
                    }
                }
            }
            if (count == 0)
                continue;
            const MeshPoint to{sumX / count, sumY / count};
            const bool sound =
                std::all_of(node->elements.begin(), node->elements.end(), [&, id = nodeId](int elementId) {
                    return StaysProper(store, *store.FindMeshElement(elementId), id, to);
                });
            if (sound) {
                node->x = to.x;
                node->y = to.y;
            }
        }
    }
    return true;
}
