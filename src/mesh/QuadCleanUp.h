#pragma once
// Clean-up of the all-quadrilateral mesh: local changes that improve how many
// elements meet at each node while every element stays a convex
// quadrilateral and no boundary node moves; then the split of quadrilaterals
// with a nearly straight corner into two triangles.

#include "mesh/BoundaryCurveQueries.h"
#include "mesh/MeshStatus.h"
#include "mesh/MeshStore.h"

// Failed when the sweeps do not come to an end; Canceled when `poll`, asked
// between passes over the elements, says so.
MeshStageResult CleanUpQuads(CMeshStore& store, const CBoundaryCurves& curves, const MeshCancelPoll& poll);

// Cuts every quadrilateral with a corner of 179 degrees or more (the widest
// one, the first on a tie) into two triangles along the diagonal from it;
// returns how many were cut.
int SplitFlatCornerQuads(CMeshStore& store, const CBoundaryCurves& curves);
