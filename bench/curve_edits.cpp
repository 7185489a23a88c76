// Moving and copying many curves: a lattice of 71 x 71 points joined by its
// 9,940 horizontal and vertical lines of length 10.

#include <benchmark/benchmark.h>

#include "model/SectModel.h"

#include <memory>
#include <vector>

namespace {

constexpr int kSide = 71;
constexpr double kSpacing = 10.0;

int AddLine(CSectModel& model, int from, int to)
{
    auto curve = std::make_unique<T_CURVE_D>();
    curve->id = model.m_nextCurveId++;
    curve->pointIds = {from, to};
    const int id = curve->id;
    model.m_curves[id] = std::move(curve);
    return id;
}

// Fills the empty model with the lattice; returns the ids of the lines that
// lie wholly in its left half (x up to 350).
std::vector<int> BuildLattice(CSectModel& model)
{
    const auto pointAt = [](int column, int row) { return row * kSide + column + 1; };
    for (int row = 0; row < kSide; ++row) {
        for (int column = 0; column < kSide; ++column) {
            auto point = std::make_unique<T_POINT_D>();
            point->id = model.m_nextPointId++;
            point->xy[0] = column * kSpacing;
            point->xy[1] = row * kSpacing;
            model.m_points[point->id] = std::move(point);
        }
    }
    std::vector<int> leftHalf;
    const int halfColumn = kSide / 2;
    for (int row = 0; row < kSide; ++row) {
        for (int column = 0; column < kSide; ++column) {
            if (column + 1 < kSide) {
                const int id = AddLine(model, pointAt(column, row), pointAt(column + 1, row));
                if (column + 1 <= halfColumn)
                    leftHalf.push_back(id);
            }
            if (row + 1 < kSide) {
                const int id = AddLine(model, pointAt(column, row), pointAt(column, row + 1));
                if (column <= halfColumn)
                    leftHalf.push_back(id);
            }
        }
    }
    return leftHalf;
}

std::vector<int> AllCurveIds(const CSectModel& model)
{
    std::vector<int> ids;
    for (const auto& [id, curve] : model.m_curves)
        ids.push_back(id);
    return ids;
}

void TranslateLeftHalfOfLattice(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<CSectModel>();
        const std::vector<int> leftHalf = BuildLattice(*model);
        state.ResumeTiming();
        if (!model->TranslateCurves(leftHalf, 0.0, 3.0))
            state.SkipWithError("not moved");
        state.PauseTiming();
        state.counters["curves"] = static_cast<double>(leftHalf.size());
        state.counters["points"] = static_cast<double>(model->m_points.size());
        model.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(TranslateLeftHalfOfLattice)->Unit(benchmark::kMillisecond);

void CopyLatticeWithConnectingLines(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<CSectModel>();
        BuildLattice(*model);
        const std::vector<int> all = AllCurveIds(*model);
        state.ResumeTiming();
        if (!model->CopyCurvesByTranslation(all, 1000.0, 0.0, 1, true, ALIGN_CENTER, 0.0))
            state.SkipWithError("not copied");
        state.PauseTiming();
        state.counters["curves"] = static_cast<double>(model->m_curves.size());
        state.counters["points"] = static_cast<double>(model->m_points.size());
        model.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(CopyLatticeWithConnectingLines)->Unit(benchmark::kMillisecond);

} // namespace
