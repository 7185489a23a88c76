#include "mesh/MeshStore.h"

#include <algorithm>
#include <cmath>

namespace {

// A new record with the next id of its kind, in its map and its index.
template <class T>
T& Adopt(std::map<int, std::unique_ptr<T>>& map, std::vector<T*>& index, int& nextId)
{
    auto record = std::make_unique<T>();
    record->id = nextId++;
    T& added = *record;
    map.emplace(added.id, std::move(record));
    if (static_cast<size_t>(added.id) >= index.size())
        index.resize(added.id + 1, nullptr);
    index[added.id] = &added;
    return added;
}

template <class T>
void Unindex(std::vector<T*>& index, int id)
{
    if (id > 0 && static_cast<size_t>(id) < index.size())
        index[id] = nullptr;
}

}  // namespace

void CMeshStore::ClearMeshStore()
{
    nodes.clear();
    edges.clear();
    elements.clear();
    m_nodeIndex.clear();
    m_edgeIndex.clear();
    m_elementIndex.clear();
    cornerNodes.clear();
    m_elementHints.clear();
    m_changedElements.clear();
    m_nodeGrid.clear();
    m_fault.clear();
}

void CMeshStore::ResetForNewDomain()
{
    ClearMeshStore();
    nextNodeId = 1;
    nextEdgeId = 1;
    nextElementId = 1;
    m_gridCell = 0.0;
    m_origin[0] = m_origin[1] = 0.0;
    m_scale = 1.0;
}

T_MESHNODE_D* CMeshStore::FindMeshNode(int id) const
{
    return id > 0 && static_cast<size_t>(id) < m_nodeIndex.size() ? m_nodeIndex[id] : nullptr;
}

T_MESHEDGE_D* CMeshStore::FindMeshEdge(int id) const
{
    return id > 0 && static_cast<size_t>(id) < m_edgeIndex.size() ? m_edgeIndex[id] : nullptr;
}

T_MESHELEM_D* CMeshStore::FindMeshElement(int id) const
{
    return id > 0 && static_cast<size_t>(id) < m_elementIndex.size() ? m_elementIndex[id] : nullptr;
}

int CMeshStore::FindMeshNodeAt(const double xy[2], double tolerance) const
{
    for (const auto& [id, node] : nodes) {
        const double dx = node->x - xy[0];
        const double dy = node->y - xy[1];
        if (std::fabs(dx) <= tolerance && std::fabs(dy) <= tolerance &&
            std::hypot(dx, dy) < tolerance)
            return id;
    }
    return 0;
}

int CMeshStore::FindNearbyNode(double x, double y, double radius) const
{
    int best = 0;
    const auto consider = [&](int id) {
        const T_MESHNODE_D* node = FindMeshNode(id);
        if (node != nullptr && std::hypot(node->x - x, node->y - y) < radius &&
            (best == 0 || id < best))
            best = id;
    };
    if (m_gridCell <= 0.0 || radius > m_gridCell) {
        for (const auto& entry : nodes)
            consider(entry.first);
        return best;
    }
    const long long cx = GridIndex(x);
    const long long cy = GridIndex(y);
    for (long long i = cx - 1; i <= cx + 1; ++i) {
        for (long long j = cy - 1; j <= cy + 1; ++j) {
            const auto cell = m_nodeGrid.find(CellKey(i, j));
            if (cell == m_nodeGrid.end())
                continue;
            for (const int id : cell->second)
                consider(id);
        }
    }
    return best;
}

long long CMeshStore::GridIndex(double coordinate) const
{
    return static_cast<long long>(std::floor(coordinate / m_gridCell));
}

long long CMeshStore::CellKey(long long i, long long j)
{
    return (i << 32) ^ (j & 0xffffffffLL);
}

void CMeshStore::FileInGrid(const T_MESHNODE_D& node)
{
    if (m_gridCell > 0.0)
        m_nodeGrid[CellKey(GridIndex(node.x), GridIndex(node.y))].push_back(node.id);
}

void CMeshStore::SetNodeGridCell(double cell)
{
    m_gridCell = cell;
    m_nodeGrid.clear();
    for (const auto& entry : nodes)
        FileInGrid(*entry.second);
}

