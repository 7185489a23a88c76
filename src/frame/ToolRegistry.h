#pragma once
// What the tools add to the frame, registered once at start-up (src/tools'
// RegisterTools) before the main window is made: command handlers by command
// id, the six pages' tables, and the tool hooks the frame calls. The frame
// binds every registered command and asks the registry which commands are
// built; it knows no tool itself.

#include "frame/ToolPageTable.h"

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>

class CTarvokrtDoc;
class CTarvokrtView;
class IMessageBoxPort;
class IViewWorkspace;
class wxWindow;

// What the frame hands a command handler; a test may leave any of it null.
struct ToolCommandContext {
    wxWindow* mainWindow = nullptr;
    CTarvokrtDoc* document = nullptr;
    CTarvokrtView* view = nullptr;
    IMessageBoxPort* boxes = nullptr;
    IViewWorkspace* workspace = nullptr;
};

using ToolCommandHandler = std::function<void(const ToolCommandContext& context)>;

// Commands the frame runs through a tool hook; they count as built once the
// hook is filled.
enum ToolHookCommand { CMD_RESULT_LIST = 32902, CMD_MATERIAL_LIST = 32812 };

// The view's UCS button opens the UCS page on Set Work UCS or Create UCS; it
// counts as built once both rows have their dialogs.
enum { CMD_CHANGE_TO_UCS = 32960 };

// Hooks a tool fills and the frame calls; an empty one is not called.
struct ToolHooks {
    // The calculation's pause question (text, last section) -> a
    // CalcPauseChoice; while empty, the frame answers "Continue".
    std::function<int(const std::string& text, bool lastSection)> askCalcPause;
    // After a material command, while the Section page is open.
    std::function<void()> updateMaterialList;
    // The result list (32902) and the material list (32812).
    ToolCommandHandler resultList;
    ToolCommandHandler materialList;
    // After Undo and Redo, while the Group or the UCS page is open.
    std::function<void()> refreshGroupDialogs;
    std::function<void()> refreshUcsDialogs;
};

// Where a page row's command opens: the page and the row's tool id.
struct ToolRowCommand {
    ToolPageKind page;
    int toolId;
};

class CToolRegistry {
public:
    CToolRegistry();

    // A later registration of the same id replaces the earlier one.
    void RegisterCommand(int commandId, ToolCommandHandler handler);
    const ToolCommandHandler* FindCommand(int commandId) const;
    const std::map<int, ToolCommandHandler>& Commands() const { return commands_; }

    // Replaces the page's table (every page starts with none). A row's
    // command opens the row through the view's tool-command handler, so its
    // command id must be the one the view's tool-command table gives the
    // row's tool id: a row whose command the view would open elsewhere, or
    // not at all, keeps no command, and the registration answers false.
    bool RegisterPage(ToolPageKind page, ToolPageTable table);
    const ToolPageTable& Page(ToolPageKind page) const;
    ToolPageTable& Page(ToolPageKind page);
    // Gives the row of any page that the command opens its form, dialog and
    // apply; false when no row has that command id.
    bool AddRowDialog(int commandId, ToolRowDialog dialog);
    // The page and tool id of the row with a dialog that the command opens.
    std::optional<ToolRowCommand> FindRowCommand(int commandId) const;

    // Registered, or a page row with a dialog, or a filled hook's command.
    bool IsBuilt(int commandId) const;

    ToolHooks hooks;

private:
    std::map<int, ToolCommandHandler> commands_;
    std::array<ToolPageTable, TOOL_PAGE_COUNT> pages_;
};
