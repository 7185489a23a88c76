// The project workspace in the real program: the model tree, a test page
// registered as a page's table, its dialog's pick fields, and the ports the
// pages use (the save-file chooser, the command sender, the query hook).

#include "program_on_screen.h"
#include "tabs_on_screen.h"

#include "frame/MainFrame.h"
#include "frame/ModelMenuTab.h"
#include "frame/ProjectWorkspace.h"
#include "frame/TabCtrlBase.h"
#include "frame/ToolDocument.h"
#include "frame/ToolPage.h"
#include "frame/ToolPageContext.h"
#include "frame/ToolbarTable.h"
#include "view/TarvokrtView.h"
#include "view/support/TestToolPage.h"

#include <wx/aui/auibar.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/scrolwin.h>
#include <wx/settings.h>
#include <wx/textctrl.h>

namespace {

// A command id no tool uses; the tests register a handler for it.
constexpr int TEST_COMMAND = 32990;
// Opens the test page's first row (tool id 1000, Point > Create > Coordinate)
// from the menu.
constexpr int TEST_PAGE_COMMAND = 32825;

class ToolPagesOnScreen : public ProgramOnScreen {
protected:
    // Starts the program with the test page as the Point page's table.
    void StartWithTestPage()
    {
        ASSERT_TRUE(Start("KLX 1", [this](CToolRegistry& tools) {
            ToolPageTable table = page.StandardTable();
            table.rows[0].commandId = TEST_PAGE_COMMAND;
            // The view asks for the query after a pick under tool id 1014.
            while (table.rows.size() < 14) {
                ToolPageRow plain;
                plain.text = "row " + std::to_string(table.rows.size());
                table.rows.push_back(plain);
            }
            table.rows.push_back(page.DialogRow(14, "Test Query Point", 30000, ToolRowRole::Query));
            tools.RegisterPage(ToolPageKind::Point, table);
            tools.RegisterCommand(TEST_COMMAND, [this](const ToolCommandContext&) { page.log.push_back("test command"); });
        }));
    }

    CProjectWorkspace& Workspace() { return Frame().Workspace(); }
    CTabCtrlBase& Tabs() { return Workspace().Tabs(); }
    CToolPage& OpenPage()
    {
        CToolPage* shown = Workspace().OpenPageWindow();
        EXPECT_NE(shown, nullptr);
        return *shown;
    }
    wxTextCtrl& DialogField(int id)
    {
        wxWindow* field = OpenPage().ShownDialog()->FindWindow(id);
        EXPECT_NE(field, nullptr);
        return *static_cast<wxTextCtrl*>(field);
    }
    void Press(wxWindow& button)
    {
        wxCommandEvent click(wxEVT_BUTTON, button.GetId());
        click.SetEventObject(&button);
        button.GetEventHandler()->AddPendingEvent(click);
        Settle();
    }
    void Command(int commandId)
    {
        wxCommandEvent command(wxEVT_MENU, WxCommandId(commandId));
        wxPostEvent(&Frame(), command);
        Settle();
    }
    std::vector<std::string> TabTitles()
    {
        std::vector<std::string> titles;
        for (size_t i = 0; i < Tabs().GetPageCount(); ++i)
            titles.push_back(Tabs().GetPageText(i).utf8_string());
        return titles;
    }

