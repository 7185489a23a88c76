// Drawings that once made the DXF import slow out of all proportion to their
// size: the offered check for crossings and duplicates on a grid of crossing
// lines and on overlapping circles, and the read of lines that all start at
// one point (a star) beside the same count of lines that share nothing.

#include <benchmark/benchmark.h>

#include "model/SectModel.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <numbers>
#include <string>

namespace {

void WriteLine(std::ostream& out, double x0, double y0, double x1, double y1)
{
    out << "0\nLINE\n8\n0\n10\n" << x0 << "\n20\n" << y0 << "\n30\n0\n11\n" << x1 << "\n21\n" << y1 << "\n31\n0\n";
}

// Writes the drawing once per name into the temporary folder and returns its path.
template <class WriteEntities>
std::string Drawing(const std::string& name, WriteEntities writeEntities)
{
    static std::map<std::string, std::string> written;
    if (const auto found = written.find(name); found != written.end())
        return found->second;
    const std::string path = (std::filesystem::temp_directory_path() / ("klx_bench_" + name + ".dxf")).string();
    std::ofstream out(path, std::ios::binary);
    out.precision(17);
    out << "0\nSECTION\n2\nENTITIES\n";
    writeEntities(out);
    out << "0\nENDSEC\n0\nEOF\n";
    return written[name] = path;
}

// side horizontal and side vertical lines 10 apart, each crossing all of the others.
std::string GridDrawing(int side)
{
    return Drawing("grid_" + std::to_string(side), [side](std::ostream& out) {
        const double far = 10.0 * side;
        for (int i = 0; i < side; ++i) {
            WriteLine(out, -5.0, 10.0 * i, far, 10.0 * i);
            WriteLine(out, 10.0 * i, -5.0, 10.0 * i, far);
        }
    });
}

// The grid with every line drawn a second time from a little further on, so
// that the check finds a duplicate of nearly every piece; 124 lines a side
// stay under the import's limit for the check.
std::string DoubledGridDrawing(int side)
{
    return Drawing("doubled_grid_" + std::to_string(side), [side](std::ostream& out) {
        const double far = 10.0 * side;
        for (int i = 0; i < side; ++i) {
            for (double from : {-5.0, -3.0}) {
                WriteLine(out, from, 10.0 * i, far, 10.0 * i);
                WriteLine(out, 10.0 * i, from, 10.0 * i, far);
            }
        }
    });
}

// Circles of radius 60 with centres 10 apart on a square: each crosses most others.
std::string OverlappingCirclesDrawing(int count)
{
    return Drawing("overlapping_circles_" + std::to_string(count), [count](std::ostream& out) {
        const int side = static_cast<int>(std::ceil(std::sqrt(count)));
        for (int i = 0; i < count; ++i)
            out << "0\nCIRCLE\n8\n0\n10\n" << 10 * (i % side) << "\n20\n" << 10 * (i / side) << "\n30\n0\n40\n60\n";
    });
}

// Lines from the origin out to a circle of radius 1e5; their far ends lie
// more than the tolerance apart up to 200,000 lines.
std::string StarDrawing(int count)
{
    return Drawing("star_" + std::to_string(count), [count](std::ostream& out) {
        for (int i = 0; i < count; ++i) {
            const double angle = 2.0 * std::numbers::pi * i / count;
            WriteLine(out, 0.0, 0.0, 1e5 * std::cos(angle), 1e5 * std::sin(angle));
        }
    });
}

// Short lines in rows, 10 apart, touching nothing.
std::string DisjointLinesDrawing(int count)
{
    return Drawing("disjoint_lines_" + std::to_string(count), [count](std::ostream& out) {
        for (int i = 0; i < count; ++i) {
            const double x = 10.0 * (i % 1000);
            const double y = 10.0 * (i / 1000);
            WriteLine(out, x, y, x + 5.0, y);
        }
    });
}

// A fresh model per iteration reads the drawing; with the check, the import
// ends as the command ends it, the check answered Yes (the default without a
// message port).
void TimeImport(benchmark::State& state, const std::string& path, bool withCheck)
{
    const double shift[2] = {0.0, 0.0};
    std::size_t curves = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<CSectModel>();
        model->BeginDxfImport();
        state.ResumeTiming();
        if (!model->ReadDxfFile(path.c_str(), shift, 0.0)) {
            state.SkipWithError("drawing not read");
            return;
        }
        if (withCheck)
            model->FinishDxfImport("bench");
        // Freeing the model is no part of the import.
        state.PauseTiming();
        curves = model->m_curves.size();
        model.reset();
        state.ResumeTiming();
    }
    state.counters["curves"] = static_cast<double>(curves);
}

void CheckGrid(benchmark::State& state)
{
    TimeImport(state, GridDrawing(static_cast<int>(state.range(0))), true);
}

void CheckDoubledGrid(benchmark::State& state)
{
    TimeImport(state, DoubledGridDrawing(static_cast<int>(state.range(0))), true);
}

void CheckOverlappingCircles(benchmark::State& state)
{
    TimeImport(state, OverlappingCirclesDrawing(static_cast<int>(state.range(0))), true);
}

void ReadStar(benchmark::State& state)
{
    TimeImport(state, StarDrawing(static_cast<int>(state.range(0))), false);
}

void ReadDisjointLines(benchmark::State& state)
{
    TimeImport(state, DisjointLinesDrawing(static_cast<int>(state.range(0))), false);
}

BENCHMARK(CheckGrid)->ArgName("side")->Arg(60)->Arg(100)->Arg(249)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(CheckDoubledGrid)->ArgName("side")->Arg(60)->Arg(124)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(CheckOverlappingCircles)->ArgName("circles")->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(ReadStar)->ArgName("lines")->Arg(50000)->Arg(200000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(ReadDisjointLines)->ArgName("lines")->Arg(50000)->Arg(200000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
