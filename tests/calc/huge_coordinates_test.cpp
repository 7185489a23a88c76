// A section with one point moved far out: its division counts or its mesh
// grid cannot be represented, or its walls are too thin beside its extent,
// and the calculation refuses it with a reason.

#include "PropsShapes.h"
#include "support/ScriptedUserPorts.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace props_shapes;

struct HugeCase {
    const char* name;
    std::function<std::vector<int>(CSectModel&)> draw;
    double moveX;
    double meshSize;  // 0 sizes the mesh by the level
    const char* reason;
    bool beforeMeshing = false;  // refused in a box before the mesher starts
};

TEST(HugeCoordinatesTest, ASectionWithAPointMovedFarOutIsRefused)
{
    const auto rectangle = [](CSectModel& m) { return DrawRectangle(m, 100, 50); };
    const auto tube = [](CSectModel& m) { return DrawTube(m, 100, 5); };
    const HugeCase cases[] = {
        // 1e12 divisions of size 1 along the long sides.
        {"rectangle at 1e12, size 1", rectangle, 1e12, 1.0, "mesh divisions"},
        // Sized from the mean side, the short sides keep few divisions, far
        // finer than an extent of 1e300 can number.
        {"rectangle at 1e300", rectangle, 1e300, 0.0, "too finely divided"},
        // Its short sides, 50 apart, are a wall far too thin for an extent of 1e20.
        {"rectangle at -1e20", rectangle, -1e20, 0.0, "has a wall 50 thick, too thin beside its extent", true},
        // The tube's wall, 5 thick across its chords, beside an extent of 1e300.
        {"tube at 1e300", tube, 1e300, 0.0, "has a wall 4.981 thick, too thin beside its extent", true},
    };
    for (const HugeCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedUserPorts user;
        CSectModel model;
        model.m_reporter.SetPorts(user.Ports());
        const int id = GenerateSteelSection(model, c.draw(model));
        T_SECTION_D* section = model.FindSection(id);
        ASSERT_NE(section, nullptr);
        // The first point of the section's first curve.
        T_POINT_D* moved = section->FindPoint(section->curves.begin()->second->pointIds.front());
        ASSERT_NE(moved, nullptr);
        moved->xy[0] += c.moveX;

        user.ClearRecords();
        model.BeginUndoAction();
        EXPECT_FALSE(model.MeshPlaneSection(section, 3, c.meshSize));
        EXPECT_TRUE(model.m_feNodes.empty());
        if (c.beforeMeshing) {
            ASSERT_EQ(user.boxes.size(), 1u);
            EXPECT_TRUE(user.lines.empty()) << ::testing::PrintToString(user.lines);
            EXPECT_NE(user.boxes[0].text.find(c.reason), std::string::npos) << user.boxes[0].text;
            continue;
        }
        ASSERT_EQ(user.lines.size(), 1u) << ::testing::PrintToString(user.BoxTexts());
        EXPECT_EQ(user.lines[0].rfind("* Mesh generation failed in domain [", 0), 0u) << user.lines[0];
        EXPECT_NE(user.lines[0].find(c.reason), std::string::npos) << user.lines[0];
    }
}

} // namespace
