// The view's tool commands on fakes: which page each command opens on which
// tool id, the command already current, Assign Domain Material's rebuild,
// the UCS button, and the context menu built from the same table.

#include "view/ToolCommands.h"
#include "view/ViewContextMenu.h"
#include "view/support/FakeToolView.h"
#include "view/support/ViewOnScreen.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using Calls = std::vector<std::string>;

TEST(ToolCommands, EveryCommandOpensItsPageOnItsToolIdAndSetsTheToolActive)
{
    // Command id -> the workspace call it makes.
    const std::map<int, std::string> expected = {
        {32825, "ShowPointTool 1000"}, {32829, "ShowPointTool 1001"}, {32820, "ShowPointTool 1002"},
        {32831, "ShowPointTool 1003"}, {32832, "ShowPointTool 1004"}, {32833, "ShowPointTool 1006"},
        {32834, "ShowPointTool 1007"}, {32835, "ShowPointTool 1008"}, {32828, "ShowPointTool 1010"},
        {32836, "ShowPointTool 1011"}, {32826, "ShowPointTool 1013"}, {32827, "ShowPointTool 1014"},
        {32839, "ShowCurveTool 2000"}, {32840, "ShowCurveTool 2001"}, {32856, "ShowCurveTool 2002"},
        {32855, "ShowCurveTool 2003"}, {32843, "ShowCurveTool 2004"}, {32844, "ShowCurveTool 2005"},
        {32852, "ShowCurveTool 2006"}, {32849, "ShowCurveTool 2007"}, {32850, "ShowCurveTool 2008"},
        {32841, "ShowCurveTool 2009"}, {32884, "ShowCurveTool 2010"}, {32880, "ShowCurveTool 2012"},
        {32881, "ShowCurveTool 2013"}, {32853, "ShowCurveTool 2015"}, {32854, "ShowCurveTool 2016"},
        {32859, "ShowCurveTool 2017"}, {32846, "ShowCurveTool 2019"}, {32837, "ShowCurveTool 2020"},
        {32838, "ShowCurveTool 2021"}, {32842, "ShowCurveTool 2022"}, {32848, "ShowCurveTool 2023"},
        {32847, "ShowCurveTool 2024"}, {32860, "ShowCurveTool 2025"}, {32886, "ShowCurveTool 2027"},
        {32882, "ShowCurveTool 2028"}, {32857, "ShowCurveTool 2030"}, {32858, "ShowCurveTool 2031"},
        {32813, "ShowSectTool 3000"},  {32814, "ShowSectTool 3001"},  {32821, "ShowSectTool 3003"},
        {32822, "ShowSectTool 3004"},  {32816, "ShowSectTool 3005"},  {32824, "ShowSectTool 3006"},
        {32815, "ShowSectTool 3008"},  {32819, "ShowSectTool 3009"},  {32823, "ShowSectTool 3011"},
        {32818, "ShowSectTool 3013"},  {32817, "ShowSectTool 3014"},  {32904, "ShowCalcTool 4000"},
        {32871, "ShowCalcTool 4002"},  {32977, "ShowCalcTool 4003"},  {32861, "ShowGroupTool 5000"},
        {32862, "ShowGroupTool 5001"}, {32863, "ShowGroupTool 5002"}, {32864, "ShowGroupTool 5003"},
        {32865, "ShowGroupTool 5004"}, {32866, "ShowGroupTool 5005"}, {32867, "ShowGroupTool 5007"},
        {32868, "ShowGroupTool 5008"}, {32783, "ShowUcsTool 6002"},   {32784, "ShowUcsTool 6003"},
        {32785, "ShowUcsTool 6004"},
    };
    ASSERT_EQ(expected.size(), 64u);
    EXPECT_EQ(ToolCommandTable().size(), expected.size());
    for (const auto& [commandId, call] : expected) {
        SCOPED_TRACE(commandId);
        const ToolCommandRow* row = FindToolCommand(commandId);
        ASSERT_NE(row, nullptr);
        FakeToolView view;
        FakeWorkspace workspace;
        RunToolCommand(*row, view, workspace);
        EXPECT_EQ(workspace.calls, Calls{call});
        EXPECT_EQ(view.toolActive, 1);
    }
    EXPECT_EQ(FindToolCommand(32902), nullptr);
    EXPECT_EQ(FindToolCommand(0), nullptr);
}

TEST(ToolCommands, TheCommandAlreadyCurrentOpensNothing)
{
    FakeToolView view;
    FakeWorkspace workspace;
    const ToolCommandRow& translate = *FindToolCommand(32833);
    RunToolCommand(translate, view, workspace);
    // The page writes the shown command's tool id into the view.
    view.toolCommandId = 1006;
    view.toolActive = 0;
    RunToolCommand(translate, view, workspace);
    EXPECT_EQ(workspace.calls, Calls{"ShowPointTool 1006"});
    EXPECT_EQ(view.toolActive, 0);
}

