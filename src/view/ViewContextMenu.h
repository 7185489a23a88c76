#pragma once
// The view's right-click menu: the Point, Curve, Section, Property and Group
// commands in submenus named after their menu paths, with Property > List
// (the result list) after Display as on the Property toolbar.

#include <memory>
#include <string>
#include <vector>

class wxMenu;

constexpr int CMD_PROPERTY_LIST = 32902;

struct MenuEntry {
    std::string label;
    int commandId = 0;  // 0: a submenu
    std::vector<MenuEntry> children;
};

std::vector<MenuEntry> ViewContextMenuEntries();
// The menu's items carry the commands' window ids.
std::unique_ptr<wxMenu> MakeViewContextMenu();