T_MESHNODE_D& CMeshStore::AddNode(double x, double y, double size, bool fixed)
{
    T_MESHNODE_D& node = Adopt(nodes, m_nodeIndex, nextNodeId);
    node.x = x;
    node.y = y;
    node.size = size;
    node.fixed = fixed;
    FileInGrid(node);
    return node;
}

T_MESHEDGE_D& CMeshStore::AddEdge(int node1, int node2, int leftElement, int rightElement)
{
    T_MESHEDGE_D& edge = Adopt(edges, m_edgeIndex, nextEdgeId);
    edge.node1 = node1;
    edge.node2 = node2;
    edge.leftElement = leftElement;
    edge.rightElement = rightElement;
    return edge;
}

T_MESHELEM_D& CMeshStore::AddElement()
{
    T_MESHELEM_D& element = Adopt(elements, m_elementIndex, nextElementId);
    MarkElementChanged(element.id);
    return element;
}

void CMeshStore::RemoveNode(int id)
{
    Unindex(m_nodeIndex, id);
    nodes.erase(id);
    SetElementHint(id, 0);
}

void CMeshStore::RemoveEdge(int id)
{
    Unindex(m_edgeIndex, id);
    edges.erase(id);
}

void CMeshStore::RemoveElement(int id)
{
    Unindex(m_elementIndex, id);
    elements.erase(id);
    m_changedElements.erase(id);
}

MeshPoint CMeshStore::NodePoint(int id) const
{
    const T_MESHNODE_D* node = FindMeshNode(id);
    return node == nullptr ? MeshPoint{} : MeshPoint{node->x, node->y};
}

void CMeshStore::UpdateCircumcircle(T_MESHELEM_D& element) const
{
    MeshPoint centre;
    MeshCircumcircle(NodePoint(element.nodes[0]), NodePoint(element.nodes[1]),
                     NodePoint(element.nodes[2]), centre, element.radius);
    element.centreX = centre.x;
    element.centreY = centre.y;
}

int CMeshStore::ElementHintOfNode(int nodeId) const
{
    return nodeId > 0 && static_cast<size_t>(nodeId) < m_elementHints.size() ? m_elementHints[nodeId] : 0;
}

void CMeshStore::SetElementHint(int nodeId, int elementId)
{
    if (nodeId <= 0)
        return;
    if (static_cast<size_t>(nodeId) >= m_elementHints.size())
        m_elementHints.resize(std::max<size_t>(nodeId + 1, 2 * m_elementHints.size()), 0);
    m_elementHints[nodeId] = elementId;
}

std::set<int> CMeshStore::TakeChangedElements()
{
    std::set<int> taken;
    taken.swap(m_changedElements);
    return taken;
}

void CMeshStore::SetFrame(double originX, double originY, double scale)
{
    m_origin[0] = originX;
    m_origin[1] = originY;
    m_scale = scale;
}

void CMeshStore::ToModel(double x, double y, double out[2]) const
{
    out[0] = m_origin[0] + m_scale * x;
    out[1] = m_origin[1] + m_scale * y;
}

MeshPoint CMeshStore::FromModel(const double xy[2]) const
{
    return MeshPoint{(xy[0] - m_origin[0]) / m_scale, (xy[1] - m_origin[1]) / m_scale};
}

int FindOtherElementAtNode(const CMeshStore& store, const T_MESHNODE_D* node, const int& otherNodeId,
                           int excludedElementId)
{
    for (const int elementId : node->elements) {
        if (elementId == excludedElementId)
            continue;
        const T_MESHELEM_D* element = store.FindMeshElement(elementId);
        if (element != nullptr &&
            std::find(element->nodes.begin(), element->nodes.end(), otherNodeId) !=
                element->nodes.end())
            return elementId;
    }
    return 0;
}

int OppositeNode(const T_MESHELEM_D* triangle, int edgeId)
{
    if (triangle->edges.size() < 3 || triangle->nodes.size() < 3)
        return 0;
    if (triangle->edges[0] == edgeId)
        return triangle->nodes[2];
    if (triangle->edges[1] == edgeId)
        return triangle->nodes[0];
    if (triangle->edges[2] == edgeId)
        return triangle->nodes[1];
    return 0;
}
