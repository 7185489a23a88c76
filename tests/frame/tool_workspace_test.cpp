// Which page the workspace shows, without a display: at most one page
// beside "Model", opened and closed in the order the tab window sees.

#include "frame/ToolPageContext.h"
#include "frame/ToolWorkspace.h"
#include "support/ScriptedUserPorts.h"
#include "view/support/FakeToolView.h"
#include "view/support/TestToolPage.h"

#include <gtest/gtest.h>

namespace {

// The tab window: tab titles in order, the active tab and whether "Model"
// may be chosen; each page window records into its page's log.
class RecordingTabs : public IWorkspaceTabs {
public:
    void OpenPageTab(CToolPageController& page) override
    {
        calls.push_back(std::string("open ") + page.Shell().title);
        titles.push_back(page.Shell().title);
        window = std::make_unique<RecordingPageWindow>(windowLog);
        page.SetWindow(window.get());
    }
    void ClosePageTab(CToolPageController& page) override
    {
        calls.push_back(std::string("close ") + page.Shell().title);
        titles.pop_back();
        page.SetWindow(nullptr);
    }
    void SetModelTabChoosable(bool choosable) override { modelChoosable = choosable; }
    void ActivateTab(int index) override { active = index; }

    std::vector<std::string> calls;
    std::vector<std::string> titles{"Model"};
    std::vector<std::string> windowLog;
    std::unique_ptr<RecordingPageWindow> window;
    bool modelChoosable = true;
    int active = 0;
};

class WorkspacePages : public testing::Test {
protected:
    FakeToolView view;
    ScriptedUserPorts user;
    ToolPageContext context{&view, nullptr, &user, nullptr, nullptr, {}};
    TestToolPage pointPage;
    TestToolPage curvePage;
    std::array<ToolPageTable, TOOL_PAGE_COUNT> tables{pointPage.StandardTable(), curvePage.StandardTable()};
    RecordingTabs tabs;
    CToolWorkspace workspace{{&tables[0], &tables[1], &tables[2], &tables[3], &tables[4], &tables[5]}, context, &tabs};
};

TEST_F(WorkspacePages, ShowOfAnotherPageClosesTheOpenOneFirstThenBarsModel)
{
    workspace.ShowTool(ToolPageKind::Point, 1000);
    pointPage.log.clear();
    workspace.ShowTool(ToolPageKind::Curve, 2001);
    EXPECT_EQ(pointPage.log, std::vector<std::string>{"extra hide 0"});
    EXPECT_EQ(workspace.Controller(ToolPageKind::Point).CurrentIndex(), -1);
    EXPECT_EQ(workspace.Controller(ToolPageKind::Point).PreviousIndex(), -1);
    EXPECT_EQ(tabs.calls, (std::vector<std::string>{"open Point", "close Point", "open Curve"}));
    EXPECT_EQ(tabs.titles, (std::vector<std::string>{"Model", "Curve"}));
    EXPECT_EQ(tabs.active, 1);
    EXPECT_FALSE(tabs.modelChoosable);
    EXPECT_EQ(workspace.OpenPageCode(), OPEN_PAGE_CURVE);
    EXPECT_EQ(view.toolCommandId, 2001);
}

TEST_F(WorkspacePages, ShowOfTheOpenPageOnlySelectsTheCommand)
{
    workspace.ShowTool(ToolPageKind::Point, 1000);
    workspace.ShowTool(ToolPageKind::Point, 1001);
    EXPECT_EQ(tabs.calls, std::vector<std::string>{"open Point"});
    EXPECT_EQ(pointPage.log, (std::vector<std::string>{"extra show 0", "extra hide 0", "extra show 1"}));
    EXPECT_EQ(workspace.OpenPageCode(), OPEN_PAGE_POINT);
    EXPECT_EQ(view.toolCommandId, 1001);
}

TEST_F(WorkspacePages, ClosingLeavesOnlyModelActiveAndChoosable)
{
    workspace.ShowTool(ToolPageKind::Point, 1003);
    workspace.Controller(ToolPageKind::Point).OnClose();
    EXPECT_EQ(tabs.titles, std::vector<std::string>{"Model"});
    EXPECT_EQ(tabs.active, 0);
    EXPECT_TRUE(tabs.modelChoosable);
    EXPECT_EQ(workspace.OpenPageCode(), OPEN_PAGE_NONE);
    EXPECT_FALSE(workspace.OpenPage());
}

TEST_F(WorkspacePages, AfterTheViewsResetNoPageIsOpen)
{
    workspace.ShowTool(ToolPageKind::Curve, 2000);
    workspace.CloseAllTools();
    EXPECT_FALSE(workspace.OpenPage());
    EXPECT_EQ(workspace.OpenPageCode(), OPEN_PAGE_NONE);
    EXPECT_EQ(tabs.titles, std::vector<std::string>{"Model"});
    EXPECT_EQ(view.toolCommandId, 0);
    EXPECT_EQ(workspace.Controller(ToolPageKind::Curve).CurrentIndex(), -1);
    // Nothing open: nothing more to close.
    workspace.CloseAllTools();
    EXPECT_EQ(tabs.calls, (std::vector<std::string>{"open Curve", "close Curve"}));
}

TEST_F(WorkspacePages, ThePickTargetIsTheShownDialogsFormAndTheQueryGoesToTheOpenPage)
{
    EXPECT_EQ(workspace.ShownPickTarget(), nullptr);
    workspace.ShowTool(ToolPageKind::Curve, 2004);
    EXPECT_EQ(workspace.ShownPickTarget(), &curvePage.Form(4));
    EXPECT_TRUE(workspace.RunQuery(2004));
    EXPECT_FALSE(workspace.RunQuery(1004));
    workspace.Controller(ToolPageKind::Curve).OnSelChangeCommand(2);
    EXPECT_EQ(workspace.ShownPickTarget(), nullptr);
    EXPECT_FALSE(workspace.RunQuery(2004));
}

}  // namespace
