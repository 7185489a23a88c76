// J and the shear areas of thin-walled sections drawn as lines, calculated at
// the density levels, against independently computed values: each level puts
// its elements through every wall, however long and thin.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ReferenceSections.h"
#include "calc/PropsTestSupport.h"

namespace {

using reference_sections::ReferenceSection;

struct LevelBounds {
    int level;
    double torsion;  // relative
    double shear;    // relative; 0 = only below the area
};

struct ThinWallCase {
    const ReferenceSection* section;
    LevelBounds bounds;
};

void PrintTo(const ThinWallCase& c, std::ostream* os) { *os << c.section->name << " level " << c.bounds.level; }

class ThinWallAccuracy : public PropsTest, public ::testing::WithParamInterface<ThinWallCase> {};

// J below its reference would be an extrapolation of the cantilever that
// overshoots, so only rounding is allowed. The shear areas come from two
// cantilevers' tips, whose difference may leave an exact one (a strip's
// along its length) a hundred-thousandth low.
constexpr double kTorsionBelow = 1e-9;
constexpr double kShearAreaBelow = 1e-4;

// Displacement-based elements give values from above, so each value lies
// between the reference and the reference raised by its bound, less the
// rounding `below` allows.
void ExpectFromAbove(double value, double reference, double bound, double below, const char* what)
{
    EXPECT_GE(value, reference * (1.0 - below)) << what;
    EXPECT_LE(value, reference * (1.0 + bound)) << what;
}

TEST_P(ThinWallAccuracy, TorsionAndShearAreasAreWithinTheLevelsBounds)
{
    const ReferenceSection& reference = *GetParam().section;
    const LevelBounds& bounds = GetParam().bounds;
    const int id = props_shapes::GenerateSteelSection(model, reference_sections::DrawReferenceSection(model, reference));
    ASSERT_NE(id, 0);
    T_SECTION_D* section = model.FindSection(id);
    model.BeginUndoAction();
    ASSERT_TRUE(model.MeshPlaneSection(section, bounds.level, 0.0)) << ::testing::PrintToString(user.BoxTexts());
    ASSERT_TRUE(model.CalcPlaneSectionProperties(section)) << ::testing::PrintToString(user.BoxTexts());
    const double* r = section->results;
    ASSERT_NEAR(r[RESULT_A], reference.area, 1e-9 * reference.area);
    ExpectFromAbove(r[RESULT_J], reference.torsion, bounds.torsion, kTorsionBelow, "J");
    // Every one of these is within the solid model's reach: no line says J may be high.
    for (const std::string& line : user.lines)
        EXPECT_EQ(line.find("* J of plane section"), std::string::npos) << line;
    if (bounds.shear > 0.0) {
        ExpectFromAbove(r[RESULT_ASX], reference.shearAreaX, bounds.shear, kShearAreaBelow, "Asx");
        ExpectFromAbove(r[RESULT_ASY], reference.shearAreaY, bounds.shear, kShearAreaBelow, "Asy");
    }
    // One element through a wall makes its shear stress even across it and
    // the shear area the whole area. Level 1's two elements through a
    // slender wall are meant for J only.
    if (bounds.shear > 0.0 || &reference < &reference_sections::Sections()[reference_sections::kFirstSlenderSection]) {
        EXPECT_LT(r[RESULT_ASX], 0.98 * reference.area);
        EXPECT_LT(r[RESULT_ASY], 0.98 * reference.area);
    }
}

// Levels 1 and 3 on every section; level 5, whose slender walls take tens of
// thousands of elements, on the first six, on the Z, whose thin open walls
// resist warping hard against their J, and on the slit tubes, whose warping
// reaches furthest along the solid model.
std::vector<ThinWallCase> AllCases()
{
    const LevelBounds levels[] = {{1, 0.06, 0.0}, {3, 0.02, 0.02}, {5, 0.005, 0.01}};
    const std::vector<ReferenceSection>& sections = reference_sections::Sections();
    std::vector<ThinWallCase> cases;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const bool fineToo = i < reference_sections::kFirstSlenderSection ||
                             std::string(sections[i].name) == "Z200x70x2" || i >= reference_sections::kFirstSlitTube;
        for (const LevelBounds& bounds : levels) {
            if (bounds.level < 5 || fineToo)
                cases.push_back({&sections[i], bounds});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(ReferenceSections, ThinWallAccuracy, ::testing::ValuesIn(AllCases()),
                         [](const auto& info) {
                             return std::string(info.param.section->name) + "Level" +
                                    std::to_string(info.param.bounds.level);
                         });

// A wall a thousandth of the section's extent still gets the level's
// elements through it: a strip 1000 × 1 at level 1 against Saint-Venant's
// series (the finer levels take tens of thousands of elements here).
TEST_F(PropsTest, StripOfAThousandthOfItsLengthHasItsTorsionWithinLevelOnesBound)
{
    const reference_sections::ReferenceSection strip{"Strip1000x1", {{0, 0}, {1000, 0}, {1000, 1}, {0, 1}}, {},
                                                     1000, props_shapes::RectangleTorsion(1000, 1), 0, 0, 0.1};
    const int id = props_shapes::GenerateSteelSection(model, reference_sections::DrawReferenceSection(model, strip));
    ASSERT_NE(id, 0);
    T_SECTION_D* section = model.FindSection(id);
    model.BeginUndoAction();
    ASSERT_TRUE(model.MeshPlaneSection(section, 1, 0.0)) << ::testing::PrintToString(user.BoxTexts());
    ASSERT_TRUE(model.CalcPlaneSectionProperties(section)) << ::testing::PrintToString(user.BoxTexts());
    ExpectFromAbove(section->results[RESULT_J], strip.torsion, 0.06, kTorsionBelow, "J");
}

}  // namespace
