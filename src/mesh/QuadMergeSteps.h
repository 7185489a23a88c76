#pragma once
// The local clean-ups that follow the merging passes, one function per step;
// each returns false when its sweeps hit their cap.

#include "mesh/BoundaryCurveQueries.h"
#include "mesh/MeshStore.h"

#include <vector>

// Two triangles between two free nodes of four elements each, ringed by
// quadrilaterals: the two nodes become one, the triangles go.
void RemoveTrianglePairsAtValenceFour(CMeshStore& store, const std::vector<int>& elementIds);

// Quadrilaterals ringed by triangles (sweeps until nothing changes).
bool ResolveQuadsRingedByTriangles(CMeshStore& store, const CBoundaryCurves& curves);

// Triangles and quadrilaterals at straight stretches of the boundary (cycles
// until nothing changes).
bool CleanUpAlongBoundary(CMeshStore& store, const CBoundaryCurves& curves);

// Boundary triangles take a corner from a neighbouring quadrilateral, then
// boundary quadrilaterals between two triangles split into them, curve by
// curve.
void CorrectAlongCurves(CMeshStore& store, const CBoundaryCurves& curves);

// Quadrilaterals whose opposite corners each carry three quadrilaterals
// collapse (sweeps until nothing changes).
bool CollapseQuadDoublets(CMeshStore& store, const CBoundaryCurves& curves);

// Sweeps of a "repeat until nothing changes" loop stop here and report.
constexpr int kMaxCleanUpSweeps = 10000;

// A boundary stretch counts as straight where it turns by at most 10 degrees
// (a corner angle in [170, 190]).
inline bool IsStraight(double cornerAngle)
{
    return cornerAngle >= 170.0 && cornerAngle <= 190.0;
}

// Ids of the quadrilaterals, ascending.
std::vector<int> QuadrilateralIds(const CMeshStore& store);

// True only when c and d lie strictly on opposite sides of line ab and a and b
// strictly on opposite sides of line cd.
bool SegmentsCross(const CMeshStore& store, int a, int b, int c, int d);
