// The status bar's first pane in the real program tells what the menu item
// or the toolbar button under the pointer does, and shows its own text again
// once the pointer leaves.

#include "program_on_screen.h"

#include "frame/MainFrame.h"
#include "frame/ToolbarTable.h"
#include "view/TarvokrtView.h"

#include <wx/aui/auibar.h>
#include <wx/statusbr.h>

namespace {

class StatusPromptsOnScreen : public ProgramOnScreen {
protected:
    std::string FirstPane() { return Frame().GetStatusBar()->GetStatusText(0).utf8_string(); }

    void Mouse(wxWindow& window, wxEventType type, wxPoint at)
    {
        wxMouseEvent event(type);
        event.SetEventObject(&window);
        event.SetPosition(at);
        window.GetEventHandler()->ProcessEvent(event);
    }

    void Menu(wxWindow& window, wxEventType type, int commandId)
    {
        wxMenuEvent event(type, commandId ? WxCommandId(commandId) : wxID_NONE);
        event.SetEventObject(&window);
        window.GetEventHandler()->ProcessEvent(event);
    }
};

TEST_F(StatusPromptsOnScreen, AMenuItemOrAButtonUnderThePointerShowsItsPrompt)
{
    ASSERT_TRUE(Start("KLX 1"));
    Frame().GetStatusBar()->SetStatusText("Ready", 0);

    // The menu bar's items: the prompts the commands are given.
    Menu(Frame(), wxEVT_MENU_HIGHLIGHT, CMD_FILE_NEW);
    EXPECT_EQ(FirstPane(), "Create a new project");
    Menu(Frame(), wxEVT_MENU_HIGHLIGHT, CMD_VISIT_HOMEPAGE);
    EXPECT_EQ(FirstPane(), "Visit the Tarvo homepage");
    Menu(Frame(), wxEVT_MENU_CLOSE, 0);
    EXPECT_EQ(FirstPane(), "Ready");

    // The view's context menu: a tool command names its menu path.
    Menu(View(), wxEVT_MENU_HIGHLIGHT, 32833);
    EXPECT_EQ(FirstPane(), "Point > Translate");
    Menu(View(), wxEVT_MENU_HIGHLIGHT, 32902);
    EXPECT_EQ(FirstPane(), "Sectional property List");
    Menu(View(), wxEVT_MENU_CLOSE, 0);
    EXPECT_EQ(FirstPane(), "Ready");

    // Toolbar buttons, from one to the next and off the bar.
    const struct {
        int command;
        const char* prompt;
    } buttons[] = {
        {32797, "Zoom the selected window area"},
        {32796, "Zoom fit to the work window"},
        {CMD_EDIT_REDO, "Redo the previously undone action"},
        {32787, "Activate the selected entities only"},
        {32839, "Curve > Create > Line"},
    };
    for (const auto& button : buttons) {
        wxAuiToolBar* bar = ToolbarWith(button.command);
        ASSERT_NE(bar, nullptr) << button.command;
        const wxRect rect = bar->GetToolRect(WxCommandId(button.command));
        ASSERT_FALSE(rect.IsEmpty()) << button.command;
        Mouse(*bar, wxEVT_MOTION, rect.GetPosition() + rect.GetSize() / 2);
        EXPECT_EQ(FirstPane(), button.prompt) << button.command;
        Mouse(*bar, wxEVT_LEAVE_WINDOW, wxPoint(-1, -1));
        EXPECT_EQ(FirstPane(), "Ready") << button.command;
    }
}

}  // namespace
