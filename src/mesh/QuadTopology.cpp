#include "mesh/QuadTopology.h"

#include <algorithm>

void RebuildNodeElementLists(CMeshStore& store)
{
    for (auto& entry : store.nodes)
        entry.second->elements.clear();
    for (const auto& [elementId, element] : store.elements) {
        for (const int nodeId : element->nodes) {
            if (T_MESHNODE_D* node = store.FindMeshNode(nodeId))
                node->elements.push_back(elementId);
        }
    }
}

int ElementAround(const CMeshStore& store, int a, int b, int excluded)
{
    const T_MESHNODE_D* node = store.FindMeshNode(a);
    if (node == nullptr)
        return 0;
    const int found = FindOtherElementAtNode(store, node, b, excluded);
    return store.FindMeshElement(found) != nullptr ? found : 0;
}

int PositionIn(const T_MESHELEM_D& element, int nodeId)
{
    const auto it = std::find(element.nodes.begin(), element.nodes.end(), nodeId);
    return it == element.nodes.end() ? -1 : static_cast<int>(it - element.nodes.begin());
}

int NodeAfter(const T_MESHELEM_D& element, int nodeId, int k)
{
    const int position = PositionIn(element, nodeId);
    if (position < 0)
        return 0;
    const int n = static_cast<int>(element.nodes.size());
    return element.nodes[((position + k) % n + n) % n];
}

bool Holds(const std::vector<int>& list, int value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

void ReplaceFirst(std::vector<int>& list, int from, int to)
{
    const auto it = std::find(list.begin(), list.end(), from);
    if (it != list.end())
        *it = to;
}

void RemoveFirst(std::vector<int>& list, int value)
{
    const auto it = std::find(list.begin(), list.end(), value);
    if (it != list.end())
        list.erase(it);
}

void InsertAfter(std::vector<int>& list, int after, int value)
{
    const auto it = std::find(list.begin(), list.end(), after);
    if (it == list.end())
        list.push_back(value);
    else
        list.insert(it + 1, value);
}

bool IsTriangle(const T_MESHELEM_D* element)
{
    return element != nullptr && element->nodes.size() == 3;
}

bool IsQuadrilateral(const T_MESHELEM_D* element)
{
    return element != nullptr && element->nodes.size() == 4;
}

bool IsFixed(const CMeshStore& store, int nodeId)
{
    const T_MESHNODE_D* node = store.FindMeshNode(nodeId);
    return node != nullptr && node->fixed;
}

bool IsFree(const CMeshStore& store, int nodeId)
{
    const T_MESHNODE_D* node = store.FindMeshNode(nodeId);
    return node != nullptr && !node->fixed;
}

int ElementCountAt(const CMeshStore& store, int nodeId)
{
    const T_MESHNODE_D* node = store.FindMeshNode(nodeId);
    return node == nullptr ? -1 : static_cast<int>(node->elements.size());
}

double PlainAngle(const CMeshStore& store, int v, int n, int p)
{
    return MeshAngleAt(store.NodePoint(v), store.NodePoint(n), store.NodePoint(p));
}

double CornerAngle(const CMeshStore& store, int v, int n, int p)
{
    const double angle = PlainAngle(store, v, n, p);
    return angle < 0.0 ? angle + 360.0 : angle;
}

bool IsSoundShape(const std::vector<MeshPoint>& corners)
{
    const size_t n = corners.size();
    if (n == 3)
        return IsProperTriangle(corners[0], corners[1], corners[2]);
    if (n != 4)
        return false;
    for (size_t i = 0; i < n; ++i) {
        if (!IsProperTriangle(corners[(i + n - 1) % n], corners[i], corners[(i + 1) % n]))
            return false;
    }
    return true;
}

bool IsSoundElement(const CMeshStore& store, const T_MESHELEM_D& element)
{
    std::vector<MeshPoint> corners;
    for (const int nodeId : element.nodes) {
        if (store.FindMeshNode(nodeId) == nullptr)
            return false;
        corners.push_back(store.NodePoint(nodeId));
    }
    return IsSoundShape(corners);
}

ChangeCheck& ChangeCheck::Move(int nodeId, const MeshPoint& to)
{
    m_moves[nodeId] = to;
    return *this;
}

ChangeCheck& ChangeCheck::Place(int standInId, const MeshPoint& at)
{
    m_moves[standInId] = at;
    return *this;
}

ChangeCheck& ChangeCheck::Shape(int elementId, const std::vector<int>& nodes)
{
    m_shapes.push_back(nodes);
    if (elementId != 0)
        m_touched.insert(elementId);
    return *this;
}

ChangeCheck& ChangeCheck::Remove(int elementId)
{
    m_touched.insert(elementId);
    return *this;
}

MeshPoint ChangeCheck::PointOf(int nodeId) const
{
    const auto moved = m_moves.find(nodeId);
    return moved != m_moves.end() ? moved->second : m_store.NodePoint(nodeId);
}

bool ChangeCheck::ShapeIsSound(const std::vector<int>& nodes) const
{
    std::vector<MeshPoint> corners;
    for (const int nodeId : nodes) {
        if (m_store.FindMeshNode(nodeId) == nullptr && m_moves.count(nodeId) == 0)
            return false;
        corners.push_back(PointOf(nodeId));
    }
    return IsSoundShape(corners);
}

bool ChangeCheck::Sound() const
{
    for (const std::vector<int>& shape : m_shapes) {
        if (!ShapeIsSound(shape))
            return false;
    }
    for (const auto& [nodeId, to] : m_moves) {
        (void)to;
        if (nodeId < 0)
            continue;  // a stand-in: its elements are among the shapes
        const T_MESHNODE_D* node = m_store.FindMeshNode(nodeId);
        if (node == nullptr)
            return false;
        for (const int elementId : node->elements) {
            const T_MESHELEM_D* element = m_store.FindMeshElement(elementId);
            if (element == nullptr || m_touched.count(elementId) != 0)
                continue;
            if (!ShapeIsSound(element->nodes))
                return false;
        }
    }
    return true;
}

MeshPoint MeanPoint(const CMeshStore& store, const std::vector<int>& nodeIds)
{
    MeshPoint sum;
    for (const int id : nodeIds) {
        const MeshPoint p = store.NodePoint(id);
        sum.x += p.x;
        sum.y += p.y;
    }
    const double n = static_cast<double>(nodeIds.size());
    return MeshPoint{sum.x / n, sum.y / n};
}

double MeanSize(const CMeshStore& store, const std::vector<int>& nodeIds)
{
    double sum = 0.0;
    for (const int id : nodeIds) {
        const T_MESHNODE_D* node = store.FindMeshNode(id);
        sum += node != nullptr ? node->size : 0.0;
    }
    return sum / static_cast<double>(nodeIds.size());
}

void MoveToMeanOf(CMeshStore& store, int nodeId, const std::vector<int>& averaged)
{
    const MeshPoint to = MeanPoint(store, averaged);
    const double size = MeanSize(store, averaged);
    T_MESHNODE_D* node = store.FindMeshNode(nodeId);
    node->x = to.x;
    node->y = to.y;
    node->size = size;
}
