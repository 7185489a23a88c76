#pragma once
// The buttons a toolbar has no room to show, offered as a menu: a bar too
// long for the frame keeps every command within reach.

#include <memory>

class wxAuiToolBar;
class wxMenu;

// The buttons the bar cannot show whole, in their order, each an item of the
// button's command, tooltip, image, check and enabled state; a separator
// between their groups. A control on the bar has no menu form and is left out.
std::unique_ptr<wxMenu> MenuOfHiddenButtons(const wxAuiToolBar& toolbar);
