#pragma once
// The all-quadrilateral split: corner nodes of the boundary, the treatment of
// the widest quadrilateral at each corner, and the split of every
// quadrilateral into four and every triangle into three quadrilaterals
// through side midpoints (on the curve for a boundary side) and a new centre.

#include "mesh/BoundaryCurveQueries.h"
#include "mesh/MeshStatus.h"
#include "mesh/MeshStore.h"

#include <array>

// Leaves the store's corner list filled (ascending, no duplicates); every
// boundary midpoint joins its curve's mesh-node list between the side's nodes.
// False, with the split unfinished, when `poll`, asked between many elements,
// says to stop.
[[nodiscard]] bool SplitAllToQuads(CMeshStore& store, CBoundaryCurves& curves, const MeshCancelPoll& poll);

// The boundary nodes whose angle inside the domain exceeds 209 degrees, and
// the ends of every curve of an open chain; ascending, without duplicates.
std::vector<int> FindCornerNodes(const CMeshStore& store, const MeshDomainInput& domain);

// Whether a triangle from a corner cut merges with its neighbour: of the four
// angles of the quadrilateral they would form (degrees, a re-entrant one
// negative), the smallest exceeds 60 and the second smallest is below 120.
bool IsWellShapedCornerMerge(std::array<double, 4> angles);
