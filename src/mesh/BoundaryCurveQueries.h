#pragma once
// Questions about boundary nodes and the curves of the domain they were placed
// on, asked by the quadrilateral stages, and the insertion of new boundary
// nodes into a curve's chain of mesh nodes.

#include "mesh/DomainBoundaryInput.h"
#include "mesh/MeshStore.h"

#include <map>
#include <unordered_map>
#include <vector>

class CBoundaryCurves {
public:
    // The curves' mesh-node lists as the triangulation left them; the lists
    // are copied as they stand for the neighbour test of the midpoint search.
    explicit CBoundaryCurves(MeshDomainInput& domain);

    // The first curve of the domain's loops (in loop and curve order), other
    // than excludedCurveId, whose mesh-node list holds both nodes; 0 when none.
    int FindBoundaryCurveOfNodes(int node1, int node2, int excludedCurveId) const;
    // Both nodes on one curve of the domain.
    bool ShareACurve(int node1, int node2) const { return FindBoundaryCurveOfNodes(node1, node2, 0) != 0; }

    // The point halfway along their boundary curve between two neighbouring
    // boundary nodes at p1 and p2 (store coordinates). Returns the curve's id,
    // or 0 when no curve holds the two as neighbours (mid is then the straight
    // midpoint) or a point of the curve is missing.
    int GetBoundaryMidpoint(const CMeshStore& store, int node1, const double p1[2], int node2, const double p2[2],
                            double mid[2]) const;

    // Puts nodeId between the neighbouring entries a and b (either order, the
    // first such pair) of the curve's mesh-node list, in every place the
    // domain names the curve; nothing when the list already holds it or has
    // no such pair.
    void InsertBetween(int curveId, int a, int b, int nodeId);

    MeshDomainInput& Domain() const { return m_domain; }

private:
    void IndexCurve(size_t ordinal);

    MeshDomainInput& m_domain;
    std::vector<MeshCurveInput*> m_walk;  // every curve the loops name, in loop and curve order
    std::unordered_map<int, std::vector<size_t>> m_ordinalsOfNode;  // ascending positions in m_walk
    std::map<int, std::vector<int>> m_placedNodes;  // curve id -> its list as the triangulation left it
};
