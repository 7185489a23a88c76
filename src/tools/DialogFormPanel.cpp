#include "tools/DialogFormPanel.h"

#include "frame/LabelFitButton.h"
#include "frame/ThemeTextInset.h"

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

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int GAP = 3;
constexpr int PICTURE_SIZE = 64;

int WindowId(int id)
{
    return id > 0 ? id : wxID_ANY;
}

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

// A picked coordinate of the drawing's usual size, the widest text a
// coordinate field is made to show whole.
const char* const USUAL_PICKED_COORDINATE_TEXT = "-0000.000, -0000.000";

// The width of an edit that shows the text whole in its own font.
int EditWidthFor(const wxTextCtrl& edit, const wxString& text)
{
    return edit.GetTextExtent(text).x + ThemeTextInset(edit);
}

wxColour ColourOf(const Rgb& rgb)
{
    return wxColour(static_cast<unsigned char>(rgb[0]), static_cast<unsigned char>(rgb[1]),
                    static_cast<unsigned char>(rgb[2]));
}

}  // namespace

CDialogFormPanel::CDialogFormPanel(wxWindow* parent, CDialogForm& form, ToolPageContext& context,
                                   std::vector<DialogItem> layout, DialogStyle style)
    : CToolDialogPanel(parent, form, context), form_(form), layout_(std::move(layout)), style_(style)
{
    BuildControls();
    SelectCoordinatesOnFocus();
    form_.SetDialogObserver(this);
}

CDialogFormPanel::~CDialogFormPanel()
{
    form_.SetDialogObserver(nullptr);
}

void CDialogFormPanel::ShowRows(wxItemContainer& control, const std::vector<std::string>& rows)
{
    bool same = control.GetCount() == rows.size();
    for (size_t i = 0; same && i < rows.size(); ++i)
        same = control.GetString(static_cast<unsigned>(i)).utf8_string() == rows[i];
    if (same)
        return;
    wxArrayString strings;
    for (const std::string& row : rows)
        strings.Add(wxString::FromUTF8(row));
    control.Set(strings);
}

