#include "frame/ToolPage.h"

#include "frame/LabelFitButton.h"
#include "frame/ToolDialogPanel.h"

#include <wx/button.h>
#include <wx/choice.h>

#include <algorithm>

namespace {

constexpr int SCROLL_UNIT_X = 8;
constexpr int SCROLL_UNIT_Y = 4;
const wxPoint COMBO_AT(8, 12);
constexpr int DIALOG_TOP = 35;  // at least; and clear of the combo
constexpr int COMBO_GAP = 4;
constexpr int BUTTONS_LEFT = 68;
constexpr int BUTTON_GAP = 6;
constexpr int BOTTOM_MARGIN = 8;
constexpr int MIN_BUTTON_WIDTH = 56;

}  // namespace

CToolPage::CToolPage(wxWindow* parent, CToolPageController& controller)
    : wxScrolledWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxHSCROLL | wxVSCROLL),
      controller_(controller)
{
    const ToolPageShell& shell = controller.Shell();
    SetScrollRate(SCROLL_UNIT_X, SCROLL_UNIT_Y);
    combo_ = new wxChoice(this, shell.comboId, COMBO_AT);
    int widestName = 0;
    for (const ToolPageRow& row : controller.Table().rows) {
        const wxString text = wxString::FromUTF8(row.text);
        combo_->Append(text);
        if (row.text != TOOL_SEPARATOR_TEXT)
            widestName = std::max(widestName, combo_->GetTextExtent(text).x);
    }
    // Wide enough for every command's name; a separator row may be cut.
    combo_->SetSize(combo_->GetSizeFromTextSize(widestName));
    // The buttons are as wide as their words need, not the toolkit's default
    // width, so that both fit the workspace's width; the two alike.
    apply_ = NewLabelFitButton(this, shell.applyId, "Apply", MIN_BUTTON_WIDTH);
    close_ = NewLabelFitButton(this, shell.closeId, "Close", MIN_BUTTON_WIDTH);
    const int buttonWidth = std::max(apply_->GetSize().x, close_->GetSize().x);
    for (wxButton* button : {apply_, close_})
        button->SetSize(wxSize(buttonWidth, button->GetSize().y));
    combo_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { controller_.OnSelChangeCommand(combo_->GetSelection()); });
    apply_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { controller_.OnApply(); });
    // Close destroys this page, so the button's own handler must not run it:
    // the tab window runs it next (and drops it if it goes first).
    close_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        CToolPageController& controller = controller_;
        GetParent()->CallAfter([&controller] { controller.OnClose(); });
    });
    SwallowEnterAndEscape(*this);
    controller_.SetWindow(this);
    PlaceControls();
}

CToolPage::~CToolPage()
{
    if (dialog_)
        dialog_->Form().SetObserver(nullptr);
}

void CToolPage::SelectComboIndex(int index)
{
    if (index < 0 || static_cast<unsigned>(index) >= combo_->GetCount())
        combo_->SetSelection(wxNOT_FOUND);
    else
        combo_->SetSelection(index);
}

void CToolPage::MakeDialog(ToolPageRow& row)
{
    DestroyDialog();
    Scroll(0, 0);
    dialog_ = row.dialog.makeDialog(this, *row.dialog.form, controller_.Context());
    if (!dialog_)
        return;
    dialog_->Fit();
    dialog_->Start();
    dialog_->Show();
    PlaceControls();
}

void CToolPage::DestroyDialog()
{
    if (!dialog_)
        return;
    dialog_->Destroy();
    dialog_ = nullptr;
    PlaceControls();
}

void CToolPage::PlaceControls()
{
    const wxSize dialogSize = dialog_ ? dialog_->GetSize() : wxSize(0, 0);
    // The toolkit's drop-down may stand taller than the page's pattern allows for.
    const int dialogTop = std::max(DIALOG_TOP, COMBO_AT.y + combo_->GetSize().y + COMBO_GAP);
    if (dialog_)
        dialog_->Move(CalcScrolledPosition(wxPoint(0, dialogTop)));
    combo_->Move(CalcScrolledPosition(COMBO_AT));
    const int buttonsTop = dialogSize.y + dialogTop;
    apply_->Move(CalcScrolledPosition(wxPoint(BUTTONS_LEFT, buttonsTop)));
    const int closeLeft = BUTTONS_LEFT + apply_->GetSize().x + BUTTON_GAP;
    close_->Move(CalcScrolledPosition(wxPoint(closeLeft, buttonsTop)));
    const int width = std::max({dialogSize.x, closeLeft + close_->GetSize().x, COMBO_AT.x + combo_->GetSize().x});
    SetVirtualSize(width, buttonsTop + apply_->GetSize().y + BOTTOM_MARGIN);
}
