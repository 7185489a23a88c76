#pragma once
// The window of a Section page dialog: built from its form's layout, top to
// bottom, group boxes around their items. It shows the form's state after
// every change the form reports and hands the user's clicks to the form.

#include "frame/ToolDialogPanel.h"
#include "tools/SectDialogForm.h"

class CSectDialogPanel : public CToolDialogPanel {
public:
    CSectDialogPanel(wxWindow* parent, CSectDialogForm& form, ToolPageContext& context);
    ~CSectDialogPanel() override;

private:
    void BuildControls();
    void BindControl(wxWindow& control, const SectLayoutItem& item);
    // The form's controls into the window.
    void SyncControls();

    CSectDialogForm& form_;
};
