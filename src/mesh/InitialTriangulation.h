#pragma once
// The first mesh of a domain: evenly spaced fixed nodes along every boundary
// curve, triangulated inside a super-triangle, every boundary segment made a
// constrained edge, and everything outside the domain removed.

#include "mesh/DomainBoundaryInput.h"
#include "mesh/MeshStatus.h"
#include "mesh/MeshStore.h"

// Fills an empty store (counters at 1) from the domain's boundary. Writes each
// curve's division count used and its boundary node ids into the input.
// Canceled when the poll says so; Failed when a boundary node cannot be placed
// or a boundary segment cannot be kept in the mesh.
MeshStageResult TriangulateDomain(CMeshStore& store, MeshDomainInput& domain, int mode,
                                  const MeshCancelPoll& poll);

// Puts the super-triangle into an empty store: nodes 1 to 3 and element 1,
// around the normalised domain (centre 0, extent 1).
void MakeSuperTriangle(CMeshStore& store);

// Makes the segment between two nodes an edge of the triangulation (flipping
// the edges that cross it) and marks it constrained; false when no sequence
// of flips can make it an edge.
bool RecoverBoundarySegment(CMeshStore& store, int nodeA, int nodeB);
