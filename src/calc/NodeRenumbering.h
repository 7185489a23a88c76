#pragma once

// Node renumbering for a small matrix profile: Sloan's profile and wavefront
// reduction (pseudo-peripheral start and end nodes from rooted level
// structures, then numbering by a priority that mixes the distance from the end
// node with the current degree). The mesh driver renumbers plane-section meshes
// with RenumberMeshNodes; the equation solver orders its own model through
// BuildNodeAdjacency and LabelNodes.
//
// Node numbers are 1-based throughout, as the meshes and the solver count them.

#include <cstdint>
#include <vector>

// Element lists in compressed form: element e (0-based) holds the node numbers
// nodes[start[e]] .. nodes[start[e + 1] - 1]; start has one entry more than
// there are elements and start[0] == 0.
struct ElementNodeLists {
    std::vector<int> start{0};
    std::vector<int> nodes;

    int ElementCount() const { return static_cast<int>(start.size()) - 1; }
    void AddElement(const std::vector<int>& elementNodes);
};

// Neighbours of every node: node i (1..N) has the neighbours
// adjacent[rowStart[i]] .. adjacent[rowStart[i + 1] - 1]. rowStart has N + 2
// entries; rowStart[0] is unused.
struct NodeAdjacency {
    std::vector<int> rowStart;
    std::vector<int> adjacent;

    int Degree(int node) const { return rowStart[node + 1] - rowStart[node]; }
};

// Profile of the identity numbering and of the new one (diagonal included).
struct ProfileComparison {
    std::int64_t oldProfile = 0;
    std::int64_t newProfile = 0;
};

// True when every element list is well formed and names nodes in 1..nodeCount.
bool ElementListsAreValid(int nodeCount, const ElementNodeLists& elements);

// Builds the adjacency of nodeCount nodes: two nodes are neighbours when some
// element holds both. Each row lists its partners in the order in which the
// pairs of positions, taken element by element, first meet them. Returns false
// when the element lists are not valid for nodeCount nodes, or, unfinished,
// once the watched calculation is cancelled (CancelWatch).
[[nodiscard]] bool BuildNodeAdjacency(int nodeCount, const ElementNodeLists& elements, NodeAdjacency& adjacency);

// Numbers every connected component and writes newNumber[i] (i = 1..N; the
// vector is resized to N + 1 and entry 0 is unused), whatever the profile.
// Stops with the numbering unfinished once the watched calculation is
// cancelled (CancelWatch); the caller asks the watch.
void LabelComponents(int nodeCount, const NodeAdjacency& adjacency, std::vector<int>& newNumber);

// LabelComponents, but keeps the identity when the new profile would be
// strictly larger; an equal profile keeps the new one.
ProfileComparison LabelNodes(int nodeCount, const NodeAdjacency& adjacency, std::vector<int>& newNumber);

// Entry from the mesh driver. N nodes, nElements elements; P holds
// nElements + 1 one-based positions into Q (element e's nodes are
// Q[P[e] - 1] .. Q[P[e + 1] - 2]), Q holds nEntries node numbers in 1..N.
// Fills newNumber[i - 1] with the new number of node i, a permutation of 1..N.
// Returns false, leaving newNumber untouched, when the lists are inconsistent.
[[nodiscard]] bool RenumberMeshNodes(int N, int nElements, int nEntries, const int P[], const int Q[],
                                     int newNumber[]);
