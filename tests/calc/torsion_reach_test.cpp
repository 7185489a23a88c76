// A section whose warping the solid model cannot free within the lengths
// rounding allows is still calculated, and the output window says that its J
// may be high and why, in lines short enough to read in a narrow window.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "StructuredPlaneMeshes.h"
#include "calc/PropsTestSupport.h"

namespace {

using namespace plane_meshes;

// A section record named `name` with one domain and no outline, over a
// hand-made mesh: the sums come from the mesh.
class TorsionReachTest : public PropsTest {
protected:
    T_SECTION_D& AddMeshedSection(const std::string& name)
    {
        auto section = std::make_unique<T_SECTION_D>();
        section->id = 1;
        section->name = name;
        auto domain = std::make_unique<T_DOMAIN_D>();
        domain->id = 1;
        section->domains[1] = std::move(domain);
        model.m_sections[1] = std::move(section);
        model.m_nextSectionId = 2;
        model.m_nextFeElementId = static_cast<int>(model.m_feElements.size()) + 1;
        model.m_nextFeNodeId = static_cast<int>(model.m_feNodes.size()) + 1;
        return *model.FindSection(1);
    }

    std::vector<std::string> TorsionLines() const
    {
        std::vector<std::string> found;
        for (std::size_t i = 0; i < user.lines.size(); ++i) {
            if (user.lines[i].starts_with("* J of plane section"))
                found.assign(user.lines.begin() + static_cast<std::ptrdiff_t>(i), user.lines.end());
        }
        return found;
    }
};

// A slit tube 100 across with a wall of 0.001, one element through it: its
// warping would need cantilevers nearly three times longer than the ten
// million wall thicknesses at which rounding stops them.
TEST_F(TorsionReachTest, SectionPastTheSolidModelsReachIsCalculatedAndSaysJMayBeHigh)
{
    AddMaterial(model, kSteelId, 210000.0, 0.3);
    AddSlitRing(model, 50.0, 0.001, 0.02, 60, 1);
    T_SECTION_D& section = AddMeshedSection("Slit tube");
    model.BeginUndoAction();
    ASSERT_TRUE(model.CalcPlaneSectionProperties(&section)) << ::testing::PrintToString(user.BoxTexts());
    EXPECT_TRUE(section.propertiesCalculated);
    EXPECT_GT(section.results[RESULT_J], 0.0);
    const std::vector<std::string> lines = TorsionLines();
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "* J of plane section [Slit tube] may be high: its thin open walls resist",
                         "  warping too strongly for the longest solid model that rounding allows.",
                         "  Check J by hand: about the sum of b*t^3/3 over the walls.",
                     }));
    // A window 1024 pixels wide shows about a hundred characters.
    for (const std::string& line : lines)
        EXPECT_LT(line.size(), 90u) << line;
    EXPECT_TRUE(user.BoxTexts().empty());
}

// The same tube with a wall of a fortieth of its diameter is within reach.
TEST_F(TorsionReachTest, SlitTubeWithinReachGetsNoLine)
{
    AddMaterial(model, kSteelId, 210000.0, 0.3);
    AddSlitRing(model, 20.0, 1.0, 0.1, 72, 2);
    T_SECTION_D& section = AddMeshedSection("Slit tube");
    model.BeginUndoAction();
    ASSERT_TRUE(model.CalcPlaneSectionProperties(&section)) << ::testing::PrintToString(user.BoxTexts());
    EXPECT_TRUE(TorsionLines().empty()) << ::testing::PrintToString(user.lines);
}

}  // namespace