void CDialogFormPanel::BuildControls()
{
    const std::vector<DialogItem>& layout = layout_;
    // The toolkit groups radio buttons by the order they are made in, so
    // each group's buttons are made one after the other before the rest.
    std::map<int, wxRadioButton*> radios;
    for (const std::vector<int>& group : form_.RadioGroups()) {
        for (int id : group) {
            const auto item = std::find_if(layout.begin(), layout.end(), [id](const DialogItem& candidate) {
                return candidate.kind == DialogItemKind::Radio && candidate.id == id;
            });
            if (item != layout.end())
                radios[id] = new wxRadioButton(this, id, wxString::FromUTF8(item->text), wxDefaultPosition,
                                               wxDefaultSize, id == group.front() ? wxRB_GROUP : 0);
        }
    }
    auto* top = new wxBoxSizer(wxVERTICAL);
    if (style_.topSpace > 0)
        top->AddSpacer(style_.topSpace);
    std::vector<wxSizer*> open{top};
    wxSizer* lastEditRow = nullptr;
    wxTextCtrl* lastEdit = nullptr;
    wxSizer* radioRow = nullptr;  // the row of a radio group laid out across
    for (auto next = layout.begin(); next != layout.end(); ++next) {
        const DialogItem& item = *next;
        wxSizer* into = open.back();
        const wxString text = wxString::FromUTF8(item.text);
        const wxSize width(item.width > 0 ? item.width : style_.editWidth, -1);
        wxWindow* control = nullptr;
        switch (item.kind) {
        case DialogItemKind::BoxBegin: {
            auto* box = new wxStaticBoxSizer(new wxStaticBox(this, WindowId(item.id), text), wxVERTICAL);
            into->Add(box, 0, wxEXPAND | wxALL, GAP);
            open.push_back(box);
            continue;
        }
        case DialogItemKind::BoxEnd:
            if (open.size() > 1)
                open.pop_back();
            continue;
        case DialogItemKind::Edit: {
            auto* row = new wxBoxSizer(wxHORIZONTAL);
            auto* edit = new wxTextCtrl(this, WindowId(item.id), wxEmptyString, wxDefaultPosition, width);
            // A field that takes picked coordinates shows a picked
            // coordinate whole, whatever the font.
            const ToolFormField* field = form_.Field(item.id);
            const bool coordinates = field && field->TakesPickedCoordinates();
            if (coordinates)
                edit->SetMinSize(wxSize(std::max(width.x, EditWidthFor(*edit, USUAL_PICKED_COORDINATE_TEXT)), -1));
            if (!item.text.empty()) {
                // A label wider than its edit, beside an edit that has a
                // spin button, or of a coordinate field (which takes the
                // column's width) stands on the line above, so that the
                // dialog fits the workspace's width.
                auto* label = new wxStaticText(this, WindowId(item.labelId), text);
                const bool spinFollows = next + 1 != layout.end() && (next + 1)->kind == DialogItemKind::Spin;
                if (coordinates || spinFollows || label->GetBestSize().x > edit->GetBestSize().x)
                    into->Add(label, 0, wxLEFT | wxRIGHT | wxTOP, GAP);
                else
                    row->Add(label, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 2 * GAP);
            }
            // An edit of its own width keeps it; the others take the column's.
            row->Add(edit, item.width > 0 ? 0 : 1);
            into->Add(row, 0, wxEXPAND | wxALL, GAP);
            lastEditRow = row;
            lastEdit = edit;
            continue;
        }
        case DialogItemKind::Spin:
            control = new wxSpinButton(this, WindowId(item.id), wxDefaultPosition, wxDefaultSize, wxSP_VERTICAL);
            // The edit gives the spin button room: the two together are no
            // wider than an edit alone, yet the edit still shows a number.
            if (lastEdit) {
                const int numberWidth = EditWidthFor(*lastEdit, "-0000.000");
                const int narrower = lastEdit->GetMinSize().x - control->GetBestSize().x;
                lastEdit->SetMinSize(wxSize(std::max(narrower, numberWidth), -1));
            }
            (lastEditRow ? lastEditRow : into)->Add(control, 0, wxALIGN_CENTER_VERTICAL);
            BindControl(*control, item);
            continue;
        case DialogItemKind::Radio: {
            const auto made = radios.find(item.id);
            if (made == radios.end())
                continue;
            control = made->second;
            if (item.across) {
                if (form_.GroupOf(item.id) == item.id || !radioRow) {
                    radioRow = new wxBoxSizer(wxHORIZONTAL);
                    into->Add(radioRow, 0);
                }
                radioRow->Add(control, 0, wxALL, GAP);
                BindControl(*control, item);
                continue;
            }
            break;
        }
        case DialogItemKind::Label:
            control = new wxStaticText(this, WindowId(item.id), text);
            break;
        case DialogItemKind::Check:
            control = new wxCheckBox(this, WindowId(item.id), text);
            break;
        case DialogItemKind::Combo:
            control = new wxChoice(this, WindowId(item.id), wxDefaultPosition, width);
            break;
        case DialogItemKind::EditCombo:
            control = new wxComboBox(this, WindowId(item.id), wxEmptyString, wxDefaultPosition, width, 0, nullptr,
                                     wxCB_DROPDOWN | wxCB_SORT);
            break;
        case DialogItemKind::Button:
            control = NewLabelFitButton(this, WindowId(item.id), text);
            break;
        case DialogItemKind::Colour:
            if (!item.text.empty())
                into->Add(new wxStaticText(this, wxID_ANY, text), 0, wxALL, GAP);
            control = new wxColourPickerCtrl(this, WindowId(item.id), ColourOf(form_.Colour(item.id)));
            break;
        case DialogItemKind::Picture:
            control = new wxStaticBitmap(this, WindowId(item.id), SectionPicture(false));
            break;
        }
        if (item.kind == DialogItemKind::Button && item.across && lastEditRow)
            lastEditRow->Add(control, 0, wxLEFT | wxALIGN_CENTER_VERTICAL, GAP);
        else
            into->Add(control, 0, wxALL, GAP);
        BindControl(*control, item);
    }
    SetSizerAndFit(top);
}

// A coordinate is typed anew rather than added to: a field that takes
// picked coordinates selects its whole text when the focus comes to it by a
// click or Tab, after the click that gave it the focus has placed the caret.
// The focus that comes back to the field as its window is activated again
// comes from the field itself: it leaves the text as it is, so that a
// coordinate typed in part goes on where the user left it.
void CDialogFormPanel::SelectCoordinatesOnFocus()
{
    for (const ToolFormField& field : form_.Fields()) {
        auto* edit = field.TakesPickedCoordinates() ? dynamic_cast<wxTextCtrl*>(FindWindow(field.controlId)) : nullptr;
        if (!edit)
            continue;
        edit->Bind(wxEVT_SET_FOCUS, [edit](wxFocusEvent& event) {
            if (event.GetWindow() != edit)
                edit->CallAfter([edit] { edit->SelectAll(); });
            event.Skip();
        });
    }
}

