#include "mesh/DomainMeshExport.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>

namespace {

// A boundary node joins a node of an earlier domain closer than this fraction
// of its own spacing: the two were placed at the same arc length of one curve
// (or its reversed twin) and differ by rounding only.
constexpr double kJoinFraction = 1e-3;

// Exporting an element or a node costs little; a poll between many of them
// costs nothing worth counting.
constexpr int kItemsBetweenPolls = 4096;

// The earlier domains' nodes, sorted by x for the join search.
class EarlierNodes {
public:
    explicit EarlierNodes(const CSectModel& model)
    {
        for (const auto& [id, node] : model.m_feNodes)
            m_byX.push_back({node->xy[0], id});
        std::sort(m_byX.begin(), m_byX.end());
    }

    // Lowest id strictly closer than radius; 0 when none.
    int Find(const CSectModel& model, const double xy[2], double radius) const
    {
        int best = 0;
        auto it = std::lower_bound(m_byX.begin(), m_byX.end(), std::make_pair(xy[0] - radius, 0));
        for (; it != m_byX.end() && it->first <= xy[0] + radius; ++it) {
            const T_FENODE_D* node = model.FindFeNode(it->second);
            const bool near = std::hypot(node->xy[0] - xy[0], node->xy[1] - xy[1]) < radius;
            if (near && (best == 0 || it->second < best))
                best = it->second;
        }
        return best;
    }

private:
    std::vector<std::pair<double, int>> m_byX;
};

}  // namespace

MeshStageResult ExportDomainMesh(CSectModel& model, T_SECTION_D* section, T_DOMAIN_D* domain, CMeshStore& store,
                                 const MeshCancelPoll& poll)
{
    std::size_t exported = 0;
    const auto cancelled = [&] { return exported++ % kItemsBetweenPolls == 0 && poll(); };
    for (auto& entry : store.nodes)
        entry.second->feNodeId = 0;

    // Nodes that elements use; an element without three existing, distinct
    // corners is a fault of the mesher, never dropped in silence.
    std::set<int> used;
    for (const auto& [id, element] : store.elements) {
        if (cancelled())
            return MeshStageResult::Canceled();
        const std::set<int> corners(element->nodes.begin(), element->nodes.end());
        const auto exists = [&store](int n) { return store.FindMeshNode(n) != nullptr; };
        const bool allExist = std::all_of(corners.begin(), corners.end(), exists);
        const bool sound = corners.size() == element->nodes.size() && corners.size() >= 3 && allExist;
        if (!sound)
            return MeshStageResult::Failed("element " + std::to_string(id) + " of the mesh has lost its corners");
        used.insert(corners.begin(), corners.end());
    }

    const EarlierNodes earlier(model);
    std::set<int> joinedOnce;  // an earlier node takes at most one node of this domain
    for (const int nodeId : used) {
        if (cancelled())
            return MeshStageResult::Canceled();
        T_MESHNODE_D* node = store.FindMeshNode(nodeId);
        double xy[2];
        store.ToModel(node->x, node->y, xy);
        int fe = 0;
        if (node->fixed) {
            fe = earlier.Find(model, xy, kJoinFraction * node->size * store.Scale());
            if (!joinedOnce.insert(fe).second)
                fe = 0;
        }
        if (fe == 0) {
            auto feNode = std::make_unique<T_FENODE_D>();
            fe = model.m_nextFeNodeId++;
            feNode->id = fe;
            feNode->xy[0] = xy[0];
            feNode->xy[1] = xy[1];
            model.m_feNodes[fe] = std::move(feNode);
        } else {
            T_FENODE_D* joined = model.FindFeNode(fe);
            joined->xy[0] = (joined->xy[0] + xy[0]) / 2.0;
            joined->xy[1] = (joined->xy[1] + xy[1]) / 2.0;
        }
        node->feNodeId = fe;
    }

    for (const auto& [id, element] : store.elements) {
        if (cancelled())
            return MeshStageResult::Canceled();
        auto feElement = std::make_unique<T_FEELEM_D>();
        feElement->id = model.m_nextFeElementId++;
        feElement->materialId = domain->materialId;
        feElement->modularRatio = 1.0;
        for (const int nodeId : element->nodes)
            feElement->nodeIds.push_back(store.FindMeshNode(nodeId)->feNodeId);
        model.m_feElements[feElement->id] = std::move(feElement);
    }

    for (auto& entry : section->curves)
        entry.second->meshNodeIds.clear();
    return {};
}
