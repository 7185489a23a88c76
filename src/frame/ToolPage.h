#pragma once
// A tool page on screen: the command combo at the top, the shown tool
// dialog below it, "Apply" and "Close" under the dialog. The combo and the
// dialog lie in a scrolled area (8 pixels a unit across, 4 down) that takes
// the page's height above the buttons when the dialog is longer than the
// page, so that the buttons stay in sight at the page's foot.
// What the page does is its controller's; this is only the window.

#include "frame/ToolPageController.h"

#include <wx/panel.h>

class CToolDialogPanel;
class wxButton;
class wxChoice;
class wxScrolledWindow;

class CToolPage : public wxPanel, public IToolPageWindow {
public:
    CToolPage(wxWindow* parent, CToolPageController& controller);
    ~CToolPage() override;

    void SelectComboIndex(int index) override;
    void MakeDialog(ToolPageRow& row) override;
    void DestroyDialog() override;

    CToolDialogPanel* ShownDialog() const { return dialog_; }
    wxChoice* Combo() const { return combo_; }
    // The scrolled area of the combo and the dialog.
    wxScrolledWindow* Fields() const { return fields_; }

private:
    void PlaceControls();

    CToolPageController& controller_;
    wxScrolledWindow* fields_;
    wxChoice* combo_;
    wxButton* apply_;
    wxButton* close_;
    CToolDialogPanel* dialog_ = nullptr;
};
