// Equation solver on plane-stress cantilevers of 4-node quadrilaterals (two
// freedoms per node) on square grids of about 1k, 10k and 100k nodes, with the
// profile in memory and forced out of core.
//
// Arguments: nodes, layout (0 in memory, with the memory size raised when the
// profile needs it; 1 out of core, with room for about a quarter of the
// profile; 2 the default memory size). Run one case per process to read its
// peak memory (the peakRssMiB counter is the process's high-water mark).

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <vector>

#include "../tests/calc/SolverGridModels.h"
#include "calc/ProfileSolver.h"
#include "calc/SkylineProfile.h"

namespace {

enum Layout { kInMemory = 0, kOutOfCore = 1, kDefaultMemory = 2 };

std::int64_t ProfileSizeOf(const solver_models::SolverModel& model) {
    SolverGraph graph;
    SkylineProfile profile;
    if (!BuildSolverGraph(model.description, graph) || !OrderSolverEquations(graph, profile)) return 0;
    return profile.profileSize;
}

std::int64_t MemoryWordsFor(Layout layout, const solver_models::SolverModel& model) {
    const std::int64_t reserve = kReservedWordsPerEquation * model.description.equationCount;
    const std::int64_t profile = ProfileSizeOf(model);
    switch (layout) {
        case kInMemory: return std::max(kMinDefaultSolverMemoryWords, reserve + profile + 1);
        case kOutOfCore: return reserve + profile / 4;
        default: return DefaultSolverMemoryWords();
    }
}

double PeakRssMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void ReportFigures(benchmark::State& state, const ProfileSolver& solver) {
    state.counters["equations"] = solver.EquationCount();
    state.counters["profile"] = static_cast<double>(solver.ProfileSize());
    state.counters["maxColumnHeight"] = solver.MaxColumnHeight();
    state.counters["blocks"] = solver.BlockCount();
    state.counters["peakRssMiB"] = PeakRssMiB();
}

// The grid of one benchmark case and a solver sized for its layout.
struct GridCase {
    explicit GridCase(const benchmark::State& state)
        : model(solver_models::SquareCantilever(static_cast<int>(state.range(0)))),
          rhs(model.description.equationCount, 1.0),
          x(rhs.size()),
          solver({MemoryWordsFor(static_cast<Layout>(state.range(1)), model), {}}) {}

    bool Run(benchmark::State& state, int job) {
        if (solver.SolveEquations(job, model.description, model.stream, rhs, x) == SolverStatus::Ok) return true;
        state.SkipWithError(job == ProfileSolver::kJobSolve ? "solve failed" : "set-up failed");
        return false;
    }

    solver_models::SolverModel model;
    std::vector<double> rhs;
    std::vector<double> x;
    ProfileSolver solver;
};

// Set-up (ordering, assembly, factorisation) and the first solve.
void BM_EqSolverFactorAndSolve(benchmark::State& state) {
    GridCase grid(state);
    for (auto _ : state) {
        if (!grid.Run(state, ProfileSolver::kJobSetUp)) break;
        benchmark::DoNotOptimize(grid.x.data());
    }
    ReportFigures(state, grid.solver);
}

// One further load case with the kept factor.
void BM_EqSolverSolveAgain(benchmark::State& state) {
    GridCase grid(state);
    if (!grid.Run(state, ProfileSolver::kJobSetUp)) return;
    for (auto _ : state) {
        if (!grid.Run(state, ProfileSolver::kJobSolve)) break;
        benchmark::DoNotOptimize(grid.x.data());
    }
    ReportFigures(state, grid.solver);
}

void GridSizes(benchmark::internal::Benchmark* bench) {
    for (int nodes : {1'000, 10'000}) {
        for (int layout : {kInMemory, kOutOfCore}) bench->Args({nodes, layout});
    }
}

void LargeGrid(benchmark::internal::Benchmark* bench) {
    for (int layout : {kInMemory, kOutOfCore, kDefaultMemory}) bench->Args({100'000, layout});
}

}  // namespace

BENCHMARK(BM_EqSolverFactorAndSolve)->Apply(GridSizes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EqSolverFactorAndSolve)->Apply(LargeGrid)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_EqSolverSolveAgain)->Apply(GridSizes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EqSolverSolveAgain)->Apply(LargeGrid)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
