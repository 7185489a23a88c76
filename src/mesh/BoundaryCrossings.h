#pragma once
// Whether a domain's boundary crosses itself: two of its segments cross at a
// point inside both. The mesh's boundary edges run along those segments, so
// such a boundary can never be kept in the mesh; finding it from the input
// spares placing every boundary node first.

#include "mesh/MeshGeometry.h"

#include <vector>

// The polylines are the boundary's curves, each once. Segments that only touch
// or overlap along a line do not count.
bool BoundaryCrossesItself(const std::vector<std::vector<MeshPoint>>& polylines);
