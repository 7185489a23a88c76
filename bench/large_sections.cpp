// Square, tube and I sections meshed into about 10k, 50k and 100k plane
// elements: the meshing, the calculation from the mesh to J and the shear
// areas, and that calculation's one-pass solid model stage by stage (element
// formation, node ordering with the equation profile, assembly,
// factorisation, the three load cases' solution), in processor seconds of the
// whole process; the calculation and the stages that run on several threads
// (formation, assembly, factorisation, solution) in wall seconds too. Each
// peak is the resident high-water mark of its stage alone: the mark is reset
// before the stage. shares counts the parts of the factor that run side by
// side.
//
// Arguments: shape (0 square 100 × 100, 1 tube 100 × 5, 2 I 200 × 100 × 10 × 6),
// size (0 about 10k, 1 about 50k, 2 about 100k plane elements).

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <chrono>
#include <ctime>
#include <cmath>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "../tests/calc/PropsShapes.h"
#include "../tests/calc/SolidSectionModels.h"
#include "calc/ProfileFactorization.h"
#include "calc/SectPropFem.h"
#include "calc/SkylineProfile.h"
#include "calc/SolidFemSolver.h"

namespace {

// Processor time of the whole process (all its threads) and wall time: on a
// shared machine the wall time says as much about the neighbours as about
// this code, while the processor time hides what the threads gain.
struct Stopwatch {
    std::clock_t processor = std::clock();
    std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();

    double ProcessorSeconds() const { return static_cast<double>(std::clock() - processor) / CLOCKS_PER_SEC; }
    double WallSeconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count();
    }
};

// Resets the process's resident high-water mark (Linux), so that the next
// reading covers what runs after this call.
// Freed heap goes back to the system first, or it would count as resident.
void ResetPeakRss() {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

double PeakRssMiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    }
    return 0.0;
}

struct Shape {
    std::function<std::vector<int>(CSectModel&)> draw;
    // Mesh sizes that give about 10k, 50k and 100k plane elements, found by
    // trial (the count does not follow the size smoothly).
    double meshSize[3];
};

const Shape kShapes[] = {
    {[](CSectModel& m) { return props_shapes::DrawRectangle(m, 100, 100); }, {1.414, 0.632, 0.447}},
    {[](CSectModel& m) { return props_shapes::DrawTube(m, 100, 5); }, {0.5065, 0.2402, 0.1687}},
    {[](CSectModel& m) { return props_shapes::DrawISection(m, 200, 100, 10, 6); }, {0.62, 0.29, 0.2465}},
};

// Times of the stages, in seconds, and the peak of the largest.
struct StageFigures {
    double formation = 0.0, formationWall = 0.0, ordering = 0.0, assembly = 0.0, factorisation = 0.0, solution = 0.0;
    double assemblyWall = 0.0, factorisationWall = 0.0, solutionWall = 0.0;
    double peakRssMiB = 0.0;
    std::int64_t equations = 0, profile = 0;
    int blocks = 0, shares = 0;
};

bool RunStages(const solid_sections::SolidModel& solid, StageFigures& figures) {
    ResetPeakRss();
    Stopwatch watch;
    SolidEquationTables equations;
    ConnectivityDescription description;
    ElementStream stream;
    if (!solid_sections::FormSystem(solid, equations, description, stream)) return false;
    std::vector<double> loads;
    AssembleLoadVectors(solid.Tables(), equations, loads);
    figures.formation = watch.ProcessorSeconds();
    figures.formationWall = watch.WallSeconds();

    watch = Stopwatch();
    ProfileSolverState state({});
    SolverGraph graph;
    if (!BuildSolverGraph(description, graph) || !OrderSolverEquations(graph, state.profile)) return false;
    figures.ordering = watch.ProcessorSeconds();

    watch = Stopwatch();
    if (!PartitionProfileBlocks(ProfileSolverOptions{}.memoryWords, state.profile, state.blocks)) return false;
    if (state.IsOutOfCore() && !state.store.Create()) return false;
    if (AssembleProfileBlocks(stream, state) != SolverStatus::Ok) return false;
    figures.assembly = watch.ProcessorSeconds();
    figures.assemblyWall = watch.WallSeconds();

    watch = Stopwatch();
    if (FactorProfileBlocks(state) != SolverStatus::Ok) return false;
    figures.factorisation = watch.ProcessorSeconds();
    figures.factorisationWall = watch.WallSeconds();

    watch = Stopwatch();
    const std::size_t count = static_cast<std::size_t>(equations.equationCount);
    std::vector<double> x(count);
    for (int c = 0; c < CSectPropFem::kLoadCases; ++c) {
        if (SubstituteProfileBlocks(state, std::span<const double>(loads).subspan(c * count, count), x) !=
            SolverStatus::Ok) {
            return false;
        }
    }
    figures.solution = watch.ProcessorSeconds();
    figures.solutionWall = watch.WallSeconds();
    figures.peakRssMiB = PeakRssMiB();
    figures.equations = static_cast<std::int64_t>(count);
    figures.profile = state.profile.profileSize;
    figures.blocks = state.blocks.blockCount;
    figures.shares = state.segments.ShareCount();
    return true;
}

