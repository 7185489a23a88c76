#include "mesh/MeshImprovement.h"

#include "mesh/DelaunayInsertion.h"

#include <algorithm>
#include <cmath>

namespace {

// Twice the area of the element with one node moved must exceed this fraction
// of its longest side squared.
constexpr double kRelativeAreaEpsilon = 1e-12;

bool StaysProper(const CMeshStore& store, const T_MESHELEM_D& element, int movedNode, const MeshPoint& to)
{
    const size_t n = element.nodes.size();
    const auto corner = [&](size_t i) {
        const int id = element.nodes[i % n];
        return id == movedNode ? to : store.NodePoint(id);
    };
    double twiceArea = 0.0;
    double longestSquared = 0.0;
    for (size_t i = 0; i < n; ++i) {
        const MeshPoint p = corner(i);
        const MeshPoint q = corner(i + 1);
        twiceArea += p.x * q.y - q.x * p.y;
        longestSquared = std::max(longestSquared, (q.x - p.x) * (q.x - p.x) + (q.y - p.y) * (q.y - p.y));
    }
    return twiceArea > kRelativeAreaEpsilon * longestSquared;
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

void ImproveValences(CMeshStore& store)
{
    for (const int difference : {6, 5, 4}) {
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
}

void SmoothMesh(CMeshStore& store, int passes)
{
    for (auto& entry : store.nodes)
        entry.second->elements.clear();
    for (const auto& [elementId, element] : store.elements) {
        for (const int nodeId : element->nodes) {
            if (T_MESHNODE_D* node = store.FindMeshNode(nodeId))
                node->elements.push_back(elementId);
        }
    }

    for (int pass = 0; pass < passes; ++pass) {
        for (auto& [nodeId, node] : store.nodes) {
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
            const bool sound = std::all_of(node->elements.begin(), node->elements.end(), [&](int elementId) {
                return StaysProper(store, *store.FindMeshElement(elementId), nodeId, to);
            });
            if (sound) {
                node->x = to.x;
                node->y = to.y;
            }
        }
    }
}
