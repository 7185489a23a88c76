// The "Customize Toolbar" dialog's pages and the frame applying, keeping and
// restoring what was chosen.

#include "program_on_screen.h"

#include "frame/MainFrame.h"
#include "frame/ToolbarCustomizeDlg.h"
#include "frame/ToolbarTable.h"

#include <wx/aui/auibar.h>
#include <wx/checklst.h>
#include <wx/frame.h>

namespace {

constexpr int VIEW_BAR = 59397;
constexpr int GRID_SNAP_BAR = 59398;
constexpr int PROPERTY_BAR = 59403;
constexpr int ZOOM_FIT = 32796;

TEST(HiddenButtonsStore, WritesIdsJoinedByCommasAndReadsBackOnlyNumbers)
{
    struct Case {
        std::set<int> hidden;
        std::string stored;
    };
    for (const Case& c : {Case{{}, ""}, Case{{32796}, "32796"}, Case{{32796, 32795, 57600}, "32795,32796,57600"}}) {
        EXPECT_EQ(FormatHiddenButtons(c.hidden), c.stored);
        EXPECT_EQ(ParseHiddenButtons(c.stored), c.hidden);
    }
    EXPECT_EQ(ParseHiddenButtons("32795,zoom,,7x,57600"), (std::set<int>{32795, 57600}));
}

class CustomizeDialog : public testing::Test {
protected:
    void SetUp() override
    {
        if (!RequireDisplay())
            GTEST_SKIP();
        owner = new wxFrame(nullptr, wxID_ANY, "owner");
    }
    void TearDown() override
    {
        DestroyNow(owner);
    }
    wxFrame* owner = nullptr;
};

TEST_F(CustomizeDialog, ListsTheBarsAndSevenButtonGroupsWithTheCurrentChoice)
{
    ToolbarChoice current;
    for (const ToolbarDefinition& bar : DefaultToolbars())
        current.barShown[bar.barId] = bar.barId != GRID_SNAP_BAR;
    current.hiddenButtons = {ZOOM_FIT};
    CToolbarCustomizeDlg dialog(owner, current);
    EXPECT_EQ(dialog.GetTitle(), "Customize Toolbar");

    wxCheckListBox& bars = dialog.BarList();
    ASSERT_EQ(bars.GetCount(), DefaultToolbars().size());
    for (unsigned i = 0; i < bars.GetCount(); ++i) {
        EXPECT_EQ(bars.GetString(i), DefaultToolbars()[i].title);
        EXPECT_EQ(bars.IsChecked(i), DefaultToolbars()[i].barId != GRID_SNAP_BAR) << i;
    }
    const std::vector<std::string> groups(CustomizableButtonGroups().begin(), CustomizableButtonGroups().end());
    EXPECT_EQ(groups, (std::vector<std::string>{"File", "View", "Grid/Snap", "Active", "Point", "Curve", "Section"}));
    EXPECT_THROW(dialog.ButtonList(PROPERTY_BAR), std::out_of_range);
    // The View group: its thirteen buttons less the separators.
    wxCheckListBox& view = dialog.ButtonList(VIEW_BAR);
    ASSERT_EQ(view.GetCount(), 11u);
    EXPECT_EQ(view.GetString(0), "Zoom Auto-Fit");
    EXPECT_TRUE(view.IsChecked(0));
    EXPECT_EQ(view.GetString(1), "Zoom Fit");
    EXPECT_FALSE(view.IsChecked(1));
    // The Active group leaves out the group combo: 14 entries, two separators.
    EXPECT_EQ(dialog.ButtonList(59399).GetCount(), 11u);
    EXPECT_EQ(dialog.Choice(), current);

    view.Check(1);
    view.Check(10, false);  // "Dynamic Pan"
    bars.Check(0, false);   // "File"
    ToolbarChoice changed = current;
    changed.hiddenButtons = {32793};
    changed.barShown[59392] = false;
    EXPECT_EQ(dialog.Choice(), changed);

    dialog.RestoreDefaults();
    ToolbarChoice defaults;
    for (const ToolbarDefinition& bar : DefaultToolbars())
        defaults.barShown[bar.barId] = true;
    defaults.restoreDefaultLayout = true;
    EXPECT_EQ(dialog.Choice(), defaults);
}

class ToolbarCustomizeOnScreen : public ProgramOnScreen {
protected:
    wxAuiToolBar& Bar(const char* title)
    {
        return *static_cast<wxAuiToolBar*>(Frame().Bars().GetPane(title).window);
    }
};

TEST_F(ToolbarCustomizeOnScreen, AToolbarsRightClickMenuOffersTheCustomizationWithItsPrompt)
{
    ASSERT_TRUE(Start("KLX 1"));
    const std::unique_ptr<wxMenu> menu = CMainFrame::MakeToolbarContextMenu();
    const wxMenuItem* item = menu->FindItem(WxCommandId(CMD_CUSTOMIZE_TOOLBAR));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->GetHelp(), "Custimize the toolbars");
    menu->UpdateUI(Frame().GetEventHandler());
    EXPECT_TRUE(menu->IsEnabled(WxCommandId(CMD_CUSTOMIZE_TOOLBAR)));
}

