// Reading DXF drawings of many circles into a model, empty or already holding
// many points: the time should grow with the drawing alone. Arguments: circle
// count, angle step in degrees (points per circle = 360 / step), points in the
// model before the import.

#include <benchmark/benchmark.h>

#include "commands/CreationSupport.h"
#include "model/SectModel.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

namespace {

// Circles of radius 30 on a square grid 100 apart, so that none touch; at
// 10 degrees their points lie 5.2 apart, beyond the tolerance of 1.
std::string CirclesDrawing(int count)
{
    static std::map<int, std::string> written;
    if (const auto found = written.find(count); found != written.end())
        return found->second;
    const std::string path =
        (std::filesystem::temp_directory_path() / ("klx_bench_circles_" + std::to_string(count) + ".dxf")).string();
    std::ofstream out(path, std::ios::binary);
    out << "0\nSECTION\n2\nENTITIES\n";
    const int side = static_cast<int>(std::ceil(std::sqrt(count)));
    for (int i = 0; i < count; ++i)
        out << "0\nCIRCLE\n8\n0\n10\n" << 100 * (i % side) << "\n20\n" << 100 * (i / side) << "\n30\n0\n40\n30\n";
    out << "0\nENDSEC\n0\nEOF\n";
    return written[count] = path;
}

void ImportCircles(benchmark::State& state)
{
    const int circles = static_cast<int>(state.range(0));
    const double angleStep = static_cast<double>(state.range(1));
    const int existing = static_cast<int>(state.range(2));
    const std::string path = CirclesDrawing(circles);
    const double shift[2] = {0.0, 0.0};
    std::size_t points = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<CSectModel>();
        model->SetAngleStep(angleStep);
        // Points beside the drawing, so that none is reused.
        for (int i = 0; i < existing; ++i) {
            const double xy[2] = {10.0 * (i % 1000), -100.0 - 10.0 * (i / 1000)};
            AddNewPoint(*model, xy);
        }
        model->BeginUndoAction();
        state.ResumeTiming();
        if (!model->ReadDxfFile(path.c_str(), shift, 0.0)) {
            state.SkipWithError("drawing not read");
            return;
        }
        // Freeing the model is no part of the import.
        state.PauseTiming();
        points = model->m_newcomerPoints.size();
        model.reset();
        state.ResumeTiming();
    }
    state.counters["imported points"] = static_cast<double>(points);
}

BENCHMARK(ImportCircles)
    ->ArgNames({"circles", "step", "existing"})
    ->Args({1000, 10, 0})
    ->Args({2000, 10, 0})
    ->Args({4000, 10, 0})
    ->Args({2000, 10, 200000})
    ->Args({10000, 10, 0})
    ->Args({100000, 45, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
