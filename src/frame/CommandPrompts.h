#pragma once
// The status-bar prompt of each command: what the first pane says while a
// menu item or a toolbar button that carries the command is under the
// pointer.

#include <string>

// The command's prompt; a tool command without one of its own names its menu
// path, any other command its button's tooltip; empty for an unknown id.
std::string CommandPrompt(int commandId);
