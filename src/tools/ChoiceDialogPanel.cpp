#include "tools/ChoiceDialogPanel.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/spinbutt.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <cstdlib>
#include <map>

namespace {

constexpr int EDIT_WIDTH = 90;
constexpr int GAP = 3;

// The position of the button in its group; -1 for none.
int PositionInGroup(const CChoiceToolForm& form, int buttonId)
{
    for (const std::vector<int>& group : form.RadioGroups()) {
        const auto found = std::find(group.begin(), group.end(), buttonId);
        if (found != group.end())
            return static_cast<int>(found - group.begin());
    }
    return -1;
}

void ShowRows(wxChoice& choice, const ComboRows& rows)
{
    bool same = choice.GetCount() == rows.texts.size();
    for (size_t i = 0; same && i < rows.texts.size(); ++i)
        same = choice.GetString(static_cast<unsigned>(i)).utf8_string() == rows.texts[i];
    if (!same) {
        choice.Clear();
        for (const std::string& text : rows.texts)
            choice.Append(wxString::FromUTF8(text));
    }
    choice.SetSelection(rows.selection >= 0 ? rows.selection : wxNOT_FOUND);
}

}  // namespace

CChoiceDialogPanel::CChoiceDialogPanel(wxWindow* parent, CChoiceToolForm& form, ToolPageContext& context,
                                       const std::vector<DialogItem>& items)
    : CToolDialogPanel(parent, form, context), form_(form)
{
    // The toolkit groups radio buttons by the order they are made in, so
    // each group's buttons are made one after the other before the rest.
    std::map<int, wxRadioButton*> radios;
    for (const std::vector<int>& group : form.RadioGroups()) {
        for (int id : group) {
            const auto item = std::find_if(items.begin(), items.end(), [id](const DialogItem& candidate) {
                return candidate.kind == DialogItemKind::Radio && candidate.id == id;
            });
            if (item == items.end())
                continue;
            radios[id] = new wxRadioButton(this, id, wxString::FromUTF8(item->text), wxDefaultPosition,
                                           wxDefaultSize, id == group.front() ? wxRB_GROUP : 0);
        }
    }
    auto* top = new wxBoxSizer(wxVERTICAL);
    std::vector<wxSizer*> open{top};
    wxSizer* lastEditRow = nullptr;
    const auto remember = [this](int id) {
        if (id != wxID_ANY)
            choiceIds_.push_back(id);
    };
    for (const DialogItem& item : items) {
        wxSizer* into = open.back();
        const wxString text = wxString::FromUTF8(item.text);
        switch (item.kind) {
        case DialogItemKind::Label:
            into->Add(new wxStaticText(this, item.id, text), 0, wxALL, GAP);
            remember(item.id);
            break;
        case DialogItemKind::Edit: {
            auto* row = new wxBoxSizer(wxHORIZONTAL);
            if (!item.text.empty()) {
                row->Add(new wxStaticText(this, item.labelId, text), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 2 * GAP);
                remember(item.labelId);
            }
            row->Add(new wxTextCtrl(this, item.id, wxEmptyString, wxDefaultPosition, wxSize(EDIT_WIDTH, -1)), 1);
            into->Add(row, 0, wxEXPAND | wxALL, GAP);
            lastEditRow = row;
            break;
        }
        case DialogItemKind::Spin:
            (lastEditRow ? lastEditRow : into)
                ->Add(new wxSpinButton(this, item.id, wxDefaultPosition, wxDefaultSize, wxSP_VERTICAL), 0,
                      wxALIGN_CENTER_VERTICAL);
            remember(item.id);
            break;
        case DialogItemKind::Radio:
            if (const auto made = radios.find(item.id); made != radios.end()) {
                into->Add(made->second, 0, wxALL, GAP);
                remember(item.id);
            }
            break;
        case DialogItemKind::Check:
            into->Add(new wxCheckBox(this, item.id, text), 0, wxALL, GAP);
            remember(item.id);
            break;
        case DialogItemKind::Combo:
            into->Add(new wxChoice(this, item.id), 0, wxEXPAND | wxALL, GAP);
            remember(item.id);
            break;
        case DialogItemKind::BoxBegin: {
            auto* box = new wxStaticBoxSizer(new wxStaticBox(this, item.id, text), wxVERTICAL);
            into->Add(box, 0, wxEXPAND | wxALL, GAP);
            open.push_back(box);
            remember(item.id);
            break;
        }
        case DialogItemKind::BoxEnd:
            if (open.size() > 1)
                open.pop_back();
            break;
        }
    }
    SetSizerAndFit(top);
}

CChoiceDialogPanel::~CChoiceDialogPanel()
{
    form_.SetChoiceObserver(nullptr);
}

void CChoiceDialogPanel::ResetControls()
{
    for (int id : choiceIds_) {
        wxWindow* control = FindWindow(id);
        if (auto* radio = dynamic_cast<wxRadioButton*>(control)) {
            radio->Bind(wxEVT_RADIOBUTTON, [this, id](wxCommandEvent&) { form_.ClickRadio(id); });
        } else if (auto* check = dynamic_cast<wxCheckBox*>(control)) {
            check->Bind(wxEVT_CHECKBOX, [this, id](wxCommandEvent&) { form_.ClickCheck(id); });
        } else if (auto* choice = dynamic_cast<wxChoice*>(control)) {
            choice->Bind(wxEVT_CHOICE,
                         [this, id, choice](wxCommandEvent&) { form_.SelectComboRow(id, choice->GetSelection()); });
        }
        OnChoiceState(id);
    }
    for (const SpinButton& spin : form_.Spins()) {
        auto* button = dynamic_cast<wxSpinButton*>(FindWindow(spin.spinId));
        if (!button)
            continue;
        button->SetRange(spin.low, spin.high);
        ShowSpinValue(spin);
        for (const auto& [type, direction] : {std::pair{wxEVT_SPIN_UP, 1}, std::pair{wxEVT_SPIN_DOWN, -1}}) {
            button->Bind(type, [this, spin, direction](wxSpinEvent&) {
                form_.StepSpin(spin.spinId, direction);
                ShowSpinValue(spin);
            });
        }
    }
    form_.SetChoiceObserver(this);
}

void CChoiceDialogPanel::ShowSpinValue(const SpinButton& spin)
{
    auto* button = dynamic_cast<wxSpinButton*>(FindWindow(spin.spinId));
    const ToolFormField* buddy = form_.Field(spin.buddyId);
    if (!button || !buddy)
        return;
    const long shown = std::strtol(buddy->text.c_str(), nullptr, 10);
    button->SetValue(static_cast<int>(std::clamp<long>(shown, spin.low, spin.high)));
}

void CChoiceDialogPanel::OnChoiceState(int controlId)
{
    wxWindow* control = FindWindow(controlId);
    if (!control)
        return;
    // Choosing a button unchecks the others of its group.
    auto* radio = dynamic_cast<wxRadioButton*>(control);
    if (radio && form_.RadioValue(controlId) == PositionInGroup(form_, controlId))
        radio->SetValue(true);
    if (auto* check = dynamic_cast<wxCheckBox*>(control))
        check->SetValue(form_.Checked(controlId));
    else if (auto* choice = dynamic_cast<wxChoice*>(control))
        ShowRows(*choice, form_.Combo(controlId));
    if (!form_.Field(controlId))
        control->Enable(form_.IsEnabled(controlId));
}

void CChoiceDialogPanel::OnChoiceFocus(int controlId)
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
