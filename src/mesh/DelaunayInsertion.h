#pragma once
// Node insertion into the triangulation of the store, the edge flip, and the
// Lawson flips that make the triangulation Delaunay again around a new node.

#include "mesh/MeshStore.h"

#include <vector>

// Replaces the diagonal of the two triangles on an edge by the other diagonal,
// keeping the ids of the edge and of both elements. Refused (false, nothing
// changed) when the edge lacks a triangle on either side or when either new
// triangle would not have a positive area; a flip that removes a degenerate
// triangle passes that test.
bool FlipEdge(CMeshStore& store, int edgeId);

// Lawson flips around a newly inserted node, in passes over the edges opposite
// it in ascending id, until a pass flips nothing.
void RestoreDelaunay(CMeshStore& store, int nodeId);

// Size at a point inside a triangle, interpolated from the corners that set a
// limit; kMeshSizeUnlimited when none does.
double InterpolateMeshSize(const CMeshStore& store, int elementId, double x, double y);

// The element containing (x, y), the lowest id when it lies on a shared side;
// 0 when none. The search starts at startElement (any element when 0).
int LocateMeshElement(const CMeshStore& store, double x, double y, int startElement);

// Inserts a node at xy and returns its id: an existing node when one lies
// within a small fraction of the local size (it becomes fixed when fixed is
// true and takes the smaller size when size is not 0), else a new node. Size 0
// asks for the interpolated size. Returns 0, changing nothing, when xy lies in
// no element, on a boundary segment, or on the outer side of the mesh.
int InsertMeshNode(CMeshStore& store, const double xy[2], double size, bool fixed,
                   int startElement = 0);

// Elements around a node in turning order, found through the node's element
// hint and the neighbour links; empty when the hint is stale.
std::vector<int> ElementsAroundNode(const CMeshStore& store, int nodeId);
