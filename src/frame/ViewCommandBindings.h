#pragma once
// The view's pan, zoom, grid, snap, select, activity and coordinate-system
// commands as the toolbar carries them: the handler each runs and, for the
// toggles, when the button shows pressed.

#include <vector>

class CTarvokrtView;

struct ViewCommand {
    int commandId;
    void (CTarvokrtView::*run)();
    // Null for plain commands; else whether the button shows pressed.
    bool (*pressed)(const CTarvokrtView& view);
};

const std::vector<ViewCommand>& ViewCommands();
const ViewCommand* FindViewCommand(int commandId);
void RunViewCommand(CTarvokrtView& view, const ViewCommand& command);

// The modal-interaction commands: 32907 sets the view's flag, 32908 clears it.
enum ModalInteractionCommand { CMD_BEGIN_MODAL_INTERACTION = 32907, CMD_END_MODAL_INTERACTION = 32908 };

// While the view is modal only the zoom and pan commands that keep the mouse
// mode, and the modal flag's own commands, run.
bool RunsWhileModal(int commandId);
