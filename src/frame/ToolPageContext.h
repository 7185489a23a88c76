#pragma once
// What every tool page, dialog and apply reaches the program through: the
// drawing view's port, the document, the message boxes and file choosers,
// the toolbar group combos, and a sender that runs a command at once as the
// toolbar would. Tests build it from fakes; any part may be null.

#include <functional>

class IToolView;
class IToolDocument;
class IMessageBoxPort;
class IDocumentPrompts;
class IGroupCombos;

struct ToolPageContext {
    IToolView* view = nullptr;
    IToolDocument* document = nullptr;
    IMessageBoxPort* boxes = nullptr;
    IDocumentPrompts* prompts = nullptr;
    IGroupCombos* groupCombos = nullptr;
    // Runs the command before it returns.
    std::function<void(int commandId)> sendCommand;
};

// Clears the selection and redraws the view.
void ClearSelectionAndRedraw(IToolView& view);