    TestToolPage page;
};

TEST_F(ToolPagesOnScreen, TheWorkspaceShowsModelWithTheTreeAndRegisterRunsItsHandler)
{
    int runs = 0;
    ASSERT_TRUE(Start("KLX 1", [&runs](CToolRegistry& tools) {
        tools.RegisterCommand(32880, [&runs](const ToolCommandContext& context) {
            ++runs;
            EXPECT_NE(context.view, nullptr);
            EXPECT_NE(context.document, nullptr);
        });
    }));
    EXPECT_EQ(TabTitles(), std::vector<std::string>{"Model"});
    CModelMenuTab& tree = Workspace().Tree();
    EXPECT_EQ(Tabs().GetPage(0), &tree);
    const wxTreeItemId curve = tree.FindItem("Curve");
    ASSERT_TRUE(curve.IsOk());
    EXPECT_TRUE(tree.IsExpanded(tree.FindItem("Point")));
    EXPECT_TRUE(tree.IsExpanded(curve));
    EXPECT_TRUE(tree.IsExpanded(tree.FindItem("Section")));
    const wxTreeItemId loop = tree.FindItem("Closed Loop", curve);
    const wxTreeItemId reg = tree.FindItem("Register", loop);
    ASSERT_TRUE(reg.IsOk());

    wxTreeEvent activate(wxEVT_TREE_ITEM_ACTIVATED, &tree, reg);
    tree.GetEventHandler()->ProcessEvent(activate);
    Settle();
    EXPECT_EQ(runs, 1);

    // An item with children is left to the tree, which expands or collapses
    // it on a double-click that nobody handled. (No real mouse here: the
    // window tests share one display.)
    const wxTreeItemId create = tree.FindItem("Create", curve);
    wxTreeEvent activateGroup(wxEVT_TREE_ITEM_ACTIVATED, &tree, create);
    EXPECT_FALSE(tree.GetEventHandler()->ProcessEvent(activateGroup));
    wxTreeEvent activateTop(wxEVT_TREE_ITEM_ACTIVATED, &tree, curve);
    EXPECT_FALSE(tree.GetEventHandler()->ProcessEvent(activateTop));
    Settle();
    EXPECT_EQ(runs, 1);

    EXPECT_EQ(runs, 1);
}

TEST_F(ToolPagesOnScreen, ATestPageOpensBarsModelAndClosesBackToIt)
{
    StartWithTestPage();
    Command(TEST_PAGE_COMMAND);
    EXPECT_EQ(TabTitles(), (std::vector<std::string>{"Model", "Point"}));
    EXPECT_EQ(Tabs().GetSelection(), 1);
    EXPECT_EQ(Workspace().OpenPageCode(), 20001);
    EXPECT_EQ(Frame().View().m_toolCommandId, 1000);
    EXPECT_EQ(OpenPage().Combo()->GetSelection(), 0);
    EXPECT_EQ(OpenPage().Combo()->GetCount(), 15u);
    ASSERT_NE(OpenPage().ShownDialog(), nullptr);
    EXPECT_EQ(Workspace().ShownPickTarget(), &page.Form(0));

    // Choosing a command in the combo shows its dialog in place of the first.
    wxChoice& combo = *OpenPage().Combo();
    combo.SetSelection(3);
    wxCommandEvent choose(wxEVT_CHOICE, combo.GetId());
    choose.SetEventObject(&combo);
    choose.SetInt(3);
    combo.GetEventHandler()->ProcessEvent(choose);
    Settle();
    EXPECT_EQ(Frame().View().m_toolCommandId, 1003);
    EXPECT_EQ(Workspace().ShownPickTarget(), &page.Form(3));
    EXPECT_EQ(std::count(page.log.begin(), page.log.end(), "dialog 3"), 1);

        // Choosing "Model" is refused while the page is open.
    Tabs().SetSelection(0);
    Settle();
    EXPECT_EQ(Tabs().GetSelection(), 1);

    Press(*OpenPage().FindWindow(1004));
    EXPECT_EQ(TabTitles(), std::vector<std::string>{"Model"});
    EXPECT_EQ(Tabs().GetSelection(), 0);
    EXPECT_EQ(Workspace().OpenPageCode(), 20000);
    EXPECT_EQ(Workspace().ShownPickTarget(), nullptr);
    EXPECT_EQ(Frame().View().m_toolCommandId, 0);
}

class WorkspaceTabsUnderThePointer : public ToolPagesOnScreen {};

TEST_F(WorkspaceTabsUnderThePointer, ModelIsGreyAndUnlitUnderThePointerWhileAPageIsOpen)
{
    StartWithTestPage();
    CTabCtrlBase& tabs = Tabs();
    EXPECT_TRUE(tabs.IsTabEnabled(0));
    Command(TEST_PAGE_COMMAND);
    ASSERT_EQ(TabTitles(), (std::vector<std::string>{"Model", "Point"}));
    EXPECT_FALSE(tabs.IsTabEnabled(0));
    const wxColour grey = wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT);
    EXPECT_EQ(tabs.TabTextColour(0), grey);
    TabsOnScreen screen(tabs);
    const wxImage away = screen.Picture([&](const wxImage& shown) {
        return DrawnIn(screen.Look(shown, 0), grey) && DrawnIn(screen.Look(shown, 1), tabs.TabTextColour(1));
    });
    const TabLook modelAway = screen.Look(away, 0);
    const TabLook pageAway = screen.Look(away, 1);
    ASSERT_TRUE(DrawnIn(modelAway, grey));

