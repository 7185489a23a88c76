// The document's DXF import steps and what each refreshes.

#include "frame/TarvokrtDoc.h"
#include "support/ScriptedUserPorts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

struct ViewsHost : IDocumentHost {
    void RedrawViews(bool) override { calls.push_back("RedrawViews"); }
    void ZoomFitViews() override { calls.push_back("ZoomFitViews"); }
    void RebuildViews() override { calls.push_back("RebuildViews"); }
    void RefreshGroupCombos() override {}
    void LeaveSelectGroupMode() override {}
    void RefreshGroupToolDialogs() override {}
    void ShowGlobalCoordinates() override {}
    void RefreshUcsToolDialogs() override {}
    std::vector<std::string> calls;
};

std::string Drawing(const char* name)
{
    return (std::filesystem::path(__FILE__).parent_path().parent_path() / "io" / "data" / "dxf" / name).string();
}

class DxfImportDocument : public testing::Test {
protected:
    void SetUp() override
    {
        document.NewProject();
        user.ClearRecords();
    }

    ScriptedUserPorts user;
    ViewsHost host;
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

}  // namespace
