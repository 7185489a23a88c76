#include "tools/DialogFormPanel.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

constexpr int EDIT_WIDTH = 180;

int WindowId(int id)
{
    return id == 0 ? wxID_ANY : id;
}

}  // namespace

CDialogFormPanel::CDialogFormPanel(wxWindow* parent, CDialogForm& form, ToolPageContext& context)
    : CToolDialogPanel(parent, form, context), form_(form)
{
    auto* top = new wxBoxSizer(wxVERTICAL);
    wxSizer* sizer = top;
    wxWindow* host = this;
    for (const LayoutItem& item : form.Layout()) {
        const wxString text = wxString::FromUTF8(item.text);
        switch (item.kind) {
        case LayoutKind::GroupBegin: {
            auto* box = new wxStaticBoxSizer(wxVERTICAL, this, text);
            top->Add(box, 0, wxEXPAND | wxALL, 4);
            sizer = box;
            host = box->GetStaticBox();
            break;
        }
        case LayoutKind::GroupEnd:
            sizer = top;
            host = this;
            break;
        case LayoutKind::Label:
            sizer->Add(new wxStaticText(host, WindowId(item.id), text), 0, wxLEFT | wxRIGHT | wxTOP, 4);
            break;
        case LayoutKind::Edit:
            sizer->Add(new wxTextCtrl(host, item.id, wxEmptyString, wxDefaultPosition, wxSize(EDIT_WIDTH, -1)), 0,
                       wxLEFT | wxRIGHT | wxBOTTOM, 4);
            break;
        case LayoutKind::Radio: {
            auto* radio = new wxRadioButton(host, item.id, text, wxDefaultPosition, wxDefaultSize,
                                            item.id == item.group ? wxRB_GROUP : 0);
            radio->Bind(wxEVT_RADIOBUTTON, [this, item](wxCommandEvent&) { form_.Choose(item.group, item.value); });
            sizer->Add(radio, 0, wxALL, 3);
            break;
        }
        case LayoutKind::Check: {
            auto* check = new wxCheckBox(host, item.id, text);
            check->Bind(wxEVT_CHECKBOX,
                        [this, id = item.id](wxCommandEvent& event) { form_.Check(id, event.IsChecked()); });
            sizer->Add(check, 0, wxALL, 3);
            break;
        }
        case LayoutKind::Combo: {
            auto* combo = new wxChoice(host, item.id, wxDefaultPosition, wxSize(EDIT_WIDTH, -1));
            combo->Bind(wxEVT_CHOICE,
                        [this, id = item.id](wxCommandEvent& event) { form_.SelectRow(id, event.GetSelection()); });
            sizer->Add(combo, 0, wxLEFT | wxRIGHT | wxBOTTOM, 4);
            break;
        }
        case LayoutKind::Button: {
            auto* button = new wxButton(host, item.id, text);
            button->Bind(wxEVT_BUTTON, [this, id = item.id](wxCommandEvent&) { form_.Press(id); });
            sizer->Add(button, 0, wxALL, 4);
            break;
        }
        }
    }
    SetSizerAndFit(top);
    form_.SetControlsObserver(this);
}

CDialogFormPanel::~CDialogFormPanel()
{
    form_.SetControlsObserver(nullptr);
}

void CDialogFormPanel::OnControlsChanged()
{
    for (const LayoutItem& item : form_.Layout()) {
        wxWindow* control = item.id != 0 ? FindWindow(item.id) : nullptr;
        if (!control || item.kind == LayoutKind::Edit)
            continue;
        control->Enable(form_.IsEnabled(item.id));
        if (auto* radio = dynamic_cast<wxRadioButton*>(control)) {
            radio->SetValue(form_.Choice(item.group) == item.value);
        } else if (auto* check = dynamic_cast<wxCheckBox*>(control)) {
            check->SetValue(form_.Checked(item.id));
        } else if (auto* combo = dynamic_cast<wxChoice*>(control)) {
            wxArrayString rows;
            for (const std::string& row : form_.Rows(item.id))
                rows.Add(wxString::FromUTF8(row));
            if (combo->GetStrings() != rows)
                combo->Set(rows);
            combo->SetSelection(form_.SelectedRow(item.id));
        }
    }
}
