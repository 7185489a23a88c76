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

// The fixture domains every mode is checked on (model units times scale).
MeshDomainInput SquareDomain(double scale);     // 100 x 100, 8 divisions a side
MeshDomainInput LShapeDomain(double scale);     // re-entrant corner at (60, 60)
MeshDomainInput AnnulusDomain(double scale);    // square with a round hole
MeshDomainInput CircleDomain(double scale);
MeshDomainInput ThinRectangleDomain(double scale);  // 300 x 12

struct MeshQuality {
    double minAngle = 180.0;  // degrees, over every corner of every element
    double maxAngle = 0.0;
    double maxEdgeRatio = 0.0;  // longest over shortest side of one element, the worst one
    // The calculation's distortion measure of the worst element (1 is ideal;
    // the calculation refuses a mesh with an element below 1/15).
    double minDistortionMeasure = 1.0;
    int elementCount = 0;
    int triangleCount = 0;
    int quadCount = 0;
    int nodeCount = 0;  // nodes that elements use
};

// What a finished mesh may hold.
struct MeshExpectations {
    bool quadsAllowed = false;
    // Boundary segments per division a curve ends up with (2 after the
    // all-quadrilateral split).
    int segmentsPerDivision = 1;
};

// Checks of a finished mesh against its boundary input; every fault found is
// one line in `faults`.
struct MeshCheck {
    std::vector<std::string> faults;
    MeshQuality quality;
    double meshArea = 0.0;
    double boundaryArea = 0.0;  // of the polygons through the boundary nodes, outer minus holes
    // Quadrilaterals with positive area that are not strictly convex (not a
    // fault by themselves: the caller judges them).
    std::vector<int> nonConvexQuads;
};

MeshCheck CheckMesh(const CMeshStore& store, const MeshDomainInput& domain, const MeshExpectations& expect);
MeshCheck CheckTriangleMesh(const CMeshStore& store, const MeshDomainInput& domain);

// The calculation's distortion measure of one element (model coordinates,
// counter-clockwise corners): for a triangle the best over its sides of the
// height ratio to an equilateral one, for a quadrilateral the ratio of its
// two mid-lines' halves; 0 for a quadrilateral that fails the corner tests.
double DistortionMeasure(const std::vector<std::array<double, 2>>& corners);

// Shoelace area of the polygon through the input points of the loop's curves
// (positive counter-clockwise), in model units.
double LoopInputArea(const MeshLoopInput& loop);