TEST(ToolCommands, AssignDomainMaterialRebuildsOnceWithDomainsPickableAndKeepsTheFilter)
{
    for (bool domainsBefore : {false, true}) {
        SCOPED_TRACE(domainsBefore);
        FakeToolView view;
        FakeWorkspace workspace;
        view.scene.SetPickFilterCode(30002);
        view.SetDomainPickFilter(domainsBefore);
        const std::array<bool, KIND_COUNT> filterBefore = view.PickFilter();
        view.ClearCalls();
        RunToolCommand(*FindToolCommand(32819), view, workspace);
        EXPECT_EQ(workspace.calls, Calls{"ShowSectTool 3009"});
        EXPECT_EQ(view.calls, Calls{"RebuildScene domains 1"});
        EXPECT_EQ(view.PickFilter(), filterBefore);
    }
    // Other section commands rebuild nothing.
    FakeToolView view;
    FakeWorkspace workspace;
    RunToolCommand(*FindToolCommand(32815), view, workspace);
    EXPECT_TRUE(view.calls.empty());
}

TEST(ToolCommands, TheUcsButtonOpensCreateWithOnlyTheGcsElseSetWorkUcs)
{
    const struct {
        int ucsCount;
        int currentTool;
        Calls calls;
    } cases[] = {
        {1, 0, {"ShowUcsTool 6002"}},
        {2, 0, {"ShowUcsTool 6000"}},
        {3, 1006, {"ShowUcsTool 6000"}},
        {1, 6002, {}},
        {2, 6000, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.ucsCount) + " " + std::to_string(c.currentTool));
        FakeToolView view;
        FakeWorkspace workspace;
        view.toolCommandId = c.currentTool;
        RunUcsCommand(c.ucsCount, view, workspace);
        EXPECT_EQ(workspace.calls, c.calls);
        EXPECT_EQ(view.toolActive, c.calls.empty() ? 0 : 1);
    }
}

std::vector<std::string> Labels(const std::vector<MenuEntry>& entries)
{
    std::vector<std::string> labels;
    for (const MenuEntry& entry : entries)
        labels.push_back(entry.label);
    return labels;
}

const MenuEntry& Child(const std::vector<MenuEntry>& entries, const std::string& label)
{
    for (const MenuEntry& entry : entries) {
        if (entry.label == label)
            return entry;
    }
    ADD_FAILURE() << "no entry " << label;
    static const MenuEntry none;
    return none;
}

TEST(ToolCommands, TheContextMenuHoldsTheFivePagesCommandsByTheirMenuPaths)
{
    const std::vector<MenuEntry> menu = ViewContextMenuEntries();
    EXPECT_EQ(Labels(menu), (std::vector<std::string>{"Point", "Curve", "Section", "Property", "Group"}));
    const MenuEntry& point = Child(menu, "Point");
    EXPECT_EQ(Labels(point.children), (std::vector<std::string>{"Create", "Translate", "Rotate", "Mirror", "Equalize",
                                                                "Delete", "Pick", "Query"}));
    EXPECT_EQ(Child(Child(point.children, "Create").children, "Coordinate").commandId, 32825);
    EXPECT_EQ(Labels(Child(menu, "Property").children),
              (std::vector<std::string>{"Calculate", "Display", "List", "Export"}));
    EXPECT_EQ(Child(Child(menu, "Property").children, "List").commandId, 32902);
    const MenuEntry& loop = Child(Child(menu, "Curve").children, "Closed Loop");
    EXPECT_EQ(Child(loop.children, "Register").commandId, 32880);
    EXPECT_EQ(Child(loop.children, "Unregister").commandId, 32881);
    EXPECT_EQ(Child(Child(menu, "Group").children, "Expel").commandId, 32868);

    // Every tool command but the UCS buttons' is in it, each once.
    std::multiset<int> commands;
    std::function<void(const std::vector<MenuEntry>&)> collect = [&](const std::vector<MenuEntry>& entries) {
        for (const MenuEntry& entry : entries) {
            if (entry.commandId)
                commands.insert(entry.commandId);
            collect(entry.children);
        }
    };
    collect(menu);
    EXPECT_EQ(commands.size(), 62u);
    for (const ToolCommandRow& row : ToolCommandTable())
        EXPECT_EQ(commands.count(row.commandId), row.page == ToolCommandPage::Ucs ? 0u : 1u) << row.commandId;
}

}  // namespace
