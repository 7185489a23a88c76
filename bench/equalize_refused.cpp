// The snowball merge over 300 points that lie within the tolerance of one
// another, joined by a polyline that also runs through a point outside the
// selection: every seed finds the same group, and the merge refuses it.

#include <benchmark/benchmark.h>

#include "model/SectModel.h"

#include <memory>
#include <vector>

namespace {

int AddPoint(CSectModel& model, double x, double y)
{
    auto point = std::make_unique<T_POINT_D>();
    point->id = model.m_nextPointId++;
    point->xy[0] = x;
    point->xy[1] = y;
    const int id = point->id;
    model.m_points[id] = std::move(point);
    return id;
}

void BM_EqualizeInToleranceRefusedCluster(benchmark::State& state)
{
    CSectModel model;
    std::vector<int> ids;
    auto line = std::make_unique<T_CURVE_D>();
    line->id = model.m_nextCurveId++;
    for (int k = 0; k < 300; ++k) {
        ids.push_back(AddPoint(model, 0.03 * k, 0.02 * (k % 7)));
        line->pointIds.push_back(ids.back());
        if (k == 150)
            line->pointIds.push_back(AddPoint(model, 50.0, 50.0));
    }
    model.m_curves[line->id] = std::move(line);
    const double noCoordinate[2] = {0.0, 0.0};
    for (auto _ : state) {
        // Refused, so the model stays as it was for the next round.
        benchmark::DoNotOptimize(model.EqualizePointsInTolerance(ids, 11.0, false, noCoordinate, true, false));
    }
}
BENCHMARK(BM_EqualizeInToleranceRefusedCluster)->Unit(benchmark::kMillisecond);

} // namespace
