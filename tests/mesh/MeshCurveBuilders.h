#pragma once
// Mesher input built by hand, shared by the mesher's tests and benchmarks.

#include "mesh/DomainBoundaryInput.h"

#include <array>

// A straight two-point curve from a to b with the given division count.
inline MeshCurveInput LineCurve(int curveId, int firstPointId, int lastPointId, std::array<double, 2> a,
                                std::array<double, 2> b, int divisions)
{
    MeshCurveInput curve;
    curve.curveId = curveId;
    curve.divisions = divisions;
    curve.pointIds = {firstPointId, lastPointId};
    curve.points = {a, b};
    return curve;
}
