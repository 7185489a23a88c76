// The calculation of plane sections built from curves, meshed at every
// density level: mesh, renumbering, integration and the solid model. The
// counters give the element count and the values, with their errors against
// the closed forms where those exist (ν → 0).

#include <benchmark/benchmark.h>

#include <functional>

#include "../tests/calc/PropsShapes.h"
#include "../tests/calc/ReferenceSections.h"
#include "../tests/calc/WarpingTorsion.h"

namespace {

using namespace props_shapes;

using DrawShape = std::function<std::vector<int>(CSectModel&)>;

// What one calculation of a drawn section gives.
struct Calculated {
    int elements = 0;
    double torsion = 0.0;
    double shearRatioX = 0.0;  // Asx / A
    double shearRatioY = 0.0;  // Asy / A
};

// Generates the drawn section, then meshes and calculates it on every
// iteration; false after skipping the benchmark with the reason.
bool CalculateEachIteration(benchmark::State& state, const DrawShape& draw, int level, double meshSize,
                            Calculated& calculated)
{
    CSectModel model;
    const int id = GenerateSteelSection(model, draw(model));
    T_SECTION_D* section = model.FindSection(id);
    if (!section) {
        state.SkipWithError("section not generated");
        return false;
    }
    model.BeginUndoAction();
    for (auto _ : state) {
        if (!model.MeshPlaneSection(section, level, meshSize) || !model.CalcPlaneSectionProperties(section)) {
            state.SkipWithError("not calculated");
            return false;
        }
        calculated.elements = static_cast<int>(model.m_feElements.size());
        model.ClearFeMesh();
    }
    const double* r = section->results;
    calculated.torsion = r[RESULT_J];
    calculated.shearRatioX = r[RESULT_ASX] / r[RESULT_A];
    calculated.shearRatioY = r[RESULT_ASY] / r[RESULT_A];
    return true;
}

// The counters every calculation shows, and the shear areas' errors against
// shearRatio when it is known (non-zero).
void CountCalculated(benchmark::State& state, const Calculated& calculated, double shearRatio)
{
    state.counters["elements"] = calculated.elements;
    state.counters["J"] = calculated.torsion;
    state.counters["Asx/A"] = calculated.shearRatioX;
    state.counters["Asy/A"] = calculated.shearRatioY;
    if (shearRatio > 0.0) {
        state.counters["Asx_err%"] = 100.0 * (calculated.shearRatioX - shearRatio) / shearRatio;
        state.counters["Asy_err%"] = 100.0 * (calculated.shearRatioY - shearRatio) / shearRatio;
    }
}

struct Shape {
    DrawShape draw;
    double torsion;     // closed form, 0 when none
    double shearRatio;  // As / A, 0 when none
};

const Shape kShapes[] = {
    {[](CSectModel& m) { return DrawRectangle(m, 100, 50); }, RectangleTorsion(100, 50), 5.0 / 6.0},
    {[](CSectModel& m) { return DrawTube(m, 100, 5); }, TubeTorsion(100, 5), 0},
    {[](CSectModel& m) { return DrawISection(m, 200, 100, 10, 6); }, 0, 0},
    {[](CSectModel& m) { return DrawRectangle(m, 100, 100); }, RectangleTorsion(100, 100), 5.0 / 6.0},
    {[](CSectModel& m) { return DrawRectangle(m, 100, 10); }, RectangleTorsion(100, 10), 0},
    {[](CSectModel& m) { return DrawRectangle(m, 10, 100); }, RectangleTorsion(100, 10), 0},
    {[](CSectModel& m) { return DrawTube(m, 100, 0); }, Disc36Torsion(100), 6.0 / 7.0},
    {[](CSectModel& m) { return DrawEquilateralTriangle(m, 100); }, EquilateralTriangleTorsion(100), 0},
};

// Arguments: shape index (0 rectangle 100×50, 1 tube 100×5, 2 I 200×100×10×6,
// 3 square, 4 wide strip, 5 tall strip, 6 disc, 7 triangle), level.
void CalculatePlaneSection(benchmark::State& state)
{
    const Shape& shape = kShapes[state.range(0)];
    Calculated calculated;
    if (!CalculateEachIteration(state, shape.draw, static_cast<int>(state.range(1)), 0.0, calculated))
        return;
    CountCalculated(state, calculated, shape.shearRatio);
    if (shape.torsion > 0.0)
        state.counters["J_err%"] = 100.0 * (calculated.torsion - shape.torsion) / shape.torsion;
}

BENCHMARK(CalculatePlaneSection)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// J and the shear areas of the sections the tests check against independent
// values, at levels 3 and 5 and at a fine mesh size, with their differences
// from those values: J from the warping function on a fine structured mesh
// of the same polygon (extrapolated), As/A = 5/6 for the rectangle (ν → 0).
struct ReferenceShape {
    DrawShape draw;
    std::function<double()> torsion;
    double shearRatio;  // 0 when no closed form
};

double TubeReferenceTorsion()
{
    const double coarse = warping::TorsionConstant(warping::PolygonRingMesh(45, 50, 36, 36 * 8, 4));
    const double fine = warping::TorsionConstant(warping::PolygonRingMesh(45, 50, 36, 36 * 16, 8));
    return (4 * fine - coarse) / 3;
}

const ReferenceShape kReferenceShapes[] = {
    {[](CSectModel& m) { return DrawISection(m, 200, 100, 10, 6); },
     [] { return warping::ExtrapolatedTorsion({{0, 0, 100, 10}, {47, 10, 53, 190}, {0, 190, 100, 200}}, 0.5); }, 0},
    {[](CSectModel& m) { return DrawChannel(m, 100, 50, 8); },
     [] { return warping::ExtrapolatedTorsion({{0, 0, 50, 8}, {0, 8, 8, 92}, {0, 92, 50, 100}}, 0.5); }, 0},
    {[](CSectModel& m) { return DrawAngle(m, 80, 60, 10); },
     [] { return warping::ExtrapolatedTorsion({{0, 0, 80, 10}, {0, 10, 10, 60}}, 0.5); }, 0},
    {[](CSectModel& m) { return DrawRectangle(m, 100, 50); }, [] { return RectangleTorsion(100, 50); }, 5.0 / 6.0},
    {[](CSectModel& m) { return DrawTube(m, 100, 5); }, TubeReferenceTorsion, 0},
};

// Arguments: shape index (0 I 200×100×10×6, 1 channel 100×50×8, 2 angle
// 80×60×10, 3 rectangle 100×50, 4 tube 100×5), level (0 = the fine mesh
// size 1.0).
void CompareWithReferences(benchmark::State& state)
{
    const ReferenceShape& shape = kReferenceShapes[state.range(0)];
    const int level = static_cast<int>(state.range(1));
    Calculated calculated;
    if (!CalculateEachIteration(state, shape.draw, level, level == 0 ? 1.0 : 0.0, calculated))
        return;
    const double torsion = shape.torsion();
    CountCalculated(state, calculated, shape.shearRatio);
    state.counters["J_ref"] = torsion;
    state.counters["J_err%"] = 100.0 * (calculated.torsion - torsion) / torsion;
}

BENCHMARK(CompareWithReferences)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {3, 5, 0}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace

namespace {

double PercentOff(double value, double reference) { return 100.0 * (value - reference) / reference; }

// The fourteen independently computed sections drawn as lines: the element
// count, the time of one mesh and calculation, and the errors of J and both
// shear areas against the reference values.
// Arguments: section index (0 I, 1 channel, 2 angle, 3 T, 4 strip, 5 hollow
// rectangle; the slender 6 strip, 7 lipped channel, 8 Z, 9 square hollow,
// 10 plate girder, 11 angle; the slit tubes 12 R50 and 13 R20), level.
void ReferenceSectionsByLevel(benchmark::State& state)
{
    const reference_sections::ReferenceSection& reference =
        reference_sections::Sections()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(reference.name);
    Calculated calculated;
    const DrawShape draw = [&reference](CSectModel& m) { return reference_sections::DrawReferenceSection(m, reference); };
    if (!CalculateEachIteration(state, draw, static_cast<int>(state.range(1)), 0.0, calculated))
        return;
    state.counters["elements"] = calculated.elements;
    state.counters["J_err%"] = PercentOff(calculated.torsion, reference.torsion);
    state.counters["Asx_err%"] = PercentOff(calculated.shearRatioX * reference.area, reference.shearAreaX);
    state.counters["Asy_err%"] = PercentOff(calculated.shearRatioY * reference.area, reference.shearAreaY);
}

BENCHMARK(ReferenceSectionsByLevel)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}})
    ->Unit(benchmark::kMillisecond);

// The slender walls are where the mesh grows, and the slit tubes' warping
// where the solid model grows longer: what their accuracy costs.
BENCHMARK(ReferenceSectionsByLevel)
    ->ArgsProduct({{6, 7, 8, 9, 10, 11, 12, 13}, {1, 3, 5}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
