#pragma once
// The window of a dialog form (DialogForm.h), built from a layout (the
// form's own, or one the page describes beside the form) top to bottom:
// group boxes around their items, an edit with its label beside it and its
// spin after it, radio buttons (in a row when laid out across), check boxes,
// lists, buttons, colour choosers and pictures. It mirrors the
// form both ways: the form's values, rows and enabled states show in the
// controls after every change the form reports, and clicks, choices, typing
// and spin steps go to the form, whose rules then run.
//
// A radio group's buttons are the form's group, wherever the layout places
// them on the panel.

#include "frame/ToolDialogPanel.h"
#include "frame/ToolPageTable.h"
#include "tools/DialogForm.h"

#include <vector>

// How a page lays its dialogs out: the width of edits and lists (unless an
// item gives its own) and the room above the first item.
struct DialogStyle {
    int editWidth = 90;
    int topSpace = 0;
};

class wxItemContainer;

class CDialogFormPanel : public CToolDialogPanel, public IDialogFormObserver {
public:
    CDialogFormPanel(wxWindow* parent, CDialogForm& form, ToolPageContext& context, std::vector<DialogItem> layout,
                     DialogStyle style = {});
    ~CDialogFormPanel() override;

protected:
    void ResetControls() override { OnControlsChanged(); }
    void OnControlsChanged() override;
    // Replaces the control's rows when they differ from the form's.
    static void ShowRows(wxItemContainer& control, const std::vector<std::string>& rows);

private:
    void BuildControls();
    void SelectCoordinatesOnFocus();
    void BindControl(wxWindow& control, const DialogItem& item);
    void OnControlFocusRequest(int controlId) override;
    void ShowSpinValue(const SpinButton& spin);

    CDialogForm& form_;
    std::vector<DialogItem> layout_;
    DialogStyle style_;
};

// A window laid out from the items over the form.
ToolDialogFactory ItemsDialog(std::vector<DialogItem> items);
// A window laid out from the form's own layout.
ToolDialogFactory FormLayoutDialog(DialogStyle style);
