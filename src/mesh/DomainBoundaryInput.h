#pragma once
// What the mesher needs to know of one domain: its loops, each a chain of
// curves with their points and division counts. Filled from a section's
// records by the model glue, or by hand in tests.

#include <array>
#include <vector>

// No curve is divided more finely: a count beyond it (from a huge coordinate,
// say) could not be meshed and is refused.
constexpr int kMostCurveDivisions = 1'000'000;

struct MeshCurveInput {
    int curveId = 0;
    int divisions = 0;  // in: the count stored in the curve; out: the count used
    bool halveDivisions = false;  // mode 1 halves the stored count (once per section)
    std::vector<int> pointIds;  // in order; a closed curve repeats its first point at the end
    std::vector<std::array<double, 2>> points;  // model coordinates of pointIds
    std::vector<int> meshNodeIds;  // out: the boundary nodes placed along the curve
};

struct MeshLoopInput {
    int kind = 0;  // 1 domain outline, 2 hole outline; other kinds only place nodes
    std::vector<MeshCurveInput> curves;  // each curve's points run in the loop's direction
};

struct MeshDomainInput {
    std::vector<MeshLoopInput> loops;
};
