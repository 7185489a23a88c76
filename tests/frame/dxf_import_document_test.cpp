// The document's DXF import steps and what each refreshes.

#include "frame/TarvokrtDoc.h"
#include "support/ScriptedUserPorts.h"
#include "support/TestDataFolders.h"
#include "view/support/RecordingDocumentFrame.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string Drawing(const char* name)
{
    return (PinnedDxfFolder() / name).string();
}

class DxfImportDocument : public testing::Test {
protected:
    void SetUp() override
    {
        document.NewProject();
        user.ClearRecords();
    }

    ScriptedUserPorts user;
    RecordingDocumentFrame host;
    CTarvokrtDoc document{user.Ports(), &host, nullptr};
};

TEST_F(DxfImportDocument, AReadDrawingIsRebuiltAndFittedInEveryViewThenGrouped)
{
    const double offset[2] = {0.0, 0.0};
    document.BeginDxfImport();
    document.ImportDxf(Drawing("issue1106.dxf"), offset, 0.0);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"RedrawViews", "RebuildViews", "ZoomFitViews"}));
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.GetModel()->m_curves.size(), 10u);

    host.calls.clear();
    user.QueueAnswers({false});
    document.FinishDxfImport("issue1106");
    EXPECT_EQ(host.calls, (std::vector<std::string>{"RedrawViews"}));
    ASSERT_EQ(document.GetModel()->m_groups.size(), 1u);
    EXPECT_EQ(document.GetModel()->m_groups.begin()->second->name, "DXF:issue1106");
    EXPECT_EQ(document.GetModel()->GetCurrentUndoAction()->title, "Import DXF file");
}

TEST_F(DxfImportDocument, ARefusedFileRefreshesNothingUntilTheFinishStep)
{
    const double offset[2] = {0.0, 0.0};
    document.BeginDxfImport();
    document.ImportDxf(Drawing("bin_dxf_r12.dxf"), offset, 0.0);
    EXPECT_EQ(user.boxes.size(), 1u);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_FALSE(document.IsModified());

    user.QueueAnswers({false});
    document.FinishDxfImport("bin_dxf_r12");
    EXPECT_EQ(host.calls, (std::vector<std::string>{"RedrawViews"}));
    EXPECT_TRUE(document.IsModified());
}

TEST_F(DxfImportDocument, AGroupNameInUseGetsTheFirstFreeNumber)
{
    ASSERT_TRUE(document.GetModel()->CreateGroup("dxf:ISSUE1106"));
    const double offset[2] = {0.0, 0.0};
    for (int import = 0; import < 2; ++import) {
        document.BeginDxfImport();
        document.ImportDxf(Drawing("issue1106.dxf"), offset, 0.0);
        user.QueueAnswers({false});
        document.FinishDxfImport("issue1106");
    }
    std::vector<std::string> names;
    for (const auto& [id, group] : document.GetModel()->m_groups)
        names.push_back(group->name);
    EXPECT_EQ(names, (std::vector<std::string>{"dxf:ISSUE1106", "DXF:issue1106 (2)", "DXF:issue1106 (3)"}));
}

}  // namespace
