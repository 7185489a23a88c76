#pragma once
// Shared ground of the quadrilateral stages: node element lists, the element
// across a side, positions in an element's cyclic node list, corner angles,
// and the test every change passes before it is made: no element may be
// inverted and no quadrilateral may lose its convexity.

#include "mesh/MeshStore.h"

#include <map>
#include <set>
#include <vector>

// Empties every node's element list, then appends every element (ascending id)
// to the lists of its nodes that exist.
void RebuildNodeElementLists(CMeshStore& store);

// The element other than `excluded` that node a lists and that holds node b;
// 0 when none (or when a is missing).
int ElementAround(const CMeshStore& store, int a, int b, int excluded);

// Position of a node in an element's node list; -1 when absent.
int PositionIn(const T_MESHELEM_D& element, int nodeId);
// The node k places after nodeId in the element's cyclic order; 0 when absent.
int NodeAfter(const T_MESHELEM_D& element, int nodeId, int k);
bool Holds(const std::vector<int>& list, int value);
// First occurrence only; nothing when absent.
void ReplaceFirst(std::vector<int>& list, int from, int to);
void RemoveFirst(std::vector<int>& list, int value);
// Inserts value right after the first occurrence of `after` (appends when it
// is last or absent).
void InsertAfter(std::vector<int>& list, int after, int value);

bool IsTriangle(const T_MESHELEM_D* element);
bool IsQuadrilateral(const T_MESHELEM_D* element);
bool IsFixed(const CMeshStore& store, int nodeId);
bool IsFree(const CMeshStore& store, int nodeId);  // exists and is not fixed
int ElementCountAt(const CMeshStore& store, int nodeId);  // length of its element list; -1 when missing

// Signed angle at v from n to p, degrees in (-180, 180].
double PlainAngle(const CMeshStore& store, int v, int n, int p);
// The same plus 360 when negative: [0, 360).
double CornerAngle(const CMeshStore& store, int v, int n, int p);

// A triangle counter-clockwise with an area above rounding, or a strictly
// convex counter-clockwise quadrilateral.
bool IsSoundShape(const std::vector<MeshPoint>& corners);
bool IsSoundElement(const CMeshStore& store, const T_MESHELEM_D& element);

// A change described before it is made: node moves, element reshapes, new
// elements and removals. Sound() tells whether every element it leaves behind
// (the reshaped and new ones, and the untouched ones around a moved node) is
// sound.
class ChangeCheck {
public:
    explicit ChangeCheck(const CMeshStore& store) : m_store(store) {}

    ChangeCheck& Move(int nodeId, const MeshPoint& to);
    // A node the change would make, under a stand-in id below 0.
    ChangeCheck& Place(int standInId, const MeshPoint& at);
    // elementId 0 describes a new element.
    ChangeCheck& Shape(int elementId, const std::vector<int>& nodes);
    ChangeCheck& Remove(int elementId);
    bool Sound() const;

private:
    MeshPoint PointOf(int nodeId) const;
    bool ShapeIsSound(const std::vector<int>& nodes) const;

    const CMeshStore& m_store;
    std::map<int, MeshPoint> m_moves;
    std::vector<std::vector<int>> m_shapes;
    std::set<int> m_touched;
};

// Moves a node to the mean of the given nodes (it may be one of them); its
// size becomes the mean of theirs.
void MoveToMeanOf(CMeshStore& store, int nodeId, const std::vector<int>& averaged);

// Mean of node positions, and the mean of their sizes.
MeshPoint MeanPoint(const CMeshStore& store, const std::vector<int>& nodeIds);
double MeanSize(const CMeshStore& store, const std::vector<int>& nodeIds);
