#pragma once
// The toolbar buttons that carry a drop-down menu beside their own command,
// and those menus: Undo's and Redo's offer clearing the store the button steps
// through. The buttons themselves come from the toolbar table.

#include <memory>
#include <vector>

class wxMenu;

// The commands on the button's drop-down menu; empty when it has none.
std::vector<int> DropDownCommands(int buttonCommandId);

// The button's drop-down menu; null when it has none.
std::unique_ptr<wxMenu> MakeDropDownMenu(int buttonCommandId);
