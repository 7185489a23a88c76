// Clearing the undo and redo stores from the drop-down menus of the
// toolbar's Undo and Redo buttons, on the real frame.

#include "program_on_screen.h"

#include "frame/MainFrame.h"
#include "frame/OutputWindow.h"
#include "frame/ToolbarDropDowns.h"
#include "frame/ToolbarTable.h"
#include "model/SectModel.h"

#include <wx/aui/auibar.h>
#include <wx/menu.h>

namespace {

class UndoStoresOnScreen : public ProgramOnScreen {
protected:
    // Whether the item shows enabled once the frame's update handler ran.
    bool Enabled(wxMenu& menu, int commandId)
    {
        menu.UpdateUI(Frame().GetEventHandler());
        return menu.IsEnabled(WxCommandId(commandId));
    }

    // The output window's last line.
    std::string LastShownLine()
    {
        std::string text = Frame().Output().ShownText();
        while (!text.empty() && text.back() == '\n')
            text.pop_back();
        return text.substr(text.rfind('\n') + 1);
    }

    void AddPoint(double x, double y)
    {
        const double xy[2] = {x, y};
        ASSERT_TRUE(Model().CreatePointByCoordinate(xy));
        Frame().Document().OnModelChanged();
    }
};

TEST_F(UndoStoresOnScreen, TheUndoAndRedoDropDownsClearTheirStoresWhileTheyHoldAStep)
{
    ASSERT_TRUE(Start(""));
    struct Offered {
        int button;
        int command;
        const char* text;
    };
    const Offered offered[] = {{CMD_EDIT_UNDO, CMD_CLEAR_UNDO_STORAGE, "Clear the undo buffer"},
                               {CMD_EDIT_REDO, CMD_CLEAR_REDO_STORAGE, "Clear the redo buffer"}};
    std::vector<std::unique_ptr<wxMenu>> menus;
    for (const Offered& o : offered) {
        SCOPED_TRACE(o.text);
        wxAuiToolBar* bar = ToolbarWith(o.button);
        ASSERT_NE(bar, nullptr);
        EXPECT_TRUE(bar->GetToolDropDown(WxCommandId(o.button)));
        menus.push_back(MakeDropDownMenu(o.button));
        ASSERT_NE(menus.back(), nullptr);
        ASSERT_EQ(menus.back()->GetMenuItemCount(), 1u);
        const wxMenuItem* item = menus.back()->FindItemByPosition(0);
        EXPECT_EQ(item->GetId(), WxCommandId(o.command));
        EXPECT_EQ(item->GetItemLabelText(), o.text);
        EXPECT_EQ(item->GetHelp(), o.text);
    }
    wxMenu& undoMenu = *menus[0];
    wxMenu& redoMenu = *menus[1];
    EXPECT_EQ(MakeDropDownMenu(CMD_FILE_SAVE), nullptr);

    EXPECT_FALSE(Enabled(undoMenu, CMD_CLEAR_UNDO_STORAGE));
    EXPECT_FALSE(Enabled(redoMenu, CMD_CLEAR_REDO_STORAGE));
    AddPoint(0, 0);
    AddPoint(10, 0);
    EXPECT_TRUE(Enabled(undoMenu, CMD_CLEAR_UNDO_STORAGE));
    EXPECT_FALSE(Enabled(redoMenu, CMD_CLEAR_REDO_STORAGE));
    Command(CMD_EDIT_UNDO);
    EXPECT_TRUE(Enabled(undoMenu, CMD_CLEAR_UNDO_STORAGE));
    EXPECT_TRUE(Enabled(redoMenu, CMD_CLEAR_REDO_STORAGE));

    Command(CMD_CLEAR_REDO_STORAGE);
    EXPECT_TRUE(Model().IsRedoEmpty());
    EXPECT_FALSE(Model().IsUndoEmpty());
    EXPECT_EQ(LastShownLine(), "Redo storage is cleared.");
    EXPECT_FALSE(Enabled(redoMenu, CMD_CLEAR_REDO_STORAGE));
    EXPECT_TRUE(Enabled(undoMenu, CMD_CLEAR_UNDO_STORAGE));

    Command(CMD_CLEAR_UNDO_STORAGE);
    EXPECT_TRUE(Model().IsUndoEmpty());
    EXPECT_EQ(LastShownLine(), "Undo storage is cleared.");
    EXPECT_FALSE(Enabled(undoMenu, CMD_CLEAR_UNDO_STORAGE));
    // The drawing stays as it is: only the steps back are gone.
    EXPECT_EQ(Model().m_points.size(), 1u);
    EXPECT_EQ(ToolbarEnables(CMD_EDIT_UNDO), false);
}

}  // namespace
