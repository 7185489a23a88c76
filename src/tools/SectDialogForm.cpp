#include "tools/SectDialogForm.h"

void CSectDialogForm::Edit(int fieldId, const std::string& label)
{
    if (!label.empty())
        layout_.push_back({SectLayoutKind::Label, 0, label});
    layout_.push_back({SectLayoutKind::Edit, fieldId, {}});
}

void CSectDialogForm::Radios(std::initializer_list<std::pair<int, const char*>> radios, bool across)
{
    const int group = radios.begin()->first;
    int value = 0;
    for (const auto& [id, text] : radios)
        layout_.push_back({SectLayoutKind::Radio, id, text, group, value++, across});
    choices_[group] = 0;
}

void CSectDialogForm::CheckBox(int id, const std::string& text)
{
    layout_.push_back({SectLayoutKind::Check, id, text});
    State(id);
}

void CSectDialogForm::ListCombo(int id)
{
    layout_.push_back({SectLayoutKind::ListCombo, id, {}});
    State(id);
}

void CSectDialogForm::EditCombo(int id)
{
    layout_.push_back({SectLayoutKind::EditCombo, id, {}});
    State(id);
}

void CSectDialogForm::ColourChooser(int id, const std::string& text, const Rgb& colour)
{
    layout_.push_back({SectLayoutKind::Colour, id, text});
    State(id).colour = colour;
}

const CSectDialogForm::ControlState* CSectDialogForm::FindState(int controlId) const
{
    const auto found = controls_.find(controlId);
    return found == controls_.end() ? nullptr : &found->second;
}

void CSectDialogForm::NotifyControls()
{
    if (controlsObserver_)
        controlsObserver_();
}

void CSectDialogForm::Show()
{
    OnShow();
    NotifyControls();
}

void CSectDialogForm::Check(int checkId, bool checked)
{
    State(checkId).checked = checked;
    OnCheck(checkId);
    NotifyControls();
}

void CSectDialogForm::Choose(int group, int value)
{
    choices_[group] = value;
    OnChoice(group);
    NotifyControls();
}

void CSectDialogForm::SelectRow(int comboId, int row)
{
    ControlState& state = State(comboId);
    state.selectedRow = row >= 0 && static_cast<size_t>(row) < state.rows.size() ? row : -1;
    state.text = state.selectedRow < 0 ? std::string() : state.rows[static_cast<size_t>(state.selectedRow)];
}

void CSectDialogForm::SetComboText(int comboId, const std::string& text)
{
    State(comboId).text = text;
}

void CSectDialogForm::Press(int buttonId)
{
    OnButton(buttonId);
    NotifyControls();
}

void CSectDialogForm::PickColour(int colourId, const Rgb& colour)
{
    State(colourId).colour = colour;
}

bool CSectDialogForm::Checked(int checkId) const
{
    const ControlState* state = FindState(checkId);
    return state && state->checked;
}

int CSectDialogForm::Choice(int group) const
{
    const auto found = choices_.find(group);
    return found == choices_.end() ? 0 : found->second;
}

int CSectDialogForm::SelectedRow(int comboId) const
{
    const ControlState* state = FindState(comboId);
    return state ? state->selectedRow : -1;
}

const std::vector<std::string>& CSectDialogForm::Rows(int comboId) const
{
    static const std::vector<std::string> none;
    const ControlState* state = FindState(comboId);
    return state ? state->rows : none;
}

std::string CSectDialogForm::ComboText(int comboId) const
{
    const ControlState* state = FindState(comboId);
    return state ? state->text : std::string();
}

Rgb CSectDialogForm::Colour(int colourId) const
{
    const ControlState* state = FindState(colourId);
    return state ? state->colour : Rgb{0, 0, 0};
}

bool CSectDialogForm::IsEnabled(int controlId) const
{
    if (const ToolFormField* field = Field(controlId))
        return field->enabled;
    const ControlState* state = FindState(controlId);
    return !state || state->enabled;
}

void CSectDialogForm::SetChecked(int checkId, bool checked)
{
    State(checkId).checked = checked;
}

void CSectDialogForm::SetChoice(int group, int value)
{
    choices_[group] = value;
}

void CSectDialogForm::SetRows(int comboId, std::vector<std::string> rows)
{
    ControlState& state = State(comboId);
    state.rows = std::move(rows);
    state.selectedRow = -1;
    state.text.clear();
}

void CSectDialogForm::SetColour(int colourId, const Rgb& colour)
{
    State(colourId).colour = colour;
}

void CSectDialogForm::EnableControls(std::initializer_list<int> controlIds, bool enable)
{
    for (int id : controlIds) {
        if (Field(id))
            SetEnabled(id, enable);
        else
            State(id).enabled = enable;
    }
}

void CSectDialogForm::FocusControl(int controlId)
{
    focusRequest_ = controlId;
    if (const ToolFormField* field = Field(controlId); field && field->pickCode != 0)
        FocusPickField(field->pickCode);
}
