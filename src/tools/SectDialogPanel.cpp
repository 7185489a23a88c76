#include "tools/SectDialogPanel.h"

#include <wx/bitmap.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/clrpicker.h>
#include <wx/combobox.h>
#include <wx/dcmemory.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/spinbutt.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <string>
#include <vector>

namespace {

constexpr int EDIT_WIDTH = 150;
constexpr int PICTURE_SIZE = 64;

// Our own pictures of the two section types: a filled plate and a bent line.
wxBitmap SectionPicture(bool line)
{
    wxBitmap bitmap(PICTURE_SIZE, PICTURE_SIZE);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    if (line) {
        dc.SetPen(wxPen(wxColour(0, 0, 255), 3));
        const wxPoint path[] = {{10, 54}, {10, 10}, {54, 10}, {54, 40}};
        dc.DrawLines(4, path);
    } else {
        dc.SetPen(*wxBLACK_PEN);
        dc.SetBrush(wxBrush(wxColour(255, 255, 128)));
        dc.DrawRectangle(8, 8, PICTURE_SIZE - 16, PICTURE_SIZE - 16);
        dc.SetBrush(*wxWHITE_BRUSH);
        dc.DrawRectangle(22, 22, PICTURE_SIZE - 44, PICTURE_SIZE - 44);
    }
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

wxColour ColourOf(const Rgb& rgb)
{
    return wxColour(static_cast<unsigned char>(rgb[0]), static_cast<unsigned char>(rgb[1]),
                    static_cast<unsigned char>(rgb[2]));
}

wxArrayString Strings(const std::vector<std::string>& rows)
{
    wxArrayString strings;
    for (const std::string& row : rows)
        strings.Add(wxString::FromUTF8(row));
    return strings;
}

bool SameRows(const wxItemContainer& control, const std::vector<std::string>& rows)
{
    if (control.GetCount() != rows.size())
        return false;
    for (unsigned i = 0; i < control.GetCount(); ++i) {
        if (control.GetString(i).utf8_string() != rows[i])
            return false;
    }
    return true;
}

}  // namespace

CSectDialogPanel::CSectDialogPanel(wxWindow* parent, CSectDialogForm& form, ToolPageContext& context)
    : CToolDialogPanel(parent, form, context), form_(form)
{
    BuildControls();
    form_.SetControlsObserver([this] { SyncControls(); });
    SyncControls();
}

CSectDialogPanel::~CSectDialogPanel()
{
    form_.SetControlsObserver(nullptr);
}

void CSectDialogPanel::BuildControls()
{
    auto* top = new wxBoxSizer(wxVERTICAL);
    // Clear of the page's command combo above.
    top->AddSpacer(8);
    wxSizer* sizer = top;
    wxWindow* parent = this;
    wxSizer* row = nullptr;  // the row of an across radio group
    for (const SectLayoutItem& item : form_.Layout()) {
        const wxString text = wxString::FromUTF8(item.text);
        const int id = item.id != 0 ? item.id : wxID_ANY;
        wxWindow* control = nullptr;
        switch (item.kind) {
        case SectLayoutKind::GroupBegin: {
            auto* box = new wxStaticBoxSizer(wxVERTICAL, this, text);
            sizer->Add(box, 0, wxEXPAND | wxALL, 4);
            sizer = box;
            parent = box->GetStaticBox();
            continue;
        }
        case SectLayoutKind::GroupEnd:
            sizer = top;
            parent = this;
            continue;
        case SectLayoutKind::Label:
            control = new wxStaticText(parent, id, text);
            break;
        case SectLayoutKind::Edit:
            control = new wxTextCtrl(parent, id, wxEmptyString, wxDefaultPosition, wxSize(EDIT_WIDTH, -1));
            break;
        case SectLayoutKind::Radio:
            control = new wxRadioButton(parent, id, text, wxDefaultPosition, wxDefaultSize,
                                        item.value == 0 ? wxRB_GROUP : 0);
            break;
        case SectLayoutKind::Check:
            control = new wxCheckBox(parent, id, text);
            break;
        case SectLayoutKind::ListCombo:
            control = new wxChoice(parent, id, wxDefaultPosition, wxSize(EDIT_WIDTH, -1));
            break;
        case SectLayoutKind::EditCombo:
            control = new wxComboBox(parent, id, wxEmptyString, wxDefaultPosition, wxSize(EDIT_WIDTH, -1), 0,
                                     nullptr, wxCB_DROPDOWN | wxCB_SORT);
            break;
        case SectLayoutKind::Button:
            control = new wxButton(parent, id, text, wxDefaultPosition, wxSize(40, -1));
            break;
        case SectLayoutKind::Colour:
            if (!item.text.empty())
                sizer->Add(new wxStaticText(parent, wxID_ANY, text), 0, wxLEFT | wxTOP, 4);
            control = new wxColourPickerCtrl(parent, id, ColourOf(form_.Colour(item.id)));
            break;
        case SectLayoutKind::Picture:
            control = new wxStaticBitmap(parent, id, SectionPicture(false));
            break;
        case SectLayoutKind::Spin: {
            auto* spin = new wxSpinButton(parent, id);
            spin->SetRange(0, item.value);
            spin->SetValue(0);
            control = spin;
            break;
        }
        }
        const bool inRow = item.kind == SectLayoutKind::Radio && item.across;
        if (inRow && item.value == 0) {
            row = new wxBoxSizer(wxHORIZONTAL);
            sizer->Add(row, 0, wxTOP, 0);
        }
        (inRow ? row : sizer)->Add(control, 0, wxLEFT | wxRIGHT | wxTOP, 4);
        BindControl(*control, item);
    }
    SetSizerAndFit(top);
}

void CSectDialogPanel::BindControl(wxWindow& control, const SectLayoutItem& item)
{
    const int id = item.id;
    switch (item.kind) {
    case SectLayoutKind::Radio:
        control.Bind(wxEVT_RADIOBUTTON, [this, group = item.group, value = item.value](wxCommandEvent&) {
            form_.Choose(group, value);
        });
        break;
    case SectLayoutKind::Check:
        control.Bind(wxEVT_CHECKBOX, [this, id](wxCommandEvent& event) { form_.Check(id, event.IsChecked()); });
        break;
    case SectLayoutKind::ListCombo:
        control.Bind(wxEVT_CHOICE, [this, id](wxCommandEvent& event) { form_.SelectRow(id, event.GetSelection()); });
        break;
    case SectLayoutKind::EditCombo: {
        auto* combo = static_cast<wxComboBox*>(&control);
        const auto typed = [this, id, combo](wxCommandEvent& event) {
            form_.SetComboText(id, combo->GetValue().utf8_string());
            event.Skip();
        };
        control.Bind(wxEVT_TEXT, typed);
        control.Bind(wxEVT_COMBOBOX, typed);
        break;
    }
    case SectLayoutKind::Button:
        control.Bind(wxEVT_BUTTON, [this, id](wxCommandEvent&) { form_.Press(id); });
        break;
    case SectLayoutKind::Colour:
        control.Bind(wxEVT_COLOURPICKER_CHANGED, [this, id](wxColourPickerEvent& event) {
            const wxColour colour = event.GetColour();
            form_.PickColour(id, {colour.Red(), colour.Green(), colour.Blue()});
        });
        break;
    case SectLayoutKind::Spin:
        control.Bind(wxEVT_SPIN, [this, buddy = item.group](wxSpinEvent& event) {
            form_.WriteText(buddy, std::to_string(event.GetPosition()));
        });
        break;
    default:
        break;
    }
}

void CSectDialogPanel::SyncControls()
{
    for (const SectLayoutItem& item : form_.Layout()) {
        wxWindow* control = item.id != 0 ? FindWindow(item.id) : nullptr;
        if (!control || form_.Field(item.id))
            continue;
        control->Enable(form_.IsEnabled(item.id));
        switch (item.kind) {
        case SectLayoutKind::Radio:
            static_cast<wxRadioButton*>(control)->SetValue(form_.Choice(item.group) == item.value);
            break;
        case SectLayoutKind::Check:
            static_cast<wxCheckBox*>(control)->SetValue(form_.Checked(item.id));
            break;
        case SectLayoutKind::ListCombo: {
            auto* choice = static_cast<wxChoice*>(control);
            if (!SameRows(*choice, form_.Rows(item.id)))
                choice->Set(Strings(form_.Rows(item.id)));
            choice->SetSelection(form_.SelectedRow(item.id));
            break;
        }
        case SectLayoutKind::EditCombo: {
            auto* combo = static_cast<wxComboBox*>(control);
            if (!SameRows(*combo, form_.Rows(item.id)))
                combo->Set(Strings(form_.Rows(item.id)));
            combo->ChangeValue(wxString::FromUTF8(form_.ComboText(item.id)));
            break;
        }
        case SectLayoutKind::Colour:
            static_cast<wxColourPickerCtrl*>(control)->SetColour(ColourOf(form_.Colour(item.id)));
            break;
        case SectLayoutKind::Picture:
            static_cast<wxStaticBitmap*>(control)->SetBitmap(SectionPicture(form_.Choice(item.group) == 1));
            break;
        default:
            break;
        }
    }
    if (const int focus = form_.ConsumeFocusRequest()) {
        if (wxWindow* control = FindWindow(focus))
            control->SetFocus();
    }
}
