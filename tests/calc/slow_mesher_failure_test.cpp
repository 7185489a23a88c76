// A plane section read from a damaged project file, with a boundary segment
// the triangulation cannot recover: the mesher gives up on it at once.

#include "support/ScriptedUserPorts.h"
#include "support/TestDataFolders.h"
#include "model/SectModel.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::string FixturePath(const char* name)
{
    return (TestsFolder() / "calc" / "data" / name).string();
}

TEST(SlowMesherFailureTest, AnUnrecoverableBoundarySegmentFailsTheDomain)
{
    ScriptedUserPorts user;
    CSectModel model;
    model.m_reporter.SetPorts(user.Ports());
    ASSERT_TRUE(model.ReadProjectFile(FixturePath("slow-mesher-failure.klx"), false));
    int planeSections = 0;
    for (const auto& [id, section] : model.m_sections) {
        if (section->type != SECTION_PLANE)
            continue;
        ++planeSections;
        user.ClearRecords();
        model.BeginUndoAction();
        EXPECT_FALSE(model.MeshPlaneSection(section.get(), 3, 0.0));
        ASSERT_EQ(user.lines.size(), 1u);
        EXPECT_NE(user.lines[0].find("a boundary segment cannot be kept"), std::string::npos) << user.lines[0];
    }
    EXPECT_GT(planeSections, 0);
}

} // namespace
