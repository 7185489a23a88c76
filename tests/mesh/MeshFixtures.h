#pragma once
// Domains for mesher tests, built as plain boundary input, and the checks that
// every finished mesh must pass.

#include "mesh/DomainBoundaryInput.h"
#include "mesh/MeshStore.h"

#include <array>
#include <string>
#include <vector>

// Hands out point and curve ids for one fixture.
struct FixtureIds {
    int nextPoint = 1;
    int nextCurve = 1;
};

using Vertex = std::array<double, 2>;

// A closed polygon, one two-point curve per side, each with `divisions`.
// Counter-clockwise vertices give an outline, clockwise ones a hole.
MeshLoopInput PolygonLoop(FixtureIds& ids, const std::vector<Vertex>& vertices, int kind, int divisions,
                          double scale = 1.0);
// The same with a division count per side (side i runs from vertex i).
MeshLoopInput PolygonLoop(FixtureIds& ids, const std::vector<Vertex>& vertices, int kind,
                          const std::vector<int>& divisions, double scale = 1.0);
// A single closed curve through `segments` points on a circle (segments + 1
// entries, the first repeated), counter-clockwise for an outline, clockwise
// for a hole.
MeshLoopInput CircleLoop(FixtureIds& ids, Vertex centre, double radius, int segments, int kind, int divisions,
                         double scale = 1.0);

struct MeshQuality {
    double minAngle = 180.0;  // degrees, over every corner of every element
    double maxAngle = 0.0;
    double maxEdgeRatio = 0.0;  // longest over shortest side of one element, the worst one
    int elementCount = 0;
    int nodeCount = 0;  // nodes that elements use
};

// Checks of a finished triangle mesh against its boundary input; every fault
// found is one line in `faults`.
struct MeshCheck {
    std::vector<std::string> faults;
    MeshQuality quality;
    double meshArea = 0.0;
    double boundaryArea = 0.0;  // of the polygons through the boundary nodes, outer minus holes
};

MeshCheck CheckTriangleMesh(const CMeshStore& store, const MeshDomainInput& domain);

// Shoelace area of the polygon through the input points of the loop's curves
// (positive counter-clockwise), in model units.
double LoopInputArea(const MeshLoopInput& loop);