void CDialogFormPanel::BindControl(wxWindow& control, const DialogItem& item)
{
    const int id = item.id;
    switch (item.kind) {
    case DialogItemKind::Radio:
        control.Bind(wxEVT_RADIOBUTTON, [this, id](wxCommandEvent&) { form_.ClickRadio(id); });
        break;
    case DialogItemKind::Check:
        control.Bind(wxEVT_CHECKBOX, [this, id](wxCommandEvent& event) { form_.Check(id, event.IsChecked()); });
        break;
    case DialogItemKind::Combo:
        control.Bind(wxEVT_CHOICE, [this, id](wxCommandEvent& event) { form_.SelectRow(id, event.GetSelection()); });
        break;
    case DialogItemKind::EditCombo: {
        auto* combo = static_cast<wxComboBox*>(&control);
        const auto typed = [this, id, combo](wxCommandEvent& event) {
            form_.SetComboText(id, combo->GetValue().utf8_string());
            event.Skip();
        };
        control.Bind(wxEVT_TEXT, typed);
        control.Bind(wxEVT_COMBOBOX, typed);
        break;
    }
    case DialogItemKind::Button:
        control.Bind(wxEVT_BUTTON, [this, id](wxCommandEvent&) { form_.Press(id); });
        break;
    case DialogItemKind::Colour:
        control.Bind(wxEVT_COLOURPICKER_CHANGED, [this, id](wxColourPickerEvent& event) {
            const wxColour colour = event.GetColour();
            form_.PickColour(id, {colour.Red(), colour.Green(), colour.Blue()});
        });
        break;
    case DialogItemKind::Spin:
        for (const auto& [type, direction] : {std::pair{wxEVT_SPIN_UP, 1}, std::pair{wxEVT_SPIN_DOWN, -1}}) {
            control.Bind(type, [this, id, direction = direction](wxSpinEvent&) {
                form_.StepSpin(id, direction);
                for (const SpinButton& spin : form_.Spins()) {
                    if (spin.spinId == id)
                        ShowSpinValue(spin);
                }
            });
        }
        break;
    default:
        break;
    }
}

void CDialogFormPanel::ShowSpinValue(const SpinButton& spin)
{
    auto* button = dynamic_cast<wxSpinButton*>(FindWindow(spin.spinId));
    const ToolFormField* buddy = form_.Field(spin.buddyId);
    if (!button || !buddy)
        return;
    button->SetRange(spin.low, spin.high);
    const long shown = std::strtol(buddy->text.c_str(), nullptr, 10);
    button->SetValue(static_cast<int>(std::clamp<long>(shown, spin.low, spin.high)));
}

void CDialogFormPanel::OnControlsChanged()
{
    for (const DialogItem& item : layout_) {
        const int id = item.kind == DialogItemKind::Edit ? item.labelId : item.id;
        wxWindow* control = id > 0 ? FindWindow(id) : nullptr;
        if (!control || form_.Field(id))
            continue;
        control->Enable(form_.IsEnabled(id));
        switch (item.kind) {
        case DialogItemKind::Radio:
            // Choosing a button unchecks the others of its group.
            if (form_.Choice(id) >= 0 && form_.Choice(id) == form_.RadioPosition(id))
                static_cast<wxRadioButton*>(control)->SetValue(true);
            break;
        case DialogItemKind::Check:
            static_cast<wxCheckBox*>(control)->SetValue(form_.Checked(id));
            break;
        case DialogItemKind::Combo: {
            auto* choice = static_cast<wxChoice*>(control);
            ShowRows(*choice, form_.Rows(id));
            choice->SetSelection(form_.SelectedRow(id));
            break;
        }
        case DialogItemKind::EditCombo: {
            auto* combo = static_cast<wxComboBox*>(control);
            ShowRows(*combo, form_.Rows(id));
            combo->ChangeValue(wxString::FromUTF8(form_.ComboText(id)));
            break;
        }
        case DialogItemKind::Colour:
            static_cast<wxColourPickerCtrl*>(control)->SetColour(ColourOf(form_.Colour(id)));
            break;
        case DialogItemKind::Picture:
            static_cast<wxStaticBitmap*>(control)->SetBitmap(SectionPicture(form_.Choice(item.group) == 1));
            break;
        default:
            break;
        }
    }
    for (const SpinButton& spin : form_.Spins())
        ShowSpinValue(spin);
}

void CDialogFormPanel::OnControlFocusRequest(int controlId)
{
    if (wxWindow* control = FindWindow(controlId))
        control->SetFocus();
    // A page that has just been shown hands its focus on once the toolkit
    // has settled; the rule's focus is given again after that.
    CallAfter([this, controlId] {
        if (wxWindow* control = FindWindow(controlId))
            control->SetFocus();
    });
}

ToolDialogFactory ItemsDialog(std::vector<DialogItem> items)
{
    return [items = std::move(items)](wxWindow* parent, CToolForm& form, ToolPageContext& context) {
        return new CDialogFormPanel(parent, static_cast<CDialogForm&>(form), context, items);
    };
}

ToolDialogFactory FormLayoutDialog(DialogStyle style)
{
    return [style](wxWindow* parent, CToolForm& form, ToolPageContext& context) {
        auto& dialog = static_cast<CDialogForm&>(form);
        return new CDialogFormPanel(parent, dialog, context, dialog.Layout(), style);
    };
}
