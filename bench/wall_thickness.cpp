// The search for thin walls on outlines of many points, as imported drawings
// bring: a tube with a wall of 5 whose two circles each have n points about
// 0.3 apart (the radius grows with n). Segments are filed in a grid, so the
// time should grow close to linearly; it grows with the number of segments
// within a wall's thickness too, as each is looked at.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "calc/WallThickness.h"

namespace {

// A closed curve of n points on a circle and its loop, turning as asked.
void AddCircleLoop(T_SECTION_D& section, int id, double radius, int n, int kind)
{
    auto curve = std::make_unique<T_SCURVE_D>();
    curve->id = id;
    const double turn = kind == LOOP_HOLE_OUTLINE ? -1.0 : 1.0;
    for (int i = 0; i < n; ++i) {
        auto point = std::make_unique<T_POINT_D>();
        point->id = section.nextPointId++;
        point->xy[0] = radius * std::cos(turn * 2.0 * std::numbers::pi * i / n);
        point->xy[1] = radius * std::sin(turn * 2.0 * std::numbers::pi * i / n);
        curve->pointIds.push_back(point->id);
        section.points[point->id] = std::move(point);
    }
    curve->pointIds.push_back(curve->pointIds.front());
    section.curves[id] = std::move(curve);
    auto loop = std::make_unique<T_LOOP_D>();
    loop->id = id;
    loop->kind = kind;
    loop->curveIds = {id};
    section.loops[id] = std::move(loop);
}

void WallsOfATubeOfManyPoints(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    T_SECTION_D section;
    const double radius = n / 20.0;
    AddCircleLoop(section, 1, radius, n, LOOP_DOMAIN_OUTLINE);
    AddCircleLoop(section, 2, radius - 5.0, n, LOOP_HOLE_OUTLINE);
    auto domain = std::make_unique<T_DOMAIN_D>();
    domain->id = 1;
    domain->loopIds = {1, 2};
    section.domains[1] = std::move(domain);
    double wall = 0.0;
    for (auto _ : state) {
        const std::map<int, double> walls = WallsOfCurves(section, 25.0);
        wall = walls.empty() ? 0.0 : walls.begin()->second;
    }
    state.counters["wall"] = wall;
    state.SetComplexityN(n);
}

BENCHMARK(WallsOfATubeOfManyPoints)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 16)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

}  // namespace
