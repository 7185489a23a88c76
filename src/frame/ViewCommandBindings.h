#pragma once
// The view's pan, zoom, grid, snap and select commands as the toolbar
// carries them: the handler each runs and, for the toggles, when the button
// shows pressed.

#include <vector>

class CTarvokrtView;

struct ViewCommand {
    int commandId;
    void (CTarvokrtView::*run)();
    // Null for plain commands; else whether the button shows pressed.
    bool (*pressed)(const CTarvokrtView& view);
    // Mode commands are disabled while a modal interaction runs.
    bool disabledWhileModal;
};

const std::vector<ViewCommand>& ViewCommands();
const ViewCommand* FindViewCommand(int commandId);
void RunViewCommand(CTarvokrtView& view, const ViewCommand& command);
