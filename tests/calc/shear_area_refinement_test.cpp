// Shear areas of a rectangle on regular grids refined up to 256 x 128 cells.
// Every element of such a grid is the same, and each spans the whole
// cantilever, thousands of times longer than wide: rounding in its matrix
// once added up over the grid and pushed the shear areas up by 2 % at the
// finest grid, and by 40 % on a cantilever twice as long.

#include <gtest/gtest.h>

#include "StructuredPlaneMeshes.h"
#include "calc/SectPropFem.h"

using namespace plane_meshes;

namespace {

constexpr double kWidth = 100.0, kHeight = 50.0;
// Shear area of a rectangle for ν = 0 (Timoshenko): 5/6 of its area.
constexpr double kExactShearArea = 5.0 / 6.0 * kWidth * kHeight;

struct ShearAreas {
    double x = 0.0, y = 0.0;
};

ShearAreas SolveRectangle(int cellsAcross, double lengthFactor = CSectPropFem::kDefaultLengthFactor) {
    CSectModel model;
    AddMaterial(model, kSteelId, 210000.0, 0.0);
    AddGrid(model, cellsAcross, cellsAcross / 2, Rectangle(kWidth, kHeight));
    const double centroid[2] = {kWidth / 2.0, kHeight / 2.0};
    double torsion = 0.0;
    ShearAreas areas;
    EXPECT_TRUE(CSectPropFem(lengthFactor).Calculate(model.m_feNodes, model.m_feElements, model.m_materials,
                                                     kSteelId, centroid, torsion, areas.x, areas.y));
    return areas;
}

TEST(ShearAreaRefinement, RegularGridsApproachFiveSixthsOfTheAreaFromAbove) {
    ShearAreas previous{1e300, 1e300};
    for (const int cells : {32, 64, 128, 256}) {
        const ShearAreas areas = SolveRectangle(cells);
        EXPECT_GT(areas.x, kExactShearArea) << cells;
        EXPECT_GT(areas.y, kExactShearArea) << cells;
        EXPECT_LT(areas.x, previous.x) << cells;
        EXPECT_LT(areas.y, previous.y) << cells;
        if (cells >= 128) {
            EXPECT_LT(areas.x / kExactShearArea - 1.0, 0.001) << cells;
            EXPECT_LT(areas.y / kExactShearArea - 1.0, 0.001) << cells;
        }
        previous = areas;
    }
}

// The lengths cancel the bending; what is left must not depend on them. The
// longer the cantilever, the more of each element's stiffness cancels under
// its rigid end face: at four times the length the shear areas once drifted
// by 0.4 %. From half the default length to twice it.
TEST(ShearAreaRefinement, LongerCantileversGiveTheSameShearAreas) {
    const double shortest = CSectPropFem::kDefaultLengthFactor / 2.0;
    const ShearAreas standard = SolveRectangle(128, shortest);
    for (const double times : {2.0, 4.0}) {
        const ShearAreas longer = SolveRectangle(128, times * shortest);
        EXPECT_NEAR(longer.x / standard.x, 1.0, 5e-4) << times;
        EXPECT_NEAR(longer.y / standard.y, 1.0, 5e-4) << times;
    }
}

}  // namespace
