// The view's tool side in the real program: a pick written into the shown
// test dialog, the UCS and GCS buttons, the domain-state question answered
// by posted events while everything else waits, and the context menu.

#include "program_on_screen.h"

#include "frame/MainFrame.h"
#include "frame/ModelMenuTab.h"
#include "frame/OutputWindow.h"
#include "frame/ProjectWorkspace.h"
#include "frame/ToolPage.h"
#include "frame/ToolbarTable.h"
#include "view/TarvokrtView.h"
#include "view/ViewContextMenu.h"
#include "view/support/FakeViewDocument.h"
#include "view/support/TestToolPage.h"

#include <wx/aui/auibar.h>
#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/textctrl.h>

namespace {

constexpr int SECTION_TRANSLATE = 32821;      // Section page row 3 (3003)
constexpr int SECTION_DOMAIN_STATE = 32815;   // Section page row 8 (3008)
constexpr int SECTION_ROTATE = 32822;         // no dialog: never built
constexpr int DOMAIN_SECTION_ID = 4;
const char* const QUESTION = "- Use this highlighted domain? (Yes:LB / No:RB / All:Enter / Stop:ESC)";

class ViewToolsOnScreen : public ProgramOnScreen {
protected:
    // The Section page's table: the test dialog at rows 3 and 8, entered by
    // their commands.
    void StartWithSectionPage()
    {
        ASSERT_TRUE(Start("KLX 1", [this](CToolRegistry& tools) {
            ToolPageTable table;
            for (int row = 0; row <= 8; ++row) {
                ToolPageRow plain;
                plain.text = "row " + std::to_string(row);
                table.rows.push_back(plain);
            }
            table.rows[3] = page.DialogRow(3, "Translate", PICK_FILTER_UNCHANGED, ToolRowRole::Command);
            table.rows[3].commandId = SECTION_TRANSLATE;
            table.rows[4].commandId = SECTION_ROTATE;
            table.rows[8] = page.DialogRow(8, "Change Domain State", PICK_FILTER_UNCHANGED, ToolRowRole::Command);
            table.rows[8].commandId = SECTION_DOMAIN_STATE;
            EXPECT_TRUE(tools.RegisterPage(ToolPageKind::Section, table));
        }));
    }

    CProjectWorkspace& Workspace() { return Frame().Workspace(); }

    wxTextCtrl& DialogField(int id)
    {
        CToolPage* shown = Workspace().OpenPageWindow();
        wxWindow* field = shown && shown->ShownDialog() ? shown->ShownDialog()->FindWindow(id) : nullptr;
        EXPECT_NE(field, nullptr);
        return *static_cast<wxTextCtrl*>(field);
    }

    wxAuiToolBar* BarWith(int commandId)
    {
        wxAuiToolBar* bar = ToolbarWith(commandId);
        if (!bar)
            ADD_FAILURE() << "no toolbar carries " << commandId;
        return bar;
    }
    bool ButtonEnabled(int commandId)
    {
        wxAuiToolBar* bar = BarWith(commandId);
        return bar && bar->GetToolEnabled(WxCommandId(commandId));
    }
    bool ButtonPressed(int commandId)
    {
        wxAuiToolBar* bar = BarWith(commandId);
        return bar && bar->GetToolToggled(WxCommandId(commandId));
    }

    // A plane section of three triangles side by side; the third is unused.
    void AddPlateSection()
    {
        auto section = std::make_unique<T_SECTION_D>();
        section->id = DOMAIN_SECTION_ID;
        section->type = SECTION_PLANE;
        section->name = "Plate";
        const double xy[][2] = {{0, 0}, {300, 0}, {0, 300}, {600, 0}, {600, 300}, {900, 0}, {900, 300}};
        for (int id = 1; id <= 7; ++id)
            AddSectionPoint(*section, id, xy[id - 1][0], xy[id - 1][1]);
        AddDomain(*section, 1, true);
        AddDomain(*section, 2, true);
        AddDomain(*section, 3, false);
        AddFacet(*section, 1, 1, 1, 2, 3);
        AddFacet(*section, 2, 2, 2, 4, 5);
        AddFacet(*section, 3, 3, 4, 6, 7);
        Model().m_sections[DOMAIN_SECTION_ID] = std::move(section);
    }

