#include "frame/CommandPrompts.h"

#include "frame/ToolbarTable.h"
#include "view/ToolCommands.h"

#include <map>

namespace {

const std::map<int, const char*>& Prompts()
{
    static const std::map<int, const char*> prompts = {
        // File and Help.
        {CMD_FILE_NEW, "Create a new project"},
        {CMD_FILE_OPEN, "Open an existing project"},
        {CMD_FILE_SAVE, "Save the active project"},
        {CMD_FILE_SAVE_AS, "Save the active project with a new name"},
        {CMD_IMPORT_PROJECT, "Import an existing project"},
        {CMD_IMPORT_DXF, "Import an existing AutoCAD DXF file"},
        {CMD_EXPORT_DXF, "Export the project as an AutoCAD DXF file"},
        {CMD_EXPORT_BITMAP, "Export the drawing as a Windows bitmap"},
        {CMD_FILE_PRINT_SETUP, "Change the printer and the printing options"},
        {CMD_FILE_PRINT_PREVIEW, "Show the drawing as it will print"},
        {CMD_FILE_PRINT, "Print the drawing"},
        {CMD_APP_EXIT, "Quit the application; prompts to save the project"},
        {CMD_APP_ABOUT, "Display program information, version number and copyright"},
        {CMD_VISIT_HOMEPAGE, "Visit the Tarvo homepage"},
        {CMD_SEND_MAIL, "E-mail to Tarvo"},
        {CMD_CALCULATOR, "Launch the Windows calculator"},
        {CMD_CUSTOMIZE_TOOLBAR, "Custimize the toolbars"},
        {CMD_EDIT_UNDO, "Undo the last action"},
        {CMD_EDIT_REDO, "Redo the previously undone action"},
        {CMD_CLEAR_UNDO_STORAGE, "Clear the undo buffer"},
        {CMD_CLEAR_REDO_STORAGE, "Clear the redo buffer"},
        // The view's commands.
        {32793, "Pan dynamically"},
        {32794, "Zoom dynamically"},
        {32797, "Zoom the selected window area"},
        {32801, "Pan right"},
        {32800, "Pan left"},
        {32802, "Pan up"},
        {32803, "Pan down"},
        {32798, "Zoom in"},
        {32799, "Zoom out"},
        {32795, "Toggle auto-fitting zooming mode"},
        {32796, "Zoom fit to the work window"},
        {32790, "Point Grid"},
        {CMD_GRID_SETTING, "Grid Setting"},
        {32776, "Grid Snap"},
        {32777, "Point Snap"},
        {CMD_CLEAR_MESSAGE, "Clear Message"},
        {CMD_SETTING, "Setting"},
        {32812, "Create, rename, delete a material"},
        {32902, "Sectional property List"},
        {32960, "Change to UCS"},
        {32961, "Change to GCS"},
        {32901, "Select"},
        {32899, "Select Previous"},
        {32900, "Select Newcomer"},
        {32905, "Select Group"},
        {CMD_ACTIVATE, "Activate the selected entities only"},
        {32786, "Inactivate the selected entities"},
        {32788, "Reverse the activities"},
        {32789, "Activate all entities"},
        {32965, "Inactivate all entities"},
    };
    return prompts;
}

const char* ButtonTooltip(int commandId)
{
    for (const ToolbarDefinition& bar : DefaultToolbars()) {
        for (const ToolbarButton& button : bar.buttons) {
            if (button.commandId == commandId && button.tooltip)
                return button.tooltip;
        }
    }
    return nullptr;
}

}  // namespace

std::string CommandPrompt(int commandId)
{
    if (commandId >= CMD_FILE_MRU_FIRST && commandId < CMD_FILE_MRU_FIRST + MAX_RECENT_FILES)
        return "Open this project";
    if (const auto found = Prompts().find(commandId); found != Prompts().end())
        return found->second;
    if (const ToolCommandRow* row = FindToolCommand(commandId))
        return row->menuPath;
    if (const char* tooltip = ButtonTooltip(commandId))
        return tooltip;
    return std::string();
}