    // The theme lights the page's tab under the pointer; going on to "Model"
    // unlights it, and "Model" stays as it was.
    screen.PointAt(1,
                   [&](const wxImage& shown) { return screen.Look(shown, 1).background != pageAway.background; });
    const wxImage under =
        screen.PointAt(0, [&](const wxImage& shown) { return screen.Look(shown, 1).background == pageAway.background; });
    ASSERT_EQ(screen.Look(under, 1).background, pageAway.background);
    const TabLook modelUnder = screen.Look(under, 0);
    EXPECT_TRUE(DrawnIn(modelUnder, grey));
    EXPECT_EQ(modelUnder.background, modelAway.background);
    EXPECT_EQ(tabs.TabTextColour(0), grey);
}

TEST_F(ToolPagesOnScreen, APageRowsCommandIsEnabledOnceTheRowHasADialog)
{
    ASSERT_TRUE(Start("KLX 1", [this](CToolRegistry& tools) {
        ToolPageTable table = page.StandardTable();
        table.rows[0].commandId = TEST_PAGE_COMMAND;
        table.rows[1].commandId = 32829;
        table.rows[1].dialog = ToolRowDialog{};
        tools.RegisterPage(ToolPageKind::Point, table);
    }));
    EXPECT_EQ(ToolbarEnables(TEST_PAGE_COMMAND), std::optional<bool>(true));
    EXPECT_EQ(ToolbarEnables(32829), std::optional<bool>(false));
    EXPECT_EQ(ToolbarEnables(32835), std::optional<bool>(false));
}

TEST_F(ToolPagesOnScreen, TheGroupAndUcsRefreshesRunOnlyWhileTheirPageIsOpen)
{
    std::vector<std::string> refreshes;
    ASSERT_TRUE(Start("KLX 1", [this, &refreshes](CToolRegistry& tools) {
        tools.RegisterPage(ToolPageKind::Group, page.StandardTable());
        tools.hooks.refreshGroupDialogs = [&refreshes] { refreshes.push_back("group"); };
        tools.hooks.refreshUcsDialogs = [&refreshes] { refreshes.push_back("ucs"); };
    }));
    Frame().RefreshGroupToolDialogs();
    Frame().RefreshUcsToolDialogs();
    Workspace().ShowGroupTool(5000);
    Settle();
    ASSERT_EQ(Workspace().OpenPageCode(), 20005);
    Frame().RefreshGroupToolDialogs();
    Frame().RefreshUcsToolDialogs();
    Workspace().CloseAllTools();
    Frame().RefreshGroupToolDialogs();
    EXPECT_EQ(refreshes, std::vector<std::string>{"group"});
}

TEST_F(ToolPagesOnScreen, TheMaterialListRefreshesOnlyWhileTheSectionPageIsOpenAndThePauseAsksTheTool)
{
    std::vector<std::string> calls;
    ASSERT_TRUE(Start("KLX 1", [this, &calls](CToolRegistry& tools) {
        tools.RegisterPage(ToolPageKind::Section, page.StandardTable());
        tools.hooks.updateMaterialList = [&calls] { calls.push_back("materials"); };
        tools.hooks.askCalcPause = nullptr;
    }));
    // Without a pause dialog the calculation goes on.
    EXPECT_EQ(Frame().AskCalcPause("Section [A]", false), PAUSE_CONTINUE);
    Frame().UpdateMaterialList();
    Workspace().ShowSectTool(3000);
    Settle();
    ASSERT_EQ(Workspace().OpenPageCode(), 20003);
    Frame().UpdateMaterialList();
    Workspace().CloseAllTools();
    Frame().UpdateMaterialList();
    EXPECT_EQ(calls, std::vector<std::string>{"materials"});
}

