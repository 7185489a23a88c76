// J and shear areas of sections built from curves, meshed by the mesher and
// solved by the solid model, against the closed-form values (ν → 0).

#include <gtest/gtest.h>

#include <functional>

#include "calc/PropsShapes.h"
#include "calc/PropsTestSupport.h"

namespace {

using namespace props_shapes;

struct AccuracyCase {
    const char* name;
    int level;
    std::function<std::vector<int>(CSectModel&)> draw;
    double torsion;       // closed form
    double torsionBound;  // relative
    double shearRatioX;   // As / A, closed form; 0 = not checked
    double shearRatioY;
    double shearBound;  // relative
};

void PrintTo(const AccuracyCase& c, std::ostream* os) { *os << c.name << " level " << c.level; }

class FeAccuracyTest : public PropsTest, public ::testing::WithParamInterface<AccuracyCase> {};

TEST_P(FeAccuracyTest, TorsionAndShearAreasApproachClosedForms)
{
    const AccuracyCase& c = GetParam();
    const int id = GenerateSteelSection(model, c.draw(model));
    ASSERT_NE(id, 0);
    T_SECTION_D* section = model.FindSection(id);
    model.BeginUndoAction();
    ASSERT_TRUE(model.MeshPlaneSection(section, c.level, 0.0)) << ::testing::PrintToString(user.BoxTexts());
    ASSERT_TRUE(model.CalcPlaneSectionProperties(section)) << ::testing::PrintToString(user.BoxTexts());
    const double* r = section->results;
    EXPECT_PRED3(IsNear, r[RESULT_J], c.torsion, c.torsionBound);
    if (c.shearRatioX > 0.0) {
        EXPECT_PRED3(IsNear, r[RESULT_ASX] / r[RESULT_A], c.shearRatioX, c.shearBound);
    }
    if (c.shearRatioY > 0.0) {
        EXPECT_PRED3(IsNear, r[RESULT_ASY] / r[RESULT_A], c.shearRatioY, c.shearBound);
    }
}

const auto kRectangle = [](CSectModel& m) { return DrawRectangle(m, 100.0, 50.0); };
const auto kSquare = [](CSectModel& m) { return DrawRectangle(m, 100.0, 100.0); };
const auto kStripWide = [](CSectModel& m) { return DrawRectangle(m, 100.0, 10.0); };
const auto kStripTall = [](CSectModel& m) { return DrawRectangle(m, 10.0, 100.0); };
const auto kDisc = [](CSectModel& m) { return DrawTube(m, 100.0, 0.0); };
const auto kTube = [](CSectModel& m) { return DrawTube(m, 100.0, 5.0); };
const auto kTriangle = [](CSectModel& m) { return DrawEquilateralTriangle(m, 100.0); };

const double kDiscJ = Disc36Torsion(100.0);
// The true circle's; the 36-gon tube's own J is about 1.1 % lower.
const double kTubeJ = TubeTorsion(100.0, 5.0);
const double kTriangleJ = EquilateralTriangleTorsion(100.0);

// Bounds some 1.5 times or more above what the quadrilateral meshes of each
// level reach; the strips' bounds are older than the sizing by wall
// thickness and loose now (thin_wall_accuracy_test holds thin walls to
// tight ones). The values converge from above: distorted quadrilaterals pass
// the constant-strain patch test, so they no longer come out below the exact
// values on the finer levels.
INSTANTIATE_TEST_SUITE_P(
    BuiltFromCurves, FeAccuracyTest,
    ::testing::Values(
        AccuracyCase{"rectangle", 3, kRectangle, RectangleTorsion(100, 50), 0.015, 5.0 / 6, 5.0 / 6, 0.025},
        AccuracyCase{"rectangle", 5, kRectangle, RectangleTorsion(100, 50), 0.006, 5.0 / 6, 5.0 / 6, 0.0085},
        AccuracyCase{"square", 3, kSquare, RectangleTorsion(100, 100), 0.015, 5.0 / 6, 5.0 / 6, 0.012},
        AccuracyCase{"wide strip", 3, kStripWide, RectangleTorsion(100, 10), 0.1, 5.0 / 6, 0, 0.006},
        AccuracyCase{"tall strip", 3, kStripTall, RectangleTorsion(10, 100), 0.1, 0, 5.0 / 6, 0.006},
        AccuracyCase{"wide strip", 5, kStripWide, RectangleTorsion(100, 10), 0.035, 5.0 / 6, 0, 0.002},
        AccuracyCase{"disc", 3, kDisc, kDiscJ, 0.006, 6.0 / 7, 6.0 / 7, 0.009},
        AccuracyCase{"tube", 3, kTube, kTubeJ, 0.02, 0, 0, 0},
        AccuracyCase{"triangle", 3, kTriangle, kTriangleJ, 0.035, 0, 0, 0},
        AccuracyCase{"triangle", 5, kTriangle, kTriangleJ, 0.012, 0, 0, 0}));

}  // namespace