// Centroid of the mesh's area, as the section calculation places the masters.
void MeshCentroid(const CSectModel& model, double centroid[2]) {
    double area = 0.0, sx = 0.0, sy = 0.0;
    for (const auto& [id, element] : model.m_feElements) {
        const std::size_t count = element->nodeIds.size();
        for (std::size_t a = 0; a < count; ++a) {
            const double* p = model.m_feNodes.at(element->nodeIds[a])->xy;
            const double* q = model.m_feNodes.at(element->nodeIds[(a + 1) % count])->xy;
            const double cross = p[0] * q[1] - q[0] * p[1];
            area += cross / 2.0;
            sx += (p[0] + q[0]) * cross / 6.0;
            sy += (p[1] + q[1]) * cross / 6.0;
        }
    }
    centroid[0] = sx / area;
    centroid[1] = sy / area;
}

void BM_LargeSection(benchmark::State& state) {
    const Shape& shape = kShapes[state.range(0)];
    const double meshSize = shape.meshSize[state.range(1)];
    CSectModel model;
    T_SECTION_D* section = model.FindSection(props_shapes::GenerateSteelSection(model, shape.draw(model)));
    if (!section) {
        state.SkipWithError("section not generated");
        return;
    }
    model.BeginUndoAction();
    for (auto _ : state) {
        ResetPeakRss();
        Stopwatch watch;
        if (!model.MeshPlaneSection(section, 5, meshSize)) {
            state.SkipWithError("not meshed");
            return;
        }
        state.counters["mesh_s"] = watch.ProcessorSeconds();
        state.counters["meshPeakMiB"] = PeakRssMiB();

        ResetPeakRss();
        watch = Stopwatch();
        if (!model.CalcPlaneSectionProperties(section)) {
            state.SkipWithError("not calculated");
            return;
        }
        state.counters["calc_s"] = watch.ProcessorSeconds();
        state.counters["calcWall_s"] = watch.WallSeconds();
        state.counters["calcPeakMiB"] = PeakRssMiB();

        double centroid[2];
        MeshCentroid(model, centroid);
        StageFigures figures;
        if (!RunStages(solid_sections::Extrude(solid_sections::MeshOf(model), centroid[0], centroid[1], 1e-6),
                       figures)) {
            state.SkipWithError("solid model stages failed");
            return;
        }
        state.counters["formation_s"] = figures.formation;
        state.counters["formationWall_s"] = figures.formationWall;
        state.counters["ordering_s"] = figures.ordering;
        state.counters["assembly_s"] = figures.assembly;
        state.counters["factor_s"] = figures.factorisation;
        state.counters["solution_s"] = figures.solution;
        state.counters["assemblyWall_s"] = figures.assemblyWall;
        state.counters["factorWall_s"] = figures.factorisationWall;
        state.counters["solutionWall_s"] = figures.solutionWall;
        state.counters["stagesPeakMiB"] = figures.peakRssMiB;
        state.counters["equations"] = static_cast<double>(figures.equations);
        state.counters["profile"] = static_cast<double>(figures.profile);
        state.counters["blocks"] = figures.blocks;
        state.counters["shares"] = figures.shares;
        state.counters["elements"] = static_cast<double>(model.m_feElements.size());
        model.ClearFeMesh();
    }
    const double* r = section->results;
    state.counters["J"] = r[RESULT_J];
    state.counters["Asx/A"] = r[RESULT_ASX] / r[RESULT_A];
    state.counters["Asy/A"] = r[RESULT_ASY] / r[RESULT_A];
}

}  // namespace

BENCHMARK(BM_LargeSection)
    ->ArgsProduct({{0, 1, 2}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);
