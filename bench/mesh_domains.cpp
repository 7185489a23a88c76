// Meshing of one domain in each mode (3 triangles, 2 quadrilateral-dominant,
// 1 all quadrilaterals): a 100 x 100 square and a circular hollow section
// (radii 50 and 40, 36 points per circle), at division counts giving about
// 1k, 10k and 100k triangles. Mode 1 halves the counts and its split doubles
// the boundary segments back, as in a section run. Time should grow close to
// linearly.

#include "../tests/mesh/MeshCurveBuilders.h"
#include "mesh/DomainMesher.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

namespace {

MeshDomainInput Square(int divisions)
{
    MeshLoopInput loop;
    loop.kind = 1;
    const std::array<double, 2> corners[4] = {{0, 0}, {100, 0}, {100, 100}, {0, 100}};
    for (int i = 0; i < 4; ++i)
        loop.curves.push_back(LineCurve(i + 1, i + 1, (i + 1) % 4 + 1, corners[i], corners[(i + 1) % 4], divisions));
    return {{loop}};
}

MeshLoopInput Circle(int curveId, int firstPoint, double radius, int kind, int divisions)
{
    constexpr int kSegments = 36;
    MeshCurveInput curve;
    curve.curveId = curveId;
    curve.divisions = divisions;
    const double turn = kind == 2 ? -1.0 : 1.0;
    for (int i = 0; i < kSegments; ++i) {
        const double angle = turn * 2.0 * std::numbers::pi * i / kSegments;
        curve.pointIds.push_back(firstPoint + i);
        curve.points.push_back({radius * std::cos(angle), radius * std::sin(angle)});
    }
    curve.pointIds.push_back(firstPoint);
    curve.points.push_back(curve.points.front());
    return {kind, {curve}};
}

MeshDomainInput HollowCircle(int outerDivisions)
{
    return {{Circle(1, 1, 50.0, 1, outerDivisions), Circle(2, 100, 40.0, 2, outerDivisions * 4 / 5)}};
}

void Run(benchmark::State& state, MeshDomainInput (*build)(int))
{
    const int mode = static_cast<int>(state.range(1));
    size_t elements = 0;
    for (auto _ : state) {
        MeshDomainInput domain = build(static_cast<int>(state.range(0)));
        for (MeshLoopInput& loop : domain.loops) {
            for (MeshCurveInput& curve : loop.curves)
                curve.halveDivisions = mode == MESH_ALL_QUADS;
        }
        CMeshStore store;
        const MeshStageResult result = MeshDomain(store, domain, mode, {});
        if (!result.Ok())
            state.SkipWithError(result.failure.c_str());
        elements = store.elements.size();
    }
    state.counters["elements"] = static_cast<double>(elements);
}

void BM_MeshSquare(benchmark::State& state)
{
    Run(state, Square);
}

void BM_MeshHollowCircle(benchmark::State& state)
{
    Run(state, HollowCircle);
}

}  // namespace

BENCHMARK(BM_MeshSquare)
    ->ArgNames({"divisions", "mode"})
    ->ArgsProduct({{16, 51, 162}, {MESH_TRIANGLES, MESH_QUAD_DOMINANT, MESH_ALL_QUADS}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MeshHollowCircle)
    ->ArgNames({"divisions", "mode"})
    ->ArgsProduct({{95, 300, 950}, {MESH_TRIANGLES, MESH_QUAD_DOMINANT, MESH_ALL_QUADS}})
    ->Unit(benchmark::kMillisecond);
