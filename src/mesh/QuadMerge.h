#pragma once
// Triangle-to-quadrilateral merging: interior nodes carrying four triangles
// removed, greedy merging of neighbouring triangle pairs over passes with
// ever wider angle windows, then local clean-ups of the patterns the greedy
// merging leaves. Every change keeps each element sound (counter-clockwise,
// quadrilaterals strictly convex) or is not made.

#include "mesh/BoundaryCurveQueries.h"
#include "mesh/MeshStatus.h"
#include "mesh/MeshStore.h"

// Mode 1 runs all five passes, mode 2 the first three. Canceled at a poll
// that says so; Failed when a clean-up sweep does not come to an end.
MeshStageResult MergeTrianglesToQuads(CMeshStore& store, const CBoundaryCurves& curves, int mode,
                                      const MeshCancelPoll& poll);
