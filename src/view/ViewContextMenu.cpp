#include "view/ViewContextMenu.h"

#include "view/CommandIds.h"
#include "view/ToolCommands.h"

#include <wx/menu.h>

#include <algorithm>

namespace {

constexpr int CMD_PROPERTY_DISPLAY = 32871;

void AddAtPath(std::vector<MenuEntry>& menu, const std::vector<std::string>& levels, int commandId)
{
    std::vector<MenuEntry>* level = &menu;
    for (size_t i = 0; i < levels.size(); ++i) {
        auto found = std::find_if(level->begin(), level->end(),
                                  [&](const MenuEntry& entry) { return entry.label == levels[i]; });
        if (found == level->end()) {
            level->push_back(MenuEntry{levels[i], 0, {}});
            found = level->end() - 1;
        }
        if (i + 1 == levels.size())
            found->commandId = commandId;
        level = &found->children;
    }
}

void AppendEntries(wxMenu& menu, const std::vector<MenuEntry>& entries)
{
    for (const MenuEntry& entry : entries) {
        if (entry.commandId != 0) {
            menu.Append(WxCommandId(entry.commandId), wxString::FromUTF8(entry.label));
        } else {
            auto* submenu = new wxMenu;
            AppendEntries(*submenu, entry.children);
            menu.AppendSubMenu(submenu, wxString::FromUTF8(entry.label));
        }
    }
}

}  // namespace

std::vector<MenuEntry> ViewContextMenuEntries()
{
    std::vector<MenuEntry> menu;
    for (const ToolCommandRow& row : ToolCommandTable()) {
        if (row.page == ToolCommandPage::Ucs)
            continue;
        AddAtPath(menu, MenuLevels(row.menuPath), row.commandId);
        if (row.commandId == CMD_PROPERTY_DISPLAY)
            AddAtPath(menu, {"Property", "List"}, CMD_PROPERTY_LIST);
    }
    return menu;
}

std::unique_ptr<wxMenu> MakeViewContextMenu()
{
    auto menu = std::make_unique<wxMenu>();
    AppendEntries(*menu, ViewContextMenuEntries());
    return menu;
}
