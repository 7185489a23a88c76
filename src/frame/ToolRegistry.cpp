#include "frame/ToolRegistry.h"

#include "view/ToolCommands.h"

CToolRegistry::CToolRegistry() = default;

void CToolRegistry::RegisterCommand(int commandId, ToolCommandHandler handler)
{
    commands_[commandId] = std::move(handler);
}

const ToolCommandHandler* CToolRegistry::FindCommand(int commandId) const
{
    const auto found = commands_.find(commandId);
    return found == commands_.end() ? nullptr : &found->second;
}

bool CToolRegistry::RegisterPage(ToolPageKind page, ToolPageTable table)
{
    const int baseId = ShellOf(page).baseId;
    bool consistent = true;
    for (size_t index = 0; index < table.rows.size(); ++index) {
        ToolPageRow& row = table.rows[index];
        if (row.commandId == 0)
            continue;
        // The pages' base ids lie 1000 apart, so the tool id names the page too.
        const ToolCommandRow* command = FindToolCommand(row.commandId);
        if (!command || command->toolId != baseId + static_cast<int>(index)) {
            row.commandId = 0;
            consistent = false;
        }
    }
    pages_[static_cast<size_t>(page)] = std::move(table);
    return consistent;
}

const ToolPageTable& CToolRegistry::Page(ToolPageKind page) const
{
    return pages_[static_cast<size_t>(page)];
}

ToolPageTable& CToolRegistry::Page(ToolPageKind page)
{
    return pages_[static_cast<size_t>(page)];
}

bool CToolRegistry::AddRowDialog(int commandId, ToolRowDialog dialog)
{
    for (ToolPageTable& table : pages_) {
        if (const int index = table.IndexOfCommand(commandId); index >= 0) {
            table.rows[static_cast<size_t>(index)].dialog = std::move(dialog);
            return true;
        }
    }
    return false;
}

std::optional<ToolRowCommand> CToolRegistry::FindRowCommand(int commandId) const
{
    for (const ToolPageShell& shell : ToolPageShells()) {
        const ToolPageTable& table = Page(shell.kind);
        const int index = table.IndexOfCommand(commandId);
        if (index >= 0 && table.rows[static_cast<size_t>(index)].HasDialog())
            return ToolRowCommand{shell.kind, shell.baseId + index};
    }
    return std::nullopt;
}

bool CToolRegistry::IsBuilt(int commandId) const
{
    if (commands_.count(commandId) || FindRowCommand(commandId))
        return true;
    if (commandId == CMD_RESULT_LIST)
        return static_cast<bool>(hooks.resultList);
    if (commandId == CMD_MATERIAL_LIST)
        return static_cast<bool>(hooks.materialList);
    if (commandId == CMD_CHANGE_TO_UCS) {
        const std::vector<ToolPageRow>& rows = Page(ToolPageKind::Ucs).rows;
        const auto hasDialog = [&rows](int toolId) {
            const auto index = static_cast<size_t>(toolId - ShellOf(ToolPageKind::Ucs).baseId);
            return index < rows.size() && rows[index].HasDialog();
        };
        return hasDialog(TOOL_SET_WORK_UCS) && hasDialog(TOOL_CREATE_UCS);
    }
    return false;
}
