#pragma once
// The stages of meshing one domain, in the driver's order, on a store owned by
// the caller: initial triangulation, refinement, valence swaps, smoothing.
// Export into the model is the caller's last step.

#include "mesh/DomainBoundaryInput.h"
#include "mesh/MeshStatus.h"
#include "mesh/MeshStore.h"

#include <functional>

enum MeshMode {
    MESH_ALL_QUADS = 1,
    MESH_QUAD_DOMINANT = 2,
    MESH_TRIANGLES = 3,
};

// Progress positions of a domain run (0..6).
constexpr int kMeshProgressRange = 6;

struct MeshRunHooks {
    MeshCancelPoll poll = [] { return false; };
    std::function<void(int)> setProgress = [](int) {};
};

// Meshes the domain into the store (reset first). Canceled at any poll that
// says so; Failed with a reason when a stage cannot do its work. The
// quadrilateral stages of modes 1 and 2 are not part of this yet: those modes
// fail after the triangulation.
MeshStageResult MeshDomain(CMeshStore& store, MeshDomainInput& domain, int mode, const MeshRunHooks& hooks);

// Delaunay refinement: inserts circumcentres of front elements until every
// element is accepted or given up. An element whose insertion fails is given
// up at once; one picked five more times in a row is given up too.
MeshStageResult RefineMesh(CMeshStore& store, const MeshCancelPoll& poll);
