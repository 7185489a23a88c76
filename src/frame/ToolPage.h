#pragma once
// A tool page on screen: the command combo at the top, the shown tool
// dialog below it, "Apply" and "Close" under the dialog. The window scrolls
// (8 pixels a unit across, 4 down) when the dialog is larger than the pane.
// What the page does is its controller's; this is only the window.

#include "frame/ToolPageController.h"

#include <wx/scrolwin.h>

class CToolDialogPanel;
class wxButton;
class wxChoice;

class CToolPage : public wxScrolledWindow, public IToolPageWindow {
public:
    CToolPage(wxWindow* parent, CToolPageController& controller);
    ~CToolPage() override;

    void SelectComboIndex(int index) override;
    void MakeDialog(ToolPageRow& row) override;
    void DestroyDialog() override;

    CToolDialogPanel* ShownDialog() const { return dialog_; }
    wxChoice* Combo() const { return combo_; }

private:
    void PlaceControls();

    CToolPageController& controller_;
    wxChoice* combo_;
    wxButton* apply_;
    wxButton* close_;
    CToolDialogPanel* dialog_ = nullptr;
};
