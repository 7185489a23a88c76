#include "frame/ToolbarDropDowns.h"

#include "frame/CommandPrompts.h"
#include "frame/ToolbarTable.h"

#include <wx/menu.h>

namespace {

struct DropDownItem {
    int buttonCommandId;
    int commandId;
    const char* text;
};

const DropDownItem DROP_DOWN_ITEMS[] = {
    {CMD_EDIT_UNDO, CMD_CLEAR_UNDO_STORAGE, "Clear the undo buffer"},
    {CMD_EDIT_REDO, CMD_CLEAR_REDO_STORAGE, "Clear the redo buffer"},
};

}  // namespace

std::vector<int> DropDownCommands(int buttonCommandId)
{
    std::vector<int> commands;
    for (const DropDownItem& item : DROP_DOWN_ITEMS) {
        if (item.buttonCommandId == buttonCommandId)
            commands.push_back(item.commandId);
    }
    return commands;
}

std::unique_ptr<wxMenu> MakeDropDownMenu(int buttonCommandId)
{
    std::unique_ptr<wxMenu> menu;
    for (const DropDownItem& item : DROP_DOWN_ITEMS) {
        if (item.buttonCommandId != buttonCommandId)
            continue;
        if (!menu)
            menu = std::make_unique<wxMenu>();
        menu->Append(WxCommandId(item.commandId), item.text, CommandPrompt(item.commandId));
    }
    return menu;
}