    void PostMouse(wxEventType type, wxPoint at)
    {
        wxMouseEvent event(type);
        event.SetEventObject(&View());
        event.SetPosition(at);
        event.m_leftDown = type == wxEVT_LEFT_DOWN;
        wxPostEvent(View().GetEventHandler(), event);
        Settle();
    }
    void PostCommand(int commandId)
    {
        wxCommandEvent command(wxEVT_MENU, WxCommandId(commandId));
        command.SetEventObject(&Frame());
        wxPostEvent(&Frame(), command);
        Settle();
    }
    // The last lines of the output window.
    std::vector<std::string> LastLines(size_t count)
    {
        std::vector<std::string> lines;
        std::string text = Frame().Output().ShownText();
        size_t end = text.size();
        while (lines.size() < count && end > 0) {
            const size_t start = text.rfind('\n', end - 1);
            const size_t from = start == std::string::npos ? 0 : start + 1;
            lines.insert(lines.begin(), text.substr(from, end - from));
            if (start == std::string::npos)
                break;
            end = start;
        }
        return lines;
    }

    TestToolPage page;
};

TEST_F(ViewToolsOnScreen, AClickOnAGridNodeWritesItsTextIntoTheFocusedFieldAndMovesOn)
{
    StartWithSectionPage();
    Model().m_gridSize = 100.0;
    Model().m_gridCountX = 10;
    Model().m_gridCountY = 10;
    Command(SECTION_TRANSLATE);
    ASSERT_EQ(View().m_toolCommandId, 3003);
    ASSERT_EQ(View().m_toolActive, 1);
    View().RebuildScene();
    View().ZoomFit();
    Settle();

    const struct {
        const char* name;
        int gridSnap;
        std::string firstField;
        int codeAfter;
    } cases[] = {
        {"grid snap on", 1, "100.000, 200.000", 10040},
        {"both snaps off", 0, "1, 1", 10039},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DialogField(TEST_FIRST_FIELD).ChangeValue("1, 1");
        page.Form(3).SetText(TEST_FIRST_FIELD, "1, 1");
        View().m_gridSnap = c.gridSnap;
        View().m_gridDisplay = 1;
        View().m_pointSnap = 0;
        ASSERT_TRUE(page.Form(3).FocusPickField(10039));
        Settle();
        ASSERT_EQ(View().m_pickFieldCode, 10039);
        const wxPoint node = ClientOf(100.0, 200.0) + wxPoint(1, -1);
        PostMouse(wxEVT_LEFT_DOWN, node);
        PostMouse(wxEVT_LEFT_UP, node);
        EXPECT_EQ(page.Form(3).Field(TEST_FIRST_FIELD)->text, c.firstField);
        EXPECT_EQ(DialogField(TEST_FIRST_FIELD).GetValue().utf8_string(), c.firstField);
        EXPECT_EQ(View().m_pickFieldCode, c.codeAfter);
    }
}

TEST_F(ViewToolsOnScreen, TheGcsAndUcsButtonsShowTheCoordinateDisplayAndUcsNeedsItsPage)
{
    for (bool ucsDialogs : {true, false}) {
        SCOPED_TRACE(ucsDialogs);
        ASSERT_TRUE(Start("KLX 1", [this, ucsDialogs](CToolRegistry& tools) {
            ToolPageTable table;
            table.rows.resize(5);
            for (int row = 0; row <= 4; ++row) {
                table.rows[static_cast<size_t>(row)].text = "row " + std::to_string(row);
                if (ucsDialogs && (row == 0 || row == 2))
                    table.rows[static_cast<size_t>(row)] =
                        page.DialogRow(row, "UCS " + std::to_string(row), PICK_FILTER_UNCHANGED, ToolRowRole::Command);
            }
            tools.RegisterPage(ToolPageKind::Ucs, table);
        }));
        View().m_coordinateDisplay = COORDINATES_GCS;
        Settle();
        EXPECT_TRUE(ButtonEnabled(32961));
        EXPECT_TRUE(ButtonPressed(32961));
        EXPECT_FALSE(ButtonPressed(32960));
        EXPECT_EQ(ButtonEnabled(32960), ucsDialogs);

        View().m_coordinateDisplay = COORDINATES_UCS;
        Settle();
        EXPECT_FALSE(ButtonPressed(32961));
        EXPECT_TRUE(ButtonPressed(32960));
        EXPECT_EQ(ButtonEnabled(32960), ucsDialogs);

        // Only the GCS: the button opens Create UCS.
        Command(32960);
        EXPECT_EQ(View().m_toolCommandId, ucsDialogs ? 6002 : 0);
        Quit();
    }
}

TEST_F(ViewToolsOnScreen, TheDomainQuestionTakesItsAnswersFromTheViewAndEnterWhileAllElseWaits)
{
    StartWithSectionPage();
    AddPlateSection();
    const double point[2] = {2000.0, 2000.0};
    ASSERT_TRUE(Frame().Document().CreatePointByCoordinate(point));
    View().RebuildScene();
    View().ZoomFit();
    Command(SECTION_DOMAIN_STATE);
    ASSERT_EQ(View().m_toolCommandId, 3008);
    Settle();
    ASSERT_TRUE(ButtonEnabled(CMD_EDIT_UNDO));

    // As the Section page's Apply does: the flag around the call.
    Command(32907);
    View().ChangeDomainState(DOMAIN_SECTION_ID);
    Command(32908);
    EXPECT_TRUE(View().IsModal());
    EXPECT_EQ(LastLines(1), std::vector<std::string>{QUESTION});

    // The highlighted domain shows in the highlight colour.
    View().m_reRender = 1;
    View().OnDraw();
    const RgbImage picture = View().ReadShownPicture();
    double window[2];
    View().Camera().WorldToWindow(100.0, 100.0, window);
    // The picture's rows run bottom up.
    const size_t row = static_cast<size_t>(picture.height - 1 - static_cast<int>(window[1]));
    const size_t at = (row * picture.width + static_cast<size_t>(window[0])) * 3;
    EXPECT_EQ((std::array<int, 3>{picture.rgb[at], picture.rgb[at + 1], picture.rgb[at + 2]}),
              (std::array<int, 3>{255, 0, 0}));

    // Meanwhile only the zoom and pan commands work.
    for (int commandId : {int{CMD_EDIT_UNDO}, int{CMD_EDIT_REDO}, 32793, 32794, 32797, SECTION_TRANSLATE})
        EXPECT_FALSE(ButtonEnabled(commandId)) << commandId;
    for (int commandId : {32798, 32801, 32796})
        EXPECT_TRUE(ButtonEnabled(commandId)) << commandId;
    PostCommand(CMD_EDIT_UNDO);
    EXPECT_EQ(Model().m_points.size(), 1u);
    PostCommand(SECTION_TRANSLATE);
    EXPECT_EQ(View().m_toolCommandId, 3008);
    // The context menu does not open (it would hold the test in its loop).
    wxContextMenuEvent menu(wxEVT_CONTEXT_MENU, View().GetId(), wxDefaultPosition);
    menu.SetEventObject(&View());
    View().GetEventHandler()->ProcessEvent(menu);

    const wxPoint inside = ClientOf(100.0, 100.0);
    PostMouse(wxEVT_LEFT_DOWN, inside);
    PostMouse(wxEVT_LEFT_UP, inside);
    PostMouse(wxEVT_RIGHT_UP, inside);
    EXPECT_TRUE(View().IsModal());
    // Enter while the test dialog's field has the focus: the dialog never
    // sees it, the question takes it.
    wxTextCtrl& field = DialogField(TEST_FIRST_FIELD);
    field.SetFocus();
    wxKeyEvent enter(wxEVT_KEY_DOWN);
    enter.m_keyCode = WXK_RETURN;
    enter.SetEventObject(&field);
    wxPostEvent(field.GetEventHandler(), enter);
    Settle();

    EXPECT_EQ(LastLines(6), (std::vector<std::string>{QUESTION, "  > Use", QUESTION, "  > Not Use", QUESTION,
                                                       "  > Use All"}));
    EXPECT_FALSE(View().IsModal());
    for (const auto& [id, domain] : Model().FindSection(DOMAIN_SECTION_ID)->domains)
        EXPECT_TRUE(domain->used) << id;
    EXPECT_TRUE(page.log.empty() || page.log.back() != "apply 8");

    // Commands work again; the change is the newest undo step.
    EXPECT_TRUE(ButtonEnabled(CMD_EDIT_UNDO));
    Command(CMD_EDIT_UNDO);
    EXPECT_FALSE(Model().FindSection(DOMAIN_SECTION_ID)->domains.at(3)->used);
    EXPECT_EQ(Model().m_points.size(), 1u);
    Command(SECTION_TRANSLATE);
    EXPECT_EQ(View().m_toolCommandId, 3003);
}

TEST_F(ViewToolsOnScreen, TheModalFlagDisablesAllButZoomAndPanAndTheViewAndFileBarsShowItAtOnce)
{
    StartWithSectionPage();
    wxMenuBar& menus = *Frame().GetMenuBar();
    menus.UpdateMenus();
    // Every command the frame binds is enabled.
    for (int commandId : {57604, 57665, 32895, 32771, 32773, 32775})
        EXPECT_TRUE(menus.IsEnabled(WxCommandId(commandId))) << commandId;

    // No idle time passes: the two bars were refreshed by the command itself.
    auto runAtOnce = [this](int commandId) {
        wxCommandEvent command(wxEVT_MENU, WxCommandId(commandId));
        command.SetEventObject(&Frame());
        Frame().GetEventHandler()->ProcessEvent(command);
    };
    runAtOnce(32907);
    EXPECT_TRUE(View().IsModal());
    for (int commandId : {32793, 32794, 32797, 57600, 57601, 57603, 57664})
        EXPECT_FALSE(ButtonEnabled(commandId)) << commandId;
    for (int commandId : {32795, 32796, 32798, 32799, 32800, 32801, 32802, 32803})
        EXPECT_TRUE(ButtonEnabled(commandId)) << commandId;
    Settle();
    EXPECT_FALSE(ButtonEnabled(SECTION_TRANSLATE));
    menus.UpdateMenus();
    EXPECT_FALSE(menus.IsEnabled(WxCommandId(57604)));
    // A posted command waits for nothing: it is dropped.
    PostCommand(SECTION_TRANSLATE);
    EXPECT_EQ(View().m_toolCommandId, 0);

    runAtOnce(32908);
    EXPECT_FALSE(View().IsModal());
    EXPECT_TRUE(ButtonEnabled(32793));
    EXPECT_TRUE(ButtonEnabled(57600));
    Command(SECTION_TRANSLATE);
    EXPECT_EQ(View().m_toolCommandId, 3003);
}

TEST_F(ViewToolsOnScreen, WhileTheQuestionIsOpenTheWorkspaceTakesNoInputButEscape)
{
    StartWithSectionPage();
    AddPlateSection();
    Command(SECTION_DOMAIN_STATE);
    wxTextCtrl& field = DialogField(TEST_FIRST_FIELD);
    int clicks = 0;
    field.Bind(wxEVT_LEFT_DOWN, [&clicks](wxMouseEvent& event) {
        ++clicks;
        event.Skip();
    });
    auto click = [&field] {
        wxMouseEvent down(wxEVT_LEFT_DOWN);
        down.SetEventObject(&field);
        field.GetEventHandler()->ProcessEvent(down);
    };

    View().ChangeDomainState(DOMAIN_SECTION_ID);
    click();
    EXPECT_EQ(clicks, 0);
    // Escape in the workspace's field ends the question with no change.
    wxKeyEvent escape(wxEVT_KEY_DOWN);
    escape.m_keyCode = WXK_ESCAPE;
    escape.SetEventObject(&field);
    field.GetEventHandler()->ProcessEvent(escape);
    EXPECT_FALSE(View().IsModal());
    EXPECT_EQ(LastLines(2),
              (std::vector<std::string>{QUESTION, "  > Stop (The rest domains will remain unchanged)"}));
    click();
    EXPECT_EQ(clicks, 1);
}

TEST_F(ViewToolsOnScreen, ClosingTheMainWindowEndsTheQuestionAsEscapeDoes)
{
    StartWithSectionPage();
    AddPlateSection();
    const double point[2] = {2000.0, 2000.0};
    ASSERT_TRUE(Frame().Document().CreatePointByCoordinate(point));
    View().ChangeDomainState(DOMAIN_SECTION_ID);
    PostMouse(wxEVT_RIGHT_UP, ClientOf(100.0, 100.0));
    ASSERT_TRUE(View().IsModal());
    // The save question that follows is cancelled, so the window stays.
    prompts.answers.push_back(SaveAnswer::Cancel);
    Frame().Close();
    Settle();
    EXPECT_FALSE(View().IsModal());
    EXPECT_EQ(LastLines(4), (std::vector<std::string>{QUESTION, "  > Not Use", QUESTION,
                                                       "  > Stop (The rest domains will remain unchanged)"}));
    EXPECT_FALSE(Model().FindSection(DOMAIN_SECTION_ID)->domains.at(1)->used);
}

TEST_F(ViewToolsOnScreen, TheContextMenuOffersTheRegisteredToolCommandsAndRunsThemAsTheToolbarDoes)
{
    StartWithSectionPage();
    const std::unique_ptr<wxMenu> menu = MakeViewContextMenu();
    std::vector<std::string> titles;
    for (const wxMenuItem* item : menu->GetMenuItems()) {
        EXPECT_TRUE(item->IsSubMenu());
        titles.push_back(item->GetItemLabelText().utf8_string());
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"Point", "Curve", "Section", "Property", "Group"}));
    // The update handlers reach the menu through the view, as when it pops up.
    menu->UpdateUI(View().GetEventHandler());
    EXPECT_TRUE(menu->IsEnabled(WxCommandId(SECTION_TRANSLATE)));
    EXPECT_TRUE(menu->IsEnabled(WxCommandId(CMD_RESULT_LIST)));
    // The test's Section table gives Rotate no dialog, so nothing registered it.
    EXPECT_FALSE(menu->IsEnabled(WxCommandId(SECTION_ROTATE)));

    // Chosen in the menu, the command reaches the view's window first.
    wxCommandEvent chosen(wxEVT_MENU, WxCommandId(SECTION_TRANSLATE));
    chosen.SetEventObject(&View());
    View().GetEventHandler()->ProcessEvent(chosen);
    Settle();
    EXPECT_EQ(Workspace().OpenPageCode(), OPEN_PAGE_SECTION);
    EXPECT_EQ(View().m_toolCommandId, 3003);
    EXPECT_EQ(View().m_toolActive, 1);

    // A model-tree item whose command nothing registered opens nothing.
    Workspace().CloseAllTools();
    Settle();
    CModelMenuTab& tree = Workspace().Tree();
    const wxTreeItemId rotate = tree.FindItem("Rotate", tree.FindItem("Section"));
    ASSERT_TRUE(rotate.IsOk());
    wxTreeEvent activate(wxEVT_TREE_ITEM_ACTIVATED, &tree, rotate);
    tree.GetEventHandler()->ProcessEvent(activate);
    Settle();
    EXPECT_EQ(Workspace().OpenPageCode(), OPEN_PAGE_NONE);
    EXPECT_EQ(View().m_toolCommandId, 0);
}

}  // namespace