TEST_F(ToolPagesOnScreen, ThePauseQuestionIsAnsweredByTheToolsDialog)
{
    std::vector<std::string> asked;
    ASSERT_TRUE(Start("KLX 1", [&asked](CToolRegistry& tools) {
        tools.hooks.askCalcPause = [&asked](const std::string& text, bool lastSection) {
            asked.push_back(text + (lastSection ? " last" : ""));
            return static_cast<int>(PAUSE_STOP);
        };
    }));
    EXPECT_EQ(Frame().AskCalcPause("Section [A]", true), PAUSE_STOP);
    EXPECT_EQ(asked, std::vector<std::string>{"Section [A] last"});
}

// A short dialog has the buttons right under it, 35 pixels or more below the
// page's top edge; a dialog longer than the page scrolls in the room above
// the buttons, which stand whole at the page's foot.
TEST_F(ToolPagesOnScreen, ATallDialogScrollsAboveTheButtonsAtThePagesFoot)
{
    StartWithTestPage();
    for (const int extraHeight : {0, 3000}) {
        page.extraHeight = extraHeight;
        Workspace().CloseAllTools();
        Workspace().ShowPointTool(1001);
        Settle();
        CToolPage& shown = OpenPage();
        wxScrolledWindow& fields = *shown.Fields();
        int unitX = 0;
        int unitY = 0;
        fields.GetScrollPixelsPerUnit(&unitX, &unitY);
        EXPECT_EQ(unitX, 8);
        EXPECT_EQ(unitY, 4);
        int dialogTop = 0;
        fields.CalcUnscrolledPosition(0, shown.ShownDialog()->GetPosition().y, nullptr, &dialogTop);
        EXPECT_GE(dialogTop, 35) << extraHeight;
        const wxRect apply = shown.FindWindow(1003)->GetRect();
        const wxRect close = shown.FindWindow(1004)->GetRect();
        EXPECT_EQ(close.y, apply.y) << extraHeight;
        EXPECT_EQ(apply.y, fields.GetPosition().y + fields.GetSize().y) << extraHeight;
        EXPECT_LE(apply.GetBottom(), shown.GetClientSize().y - 1) << extraHeight;
        if (extraHeight == 0) {
            EXPECT_EQ(fields.GetVirtualSize().y, fields.GetClientSize().y);
            EXPECT_EQ(apply.y, dialogTop + shown.ShownDialog()->GetSize().y);
        } else {
            EXPECT_GT(fields.GetVirtualSize().y, fields.GetClientSize().y);
            EXPECT_GT(fields.GetScrollRange(wxVERTICAL), 0);
        }
    }
}

TEST_F(ToolPagesOnScreen, AfterAFileNewNoPageIsOpen)
{
    StartWithTestPage();
    Workspace().ShowPointTool(1003);
    Settle();
    ASSERT_EQ(Workspace().OpenPageCode(), 20001);
    Command(CMD_FILE_NEW);
    EXPECT_EQ(Workspace().OpenPageCode(), 20000);
    EXPECT_EQ(TabTitles(), std::vector<std::string>{"Model"});
}

