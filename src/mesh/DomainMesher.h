#pragma once
// The stages of meshing one domain, in the driver's order, on a store owned by
// the caller: initial triangulation, refinement, valence swaps, smoothing, and
// in the quadrilateral modes merging, the all-quadrilateral split and its
// clean-up. Export into the model is the caller's last step.

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
    // Told how many quadrilaterals the flat-corner split cut in two (mode 1).
    std::function<void(int)> flatCornerCuts = [](int) {};
};

// Meshes the domain into the store (reset first): triangles (mode 3),
// quadrilateral-dominant (2) or all quadrilaterals (1). Canceled at any poll
// that says so; Failed with a reason when a stage cannot do its work. In mode
// 1 every curve ends with twice as many boundary segments as the (halved)
// division count it was placed with: the split puts a node halfway along each.
MeshStageResult MeshDomain(CMeshStore& store, MeshDomainInput& domain, int mode, const MeshRunHooks& hooks);

// Delaunay refinement: inserts circumcentres of front elements until every
// element is accepted or given up. An element whose insertion fails is given
// up at once; one picked five more times in a row is given up too.
MeshStageResult RefineMesh(CMeshStore& store, const MeshCancelPoll& poll);

// The quadrilateral stages after the triangle mesh is smoothed: two merges
// (mode 2), or two merges, the all-quadrilateral split, its clean-up and the
// flat-corner split (mode 1), each followed by its smoothing passes.
MeshStageResult MakeQuadDominant(CMeshStore& store, MeshDomainInput& domain, const MeshRunHooks& hooks);
MeshStageResult MakeAllQuads(CMeshStore& store, MeshDomainInput& domain, const MeshRunHooks& hooks);
