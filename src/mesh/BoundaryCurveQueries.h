#pragma once
// Questions about boundary nodes and the section curves they were placed on,
// asked by the quadrilateral stages.

#include "mesh/MeshStore.h"
#include "model/SectionRecords.h"

// The first curve of the domain's loops (in loop and curve order), other than
// excludedCurveId, whose mesh-node list holds both nodes; 0 when none.
int FindBoundaryCurveOfNodes(const T_SECTION_D& section, const T_DOMAIN_D& domain, int node1, int node2,
                             int excludedCurveId);

// The point halfway along their boundary curve between two neighbouring
// boundary nodes at p1 and p2 (store coordinates). Returns the curve's id, or
// 0 when no curve holds the two as neighbours (mid is then the straight
// midpoint) or a point of the curve is missing.
int GetBoundaryMidpoint(const CMeshStore& store, const T_SECTION_D& section, const T_DOMAIN_D& domain,
                        int node1, const double p1[2], int node2, const double p2[2], double mid[2]);