TEST_F(ToolPagesOnScreen, AFocusedPickFieldIsHighlightedAndEnterOrEscapeInItDoNothing)
{
    StartWithTestPage();
    Workspace().ShowPointTool(1000);
    Settle();
    wxTextCtrl& first = DialogField(TEST_FIRST_FIELD);
    EXPECT_EQ(first.GetValue(), "0.000, 0.000");
    wxFocusEvent focus(wxEVT_SET_FOCUS, first.GetId());
    focus.SetEventObject(&first);
    first.GetEventHandler()->ProcessEvent(focus);
    EXPECT_EQ(first.GetBackgroundColour(), wxColour(192, 220, 192));
    EXPECT_EQ(first.GetForegroundColour(), *wxBLACK);
    EXPECT_EQ(Frame().View().m_pickFieldCode, 10037);

    // A pick moves the focus to the second field, as the dispatch does.
    page.Form(0).SetPickFieldText(10037, "100.000, 200.000");
    page.Form(0).FocusPickField(10038);
    Settle();
    EXPECT_EQ(first.GetValue(), "100.000, 200.000");
    EXPECT_NE(first.GetBackgroundColour(), wxColour(192, 220, 192));
    EXPECT_EQ(DialogField(TEST_SECOND_FIELD).GetBackgroundColour(), wxColour(192, 220, 192));
    EXPECT_EQ(Frame().View().m_pickFieldCode, 10038);

    for (int key : {WXK_RETURN, WXK_NUMPAD_ENTER, WXK_ESCAPE}) {
        wxKeyEvent press(wxEVT_CHAR_HOOK);
        press.m_keyCode = key;
        press.SetEventObject(&first);
        press.ResumePropagation(wxEVENT_PROPAGATE_MAX);
        EXPECT_TRUE(first.GetEventHandler()->ProcessEvent(press)) << key;
        Settle();
    }
    EXPECT_EQ(std::count(page.log.begin(), page.log.end(), "apply 0"), 0);
    EXPECT_EQ(Workspace().OpenPageCode(), 20001);
    EXPECT_EQ(first.GetValue(), "100.000, 200.000");
}

TEST_F(ToolPagesOnScreen, TheCommandSenderRunsTheCommandBeforeTheApplyGoesOn)
{
    StartWithTestPage();
    page.onApply = [this](int, TestDialogForm&, ToolPageContext& context) {
        EXPECT_EQ(context.document, static_cast<IToolDocument*>(&Frame().Document()));
        context.sendCommand(TEST_COMMAND);
        page.log.push_back("after send");
    };
    Workspace().ShowPointTool(1000);
    Settle();
    page.log.clear();
    Press(*OpenPage().FindWindow(1003));
    EXPECT_EQ(page.log, (std::vector<std::string>{"apply 0", "test command", "after send"}));
    EXPECT_EQ(Frame().View().m_reRender, 1);
}

TEST_F(ToolPagesOnScreen, TheViewsQueryAfterAPickRunsTheShownQueryRow)
{
    StartWithTestPage();
    Workspace().ShowPointTool(1014);
    Settle();
    Frame().View().RunQueryAfterPick();
    Workspace().ShowPointTool(1000);
    Frame().View().RunQueryAfterPick();
    EXPECT_EQ(std::count(page.log.begin(), page.log.end(), "apply 14"), 1);
    EXPECT_EQ(std::count(page.log.begin(), page.log.end(), "apply 0"), 0);
}

TEST_F(ToolPagesOnScreen, TheSaveFileChooserAddsTheDefaultExtension)
{
    ASSERT_TRUE(Start("KLX 1"));
    prompts.savedFiles = {(folder / "plan").string(), (folder / "plan.txt").string(), ""};
    IDocumentPrompts& chooser = Frame().Ports();
    const std::string filter = "AutoCAD DXF Files (*.dxf)|*.dxf";
    EXPECT_EQ(chooser.AskSaveFile("Export", filter, "dxf", "section"), (folder / "plan.dxf").string());
    EXPECT_EQ(chooser.AskSaveFile("Export", filter, "dxf", "section"), (folder / "plan.txt").string());
    EXPECT_EQ(chooser.AskSaveFile("Export", filter, "dxf", "section"), "");
    ASSERT_EQ(prompts.fileRequests.size(), 3u);
    EXPECT_EQ(prompts.fileRequests[0], "Export|" + filter + "|dxf|section");
}

}  // namespace
