#pragma once
// The store of one meshing run: every node, edge and element of the mesh of
// the domain being meshed, in ordered maps keyed by id, with their id counters
// and the list of corner nodes. Walks go in ascending id, and every "first" or
// "lowest id" rule of the mesher rests on that order.
//
// Coordinates in the store are normalised to the domain: model = origin +
// scale * stored. Every size and distance inside the mesher is therefore
// relative to the domain's extent.

#include "mesh/MeshGeometry.h"
#include "mesh/MeshRecords.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

class CMeshStore {
public:
    CMeshStore() = default;
    CMeshStore(const CMeshStore&) = delete;
    CMeshStore& operator=(const CMeshStore&) = delete;

    // Deletes every record and empties the corner list; the id counters stay.
    void ClearMeshStore();
    // The run starts afresh: empty store, counters at 1.
    void ResetForNewDomain();

    T_MESHNODE_D* FindMeshNode(int id) const;
    T_MESHEDGE_D* FindMeshEdge(int id) const;
    T_MESHELEM_D* FindMeshElement(int id) const;

    // First node (ascending id) with |dx|, |dy| <= tolerance and distance
    // strictly below it; 0 when none. A linear walk.
    int FindMeshNodeAt(const double xy[2], double tolerance) const;

    // Lowest-id node strictly closer than radius to (x, y), through the node
    // grid; 0 when none.
    int FindNearbyNode(double x, double y, double radius) const;

    // New records take the next id of their kind.
    T_MESHNODE_D& AddNode(double x, double y, double size, bool fixed);
    T_MESHEDGE_D& AddEdge(int node1, int node2, int leftElement, int rightElement);
    T_MESHELEM_D& AddElement();
    void RemoveNode(int id);
    void RemoveEdge(int id);
    void RemoveElement(int id);

    MeshPoint NodePoint(int id) const;
    // Recomputes the element's circumcircle from its first three nodes.
    void UpdateCircumcircle(T_MESHELEM_D& element) const;

    // An element that uses the node, kept up to date through splits and flips
    // of the triangulation stages; 0 when unknown.
    int ElementHintOfNode(int nodeId) const;
    void SetElementHint(int nodeId, int elementId);

    // Elements whose nodes, sides or state changed since the refinement front
    // last looked; the front drains it.
    void MarkElementChanged(int id) { m_changedElements.insert(id); }
    std::set<int> TakeChangedElements();

    // A fault that a deep operation met and its stage must report; the first
    // one is kept.
    void NoteFault(const std::string& why)
    {
        if (m_fault.empty())
            m_fault = why;
    }
    const std::string& Fault() const { return m_fault; }

    // Cell size of the node grid used by FindNearbyNode; nodes added before
    // the call are filed again.
    void SetNodeGridCell(double cell);

    // Normalisation of coordinates (see the file comment).
    void SetFrame(double originX, double originY, double scale);
    void ToModel(double x, double y, double out[2]) const;
    MeshPoint FromModel(const double xy[2]) const;
    double Scale() const { return m_scale; }

    // Walk these freely; add and remove records only through the calls above.
    std::map<int, std::unique_ptr<T_MESHNODE_D>> nodes;
    std::map<int, std::unique_ptr<T_MESHEDGE_D>> edges;
    std::map<int, std::unique_ptr<T_MESHELEM_D>> elements;
    int nextNodeId = 1;
    int nextEdgeId = 1;
    int nextElementId = 1;
    std::vector<int> cornerNodes;

private:
    long long GridIndex(double coordinate) const;
    static long long CellKey(long long i, long long j);
    void FileInGrid(const T_MESHNODE_D& node);

    // Records by id beside the ordered maps: lookups are the hot path.
    std::vector<T_MESHNODE_D*> m_nodeIndex;
    std::vector<T_MESHEDGE_D*> m_edgeIndex;
    std::vector<T_MESHELEM_D*> m_elementIndex;
    std::vector<int> m_elementHints;  // by node id
    std::set<int> m_changedElements;
    std::string m_fault;
    double m_gridCell = 0.0;
    // Cell -> node ids; order inside a cell does not matter (queries take the
    // lowest id).
    std::unordered_map<long long, std::vector<int>> m_nodeGrid;
    double m_origin[2] = {0.0, 0.0};
    double m_scale = 1.0;
};

// The element other than excludedElementId, among those the node lists, that
// holds otherNodeId; 0 when none.
int FindOtherElementAtNode(const CMeshStore& store, const T_MESHNODE_D* node, const int& otherNodeId,
                           int excludedElementId);

// The node of a triangle opposite one of its edges; 0 when the edge is none of
// its first three.
int OppositeNode(const T_MESHELEM_D* triangle, int edgeId);
