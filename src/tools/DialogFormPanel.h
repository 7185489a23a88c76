#pragma once
// The window of a CDialogForm: its layout built top to bottom (group boxes
// around their items, a label above its edit), the form's fields mirrored by
// the base, and the other controls' states shown from the form after every
// change it reports. Clicks go to the form.

#include "frame/ToolDialogPanel.h"
#include "tools/DialogForm.h"

class CDialogFormPanel : public CToolDialogPanel, public IDialogControlsObserver {
public:
    CDialogFormPanel(wxWindow* parent, CDialogForm& form, ToolPageContext& context);
    ~CDialogFormPanel() override;

    void OnControlsChanged() override;

private:
    void ResetControls() override { OnControlsChanged(); }

    CDialogForm& form_;
};