TEST_F(ToolbarCustomizeOnScreen, HiddenBarsAndButtonsStayHiddenAcrossARestartUntilTheDefaultsAreRestored)
{
    ASSERT_TRUE(Start("KLX 1"));
    Command(CMD_CUSTOMIZE_TOOLBAR);
    EXPECT_EQ(ShownDialogs().back(), "Customize Toolbar");
    ASSERT_NE(Bar("View").FindTool(WxCommandId(ZOOM_FIT)), nullptr);

    ToolbarChoice choice = Frame().CurrentToolbarChoice();
    EXPECT_TRUE(choice.barShown.at(GRID_SNAP_BAR));
    choice.barShown[GRID_SNAP_BAR] = false;
    choice.hiddenButtons.insert(ZOOM_FIT);
    Frame().ApplyToolbarChoice(choice);
    EXPECT_FALSE(Frame().Bars().GetPane("Grid/Snap").IsShown());
    EXPECT_EQ(Bar("View").FindTool(WxCommandId(ZOOM_FIT)), nullptr);
    EXPECT_NE(Bar("View").FindTool(WxCommandId(32795)), nullptr);
    Quit();

    for (int start = 0; start < 2; ++start) {
        SCOPED_TRACE(start == 0 ? "restarted" : "restarted again");
        ASSERT_TRUE(Start("KLX 1"));
        EXPECT_FALSE(Frame().Bars().GetPane("Grid/Snap").IsShown());
        EXPECT_TRUE(Frame().Bars().GetPane("View").IsShown());
        EXPECT_EQ(Bar("View").FindTool(WxCommandId(ZOOM_FIT)), nullptr);
        EXPECT_EQ(Frame().CurrentToolbarChoice(), choice);
        Quit();
    }

    ASSERT_TRUE(Start("KLX 1"));
    ToolbarChoice defaults;
    for (const ToolbarDefinition& bar : DefaultToolbars())
        defaults.barShown[bar.barId] = true;
    defaults.restoreDefaultLayout = true;
    Frame().ApplyToolbarChoice(defaults);
    EXPECT_TRUE(Frame().Bars().GetPane("Grid/Snap").IsShown());
    EXPECT_NE(Bar("View").FindTool(WxCommandId(ZOOM_FIT)), nullptr);
    Quit();
    ASSERT_TRUE(Start("KLX 1"));
    EXPECT_TRUE(Frame().Bars().GetPane("Grid/Snap").IsShown());
    EXPECT_NE(Bar("View").FindTool(WxCommandId(ZOOM_FIT)), nullptr);
    EXPECT_EQ(Frame().Bars().GetPane("View").dock_direction, wxAUI_DOCK_LEFT);
}

}  // namespace
