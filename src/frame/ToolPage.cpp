#include "frame/ToolPage.h"

#include "frame/LabelFitButton.h"
#include "frame/ToolDialogPanel.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/scrolwin.h>

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
    : wxPanel(parent, wxID_ANY), controller_(controller)
{
    const ToolPageShell& shell = controller.Shell();
    fields_ = new wxScrolledWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxHSCROLL | wxVSCROLL);
    fields_->SetScrollRate(SCROLL_UNIT_X, SCROLL_UNIT_Y);
    combo_ = new wxChoice(fields_, shell.comboId, COMBO_AT);
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
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        PlaceControls();
        event.Skip();
    });
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
    fields_->Scroll(0, 0);
    dialog_ = row.dialog.makeDialog(fields_, *row.dialog.form, controller_.Context());
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
        dialog_->Move(fields_->CalcScrolledPosition(wxPoint(0, dialogTop)));
    combo_->Move(fields_->CalcScrolledPosition(COMBO_AT));
    const int fieldsHeight = dialogSize.y + dialogTop;
    fields_->SetVirtualSize(std::max(dialogSize.x, COMBO_AT.x + combo_->GetSize().x), fieldsHeight);
    // The buttons follow the fields, and a dialog longer than the page
    // scrolls above them.
    const wxSize page = GetClientSize();
    const int fieldsShown = std::clamp(page.y - apply_->GetSize().y - BOTTOM_MARGIN, 0, fieldsHeight);
    fields_->SetSize(0, 0, page.x, fieldsShown);
    apply_->Move(BUTTONS_LEFT, fieldsShown);
    close_->Move(BUTTONS_LEFT + apply_->GetSize().x + BUTTON_GAP, fieldsShown);
}
