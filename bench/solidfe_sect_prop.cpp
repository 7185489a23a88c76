// Torsion constant and shear areas of square plane sections meshed with about
// 1k, 10k and 50k quadrilaterals: CSectPropFem::Calculate as a whole, and the
// same solid model stage by stage (element formation, set-up with
// factorisation, one further load case). Run one case per process to read
// its peak memory (the peakRssMiB counter is the process's high-water mark).

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <chrono>
#include <cmath>
#include <vector>

#include "../tests/calc/SolidSectionModels.h"
#include "../tests/calc/StructuredPlaneMeshes.h"
#include "calc/SectPropFem.h"
#include "calc/SolidFemSolver.h"

namespace {

using Clock = std::chrono::steady_clock;

double PeakRssMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// A unit square of side x side quadrilaterals.
void BuildSquare(CSectModel& model, int side) {
    plane_meshes::AddMaterial(model, plane_meshes::kSteelId, 210000.0, 0.3);
    plane_meshes::AddGrid(model, side, side, plane_meshes::Rectangle(1.0, 1.0));
}

int SideFor(const benchmark::State& state) {
    return static_cast<int>(std::lround(std::sqrt(static_cast<double>(state.range(0)))));
}

void BM_SectPropFemCalculate(benchmark::State& state) {
    CSectModel model;
    BuildSquare(model, SideFor(state));
    const double centroid[2] = {0.5, 0.5};
    double torsion = 0.0, shearX = 0.0, shearY = 0.0;
    for (auto _ : state) {
        if (!CSectPropFem().Calculate(model.m_feNodes, model.m_feElements, model.m_materials, plane_meshes::kSteelId,
                                      centroid, torsion, shearX, shearY)) {
            state.SkipWithError("calculation failed");
            break;
        }
    }
    state.counters["planeElements"] = static_cast<double>(model.m_feElements.size());
    state.counters["J/0.1405770"] = torsion / 0.1405770;
    state.counters["peakRssMiB"] = PeakRssMiB();
}

// The one-pass solid model of the square, stage by stage.
void BM_SectPropFemStages(benchmark::State& state) {
    const solid_sections::SolidModel solid =
        solid_sections::Extrude(solid_sections::UnitSquareGrid(SideFor(state)), 0.5, 0.5, 0.3);
    const SolidModelTables model = solid.Tables();

    double formation = 0.0, setUp = 0.0, solution = 0.0;
    ProfileSolver solver;
    for (auto _ : state) {
        auto start = Clock::now();
        SolidEquationTables equations;
        NumberEquations(model, equations);
        ConnectivityDescription description;
        ElementStream stream;
        if (!AssembleElementSystem(model, equations, description, stream)) {
            state.SkipWithError("element formation failed");
            break;
        }
        std::vector<double> rhs;
        AssembleLoadVectors(model, equations, rhs);
        formation += SecondsSince(start);

        const std::size_t count = static_cast<std::size_t>(equations.equationCount);
        std::vector<double> x(count);
        start = Clock::now();
        const SolverStatus first = solver.SolveEquations(ProfileSolver::kJobSetUp, description, stream,
                                                         std::span<const double>(rhs).first(count), x);
        setUp += SecondsSince(start);
        start = Clock::now();
        const SolverStatus second = solver.SolveEquations(ProfileSolver::kJobSolve, description, stream,
                                                          std::span<const double>(rhs).subspan(count, count), x);
        solution += SecondsSince(start);
        if (first != SolverStatus::Ok || second != SolverStatus::Ok) {
            state.SkipWithError("equation solver failed");
            break;
        }
        state.counters["equations"] = static_cast<double>(count);
        state.counters["profile"] = static_cast<double>(solver.ProfileSize());
        state.counters["blocks"] = solver.BlockCount();
        (void)solver.SolveEquations(ProfileSolver::kJobRelease, description, stream, {}, {});
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["formation_s"] = formation / iterations;
    state.counters["setUpAndFactor_s"] = setUp / iterations;
    state.counters["solve_s"] = solution / iterations;
    state.counters["peakRssMiB"] = PeakRssMiB();
}

void Sizes(benchmark::internal::Benchmark* bench) {
    for (int elements : {1'024, 10'000, 50'176}) bench->Arg(elements);
}

}  // namespace

BENCHMARK(BM_SectPropFemCalculate)->Apply(Sizes)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_SectPropFemStages)->Apply(Sizes)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
