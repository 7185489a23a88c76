#pragma once
// Clean-up of a refined mesh: edge flips that even out how many edges meet at
// the nodes, and Laplacian smoothing of the free nodes.

#include "mesh/MeshStatus.h"
#include "mesh/MeshStore.h"

// Every node's valence becomes the number of edges that end at it.
void CountValences(CMeshStore& store);

// Flips interior edges between free nodes where that brings the valences of
// the four nodes involved closer together (differences 6, then 5, then 4).
// False, unfinished, when `poll`, asked between those passes, says to stop.
[[nodiscard]] bool ImproveValences(CMeshStore& store, const MeshCancelPoll& poll);

// Rebuilds every node's element list, then moves each free node to the mean
// of its neighbours along element sides, `passes` times; a move that would
// invert an element it belongs to, or make a convex quadrilateral lose its
// convexity, is not made. False, with the passes unfinished, when `poll`,
// asked between many nodes, says to stop.
[[nodiscard]] bool SmoothMesh(CMeshStore& store, int passes, const MeshCancelPoll& poll);
